#include "CCurrent.h"

#include "app/protection/CObjGraph.h"
#include "app/records/CTVFont.h"
#include "app/records/ModelDatabases.h"
#include "breakerdata/model/CInfoBase.h"
#include "breakerdata/model/CReadBase.h"
#include "breakerdata/model/CdPointList.h"
#include "breakerdata/recordsets/CRSBreak_Group.h"
#include "breakerdata/recordsets/CRSBreak_Type.h"
#include "framework/StringTable.h"
#include "tools/Filvaron.h"

#include <algorithm>
#include <cmath>
#include <ostream>

FW_IMPLEMENT_SERIAL(CCurrent, 0)

namespace {

constexpr unsigned IDS_UNIT_KILOAMPERE = 26375;
constexpr unsigned IDS_ICU = 26146;
constexpr unsigned IDS_ICU_BACK = 26147;
constexpr unsigned IDS_BAND = 26144;
constexpr unsigned IDS_TYPICAL = 26145;
// "Is by Table", "Is by Inst.", "Is by Inst. DC", "Is by Inst. with
// current-limiting", by the selected-by codes 4 to 7.
constexpr unsigned IDS_IS_BY[] = {26148, 26149, 26157, 26158};
constexpr int kLabelFont = 201;

// The value in kA, at least 4 digits; "No data" for a negative value.
std::string KiloAmperes(double amperes, int unit) {
    std::string text = DLLGetTextByBeamsEx(amperes / 1000.0, 4, 1);
    if (unit == 1 && amperes > 0.0)
        text += fw::LoadString(IDS_UNIT_KILOAMPERE);
    return text;
}

std::string LabelOf(const std::string& first, unsigned titleId, double amperes) {
    return first + "\r\n" + fw::LoadString(titleId) + "\r\n" +
           DLLGetTextByBeamsEx(amperes / 1000.0, 4, 1) + fw::LoadString(IDS_UNIT_KILOAMPERE);
}

int32_t Truncate(double value) {
    if (!std::isfinite(value))
        return 0;
    value = std::clamp(value, -2.0e9, 2.0e9);
    return static_cast<int32_t>(value);
}

} // namespace

void CCurrent::DoClearCurrent() {
    CGraphNoList graphs = std::move(m_listGraphNo);
    *this = CCurrent();
    m_listGraphNo = std::move(graphs);
}

void CCurrent::Serialize(fw::CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_nMargin << m_nLabel;
        ar << m_nSelectedBy << m_nUpstreamKind << m_nUpstreamNumber << m_nUpstreamMakerID
           << m_nUpstreamGroupID << m_nUpstreamTypeID << m_nSpare;
        ar << m_dUpstreamCurrent << m_dIcs << m_dIcu << m_dIcuBack << m_dIs;
        ar << m_nResult << m_nBand;
    } else {
        ar >> m_nMargin >> m_nLabel;
        ar >> m_nSelectedBy >> m_nUpstreamKind >> m_nUpstreamNumber >> m_nUpstreamMakerID >>
            m_nUpstreamGroupID >> m_nUpstreamTypeID >> m_nSpare;
        ar >> m_dUpstreamCurrent >> m_dIcs >> m_dIcu >> m_dIcuBack >> m_dIs;
        ar >> m_nResult >> m_nBand;
    }
    m_ptFirst.Serialize(ar);
    m_ptSecond.Serialize(ar);
    m_listGraphNo.Serialize(ar);
}

bool CCurrent::HasLabel(int label) const {
    switch (label) {
    case kLabelDiscrimination:
        return m_nSelectedBy >= kTable && m_nSelectedBy <= kInstLimiting && m_dIs > 0.0;
    case kLabelCapacity:
        return m_dIcu > 0.0;
    case kLabelCascade:
        return m_nSelectedBy == kCascade && m_dIcuBack > 0.0;
    default:
        return false;
    }
}

double CCurrent::GetLabelCurrent(int label) const {
    switch (label) {
    case kLabelDiscrimination:
        return m_dIs;
    case kLabelCapacity:
        return m_dIcu;
    case kLabelCascade:
        return m_dIcuBack;
    default:
        return 0.0;
    }
}

std::string CCurrent::GetLabelDiscrimination(const std::string& first) const {
    if (!HasLabel(kLabelDiscrimination))
        return first;
    return LabelOf(first, IDS_IS_BY[m_nSelectedBy - kTable], m_dIs);
}

