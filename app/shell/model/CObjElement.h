#pragma once

#include "app/calc/CPercentZ.h"
#include "app/elements/frame/CEleFrame.h"
#include "app/elements/frame/CEleHead.h"
#include "app/protection/CCurveOwner.h"
#include "framework/Archive.h"
#include "framework/DeviceContext.h"
#include "framework/Geometry.h"

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

class CElementDocument;
class CInfoBase;
class CObjElementList;
class CGapLine;
class CObjAdjust;
class CObjGraph;
class CObjRefV1;
class CObjRefV2;

// One symbol on the skeleton: its kind and the one model of that kind, which
// it owns. Every operation on an element goes through here and is passed to
// the model's member of the same name by the kind (ElementKindTable.h); a
// kind that does not answer an operation gives the operation's neutral
// result and nothing changes. The element is the curve owner the graphs and
// the co-ordination view see: its curve operations go to the model as the
// curve owner it is (breakers, thermal relay, transformers, motor,
// capacitor), whatever its kind.
class CObjElement : public fw::CObject, public CCurveOwner {
    FW_DECLARE_SERIAL(CObjElement)
public:
    // Kind 0 and no model: what an archive reads into.
    CObjElement() = default;
    // A new element of the kind: its model with one skeleton and one
    // impedance-map placement (the text box gets its model only); a kind
    // without a model stays empty.
    explicit CObjElement(int32_t kind);
    // A deep copy: the same kind and a copy of the model by the model's own
    // copy, placements included (none is added).
    CObjElement(const CObjElement& other);
    // Replaces the model by a copy of the other's; the old model is freed.
    // Assigning an element to itself leaves it as it is.
    CObjElement& operator=(const CObjElement& other);
    ~CObjElement() override;

    // The record: the kind, then the model's record with no class tag. A
    // kind without a model is its kind alone, both ways.
    void Serialize(fw::CArchive& ar) override;

    // Identity, selection and marks.
    int32_t GetKind() const { return m_nKind; }
    // The model for kinds 1 to 16 (callers cast by kind); null otherwise.
    CEleHead* GetElement() const;
    // The model for the report pages: as GetElement, but null for a source.
    CEleHead* GetElementObject() const;
    uint32_t GetNumber() const;
    std::string GetName() const;
    void DoSetNewNumber(CElementDocument& doc);
    void DoSetName(CElementDocument& doc);
    // The set-up of an element just placed on the skeleton: its number, the
    // circuit values of its neighbours, its defaults, and its own values
    // pushed to the connected elements.
    void DoInitNewElement(CElementDocument& doc);
    int32_t GetSelect() const;
    void SetSelect(int32_t value);
    void DoSelect(int32_t code, int32_t value, uint32_t flags);
    int32_t IsSelected(int32_t code) const;
    CObjRefV1* GetOnlyRefV1() const;
    uint32_t GetErrorMark() const;
    void SetErrorMark(uint32_t mark);

    // Circuit values. Side 1 is the side facing downward (a transformer's
    // secondary), any other the upward side.
    int32_t GetVoltage(int32_t side = 0) const;
    // The old value; a value below 1 is refused and comes back.
    int32_t SetVoltage(int32_t volts, int32_t side = 0);
    uint32_t GetEarthingSystem() const;
    uint32_t SetEarthingSystem(uint32_t code);
    uint32_t GetWireSystem() const;
    uint32_t SetWireSystem(uint32_t code);
    // Low-voltage breakers: 0 asks the default of the earthing, the old
    // value comes back; others give the argument.
    int32_t DoSetPoles(int32_t poles);
    void SetSinglePhase(int32_t flag);
    int32_t IsSinglePhase() const;
    double GetCapacity() const; // kVA
    int32_t IsOff() const;
    int32_t IsCalcPoint() const;
    // The control id of the first invalid value, 0 when all are valid.
    int32_t DoCheckData() const;
    // The skeleton check of a consumer (motor, general load, capacitor)
    // against the rated current (A) of the breaker above it: 1 when its
    // current fits. Other kinds draw no load current and always fit.
    int32_t IsOkRatedCurrent(double rating) const;
    // Conductors read their impedances again for a new frequency.
    void DoReadZFromDB(int32_t frequency);

    // What the skeleton checks ask of a low-voltage breaker (kind 2): the
    // selection record of its first device (null when it has none), its
    // poles, the check flag the skeleton shows, the electric-shock check
    // flag and the mark of what feeds it (0 nothing above, 1 a source,
    // transformer or zero conductor, 2 a generator). A breaker model
    // answers them through members of the same names; until there is one,
    // every breaker has no device and nothing is marked.
    const CInfoBase* GetFirstInfoBase() const;
    int32_t GetPoles() const;
    int32_t GetCheckFlag() const;
    void SetCheckFlag(int32_t flag);
    void SetShockCheckFlag(int32_t flag);
    int32_t GetFeedMark() const;
    void SetFeedMark(int32_t mark);
    // A conductor's check of its group against a breaker's rated current
    // (A): 1 when it carries it, else its error mark is set. Other kinds
    // carry anything.
    int32_t DoCheckCurrentCapacity(double current, uint32_t group);

    // Geometry and orientation.
    void GetSymbolRect(fw::CRect* rect, fw::CDC* pDC = nullptr) const;
    void SetSymbolRect(const fw::CPoint* topLeft, const fw::CRect* rect);
    void GetUnionRect(fw::CRect* rect) const;
    int32_t GetHorizontal() const;
    int32_t IsHorizontal() const;
    int32_t IsRotatable() const;
    int32_t HasUpperTerminal() const;
    int32_t HasLowerTerminal() const;
    int32_t HasSideTerminal() const;
    // Turns a rotatable symbol by 90 degrees about its centre; the new
    // rectangle, all zero for the other kinds.
    fw::CRect DoRotate(fw::CDC* pDC, int32_t mode);
    // A point in device units, tested in logical units.
    int32_t IsHittedSymbol(fw::CDC* pDC, fw::CPoint devicePoint, int32_t code) const;

