#pragma once

#include "framework/Geometry.h"

#include <QComboBox>

#include <cstdint>

namespace fw {
class CDC;
}

// What the three owner-drawn boxes of the line settings share: entries whose
// item data is their value (kept in Qt::UserRole, as fw::CQtCombo reads it),
// drawn by the box itself through the device context, 19 pixels high, and,
// for a box of the sorted style, inserted in the order of CompareItem.
class COwnerDrawCombo : public QComboBox {
public:
    static constexpr int kItemHeight = 19;

    explicit COwnerDrawCombo(bool sortedStyle, QWidget* parent = nullptr);

    bool IsSortedStyle() const { return m_sortedStyle; }

    // Selects the first entry, from the top, whose item data equals the
    // value; leaves the selection alone when none does.
    void DoSetCurSel(intptr_t value);

    intptr_t GetItemData(int index) const;
    int GetItemHeight() const { return m_itemHeight; }
    void SetItemHeight(int height) { m_itemHeight = height; }

    // Height of every entry.
    int MeasureItem() const { return kItemHeight; }
    // -1: the entry of the first value goes before that of the second, 1:
    // after, 0: equal.
    virtual int CompareItem(intptr_t value1, intptr_t value2) const = 0;
    // Draws one entry in its item rectangle; focusAction adds the focus
    // rectangle over the whole item after the entry.
    virtual void DrawItem(fw::CDC* dc, const fw::CRect& rcItem, intptr_t value,
                          bool focusAction) const = 0;

protected:
    // Adds an entry (at the end, or at its sorted place for a sorted box) and
    // returns its index.
    int AddEntry(const QString& text, intptr_t value);
    // The inner rectangle of an entry: the item rectangle less 2 pixels on
    // every side.
    static fw::CRect InnerRect(const fw::CRect& rcItem);
    static void DrawFocus(fw::CDC* dc, const fw::CRect& rcItem, bool focusAction);
    // The comparison of the thickness and kind boxes: larger values first.
    static int CompareValuesLargerFirst(intptr_t value1, intptr_t value2);
    // The box of a thickness or kind entry: filled with the background and
    // outlined by a solid black pen of width 1.
    static void DrawFramedBox(fw::CDC* dc, const fw::CRect& r, uint32_t background);

    void paintEvent(QPaintEvent* event) override;

private:
    bool m_sortedStyle;
    int m_itemHeight = kItemHeight;
};
