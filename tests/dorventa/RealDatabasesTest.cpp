// The breaker and curve databases built beside the programs: they open
// against the program's version record, every recordset reads its rows, in
// the orders and with the default rules the program relies on.

#include "breakerdata/model/CReadCapacity.h"
#include "breakerdata/model/CReadCurve.h"
#include "breakerdata/model/CdPointList.h"
#include "breakerdata/recordsets/CRSBreak_Capacity.h"
#include "breakerdata/recordsets/CRSBreak_Cascade.h"
#include "breakerdata/recordsets/CRSBreak_Coordination.h"
#include "breakerdata/recordsets/CRSBreak_Element.h"
#include "breakerdata/recordsets/CRSBreak_Group.h"
#include "breakerdata/recordsets/CRSBreak_MPEI2t.h"
#include "breakerdata/recordsets/CRSBreak_MPLTC.h"
#include "breakerdata/recordsets/CRSBreak_Magni.h"
#include "breakerdata/recordsets/CRSBreak_OpeKind.h"
#include "breakerdata/recordsets/CRSBreak_Poles.h"
#include "breakerdata/recordsets/CRSBreak_Rated.h"
#include "breakerdata/recordsets/CRSBreak_Selective.h"
#include "breakerdata/recordsets/CRSBreak_Type.h"
#include "breakerdata/recordsets/CRSBreak_TypeLVCB.h"
#include "breakerdata/recordsets/CRSBreak_Version.h"
#include "breakerdata/recordsets/CRSCurve_Header.h"
#include "breakerdata/recordsets/CRSCurve_Point.h"
#include "breakerdata/recordsets/CRSCurve_Standard.h"
#include "breakerdata/recordsets/CRSCurve_Version.h"
#include "breakerdata/recordsets/CRSDial_Character.h"
#include "breakerdata/recordsets/CRSDial_Current.h"
#include "breakerdata/recordsets/CRSDial_MagniCurrent.h"
#include "breakerdata/recordsets/CRSDial_MagniTime.h"
#include "breakerdata/recordsets/CRSDial_Time.h"
#include "breakerdata/recordsets/CRSMPEI2t_Curve.h"
#include "breakerdata/recordsets/CRSMPLTC_Curve.h"
#include "breakerdata/recordsets/CRSManufacture.h"
#include "breakerdata/recordsets/CVersion.h"
#include "breakerdata/recordsets/DorventaDatabases.h"
#include "breakerdata/recordsets/RecordsetFrame.h"
#include "framework/Combo.h"
#include "tests/common/MessageCapture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

CVersion Program() {
    CVersion v;
    v.m_strCountry = "Japan";
    v.m_strMaker = "KESTRAVAL";
    v.m_strProduct = "TOVARINE2";
    v.m_strVersion = "1.20";
    v.m_strLanguage = "English";
    v.m_strMdbVersion = "1.52";
    return v;
}

class RealDatabases : public ::testing::Test {
protected:
    void SetUp() override {
        CVersion expected = Program();
        m_reading = Program();
        m_breaker = DLLGetMDBDorventa(&expected, &m_reading);
        m_curve = DLLGetMDBOrbelune(&expected);
        ASSERT_NE(m_breaker, nullptr);
        ASSERT_NE(m_curve, nullptr);
    }
    void TearDown() override {
        DLLDelMDBDorventa(m_breaker);
        DLLDelMDBOrbelune(m_curve);
        EXPECT_EQ(m_messages.Count(), 0u);
    }
    tvtest::MessageCapture m_messages;
    CVersion m_reading;
    fw::CDatabase* m_breaker = nullptr;
    fw::CDatabase* m_curve = nullptr;
};

template <class RS> int CountRows(fw::CDatabase* db, const char* condition = nullptr) {
    RS rs(db);
    if (condition)
        rs.AddFilterCondition(condition);
    int n = 0;
    rs.Open();
    while (!rs.IsEOF()) {
        ++n;
        rs.MoveNext();
    }
    return n;
}

template <class R, class RS, class M> std::vector<M> Column(R& rs, M RS::*member) {
    std::vector<M> values;
    rs.Open();
    while (!rs.IsEOF()) {
        values.push_back(rs.*member);
        rs.MoveNext();
    }
    rs.Close();
    return values;
}

