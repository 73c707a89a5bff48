#include "UpDown.h"

#include "framework/Resources.h"

#include <QToolButton>
#include <QVBoxLayout>

CUpDown::CUpDown(QWidget* parent, unsigned id) : QWidget(parent) {
    fw::SetControlId(this, id);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (int delta : {1, -1}) {
        auto* arrow = new QToolButton(this);
        arrow->setArrowType(delta > 0 ? Qt::UpArrow : Qt::DownArrow);
        arrow->setAutoRepeat(true);
        arrow->setFocusPolicy(Qt::NoFocus);
        layout->addWidget(arrow);
        connect(arrow, &QToolButton::clicked, this, [this, delta] { DoStep(delta); });
    }
}

void CUpDown::DoStep(int delta) {
    if (isEnabled() && OnDelta)
        OnDelta(delta);
}
