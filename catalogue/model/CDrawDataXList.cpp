// The builders of the transposed result table: the condition lines of each
// search, the header block and one data column per breaker found.

#include "catalogue/model/CDrawDataX.h"

#include "catalogue/model/TableDrawing.h"

#include "breakerdata/model/CCandidate.h"
#include "breakerdata/model/CInfoBase.h"

#include "tools/Filvaron.h"

namespace {

using namespace table_drawing;

const char* const kSearchConditions = "[Search conditions]";
const char* const kSearchResults = "[Search results]";

const char* const kModeCascadeUp = "Search upstream breakers that the combination with the "
                                   "downstream breaker is possible by Icu-back or more.";
const char* const kModeCascadeDown = "Search downstream breakers that the combination with the "
                                     "upstream breaker is possible by Icu-back or more.";
const char* const kModeCascadeIcuBack =
    "Search Icu-back by the combination of ths upstream breaker and the downstream breaker.";
const char* const kModeSelectiveUp = "Search upstream breakers  that the combination with the "
                                     "downstream breaker is possible by Is or more.";
const char* const kModeSelectiveDown = "Search downstream breakers that the combination with the "
                                       "upstream breaker is possible by Is or more.";
const char* const kModeSelectiveIs =
    "Search Is by the combination of the upstream breaker and the downstream breaker.";

struct HeaderCell {
    const char* text;
    int lines;
    int units;
    unsigned format;
};

const HeaderCell kMainHeader[] = {
    {"Situation of production", 1, 20, kFormatCentredLine},
    {"Kind", 1, 20, kFormatCentredLine},
    {"Frame(A)", 1, 20, kFormatCentredLine},
    {"Type", 1, 20, kFormatCentredLine},
    {"Rated current(A)", 2, 20, kFormatCentredLine},
    {"Ambient temperature(deg.)", 1, 20, kFormatCentredLine},
    {"Number of poles", 1, 20, kFormatCentredLine},
    {"Rated insulation voltage Ui(V)\r\nor\r\nRated operational voltage Ue(V)", 2, 20,
     kFormatCentredTop},
    {"High-\r\nspeed\r\ntype", 2, 4, kFormatCentredTop},
    {"Time-\r\ndelay\r\ntype", 2, 4, kFormatCentredTop},
    {"Rated\r\nbreaking\r\ncapacitys(kA)\r\n\r\nIEC60947-2\r\n(Icu/Ics)", 10, 15,
     kFormatCentredTop},
    {"Utilization category", 1, 20, kFormatCentredLine},
    {"Automatic triping device", 1, 20, kFormatCentredLine},
};

const char* const kEarthLeakageHeader[] = {
    "Rated current sensitivity(mA)", "Max. operating time(s)", "Rated current sensitivity(mA)",
    "Max. operating time(s)"};

const char* const kVoltageHeader[] = {"690V", "600V", "525V", "500V", "440V",
                                      "415V", "400V", "380V", "240V", "230V"};

std::string Number(double value) {
    return DLLGetTextByBeams(value, 0);
}

std::string OrUnknown(const std::string& text) {
    return text.empty() ? std::string("?") : text;
}

std::string BreakerText(const CInfoBase& breaker) {
    return breaker.m_strGroupName + " " + OrUnknown(breaker.m_strTypeName);
}

} // namespace

CDrawDataX* CDrawDataXList::DoAddNewRow() {
    return AddNew();
}

void CDrawDataXList::DoDeleteAllRows() {
    DeleteAll();
}

void CDrawDataXList::DoCopy(const CDrawDataXList& other) {
    CopyFrom(other);
}

void CDrawDataXList::DoAddTextLine(const std::string& text) {
    CDrawDataX* entry = DoAddNewRow();
    entry->m_nKind = CDrawDataX::kindTextLine;
    entry->m_nOffset = kLineHeight;
    entry->m_nCellCount = 1;
    entry->m_strTexts[0] = text;
}

void CDrawDataXList::DoAddTexts(std::initializer_list<std::string> texts) {
    CDrawDataX* entry = DoAddNewRow();
    entry->m_nKind = CDrawDataX::kindTexts;
    entry->m_nOffset = kLineHeight;
    for (const std::string& text : texts)
        entry->m_strTexts[entry->m_nCellCount++] = text;
}

void CDrawDataXList::DoAddHeaderColumns() {
    CDrawDataX* main = DoAddNewRow();
    main->m_nKind = CDrawDataX::kindHeader;
    main->m_nAdvance = 4 * kWidthUnit;
    for (const HeaderCell& cell : kMainHeader) {
        int i = main->m_nCellCount++;
        main->m_strTexts[i] = cell.text;
        main->m_nHeights[i] = cell.lines * kLineHeight;
        main->m_nWidths[i] = cell.units * kWidthUnit;
        main->m_nFormats[i] = static_cast<int32_t>(cell.format);
    }

    CDrawDataX* earth = DoAddNewRow();
    earth->m_nKind = CDrawDataX::kindHeader;
    earth->m_nAdvance = 11 * kWidthUnit;
    earth->m_nOffset = 10 * kLineHeight;
    for (const char* text : kEarthLeakageHeader) {
        int i = earth->m_nCellCount++;
        earth->m_strTexts[i] = text;
        earth->m_nHeights[i] = kLineHeight;
        earth->m_nWidths[i] = 16 * kWidthUnit;
        earth->m_nFormats[i] = kFormatCentredLine;
    }

    CDrawDataX* volts = DoAddNewRow();
    volts->m_nKind = CDrawDataX::kindHeader;
    volts->m_nAdvance = 5 * kWidthUnit;
    volts->m_nExtraStep = 1;
    volts->m_nOffset = 14 * kLineHeight;
    for (const char* text : kVoltageHeader) {
        int i = volts->m_nCellCount++;
        volts->m_strTexts[i] = text;
        volts->m_nHeights[i] = kLineHeight;
        volts->m_nWidths[i] = 5 * kWidthUnit;
        volts->m_nFormats[i] = kFormatCentredLine;
    }
}

