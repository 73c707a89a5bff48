#include "CEleGenerator.h"

#include "app/elements/supply/MachineTexts.h"
#include "app/records/CTVFont.h"
#include "app/records/ModelDatabases.h"
#include "equipdata/CRSEquip_Generator.h"
#include "framework/StringTable.h"
#include "listdata/CRSList_Earthing.h"
#include "listdata/CRSList_VoltLow.h"
#include "listdata/Quenlor.h"

#include <cmath>

using namespace machinetext;

namespace {

constexpr double kTwoPi = 6.28318530717958;
const double kSqrt2 = std::sqrt(2.0);
const double kSqrt3 = std::sqrt(3.0);

constexpr unsigned IDS_PREFIX = 25092; // "G"
constexpr int kSymbolFont = 6;

} // namespace

CEleGenerator::CEleGenerator() : CEleFrame(fw::CRect(0, 0, 39, 79)) {}

double CEleGenerator::GetRatedCurrent() const {
    if (!(m_nVoltage > 0))
        return 0.0;
    return Finite(m_dCapacity * 1000.0 / m_nVoltage / kSqrt3);
}

double CEleGenerator::GetStatorResistance(double f) const {
    if (f == 0.0 || m_dDcConstant == 0.0)
        return 0.0;
    return Finite(m_dSubReactance / (kTwoPi * f * m_dDcConstant));
}

double CEleGenerator::GetIkdSubtransient(double f) const {
    double ra = GetStatorResistance(f);
    if (ra == 0.0 && m_dSubReactance == 0.0)
        return 0.0;
    return Finite(GetRatedCurrent() * 100.0 /
                  std::sqrt(ra * ra + m_dSubReactance * m_dSubReactance));
}

double CEleGenerator::GetIkdTransient(double f) const {
    double ra = GetStatorResistance(f);
    if (ra == 0.0 && m_dTransientReactance == 0.0)
        return 0.0;
    return Finite(GetRatedCurrent() /
                  std::sqrt(ra * ra + m_dTransientReactance * m_dTransientReactance) * 100.0);
}

double CEleGenerator::GetIacNoLoad(double f) const {
    double transient = GetIkdTransient(f);
    if (f == 0.0 || m_dSubConstant == 0.0)
        return transient;
    // The AC component half a period after the fault.
    double decay = std::exp(-1.0 / (2.0 * f * m_dSubConstant));
    return Finite(transient + (GetIkdSubtransient(f) - transient) * decay);
}

double CEleGenerator::GetIacLoad(double f) const {
    return Finite(1.1 * GetIacNoLoad(f));
}

double CEleGenerator::GetIacPeak(double f) const {
    double ac = GetIacNoLoad(f);
    if (f == 0.0 || m_dDcConstant == 0.0)
        return Finite(kSqrt2 * ac);
    double decay = std::exp(-1.0 / (2.0 * f * m_dDcConstant));
    return Finite(kSqrt2 * GetIkdSubtransient(f) * decay + kSqrt2 * ac);
}

CPercentZ CEleGenerator::DoCalcPercentZ(double f, double baseCapacity) const {
    CPercentZ z;
    if (m_dCapacity == 0.0)
        return z;
    z.m_dR = Finite(baseCapacity / m_dCapacity * GetStatorResistance(f));
    z.m_dX = Finite(baseCapacity / m_dCapacity * m_dSubReactance);
    return z;
}

double CEleGenerator::DoCalcDecayCurrent(double f, double baseCapacity, double r, double x) const {
    if (m_nVoltage < 1 || !(f >= 1.0))
        return 0.0;
    // The external impedance on the generator's own capacity; with no
    // reference capacity there is no percent value to convert, and the
    // machine is taken alone.
    double rExt = 0.0;
    double xExt = 0.0;
    if (baseCapacity != 0.0) {
        double k = m_dCapacity / baseCapacity;
        rExt = r * k;
        xExt = x * k;
    }
    double rt = GetStatorResistance(f) + rExt;
    double xs = xExt + m_dSubReactance;
    double xt = m_dTransientReactance + xExt;
    double zs = std::sqrt(rt * rt + xs * xs);
    double zt = std::sqrt(rt * rt + xt * xt);
    double numerator = m_dCapacity * 1000.0 * 100.0;
    double denominator = kSqrt3 * m_nVoltage;
    double is = zs == 0.0 ? 0.0 : numerator / (denominator * zs);
    double it = zt == 0.0 ? 0.0 : numerator / (denominator * zt);
    double t = m_dSubConstant;
    if (xs > 0.0 && xt > 0.0)
        t = m_dSubConstant * (1.0 + xExt / xs) / (1.0 + xExt / xt);
    if (!(t > 0.0))
        return 0.0;
    return Finite(1.1 * (it + (is - it) * std::exp(-1.0 / (2.0 * f * t))));
}