    // Drawing and editing.
    // The zero conductor draws a connection line to each element that
    // touches its bar and puts its texts beside its free ends: it is given
    // the diagram (every element of the document); without one it draws its
    // bar alone and places its texts as if nothing were beside it.
    void DoDrawSkeleton(fw::CDC* pDC, const CEleDocSettings& settings,
                        const CObjElementList* diagram = nullptr);
    void DoDrawImpeMap(fw::CDC* pDC, const CEleDocSettings& settings,
                       const CObjElementList* diagram = nullptr);
    void DoCalcLabelV1(fw::CDC* pDC, const CEleDocSettings& settings,
                       const CObjElementList* diagram = nullptr);
    void DoCalcLabelV4(fw::CDC* pDC, const CEleDocSettings& settings,
                       const CObjElementList* diagram = nullptr);
    // Runs the model's dialog: 1 when confirmed, and then the element's new
    // values are pushed to the connected elements; 2 for a dialog that was
    // not confirmed, for the text box always. The voltages before and after
    // come back through oldVolts and newVolts (two words each: transformers
    // primary and secondary; others the voltage and 0).
    int32_t DoEditElement(CElementDocument& doc, fw::CDC* pDC, const CEleInvalidate& invalidate,
                          int32_t oldVolts[2], int32_t newVolts[2]);

    // Short-circuit calculation.
    CPercentZ DoCalcPercentZ(const CEleDocSettings& settings) const;
    CPercentZ DoCalcPercentZNPE(const CEleDocSettings& settings) const;
    double DoCalcDecayCurrent(const CEleDocSettings& settings, double r, double x) const;
    CPercentZ DoSetCalcZ(double baseCapacity, const CPercentZ* first, const CPercentZ* second);
    CPercentZ DoSetCalcZ2(double baseCapacity, const CPercentZ* first, const CPercentZ* second);
    CPercentZ DoSetCalcZ2Ex(double baseCapacity, const CPercentZ* first, const CPercentZ* second);
    void DoClearCalcZ();
    void DoClearCalcZ2();
    void DoClearCalcZ2Ex();

    // Curves on co-ordination graphs (curve kinds 1, 2, 3, 5, 12, 14, 16).
    int32_t IsOnGraph(uint32_t graphNo) const override;
    int32_t IsAddableToGraph(uint32_t graphNo) const override;
    void AddToGraph(uint32_t graphNo, int32_t selected) override;
    // With the graph's kind, which a low-voltage breaker needs for its
    // current markers on cascade and discrimination graphs.
    void AddToGraph(uint32_t graphNo, int32_t selected, uint32_t graphKind) override;
    void RemoveFromGraph(uint32_t graphNo) override;
    CObjRefV2* GetCurveRefV2(const CObjGraph* graph) const override;
    void DoDrawCurve(fw::CDC* pDC, CObjGraph* graph, const CEleDocSettings& settings) override;
    void DoInvalidateCurve(fw::CDC* pDC, CObjGraph* graph, int32_t code,
                           const CEleInvalidate& invalidate) override;
    int32_t IsHittedCurve(fw::CDC* pDC, CObjGraph* graph, fw::CPoint point, int32_t code) override;
    void DoSelectCurve(const CObjGraph* graph, int32_t value, uint32_t flags,
                       int32_t code) override;
    void SetSelectCurve(int32_t value) override;
    int32_t IsSelectedCurve(const CObjGraph* graph, int32_t code) const override;
    // The gap-line value labels (labels: bit 1 times, bit 2 currents) are
    // invalidated through the callback; DoDrawGapLine draws the measures the
    // gap line has on (flag 1 the labels, else the leaders).
    void DoDrawGapValue(fw::CDC* pDC, CObjGraph* graph, CGapLine* gapLine, int32_t labels,
                        const CEleInvalidate& invalidate) override;
    int32_t DoDrawGapLine(fw::CDC* pDC, CObjGraph* graph, CGapLine* gapLine, int32_t flag,
                          int32_t running) override;
    void DoDXFOutCurve(std::ostream& file, CObjGraph* graph,
                       const CEleDocSettings& settings) override;
    // The characteristics of the breakers and the thermal relay (kinds 1,
    // 2, 3): computing their curves for the frequency, their labels, the
    // band or typical curve, and the characteristic in use (a low-voltage
    // breaker reports through which whether it is its first, 0, or its
    // second, 1).
    void DoCalcCurve(int32_t frequency) override;
    void DoDrawCurveLabel(fw::CDC* pDC, CObjGraph* graph, const CCurveChange& change) override;
    void SetCurveBand(int32_t band) override;
    CObjAdjust* GetObjAdjust(int32_t* which = nullptr) const override;
    void GetGraphNoLists(std::vector<CGraphNoList*>& lists) override;
    // Files before 1.1: the labels of the element's curves on the graph take
    // their values again from where they stand.
    void DoConvertGraphLabels(const CObjGraph& graph);

private:
    void FreeModel();
    // Takes the model and finds the curve owner in it.
    void SetModel(std::unique_ptr<CEleHead> model);

    int32_t m_nKind = 0;
    std::unique_ptr<CEleHead> m_pModel; // the model of the kind, or null
    CCurveOwner* m_pCurves = nullptr;   // the model as curve owner, or null
};
