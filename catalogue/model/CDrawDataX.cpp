// One entry of the transposed result table, and the data column of a breaker.

#include "catalogue/model/CDrawDataX.h"

#include "catalogue/model/TableDrawing.h"
#include "catalogue/model/ZedezuziIds.h"

#include "breakerdata/model/CCandidate.h"
#include "breakerdata/model/CInfoBase.h"
#include "breakerdata/model/CReadBase.h"
#include "breakerdata/model/CReadCapacity.h"
#include "breakerdata/model/CReadPoles.h"
#include "breakerdata/recordsets/CRSBreak_Capacity.h"
#include "breakerdata/recordsets/CRSBreak_Group.h"
#include "breakerdata/recordsets/CRSBreak_Poles.h"
#include "breakerdata/recordsets/CRSBreak_Rated.h"
#include "breakerdata/recordsets/CRSBreak_Type.h"

#include "framework/StringTable.h"
#include "tools/Filvaron.h"

namespace {

using namespace table_drawing;

constexpr int kDataCells = 24;
// Breaker codes of the earth-leakage breakers.
constexpr int32_t kCodeEarthLeakage1 = 20;
constexpr int32_t kCodeEarthLeakage2 = 21;
// The voltages of the ten capacity cells, top to bottom.
constexpr int32_t kCapacityVoltages[10] = {690, 600, 525, 500, 440, 415, 400, 380, 240, 230};

std::string Number(double value) {
    return DLLGetTextByBeams(value, 0);
}

// Values joined by two blanks while each, and every one before it, is above 0.
template <class T> std::string JoinWhilePositive(const T* values, int count) {
    std::string text;
    for (int i = 0; i < count && values[i] > 0; ++i) {
        if (i > 0)
            text += "  ";
        text += Number(static_cast<double>(values[i]));
    }
    return text;
}

// The rated currents of the type by the kind of its rating.
std::string RatedText(fw::CDatabase* database, const CInfoBase& selection,
                      const CReadBase& reference) {
    const CReadDial& dial = reference.m_dialRated;
    switch (dial.m_nKind) {
    case 1:
        return "-";
    case 2: {
        std::string text;
        int i = 0;
        int count = dial.m_listValue.GetCount();
        for (const auto& value : dial.m_listValue) {
            text += Number(value->m_dValue);
            ++i;
            if (i < count)
                text += i % 4 == 0 ? "\r\n" : "  ";
        }
        return text;
    }
    case 3: {
        const CReadValue* first = dial.m_listValue.GetHead();
        const CReadValue* last = dial.m_listValue.GetTail();
        if (!first || !last)
            return std::string();
        return Number(first->m_dValue) + "-" + Number(last->m_dValue);
    }
    case 4:
        return CRSBreak_Rated(database).DoReadGetTextRange(selection.m_lOpeKindID, " ",
                                                           fw::LoadString(zzid::IDS_ADJUSTABLE));
    default:
        return std::string();
    }
}

} // namespace

std::string CDrawDataX::DoGetTextIcuIcs(const CReadCapacityList& capacities, int32_t voltage) {
    for (const auto& capacity : capacities) {
        if (capacity->m_lVoltage != voltage)
            continue;
        std::string text;
        if (capacity->m_lIcu > 0)
            text = Number(capacity->m_lIcu / 1000.0);
        if (capacity->m_lIcs > 0) {
            if (!text.empty())
                text += "/";
            text += Number(capacity->m_lIcs / 1000.0);
        }
        return text.empty() ? std::string("-") : text;
    }
    return "-";
}

