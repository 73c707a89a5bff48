#pragma once

// Finds the texts of a dialog that do not fit their controls: a label,
// check box, radio button, push button or group-box title whose text, in the
// control's own font, is wider (or taller) than the control shows. The
// dialog must have been shown (laid out) first.

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

#include <algorithm>

#include <string>
#include <vector>

namespace dialogfit {

// Widest line of a text as the control draws it (a mnemonic's '&' takes no
// room).
inline int TextWidth(const QFontMetrics& fm, QString text, bool mnemonic) {
    if (mnemonic)
        text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, fm.horizontalAdvance(line));
    return widest;
}

inline int LineCount(const QString& text) {
    return static_cast<int>(text.count(QLatin1Char('\n'))) + 1;
}

inline std::string Describe(const QWidget* w, const QString& text, int need, int have) {
    return std::string(w->metaObject()->className()) + " \"" + text.toStdString() + "\" needs " +
           std::to_string(need) + " px, has " + std::to_string(have);
}

// Every text of the visible controls under the top widget that does not fit,
// described; empty when all fit.
inline std::vector<std::string> CutTexts(const QWidget* top) {
    std::vector<std::string> cut;
    for (const QWidget* w : top->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(top))
            continue;
        const QFontMetrics fm(w->font());
        if (auto* label = qobject_cast<const QLabel*>(w)) {
            if (label->text().isEmpty() || label->wordWrap() ||
                label->textFormat() == Qt::RichText || !label->pixmap().isNull())
                continue;
            const QRect r = label->contentsRect();
            const int margin = 2 * label->margin() + std::max(label->indent(), 0);
            const int need = TextWidth(fm, label->text(), false) + margin;
            if (need > r.width())
                cut.push_back(Describe(w, label->text(), need, r.width()));
            const int tall = fm.height() * LineCount(label->text());
            if (tall > r.height())
                cut.push_back(Describe(w, label->text(), tall, r.height()) + " down");
        } else if (auto* button = qobject_cast<const QAbstractButton*>(w)) {
            if (button->text().isEmpty())
                continue;
            int need = 0;
            if (qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w)) {
                // Indicator, spacing and text: what the style asks for.
                need = button->sizeHint().width();
            } else if (qobject_cast<const QPushButton*>(w)) {
                const int margin = w->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, w);
                const int frame = w->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, w);
                need = TextWidth(fm, button->text(), true) + margin + 2 * frame;
            } else {
                continue;
            }
            if (need > w->width())
                cut.push_back(Describe(w, button->text(), need, w->width()));
            if (fm.height() > w->height())
                cut.push_back(Describe(w, button->text(), fm.height(), w->height()) + " down");
        } else if (auto* group = qobject_cast<const QGroupBox*>(w)) {
            if (group->title().isEmpty())
                continue;
            const int need = TextWidth(fm, group->title(), true) + fm.averageCharWidth();
            if (need > w->width())
                cut.push_back(Describe(w, group->title(), need, w->width()));
        }
    }
    return cut;
}

} // namespace dialogfit