const char* kTypeJoin = "[Break_Info].[lTypeID] = [Break_Type].[lTypeID]";
const char* kTypeViewJoin = "[Break_Info].[lTypeID] = [Break_Type].[lTypeID] AND "
                            "[Break_Poles].[lTypeID] = [Break_Type].[lTypeID] AND "
                            "[Break_Capacity].[lTypeID] = [Break_Type].[lTypeID] AND "
                            "[Break_OpeKind].[lTypeID] = [Break_Type].[lTypeID] AND "
                            "[Break_Rated].[lOpeKindID] = [Break_OpeKind].[lOpeKindID]";
const char* kCascadeJoin = "[Break_Type].[lTypeID] = [Break_Cascade].[lTypeID] AND "
                           "[Break_Info].[lTypeID] = [Break_Type].[lTypeID] AND "
                           "[Break_Capacity].[lTypeID] = [Break_Type].[lTypeID]";
const char* kSelectiveJoin = "[Break_Type].[lTypeID] = [Break_Selective].[lTypeID] AND "
                             "[Break_Info].[lTypeID] = [Break_Type].[lTypeID] AND "
                             "[Break_Capacity].[lTypeID] = [Break_Type].[lTypeID]";

} // namespace

TEST_F(RealDatabases, TheBreakerDatabaseHandsOnItsLocationAndVersion) {
    EXPECT_FALSE(m_reading.m_strLocation.empty());
    EXPECT_EQ(m_reading.m_strMdbVersion.substr(0, 4), "1.52");
    EXPECT_EQ(m_reading.m_strVersion, "1.20");
}

TEST(RealDatabasesVersion, AProgramOfAnotherDatabaseVersionIsRefused) {
    tvtest::MessageCapture messages;
    CVersion expected = Program();
    expected.m_strMdbVersion = "1.53";
    EXPECT_EQ(DLLGetMDBDorventa(&expected, nullptr), nullptr);
    EXPECT_EQ(DLLGetMDBOrbelune(&expected), nullptr);
    ASSERT_EQ(messages.Count(), 2u);
    EXPECT_NE(messages.Messages()[0].text.find("dorventa.mdb(Ver1.52English)"), std::string::npos);
    EXPECT_NE(messages.Messages()[1].text.find("orbelune.mdb(Ver1.52)"), std::string::npos);
    // Another language is refused by the breaker database only.
    expected = Program();
    expected.m_strLanguage = "German";
    EXPECT_EQ(DLLGetMDBDorventa(&expected, nullptr), nullptr);
    fw::CDatabase* curve = DLLGetMDBOrbelune(&expected);
    EXPECT_NE(curve, nullptr);
    DLLDelMDBOrbelune(curve);
}

TEST_F(RealDatabases, EveryRecordsetClassReadsItsRows) {
    struct Case {
        const char* name;
        std::function<int()> count;
    };
    fw::CDatabase* b = m_breaker;
    fw::CDatabase* c = m_curve;
    const Case cases[] = {
        {"Manufacture", [&] { return CountRows<CRSManufacture>(b); }},
        {"Break_Group", [&] { return CountRows<CRSBreak_Group>(b); }},
        {"Break_Type", [&] { return CountRows<CRSBreak_Type>(b, kTypeJoin); }},
        {"Break_TypeLVCB", [&] { return CountRows<CRSBreak_TypeLVCB>(b, kTypeViewJoin); }},
        {"Break_OpeKind", [&] { return CountRows<CRSBreak_OpeKind>(b); }},
        {"Break_Rated", [&] { return CountRows<CRSBreak_Rated>(b); }},
        {"Break_Magni", [&] { return CountRows<CRSBreak_Magni>(b); }},
        {"Break_Element", [&] { return CountRows<CRSBreak_Element>(b); }},
        {"Dial_Character", [&] { return CountRows<CRSDial_Character>(b); }},
        {"Dial_Current", [&] { return CountRows<CRSDial_Current>(b); }},
        {"Dial_MagniCurrent", [&] { return CountRows<CRSDial_MagniCurrent>(b); }},
        {"Dial_Time", [&] { return CountRows<CRSDial_Time>(b); }},
        {"Dial_MagniTime", [&] { return CountRows<CRSDial_MagniTime>(b); }},
        {"Curve_Standard", [&] { return CountRows<CRSCurve_Standard>(b); }},
        {"Break_Poles", [&] { return CountRows<CRSBreak_Poles>(b); }},
        {"Break_Capacity", [&] { return CountRows<CRSBreak_Capacity>(b); }},
        {"Break_Cascade", [&] { return CountRows<CRSBreak_Cascade>(b, kCascadeJoin); }},
        {"Break_Selective", [&] { return CountRows<CRSBreak_Selective>(b, kSelectiveJoin); }},
        {"Break_Coordination", [&] { return CountRows<CRSBreak_Coordination>(b); }},
        {"Break_MPLTC", [&] { return CountRows<CRSBreak_MPLTC>(b); }},
        {"Break_MPEI2t", [&] { return CountRows<CRSBreak_MPEI2t>(b); }},
        {"Version (breaker)", [&] { return CountRows<CRSBreak_Version>(b); }},
        {"Curve_Header", [&] { return CountRows<CRSCurve_Header>(c); }},
        {"Curve_Point", [&] { return CountRows<CRSCurve_Point>(c); }},
        {"MPLTC_Curve",
         [&] {
             return CountRows<CRSMPLTC_Curve>(
                 c, "[MPLTC_Header].[lHeaderID] = [MPLTC_Point].[lHeaderID]");
         }},
        {"MPEI2t_Curve",
         [&] {
             return CountRows<CRSMPEI2t_Curve>(
                 c, "[MPEI2t_Header].[lHeaderID] = [MPEI2t_Point].[lHeaderID]");
         }},
        {"Version (curve)", [&] { return CountRows<CRSCurve_Version>(c); }},
    };
    for (const Case& k : cases) {
        int n = 0;
        try {
            n = k.count();
        } catch (const fw::CDbException& e) {
            ADD_FAILURE() << k.name << ": " << e.what();
        }
        EXPECT_GT(n, 0) << k.name;
    }
}

