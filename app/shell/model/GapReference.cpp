#include "GapReference.h"

#include "app/protection/CGapLine.h"
#include "app/protection/CObjGraph.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjElementList.h"

namespace gapref {

namespace {

constexpr int32_t kTexts = 1;
constexpr int32_t kLeaders = 2;
constexpr int32_t kTimeLabels = 1;
constexpr int32_t kCurrentLabels = 2;

// The elements draw the measures their gap line has on: a copy with only the
// wanted one on says which.
CGapLine Only(const CGapLine& gapLine, bool time, bool current) {
    CGapLine only = gapLine;
    only.m_nMeasureTime = time ? 1 : 0;
    only.m_nMeasureCurrent = current ? 1 : 0;
    return only;
}

// Every element in list order, the current labels numbered on from one.
void Walk(fw::CDC* pDC, CObjGraph& graph, CGapLine only, const CObjElementList& elements,
          int32_t flag) {
    int32_t running = 0;
    for (CObjElement* element : elements)
        running = element->DoDrawGapLine(pDC, &graph, &only, flag, running);
}

void Invalidate(fw::CDC* pDC, CObjGraph& graph, const CGapLine& gapLine,
                const CObjElementList& elements, int32_t labels, const CEleInvalidate& invalidate) {
    if (labels == 0 || !invalidate)
        return;
    CGapLine copy = gapLine;
    for (CObjElement* element : elements)
        element->DoDrawGapValue(pDC, &graph, &copy, labels, invalidate);
}

int32_t LabelsOn(const CGapLine& gapLine) {
    return (gapLine.m_nMeasureTime == 1 ? kTimeLabels : 0) |
           (gapLine.m_nMeasureCurrent == 1 ? kCurrentLabels : 0);
}

// The current standard line and the leaders of the times to it.
void TimeLines(fw::CDC* pDC, CObjGraph& graph, const CGapLine& gapLine,
               const CObjElementList& elements) {
    gapLine.DoDrawCurrentStdLine(pDC, graph);
    Walk(pDC, graph, Only(gapLine, true, false), elements, kLeaders);
}

// The time standard line and the leaders of the currents to it.
void CurrentLines(fw::CDC* pDC, CObjGraph& graph, const CGapLine& gapLine,
                  const CObjElementList& elements) {
    gapLine.DoDrawTimeStdLine(pDC, graph);
    Walk(pDC, graph, Only(gapLine, false, true), elements, kLeaders);
}

} // namespace

void DoDrawReference(fw::CDC* pDC, CObjGraph& graph, const CGapLine& gapLine,
                     const CObjElementList& elements) {
    if (!pDC)
        return;
    const bool current = gapLine.m_nMeasureCurrent == 1;
    const bool time = gapLine.m_nMeasureTime == 1;
    if (current)
        CurrentLines(pDC, graph, gapLine, elements);
    if (time)
        TimeLines(pDC, graph, gapLine, elements);
    if (current)
        Walk(pDC, graph, Only(gapLine, false, true), elements, kTexts);
    if (time)
        Walk(pDC, graph, Only(gapLine, true, false), elements, kTexts);
}

void DoToggleReference(fw::CDC* pDC, CObjGraph& graph, const CGapLine& gapLine,
                       const CObjElementList& elements, const CEleInvalidate& invalidate) {
    if (!pDC)
        return;
    if (gapLine.m_nMeasureCurrent == 1)
        CurrentLines(pDC, graph, gapLine, elements);
    if (gapLine.m_nMeasureTime == 1)
        TimeLines(pDC, graph, gapLine, elements);
    Invalidate(pDC, graph, gapLine, elements, LabelsOn(gapLine), invalidate);
}

void DoToggleMeasureTime(fw::CDC* pDC, CObjGraph& graph, const CGapLine& gapLine,
                         const CObjElementList& elements, int32_t flag,
                         const CEleInvalidate& invalidate) {
    if (!pDC)
        return;
    TimeLines(pDC, graph, gapLine, elements);
    if (flag == 1)
        Walk(pDC, graph, Only(gapLine, true, false), elements, kTexts);
    else
        Invalidate(pDC, graph, gapLine, elements, kTimeLabels, invalidate);
}

void DoToggleMeasureCurrent(fw::CDC* pDC, CObjGraph& graph, const CGapLine& gapLine,
                            const CObjElementList& elements, int32_t flag,
                            const CEleInvalidate& invalidate) {
    if (!pDC)
        return;
    CurrentLines(pDC, graph, gapLine, elements);
    if (flag == 1)
        Walk(pDC, graph, Only(gapLine, false, true), elements, kTexts);
    else
        Invalidate(pDC, graph, gapLine, elements, kCurrentLabels, invalidate);
}

void DoRedrawMeasureTime(fw::CDC* pDC, CObjGraph& graph, const CGapLine& gapLine,
                         const CObjElementList& elements, int32_t firstPass,
                         const CEleInvalidate& invalidate) {
    if (!pDC)
        return;
    TimeLines(pDC, graph, gapLine, elements);
    if (firstPass == 1)
        Invalidate(pDC, graph, gapLine, elements, LabelsOn(gapLine), invalidate);
    else
        Walk(pDC, graph, Only(gapLine, true, false), elements, kTexts);
}

void DoRedrawMeasureCurrent(fw::CDC* pDC, CObjGraph& graph, const CGapLine& gapLine,
                            const CObjElementList& elements, int32_t firstPass,
                            const CEleInvalidate& invalidate) {
    if (!pDC)
        return;
    CurrentLines(pDC, graph, gapLine, elements);
    if (firstPass == 1)
        Invalidate(pDC, graph, gapLine, elements, LabelsOn(gapLine), invalidate);
    else
        Walk(pDC, graph, Only(gapLine, false, true), elements, kTexts);
}

} // namespace gapref
