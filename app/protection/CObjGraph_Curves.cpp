#include "CObjGraph.h"

#include "app/protection/CCurveOwner.h"
#include "framework/Region.h"

namespace {

// The parts of a curve owner that a click selects on their own, with the
// hint that announces each: the labels, a breaker's short-circuit current
// line and its two current markers.
struct PartCode {
    int32_t code;
    int32_t hint;
};
constexpr PartCode kParts[] = {{100, 22}, {101, 22}, {200, 23}, {300, 24}, {400, 25}};
constexpr int32_t kCurveCodes[] = {0, 1};
constexpr int32_t kCurveHint = 21;
constexpr uint32_t kShift = 4;

void Notify(const CCurveNotify& notify, int32_t hint, CCurveOwner* owner) {
    if (notify)
        notify(hint, owner);
}

} // namespace

void CObjGraph::DoDrawAllCurves(fw::CDC* pDC, const CEleDocSettings& settings,
                                const std::vector<CCurveOwner*>& owners, const fw::CRect& clip) {
    if (!pDC)
        return;
    pDC->IntersectClipRect(clip);
    for (CCurveOwner* owner : owners) {
        if (owner)
            owner->DoDrawCurve(pDC, this, settings);
    }
    pDC->SelectClipRgn(nullptr);
}

bool CObjGraph::DoSetHitCursor(fw::CDC* pDC, const std::vector<CCurveOwner*>& owners,
                               fw::CPoint devicePoint) {
    if (!pDC)
        return false;
    fw::CPoint point = devicePoint;
    pDC->DPtoLP(&point);
    static constexpr int32_t kOrder[] = {100, 101, 200, 300, 400, 0, 1};
    bool hit = false;
    for (CCurveOwner* owner : owners) {
        if (!owner)
            continue;
        for (int32_t code : kOrder) {
            if (owner->IsHittedCurve(pDC, this, point, code) == 0)
                continue;
            // A selected part keeps the cursor its tracker shows.
            if (code >= 100 && owner->IsSelectedCurve(this, code) == 1)
                return false;
            hit = true;
            break;
        }
    }
    return hit;
}

namespace {

// Step a of a click on one owner: its parts take their hit state (with
// shift, a hit part is selected). Whether a part was handled and is now
// selected, and whether any part was hit.
struct PartResult {
    bool handledSelected = false;
    bool anyHit = false;
};

PartResult SelectParts(CObjGraph* graph, fw::CDC* pDC, CCurveOwner* owner, uint32_t flags,
                       fw::CPoint point, const CCurveNotify& notify) {
    PartResult result;
    const bool shift = (flags & kShift) != 0;
    for (const PartCode& part : kParts) {
        const int32_t hit = owner->IsHittedCurve(pDC, graph, point, part.code) ? 1 : 0;
        if (hit)
            result.anyHit = true;
        bool handled = false;
        if (shift) {
            if (hit) {
                owner->DoSelectCurve(graph, 1, flags, part.code);
                handled = true;
            }
        } else if (hit != (owner->IsSelectedCurve(graph, part.code) ? 1 : 0)) {
            owner->DoSelectCurve(graph, hit, flags, part.code);
            handled = true;
        }
        if (handled) {
            Notify(notify, part.hint, owner);
            if (owner->IsSelectedCurve(graph, part.code) == 1)
                result.handledSelected = true;
        }
    }
    return result;
}

// Step b for the curve codes; whether a curve code of the owner is now
// selected (counted as a selected curve).
bool SelectCurves(CObjGraph* graph, fw::CDC* pDC, CCurveOwner* owner, uint32_t flags,
                  fw::CPoint point, const CCurveNotify& notify, const PartResult& parts,
                  bool single, bool* curveHit) {
    bool counted = false;
    for (int32_t code : kCurveCodes) {
        const int32_t hit = owner->IsHittedCurve(pDC, graph, point, code) ? 1 : 0;
        if (hit)
            *curveHit = true;
        const int32_t before = owner->IsSelectedCurve(graph, code);
        if (parts.handledSelected) {
            // A selected part carries its curve with it.
            if (before != 1) {
                owner->DoSelectCurve(graph, 1, flags, code);
                Notify(notify, kCurveHint, owner);
            }
            continue;
        }
        // Among a given list a selected curve whose part was hit stays.
        if (!single || hit || before != 1 || !parts.anyHit)
            owner->DoSelectCurve(graph, hit, flags, code);
        const int32_t after = owner->IsSelectedCurve(graph, code);
        if (after != before)
            Notify(notify, kCurveHint, owner);
        if (after == 1)
            counted = true;
    }
    return counted;
}

} // namespace

int32_t CObjGraph::DoSelectCurvesAt(fw::CDC* pDC, const std::vector<CCurveOwner*>& owners,
                                    uint32_t flags, fw::CPoint point, const CCurveNotify& notify) {
    if ((flags & kShift) == 0) {
        // A click on one curve of a selection of several keeps them all.
        int32_t changes = 0;
        bool selectedHit = false;
        for (CCurveOwner* owner : owners) {
            if (!owner)
                continue;
            bool hit = false;
            bool selected = false;
            for (int32_t code : kCurveCodes) {
                hit = hit || owner->IsHittedCurve(pDC, this, point, code) != 0;
                selected = selected || owner->IsSelectedCurve(this, code) == 1;
            }
            if (hit != selected)
                ++changes;
            if (hit && selected)
                selectedHit = true;
        }
        if (selectedHit && changes > 1)
            return changes;
    }
    int32_t count = 0;
    for (CCurveOwner* owner : owners) {
        if (!owner)
            continue;
        const PartResult parts = SelectParts(this, pDC, owner, flags, point, notify);
        bool curveHit = false;
        if (SelectCurves(this, pDC, owner, flags, point, notify, parts, false, &curveHit))
            ++count;
    }
    return count;
}

CCurveOwner* CObjGraph::DoSelectSingleAt(fw::CDC* pDC, const std::vector<CCurveOwner*>& owners,
                                         uint32_t flags, fw::CPoint point,
                                         const CCurveNotify& notify) {
    int32_t count = 0;
    CCurveOwner* candidate = nullptr;
    for (CCurveOwner* owner : owners) {
        if (!owner)
            continue;
        const PartResult parts = SelectParts(this, pDC, owner, flags, point, notify);
        bool curveHit = false;
        if (SelectCurves(this, pDC, owner, flags, point, notify, parts, true, &curveHit))
            ++count;
        if (curveHit)
            candidate = owner;
    }
    return count == 1 ? candidate : nullptr;
}
