#pragma once

#include "framework/DeviceContext.h"

#include <array>
#include <cstdint>
#include <string>

class CCandidate;
class CCurrent;
class CObjElement;
class CInfoSkeleton;

// Row types of a report.
constexpr int32_t kRowFrame = 0;  // page-frame placeholder
constexpr int32_t kRowTitle = 1;  // section title
constexpr int32_t kRowText = 2;   // one line of text
constexpr int32_t kRowHeader = 3; // column header
constexpr int32_t kRowData = 4;   // data row

// Text-drawing flags of a cell: one centred line, centred lines from the
// top with word wrap, left and top.
constexpr uint32_t kCellSingle = 37;
constexpr uint32_t kCellMulti = 17;
constexpr uint32_t kCellPlain = 0;

constexpr int kPrintCells = 20;
constexpr int kPresetWidthCount = 269;
// The height of one line of a report, 0.1 mm.
constexpr int32_t kReportLine = 35;

// Where each table's columns start in the preset widths.
namespace preset {
constexpr int kSource = 0;
constexpr int kHVCB = 8;
constexpr int kTrans3 = 21;
constexpr int kTrans1 = 34;
constexpr int kGenerator = 47;
constexpr int kMotorEff = 59;
constexpr int kZeroCond = 71;
constexpr int kBusDuct = 75;
constexpr int kBusBar = 88;
constexpr int kWire = 103;
constexpr int kLVCB = 118;
constexpr int kContactorThermal = 135;
constexpr int kMotor = 145;
constexpr int kLoad = 155;
constexpr int kCapacitor = 163;
constexpr int kCalcResults = 174;
constexpr int kAutoSelection = 187;
constexpr int kBackUp = 205;
constexpr int kDiscrimination = 220;
constexpr int kWireProtection = 237;
constexpr int kElectricShock = 252;
} // namespace preset

// One row of a report: a title, a line of text, a column header or a data
// row of up to 20 cells. Lengths are 0.1 mm. Rows are made by the list's
// DoAddNewRow and filled by one of the makers below; a header made for a
// new printed page is a temporary row.
class CPrintData {
public:
    CPrintData();

    // --- standard rows ----------------------------------------------------
    // The page-frame placeholder: no room on the screen, the frame's depth
    // on paper.
    void DoSetBlankLine();
    // A section title ("[Source]") of the element kind.
    void DoSetTitle(int32_t kind, const std::string& title);
    // The "No data" line of a section (indented when kind > 0).
    void DoSetNoData(int32_t kind);
    // The line a report shows when its mode gate refuses it.
    void DoSetGateLine();
    // A line of text of kind 0 at the indent, with the space below it.
    void DoSetTextLine(const std::string& text, int32_t space, int32_t indent);
    // "[Reference capacity and Frequency]" and the line below it.
    void DoSetReferenceTitle();
    void DoSetReferenceLine(const CInfoSkeleton& skeleton);

    // --- headers ----------------------------------------------------------
    // The column header that the report kind repeats above a data row of
    // the element kind on a new printed page; the table width, 0 when the
    // report has no header for that kind (the row is left as it was).
    int32_t DoMakeHeader(int32_t reportKind, int32_t elementKind);

    // Data of elements (also the force/voltage-drop report).
    int32_t DoMakeHeaderElementDataSource();
    int32_t DoMakeHeaderElementDataHVCB();
    int32_t DoMakeHeaderElementDataTrans3();
    int32_t DoMakeHeaderElementDataTrans1();
    int32_t DoMakeHeaderElementDataGenerator();
    int32_t DoMakeHeaderElementDataMotorEff();
    int32_t DoMakeHeaderElementDataZeroCond();
    int32_t DoMakeHeaderElementDataBusDuct();
    int32_t DoMakeHeaderElementDataBusBar();
    int32_t DoMakeHeaderElementDataWire();
    int32_t DoMakeHeaderElementDataLVCB();
    int32_t DoMakeHeaderElementDataContactorThermal();
    int32_t DoMakeHeaderElementDataMotor();
    int32_t DoMakeHeaderElementDataLoad();
    int32_t DoMakeHeaderElementDataCapacitor();
    // Calculation results.
    int32_t DoMakeHeaderCalcResults();
    // The protection reports.
    int32_t DoMakeHeaderAutoSelection();
    int32_t DoMakeHeaderBackUp();
    int32_t DoMakeHeaderDiscrimination();
    int32_t DoMakeHeaderWireProtection();
    int32_t DoMakeHeaderElectricShock();

    // --- data rows: data of elements ------------------------------------------
    // Each takes the element; the skeleton settings and the document mode
    // where the row shows values that depend on them.
    void DoMakeRowElementDataSource(const CInfoSkeleton& skeleton, const CObjElement& element);
    void DoMakeRowElementDataHVCB(int32_t mode, const CObjElement& element);
    void DoMakeRowElementDataTrans3(const CInfoSkeleton& skeleton, int32_t mode,
                                    const CObjElement& element);
    void DoMakeRowElementDataGenerator(const CInfoSkeleton& skeleton, const CObjElement& element);
    void DoMakeRowElementDataMotorEff(const CInfoSkeleton& skeleton, const CObjElement& element);
    void DoMakeRowElementDataZeroCond(int32_t mode, const CObjElement& element);
    void DoMakeRowElementDataBusDuct(const CInfoSkeleton& skeleton, int32_t mode,
                                     const CObjElement& element);
    void DoMakeRowElementDataBusBar(const CInfoSkeleton& skeleton, int32_t mode,
                                    const CObjElement& element);
    void DoMakeRowElementDataWire(const CInfoSkeleton& skeleton, int32_t mode,
                                  const CObjElement& element);
    void DoMakeRowElementDataLVCB(int32_t mode, const CObjElement& element);
    // One contactor + thermal relay row; either may be missing (its cells
    // then read "-").
    void DoMakeRowElementDataContactorThermal(int32_t mode, const CObjElement* contactor,
                                              const CObjElement* thermal);
    void DoMakeRowElementDataMotor(const CObjElement& element);
    void DoMakeRowElementDataLoad(const CObjElement& element);
    void DoMakeRowElementDataCapacitor(const CInfoSkeleton& skeleton, const CObjElement& element);

