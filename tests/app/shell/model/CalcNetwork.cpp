#include "CalcNetwork.h"

#include "app/records/ElementKinds.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjElementList.h"
#include "app/shell/model/CObjGroup.h"
#include "framework/Archive.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <stdexcept>

namespace tvtest {

std::string IndexesIn(const CObjElementList& list, const CObjElementList& all) {
    std::string text;
    for (CObjElement* e : list) {
        for (size_t i = 0; i < all.GetCount(); ++i) {
            if (all.GetAt(i) == e)
                text += std::to_string(i) + " ";
        }
    }
    return text;
}

std::vector<uint8_t> StoredBytes(CTovarineDocData& doc) {
    fw::CArchive ar = fw::CArchive::ForStoring();
    doc.Serialize(ar);
    return ar.Bytes();
}

// --- the generated radial skeleton ------------------------------------------------

namespace {

// The abstract tree first, so that every bus knows its width before it is
// laid out: a bus is a row of circuits, a circuit a chain of conductors down
// to a consumer or to a bus of its own.
struct Circuit;
struct Bus {
    std::vector<Circuit> circuits;
    int tieBus = -1; // a bus beside this one, reached by a horizontal bus-bar
    int width = 1;   // its own span in cells
    int extent = 1;  // with the tie and the buses beside it
};
struct Circuit {
    int conductors = 1;       // vertical conductors one below the other
    bool transformer = false; // a transformer in the middle of the chain
    int32_t end = kKindLoad;  // consumer kind, or 8 for a bus
    int bus = -1;             // index of the bus it feeds
    bool generator = false;   // a generator chain feeds its bus from above too
    bool ring = false;        // a second feeder from the bus above closes a loop
};

class Radial {
public:
    Radial(CTovarineDocData& doc, const RadialShape& shape) : m_doc(doc), m_rng(shape.seed) {}

    int Build(const RadialShape& shape) {
        // Plan: a main bus, then buses under buses until the count is met.
        m_buses.emplace_back();
        std::vector<int> open{0};
        // Source, transformer and main bus; what the ties, generators and
        // rings add later is kept aside (a tie: its bus-bar, its bus and
        // three circuits of two symbols).
        int count = 3 + 8 * shape.ties + 2 * shape.generators + 2 * shape.rings;
        std::uniform_int_distribution<int> circuitsPerBus(3, 12);
        std::uniform_int_distribution<int> percent(0, 99);
        // Sub-buses up to one for every five symbols asked (400 at least):
        // with fewer, a large plan runs out of open buses before it meets
        // the count.
        const size_t maxBuses = std::max<size_t>(400, static_cast<size_t>(shape.elements) / 5);
        size_t next = 0;
        while (count < shape.elements && next < open.size()) {
            const int b = open[next++];
            const int n = circuitsPerBus(m_rng);
            for (int i = 0; i < n && count < shape.elements; ++i) {
                Circuit c;
                c.conductors = percent(m_rng) < 25 ? 2 : 1;
                const int roll = percent(m_rng);
                if (roll < 22 && m_buses.size() < maxBuses) {
                    c.end = kKindZeroCond;
                    c.bus = static_cast<int>(m_buses.size());
                    c.transformer = percent(m_rng) < 8;
                    if (c.transformer)
                        c.conductors = 2;
                    m_buses.emplace_back();
                    open.push_back(c.bus);
                } else if (roll < 55) {
                    c.end = kKindLoad;
                } else if (roll < 80) {
                    c.end = kKindMotor;
                } else {
                    c.end = kKindCapacitor;
                }
                count += c.conductors + 1 + (c.transformer ? 1 : 0);
                m_buses[static_cast<size_t>(b)].circuits.push_back(c);
            }
        }
        // Motor effects, generators, ties and rings on chosen circuits.
        auto pickCircuit = [&](auto accept) -> Circuit* {
            for (int tries = 0; tries < 200; ++tries) {
                Bus& bus =
                    m_buses[std::uniform_int_distribution<size_t>(0, m_buses.size() - 1)(m_rng)];
                if (bus.circuits.empty())
                    continue;
                Circuit& c = bus.circuits[std::uniform_int_distribution<size_t>(
                    0, bus.circuits.size() - 1)(m_rng)];
                if (accept(c))
                    return &c;
            }
            return nullptr;
        };
        for (int i = 0; i < shape.motorEffects; ++i) {
            if (Circuit* c = pickCircuit([](const Circuit& x) { return x.end == kKindLoad; }))
                c->end = kKindMotorEff;
        }
        for (int i = 0; i < shape.generators; ++i) {
            if (Circuit* c = pickCircuit([](const Circuit& x) {
                    return x.end == kKindZeroCond && x.conductors == 2 && !x.generator &&
                           !x.transformer;
                }))
                c->generator = true;
        }
        for (int i = 0; i < shape.rings; ++i) {
            if (Circuit* c = pickCircuit([](const Circuit& x) {
                    return x.end == kKindZeroCond && !x.ring && !x.generator && !x.transformer;
                }))
                c->ring = true;
        }
        for (int i = 0; i < shape.ties && m_buses.size() > 1; ++i) {
            // A bus that is not fed from above yet hangs beside another.
            const int b =
                std::uniform_int_distribution<int>(1, static_cast<int>(m_buses.size()) - 1)(m_rng);
            if (m_buses[static_cast<size_t>(b)].tieBus >= 0)
                continue;
            m_buses[static_cast<size_t>(b)].tieBus = static_cast<int>(m_buses.size());
            m_buses.emplace_back();
            Bus& side = m_buses.back();
            for (int k = 0; k < 3; ++k) {
                Circuit c;
                c.end = k == 0 ? kKindMotor : kKindLoad;
                side.circuits.push_back(c);
            }
        }
        Width(0);

        // Lay out: source and transformer above the main bus.
        Add({"S", kKindSource, 0, 0, 0, {500, 25}});
        Add({"T", kKindTrans3, 0, 2, 0, {1000, 5, 5}});
        LayBus(0, 0, 5);
        // The calculation points: conductors chosen at random, as many as asked.
        std::shuffle(m_conductors.begin(), m_conductors.end(), m_rng);
        int marked = 0;
        for (CObjElement* e : m_conductors) {
            if (marked >= shape.calcPoints)
                break;
            MarkCalcPoint(e);
            ++marked;
        }
        return m_placed;
    }

private:
    int Width(int b) {
        Bus& bus = m_buses[static_cast<size_t>(b)];
        int w = 0;
        for (Circuit& c : bus.circuits)
            w += c.end == kKindZeroCond ? Width(c.bus) + 1 : 1; // a gap after a bus
        bus.width = std::max(w, 2);
        bus.extent = bus.width + (bus.tieBus >= 0 ? 4 + Width(bus.tieBus) : 0);
        return bus.extent;
    }

