#include "app/reports/CPrintData.h"

#include "app/records/DocSettings.h"
#include "app/records/ElementKinds.h"
#include "app/reports/ReportTables.h"
#include "framework/DrawText.h"
#include "framework/StringTable.h"
#include "tools/Filvaron.h"

#include <algorithm>
#include <cstring>

namespace {

// Fills a header row from its table: titles with a line break are drawn
// centred from the top, one-line titles centred in the cell.
int32_t MakeHeader(CPrintData& row, const reporttable::CHeaderSpec& header) {
    row.DoSetRow(header.kind, kRowHeader, header.height, header.indent, header.count, header.start);
    for (int i = 0; i < header.count; ++i)
        row.SetCell(i, header.titles[i]);
    return row.GetTotalWidth();
}

int CountBreaks(const std::string& text) {
    int breaks = 0;
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2))
        ++breaks;
    return breaks;
}

} // namespace

int ReportDown(const fw::CDC* pDC, int depth) {
    return pDC->ScaleY() < 0 ? -depth : depth;
}

CPrintData::CPrintData() {
    std::copy(std::begin(reporttable::kPresetWidth), std::end(reporttable::kPresetWidth),
              m_nPresetWidth.begin());
}

void CPrintData::DoSetRow(int32_t kind, int32_t type, int32_t height, int32_t indent, int32_t count,
                          int start) {
    m_nKind = kind;
    m_nType = type;
    m_nHeight = height;
    m_nSpace = 0;
    m_nIndent = indent;
    m_nCount = std::clamp(count, 0, kPrintCells);
    for (int i = 0; i < kPrintCells; ++i) {
        const int at = start + i;
        m_nWidth[i] = i < m_nCount && at >= 0 && at < kPresetWidthCount ? m_nPresetWidth[at] : 0;
        m_strText[i].clear();
        m_nFormat[i] = kCellSingle;
    }
}

void CPrintData::SetCell(int index, const std::string& text) {
    SetCell(index, text, text.find("\r\n") != std::string::npos ? kCellMulti : kCellSingle);
}

void CPrintData::SetCell(int index, const std::string& text, uint32_t format) {
    if (index < 0 || index >= kPrintCells)
        return;
    m_strText[index] = text;
    m_nFormat[index] = format;
}

int32_t CPrintData::GetTotalWidth() const {
    int32_t total = 0;
    for (int i = 0; i < m_nCount; ++i)
        total += m_nWidth[i];
    return total;
}

// --- standard rows ----------------------------------------------------------

void CPrintData::DoSetBlankLine() {
    m_nKind = 0;
    m_nType = kRowFrame;
    m_nHeight = kReportLine;
    m_nSpace = 0;
    m_nIndent = 0;
    m_nCount = 1;
    m_nWidth[0] = 182;
    m_strText[0].clear();
    m_nFormat[0] = kCellPlain;
}

void CPrintData::DoSetTitle(int32_t kind, const std::string& title) {
    m_nKind = kind;
    m_nType = kRowTitle;
    m_nHeight = kReportLine;
    m_nSpace = 10;
    m_nIndent = 0;
    m_nCount = 1;
    m_nWidth[0] = 0;
    m_strText[0] = title;
    m_nFormat[0] = kCellPlain;
}

void CPrintData::DoSetTextLine(const std::string& text, int32_t space, int32_t indent) {
    m_nKind = 0;
    m_nType = kRowText;
    m_nHeight = kReportLine;
    m_nSpace = space;
    m_nIndent = indent;
    m_nCount = 1;
    m_nWidth[0] = 182;
    m_strText[0] = text;
    m_nFormat[0] = kCellPlain;
}

void CPrintData::DoSetNoData(int32_t kind) {
    DoSetTextLine(DLLGetTextByBeams(-1.0, 1), 10, kind > 0 ? 26 : 0);
    m_nKind = kind;
}

void CPrintData::DoSetGateLine() {
    DoSetTextLine(DLLGetTextByBeams(-1.0, 1), 0, 0);
}

void CPrintData::DoSetReferenceTitle() {
    DoSetTextLine("[Reference capacity and Frequency]", 10, 0);
    m_nType = kRowTitle;
}

void CPrintData::DoSetReferenceLine(const CInfoSkeleton& skeleton) {
    const std::string capacity = DLLGetTextByBeams(skeleton.m_dCapacity, 0) + fw::LoadString(26374);
    DoSetTextLine("Reference capacity : " + capacity +
                      ",   Frequency : " + skeleton.DoGetTextFrequency(1),
                  20, 26);
}

// --- headers ----------------------------------------------------------------