TEST_F(RealDatabases, ARecordsetWithoutADatabaseOpensTheOneBesideTheProgram) {
    EXPECT_EQ(CountRows<CRSManufacture>(nullptr), CountRows<CRSManufacture>(m_breaker));
    EXPECT_EQ(CountRows<CRSCurve_Header>(nullptr), CountRows<CRSCurve_Header>(m_curve));
    EXPECT_EQ(CountRows<CRSCurve_Version>(nullptr), 1);
}

TEST_F(RealDatabases, RowsComeInTheOrderOfEachTable) {
    CRSManufacture makers(m_breaker);
    std::vector<std::string> names = Column(makers, &CRSManufacture::m_sManuName);
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end(), [](const auto& a, const auto& b) {
        return std::lexicographical_compare(
            a.begin(), a.end(), b.begin(), b.end(),
            [](char x, char y) { return std::tolower(x) < std::tolower(y); });
    }));
    CRSBreak_Group groups(m_breaker);
    auto codes = Column(groups, &CRSBreak_Group::m_nLVCBCode);
    EXPECT_TRUE(std::is_sorted(codes.begin(), codes.end()));
    CRSBreak_OpeKind kinds(m_breaker);
    kinds.m_strSort = "[sOpeKindName]";
    auto kindIds = Column(kinds, &CRSBreak_OpeKind::m_lOpeKindID);
    EXPECT_TRUE(std::adjacent_find(kindIds.begin(), kindIds.end(), std::greater_equal<>()) ==
                kindIds.end());
    CRSBreak_Element elements(m_breaker);
    auto classes = Column(elements, &CRSBreak_Element::m_nClassNumber);
    EXPECT_TRUE(std::is_sorted(classes.begin(), classes.end()));
    CRSBreak_Magni magni(m_breaker);
    auto magniValues = Column(magni, &CRSBreak_Magni::m_dFixedValue);
    EXPECT_TRUE(std::is_sorted(magniValues.begin(), magniValues.end()));
    CRSDial_Current current(m_breaker);
    auto currentValues = Column(current, &CRSDial_Current::m_dFixedValue);
    EXPECT_TRUE(std::is_sorted(currentValues.begin(), currentValues.end()));
    CRSDial_Time time(m_breaker);
    auto timeValues = Column(time, &CRSDial_Time::m_dFixedValue);
    EXPECT_TRUE(std::is_sorted(timeValues.begin(), timeValues.end()));
    // Table order: the order the rows were written in, which is id order.
    CRSDial_Character chars(m_breaker);
    auto charIds = Column(chars, &CRSDial_Character::m_lDialCharID);
    EXPECT_TRUE(std::is_sorted(charIds.begin(), charIds.end()));
    CRSBreak_Poles poles(m_breaker);
    auto poleIds = Column(poles, &CRSBreak_Poles::m_lPolesID);
    EXPECT_TRUE(std::is_sorted(poleIds.begin(), poleIds.end()));
}

