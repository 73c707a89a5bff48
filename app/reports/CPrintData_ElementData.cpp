// The data rows of the DATA OF ELEMENTS report (and of the force/voltage-drop
// report, which repeats the conductor tables), one maker per element kind.

#include "app/calc/Impedance.h"
#include "app/elements/conductors/CEleBusBar.h"
#include "app/elements/conductors/CEleBusDuct.h"
#include "app/elements/conductors/CEleWire.h"
#include "app/elements/conductors/ConductorTexts.h"
#include "app/elements/protection/CEleContactor.h"
#include "app/elements/protection/CEleHVCB.h"
#include "app/elements/protection/CEleLVCB.h"
#include "app/elements/protection/CEleThermal.h"
#include "app/elements/supply/CEleCapacitor.h"
#include "app/elements/supply/CEleGenerator.h"
#include "app/elements/supply/CEleLoad.h"
#include "app/elements/supply/CEleMotor.h"
#include "app/elements/supply/CEleMotorEff.h"
#include "app/elements/supply/CEleSource.h"
#include "app/elements/supply/CEleTrans3.h"
#include "app/elements/supply/CEleZeroCond.h"
#include "app/records/DocSettings.h"
#include "app/records/ElementKinds.h"
#include "app/reports/CPrintData.h"
#include "app/reports/ReportCells.h"
#include "app/reports/ReportTables.h"
#include "app/shell/model/CObjElement.h"

using reportcell::GroupBlocks;
using reportcell::Lines;

namespace {

template <class Model> const Model* ModelOf(const CObjElement& element, int32_t kind) {
    if (element.GetKind() != kind)
        return nullptr;
    return static_cast<const Model*>(element.GetElement());
}

// The row of a table: the header's layout with the data row's height.
void SetDataRow(CPrintData& row, const reporttable::CHeaderSpec& header, int32_t height) {
    row.DoSetRow(header.kind, kRowData, height, header.indent, header.count, header.start);
}

// Z per metre of a group from the R and X per metre in use.
std::string ZPerMetre(const CEleWire& m, uint32_t g) {
    const CEleWirePhase* p = m.GetGroup(g);
    return p ? condtext::Ex(DoCalcMagnitude(p->m_dRPerMetre, p->m_dXPerMetre), 4, 1,
                            condtext::IDS_MOHMS_PER_M)
             : std::string();
}
std::string ZPerMetre(const CEleBusBar& m, uint32_t g) {
    return m.GetTextZPerMetre(g, 1);
}
std::string ZPerMetre(const CEleBusDuct& m, uint32_t g) {
    return m.GetTextZPerMetre(g, 1);
}

std::string Star(bool changed) {
    return changed ? "*" : "";
}

// The short-circuit cell of a conductor: before the calculation, without a
// point, in a single-phase circuit, else the three-phase values; bus-bar and
// wire add the force.
template <class Model>
std::string ConductorShortCircuit(const Model& m, int32_t mode, bool withForce) {
    if (mode < 3)
        return reportcell::NotCalculated();
    if (m.IsCalcPoint() != 1)
        return "-";
    if (m.IsSinglePhase() == 1)
        return Lines({m.GetTextIkSinglePhaseSym(2, 1),
                      condtext::GetTextIkPeakSinglePhase(m.m_calcPoint, m.m_nVoltage, 2, 1)});
    std::string text = Lines(
        {condtext::GetTextIk3Sym(m.m_calcPoint, m.m_nVoltage, 1), m.GetTextIk3Peak(1) + "peak"});
    if constexpr (requires { m.GetTextForceNm(1); }) {
        if (withForce)
            text += "\r\n" + m.GetTextForceNm(1) + "\r\n" + m.GetTextForceKgf(1);
    }
    return text;
}

// Per group: R (or X) per metre, the ohms and the percentage on the
// reference capacity, one per line.
template <class Model> std::string ImpedanceBlocks(const Model& m, double base, char which) {
    std::vector<std::string> blocks;
    for (uint32_t g : reportcell::GroupsOf(m.GetWireSystem())) {
        if (which == 'R')
            blocks.push_back(Lines({Star(m.IsChangedRPerMetre(g) != 0) + m.GetTextRPerMetre(g, 1),
                                    m.GetTextR(g, 1), m.GetTextPercentRByGroup(g, 2, base, 1)}));
        else if (which == 'X')
            blocks.push_back(Lines({Star(m.IsChangedXPerMetre(g) != 0) + m.GetTextXPerMetre(g, 1),
                                    m.GetTextX(g, 1), m.GetTextPercentXByGroup(g, 2, base, 1)}));
        else
            blocks.push_back(
                Lines({Star(m.IsChangedRPerMetre(g) != 0 || m.IsChangedXPerMetre(g) != 0) +
                           ZPerMetre(m, g),
                       m.GetTextZ(g, 1), m.GetTextPercentZByGroup(g, 2, base, 1)}));
    }
    return GroupBlocks(blocks);
}

} // namespace

