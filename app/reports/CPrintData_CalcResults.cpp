// The rows of the CALCULATION RESULTS report: per element its own
// impedances, the totals at its calculation point and its short-circuit
// currents, each as symmetrical, asymmetrical and peak value.

#include "app/calc/Impedance.h"
#include "app/elements/conductors/CEleBusBar.h"
#include "app/elements/conductors/CEleBusDuct.h"
#include "app/elements/conductors/CEleWire.h"
#include "app/elements/conductors/ConductorTexts.h"
#include "app/elements/protection/CEleContactor.h"
#include "app/elements/protection/CEleHVCB.h"
#include "app/elements/protection/CEleLVCB.h"
#include "app/elements/protection/CEleThermal.h"
#include "app/elements/supply/CEleGenerator.h"
#include "app/elements/supply/CEleMotorEff.h"
#include "app/elements/supply/CEleSource.h"
#include "app/elements/supply/CEleTrans1.h"
#include "app/elements/supply/CEleTrans3.h"
#include "app/elements/supply/CEleZeroCond.h"
#include "app/records/DocSettings.h"
#include "app/records/ElementKinds.h"
#include "app/reports/CPrintData.h"
#include "app/reports/ReportCells.h"
#include "app/reports/ReportTables.h"
#include "app/shell/model/CObjElement.h"

using reportcell::Lines;

