#pragma once

#include "app/elements/frame/CEleFrame.h"
#include "app/records/DialogSeam.h"

#include <cstdint>

namespace supplyedit {

// The edit of a model with a calculation point (the transformers and the
// zero conductor): the dialog edits a copy through the model's seam; on OK
// the undo snapshot is taken and the copy comes back. When the element has
// just become a calculation point after a calculation (mode 3 or later), its
// results do not exist yet: the document goes back to the check mode before
// the label, which then shows no currents, is laid out again. The old area,
// the symbol and the new label area are invalidated. 1 on OK, else
// kEditCancelled and nothing changed.
template <class Model, class FlagOf>
int32_t DoEditCalcPoint(Model& self, const CEleEditContext& ctx, FlagOf flagOf) {
    const fw::CRect oldArea = self.m_listRefV1.GetRect(0);
    const uint32_t wasCalcPoint = flagOf(self);
    CEleEditContext::Scope scope(ctx);
    bool ok = DialogSeam<Model>::Edit(self, [&ctx] {
        if (ctx.saveUndo)
            ctx.saveUndo();
    });
    if (!ok)
        return kEditCancelled;
    CEleDocSettings settings = ctx.settings;
    if (settings.nMode >= 3 && wasCalcPoint != 1 && flagOf(self) == 1) {
        if (ctx.returnToCheckMode)
            ctx.returnToCheckMode();
        settings.nMode = 2;
        settings.nSubMode = 0;
    }
    const fw::CRect newArea = self.DoLayoutRefV1List(ctx.pDC, settings);
    if (ctx.invalidate) {
        ctx.invalidate(oldArea);
        ctx.invalidate(self.m_rectSymbol);
        ctx.invalidate(newArea);
    }
    return 1;
}

} // namespace supplyedit