void CEleGenerator::DoCalcPercentZ(CPercentZ& result, const CEleDocSettings& settings) const {
    result = DoCalcPercentZ(settings.nFrequency, settings.dBaseCapacity);
}

double CEleGenerator::DoCalcDecayCurrent(const CEleDocSettings& settings, double r,
                                         double x) const {
    return DoCalcDecayCurrent(settings.nFrequency, settings.dBaseCapacity, r, x);
}

double CEleGenerator::DoCalcPercentZFromCurrent(double f, double baseCapacity,
                                                double voltage) const {
    double current = DoCalcDecayCurrent(f, baseCapacity, 0.0, 0.0);
    if (!(current > 0.0) || !(voltage > 0.0))
        return 0.0;
    return Finite(baseCapacity * 1000.0 * 100.0 / (kSqrt3 * voltage * current));
}

namespace {

// The X/R of a term, 0 without resistance.
double RatioXR(const CPercentZ& z) {
    return z.m_dR > 0.0 ? Finite(z.m_dX / z.m_dR) : 0.0;
}

} // namespace

double CEleGenerator::GetEquivalentPercentZ(double f, double baseCapacity) const {
    return DoCalcPercentZFromCurrent(f, baseCapacity, m_nVoltage);
}

double CEleGenerator::GetEquivalentPercentR(double f, double baseCapacity) const {
    double r = RatioXR(DoCalcPercentZ(f, baseCapacity));
    return Finite(GetEquivalentPercentZ(f, baseCapacity) / std::sqrt(r * r + 1.0));
}

double CEleGenerator::GetEquivalentPercentX(double f, double baseCapacity) const {
    double r = RatioXR(DoCalcPercentZ(f, baseCapacity));
    return Finite(GetEquivalentPercentZ(f, baseCapacity) / std::sqrt(r * r + 1.0) * r);
}

double CEleGenerator::GetEquivalentPercentZRated(double f, double baseCapacity) const {
    if (baseCapacity == 0.0)
        return 0.0;
    return Finite(GetEquivalentPercentZ(f, baseCapacity) * m_dCapacity / baseCapacity);
}

void CEleGenerator::DoReadByCapacity(double capacity) {
    double reactance = 0.0;
    double subReactance = 0.0;
    double constant = 0.0;
    double subConstant = 0.0;
    if (capacity > 0.0) {
        fw::CDatabase* db = GetModelDatabases().pEquip;
        if (db) {
            CRSEquip_Generator rs(db);
            if (rs.DoReadByCapacityG(capacity, &reactance, &subReactance, &constant,
                                     &subConstant) == 0)
                reactance = subReactance = constant = subConstant = 0.0;
        }
    }
    m_dTransientReactance = reactance;
    m_dSubReactance = subReactance;
    m_dDcConstant = constant;
    m_dSubConstant = subConstant;
}

uint32_t CEleGenerator::DoCheckData() const {
    if (m_nVoltage < 1)
        return 1089;
    if (!(m_dCapacity > 0.0))
        return 1110;
    if (!(m_dTransientReactance > 0.0))
        return 1087;
    if (!(m_dSubReactance > 0.0))
        return 1118;
    if (!(m_dDcConstant > 0.0))
        return 1187;
    if (!(m_dSubConstant > 0.0))
        return 1126;
    return 0;
}

