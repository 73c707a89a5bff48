#pragma once

#include "app/protection/CGraphNoList.h"
#include "app/records/EleDocSettings.h"
#include "breakerdata/model/CInfoBase.h"
#include "breakerdata/model/CInfoLine.h"
#include "breakerdata/model/CInfoPart.h"
#include "breakerdata/model/COneCurve.h"
#include "breakerdata/model/CReadBase.h"
#include "breakerdata/model/CReadPart.h"
#include "breakerdata/model/CdPointList.h"
#include "framework/Archive.h"
#include "framework/COwnedList.h"
#include "framework/DeviceContext.h"
#include "framework/Geometry.h"

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>

namespace fw {
class CRgn;
} // namespace fw
class CGapLine;
class CObjGraph;
class CObjRefV2;

// The meanings this program gives to the selection's and the dial settings'
// spare fields, which the breaker library keeps without reading them.
namespace adjust_fields {
// Selection (CInfoBase): the open-time flag, the breaking-time flag, the
// second breaking-time flag, and the breaking time in cycles.
inline int32_t& OpenTimeFlag(CInfoBase& info) {
    return info.m_nExtraA[0];
}
inline int32_t OpenTimeFlag(const CInfoBase& info) {
    return info.m_nExtraA[0];
}
inline int32_t& BreakTimeFlag(CInfoBase& info) {
    return info.m_nExtraA[1];
}
inline int32_t BreakTimeFlag(const CInfoBase& info) {
    return info.m_nExtraA[1];
}
inline int32_t& BreakTimeFlag2(CInfoBase& info) {
    return info.m_nExtraA[2];
}
inline int32_t BreakTimeFlag2(const CInfoBase& info) {
    return info.m_nExtraA[2];
}
inline int32_t& BreakCycles(CInfoBase& info) {
    return info.m_nExtraB[0];
}
inline int32_t BreakCycles(const CInfoBase& info) {
    return info.m_nExtraB[0];
}
// Dial setting (CInfoPart): the lock flag (1: the element is locked and
// draws no curve) and the timer flag.
inline int32_t& LockFlag(CInfoPart& part) {
    return part.m_nExtra[0];
}
inline int32_t LockFlag(const CInfoPart& part) {
    return part.m_nExtra[0];
}
inline int32_t& TimerFlag(CInfoPart& part) {
    return part.m_nExtra[1];
}
inline int32_t TimerFlag(const CInfoPart& part) {
    return part.m_nExtra[1];
}
} // namespace adjust_fields

// The time-current characteristic of one protective device: the product
// chosen from the breaker database, the dial setting of each trip element,
// the line style and the graphs the curve stands on (all stored), and what is
// rebuilt from them (the reference data, the curves of the three kinds and
// their polylines on the graph last drawn), which is never stored.
//
// Curve currents are current times the device voltage (A·V); a graph divides
// them by its own voltage when it maps them. Times are in seconds.
//
// "what" of the graph operations: 0 and 1 the curve, 100 and 101 its label;
// anything else does nothing.
class CObjAdjust : public fw::CObject {
    FW_DECLARE_SERIAL(CObjAdjust)
public:
    CObjAdjust() = default;
    // A deep copy as DoCopyObjAdjust (the gap-line label numbers start at 0).
    CObjAdjust(const CObjAdjust& other);
    CObjAdjust& operator=(const CObjAdjust& other);
    ~CObjAdjust() override = default;

    // The record: initialised, selected, the selection, the dial settings
    // and the graph placements as object lists, the line style between
    // them. Nothing rebuilt from the database is stored.
    void Serialize(fw::CArchive& ar) override;

    // Defaults. Each first takes the curve off every graph and clears the
    // selected flag, then does nothing more once the characteristic is
    // initialised. A voltage below 1 takes the list database's default.
    void DoSetDefaultAdjustHV(int32_t frequency, int32_t voltage);
    void DoSetDefaultAdjustLV(int32_t voltage);
    void DoSetDefaultAdjustThermal(int32_t voltage);
    // Takes another device's product, rated by its maximum rated value; 1
    // done (or initialised already), 0 when the database has no such rating.
    int32_t DoSelectAdjustByRated(const CInfoBase& selection, const CReadBase& base,
                                  const CInfoLine& line);

    // Re-reads the reference base and parts from the breaker database; 1
    // read, 0 not.
    int32_t DoReadAdjustFromDB();
    // Recomputes the upper, lower and typical curves (frequency in Hz for
    // the breaking time); always 1.
    int32_t DoCalcAdjustCurves(int32_t frequency);
    // Reads and computes, when the selection is complete enough.
    void DoCalcCurve(int32_t frequency);
    // Builds the three polylines on the graph, cut at the breaking current
    // (A; 0 or less: uncut). The label's anchor point.
    fw::CPoint DoMakeAdjustCurve(const CObjGraph& graph, double breakingCurrent);
    // Draws curve and label on the graph; the graph's number, or 0 when the
    // curve is not on it.
    uint32_t DoDrawCurve(fw::CDC* pDC, int32_t rop2, const CObjGraph& graph,
                         const std::string& label, double breakingCurrent);
    // Draws the shown polylines, red while selected on screen.
    void DoDrawAdjustCurve(fw::CDC* pDC, int32_t rop2, int32_t selected) const;

