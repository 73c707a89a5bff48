#pragma once

#include "framework/MdiChildFrame.h"
#include "framework/MdiFrame.h"

class QToolBar;

// The catalogue program's main window: toolbar 128, the five-pane status
// bar, the menus, and the document's one frame filling its client area.
class CMainFrame : public fw::CMDIFrameWnd {
    Q_OBJECT
public:
    CMainFrame();

    // Makes the document frames fill the client area.
    void DoFillClient();

    QToolBar* m_wndToolBar = nullptr;

protected:
    int OnCreate() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// The frame of the open document: the view without a frame of its own,
// filling the main window's client area (the program shows one document at
// a time, as a single-document program does).
class CZedezuziDocFrame : public fw::CMDIChildWnd {
public:
    CZedezuziDocFrame();

    void ActivateFrame(int nCmdShow = -1) override;
};
