#pragma once

#include "app/calc/CCalcPoint.h"
#include "app/elements/frame/ElementTexts.h"

#include <cstdint>
#include <string>

class CObjAdjust;

// What every protective element (breakers, thermal relay, contactor) shares:
// the calculation point with the flag that makes the element one, the
// forwards of the reductions into it, and the texts of its results. A
// model derives from it beside CEleFrame and writes the flag and the point
// in its record in its own order.
class CProtectPoint {
public:
    int32_t IsCalcPoint() const { return m_nCalcPoint == 1 ? 1 : 0; }

    void DoSetCalcZ(CPercentZ& out, double base, const CPercentZ* first, const CPercentZ* second) {
        m_calcPoint.DoSetCalcZ(out, base, first, second);
    }
    void DoSetCalcZ2(CPercentZ& out, double base, const CPercentZ* first, const CPercentZ* second) {
        m_calcPoint.DoSetCalcZ2(out, base, first, second);
    }
    void DoSetCalcZ2Ex(CPercentZ& out, double base, const CPercentZ* first,
                       const CPercentZ* second) {
        m_calcPoint.DoSetCalcZ2Ex(out, base, first, second);
    }
    void DoClearCalcZ() { m_calcPoint.DoClearCalcZ(); }
    void DoClearCalcZ2() { m_calcPoint.DoClearCalcZ2(); }
    void DoClearCalcZ2Ex() { m_calcPoint.DoClearCalcZ2Ex(); }

    // The earthing code given, or when none (0) the list database's default
    // (0 without the database).
    static uint32_t EarthingOrDefault(uint32_t code);

    uint32_t m_nCalcPoint = 0; // 1: results are computed and shown here
    CCalcPoint m_calcPoint;
};

// Texts of the protective elements' reports and labels. Numbers go through
// the number-to-text service; unit 1 appends the unit text.
namespace protecttexts {

constexpr unsigned IDS_UNIT_MOHMS = 26368;
constexpr unsigned IDS_UNIT_PERCENT_REF = 26370;
constexpr unsigned IDS_UNIT_VOLT = 26372;
constexpr unsigned IDS_UNIT_AMPERE = 26373;
constexpr unsigned IDS_UNIT_KILOAMPERE = 26375;
constexpr unsigned IDS_UNIT_POLES = 26386;
constexpr unsigned IDS_ON = 26119;
constexpr unsigned IDS_OFF = 26120;
constexpr unsigned IDS_LOCK = 26121;
constexpr unsigned IDS_IK3 = 26497;
constexpr unsigned IDS_TOTAL = 26512;
constexpr unsigned IDS_DIRECT = 26513;
constexpr unsigned IDS_IK1 = 26515;
constexpr unsigned IDS_PE = 26516;
constexpr unsigned IDS_IK2 = 26517;

using elementtexts::Beams;
using elementtexts::BeamsEx;

// The voltage; in a single-phase circuit followed by "-" and its half
// (200-100).
std::string Voltage(int32_t volts, bool singlePhase, int unit);

// The single-phase circuit's currents at the point: mode 1 the loop at half
// the voltage, mode 2 the full voltage; other modes 0. kA, at least 5
// digits (sym) or 4.
std::string Ik1Sym(const CCalcPoint& point, int mode, int32_t volts, int unit);
std::string Ik1Asym(const CCalcPoint& point, int mode, int32_t volts, int unit);
std::string Ik1Peak(const CCalcPoint& point, int mode, int32_t volts, int unit);

// The combined three-phase term at the point; mode 1 less its half-voltage
// pair and at half the voltage. %r and milliohms, at least 4 digits.
std::string TotalPercentR(const CCalcPoint& point, int mode, int unit);
std::string TotalPercentX(const CCalcPoint& point, int mode, int unit);
std::string TotalPercentZ(const CCalcPoint& point, int mode, int unit);
std::string TotalResistance(const CCalcPoint& point, int mode, int32_t volts, double base,
                            int unit);
std::string TotalReactance(const CCalcPoint& point, int mode, int32_t volts, double base, int unit);
std::string TotalImpedance(const CCalcPoint& point, int mode, int32_t volts, double base, int unit);
// Three-phase currents from the combined term, kA.
std::string TotalIk3Sym(const CCalcPoint& point, int32_t volts, int unit);
std::string TotalIk3Asym(const CCalcPoint& point, int32_t volts, int unit);
std::string TotalIk3Peak(const CCalcPoint& point, int32_t volts, int unit);

// The short-circuit lines of a skeleton label: three-phase "I"k3=" and the
// total current; single-phase "I"k2=" the full-voltage current, then "="
// and the half-voltage current (the string table has no caption for it).
std::string ShortCircuitLines(const CCalcPoint& point, bool singlePhase, int32_t volts);

// A dial setting's current as the relays show it: the reference part's text
// of the value with its unit; else the current dial's fixed text and unit;
// else the setting's name; else "-". Empty when the characteristic has no
// such setting or no reference for it.
std::string PartCurrentSetting(const CObjAdjust& adjust, int index);
// The same for the time setting (no name fall-back).
std::string PartTimeSetting(const CObjAdjust& adjust, int index);
// The rating's dial text of the selection: looked up by the rating's dial id
// where the dial holds fixed values (kind 2), else by the rated value; unit
// 1 adds the dial's unit in brackets where it has one. Empty when the dial
// shows no value.
std::string RatedDialText(const CObjAdjust& adjust, int unit);

} // namespace protecttexts
