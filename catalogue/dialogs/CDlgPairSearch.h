#pragma once

#include "catalogue/dialogs/SearchDialogKit.h"

#include "breakerdata/model/CInfoBase.h"

#include <cstdint>

class QComboBox;
class QRadioButton;

namespace fw {
class CDatabase;
class IComboBox;
} // namespace fw

// The twin dialogs of the searches over pairs of breakers, an upstream one
// and a downstream one: find the upstream breakers of a downstream one (mode
// 1), the downstream breakers of an upstream one (mode 2), or the value of a
// pair (mode 3). CDlgCascade works on the back-up table and Icu-back,
// CDlgSelective on the discrimination table and Is; this class holds what
// they share and asks them for their table's reads.
class CDlgPairSearch : public searchdlg::CSearchDialog {
public:
    void OnInitDialog() override;

    // The members the document hands in and takes back; the value (A) is
    // named m_dIcuBack or m_dIs by the two dialogs.
    CInfoBase m_InfoBaseUp;
    CInfoBase m_InfoBaseDown;
    double m_dValue = 0.0;
    int m_nPoles = 3;
    int m_nMode = 3;

    // The handlers of the controls' events.
    void OnSelchangeVoltage();
    void OnEditchangeVoltage();
    void OnSelchangePoles();
    void OnSelchangeKindUp();
    void OnSelchangeKindDown();
    void OnSelchangeTypeUp();
    void OnSelchangeTypeDown();
    void OnSelchangeValue();
    void OnEditchangeValue();
    void OnMode(int mode);

protected:
    struct CTexts {
        unsigned resourceId;
        const char* caption;
        const char* mode1;
        const char* mode2;
        const char* mode3;
        unsigned mode3Id;
        unsigned valueId;
        const char* valueLabel;
    };
    CDlgPairSearch(const CTexts& texts, fw::CDatabase* breaker, fw::CDatabase* list,
                   QWidget* parent);

    // The table's reads: the pair lists of a searched side, the distinct
    // values, and the value of the pair (its row's voltage, 0 when none).
    virtual int DoReadSetUpstream(fw::IComboBox* box, const CInfoBase* down, const CInfoBase* up,
                                  double value, int poles) = 0;
    virtual int DoReadSetDownstream(fw::IComboBox* box, const CInfoBase* up, const CInfoBase* down,
                                    double value, int poles) = 0;
    virtual int DoReadSetListValues(fw::IComboBox* box) = 0;
    virtual int32_t DoReadPairValue(const CInfoBase& up, const CInfoBase& down, double* value) = 0;

    fw::CDatabase* m_pBreaker;
    fw::CDatabase* m_pList;

private:
    void DoFillKinds(CInfoBase& side, QComboBox* box);
    void DoFillTypes(CInfoBase& side, QComboBox* box, bool searched);
    void DoFillTypesUp() { DoFillTypes(m_InfoBaseUp, m_wndTypeUp, m_nMode == 1); }
    void DoFillTypesDown() { DoFillTypes(m_InfoBaseDown, m_wndTypeDown, m_nMode == 2); }
    void DoFillPairsUp();
    void DoFillPairsDown();
    void DoLookUp();
    void DoSearchRule();
    void DoCheckRadios();
    // After a voltage or poles change.
    void DoModeStep();
    void DoSetVoltage(int voltage);
    void DoTypePicked(CInfoBase& side, QComboBox* box, bool upstream);
    void DoValueChanged(double value);
    static void DoClearType(CInfoBase& side);

    QComboBox* m_wndVoltage = nullptr;
    QComboBox* m_wndPoles = nullptr;
    QRadioButton* m_wndMode1 = nullptr;
    QRadioButton* m_wndMode2 = nullptr;
    QRadioButton* m_wndMode3 = nullptr;
    QComboBox* m_wndKindUp = nullptr;
    QComboBox* m_wndTypeUp = nullptr;
    QComboBox* m_wndKindDown = nullptr;
    QComboBox* m_wndTypeDown = nullptr;
    QComboBox* m_wndValue = nullptr;
};

// "Cascade" (resource 132): back-up pairs and their Icu-back.
class CDlgCascade : public CDlgPairSearch {
public:
    CDlgCascade(fw::CDatabase* breaker, fw::CDatabase* list, QWidget* parent = nullptr);
    double& m_dIcuBack = m_dValue;

protected:
    int DoReadSetUpstream(fw::IComboBox* box, const CInfoBase* down, const CInfoBase* up,
                          double value, int poles) override;
    int DoReadSetDownstream(fw::IComboBox* box, const CInfoBase* up, const CInfoBase* down,
                            double value, int poles) override;
    int DoReadSetListValues(fw::IComboBox* box) override;
    int32_t DoReadPairValue(const CInfoBase& up, const CInfoBase& down, double* value) override;
};

// "Discrimination" (resource 133): discrimination pairs and their Is.
class CDlgSelective : public CDlgPairSearch {
public:
    CDlgSelective(fw::CDatabase* breaker, fw::CDatabase* list, QWidget* parent = nullptr);
    double& m_dIs = m_dValue;

protected:
    int DoReadSetUpstream(fw::IComboBox* box, const CInfoBase* down, const CInfoBase* up,
                          double value, int poles) override;
    int DoReadSetDownstream(fw::IComboBox* box, const CInfoBase* up, const CInfoBase* down,
                            double value, int poles) override;
    int DoReadSetListValues(fw::IComboBox* box) override;
    int32_t DoReadPairValue(const CInfoBase& up, const CInfoBase& down, double* value) override;
};
