#pragma once

#include "framework/Archive.h"
#include "framework/DeviceContext.h"
#include "framework/Geometry.h"

#include "app/records/EleDocSettings.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class CCurveOwner;
class CdPoint;
class CdPointList;

// Tells the document that a curve's selection changed: it marks itself
// modified and updates its views with the hint (21 the curve, 22 its label,
// 23 to 25 a breaker's short-circuit line and current markers) and the
// owner.
using CCurveNotify = std::function<void(int32_t hint, CCurveOwner* owner)>;

// One co-ordination graph: a log-log diagram of currents and times (or, by
// kind, of let-through currents and I2t) with its axis ranges, pens, view
// state, paper settings and the layout of its plot area. Curves do not belong
// to a graph: their owners keep the numbers of the graphs they are shown on.
//
// Logical y grows upward: the plot rectangle's top holds its lower edge.
class CObjGraph : public fw::CObject {
    FW_DECLARE_SERIAL(CObjGraph)
public:
    // Graph kinds.
    enum Kind : uint32_t {
        kCoordination = 0,
        kCascade = 1,
        kDiscrimination = 2,
        kDisconnect = 3,
        kCurrentLimiting = 10,
        kLetThrough = 11,
    };

    CObjGraph() = default;
    CObjGraph(const CObjGraph&) = default;
    CObjGraph& operator=(const CObjGraph&) = default; // every field, unstored ones too
    ~CObjGraph() override = default;

    // The caption that names a new graph of the kind; empty for other kinds.
    static std::string GetKindCaption(uint32_t kind);

    // Axis ranges in use: the fixed-scale form's in print mode 2, else the
    // graph's own.
    double GetCurrentMin() const;
    double GetCurrentMax() const;
    double GetTimeMin() const;
    double GetTimeMax() const;

    // Decade lengths in use, in logical units.
    double GetCurrentDecadeSize() const;
    double GetTimeDecadeSize() const;

    // Mapping between values and logical coordinates. Currents are curve
    // currents (current times the curve's voltage) and are divided by the
    // standard voltage when that is 1 or more. A value of 0 or less maps to
    // the origin. Without a layout (decade size 0) the reverse mapping gives
    // the axis minimum.
    double GetXByCurrent(double current) const;
    double GetYByTime(double time) const;
    double GetCurrentByX(double x) const;
    double GetTimeByY(double y) const;
    void DoConvPoint(CdPoint& point) const;
    void DoConvAllPoints(CdPointList& points) const;

    // Fits the axes exactly into the rectangle; the plot rectangle.
    fw::CRect DoSetGraphRect(const fw::CRect& rect);
    // Lays the graph out in a frame: the decades of the vertical axis set
    // both decade lengths, the current decades then widened (kinds 10 and
    // 11 by 1082/1000, others by 13/10) unless printing to a scale. The plot
    // rectangle.
    fw::CRect DoCalcGraphRect(int32_t left, int32_t top, int32_t right, int32_t bottom);

    // The curves on the graph, through their owners (the elements shown on
    // this graph, gathered by the caller). Drawing is clipped to the
    // rectangle while it lasts.
    void DoDrawAllCurves(fw::CDC* pDC, const CEleDocSettings& settings,
                         const std::vector<CCurveOwner*>& owners, const fw::CRect& clip);
    // Whether the cross cursor stands for a curve under the device point:
    // false too when the point is on a part (label, line, marker) that is
    // selected already, which keeps the cursor that part shows.
    bool DoSetHitCursor(fw::CDC* pDC, const std::vector<CCurveOwner*>& owners,
                        fw::CPoint devicePoint);
    // A click at a logical point: curves and their parts take their hit
    // state (with shift, hit ones are toggled); a click on one curve of a
    // selection of several keeps the selection. The count of selected
    // curves.
    int32_t DoSelectCurvesAt(fw::CDC* pDC, const std::vector<CCurveOwner*>& owners, uint32_t flags,
                             fw::CPoint point, const CCurveNotify& notify);
    // The same among the owners given, keeping a selected curve whose part
    // was hit; the owner when exactly one curve ends up selected, else null.
    CCurveOwner* DoSelectSingleAt(fw::CDC* pDC, const std::vector<CCurveOwner*>& owners,
                                  uint32_t flags, fw::CPoint point, const CCurveNotify& notify);

