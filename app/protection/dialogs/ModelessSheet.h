#pragma once

#include "framework/PropertySheet.h"

#include <string>

class QCloseEvent;

// A property sheet that stays open beside the view that opened it: no OK or
// Cancel (every change takes effect at once), closed by its close box or the
// Escape key. Closing tells the owner first (OnSheetClosing), hides the
// window and deletes the sheet once control is back in the event loop, so a
// handler of the sheet may close it.
class CModelessSheet : public fw::CPropertySheet {
public:
    CModelessSheet(const std::string& title, QWidget* parent, int startPage = 0);

    // Shows the start page (the one asked for with SetCreatePage, else the
    // first) and the window without running a loop.
    void DoCreate();
    void SetCreatePage(int index) { m_nCreatePage = index; }
    // The start page set up, the window not shown yet (its owner places and
    // shows it).
    void DoStartPages();
    // Closes as the close box does; the owner is told unless it asked for
    // the closing itself.
    void DoClose();
    bool IsClosing() const { return m_bClosing; }
    // Escape.
    void reject() override;

protected:
    virtual void OnSheetClosing() {}
    void closeEvent(QCloseEvent* event) override;

private:
    bool m_bClosing = false;
    int m_nCreatePage = 0;
};
