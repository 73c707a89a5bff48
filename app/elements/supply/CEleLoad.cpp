#include "CEleLoad.h"

#include "app/elements/supply/MachineTexts.h"
#include "app/records/CTVFont.h"
#include "app/records/ModelDatabases.h"
#include "equipdata/CRSEquip_Load.h"
#include "framework/StringTable.h"

using namespace machinetext;

namespace {

constexpr unsigned IDS_PREFIX = 25098; // "L"
constexpr int kSymbolFont = 13;

} // namespace

CEleLoad::CEleLoad() : CEleFrame(fw::CRect(0, 0, 39, 39)) {}

void CEleLoad::DoReadByLoadCurrent() {
    double powerFactor = 0.0;
    double starting = 0.0;
    double time = 0.0;
    if (fw::CDatabase* db = GetModelDatabases().pEquip) {
        CRSEquip_Load rs(db);
        rs.DoReadByLoadCurrent(m_dLoadCurrent, &powerFactor, &starting, &time);
    }
    m_dPowerFactor = powerFactor;
    m_dStartingCurrent = starting;
    m_dStartingTime = time;
}

void CEleLoad::DoInitNewElement(const CEleInitArgs& args) {
    if (!DoInitCircuit(fw::LoadString(IDS_PREFIX), args))
        return;
    m_dLoadCurrent = 0.0;
    m_nLeading = 0;
    m_dPowerFactor = 0.7;
}

uint32_t CEleLoad::DoCheckData() const {
    if (!(m_dPowerFactor >= 0.0 && m_dPowerFactor <= 1.0))
        return 1190;
    return 0;
}

int32_t CEleLoad::IsOkRatedCurrent(double rating) const {
    return m_dLoadCurrent <= rating ? 1 : 0;
}

void CEleLoad::Serialize(fw::CArchive& ar) {
    SerializeHead(ar);
    if (ar.IsStoring()) {
        ar << m_nVoltage << m_dLoadCurrent << m_dPowerFactor << m_nLeading;
        ar << m_dStartingCurrent << m_dStartingTime;
    } else {
        ar >> m_nVoltage >> m_dLoadCurrent >> m_dPowerFactor >> m_nLeading;
        ar >> m_dStartingCurrent >> m_dStartingTime;
    }
    SerializeRefLists(ar);
    SerializeTail(ar, kTailEarthing | kTailWireSystem | kTailErrorMark | kTailSinglePhase);
}

void CEleLoad::DoDrawSymbol(fw::CDC* pDC, int32_t mode) {
    DoDrawSymbolFrame(pDC, mode, [](fw::CDC* dc, fw::CPoint c) {
        dc->MoveTo(c.x, c.y - 20);
        dc->LineTo(c.x, c.y - 2);
        const fw::CPoint box[5] = {{c.x - 13, c.y - 2},
                                   {c.x + 13, c.y - 2},
                                   {c.x + 13, c.y + 18},
                                   {c.x - 13, c.y + 18},
                                   {c.x - 13, c.y - 2}};
        dc->Polyline(box, 5);
    });
    if (!pDC)
        return;
    const int cx = (m_rectSymbol.left + m_rectSymbol.right) / 2;
    const int cy = (m_rectSymbol.top + m_rectSymbol.bottom) / 2;
    CTVFont font(pDC, kSymbolFont, 0);
    font.DoDrawTextRect(fw::LoadString(IDS_PREFIX), cx - 13, cy - 2, cx + 14, cy + 19, m_crPen);
}

std::string CEleLoad::DoGetTextLabelV1() const {
    return GetTextLoadCurrent(1);
}

fw::CRect CEleLoad::DoLayoutRefV1List(fw::CDC* pDC, const CEleDocSettings&) {
    return DoLayoutLabelsV1(pDC, DoGetTextLabelV1());
}

fw::CRect CEleLoad::DoLayoutRefV4List(fw::CDC* pDC, const CEleDocSettings&) {
    return DoLayoutLabelsV4(pDC, std::string());
}

void CEleLoad::DoDrawRefV1List(fw::CDC* pDC, const CEleDocSettings&) {
    DoDrawLabelsV1(pDC, DoGetTextLabelV1());
}

void CEleLoad::DoDrawRefV4List(fw::CDC* pDC, const CEleDocSettings&) {
    DoDrawLabelsV4(pDC, std::string());
}

int32_t CEleLoad::DoEditElement(const CEleEditContext& ctx) {
    return DoEditWithSeam(*this, ctx);
}

std::string CEleLoad::GetTextVoltage(int unit) const {
    return VoltageText(m_nVoltage, m_nSinglePhase, unit);
}

std::string CEleLoad::GetTextLoadCurrent(int unit) const {
    return Beams(m_dLoadCurrent) + Unit(IDS_AMPERE, unit);
}

std::string CEleLoad::GetTextPowerFactor() const {
    return Beams(m_dPowerFactor);
}

std::string CEleLoad::GetTextStartingTimes(int unit) const {
    // A multiple of the load current, not a current: "times", as the
    // motor shows it.
    return Beams(m_dStartingCurrent) + Unit(IDS_TIMES, unit);
}

std::string CEleLoad::GetTextStartingCurrent(int unit) const {
    return BeamsEx(m_dStartingCurrent * m_dLoadCurrent, 4) + Unit(IDS_AMPERE, unit);
}

std::string CEleLoad::GetTextStartingTime(int unit) const {
    return Beams(m_dStartingTime) + Unit(IDS_SECOND, unit);
}

std::string CEleLoad::GetTextPhaseAngle(int unit) const {
    return PhaseText(m_dPowerFactor, m_nLeading, unit);
}
