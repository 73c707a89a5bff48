// The data rows of the protection reports: automatic selection, back-up
// protection, discrimination, wire protection and protection against
// electric shock. The cells are the low-voltage breaker's report texts; the
// rows only decide which text stands where.

#include "app/calc/CCalcPoint.h"
#include "app/elements/conductors/CEleWire.h"
#include "app/elements/conductors/ConductorTexts.h"
#include "app/elements/protection/CEleHVCB.h"
#include "app/elements/protection/CEleLVCB.h"
#include "app/protection/CCurrent.h"
#include "app/protection/CObjAdjust.h"
#include "app/records/ElementKinds.h"
#include "app/records/ModelDatabases.h"
#include "app/reports/CPrintData.h"
#include "app/reports/ReportCells.h"
#include "app/reports/ReportTables.h"
#include "app/shell/model/CObjElement.h"
#include "breakerdata/model/CCandidate.h"
#include "tools/Filvaron.h"

#include <vector>

using reportcell::GroupBlocks;
using reportcell::Lines;

namespace {

// The data rows of every protection table belong to the low-voltage
// breaker's kind, so that a new printed page repeats the table's header.
void SetProtectionRow(CPrintData& row, const reporttable::CHeaderSpec& header, int32_t height,
                      int32_t kind = kKindLVCB) {
    row.DoSetRow(kind, kRowData, height, header.indent, header.count, header.start);
}

// The breaker's model; the capacity getters read the database on demand.
CEleLVCB* BreakerOf(const CObjElement& element) {
    if (element.GetKind() != kKindLVCB)
        return nullptr;
    return static_cast<CEleLVCB*>(element.GetElement());
}

// The short-circuit current the breaker was selected against, by its
// criterion: at its own point (Ics, Icu) or at the wire's end (second
// point); in a single-phase circuit the larger of the full-voltage and the
// half-voltage value (the full-voltage text unless the other is strictly
// larger). Empty for a breaker that is no calculation point and for manual
// selection.
std::string SelectionCurrent(const CEleLVCB& m) {
    if (m.IsCalcPoint() != 1)
        return std::string();
    const int32_t v = m.GetVoltage();
    const bool sp = m.IsSinglePhase() == 1;
    if (m.m_nCriterion == CEleLVCB::kByIcs || m.m_nCriterion == CEleLVCB::kByIcu) {
        if (!sp)
            return m.DoGetTextDirectIk3Sym(1);
        double full = 0.0, half = 0.0;
        m.m_calcPoint.DoCalcIkSinglePhase(v, &full);
        m.m_calcPoint.DoCalcIkSinglePhaseLoop(v / 2, &half);
        return m.DoGetTextIk1Sym(half > full ? 1 : 2, 1);
    }
    if (m.m_nCriterion == CEleLVCB::kAtSecondPoint) {
        if (!sp)
            return m.DoGetTextIk3Second(1);
        double full = 0.0, half = 0.0;
        m.m_calcPoint2.DoCalcIkSinglePhase(v, &full);
        m.m_calcPoint2.DoCalcIkSinglePhase(v / 2, &half);
        return m.DoGetTextIk1Second(half > full ? 1 : 2, 1);
    }
    return std::string();
}

// The discrimination table's current: at the breaker's point the direct
// three-phase value (single-phase circuit: the single-phase value); at the
// wire's end the second point's, so marked.
std::string DiscriminationCurrent(const CEleLVCB& m) {
    if (m.IsCalcPoint() != 1)
        return std::string();
    const bool sp = m.IsSinglePhase() == 1;
    if (m.m_nCriterion == CEleLVCB::kAtSecondPoint)
        return Lines({sp ? m.DoGetTextIk1Second(2, 1) : m.DoGetTextIk3Second(1), " at wire-end"});
    return sp ? m.DoGetTextIk1Sym(2, 1) : m.DoGetTextDirectIk3Sym(1);
}

// The upstream breaker a selection result was worked out against, by the
// type the marker stored: the upstream element itself may since have been
// deleted or replaced.
std::string UpstreamTypeName(const CEleLVCB& m) {
    return m.m_currentSelect.DoGetTextUpstreamType();
}

// The low-voltage discrimination row, shared by the rows under a
// high-voltage and under a low-voltage breaker.
void FillDiscriminationLVCB(CPrintData& row, const CObjElement& element, CEleLVCB& m,
                            const std::string& label, const CCurrent* marker, bool downstream) {
    SetProtectionRow(row, reporttable::kDiscrimination, 70);
    row.SetCell(0, element.GetName());
    row.SetCell(1, label);
    row.SetCell(2, m.DoGetTextVoltage(1));
    row.SetCell(3, m.DoGetTextMakerName(0));
    row.SetCell(4, m.DoGetTextGroupName());
    row.SetCell(5, m.DoGetTextTypeName());
    row.SetCell(6, m.DoGetTextPoles(1));
    row.SetCell(7, m.DoGetTextRatedCurrent(1));
    row.SetCell(8, m.DoGetTextSettingFirst());
    row.SetCell(9, m.DoGetTextSettingMiddle());
    std::string inst = m.DoGetTextSettingInst();
    if (marker)
        inst = Lines({inst, marker->DoGetTextBandTyp()});
    row.SetCell(10, inst);
    row.SetCell(11, m.DoGetTextIcs(1));
    row.SetCell(12, m.DoGetTextIcu(1));
    row.SetCell(13, Lines({m.DoGetTextLimitCurrent(1), m.DoGetTextSelectiveKind()}));
    row.SetCell(14, downstream ? UpstreamTypeName(m) : m.DoGetTextBackUpType());
    // The row given the marker shows the marker's band instead.
    if (!marker)
        row.SetCell(15, DiscriminationCurrent(m));
    row.SetCell(16, m.DoGetTextDiscrimResult());
}

// The per-group cells of the wire protection row: one block of four lines
// per conductor group.
template <class Text> std::string PerGroup(uint32_t wireSystem, Text text) {
    std::vector<std::string> blocks;
    for (uint32_t g : reportcell::GroupsOf(wireSystem))
        blocks.push_back(text(g));
    return GroupBlocks(blocks);
}

// The short-circuit current of a group that the wire's check compared: the
// wire's own at its end, or the breaker's at its point.
std::string WireGroupCurrent(const CEleWire& w, const CEleLVCB& b, uint32_t group) {
    const bool sp = w.IsSinglePhase() == 1;
    if (w.m_nEnergySource == 1) {
        std::string own;
        if (group == 1)
            own = sp ? w.GetTextIkSinglePhaseSym(2, 1)
                     : condtext::GetTextIk3Sym(w.m_calcPoint, w.m_nVoltage, 1);
        else if (group == 2)
            own = w.GetTextIk1NTotal(1);
        else
            own = w.GetTextIk1PETotal(1);
        return Lines({own, " at wire-end"});
    }
    if (group == 1)
        return b.IsSinglePhase() == 1 ? b.DoGetTextIk1Sym(2, 1) : b.DoGetTextDirectIk3Sym(1);
    if (group == 2)
        return b.DoGetTextDirectIk1(1);
    return b.DoGetTextDirectIk1PE(1);
}

} // namespace

