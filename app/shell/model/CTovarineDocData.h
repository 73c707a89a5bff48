#pragma once

#include "app/calc/CPercentZList.h"
#include "app/elements/frame/CEleFrame.h"
#include "app/protection/CGapLine.h"
#include "app/protection/CObjGraphList.h"
#include "app/records/DocSettings.h"
#include "app/shell/model/CElementDocument.h"
#include "app/shell/model/CObjGroupList.h"
#include "breakerdata/recordsets/CVersion.h"

#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

class CCalcSkeleton;
class CCalcTerms;
class CCurrent;
class CObjAdjust;
class CObjGraph;
class CObjElement;
class CObjElementList;
class CTovarineUndo;
class CObjGroup;
namespace fw {
class CObject;
}

// The project's data and the document-wide services of the model: numbering
// counters, settings records, mode, graph ranges. The windowing document
// derives from it and fills the hooks below (modified flag, view hints,
// invalidation); without a window they do nothing, so the model and its
// tests run on this class alone.
class CTovarineDocData : public CElementDocument, public CReductionHost {
public:
    CTovarineDocData();
    ~CTovarineDocData() override;

    // The program's own document version and the versions it reads.
    static const CVersion& GetProgramVersion();
    static const CVersionList& GetAcceptedVersions();
    CTovarineDocData(const CTovarineDocData&) = delete;
    CTovarineDocData& operator=(const CTovarineDocData&) = delete;

    // --- hooks of the windowing document ----------------------------------
    virtual void SetModifiedFlag(bool modified = true) { m_bModified = modified; }
    virtual bool IsModified() const { return m_bModified; }
    // Asks every view to redraw for the hint; the object (a CTVUpdate, or
    // the element for the selection hints) may be null.
    virtual void UpdateAllViews(int32_t hint, const fw::CObject* object) {
        (void)hint;
        (void)object;
    }
    // Redraws one node of the tree in the skeleton view, when there is one.
    virtual void InvalidateElement(CObjGroup* group) { (void)group; }
    // Asks the document's embedded-object items to redraw (after a mode
    // command).
    virtual void UpdateAllItems() {}
    // The wait cursor around the long passes of the mode commands.
    virtual void BeginWaitCursor() {}
    virtual void EndWaitCursor() {}

    // --- what the elements need of the document ------------------------------
    // The last number given to an element of the kind (1 to 16, the text
    // box 200), and the counter of co-ordination graphs (kind 0 here).
    // Unknown kinds count nothing and read 0.
    int32_t GetCounter(int32_t kind) const override;
    int32_t IncrementCounter(int32_t kind) override;
    void SetCounter(int32_t kind, int32_t value);
    int32_t GetMode() const override { return m_nMode; }
    int32_t GetFrequency() const override { return m_infoSkeleton.m_nFrequency; }
    double GetBaseCapacity() const override { return m_infoSkeleton.m_dCapacity; }
    // --- one-level undo ----------------------------------------------------------
    // Replaces the snapshot by a copy of the editable state.
    void SaveUndo() override;
    bool HasUndo() const { return m_pUndo != nullptr; }
    // Puts the snapshot back and discards it; false when there is none.
    bool DoRestoreUndo();
    // A new frequency for the whole document (the source's and the
    // generator's dialogs): every element reads its frequency-dependent
    // values again, the settings keep the frequency, every view is redrawn.
    void DoChangeFrequency(int32_t frequency) override;
    // An edit made a new calculation point in a calculated mode, which has
    // no result yet: back to the check mode (sub-mode 0), modified, every
    // view redrawn with hint 8.
    void DoReturnToCheckMode() override;
    void DoReturnToDrawingMode() override;
    void DoClearUpstreamMarkers(uint32_t kind, uint32_t number) override;
    // The settings an element draws and calculates with.
    CEleDocSettings GetEleSettings() const;

    // --- circuit values of the neighbours (0: none found) ----------------------
    int32_t FindVoltage(CObjElement* element, int32_t* singlePhase, int32_t mask) override;
    uint32_t FindWireSystem(CObjElement* element, int32_t mask) override;
    uint32_t FindEarthingSystem(CObjElement* element, int32_t mask) override;
    double GetUpstreamCapacity(CObjElement* element) override;

