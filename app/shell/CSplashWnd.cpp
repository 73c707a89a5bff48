#include "CSplashWnd.h"

#include "app/records/TovarineIds.h"

#include "framework/Resources.h"
#include "framework/StringTable.h"

#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QTimerEvent>

bool CSplashWnd::c_bShowSplashWnd = false;
CSplashWnd* CSplashWnd::c_pSplashWnd = nullptr;

// A key press that hides the splash may have been seen first as a shortcut
// request; that one is swallowed as well, and its key press after it.
static int g_nSwallowKey = 0;

CSplashWnd::CSplashWnd() {
    setAttribute(Qt::WA_DeleteOnClose, false);
    setCursor(Qt::ArrowCursor);
}

CSplashWnd::~CSplashWnd() {
    if (c_pSplashWnd == this)
        c_pSplashWnd = nullptr;
}

void CSplashWnd::EnableSplashScreen(bool enable) {
    c_bShowSplashWnd = enable;
}

bool CSplashWnd::IsSplashScreenEnabled() {
    return c_bShowSplashWnd;
}

CSplashWnd* CSplashWnd::Current() {
    return c_pSplashWnd;
}

void CSplashWnd::ShowSplashScreen(QWidget* parent) {
    if (!c_bShowSplashWnd || c_pSplashWnd)
        return;
    auto* splash = new CSplashWnd;
    if (!splash->Create(parent)) {
        delete splash;
        return;
    }
    c_pSplashWnd = splash;
    splash->repaint();
}

bool CSplashWnd::Create(QWidget* parent) {
    m_bitmap = fw::LoadBitmapResource(tvid::IDB_SPLASH);
    if (m_bitmap.isNull())
        return false;
    // A borderless window of the picture's size, owned by the main window and
    // centred on the screen (the main window is not shown yet).
    setParent(parent, Qt::SplashScreen | Qt::FramelessWindowHint);
    setFixedSize(m_bitmap.size());
    QScreen* screen = parent && parent->screen() ? parent->screen() : QApplication::primaryScreen();
    if (screen) {
        QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    show();
    // Qt marks every parent of an exposed window as mapped, the hidden main
    // window too. Mapped before it is shown, the main window would paint
    // itself whole on its first update and again when it is exposed: it is
    // not on the screen until then.
    if (parent && !parent->isVisible())
        parent->setAttribute(Qt::WA_Mapped, false);
    m_nTimer = startTimer(kTimeoutMs, Qt::PreciseTimer);
    return m_nTimer != 0;
}

void CSplashWnd::HideSplashScreen() {
    CSplashWnd* splash = c_pSplashWnd;
    if (!splash)
        return;
    c_pSplashWnd = nullptr;
    if (splash->m_nTimer) {
        splash->killTimer(splash->m_nTimer);
        splash->m_nTimer = 0;
    }
    QWidget* owner = splash->parentWidget();
    splash->hide();
    splash->deleteLater();
    if (owner)
        owner->update();
}

bool CSplashWnd::PreTranslateAppMessage(QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        if (g_nSwallowKey && static_cast<QKeyEvent*>(event)->key() == g_nSwallowKey) {
            if (!static_cast<QKeyEvent*>(event)->isAutoRepeat())
                g_nSwallowKey = 0;
            return true;
        }
        if (!c_pSplashWnd)
            return false;
        HideSplashScreen();
        return true;
    case QEvent::ShortcutOverride:
        if (!c_pSplashWnd)
            return false;
        g_nSwallowKey = static_cast<QKeyEvent*>(event)->key();
        event->accept();
        HideSplashScreen();
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress:
        if (!c_pSplashWnd)
            return false;
        HideSplashScreen();
        return true;
    default:
        return false;
    }
}

void CSplashWnd::timerEvent(QTimerEvent* event) {
    if (event->timerId() != m_nTimer)
        return;
    killTimer(m_nTimer);
    m_nTimer = 0;
    if (c_pSplashWnd == this)
        HideSplashScreen();
}

std::string CSplashWnd::VersionLine() {
    return fw::LoadString(tvid::IDS_SPLASH_VERSION) + " : " +
           fw::LoadString(tvid::IDS_SHOWN_VERSION) + " " + fw::LoadString(tvid::IDS_LANGUAGE) +
           " " + fw::LoadString(tvid::IDS_SPLASH_EDITION);
}

void CSplashWnd::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_bitmap);
    // The version line in white, 17 units high and bold, over the picture.
    QFont font(QString::fromStdString(fw::LoadString(tvid::IDS_SPLASH_FACE)));
    font.setPixelSize(17);
    font.setWeight(QFont::Bold);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(305, 220, width() - 305, height() - 220), Qt::AlignLeft | Qt::AlignTop,
                     QString::fromStdString(VersionLine()));
}