std::string CCurrent::GetLabelCapacity(const std::string& first) const {
    return LabelOf(first, IDS_ICU, m_dIcu);
}

std::string CCurrent::GetLabelCascade(const std::string& first) const {
    return LabelOf(first, IDS_ICU_BACK, m_dIcuBack);
}

std::string CCurrent::GetLabelText(int label, const std::string& first) const {
    switch (label) {
    case kLabelDiscrimination:
        return GetLabelDiscrimination(first);
    case kLabelCapacity:
        return GetLabelCapacity(first);
    case kLabelCascade:
        return GetLabelCascade(first);
    default:
        return first;
    }
}

std::string CCurrent::DoGetTextIcs(int unit) const {
    return KiloAmperes(m_dIcs, unit);
}

std::string CCurrent::DoGetTextIcu(int unit) const {
    return KiloAmperes(m_dIcu, unit);
}

std::string CCurrent::DoGetTextIcuBack(int unit) const {
    return KiloAmperes(m_dIcuBack, unit);
}

std::string CCurrent::DoGetTextBandTyp() const {
    return fw::LoadString(m_nBand == 1 ? IDS_BAND : IDS_TYPICAL);
}

std::string CCurrent::DoGetTextUpstreamGroup() const {
    fw::CDatabase* db = GetModelDatabases().pBreaker;
    if (!db || static_cast<int32_t>(m_nUpstreamMakerID) < 1 ||
        static_cast<int32_t>(m_nUpstreamGroupID) < 1)
        return std::string();
    CInfoBase selection;
    CRSBreak_Group groups(db);
    if (groups.DoReadByManuGroupID(static_cast<int32_t>(m_nUpstreamMakerID),
                                   static_cast<int32_t>(m_nUpstreamGroupID), &selection) != 1)
        return std::string();
    return selection.m_strGroupName;
}

std::string CCurrent::DoGetTextUpstreamType() const {
    fw::CDatabase* db = GetModelDatabases().pBreaker;
    if (!db || static_cast<int32_t>(m_nUpstreamTypeID) < 1)
        return std::string();
    CInfoBase selection;
    CReadBase reference;
    CRSBreak_Type types(db);
    if (types.DoReadByTypeID(static_cast<int32_t>(m_nUpstreamTypeID), &selection, &reference, 0) !=
        1)
        return std::string();
    return selection.m_strTypeName;
}

int32_t CCurrent::IsShownLabel(int label, uint32_t graphNo) const {
    if (!HasLabel(label))
        return 0;
    const CGraphNo* entry = m_listGraphNo.DoFindGraphNo(graphNo);
    if (!entry)
        return 0;
    const CObjRefV2* placement = entry->m_listRefV2.GetAtIndex(0);
    return placement && !placement->m_rect.IsRectNull() ? 1 : 0;
}

int32_t CCurrent::IsHittedLabel(int label, fw::CPoint point, uint32_t graphNo) const {
    if (!IsShownLabel(label, graphNo))
        return 0;
    return m_listGraphNo.DoFindGraphNo(graphNo)->m_listRefV2.IsHitted(0, point);
}

int32_t CCurrent::IsSelectedLabel(int label, uint32_t graphNo) const {
    if (!IsShownLabel(label, graphNo))
        return 0;
    return m_listGraphNo.DoFindGraphNo(graphNo)->m_listRefV2.IsSelected(0);
}

void CCurrent::SetSelectLabel(int label, int32_t value, uint32_t flags, uint32_t graphNo) {
    if (!HasLabel(label))
        return;
    for (auto& entry : m_listGraphNo) {
        if (graphNo == 0 || entry->GetGraphNo() == graphNo)
            entry->m_listRefV2.DoSelect(0, value, flags);
    }
}

void CCurrent::AddToGraph(uint32_t graphNo) {
    if (graphNo == 0 || m_listGraphNo.DoFindGraphNo(graphNo))
        return;
    m_listGraphNo.DoAddNewGraphNo()->DoSetGraphNo(graphNo, 1);
}

int32_t CCurrent::RemoveFromGraph(uint32_t graphNo) {
    if (graphNo == 0)
        return 0;
    return m_listGraphNo.DoDeleteGraphNo(graphNo);
}