void CPrintData::DoMakeRowElementDataSource(const CInfoSkeleton& skeleton,
                                            const CObjElement& element) {
    const CEleSource* m = ModelOf<CEleSource>(element, kKindSource);
    if (!m)
        return;
    const double base = skeleton.m_dCapacity;
    SetDataRow(*this, reporttable::kSource, 70);
    SetCell(0, element.GetName());
    SetCell(1, m->DoGetTextVoltage(1));
    SetCell(2, reportcell::ThreePhases());
    SetCell(3, m->DoGetTextCapacity(1));
    SetCell(4, m->DoGetTextXR());
    SetCell(5, Lines({m->DoGetTextPercentR(base, 1), m->DoGetTextResistance(base, 1)}), kCellMulti);
    SetCell(6, Lines({m->DoGetTextPercentX(base, 1), m->DoGetTextReactance(base, 1)}), kCellMulti);
    SetCell(7, Lines({m->DoGetTextPercentZ(base, 1), m->DoGetTextImpedance(base, 1)}), kCellMulti);
}

void CPrintData::DoMakeRowElementDataTrans3(const CInfoSkeleton& skeleton, int32_t mode,
                                            const CObjElement& element) {
    const CEleTrans3* m = ModelOf<CEleTrans3>(element, kKindTrans3);
    if (!m)
        return;
    const double base = skeleton.m_dCapacity;
    SetDataRow(*this, reporttable::kTrans3, 105);
    SetCell(0, element.GetName());
    SetCell(1, m->DoGetTextPrimaryVoltage(1));
    SetCell(2, m->DoGetTextSecondaryVoltage(1));
    SetCell(3, Lines({reportcell::ThreePhases(), m->DoGetTextEarthing()}), kCellMulti);
    SetCell(4, m->DoGetTextCapacity(1));
    SetCell(5, m->DoGetTextRatedCurrent(1));
    SetCell(6, m->DoGetTextXR());
    SetCell(7,
            Lines({m->DoGetTextOwnPercentR(1), m->DoGetTextPercentR(base, 1),
                   m->DoGetTextResistance(1)}),
            kCellMulti);
    SetCell(8,
            Lines({m->DoGetTextOwnPercentX(1), m->DoGetTextPercentX(base, 1),
                   m->DoGetTextReactance(1)}),
            kCellMulti);
    SetCell(9,
            Lines({m->DoGetTextOwnPercentZ(1), m->DoGetTextPercentZ(base, 1),
                   m->DoGetTextImpedance(1)}),
            kCellMulti);
    SetCell(10, Lines({m->DoGetTextRushPeakTimes(1), m->DoGetTextRushPeakCurrent(1)}), kCellMulti);
    SetCell(
        11,
        Lines({m->DoGetTextDampingCycles(skeleton.m_nFrequency, 1), m->DoGetTextDampingTime(1)}),
        kCellMulti);
    if (mode < 3)
        SetCell(12, reportcell::NotCalculated(), kCellMulti);
    else if (m->IsCalcPoint() == 1)
        SetCell(12, m->DoGetTextDirectIk3Sym(1));
    else
        SetCell(12, "-");
}

void CPrintData::DoMakeRowElementDataGenerator(const CInfoSkeleton& skeleton,
                                               const CObjElement& element) {
    const CEleGenerator* m = ModelOf<CEleGenerator>(element, kKindGenerator);
    if (!m)
        return;
    const double f = skeleton.m_nFrequency;
    SetDataRow(*this, reporttable::kGenerator, 70);
    SetCell(0, element.GetName());
    SetCell(1, m->DoGetTextVoltage(1));
    SetCell(2, Lines({reportcell::ThreePhases(), m->DoGetTextEarthing()}), kCellMulti);
    SetCell(3, m->DoGetTextCapacity(1));
    SetCell(4, m->DoGetTextRatedCurrent(1));
    SetCell(5, m->DoGetTextTransientReactance(1));
    SetCell(6, m->DoGetTextSubtransientReactance(1));
    SetCell(7, m->DoGetTextDcTimeConstant(1));
    SetCell(8, m->DoGetTextSubtransientTimeConstant(1));
    SetCell(9, m->DoGetTextStatorResistance(f, 1));
    SetCell(10, m->DoGetTextIacLoad(f, 1));
    SetCell(11, m->DoGetTextIacPeak(f, 1));
}