void CDrawDataX::DoSetDataRow(fw::CDatabase* database, const CCandidate& candidate, int poles) {
    *this = CDrawDataX();
    m_nKind = kindData;
    m_nAdvance = 16 * kWidthUnit;
    m_nCellCount = kDataCells;

    CInfoBase selection;
    selection.m_lManufactureID = candidate.m_lManufactureID;
    selection.m_lGroupID = candidate.m_lGroupID;
    selection.m_nLVCBCode = candidate.m_nLVCBCode;
    selection.m_lTypeID = candidate.m_lTypeID;
    CReadBase reference;
    CReadPolesList poleList;
    CReadCapacityList capacities;
    {
        CInfoBase quiet;
        if (CRSBreak_Type(database).DoReadByTypeID(candidate.m_lTypeID, &quiet, &reference, 0) == 0)
            return;
    }
    if (selection.DoReadDefaultByTypeID(database, &reference, 0) <= 0 ||
        CRSBreak_Group(database).DoReadByManuGroupID(selection.m_lManufactureID,
                                                     selection.m_lGroupID, &selection) <= 0 ||
        CRSBreak_Poles(database).DoReadByTypeID(selection.m_lTypeID, &poleList) <= 0 ||
        CRSBreak_Capacity(database).DoReadByTypeID(selection.m_lTypeID, &capacities) <= 0)
        return;

    for (int i = 0; i < kDataCells; ++i) {
        m_nHeights[i] = kLineHeight;
        m_nWidths[i] = 16 * kWidthUnit;
        m_nFormats[i] = kFormatCentredLine;
    }
    m_nHeights[4] = 2 * kLineHeight;
    m_nFormats[4] = kFormatCentredWrapped;
    m_nHeights[7] = 2 * kLineHeight;

    const CReadPoles* match = nullptr;
    std::string poleCounts;
    for (const auto& entry : poleList) {
        if (!poleCounts.empty())
            poleCounts += "  ";
        poleCounts += Number(entry->m_nPoleCount);
        if (!match && entry->m_nPoleCount == poles)
            match = entry.get();
    }

    m_strTexts[0] = reference.m_strOldNew;
    m_strTexts[1] = selection.m_strGroupName;
    m_strTexts[2] = Number(reference.m_dMaxRatedValue);
    m_strTexts[3] = selection.m_strTypeName;
    m_strTexts[4] = RatedText(database, selection, reference);
    m_strTexts[5] = reference.m_strTemperature;
    m_strTexts[6] = poleCounts;
    if (match) {
        std::string volts = Number(match->m_nVoltAC[0]);
        for (int i = 1; i < 4 && match->m_nVoltAC[i] > 0; ++i)
            volts += " - " + Number(match->m_nVoltAC[i]);
        m_strTexts[7] = volts;
    }

    const bool earthLeakage =
        selection.m_nLVCBCode == kCodeEarthLeakage1 || selection.m_nLVCBCode == kCodeEarthLeakage2;
    if (earthLeakage) {
        if (match) {
            m_strTexts[8] = match->m_nHsCurrent[0] > 0 ? JoinWhilePositive(match->m_nHsCurrent, 5)
                                                       : std::string("-");
            m_strTexts[10] = match->m_nTdCurrent[0] > 0 ? JoinWhilePositive(match->m_nTdCurrent, 4)
                                                        : std::string("-");
            m_strTexts[11] = match->m_dTdTime[0] > 0.0 ? JoinWhilePositive(match->m_dTdTime, 4)
                                                       : std::string("-");
        }
        // Every entry of the pole count has its say; the last one wins.
        for (const auto& entry : poleList) {
            if (entry->m_nPoleCount == poles)
                m_strTexts[9] = entry->m_dHsTime > 0.0 ? Number(entry->m_dHsTime) : "-";
        }
        for (int i = 12; i <= 21; ++i)
            m_strTexts[i] = "-";
    } else {
        for (int i : {8, 9, 10, 11})
            m_strTexts[i] = "-";
        for (int i = 0; i < 10; ++i)
            m_strTexts[12 + i] = DoGetTextIcuIcs(capacities, kCapacityVoltages[i]);
    }
    m_strTexts[22] = reference.m_strCategory;
    m_strTexts[23] = reference.m_strTripDevice;
}
