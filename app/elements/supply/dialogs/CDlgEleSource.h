#pragma once

#include "app/elements/supply/CEleSource.h"
#include "app/records/DocSettings.h"

#include <QDialog>

#include <cstdint>

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace fw {
class CDatabase;
}

// The properties dialog of the source (template 162, "Source"). Besides the
// source it edits the frequency of the whole document.
class CDlgEleSource : public QDialog {
public:
    static constexpr unsigned IDD = 162;

    // The voltage list comes from the list database the models read.
    explicit CDlgEleSource(QWidget* parent = nullptr);
    ~CDlgEleSource() override;

    // Fills the controls from the copies and applies the mode's locks.
    void OnInitDialog();
    // The six computed values on the reference capacity.
    void DoUpdateTexts();

    void OnChangeName();
    void OnSelchangeVoltage();
    void OnEditchangeVoltage();
    void OnSelchangeCapacity();
    void OnEditchangeCapacity();
    void OnChangeXR();
    void OnFrequency50();
    void OnFrequency60();
    void OnOK();

    CEleSource m_eleSource;       // the copy being edited
    CInfoSkeleton m_infoSkeleton; // the document's frequency (edited) and base capacity
    int32_t m_nMode = 1;          // the document's mode

    QLineEdit* m_edName = nullptr;       // 1060
    QComboBox* m_cbVoltage = nullptr;    // 1089
    QComboBox* m_cbCapacity = nullptr;   // 1110
    QLineEdit* m_edXR = nullptr;         // 1086
    QRadioButton* m_rb50 = nullptr;      // 1150
    QRadioButton* m_rb60 = nullptr;      // 1152
    QLineEdit* m_edPercentR = nullptr;   // 1084
    QLineEdit* m_edPercentX = nullptr;   // 1085
    QLineEdit* m_edPercentZ = nullptr;   // 1083
    QLineEdit* m_edResistance = nullptr; // 1079
    QLineEdit* m_edReactance = nullptr;  // 1080
    QLineEdit* m_edImpedance = nullptr;  // 1078
    QPushButton* m_btnOK = nullptr;      // 1

private:
    fw::CDatabase* m_pListDb;
};