void CPrintData::DoMakeRowAutoSelection(const CObjElement& breaker, const CCandidate* candidate) {
    CEleLVCB* m = BreakerOf(breaker);
    if (!m)
        return;
    SetProtectionRow(*this, reporttable::kAutoSelection, 70);
    fw::CDatabase* db = GetModelDatabases().pBreaker;
    if (candidate && candidate->m_lTypeID != m->GetTypeID()) {
        // Another type the search found: its own data alone.
        SetCell(3, candidate->DoGetTextGroupName(db));
        SetCell(4, candidate->DoGetTextTypeName(db), kCellMulti);
        SetCell(10,
                candidate->m_dIcs > 0.0 ? candidate->DoGetTextIcs(1) : DLLGetTextByBeams(-1.0, 1));
        SetCell(11, candidate->DoGetTextIcu(1));
        return;
    }
    SetCell(0, breaker.GetName());
    SetCell(1, m->DoGetTextVoltage(1));
    SetCell(2, m->DoGetTextMakerName(0));
    SetCell(3, m->DoGetTextGroupName());
    SetCell(4, candidate ? candidate->DoGetTextTypeName(db) : m->DoGetTextTypeName(), kCellMulti);
    SetCell(5, m->DoGetTextPoles(1));
    SetCell(6, m->DoGetTextRatedCurrent(1));
    SetCell(7, m->DoGetTextSettingFirst());
    SetCell(8, m->DoGetTextSettingMiddle());
    SetCell(9, m->DoGetTextSettingInst());
    SetCell(10, m->DoGetTextIcs(1));
    SetCell(11, m->DoGetTextIcu(1));
    SetCell(12, m->DoGetTextIcuBack(1));
    SetCell(13, m->DoGetTextBackUpType());
    SetCell(14, m->DoGetTextOnOff(1));
    SetCell(15, SelectionCurrent(*m));
    SetCell(16, m->DoGetTextSelectResult(0));
    SetCell(17, "x");
}

