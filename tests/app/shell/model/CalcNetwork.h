#pragma once

// Networks for the short-circuit calculation given as data: each symbol is
// a kind, a grid cell for its top-left corner, an orientation and the few
// values of its kind that the calculation reads. The same networks can be
// laid out mirrored left to right, and a radial network of any size can be
// generated for the benchmark and for comparing the fast and the plain
// calculation.

#include "app/shell/model/CTovarineDocData.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class CCalcPoint;
class CObjElement;
class CObjElementList;

namespace tvtest {

// One symbol. values, by kind:
//   source: short-circuit capacity (MVA), X/R; 6600 V;
//   three-phase transformer: capacity (kVA), %Z, X/R; 6600 / 400 V;
//   single-phase transformer: capacity (kVA), %Z and X/R of the full
//   winding, %Z and X/R of the half winding (the full winding's when not
//   given); 6600 / 210 V;
//   generator: capacity (kVA), X"d (%), T"d (s), Tdc (s); 400 V;
//   motor effect: capacity (kVA), X"m (%), Rr (%), Rs (%); 400 V;
//   bus-bar, wire, bus-duct: length (m), then R and X per metre (mohm/m) of
//   the phases, of N and of PE; wire system 3, 400 V;
//   zero conductor: its width in cells (6 when not given);
//   the others take nothing.
struct NetItem {
    NetItem(std::string name_, int32_t kind_, int col_, int row_, int32_t horizontal_ = 0,
            std::vector<double> values_ = {}, bool calcPoint_ = false, bool off_ = false)
        : name(std::move(name_)), kind(kind_), col(col_), row(row_), horizontal(horizontal_),
          values(std::move(values_)), calcPoint(calcPoint_), off(off_) {}

    std::string name;
    int32_t kind = 0;
    int col = 0;
    int row = 0;
    int32_t horizontal = 0; // 0 vertical, 1 or 2 the two horizontal placements
    std::vector<double> values;
    bool calcPoint = false;
    bool off = false; // a breaker switched off (kinds with an OFF flag only)
};

// A document holding a network. Mirrored, every symbol is laid out as its
// mirror image about the vertical line at mirrorColumns cells, and a
// horizontal symbol's orientation 1 becomes 2 and 2 becomes 1 (the side it
// is fed from changes with it).
class CalcNet {
public:
    CalcNet(const std::vector<NetItem>& items, bool mirrored = false, int mirrorColumns = 40);
    CalcNet(const CalcNet&) = delete;
    CalcNet& operator=(const CalcNet&) = delete;

    CObjElement* operator[](const std::string& name) const;

    // Fault currents as the element's label shows them (A), at its voltage.
    double Ik3(const std::string& name) const;
    double Ik1N(const std::string& name) const;
    double Ik1PE(const std::string& name) const;

    // The element's calculation point, for its stored impedances.
    const CCalcPoint* PointOf(const std::string& name) const;

    CTovarineDocData doc;

private:
    std::map<std::string, CObjElement*> m_byName;
};

// Adds one element of the kind to the document's tree at the cell.
CObjElement* PlaceElement(CTovarineDocData& doc, const NetItem& item);

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