    int32_t IsHittedCurve(fw::CDC* pDC, fw::CPoint point, uint32_t graphNo, int32_t what) const;
    // Graph number 0: every graph.
    void DoSelectCurve(int32_t value, uint32_t flags, uint32_t graphNo, int32_t what);
    // Erases the curve (what 0/1) or its label (100/101) on the graph.
    void DoInvalidateCurve(const CEleInvalidate& invalidate, fw::CDC* pDC, uint32_t graphNo,
                           int32_t what) const;
    // The bounding rectangle of the shown polylines, widened by the line
    // width.
    fw::CRect GetCurveRect() const;
    // The label placement on the graph, only while it is selected.
    CObjRefV2* GetCurveRefV2(uint32_t graphNo) const;
    // Writes label and curves; the graph's number, or 0 when not on it.
    uint32_t DoDXFOutCurve(std::ostream& file, int32_t layer, const CObjGraph& graph,
                           const std::string& label, double breakingCurrent);
    // The dial settings as text.
    std::string DoGetAdjustSettingText() const;

    // Instantaneous trip currents (A) of the upper, lower and typical
    // curves; each out-value given is set (0 when none). Nothing when the
    // rated value is not above 0.
    void DoCalcGetStartCurrents(int32_t frequency, double* upper = nullptr, double* lower = nullptr,
                                double* typical = nullptr);
    // The current (graph-referred, A·V) at which the shown curve reaches
    // the graph's y; 0 when it does not.
    double GetCurrentAtY(double y, const CObjGraph& graph, double breakingCurrent);
    // The region right of the curve (trip) or left of one edge of it (no
    // trip: edge 1 upper, 3 lower); the instantaneous trip current either
    // way. A null region only computes the current.
    double DoMakeTripRegion(int32_t frequency, const CObjGraph& graph, fw::CRgn* region,
                            double breakingCurrent);
    double DoMakeNoTripRegion(int32_t frequency, const CObjGraph& graph, fw::CRgn* region,
                              double breakingCurrent, int32_t edge);
    // The last reference part's last flag and the last setting's lock flag.
    void GetLastPartFlags(int32_t* lastFlag = nullptr, int32_t* lockFlag = nullptr) const;

    // Gap-line labels of the shown curves: invalidation, texts and leaders.
    // The drawing ones number the current labels on from last and give the
    // last number used.
    void DoDrawGapValue(const CEleInvalidate& invalidate, fw::CDC* pDC, const CObjGraph& graph,
                        const CGapLine& gapLine, int32_t timeFlag, int32_t currentFlag) const;
    int32_t DoDrawGapTexts(fw::CDC* pDC, const CObjGraph& graph, const CGapLine& gapLine,
                           int32_t timeFlag, int32_t currentFlag, int32_t last);
    int32_t DoDrawGapLeaders(fw::CDC* pDC, const CObjGraph& graph, const CGapLine& gapLine,
                             int32_t timeFlag, int32_t currentFlag, int32_t last);

    // A deep copy of everything but the gap-line label numbers.
    void DoCopyObjAdjust(const CObjAdjust& other);

    // Whether the band (display mode 1) or the typical curve is shown, and
    // the polylines that are shown accordingly (the typical one when the
    // band has none, and the other way round).
    bool IsBandMode() const { return m_infoLine.m_nBandFlag == 1; }
    bool IsTypicalShown() const;

    // Not stored: the gap-line label numbers of the last drawing.
    int32_t m_nUpperLabel = 0;
    int32_t m_nLowerLabel = 0;
    int32_t m_nTypicalLabel = 0;
    // Stored.
    uint32_t m_nInitialised = 0; // 1 once defaults or a product were put in
    uint32_t m_nSelected = 0;    // 1 while selected on a graph
    CInfoBase m_infoBase;
    CInfoPartList m_listInfoPart;
    CInfoLine m_infoLine;
    CGraphNoList m_listGraphNo;
    // Not stored: rebuilt from the database.
    CReadBase m_readBase;
    CReadPartList m_listReadPart; // one per dial setting, in its order
    COneCurveList m_listUpperCurve;
    COneCurveList m_listLowerCurve;
    COneCurveList m_listTypicalCurve;
    CdPointList m_listUpperPoint; // graph logical co-ordinates
    CdPointList m_listLowerPoint;
    CdPointList m_listTypicalPoint;
    int32_t m_nLastActivePage = 0; // of the dial adjustment sheet

private:
    // The shown curves' gap-line labels in drawing order: each current label
    // numbered on from last, each time label 1 (upper or typical) or 2.
    using GapLabelFn = std::function<void(double value, int32_t index)>;
    int32_t DoWalkGapLabels(const CObjGraph& graph, const CGapLine& gapLine, int32_t timeFlag,
                            int32_t currentFlag, int32_t last, const GapLabelFn& current,
                            const GapLabelFn& time);

    // Reads the reference data and, only when that succeeded, recomputes the
    // curves; whether it did.
    bool DoReadAndCalc(int32_t frequency);
};

// The characteristics of one element. Stored by the owner as an object list.
class CObjAdjustList : public COwnedList<CObjAdjust> {
public:
    // Appends a default-constructed characteristic.
    CObjAdjust* DoAddNewObjAdjust() { return AddNew(); }
    // Deletes every characteristic, then appends a copy of each of the other
    // list's.
    void DoCopyAllObjAdjust(const CObjAdjustList& other) { CopyFrom(other); }
    void DoDeleteAllObjAdjust() { DeleteAll(); }
    // Sets the selection voltage of every characteristic; the previous
    // voltage of the last one, 0 for an empty list.
    int32_t SetVoltage(int32_t voltage);
};
