#pragma once

#include "breakerdata/model/CdPointList.h"
#include "framework/COwnedList.h"

class CReadCurve;
class CInfoBase;
class CReadBase;
class CInfoPart;
class CReadPart;
class CInfoLine;

// One curve of a trip element computed from a reference curve at the
// device's settings. Not stored in documents.
class COneCurve {
public:
    COneCurve() = default;
    COneCurve(const COneCurve&) = default;
    COneCurve& operator=(const COneCurve&) = default;

    // The instantaneous value: the reference curve's instantaneous X, moved by
    // its X tolerance for point types 1 and 3, then scaled as the points are.
    void DoCalcSetInstValue(int pointType, const CReadCurve& curve, const CInfoBase& info,
                            const CReadBase& base, const CInfoPart& setting, const CReadPart& part);

    CdPointList m_listPoint; // owned
    // The time below which the curve does not go: the time offset plus the
    // reference curve's saturation time (s), moved by the time tolerance for
    // a derived band; 0 when the curve has none. Before the merge the caller
    // maps it onto the graph as it maps the points: a level above 0 becomes
    // the graph's y of that time, 0 stays 0. The merge reads a level of 0 or
    // less as none.
    double m_dSaturation = 0.0;
    double m_dInstValue = 0.0; // instantaneous trip value (current times voltage)
};

// The computed curves of an element (or of a device), in order.
class COneCurveList : public COwnedList<COneCurve> {
public:
    COneCurve* DoAddNewOneCurve();
    void DoCopyAllOneCurves(const COneCurveList& other);
    void DoDeleteAllOneCurves();

    // Appends a curve for every reference curve of the element of the kind
    // wanted (1 upper, 2 typical, 3 lower) that the time setting lets through
    // and that has points; TRUE when at least one was appended.
    int DoCalcSetAllOneCurves(unsigned kind, const CInfoBase& info, const CReadBase& base,
                              const CInfoPart& setting, const CReadPart& part, double offset);
    // Derives the upper (band type 1) or lower (3) curve from the first
    // typical reference curve that carries tolerances; TRUE when one was
    // appended.
    int DoCalcSetErrorCurves(int bandType, const CInfoBase& info, const CReadBase& base,
                             const CInfoPart& setting, const CReadPart& part, const CInfoLine& line,
                             double offset);
};
