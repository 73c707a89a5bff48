// The reference records of a device type: dial lookups and text getters.

#include "breakerdata/model/CReadBase.h"
#include "breakerdata/model/CReadCoordination.h"
#include "breakerdata/model/CReadPart.h"

#include <gtest/gtest.h>

namespace {

void AddValue(CReadDial& dial, int32_t id, const std::string& name, double value) {
    CReadValue* v = dial.m_listValue.DoAddNewReadValue();
    v->m_lID = id;
    v->m_strName = name;
    v->m_dValue = value;
}

CReadDial ThreeValues() {
    CReadDial dial;
    dial.m_nKind = 2;
    AddValue(dial, 10, "0.1", 0.1);
    AddValue(dial, 11, "0.2", 0.2);
    AddValue(dial, 12, "0.2", 0.3); // a repeated name
    return dial;
}

} // namespace

TEST(ReadDial, LookupsFallBackToTheLastValue) {
    CReadDial dial = ThreeValues();
    EXPECT_EQ(dial.DoGetIndexByValue(0.2), 1);
    EXPECT_EQ(dial.DoGetIndexByValue(0.25), 2);
    EXPECT_EQ(dial.DoGetIndexByName("0.2"), 1);
    EXPECT_EQ(dial.DoGetIndexByName("0.1 "), 2);
    EXPECT_EQ(dial.DoGetIndexByDialID(10), 0);
    EXPECT_EQ(dial.DoGetIndexByDialID(99), 2);
    ASSERT_NE(dial.DoGetValueByIndex(2), nullptr);
    EXPECT_EQ(dial.DoGetValueByIndex(2)->m_lID, 12);
    EXPECT_EQ(dial.DoGetValueByIndex(3), nullptr);
    EXPECT_EQ(dial.DoGetValueByIndex(-1), nullptr);

    CReadDial empty;
    EXPECT_EQ(empty.DoGetIndexByValue(0.2), -1);
    EXPECT_EQ(empty.DoGetIndexByName("0.2"), -1);
    EXPECT_EQ(empty.DoGetIndexByDialID(10), -1);
}

TEST(ReadDial, NameLookupIsCaseSensitive) {
    CReadDial dial;
    AddValue(dial, 1, "LSI", 1);
    AddValue(dial, 2, "lsi", 2);
    EXPECT_EQ(dial.DoGetIndexByName("lsi"), 1);
}

TEST(ReadDial, CopyIsDeep) {
    CReadDial a = ThreeValues();
    CReadDial b;
    b = a;
    a.m_listValue.GetHead()->m_strName = "changed";
    EXPECT_EQ(b.m_listValue.GetHead()->m_strName, "0.1");
    EXPECT_EQ(b.m_listValue.GetCount(), 3);
}

TEST(ReadPart, DialTexts) {
    CReadPart part;
    part.m_dialTime = ThreeValues();
    part.m_dialTime.m_strUnit = "s";
    EXPECT_EQ(part.DoGetTextTime(0.1, 1), "0.1(s)");
    EXPECT_EQ(part.DoGetTextTime(0.1, 0), "0.1s");
    // Not on the dial: the last value's name stands in.
    EXPECT_EQ(part.DoGetTextTime(5.0, 0), "0.2s");
    part.m_dialTime.m_strUnit.clear();
    EXPECT_EQ(part.DoGetTextTime(0.1, 1), "0.1");

    // An empty dial, or a dial of another kind, gives nothing.
    EXPECT_EQ(part.DoGetTextMagniTime(0.1, 1), "");
    part.m_dialMagniCurrent = ThreeValues();
    part.m_dialMagniCurrent.m_nKind = 4;
    EXPECT_EQ(part.DoGetTextMagniCurrent(0.1, 1), "");
    part.m_dialMagniCurrent.m_nKind = 3;
    EXPECT_EQ(part.DoGetTextMagniCurrent(0.3, 1), "0.2");
}

TEST(ReadPart, CurrentShownAsMultiple) {
    CReadPart part;
    part.m_dialCurrent.m_nKind = 3;
    part.m_dialCurrent.m_strUnit = "xIn";
    AddValue(part.m_dialCurrent, 5, "80", 80);
    AddValue(part.m_dialCurrent, 5, "90", 90);
    EXPECT_EQ(part.DoGetTextCurrent(90, 1), "90(xIn)");
    part.m_bDispCurrentMulti = 1;
    EXPECT_EQ(part.DoGetTextCurrent(90, 1), "0.9(xIn)");
    // A fixed dial keeps its names even when shown as multiples.
    part.m_dialCurrent.m_nKind = 2;
    EXPECT_EQ(part.DoGetTextCurrent(80, 0), "80xIn");
}

TEST(ReadPart, OwnsItsCurvesAndCopiesThemDeeply) {
    CReadPartList parts;
    CReadPart* part = parts.DoAddNewReadPart();
    CReadCurve* curve = part->m_listReadCurve.DoAddNewReadCurve();
    curve->m_listPoint.DoAddNewPoint()->m_dX = 7;
    CReadPartList copy;
    copy.DoCopyAllReadParts(parts);
    curve->m_listPoint.GetHead()->m_dX = 8;
    EXPECT_EQ(copy.GetHead()->m_listReadCurve.GetHead()->m_listPoint.GetHead()->m_dX, 7);
    parts.DoDeleteAllReadParts();
    EXPECT_TRUE(parts.IsEmpty());
}

TEST(ReadBase, CopyCarriesTheDials) {
    CReadBase base;
    base.m_dialRated = ThreeValues();
    base.m_dMaxRatedValue = 30;
    CReadBase copy = base;
    EXPECT_EQ(copy.m_dialRated.m_listValue.GetCount(), 3);
    EXPECT_EQ(copy.m_dMaxRatedValue, 30);
}

TEST(ReadCoordination, TextGetters) {
    CReadCoordination row;
    row.m_dP = 7.5;
    row.m_dI = 15.2;
    row.m_dRatedCurrent = 32;
    row.m_dTripCurrent = 0;
    row.m_dCu = 2.5;
    row.m_dIe = -1;
    row.m_dRangeMin = 12;
    row.m_dRangeMax = 18;
    row.m_dOrdering = 15;
    EXPECT_EQ(row.DoGetTextMotorCapacity(1), "7.5kW");
    EXPECT_EQ(row.DoGetTextMotorCapacity(0), "7.5");
    EXPECT_EQ(row.DoGetTextMotorCurrent(1), "15.2A");
    EXPECT_EQ(row.DoGetTextLVCBRatedCurrent(1), "32A");
    EXPECT_EQ(row.DoGetTextLVCBTripCurrent(1), "");
    EXPECT_EQ(row.DoGetTextWireSize(1), "2.5mm\xc2\xb2");
    EXPECT_EQ(row.DoGetTextWireCurrent(1), "");
    EXPECT_EQ(row.DoGetTextThermalRated(), "12-18 (15A)");
    CReadCoordination zero;
    EXPECT_EQ(zero.DoGetTextThermalRated(), "0-0 (0A)");
}