namespace {

constexpr int32_t kSinglePhaseHeight = 245;

template <class Model> const Model* ModelOf(const CObjElement& element, int32_t kind) {
    if (element.GetKind() != kind)
        return nullptr;
    return static_cast<const Model*>(element.GetElement());
}

void SetRow(CPrintData& row, int32_t kind, int32_t height) {
    row.DoSetRow(kind, kRowData, height, 0, reporttable::kCalcResults.count,
                 reporttable::kCalcResults.start);
}

// The row's leading cells: name, kind text, voltage and phase.
void SetLead(CPrintData& row, const CObjElement& element, const std::string& kindText,
             const std::string& voltage, const std::string& phase) {
    row.SetCell(0, element.GetName());
    row.SetCell(1, kindText);
    row.SetCell(2, voltage);
    row.SetCell(3, phase);
}

// The phase text of a single-phase circuit: the full-voltage and the
// half-voltage lines, an empty line between.
std::string SinglePhaseText() {
    const std::string phases = reportcell::Phases();
    return Lines({"1" + phases, "(V)", "", "1" + phases, "(V/2)"});
}

std::string PhaseText(bool singlePhase) {
    return singlePhase ? SinglePhaseText() : reportcell::ThreePhases();
}

// Two blocks of a single-phase circuit, full voltage first: two empty lines
// between impedance blocks, one between current blocks.
std::string TwoBlocksZ(const std::string& full, const std::string& half) {
    return full + "\r\n\r\n\r\n" + half;
}
std::string TwoBlocksI(const std::string& full, const std::string& half) {
    return full + "\r\n\r\n" + half;
}

std::string Triple(const std::string& sym, const std::string& asym, const std::string& peak) {
    return Lines({sym + "sym", asym + "asym", peak + "peak"});
}

// The three-phase totals of a calculation point at a voltage: the
// percentage on the reference capacity and the milliohms.
struct PointTotals {
    CPercentZ z;
    int32_t voltage;
    double base;
    PointTotals(const CCalcPoint& point, int32_t v, double b) : voltage(v), base(b) {
        point.GetPercentZ3Total(z);
    }
    std::string Pair(char which) const {
        const double value = which == 'R' ? z.m_dR : which == 'X' ? z.m_dX : z.GetZ();
        return Lines(
            {condtext::Ex(value, 4, 1, condtext::IDS_PERCENT_R),
             condtext::Ex(DoCalcOhmsFromPercent(voltage, base, value), 4, 1, condtext::IDS_MOHMS)});
    }
};

std::string TotalTriple(const CCalcPoint& point, int32_t voltage) {
    return Triple(condtext::GetTextIk3Sym(point, voltage, 1),
                  condtext::GetTextIk3Asym(point, voltage, 1),
                  condtext::GetTextIk3Peak(point, voltage, 1));
}

// The part values of a single-phase circuit's point (mode 2 at V, mode 1 at
// V/2 without the half-voltage pair).
std::string PartPair(const CCalcPoint& point, int32_t voltage, double base, int mode, char which) {
    const CPercentZ& z = point.m_zSource;
    const double r = mode == 1 ? z.m_dR - z.m_dRHalf : z.m_dR;
    const double x = mode == 1 ? z.m_dX - z.m_dXHalf : z.m_dX;
    const double value = which == 'R' ? r : which == 'X' ? x : DoCalcMagnitude(r, x);
    const int32_t v = mode == 1 ? voltage / 2 : voltage;
    return Lines({condtext::Ex(value, 4, 1, condtext::IDS_PERCENT_R),
                  condtext::Ex(DoCalcOhmsFromPercent(v, base, value), 4, 1, condtext::IDS_MOHMS)});
}

template <class Model> std::string SinglePhaseTriple(const Model& m, int mode) {
    return Triple(m.GetTextIkSinglePhaseSym(mode, 1), m.GetTextIkSinglePhaseAsym(mode, 1),
                  condtext::GetTextIkPeakSinglePhase(m.m_calcPoint, m.m_nVoltage, mode, 1));
}

void SetDashes(CPrintData& row, int from, int to) {
    for (int i = from; i <= to; ++i)
        row.SetCell(i, "-");
}

// The size cell of a conductor (column 4) before its length.
std::string SizeOf(const CEleBusDuct& m) {
    return m.GetTextSize(1);
}
std::string SizeOf(const CEleBusBar& m) {
    return m.GetTextSize(1);
}
std::string SizeOf(const CEleWire& m) {
    return m.GetTextCoreSize(1, 1);
}

// The conductors' rows: the first group's own impedances, the point's
// totals, the currents by the circuit.
template <class Model>
void MakeConductorRow(CPrintData& row, const CObjElement& element, const Model& m,
                      const std::string& kindText, double base) {
    const bool sp = m.IsSinglePhase() == 1;
    const bool cp = m.IsCalcPoint() == 1;
    SetRow(row, element.GetKind(), sp ? kSinglePhaseHeight : 105);
    SetLead(row, element, kindText, m.GetTextVoltage(1), PhaseText(sp));
    row.SetCell(4, Lines({SizeOf(m), m.GetTextLength(1)}));
    // The ohms carry "*" where a per-metre value in use was typed over the
    // calculated one.
    const bool changedR = m.IsChangedRPerMetre(1) != 0;
    const bool changedX = m.IsChangedXPerMetre(1) != 0;
    auto own = [&](int mode) {
        return std::array<std::string, 3>{
            Lines({m.GetTextPercentRByGroup(1, mode, base, 1),
                   (changedR ? "*" : "") + m.GetTextR(1, 1)}),
            Lines({m.GetTextPercentXByGroup(1, mode, base, 1),
                   (changedX ? "*" : "") + m.GetTextX(1, 1)}),
            Lines({m.GetTextPercentZByGroup(1, mode, base, 1),
                   (changedR || changedX ? "*" : "") + m.GetTextZ(1, 1)})};
    };
    const auto full = own(2);
    if (sp) {
        const auto half = own(1);
        for (int i = 0; i < 3; ++i)
            row.SetCell(5 + i, TwoBlocksZ(full[i], half[i]));
    } else {
        for (int i = 0; i < 3; ++i)
            row.SetCell(5 + i, full[i]);
    }
    if (!cp) {
        SetDashes(row, 8, 12);
        return;
    }
    const char which[] = {'R', 'X', 'Z'};
    if (sp) {
        for (int i = 0; i < 3; ++i)
            row.SetCell(8 + i,
                        TwoBlocksZ(PartPair(m.m_calcPoint, m.m_nVoltage, base, 2, which[i]),
                                   PartPair(m.m_calcPoint, m.m_nVoltage, base, 1, which[i])));
        row.SetCell(11, TwoBlocksI(SinglePhaseTriple(m, 2), SinglePhaseTriple(m, 1)));
        row.SetCell(12, "-");
    } else {
        const PointTotals totals(m.m_calcPoint, m.m_nVoltage, base);
        for (int i = 0; i < 3; ++i)
            row.SetCell(8 + i, totals.Pair(which[i]));
        row.SetCell(11, "-");
        row.SetCell(12, TotalTriple(m.m_calcPoint, m.m_nVoltage));
    }
}

// The rotating machines: own values, then at the point the totals over the
// own values and the direct and total currents.
template <class Model>
void MakeMachineRow(CPrintData& row, const CObjElement& element, const Model& m,
                    const std::string& kindText, const CInfoSkeleton& skeleton) {
    const double base = skeleton.m_dCapacity;
    const double f = skeleton.m_nFrequency;
    SetRow(row, element.GetKind(), 140);
    SetLead(row, element, kindText, m.DoGetTextVoltage(1), reportcell::ThreePhases());
    row.SetCell(4, m.DoGetTextCapacity(1));
    row.SetCell(5, Lines({m.DoGetTextPercentR(f, base, 1), m.DoGetTextResistance(base, 1)}));
    row.SetCell(6, Lines({m.DoGetTextPercentX(f, base, 1), m.DoGetTextReactance(base, 1)}));
    row.SetCell(7, Lines({m.DoGetTextPercentZ(f, base, 1), m.DoGetTextImpedance(base, 1)}));
    if (m.IsCalcPoint() != 1) {
        SetDashes(row, 8, 12);
        return;
    }
    row.SetCell(8, Lines({m.DoGetTextTotalPercentR(1), m.DoGetTextTotalResistance(base, 1),
                          m.DoGetTextPercentR(f, base, 1), m.DoGetTextResistance(base, 1)}));
    row.SetCell(9, Lines({m.DoGetTextTotalPercentX(1), m.DoGetTextTotalReactance(base, 1),
                          m.DoGetTextPercentX(f, base, 1), m.DoGetTextReactance(base, 1)}));
    row.SetCell(10, Lines({m.DoGetTextTotalPercentZ(1), m.DoGetTextTotalImpedance(base, 1),
                           m.DoGetTextPercentZ(f, base, 1), m.DoGetTextImpedance(base, 1)}));
    row.SetCell(11, Triple(m.DoGetTextDirectIk3Sym(1), m.DoGetTextDirectIk3Asym(1),
                           m.DoGetTextDirectIk3Peak(1)));
    row.SetCell(12, Triple(m.DoGetTextTotalIk3Sym(1), m.DoGetTextTotalIk3Asym(1),
                           m.DoGetTextTotalIk3Peak(1)));
}

} // namespace

