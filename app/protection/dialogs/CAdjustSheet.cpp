#include "CAdjustSheet.h"

#include "CAdjustDelay.h"
#include "CAdjustLine.h"
#include "CAdjustPart.h"
#include "CAdjustRated.h"

#include "app/elements/frame/CEleCurve.h"
#include "app/elements/protection/CEleLVCB.h"
#include "app/elements/supply/CEleTrans1.h"
#include "app/protection/CObjAdjust.h"
#include "app/records/ElementKinds.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjElementList.h"
#include "app/shell/model/CTovarineDocData.h"
#include "framework/StringTable.h"

#include <QTabBar>
#include <QTabWidget>

namespace {
constexpr unsigned IDS_ADJUST_OF_DIAL = 25216;
constexpr unsigned IDS_SETTING_OF_CURVE = 25217;
} // namespace

// --------------------------------------------------------------- the page base

CAdjustPage::CAdjustPage(CAdjustSheet* sheet, unsigned templateId, const std::string& caption)
    : fw::CPropertyPage(templateId, caption), m_pAdjustSheet(sheet) {}

bool CAdjustPage::OnSetActive() {
    if (CObjAdjust* adjust = m_pAdjustSheet->GetAdjust())
        adjust->m_nLastActivePage = m_pAdjustSheet->GetPageIndex(this);
    return true;
}

// --------------------------------------------------------------------- the sheet

CAdjustSheet::CAdjustSheet(CTovarineDocData& doc, CObjElement* element, CAdjustSheetHost* host,
                           QWidget* parent)
    : CModelessSheet(element ? MakeTitle(*element) : std::string(), parent), m_doc(doc),
      m_pElement(element), m_pHost(host) {
    if (!element)
        return;
    m_nKind = element->GetKind();
    m_strName = element->GetName();
    m_pAdjust = element->GetObjAdjust(&m_nWhich);
    if (m_nWhich != 1)
        m_nWhich = 0;
    if (m_pAdjust) {
        if (m_nWhich == 0) {
            m_pRated = new CAdjustRated(this, m_pAdjust);
            AddPage(m_pRated);
        }
        DoAddDialPages();
    } else {
        m_pOwnLine = FindOwnLine(element);
        m_pLine = new CAdjustLine(this, nullptr, m_pOwnLine);
        AddPage(m_pLine);
    }
    // The view reopens the sheet on the page last shown.
    SetCreatePage(m_pAdjust ? m_pAdjust->m_nLastActivePage : 0);
}

CAdjustSheet::~CAdjustSheet() {
    DoDeletePages(true);
}

std::string CAdjustSheet::MakeTitle(const CObjElement& element) {
    if (const CObjAdjust* adjust = element.GetObjAdjust())
        return fw::LoadString(IDS_ADJUST_OF_DIAL) + "[" + element.GetName() + "] - [" +
               adjust->m_infoBase.m_strTypeName + "]";
    return fw::LoadString(IDS_SETTING_OF_CURVE) + "[" + element.GetName() + "]";
}

CObjAdjust* CAdjustSheet::FindAdjust(CObjElement* element) const {
    if (element->GetKind() == kKindLVCB) {
        const auto* breaker = dynamic_cast<const CEleLVCB*>(element->GetElement());
        if (!breaker)
            return nullptr;
        return m_nWhich == 1 ? breaker->GetSecondAdjust() : breaker->GetAdjust();
    }
    return element->GetObjAdjust();
}

CInfoLine* CAdjustSheet::FindOwnLine(CObjElement* element) const {
    CEleHead* model = element->GetElement();
    switch (element->GetKind()) {
    case kKindTrans3:
    case kKindMotor:
    case kKindCapacitor:
        if (auto* curve = dynamic_cast<CEleCurve*>(model))
            return &curve->m_infoLine;
        return nullptr;
    case kKindTrans1:
        if (auto* trans = dynamic_cast<CEleTrans1*>(model))
            return &trans->m_part2.m_infoLine;
        return nullptr;
    default:
        return nullptr;
    }
}

