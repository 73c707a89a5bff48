// The breaker records kept in project documents: their stored bytes, their
// rules and the owning lists they live in.

#include "breakerdata/model/CInfoBase.h"
#include "breakerdata/model/CInfoLine.h"
#include "breakerdata/model/CInfoPart.h"
#include "breakerdata/model/CdPoint.h"
#include "breakerdata/model/CdPointList.h"
#include "tests/common/HexFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

using fw::CArchive;
using fw::CArchiveException;

namespace {

// Builds the bytes a record is expected to have, field by field.
class Bytes {
public:
    Bytes& I32(int32_t v) { return Raw(&v, 4); }
    Bytes& U16(uint16_t v) { return Raw(&v, 2); }
    Bytes& U8(uint8_t v) { return Raw(&v, 1); }
    Bytes& F64(double v) { return Raw(&v, 8); }
    // The counted string of 8-bit characters.
    Bytes& Str(const std::string& s) {
        if (s.size() < 255) {
            U8(static_cast<uint8_t>(s.size()));
        } else {
            U8(255);
            U16(static_cast<uint16_t>(s.size()));
        }
        return Raw(s.data(), s.size());
    }
    // The 16-bit-character form: 255, 0xFFFE, then the length and the units.
    Bytes& Wide(const std::u16string& s) {
        U8(255);
        U16(0xFFFE);
        U8(static_cast<uint8_t>(s.size()));
        for (char16_t c : s)
            U16(static_cast<uint16_t>(c));
        return *this;
    }
    Bytes& Raw(const void* p, size_t n) {
        const auto* b = static_cast<const uint8_t*>(p);
        m_bytes.insert(m_bytes.end(), b, b + n);
        return *this;
    }
    const std::vector<uint8_t>& Get() const { return m_bytes; }

private:
    std::vector<uint8_t> m_bytes;
};

template <class T> std::vector<uint8_t> Store(T& record) {
    CArchive ar = CArchive::ForStoring();
    record.Serialize(ar);
    return ar.Bytes();
}

CInfoBase FilledInfoBase() {
    CInfoBase b;
    b.m_lManufactureID = 1;
    b.m_strManufactureName = "Halvery";
    b.m_lGroupID = 12;
    b.m_strGroupName = "Air circuit breakers";
    b.m_nKindFlag = 2;
    b.m_nLVCBCode = 20;
    b.m_lTypeID = 345;
    b.m_strTypeName = std::string(300, 'T'); // needs the 16-bit length prefix
    b.m_lOpeKindID = 77;
    b.m_strOpeKindName = "Electronic";
    b.m_lBreakRatedID = 901;
    b.m_strRatedName = "1600A";
    b.m_dRatedValue = 1600.0;
    b.m_dMagniValue = 0.5;
    b.m_nVoltage = 400;
    b.m_bUseCT = 1;
    b.m_nCT1Current = 2000;
    b.m_nCT2Current = 5;
    b.m_bUseDivisor = 1;
    b.m_nDivisor = 3;
    b.m_nExtraA[0] = 11;
    b.m_nExtraA[1] = 12;
    b.m_nExtraA[2] = 13;
    b.m_dExtraA = 1.25;
    b.m_nExtraB[0] = -1;
    b.m_nExtraB[1] = 22;
    b.m_nExtraB[2] = 23;
    b.m_dExtraB = -2.5;
    return b;
}

std::vector<uint8_t> Fixture(const char* name) {
    return tvtest::ReadHexFixture(std::string("dorventa/fixtures/") + name);
}

template <class T> T Load(const std::vector<uint8_t>& bytes) {
    CArchive in = CArchive::ForLoading(bytes);
    T record;
    record.Serialize(in);
    EXPECT_EQ(in.Remaining(), 0u);
    return record;
}

// The values written into fixtures/CInfoBase_edited.hex.
CInfoBase FixtureInfoBase() {
    CInfoBase b;
    b.m_lManufactureID = 1;
    b.m_strManufactureName = "Ka";
    b.m_lGroupID = 12;
    b.m_strGroupName = "ACB";
    b.m_nKindFlag = 2;
    b.m_nLVCBCode = 20;
    b.m_lTypeID = 345;
    b.m_strTypeName = "T1";
    b.m_lOpeKindID = 77;
    b.m_strOpeKindName = "E";
    b.m_lBreakRatedID = 901;
    b.m_strRatedName = "1600A";
    b.m_dRatedValue = 1600.0;
    b.m_dMagniValue = 0.5;
    b.m_nVoltage = 400;
    b.m_bUseCT = 1;
    b.m_nCT1Current = 2000;
    b.m_nCT2Current = 5;
    b.m_bUseDivisor = 1;
    b.m_nDivisor = 3;
    b.m_nExtraA[0] = 11;
    b.m_nExtraA[1] = 12;
    b.m_nExtraA[2] = 13;
    b.m_dExtraA = 1.25;
    b.m_nExtraB[0] = -1;
    b.m_nExtraB[1] = 22;
    b.m_nExtraB[2] = 23;
    b.m_dExtraB = -2.5;
    return b;
}

void ExpectSameInfoBase(const CInfoBase& a, const CInfoBase& b) {
    EXPECT_EQ(Store(const_cast<CInfoBase&>(a)), Store(const_cast<CInfoBase&>(b)));
}

} // namespace