    // --- propagation of an element's circuit values -----------------------------
    // Earthing <= 0 and wire system <= 0 leave those codes as they are,
    // poles < 0 leaves the poles and poles 0 asks for the default: callers
    // pass 0 / 0 / -1 to push a voltage alone.
    void DoPropagateBranch(CObjElementList& list, CObjElement* start, int32_t singlePhase,
                           int32_t volts, int32_t earthing, int32_t wireSystem, int32_t poles);
    void DoPropagateUp(CObjElement* element, int32_t singlePhase, int32_t volts, int32_t earthing,
                       int32_t wireSystem, int32_t poles) override;
    void DoPropagateDown(CObjElement* element, int32_t singlePhase, int32_t volts, int32_t earthing,
                         int32_t wireSystem, int32_t poles) override;
    void DoPropagateLeft(CObjElement* element, int32_t volts, int32_t earthing, int32_t wireSystem,
                         int32_t poles) override;
    void DoPropagateRight(CObjElement* element, int32_t volts, int32_t earthing, int32_t wireSystem,
                          int32_t poles) override;

    // --- the project file ----------------------------------------------------------
    // The whole project in the file's order, with the version gates 1.1 and
    // 1.2. A version record that no accepted version matches is refused
    // (badSchema) and leaves m_version holding what the file carried.
    void Serialize(fw::CArchive& ar);
    // Pushes supply settings down the circuit from an element (the
    // conversion of files older than 1.1, the Check command).
    void RelinkElement(CObjElement* start, int32_t singlePhase, int32_t volts, int32_t earthing,
                       int32_t wireSystem, int32_t poles);

    // Back to the state of a new project (before a load).
    void DoResetData();

    // Every element of the tree, in tree order.
    void CollectElements(CObjElementList& list) const;

    // --- short-circuit calculation --------------------------------------------
    // The three-phase term at the fault element, stored in its calculation
    // point (flag 1: the first pair, else the second); zero when nothing
    // could be reduced. The working list is pruned and consumed.
    CPercentZ CalcFromSourceElement(CObjElementList& list, CObjElement* fault, int32_t flag);
    // The earth-fault loop values at the fault element, stored as its loop
    // pair.
    CPercentZ CalcFromGeneratorElement(CObjElementList& list, CObjElement* fault);
    // Every result of the Calculation command, in its order: machines and
    // capacitors, the other calculation points, the loops, the junctions.
    void DoCalculateAll();

    // --- the skeleton checks of the Check command ----------------------------
    // Each marks what fails it (error marks, a breaker's check flag), so
    // that the skeleton shows it; the command shows the message.
    // 1 when symbols overlap (every overlapping one marked), else 0.
    int32_t IsOverlapped();
    // 1 when the circuits below single-phase transformers and around
    // single-phase zero conductors suit a single-phase circuit, else 0.
    int32_t IsOkSinglePhase(CObjElementList& list);
    // Numbers the elements row by row, left to right, each kind from 1, and
    // puts the list in that order; full also renames them and leaves the
    // counters at the new numbers, otherwise the counters are kept.
    // Elements whose corner is on no grid point keep their numbers and
    // come last.
    void DoRenumber(CObjElementList& list, int32_t full);
    // Marks what feeds each low-voltage breaker.
    void DoSetBreakerFeed(CObjElementList& list);
    // The string id of the first element kind whose data is incomplete, or 0.
    uint32_t IsOkElementData(CObjElementList& list);
    // 1 when the conductors beside every breaker carry its rated current.
    int32_t IsOkConductorCapacity(CObjElementList& list);
    // 1 when every breaker above a motor, load or capacitor carries its current.
    int32_t IsOkLoadCurrent(CObjElementList& list);
    // The string id of the first fault of wire systems, earthing systems and
    // poles, or 0; for 25389 and 25390 the breaker's name in text.
    uint32_t IsOkEarthingSystem(CObjElementList& list, std::string& text);

    // --- the mode commands ------------------------------------------------------------
    // What a mode command did, for the window to tell the user.
    struct CModeResult {
        bool bRan = false;     // false: the command had nothing to do
        bool bPassed = false;  // the mode moved on
        uint32_t nMessage = 0; // the string id of the message, 0 for none
        std::string strName;   // the breaker named after 25389 and 25390
        // The breakers for which the automatic selection found no type.
        std::vector<std::string> listFailed;
    };
    // The mode commands' enabling and check rules (mode m, sub-mode s).
    static bool IsModeCommandEnabled(uint32_t id, int32_t mode, int32_t subMode);
    static bool IsModeCommandChecked(uint32_t id, int32_t mode, int32_t subMode);
    // Drawing: back to mode 1 and sub-mode 0.
    CModeResult DoModeDrawing();
    // Check skeleton: the voltages pushed down the circuits, the checks in
    // their order, mode 2 when every one passes.
    CModeResult DoModeCheck();
    // Calculation: every result of the short-circuit calculation, mode 3.
    CModeResult DoModeCalculation();

