#pragma once

#include "CmdTarget.h"

#include <QMainWindow>
#include <QPointer>

#include <map>
#include <string>
#include <vector>

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QToolBar;

namespace fw {

class CDocument;
class CMDIChildWnd;
class CView;
struct CToolBarResource;

// The main window of a multiple-document program: menus, toolbar and status
// bar around the area that holds the child frames. Every command of its menus
// and bars goes the route active view, its document, the active child frame,
// this frame, the application; the same route says whether a command is
// enabled, checked or renamed, refreshed whenever something may have changed.
class CMDIFrameWnd : public QMainWindow, public CCmdTarget {
    Q_OBJECT
public:
    CMDIFrameWnd();
    ~CMDIFrameWnd() override;

    // Sets the title, icon and menu of resource id, then runs OnCreate;
    // false when OnCreate fails.
    bool LoadFrame(unsigned resourceId);

    QMdiArea* GetMdiArea() const { return m_pMdiArea; }
    // The current child frame, or null.
    CMDIChildWnd* MDIGetActive() const;
    void MDIActivate(CMDIChildWnd* frame);
    void MDITile(bool vertical);
    void MDICascade();
    std::vector<CMDIChildWnd*> GetChildFrames() const;
    CView* GetActiveView() const;
    CDocument* GetActiveDocument() const;

    // The one action of a command in this frame's menus and toolbar.
    QAction* GetAction(unsigned id);
    void ExecuteCommand(unsigned id);
    // The route of a command given from a frame's bar (null: the active one).
    std::vector<CCmdTarget*> GetCommandRoute(CMDIChildWnd* from = nullptr) const;
    // Refreshes every command of this frame and of its child frames now.
    void UpdateCommandUI();
    // Asks for UpdateCommandUI once control is back in the event loop.
    void RequestCommandUpdate();

    // Shows the menu of a resource (the document's menu while a child frame
    // is active, the frame's own otherwise).
    void SetMenuResource(unsigned id);
    unsigned GetMenuResource() const { return m_nIDMenu; }

    QToolBar* CreateToolBar(const CToolBarResource& resource, unsigned controlId,
                            const std::string& title);
    // The status bar with its message pane (idle text: string 57345 when the
    // table has it) and the given indicator panes (texts from the string
    // table under their ids).
    void CreateStatusBar(const std::vector<unsigned>& indicators);

    // Whether files may be dropped on the window.
    void DragAcceptFiles(bool accept = true);
    // Dropped files: the default opens each one.
    virtual void OnDropFiles(const std::vector<std::string>& files);
    // The close request (File Exit, the close button): asks the documents,
    // then closes the window. False when cancelled.
    virtual bool OnClose();

    // Called by child frames when they come and go.
    void OnChildFrameChanged();
    // The window title: the program's name, then " - " and the active
    // document's title while the active child frame is not maximised (a
    // maximised one adds its own title in brackets).
    void OnUpdateFrameTitle();

protected:
    virtual int OnCreate();

    void closeEvent(QCloseEvent* event) override;
    // Menus: the prompt of a disabled item under the mouse.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The frame's own toolbar or status bar with that control id, or null.
    QWidget* FindOwnBar(unsigned barId) const;
    void OnSubWindowActivated(QMdiSubWindow* window);
    void ConnectMenus();
    // Lists the open child frames at the end of the Window menu.
    void OnWindowMenuAboutToShow();
    void FillWindowList(QMenu* menu);
    // Shows the prompt of a disabled menu item in the message pane, or,
    // with null, takes the last one away.
    void ShowDisabledPrompt(QAction* action);

    QMdiArea* m_pMdiArea = nullptr;
    unsigned m_nIDResource = 0;
    unsigned m_nIDMenu = 0;
    std::map<unsigned, QAction*> m_actions;
    bool m_bUpdatePending = false;
    bool m_bClosing = false;
    std::string m_strIdleText;
    // The disabled menu item whose prompt is shown.
    QPointer<QAction> m_pDisabledPrompt;
    // The entries of the Window menu's window list.
    std::vector<QPointer<QAction>> m_windowList;
};

} // namespace fw
