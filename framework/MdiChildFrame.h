#pragma once

#include "CmdTarget.h"

#include <QMdiSubWindow>

#include <map>
#include <string>

class QAction;
class QMainWindow;
class QToolBar;

namespace fw {

class CDocument;
class CMDIFrameWnd;
class CView;
struct CCreateContext;
struct CToolBarResource;

// How a child frame wants its window: its name and whether it starts
// maximised.
struct CREATESTRUCT {
    std::string lpszName;
    bool maximized = false;
};

// A child frame of the main window's document area. It holds one view and
// its own bars (toolbars and dialog bars, docked in an inner window), takes
// the commands of its bars and routes them view, document, frame, main frame,
// application.
class CMDIChildWnd : public QMdiSubWindow, public CCmdTarget {
public:
    CMDIChildWnd();
    ~CMDIChildWnd() override;

    // Creates the frame's client (bars and view) and adds it to the main
    // frame's document area; false when the client cannot be created.
    bool LoadFrame(CMDIFrameWnd* mainFrame, CCreateContext& context);
    // Runs the view's initial update and shows the frame.
    void InitialUpdateFrame(CDocument* doc, bool makeVisible);
    // Shows the frame (maximised when it asked for it) and makes it active.
    virtual void ActivateFrame(int nCmdShow = -1);
    // The close request (close box, Window menu): asks the document when this
    // is its last frame, then destroys the frame.
    virtual void OnClose();
    // Hides the frame, lets go of its view and deletes it soon. From here on
    // the frame counts as gone.
    void DestroyFrame();
    bool IsDestroyed() const { return m_bDestroyed; }

    CView* GetActiveView() const { return m_pView; }
    CDocument* GetActiveDocument() const;
    CMDIFrameWnd* GetMDIFrame() const { return m_pMainFrame; }
    // The menu of the template that made the frame (0: the main frame's).
    unsigned GetMenuResourceId() const { return m_nIDMenu; }
    // The window that docks the frame's bars around its view.
    QMainWindow* GetBarHost() const { return m_pBarHost; }
    void RecalcLayout();

    // The one action of a command on this frame's bars.
    QAction* GetAction(unsigned id);
    void ExecuteCommand(unsigned id);
    void UpdateCommandUI();

    // A toolbar of this frame from a toolbar resource; its buttons are this
    // frame's actions.
    QToolBar* CreateToolBar(const CToolBarResource& resource, unsigned controlId,
                            const std::string& title, Qt::ToolBarArea area = Qt::TopToolBarArea);

protected:
    virtual bool PreCreateWindow(CREATESTRUCT& cs);
    // Creates the frame's bars and view; the default creates the view of the
    // context in the middle.
    virtual bool OnCreateClient(CCreateContext& context);
    // Called once when the frame is destroyed.
    virtual void PostNcDestroy();

    void closeEvent(QCloseEvent* event) override;

private:
    CMDIFrameWnd* m_pMainFrame = nullptr;
    QMainWindow* m_pBarHost = nullptr;
    CView* m_pView = nullptr;
    unsigned m_nIDMenu = 0;
    bool m_bMaximized = false;
    bool m_bDestroyed = false;
    std::map<unsigned, QAction*> m_actions;
};

} // namespace fw
