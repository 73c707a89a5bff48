#pragma once

#include <QWidget>

#include <functional>

// The up-down arrows beside an edit: each click reports a step of +1 (up)
// or -1 (down); the owner keeps the position and its range.
class CUpDown : public QWidget {
public:
    CUpDown(QWidget* parent, unsigned id);

    std::function<void(int delta)> OnDelta;
    // What a click on an arrow does (tests press them through this).
    void DoStep(int delta);
};
