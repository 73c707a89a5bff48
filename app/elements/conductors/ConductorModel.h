#pragma once

#include "app/calc/CPercentZ.h"
#include "app/calc/Impedance.h"
#include "app/elements/conductors/ConductorCalc.h"
#include "app/elements/conductors/ConductorTexts.h"
#include "app/elements/frame/CEleFrame.h"
#include "listdata/Quenlor.h"
#include "tools/Filvaron.h"

#include <cmath>
#include <cstdint>
#include <string>

// What the wire, the bus-bar and the bus-duct do alike on their own members:
// each of the three holds m_basic, the groups m_phase3, m_phaseN and
// m_phasePE, m_calcPoint, m_nCalcPoint, m_nHorizontal and m_rectSymbol, and
// the templates read them by name. The models keep their members (callers
// and the element object reach them on the model's own class) and forward
// here.
namespace condmodel {

// Placement codes of name and label beside a conductor's symbol.
constexpr uint32_t kNameVertical = 128;
constexpr uint32_t kLabelVertical = 32;
constexpr uint32_t kNameHorizontal = 16;
constexpr uint32_t kLabelHorizontal = 64;

// Group 1 the phases, 2 N, 3 PE; null for another group. Const on a const
// model.
template <class Model> auto Group(Model& self, uint32_t group) -> decltype(&self.m_phase3) {
    switch (group) {
    case 1:
        return &self.m_phase3;
    case 2:
        return &self.m_phaseN;
    case 3:
        return &self.m_phasePE;
    default:
        return nullptr;
    }
}

// The wire system of the basic record; the old one comes back.
template <class Model> uint32_t SetWireSystem(Model& self, uint32_t code) {
    const uint32_t old = self.m_basic.m_nWireSystem;
    self.m_basic.m_nWireSystem = code;
    return old;
}

// The earthing code; a changed one also gives the wire system its default.
// The old code comes back.
template <class Model> uint32_t SetEarthingSystem(Model& self, uint32_t code) {
    const uint32_t old = self.m_nEarthing;
    self.m_nEarthing = code;
    if (code != old)
        self.m_basic.m_nWireSystem = DLLGetDefaultWireSystem(code);
    return old;
}

// The symbol turned by 90 degrees and the skeleton labels laid out again.
template <class Model> fw::CRect DoRotate(Model& self, fw::CDC* pDC, int32_t mode) {
    DoRotateConductorRect(self.m_rectSymbol, self.m_nHorizontal);
    CEleDocSettings settings;
    settings.nMode = mode;
    self.DoLayoutRefV1List(pDC, settings);
    return self.m_rectSymbol;
}

// The percent impedance of one group by the conductors' common rule
// (DoCalcConductorPercentZ) from the group's values in use per metre;
// cores is the group's parallel cores (1 for bars and ducts). A group
// outside 1 to 3 counts with R and X of 0.
template <class Model>
void DoCalcGroupPercentZ(const Model& self, CPercentZ& out, double baseCapacity, uint32_t group,
                         uint32_t mode, double cores) {
    const auto* g = Group(self, group);
    DoCalcConductorPercentZ(out, self.m_nVoltage, baseCapacity, self.m_basic.m_dLength, group, mode,
                            self.m_nSinglePhase, self.m_basic.m_nWireSystem,
                            g ? g->m_dRPerMetre : 0.0, g ? g->m_dXPerMetre : 0.0, cores);
}

// The N pair of group 2 and the PE pair of group 3, each in the calculated
// mode 2; the rest zero.
template <class Model>
void DoCalcPercentZNPE(const Model& self, CPercentZ& out, double baseCapacity) {
    CPercentZ n;
    CPercentZ pe;
    self.DoCalcPercentZ(n, baseCapacity, 2, 2);
    self.DoCalcPercentZ(pe, baseCapacity, 3, 2);
    out = CPercentZ();
    out.m_dRN = n.m_dRN;
    out.m_dXN = n.m_dXN;
    out.m_dRPE = pe.m_dRPE;
    out.m_dXPE = pe.m_dXPE;
}

// The error mark after comparing a group's capacity with a current: only a
// capacity that compares as at least the current passes (a capacity without
// a number carries nothing). 1 when it passes.
inline int32_t DoMarkCurrentCapacity(uint32_t& errorMark, double capacity, double current) {
    if (capacity >= current) {
        errorMark = 0;
        return 1;
    }
    errorMark = 1;
    return 0;
}

// Voltage drop in percent of the load current ib through the phases'
// resistance rt (milliohms) at power factor 1; a single-phase circuit
// counts the way out and back. 0 without a voltage.
inline double DoCalcVoltageDrop(int32_t voltage, uint32_t singlePhase, double rt, double ib) {
    if (voltage < 1)
        return 0.0;
    if (singlePhase == 1)
        return 2.0 * rt * ib * 100.0 / 1000.0 / voltage;
    return std::sqrt(3.0) * rt * ib * 100.0 / 1000.0 / voltage;
}

// The data check by page of the bus-bar and the bus-duct: page null checks
// the basic values and the groups the wire system has (N with 2 and 3, PE
// with 3), else only the page *page (0 basic, 1 to 3 a group); the last bad
// value found names its control id and, when a page was given, its page is
// written back. checkBasic(basic) and checkGroup(group) give a control id
// or 0.
template <class Model, class BasicCheck, class GroupCheck>
int32_t DoCheckPages(const Model& self, uint32_t* page, BasicCheck checkBasic,
                     GroupCheck checkGroup) {
    const bool all = page == nullptr;
    const uint32_t which = page ? *page : 0;
    int32_t id = 0;
    uint32_t found = 0;
    auto take = [&](int32_t bad, uint32_t p) {
        if (bad != 0) {
            id = bad;
            found = p;
        }
    };
    if (all || which == 0)
        take(checkBasic(self.m_basic), 0);
    const uint32_t ws = self.m_basic.m_nWireSystem;
    if (all || which == 1)
        take(checkGroup(self.m_phase3), 1);
    if ((all && (ws == 2 || ws == 3)) || (!all && which == 2))
        take(checkGroup(self.m_phaseN), 2);
    if ((all && ws == 3) || (!all && which == 3))
        take(checkGroup(self.m_phasePE), 3);
    if (id != 0 && page)
        *page = found;
    return id;
}

// The conductor's line through its symbol rectangle, with the calculation
// point's arrow; drawn inside the frame's symbol drawing.
inline void DoDrawLine(fw::CDC* dc, fw::CPoint c, const fw::CRect& r, uint32_t horizontal,
                       uint32_t calcPoint) {
    if (horizontal == 0) {
        dc->MoveTo(c.x, r.top - 1);
        dc->LineTo(c.x, r.bottom + 1);
        if (calcPoint == 1)
            CCalcPoint::DoDrawArrow(dc, c.x, c.y + 33);
    } else {
        dc->MoveTo(r.left - 1, c.y);
        dc->LineTo(r.right + 1, c.y);
        if (calcPoint == 1)
            CCalcPoint::DoDrawArrow(dc, r.right - 20, c.y);
    }
}

// The label's lines after the group lines: with a voltage the length and
// material, then |Z| = R + jX of the phases (r and x in milliohms); a
// calculation point in a calculated mode (3 and up) adds its fault currents.
template <class Model> std::string LabelTail(const Model& self, double r, double x, int32_t mode) {
    using namespace condtext;
    std::string tail;
    if (self.m_nVoltage > 0) {
        tail += "\r\n" + DLLGetTextByBeams(self.m_basic.m_dLength, 0) + Str(IDS_METRE) + "," +
                MaterialText(self.m_basic.m_nMaterial);
        tail += "\r\n" + Ex(DoCalcMagnitude(r, x), 4, 0, 0) + "=" + Ex(r, 4, 0, 0) + "+j" +
                Ex(x, 4, 0, 0);
    }
    if (self.m_nCalcPoint == 1 && mode >= 3)
        tail += FaultCurrentLines(self.m_calcPoint, self.m_nVoltage, self.m_nSinglePhase,
                                  self.m_nEarthing, self.m_basic.m_nWireSystem);
    return tail;
}

// Name and label placed beside the symbol of one placement list, on the
// side its orientation gives.
template <class Model, class List>
fw::CRect DoLayoutLabel(const Model& self, List& list, fw::CDC* pDC, const std::string& name,
                        const std::string& label) {
    const bool horizontal = self.m_nHorizontal != 0;
    return list.DoCalcLabelRect(pDC, self.m_rectSymbol, name,
                                horizontal ? kNameHorizontal : kNameVertical, label,
                                horizontal ? kLabelHorizontal : kLabelVertical);
}

// The impedance-map label: |%Z| of the phases in the calculated mode 2 with
// its unit (with unitWhenPositive only after a value not negative), then
// "=" %R and "+j" %X on lines of their own.
template <class Model>
std::string ImpedanceLabel(const Model& self, double baseCapacity, bool unitWhenPositive) {
    using namespace condtext;
    CPercentZ z;
    self.DoCalcPercentZ(z, baseCapacity, 1, 2);
    return Ex(z.GetZ(), 4, 1, IDS_PERCENT_R, 0, unitWhenPositive) + "\r\n=" + Ex(z.m_dR, 4, 0, 0) +
           "\r\n+j" + Ex(z.m_dX, 4, 0, 0);
}

// %R and %X of one group in the given mode; mode 1 without the half-voltage
// pair. Empty for a group outside 1 to 3.
template <class Model>
std::string GetTextPercentRByGroup(const Model& self, uint32_t group, int mode, double baseCapacity,
                                   int unit) {
    if (!Group(self, group))
        return std::string();
    CPercentZ z;
    self.DoCalcPercentZ(z, baseCapacity, group, static_cast<uint32_t>(mode));
    const double r = group == 1 ? z.m_dR : group == 2 ? z.m_dRN : z.m_dRPE;
    return condtext::Ex(mode == 1 ? r - z.m_dRHalf : r, 4, unit, condtext::IDS_PERCENT_R, 1);
}

template <class Model>
std::string GetTextPercentXByGroup(const Model& self, uint32_t group, int mode, double baseCapacity,
                                   int unit) {
    if (!Group(self, group))
        return std::string();
    CPercentZ z;
    self.DoCalcPercentZ(z, baseCapacity, group, static_cast<uint32_t>(mode));
    const double x = group == 1 ? z.m_dX : group == 2 ? z.m_dXN : z.m_dXPE;
    return condtext::Ex(mode == 1 ? x - z.m_dXHalf : x, 4, unit, condtext::IDS_PERCENT_R, 1);
}

} // namespace condmodel

