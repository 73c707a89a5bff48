// A device of each kind read end to end from the reference databases: the
// database defaults of a selection, then the reference records rebuilt for
// that selection as a loaded document would, with the curves.

#include "breakerdata/model/CInfoBase.h"
#include "breakerdata/model/CInfoPart.h"
#include "breakerdata/model/CReadBase.h"
#include "breakerdata/model/CReadPart.h"

#include "framework/Archive.h"
#include "framework/Database.h"
#include "framework/ProgramFolder.h"
#include "tests/common/MessageCapture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class ReadingChain : public ::testing::Test {
protected:
    ReadingChain() {
        m_breaker.Open(fw::GetProgramFolder() + "dorventa.mdb");
        m_curves.Open(fw::GetProgramFolder() + "orbelune.mdb");
    }

    // A selection of a kind, as the element models start one.
    static CInfoBase Fresh(int kindFlag, int32_t typeID = 0) {
        CInfoBase info;
        info.m_nKindFlag = kindFlag;
        info.m_lTypeID = typeID;
        info.m_nVoltage = 400;
        return info;
    }

    // What a document keeps of a device, stored and read back.
    struct Stored {
        CInfoBase info;
        CInfoPartList settings;
    };
    static Stored StoreAndLoad(CInfoBase& info, CInfoPartList& settings) {
        fw::CArchive out = fw::CArchive::ForStoring();
        info.Serialize(out);
        settings.Serialize(out);
        fw::CArchive in = fw::CArchive::ForLoading(out.Bytes());
        Stored s;
        s.info.Serialize(in);
        s.settings.Serialize(in);
        return s;
    }

    // Rebuilds the references of a stored device and reads its curves;
    // returns the parts.
    void Rebuild(Stored& s, CReadBase& base, CReadPartList& parts) {
        int32_t rated = base.DoReadReadBase(&m_breaker, &s.info);
        ASSERT_GT(rated, 0);
        EXPECT_EQ(base.m_bIsRead, 1);
        ASSERT_EQ(parts.DoReadAllReadParts(&m_breaker, s.info.m_lBreakRatedID, &s.settings),
                  s.settings.GetCount());
        EXPECT_EQ(parts.DoReadAllCurveInfos(&m_breaker, &m_curves, &s.settings),
                  s.settings.GetCount());
    }

    static std::vector<std::string> Names(const CReadDial& dial) {
        std::vector<std::string> names;
        for (const auto& v : dial.m_listValue)
            names.push_back(v->m_strName);
        return names;
    }

    fw::CDatabase m_breaker;
    fw::CDatabase m_curves;
    tvtest::MessageCapture m_messages;
};

} // namespace

TEST_F(ReadingChain, AirCircuitBreakerWithThreeTripElements) {
    CInfoBase info = Fresh(2, 172); // KVA-16N
    CReadBase base;
    int32_t rated = info.DoReadDefaultByTypeID(&m_breaker, &base, 0);
    EXPECT_EQ(rated, 120);
    EXPECT_EQ(info.m_strTypeName, "KVA-16N");
    EXPECT_EQ(info.m_lManufactureID, 1);
    EXPECT_EQ(info.m_lGroupID, 4);
    EXPECT_EQ(info.m_lOpeKindID, 24);
    EXPECT_EQ(info.m_strRatedName, "1600");
    EXPECT_EQ(info.m_dRatedValue, 1600.0);
    EXPECT_EQ(info.m_dMagniValue, 1.0);
    EXPECT_EQ(base.m_dialRated.m_nKind, 2);
    EXPECT_EQ(Names(base.m_dialRated), (std::vector<std::string>{"800", "1000", "1250", "1600"}));
    EXPECT_EQ(base.m_dRatedValue, 1600.0);
    EXPECT_EQ(base.m_dMaxRatedValue, 1600.0);
    EXPECT_EQ(base.m_dialMagni.m_nKind, 2);
    EXPECT_EQ(base.m_dialMagni.m_listValue.GetCount(), 8);

    CInfoPartList settings;
    CReadPartList parts;
    ASSERT_EQ(settings.DoReadDefaultAllInfoPart(&m_breaker, rated, &parts), 3);
    EXPECT_EQ(parts.GetAt(0)->m_strElementName, "Long time");
    EXPECT_EQ(parts.GetAt(1)->m_strElementName, "Short time");
    EXPECT_EQ(parts.GetAt(2)->m_strElementName, "Instantaneous");
    EXPECT_EQ(settings.GetAt(0)->m_lDialCharID, 323);
    EXPECT_EQ(settings.GetAt(0)->m_dTime, 10.0);
    EXPECT_EQ(settings.GetAt(1)->m_dCurrent, 600.0);
    EXPECT_EQ(settings.GetAt(1)->m_dTime, 0.2);
    EXPECT_EQ(settings.GetAt(2)->m_dCurrent, 1200.0);
    EXPECT_EQ(parts.GetAt(1)->DoGetTextCurrent(600.0, 1), "6(xIr)");
    info.m_nLVCBCode = 13;
    EXPECT_EQ(info.IsOkSetCurveInfo(), 1);

    Stored s = StoreAndLoad(info, settings);
    CReadBase base2;
    CReadPartList parts2;
    Rebuild(s, base2, parts2);
    EXPECT_EQ(base2.m_dRatedValue, 1600.0);
    EXPECT_EQ(Names(base2.m_dialRated), Names(base.m_dialRated));
    EXPECT_EQ(base2.m_dialMagni.m_listValue.GetCount(), 8);
    ASSERT_EQ(parts2.GetCount(), 3);
    // The short-time element carries a curve per time setting.
    EXPECT_EQ(parts2.GetAt(1)->m_listReadCurve.GetCount(), 12);
    const CReadCurve* longTime = parts2.GetAt(0)->m_listReadCurve.GetHead();
    ASSERT_NE(longTime, nullptr);
    EXPECT_EQ(longTime->m_lCurveHeaderID, 12);
    EXPECT_EQ(longTime->m_listPoint.GetCount(), 18);
    EXPECT_EQ(longTime->m_lStdVoltage2, 400);
    EXPECT_EQ(parts2.GetAt(2)->m_listReadCurve.GetHead()->m_dInstX > 0, true);
    EXPECT_EQ(m_messages.Count(), 0u);
}

