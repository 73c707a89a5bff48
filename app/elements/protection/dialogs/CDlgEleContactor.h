#pragma once

#include "app/elements/protection/CEleContactor.h"
#include "app/elements/supply/dialogs/MachineDialogKit.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// The contactor's properties (template 185, "Contactor"): the name, the
// device type chosen from the breaker database (maker, series, type) with
// its thermal current Ith, and the calculation point. It edits the copy the
// model's edit hands it.
class CDlgEleContactor : public machinedlg::CRowDialog {
public:
    CDlgEleContactor(CEleContactor& model, int32_t mode, QWidget* parent = nullptr);

private:
    // The three product boxes filled again for the stored type.
    void DoFillProduct();
    // After a new maker or series: the types of the series (its default
    // taken) and that type's device data.
    void DoFillTypesFromSeries();
    // The type's row read again; false when the database has none.
    bool DoReadType();
    void DoShowIth();
    void DoUpdateOk();
    void OnMakerChosen(int index);
    void OnSeriesChosen(int index);
    void OnTypeChosen(int index);
    void OnDetail();

    CEleContactor& m_model;
    int32_t m_nMode;
    bool m_bTypeRead = false;

    QLineEdit* m_wndName;
    QLineEdit* m_wndVoltage;
    QComboBox* m_wndMaker;
    QComboBox* m_wndSeries;
    QComboBox* m_wndType;
    QLineEdit* m_wndIth;
    QCheckBox* m_wndCalcPoint;
    QPushButton* m_wndDetail;
};