TEST(InfoBaseRecord, MatchesTheHandWrittenRecord) {
    const std::vector<uint8_t> fixture = Fixture("CInfoBase_edited.hex");
    CInfoBase b = FixtureInfoBase();
    EXPECT_EQ(Store(b), fixture);

    CInfoBase loaded = Load<CInfoBase>(fixture);
    EXPECT_EQ(loaded.m_lManufactureID, 1);
    EXPECT_EQ(loaded.m_strManufactureName, "Ka");
    EXPECT_EQ(loaded.m_lGroupID, 12);
    EXPECT_EQ(loaded.m_strGroupName, "ACB");
    EXPECT_EQ(loaded.m_nKindFlag, 2);
    EXPECT_EQ(loaded.m_nLVCBCode, 20);
    EXPECT_EQ(loaded.m_lTypeID, 345);
    EXPECT_EQ(loaded.m_strTypeName, "T1");
    EXPECT_EQ(loaded.m_lOpeKindID, 77);
    EXPECT_EQ(loaded.m_strOpeKindName, "E");
    EXPECT_EQ(loaded.m_lBreakRatedID, 901);
    EXPECT_EQ(loaded.m_strRatedName, "1600A");
    EXPECT_EQ(loaded.m_dRatedValue, 1600.0);
    EXPECT_EQ(loaded.m_dMagniValue, 0.5);
    EXPECT_EQ(loaded.m_nVoltage, 400);
    EXPECT_EQ(loaded.m_bUseCT, 1);
    EXPECT_EQ(loaded.m_nCT1Current, 2000);
    EXPECT_EQ(loaded.m_nCT2Current, 5);
    EXPECT_EQ(loaded.m_bUseDivisor, 1);
    EXPECT_EQ(loaded.m_nDivisor, 3);
    EXPECT_EQ(loaded.m_nExtraA[0], 11);
    EXPECT_EQ(loaded.m_nExtraA[1], 12);
    EXPECT_EQ(loaded.m_nExtraA[2], 13);
    EXPECT_EQ(loaded.m_dExtraA, 1.25);
    EXPECT_EQ(loaded.m_nExtraB[0], -1);
    EXPECT_EQ(loaded.m_nExtraB[1], 22);
    EXPECT_EQ(loaded.m_nExtraB[2], 23);
    EXPECT_EQ(loaded.m_dExtraB, -2.5);
    EXPECT_EQ(Store(loaded), fixture);
}

TEST(InfoBaseRecord, NumbersTake108Bytes) {
    CInfoBase empty;
    // Five empty texts take one length byte each.
    EXPECT_EQ(Store(empty).size(), 108u + 5u);
}

TEST(InfoBaseRecord, LoadsWhatWasStored) {
    CInfoBase b = FilledInfoBase();
    CArchive in = CArchive::ForLoading(Store(b));
    CInfoBase loaded;
    loaded.Serialize(in);
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_EQ(loaded.m_strTypeName, b.m_strTypeName);
    EXPECT_EQ(loaded.m_nExtraB[0], -1);
    EXPECT_EQ(loaded.m_dExtraB, -2.5);
    ExpectSameInfoBase(loaded, b);
}

