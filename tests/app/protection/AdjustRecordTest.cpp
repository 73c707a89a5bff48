// The device characteristic's record against records written by hand, its
// copy and the list operations.

#include "app/protection/CObjAdjust.h"
#include "app/records/CObjRefV2.h"
#include "framework/Archive.h"
#include "tests/common/HexFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string kDir = "app/protection/fixtures/";

std::vector<uint8_t> Store(CObjAdjustList& list) {
    fw::CArchive ar = fw::CArchive::ForStoring();
    list.Serialize(ar);
    return ar.Bytes();
}

void Load(CObjAdjustList& list, const std::vector<uint8_t>& bytes, double version) {
    fw::CArchive ar = fw::CArchive::ForLoading(bytes);
    ar.SetReadVersion(version);
    list.Serialize(ar);
    EXPECT_EQ(ar.Remaining(), 0u);
}

// The two characteristics of the fixture files.
CObjAdjustList FixtureList() {
    CObjAdjustList list;
    CObjAdjust* a = list.DoAddNewObjAdjust();
    a->m_nInitialised = 1;
    CInfoBase& b = a->m_infoBase;
    b.m_lManufactureID = 2;
    b.m_strManufactureName = "Maker";
    b.m_lGroupID = 5;
    b.m_strGroupName = "MCCB";
    b.m_nKindFlag = 2;
    b.m_nLVCBCode = 10;
    b.m_lTypeID = 17;
    b.m_strTypeName = "T125";
    b.m_lOpeKindID = 3;
    b.m_strOpeKindName = "TM";
    b.m_lBreakRatedID = 44;
    b.m_strRatedName = "125";
    b.m_dRatedValue = 125.0;
    b.m_dMagniValue = 1.0;
    b.m_nVoltage = 400;
    adjust_fields::OpenTimeFlag(b) = 1;
    adjust_fields::BreakTimeFlag(b) = 1;
    adjust_fields::BreakCycles(b) = 3;
    CInfoPart* lt = a->m_listInfoPart.DoAddNewInfoPart();
    lt->m_lDialCharID = 12;
    lt->m_strCharacterName = "LT";
    lt->m_dCurrent = 1.0;
    lt->m_dTime = 10.0;
    adjust_fields::TimerFlag(*lt) = 1;
    CInfoPart* inst = a->m_listInfoPart.DoAddNewInfoPart();
    inst->m_lDialCharID = 13;
    inst->m_strCharacterName = "INST";
    inst->m_dCurrent = 10.0;
    adjust_fields::LockFlag(*inst) = 1;
    a->m_infoLine.m_crColor = 0x0000FF;
    a->m_infoLine.m_nLineKind = 2;
    a->m_infoLine.m_nWidth = 20;
    CGraphNo* on3 = a->m_listGraphNo.DoAddNewGraphNo();
    on3->DoSetGraphNo(3, 1);
    CObjRefV2* label = on3->m_listRefV2.GetAtIndex(0);
    label->m_nSelected = 1;
    label->m_ptValue.m_dX = 250.0;
    label->m_ptValue.m_dY = 0.5;

    CObjAdjust* second = list.DoAddNewObjAdjust();
    second->m_nSelected = 1;
    return list;
}