void CEleGenerator::DoInitNewElement(const CEleInitArgs& args) {
    if (!DoInitCircuit(fw::LoadString(IDS_PREFIX), args))
        return;
    fw::CDatabase* list = GetModelDatabases().pList;
    if (m_nVoltage < 1) {
        int32_t voltage = 0;
        if (list) {
            CRSList_VoltLow volts(list);
            volts.DoReadSetDefaultLV(nullptr, &voltage);
        }
        m_nVoltage = voltage;
    }
    double capacity = 0.0;
    if (fw::CDatabase* equip = GetModelDatabases().pEquip) {
        CRSEquip_Generator generators(equip);
        generators.DoReadSetDefaultG(nullptr, &capacity, nullptr, nullptr, nullptr, nullptr);
    }
    m_dCapacity = capacity;
    DoReadByCapacity(m_dCapacity);
    m_nCalcPoint = 0;
}

void CEleGenerator::Serialize(fw::CArchive& ar) {
    SerializeHead(ar);
    if (ar.IsStoring()) {
        ar << m_nVoltage << m_nEarthing;
        ar << m_dCapacity << m_dTransientReactance << m_dSubReactance << m_dDcConstant
           << m_dSubConstant;
        ar << m_nCalcPoint;
    } else {
        ar >> m_nVoltage >> m_nEarthing;
        ar >> m_dCapacity >> m_dTransientReactance >> m_dSubReactance >> m_dDcConstant >>
            m_dSubConstant;
        ar >> m_nCalcPoint;
    }
    m_calcPoint.Serialize(ar);
    SerializeRefLists(ar);
    // The earthing code lies in the body in every version; only the wire
    // system and the error mark came later.
    SerializeTail(ar, kTailWireSystem | kTailErrorMark);
}

void CEleGenerator::DoDrawSymbol(fw::CDC* pDC, int32_t mode) {
    DoDrawSymbolFrame(pDC, mode, [this](fw::CDC* dc, fw::CPoint c) {
        fw::CBrush oldBrush = dc->SelectObject(fw::CBrush::Null());
        dc->Ellipse(c.x - 13, c.y - 32, c.x + 13, c.y - 5);
        dc->MoveTo(c.x, c.y + 40);
        dc->LineTo(c.x, c.y - 6);
        dc->SelectObject(oldBrush);
        if (m_nCalcPoint == 1)
            CCalcPoint::DoDrawArrow(dc, c.x, c.y + 19);
    });
    if (!pDC)
        return;
    const int cx = (m_rectSymbol.left + m_rectSymbol.right) / 2;
    const int cy = (m_rectSymbol.top + m_rectSymbol.bottom) / 2;
    CTVFont font(pDC, kSymbolFont, 0);
    font.DoDrawTextRect(fw::LoadString(IDS_PREFIX), cx - 13, cy - 32, cx + 13, cy - 5, m_crPen);
}

std::string CEleGenerator::DoGetTextLabelV1(const CEleDocSettings& settings) const {
    const double f = settings.nFrequency;
    const double base = settings.dBaseCapacity;
    std::string text =
        DoGetTextVoltage(1) + "," + Beams(settings.nFrequency) + fw::LoadString(IDS_HERTZ);
    text += "\r\n" + DLLGetTextEarthCode(m_nEarthing);
    text += "\r\n" + DoGetTextCapacity(1) + "," + DoGetTextRatedCurrent(1);
    text += "\r\n" + DoGetTextPercentZRated(f, base, 1);
    if (m_nCalcPoint == 1 && settings.nMode >= 3) {
        text += "\r\n" + fw::LoadString(IDS_IK3) + fw::LoadString(IDS_DIRECT) + "=" +
                DoGetTextDirectIk3Sym(1);
    }
    return text;
}

fw::CRect CEleGenerator::DoLayoutRefV1List(fw::CDC* pDC, const CEleDocSettings& settings) {
    return DoLayoutLabelsV1(pDC, DoGetTextLabelV1(settings));
}

fw::CRect CEleGenerator::DoLayoutRefV4List(fw::CDC* pDC, const CEleDocSettings& settings) {
    return DoLayoutLabelsV4(pDC, DoGetTextLabelV4(settings));
}

void CEleGenerator::DoDrawRefV1List(fw::CDC* pDC, const CEleDocSettings& settings) {
    DoDrawLabelsV1(pDC, DoGetTextLabelV1(settings));
}

void CEleGenerator::DoDrawRefV4List(fw::CDC* pDC, const CEleDocSettings& settings) {
    DoDrawLabelsV4(pDC, DoGetTextLabelV4(settings));
}

// --- report texts ---------------------------------------------------------

