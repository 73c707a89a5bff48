#pragma once

#include "framework/MdiFrame.h"

#include <string>

class CChildFrame1;
class CChildFrame2;
class CChildFrame3;
class CChildFrame4;
class QDialog;
class QToolBar;

namespace fw {
class CDocTemplate;
class CMDIChildWnd;
class CView;
struct CViewClass;
} // namespace fw

// The program's main window: the toolbar and status bar around the child
// frames of the open project's four views. It switches between the views and
// starts the catalogue program.
class CMainFrame : public fw::CMDIFrameWnd {
    Q_OBJECT
public:
    CMainFrame();
    ~CMainFrame() override;

    // The first view of the class among the views of the active child
    // frame's document; null without a frame, a document or such a view.
    fw::CView* FindViewOfClass(const fw::CViewClass* viewClass) const;
    // A new child frame of the template on the active child frame's
    // document, after its initial update; null when there is none to open.
    fw::CMDIChildWnd* OpenViewWindow(fw::CDocTemplate* docTemplate);
    // Starts the catalogue program in folder with the parameter (none when
    // empty); a failure is reported.
    void StartCatalogueProgram(const std::string& folder, const std::string& parameter);

    bool OnClose() override;
    void OnDropFiles(const std::vector<std::string>& files) override;

    QToolBar* m_wndToolBar = nullptr;
    // The group list dialog while it is shown.
    QDialog* m_pDlgViewGroup = nullptr;
    // The open child frame of each view kind (null when none), kept by the
    // frames themselves.
    CChildFrame1* SkeletonFrame = nullptr;
    CChildFrame2* CoordinationFrame = nullptr;
    CChildFrame3* ReportFrame = nullptr;
    CChildFrame4* ImpeMapFrame = nullptr;

protected:
    int OnCreate() override;

private:
    void OnViewSkeleton();
    void OnViewCoordination();
    void OnViewReport();
    void OnViewImpeMap();
    void DoSwitchView(const fw::CViewClass* viewClass, fw::CMDIChildWnd* frame,
                      fw::CDocTemplate* docTemplate);
    void OnSupportSelection();
    // Opens the registered-group list, or asks it to close when it is open.
    void OnViewGroupList();
};

// The program's main frame, or null.
CMainFrame* TovarineMainFrame();

// The co-ordination view of the active project, opened when it is not open
// (tile 1 then tiles the child frames side by side); null when there is no
// project or, with a message, no main window.
fw::CView* GetCoordinationView(int tile);
