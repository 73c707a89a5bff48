#pragma once

#include <QPixmap>
#include <QWidget>

#include <string>

class QEvent;

// The window that shows the product picture and the version line while the
// program starts: five seconds, or until the first key or mouse button, which
// it swallows. At most one exists.
class CSplashWnd : public QWidget {
public:
    static constexpr int kTimeoutMs = 5000;

    // Whether ShowSplashScreen shows anything (the command line's splash
    // flag, cleared when the program is started for embedding).
    static void EnableSplashScreen(bool enable);
    static bool IsSplashScreenEnabled();
    // Shows the splash window for parent when enabled and none is shown.
    static void ShowSplashScreen(QWidget* parent);
    // When a splash window is shown and the event is a key or mouse-button
    // press, hides it and returns true: the event goes no further.
    static bool PreTranslateAppMessage(QEvent* event);
    // Destroys the splash window and updates the main window.
    static void HideSplashScreen();
    // The splash window, or null.
    static CSplashWnd* Current();
    // The line written over the picture: "Version : 1.52 English edition".
    static std::string VersionLine();
    // The id of the running hide timer (0 when none).
    int TimerId() const { return m_nTimer; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    CSplashWnd();
    ~CSplashWnd() override;
    bool Create(QWidget* parent);

    QPixmap m_bitmap;
    int m_nTimer = 0;

    static bool c_bShowSplashWnd;
    static CSplashWnd* c_pSplashWnd;
};