    // Automatic selection by Icu (criterion 2) or Ics (1): mode 4 with the
    // sub-mode of the criterion, every low-voltage breaker chosen unless a
    // selection by that criterion was made already, the wires below them
    // checked. Nothing in that mode and sub-mode already.
    CModeResult DoModeSelect(uint32_t criterion);
    // Cascade (5), discrimination (6), wire protection (7), electric shock
    // (8): the mode alone; the work is done by the sub-mode commands.
    CModeResult DoModeWork(int32_t mode);
    // The message a selection mode command shows for its result: the
    // completion of its criterion, then what to do next or the breakers
    // without a type.
    static std::string GetSelectionMessage(const CModeResult& result);

    // --- the document-wide passes of the selection -------------------------------
    // Runs each low-voltage breaker's automatic selection (calculation
    // points, in numbering order; selectedOnly 1: the selected ones). With
    // criterion 8 and a wire, the wire's name and calculation point become
    // the breaker's second point first. The breakers that got no selection
    // go to failed; 1 when every breaker got one.
    int32_t DoSelectBreakers(uint32_t criterion, const CObjElement* wire, int32_t selectedOnly,
                             int32_t forced, std::vector<CObjElement*>* failed);
    // Every wire below each breaker that is a calculation point checked
    // against it with the settings the wire keeps; 1 when all pass.
    int32_t IsOkWireProtection();

    // --- the sub-mode commands on the selected elements ----------------------------
    // Whether the command fits the mode and the selection, and whether its
    // menu entry is checked.
    bool IsSubModeCommandEnabled(uint32_t id);
    bool IsSubModeCommandChecked(uint32_t id);
    // Runs a command that needs no dialog (every one but the wire checks by
    // I2t calculation). The graph the co-ordination view is to show, or null.
    CObjGraph* DoSubModeCommand(uint32_t id);
    // The wire checks by I2t calculation (32826 at the start, 32829 at the
    // wire's end) with the durations (cycles) its dialog confirmed.
    void DoWireCheckByI2t(uint32_t id, const double durations[3]);
    // The same commands as the user gives them: the protection dialog asks
    // the durations first (the document's frequency, the wire's system and
    // its stored durations); true when it was confirmed and the check ran.
    // Cancel, or not exactly one breaker and one wire selected, changes
    // nothing.
    bool DoWireCheckByI2tAsked(uint32_t id);
    // The upstream breaker the marker names: its characteristic (null when
    // there is none), rated current, instantaneous start current (kept in
    // the marker) and for a low-voltage breaker its Icu (kept too).
    CObjAdjust* GetUpstreamAdjust(CCurrent& marker, double* rated, double* iinst,
                                  double* icu) override;

    // --- co-ordination graphs (CTovarineDocData_Graphs.cpp) -------------------
    // The elements of the tree with a curve on the graph, in tree order
    // (with selectedOnly 1 those whose curve is selected there).
    std::vector<CObjElement*> GetElementsOnGraph(const CObjGraph* graph,
                                                 int32_t selectedOnly = 0) const;
    // The skeleton's selection taken from the curves selected on the graph:
    // an element is selected when its curve (or its label) is selected
    // there. The value of the last element group of this level, 0 when the
    // level holds none.
    int32_t DoSelectByCurves(CObjGroupList& groups, const CObjGraph* graph);
    // A new current graph of kind 0 with the next graph number and the
    // default ranges, holding every selected element that can be shown on
    // it; the union of their rectangles through area when given.
    CObjGraph* DoCreateGraph(fw::CRect* area = nullptr);
    // The selected elements onto the current graph; the count added.
    int DoAddSelectedToGraph();
    // Deletes the current graph: its number leaves every element, the
    // skeleton's selection follows, the graph left in its place (or null)
    // becomes current.
    CObjGraph* DoDeleteGraph();
    // The set-up of a graph: name and ranges, kept as the next graph's
    // default ranges, and the layout at the graph's zoom.
    void DoSetupGraph(CObjGraph& graph, const std::string& name, double currentMin,
                      double currentMax, double timeMin, double timeMax);
    // Takes every element whose curve is selected off the graph; the count.
    int DoRemoveSelectedCurves(CObjGraph& graph);
    // Band and typical display of every curve on the graph, switched.
    void DoToggleBand(CObjGraph& graph);
    // The graph's number leaves every graph-number list of every element of
    // the tree (characteristics, their labels, the breakers' points, markers
    // and let-through registrations). Number 0 is no graph's and removes
    // nothing.
    void DoForgetGraph(uint32_t graphNo);
    // Whether ranges can lay a graph out: each axis rises from a positive
    // minimum, every bound finite.
    static bool IsSoundGraphRanges(double currentMin, double currentMax, double timeMin,
                                   double timeMax);