void CDrawDataXList::DoAddDataColumns(fw::CDatabase* database, int poles,
                                      const CCandidateList& candidates) {
    for (const auto& candidate : candidates)
        DoAddNewRow()->DoSetDataRow(database, *candidate, poles);
}

void CDrawDataXList::DoMakeTableOptional(fw::CDatabase* database, const CInfoBase& selection,
                                         double capacity, int poles,
                                         const CCandidateList& candidates) {
    DoAddTextLine(kSearchConditions);
    DoAddTexts({"Voltage : " + selection.DoGetTextVoltage(1),
                "Rated current : " +
                    (selection.m_dRatedValue > 0 ? selection.DoGetTextRated(1) : std::string("?")),
                "Breaking capacity : " +
                    (capacity > 0 ? Number(capacity / 1000.0) + "kA" : std::string("?")),
                "Number of poles : " + Number(poles)});
    DoAddTexts({"Manufacturer : " + selection.m_strManufactureName,
                "Kind : " + OrUnknown(selection.m_strGroupName),
                "Type : " + OrUnknown(selection.m_strTypeName)});
    DoAddTextLine(kSearchResults);
    DoAddHeaderColumns();
    DoAddDataColumns(database, poles, candidates);
}

void CDrawDataXList::DoMakeTablePair(fw::CDatabase* database, const char* modeLine,
                                     const char* valueLabel, const CInfoBase& up,
                                     const CInfoBase& down, double value, int poles,
                                     const CCandidateList* candidates) {
    DoAddTextLine(kSearchConditions);
    DoAddTexts({modeLine});
    if (candidates)
        DoAddTexts({"Voltage : " + up.DoGetTextVoltage(1), "Number of poles : " + Number(poles),
                    std::string(valueLabel) + " " + Number(value / 1000.0) + "kA" + "above"});
    else
        DoAddTexts({"Voltage : " + up.DoGetTextVoltage(1), "Number of poles : " + Number(poles)});
    DoAddTexts({"Upstream breaker : " + BreakerText(up)});
    DoAddTexts({"Downstream breaker : " + BreakerText(down)});
    DoAddTextLine(kSearchResults);
    if (candidates) {
        DoAddHeaderColumns();
        DoAddDataColumns(database, poles, *candidates);
    } else {
        DoAddTexts({value > 0 ? std::string(valueLabel) + " " + Number(value / 1000.0) + "kA"
                              : std::string()});
    }
}

void CDrawDataXList::DoMakeTableCascadeUp(fw::CDatabase* database, const CInfoBase& up,
                                          const CInfoBase& down, double icuBack, int poles,
                                          const CCandidateList& candidates) {
    DoMakeTablePair(database, kModeCascadeUp, "Icu-back :", up, down, icuBack, poles, &candidates);
}

void CDrawDataXList::DoMakeTableCascadeDown(fw::CDatabase* database, const CInfoBase& up,
                                            const CInfoBase& down, double icuBack, int poles,
                                            const CCandidateList& candidates) {
    DoMakeTablePair(database, kModeCascadeDown, "Icu-back :", up, down, icuBack, poles,
                    &candidates);
}

void CDrawDataXList::DoMakeTableCascadeIcuBack(const CInfoBase& up, const CInfoBase& down,
                                               double icuBack, int poles) {
    DoMakeTablePair(nullptr, kModeCascadeIcuBack, "Icu-back :", up, down, icuBack, poles, nullptr);
}

void CDrawDataXList::DoMakeTableSelectiveUp(fw::CDatabase* database, const CInfoBase& up,
                                            const CInfoBase& down, double is, int poles,
                                            const CCandidateList& candidates) {
    DoMakeTablePair(database, kModeSelectiveUp, "Is :", up, down, is, poles, &candidates);
}

void CDrawDataXList::DoMakeTableSelectiveDown(fw::CDatabase* database, const CInfoBase& up,
                                              const CInfoBase& down, double is, int poles,
                                              const CCandidateList& candidates) {
    DoMakeTablePair(database, kModeSelectiveDown, "Is :", up, down, is, poles, &candidates);
}

void CDrawDataXList::DoMakeTableSelectiveIs(const CInfoBase& up, const CInfoBase& down, double is,
                                            int poles) {
    DoMakeTablePair(nullptr, kModeSelectiveIs, "Is :", up, down, is, poles, nullptr);
}

void CDrawDataXList::DoMakeTableEmpty() {
    DoAddTextLine(kSearchConditions);
    DoAddTextLine(kSearchResults);
}
