#pragma once

#include "app/protection/CGraphNoList.h"
#include "breakerdata/model/CdPoint.h"
#include "framework/Archive.h"
#include "framework/DeviceContext.h"
#include "framework/Geometry.h"

#include <cstdint>
#include <iosfwd>
#include <string>

class CObjGraph;

// One current of a low-voltage breaker that co-ordination graphs mark with a
// vertical line and a label: the breaker's own breaking capacities (Ics,
// Icu), or the result of a cascade or discrimination selection against an
// upstream breaker (Icu-back, Is) with the identity of that breaker. A
// breaker owns two: its own marker and its selection marker.
class CCurrent : public fw::CObject {
    FW_DECLARE_SERIAL(CCurrent)
public:
    // Selected-by codes of a selection result.
    enum SelectedBy : uint32_t {
        kNone = 0,
        kCascade = 3,
        kTable = 4,
        kInst = 5,
        kInstDC = 6,
        kInstLimiting = 7,
    };
    // The three labels a marker can show. A marker shows at most one of
    // them on a graph (its kind decides), so each graph entry holds one
    // label placement, index 0.
    enum Label : int {
        kLabelCapacity = 0,
        kLabelCascade = 1,
        kLabelDiscrimination = 2,
    };

    CCurrent() = default;
    CCurrent(const CCurrent&) = default;
    CCurrent& operator=(const CCurrent&) = default;
    ~CCurrent() override = default;

    // Clears every field but the graph numbers.
    void DoClearCurrent();

    // Margin, label word; the seven words of the selection; the five
    // currents; result and band flags; both ends; the graph numbers. The
    // work word is not stored.
    void Serialize(fw::CArchive& ar) override;

    // Label texts: the first line (the breaker's name), a line break, the
    // title, a line break and the value in kA with at least 4 digits.
    std::string GetLabelDiscrimination(const std::string& first) const;
    std::string GetLabelCapacity(const std::string& first) const;
    std::string GetLabelCascade(const std::string& first) const;
    // Whether the label's condition holds at all (the value is there).
    bool HasLabel(int label) const;

    // Report texts: the value / 1000 with at least 4 digits ("No data" for
    // a negative value); "kA" when unit is 1 and the value is above 0.
    std::string DoGetTextIcs(int unit) const;
    std::string DoGetTextIcu(int unit) const;
    std::string DoGetTextIcuBack(int unit) const;
    std::string DoGetTextBandTyp() const;
    // Names read from the breaker database; empty when the ids are not set
    // or nothing is found.
    std::string DoGetTextUpstreamGroup() const;
    std::string DoGetTextUpstreamType() const;

    // Per graph: whether the label is shown on graph n (its condition and
    // a set placement in graph n's entry), a hit test of the label there,
    // its selection (n 0: every graph), and the area to invalidate.
    int32_t IsShownLabel(int label, uint32_t graphNo) const;
    int32_t IsHittedLabel(int label, fw::CPoint point, uint32_t graphNo) const;
    int32_t IsSelectedLabel(int label, uint32_t graphNo) const;
    void SetSelectLabel(int label, int32_t value, uint32_t flags, uint32_t graphNo);
    // Adds an entry for graph n with one label placement, unless there is
    // one; removes graph n's entries (1 when one went).
    void AddToGraph(uint32_t graphNo);
    int32_t RemoveFromGraph(uint32_t graphNo);

    // The marker line with its margin (10 more across), co-ordinates
    // truncated; joined with the label's placement on graph n when that is
    // set and not inside it already.
    fw::CRect GetMarkRect(int label = -1, uint32_t graphNo = 0) const;

    // Draws the label's marker on the graph: the vertical line at its
    // current (times the graph's reference voltage) from the graph's bottom
    // to its top, its ends kept, and the label beside it, whose placement
    // goes into graph n's entry. A value not above 0, or a label whose
    // condition fails, draws nothing. voltage is the owner's curve voltage.
    void DoDrawLabel(fw::CDC* pDC, CObjGraph* graph, int label, const std::string& first,
                     uint32_t colour, int32_t selectedOwner);
    // The same marker written into a DXF drawing: the label's lines as TEXT
    // entities where the drawing puts the label (in mm, its first line's
    // foot 3 below the line's upper end), then the line as a polyline in
    // the line type given.
    void DoDXFOutLabel(std::ostream& file, int32_t layer, CObjGraph* graph, int label,
                       const std::string& first, const std::string& lineType);

    // The current (A) the label marks: Icu, Icu-back or Is.
    double GetLabelCurrent(int label) const;
    std::string GetLabelText(int label, const std::string& first) const;

    uint32_t m_nWork = 0; // not stored
    uint32_t m_nMargin = 0;
    uint32_t m_nLabel = 0;
    CdPoint m_ptFirst;  // lower end of the line, graph co-ordinates
    CdPoint m_ptSecond; // upper end
    uint32_t m_nSelectedBy = 0;
    uint32_t m_nUpstreamKind = 0; // 1 high-voltage, 2 low-voltage breaker
    uint32_t m_nUpstreamNumber = 0;
    uint32_t m_nUpstreamMakerID = 0;
    uint32_t m_nUpstreamGroupID = 0;
    uint32_t m_nUpstreamTypeID = 0;
    uint32_t m_nSpare = 0;
    double m_dUpstreamCurrent = 0.0; // A
    double m_dIcs = 0.0;             // A
    double m_dIcu = 0.0;             // A
    double m_dIcuBack = 0.0;         // A, -1 none
    double m_dIs = 0.0;              // A, -1 none
    uint32_t m_nResult = 0;          // 1 discrimination established
    uint32_t m_nBand = 0;            // 1 the upstream curve was shown as a band
    CGraphNoList m_listGraphNo;
};
