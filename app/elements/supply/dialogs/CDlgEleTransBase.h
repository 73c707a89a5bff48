#pragma once

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

// What the transformer dialogs (three-phase, single-phase three-wire) share:
// one layout of controls with their ids, the texts of the edits, and the
// moves between them. Each dialog handles the notifications on its own
// transformer; the single-phase one also shows its half voltage.
class CDlgEleTransBase : public QDialog {
public:
    ~CDlgEleTransBase() override;

    // Notification handlers.
    virtual void OnChangeName() = 0;
    virtual void OnSelchangeVoltage1() = 0;
    virtual void OnEditchangeVoltage1() = 0;
    virtual void OnSelchangeVoltage2() = 0;
    virtual void OnEditchangeVoltage2() = 0;
    virtual void OnSelchangeEarthing() = 0;
    virtual void OnSelchangeCapacity() = 0;
    virtual void OnEditchangeCapacity() = 0;
    virtual void OnChangePercentZ() = 0;
    virtual void OnChangeXR() = 0;
    virtual void OnChangeRushPeak() = 0;
    virtual void OnChangeDampingTime() = 0;
    virtual void OnCalcPoint() = 0;
    // The data check; a bad value keeps the dialog open with the focus on
    // its control.
    virtual void OnOK() = 0;

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
    std::string m_strHalfVoltage;     // 1089, the single-phase dialog's

protected:
    // The controls of the dialog with the id and title; halfVoltage adds
    // the half voltage's read-only edit. The lists come from the databases
    // the models read (GetModelDatabases).
    CDlgEleTransBase(QWidget* parent, unsigned id, const char* title, bool halfVoltage);

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
    QLineEdit* m_edHalfVoltage = nullptr; // only with the half voltage
};