    // --- data rows: calculation results ---------------------------------------
    // The row of one element by its kind; false for a kind the table has no
    // row for (the row is left as it was).
    bool DoMakeRowCalcResults(const CInfoSkeleton& skeleton, const CObjElement& element);
    void DoMakeRowCalcResultsSource(const CInfoSkeleton& skeleton, const CObjElement& element);
    void DoMakeRowCalcResultsTrans3(const CInfoSkeleton& skeleton, const CObjElement& element);
    void DoMakeRowCalcResultsTrans1(const CInfoSkeleton& skeleton, const CObjElement& element);
    void DoMakeRowCalcResultsGenerator(const CInfoSkeleton& skeleton, const CObjElement& element);
    void DoMakeRowCalcResultsMotorEff(const CInfoSkeleton& skeleton, const CObjElement& element);
    void DoMakeRowCalcResultsZeroCond(const CInfoSkeleton& skeleton, const CObjElement& element);
    void DoMakeRowCalcResultsBusDuct(const CInfoSkeleton& skeleton, const CObjElement& element);
    void DoMakeRowCalcResultsBusBar(const CInfoSkeleton& skeleton, const CObjElement& element);
    void DoMakeRowCalcResultsWire(const CInfoSkeleton& skeleton, const CObjElement& element);
    void DoMakeRowCalcResultsContactor(const CInfoSkeleton& skeleton, const CObjElement& element);
    void DoMakeRowCalcResultsThermal(const CInfoSkeleton& skeleton, const CObjElement& element);
    void DoMakeRowCalcResultsLVCB(const CInfoSkeleton& skeleton, const CObjElement& element);
    void DoMakeRowCalcResultsHVCB(const CInfoSkeleton& skeleton, const CObjElement& element);

    // --- data rows: selection, back-up, discrimination, wire protection and shock
    // One row of the automatic selection: the breaker alone (candidate null),
    // or one of its candidates: the candidate of its selected type with the
    // breaker's data, any other with the candidate's own data only.
    void DoMakeRowAutoSelection(const CObjElement& breaker, const CCandidate* candidate);
    // The breaker of a back-up pair under its location label; the downstream
    // row names the upstream type the cascade was worked out against.
    void DoMakeRowBackUp(const CObjElement& breaker, const std::string& label, bool downstream);
    // The high-voltage breaker above a discriminated low-voltage breaker,
    // with that breaker's selection marker when given.
    void DoMakeRowDiscriminationHVCB(const CObjElement& hvcb, const std::string& label,
                                     const CCurrent* marker);
    // The low-voltage breaker below a high-voltage breaker.
    void DoMakeRowDiscriminationLVCBUnderHVCB(const CObjElement& breaker, const std::string& label);
    // A low-voltage breaker of a low-voltage pair: the upstream one is given
    // the downstream breaker's selection marker, the downstream one none.
    void DoMakeRowDiscriminationLVCB(const CObjElement& breaker, const std::string& label,
                                     const CCurrent* marker);
    // A checked wire with the breaker above it: one block per conductor group;
    // the check's values from the selection modes on.
    void DoMakeRowWireProtection(double frequency, const CObjElement& wire,
                                 const CObjElement& breaker, int32_t mode);
    void DoMakeRowElectricShock(const CObjElement& breaker);

    // --- drawing ---------------------------------------------------------------
    // Every cell of a header or data row with the row's top-left corner at
    // (x, y) (y the row's top; depths grow downward on the device).
    void DoDrawCells(fw::CDC* pDC, int x, int y) const;
    // One cell whose text holds line breaks, vertically centred by its line
    // count; a negative value, and nothing drawn, when the text has none.
    int DoDrawMultiLineCell(fw::CDC* pDC, int index, int x, int y) const;
    // The space left above and below a text of n lines in a cell of the
    // height: half of what the lines leave, truncated towards zero.
    static int32_t GetMultiLinePad(int32_t height, const std::string& text);

    // The table width: the sum of the cell widths in use.
    int32_t GetTotalWidth() const;

    int32_t m_nKind = 0;
    int32_t m_nType = 0;
    int32_t m_nHeight = 0;
    int32_t m_nSpace = 0;
    int32_t m_nIndent = 0;
    int32_t m_nCount = 0;
    std::array<int32_t, kPrintCells> m_nWidth{};
    std::array<std::string, kPrintCells> m_strText;
    std::array<uint32_t, kPrintCells> m_nFormat{};
    std::array<int32_t, kPresetWidthCount> m_nPresetWidth{};

    // Setting up a header or data row: the six leading fields, and for each
    // of count columns its width from the preset section.
    void DoSetRow(int32_t kind, int32_t type, int32_t height, int32_t indent, int32_t count,
                  int start);
    // A cell's text with the format it asks for: several lines 17, one 37.
    void SetCell(int index, const std::string& text);
    void SetCell(int index, const std::string& text, uint32_t format);
};

// Depth d below the top edge in the context's logical units: negative in
// mappings whose y axis points up.
int ReportDown(const fw::CDC* pDC, int depth);
