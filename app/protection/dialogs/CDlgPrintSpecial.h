#pragma once

#include <QDialog>

#include <cstdint>

class QLineEdit;
class QPushButton;
class QRadioButton;

// "Print in any size" (template 198): the length of one decade on each axis
// of the printed graph, in mm. OK is enabled only while both lengths are
// above 0; OK with a length of 0 or less gives the focus to its edit and
// keeps the dialog open. A text that is no number, or a length beyond any
// paper, is refused with a message and its edit takes the focus.
class CDlgPrintSpecial : public QDialog {
public:
    static constexpr unsigned IDD = 198;
    static constexpr unsigned IDC_SPECIFY_DECADE = 1185;
    static constexpr unsigned IDC_TIME_DECADE = 1216;
    static constexpr unsigned IDC_CURRENT_DECADE = 1217;
    // A decade longer than this (mm) fits no paper, and the page layout of
    // such a print would leave the range of the device's coordinates.
    static constexpr double kMaxDecade = 10000.0;

    // mode: the graph's print mode; the two sizes in mm.
    CDlgPrintSpecial(int32_t mode, double currentDecade, double timeDecade,
                     QWidget* parent = nullptr);

    // Handlers of the controls (tests call them as the controls do).
    void OnChangeTimeDecade();
    void OnChangeCurrentDecade();
    void OnSpecifyDecade();
    void accept() override;

    // 1 when the decade sizes are given.
    int32_t m_nMode;
    double m_dCurrentDecade; // mm
    double m_dTimeDecade;    // mm

protected:
    // Enter reaches OK's checks even while the button is disabled, so that
    // the offending edit takes the focus.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void DoEnableOk();

    QRadioButton* m_pSpecify;
    QLineEdit* m_pTimeEdit;
    QLineEdit* m_pCurrentEdit;
    QPushButton* m_pOk;
};