bool CPrintData::DoMakeRowCalcResults(const CInfoSkeleton& skeleton, const CObjElement& element) {
    if (!element.GetElement())
        return false;
    switch (element.GetKind()) {
    case kKindSource:
        DoMakeRowCalcResultsSource(skeleton, element);
        return true;
    case kKindTrans3:
        DoMakeRowCalcResultsTrans3(skeleton, element);
        return true;
    case kKindTrans1:
        DoMakeRowCalcResultsTrans1(skeleton, element);
        return true;
    case kKindGenerator:
        DoMakeRowCalcResultsGenerator(skeleton, element);
        return true;
    case kKindMotorEff:
        DoMakeRowCalcResultsMotorEff(skeleton, element);
        return true;
    case kKindZeroCond:
        DoMakeRowCalcResultsZeroCond(skeleton, element);
        return true;
    case kKindBusDuct:
        DoMakeRowCalcResultsBusDuct(skeleton, element);
        return true;
    case kKindBusBar:
        DoMakeRowCalcResultsBusBar(skeleton, element);
        return true;
    case kKindWire:
        DoMakeRowCalcResultsWire(skeleton, element);
        return true;
    case kKindContactor:
        DoMakeRowCalcResultsContactor(skeleton, element);
        return true;
    case kKindThermal:
        DoMakeRowCalcResultsThermal(skeleton, element);
        return true;
    case kKindLVCB:
        DoMakeRowCalcResultsLVCB(skeleton, element);
        return true;
    case kKindHVCB:
        DoMakeRowCalcResultsHVCB(skeleton, element);
        return true;
    default:
        return false;
    }
}

