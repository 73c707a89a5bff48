#pragma once

#include "breakerdata/model/CdPoint.h"
#include "framework/COwnedList.h"

#include "framework/Geometry.h"

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>

class COneCurveList;
class CReadCurve;
class CInfoBase;
class CReadBase;
class CInfoPart;
class CReadPart;
namespace fw {
class CDC;
struct CPen;
} // namespace fw

// A curve: its points in order of rising X. The list owns its points.
class CdPointList : public COwnedList<CdPoint> {
public:
    // Appends a new (0, 0) point and returns it for the caller to fill.
    CdPoint* DoAddNewPoint();
    // Frees the list's points and appends copies of the other list's points.
    void DoCopyAllPoints(const CdPointList& other);
    // Frees every point and empties the list.
    void DoDeleteAllPoints();

    // Appends the scaled points of one reference curve: point type 1 applies
    // the plus tolerances, 3 the minus tolerances, any other none; the time
    // offset is added to every Y.
    void DoCalcSetAllPoints(int pointType, const CReadCurve& curve, const CInfoBase& info,
                            const CReadBase& base, const CInfoPart& setting, const CReadPart& part,
                            double offset);

    // The curves below work on the graph's logical coordinates (X grows with
    // current, Y with time).

    // Merges the curves of a device's trip elements, in order, into this list
    // (emptied by the caller): the envelope, at every X the fastest element's
    // time, with a drop at each pick-up. The curves' point lists are a
    // working copy and may change; their points and saturation levels are in
    // the graph's co-ordinates (COneCurve::m_dSaturation says how the level is
    // mapped). A plateau keeps its step whether or not its level is given.
    void DoMakeOneCurve(COneCurveList& curves);
    // Cuts the curve at the logical X of the breaking current (nothing for 0
    // or less); a curve ending short of it is extended along its last segment.
    void DoRectifiesCapacity(int x);
    // Draws the curve as one polyline with the line kind (0 to 4) and width.
    void DoDrawAllPoints(fw::CDC* dc, int rop2, uint32_t colour, int kind, int width) const;
    // TRUE when the point lies within 50 units of a segment of the curve.
    int IsHittedCurve(fw::CDC* dc, fw::CPoint point) const;
    // The bounding rectangle with a margin of 50; (0, 0, 0, 0) when empty.
    fw::CRect DoGetCurveRectLP() const;
    // Writes the curve as one DXF POLYLINE entity, coordinates times scale.
    void DoDXFOutAllPoints(std::ostream& file, int layer, const std::string& lineType,
                           double scale) const;

    // The pen of a curve: solid for kind 0, a geometric pen with the kind's
    // dash pattern (logical units) for kinds 1 to 4, solid for other kinds.
    static bool DoCreateCurevePen(fw::CPen* pen, uint32_t colour, int kind, int width);

private:
    // The tests reach the private steps through it.
    friend struct CdPointListTestAccess;

    int DoCheckSkip(const CdPointList& curve) const;
    void DoCombinatePoints(const CdPointList& points);
    int DoRectifiesPoints1(const CdPointList& curve, const CdPoint* next, double level,
                           CdPointList& setAside);
    void DoRectifiesPoints2(const CdPoint* p2, const CdPoint* p1, const CdPoint* next,
                            double level);
    int DoRectifiesPoints3(const CdPointList& other);
    int DoRectifiesPoints4(const CdPointList& other, int depth = 0);
    static std::unique_ptr<CdPoint> DoGetCrossPoint(const CdPoint* a, const CdPoint* b,
                                                    const CdPoint* c, const CdPoint* d);
    static int DoSearchNearPoint(fw::CDC* dc, fw::CPoint point, fw::CPoint a, fw::CPoint b);
};
