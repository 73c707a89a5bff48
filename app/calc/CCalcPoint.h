#pragma once

#include "app/calc/CPercentZ.h"
#include "app/protection/CGraphNoList.h"
#include "breakerdata/model/CInfoLine.h"
#include "breakerdata/model/CdPoint.h"
#include "framework/Archive.h"
#include "framework/Geometry.h"

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>

namespace fw {
class CDC;
}
class CObjGraph;
class CObjRefV2;

// What a current mark reads of the breaker that shows it: the breaker's
// voltage in whole volts, its line style (colour, line kind, width and the
// DXF line kind) and whether it is selected.
struct CMarkOwner {
    int32_t nVoltage = 0;
    CInfoLine line;
    int32_t nSelected = 0;
};

// The short-circuit result at one element: the base capacity of the last
// calculation, the percent impedances seen from the element (three-phase
// toward the supplies and toward the motor effects, and the two earth-fault
// loop results) and the pen and ends of its current mark on co-ordination
// graphs. Currents are never kept: each is computed from the stored terms for
// the voltage the caller asks for.
class CCalcPoint : public fw::CObject {
    FW_DECLARE_SERIAL(CCalcPoint)
public:
    CCalcPoint() = default;
    CCalcPoint(const CCalcPoint&) = default;
    CCalcPoint& operator=(const CCalcPoint&) = default;
    ~CCalcPoint() override = default;

    // Writing the results of the reductions. An absent term leaves its side
    // as it is. Each returns the combined term in out.
    void DoSetCalcZ(CPercentZ& out, double baseCapacity, const CPercentZ* first,
                    const CPercentZ* second);
    void DoSetCalcZ2(CPercentZ& out, double baseCapacity, const CPercentZ* first,
                     const CPercentZ* second);
    void DoSetCalcZ2Ex(CPercentZ& out, double baseCapacity, const CPercentZ* first,
                       const CPercentZ* second);

    // Clearing before a calculation.
    void DoClearCalcZ();
    void DoClearCalcZ2();
    void DoClearCalcZ2Ex();

    // Combined terms.
    void GetPercentZ3Total(CPercentZ& out) const;
    void GetPercentZ1Total(CPercentZ& out) const;
    void GetPercentZ3WithN(CPercentZ& out) const;
    void GetPercentZ3WithPE(CPercentZ& out) const;

    // Fault currents in A at the voltage V (in V). An output that is not
    // given is not computed.
    void DoCalcIk3Source(double voltage, double* symmetrical, double* asymmetrical = nullptr,
                         double* peak = nullptr) const;
    void DoCalcIk3Motor(double voltage, double* symmetrical, double* asymmetrical = nullptr,
                        double* peak = nullptr) const;
    void DoCalcIk3Total(double voltage, double* symmetrical, double* asymmetrical = nullptr,
                        double* peak = nullptr) const;
    double GetCurrentIk2(double voltage) const;
    double GetCurrentIk2Total(double voltage) const;
    double GetCurrentIk1N(double voltage) const;
    double GetCurrentIk1PE(double voltage) const;
    double GetCurrentIk1NTotal(double voltage) const;
    double GetCurrentIk1PETotal(double voltage) const;
    void DoCalcIkSinglePhase(double voltage, double* current, double* asymmetrical = nullptr,
                             double* peak = nullptr) const;
    void DoCalcIkSinglePhaseLoop(double voltage, double* current, double* asymmetrical = nullptr,
                                 double* peak = nullptr) const;

    // The earth-fault (or two-phase) current that the protection checks use
    // for an earthing code and wire system, and its caption, which replaces
    // the label's text; 0 and the label unchanged where no current applies.
    double GetCurrentByKind(int32_t earthing, int32_t wireSystem, double voltage,
                            std::string& label) const;

    // The current formulas on the stored base capacity; z is a percent
    // magnitude, r and x a term's %R and %X, current in A.
    double GetCurrentI3(double voltage, double z) const;
    double GetCurrentI2(double voltage, double z) const;
    double GetCurrentI1(double voltage, double z) const;
    static double GetCurrentAsym3(double r, double x, double current);
    static double GetCurrentAsym1(double r, double x, double current);
    static double GetCurrentPeak(double r, double x, double current);
    static double GetCurrentPeak1(double r, double x, double current);

    // The red arrow that marks an element as a calculation point on the
    // skeleton, its tip at (x, y).
    static void DoDrawArrow(fw::CDC* dc, int x, int y);

