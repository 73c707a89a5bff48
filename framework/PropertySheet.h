#pragma once

#include <QDialog>

#include <string>
#include <vector>

class QPushButton;
class QScrollArea;
class QTabWidget;

namespace fw {

class CPropertySheet;

// One page of a property sheet. The sheet calls OnInitDialog once, when the
// page is shown for the first time, OnSetActive each time it becomes the
// page on show, and OnKillActive before another page (or OK) takes over: a
// page that answers false there keeps the user on it.
class CPropertyPage : public QWidget {
public:
    CPropertyPage(unsigned templateId, const std::string& caption);
    ~CPropertyPage() override;

    const std::string& GetCaption() const { return m_caption; }
    unsigned GetTemplateId() const { return m_templateId; }
    CPropertySheet* GetSheet() const { return m_pSheet; }
    bool IsInitialized() const { return m_bInitialized; }

    virtual void OnInitDialog() {}
    virtual bool OnSetActive() { return true; }
    virtual bool OnKillActive() { return true; }

private:
    friend class CPropertySheet;
    unsigned m_templateId;
    std::string m_caption;
    CPropertySheet* m_pSheet = nullptr;
    bool m_bInitialized = false;
};

// A modal property sheet: a tab of pages over one set of data, with OK
// (control id 1) and Cancel (id 2) below the pages and neither Apply nor
// Help. Pages are added and removed while it runs; the sheet does not own
// them (their owner removes and deletes them). The sheet takes the size its
// pages ask for, but no more than its screen offers: a page taller or wider
// than that scrolls inside its tab.
class CPropertySheet : public QDialog {
public:
    CPropertySheet(const std::string& title, QWidget* parent, int startPage = 0);
    ~CPropertySheet() override;

    void AddPage(CPropertyPage* page);
    // Takes the page out of the tab (the page on show gives way to the one
    // before it first); the page itself stays for its owner to delete.
    void RemovePage(CPropertyPage* page);
    int GetPageCount() const;
    CPropertyPage* GetPage(int index) const;
    int GetPageIndex(const CPropertyPage* page) const;
    int GetActiveIndex() const;
    CPropertyPage* GetActivePage() const;
    // Moves to the page when the page on show lets it go; false otherwise.
    bool SetActivePage(int index);
    bool SetActivePage(CPropertyPage* page);

    QPushButton* GetOkButton() const { return m_pOk; }
    QTabWidget* GetTabWidget() const { return m_pTabs; }

    // Shows the start page (initialised and activated) without running the
    // sheet: exec does it first; tests call it to work on a sheet directly.
    void DoStart();

    int exec() override;

    // The size the sheet takes within an area of the screen (the frame the
    // window manager adds left out): what the pages and buttons ask for, cut
    // down to the area.
    QSize SizeWithin(const QSize& available) const;

protected:
    void setVisible(bool visible) override;
    // OK: the page on show must let go first, then OnOK decides.
    void accept() override;
    // After the page on show let go: true closes the sheet with OK.
    virtual bool OnOK() { return true; }

private:
    void OnTabChanged(int index);
    void Activate(CPropertyPage* page);

    QScrollArea* ScrollerOf(int index) const;
    void FitToScreen();

    QTabWidget* m_pTabs;
    // The pages in tab order: each tab shows its page through a scroller.
    std::vector<CPropertyPage*> m_pages;
    QPushButton* m_pOk;
    QPushButton* m_pCancel;
    int m_nStartPage;
    int m_nCurrent = -1;
    bool m_bSwitching = false;
    bool m_bStarted = false;
    bool m_bSized = false;
};

} // namespace fw
