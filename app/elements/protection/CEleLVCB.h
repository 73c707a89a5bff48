#pragma once

#include "app/calc/CCalcPoint.h"
#include "app/elements/frame/CEleFrame.h"
#include "app/elements/frame/LetThrough.h"
#include "app/elements/protection/ProtectPoint.h"
#include "app/protection/CCurrent.h"
#include "app/protection/CCurveOwner.h"
#include "app/protection/CGraphNoList.h"
#include "app/protection/CObjAdjust.h"
#include "breakerdata/model/CCandidate.h"
#include "breakerdata/model/CdPointList.h"

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

class CGapLine;
class CInfoBase;
class CObjAdjust;
class CObjGraph;
class CObjRefV2;

// The low-voltage circuit breaker (kind 2): the breaker chosen from the
// breaker database (element 0 of its characteristic list; element 1 is a
// ground-fault characteristic where the type has one), the candidates of the
// last automatic selection, its own and its selection current marker, the
// settings and result of the electric-shock check and its let-through curves.
// It adds no impedance to the network; its calculation points receive the
// results at its place.
class CEleLVCB : public CEleFrame,
                 public CProtectPoint,
                 public CLetThroughSource,
                 public CCurveOwner {
public:
    CEleLVCB();
    CEleLVCB(const CEleLVCB& other);
    CEleLVCB& operator=(const CEleLVCB& other);
    ~CEleLVCB() override;

    // Criteria: how the breaker was last chosen.
    enum Criterion : uint32_t {
        kManual = 0,
        kByIcs = 1,
        kByIcu = 2,
        kAtSecondPoint = 8,
    };

    // The characteristic (element 0) and the second one (element 1); null
    // when missing.
    CObjAdjust* GetAdjust() const;
    CObjAdjust* GetSecondAdjust() const;
    // The characteristic in use: the first when it is selected on a graph,
    // else the second when there is one; which gives 0 or 1.
    CObjAdjust* GetObjAdjust(int32_t* which = nullptr) const override;
    CObjAdjust* DoAddNewObjAdjust() { return m_listAdjust.DoAddNewObjAdjust(); }
    // For a type of breaker code 30 (a ground-fault trip), the second
    // characteristic (added when missing) takes the product again by its
    // highest rated value; 1 when the database has that rating, else 0.
    int32_t DoSetSecondCharacteristic(const CInfoBase& selection, const CReadBase& base,
                                      const CInfoLine& line);
    // The selection record of the characteristic; null without one.
    const CInfoBase* GetFirstInfoBase() const;
    int32_t GetTypeID() const;

    // Name "CB<number>"; unless skip is 1 the characteristic's low-voltage
    // defaults at the voltage, and the first time the circuit and shock
    // settings.
    void DoSetDefault(uint32_t number, int32_t voltage, uint32_t earthing, uint32_t wireSystem,
                      int32_t skip);
    void DoInitNewElement(const CEleInitArgs& args);

    // Circuit values. The voltage is the characteristic's; setting it
    // re-reads the own capacities and the let-through curves when it
    // changed. The earthing, the wire system and the voltage recompute the
    // required disconnection time.
    int32_t GetVoltage(int32_t side = 0) const;
    int32_t SetVoltage(int32_t volts, int32_t side = 0);
    uint32_t SetEarthingSystem(uint32_t code);
    uint32_t SetWireSystem(uint32_t code);
    int32_t IsSinglePhase() const { return m_nSinglePhase == 1 ? 1 : 0; }
    void SetSinglePhase(int32_t flag) { m_nSinglePhase = static_cast<uint32_t>(flag); }
    int32_t IsOff() const { return m_nOff == 1 ? 1 : 0; }
    // A calculation point while its flag is 1 and it is not switched off.
    int32_t IsCalcPoint() const { return m_nCalcPoint == 1 && m_nOff != 1 ? 1 : 0; }
    int32_t GetPoles() const { return static_cast<int32_t>(m_nPoles); }
    // -1 asks nothing; with a characteristic whose type is not chosen yet
    // the poles become n (n <= 0: 4 for TN-S and TN-C, else 3) and the old
    // value comes back; otherwise n comes back unchanged.
    int32_t DoSetPoles(int32_t poles);
    // The first bad value's control: voltage 1089, rated current 1015, type
    // 1011 (when a type is required); the error mark follows. 0 without a
    // characteristic.
    int32_t DoCheckData(int32_t voltageLimit = 0, int32_t typeRequired = 0);

    // What the skeleton checks keep on the breaker.
    int32_t GetCheckFlag() const { return m_nCheckFlag; }
    void SetCheckFlag(int32_t flag) { m_nCheckFlag = flag; }
    int32_t GetFeedMark() const { return static_cast<int32_t>(m_nUseCode); }
    void SetFeedMark(int32_t mark) { m_nUseCode = static_cast<uint32_t>(mark); }
    void SetShockCheckFlag(int32_t flag) { m_nShockCheck = static_cast<uint32_t>(flag); }

    // Orientation: 0 vertical, 1 and 2 horizontal.
    int32_t GetHorizontal() const { return static_cast<int32_t>(m_nRotation); }
    fw::CRect DoRotate(fw::CDC* pDC, int32_t mode);
    // Mode 0 the symbol, 100 the first skeleton placement's label.
    int32_t IsHittedSymbol(fw::CPoint point, int32_t code) const;

    // The fill of the symbol for the drawing: printing white; in the
    // selection modes at a calculation point by how it was chosen; the
    // error mark magenta; else by calculation point and OFF.
    fw::COLORREF GetFillColour(int32_t documentMode, bool printing, int32_t flag) const;
    void DoDrawSymbol(fw::CDC* pDC, int32_t mode, int32_t documentMode = 1);
    // The ratings text of the skeleton label for the document's mode.
    std::string DoGetRatingsText(int32_t documentMode) const;
    fw::CRect DoLayoutRefV1List(fw::CDC* pDC, const CEleDocSettings& settings);
    fw::CRect DoLayoutRefV4List(fw::CDC* pDC, const CEleDocSettings& settings);
    void DoDrawRefV1List(fw::CDC* pDC, const CEleDocSettings& settings);
    void DoDrawRefV4List(fw::CDC* pDC, const CEleDocSettings& settings);
    int32_t DoEditElement(const CEleEditContext& ctx);

    // Required disconnection time (s) for the earthing, wire system and
    // voltage; 0.4 without a characteristic.
    double GetDisconnectTime() const;
    // Maximum fault-loop impedance (ohm) for the trip current Ia; 0 where
    // no formula applies or Ia is not above 0.
    double GetLoopImpedanceZs(uint32_t earthing) const;
    // Own Ics, Icu and Iq (A) for the characteristic from the capacity
    // rows; the row's voltage, 0 when none qualifies.
    static int32_t DoReadCapacity(const CObjAdjust& adjust, double* ics, double* icu, double* iq);
    // The own marker's Ics and Icu read again.
    void DoReadOwnCapacity();
    // The let-through curves read again; the number of points.
    int32_t DoReadLimitCurve();
    int32_t DoReadI2tCurve();

    // --- the let-through curves on their own graphs ------------------------------
    // A graph of kind 10 (current-limiting) or 11 (I2t) whose number the
    // matching list holds shows that curve (code 0) with its label (code
    // 100); each of these does nothing, or answers 0 or null, on any other
    // graph. The curve shares the characteristic's curve-selected flag.
    int32_t IsOnLetThroughGraph(uint32_t graphNo) const;
    // The graph's entry in the matching list; null when it shows neither.
    CGraphNo* GetLetThroughEntry(const CObjGraph* graph) const;
    // The points, re-read when the list is empty, mapped onto the graph and
    // drawn in the default line style; the label beside the last point.
    void DoDrawLetThrough(fw::CDC* pDC, CObjGraph* graph);
    void DoDXFOutLetThrough(std::ostream& file, CObjGraph* graph);
    int32_t IsHittedLetThrough(fw::CDC* pDC, const CObjGraph* graph, fw::CPoint point,
                               int32_t code) const;
    // A null graph selects the labels on every let-through graph.
    void DoSelectLetThrough(const CObjGraph* graph, int32_t value, uint32_t flags, int32_t code);
    int32_t IsSelectedLetThroughLabel(const CObjGraph* graph) const;
    CObjRefV2* GetLetThroughRefV2(const CObjGraph* graph) const;
    void DoInvalidateLetThrough(const CObjGraph* graph, int32_t code,
                                const CEleInvalidate& invalidate) const;
    // 1 when either list named the graph.
    int32_t RemoveLetThroughFromGraph(uint32_t graphNo);

    // Report texts (unit 1 appends the unit; the empty text without a
    // characteristic).
    std::string DoGetTextVoltage(int unit) const;
    std::string DoGetTextMakerName(int force) const;
    std::string DoGetTextGroupName() const;
    std::string DoGetTextTypeName() const;
    std::string DoGetTextPoles(int unit) const;
    std::string DoGetTextRatedCurrent(int unit) const;
    std::string DoGetTextOnOff(int flag) const;
    std::string DoGetTextSettingFirst() const;
    std::string DoGetTextSettingMiddle() const;
    std::string DoGetTextSettingInst() const;
    std::string DoGetTextIcs(int unit);
    std::string DoGetTextIcu(int unit);
    std::string DoGetTextIcuBack(int unit) const;
    std::string DoGetTextLimitCurrent(int unit) const;
    std::string DoGetTextSelectiveKind() const;
    std::string DoGetTextBackUpType() const;
    std::string DoGetTextSelectBasis(int colon) const;
    std::string DoGetTextEarthing() const;
    std::string DoGetTextIk1Sym(int mode, int unit) const;
    std::string DoGetTextIk1Asym(int mode, int unit) const;
    std::string DoGetTextIk1Peak(int mode, int unit) const;
    std::string DoGetTextIk1Second(int mode, int unit) const;
    std::string DoGetTextIk3Second(int unit) const;
    std::string DoGetTextTotalPercentR(int unit) const;
    std::string DoGetTextTotalResistance(double baseCapacity, int unit) const;
    std::string DoGetTextTotalReactance(double baseCapacity, int unit) const;
    std::string DoGetTextTotalImpedance(double baseCapacity, int unit) const;
    std::string DoGetTextTotalIk3Sym(int unit) const;
    std::string DoGetTextTotalIk3Asym(int unit) const;
    std::string DoGetTextTotalIk3Peak(int unit) const;
    std::string DoGetTextDirectPercentR(int mode, int unit) const;
    std::string DoGetTextDirectPercentX(int mode, int unit) const;
    std::string DoGetTextDirectPercentZ(int mode, int unit) const;
    std::string DoGetTextDirectResistance(int mode, double baseCapacity, int unit) const;
    std::string DoGetTextDirectReactance(int mode, double baseCapacity, int unit) const;
    std::string DoGetTextDirectImpedance(int mode, double baseCapacity, int unit) const;
    std::string DoGetTextDirectIk1(int unit) const;
    std::string DoGetTextDirectIk1PE(int unit) const;
    std::string DoGetTextDirectIk2(int unit) const;
    std::string DoGetTextDirectIk3Sym(int unit) const;
    std::string DoGetTextDirectIk3Asym(int unit) const;
    std::string DoGetTextDirectIk3Peak(int unit) const;
    std::string DoGetTextPhaseVoltage(int unit) const;
    std::string DoGetTextDisconnectTime(int unit) const;
    std::string DoGetTextIa(int unit) const;
    std::string DoGetTextZs(int unit) const;
    std::string DoGetTextI2tLabel() const;
    std::string DoGetTextLimitLabel() const;

    // Curves on co-ordination graphs: 0 the characteristic, 1 the second
    // one, 100/101 their labels, 200 the short-circuit current line of the
    // criterion's point, 300 the own marker, 400 the selection marker.
    void DoCalcCurve(int32_t frequency = 0) override;
    int32_t IsOnGraph(uint32_t graphNo) const override;
    int32_t IsAddableToGraph(uint32_t graphNo) const override;
    // On a graph of kind 0; the current markers go on cascade and
    // discrimination graphs only, so those are added with their kind.
    void AddToGraph(uint32_t graphNo, int32_t selected) override;
    void AddToGraph(uint32_t graphNo, int32_t selected, uint32_t graphKind) override;
    // Forced: everything of the breaker leaves the graph.
    void RemoveFromGraph(uint32_t graphNo) override;
    void RemoveFromGraph(uint32_t graphNo, int32_t force);
    void SetSelectCurve(int32_t value) override;
    int32_t IsSelectedCurve(const CObjGraph* graph, int32_t code) const override;
    void SetCurveBand(int32_t band) override;
    void DoSelectCurve(const CObjGraph* graph, int32_t value, uint32_t flags,
                       int32_t code) override;
    CObjRefV2* GetCurveRefV2(const CObjGraph* graph) const override;
    int32_t IsHittedCurve(fw::CDC* pDC, CObjGraph* graph, fw::CPoint point, int32_t code) override;
    void DoDrawCurve(fw::CDC* pDC, CObjGraph* graph, const CEleDocSettings& settings) override;
    void DoDXFOutCurve(std::ostream& file, CObjGraph* graph,
                       const CEleDocSettings& settings) override;
    // Codes 0 and 100 the characteristic's curve and label, 1 and 101 the
    // second one's while it takes part; the marks have no area of their own
    // to erase.
    void DoInvalidateCurve(fw::CDC* pDC, CObjGraph* graph, int32_t code,
                           const CEleInvalidate& invalidate) override;
    // The gap-line value labels of the characteristic and, when it takes
    // part, of the second one, whose current labels are numbered on from
    // the first's.
    void DoDrawGapValue(fw::CDC* pDC, CObjGraph* graph, CGapLine* gapLine, int32_t labels,
                        const CEleInvalidate& invalidate) override;
    int32_t DoDrawGapLine(fw::CDC* pDC, CObjGraph* graph, CGapLine* gapLine, int32_t flag,
                          int32_t running) override;
    // The label placements of both characteristics.
    void GetGraphNoLists(std::vector<CGraphNoList*>& lists) override;
    // After a setting changed on the graph: for a changed dial character or
    // lock (17, 18) the own Ics and Icu read again; the results worked out
    // with this breaker as upstream cleared; each characteristic the graph
    // lists computed again and its label placed anew, the second one first
    // taking the first's selection, settings and line when the rating was
    // chosen from the list (15); the let-through curves read again on the
    // breaker's let-through graphs and after a new rating (15, 16); and,
    // once the shock check ran, the check run again and every view redrawn.
    void DoDrawCurveLabel(fw::CDC* pDC, CObjGraph* graph, const CCurveChange& change) override;
    // A characteristic's label on the graphs: the name, the type, the
    // rating's dial text with its unit in brackets, then the dial settings.
    std::string DoGetTextCurveLabel(const CObjAdjust& adjust) const;

    // --- automatic selection by breaking capacity ---------------------------
    // The prospective current (A) the selection of the criterion is judged
    // against: the source-side symmetrical three-phase current at its
    // point, in a single-phase circuit the larger of the loop current at
    // V/2 and the single-phase current at V; 0 for another criterion.
    double GetSelectionIk(uint32_t criterion) const;
    // The current the reports judge the result against: as above, but in a
    // single-phase circuit the single-phase current at V alone.
    double GetResultIk(uint32_t criterion) const;
    // Chooses the smallest type of the database whose capacity (Icu, or Ics
    // for criterion 1) reaches the prospective current; a breaker that has
    // a type keeps it unless forced, and then succeeds only when its type
    // is among the candidates. The characteristic changes only when every
    // read of the chosen type succeeded. 1 when the breaker keeps or
    // receives a suitable type.
    int32_t DoSelectAutomatic(uint32_t criterion, int32_t forced);
    // The verdict of the selection for the reports (colon 1 appends ":").
    std::string DoGetTextSelectResult(int colon) const;
    // Low-voltage types whose name holds this series code show "Icu" under
    // code 10 (miniature breakers); the others "Icn".
    static void SetIcuSeriesCode(const std::string& code);
    static const std::string& GetIcuSeriesCode();

    // --- wire protection and electric shock ------------------------------------
    // Fault kinds of the let-through energy.
    enum FaultKind : int32_t { kFaultThreePhase = 1, kFaultPhaseNeutral = 2, kFaultPhasePE = 3 };
    // The energy (A2s) let through in the fault of the kind at the first
    // point: from the I2t curve (three-phase, useCurve 1), else (k I)2 t / f
    // over the interruption cycles. 0 without a characteristic.
    double GetLetThroughEnergy(double frequency, int32_t kind, int32_t useCurve,
                               double cycles) const override;
    // The I2t value of the database's curve at the prospective total
    // three-phase current: -1 when the data has no curve, 0 when the
    // current lies outside it.
    double GetLetThroughI2t() const override;
    // Finds Ia, the current that trips the breaker within the disconnection
    // time, on its characteristic up to its own Icu.
    void DoCalcShockTripCurrent();
    // The earth-fault current (A) at the end of the protected conductor, as
    // the verdict compares it (halved for IT with wire system 2).
    double GetShockEarthFaultCurrent() const;
    // "Good", "NG", "-" while no verdict can be given.
    std::string DoGetTextShockResult() const;
    std::string DoGetTextEarthFaultCurrent(int unit) const;
    int32_t GetShockCheckFlag() const { return static_cast<int32_t>(m_nShockCheck); }
    // The marks of the check on an electric-shock graph, once it ran with a
    // trip current: the trip-current line from 1000 t down to t at U x Ia
    // with the breaker's name, Ia and Zs beside it, and the disconnection
    // time's line from the graph's lowest current to it with its text. U is
    // the voltage the curve currents are held at. The texts of the DXF forms
    // go to the layer given, the lines to layer 4.
    void DoDXFOutTripMark(std::ostream& file, int32_t layer, int32_t multiplier, CObjGraph* graph);
    void DoDXFOutDisconnectMark(std::ostream& file, int32_t layer, int32_t multiplier,
                                CObjGraph* graph);
    void DoDrawTripMark(fw::CDC* pDC, CObjGraph* graph, int32_t multiplier);
    void DoDrawDisconnectMark(fw::CDC* pDC, CObjGraph* graph, int32_t multiplier);
    // Everything the check shows on the graph (mode 3 or above, a calculation
    // point): the earth-fault current line at the shock point labelled with
    // the verdict, those two marks and, drawn only, the earthing text above
    // the plot area.
    void DoDrawShockMarks(fw::CDC* pDC, CObjGraph* graph);
    void DoDXFOutShockMarks(std::ostream& file, CObjGraph* graph);
    // "TN-S" .. "IT", for IT followed by " " and the neutral's text.
    std::string GetShockEarthingText() const;
    // Whether the upstream breaker the selection marker names is still in
    // the document, which the selection marker's labels need.
    bool IsUpstreamInDocument(const CEleDocSettings& settings) const;
    // The calculation point whose current line code 200 stands for on the
    // graph: the shock point on an electric-shock graph, else the
    // criterion's point.
    const CCalcPoint* GetGraphPoint(const CObjGraph* graph) const;
    // The texts and pen of the marks, and the earth-fault current the line
    // stands at with its caption.
    std::string GetTripMarkText() const;
    std::string GetDisconnectMarkText() const;
    fw::COLORREF GetShockMarkColour(const fw::CDC* pDC) const;
    double GetShockMarkCurrent(std::string* caption) const;

    // --- cascade and discrimination with an upstream breaker --------------------
    // What the document found of the upstream breaker: its kind (1 high-,
    // 2 low-voltage) and number, its characteristic, rated current, the
    // instantaneous start current and (low-voltage) its Icu, in A.
    struct CUpstream {
        uint32_t nKind = 0;
        uint32_t nNumber = 0;
        CObjAdjust* pAdjust = nullptr;
        double dRated = 0.0;
        double dIinst = 0.0;
        double dIcu = 0.0;
    };
    // Discrimination methods, the selection marker's codes.
    enum PairMethod : uint32_t {
        kMethodTable = 4,
        kMethodInst = 5,
        kMethodInstDC = 6,
        kMethodInstLimiting = 7,
    };
    // Back-up by the authorized cascade table: the Icu-back (A), or -1 with
    // the reason shown.
    double DoSelectBackUpByTable(const CUpstream& upstream);
    // The selectivity limit Is (A) by the method, or -1 with the reason
    // shown; the marker holds the result.
    double DoSelectLimit(uint32_t method, int32_t frequency, const CUpstream& upstream);
    // Whether the selection marker holds a result the breaker is painted and
    // labelled with: a cascade that the table and the current allow, a
    // discrimination that was established.
    bool IsSelectionValid() const;
    // "Total", "Practically\r\ntotal", "Partial", "No\r\ndiscrimination".
    std::string DoGetTextDiscrimResult() const;

    // The record; see the layout in the source.
    void Serialize(fw::CArchive& ar) override;

    // The calculation point whose short-circuit line the graphs show: the
    // first for criteria 1 and 2, the second for 8, none otherwise.
    const CCalcPoint* GetCriterionPoint() const;
    // What the current marks read of this breaker.
    CMarkOwner GetMarkOwner() const;

    CdPointList m_listLimitPoints; // not stored
    CdPointList m_listI2tPoints;   // not stored
    uint32_t m_nRotation = 0;
    uint32_t m_nPoles = 0;
    uint32_t m_nOff = 0;
    // Matched to the database's use column by the candidate search; the
    // skeleton check's feed pass keeps the feed mark here (1 fed from a
    // source, transformer or zero conductor, 2 from a generator).
    uint32_t m_nUseCode = 0;
    uint32_t m_nCriterion = 0;
    CObjAdjustList m_listAdjust;
    CCandidateList m_listCandidate;
    CCurrent m_currentOwn;
    CCurrent m_currentSelect;
    std::string m_strSecondPoint;
    CCalcPoint m_calcPoint2;
    uint32_t m_nShockCheck = 0;
    double m_dDisconnectTime = 0.0; // s
    double m_dIa = 0.0;             // A
    std::string m_strShockPoint;
    CCalcPoint m_calcPointShock;
    CGraphNoList m_listGraphNoLimit;
    uint32_t m_nLimitVoltage = 0;
    CGraphNoList m_listGraphNoI2t;
    uint32_t m_nI2tVoltage = 0;
    uint32_t m_nSecondAdjust = 0;
    // Set by the load-current and earthing checks, shown on the skeleton;
    // not stored: the check sets it again.
    int32_t m_nCheckFlag = 0;
};
