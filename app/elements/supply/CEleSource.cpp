#include "CEleSource.h"

#include "app/calc/Impedance.h"
#include "app/elements/supply/SupplyTexts.h"
#include "app/records/DialogSeam.h"
#include "app/records/DocSettings.h"
#include "app/records/ModelDatabases.h"
#include "framework/StringTable.h"
#include "listdata/CRSList_VoltHigh.h"
#include "tools/Filvaron.h"

#include <cmath>

using namespace supplytexts;

namespace {
constexpr unsigned IDS_PREFIX_SOURCE = 25089;
}

CEleSource::CEleSource() : CEleFrame(fw::CRect(0, 0, 39, 79)) {}

CEleSource::~CEleSource() = default;

double CEleSource::GetPercentZ(double baseCapacity) const {
    if (m_nCapacity <= 0)
        return 0.0;
    return baseCapacity * 1000.0 * 100.0 / (m_nCapacity * 1.0e6);
}

double CEleSource::GetPercentR(double baseCapacity) const {
    return GetPercentZ(baseCapacity) / std::sqrt(m_dXR * m_dXR + 1.0);
}

double CEleSource::GetPercentX(double baseCapacity) const {
    return GetPercentR(baseCapacity) * m_dXR;
}

void CEleSource::DoCalcPercentZ(CPercentZ& result, double baseCapacity) const {
    result = CPercentZ();
    result.m_dR = GetPercentR(baseCapacity);
    result.m_dX = GetPercentX(baseCapacity);
}

// The network's impedance does not depend on the reference capacity: it is
// the percent value converted back at that same capacity, V² / (1000 S)
// milliohms (equal to P V² / (S 10⁶) at the usual 1000 kVA).
double CEleSource::GetOhmZ(double baseCapacity) const {
    if (m_nCapacity <= 0 || baseCapacity <= 0.0)
        return 0.0;
    return DoCalcOhmsFromPercent(m_nVoltage, baseCapacity, GetPercentZ(baseCapacity));
}

double CEleSource::GetOhmR(double baseCapacity) const {
    return GetOhmZ(baseCapacity) / std::sqrt(m_dXR * m_dXR + 1.0);
}

double CEleSource::GetOhmX(double baseCapacity) const {
    return GetOhmR(baseCapacity) * m_dXR;
}

int32_t CEleSource::DoCheckData() const {
    if (m_nVoltage < 1)
        return 1089;
    if (m_nCapacity < 1)
        return 1110;
    // A ratio read from a damaged file may be no number at all.
    if (!(m_dXR > 0.0) || !std::isfinite(m_dXR))
        return 1086;
    return 0;
}

std::string CEleSource::DoGetTextVoltage(int unit) const {
    return Beams(m_nVoltage, unit, IDS_UNIT_VOLT);
}

std::string CEleSource::DoGetTextCapacity(int unit) const {
    return Beams(m_nCapacity, unit, IDS_UNIT_MVA);
}

std::string CEleSource::DoGetTextXR() const {
    return DLLGetTextByBeams(m_dXR, 0);
}

std::string CEleSource::DoGetTextResistance(double baseCapacity, int unit) const {
    return BeamsEx(GetOhmR(baseCapacity), 4, unit, IDS_UNIT_MOHMS);
}

std::string CEleSource::DoGetTextReactance(double baseCapacity, int unit) const {
    return BeamsEx(GetOhmX(baseCapacity), 4, unit, IDS_UNIT_MOHMS);
}

std::string CEleSource::DoGetTextImpedance(double baseCapacity, int unit) const {
    return BeamsEx(GetOhmZ(baseCapacity), 4, unit, IDS_UNIT_MOHMS);
}

std::string CEleSource::DoGetTextPercentR(double baseCapacity, int unit) const {
    return BeamsEx(GetPercentR(baseCapacity), 4, unit, IDS_UNIT_PERCENT_REF);
}

std::string CEleSource::DoGetTextPercentX(double baseCapacity, int unit) const {
    return BeamsEx(GetPercentX(baseCapacity), 4, unit, IDS_UNIT_PERCENT_REF);
}

std::string CEleSource::DoGetTextPercentZ(double baseCapacity, int unit) const {
    return BeamsEx(GetPercentZ(baseCapacity), 4, unit, IDS_UNIT_PERCENT_REF);
}

std::string CEleSource::DoGetTextLabelV1(int32_t frequency) const {
    CInfoSkeleton skeleton;
    skeleton.m_nFrequency = frequency;
    return DoGetTextVoltage(1) + "\r\n" + DoGetTextCapacity(1) + "\r\n" + fw::LoadString(IDS_XR) +
           "=" + DoGetTextXR() + "\r\n" + skeleton.DoGetTextFrequency(1);
}