void ExpectFixtureFields(const CObjAdjustList& list, double valueX, double valueY) {
    ASSERT_EQ(list.GetCount(), 2);
    const CObjAdjust& a = *list.GetAt(0);
    EXPECT_EQ(a.m_nInitialised, 1u);
    EXPECT_EQ(a.m_nSelected, 0u);
    EXPECT_EQ(a.m_infoBase.m_strManufactureName, "Maker");
    EXPECT_EQ(a.m_infoBase.m_strTypeName, "T125");
    EXPECT_EQ(a.m_infoBase.m_lBreakRatedID, 44);
    EXPECT_EQ(a.m_infoBase.m_dRatedValue, 125.0);
    EXPECT_EQ(a.m_infoBase.m_nVoltage, 400);
    EXPECT_EQ(adjust_fields::OpenTimeFlag(a.m_infoBase), 1);
    EXPECT_EQ(adjust_fields::BreakTimeFlag(a.m_infoBase), 1);
    EXPECT_EQ(adjust_fields::BreakTimeFlag2(a.m_infoBase), 0);
    EXPECT_EQ(adjust_fields::BreakCycles(a.m_infoBase), 3);
    ASSERT_EQ(a.m_listInfoPart.GetCount(), 2);
    EXPECT_EQ(a.m_listInfoPart.GetAt(0)->m_strCharacterName, "LT");
    EXPECT_EQ(a.m_listInfoPart.GetAt(0)->m_dTime, 10.0);
    EXPECT_EQ(adjust_fields::TimerFlag(*a.m_listInfoPart.GetAt(0)), 1);
    EXPECT_EQ(adjust_fields::LockFlag(*a.m_listInfoPart.GetAt(1)), 1);
    EXPECT_EQ(a.m_infoLine.m_crColor, 0x0000FF);
    EXPECT_EQ(a.m_infoLine.m_nLineKind, 2);
    EXPECT_EQ(a.m_infoLine.m_nWidth, 20);
    ASSERT_EQ(a.m_listGraphNo.GetCount(), 1);
    const CGraphNo* on3 = a.m_listGraphNo.DoFindGraphNo(3);
    ASSERT_NE(on3, nullptr);
    ASSERT_EQ(on3->m_listRefV2.GetCount(), 1);
    EXPECT_EQ(on3->m_listRefV2.IsSelected(0), 1);
    EXPECT_EQ(on3->m_listRefV2.GetAtIndex(0)->m_ptValue.m_dX, valueX);
    EXPECT_EQ(on3->m_listRefV2.GetAtIndex(0)->m_ptValue.m_dY, valueY);

    const CObjAdjust& b = *list.GetAt(1);
    EXPECT_EQ(b.m_nInitialised, 0u);
    EXPECT_EQ(b.m_nSelected, 1u);
    EXPECT_EQ(b.m_infoBase.m_nVoltage, 0);
    EXPECT_TRUE(b.m_listInfoPart.IsEmpty());
    EXPECT_EQ(b.m_infoLine.m_nBandFlag, 1);
    EXPECT_EQ(b.m_infoLine.m_nWidth, 10);
    EXPECT_TRUE(b.m_listGraphNo.IsEmpty());
}

TEST(AdjustRecord, ListIsTheHandWrittenRecordAndLoadsBack) {
    const std::vector<uint8_t> bytes = tvtest::ReadHexFixture(kDir + "CObjAdjustList_v120.hex");
    CObjAdjustList list = FixtureList();
    EXPECT_EQ(Store(list), bytes);

    for (double version : {1.1, 1.15, 1.2}) {
        CObjAdjustList loaded;
        Load(loaded, bytes, version);
        ExpectFixtureFields(loaded, 250.0, 0.5);
        EXPECT_EQ(Store(loaded), bytes) << version;
    }
}

TEST(AdjustRecord, FileBeforeVersion11HasLabelsWithoutPoints) {
    CObjAdjustList loaded;
    Load(loaded, tvtest::ReadHexFixture(kDir + "CObjAdjustList_v100.hex"), 1.0);
    ExpectFixtureFields(loaded, 0.0, 0.0);
    // Stored again, in the program's own layout.
    CObjAdjustList expected = FixtureList();
    expected.GetAt(0)->m_listGraphNo.GetHead()->m_listRefV2.GetAtIndex(0)->m_ptValue = CdPoint();
    EXPECT_EQ(Store(loaded), Store(expected));
}

TEST(AdjustRecord, LoadingReplacesWhatTheListsHeld) {
    const std::vector<uint8_t> bytes = tvtest::ReadHexFixture(kDir + "CObjAdjustList_v120.hex");
    CObjAdjustList loaded;
    Load(loaded, bytes, 1.2);
    CObjAdjust& a = *loaded.GetAt(0);
    fw::CArchive again = fw::CArchive::ForStoring();
    a.Serialize(again);
    fw::CArchive in = fw::CArchive::ForLoading(again.Bytes());
    in.SetReadVersion(1.2);
    a.Serialize(in);
    EXPECT_EQ(a.m_listInfoPart.GetCount(), 2);
    EXPECT_EQ(a.m_listGraphNo.GetCount(), 1);
}

TEST(AdjustRecord, CutRecordIsAnArchiveError) {
    const std::vector<uint8_t> bytes = tvtest::ReadHexFixture(kDir + "CObjAdjustList_v120.hex");
    for (size_t size : {size_t{1}, size_t{30}, bytes.size() / 2, bytes.size() - 1}) {
        CObjAdjustList list;
        fw::CArchive ar =
            fw::CArchive::ForLoading(std::vector<uint8_t>(bytes.begin(), bytes.begin() + size));
        ar.SetReadVersion(1.2);
        EXPECT_THROW(list.Serialize(ar), fw::CArchiveException) << size;
    }
}

