#pragma once

#include "framework/Geometry.h"

#include <QDialog>

class QLineEdit;

// "Page setup" of both programs (dialog 196 in the main program, 130 in the
// catalogue program): the four page margins in mm. OK checks the fields in
// the order top, left, bottom, right: a field that holds no whole number is
// reported, and the first margin outside 0 to the maximum takes the focus
// and keeps the dialog open without a message; otherwise the dialog closes
// with the margins in m_rectMargins (left, top, right, bottom).
class CDlgSetupPage : public QDialog {
public:
    static constexpr unsigned IDD_MAIN_PROGRAM = 196;
    static constexpr unsigned IDC_LEFT = 1000;
    static constexpr unsigned IDC_TOP = 1001;
    static constexpr unsigned IDC_RIGHT = 1002;
    static constexpr unsigned IDC_BOTTOM = 1003;
    // Wider than any paper; sizes stay far inside 32 bits.
    static constexpr int kMaxMargin = 500;

    CDlgSetupPage(const fw::CRect& margins, QWidget* parent = nullptr,
                  unsigned dialogId = IDD_MAIN_PROGRAM);

    void accept() override;

    fw::CRect m_rectMargins;

private:
    QLineEdit* m_wndLeft;
    QLineEdit* m_wndTop;
    QLineEdit* m_wndRight;
    QLineEdit* m_wndBottom;
};
