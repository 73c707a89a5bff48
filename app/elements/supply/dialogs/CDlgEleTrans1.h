#pragma once

#include "app/elements/supply/CEleTrans1.h"

#include <QDialog>

#include <cstdint>
#include <string>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace fw {
class CDatabase;
}

// The properties dialog of the single-phase three-wire transformer (template
// 200, "Single-phase transformer"). It mirrors the three-phase dialog and
// edits the full-voltage winding (winding 2); the half voltage is shown
// beside it.
class CDlgEleTrans1 : public QDialog {
public:
    static constexpr unsigned IDD = 200;

    // The lists come from the databases the models read
    // (GetModelDatabases); a database that is not open leaves its lists empty.
    explicit CDlgEleTrans1(QWidget* parent = nullptr);
    ~CDlgEleTrans1() override;

    // Fills the controls from the copy, the document mode and frequency set
    // by the caller, and applies the mode's locks.
    void OnInitDialog();
    // The derived texts after an edit of the control with that id (0: none).
    void DoUpdateTexts(uint32_t editedId);

    // Notification handlers.
    void OnChangeName();
    void OnSelchangeVoltage1();
    void OnEditchangeVoltage1();
    void OnSelchangeVoltage2();
    void OnEditchangeVoltage2();
    void OnSelchangeEarthing();
    void OnSelchangeCapacity();
    void OnEditchangeCapacity();
    void OnChangePercentZ();
    void OnChangeXR();
    void OnChangeRushPeak();
    void OnChangeDampingTime();
    void OnCalcPoint();
    // The data check; a bad value keeps the dialog open with the focus on
    // its control.
    void OnOK();

    // Controls.
    QCheckBox* m_btnCalcPoint = nullptr; // 1181
    QPushButton* m_btnOK = nullptr;      // 1
    QComboBox* m_cbEarthing = nullptr;   // 1115
    QComboBox* m_cbCapacity = nullptr;   // 1110
    QComboBox* m_cbVoltage2 = nullptr;   // 1104
    QComboBox* m_cbVoltage1 = nullptr;   // 1103

    // Texts of the edits.
    std::string m_strName;            // 1060
    std::string m_strXR;              // 1086
    std::string m_strDampingTime;     // 1125
    std::string m_strResistance;      // 1079
    std::string m_strReactance;       // 1080
    std::string m_strPercentZ;        // 1083
    std::string m_strPercentR;        // 1084
    std::string m_strPercentX;        // 1085
    std::string m_strRatedCurrent;    // 1100
    std::string m_strRushPeak;        // 1113
    std::string m_strRushPeakCurrent; // 1120
    std::string m_strHalfVoltage;     // 1089

    CEleTrans1 m_eleTrans1;    // the copy being edited
    int32_t m_nFrequency = 50; // Hz, the document's
    int32_t m_nMode = 1;       // the document's mode

private:
    // Texts of the edits into the members, and back.
    void Read();
    void Show();
    void EnableOK(bool enable);

    fw::CDatabase* m_pEquipDb;
    fw::CDatabase* m_pListDb;
    QLineEdit* m_edName = nullptr;
    QLineEdit* m_edXR = nullptr;
    QLineEdit* m_edDampingTime = nullptr;
    QLineEdit* m_edResistance = nullptr;
    QLineEdit* m_edReactance = nullptr;
    QLineEdit* m_edPercentZ = nullptr;
    QLineEdit* m_edPercentR = nullptr;
    QLineEdit* m_edPercentX = nullptr;
    QLineEdit* m_edRatedCurrent = nullptr;
    QLineEdit* m_edRushPeak = nullptr;
    QLineEdit* m_edRushPeakCurrent = nullptr;
    QLineEdit* m_edHalfVoltage = nullptr;
};