void CPrintData::DoMakeRowElementDataMotorEff(const CInfoSkeleton& skeleton,
                                              const CObjElement& element) {
    const CEleMotorEff* m = ModelOf<CEleMotorEff>(element, kKindMotorEff);
    if (!m)
        return;
    const double f = skeleton.m_nFrequency;
    SetDataRow(*this, reporttable::kMotorEff, 35);
    SetCell(0, element.GetName());
    SetCell(1, m->DoGetTextVoltage(1));
    const std::string cells[] = {m->DoGetTextCapacity(1),
                                 m->DoGetTextRatedCurrent(1),
                                 m->DoGetTextSubtransientReactance(1),
                                 m->DoGetTextRotorResistance(1),
                                 m->DoGetTextStatorResistance(1),
                                 m->DoGetTextSubtransientImpedance(1),
                                 m->DoGetTextDcTimeConstant(f, 1),
                                 m->DoGetTextSubtransientTimeConstant(f, 1),
                                 m->DoGetTextIacm(f, 1),
                                 m->DoGetTextIacPeak(f, 1)};
    for (int i = 0; i < 10; ++i)
        SetCell(2 + i, cells[i], kCellMulti);
}

void CPrintData::DoMakeRowElementDataZeroCond(int32_t mode, const CObjElement& element) {
    const CEleZeroCond* m = ModelOf<CEleZeroCond>(element, kKindZeroCond);
    if (!m)
        return;
    SetDataRow(*this, reporttable::kZeroCond, 35);
    SetCell(0, element.GetName());
    SetCell(1, m->DoGetTextVoltage(1));
    SetCell(2, reportcell::Phases());
    // The row is one line high: the two-line text would not fit.
    if (mode < 3)
        SetCell(3, reportcell::NotCalculatedOneLine(), kCellMulti);
    else if (m->IsCalcPoint() != 1)
        SetCell(3, "-");
    else if (m->IsSinglePhase() == 1)
        SetCell(3, m->DoGetTextIk1Sym(2, 1));
    else
        SetCell(3, m->DoGetTextTotalIk3Sym(1));
}

namespace {

// The cells every conductor table has, in the bus-duct's column order
// (wire and bus-bar insert their own columns through `extra`).
template <class Model> struct ConductorCells {
    const Model& m;
    double base;
    std::vector<uint32_t> groups;

    template <class F> std::string PerGroup(F f) const {
        std::vector<std::string> blocks;
        for (uint32_t g : groups)
            blocks.push_back(f(g));
        return GroupBlocks(blocks);
    }
};

template <class Model> void SetWireSystem(CPrintData& row, int index, const Model& m) {
    const uint32_t ws = m.GetWireSystem();
    row.SetCell(index, reportcell::WireSystem(ws, m.IsSinglePhase() == 1),
                ws == 2 || ws == 3 ? kCellMulti : kCellSingle);
}

} // namespace

void CPrintData::DoMakeRowElementDataBusDuct(const CInfoSkeleton& skeleton, int32_t mode,
                                             const CObjElement& element) {
    const CEleBusDuct* m = ModelOf<CEleBusDuct>(element, kKindBusDuct);
    if (!m)
        return;
    const ConductorCells<CEleBusDuct> c{*m, skeleton.m_dCapacity,
                                        reportcell::GroupsOf(m->GetWireSystem())};
    SetDataRow(*this, reporttable::kBusDuct, reportcell::ConductorRowHeight(m->GetWireSystem()));
    SetCell(0, element.GetName());
    SetCell(1, m->GetTextVoltage(1));
    SetWireSystem(*this, 2, *m);
    SetCell(3, Lines({m->GetTextMaterial(), m->GetTextInsulation()}), kCellMulti);
    SetCell(4, Lines({m->GetTextMaxTemp(1), m->GetTextAmbientTemp(1)}), kCellMulti);
    SetCell(5, Lines({m->GetTextLoadCurrent(1), m->GetTextVoltageDrop(1)}), kCellMulti);
    SetCell(6, m->GetTextLength(1));
    SetCell(7, c.PerGroup([&](uint32_t g) { return m->GetTextSize(g); }), kCellMulti);
    SetCell(8, c.PerGroup([&](uint32_t g) { return m->GetTextIz(g, 1); }), kCellMulti);
    SetCell(9, ImpedanceBlocks(*m, c.base, 'R'), kCellMulti);
    SetCell(10, ImpedanceBlocks(*m, c.base, 'X'), kCellMulti);
    SetCell(11, ImpedanceBlocks(*m, c.base, 'Z'), kCellMulti);
    SetCell(12, ConductorShortCircuit(*m, mode, false), kCellMulti);
}