void CPrintData::DoMakeRowCalcResultsSource(const CInfoSkeleton& skeleton,
                                            const CObjElement& element) {
    const CEleSource* m = ModelOf<CEleSource>(element, kKindSource);
    if (!m)
        return;
    const double base = skeleton.m_dCapacity;
    SetRow(*this, kKindSource, 70);
    SetLead(*this, element, "Source", m->DoGetTextVoltage(1), reportcell::ThreePhases());
    SetCell(4, Lines({m->DoGetTextCapacity(1), m->DoGetTextXR()}));
    SetCell(5, Lines({m->DoGetTextPercentR(base, 1), m->DoGetTextResistance(base, 1)}));
    SetCell(6, Lines({m->DoGetTextPercentX(base, 1), m->DoGetTextReactance(base, 1)}));
    SetCell(7, Lines({m->DoGetTextPercentZ(base, 1), m->DoGetTextImpedance(base, 1)}));
    SetDashes(*this, 8, 12);
}

void CPrintData::DoMakeRowCalcResultsTrans3(const CInfoSkeleton& skeleton,
                                            const CObjElement& element) {
    const CEleTrans3* m = ModelOf<CEleTrans3>(element, kKindTrans3);
    if (!m)
        return;
    const double base = skeleton.m_dCapacity;
    SetRow(*this, kKindTrans3, 140);
    SetLead(*this, element, "Transformer", m->DoGetTextSecondaryVoltage(1),
            reportcell::ThreePhases());
    SetCell(4, Lines({m->DoGetTextCapacity(1), m->DoGetTextOwnPercentZ(1), m->DoGetTextXR()}));
    SetCell(5, Lines({m->DoGetTextPercentR(base, 1), m->DoGetTextResistance(1)}));
    SetCell(6, Lines({m->DoGetTextPercentX(base, 1), m->DoGetTextReactance(1)}));
    SetCell(7, Lines({m->DoGetTextPercentZ(base, 1), m->DoGetTextImpedance(1)}));
    if (m->IsCalcPoint() != 1) {
        SetDashes(*this, 8, 12);
        return;
    }
    SetCell(8, Lines({m->DoGetTextTotalPercentR(1), m->DoGetTextTotalResistance(base, 1),
                      m->DoGetTextDirectPercentR(1), m->DoGetTextDirectResistance(base, 1)}));
    SetCell(9, Lines({m->DoGetTextTotalPercentX(1), m->DoGetTextTotalReactance(base, 1),
                      m->DoGetTextDirectPercentX(1), m->DoGetTextDirectReactance(base, 1)}));
    SetCell(10, Lines({m->DoGetTextTotalPercentZ(1), m->DoGetTextTotalImpedance(base, 1),
                       m->DoGetTextDirectPercentZ(1), m->DoGetTextDirectImpedance(base, 1)}));
    SetCell(11, Triple(m->DoGetTextDirectIk3Sym(1), m->DoGetTextDirectIk3Asym(1),
                       m->DoGetTextDirectIk3Peak(1)));
    SetCell(12, Triple(m->DoGetTextTotalIk3Sym(1), m->DoGetTextTotalIk3Asym(1),
                       m->DoGetTextTotalIk3Peak(1)));
}