    // --- the fixed parts of the graph (CObjGraph_Draw.cpp) ---------------
    // The values an axis is walked through from its minimum: 1, 2, ... 9
    // times each power of ten (from the minimum's own multiple), each read
    // back to 6 significant digits, while not above the maximum. The decade
    // walk: the minimum times 1, 10, 100 ... A range without sense (a bound
    // of 0 or below, not finite, or more than kMaxScaleSteps values) walks
    // nothing, so that no file can make the drawing loop.
    static constexpr size_t kMaxScaleSteps = 10000;
    static std::vector<double> GetScaleSteps(double minimum, double maximum);
    static std::vector<double> GetDecadeSteps(double minimum, double maximum);
    // Whether a scale number is written at v (a power of ten, the minimum or
    // the maximum, each read back to 6 digits), and its text: "%d" of the
    // truncated value from 1 up, else "%f" without trailing zeros.
    static bool IsScaleNumberShown(double v, double minimum, double maximum);
    static std::string GetScaleText(double v);
    // The fixed-scale form's numbers: their text ("^" starts an exponent
    // drawn raised) and whether they are written.
    static std::string GetFormCurrentText(double v, double formMinimum);
    static bool IsFormCurrentShown(double v, double formMinimum, double formMaximum);
    static std::string GetFormTimeText(double v);
    static bool IsFormTimeShown(double v, double minimum, double maximum);
    // The axis titles of the graph's kind.
    std::string GetCurrentAxisTitle() const;
    std::string GetTimeAxisTitle() const;

    // Grid, scale numbers and axis titles around the plot rectangle given.
    // page is the printable page in logical units, used by the printing
    // modes 1 and 2. The frame back: its bottom moved to the page's in
    // print mode 1.
    fw::CRect DrawGraph(fw::CDC* pDC, int32_t left, int32_t top, int32_t right, int32_t bottom,
                        fw::CSize page = fw::CSize());
    void DoDrawGrid(fw::CDC* pDC, double iMin, double iMax, double tMin, double tMax,
                    const fw::CRect& frame);
    void DoDrawScales(fw::CDC* pDC, double iMin, double iMax, double tMin, double tMax,
                      const fw::CRect& frame);
    void DoDrawTitles(fw::CDC* pDC, const fw::CRect& frame);
    void DoDrawFormScales(fw::CDC* pDC, const fw::CRect& frame);
    void DoDrawFormTitles(fw::CDC* pDC, const fw::CRect& frame);
    // Font kinds of the scale numbers, the current-axis and the vertical
    // title for the graph's kind.
    int GetScaleFontKind() const;
    int GetCurrentTitleFontKind() const;
    int GetTimeTitleFontKind() const;

    // The axis ranges a new graph of the kind is given when nothing else
    // is: the document's for kinds 0 to 3, the fixed ones of kinds 10, 11.
    static void GetDefaultRanges(uint32_t kind, double* currentMin, double* currentMax,
                                 double* timeMin, double* timeMax);

    // The record; the six print values from file version 1.1 on.
    void Serialize(fw::CArchive& ar) override;

    uint32_t m_nCurrent = 0; // 1 for the current graph of its list
    uint32_t m_nGraphNo = 0;
    uint32_t m_nKind = 0;
    std::string m_strName;
    double m_dCurrentMin = 0.0; // A
    double m_dCurrentMax = 0.0;
    double m_dTimeMin = 0.0; // s (or the kind's vertical quantity)
    double m_dTimeMax = 0.0;
    int32_t m_nStdVoltage = 0; // V the current axis refers to; 0 none
    // Percent; a file's 0 or less reads as 100, others are kept inside the
    // views' zoom limits (settings_limits), since the layout divides by it.
    int32_t m_nZoom = 100;
    int32_t m_nBand = 1; // 1 tolerance bands, 0 typical curves
    int32_t m_nDecadeWidth = 15;
    int32_t m_nDecadeStyle = 0;
    fw::COLORREF m_crDecade = 0x000000;
    int32_t m_nFineWidth = 8;
    int32_t m_nFineStyle = 0;
    fw::COLORREF m_crFine = 0xC0C0C0;
    fw::COLORREF m_crBack = 0xFFFFFF;
    fw::COLORREF m_crScaleText = 0x000000;
    fw::COLORREF m_crTitlePen = 0x000000;
    fw::CPoint m_ptScroll;
    fw::CRect m_rectGraph;                   // the plot area, logical units
    fw::CRect m_rectMargins{20, 10, 10, 10}; // mm
    uint16_t m_nOrientation = 1;             // 1 portrait
    uint16_t m_nPaperSize = 9;               // A4
    double m_dPrintCurrentDecade = 60.0;     // mm, print mode 1
    double m_dPrintTimeDecade = 25.0;
    double m_dFormCurrentMin = 2.0; // print mode 2
    double m_dFormCurrentMax = 30000.0;
    double m_dFormTimeMin = 0.01;
    double m_dFormTimeMax = 10000.0;
    // Not stored: set by the layout and by printing.
    fw::CPoint m_ptOrigin;
    int32_t m_nPrint = 0;         // 1 while the view prints this graph
    int32_t m_nPrintMode = 0;     // 0 normal, 1 decades in mm, 2 fixed form
    int32_t m_nCurrentDecade = 0; // logical units
    int32_t m_nTimeDecade = 0;

private:
    // Brings the ranges and the voltage of a loaded record back where the
    // layout and the grid can use them.
    void DoBoundLoaded();
};