void CPrintData::DoMakeRowElementDataBusBar(const CInfoSkeleton& skeleton, int32_t mode,
                                            const CObjElement& element) {
    const CEleBusBar* m = ModelOf<CEleBusBar>(element, kKindBusBar);
    if (!m)
        return;
    const ConductorCells<CEleBusBar> c{*m, skeleton.m_dCapacity,
                                       reportcell::GroupsOf(m->GetWireSystem())};
    SetDataRow(*this, reporttable::kBusBar, reportcell::ConductorRowHeight(m->GetWireSystem()));
    SetCell(0, element.GetName());
    SetCell(1, m->GetTextVoltage(1));
    SetWireSystem(*this, 2, *m);
    SetCell(3, Lines({m->GetTextMaterial(), m->GetTextSurface()}), kCellMulti);
    SetCell(4, m->GetTextInstallation());
    SetCell(5, Lines({m->GetTextMaxTemp(1), m->GetTextAmbientTemp(1)}), kCellMulti);
    SetCell(6, Lines({m->GetTextLoadCurrent(1), m->GetTextVoltageDrop(1)}), kCellMulti);
    SetCell(7, m->GetTextLength(1));
    SetCell(8, c.PerGroup([&](uint32_t g) { return m->GetTextSize(g); }), kCellMulti);
    SetCell(9, c.PerGroup([&](uint32_t g) {
        const bool changed = m->IsChangedBasicCurrent(g) || m->IsChangedTemperatureFactor(g) ||
                             m->IsChangedInstallationFactor(g) || m->IsChangedProximityFactor(g);
        return Star(changed) + m->GetTextIz(g, 1);
    }),
            kCellMulti);
    SetCell(10, c.PerGroup([&](uint32_t g) { return m->GetTextCentreDistance(g, 1); }), kCellMulti);
    SetCell(11, ImpedanceBlocks(*m, c.base, 'R'), kCellMulti);
    SetCell(12, ImpedanceBlocks(*m, c.base, 'X'), kCellMulti);
    SetCell(13, ImpedanceBlocks(*m, c.base, 'Z'), kCellMulti);
    SetCell(14, ConductorShortCircuit(*m, mode, true), kCellMulti);
}

void CPrintData::DoMakeRowElementDataWire(const CInfoSkeleton& skeleton, int32_t mode,
                                          const CObjElement& element) {
    const CEleWire* m = ModelOf<CEleWire>(element, kKindWire);
    if (!m)
        return;
    const ConductorCells<CEleWire> c{*m, skeleton.m_dCapacity,
                                     reportcell::GroupsOf(m->GetWireSystem())};
    SetDataRow(*this, reporttable::kWire, reportcell::ConductorRowHeight(m->GetWireSystem()));
    SetCell(0, element.GetName());
    SetCell(1, m->GetTextVoltage(1));
    SetWireSystem(*this, 2, *m);
    SetCell(3, Lines({m->GetTextMaterial(), m->GetTextInsulation(), m->GetTextAmbientTemp(1)}),
            kCellMulti);
    SetCell(4, m->GetTextCoreKind());
    SetCell(5, Lines({m->GetTextInstallMethod(), m->GetTextCircuitCount()}), kCellMulti);
    SetCell(6, Lines({m->GetTextLoadCurrent(1), m->GetTextVoltageDrop(1)}), kCellMulti);
    SetCell(7, m->GetTextLength(1));
    SetCell(8, c.PerGroup([&](uint32_t g) { return m->GetTextCoreSize(g, 1); }), kCellMulti);
    SetCell(9, c.PerGroup([&](uint32_t g) {
        const bool changed = m->IsChangedBasicCurrent(g) || m->IsChangedAmbientFactor(g) ||
                             m->IsChangedGroupFactor(g);
        return Star(changed) + m->GetTextIz(g, 1);
    }),
            kCellMulti);
    SetCell(10, c.PerGroup([&](uint32_t g) {
        return Star(m->IsChangedCentreDistance(g) != 0) + m->GetTextCentreDistance(g, 1);
    }),
            kCellMulti);
    SetCell(11, ImpedanceBlocks(*m, c.base, 'R'), kCellMulti);
    SetCell(12, ImpedanceBlocks(*m, c.base, 'X'), kCellMulti);
    SetCell(13, ImpedanceBlocks(*m, c.base, 'Z'), kCellMulti);
    SetCell(14, ConductorShortCircuit(*m, mode, true), kCellMulti);
}