void CPrintData::DoMakeRowCalcResultsTrans1(const CInfoSkeleton& skeleton,
                                            const CObjElement& element) {
    const CEleTrans1* m = ModelOf<CEleTrans1>(element, kKindTrans1);
    if (!m)
        return;
    const double base = skeleton.m_dCapacity;
    SetRow(*this, kKindTrans1, kSinglePhaseHeight);
    SetLead(*this, element, "Single-phase\r\ntransformer",
            Lines({m->DoGetTextVoltage(2, 1), "-", m->DoGetTextVoltage(1, 1)}), SinglePhaseText());
    SetCell(4, Lines({m->DoGetTextCapacity(1), m->DoGetTextOwnPercentZ(2, 1), m->DoGetTextXR(2),
                      m->DoGetTextOwnPercentZ(1, 1), m->DoGetTextXR(1)}));
    auto own = [&](int n, char which) {
        if (which == 'R')
            return Lines({m->DoGetTextPercentR(base, n, 1), m->DoGetTextResistance(n, 1)});
        if (which == 'X')
            return Lines({m->DoGetTextPercentX(base, n, 1), m->DoGetTextReactance(n, 1)});
        return Lines({m->DoGetTextPercentZ(base, n, 1), m->DoGetTextImpedance(n, 1)});
    };
    auto total = [&](int n, char which) {
        if (which == 'R')
            return Lines(
                {m->DoGetTextTotalPercentR(n, 1), m->DoGetTextTotalResistance(base, n, 1)});
        if (which == 'X')
            return Lines({m->DoGetTextTotalPercentX(n, 1), m->DoGetTextTotalReactance(base, n, 1)});
        return Lines({m->DoGetTextTotalPercentZ(n, 1), m->DoGetTextTotalImpedance(base, n, 1)});
    };
    const char which[] = {'R', 'X', 'Z'};
    for (int i = 0; i < 3; ++i)
        SetCell(5 + i, TwoBlocksZ(own(2, which[i]), own(1, which[i])));
    if (m->IsCalcPoint() != 1) {
        SetDashes(*this, 8, 12);
        return;
    }
    for (int i = 0; i < 3; ++i)
        SetCell(8 + i, TwoBlocksZ(total(2, which[i]), total(1, which[i])));
    auto triple = [&](int n) {
        return Triple(m->DoGetTextIk1Sym(n, 1), m->DoGetTextIk1Asym(n, 1),
                      m->DoGetTextIk1Peak(n, 1));
    };
    SetCell(11, TwoBlocksI(triple(2), triple(1)));
    SetCell(12, "-");
}

void CPrintData::DoMakeRowCalcResultsGenerator(const CInfoSkeleton& skeleton,
                                               const CObjElement& element) {
    if (const CEleGenerator* m = ModelOf<CEleGenerator>(element, kKindGenerator))
        MakeMachineRow(*this, element, *m, "Generator", skeleton);
}

void CPrintData::DoMakeRowCalcResultsMotorEff(const CInfoSkeleton& skeleton,
                                              const CObjElement& element) {
    if (const CEleMotorEff* m = ModelOf<CEleMotorEff>(element, kKindMotorEff))
        MakeMachineRow(*this, element, *m, "Motor effect", skeleton);
}

void CPrintData::DoMakeRowCalcResultsZeroCond(const CInfoSkeleton& skeleton,
                                              const CObjElement& element) {
    const CEleZeroCond* m = ModelOf<CEleZeroCond>(element, kKindZeroCond);
    if (!m)
        return;
    const double base = skeleton.m_dCapacity;
    const bool sp = m->IsSinglePhase() == 1;
    const bool cp = m->IsCalcPoint() == 1;
    SetRow(*this, kKindZeroCond, sp ? kSinglePhaseHeight : 105);
    SetLead(*this, element, "Total\r\nImpedance", m->DoGetTextVoltage(1), PhaseText(sp));
    SetCell(4, "-");
    auto pair = [&](int mode, char which) {
        if (which == 'R')
            return Lines(
                {m->DoGetTextTotalPercentR(mode, 1), m->DoGetTextTotalResistance(mode, base, 1)});
        if (which == 'X')
            return Lines(
                {m->DoGetTextTotalPercentX(mode, 1), m->DoGetTextTotalReactance(mode, base, 1)});
        return Lines(
            {m->DoGetTextTotalPercentZ(mode, 1), m->DoGetTextTotalImpedance(mode, base, 1)});
    };
    const char which[] = {'R', 'X', 'Z'};
    for (int i = 0; i < 3; ++i)
        SetCell(5 + i, sp ? TwoBlocksZ(pair(2, which[i]), pair(1, which[i])) : pair(2, which[i]));
    SetDashes(*this, 8, 10);
    auto triple = [&](int mode) {
        return Triple(m->DoGetTextIk1Sym(mode, 1), m->DoGetTextIk1Asym(mode, 1),
                      m->DoGetTextIk1Peak(mode, 1));
    };
    SetCell(11, cp && sp ? TwoBlocksI(triple(2), triple(1)) : "-");
    SetCell(12, cp && !sp ? Triple(m->DoGetTextTotalIk3Sym(1), m->DoGetTextTotalIk3Asym(1),
                                   m->DoGetTextTotalIk3Peak(1))
                          : "-");
}

