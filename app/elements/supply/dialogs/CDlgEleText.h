#pragma once

#include "app/elements/supply/CEleText.h"

#include <QDialog>

#include <functional>

class QPlainTextEdit;
class QPushButton;

// The text box's properties (template 186, "Text box"): the text, and its
// font and colour through the font dialog.
class CDlgEleText : public QDialog {
public:
    explicit CDlgEleText(CEleText& model, QWidget* parent = nullptr);

    // The font dialog: given the font and the colour to start from, true
    // with the chosen ones, false when cancelled. The program's own asks the
    // user; tests put an answer in its place.
    using FontChooser = std::function<bool(fw::LOGFONT& font, fw::COLORREF& colour)>;
    static FontChooser& FontDialog();

    void OnFont();

private:
    CEleText& m_model;
    QPlainTextEdit* m_wndText;
    QPushButton* m_wndOk;
};

// The LOGFONT of a Qt font and back, as a 96-dpi screen sees them: a point
// size is a negative character height in pixels. Fields Qt has no word for
// (character set, precisions, quality, pitch) stay as base holds them.
fw::LOGFONT LogFontFromQFont(const class QFont& font, const fw::LOGFONT& base);
class QFont QFontFromLogFont(const fw::LOGFONT& lf);
