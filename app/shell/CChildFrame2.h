#pragma once

#include "framework/MdiChildFrame.h"

#include <string>

class QToolBar;

// The child frame of the co-ordination view: always maximised, with dialog bar 157.
class CChildFrame2 : public fw::CMDIChildWnd {
public:
    CChildFrame2();
    ~CChildFrame2() override;

    void ActivateFrame(int nCmdShow = -1) override;

    std::string m_strTitle;
    QToolBar* m_wndDlgBar = nullptr;

protected:
    bool PreCreateWindow(fw::CREATESTRUCT& cs) override;
    bool OnCreateClient(fw::CCreateContext& context) override;
    void PostNcDestroy() override;
};
