#pragma once

// Number and unit texts shared by the generator, motor effect, motor,
// general load and capacitor. Every value reaches its text through Finite:
// data typed or read from a damaged file can make a formula overflow, and a
// label or report must then show 0 rather than "inf" or "nan".

#include "app/calc/CCalcPoint.h"
#include "app/calc/CPercentZ.h"

#include <cmath>
#include <cstdint>
#include <string>

namespace machinetext {

// Units and fixed words of the string table.
constexpr unsigned IDS_MOHMS = 26368;
constexpr unsigned IDS_PERCENT_R = 26370; // "%r": percent on the reference capacity
constexpr unsigned IDS_PERCENT_E = 26371; // "%e": percent on the element's own rating
constexpr unsigned IDS_VOLT = 26372;
constexpr unsigned IDS_AMPERE = 26373;
constexpr unsigned IDS_KVA = 26374;
constexpr unsigned IDS_KILOAMPERE = 26375;
constexpr unsigned IDS_PERCENT = 26378;
constexpr unsigned IDS_SECOND = 26380;
constexpr unsigned IDS_KVAR = 26381;
constexpr unsigned IDS_TIMES = 26385;
constexpr unsigned IDS_MILLISECOND = 26387;
constexpr unsigned IDS_HERTZ = 26388;
constexpr unsigned IDS_FARAD = 26391;
constexpr unsigned IDS_KILOWATT = 26392;
constexpr unsigned IDS_DEGREE = 26395;
constexpr unsigned IDS_IK3 = 26497;
constexpr unsigned IDS_DIRECT = 26513;
constexpr unsigned IDS_XR = 26514;

inline double Finite(double value) {
    return std::isfinite(value) ? value : 0.0;
}

// The unit text of the string table when unit is 1, else nothing.
std::string Unit(unsigned id, int unit);

// DLLGetTextByBeams / DLLGetTextByBeamsEx of a finite value, without the
// "No data" form.
std::string Beams(double value);
std::string BeamsEx(double value, int digits);

// The phase angle of a power factor in degrees; 0 outside -1 to 1.
double PhaseAngle(double powerFactor);

// "+" for a leading current, "-" for a lagging one, then the angle.
std::string PhaseText(double powerFactor, uint32_t leading, int unit);

// A voltage, or for a single-phase three-wire circuit "V-V/2".
std::string VoltageText(int32_t voltage, uint32_t singlePhase, int unit);

// The calculation point's combined three-phase term.
CPercentZ TotalTerm(const CCalcPoint& point);

// Milliohms of a percent value on the base capacity at the voltage, and the
// magnitude of a term's %R and %X in milliohms (4 significant digits).
std::string OhmsText(int32_t voltage, double baseCapacity, double percent, int unit);
std::string OhmsMagnitudeText(int32_t voltage, double baseCapacity, const CPercentZ& term,
                              int unit);

// A three-phase current of the calculation point in kA: the symmetrical
// value with 5 significant digits, the asymmetrical and peak with 4.
enum class Ik3Term { total, source, motor };
enum class Ik3Value { symmetrical, asymmetrical, peak };
std::string Ik3Text(const CCalcPoint& point, Ik3Term term, Ik3Value value, int32_t voltage,
                    int unit);

} // namespace machinetext