void CPrintData::DoMakeRowBackUp(const CObjElement& breaker, const std::string& label,
                                 bool downstream) {
    CEleLVCB* m = BreakerOf(breaker);
    if (!m)
        return;
    SetProtectionRow(*this, reporttable::kBackUp, 35);
    SetCell(0, breaker.GetName());
    SetCell(1, label);
    SetCell(2, m->DoGetTextVoltage(1));
    SetCell(3, m->DoGetTextMakerName(0));
    SetCell(4, m->DoGetTextGroupName());
    SetCell(5, m->DoGetTextTypeName());
    SetCell(6, m->DoGetTextPoles(1));
    SetCell(7, m->DoGetTextRatedCurrent(1));
    SetCell(8, m->DoGetTextSettingInst());
    SetCell(9, m->DoGetTextIcs(1));
    SetCell(10, m->DoGetTextIcu(1));
    SetCell(11, m->DoGetTextIcuBack(1));
    SetCell(12, downstream ? UpstreamTypeName(*m) : m->DoGetTextBackUpType());
    SetCell(13, SelectionCurrent(*m));
    SetCell(14, m->DoGetTextSelectResult(0));
}

void CPrintData::DoMakeRowDiscriminationHVCB(const CObjElement& hvcb, const std::string& label,
                                             const CCurrent* marker) {
    if (hvcb.GetKind() != kKindHVCB)
        return;
    const auto* m = static_cast<const CEleHVCB*>(hvcb.GetElement());
    if (!m)
        return;
    // The row belongs to no element table: a new page repeats no header
    // above it.
    SetProtectionRow(*this, reporttable::kDiscrimination, 140, 0);
    SetCell(0, hvcb.GetName());
    SetCell(1, label);
    SetCell(2, m->DoGetTextVoltage(1));
    SetCell(4, m->DoGetTextGroupName());
    SetCell(5, m->DoGetTextTypeName());
    SetCell(7, Lines({m->DoGetTextCTPrimary(1), "/", m->DoGetTextCTSecondary(1)}), kCellMulti);
    std::string part = m->DoGetTextPartName();
    for (size_t at = part.find(' '); at != std::string::npos; at = part.find(' ', at + 2))
        part.replace(at, 1, "\r\n");
    SetCell(8, Lines({part, m->DoGetTextSetCurrent(), m->DoGetTextSetTime()}), kCellMulti);
    std::string inst = m->DoGetTextSettingInst();
    if (marker)
        inst = Lines({inst, marker->DoGetTextBandTyp()});
    SetCell(10, inst, kCellMulti);
}

void CPrintData::DoMakeRowDiscriminationLVCBUnderHVCB(const CObjElement& breaker,
                                                      const std::string& label) {
    if (CEleLVCB* m = BreakerOf(breaker))
        FillDiscriminationLVCB(*this, breaker, *m, label, nullptr, true);
}

void CPrintData::DoMakeRowDiscriminationLVCB(const CObjElement& breaker, const std::string& label,
                                             const CCurrent* marker) {
    // The upstream breaker is the one given the downstream breaker's marker.
    if (CEleLVCB* m = BreakerOf(breaker))
        FillDiscriminationLVCB(*this, breaker, *m, label, marker, marker == nullptr);
}