    // --- the graph commands, each one undo step -------------------------------
    // Whether a new graph would show anything: a selected element could be
    // put on it (the number the next graph gets, on which nothing is).
    bool IsCreateGraphEnabled() const;
    // A current graph of a kind that takes elements, and a selected element
    // that is not on it yet.
    bool IsAddToGraphEnabled() const;
    // Create a co-ordination: a new current graph with the selected
    // elements, the union of their rectangles through area; modified, views
    // told with hint 9.
    CObjGraph* DoCoordCreate(fw::CRect* area);
    // Add to co-ordination: the selected elements onto the current graph;
    // modified, hint 12. False without a current graph that takes elements.
    bool DoCoordAdd();
    // Delete this graph (after the user confirmed): the current graph goes,
    // its number leaves every element, the one left in its place becomes
    // current; modified, hint 11, items updated. False without a graph.
    bool DoCoordDelete();
    // Set up the current graph: name and ranges, kept for the next new
    // graph, the graph laid out again; modified, hint 10. Ranges that cannot
    // lay a graph out change nothing (false).
    bool DoCoordSetup(const std::string& name, double currentMin, double currentMax, double timeMin,
                      double timeMax);
    // Re-numbering: every element numbered again in drawing order and named
    // after its new number, the counters restarted; modified, hint 7, items
    // updated.
    void DoRenumberCommand();

    // --- DXF output of a co-ordination graph ---------------------------------
    // The entities of the graph's curves, markers and labels: each element
    // on the graph, on a copy laid out for the drawing, writes its own.
    void DoDXFOutGraph(std::ostream& out, const CObjGraph& graph) const;
    // Copies the form file pair by pair (a group-code line and a value
    // line) and writes the entities once, before the ENDSEC that closes the
    // ENTITIES section. False when the form has no ENTITIES section closed
    // by an ENDSEC (nothing sensible was written then).
    static bool DoCopyDXFForm(std::istream& form, std::ostream& out,
                              const std::function<void(std::ostream&)>& entities);
    // The working copy a DXF output draws: the fixed ranges and scale.
    static CObjGraph MakeDXFGraph(const CObjGraph& graph);
    // Which form a graph is written on: 0 the low one (lower current bound
    // not above 0.2), 1 the middle one (below 2.0), 2 the high one.
    static int GetDXFFormIndex(double currentMin);
    // The form file beside the program a graph is written on.
    static std::string GetDXFFormPath(double currentMin);
    // The whole DXF drawing of a graph: the form file at formPath with the
    // entities of the graph's working copy inserted, numbers written with a
    // point whatever the locale. False, with why in *error, when the form
    // cannot be read or has no ENTITIES section closed by an ENDSEC.
    bool DoMakeDXFDrawing(const CObjGraph& graph, const std::string& formPath, std::string* text,
                          std::string* error) const;

    // Pruning of a working list before a reduction.
    void DoPruneLoopDeadEnds(CObjElementList& list, CObjElement* start);
    void DoPrunePhaseDeadEnds(CObjElementList& list, CObjElement* start, int32_t keepMotorEffects);
    void DoPruneUnconnected(CObjElementList& list, CObjElement* start);
    void DoPruneUnfedByTransformer(CObjElementList& list);
    void DoPruneUnfedBySupply(CObjElementList& list);

    // CReductionHost
    int32_t GetOrientation(const CObjElement* element) const override;
    CPercentZ CalcAt(CObjElement* element, bool loop) override;