std::string CEleGenerator::DoGetTextVoltage(int unit) const {
    return Beams(m_nVoltage) + Unit(IDS_VOLT, unit);
}

std::string CEleGenerator::DoGetTextCapacity(int unit) const {
    return Beams(m_dCapacity) + Unit(IDS_KVA, unit);
}

std::string CEleGenerator::DoGetTextEarthing() const {
    fw::CDatabase* db = GetModelDatabases().pList;
    if (!db)
        return std::string();
    CRSList_Earthing earthing(db);
    return earthing.DoReadByEarthCode(m_nEarthing);
}

std::string CEleGenerator::DoGetTextRatedCurrent(int unit) const {
    return BeamsEx(GetRatedCurrent(), 4) + Unit(IDS_AMPERE, unit);
}

std::string CEleGenerator::DoGetTextTransientReactance(int unit) const {
    return BeamsEx(m_dTransientReactance, 4) + Unit(IDS_PERCENT_E, unit);
}

std::string CEleGenerator::DoGetTextSubtransientReactance(int unit) const {
    return BeamsEx(m_dSubReactance, 4) + Unit(IDS_PERCENT_E, unit);
}

std::string CEleGenerator::DoGetTextDcTimeConstant(int unit) const {
    return BeamsEx(m_dDcConstant, 4) + Unit(IDS_SECOND, unit);
}

std::string CEleGenerator::DoGetTextSubtransientTimeConstant(int unit) const {
    return BeamsEx(m_dSubConstant, 4) + Unit(IDS_SECOND, unit);
}

std::string CEleGenerator::DoGetTextStatorResistance(double f, int unit) const {
    return BeamsEx(GetStatorResistance(f), 4) + Unit(IDS_PERCENT_E, unit);
}

std::string CEleGenerator::DoGetTextIkdSubtransient(double f) const {
    return BeamsEx(GetIkdSubtransient(f) / 1000.0, 4);
}

std::string CEleGenerator::DoGetTextIkdTransient(double f) const {
    return BeamsEx(GetIkdTransient(f) / 1000.0, 4);
}

std::string CEleGenerator::DoGetTextIacNoLoad(double f) const {
    return BeamsEx(GetIacNoLoad(f) / 1000.0, 4);
}

std::string CEleGenerator::DoGetTextIacLoad(double f, int unit) const {
    return BeamsEx(GetIacLoad(f) / 1000.0, 4) + Unit(IDS_KILOAMPERE, unit);
}

std::string CEleGenerator::DoGetTextIacPeak(double f, int unit) const {
    return BeamsEx(GetIacPeak(f) / 1000.0, 4) + Unit(IDS_KILOAMPERE, unit);
}

TV_MACHINE_IMPEDANCE_TEXTS(CEleGenerator, m_zSource, source)

int32_t CEleGenerator::DoEditElement(const CEleEditContext& ctx) {
    const fw::CRect oldArea = m_listRefV1.GetRect(0);
    const uint32_t oldCalcPoint = m_nCalcPoint;
    CEleEditContext::Scope scope(ctx);
    CGeneratorEdit edit{*this, ctx.settings.nFrequency};
    bool ok = DialogSeam<CGeneratorEdit>::Edit(edit, [&ctx] {
        if (ctx.saveUndo)
            ctx.saveUndo();
    });
    if (!ok)
        return kEditCancelled;
    CEleDocSettings settings = ctx.settings;
    if (edit.nFrequency != ctx.settings.nFrequency) {
        // Every element takes the new frequency (the conductors re-read
        // their reactances) before this one takes its new data.
        if (ctx.setFrequency)
            ctx.setFrequency(edit.nFrequency);
        settings.nFrequency = edit.nFrequency;
    }
    *this = edit.generator;
    if (ctx.invalidate) {
        ctx.invalidate(oldArea);
        ctx.invalidate(m_rectSymbol);
    }
    if (settings.nMode >= 3 && oldCalcPoint != 1 && m_nCalcPoint == 1) {
        // A new calculation point has no result yet: back to the check.
        if (ctx.returnToCheckMode)
            ctx.returnToCheckMode();
        settings.nMode = 2;
    }
    const fw::CRect newArea = DoLayoutRefV1List(ctx.pDC, settings);
    if (ctx.invalidate)
        ctx.invalidate(newArea);
    return 1;
}