    CObjElement* Add(const NetItem& item) {
        ++m_placed;
        return PlaceElement(m_doc, item);
    }

    NetItem Conductor(int col, int row) {
        std::uniform_int_distribution<int> pick(0, 2);
        std::uniform_real_distribution<double> length(5.0, 80.0);
        const int32_t kind = pick(m_rng) == 0 ? kKindBusBar : kKindWire;
        const double l = std::round(length(m_rng));
        return {"", kind, col, row, 0, {l, 0.0754, 0.08, 0.0754, 0.08, 0.153, 0.085}};
    }

    // A bus at (col, row) with its circuits below and the bus tied beside it.
    void LayBus(int b, int col, int row) {
        const Bus& bus = m_buses[static_cast<size_t>(b)];
        Add({"", kKindZeroCond, col, row, 0, {static_cast<double>(bus.width)}});
        int c0 = col;
        for (const Circuit& c : bus.circuits) {
            int r = row + 1;
            auto chainConductor = [&] {
                CObjElement* e = Add(Conductor(c0, r));
                m_conductors.push_back(e);
                r += 4;
            };
            for (int k = 0; k < c.conductors; ++k) {
                if (c.transformer && k == 1) {
                    Add({"", kKindTrans3, c0, r, 0, {500, 4, 4}});
                    r += 3;
                }
                chainConductor();
            }
            if (c.end == kKindZeroCond) {
                const Bus& sub = m_buses[static_cast<size_t>(c.bus)];
                if (c.ring) {
                    // A second feeder at the sub-bus's last column.
                    int rr = row + 1;
                    for (int k = 0; k < (r - row - 1) / 4; ++k, rr += 4)
                        m_conductors.push_back(Add(Conductor(c0 + sub.width - 1, rr)));
                }
                if (c.generator) {
                    // A generator and one conductor down to the sub-bus.
                    Add({"", kKindGenerator, c0 + 1, r - 6, 0, {300, 12, 0.03, 0.05}});
                    m_conductors.push_back(Add(Conductor(c0 + 1, r - 4)));
                }
                LayBus(c.bus, c0, r);
                // Buses side by side on one row would touch: one cell apart.
                c0 += sub.extent + 1;
                continue;
            }
            switch (c.end) {
            case kKindMotorEff:
                Add({"", kKindMotorEff, c0, r, 0, {150, 20, 2, 1.5}});
                break;
            default:
                Add({"", c.end, c0, r, 0, {}});
                break;
            }
            ++c0;
        }
        if (bus.tieBus >= 0) {
            // A horizontal bus-bar, four cells long, to the bus beside.
            Add({"",
                 kKindBusBar,
                 col + bus.width,
                 row,
                 1,
                 {8, 0.03, 0.14, 0.06, 0.16, 0.12, 0.18}});
            LayBus(bus.tieBus, col + bus.width + 4, row);
        }
    }

    CTovarineDocData& m_doc;
    std::mt19937 m_rng;
    std::vector<Bus> m_buses;
    std::vector<CObjElement*> m_conductors;
    int m_placed = 0;
};

} // namespace

int BuildRadial(CTovarineDocData& doc, const RadialShape& shape) {
    Radial radial(doc, shape);
    return radial.Build(shape);
}

} // namespace tvtest
