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
// one layout of controls with their ids, the texts of the edits, the moves
// between them, the notification handlers and the lock by mode. Each dialog
// names the values the handlers edit (the single-phase transformer's are its
// full-voltage winding's), fills its own lists and derives its own texts;
// the single-phase one also shows its half voltage.
class CDlgEleTransBase : public QDialog {
public:
    ~CDlgEleTransBase() override;

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

    // The derived texts after an edit of the control with that id (0: none).
    virtual void DoUpdateTexts(uint32_t editedId) = 0;

    int32_t m_nFrequency = 50; // Hz, the document's
    int32_t m_nMode = 1;       // the document's mode

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
    // The values of the copy being edited that the handlers write.
    struct CEditedValues {
        std::string& name;
        int32_t& primaryVoltage;
        int32_t& secondaryVoltage;
        uint32_t& earthing;
        double& capacity;
        double& percentZ;
        double& xr;
        double& rushPeak;
        double& dampingTime;
        uint32_t& calcPoint;
    };
    virtual CEditedValues GetEditedValues() = 0;
    // The copy's values looked up again for its capacity after an edit of
    // the control with that id (0: none), and its data check (the id of the
    // first bad value's control, 0 when all are good).
    virtual void DoReadByCapacity(uint32_t editedId) = 0;
    virtual int32_t DoCheckData() const = 0;

    // The voltage lists (low voltages; the primary's high ones from 1000 V)
    // with the copy's texts.
    void DoFillVoltages(int32_t primaryVoltage, const std::string& primaryText,
                        const std::string& secondaryText);
    // From Check skeleton on the earthing is fixed, from Calculation on
    // also what the calculation took (voltages, capacity, %Z, X/R).
    void DoLockByMode();

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
