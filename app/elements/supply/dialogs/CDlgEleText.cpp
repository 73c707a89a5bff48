#include "CDlgEleText.h"

#include "framework/Resources.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFont>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kScreenDpi = 96.0;

// Texts hold lines separated by CR LF; the edit shows them with LF.
QString ToEditText(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}

std::string FromEditText(const QString& text) {
    QString s = text;
    s.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return s.toStdString();
}

QColor ToQColor(fw::COLORREF c) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

fw::COLORREF FromQColor(const QColor& c) {
    return static_cast<fw::COLORREF>(c.red()) | static_cast<fw::COLORREF>(c.green()) << 8 |
           static_cast<fw::COLORREF>(c.blue()) << 16;
}

// The program's font dialog: the font chooser with its effects, and the
// colour beside it, accepted or cancelled together.
bool AskFont(fw::LOGFONT& font, fw::COLORREF& colour) {
    QDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(QStringLiteral("Font"));
    auto* top = new QVBoxLayout(&dialog);
    auto* chooser = new QFontDialog(QFontFromLogFont(font), &dialog);
    chooser->setWindowFlags(Qt::Widget);
    chooser->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    top->addWidget(chooser);
    QColor chosen = ToQColor(colour);
    auto* colourButton = new QPushButton(QStringLiteral("&Color..."), &dialog);
    auto showColour = [colourButton, &chosen] {
        colourButton->setStyleSheet(
            QStringLiteral("QPushButton { border-left: 16px solid %1; }").arg(chosen.name()));
    };
    showColour();
    QObject::connect(colourButton, &QPushButton::clicked, &dialog, [&] {
        QColor c = QColorDialog::getColor(chosen, &dialog);
        if (c.isValid()) {
            chosen = c;
            showColour();
        }
    });
    top->addWidget(colourButton);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    top->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    font = LogFontFromQFont(chooser->currentFont(), font);
    colour = FromQColor(chosen);
    return true;
}

} // namespace

fw::LOGFONT LogFontFromQFont(const QFont& font, const fw::LOGFONT& base) {
    fw::LOGFONT lf = base;
    if (font.pixelSize() > 0)
        lf.lfHeight = -font.pixelSize();
    else // within what a description holds, whatever size the chooser was given
        lf.lfHeight = -static_cast<int32_t>(
            std::clamp(std::round(font.pointSizeF() * kScreenDpi / 72.0), 0.0,
                       static_cast<double>(std::numeric_limits<int32_t>::max())));
    lf.lfWidth = 0;
    lf.lfWeight = std::clamp(static_cast<int32_t>(font.weight()), 1, 1000);
    lf.lfItalic = font.italic() ? 1 : 0;
    lf.lfUnderline = font.underline() ? 1 : 0;
    lf.lfStrikeOut = font.strikeOut() ? 1 : 0;
    lf.SetFaceName(font.family().toStdString());
    return lf;
}

QFont QFontFromLogFont(const fw::LOGFONT& lf) {
    std::string face = lf.GetFaceName();
    QFont font(QString::fromStdString(face.empty() ? std::string("Arial") : face));
    // A positive height is the cell, a negative one the character; both
    // taken as the character height here, which is what the chooser shows.
    // In floating point: a stored height can be the lowest integer.
    const double height = std::abs(static_cast<double>(lf.lfHeight));
    if (height > 0)
        font.setPointSizeF(height * 72.0 / kScreenDpi);
    font.setWeight(
        static_cast<QFont::Weight>(lf.lfWeight <= 0 ? 400 : std::clamp(lf.lfWeight, 1, 1000)));
    font.setItalic(lf.lfItalic != 0);
    font.setUnderline(lf.lfUnderline != 0);
    font.setStrikeOut(lf.lfStrikeOut != 0);
    return font;
}

CDlgEleText::FontChooser& CDlgEleText::FontDialog() {
    static FontChooser chooser = AskFont;
    return chooser;
}

CDlgEleText::CDlgEleText(CEleText& model, QWidget* parent) : QDialog(parent), m_model(model) {
    fw::SetControlId(this, 186);
    setWindowTitle(QStringLiteral("Text box"));
    auto* top = new QVBoxLayout(this);
    m_wndText = new QPlainTextEdit(this);
    fw::SetControlId(m_wndText, 1182);
    m_wndText->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_wndText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_wndText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    top->addWidget(m_wndText);
    auto* row = new QHBoxLayout;
    auto* font = new QPushButton(QStringLiteral("&Font..."), this);
    fw::SetControlId(font, 1183);
    font->setAutoDefault(false);
    row->addWidget(font);
    row->addStretch();
    m_wndOk = new QPushButton(QStringLiteral("OK"), this);
    fw::SetControlId(m_wndOk, 1);
    m_wndOk->setAutoDefault(false);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    fw::SetControlId(cancel, 2);
    cancel->setAutoDefault(false);
    row->addWidget(m_wndOk);
    row->addWidget(cancel);
    top->addLayout(row);

    m_wndText->setPlainText(ToEditText(m_model.m_strText));
    m_wndOk->setEnabled(!m_model.m_strText.empty());
    connect(m_wndText, &QPlainTextEdit::textChanged, this, [this] {
        m_model.m_strText = FromEditText(m_wndText->toPlainText());
        m_wndOk->setEnabled(!m_model.m_strText.empty());
    });
    connect(font, &QPushButton::clicked, this, &CDlgEleText::OnFont);
    connect(m_wndOk, &QPushButton::clicked, this, [this] {
        if (m_model.m_strText.empty()) {
            m_wndText->setFocus(Qt::OtherFocusReason);
            return;
        }
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CDlgEleText::OnFont() {
    fw::LOGFONT font = m_model.GetUsableFont();
    fw::COLORREF colour = m_model.m_crPen;
    if (!FontDialog() || !FontDialog()(font, colour))
        return;
    m_model.m_logFont = font;
    m_model.m_crPen = colour;
}