    // Current marks on co-ordination graphs, drawn for the breaker that
    // owns them. The generic mark stands at the given current; the others
    // at the source-side I"k3 or the single-phase current at the owner's
    // voltage, and draw nothing when that is not above 0. The mark's ends
    // are kept in graph co-ordinates; the label goes to placement 0 of the
    // graph's entry when the graph is in the list.
    void DoDrawCurrentMark(fw::CDC* dc, CObjGraph* graph, const std::string& a,
                           const std::string& b, const std::string& c, const std::string& d,
                           const CMarkOwner& owner, double current);
    void DoDrawIkSinglePhaseMark(fw::CDC* dc, CObjGraph* graph, const std::string& a,
                                 const std::string& b, const CMarkOwner& owner);
    void DoDrawIkSinglePhaseMarkShort(fw::CDC* dc, CObjGraph* graph, const std::string& a,
                                      const CMarkOwner& owner);
    void DoDrawIk3Mark(fw::CDC* dc, CObjGraph* graph, const std::string& a, const std::string& b,
                       const CMarkOwner& owner);
    void DoDrawIk3MarkShort(fw::CDC* dc, CObjGraph* graph, const std::string& a,
                            const CMarkOwner& owner);
    void DoDXFOutCurrentMark(std::ostream& file, int layer, CObjGraph* graph, const std::string& a,
                             const std::string& b, const std::string& c, const std::string& d,
                             const CMarkOwner& owner, double current);
    void DoDXFOutIk3Mark(std::ostream& file, int layer, CObjGraph* graph, const std::string& a,
                         const std::string& b, const CMarkOwner& owner);
    void DoDXFOutIk3MarkShort(std::ostream& file, int layer, CObjGraph* graph, const std::string& a,
                              const CMarkOwner& owner);

    // Labels; the value is the current / 1000 with at least 5 digits.
    std::string GetTextIk3(const std::string& a, const std::string& b, double voltage) const;
    std::string GetTextIk3Short(const std::string& a, double voltage) const;
    std::string GetTextIkSinglePhase(const std::string& a, const std::string& b,
                                     double voltage) const;
    std::string GetTextIkSinglePhaseShort(const std::string& a, double voltage) const;
    static std::string GetTextCurrentMark(const std::string& a, const std::string& b,
                                          const std::string& c, const std::string& d,
                                          double current);

    // The mark queries work on the label placement of graph n's entry, and
    // only while the mark's current at the voltage is above 0: the
    // source-side I"k3, or for a single-phase mark (singlePhase 1) the
    // single-phase current, so that a single-phase circuit's mark answers
    // by its own current.
    int32_t IsSelectedMark(double voltage, uint32_t graphNo, int32_t singlePhase = 0) const;
    int32_t IsHittedMark(double voltage, fw::CPoint point, uint32_t graphNo,
                         int32_t singlePhase = 0) const;
    CObjRefV2* GetMarkRefV2(double voltage, uint32_t graphNo, int32_t singlePhase = 0) const;
    // Graph number 0 selects the label on every graph of the list.
    void SetSelectMark(double voltage, int32_t value, uint32_t flags, uint32_t graphNo,
                       int32_t singlePhase = 0);
    // Mode 0: the area around the mark line as last drawn, converted to
    // device units by the context and normalised; mode 200: the label's
    // placement. invalidate receives the rectangle to erase.
    void DoInvalidateMark(double voltage, const std::function<void(const fw::CRect&)>& invalidate,
                          fw::CDC* dc, uint32_t graphNo, int32_t mode, int32_t singlePhase = 0);

    // The record: mark pen, base capacity, mark ends, the two loop terms,
    // the source-side and motor-side terms, the graph list.
    void Serialize(fw::CArchive& ar) override;

    uint32_t m_crMark = 0;        // pen colour of the current mark (0x00BBGGRR)
    uint32_t m_nMarkWidth = 0;    // pen width of the current mark
    uint32_t m_nMarkLineKind = 0; // 0 solid, 1 to 4 dash patterns
    CdPoint m_ptMarkStart;        // lower end of the mark as last drawn
    CdPoint m_ptMarkEnd;          // upper end of the mark as last drawn
    double m_dBaseCapacity = 0.0; // kVA
    CPercentZ m_zSource;          // three-phase, toward the supplies
    CPercentZ m_zMotor;           // three-phase, the motor effects' contribution
    CPercentZ m_zLoop1;           // first result of the earth-fault loop reduction
    CPercentZ m_zLoop2;           // second result of the earth-fault loop reduction
    CGraphNoList m_listGraphNo;   // graphs that show the current mark

private:
    // The mark's current at the voltage for the queries: I"k3 at the
    // source, or the single-phase current.
    double MarkCurrent(double voltage, int32_t singlePhase) const;
    // Steps 1 to 3 of every mark: the ends at the current, mapped onto the
    // graph, and the pen taken from the owner.
    void DoPlaceMark(CObjGraph* graph, const CMarkOwner& owner, double current, bool printing);
    void DoDrawMark(fw::CDC* dc, CObjGraph* graph, const CMarkOwner& owner, double current,
                    const std::string& label);
    void DoDXFOutMark(std::ostream& file, int layer, CObjGraph* graph, const CMarkOwner& owner,
                      double current, const std::string& label);

    void DoCalcIk3(const CPercentZ& term, double voltage, double* symmetrical, double* asymmetrical,
                   double* peak) const;
};
