#pragma once

#include "framework/MdiChildFrame.h"

#include <string>

class QToolBar;

// The child frame of the report view: always maximised, with dialog bar 158.
class CChildFrame3 : public fw::CMDIChildWnd {
public:
    CChildFrame3();
    ~CChildFrame3() override;

    void ActivateFrame(int nCmdShow = -1) override;

    std::string m_strTitle;
    QToolBar* m_wndDlgBar = nullptr;

protected:
    bool PreCreateWindow(fw::CREATESTRUCT& cs) override;
    bool OnCreateClient(fw::CCreateContext& context) override;
    void PostNcDestroy() override;
};
