// The wire's protection against short circuit: the energy the breaker above
// lets through must not heat a conductor group beyond its limit, S >= sqrt(E)
// / k (the adiabatic equation of IEC 60364-4-43 and 60364-5-54).

#include "CEleWire.h"

#include "app/elements/frame/ElementTexts.h"
#include "framework/MessageBox.h"
#include "framework/StringTable.h"
#include "tools/Filvaron.h"

#include <cmath>

using elementtexts::BeamsEx;

namespace {

constexpr unsigned IDS_NO_I2T_CURVE = 25393;
constexpr unsigned IDS_OUT_OF_I2T_CURVE = 25394;
constexpr unsigned IDS_NOT_GOOD = 26116;
constexpr unsigned IDS_GOOD = 26161;
constexpr unsigned IDS_UNIT_MM2 = 26377;
constexpr unsigned IDS_UNIT_SECOND = 26380;
constexpr unsigned IDS_UNIT_MA2S = 26396;
constexpr unsigned IDS_NO_I2T_CURVE_LINES = 26766;
constexpr unsigned IDS_OUT_OF_I2T_CURVE_LINES = 26767;

constexpr uint32_t kPhases = 1;
constexpr uint32_t kNeutral = 2;
constexpr uint32_t kPE = 3;

} // namespace

double CEleWire::GetCoefficientK(uint32_t group) const {
    const uint32_t material = m_basic.m_nMaterial;
    const uint32_t insulation = m_basic.m_nInsulation;
    const uint32_t core = m_basic.m_nCoreKind;
    if (material != 1 && material != 2)
        return 0.0;
    const bool copper = material == 1;
    if (group == kPhases || group == kNeutral) {
        if (insulation == 1)
            return copper ? 115.0 : 74.0;
        if (insulation == 2)
            return copper ? 135.0 : 87.0;
        return 0.0;
    }
    if (group == kPE) {
        if (insulation == 1 && core == 1)
            return copper ? 143.0 : 95.0;
        if (insulation == 1 && core == 2)
            return copper ? 115.0 : 76.0;
        if (insulation == 2 && core == 1)
            return copper ? 176.0 : 116.0;
        if (insulation == 2 && core == 2)
            return copper ? 143.0 : 93.0;
    }
    return 0.0;
}

double CEleWire::GetLetThroughEnergy(double frequency, const CLetThroughSource& breaker,
                                     uint32_t group) const {
    if (group < kPhases || group > kPE || !(frequency > 0.0))
        return 0.0;
    const double t = m_dDuration[group - 1];
    double current = 0.0;
    if (group == kPhases) {
        if (m_nCheckMode == 1)
            return breaker.GetLetThroughI2t();
        m_calcPoint.DoCalcIk3Total(m_nVoltage, &current);
    } else if (group == kNeutral) {
        current = m_calcPoint.GetCurrentIk1N(m_nVoltage);
    } else {
        current = m_calcPoint.GetCurrentIk1PE(m_nVoltage);
    }
    const double k = DLLGetValueEffectiveCoefficient(t, DLLGetValuePowerFactor(current));
    return (k * current) * (k * current) * t / frequency;
}

double CEleWire::GetGroupEnergy(double frequency, const CLetThroughSource& breaker,
                                uint32_t group) const {
    if (m_nEnergySource == 1)
        return GetLetThroughEnergy(frequency, breaker, group);
    if (group < kPhases || group > kPE)
        return 0.0;
    return breaker.GetLetThroughEnergy(frequency, static_cast<int32_t>(group),
                                       static_cast<int32_t>(m_nCheckMode), m_dDuration[group - 1]);
}