std::string CEleSource::DoGetTextLabelV4(double baseCapacity) const {
    return DoGetTextPercentZ(baseCapacity, 1) + "\r\n=" + DoGetTextPercentR(baseCapacity, 0) +
           "\r\n+j" + DoGetTextPercentX(baseCapacity, 0);
}

void CEleSource::DoInitNewElement(const CEleInitArgs& args) {
    if (!DoInitCircuit(fw::LoadString(IDS_PREFIX_SOURCE), args))
        return;
    if (m_nVoltage < 1) {
        int32_t voltage = 0;
        if (fw::CDatabase* db = GetModelDatabases().pList) {
            CRSList_VoltHigh rs(db);
            rs.DoReadSetDefaultLV(nullptr, &voltage, 1);
        }
        m_nVoltage = voltage;
    }
    m_dXR = 25.0;
    m_nCapacity = 500;
}

void CEleSource::DoDrawSymbol(fw::CDC* pDC, int32_t mode) {
    // The source is marked on the skeleton only.
    DoDrawSymbolFrame(pDC, mode == 0 ? 0 : 1, [](fw::CDC* dc, fw::CPoint c) {
        fw::CBrush oldBrush = dc->SelectObject(fw::CBrush::Null());
        dc->Ellipse(c.x - 13, c.y - 32, c.x + 13, c.y - 5);
        dc->Arc(fw::CRect(c.x - 9, c.y - 22, c.x, c.y - 13), fw::CPoint(c.x, c.y - 17),
                fw::CPoint(c.x - 9, c.y - 17));
        dc->Arc(fw::CRect(c.x, c.y - 22, c.x + 9, c.y - 13), fw::CPoint(c.x, c.y - 17),
                fw::CPoint(c.x + 9, c.y - 17));
        dc->MoveTo(c.x, c.y + 40);
        dc->LineTo(c.x, c.y - 6);
        dc->SelectObject(oldBrush);
    });
}

fw::CRect CEleSource::DoLayoutRefV1List(fw::CDC* pDC, const CEleDocSettings& settings) {
    return DoLayoutLabelsV1(pDC, DoGetTextLabelV1(settings.nFrequency));
}

fw::CRect CEleSource::DoLayoutRefV4List(fw::CDC* pDC, const CEleDocSettings& settings) {
    return DoLayoutLabelsV4(pDC, DoGetTextLabelV4(settings.dBaseCapacity));
}

void CEleSource::DoDrawRefV1List(fw::CDC* pDC, const CEleDocSettings& settings) {
    DoDrawLabelsV1(pDC, DoGetTextLabelV1(settings.nFrequency));
}

void CEleSource::DoDrawRefV4List(fw::CDC* pDC, const CEleDocSettings& settings) {
    DoDrawLabelsV4(pDC, DoGetTextLabelV4(settings.dBaseCapacity));
}

int32_t CEleSource::DoEditElement(const CEleEditContext& ctx) {
    const fw::CRect oldArea = m_listRefV1.GetRect(0);
    CEleEditContext::Scope scope(ctx);
    CEleSourceEdit edit{*this, ctx.settings.nFrequency};
    if (!DialogSeam<CEleSourceEdit>::Edit(edit, [&ctx] {
            if (ctx.saveUndo)
                ctx.saveUndo();
        }))
        return kEditCancelled;
    CEleDocSettings settings = ctx.settings;
    if (edit.nFrequency != ctx.settings.nFrequency) {
        // Every element of the document takes the new frequency (the
        // conductors read their reactances again) and the document keeps it.
        if (ctx.setFrequency)
            ctx.setFrequency(edit.nFrequency);
        settings.nFrequency = edit.nFrequency;
    }
    *this = edit.source;
    const fw::CRect newArea = DoLayoutRefV1List(ctx.pDC, settings);
    if (ctx.invalidate) {
        ctx.invalidate(oldArea);
        ctx.invalidate(m_rectSymbol);
        ctx.invalidate(newArea);
    }
    return 1;
}

void CEleSource::Serialize(fw::CArchive& ar) {
    SerializeHead(ar);
    if (ar.IsStoring())
        ar << m_nVoltage << m_nCapacity << m_dXR;
    else
        ar >> m_nVoltage >> m_nCapacity >> m_dXR;
    SerializeRefLists(ar);
    SerializeTail(ar, kTailEarthing | kTailWireSystem | kTailErrorMark);
}
