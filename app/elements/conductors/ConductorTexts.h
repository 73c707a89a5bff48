#pragma once

#include <cstdint>
#include <string>

class CCalcPoint;

// The texts that the wire, the bus-bar and the bus-duct give alike: number
// texts with their units, the group names, and the report getters that read
// only the calculation point and the voltage (one body serves the three
// kinds). unit 1 appends the unit text of the string table, 0 gives the bare
// number.
namespace condtext {

// String-table ids of the conductor texts.
constexpr unsigned IDS_MOHMS = 26368;
constexpr unsigned IDS_MOHMS_PER_M = 26369;
constexpr unsigned IDS_PERCENT_R = 26370;
constexpr unsigned IDS_VOLT = 26372;
constexpr unsigned IDS_AMPERE = 26373;
constexpr unsigned IDS_KA = 26375;
constexpr unsigned IDS_MM = 26376;
constexpr unsigned IDS_MM2 = 26377;
constexpr unsigned IDS_PERCENT = 26378;
constexpr unsigned IDS_METRE = 26379;
constexpr unsigned IDS_NEWTON_PER_M = 26382;
constexpr unsigned IDS_KGF_PER_MM = 26383;
constexpr unsigned IDS_DEGREE = 26395;
constexpr unsigned IDS_TIMES = 26496; // "x" between the numbers of a size
constexpr unsigned IDS_IK3 = 26497;
constexpr unsigned IDS_CU = 26501;
constexpr unsigned IDS_AL = 26502;
constexpr unsigned IDS_IK1 = 26515;
constexpr unsigned IDS_PE = 26516;
constexpr unsigned IDS_IK2 = 26517;
constexpr unsigned IDS_IK_HALF = 26525; // the half-voltage current of a single-phase circuit
constexpr unsigned IDS_NO_DATA = 4736;

std::string Str(unsigned id);

// As many decimals as the value needs; the unit after it when unit is 1.
std::string Beams(double value, int unit, unsigned unitId, int noData = 0);
// At least `digits` significant digits. With noData 1 a negative value is
// "No data" (and never takes a unit); with unitWhenPositive the unit only
// follows a value that is not negative.
std::string Ex(double value, int digits, int unit, unsigned unitId, int noData = 0,
               bool unitWhenPositive = false);

// "3Ph " (or "1Ph " in a single-phase circuit), "N ", "PE "; empty for
// another group.
std::string GroupName(uint32_t group, uint32_t singlePhase);
// "Cu", "Al"; empty for another code.
std::string MaterialText(uint32_t material);
// The voltage, "V-V/2" in a single-phase circuit (whole-number halving).
std::string VoltageText(int32_t voltage, uint32_t singlePhase, int unit);

// The fault-current lines of a conductor's skeleton label, each a caption,
// "=" and the current in kA: three-phase I"k3 and then by earthing code and
// wire system; a single-phase circuit its current at V and at V/2.
std::string FaultCurrentLines(const CCalcPoint& point, int32_t voltage, uint32_t singlePhase,
                              uint32_t earthing, uint32_t wireSystem);

// Getters that read only the calculation point and the voltage.
// |%Z| of the point's source-side term: mode 1 the half-voltage loop.
std::string GetTextPercentZ(const CCalcPoint& point, int mode, int unit);
// %R of the same term in milliohms: mode 1 without the half-voltage pair at
// V/2, else at V.
std::string GetTextOhmR(const CCalcPoint& point, int32_t voltage, int mode, double baseCapacity,
                        int unit);
std::string GetTextIkSinglePhaseSym(const CCalcPoint& point, int32_t voltage, int mode, int unit);
std::string GetTextIkSinglePhaseAsym(const CCalcPoint& point, int32_t voltage, int mode, int unit);
std::string GetTextPercentXTotal(const CCalcPoint& point, int unit);
std::string GetTextPercentZTotal(const CCalcPoint& point, int unit);
std::string GetTextIk1PETotal(const CCalcPoint& point, int32_t voltage, int unit);
std::string GetTextIk1NTotal(const CCalcPoint& point, int32_t voltage, int unit);
std::string GetTextIk2Total(const CCalcPoint& point, int32_t voltage, int unit);
std::string GetTextIk3Sym(const CCalcPoint& point, int32_t voltage, int unit);
std::string GetTextIk3Asym(const CCalcPoint& point, int32_t voltage, int unit);
std::string GetTextIk3Peak(const CCalcPoint& point, int32_t voltage, int unit);
// The peak of the single-phase circuit's current, mode 1 at V/2, mode 2 at V.
std::string GetTextIkPeakSinglePhase(const CCalcPoint& point, int32_t voltage, int mode, int unit);
// The peak three-phase current (single-phase circuit: its own peak at V).
double GetPeakCurrent(const CCalcPoint& point, int32_t voltage, uint32_t singlePhase);
// Electromagnetic force between phases a mm apart from a peak current:
// 3 ip^2 1e-7 / (2a x 0.001) N/m, and with 9.8 for kgf/mm.
std::string GetTextForce(double peak, double twiceDistance, double divisor, int unit,
                         unsigned unitId);

} // namespace condtext
