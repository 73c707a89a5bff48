#include "CTVUpdate.h"

const fw::CRuntimeClass* CTVUpdate::GetRuntimeClass() const {
    // A hint object is never stored, so it has no creator and no registration.
    static const fw::CRuntimeClass cls{"CTVUpdate", 0, nullptr};
    return &cls;
}
