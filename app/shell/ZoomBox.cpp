#include "ZoomBox.h"

#include "framework/Format.h"

#include <QComboBox>

#include <string>

int32_t ZoomOfBox(const QComboBox* box) {
    if (!box || box->currentIndex() < 0)
        return 100;
    const std::string text = box->currentText().toStdString();
    int32_t zoom = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            break;
        zoom = zoom * 10 + (c - '0');
        if (zoom > 100000)
            break;
    }
    return zoom;
}

void SelectZoomText(QComboBox* box, int32_t zoom) {
    if (!box)
        return;
    const std::string number = fw::Format("%d", zoom);
    for (int i = 0; i < box->count(); ++i) {
        const std::string text = box->itemText(i).toStdString();
        if (text.compare(0, number.size(), number) != 0)
            continue;
        if (text.size() > number.size() && text[number.size()] >= '0' && text[number.size()] <= '9')
            continue;
        box->setCurrentIndex(i);
        return;
    }
}
