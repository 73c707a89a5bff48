#include "CEleFrame.h"

#include "app/records/ModelDatabases.h"
#include "listdata/CRSList_Earthing.h"
#include "listdata/Quenlor.h"

#include <algorithm>

namespace {

// One user-interface thread edits, so one current edit serves.
const CEleEditContext* g_currentEdit = nullptr;

constexpr fw::COLORREF kMarkedFill = 0xFF00FF; // magenta: the error mark
constexpr fw::COLORREF kPlainFill = 0xFFFFFF;

// Layout values of the name and the label beside an element's symbol.
constexpr uint32_t kNameLayout = 8;
constexpr uint32_t kLabelLayout = 4;

fw::CRect Union(const fw::CRect& a, const fw::CRect& b) {
    if (a.IsRectEmpty())
        return b;
    if (b.IsRectEmpty())
        return a;
    return fw::CRect(std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                     std::max(a.bottom, b.bottom));
}

} // namespace

const CEleEditContext* CEleEditContext::Current() {
    return g_currentEdit;
}

CEleEditContext::Scope::Scope(const CEleEditContext& context) : m_previous(g_currentEdit) {
    g_currentEdit = &context;
}

CEleEditContext::Scope::~Scope() {
    g_currentEdit = m_previous;
}

int32_t CEleFrame::GetVoltage(int32_t) const {
    return m_nVoltage;
}

int32_t CEleFrame::SetVoltage(int32_t volts, int32_t) {
    if (volts < 1)
        return volts;
    int32_t old = m_nVoltage;
    m_nVoltage = volts;
    return old;
}

uint32_t CEleFrame::SetEarthingSystem(uint32_t code) {
    uint32_t old = m_nEarthing;
    m_nEarthing = code;
    return old;
}

uint32_t CEleFrame::SetWireSystem(uint32_t code) {
    uint32_t old = m_nWireSystem;
    m_nWireSystem = code;
    return old;
}

void CEleFrame::SetSelect(int32_t value) {
    CEleHead::SetSelect(value);
    if (value != 1)
        DoSelect(100, 0, 0);
}

void CEleFrame::DoSelect(int32_t code, int32_t value, uint32_t flags) {
    if (code == 100)
        m_listRefV1.DoSelect(0, value, flags);
    else
        CEleHead::DoSelect(code, value, flags);
}

int32_t CEleFrame::IsSelected(int32_t code) const {
    if (code == 100)
        return m_listRefV1.IsSelected(0);
    return CEleHead::IsSelected(code);
}

CObjRefV1* CEleFrame::GetOnlyRefV1() const {
    CObjRefV1* ref = m_listRefV1.GetAtIndex(0);
    return ref && ref->m_nSelected == 1 ? ref : nullptr;
}

int32_t CEleFrame::IsHittedSymbol(fw::CPoint point, int32_t code) const {
    if (code != 100)
        return CEleHead::IsHittedSymbol(point, code);
    const CObjRefV1* ref = m_listRefV1.GetAtIndex(0);
    if (!ref)
        return 0;
    const fw::CRect& r = ref->GetLabelRect();
    return point.x >= r.left && point.x <= r.right && point.y >= r.top && point.y <= r.bottom ? 1
                                                                                              : 0;
}

void CEleFrame::GetUnionRect(fw::CRect* rect) const {
    fw::CRect all = m_rectSymbol;
    for (int i = 0; i < m_listRefV1.GetCount(); ++i)
        all = Union(all, m_listRefV1.GetRect(i));
    *rect = all;
}

void CEleFrame::SerializeTail(fw::CArchive& ar, uint32_t items) {
    if (items & kTailEarthing)
        SerializeFrom<uint32_t>(ar, 1.1, m_nEarthing, 4);
    if (items & kTailWireSystem)
        SerializeFrom<uint32_t>(ar, 1.1, m_nWireSystem, 1);
    if (items & kTailErrorMark)
        SerializeFrom<uint32_t>(ar, 1.15, m_nErrorMark, 0);
    if (items & kTailSinglePhase)
        SerializeFrom<uint32_t>(ar, 1.2, m_nSinglePhase, 0);
}

void CEleFrame::SerializeRefLists(fw::CArchive& ar) {
    m_listRefV1.Serialize(ar);
    m_listRefV4.Serialize(ar);
}

bool CEleFrame::DoInitCircuit(const std::string& prefix, const CEleInitArgs& args) {
    if (!DoInitHead(prefix, args.nNumber))
        return false;
    m_nVoltage = args.nVoltage;
    m_nEarthing = args.nEarthing;
    if (m_nEarthing == 0) {
        // The list database's default; without the database none is known.
        unsigned code = 0;
        if (fw::CDatabase* db = GetModelDatabases().pList) {
            CRSList_Earthing earthing(db);
            earthing.DoReadSetDefaultLE3(nullptr, &code);
        }
        m_nEarthing = code;
    }
    m_nWireSystem = args.nWireSystem != 0 ? args.nWireSystem : DLLGetDefaultWireSystem(m_nEarthing);
    return true;
}

void CEleFrame::DoDrawSymbolFrame(fw::CDC* pDC, int32_t mode,
                                  const std::function<void(fw::CDC*, fw::CPoint)>& draw) {
    if (!pDC)
        return;
    const fw::CPoint centre((m_rectSymbol.left + m_rectSymbol.right) / 2,
                            (m_rectSymbol.top + m_rectSymbol.bottom) / 2);
    m_crFill = (m_nErrorMark == 1 && !pDC->IsPrinting() && mode != 1) ? kMarkedFill : kPlainFill;
    const fw::COLORREF oldBack = pDC->GetBkColor();
    pDC->FillSolidRect(m_rectSymbol, m_crFill);
    pDC->SetBkColor(oldBack);
    fw::CPen oldPen = pDC->SelectObject(
        fw::CPen(static_cast<int>(m_nPenStyle), static_cast<int>(m_nPenWidth), m_crPen));
    if (draw)
        draw(pDC, centre);
    pDC->SelectObject(oldPen);
}

fw::CRect CEleFrame::DoLayoutLabelsV1(fw::CDC* pDC, const std::string& label) {
    return m_listRefV1.DoCalcLabelRect(pDC, m_rectSymbol, m_strName, kNameLayout, label,
                                       kLabelLayout);
}

fw::CRect CEleFrame::DoLayoutLabelsV4(fw::CDC* pDC, const std::string& label) {
    return m_listRefV4.DoCalcLabelRect(pDC, m_rectSymbol, m_strName, kNameLayout, label,
                                       kLabelLayout);
}

void CEleFrame::DoDrawLabelsV1(fw::CDC* pDC, const std::string& label) {
    m_listRefV1.DoDraw(pDC, m_strName, label, static_cast<int32_t>(m_nSelected));
}

void CEleFrame::DoDrawLabelsV4(fw::CDC* pDC, const std::string& label) {
    m_listRefV4.DoDraw(pDC, m_strName, label, static_cast<int32_t>(m_nSelected));
}
