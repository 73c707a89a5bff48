#include "DocSettings.h"

#include "app/records/GeometryRecords.h"
#include "framework/StringTable.h"
#include "tools/Filvaron.h"

#include <algorithm>

FW_IMPLEMENT_SERIAL(CInfoProject, 0)
FW_IMPLEMENT_SERIAL(CInfoSkeleton, 0)
FW_IMPLEMENT_SERIAL(CInfoReport, 0)
FW_IMPLEMENT_SERIAL(CInfoImpeMap, 0)

namespace {

bool Bound(int32_t& value, int32_t low, int32_t high) {
    int32_t bounded = std::clamp(value, low, high);
    bool changed = bounded != value;
    value = bounded;
    return changed;
}

} // namespace

bool DoBoundMargins(fw::CRect& margins) {
    using namespace settings_limits;
    bool changed = Bound(margins.left, kMinMargin, kMaxMargin);
    changed |= Bound(margins.top, kMinMargin, kMaxMargin);
    changed |= Bound(margins.right, kMinMargin, kMaxMargin);
    changed |= Bound(margins.bottom, kMinMargin, kMaxMargin);
    return changed;
}

void CInfoProject::Serialize(fw::CArchive& ar) {
    std::string* fields[] = {&m_strCustomer, &m_strProject,   &m_strReference, &m_strEngineer,
                             &m_strCreated,  &m_strChangedBy, &m_strChanged,   &m_strComments};
    for (std::string* field : fields) {
        if (ar.IsStoring())
            ar << *field;
        else
            ar >> *field;
    }
}

void CInfoSkeleton::Serialize(fw::CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_nFrameCountX << m_nFrameCountY << m_nZoom << m_nReserved << m_crBack << m_crGrid
           << m_crCursor;
        DoSerializeViewPoint(ar, m_ptScroll);
        DoSerializeViewPoint(ar, m_ptInsert);
        DoSerializeViewPoint(ar, m_ptClick);
        ar << m_nFrequency << m_dCapacity;
        DoSerializeRect(ar, m_rectMargins);
        ar << m_nOrientation << m_nPaperSize;
        return;
    }
    ar >> m_nFrameCountX >> m_nFrameCountY >> m_nZoom >> m_nReserved >> m_crBack >> m_crGrid >>
        m_crCursor;
    DoSerializeViewPoint(ar, m_ptScroll);
    DoSerializeViewPoint(ar, m_ptInsert);
    DoSerializeViewPoint(ar, m_ptClick);
    ar >> m_nFrequency >> m_dCapacity;
    DoSerializeRect(ar, m_rectMargins);
    ar >> m_nOrientation >> m_nPaperSize;
    // A damaged or foreign file must not make the view draw millions of grid
    // lines or overflow its sizes.
    DoBound();
    // A new symbol is placed at the insertion cell: it stays within the
    // largest frame, so that what is placed there is a position the file
    // can hold.
    const int32_t extent = settings_limits::kMaxFrameCount * 40;
    for (fw::CPoint* p : {&m_ptInsert, &m_ptClick}) {
        p->x = std::clamp(p->x, -extent, extent);
        p->y = std::clamp(p->y, -extent, extent);
    }
}

std::string CInfoSkeleton::DoGetTextFrequency(int withUnit) const {
    std::string text = DLLGetTextByBeams(m_nFrequency, 0);
    if (withUnit == 1)
        text += fw::LoadString(26388);
    return text;
}

bool CInfoSkeleton::DoBound() {
    using namespace settings_limits;
    bool changed = Bound(m_nFrameCountX, kMinFrameCount, kMaxFrameCount);
    changed |= Bound(m_nFrameCountY, kMinFrameCount, kMaxFrameCount);
    changed |= Bound(m_nZoom, kMinZoom, kMaxZoom);
    changed |= DoBoundMargins(m_rectMargins);
    return changed;
}

void CInfoReport::Serialize(fw::CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_nZoom << m_nReportKind;
        DoSerializeRect(ar, m_rectMargins);
        ar << m_nOrientation << m_nPaperSize;
        return;
    }
    ar >> m_nZoom >> m_nReportKind;
    DoSerializeRect(ar, m_rectMargins);
    ar >> m_nOrientation >> m_nPaperSize;
    DoBound();
}

bool CInfoReport::DoBound() {
    using namespace settings_limits;
    bool changed = Bound(m_nZoom, kMinZoom, kMaxZoom);
    // A kind no report has would show an empty view and print nothing: the
    // first report instead.
    if (m_nReportKind < 0 || m_nReportKind > 7) {
        m_nReportKind = 0;
        changed = true;
    }
    changed |= DoBoundMargins(m_rectMargins);
    return changed;
}

void CInfoImpeMap::Serialize(fw::CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_nZoom;
        DoSerializeViewPoint(ar, m_ptScroll);
        DoSerializeRect(ar, m_rectMargins);
        ar << m_nOrientation << m_nPaperSize;
        return;
    }
    ar >> m_nZoom;
    DoSerializeViewPoint(ar, m_ptScroll);
    DoSerializeRect(ar, m_rectMargins);
    ar >> m_nOrientation >> m_nPaperSize;
    DoBound();
}

bool CInfoImpeMap::DoBound() {
    using namespace settings_limits;
    bool changed = Bound(m_nZoom, kMinZoom, kMaxZoom);
    changed |= DoBoundMargins(m_rectMargins);
    return changed;
}
