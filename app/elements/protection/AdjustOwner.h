#pragma once

#include "app/protection/CCurveOwner.h"

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

class CObjAdjust;
class CObjGraph;
class CObjRefV2;

// The curve of a protective element with one characteristic (the
// high-voltage breaker, the thermal relay): every graph operation goes to
// the characteristic for code 0 (the curve) and 100 (its label); other codes
// answer 0 or do nothing. The element names its characteristic, the label
// text and the DXF layer.
class CAdjustOwner : public CCurveOwner {
public:
    void DoCalcCurve(int32_t frequency) override;
    int32_t IsOnGraph(uint32_t graphNo) const override;
    // A complete selection that is not on the graph yet.
    int32_t IsAddableToGraph(uint32_t graphNo) const override;
    // Not on the graph yet: the curve's selection takes the value and the
    // graph is registered with one label placement.
    void AddToGraph(uint32_t graphNo, int32_t selected) override;
    // With onlySelected 1 an unselected curve stays; otherwise the graph's
    // registration goes, and with it the curve's selection.
    void RemoveFromGraph(uint32_t graphNo) override { RemoveFromGraph(graphNo, 0); }
    void RemoveFromGraph(uint32_t graphNo, int32_t onlySelected);
    CObjRefV2* GetCurveRefV2(const CObjGraph* graph) const override;
    void DoDrawCurve(fw::CDC* pDC, CObjGraph* graph, const CEleDocSettings& settings) override;
    void DoInvalidateCurve(fw::CDC* pDC, CObjGraph* graph, int32_t code,
                           const CEleInvalidate& invalidate) override;
    int32_t IsHittedCurve(fw::CDC* pDC, CObjGraph* graph, fw::CPoint point, int32_t code) override;
    void DoSelectCurve(const CObjGraph* graph, int32_t value, uint32_t flags,
                       int32_t code) override;
    void SetSelectCurve(int32_t value) override;
    // 0 for a graph the curve is not on.
    int32_t IsSelectedCurve(const CObjGraph* graph, int32_t code) const override;
    // Erases the value labels (labels: bit 1 the times, bit 2 the currents)
    // through the view's callback.
    void DoDrawGapValue(fw::CDC* pDC, CObjGraph* graph, CGapLine* gapLine, int32_t labels,
                        const CEleInvalidate& invalidate) override;
    // flag 1 the value texts, otherwise the leaders, for the measures the
    // gap line has on; the last label number.
    int32_t DoDrawGapLine(fw::CDC* pDC, CObjGraph* graph, CGapLine* gapLine, int32_t flag,
                          int32_t running) override;
    void DoDXFOutCurve(std::ostream& file, CObjGraph* graph,
                       const CEleDocSettings& settings) override;
    // After a setting changed on the graph: the results worked out with this
    // element as upstream breaker cleared (the high-voltage breaker's), the
    // curves computed again for the change's frequency and the label placed
    // beside the curve, measured in the graph's label font.
    void DoDrawCurveLabel(fw::CDC* pDC, CObjGraph* graph, const CCurveChange& change) override;
    void SetCurveBand(int32_t band) override;
    CObjAdjust* GetObjAdjust(int32_t* which = nullptr) const override;
    void GetGraphNoLists(std::vector<CGraphNoList*>& lists) override;

    // The frequency the curves were last computed for (Hz); not stored: the
    // document computes every curve again after loading.
    int32_t m_nCurveFrequency = 50;

protected:
    CAdjustOwner() = default;
    CAdjustOwner(const CAdjustOwner&) = default;
    CAdjustOwner& operator=(const CAdjustOwner&) = default;

    virtual CObjAdjust* FirstAdjust() const = 0;
    virtual std::string CurveLabelText() const = 0;
    virtual int32_t CurveDxfLayer() const = 0;
    // The element's kind as the selection markers name an upstream breaker
    // (1 the high-voltage breaker) with its number; 0 for an element that is
    // never upstream of a low-voltage breaker's selection.
    virtual uint32_t UpstreamKind(uint32_t* number) const {
        *number = 0;
        return 0;
    }
};
