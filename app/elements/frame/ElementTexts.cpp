#include "ElementTexts.h"

#include "framework/StringTable.h"
#include "tools/Filvaron.h"

namespace elementtexts {

std::string Beams(double value, int unit, unsigned unitId) {
    std::string text = DLLGetTextByBeams(value, 0);
    if (unit == 1 && unitId != 0)
        text += fw::LoadString(unitId);
    return text;
}

std::string BeamsEx(double value, int digits, int unit, unsigned unitId) {
    std::string text = DLLGetTextByBeamsEx(value, digits, 0);
    if (unit == 1 && unitId != 0)
        text += fw::LoadString(unitId);
    return text;
}

} // namespace elementtexts
