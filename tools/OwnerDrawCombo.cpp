#include "tools/OwnerDrawCombo.h"

#include "framework/DeviceContext.h"

#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QStyledItemDelegate>

namespace {

fw::CRect ToCRect(const QRect& r) {
    return fw::CRect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height());
}

// Hands the drawing and the measure of each entry of the drop-down list to
// the box.
class COwnerDrawDelegate : public QStyledItemDelegate {
public:
    explicit COwnerDrawDelegate(const COwnerDrawCombo* box)
        : QStyledItemDelegate(const_cast<COwnerDrawCombo*>(box)), m_box(box) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        fw::CDC dc(painter);
        bool focus = (option.state & (QStyle::State_HasFocus | QStyle::State_Selected)) != 0;
        m_box->DrawItem(&dc, ToCRect(option.rect),
                        static_cast<intptr_t>(index.data(Qt::UserRole).toLongLong()), focus);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        return QSize(option.rect.width(), m_box->GetItemHeight());
    }

private:
    const COwnerDrawCombo* m_box;
};

} // namespace

COwnerDrawCombo::COwnerDrawCombo(bool sortedStyle, QWidget* parent)
    : QComboBox(parent), m_sortedStyle(sortedStyle) {
    setItemDelegate(new COwnerDrawDelegate(this));
}

void COwnerDrawCombo::DoSetCurSel(intptr_t value) {
    for (int i = 0; i < count(); ++i) {
        if (GetItemData(i) == value) {
            setCurrentIndex(i);
            return;
        }
    }
}

intptr_t COwnerDrawCombo::GetItemData(int index) const {
    if (index < 0 || index >= count())
        return -1;
    return static_cast<intptr_t>(itemData(index, Qt::UserRole).toLongLong());
}

int COwnerDrawCombo::AddEntry(const QString& text, intptr_t value) {
    int at = count();
    if (m_sortedStyle) {
        // Before the first entry that the new one goes before.
        for (int i = 0; i < count(); ++i) {
            if (CompareItem(value, GetItemData(i)) < 0) {
                at = i;
                break;
            }
        }
    }
    insertItem(at, text, QVariant::fromValue<qlonglong>(value));
    return at;
}

fw::CRect COwnerDrawCombo::InnerRect(const fw::CRect& rcItem) {
    fw::CRect r = rcItem;
    r.DeflateRect(2, 2);
    return r;
}

void COwnerDrawCombo::DrawFocus(fw::CDC* dc, const fw::CRect& rcItem, bool focusAction) {
    if (focusAction)
        dc->DrawFocusRect(rcItem);
}

int COwnerDrawCombo::CompareValuesLargerFirst(intptr_t value1, intptr_t value2) {
    if (value1 == value2)
        return 0;
    return value1 > value2 ? -1 : 1;
}

void COwnerDrawCombo::DrawFramedBox(fw::CDC* dc, const fw::CRect& r, uint32_t background) {
    dc->FillSolidRect(r, background);
    fw::CPen old = dc->SelectObject(fw::CPen(fw::PS_SOLID, 1, 0));
    dc->MoveTo(r.left, r.top);
    dc->LineTo(r.right, r.top);
    dc->LineTo(r.right, r.bottom);
    dc->LineTo(r.left, r.bottom);
    dc->LineTo(r.left, r.top);
    dc->SelectObject(old);
}

void COwnerDrawCombo::paintEvent(QPaintEvent*) {
    // The frame and arrow of the platform's style, then the current entry
    // drawn by the box in the selection field.
    QStylePainter painter(this);
    QStyleOptionComboBox opt;
    initStyleOption(&opt);
    opt.currentText.clear();
    opt.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, opt);
    int current = currentIndex();
    if (current < 0)
        return;
    QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, this);
    fw::CDC dc(&painter);
    DrawItem(&dc, ToCRect(field), GetItemData(current), hasFocus());
}