TEST_F(ReadingChain, MouldedCaseBreakerWithFixedRatingFromTheDefaults) {
    CInfoBase info = Fresh(2);
    CReadBase base;
    int32_t rated = info.DoReadDefaultInfoBase(&m_breaker, &base, 0);
    EXPECT_EQ(rated, 64);
    EXPECT_EQ(info.m_strManufactureName, "KESTRAVAL");
    EXPECT_EQ(info.m_strGroupName, "Moulded-case circuit breakers");
    EXPECT_EQ(info.m_nLVCBCode, 11);
    EXPECT_EQ(info.m_strTypeName, "KVC-125S");
    EXPECT_EQ(info.m_dRatedValue, 100.0);
    EXPECT_EQ(base.m_dialRated.m_listValue.GetCount(), 10);
    EXPECT_EQ(base.m_dMaxRatedValue, 125.0);
    EXPECT_EQ(base.m_dialMagni.m_nKind, 0);
    EXPECT_EQ(info.IsOkSetCurveInfo(), 1);

    CInfoPartList settings;
    CReadPartList parts;
    ASSERT_EQ(settings.DoReadDefaultAllInfoPart(&m_breaker, rated, &parts), 2);

    Stored s = StoreAndLoad(info, settings);
    CReadBase base2;
    CReadPartList parts2;
    Rebuild(s, base2, parts2);
    EXPECT_EQ(parts2.GetAt(0)->m_listReadCurve.GetCount(), 3);
    EXPECT_EQ(parts2.GetAt(1)->m_listReadCurve.GetHead()->m_lCurveHeaderID, 10);
    EXPECT_EQ(m_messages.Count(), 0u);
}

TEST_F(ReadingChain, RelayWithContinuousDialsAndAFormulaCurve) {
    CInfoBase info = Fresh(1);
    CReadBase base;
    int32_t rated = info.DoReadDefaultInfoBase(&m_breaker, &base, 0);
    EXPECT_EQ(rated, 187);
    EXPECT_EQ(info.m_strTypeName, "KOR-D1");
    EXPECT_EQ(info.m_dRatedValue, 5.0);
    EXPECT_EQ(base.m_bUseOpenTime, 1);

    CInfoPartList settings;
    CReadPartList parts;
    ASSERT_EQ(settings.DoReadDefaultAllInfoPart(&m_breaker, rated, &parts), 2);
    // The inverse-time element: a continuous time dial 0.05 to 1 by 0.05.
    const CReadDial& time = parts.GetAt(0)->m_dialTime;
    EXPECT_EQ(time.m_nKind, 3);
    ASSERT_EQ(time.m_listValue.GetCount(), 20);
    EXPECT_EQ(time.m_listValue.GetHead()->m_strName, "0.05");
    EXPECT_EQ(time.m_listValue.GetTail()->m_strName, "1.00");
    EXPECT_EQ(settings.GetAt(0)->m_dTime, 0.5);
    // The instantaneous element: a continuous multiplier-current dial.
    EXPECT_EQ(parts.GetAt(1)->m_dialMagniCurrent.m_nKind, 3);
    EXPECT_EQ(settings.GetAt(1)->m_dMagniCurrent, 50.0);

    Stored s = StoreAndLoad(info, settings);
    CReadBase base2;
    CReadPartList parts2;
    Rebuild(s, base2, parts2);
    // The formula curve comes without points and without a warning.
    const CReadCurveList& curves = parts2.GetAt(0)->m_listReadCurve;
    ASSERT_EQ(curves.GetCount(), 2);
    EXPECT_EQ(curves.GetAt(0)->m_listPoint.GetCount(), 18);
    EXPECT_EQ(curves.GetAt(1)->m_bSaveFormula, 1);
    EXPECT_TRUE(curves.GetAt(1)->m_listPoint.IsEmpty());
    EXPECT_EQ(m_messages.Count(), 0u);
}

