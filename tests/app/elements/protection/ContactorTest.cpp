// The contactor: its record at every file version against hand-written
// fixtures, its set-up from the breaker database, its texts and its edit.

#include "app/elements/protection/CEleContactor.h"
#include "app/records/DialogSeam.h"
#include "tests/app/elements/protection/ProtectionTestSupport.h"

#include <gtest/gtest.h>

using namespace protecttest;

namespace {

std::string FixturePath(const char* tag) {
    return std::string("app/elements/protection/fixtures/CEleContactor_") + tag + ".hex";
}

// The contactor of the fixtures: a 25 A contactor at 200 V, single-phase,
// TN-S with wire system 3, error mark 1, a calculation point whose source
// term is 1.2 + j4.8 on a 1000 kVA base and whose mark is on graph 6.
CEleContactor FixtureContactor(double version) {
    CEleContactor c;
    c.m_rectSymbol = fw::CRect(40, 320, 79, 399);
    c.m_strName = "MC1";
    c.m_nNumber = 1;
    c.m_nDefaultsSet = 1;
    c.m_nPoles = 3;
    c.m_nCalcPoint = 1;
    c.m_calcPoint.m_crMark = 0x0000FF;
    c.m_calcPoint.m_nMarkWidth = 2;
    c.m_calcPoint.m_dBaseCapacity = 1000.0;
    c.m_calcPoint.m_zSource.m_nKind = 4;
    c.m_calcPoint.m_zSource.m_dR = 1.2;
    c.m_calcPoint.m_zSource.m_dX = 4.8;
    if (version >= 1.1)
        c.m_calcPoint.m_listGraphNo.DoAddNewGraphNo()->DoSetGraphNo(6, 1);
    c.m_infoBase.m_lManufactureID = 1;
    c.m_infoBase.m_strManufactureName = "Kestrel";
    c.m_infoBase.m_lGroupID = 7;
    c.m_infoBase.m_strGroupName = "KC";
    c.m_infoBase.m_nKindFlag = 4;
    c.m_infoBase.m_lTypeID = 512;
    c.m_infoBase.m_strTypeName = "KC-25";
    c.m_infoBase.m_dRatedValue = 25.0;
    c.m_infoBase.m_nVoltage = 200;
    c.m_nVoltage = 200;
    c.m_nEarthing = 1;
    c.m_nWireSystem = 3;
    c.m_nErrorMark = 1;
    c.m_nSinglePhase = 1;
    return c;
}

TEST(ContactorTest, StoresTheHandWrittenRecord) {
    CEleContactor c = FixtureContactor(1.2);
    EXPECT_EQ(Store(c), Fixture(FixturePath("v120")));
}

TEST(ContactorTest, ReadsEveryVersionWithTheDefaultsOfWhatIsMissing) {
    struct Row {
        const char* tag;
        double version;
        uint32_t earthing, wire, mark, single;
    };
    for (Row row : {Row{"v120", 1.2, 1, 3, 1, 1}, Row{"v115", 1.15, 1, 3, 1, 0},
                    Row{"v110", 1.1, 1, 3, 0, 0}, Row{"v100", 1.0, 4, 1, 0, 0}}) {
        CEleContactor c;
        Load(c, Fixture(FixturePath(row.tag)), row.version);
        EXPECT_EQ(c.m_strName, "MC1") << row.tag;
        EXPECT_EQ(c.m_rectSymbol, fw::CRect(40, 320, 79, 399)) << row.tag;
        EXPECT_EQ(c.m_nPoles, 3u) << row.tag;
        EXPECT_EQ(c.IsCalcPoint(), 1) << row.tag;
        EXPECT_EQ(c.m_calcPoint.m_zSource.m_dX, 4.8) << row.tag;
        EXPECT_EQ(c.m_infoBase.m_strTypeName, "KC-25") << row.tag;
        EXPECT_EQ(c.GetVoltage(), 200) << row.tag;
        EXPECT_EQ(c.m_nEarthing, row.earthing) << row.tag;
        EXPECT_EQ(c.m_nWireSystem, row.wire) << row.tag;
        EXPECT_EQ(c.m_nErrorMark, row.mark) << row.tag;
        EXPECT_EQ(c.m_nSinglePhase, row.single) << row.tag;
        // Stored again at the current version: the fixture's fields plus
        // the defaults of the tail.
        CEleContactor want = FixtureContactor(row.version);
        want.m_nEarthing = row.earthing;
        want.m_nWireSystem = row.wire;
        want.m_nErrorMark = row.mark;
        want.m_nSinglePhase = row.single;
        if (row.version >= 1.2) {
            EXPECT_EQ(Store(c), Fixture(FixturePath(row.tag)));
        }
        EXPECT_EQ(Store(c), Store(want)) << row.tag;
    }
}

TEST(ContactorTest, CutShortRecordsRaiseTheArchiveError) {
    ExpectCutShortRefused<CEleContactor>(Fixture(FixturePath("v120")), 1.2);
    ExpectCutShortRefused<CEleContactor>(Fixture(FixturePath("v100")), 1.0);
}

TEST(ContactorTest, CopyTakesEveryStoredField) {
    CEleContactor a = FixtureContactor(1.2);
    CEleContactor b;
    b = a;
    EXPECT_EQ(Store(b), Store(a));
    CEleContactor c(a);
    EXPECT_EQ(Store(c), Store(a));
}

TEST(ContactorTest, VoltageAndLabelTexts) {
    CEleContactor c = FixtureContactor(1.2);
    EXPECT_EQ(c.DoGetTextVoltage(1), "200-100V");
    c.m_nSinglePhase = 0;
    EXPECT_EQ(c.DoGetTextVoltage(0), "200");
    EXPECT_EQ(c.DoGetTextPoles(1), "3Poles");
    // Before a calculation only the type and Ith (no database: 0 A).
    EXPECT_EQ(c.DoGetLabelText(2), "KC-25\r\n0A");
    // 1000 kVA at 200 V through |1.2 + j4.8| % = 4.9477 %: I"k3 =
    // 1000 / (sqrt(3) * 0.2 * 0.049477) = 58.34 kA.
    EXPECT_EQ(c.DoGetLabelText(3), "KC-25\r\n0A\r\nI\"k3=58.345kA");
    c.m_nCalcPoint = 0;
    EXPECT_EQ(c.DoGetLabelText(3), "KC-25\r\n0A");
}

class ContactorDbTest : public WithAllDatabases {};

TEST_F(ContactorDbTest, NewContactorTakesTheDefaultDeviceOfItsClass) {
    CEleContactor c;
    CEleInitArgs args;
    args.nNumber = 2;
    args.nVoltage = 400;
    c.DoInitNewElement(args);
    EXPECT_EQ(c.m_strName, "MC2");
    EXPECT_EQ(c.m_nPoles, 3u);
    EXPECT_EQ(c.m_infoBase.m_nKindFlag, 4);
    EXPECT_EQ(c.m_infoBase.m_strTypeName, "KCT-25"); // the default contactor row
    EXPECT_EQ(c.GetVoltage(), 400);
    EXPECT_EQ(c.IsCalcPoint(), 0);
    EXPECT_EQ(c.DoGetTextIth(1), "40A"); // its rated (Ith) row
    // Earthing and wire system from the list database's default.
    EXPECT_NE(c.m_nEarthing, 0u);
    EXPECT_NE(c.m_nWireSystem, 0u);
    // A second set-up renames it and keeps its data.
    c.m_nPoles = 4;
    args.nNumber = 5;
    c.DoInitNewElement(args);
    EXPECT_EQ(c.m_strName, "MC5");
    EXPECT_EQ(c.m_nPoles, 4u);
}

TEST(ContactorTest, SwitchingTheCalculationPointOnAfterACalculationReturnsToCheck) {
    struct Row {
        int32_t mode;
        uint32_t before;
        uint32_t after;
        bool back;
    };
    for (Row row : {Row{3, 0, 1, true}, Row{5, 0, 1, true}, Row{2, 0, 1, false},
                    Row{3, 1, 1, false}, Row{3, 1, 0, false}}) {
        CEleContactor c = FixtureContactor(1.2);
        c.m_nCalcPoint = row.before;
        DialogSeam<CEleContactor>::run = [&](CEleContactor& copy) {
            copy.m_nCalcPoint = row.after;
            return true;
        };
        bool back = false;
        CEleEditContext ctx;
        ctx.settings.nMode = row.mode;
        ctx.returnToCheckMode = [&] { back = true; };
        EXPECT_EQ(c.DoEditElement(ctx), 1);
        EXPECT_EQ(back, row.back) << row.mode << " " << row.before << " " << row.after;
        EXPECT_EQ(c.m_nCalcPoint, row.after);
    }
    // Cancelled: nothing changes.
    DialogSeam<CEleContactor>::run = [](CEleContactor& copy) {
        copy.m_nCalcPoint = 0;
        return false;
    };
    CEleContactor c = FixtureContactor(1.2);
    CEleEditContext ctx;
    EXPECT_EQ(c.DoEditElement(ctx), kEditCancelled);
    EXPECT_EQ(c.m_nCalcPoint, 1u);
    DialogSeam<CEleContactor>::run = nullptr;
}

} // namespace
