#pragma once

#include "app/elements/protection/CEleLVCB.h"
#include "app/elements/supply/dialogs/MachineDialogKit.h"

#include <cstdint>
#include <functional>
#include <string>

class CCurrent;
class CInfoBase;
class CInfoLine;
class CInfoPartList;
class CReadBase;
class CReadPartList;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// The low-voltage breaker's properties (template 166, "Low-voltage circuit
// breaker") on the copy the model's edit hands it: voltage, rated current,
// poles, the product (maker, kind, type) from the breaker database, the
// required disconnection time and the flags; the type may also be taken
// from the candidates of the automatic search or from a cascade or
// discrimination result, shown in the list.
class CDlgEleLVCB : public machinedlg::CRowDialog {
public:
    // voltageLock above 0 keeps the voltage as it is; mode is the
    // document's.
    CDlgEleLVCB(CEleLVCB& model, int32_t voltageLock, int32_t mode, QWidget* parent = nullptr);

    // The document's search for the upstream breaker that a cascade or
    // discrimination result names (its characteristic, rated current,
    // instantaneous start current and Icu), and the document's frequency: a
    // type chosen while a result stands works the result out again.
    using UpstreamFinder =
        std::function<CObjAdjust*(CCurrent& marker, double* rated, double* iinst, double* icu)>;
    void SetUpstreamFinder(UpstreamFinder finder, int32_t frequency);

    // The list's columns.
    enum Column { kColType, kColRemarks, kColIcs, kColIcu, kColIcuBack, kColIs };

private:
    void DoFillProduct();
    void DoFillTypes();
    // Ics and Icu of the type; with warn, the message when the type has no
    // breaking capacity at the circuit voltage or above.
    void DoCapacityStep(bool warn);
    // The short-circuit current the search asks for, at the criterion's
    // calculation point.
    double DoGetSearchCurrent(uint32_t criterion) const;
    // The automatic search run again for the working copy's criterion.
    void DoRerunSearch();
    void DoFillList();
    void DoFillCandidates();
    void DoFillResult();
    void DoMarkChosen(int32_t typeID, const std::string& text);
    uint32_t SelectedBy() const;
    // The type given up: the product keeps maker and kind.
    void DoDropType();
    void DoEnableGfr(bool enable);
    void DoShowRated();
    void DoTakeType(int32_t typeID, const std::string& name, bool fromList);
    // The cascade or discrimination result worked out again for the type
    // now chosen, against the same upstream breaker; cleared when that
    // breaker cannot be found.
    void DoReevaluateResult();
    void OnSearch(uint32_t criterion);
    void OnDetail();
    void OnGfr();
    void OnClear();
    void OnSelectType();
    void DoUpdateOk();

    CEleLVCB& m_model;
    int32_t m_nVoltageLock;
    int32_t m_nMode;
    UpstreamFinder m_findUpstream;
    int32_t m_nFrequency = 50;
    CInfoBase* m_pInfoBase = nullptr;
    CReadBase* m_pReadBase = nullptr;
    CInfoPartList* m_pInfoParts = nullptr;
    CReadPartList* m_pReadParts = nullptr;
    CInfoLine* m_pInfoLine = nullptr;
    // Set while a typed value or the type keeps OK off.
    bool m_bBadName = false;
    bool m_bBadVoltage = false;
    bool m_bBadRated = false;
    bool m_bBadTime = false;
    bool m_bBadType = false;
    // The stored type is not in the database.
    bool m_bTypeMissing = false;

    QLineEdit* m_wndName;
    QComboBox* m_wndVoltage;
    QLineEdit* m_wndRated;
    QComboBox* m_wndPoles;
    QComboBox* m_wndMaker;
    QComboBox* m_wndGroup;
    QComboBox* m_wndType;
    QPushButton* m_wndClear;
    QPushButton* m_wndDetail;
    QPushButton* m_wndGfr;
    QCheckBox* m_wndDrawGfr;
    QLineEdit* m_wndIcs;
    QLineEdit* m_wndIcu;
    QLineEdit* m_wndShortCircuit;
    QComboBox* m_wndTime;
    QPushButton* m_wndSelectType;
    QPushButton* m_wndSearchIcs;
    QPushButton* m_wndSearchIcu;
    QLabel* m_wndSelectedBy;
    QTreeWidget* m_wndList;
    QCheckBox* m_wndCalcPoint;
    QCheckBox* m_wndOff;
};
