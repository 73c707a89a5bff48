#pragma once

#include <QLayout>
#include <QRect>
#include <QSizeF>

#include <vector>

namespace fw {

// Lays a dialog out from a template: every control at its rectangle in
// dialog units, as the dialog was designed. A dialog unit is worked out from
// the dialog's font (a quarter of its average character width across, an
// eighth of its height down) and then widened or heightened until every
// label, check box, radio button and push button shows its whole text in
// its rectangle, so that a larger font, or a wider face than the template
// was drawn for, grows the whole dialog evenly instead of cutting texts.
// The dialog takes the size of the template in those units and keeps it.
class CTemplateLayout : public QLayout {
public:
    // The template's size in dialog units.
    CTemplateLayout(QWidget* dialog, int width, int height);
    ~CTemplateLayout() override;

    // Places a child of the dialog at the rectangle (dialog units).
    void AddWidget(QWidget* widget, const QRect& units);

    // Pixels of one dialog unit across and down, for the controls as they
    // are now.
    QSizeF Unit() const;

    void addItem(QLayoutItem* item) override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;

private:
    struct Entry {
        QLayoutItem* item;
        QRect units;
    };
    QRect ToPixels(const QRect& units, const QSizeF& unit) const;

    std::vector<Entry> m_entries;
    QSize m_size;
};

} // namespace fw