void CPrintData::DoMakeRowCalcResultsBusDuct(const CInfoSkeleton& skeleton,
                                             const CObjElement& element) {
    if (const CEleBusDuct* m = ModelOf<CEleBusDuct>(element, kKindBusDuct))
        MakeConductorRow(*this, element, *m, "Bus-duct", skeleton.m_dCapacity);
}

void CPrintData::DoMakeRowCalcResultsBusBar(const CInfoSkeleton& skeleton,
                                            const CObjElement& element) {
    if (const CEleBusBar* m = ModelOf<CEleBusBar>(element, kKindBusBar))
        MakeConductorRow(*this, element, *m, "Bus-bar", skeleton.m_dCapacity);
}

void CPrintData::DoMakeRowCalcResultsWire(const CInfoSkeleton& skeleton,
                                          const CObjElement& element) {
    if (const CEleWire* m = ModelOf<CEleWire>(element, kKindWire))
        MakeConductorRow(*this, element, *m, "Wire", skeleton.m_dCapacity);
}

namespace {

// The contactor's and the thermal relay's rows differ only in their kind
// text and rating: neither adds impedance, both show their point's totals.
template <class Model>
void MakeSwitchRow(CPrintData& row, const CObjElement& element, const Model& m, const char* kind,
                   const std::string& rating, const CInfoSkeleton& skeleton) {
    const double base = skeleton.m_dCapacity;
    const bool sp = m.IsSinglePhase() == 1;
    const int32_t volts = m.GetVoltage();
    SetRow(row, element.GetKind(), sp ? kSinglePhaseHeight : 105);
    SetLead(row, element, kind, m.DoGetTextVoltage(1), PhaseText(sp));
    row.SetCell(4, rating.empty() ? "-" : rating);
    SetDashes(row, 5, 12);
    if (element.IsCalcPoint() != 1)
        return;
    const char which[] = {'R', 'X', 'Z'};
    // The point's totals; in a single-phase circuit its part values.
    auto pair = [&](int mode, char w) {
        if (sp)
            return PartPair(m.m_calcPoint, volts, base, mode, w);
        return PointTotals(m.m_calcPoint, volts, base).Pair(w);
    };
    for (int i = 0; i < 3; ++i)
        row.SetCell(8 + i,
                    sp ? TwoBlocksZ(pair(2, which[i]), pair(1, which[i])) : pair(2, which[i]));
    auto single = [&](int mode) {
        return Triple(m.DoGetTextIk1Sym(mode, 1), m.DoGetTextIk1Asym(mode, 1),
                      m.DoGetTextIk1Peak(mode, 1));
    };
    const std::string total =
        Triple(m.DoGetTextTotalIk3Sym(1), m.DoGetTextTotalIk3Asym(1), m.DoGetTextTotalIk3Peak(1));
    row.SetCell(11, sp ? TwoBlocksI(single(2), single(1)) : total);
    row.SetCell(12, sp ? "-" : total);
}

} // namespace

void CPrintData::DoMakeRowCalcResultsContactor(const CInfoSkeleton& skeleton,
                                               const CObjElement& element) {
    if (const CEleContactor* m = ModelOf<CEleContactor>(element, kKindContactor))
        MakeSwitchRow(*this, element, *m, "Contactor", m->DoGetTextIth(1), skeleton);
}

void CPrintData::DoMakeRowCalcResultsThermal(const CInfoSkeleton& skeleton,
                                             const CObjElement& element) {
    if (const CEleThermal* m = ModelOf<CEleThermal>(element, kKindThermal))
        MakeSwitchRow(*this, element, *m, "Thermal relay", m->DoGetTextSetting(1), skeleton);
}