TEST_F(ReadingChain, ThermalRelayWithMixedRating) {
    CInfoBase info = Fresh(3);
    CReadBase base;
    int32_t rated = info.DoReadDefaultInfoBase(&m_breaker, &base, 0);
    EXPECT_EQ(rated, 200);
    EXPECT_EQ(info.m_strTypeName, "KTH-12");
    EXPECT_EQ(info.m_strRatedName, "4-6");
    EXPECT_EQ(info.m_dRatedValue, 5.0);
    EXPECT_EQ(base.m_dialRated.m_nKind, 4);
    EXPECT_EQ(Names(base.m_dialRated),
              (std::vector<std::string>{"4.0", "4.5", "5.0", "5.5", "6.0"}));
    EXPECT_EQ(base.m_dRatedValue, 5.0);
    EXPECT_EQ(base.m_dMaxRatedValue, 6.0);

    CInfoPartList settings;
    CReadPartList parts;
    ASSERT_EQ(settings.DoReadDefaultAllInfoPart(&m_breaker, rated, &parts), 1);
    EXPECT_EQ(settings.GetHead()->m_strCharacterName, "Class 10A");

    // A setting moved within the range is kept as it is.
    info.m_dRatedValue = 5.5;
    Stored s = StoreAndLoad(info, settings);
    CReadBase base2;
    CReadPartList parts2;
    Rebuild(s, base2, parts2);
    EXPECT_EQ(s.info.m_dRatedValue, 5.5);
    EXPECT_EQ(Names(base2.m_dialRated), Names(base.m_dialRated));
    EXPECT_EQ(parts2.GetHead()->m_listReadCurve.GetHead()->m_listPoint.GetCount(), 15);
    EXPECT_EQ(m_messages.Count(), 0u);
}

TEST_F(ReadingChain, ContactorStopsAtItsType) {
    CInfoBase info = Fresh(4);
    CReadBase base;
    EXPECT_EQ(info.DoReadDefaultInfoBase(&m_breaker, &base, 0), 0);
    EXPECT_EQ(info.m_strTypeName, "KCT-25");
    EXPECT_EQ(info.m_lGroupID, 13);
    EXPECT_EQ(info.m_lOpeKindID, 0);
    EXPECT_EQ(info.m_lBreakRatedID, 0);
    EXPECT_EQ(info.IsOkSetCurveInfo(), 1);

    CReadBase base2;
    EXPECT_EQ(base2.DoReadReadBase(&m_breaker, &info), 0);
    EXPECT_EQ(base2.m_bIsRead, 0);
    EXPECT_EQ(m_messages.Count(), 0u);
}

TEST_F(ReadingChain, ReadBaseOnceLoadedIsNotReadAgain) {
    CInfoBase info = Fresh(2, 124);
    CReadBase base;
    ASSERT_EQ(info.DoReadDefaultByTypeID(&m_breaker, &base, 0), 64);
    CReadBase rebuilt;
    ASSERT_EQ(rebuilt.DoReadReadBase(&m_breaker, &info), 64);
    rebuilt.m_dialRated.m_listValue.DoDeleteAllReadValues();
    EXPECT_EQ(rebuilt.DoReadReadBase(&m_breaker, &info), info.m_lBreakRatedID);
    EXPECT_TRUE(rebuilt.m_dialRated.m_listValue.IsEmpty());
}

TEST_F(ReadingChain, ByMaxRatedValuePicksTheRatingOfTheValue) {
    CInfoBase info = Fresh(2, 172);
    CReadBase base;
    EXPECT_EQ(info.DoReadByMaxRatedValue(&m_breaker, 1000.0, &base, 0), 118);
    EXPECT_EQ(info.m_dRatedValue, 1000.0);
    EXPECT_EQ(Names(base.m_dialRated), (std::vector<std::string>{"1000"}));

    tvtest::MessageCapture capture;
    CInfoBase none = Fresh(2, 172);
    EXPECT_EQ(none.DoReadByMaxRatedValue(&m_breaker, 999.0, &base, 0), 0);
    ASSERT_EQ(capture.Count(), 1u);
    EXPECT_EQ(capture.Last().text,
              "\"0.000000\" can not found on \"Break_Rated\" of \"dorventa.mdb\".");
}
