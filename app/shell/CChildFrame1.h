#pragma once

#include "framework/MdiChildFrame.h"

#include <QFont>

#include <string>

class QComboBox;
class QToolBar;

// The child frame of the skeleton view: always maximised, with the element
// toolbar and the "Adding" toolbar with the zoom box. Closing it closes the
// project's other view frames first.
class CChildFrame1 : public fw::CMDIChildWnd {
public:
    CChildFrame1();
    ~CChildFrame1() override;

    void ActivateFrame(int nCmdShow = -1) override;
    void OnClose() override;

    // Shows or hides the element toolbar when its state changes.
    void ShowElementBar(bool show);
    bool IsElementBarVisible() const;

    std::string m_strTitle;
    QToolBar* m_wndToolBar = nullptr;   // toolbar 154, "Elements"
    QToolBar* m_wndSecondBar = nullptr; // "Adding"
    QComboBox* m_wndZoomBox = nullptr;  // 20484
    QFont m_fontZoom;

protected:
    bool PreCreateWindow(fw::CREATESTRUCT& cs) override;
    bool OnCreateClient(fw::CCreateContext& context) override;
    void PostNcDestroy() override;

private:
    void ToggleBar(QToolBar* bar);
};