int32_t CEleWire::IsOkMinSize(uint32_t group, double energy) const {
    // A group without the conductor has nothing to withstand.
    if (group == kNeutral && m_basic.m_nWireSystem == 1)
        return 1;
    if (group == kPE && (m_basic.m_nWireSystem == 1 || m_basic.m_nWireSystem == 2))
        return 1;
    if (group < kPhases || group > kPE)
        return 1;
    if (!(energy > 0.0))
        return 0;
    // An unknown material or insulation gives no k: nothing can be shown
    // to withstand the energy.
    const double k = GetCoefficientK(group);
    if (!(k > 0.0))
        return 0;
    const double minSize = std::sqrt(energy) / k;
    return minSize <= GetGroup(group)->m_dCoreSize ? 1 : 0;
}

uint32_t CEleWire::DoCheckProtectByEnergy(double frequency, const CLetThroughSource& breaker,
                                          uint32_t source, int32_t messages) {
    m_nCheckDone = 1;
    m_nCheckMode = 1;
    m_nEnergySource = source;
    m_nFailingGroup = 0;
    auto fails = [this](uint32_t group) {
        m_nErrorMark = 1;
        m_nFailingGroup = group;
        return group;
    };
    const double e1 = GetGroupEnergy(frequency, breaker, kPhases);
    if (e1 == -1.0 || e1 == 0.0) {
        if (messages == 1)
            fw::AppMessageBox(fw::LoadString(e1 == -1.0 ? IDS_NO_I2T_CURVE : IDS_OUT_OF_I2T_CURVE),
                              fw::mb::Ok | fw::mb::IconInformation);
        return fails(kPhases);
    }
    if (IsOkMinSize(kPhases, e1) != 1)
        return fails(kPhases);
    for (uint32_t group : {kNeutral, kPE}) {
        if (IsOkMinSize(group, GetGroupEnergy(frequency, breaker, group)) != 1)
            return fails(group);
    }
    return 0;
}

uint32_t CEleWire::DoCheckProtectByI2t(double frequency, const CLetThroughSource& breaker,
                                       uint32_t source) {
    m_nCheckDone = 1;
    m_nCheckMode = 0;
    m_nEnergySource = source;
    m_nFailingGroup = 0;
    for (uint32_t group : {kPhases, kNeutral, kPE}) {
        if (IsOkMinSize(group, GetGroupEnergy(frequency, breaker, group)) != 1) {
            m_nErrorMark = 1;
            m_nFailingGroup = group;
            return group;
        }
    }
    return 0;
}

std::string CEleWire::GetTextCoefficientK(uint32_t group) const {
    return DLLGetTextByBeams(GetCoefficientK(group), 0);
}

std::string CEleWire::GetTextDuration(uint32_t group, double frequency, int unit) const {
    if (group < kPhases || group > kPE || !(frequency > 0.0))
        return std::string();
    return BeamsEx(m_dDuration[group - 1] / frequency, 2, unit, IDS_UNIT_SECOND);
}

std::string CEleWire::GetTextLetThrough(double frequency, const CLetThroughSource& breaker,
                                        uint32_t group, int unit) const {
    const double e = GetGroupEnergy(frequency, breaker, group);
    if (e == -1.0)
        return fw::LoadString(IDS_NO_I2T_CURVE_LINES);
    if (e == 0.0)
        return fw::LoadString(IDS_OUT_OF_I2T_CURVE_LINES);
    return BeamsEx(e / 1.0e6, 3, unit, IDS_UNIT_MA2S);
}

std::string CEleWire::GetTextMinSize(double frequency, const CLetThroughSource& breaker,
                                     uint32_t group, int unit) const {
    const double k = GetCoefficientK(group);
    double minSize = 0.0;
    if (k > 0.0) {
        const double e = GetGroupEnergy(frequency, breaker, group);
        if (!(e > 0.0))
            return "-";
        minSize = std::sqrt(e) / k;
    }
    return BeamsEx(minSize, 4, unit, IDS_UNIT_MM2);
}

std::string CEleWire::GetTextProtectResult(double frequency, const CLetThroughSource& breaker,
                                           uint32_t group) const {
    return fw::LoadString(IsOkMinSize(group, GetGroupEnergy(frequency, breaker, group)) == 1
                              ? IDS_GOOD
                              : IDS_NOT_GOOD);
}