namespace {

struct Filled {
    int32_t result = 0;
    int copies = 0;
};

template <class RS>
Filled FillDefault(RS& rs, fw::IComboBox* box, const std::string& text, const int32_t& id) {
    Filled f;
    f.result =
        dorventa::DoReadSetDefaultRows(rs, box, 1, text, id, rs.m_bIsDefault, [&] { ++f.copies; });
    return f;
}

} // namespace

TEST_F(RealDatabases, TheDefaultMakerIsTheProgramsOwn) {
    CRSManufacture rs(m_breaker);
    fw::CMemoryCombo box;
    EXPECT_EQ(FillDefault(rs, &box, rs.m_sManuName, rs.m_lManufactureID).result, 1);
    EXPECT_EQ(box.GetCount(), 3);
    ASSERT_GE(box.GetCurSel(), 0);
    EXPECT_EQ(box.GetItemData(box.GetCurSel()), 1);
    EXPECT_EQ(FillDefault(rs, nullptr, rs.m_sManuName, rs.m_lManufactureID).result, 1);
}

TEST_F(RealDatabases, OfSeveralDefaultRowsTheBoxTakesTheLastAndNoBoxTheFirst) {
    // Every maker and kind has a default group: the whole table holds many.
    CRSBreak_Group rs(m_breaker);
    std::vector<int32_t> defaults;
    std::string lastDefaultName;
    std::vector<int32_t> ids;
    rs.Open();
    while (!rs.IsEOF()) {
        ids.push_back(rs.m_lGroupID);
        if (rs.m_bIsDefault == 1) {
            defaults.push_back(rs.m_lGroupID);
            lastDefaultName = rs.m_sGroupName;
        }
        rs.MoveNext();
    }
    rs.Close();
    ASSERT_GE(defaults.size(), 2u);

    fw::CMemoryCombo box;
    Filled withBox = FillDefault(rs, &box, rs.m_sGroupName, rs.m_lGroupID);
    EXPECT_EQ(withBox.result, defaults.back());
    EXPECT_EQ(withBox.copies, static_cast<int>(defaults.size()));
    ASSERT_EQ(box.GetCount(), static_cast<int>(ids.size()));
    // The later default's text is selected (the first entry of that text).
    ASSERT_GE(box.GetCurSel(), 0);
    EXPECT_EQ(box.GetCurSel(), box.FindStringExact(-1, lastDefaultName));

    Filled noBox = FillDefault(rs, nullptr, rs.m_sGroupName, rs.m_lGroupID);
    EXPECT_EQ(noBox.result, defaults.front());
    EXPECT_EQ(noBox.copies, 1);
}

TEST_F(RealDatabases, AMakerWithoutDefaultGivesZeroAndNoSelection) {
    struct Maker : CRSManufacture {
        using CRSManufacture::CRSManufacture;
        using CRSManufacture::DoSetFilterManufacture;
    } rs(m_breaker);
    rs.DoSetFilterManufacture(2);
    EXPECT_EQ(FillDefault(rs, nullptr, rs.m_sManuName, rs.m_lManufactureID).result, 0);
    fw::CMemoryCombo box;
    EXPECT_EQ(FillDefault(rs, &box, rs.m_sManuName, rs.m_lManufactureID).result, 0);
    EXPECT_EQ(box.GetCount(), 1);
    EXPECT_EQ(box.GetCurSel(), -1);
}

