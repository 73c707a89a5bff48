#include "CObjGraph.h"

#include "app/records/DocSettings.h"
#include "app/records/FileVersion.h"
#include "app/records/GeometryRecords.h"
#include "breakerdata/model/CdPoint.h"
#include "breakerdata/model/CdPointList.h"

#include <algorithm>
#include <cmath>
#include <limits>

FW_IMPLEMENT_SERIAL(CObjGraph, 0)

namespace {

// Decade length on print mode 2's fixed-scale form, logical units.
constexpr double kFormDecade = 434.29;

// Decades between two values of an axis; 0 for a range that has none (a
// bound of 0 or below, equal bounds, values past the double's range), so
// that the layout gives a decade length of 0 instead of dividing by zero.
double Decades(double low, double high) {
    if (!(low > 0.0) || !(high > 0.0))
        return 0.0;
    double decades = std::log10(high / low);
    return std::isfinite(decades) && decades > 0.0 ? decades : 0.0;
}

// trunc(length / decades) as a 32-bit word; 0 for no decades.
int32_t DecadeLength(int64_t length, double decades) {
    if (decades <= 0.0)
        return 0;
    double size = std::trunc(static_cast<double>(length) / decades);
    if (size > std::numeric_limits<int32_t>::max() || size < std::numeric_limits<int32_t>::min())
        return 0;
    return static_cast<int32_t>(size);
}

// A scale read from a file. The layout divides by it (the frame is 100000 /
// scale wide), so 0 or below, which means nothing, becomes the default 100;
// any other is brought inside the zooms the views allow.
int32_t BoundedScale(int32_t scale) {
    if (scale <= 0)
        return 100;
    return std::clamp(scale, settings_limits::kMinZoom, settings_limits::kMaxZoom);
}

int32_t Clamp32(double value) {
    if (!(value > std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    if (!(value < std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(value);
}

} // namespace

std::string CObjGraph::GetKindCaption(uint32_t kind) {
    switch (kind) {
    case kCoordination:
        return "Co-ordination";
    case kCascade:
        return "Cascade";
    case kDiscrimination:
        return "Discrimination";
    case kDisconnect:
        return "Disconnect";
    case kCurrentLimiting:
        return "Current Limiting Characteristic";
    case kLetThrough:
        return "I2t let-through Characteristic";
    default:
        return std::string();
    }
}

double CObjGraph::GetCurrentMin() const {
    return m_nPrintMode == 2 ? m_dFormCurrentMin : m_dCurrentMin;
}

double CObjGraph::GetCurrentMax() const {
    return m_nPrintMode == 2 ? m_dFormCurrentMax : m_dCurrentMax;
}

double CObjGraph::GetTimeMin() const {
    return m_nPrintMode == 2 ? m_dFormTimeMin : m_dTimeMin;
}

double CObjGraph::GetTimeMax() const {
    return m_nPrintMode == 2 ? m_dFormTimeMax : m_dTimeMax;
}

double CObjGraph::GetCurrentDecadeSize() const {
    if (m_nPrint == 1 && m_nPrintMode == 1)
        return m_dPrintCurrentDecade * 10.0;
    if (m_nPrint == 1 && m_nPrintMode == 2)
        return kFormDecade;
    return m_nCurrentDecade;
}

double CObjGraph::GetTimeDecadeSize() const {
    if (m_nPrint == 1 && m_nPrintMode == 1)
        return m_dPrintTimeDecade * 10.0;
    if (m_nPrint == 1 && m_nPrintMode == 2)
        return kFormDecade;
    return m_nTimeDecade;
}

double CObjGraph::GetXByCurrent(double current) const {
    if (current <= 0.0)
        return m_ptOrigin.x;
    double reference = GetCurrentMin();
    if (m_nStdVoltage >= 1)
        reference *= m_nStdVoltage;
    return m_ptOrigin.x + GetCurrentDecadeSize() * std::log10(current / reference);
}

double CObjGraph::GetYByTime(double time) const {
    if (time <= 0.0)
        return m_ptOrigin.y;
    return m_ptOrigin.y + GetTimeDecadeSize() * std::log10(time / GetTimeMin());
}

double CObjGraph::GetCurrentByX(double x) const {
    double size = GetCurrentDecadeSize();
    double current = GetCurrentMin();
    if (size != 0.0)
        current *= std::pow(10.0, (x - m_ptOrigin.x) / size);
    if (m_nStdVoltage >= 1)
        current *= m_nStdVoltage;
    return current;
}

double CObjGraph::GetTimeByY(double y) const {
    double size = GetTimeDecadeSize();
    if (size == 0.0)
        return GetTimeMin();
    return GetTimeMin() * std::pow(10.0, (y - m_ptOrigin.y) / size);
}

void CObjGraph::DoConvPoint(CdPoint& point) const {
    point.m_dX = GetXByCurrent(point.m_dX);
    point.m_dY = GetYByTime(point.m_dY);
}

void CObjGraph::DoConvAllPoints(CdPointList& points) const {
    for (auto& point : points)
        DoConvPoint(*point);
}

fw::CRect CObjGraph::DoSetGraphRect(const fw::CRect& rect) {
    m_rectGraph = rect;
    m_nCurrentDecade =
        DecadeLength(int64_t{rect.right} - rect.left, Decades(m_dCurrentMin, m_dCurrentMax));
    m_nTimeDecade = DecadeLength(int64_t{rect.bottom} - rect.top, Decades(m_dTimeMin, m_dTimeMax));
    m_ptOrigin = fw::CPoint(rect.left, rect.top);
    return m_rectGraph;
}

fw::CRect CObjGraph::DoCalcGraphRect(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    double lx = 0.0;
    double ly = 0.0;
    if (m_nPrintMode == 2) {
        m_dFormCurrentMin = 2.0 * m_dCurrentMin;
        m_dFormCurrentMax = 30000.0 * m_dCurrentMin;
        lx = Decades(m_dFormCurrentMin, m_dFormCurrentMax);
        ly = Decades(m_dFormTimeMin, m_dFormTimeMax);
    } else {
        lx = Decades(m_dCurrentMin, m_dCurrentMax);
        ly = Decades(m_dTimeMin, m_dTimeMax);
    }
    // Both lengths come from the vertical axis's decades: a current decade
    // has one length whatever the current range.
    m_nTimeDecade = DecadeLength(int64_t{bottom} - top, ly);
    m_nCurrentDecade = DecadeLength(int64_t{right} - left, ly);
    int32_t plotRight = 0;
    int32_t plotBottom = 0;
    if (m_nPrint == 1 && (m_nPrintMode == 1 || m_nPrintMode == 2)) {
        plotRight = Clamp32(left + std::trunc(lx * GetCurrentDecadeSize()));
        plotBottom = Clamp32(top + std::trunc(ly * GetTimeDecadeSize()));
    } else {
        int64_t size = m_nCurrentDecade;
        if (m_nKind == kCurrentLimiting || m_nKind == kLetThrough)
            size = size * 1082 / 1000;
        else
            size = size * 13 / 10;
        m_nCurrentDecade = static_cast<int32_t>(size);
        plotRight = Clamp32(left + std::trunc(lx * m_nCurrentDecade));
        plotBottom = Clamp32(top + std::trunc(ly * m_nTimeDecade));
    }
    m_rectGraph = fw::CRect(left, top, plotRight, plotBottom);
    m_ptOrigin = fw::CPoint(left, top);
    return m_rectGraph;
}

void CObjGraph::GetDefaultRanges(uint32_t kind, double* currentMin, double* currentMax,
                                 double* timeMin, double* timeMax) {
    double ranges[4] = {10.0, 100000.0, 0.01, 100000.0};
    if (kind == kCurrentLimiting) {
        ranges[0] = 1000.0;
        ranges[1] = 1000000.0;
        ranges[2] = 1000.0;
        ranges[3] = 1000000.0;
    } else if (kind == kLetThrough) {
        ranges[0] = 1000.0;
        ranges[1] = 1000000.0;
        ranges[2] = 100000.0;
        ranges[3] = 100000000.0;
    }
    *currentMin = ranges[0];
    *currentMax = ranges[1];
    *timeMin = ranges[2];
    *timeMax = ranges[3];
}

void CObjGraph::DoBoundLoaded() {
    // The layout divides by the decades of each axis and the grid walks them
    // from the minimum: an axis without a positive, rising range of finite
    // values takes the kind's default range.
    double ranges[4];
    GetDefaultRanges(m_nKind, &ranges[0], &ranges[1], &ranges[2], &ranges[3]);
    auto sound = [](double low, double high) {
        return std::isfinite(low) && std::isfinite(high) && low > 0.0 && high > low &&
               Decades(low, high) > 0.0;
    };
    if (!sound(m_dCurrentMin, m_dCurrentMax)) {
        m_dCurrentMin = ranges[0];
        m_dCurrentMax = ranges[1];
    }
    if (!sound(m_dTimeMin, m_dTimeMax)) {
        m_dTimeMin = ranges[2];
        m_dTimeMax = ranges[3];
    }
    // A negative voltage means none.
    if (m_nStdVoltage < 0)
        m_nStdVoltage = 0;
}

void CObjGraph::Serialize(fw::CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_nCurrent << m_strName << m_nGraphNo << m_nKind << m_nStdVoltage << m_crBack;
        ar << m_nDecadeWidth << m_nDecadeStyle << m_crDecade;
        ar << m_nFineWidth << m_nFineStyle << m_crFine;
        ar << m_dCurrentMin << m_dCurrentMax << m_dTimeMin << m_dTimeMax;
        ar << m_crScaleText << m_crTitlePen << m_nZoom << m_nBand;
    } else {
        ar >> m_nCurrent >> m_strName >> m_nGraphNo >> m_nKind >> m_nStdVoltage >> m_crBack;
        ar >> m_nDecadeWidth >> m_nDecadeStyle >> m_crDecade;
        ar >> m_nFineWidth >> m_nFineStyle >> m_crFine;
        ar >> m_dCurrentMin >> m_dCurrentMax >> m_dTimeMin >> m_dTimeMax;
        ar >> m_crScaleText >> m_crTitlePen >> m_nZoom >> m_nBand;
        m_nZoom = BoundedScale(m_nZoom);
        DoBoundLoaded();
    }
    DoSerializePoint(ar, m_ptScroll);
    DoSerializeRect(ar, m_rectGraph);
    DoSerializeRect(ar, m_rectMargins);
    if (ar.IsStoring()) {
        ar << m_nOrientation << m_nPaperSize;
        ar << m_dPrintCurrentDecade << m_dPrintTimeDecade;
        ar << m_dFormCurrentMin << m_dFormCurrentMax << m_dFormTimeMin << m_dFormTimeMax;
        return;
    }
    ar >> m_nOrientation >> m_nPaperSize;
    if (GetFileVersionNumber(ar) >= 1.1) {
        ar >> m_dPrintCurrentDecade >> m_dPrintTimeDecade;
        ar >> m_dFormCurrentMin >> m_dFormCurrentMax >> m_dFormTimeMin >> m_dFormTimeMax;
        // The same for the print values, which the printed layout divides by.
        const CObjGraph defaults;
        if (!(m_dPrintCurrentDecade > 0.0) || !std::isfinite(m_dPrintCurrentDecade))
            m_dPrintCurrentDecade = defaults.m_dPrintCurrentDecade;
        if (!(m_dPrintTimeDecade > 0.0) || !std::isfinite(m_dPrintTimeDecade))
            m_dPrintTimeDecade = defaults.m_dPrintTimeDecade;
        if (Decades(m_dFormCurrentMin, m_dFormCurrentMax) <= 0.0 ||
            !std::isfinite(m_dFormCurrentMax)) {
            m_dFormCurrentMin = defaults.m_dFormCurrentMin;
            m_dFormCurrentMax = defaults.m_dFormCurrentMax;
        }
        if (Decades(m_dFormTimeMin, m_dFormTimeMax) <= 0.0 || !std::isfinite(m_dFormTimeMax)) {
            m_dFormTimeMin = defaults.m_dFormTimeMin;
            m_dFormTimeMax = defaults.m_dFormTimeMax;
        }
    } else {
        const CObjGraph defaults;
        m_dPrintCurrentDecade = defaults.m_dPrintCurrentDecade;
        m_dPrintTimeDecade = defaults.m_dPrintTimeDecade;
        m_dFormCurrentMin = defaults.m_dFormCurrentMin;
        m_dFormCurrentMax = defaults.m_dFormCurrentMax;
        m_dFormTimeMin = defaults.m_dFormTimeMin;
        m_dFormTimeMax = defaults.m_dFormTimeMax;
    }
}
