// The frame every element model builds on: the head record and its version
// tail against records written by hand, selection, hit test, the marked
// fill, labels, the set-up of a new element and the edit flow through the
// dialog seam.

#include "tests/app/elements/frame/FrameTestModel.h"
#include "tests/common/HexFixture.h"

#include "app/records/ModelDatabases.h"
#include "framework/Archive.h"
#include "framework/DeviceContext.h"
#include "listdata/Quenlor.h"

#include <gtest/gtest.h>

#include <ostream>

#include <string>
#include <vector>

namespace {

const std::string kDir = "app/elements/frame/fixtures/";

std::vector<uint8_t> Store(CEleFrameTestModel& model) {
    fw::CArchive ar = fw::CArchive::ForStoring();
    model.Serialize(ar);
    return ar.Bytes();
}

// The model every fixture holds.
CEleFrameTestModel FixtureModel() {
    CEleFrameTestModel model;
    model.m_rectSymbol = fw::CRect(1, 41, 40, 80);
    model.m_nPenWidth = 2;
    model.m_nPenStyle = 1;
    model.m_crFill = 0x00FF00FF;
    model.m_crPen = 0x00000080;
    model.m_strName = "M7";
    model.m_nNumber = 7;
    model.m_nSelected = 1;
    model.m_nDefaultsSet = 1;
    model.m_nVoltage = 400;
    model.m_listRefV1.DoAddNew();
    model.m_listRefV4.DoAddNew();
    model.m_nEarthing = 3;
    model.m_nWireSystem = 2;
    model.m_nErrorMark = 1;
    model.m_nSinglePhase = 1;
    return model;
}

TEST(FrameRecord, StoringWritesTheCurrentLayout) {
    CEleFrameTestModel model = FixtureModel();
    EXPECT_EQ(Store(model), tvtest::ReadHexFixture(kDir + "Model_v120.hex"));
    model.m_bPenFirst = true;
    EXPECT_EQ(Store(model), tvtest::ReadHexFixture(kDir + "ModelPenFirst_v120.hex"));
}

// A file of each version: the tail items it does not hold take their
// defaults (earthing 4, wire system 1, error mark 0, single phase 0), also
// over values the model held before the load.
struct VersionCase {
    const char* file;
    double version;
    uint32_t earthing, wireSystem, errorMark, singlePhase;
};

void PrintTo(const VersionCase& c, std::ostream* os) {
    *os << c.file;
}

class FrameRecordVersions : public ::testing::TestWithParam<VersionCase> {};

TEST_P(FrameRecordVersions, GatedTailTakesDefaultsBeforeItsVersion) {
    const VersionCase& c = GetParam();
    fw::CArchive ar = fw::CArchive::ForLoading(tvtest::ReadHexFixture(kDir + c.file));
    ar.SetReadVersion(c.version);
    CEleFrameTestModel model;
    model.m_nEarthing = 9;
    model.m_nWireSystem = 9;
    model.m_nErrorMark = 9;
    model.m_nSinglePhase = 9;
    model.Serialize(ar);
    EXPECT_EQ(ar.Remaining(), 0u);

    EXPECT_EQ(model.m_rectSymbol, fw::CRect(1, 41, 40, 80));
    EXPECT_EQ(model.m_nPenWidth, 2u);
    EXPECT_EQ(model.m_nPenStyle, 1u);
    EXPECT_EQ(model.m_crFill, 0x00FF00FFu);
    EXPECT_EQ(model.m_crPen, 0x00000080u);
    EXPECT_EQ(model.m_strName, "M7");
    EXPECT_EQ(model.m_nNumber, 7u);
    EXPECT_EQ(model.m_nSelected, 1u);
    EXPECT_EQ(model.m_nDefaultsSet, 1u);
    EXPECT_EQ(model.m_nVoltage, 400);
    ASSERT_EQ(model.m_listRefV1.GetCount(), 1);
    ASSERT_EQ(model.m_listRefV4.GetCount(), 1);
    EXPECT_EQ(model.m_nEarthing, c.earthing);
    EXPECT_EQ(model.m_nWireSystem, c.wireSystem);
    EXPECT_EQ(model.m_nErrorMark, c.errorMark);
    EXPECT_EQ(model.m_nSinglePhase, c.singlePhase);

    // Saved again it is the current layout with the values it now holds.
    CEleFrameTestModel expected = FixtureModel();
    expected.m_nEarthing = c.earthing;
    expected.m_nWireSystem = c.wireSystem;
    expected.m_nErrorMark = c.errorMark;
    expected.m_nSinglePhase = c.singlePhase;
    EXPECT_EQ(Store(model), Store(expected));
}

INSTANTIATE_TEST_SUITE_P(Files, FrameRecordVersions,
                         ::testing::Values(VersionCase{"Model_v102.hex", 1.02, 4, 1, 0, 0},
                                           VersionCase{"Model_v110.hex", 1.10, 3, 2, 0, 0},
                                           VersionCase{"Model_v115.hex", 1.15, 3, 2, 1, 0},
                                           VersionCase{"Model_v120.hex", 1.2, 3, 2, 1, 1}),
                         [](const auto& info) {
                             std::string name = info.param.file;
                             return name.substr(0, name.find('.'));
                         });

TEST(FrameRecord, PenFirstHeadLoadsItsColoursTheRightWayRound) {
    fw::CArchive ar =
        fw::CArchive::ForLoading(tvtest::ReadHexFixture(kDir + "ModelPenFirst_v120.hex"));
    CEleFrameTestModel model;
    model.m_bPenFirst = true;
    model.Serialize(ar);
    EXPECT_EQ(ar.Remaining(), 0u);
    EXPECT_EQ(model.m_crPen, 0x00000080u);
    EXPECT_EQ(model.m_crFill, 0x00FF00FFu);
    EXPECT_EQ(model.m_rectSymbol, fw::CRect(1, 41, 40, 80));
}

TEST(FrameRecord, ShortRectangleRaisesEndOfFileAndLeavesTheRectangle) {
    std::vector<uint8_t> bytes = tvtest::ReadHexFixture(kDir + "Model_v120.hex");
    bytes.resize(10);
    fw::CArchive ar = fw::CArchive::ForLoading(bytes);
    CEleFrameTestModel model;
    try {
        model.Serialize(ar);
        FAIL() << "a 10-byte record loaded";
    } catch (const fw::CArchiveException& e) {
        EXPECT_EQ(e.m_cause, fw::CArchiveException::endOfFile);
    }
    EXPECT_EQ(model.m_rectSymbol, fw::CRect(0, 0, 39, 39));
}

TEST(FrameRecord, EveryCutOfTheRecordIsRefusedWithoutACrash) {
    const std::vector<uint8_t> bytes = tvtest::ReadHexFixture(kDir + "Model_v120.hex");
    for (size_t size = 0; size < bytes.size(); ++size) {
        fw::CArchive ar =
            fw::CArchive::ForLoading(std::vector<uint8_t>(bytes.begin(), bytes.begin() + size));
        CEleFrameTestModel model;
        EXPECT_THROW(model.Serialize(ar), fw::CArchiveException) << size << " bytes";
    }
}

TEST(FrameRecord, OwnGatedValueIsReadOnlyFromItsVersion) {
    fw::CArchive ar = fw::CArchive::ForLoading({0x2A, 0, 0, 0});
    ar.SetReadVersion(1.10);
    int32_t value = 5;
    CEleFrameTestModel::SerializeFrom<int32_t>(ar, 1.15, value, -1);
    EXPECT_EQ(value, -1);
    EXPECT_EQ(ar.Remaining(), 4u);
    ar.SetReadVersion(1.15);
    CEleFrameTestModel::SerializeFrom<int32_t>(ar, 1.15, value, -1);
    EXPECT_EQ(value, 42);
}

TEST(FrameCopy, CopyIsIndependentAndKeepsThePlacements) {
    CEleFrameTestModel source = FixtureModel();
    source.m_listRefV1.GetAtIndex(0)->m_nSelected = 1;
    CEleFrameTestModel copy = source;
    copy.m_strName = "M8";
    copy.m_listRefV1.GetAtIndex(0)->m_nSelected = 0;
    copy.m_listRefV1.DoAddNew();
    EXPECT_EQ(source.m_strName, "M7");
    EXPECT_EQ(source.m_listRefV1.GetCount(), 1);
    EXPECT_EQ(source.m_listRefV1.IsSelected(0), 1);
    CEleFrameTestModel assigned;
    assigned = source;
    EXPECT_EQ(Store(assigned), Store(source));
}

TEST(FrameSelection, CodeZeroIsTheElementCode100ItsFirstPlacement) {
    CEleFrameTestModel model;
    model.m_listRefV1.DoAddNew();
    model.DoSelect(0, 1, 0);
    EXPECT_EQ(model.IsSelected(0), 1);
    EXPECT_EQ(model.IsSelected(100), 0);
    model.DoSelect(100, 1, 0);
    EXPECT_EQ(model.IsSelected(100), 1);
    EXPECT_EQ(model.GetOnlyRefV1(), model.m_listRefV1.GetAtIndex(0));
    model.DoSelect(0, 1, 4); // toggles off
    EXPECT_EQ(model.IsSelected(0), 0);
    model.DoSelect(0, 0, 4); // flag 4 with 0: nothing
    EXPECT_EQ(model.IsSelected(0), 0);
}

TEST(FrameSelection, SetSelectOtherThanOneClearsThePlacementToo) {
    CEleFrameTestModel model;
    model.m_listRefV1.DoAddNew()->m_nSelected = 1;
    model.SetSelect(1);
    EXPECT_EQ(model.GetSelect(), 1);
    EXPECT_EQ(model.IsSelected(100), 1);
    model.SetSelect(0);
    EXPECT_EQ(model.GetSelect(), 0);
    EXPECT_EQ(model.IsSelected(100), 0);
    EXPECT_EQ(model.GetOnlyRefV1(), nullptr);
}

TEST(FrameHitTest, SymbolIsInclusiveAtBothEndsAndLabelIsCode100) {
    CEleFrameTestModel model;
    model.m_rectSymbol = fw::CRect(41, 81, 80, 120);
    EXPECT_EQ(model.IsHittedSymbol(fw::CPoint(41, 81), 0), 1);
    EXPECT_EQ(model.IsHittedSymbol(fw::CPoint(80, 120), 0), 1); // right and bottom belong
    EXPECT_EQ(model.IsHittedSymbol(fw::CPoint(81, 100), 0), 0);
    EXPECT_EQ(model.IsHittedSymbol(fw::CPoint(60, 100), 100), 0); // no placement
    model.m_listRefV1.DoAddNew()->m_labels.m_rectLabel2 = fw::CRect(81, 90, 130, 110);
    EXPECT_EQ(model.IsHittedSymbol(fw::CPoint(100, 100), 100), 1);
    EXPECT_EQ(model.IsHittedSymbol(fw::CPoint(100, 100), 0), 0);
}

TEST(FrameGeometry, MovingKeepsTheSizeAndARectangleReplacesIt) {
    CEleFrameTestModel model;
    model.m_rectSymbol = fw::CRect(1, 1, 40, 160);
    fw::CPoint to(121, 41);
    model.SetSymbolRect(&to, nullptr);
    EXPECT_EQ(model.m_rectSymbol, fw::CRect(121, 41, 160, 200));
    fw::CRect replaced(1, 1, 160, 40);
    model.SetSymbolRect(nullptr, &replaced);
    EXPECT_EQ(model.m_rectSymbol, replaced);
    model.SetSymbolRect(nullptr, nullptr);
    EXPECT_EQ(model.m_rectSymbol, replaced);
    fw::CRect out;
    model.GetSymbolRect(&out);
    EXPECT_EQ(out, replaced);
}

TEST(FrameGeometry, UnionTakesTheSymbolAndEveryPlacementsLabels) {
    CEleFrameTestModel model;
    model.m_rectSymbol = fw::CRect(41, 41, 80, 80);
    CObjRefV1* ref = model.m_listRefV1.DoAddNew();
    ref->m_labels.m_rectLabel1 = fw::CRect(10, 50, 40, 60);
    ref->m_labels.m_rectLabel2 = fw::CRect(81, 60, 150, 90);
    fw::CRect all;
    model.GetUnionRect(&all);
    EXPECT_EQ(all, fw::CRect(10, 41, 150, 90));
}

TEST(FrameCircuit, VoltageBelowOneIsRefusedAndComesBack) {
    CEleFrameTestModel model;
    model.m_nVoltage = 400;
    EXPECT_EQ(model.SetVoltage(0), 0);
    EXPECT_EQ(model.SetVoltage(-5), -5);
    EXPECT_EQ(model.GetVoltage(), 400);
    EXPECT_EQ(model.SetVoltage(230), 400);
    EXPECT_EQ(model.GetVoltage(1), 230);
    EXPECT_EQ(model.SetEarthingSystem(3), 0u);
    EXPECT_EQ(model.SetEarthingSystem(1), 3u);
    EXPECT_EQ(model.SetWireSystem(3), 0u);
    EXPECT_EQ(model.GetWireSystem(), 3u);
}

const fw::CDrawRecord* FirstFill(const fw::CRecordingDC& dc) {
    for (const fw::CDrawRecord& rec : dc.Records())
        if (rec.kind == fw::CDrawRecord::FillRect)
            return &rec;
    return nullptr;
}

// The fill is magenta only for a marked element on the skeleton on screen.
struct FillCase {
    const char* name;
    uint32_t errorMark;
    bool printing;
    int32_t mode;
    fw::COLORREF fill;
};

void PrintTo(const FillCase& c, std::ostream* os) {
    *os << c.name;
}

class FrameMarkedFill : public ::testing::TestWithParam<FillCase> {};

TEST_P(FrameMarkedFill, FillsTheSymbolAndKeepsTheColour) {
    const FillCase& c = GetParam();
    fw::CRecordingDC dc(96, c.printing);
    dc.SetBkColor(0x123456);
    const fw::CPen before = dc.GetCurrentPen();
    CEleFrameTestModel model;
    model.m_rectSymbol = fw::CRect(41, 41, 80, 120);
    model.m_nErrorMark = c.errorMark;
    model.m_nPenWidth = 3;
    model.m_nPenStyle = fw::PS_DOT;
    model.m_crPen = 0x0000FF;
    model.DoDrawSymbol(&dc, c.mode);
    const fw::CDrawRecord* fill = FirstFill(dc);
    ASSERT_NE(fill, nullptr);
    EXPECT_EQ(fill->brush.color, c.fill);
    EXPECT_EQ(model.m_crFill, c.fill);
    // The geometry is drawn about the centre with the model's pen; the
    // context's pen and background come back.
    EXPECT_EQ(model.m_centre, fw::CPoint(60, 80));
    EXPECT_EQ(model.m_penWhileDrawing, fw::CPen(fw::PS_DOT, 3, 0x0000FF));
    EXPECT_EQ(dc.GetCurrentPen(), before);
    EXPECT_EQ(dc.GetBkColor(), 0x123456u);
}

INSTANTIATE_TEST_SUITE_P(Cases, FrameMarkedFill,
                         ::testing::Values(FillCase{"MarkedOnScreen", 1, false, 0, 0xFF00FF},
                                           FillCase{"MarkedPrinted", 1, true, 0, 0xFFFFFF},
                                           FillCase{"MarkedOnImpedanceMap", 1, false, 1, 0xFFFFFF},
                                           FillCase{"Unmarked", 0, false, 0, 0xFFFFFF}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FrameLabels, NameAtTheLastRowLeftAndLabelAtTheLastRowRight) {
    fw::CRecordingDC dc;
    CEleFrameTestModel model;
    model.m_rectSymbol = fw::CRect(41, 41, 80, 80);
    model.m_strName = "M3";
    model.m_listRefV1.DoAddNew();
    fw::CRect result = model.DoLayoutRefV1List(&dc, CEleDocSettings());
    const CObjRefV1* ref = model.m_listRefV1.GetAtIndex(0);
    // Layout 8 and 4: both texts at T + ((H + 1) / 40) * 40 - 26 = 41 + 40 - 26 = 55, the
    // name ending one unit left of the symbol, the label starting one unit right of it.
    EXPECT_EQ(ref->m_labels.m_rectLabel1.top, 55);
    EXPECT_EQ(ref->m_labels.m_rectLabel1.right, 40);
    EXPECT_EQ(ref->m_labels.m_rectLabel2.top, 55);
    EXPECT_EQ(ref->m_labels.m_rectLabel2.left, 81);
    EXPECT_EQ(result, model.m_listRefV1.GetRect(0));
}

TEST(FrameLabels, DrawnRedWhileTheElementIsSelected) {
    fw::CRecordingDC dc;
    CEleFrameTestModel model;
    model.m_listRefV1.DoAddNew();
    model.DoLayoutRefV1List(&dc, CEleDocSettings());
    model.m_nSelected = 1;
    model.DoDrawRefV1List(&dc, CEleDocSettings());
    EXPECT_EQ(model.m_listRefV1.GetAtIndex(0)->m_labels.m_crLabel1, 0x0000FFu);
    model.m_nSelected = 0;
    model.DoDrawRefV1List(&dc, CEleDocSettings());
    EXPECT_EQ(model.m_listRefV1.GetAtIndex(0)->m_labels.m_crLabel1, 0xFF00FFu);
}

TEST(FrameInit, FirstSetUpTakesTheValuesGivenAndTheClassDefaults) {
    CEleFrameTestModel model;
    CEleInitArgs args;
    args.nNumber = 7;
    args.nVoltage = 400;
    args.nEarthing = 1;
    args.nWireSystem = 2;
    model.DoInitNewElement(args);
    EXPECT_EQ(model.m_strName, "M7");
    EXPECT_EQ(model.m_nNumber, 7u);
    EXPECT_EQ(model.m_nDefaultsSet, 1u);
    EXPECT_EQ(model.m_nVoltage, 400);
    EXPECT_EQ(model.m_nEarthing, 1u);
    EXPECT_EQ(model.m_nWireSystem, 2u);
    EXPECT_EQ(model.m_nClassDefault, 75);
}

TEST(FrameInit, ASecondSetUpChangesOnlyNameAndNumber) {
    CEleFrameTestModel model;
    CEleInitArgs args;
    args.nNumber = 1;
    args.nVoltage = 400;
    args.nEarthing = 3;
    args.nWireSystem = 2;
    model.DoInitNewElement(args);
    model.m_nClassDefault = 11; // the user's value
    args.nNumber = 12;
    args.nVoltage = 6600;
    args.nEarthing = 5;
    args.nWireSystem = 1;
    model.DoInitNewElement(args);
    EXPECT_EQ(model.m_strName, "M12");
    EXPECT_EQ(model.m_nNumber, 12u);
    EXPECT_EQ(model.m_nVoltage, 400);
    EXPECT_EQ(model.m_nEarthing, 3u);
    EXPECT_EQ(model.m_nWireSystem, 2u);
    EXPECT_EQ(model.m_nClassDefault, 11);
}

TEST(FrameInit, MissingEarthingComesFromTheListDatabaseAndWireSystemFromTheEarthing) {
    fw::CDatabase* list = DLLGetMDBQuenlor();
    ASSERT_NE(list, nullptr);
    const CModelDatabases previous = GetModelDatabases();
    CModelDatabases dbs = previous;
    dbs.pList = list;
    SetModelDatabases(dbs);
    CEleFrameTestModel model;
    CEleInitArgs args;
    args.nNumber = 2;
    model.DoInitNewElement(args);
    SetModelDatabases(previous);
    DLLDelMDBQuenlor(list);
    // The reference list database's default earthing row is TT (code 4),
    // whose default wire system is three phases (1).
    EXPECT_EQ(model.m_nEarthing, 4u);
    EXPECT_EQ(model.m_nWireSystem, 1u);

    // A given TN-S without a wire system: three phases, N and PE (3).
    CEleFrameTestModel tns;
    args.nEarthing = 1;
    tns.DoInitNewElement(args);
    EXPECT_EQ(tns.m_nWireSystem, 3u);
}

// The edit flow: the seam edits a copy, the document's undo snapshot is taken
// before the copy comes back, and the old area, the symbol and the new label
// area are invalidated.
class FrameEdit : public ::testing::Test {
protected:
    void TearDown() override { DialogSeam<CEleFrameTestModel>::run = nullptr; }
};

TEST_F(FrameEdit, OkTakesTheCopyBackAfterTheUndoSnapshot) {
    fw::CRecordingDC dc;
    CEleFrameTestModel model;
    model.m_rectSymbol = fw::CRect(41, 41, 80, 80);
    model.m_strName = "M1";
    model.m_listRefV1.DoAddNew();
    model.DoLayoutRefV1List(&dc, CEleDocSettings());
    const fw::CRect oldArea = model.m_listRefV1.GetRect(0);

    const CEleEditContext* seen = nullptr;
    DialogSeam<CEleFrameTestModel>::run = [&](CEleFrameTestModel& copy) {
        seen = CEleEditContext::Current();
        copy.m_strName = "Pump with a long name";
        copy.m_nVoltage = 230;
        return true;
    };
    std::string nameAtUndo;
    std::vector<fw::CRect> invalidated;
    CEleEditContext ctx;
    ctx.settings.nMode = 3;
    ctx.pDC = &dc;
    ctx.saveUndo = [&] { nameAtUndo = model.m_strName; };
    ctx.invalidate = [&](const fw::CRect& r) { invalidated.push_back(r); };

    EXPECT_EQ(model.DoEditElement(ctx), 1);
    EXPECT_EQ(seen, &ctx);
    EXPECT_EQ(CEleEditContext::Current(), nullptr);
    EXPECT_EQ(nameAtUndo, "M1"); // the snapshot holds the state before the edit
    EXPECT_EQ(model.m_strName, "Pump with a long name");
    EXPECT_EQ(model.m_nVoltage, 230);
    ASSERT_EQ(invalidated.size(), 3u);
    EXPECT_EQ(invalidated[0], oldArea);
    EXPECT_EQ(invalidated[1], model.m_rectSymbol);
    EXPECT_EQ(invalidated[2], model.m_listRefV1.GetRect(0)); // laid out again
    EXPECT_NE(invalidated[2], oldArea);
}

TEST_F(FrameEdit, CancelAndAMissingDialogChangeNothing) {
    CEleFrameTestModel model;
    model.m_strName = "M1";
    bool undo = false;
    CEleEditContext ctx;
    ctx.saveUndo = [&] { undo = true; };
    EXPECT_EQ(model.DoEditElement(ctx), kEditCancelled);

    DialogSeam<CEleFrameTestModel>::run = [](CEleFrameTestModel& copy) {
        copy.m_strName = "changed";
        return false;
    };
    EXPECT_EQ(model.DoEditElement(ctx), kEditCancelled);
    EXPECT_EQ(model.m_strName, "M1");
    EXPECT_FALSE(undo);
}

} // namespace
