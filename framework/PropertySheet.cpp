#include "PropertySheet.h"

#include "framework/Resources.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace fw {

namespace {

// Room the window manager takes around a dialog (title bar and borders):
// the sheet's own size must leave it on the screen.
constexpr int kFrameWidth = 16;
constexpr int kFrameHeight = 48;

// The tab's view of a page: as large as the page asks, scrolled when the
// sheet is smaller than that (a plain scroll area asks for a fixed,
// smaller size whatever its page needs).
class CPageScroller : public QScrollArea {
public:
    explicit CPageScroller(CPropertyPage* page) {
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
        setWidget(page);
    }
    QSize sizeHint() const override {
        const QWidget* page = widget();
        return page ? page->sizeHint()
                          .expandedTo(page->minimumSizeHint())
                          .expandedTo(page->minimumSize())
                    : QScrollArea::sizeHint();
    }
};

} // namespace

CPropertyPage::CPropertyPage(unsigned templateId, const std::string& caption)
    : m_templateId(templateId), m_caption(caption) {
    SetControlId(this, templateId);
}

CPropertyPage::~CPropertyPage() {
    if (m_pSheet)
        m_pSheet->RemovePage(this);
}

CPropertySheet::CPropertySheet(const std::string& title, QWidget* parent, int startPage)
    : QDialog(parent), m_nStartPage(startPage) {
    setWindowTitle(QString::fromStdString(title));
    auto* top = new QVBoxLayout(this);
    m_pTabs = new QTabWidget(this);
    top->addWidget(m_pTabs);
    // Below the pages, in the order and at the side the style puts them.
    auto* buttons = new QDialogButtonBox(this);
    top->addWidget(buttons);
    m_pOk = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    m_pCancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    m_pOk->setDefault(true);
    SetControlId(m_pOk, 1);
    SetControlId(m_pCancel, 2);
    connect(m_pOk, &QPushButton::clicked, this, &CPropertySheet::accept);
    connect(m_pCancel, &QPushButton::clicked, this, &CPropertySheet::reject);
    connect(m_pTabs, &QTabWidget::currentChanged, this, &CPropertySheet::OnTabChanged);
}

CPropertySheet::~CPropertySheet() {
    // The pages outlive the tab only in their owner's hands.
    for (int i = m_pTabs->count() - 1; i >= 0; --i) {
        CPropertyPage* page = GetPage(i);
        ScrollerOf(i)->takeWidget();
        page->m_pSheet = nullptr;
        page->setParent(nullptr);
    }
}

QScrollArea* CPropertySheet::ScrollerOf(int index) const {
    return static_cast<QScrollArea*>(m_pTabs->widget(index));
}

void CPropertySheet::AddPage(CPropertyPage* page) {
    if (!page || GetPageIndex(page) >= 0)
        return;
    page->m_pSheet = this;
    QSignalBlocker block(m_pTabs);
    m_pages.push_back(page);
    m_pTabs->addTab(new CPageScroller(page), QString::fromStdString(page->GetCaption()));
    m_pTabs->setCurrentIndex(m_nCurrent < 0 ? m_pTabs->currentIndex() : m_nCurrent);
}

void CPropertySheet::RemovePage(CPropertyPage* page) {
    int index = GetPageIndex(page);
    if (index < 0)
        return;
    const bool active = index == m_nCurrent;
    {
        QSignalBlocker block(m_pTabs);
        QScrollArea* scroller = ScrollerOf(index);
        m_pTabs->removeTab(index);
        scroller->takeWidget();
        delete scroller;
        m_pages.erase(m_pages.begin() + index);
    }
    page->m_pSheet = nullptr;
    page->setParent(nullptr);
    if (m_nCurrent > index)
        --m_nCurrent;
    if (active) {
        m_nCurrent = -1;
        if (m_pTabs->count() > 0 && m_bStarted) {
            int next = index > 0 ? index - 1 : 0;
            QSignalBlocker block(m_pTabs);
            m_pTabs->setCurrentIndex(next);
            m_nCurrent = next;
            Activate(GetPage(next));
        }
    } else if (m_nCurrent >= 0) {
        QSignalBlocker block(m_pTabs);
        m_pTabs->setCurrentIndex(m_nCurrent);
    }
}

