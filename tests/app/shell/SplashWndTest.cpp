// The splash window: five seconds, or until the first key or mouse button,
// which goes no further; none when started for embedding; the main window
// shown after it paints once.

#include "ShellTestSupport.h"

#include "app/shell/CChildFrame1.h"
#include "app/shell/CTovarineView1.h"

#include "framework/MdiChildFrame.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMouseEvent>
#include <QTimer>
#include <QTimerEvent>

#include <gtest/gtest.h>

using shelltest::StartedProgram;

namespace {

// Counts the presses that reach it.
class Probe : public QWidget {
public:
    explicit Probe(QWidget* parent) : QWidget(parent) { resize(50, 50); }
    int presses = 0;
    int keys = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
    void keyPressEvent(QKeyEvent*) override { ++keys; }
};

void Press(QWidget* w) {
    QMouseEvent e(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(w->mapToGlobal(QPoint(5, 5))),
                  Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void Wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

TEST(SplashWnd, ShownOnceWithItsTimerAndVersionLine) {
    StartedProgram p;
    EXPECT_TRUE(CSplashWnd::IsSplashScreenEnabled());
    CSplashWnd::ShowSplashScreen(p.Main());
    CSplashWnd* splash = CSplashWnd::Current();
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(splash->isVisible());
    EXPECT_NE(splash->TimerId(), 0);
    EXPECT_EQ(splash->size(), QSize(560, 300)); // the picture's size
    EXPECT_EQ(CSplashWnd::VersionLine(), "Version : 1.52 English edition");
    CSplashWnd::ShowSplashScreen(p.Main());
    EXPECT_EQ(CSplashWnd::Current(), splash);
    // The timer hides it.
    QTimerEvent tick(splash->TimerId());
    QApplication::sendEvent(splash, &tick);
    EXPECT_EQ(CSplashWnd::Current(), nullptr);
    shelltest::FlushDeletes();
}

TEST(SplashWnd, NoneWhenStartedForEmbedding) {
    StartedProgram p({"-Embedding"});
    CSplashWnd::ShowSplashScreen(p.Main());
    EXPECT_EQ(CSplashWnd::Current(), nullptr);
}

TEST(SplashWnd, FirstClickHidesItAndGoesNoFurther) {
    StartedProgram p;
    Probe* probe = new Probe(p.Main());
    probe->show();
    CSplashWnd::ShowSplashScreen(p.Main());
    ASSERT_NE(CSplashWnd::Current(), nullptr);
    Press(probe);
    EXPECT_EQ(CSplashWnd::Current(), nullptr);
    EXPECT_EQ(probe->presses, 0);
    Press(probe);
    EXPECT_EQ(probe->presses, 1);
    shelltest::FlushDeletes();
}

TEST(SplashWnd, FirstKeyHidesItAndItsShortcutIsNotRun) {
    StartedProgram p;
    Probe* probe = new Probe(p.Main());
    probe->show();
    CSplashWnd::ShowSplashScreen(p.Main());
    // A plain key.
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    QApplication::sendEvent(probe, &key);
    EXPECT_EQ(CSplashWnd::Current(), nullptr);
    EXPECT_EQ(probe->keys, 0);
    // The File New shortcut while the splash is up: asked as a shortcut
    // first, then as a key; both are swallowed, no new project is made.
    CSplashWnd::ShowSplashScreen(p.Main());
    size_t frames = p.Main()->GetChildFrames().size();
    QKeyEvent overrideEvent(QEvent::ShortcutOverride, Qt::Key_N, Qt::ControlModifier, "n");
    QApplication::sendEvent(probe, &overrideEvent);
    EXPECT_EQ(CSplashWnd::Current(), nullptr);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_N, Qt::ControlModifier, "n");
    QApplication::sendEvent(probe, &press);
    EXPECT_EQ(probe->keys, 0);
    EXPECT_EQ(p.Main()->GetChildFrames().size(), frames);
    // The next key goes through.
    QApplication::sendEvent(probe, &key);
    EXPECT_EQ(probe->keys, 1);
    shelltest::FlushDeletes();
}

TEST(SplashWnd, GoesAfterFiveSeconds) {
    StartedProgram p;
    QElapsedTimer clock;
    clock.start();
    CSplashWnd::ShowSplashScreen(p.Main());
    ASSERT_NE(CSplashWnd::Current(), nullptr);
    // Polled, so that a busy machine only makes the test slower.
    while (CSplashWnd::Current() && clock.elapsed() < 20000)
        Wait(20);
    EXPECT_EQ(CSplashWnd::Current(), nullptr);
    EXPECT_GE(clock.elapsed(), CSplashWnd::kTimeoutMs);
    EXPECT_LT(clock.elapsed(), 20000);
    shelltest::FlushDeletes();
}

namespace {

// Counts the paints of the skeleton views.
class SkeletonPaints : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && dynamic_cast<CTovarineView1*>(watched))
            ++count;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

TEST(SplashWnd, TheMainWindowShownAfterItPaintsItsProjectOnce) {
    // The splash is shown while the main window is still hidden; the main
    // window is drawn when it comes on the screen, once.
    SkeletonPaints paints;
    qApp->installEventFilter(&paints);
    {
        StartedProgram p;
        ASSERT_TRUE(p.started);
        ASSERT_NE(p.Main()->SkeletonFrame, nullptr);
        for (int i = 0; i < 5; ++i)
            Wait(20);
        EXPECT_EQ(paints.count, 1);
        // It is drawn again when asked to, as ever.
        p.Main()->update();
        p.Main()->SkeletonFrame->GetActiveView()->update();
        Wait(20);
        EXPECT_EQ(paints.count, 2);
    }
    qApp->removeEventFilter(&paints);
}
