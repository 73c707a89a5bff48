#include "TemplateLayout.h"

#include <QAbstractButton>
#include <QFontMetricsF>
#include <QLabel>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace fw {

CTemplateLayout::CTemplateLayout(QWidget* dialog, int width, int height)
    : QLayout(dialog), m_size(width, height) {
    setContentsMargins(0, 0, 0, 0);
    setSpacing(0);
    setSizeConstraint(QLayout::SetFixedSize);
}

CTemplateLayout::~CTemplateLayout() {
    for (const Entry& e : m_entries)
        delete e.item;
}

void CTemplateLayout::AddWidget(QWidget* widget, const QRect& units) {
    addChildWidget(widget);
    m_entries.push_back({new QWidgetItem(widget), units});
    invalidate();
}

void CTemplateLayout::addItem(QLayoutItem* item) {
    // An item added without a rectangle stands at the top-left, one unit.
    m_entries.push_back({item, QRect(0, 0, 1, 1)});
}

QLayoutItem* CTemplateLayout::itemAt(int index) const {
    return index >= 0 && index < count() ? m_entries[static_cast<size_t>(index)].item : nullptr;
}

QLayoutItem* CTemplateLayout::takeAt(int index) {
    if (index < 0 || index >= count())
        return nullptr;
    QLayoutItem* item = m_entries[static_cast<size_t>(index)].item;
    m_entries.erase(m_entries.begin() + index);
    return item;
}

int CTemplateLayout::count() const {
    return static_cast<int>(m_entries.size());
}

QSizeF CTemplateLayout::Unit() const {
    const QWidget* dialog = parentWidget();
    const QFontMetricsF fm(dialog ? dialog->font() : QFont());
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    double across = fm.horizontalAdvance(alphabet) / alphabet.size() / 4.0;
    double down = fm.height() / 8.0;
    for (const Entry& e : m_entries) {
        QWidget* w = e.item->widget();
        if (!w || e.units.width() <= 0 || e.units.height() <= 0)
            continue;
        // Texts must show whole; other controls (edits, lists) take what the
        // template gives them across.
        if (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w))
            across = std::max(across, w->sizeHint().width() / double(e.units.width()));
        down = std::max(down, w->minimumSizeHint().height() / double(e.units.height()));
    }
    return QSizeF(across, down);
}

QRect CTemplateLayout::ToPixels(const QRect& units, const QSizeF& unit) const {
    // Edges are rounded outward, so that a control is never narrower than
    // its units times the unit.
    const int left = static_cast<int>(std::floor(units.x() * unit.width()));
    const int top = static_cast<int>(std::floor(units.y() * unit.height()));
    const int right = static_cast<int>(std::ceil((units.x() + units.width()) * unit.width()));
    const int bottom = static_cast<int>(std::ceil((units.y() + units.height()) * unit.height()));
    return QRect(left, top, right - left, bottom - top);
}

QSize CTemplateLayout::sizeHint() const {
    const QSizeF unit = Unit();
    return QSize(static_cast<int>(std::ceil(m_size.width() * unit.width())),
                 static_cast<int>(std::ceil(m_size.height() * unit.height())));
}

QSize CTemplateLayout::minimumSize() const {
    return sizeHint();
}

void CTemplateLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    const QSizeF unit = Unit();
    for (const Entry& e : m_entries)
        e.item->setGeometry(ToPixels(e.units, unit).translated(rect.topLeft()));
}

} // namespace fw
