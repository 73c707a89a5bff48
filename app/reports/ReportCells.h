#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Pieces of cell texts that several report tables share.
namespace reportcell {

// "3" and "Phases" with nothing between ("3Phases"), or "Phases" alone.
std::string ThreePhases();
std::string Phases();
// What a calculated cell shows before the calculation: on two lines, or on
// one where the row is a single line high.
std::string NotCalculated();
std::string NotCalculatedOneLine();
// A breaker before the selection modes.
std::string NotSelected();
// Joins the parts with line breaks.
std::string Lines(std::initializer_list<std::string> parts);
// One block of four lines per conductor group: each block starts four
// lines below the one before it.
std::string GroupBlocks(const std::vector<std::string>& blocks);
// The groups a conductor of the wire-system code shows (1 phases, 2 also
// the neutral, 3 also the protective conductor).
std::vector<uint32_t> GroupsOf(uint32_t wireSystem);
// The wire-system cell of a conductor: "Phases" ("3Phases" for three
// phases), then "N" and "PE" four lines apart, as its groups are.
std::string WireSystem(uint32_t wireSystem, bool singlePhase);
// The height of a conductor row: four lines per group.
int32_t ConductorRowHeight(uint32_t wireSystem);

} // namespace reportcell
