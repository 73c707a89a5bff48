#pragma once

// Ends the event loop right after the first paint of a widget that the test
// accepts (any widget when none is given): the paint is done when the loop
// takes up the quit.

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QObject>

#include <functional>
#include <utility>

class FirstPaintQuit : public QObject {
public:
    explicit FirstPaintQuit(std::function<bool(QObject*)> accepts = {})
        : m_accepts(std::move(accepts)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!m_seen && event->type() == QEvent::Paint && watched->isWidgetType() &&
            (!m_accepts || m_accepts(watched))) {
            m_seen = true;
            QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                      Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<bool(QObject*)> m_accepts;
    bool m_seen = false;
};
