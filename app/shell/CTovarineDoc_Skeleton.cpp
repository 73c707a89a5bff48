// The document's services of the skeleton view: the insertion point, the
// growth of the skeleton frame, redrawing one node of the tree, drawing the
// skeleton and the printed page frame, and clearing the results.
#include "CTovarineDoc.h"

#include "CTovarineApp.h"
#include "CTovarineView1.h"

#include "app/elements/conductors/CEleWire.h"
#include "app/protection/CObjGraph.h"
#include "app/records/CTVFont.h"
#include "app/records/CTVUpdate.h"
#include "app/records/ElementKinds.h"
#include "app/records/TovarineIds.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjElementList.h"
#include "app/shell/model/CObjGroup.h"

#include "framework/DeviceContext.h"
#include "framework/StringTable.h"

#include <algorithm>
#include <cmath>

namespace {

// The 40 x 40 cell of a point (truncating division) as the hint rectangle
// of the insertion cell: one unit inside its top-left corner.
fw::CRect CellRect(fw::CPoint p) {
    const int32_t x = p.x / kGridUnit * kGridUnit;
    const int32_t y = p.y / kGridUnit * kGridUnit;
    return fw::CRect(x + 1, y + 1, x + kGridUnit, y + kGridUnit);
}

fw::CRect UnionOf(const fw::CRect& a, const fw::CRect& b) {
    if (a.IsRectEmpty())
        return b;
    if (b.IsRectEmpty())
        return a;
    return fw::CRect(std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                     std::max(a.bottom, b.bottom));
}

} // namespace

CTovarineView1* CTovarineDoc::GetSkeletonView() const {
    for (fw::CView* view : GetViews()) {
        if (auto* skeleton = dynamic_cast<CTovarineView1*>(view))
            return skeleton;
    }
    return nullptr;
}

// ---------------------------------------------------------------- insertion point

void CTovarineDoc::DoMoveCursorRight(const fw::CRect& rect) {
    m_infoSkeleton.m_ptInsert.x += (rect.right - rect.left) / kGridUnit * kGridUnit + kGridUnit;
    const fw::CPoint p = m_infoSkeleton.m_ptInsert;
    const int32_t x = p.x / kGridUnit * kGridUnit;
    const int32_t y = p.y / kGridUnit * kGridUnit;
    CTVUpdate cell(x, y, x + kGridUnit, y + kGridUnit);
    UpdateAllViews(tvhint::kRect, &cell);
}

void CTovarineDoc::DoMoveCursorDown(const fw::CRect& rect) {
    m_infoSkeleton.m_ptInsert.y += (rect.bottom - rect.top) / kGridUnit * kGridUnit + kGridUnit;
    const fw::CPoint p = m_infoSkeleton.m_ptInsert;
    const int32_t x = p.x / kGridUnit * kGridUnit;
    const int32_t y = p.y / kGridUnit * kGridUnit;
    CTVUpdate cell(x, y, x + kGridUnit, y + kGridUnit);
    UpdateAllViews(tvhint::kRect, &cell);
}

void CTovarineDoc::SetCursorPoint(fw::CDC* pDC, fw::CPoint devicePoint) {
    fw::CPoint logical = devicePoint;
    if (pDC)
        pDC->DPtoLP(&logical);
    const fw::CRect oldCell = CellRect(m_infoSkeleton.m_ptInsert);
    m_infoSkeleton.m_ptInsert = logical;
    const fw::CRect newCell = CellRect(logical);
    if (oldCell == newCell)
        return;
    CTVUpdate before(oldCell.left, oldCell.top, oldCell.right, oldCell.bottom);
    UpdateAllViews(tvhint::kRect, &before);
    CTVUpdate after(newCell.left, newCell.top, newCell.right, newCell.bottom);
    UpdateAllViews(tvhint::kRect, &after);
}

void CTovarineDoc::DoGrowSkeletonPages() {
    int32_t across = 0;
    int32_t down = 0;
    m_listGroups.GetUnionRect(&across, &down);
    // Never past the frame's bound: a frame that large is no diagram.
    across = std::min(across, settings_limits::kMaxFrameCount);
    down = std::min(down, settings_limits::kMaxFrameCount);
    bool grew = false;
    if (across > m_infoSkeleton.m_nFrameCountX) {
        m_infoSkeleton.m_nFrameCountX = across;
        grew = true;
    }
    if (down > m_infoSkeleton.m_nFrameCountY) {
        m_infoSkeleton.m_nFrameCountY = down;
        grew = true;
    }
    if (grew)
        UpdateAllViews(tvhint::kPagesGrown, nullptr);
}

