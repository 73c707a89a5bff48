#pragma once

// Networks for the short-circuit calculation: a radial network of any size
// generated for the benchmark and for comparing the fast and the plain
// calculation, and what those comparisons read. Networks drawn by hand are
// in tests/app/TestNetwork.h.

#include "tests/app/TestNetwork.h"

#include "app/shell/model/CTovarineDocData.h"

#include <cstdint>
#include <string>
#include <vector>

class CObjElementList;

namespace tvtest {

// The places in all of the list's elements, in the list's order ("3 0 7 "),
// to compare two working lists by.
std::string IndexesIn(const CObjElementList& list, const CObjElementList& all);

// The whole project as it is stored, calculation points included.
std::vector<uint8_t> StoredBytes(CTovarineDocData& doc);

// A radial skeleton for the benchmark and the random comparisons: a source
// and a transformer above a main bus, feeders of wires and bus-bars down to
// sub-buses, circuits down to loads, motors, capacitors and motor effects,
// and horizontal ties between buses. Every choice comes from the seed.
struct RadialShape {
    int elements = 2000;  // about this many symbols
    int calcPoints = 500; // this many of the conductors are calculation points
    int motorEffects = 8; // motor effects hung below the sub-buses
    int generators = 0;   // generators feeding sub-buses from above
    int ties = 0;         // horizontal bus-bars joining two buses side by side
    int rings = 0;        // second feeders that close a loop (a meshed skeleton)
    unsigned seed = 1;
};
// Places the skeleton in the document; the number of symbols placed.
int BuildRadial(CTovarineDocData& doc, const RadialShape& shape);

} // namespace tvtest