TEST(InfoBaseRecord, LoadsTheSixteenBitStringForm) {
    CInfoBase b = FilledInfoBase();
    Bytes e;
    e.I32(1).Wide(u"H\u00e4lvery \u2126").I32(12).Str("G").I32(2).I32(20).I32(345).Str("T");
    e.I32(77).Str("O").I32(901).Str("R").F64(1600.0).F64(0.5);
    for (int i = 0; i < 9; ++i)
        e.I32(i);
    e.F64(1.0).I32(0).I32(0).I32(0).F64(2.0);
    CArchive in = CArchive::ForLoading(e.Get());
    CInfoBase loaded;
    loaded.Serialize(in);
    EXPECT_EQ(loaded.m_strManufactureName, "H\xc3\xa4lvery \xe2\x84\xa6");
    EXPECT_EQ(loaded.m_lGroupID, 12);
    EXPECT_EQ(loaded.m_dExtraB, 2.0);
    EXPECT_EQ(in.Remaining(), 0u);
}

TEST(InfoBaseRecord, ATruncatedRecordIsAnArchiveError) {
    CInfoBase b = FilledInfoBase();
    std::vector<uint8_t> bytes = Store(b);
    for (size_t cut : {size_t(0), size_t(3), bytes.size() / 2, bytes.size() - 1}) {
        CArchive in =
            CArchive::ForLoading(std::vector<uint8_t>(bytes.begin(), bytes.begin() + cut));
        CInfoBase loaded;
        EXPECT_THROW(loaded.Serialize(in), CArchiveException) << "cut at " << cut;
    }
}

TEST(InfoBaseRecord, ConstructorAndCopy) {
    CInfoBase empty;
    // Every number 0 and five empty texts (a zero length byte each).
    EXPECT_EQ(Store(empty), std::vector<uint8_t>(108 + 5, 0));
    EXPECT_EQ(empty.m_nVoltage, 0);
    EXPECT_TRUE(empty.m_strRatedName.empty());
    CInfoBase copy;
    copy = FilledInfoBase();
    ExpectSameInfoBase(copy, FilledInfoBase());
}

TEST(InfoBaseRecord, IsOkSetCurveInfo) {
    struct Case {
        const char* what;
        void (*change)(CInfoBase&);
        int expected;
    };
    const Case cases[] = {
        {"complete", [](CInfoBase&) {}, 1},
        {"no voltage", [](CInfoBase& b) { b.m_nVoltage = 0; }, 0},
        {"no maker", [](CInfoBase& b) { b.m_lManufactureID = 0; }, 0},
        {"no group", [](CInfoBase& b) { b.m_lGroupID = -1; }, 0},
        {"no kind", [](CInfoBase& b) { b.m_nKindFlag = 0; }, 0},
        {"breaker without LVCB code", [](CInfoBase& b) { b.m_nLVCBCode = 0; }, 0},
        {"relay without LVCB code",
         [](CInfoBase& b) {
             b.m_nKindFlag = 1;
             b.m_nLVCBCode = 0;
         },
         1},
        {"no type", [](CInfoBase& b) { b.m_lTypeID = 0; }, 0},
        {"no operating kind", [](CInfoBase& b) { b.m_lOpeKindID = 0; }, 0},
        {"no rating", [](CInfoBase& b) { b.m_lBreakRatedID = 0; }, 0},
        {"rated value 0", [](CInfoBase& b) { b.m_dRatedValue = 0; }, 0},
        {"contactor without operating kind or rating",
         [](CInfoBase& b) {
             b.m_nKindFlag = 4;
             b.m_lOpeKindID = 0;
             b.m_lBreakRatedID = 0;
             b.m_dRatedValue = 0;
         },
         1},
        {"contactor without type",
         [](CInfoBase& b) {
             b.m_nKindFlag = 4;
             b.m_lTypeID = 0;
         },
         0},
    };
    for (const Case& c : cases) {
        CInfoBase b = FilledInfoBase();
        c.change(b);
        EXPECT_EQ(b.IsOkSetCurveInfo(), c.expected) << c.what;
    }
}