TEST_F(RealDatabases, CapacitiesOfATypeAtAVoltage) {
    // A miniature breaker (plain columns) and a moulded-case breaker rated by
    // JIS C 8201 (CZF-100), whose capacities are judged on its JIS values.
    struct Case {
        int32_t type;
        bool jis;
    };
    for (const Case& c : {Case{101, false}, Case{701, true}}) {
        CRSBreak_Capacity rs(m_breaker);
        CReadCapacityList list;
        ASSERT_GE(rs.DoReadByTypeID(c.type, &list), 2);
        std::vector<int32_t> volts;
        bool anyJIS = false;
        for (const auto& row : list) {
            volts.push_back(row->m_lVoltage);
            anyJIS = anyJIS || row->m_lIcsJIS8201 > 0;
        }
        EXPECT_TRUE(std::is_sorted(volts.begin(), volts.end()));
        EXPECT_EQ(anyJIS, c.jis);

        double ics = 0, icu = 0, iq = 0;
        int32_t found =
            rs.DoReadByTypeVolt(c.type, 400, &ics, &icu, &iq, nullptr, nullptr, nullptr);
        ASSERT_GE(found, 400) << c.type;
        const CReadCapacity* row = nullptr;
        for (const auto& r : list)
            if (!row && r->m_lVoltage == found)
                row = r.get();
        ASSERT_TRUE(row);
        if (c.jis) {
            EXPECT_EQ((std::vector<double>{ics, icu, iq}),
                      (std::vector<double>{1.0 * row->m_lIcsJIS8201, 1.0 * row->m_lIcuJIS8201,
                                           1.0 * row->m_lIqJIS8201}));
        } else {
            EXPECT_EQ(
                (std::vector<double>{ics, icu, iq}),
                (std::vector<double>{1.0 * row->m_lIcs, 1.0 * row->m_lIcu, 1.0 * row->m_lIq}));
        }
        EXPECT_GT(icu, 0.0);
        // Above every table voltage there is nothing.
        EXPECT_EQ(rs.DoReadByTypeVolt(c.type, volts.back() + 1, &ics, nullptr, nullptr, nullptr,
                                      nullptr, nullptr),
                  0);
    }

    fw::CMemoryCombo box;
    CRSBreak_Capacity all(m_breaker);
    int added = all.DoReadSetListCapacity(&box);
    EXPECT_GT(added, 3);
    for (int i = 1; i < box.GetCount(); ++i)
        EXPECT_LT(box.GetItemData(i - 1), box.GetItemData(i));
    EXPECT_EQ(box.GetLBText(0), DLLGetTextByBeams(box.GetItemData(0) / 1000.0, 0));
}

TEST_F(RealDatabases, EveryStandardCurveHasItsHeaderAndRisingPointsOrAFormula) {
    CRSCurve_Standard standards(m_breaker);
    auto headers = Column(standards, &CRSCurve_Standard::m_lCurveHeaderID);
    ASSERT_FALSE(headers.empty());
    std::sort(headers.begin(), headers.end());
    headers.erase(std::unique(headers.begin(), headers.end()), headers.end());
    for (int32_t header : headers) {
        CRSCurve_Header h(m_curve);
        CReadCurve curve;
        EXPECT_EQ(h.DoReadByCurveHeaderID(header, &curve), 1) << header;
        EXPECT_NE(curve.m_nCurveKind, 0) << header;
        CRSCurve_Point p(m_curve);
        CdPointList points;
        double instX = 0;
        int n = p.DoReadByCurveHeaderID(header, &points, &instX);
        // A curve kept as a formula has no points of its own.
        if (curve.m_bSaveFormula == 1) {
            EXPECT_FALSE(curve.m_strFormula.empty()) << header;
        } else {
            EXPECT_GE(n, 2) << header;
        }
        double lastX = 0;
        for (const auto& point : points) {
            EXPECT_GE(point->m_dX, lastX) << header;
            lastX = point->m_dX;
        }
    }
}

TEST_F(RealDatabases, TheLimitingCurvesFollowTheCircuitVoltage) {
    struct Case {
        int32_t voltage;
        int32_t found; // 0: no curve
    };
    const Case cases[] = {{230, 240}, {240, 240}, {400, 415}, {415, 415}, {440, 0}};
    for (const Case& c : cases) {
        CRSBreak_MPLTC ltc(m_breaker);
        CdPointList ltcPoints;
        int32_t ltcFound = 0;
        int n = ltc.DoReadByRatedValue(m_curve, 101, c.voltage, 10.0, &ltcPoints, &ltcFound);
        EXPECT_EQ(n > 0, c.found > 0) << c.voltage;
        EXPECT_EQ(ltcFound, c.found) << c.voltage;
        EXPECT_EQ(ltcPoints.GetCount(), n);

        CRSBreak_MPEI2t i2t(m_breaker);
        CdPointList i2tPoints;
        int32_t i2tFound = 0;
        n = i2t.DoReadByRatedValue(m_curve, 101, c.voltage, 10.0, &i2tPoints, &i2tFound);
        EXPECT_EQ(n > 0, c.found > 0) << c.voltage;
        EXPECT_EQ(i2tFound, c.found) << c.voltage;
    }
}