TEST(AdjustRecord, NewCharacteristicHasTheDefaults) {
    CObjAdjustList list;
    CObjAdjust* a = list.DoAddNewObjAdjust();
    ASSERT_EQ(list.GetCount(), 1);
    EXPECT_EQ(list.GetHead(), a);
    EXPECT_EQ(a->m_nInitialised, 0u);
    EXPECT_EQ(a->m_nSelected, 0u);
    EXPECT_EQ(a->m_infoLine.m_nBandFlag, 1);
    EXPECT_EQ(a->m_infoLine.m_nWidth, 10);
    EXPECT_EQ(a->m_nLastActivePage, 0);
    EXPECT_TRUE(a->m_listInfoPart.IsEmpty());
    EXPECT_TRUE(a->m_listUpperCurve.IsEmpty());
    EXPECT_EQ(a->m_nTypicalLabel, 0);
}

TEST(AdjustRecord, CopyIsDeepAndLeavesTheLabelNumbers) {
    CObjAdjustList list = FixtureList();
    CObjAdjust& a = *list.GetAt(0);
    a.m_nUpperLabel = 4;
    a.m_nLowerLabel = 5;
    a.m_nTypicalLabel = 6;
    a.m_nLastActivePage = 2;
    a.m_readBase.m_dMaxRatedValue = 250.0;
    a.m_listReadPart.DoAddNewReadPart()->m_strElementName = "LT";
    a.m_listTypicalCurve.DoAddNewOneCurve()->m_dInstValue = 4000.0;
    a.m_listUpperCurve.DoAddNewOneCurve();
    a.m_listLowerCurve.DoAddNewOneCurve();
    a.m_listTypicalPoint.DoAddNewPoint()->m_dX = 7.0;
    a.m_listUpperPoint.DoAddNewPoint();
    a.m_listLowerPoint.DoAddNewPoint();

    CObjAdjust copy;
    copy.m_nTypicalLabel = 9;
    copy.DoCopyObjAdjust(a);
    EXPECT_EQ(copy.m_nTypicalLabel, 9);
    EXPECT_EQ(copy.m_nUpperLabel, 0);
    EXPECT_EQ(copy.m_nLastActivePage, 2);
    EXPECT_EQ(copy.m_readBase.m_dMaxRatedValue, 250.0);
    ASSERT_EQ(copy.m_listReadPart.GetCount(), 1);
    EXPECT_NE(copy.m_listReadPart.GetHead(), a.m_listReadPart.GetHead());
    EXPECT_EQ(copy.m_listTypicalCurve.GetHead()->m_dInstValue, 4000.0);
    EXPECT_EQ(copy.m_listUpperCurve.GetCount(), 1);
    EXPECT_EQ(copy.m_listLowerCurve.GetCount(), 1);
    EXPECT_EQ(copy.m_listTypicalPoint.GetHead()->m_dX, 7.0);
    EXPECT_NE(copy.m_listTypicalPoint.GetHead(), a.m_listTypicalPoint.GetHead());
    EXPECT_EQ(copy.m_listUpperPoint.GetCount(), 1);
    EXPECT_EQ(copy.m_listLowerPoint.GetCount(), 1);
    EXPECT_NE(copy.m_listGraphNo.GetHead(), a.m_listGraphNo.GetHead());

    // The list's copy replaces its characteristics by deep copies.
    CObjAdjustList other;
    other.DoAddNewObjAdjust();
    other.DoAddNewObjAdjust();
    other.DoAddNewObjAdjust();
    other.DoCopyAllObjAdjust(list);
    ASSERT_EQ(other.GetCount(), 2);
    EXPECT_NE(other.GetAt(0), list.GetAt(0));
    EXPECT_EQ(Store(other), Store(list));
    other.GetAt(0)->m_listInfoPart.GetHead()->m_dCurrent = 0.8;
    EXPECT_EQ(list.GetAt(0)->m_listInfoPart.GetHead()->m_dCurrent, 1.0);
}

TEST(AdjustRecord, SetVoltageGivesTheLastPreviousVoltage) {
    CObjAdjustList empty;
    EXPECT_EQ(empty.SetVoltage(400), 0);

    CObjAdjustList list;
    list.DoAddNewObjAdjust()->m_infoBase.m_nVoltage = 230;
    list.DoAddNewObjAdjust()->m_infoBase.m_nVoltage = 415;
    EXPECT_EQ(list.SetVoltage(6600), 415);
    EXPECT_EQ(list.GetAt(0)->m_infoBase.m_nVoltage, 6600);
    EXPECT_EQ(list.GetAt(1)->m_infoBase.m_nVoltage, 6600);
}

} // namespace