void CPrintData::DoMakeRowWireProtection(double frequency, const CObjElement& wire,
                                         const CObjElement& breaker, int32_t mode) {
    if (wire.GetKind() != kKindWire)
        return;
    const auto* w = static_cast<const CEleWire*>(wire.GetElement());
    const CEleLVCB* b = BreakerOf(breaker);
    if (!w || !b)
        return;
    const uint32_t ws = w->GetWireSystem();
    SetProtectionRow(*this, reporttable::kWireProtection, reportcell::ConductorRowHeight(ws));
    SetCell(0, wire.GetName());
    SetCell(1, w->GetTextVoltage(1));
    SetCell(2, reportcell::WireSystem(ws, w->IsSinglePhase() == 1),
            ws == 2 || ws == 3 ? kCellMulti : kCellSingle);
    const std::string material = Lines({w->GetTextMaterial(), w->GetTextInsulation(),
                                        w->GetTextAmbientTemp(1), w->GetTextCoreKind()});
    SetCell(3, PerGroup(ws, [&](uint32_t) { return material; }), kCellMulti);
    SetCell(4, PerGroup(ws, [&](uint32_t g) { return w->GetTextCoefficientK(g); }), kCellMulti);
    const std::string install = Lines({w->GetTextInstallMethod(), w->GetTextCircuitCount()});
    SetCell(5, PerGroup(ws, [&](uint32_t) { return install; }), kCellMulti);
    SetCell(6, PerGroup(ws, [&](uint32_t g) { return w->GetTextCoreSize(g, 1); }), kCellMulti);
    SetCell(7,
            PerGroup(ws,
                     [&](uint32_t g) {
                         const bool changed = w->IsChangedBasicCurrent(g) ||
                                              w->IsChangedAmbientFactor(g) ||
                                              w->IsChangedGroupFactor(g);
                         return (changed ? "*" : "") + w->GetTextIz(g, 1);
                     }),
            kCellMulti);
    SetCell(8, b->DoGetTextRatedCurrent(1));
    SetCell(9, b->DoGetTextTypeName());
    if (mode < 4) {
        const std::string none = PerGroup(ws, [](uint32_t) { return std::string("-"); });
        for (int i = 10; i <= 14; ++i)
            SetCell(i, none, kCellMulti);
        return;
    }
    SetCell(10, PerGroup(ws, [&](uint32_t g) { return WireGroupCurrent(*w, *b, g); }), kCellMulti);
    SetCell(11,
            PerGroup(ws,
                     [&](uint32_t g) {
                         return w->m_nCheckMode == 1
                                    ? std::string("Depend on\r\nLet-through\r\nenergy")
                                    : w->GetTextDuration(g, frequency, 1);
                     }),
            kCellMulti);
    SetCell(12, PerGroup(ws, [&](uint32_t g) { return w->GetTextLetThrough(frequency, *b, g, 1); }),
            kCellMulti);
    SetCell(13, PerGroup(ws, [&](uint32_t g) { return w->GetTextMinSize(frequency, *b, g, 1); }),
            kCellMulti);
    SetCell(14, PerGroup(ws, [&](uint32_t g) { return w->GetTextProtectResult(frequency, *b, g); }),
            kCellMulti);
}

void CPrintData::DoMakeRowElectricShock(const CObjElement& breaker) {
    CEleLVCB* m = BreakerOf(breaker);
    if (!m)
        return;
    SetProtectionRow(*this, reporttable::kElectricShock, 70);
    SetCell(0, breaker.GetName());
    SetCell(1, m->DoGetTextVoltage(1));
    SetCell(2, m->DoGetTextMakerName(0));
    SetCell(3, m->DoGetTextGroupName());
    SetCell(4, m->DoGetTextTypeName());
    SetCell(5, m->DoGetTextPoles(1));
    SetCell(6, m->DoGetTextRatedCurrent(1));
    SetCell(7, m->DoGetTextSettingFirst());
    SetCell(8, m->DoGetTextSettingMiddle());
    SetCell(9, m->DoGetTextSettingInst());
    SetCell(10, m->DoGetTextEarthing());
    SetCell(11, m->DoGetTextPhaseVoltage(1));
    SetCell(12, m->DoGetTextDisconnectTime(1));
    SetCell(13, m->DoGetTextIa(1));
    SetCell(14, m->DoGetTextZs(1));
    SetCell(15, m->DoGetTextEarthFaultCurrent(1));
    SetCell(16, m->DoGetTextShockResult());
}