void CPrintData::DoMakeRowCalcResultsLVCB(const CInfoSkeleton& skeleton,
                                          const CObjElement& element) {
    const CEleLVCB* m = ModelOf<CEleLVCB>(element, kKindLVCB);
    if (!m)
        return;
    const double base = skeleton.m_dCapacity;
    const bool sp = m->IsSinglePhase() == 1;
    SetRow(*this, kKindLVCB, sp ? kSinglePhaseHeight : 140);
    SetLead(*this, element, "Low-voltage\r\ncircuit breaker", m->DoGetTextVoltage(1),
            PhaseText(sp));
    SetCell(4, m->DoGetTextRatedCurrent(1));
    SetDashes(*this, 5, 12);
    // Switched off, the breaker is no calculation point whatever its flag.
    if (element.IsCalcPoint() != 1)
        return;
    const int32_t volts = m->GetVoltage();
    const PointTotals totals(m->m_calcPoint, volts, base);
    auto direct = [&](int mode, char which) {
        if (which == 'R')
            return Lines(
                {m->DoGetTextDirectPercentR(mode, 1), m->DoGetTextDirectResistance(mode, base, 1)});
        if (which == 'X')
            return Lines(
                {m->DoGetTextDirectPercentX(mode, 1), m->DoGetTextDirectReactance(mode, base, 1)});
        return Lines(
            {m->DoGetTextDirectPercentZ(mode, 1), m->DoGetTextDirectImpedance(mode, base, 1)});
    };
    const char which[] = {'R', 'X', 'Z'};
    for (int i = 0; i < 3; ++i) {
        const std::string total = totals.Pair(which[i]);
        // A single-phase circuit has room for the direct pairs of its two
        // blocks only.
        SetCell(8 + i, sp ? TwoBlocksZ(direct(2, which[i]), direct(1, which[i]))
                          : Lines({total, direct(2, which[i])}));
    }
    auto single = [&](int mode) {
        return Triple(m->DoGetTextIk1Sym(mode, 1), m->DoGetTextIk1Asym(mode, 1),
                      m->DoGetTextIk1Peak(mode, 1));
    };
    SetCell(11, sp ? TwoBlocksI(single(2), single(1))
                   : Triple(m->DoGetTextDirectIk3Sym(1), m->DoGetTextDirectIk3Asym(1),
                            m->DoGetTextDirectIk3Peak(1)));
    SetCell(12, sp ? "-"
                   : Triple(m->DoGetTextTotalIk3Sym(1), m->DoGetTextTotalIk3Asym(1),
                            m->DoGetTextTotalIk3Peak(1)));
}

void CPrintData::DoMakeRowCalcResultsHVCB(const CInfoSkeleton& skeleton,
                                          const CObjElement& element) {
    const CEleHVCB* m = ModelOf<CEleHVCB>(element, kKindHVCB);
    if (!m)
        return;
    const double base = skeleton.m_dCapacity;
    SetRow(*this, kKindHVCB, 140);
    SetLead(*this, element, "High-voltage\r\ncircuit breaker", m->DoGetTextVoltage(1),
            reportcell::ThreePhases());
    SetCell(4, Lines({m->DoGetTextRatedCurrent(1), m->DoGetTextBreakingCapacity(1)}));
    SetDashes(*this, 5, 12);
    if (element.IsCalcPoint() != 1)
        return;
    SetCell(8, Lines({m->DoGetTextTotalPercentR(1), m->DoGetTextTotalResistance(base, 1),
                      m->DoGetTextDirectPercentR(1), m->DoGetTextDirectResistance(base, 1)}));
    SetCell(9, Lines({m->DoGetTextTotalPercentX(1), m->DoGetTextTotalReactance(base, 1),
                      m->DoGetTextDirectPercentX(1), m->DoGetTextDirectReactance(base, 1)}));
    SetCell(10, Lines({m->DoGetTextTotalPercentZ(1), m->DoGetTextTotalImpedance(base, 1),
                       m->DoGetTextDirectPercentZ(1), m->DoGetTextDirectImpedance(base, 1)}));
    SetCell(11, Triple(m->DoGetTextDirectIk3Sym(1), m->DoGetTextDirectIk3Asym(1),
                       m->DoGetTextDirectIk3Peak(1)));
    SetCell(12, Triple(m->DoGetTextTotalIk3Sym(1), m->DoGetTextTotalIk3Asym(1),
                       m->DoGetTextTotalIk3Peak(1)));
}