fw::CRect CCurrent::GetMarkRect(int label, uint32_t graphNo) const {
    const double margin = static_cast<double>(m_nMargin);
    fw::CRect rect(Truncate(m_ptFirst.m_dX - margin - 10.0), Truncate(m_ptSecond.m_dY - margin),
                   Truncate(m_ptSecond.m_dX + margin + 10.0), Truncate(m_ptFirst.m_dY + margin));
    if (label >= 0 && IsShownLabel(label, graphNo)) {
        const fw::CRect labelRect = m_listGraphNo.DoFindGraphNo(graphNo)->m_listRefV2.GetRect(0);
        fw::CRect normal = rect;
        normal.NormalizeRect();
        fw::CRect joined(std::min(normal.left, labelRect.left), std::min(normal.top, labelRect.top),
                         std::max(normal.right, labelRect.right),
                         std::max(normal.bottom, labelRect.bottom));
        if (!(joined == normal))
            rect = joined;
    }
    return rect;
}

void CCurrent::DoDrawLabel(fw::CDC* pDC, CObjGraph* graph, int label, const std::string& first,
                           uint32_t colour, int32_t selectedOwner) {
    if (!pDC || !graph || !HasLabel(label))
        return;
    const double current = GetLabelCurrent(label);
    if (!(current > 0.0))
        return;
    const double volts = graph->m_nStdVoltage > 0 ? graph->m_nStdVoltage : 1.0;
    m_ptFirst = CdPoint(current * volts, graph->GetTimeMin());
    m_ptSecond = CdPoint(current * volts, graph->GetTimeMax());
    graph->DoConvPoint(m_ptFirst);
    graph->DoConvPoint(m_ptSecond);
    m_nMargin = 0;

    const uint32_t pen = selectedOwner == 1 && !pDC->IsPrinting() ? 0x0000FFu : colour;
    fw::CPen oldPen = pDC->SelectObject(fw::CPen(fw::PS_SOLID, 1, pen));
    pDC->MoveTo(Truncate(m_ptFirst.m_dX), Truncate(m_ptFirst.m_dY));
    pDC->LineTo(Truncate(m_ptSecond.m_dX), Truncate(m_ptSecond.m_dY));
    pDC->SelectObject(oldPen);

    CGraphNo* entry = m_listGraphNo.DoFindGraphNo(graph->m_nGraphNo);
    CObjRefV2* placement = entry ? entry->m_listRefV2.GetAtIndex(0) : nullptr;
    if (!placement)
        return;
    const std::string text = GetLabelText(label, first);
    CTVFont font(pDC, kLabelFont, graph->m_nZoom);
    const fw::CSize size = font.DoGetTextExtent(text);
    // The label stands to the right of the line's upper part; y grows upward.
    const int left = Truncate(m_ptSecond.m_dX) + 5;
    const int top = Truncate(m_ptSecond.m_dY);
    placement->m_rect = fw::CRect(left, top, left + size.cx, top - size.cy);
    placement->m_ptValue = CdPoint(current, 0.0);
    const uint32_t textColour =
        placement->m_nSelected == 1 && !pDC->IsPrinting() ? 0x0000FFu : colour;
    font.DoDrawTextLines(text, left, top, left + size.cx, top - size.cy, textColour);
}

void CCurrent::DoDXFOutLabel(std::ostream& file, int32_t layer, CObjGraph* graph, int label,
                             const std::string& first, const std::string& lineType) {
    if (!graph || !HasLabel(label))
        return;
    const double current = GetLabelCurrent(label);
    if (!(current > 0.0))
        return;
    const double volts = graph->m_nStdVoltage > 0 ? graph->m_nStdVoltage : 1.0;
    CdPoint low(current * volts, graph->GetTimeMin());
    CdPoint high(current * volts, graph->GetTimeMax());
    graph->DoConvPoint(low);
    graph->DoConvPoint(high);
    if (m_listGraphNo.DoFindGraphNo(graph->m_nGraphNo)) {
        // As drawn: 5 units right of the line, hanging from its upper end.
        CTVFont::DoDXFOutTextLines(file, layer, (Truncate(high.m_dX) + 5) / 10,
                                   Truncate(high.m_dY) / 10 - 3, GetLabelText(label, first));
    }
    CdPointList points;
    *points.DoAddNewPoint() = low;
    *points.DoAddNewPoint() = high;
    points.DoDXFOutAllPoints(file, layer, lineType, 0.1);
}