void CPrintData::DoMakeRowElementDataMotor(const CObjElement& element) {
    const CEleMotor* m = ModelOf<CEleMotor>(element, kKindMotor);
    if (!m)
        return;
    SetDataRow(*this, reporttable::kMotor, 70);
    SetCell(0, element.GetName());
    SetCell(1, m->DoGetTextVoltage(1));
    SetCell(2, reportcell::Phases());
    SetCell(3, m->DoGetTextCapacity(1));
    SetCell(4, m->DoGetTextFullLoadCurrent(1));
    SetCell(5, m->DoGetTextPowerFactor());
    SetCell(6, m->DoGetTextPhaseAngle(1));
    SetCell(7, Lines({m->DoGetTextStartingTimes(1), m->DoGetTextStartingCurrent(1)}), kCellMulti);
    SetCell(8, m->DoGetTextStartingTime(1));
    SetCell(9, Lines({m->DoGetTextInrushTimes(1), m->DoGetTextInrushCurrent(1)}), kCellMulti);
}

void CPrintData::DoMakeRowElementDataLoad(const CObjElement& element) {
    const CEleLoad* m = ModelOf<CEleLoad>(element, kKindLoad);
    if (!m)
        return;
    SetDataRow(*this, reporttable::kLoad, 70);
    SetCell(0, element.GetName());
    SetCell(1, m->GetTextVoltage(1));
    SetCell(2, reportcell::Phases());
    SetCell(3, m->GetTextLoadCurrent(1));
    SetCell(4, m->GetTextPowerFactor());
    SetCell(5, m->GetTextPhaseAngle(1));
    SetCell(6, Lines({m->GetTextStartingTimes(1) + " x IL", m->GetTextStartingCurrent(1)}),
            kCellMulti);
    SetCell(7, m->GetTextStartingTime(1));
}

void CPrintData::DoMakeRowElementDataCapacitor(const CInfoSkeleton& skeleton,
                                               const CObjElement& element) {
    const CEleCapacitor* m = ModelOf<CEleCapacitor>(element, kKindCapacitor);
    if (!m)
        return;
    const double f = skeleton.m_nFrequency;
    SetDataRow(*this, reporttable::kCapacitor, 35);
    SetCell(0, element.GetName());
    SetCell(1, m->DoGetTextVoltage(1));
    const std::string cells[] = {reportcell::ThreePhases(),
                                 m->DoGetTextCapacity(1),
                                 m->DoGetTextElectrostaticCapacity(f, 1),
                                 m->DoGetTextRatedCurrent(1),
                                 m->DoGetTextUpstreamResistance(1),
                                 m->DoGetTextUpstreamReactance(1),
                                 m->DoGetTextReactor(1),
                                 m->DoGetTextPeakCurrent(f, 1),
                                 m->DoGetTextPeakTime(f, 1)};
    for (int i = 0; i < 9; ++i)
        SetCell(2 + i, cells[i], kCellMulti);
}

void CPrintData::DoMakeRowElementDataHVCB(int32_t mode, const CObjElement& element) {
    const CEleHVCB* m = ModelOf<CEleHVCB>(element, kKindHVCB);
    if (!m)
        return;
    SetDataRow(*this, reporttable::kHVCB, 70);
    SetCell(0, element.GetName());
    SetCell(1, m->DoGetTextVoltage(1));
    SetCell(2, m->DoGetTextRatedCurrent(1));
    SetCell(3, m->DoGetTextBreakingCapacity(1));
    SetCell(4, m->DoGetTextCTPrimary(1));
    SetCell(5, m->DoGetTextCTSecondary(1));
    SetCell(6, m->DoGetTextTypeName());
    SetCell(7, m->DoGetTextPartName(), kCellMulti);
    SetCell(8, m->DoGetTextSetCurrent());
    SetCell(9, m->DoGetTextSetTime());
    SetCell(10, m->DoGetTextSettingInst());
    SetCell(11, m->DoGetTextOnOff(1));
    if (mode < 3)
        SetCell(12, reportcell::NotCalculated(), kCellMulti);
    else if (m->IsCalcPoint() == 1)
        SetCell(12, Lines({m->DoGetTextDirectIk3Sym(1), m->DoGetTextTotalIk3Sym(1)}), kCellMulti);
    else
        SetCell(12, "-");
}

