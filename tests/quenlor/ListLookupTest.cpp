// Every list filler on the built reference database.

#include "listdata/CRSList_CT1Current.h"
#include "listdata/CRSList_Earthing.h"
#include "listdata/CRSList_Reactor.h"
#include "listdata/CRSList_VoltHigh.h"
#include "listdata/CRSList_VoltLow.h"
#include "tests/common/MessageCapture.h"
#include "tests/quenlor/ListTestSupport.h"

#include <gtest/gtest.h>

using listtest::Data;
using listtest::Selected;
using listtest::Texts;
using Strings = std::vector<std::string>;

namespace {

class ListLookup : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(m_db.Get(), nullptr); }
    void TearDown() override { EXPECT_EQ(m_capture.Count(), 0u) << "no message expected"; }
    fw::CDatabase* Db() { return m_db.Get(); }

    tvtest::MessageCapture m_capture;
    listtest::RealDb m_db;
};

} // namespace

TEST_F(ListLookup, HighVoltagesInKilovolts) {
    CRSList_VoltHigh rs(Db());
    fw::CMemoryCombo box;
    int32_t voltage = 0;
    int32_t id = rs.DoReadSetDefaultLV(&box, &voltage, 1000);
    EXPECT_GT(id, 0);
    EXPECT_EQ(Texts(box), (Strings{"3", "6", "11", "22", "33"}));
    EXPECT_EQ(Selected(box), "6");
    EXPECT_EQ(box.GetItemData(box.GetCurSel()), id);
    EXPECT_EQ(voltage, 6600); // undivided

    fw::CMemoryCombo volts;
    EXPECT_EQ(rs.DoReadSetDefaultLV(&volts, nullptr, 1), id);
    EXPECT_EQ(Texts(volts), (Strings{"3300", "6600", "11000", "22000", "33000"}));
    voltage = 0;
    EXPECT_EQ(rs.DoReadSetDefaultLV(nullptr, &voltage, 1), id);
    EXPECT_EQ(voltage, 6600);
}

TEST_F(ListLookup, HighVoltageDivisorBelowOneIsRefused_FaultDivisionByZero) {
    for (int divisor : {0, -1000}) {
        SCOPED_TRACE(divisor);
        CRSList_VoltHigh rs(Db());
        fw::CMemoryCombo box;
        box.AddString("kept");
        int32_t voltage = 123;
        EXPECT_EQ(rs.DoReadSetDefaultLV(&box, &voltage, divisor), 0);
        EXPECT_EQ(voltage, 123);
        EXPECT_EQ(Texts(box), (Strings{"kept"}));
        EXPECT_EQ(rs.DoReadSetDefaultLV(nullptr, &voltage, divisor), 0);
    }
}

TEST_F(ListLookup, LowVoltages) {
    CRSList_VoltLow rs(Db());
    fw::CMemoryCombo box;
    int32_t voltage = 0;
    int32_t id = rs.DoReadSetDefaultLV(&box, &voltage);
    EXPECT_GT(id, 0);
    EXPECT_EQ(Texts(box), (Strings{"100", "200", "230", "400", "415", "440", "690"}));
    EXPECT_EQ(Selected(box), "400");
    EXPECT_EQ(voltage, 400);
    voltage = 0;
    EXPECT_EQ(rs.DoReadSetDefaultLV(nullptr, &voltage), id);
    EXPECT_EQ(voltage, 400);
}

TEST_F(ListLookup, CtCurrentsCountTheRowsWalked) {
    CRSList_CT1Current rs(Db());
    fw::CMemoryCombo box;
    int current = 0;
    EXPECT_EQ(rs.DoReadSetDefaultLC(&box, &current), 29);
    EXPECT_EQ(box.GetCount(), 29);
    EXPECT_EQ(Selected(box), "100");
    EXPECT_EQ(box.GetItemData(box.GetCurSel()), 100); // the current itself
    EXPECT_EQ(current, 100);
    // Without a box the walk stops at the default, the eleventh row, which
    // is not counted.
    current = 0;
    EXPECT_EQ(rs.DoReadSetDefaultLC(nullptr, &current), 10);
    EXPECT_EQ(current, 100);
}

TEST_F(ListLookup, EarthingListsForThreePhaseAndSinglePhase) {
    CRSList_Earthing rs(Db());
    fw::CMemoryCombo three;
    unsigned code = 0;
    int32_t id = rs.DoReadSetDefaultLE3(&three, &code);
    EXPECT_GT(id, 0);
    EXPECT_EQ(Texts(three), (Strings{"TN-S", "TN-C", "TT", "IT"}));
    EXPECT_EQ(Data(three), (std::vector<intptr_t>{1, 3, 4, 5}));
    EXPECT_EQ(Selected(three), "TT");
    EXPECT_EQ(code, 4u);

    fw::CMemoryCombo single;
    code = 0;
    EXPECT_EQ(rs.DoReadSetDefaultLE1(&single, &code), id);
    EXPECT_EQ(Texts(single), (Strings{"TT", "IT"}));
    EXPECT_EQ(Selected(single), "TT");
    EXPECT_EQ(code, 4u);

    code = 0;
    EXPECT_EQ(rs.DoReadSetDefaultLE3(nullptr, &code), id);
    EXPECT_EQ(code, 4u);
}

TEST_F(ListLookup, EarthingNameByCode) {
    CRSList_Earthing rs(Db());
    for (unsigned code = 1; code <= 5; ++code)
        EXPECT_EQ(rs.DoReadByEarthCode(code), DLLGetTextEarthCode(code)) << code;
    EXPECT_EQ(rs.DoReadByEarthCode(0), "IT"); // the last row of the table
    EXPECT_EQ(rs.DoReadByEarthCode(9), "");
}

TEST_F(ListLookup, Reactors) {
    CRSList_Reactor rs(Db());
    fw::CMemoryCombo box;
    double reactor = 0;
    int32_t id = rs.DoReadSetDefaultLR(&box, &reactor);
    EXPECT_GT(id, 0);
    EXPECT_EQ(Texts(box), (Strings{"0", "6", "13"}));
    EXPECT_EQ(box.GetItemData(box.GetCurSel()), id);
    EXPECT_EQ(Selected(box), "6");
    EXPECT_DOUBLE_EQ(reactor, 6);
}