TEST(InfoBaseRecord, TextGetters) {
    CInfoBase b;
    b.m_dRatedValue = 12.5;
    b.m_nVoltage = 400;
    b.m_nCT1Current = 2000;
    EXPECT_EQ(b.DoGetTextRated(0), "12.5");
    EXPECT_EQ(b.DoGetTextRated(1), "12.5A");
    EXPECT_EQ(b.DoGetTextRated(2), "12.5");
    EXPECT_EQ(b.DoGetTextVoltage(0), "400");
    EXPECT_EQ(b.DoGetTextVoltage(1), "400V");
    EXPECT_EQ(b.DoGetTextCT1Current(), "2000");
}

TEST(InfoLineRecord, DefaultsAndTheHandWrittenRecord) {
    CInfoLine line;
    // Band flag 1, colour 0, line kind 0, width 10.
    EXPECT_EQ(Store(line), (std::vector<uint8_t>{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 10, 0, 0, 0}));
    const std::vector<uint8_t> fixture = Fixture("CInfoLine_edited.hex");
    line = Load<CInfoLine>(fixture);
    EXPECT_EQ(line.m_nBandFlag, 0);
    EXPECT_EQ(line.m_crColor, 0xFF);
    EXPECT_EQ(line.m_nLineKind, 7); // no range check
    EXPECT_EQ(line.m_nWidth, 25);
    EXPECT_EQ(line.DoGetDXFTextLineKind(), "");
    EXPECT_EQ(Store(line), fixture);
}

TEST(InfoLineRecord, DXFLineKindNames) {
    const char* names[] = {"CONTINUOUS", "DASHED", "DOT", "DASHDOT", "DIVIDE"};
    CInfoLine line;
    for (int kind = 0; kind < 5; ++kind) {
        line.m_nLineKind = kind;
        EXPECT_EQ(line.DoGetDXFTextLineKind(), names[kind]);
    }
    line.m_nLineKind = -1;
    EXPECT_EQ(line.DoGetDXFTextLineKind(), "");
}

TEST(PointRecord, MatchesTheHandWrittenRecord) {
    const std::vector<uint8_t> fixture = Fixture("CdPoint_edited.hex");
    CdPoint p(1600.0, -2.5);
    EXPECT_EQ(Store(p), fixture);
    CdPoint loaded = Load<CdPoint>(fixture);
    EXPECT_EQ(loaded.m_dX, 1600.0);
    EXPECT_EQ(loaded.m_dY, -2.5);
}

TEST(PointList, AddCopyDelete) {
    CdPointList a;
    CdPoint* p = a.DoAddNewPoint();
    EXPECT_EQ(p->m_dX, 0.0);
    EXPECT_EQ(p->m_dY, 0.0);
    p->m_dX = 1;
    a.DoAddNewPoint()->m_dX = 2;
    EXPECT_EQ(a.GetTail()->m_dX, 2);

    CdPointList b;
    b.DoAddNewPoint()->m_dX = 99;
    b.DoCopyAllPoints(a);
    ASSERT_EQ(b.GetCount(), 2);
    EXPECT_EQ(b.GetHead()->m_dX, 1);
    EXPECT_NE(b.GetHead(), a.GetHead()); // deep copies
    a.GetHead()->m_dX = 5;
    EXPECT_EQ(b.GetHead()->m_dX, 1);

    b.DoCopyAllPoints(b); // onto itself: unchanged
    EXPECT_EQ(b.GetCount(), 2);

    a.DoDeleteAllPoints();
    EXPECT_TRUE(a.IsEmpty());
    EXPECT_EQ(a.GetHead(), nullptr);
    EXPECT_EQ(b.GetAt(1)->m_dX, 2);
    EXPECT_EQ(b.GetAt(2), nullptr);
}