void CPrintData::DoMakeRowElementDataLVCB(int32_t mode, const CObjElement& element) {
    if (element.GetKind() != kKindLVCB)
        return;
    // The capacity getters read the breaker database on demand.
    auto* m = static_cast<CEleLVCB*>(element.GetElement());
    if (!m)
        return;
    SetDataRow(*this, reporttable::kLVCB, 70);
    SetCell(0, element.GetName());
    SetCell(1, m->DoGetTextVoltage(1));
    SetCell(2, m->DoGetTextMakerName(0));
    SetCell(3, m->DoGetTextGroupName());
    SetCell(4, m->DoGetTextTypeName(), kCellMulti);
    SetCell(5, m->DoGetTextPoles(1));
    SetCell(6, m->DoGetTextRatedCurrent(1));
    SetCell(7, m->DoGetTextSettingFirst(), kCellMulti);
    SetCell(8, m->DoGetTextSettingMiddle(), kCellMulti);
    SetCell(9, m->DoGetTextSettingInst());
    SetCell(10, m->DoGetTextIcs(1));
    SetCell(11, m->DoGetTextIcu(1));
    // What the cascade found exists from the selection modes on.
    const bool selected = mode >= 4;
    SetCell(12, selected ? m->DoGetTextIcuBack(1) : "-");
    SetCell(13, selected ? m->DoGetTextBackUpType() : "-");
    SetCell(14, m->DoGetTextOnOff(1));
    const bool sp = m->IsSinglePhase() == 1;
    if (mode < 3)
        SetCell(15, reportcell::NotCalculated(), kCellMulti);
    else if (m->IsCalcPoint() != 1)
        SetCell(15, "-");
    else if (m->m_nCriterion == CEleLVCB::kByIcs || m->m_nCriterion == CEleLVCB::kByIcu)
        SetCell(15, sp ? m->DoGetTextIk1Sym(2, 1) : m->DoGetTextDirectIk3Sym(1));
    else if (m->m_nCriterion == CEleLVCB::kAtSecondPoint)
        SetCell(15, sp ? m->DoGetTextIk1Second(2, 1) : m->DoGetTextIk3Second(1));
    else
        SetCell(15, std::string());
    if (selected)
        SetCell(16, m->DoGetTextSelectResult(0));
    else
        SetCell(16, reportcell::NotSelected(), kCellMulti);
}

void CPrintData::DoMakeRowElementDataContactorThermal(int32_t mode, const CObjElement* contactor,
                                                      const CObjElement* thermal) {
    SetDataRow(*this, reporttable::kContactorThermal, 35);
    for (int i = 0; i < m_nCount; ++i)
        SetCell(i, "-");
    if (const CEleContactor* m =
            contactor ? ModelOf<CEleContactor>(*contactor, kKindContactor) : nullptr) {
        SetCell(0, contactor->GetName());
        SetCell(1, m->DoGetTextVoltage(1));
        SetCell(2, m->DoGetTextPoles(1));
        SetCell(3, m->DoGetTextTypeName());
        SetCell(4, m->DoGetTextIth(1));
    }
    const CEleThermal* relay = thermal ? ModelOf<CEleThermal>(*thermal, kKindThermal) : nullptr;
    if (relay) {
        SetCell(5, thermal->GetName());
        SetCell(6, relay->DoGetTextTypeName());
        SetCell(7, relay->DoGetTextSetting(1));
        SetCell(8, relay->DoGetTextSetCurrent(1));
    }
    // The row is one line high: the two-line text would not fit.
    if (mode < 3)
        SetCell(9, reportcell::NotCalculatedOneLine());
    else if (relay && thermal->IsCalcPoint() == 1)
        SetCell(9, relay->IsSinglePhase() == 1 ? relay->DoGetTextIk1Sym(2, 1)
                                               : relay->DoGetTextTotalIk3Sym(1));
}