bool CAdjustSheet::IsElementValid() const {
    if (!m_pElement || IsClosing())
        return false;
    // Compared by address only until it is known to be in the tree.
    CObjElementList all;
    m_doc.CollectElements(all);
    if (!all.Contains(m_pElement))
        return false;
    if (m_pElement->GetKind() != m_nKind || m_pElement->GetName() != m_strName)
        return false;
    if (m_pAdjust)
        return FindAdjust(m_pElement) == m_pAdjust;
    return FindOwnLine(m_pElement) == m_pOwnLine;
}

CObjElement* CAdjustSheet::GetElement() {
    if (IsElementValid())
        return m_pElement;
    DoClose();
    return nullptr;
}

CObjAdjust* CAdjustSheet::GetAdjust() {
    return GetElement() ? m_pAdjust : nullptr;
}

bool CAdjustSheet::DoBeginChange(int32_t hint) {
    if (!GetElement())
        return false;
    m_doc.SaveUndo();
    m_bChanging = true;
    if (m_pHost)
        m_pHost->OnElementChanging(m_pElement, hint);
    return true;
}

void CAdjustSheet::DoEndChange(int32_t hint) {
    if (m_pElement && IsElementValid()) {
        m_pElement->DoCalcCurve(m_doc.GetFrequency());
        if (m_pHost)
            m_pHost->OnElementChanged(m_pElement, hint);
    }
    m_bChanging = false;
}

void CAdjustSheet::DoEndAnnounce() {
    m_bChanging = false;
}

void CAdjustSheet::OnUpdate(int32_t hint) {
    if (m_bChanging || IsClosing())
        return;
    // 1 the undo put back, 5 deleted or cut, 6 edited into a copy, 8 the
    // mode changed: the element the pages point into may be gone.
    if (hint == 1 || hint == 5 || hint == 6 || hint == 8 || !IsElementValid())
        DoClose();
}

void CAdjustSheet::OnSheetClosing() {
    m_pElement = nullptr;
    CAdjustSheetHost* host = m_pHost;
    m_pHost = nullptr;
    if (host)
        host->OnAdjustSheetClosed();
}

void CAdjustSheet::DoAddDialPages() {
    CObjAdjust* adjust = m_pAdjust;
    const int first = GetPageCount();
    auto setting = adjust->m_listInfoPart.begin();
    auto part = adjust->m_listReadPart.begin();
    for (; setting != adjust->m_listInfoPart.end() && part != adjust->m_listReadPart.end();
         ++setting, ++part) {
        auto* page = new CAdjustPart(this, &**setting, &**part);
        m_listParts.push_back(page);
        AddPage(page);
    }
    // Each dial page's tab shows its trip element.
    for (size_t i = 0; i < m_listParts.size(); ++i)
        GetTabWidget()->setTabText(first + static_cast<int>(i),
                                   QString::fromStdString(m_listParts[i]->GetElementName()));
    const CReadBase& base = adjust->m_readBase;
    if (base.m_bUseBreakingTime == 1 || base.m_bUseOpenTime == 1) {
        m_pDelay = new CAdjustDelay(this, &adjust->m_infoBase, &adjust->m_readBase);
        AddPage(m_pDelay);
    }
    m_pLine = new CAdjustLine(this, adjust, &adjust->m_infoLine);
    AddPage(m_pLine);
}

void CAdjustSheet::DoDeletePages(bool withRated) {
    for (CAdjustPart* page : m_listParts) {
        RemovePage(page);
        delete page;
    }
    m_listParts.clear();
    auto drop = [this](fw::CPropertyPage* page) {
        if (page) {
            RemovePage(page);
            delete page;
        }
    };
    drop(m_pDelay);
    m_pDelay = nullptr;
    drop(m_pLine);
    m_pLine = nullptr;
    if (withRated && m_pRated) {
        RemovePage(m_pRated);
        delete m_pRated;
        m_pRated = nullptr;
    }
}

void CAdjustSheet::DoRebuildDialPages() {
    if (!m_pAdjust || !GetElement())
        return;
    DoDeletePages(false);
    DoAddDialPages();
}