// Defines the impedance and fault-current report texts of `Class` (the
// generator, the motor effect): its equivalent %Z on the reference capacity
// by frequency with the impedance-map label made of it, the calculation
// point's total term, and its own term
// `direct` of the point with the currents of the Ik3Term `ik3`.
#define TV_MACHINE_IMPEDANCE_TEXTS(Class, direct, ik3)                                             \
    std::string Class::DoGetTextPercentZRated(double f, double baseCapacity, int unit) const {     \
        return machinetext::BeamsEx(GetEquivalentPercentZRated(f, baseCapacity), 4) +              \
               machinetext::Unit(machinetext::IDS_PERCENT_E, unit);                                \
    }                                                                                              \
    std::string Class::DoGetTextPercentR(double f, double baseCapacity, int unit) const {          \
        return machinetext::BeamsEx(GetEquivalentPercentR(f, baseCapacity), 4) +                   \
               machinetext::Unit(machinetext::IDS_PERCENT_R, unit);                                \
    }                                                                                              \
    std::string Class::DoGetTextPercentX(double f, double baseCapacity, int unit) const {          \
        return machinetext::BeamsEx(GetEquivalentPercentX(f, baseCapacity), 4) +                   \
               machinetext::Unit(machinetext::IDS_PERCENT_R, unit);                                \
    }                                                                                              \
    std::string Class::DoGetTextPercentZ(double f, double baseCapacity, int unit) const {          \
        return machinetext::BeamsEx(GetEquivalentPercentZ(f, baseCapacity), 4) +                   \
               machinetext::Unit(machinetext::IDS_PERCENT_R, unit);                                \
    }                                                                                              \
    std::string Class::DoGetTextLabelV4(const CEleDocSettings& settings) const {                   \
        const double f = settings.nFrequency;                                                      \
        const double base = settings.dBaseCapacity;                                                \
        return DoGetTextPercentZ(f, base, 1) + "\r\n=" + DoGetTextPercentR(f, base, 0) +           \
               "\r\n+j" + DoGetTextPercentX(f, base, 0);                                           \
    }                                                                                              \
    std::string Class::DoGetTextTotalPercentR(int unit) const {                                    \
        return machinetext::BeamsEx(machinetext::TotalTerm(m_calcPoint).m_dR, 4) +                 \
               machinetext::Unit(machinetext::IDS_PERCENT_R, unit);                                \
    }                                                                                              \
    std::string Class::DoGetTextTotalPercentX(int unit) const {                                    \
        return machinetext::BeamsEx(machinetext::TotalTerm(m_calcPoint).m_dX, 4) +                 \
               machinetext::Unit(machinetext::IDS_PERCENT_R, unit);                                \
    }                                                                                              \
    std::string Class::DoGetTextTotalPercentZ(int unit) const {                                    \
        return machinetext::BeamsEx(machinetext::TotalTerm(m_calcPoint).GetZ(), 4) +               \
               machinetext::Unit(machinetext::IDS_PERCENT_R, unit);                                \
    }                                                                                              \
    std::string Class::DoGetTextTotalResistance(double baseCapacity, int unit) const {             \
        return machinetext::OhmsText(m_nVoltage, baseCapacity,                                     \
                                     machinetext::TotalTerm(m_calcPoint).m_dR, unit);              \
    }                                                                                              \
    std::string Class::DoGetTextTotalReactance(double baseCapacity, int unit) const {              \
        return machinetext::OhmsText(m_nVoltage, baseCapacity,                                     \
                                     machinetext::TotalTerm(m_calcPoint).m_dX, unit);              \
    }                                                                                              \
    std::string Class::DoGetTextTotalImpedance(double baseCapacity, int unit) const {              \
        return machinetext::OhmsMagnitudeText(m_nVoltage, baseCapacity,                            \
                                              machinetext::TotalTerm(m_calcPoint), unit);          \
    }                                                                                              \
    std::string Class::DoGetTextResistance(double baseCapacity, int unit) const {                  \
        return machinetext::OhmsText(m_nVoltage, baseCapacity, m_calcPoint.direct.m_dR, unit);     \
    }                                                                                              \
    std::string Class::DoGetTextReactance(double baseCapacity, int unit) const {                   \
        return machinetext::OhmsText(m_nVoltage, baseCapacity, m_calcPoint.direct.m_dX, unit);     \
    }                                                                                              \
    std::string Class::DoGetTextImpedance(double baseCapacity, int unit) const {                   \
        return machinetext::OhmsMagnitudeText(m_nVoltage, baseCapacity, m_calcPoint.direct, unit); \
    }                                                                                              \
    std::string Class::DoGetTextTotalIk3Sym(int unit) const {                                      \
        return machinetext::Ik3Text(m_calcPoint, machinetext::Ik3Term::total,                      \
                                    machinetext::Ik3Value::symmetrical, m_nVoltage, unit);         \
    }                                                                                              \
    std::string Class::DoGetTextTotalIk3Asym(int unit) const {                                     \
        return machinetext::Ik3Text(m_calcPoint, machinetext::Ik3Term::total,                      \
                                    machinetext::Ik3Value::asymmetrical, m_nVoltage, unit);        \
    }                                                                                              \
    std::string Class::DoGetTextTotalIk3Peak(int unit) const {                                     \
        return machinetext::Ik3Text(m_calcPoint, machinetext::Ik3Term::total,                      \
                                    machinetext::Ik3Value::peak, m_nVoltage, unit);                \
    }                                                                                              \
    std::string Class::DoGetTextDirectIk3Sym(int unit) const {                                     \
        return machinetext::Ik3Text(m_calcPoint, machinetext::Ik3Term::ik3,                        \
                                    machinetext::Ik3Value::symmetrical, m_nVoltage, unit);         \
    }                                                                                              \
    std::string Class::DoGetTextDirectIk3Asym(int unit) const {                                    \
        return machinetext::Ik3Text(m_calcPoint, machinetext::Ik3Term::ik3,                        \
                                    machinetext::Ik3Value::asymmetrical, m_nVoltage, unit);        \
    }                                                                                              \
    std::string Class::DoGetTextDirectIk3Peak(int unit) const {                                    \
        return machinetext::Ik3Text(m_calcPoint, machinetext::Ik3Term::ik3,                        \
                                    machinetext::Ik3Value::peak, m_nVoltage, unit);                \
    }
