#include "ProtectPoint.h"

#include "app/calc/Impedance.h"
#include "app/protection/CObjAdjust.h"
#include "app/records/ModelDatabases.h"
#include "framework/StringTable.h"
#include "listdata/CRSList_Earthing.h"
#include "tools/Filvaron.h"

uint32_t CProtectPoint::EarthingOrDefault(uint32_t code) {
    if (code != 0)
        return code;
    unsigned value = 0;
    if (fw::CDatabase* db = GetModelDatabases().pList) {
        CRSList_Earthing list(db);
        list.DoReadSetDefaultLE3(nullptr, &value);
    }
    return value;
}

namespace protecttexts {

std::string Voltage(int32_t volts, bool singlePhase, int unit) {
    std::string text = DLLGetTextByBeams(volts, 0);
    if (singlePhase)
        text += "-" + DLLGetTextByBeams(volts / 2, 0);
    if (unit == 1)
        text += fw::LoadString(IDS_UNIT_VOLT);
    return text;
}

namespace {

void SinglePhase(const CCalcPoint& point, int mode, int32_t volts, double* sym, double* asym,
                 double* peak) {
    if (mode == 1)
        point.DoCalcIkSinglePhaseLoop(volts / 2, sym, asym, peak);
    else if (mode == 2)
        point.DoCalcIkSinglePhase(volts, sym, asym, peak);
}

void TotalOf(const CCalcPoint& point, int mode, int32_t volts, double& r, double& x, int32_t& at) {
    CPercentZ z;
    point.GetPercentZ3Total(z);
    r = z.m_dR;
    x = z.m_dX;
    at = volts;
    if (mode == 1) {
        r -= z.m_dRHalf;
        x -= z.m_dXHalf;
        at = volts / 2;
    }
}

} // namespace

std::string Ik1Sym(const CCalcPoint& point, int mode, int32_t volts, int unit) {
    double sym = 0.0;
    SinglePhase(point, mode, volts, &sym, nullptr, nullptr);
    return BeamsEx(sym / 1000.0, 5, unit, IDS_UNIT_KILOAMPERE);
}

std::string Ik1Asym(const CCalcPoint& point, int mode, int32_t volts, int unit) {
    double sym = 0.0, asym = 0.0;
    SinglePhase(point, mode, volts, &sym, &asym, nullptr);
    return BeamsEx(asym / 1000.0, 4, unit, IDS_UNIT_KILOAMPERE);
}

std::string Ik1Peak(const CCalcPoint& point, int mode, int32_t volts, int unit) {
    double sym = 0.0, peak = 0.0;
    SinglePhase(point, mode, volts, &sym, nullptr, &peak);
    return BeamsEx(peak / 1000.0, 4, unit, IDS_UNIT_KILOAMPERE);
}

std::string TotalPercentR(const CCalcPoint& point, int mode, int unit) {
    double r, x;
    int32_t at;
    TotalOf(point, mode, 0, r, x, at);
    return BeamsEx(r, 4, unit, IDS_UNIT_PERCENT_REF);
}

std::string TotalPercentX(const CCalcPoint& point, int mode, int unit) {
    double r, x;
    int32_t at;
    TotalOf(point, mode, 0, r, x, at);
    return BeamsEx(x, 4, unit, IDS_UNIT_PERCENT_REF);
}

std::string TotalPercentZ(const CCalcPoint& point, int mode, int unit) {
    double r, x;
    int32_t at;
    TotalOf(point, mode, 0, r, x, at);
    return BeamsEx(DoCalcMagnitude(r, x), 4, unit, IDS_UNIT_PERCENT_REF);
}

std::string TotalResistance(const CCalcPoint& point, int mode, int32_t volts, double base,
                            int unit) {
    double r, x;
    int32_t at;
    TotalOf(point, mode, volts, r, x, at);
    return BeamsEx(DoCalcOhmsFromPercent(at, base, r), 4, unit, IDS_UNIT_MOHMS);
}

std::string TotalReactance(const CCalcPoint& point, int mode, int32_t volts, double base,
                           int unit) {
    double r, x;
    int32_t at;
    TotalOf(point, mode, volts, r, x, at);
    return BeamsEx(DoCalcOhmsFromPercent(at, base, x), 4, unit, IDS_UNIT_MOHMS);
}

std::string TotalImpedance(const CCalcPoint& point, int mode, int32_t volts, double base,
                           int unit) {
    double r, x;
    int32_t at;
    TotalOf(point, mode, volts, r, x, at);
    return BeamsEx(
        DoCalcMagnitude(DoCalcOhmsFromPercent(at, base, r), DoCalcOhmsFromPercent(at, base, x)), 4,
        unit, IDS_UNIT_MOHMS);
}

std::string TotalIk3Sym(const CCalcPoint& point, int32_t volts, int unit) {
    double sym = 0.0;
    point.DoCalcIk3Total(volts, &sym);
    return BeamsEx(sym / 1000.0, 5, unit, IDS_UNIT_KILOAMPERE);
}

std::string TotalIk3Asym(const CCalcPoint& point, int32_t volts, int unit) {
    double sym = 0.0, asym = 0.0;
    point.DoCalcIk3Total(volts, &sym, &asym);
    return BeamsEx(asym / 1000.0, 4, unit, IDS_UNIT_KILOAMPERE);
}

std::string TotalIk3Peak(const CCalcPoint& point, int32_t volts, int unit) {
    double sym = 0.0, peak = 0.0;
    point.DoCalcIk3Total(volts, &sym, nullptr, &peak);
    return BeamsEx(peak / 1000.0, 4, unit, IDS_UNIT_KILOAMPERE);
}

std::string ShortCircuitLines(const CCalcPoint& point, bool singlePhase, int32_t volts) {
    if (!singlePhase)
        return fw::LoadString(IDS_IK3) + "=" + TotalIk3Sym(point, volts, 1);
    return fw::LoadString(IDS_IK2) + "=" + Ik1Sym(point, 2, volts, 1) +
           "\r\n=" + Ik1Sym(point, 1, volts, 1);
}

namespace {

// The dial's fixed text followed by its unit; empty without a fixed text.
std::string FixedText(const CReadDial& dial) {
    return dial.m_strNotes.empty() ? std::string() : dial.m_strNotes + dial.m_strUnit;
}

} // namespace

std::string PartCurrentSetting(const CObjAdjust& adjust, int index) {
    const CInfoPart* part = adjust.m_listInfoPart.GetAt(index);
    const CReadPart* read = adjust.m_listReadPart.GetAt(index);
    if (!part || !read)
        return std::string();
    std::string text = read->DoGetTextCurrent(part->m_dCurrent, 1);
    if (text.empty())
        text = FixedText(read->m_dialCurrent);
    if (text.empty())
        text = part->m_strCharacterName;
    return text.empty() ? "-" : text;
}

std::string PartTimeSetting(const CObjAdjust& adjust, int index) {
    const CInfoPart* part = adjust.m_listInfoPart.GetAt(index);
    const CReadPart* read = adjust.m_listReadPart.GetAt(index);
    if (!part || !read)
        return std::string();
    std::string text = read->DoGetTextTime(part->m_dTime, 1);
    if (text.empty())
        text = FixedText(read->m_dialTime);
    return text.empty() ? "-" : text;
}

std::string RatedDialText(const CObjAdjust& adjust, int unit) {
    const CReadDial& dial = adjust.m_readBase.m_dialRated;
    const CInfoBase& selection = adjust.m_infoBase;
    const int index = dial.m_nKind == 2 ? dial.DoGetIndexByDialID(selection.m_lBreakRatedID)
                                        : dial.DoGetIndexByValue(selection.m_dRatedValue);
    const CReadValue* value = index >= 0 ? dial.DoGetValueByIndex(index) : nullptr;
    if (!value)
        return std::string();
    std::string text = value->m_strName;
    if (unit == 1 && !dial.m_strUnit.empty())
        text += "(" + dial.m_strUnit + ")";
    return text;
}

} // namespace protecttexts