void CTovarineDoc::InvalidateElement(CObjGroup* group) {
    CTovarineView1* view = GetSkeletonView();
    if (!view || !group)
        return;
    auto dc = view->GetMappingDC();
    // The tracker with its handles, at the group's place in this mapping.
    CTVTracker tracker = group->m_tracker;
    fw::CRect device = group->m_rect;
    dc->LPtoDP(&device);
    tracker.m_rect = device;
    tracker.m_nStyle = fw::CRectTracker::dottedLine | fw::CRectTracker::resizeInside;
    fw::CRect outer;
    tracker.GetTrueRect(&outer);
    dc->DPtoLP(&outer);
    outer.NormalizeRect();
    const fw::CRect area = UnionOf(group->GetUnionRect(), outer);
    CTVUpdate hint(area.left, area.top, area.right, area.bottom);
    UpdateAllViews(tvhint::kRect, &hint);
}

// ---------------------------------------------------------------- drawing

void CTovarineDoc::DoDrawImpeMap(fw::CDC* pDC) {
    const CInfoSkeleton& info = m_infoSkeleton;
    const fw::CRect page(0, 0, info.m_nFrameCountX * kGridUnit, info.m_nFrameCountY * kGridUnit);
    pDC->FillSolidRect(page, info.m_crBack);
    if (pDC->IsPrinting())
        pDC->IntersectClipRect(page);
    m_listGroups.DoDrawImpeMap(pDC, *this);
}

void CTovarineDoc::DoDrawSkeleton(fw::CDC* pDC, int32_t withoutCursor) {
    const CInfoSkeleton& info = m_infoSkeleton;
    const int32_t width = info.m_nFrameCountX * kGridUnit;
    const int32_t height = info.m_nFrameCountY * kGridUnit;
    const fw::CRect page(0, 0, width, height);
    pDC->FillSolidRect(page, info.m_crBack);
    if (pDC->IsPrinting()) {
        pDC->IntersectClipRect(page);
        m_listGroups.DoDrawSkeleton(pDC, *this);
        return;
    }
    if (m_nMode == 1) {
        // Lines outside the area being painted are skipped: they would not
        // show, and a large frame has thousands.
        int32_t firstX = 0, lastX = width, firstY = 0, lastY = height;
        fw::CRect clip;
        if (pDC->GetClipBox(&clip)) {
            firstX = std::max(0, (clip.left - 1) / kGridUnit * kGridUnit);
            lastX = std::min(width, clip.right + kGridUnit);
            firstY = std::max(0, (clip.top - 1) / kGridUnit * kGridUnit);
            lastY = std::min(height, clip.bottom + kGridUnit);
        }
        const fw::CPen old = pDC->SelectObject(fw::CPen(fw::PS_SOLID, 1, info.m_crGrid));
        // Each line only across the painted area (and a cell beyond it):
        // the rest of it would be clipped away.
        for (int32_t x = firstX; x <= lastX; x += kGridUnit) {
            pDC->MoveTo(x, firstY);
            pDC->LineTo(x, lastY);
        }
        for (int32_t y = firstY; y <= lastY; y += kGridUnit) {
            pDC->MoveTo(firstX, y);
            pDC->LineTo(lastX, y);
        }
        pDC->SelectObject(old);
        if (withoutCursor != 1) {
            const fw::COLORREF back = pDC->GetBkColor();
            pDC->FillSolidRect(CellRect(info.m_ptInsert), info.m_crCursor);
            pDC->SetBkColor(back);
        }
    }
    m_listGroups.DoDrawSkeleton(pDC, *this);
}

namespace {

fw::CRect PageFrameMargins(const CTovarineDocData& doc, int32_t viewKind, const CObjGraph* graph) {
    if (viewKind == 2 && graph)
        return graph->m_rectMargins;
    if (viewKind == 3)
        return doc.m_infoReport.m_rectMargins;
    if (viewKind == 4)
        return doc.m_infoImpeMap.m_rectMargins;
    return doc.m_infoSkeleton.m_rectMargins;
}

} // namespace

fw::CSize CTovarineDoc::GetPageFrameSize(const fw::CDC* pDC, int32_t viewKind,
                                         const CObjGraph* graph) const {
    fw::CSize page;
    if (CTovarineApp* app = TovarineApp())
        app->GetPrinterPageSize(page, nullptr);
    // As the frame measures it: the page in 0.1 mm, the width between the
    // side margins, the block back in device units.
    const double scaleX = std::max(1, pDC->GetDeviceCaps(fw::LOGPIXELSX)) / 254.0;
    const double scaleY = std::max(1, pDC->GetDeviceCaps(fw::LOGPIXELSY)) / 254.0;
    const fw::CRect margins = PageFrameMargins(*this, viewKind, graph);
    const long width = std::lround(page.cx / scaleX) - (margins.left + margins.right) * 10;
    return fw::CSize(static_cast<int32_t>(std::lround(width * scaleX)),
                     static_cast<int32_t>(std::lround(kTitleBlockHeight * scaleY)));
}