// Defines the members of `Class` that read only the calculation point and
// the voltage (declared alike in the three conductors' headers).
#define TV_CONDUCTOR_POINT_TEXTS(Class)                                                            \
    std::string Class::GetTextPercentZ(int mode, int unit) const {                                 \
        return condtext::GetTextPercentZ(m_calcPoint, mode, unit);                                 \
    }                                                                                              \
    std::string Class::GetTextOhmR(int mode, double baseCapacity, int unit) const {                \
        return condtext::GetTextOhmR(m_calcPoint, m_nVoltage, mode, baseCapacity, unit);           \
    }                                                                                              \
    std::string Class::GetTextIkSinglePhaseSym(int mode, int unit) const {                         \
        return condtext::GetTextIkSinglePhaseSym(m_calcPoint, m_nVoltage, mode, unit);             \
    }                                                                                              \
    std::string Class::GetTextIkSinglePhaseAsym(int mode, int unit) const {                        \
        return condtext::GetTextIkSinglePhaseAsym(m_calcPoint, m_nVoltage, mode, unit);            \
    }                                                                                              \
    std::string Class::GetTextPercentXTotal(int unit) const {                                      \
        return condtext::GetTextPercentXTotal(m_calcPoint, unit);                                  \
    }                                                                                              \
    std::string Class::GetTextPercentZTotal(int unit) const {                                      \
        return condtext::GetTextPercentZTotal(m_calcPoint, unit);                                  \
    }                                                                                              \
    std::string Class::GetTextIk1PETotal(int unit) const {                                         \
        return condtext::GetTextIk1PETotal(m_calcPoint, m_nVoltage, unit);                         \
    }                                                                                              \
    std::string Class::GetTextIk3Peak(int unit) const {                                            \
        return condtext::GetTextIk3Peak(m_calcPoint, m_nVoltage, unit);                            \
    }