int32_t CPrintData::DoMakeHeaderElementDataSource() {
    return MakeHeader(*this, reporttable::kSource);
}
int32_t CPrintData::DoMakeHeaderElementDataHVCB() {
    return MakeHeader(*this, reporttable::kHVCB);
}
int32_t CPrintData::DoMakeHeaderElementDataTrans3() {
    return MakeHeader(*this, reporttable::kTrans3);
}
int32_t CPrintData::DoMakeHeaderElementDataTrans1() {
    return MakeHeader(*this, reporttable::kTrans1);
}
int32_t CPrintData::DoMakeHeaderElementDataGenerator() {
    return MakeHeader(*this, reporttable::kGenerator);
}
int32_t CPrintData::DoMakeHeaderElementDataMotorEff() {
    return MakeHeader(*this, reporttable::kMotorEff);
}
int32_t CPrintData::DoMakeHeaderElementDataZeroCond() {
    return MakeHeader(*this, reporttable::kZeroCond);
}
int32_t CPrintData::DoMakeHeaderElementDataBusDuct() {
    return MakeHeader(*this, reporttable::kBusDuct);
}
int32_t CPrintData::DoMakeHeaderElementDataBusBar() {
    return MakeHeader(*this, reporttable::kBusBar);
}
int32_t CPrintData::DoMakeHeaderElementDataWire() {
    return MakeHeader(*this, reporttable::kWire);
}
int32_t CPrintData::DoMakeHeaderElementDataLVCB() {
    return MakeHeader(*this, reporttable::kLVCB);
}
int32_t CPrintData::DoMakeHeaderElementDataContactorThermal() {
    return MakeHeader(*this, reporttable::kContactorThermal);
}
int32_t CPrintData::DoMakeHeaderElementDataMotor() {
    return MakeHeader(*this, reporttable::kMotor);
}
int32_t CPrintData::DoMakeHeaderElementDataLoad() {
    return MakeHeader(*this, reporttable::kLoad);
}
int32_t CPrintData::DoMakeHeaderElementDataCapacitor() {
    return MakeHeader(*this, reporttable::kCapacitor);
}
int32_t CPrintData::DoMakeHeaderCalcResults() {
    return MakeHeader(*this, reporttable::kCalcResults);
}

int32_t CPrintData::DoMakeHeaderAutoSelection() {
    return MakeHeader(*this, reporttable::kAutoSelection);
}
int32_t CPrintData::DoMakeHeaderBackUp() {
    return MakeHeader(*this, reporttable::kBackUp);
}
int32_t CPrintData::DoMakeHeaderDiscrimination() {
    return MakeHeader(*this, reporttable::kDiscrimination);
}
int32_t CPrintData::DoMakeHeaderWireProtection() {
    return MakeHeader(*this, reporttable::kWireProtection);
}
int32_t CPrintData::DoMakeHeaderElectricShock() {
    return MakeHeader(*this, reporttable::kElectricShock);
}

int32_t CPrintData::DoMakeHeader(int32_t reportKind, int32_t elementKind) {
    const bool conductor =
        elementKind == kKindBusBar || elementKind == kKindWire || elementKind == kKindBusDuct;
    if (reportKind == 0 || (reportKind == 5 && conductor)) {
        switch (elementKind) {
        case kKindHVCB:
            return DoMakeHeaderElementDataHVCB();
        case kKindLVCB:
            return DoMakeHeaderElementDataLVCB();
        case kKindSource:
            return DoMakeHeaderElementDataSource();
        case kKindTrans3:
            return DoMakeHeaderElementDataTrans3();
        case kKindGenerator:
            return DoMakeHeaderElementDataGenerator();
        case kKindMotorEff:
            return DoMakeHeaderElementDataMotorEff();
        case kKindZeroCond:
            return DoMakeHeaderElementDataZeroCond();
        case kKindBusBar:
            return DoMakeHeaderElementDataBusBar();
        case kKindWire:
            return DoMakeHeaderElementDataWire();
        case kKindContactor:
            return DoMakeHeaderElementDataContactorThermal();
        case kKindMotor:
            return DoMakeHeaderElementDataMotor();
        case kKindLoad:
            return DoMakeHeaderElementDataLoad();
        case kKindCapacitor:
            return DoMakeHeaderElementDataCapacitor();
        case kKindBusDuct:
            return DoMakeHeaderElementDataBusDuct();
        case kKindTrans1:
            return DoMakeHeaderElementDataTrans1();
        default:
            return 0;
        }
    }
    switch (reportKind) {
    case 1:
        return DoMakeHeaderCalcResults();
    case 2:
        return DoMakeHeaderAutoSelection();
    case 3:
        return DoMakeHeaderBackUp();
    case 4:
        return DoMakeHeaderDiscrimination();
    case 6:
        return DoMakeHeaderWireProtection();
    case 7:
        return DoMakeHeaderElectricShock();
    default:
        return 0;
    }
}

// --- drawing ----------------------------------------------------------------

int32_t CPrintData::GetMultiLinePad(int32_t height, const std::string& text) {
    const int lines = CountBreaks(text) + 1;
    return (height - lines * kReportLine) / 2;
}

int CPrintData::DoDrawMultiLineCell(fw::CDC* pDC, int index, int x, int y) const {
    if (index < 0 || index >= kPrintCells)
        return -1;
    const std::string& text = m_strText[index];
    const int breaks = CountBreaks(text);
    if (breaks == 0)
        return -1;
    const int32_t pad = GetMultiLinePad(m_nHeight, text);
    const fw::CRect rect(x, y + ReportDown(pDC, pad), x + m_nWidth[index],
                         y + ReportDown(pDC, m_nHeight - pad));
    fw::DrawText(pDC, text, rect, m_nFormat[index]);
    return breaks + 1;
}

void CPrintData::DoDrawCells(fw::CDC* pDC, int x, int y) const {
    const int bottom = y + ReportDown(pDC, m_nHeight);
    int left = x;
    for (int i = 0; i < m_nCount; ++i) {
        const int right = left + m_nWidth[i];
        pDC->MoveTo(left, y);
        pDC->LineTo(right, y);
        pDC->LineTo(right, bottom);
        pDC->LineTo(left, bottom);
        pDC->LineTo(left, y);
        if (DoDrawMultiLineCell(pDC, i, left, y) < 0) {
            const uint32_t format = m_nType == kRowHeader ? kCellSingle : m_nFormat[i];
            fw::DrawText(pDC, m_strText[i], fw::CRect(left, y, right, bottom), format);
        }
        left = right;
    }
}