void CTovarineDoc::DoDrawPageFrame(fw::CSize* size, fw::CDC* pDC, int32_t viewKind,
                                   int32_t reportKind, const CObjGraph* graph) {
    // The page and the printer's offsets in 0.1 mm.
    fw::CSize page;
    fw::CPoint offsets;
    if (CTovarineApp* app = TovarineApp())
        app->GetPrinterPageSize(page, &offsets);
    pDC->SetMapMode(fw::MM_LOMETRIC);
    pDC->SetViewportOrg(0, 0);
    pDC->SetWindowOrg(0, 0);
    fw::CSize pageLm = page;
    pDC->DPtoLP(&pageLm);
    fw::CSize offsetLm(offsets.x, offsets.y);
    pDC->DPtoLP(&offsetLm);
    const fw::CRect margins = PageFrameMargins(*this, viewKind, graph);
    const int32_t width = pageLm.cx - (margins.left + margins.right) * 10;
    // Logical (0, 0) is the page's corner inside the left and top margins.
    pDC->SetWindowOrg(-(margins.left * 10 - offsetLm.cx), margins.top * 10 - offsetLm.cy);

    const fw::CPen oldPen = pDC->SelectObject(fw::CPen(fw::PS_SOLID, 2, fw::RGB(0, 0, 0)));
    const fw::COLORREF oldColor = pDC->SetTextColor(fw::RGB(0, 0, 0));
    const int oldMode = pDC->SetBkMode(fw::TRANSPARENT);
    const unsigned oldAlign = pDC->SetTextAlign(fw::TA_LEFT | fw::TA_TOP);

    unsigned title = 0;
    switch (viewKind) {
    case 1:
        title = tvid::IDS_TITLE_SKELETON;
        break;
    case 2:
        title = graph && graph->m_nKind == 10   ? tvid::IDS_TITLE_LIMITING
                : graph && graph->m_nKind == 11 ? tvid::IDS_TITLE_I2T
                                                : tvid::IDS_TITLE_COORDINATION;
        break;
    case 3:
        if (reportKind >= 0 && reportKind <= 7)
            title = tvid::IDS_TITLE_REPORT_FIRST + static_cast<unsigned>(reportKind);
        break;
    case 4:
        title = tvid::IDS_TITLE_IMPEMAP;
        break;
    default:
        break;
    }
    {
        CTVFont font(pDC, 300, 0);
        if (title != 0)
            pDC->TextOut(0, 0, fw::LoadString(title));
    }

    CTVFont font(pDC, 301, 0);
    if (viewKind == 1) {
        const int32_t mode = std::clamp(m_nMode, 1, 4);
        pDC->SetTextAlign(fw::TA_RIGHT | fw::TA_TOP);
        pDC->TextOut(width, -20, fw::LoadString(tvid::IDS_STEP1 + static_cast<unsigned>(mode - 1)));
        pDC->SetTextAlign(fw::TA_LEFT | fw::TA_TOP);
    }
    // Seven rules 4 mm apart make six rows.
    for (int32_t y = -50; y >= -290; y -= 40) {
        pDC->MoveTo(0, y);
        pDC->LineTo(width, y);
    }
    const int32_t second = width * 60 / 100;
    auto row = [&](int index, unsigned label, const std::string& value) {
        const int32_t top = -60 - 40 * index;
        pDC->TextOut(0, top, fw::LoadString(label));
        pDC->TextOut(175, top, value);
    };
    auto column2 = [&](int index, unsigned label, const std::string& value) {
        const int32_t top = -60 - 40 * index;
        pDC->TextOut(second, top, fw::LoadString(label));
        pDC->TextOut(second + 210, top, value);
    };
    const CInfoProject& project = m_infoProject;
    std::string fileName = GetTitleWithExtension();
    if (graph && !graph->m_strName.empty())
        fileName += "/" + graph->m_strName;
    row(0, tvid::IDS_FRAME_MESSRS, project.m_strCustomer);
    row(1, tvid::IDS_FRAME_PROJECT, project.m_strProject);
    row(2, tvid::IDS_FRAME_REFERENCE, project.m_strReference);
    column2(2, tvid::IDS_FRAME_FILENAME, fileName);
    row(3, tvid::IDS_FRAME_ENGINEER, project.m_strEngineer);
    column2(3, tvid::IDS_FRAME_CREATED, project.m_strCreated);
    row(4, tvid::IDS_FRAME_CHANGEDBY, project.m_strChangedBy);
    column2(4, tvid::IDS_FRAME_CHANGED, project.m_strChanged);
    row(5, tvid::IDS_FRAME_COMMENTS, project.m_strComments);

    pDC->SetTextAlign(oldAlign);
    pDC->SetBkMode(oldMode);
    pDC->SetTextColor(oldColor);
    pDC->SelectObject(oldPen);
    if (size)
        *size = GetPageFrameSize(pDC, viewKind, graph);
}

// ---------------------------------------------------------------- results

void CTovarineDoc::DoClearResults() {
    CObjElementList list;
    list.CollectFromGroups(m_listGroups, 0, 0);
    for (CObjElement* e : list) {
        e->DoClearCalcZ2Ex();
        e->DoClearCalcZ2();
        e->DoClearCalcZ();
        // The wire's protection check leaves its failing group, which the
        // skeleton shows under the wire's name.
        if (e->GetKind() == kKindWire) {
            if (auto* wire = static_cast<CEleWire*>(e->GetElement()))
                wire->m_nFailingGroup = 0;
        }
    }
}
