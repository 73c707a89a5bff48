#pragma once

// Networks drawn in a test: symbols of any kind placed on the skeleton's grid
// of 40-unit cells, their models reached as their own classes, and any
// element's calculation point read through the element object.
//
//   CTovarineDocData doc;
//   CObjElement* t = tvtest::Place(doc, kKindTrans3, 0, 2);
//   tvtest::ModelOf<CEleTrans3>(t).m_dCapacity = 1000.0;
//   tvtest::Place(doc, kKindZeroCond, 0, 5, 0, 6); // six cells wide
//   tvtest::MarkCalcPoint(t);
//   ... run the calculation ...
//   const CCalcPoint* p = tvtest::CalcPointOf(t);
//
// Or a whole network as data, each symbol named, with the values the
// calculation reads (NetItem), and its currents read by name (CalcNet).

#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CTovarineDocData.h"

#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>
#include <typeinfo>
#include <utility>
#include <vector>

class CCalcPoint;

namespace tvtest {

// A new element of the kind in a group of its own in the document, its
// symbol's top-left corner at the cell (col, row). horizontal 1 or 2 lays a
// conductor on its side (its width and height swap; the number is the
// placement the element keeps, 1 fed from the left, 2 from the right); a
// zero conductor is `cells` cells wide (its own default width when 0).
CObjElement* Place(CTovarineDocData& doc, int32_t kind, int col, int row, int32_t horizontal = 0,
                   int cells = 0);

// The element's model as its own class; an element of another kind (or
// without a model) is an error of the test, not a crash.
template <class Model> Model& ModelOf(const CObjElement* e);

// The element's calculation point, found through the element object for any
// kind that has one (a single-phase transformer's is its full winding's);
// null for a kind without one.
CCalcPoint* CalcPointOf(const CObjElement* e);

// Makes the element a calculation point or not, through the element object
// (a single-phase transformer's full winding); false for a kind that cannot
// be one.
bool MarkCalcPoint(CObjElement* e, bool on = true);

// One symbol of a network given as data. values, by kind:
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
//   low-voltage breaker: its rated current (100 A when not given); 400 V;
//   high-voltage breaker: 6600 V on a 200/5 A CT; contactor, thermal
//   relay: 400 V;
//   motor, load, capacitor: 400 V;
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

// Places the symbol with its values.
CObjElement* PlaceElement(CTovarineDocData& doc, const NetItem& item);

// A document holding a network, its symbols by name. Mirrored, every symbol
// is laid out as its mirror image about the vertical line at mirrorColumns
// cells, and a horizontal symbol's orientation 1 becomes 2 and 2 becomes 1
// (the side it is fed from changes with it).
class CalcNet {
public:
    CalcNet(const std::vector<NetItem>& items, bool mirrored = false, int mirrorColumns = 40);
    CalcNet(const CalcNet&) = delete;
    CalcNet& operator=(const CalcNet&) = delete;

    CObjElement* operator[](const std::string& name) const;

    // Fault currents as the element's label shows them (A), at 400 V.
    double Ik3(const std::string& name) const;
    double Ik1N(const std::string& name) const;
    double Ik1PE(const std::string& name) const;

    // The element's calculation point, for its stored impedances; an
    // element without one is an error of the test.
    const CCalcPoint* PointOf(const std::string& name) const;

    CTovarineDocData doc;

private:
    std::map<std::string, CObjElement*> m_byName;
};

// --- implementation ------------------------------------------------------------------

template <class Model> Model& ModelOf(const CObjElement* e) {
    auto* model = e ? dynamic_cast<Model*>(e->GetElement()) : nullptr;
    if (!model)
        throw std::invalid_argument(std::string("the element's model is no ") +
                                    typeid(Model).name());
    return *model;
}

} // namespace tvtest