    // --- persisted members, in the file's order where it matters -----------
    CVersion m_version;
    // Counters in the stored order of kinds 9, 14, 6, 1, 13, 2, 12, 7, 4, 3,
    // 11, 5, 10, 8, then the graphs.
    std::array<int32_t, 15> m_nCounters{};
    CInfoProject m_infoProject;
    CInfoSkeleton m_infoSkeleton;
    CInfoReport m_infoReport;
    CInfoImpeMap m_infoImpeMap;
    int32_t m_nMode = 1;
    int32_t m_nSubMode = 0;
    double m_dCurrentFrom = 10.0;
    double m_dCurrentTo = 100000.0;
    double m_dTimeFrom = 0.01;
    double m_dTimeTo = 100000.0;
    CObjGroupList m_listGroups;
    CObjGraphList m_listGraphs;
    CGapLine m_gapLine;
    // The reserved word of the file holds the text boxes' counter: without
    // it a reloaded project would name its next text box "Text1" again.
    int32_t m_nTextCounter = 0;
    int32_t m_nCountBusDuct = 0; // kind 15
    int32_t m_nCountTrans1 = 0;  // kind 16
    // The calculation prunes its working lists through the skeleton's trees
    // where they hold (CCalcSkeleton); false runs the pruning passes
    // themselves for every fault, the same results the slow way.
    bool m_bCalcBySkeleton = true;

private:
    // Applies the values of a propagation to one element and reports what
    // changed; reportKinds lists the kinds whose voltage change is reported
    // with hint 3 (vertical walks), sideways reports every voltage change
    // with hint 2 alone.
    void DoApplyValues(CObjElement* x, bool withFlag, int32_t singlePhase, int32_t volts,
                       int32_t side, bool codes, int32_t earthing, int32_t wireSystem,
                       int32_t poles, std::initializer_list<int32_t> reportKinds, bool sideways);
    void DoPropagateDownFrom(CObjElementList& list, CObjElement* start, int32_t singlePhase,
                             int32_t volts, int32_t earthing, int32_t wireSystem, int32_t poles);
    void DoPropagateSide(CObjElementList& list, CObjElement* start, int32_t direction,
                         bool withFlag, int32_t volts, int32_t earthing, int32_t wireSystem,
                         int32_t poles);
    uint32_t FindCode(CObjElement* element, int32_t mask, bool wireSystem);
    // Keeps the elements from which a walk reaches what fed answers for;
    // the others leave the list.
    void DoPruneUnfed(CObjElementList& list, bool byTransformer);
    int32_t* CounterOf(int32_t kind);
    // The pruning and reduction of the two drivers, without storing: false
    // when no node holds the fault (nothing is stored then).
    // With whole, the list is empty and stands for all the elements of the
    // command's skeleton, which the pruning fills it from.
    bool DoReducePhaseAt(CObjElementList& list, CObjElement* fault, int32_t flag,
                         CPercentZ& sourceSide, CPercentZ& motorSide, bool whole);
    bool DoReduceLoopAt(CObjElementList& list, CObjElement* fault, CPercentZ& first,
                        CPercentZ& second, bool whole);
    // Within a Calculation command: the fault's calculation over all the
    // skeleton's elements, stored as the drivers store it (three-phase
    // with flag 1, or the earth-fault loop). A fault reduced once in the
    // command is not reduced again: the reduction depends on the skeleton
    // alone, and only its storing on the calculation point's state.
    CPercentZ CalcWholeSkeleton(CObjElement* fault, bool loop);
    // The files before 1.1 kept no earthing per circuit: every generator's
    // and transformer's earthing is pushed down its circuit.
    void DoConvertEarthing();

public:
    // Files before 1.1 kept the curve labels' places only: each graph is
    // laid out as it was then and every label's current and time are taken
    // again from where it stands.
    void DoConvertGraphLabels();
    // The characteristics of every element for the skeleton's frequency,
    // which no file holds; the last step of a load.
    void DoCalcAllCurves();

private:
    std::unique_ptr<CTovarineUndo> m_pUndo;
    // The skeleton's connections while a Calculation command runs.
    std::unique_ptr<CCalcSkeleton> m_pCalcSkeleton;
    // The elements' terms the list building takes, for the same command.
    std::unique_ptr<CCalcTerms> m_pCalcTerms;
    bool m_bModified = false;
};
