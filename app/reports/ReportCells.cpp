#include "app/reports/ReportCells.h"

#include "framework/StringTable.h"

namespace reportcell {

namespace {
constexpr unsigned IDS_PHASES = 26393;
} // namespace

std::string ThreePhases() {
    return "3" + Phases();
}

std::string Phases() {
    return fw::LoadString(IDS_PHASES);
}

std::string NotCalculated() {
    return "Not\r\ncalculated";
}

std::string NotCalculatedOneLine() {
    return "Not calculated";
}

std::string NotSelected() {
    return "Not\r\nselected";
}

std::string Lines(std::initializer_list<std::string> parts) {
    std::string text;
    bool first = true;
    for (const std::string& part : parts) {
        if (!first)
            text += "\r\n";
        text += part;
        first = false;
    }
    return text;
}

std::string GroupBlocks(const std::vector<std::string>& blocks) {
    std::string text;
    for (size_t i = 0; i < blocks.size(); ++i) {
        if (i > 0) {
            // The previous block's lines, then empty lines up to four.
            int lines = 1;
            for (size_t at = blocks[i - 1].find("\r\n"); at != std::string::npos;
                 at = blocks[i - 1].find("\r\n", at + 2))
                ++lines;
            for (int k = lines; k <= 4; ++k)
                text += "\r\n";
        }
        text += blocks[i];
    }
    return text;
}

std::vector<uint32_t> GroupsOf(uint32_t wireSystem) {
    if (wireSystem == 3)
        return {1, 2, 3};
    if (wireSystem == 2)
        return {1, 2};
    return {1};
}

std::string WireSystem(uint32_t wireSystem, bool singlePhase) {
    std::vector<std::string> blocks;
    blocks.push_back(singlePhase ? Phases() : ThreePhases());
    if (wireSystem == 2 || wireSystem == 3)
        blocks.push_back("N");
    if (wireSystem == 3)
        blocks.push_back("PE");
    return GroupBlocks(blocks);
}

int32_t ConductorRowHeight(uint32_t wireSystem) {
    return 140 * static_cast<int32_t>(GroupsOf(wireSystem).size());
}

} // namespace reportcell