int CPropertySheet::GetPageCount() const {
    return m_pTabs->count();
}

CPropertyPage* CPropertySheet::GetPage(int index) const {
    return index >= 0 && index < static_cast<int>(m_pages.size()) ? m_pages[index] : nullptr;
}

int CPropertySheet::GetPageIndex(const CPropertyPage* page) const {
    auto at = std::find(m_pages.begin(), m_pages.end(), page);
    return page && at != m_pages.end() ? static_cast<int>(at - m_pages.begin()) : -1;
}

int CPropertySheet::GetActiveIndex() const {
    return m_nCurrent;
}

CPropertyPage* CPropertySheet::GetActivePage() const {
    return m_nCurrent >= 0 ? GetPage(m_nCurrent) : nullptr;
}

void CPropertySheet::Activate(CPropertyPage* page) {
    if (!page)
        return;
    if (!page->m_bInitialized) {
        page->m_bInitialized = true;
        page->OnInitDialog();
    }
    page->OnSetActive();
}

bool CPropertySheet::SetActivePage(int index) {
    if (index < 0 || index >= m_pTabs->count())
        return false;
    if (index == m_nCurrent)
        return true;
    if (CPropertyPage* current = GetActivePage()) {
        if (!current->OnKillActive())
            return false;
    }
    {
        QSignalBlocker block(m_pTabs);
        m_pTabs->setCurrentIndex(index);
    }
    m_nCurrent = index;
    Activate(GetPage(index));
    return true;
}

bool CPropertySheet::SetActivePage(CPropertyPage* page) {
    return SetActivePage(GetPageIndex(page));
}

void CPropertySheet::OnTabChanged(int index) {
    if (m_bSwitching)
        return;
    m_bSwitching = true;
    const int wanted = index;
    // The tab has moved already: put it back, and move only when the page on
    // show lets go.
    {
        QSignalBlocker block(m_pTabs);
        if (m_nCurrent >= 0)
            m_pTabs->setCurrentIndex(m_nCurrent);
    }
    SetActivePage(wanted);
    m_bSwitching = false;
}

void CPropertySheet::DoStart() {
    if (m_bStarted || m_pTabs->count() == 0)
        return;
    m_bStarted = true;
    int start = m_nStartPage >= 0 && m_nStartPage < m_pTabs->count() ? m_nStartPage : 0;
    {
        QSignalBlocker block(m_pTabs);
        m_pTabs->setCurrentIndex(start);
    }
    m_nCurrent = start;
    Activate(GetPage(start));
}

int CPropertySheet::exec() {
    DoStart();
    return QDialog::exec();
}

QSize CPropertySheet::SizeWithin(const QSize& available) const {
    QSize wanted = sizeHint().expandedTo(minimumSizeHint());
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    // A page cut one way scrolls that way, and its scroll bar takes room
    // the other way.
    if (wanted.height() > available.height())
        wanted.rwidth() += bar;
    if (wanted.width() > available.width())
        wanted.rheight() += bar;
    return wanted.boundedTo(available);
}

void CPropertySheet::FitToScreen() {
    const QScreen* s = screen();
    if (!s)
        return;
    const QSize area = s->availableGeometry().size() - QSize(kFrameWidth, kFrameHeight);
    resize(SizeWithin(area));
}

void CPropertySheet::setVisible(bool visible) {
    // Once, before it first shows (and is placed over its parent): a sheet
    // the user resized stays so.
    if (visible && !m_bSized) {
        m_bSized = true;
        FitToScreen();
    }
    QDialog::setVisible(visible);
}

void CPropertySheet::accept() {
    if (CPropertyPage* current = GetActivePage()) {
        if (!current->OnKillActive())
            return;
    }
    if (!OnOK())
        return;
    QDialog::accept();
}

} // namespace fw
