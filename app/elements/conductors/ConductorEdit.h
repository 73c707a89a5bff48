#pragma once

#include "app/elements/frame/CEleFrame.h"
#include "app/records/DialogSeam.h"

#include <cstdint>
#include <functional>

// The edit flow of the three conductors: the property sheet works on a copy
// (through the model's dialog seam); on OK the document's undo snapshot is
// taken, the copy comes back, `accepted` runs, the old area and both symbol
// rectangles are invalidated; a calculation point that was switched on in a
// calculated mode has no results yet, so the document goes back to checking
// the skeleton; then the labels are laid out again for the document's mode
// and their area invalidated. 1 on OK, else kEditCancelled and nothing
// changed.
template <class Model>
int32_t DoEditConductor(Model& self, const CEleEditContext& ctx,
                        const std::function<void()>& accepted = {}) {
    const fw::CRect oldArea = self.m_listRefV1.GetRect(0);
    const fw::CRect oldSymbol = self.m_rectSymbol;
    const uint32_t oldCalcPoint = self.m_nCalcPoint;
    CEleEditContext::Scope scope(ctx);
    const bool ok = DialogSeam<Model>::Edit(self, [&ctx] {
        if (ctx.saveUndo)
            ctx.saveUndo();
    });
    if (!ok)
        return kEditCancelled;
    if (accepted)
        accepted();
    if (ctx.invalidate) {
        ctx.invalidate(oldArea);
        ctx.invalidate(oldSymbol);
        ctx.invalidate(self.m_rectSymbol);
    }
    CEleDocSettings settings = ctx.settings;
    if (settings.nMode >= 3 && oldCalcPoint != 1 && self.m_nCalcPoint == 1) {
        if (ctx.returnToCheckMode)
            ctx.returnToCheckMode();
        settings.nMode = 2;
        settings.nSubMode = 0;
    }
    const fw::CRect newArea = self.DoLayoutRefV1List(ctx.pDC, settings);
    if (ctx.invalidate)
        ctx.invalidate(newArea);
    return 1;
}