TEST(PointList, MovingAPointMovesItsOwner) {
    CdPointList a, b;
    a.DoAddNewPoint()->m_dX = 1;
    a.DoAddNewPoint()->m_dX = 2;
    b.AddHead(a.RemoveTail());
    EXPECT_EQ(a.GetCount(), 1);
    ASSERT_EQ(b.GetCount(), 1);
    EXPECT_EQ(b.GetHead()->m_dX, 2);
}

// The object list: the count, the first element with its class record, the
// second with a reference to that class; each element's record in place.
TEST(InfoPartList, MatchesTheHandWrittenRecord) {
    const std::vector<uint8_t> fixture = Fixture("CInfoPartList_two.hex");
    CInfoPartList list;
    CInfoPart* first = list.DoAddNewInfoPart();
    first->m_lDialCharID = 3;
    first->m_strCharacterName = "Long";
    first->m_dCurrent = 1.5;
    first->m_dMagniCurrent = 0.5;
    first->m_dTime = 10.0;
    first->m_dMagniTime = 2.0;
    first->m_nExtra[0] = 1;
    first->m_nExtra[1] = 2;
    first->m_nExtra[2] = 3;
    first->m_nExtra[3] = -1;
    first->m_dExtra = 0.25;
    CInfoPart* second = list.DoAddNewInfoPart();
    second->m_dCurrent = 100.0;
    second->m_dMagniTime = 1.0;
    second->m_dExtra = -0.0;
    EXPECT_EQ(Store(list), fixture);

    CInfoPartList loaded = Load<CInfoPartList>(fixture);
    ASSERT_EQ(loaded.GetCount(), 2);
    const CInfoPart* a = loaded.GetAt(0);
    EXPECT_EQ(a->m_lDialCharID, 3);
    EXPECT_EQ(a->m_strCharacterName, "Long");
    EXPECT_EQ(a->m_dCurrent, 1.5);
    EXPECT_EQ(a->m_dMagniCurrent, 0.5);
    EXPECT_EQ(a->m_dTime, 10.0);
    EXPECT_EQ(a->m_dMagniTime, 2.0);
    EXPECT_EQ(a->m_nExtra[0], 1);
    EXPECT_EQ(a->m_nExtra[1], 2);
    EXPECT_EQ(a->m_nExtra[2], 3);
    EXPECT_EQ(a->m_nExtra[3], -1);
    EXPECT_EQ(a->m_dExtra, 0.25);
    const CInfoPart* b = loaded.GetAt(1);
    EXPECT_EQ(b->m_lDialCharID, 0);
    EXPECT_EQ(b->m_strCharacterName, "");
    EXPECT_EQ(b->m_dCurrent, 100.0);
    EXPECT_EQ(b->m_dMagniTime, 1.0);
    EXPECT_TRUE(std::signbit(b->m_dExtra));
    EXPECT_EQ(Store(loaded), fixture);
}

TEST(InfoPartList, RepeatedOrMissingElementIsAnArchiveError) {
    CInfoPartList list;
    list.DoAddNewInfoPart();
    CArchive out = CArchive::ForStoring();
    list.Serialize(out);
    std::vector<uint8_t> bytes = out.Bytes();
    // Claim two elements and let the second refer back to the first object
    // (index 2: the class is 1, the object 2).
    bytes[0] = 2;
    std::vector<uint8_t> repeated = bytes;
    repeated.push_back(0x02);
    repeated.push_back(0x00);
    std::vector<uint8_t> missing = bytes;
    missing.push_back(0);
    missing.push_back(0);
    for (const auto& damaged : {repeated, missing}) {
        CInfoPartList loaded;
        CArchive in = CArchive::ForLoading(damaged);
        EXPECT_THROW(loaded.Serialize(in), CArchiveException);
        EXPECT_EQ(loaded.GetCount(), 1); // what was read stays, owned
    }
}

TEST(InfoBaseList, CopyIsDeep) {
    CInfoBaseList a;
    a.DoAddNewInfoBase()->m_strTypeName = "X";
    CInfoBaseList b;
    b.DoCopyAllInfoBases(a);
    a.GetHead()->m_strTypeName = "Y";
    EXPECT_EQ(b.GetHead()->m_strTypeName, "X");
    b.DoDeleteAllInfoBases();
    EXPECT_TRUE(b.IsEmpty());
}
