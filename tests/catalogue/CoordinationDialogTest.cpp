// The co-ordination dialog's event table on the breaker database (with two
// starter rows added to a copy of it: thermal settings whose ordering values
// are 0.16 A and 2.5 A).

#include "catalogue/dialogs/CDlgCoordination.h"
#include "catalogue/model/ZedezuziIds.h"

#include "tests/catalogue/CatalogueTestSupport.h"
#include "tests/catalogue/DialogTestSupport.h"
#include "tests/common/MessageCapture.h"

#include "breakerdata/recordsets/CRSBreak_Type.h"
#include "framework/Database.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

using namespace cattest;

// Type 1 rows of the table by motor output (kW: breaker type and rating,
// contactor, thermal relay and its ordering value), as the data files hold
// them: 0.37 and 0.55 KVR-32 2.5 KCT-9 KTH-12 1.3; 0.75 KVR-32 2.5 KCT-9
// KTH-12 2.0; 1.1 and 1.5 KVR-32 4 KCT-9 KTH-12 3.2; ... 5.5 KVR-32 16 KCT-12
// KTH-12 11; 7.5 KVR-32 16 KCT-18 KTH-32 15; 11 KVR-32 25 KCT-25 KTH-32 21.
// The copy adds 0.04 kW KVR-32 0.5 KCT-9 KTH-12 0.16 (0.1-0.25 A) and
// 0.2 kW KVR-32 2.5 KCT-9 KTH-12 2.5 (2-3 A).
const char* const kExtraRows =
    "INSERT INTO [Break_Coordination] ([lCoordinationID], [lLVCBTypeID], [nType], "
    "[bIsDefault], [lVoltage], [dP], [dI], [dRatedCurrent], [dTripCurrent], "
    "[lContactorTypeID], [lThermalTypeID], [dRangeMin], [dRangeMax], [dOrdering], [dCu], "
    "[nNumber], [dIe]) VALUES "
    "(9001, 191, 1, 0, 400, 0.04, 0.13, 0.5, 6.5, 481, 401, 0.1, 0.25, 0.16, 1.5, 1, 0.25), "
    "(9002, 191, 1, 0, 400, 0.2, 2.3, 2.5, 32.5, 481, 401, 2.0, 3.0, 2.5, 1.5, 1, 3.0);";

class CoordinationDialogTest : public ::testing::Test {
public:
    void SetUp() override {
        m_db.Open(CopyBreakerDatabase(m_dir.path().toStdString(), kExtraRows));
    }
    // A dialog of type 1 starting from the mode's component: motor output;
    // breaker type and rating; contactor; thermal relay and ordering value.
    std::unique_ptr<CDlgCoordination> Open(int mode, double motor = 0, int32_t lvcb = 0,
                                           double rated = 0, int32_t contactor = 0,
                                           int32_t thermal = 0, double ordering = 0) {
        auto d = std::make_unique<CDlgCoordination>(&m_db);
        d->m_nCoordType = 1;
        d->m_nMode = mode;
        d->m_dMotorOutput = motor;
        SetType(d->m_InfoBaseLVCB, lvcb);
        d->m_InfoBaseLVCB.m_dRatedValue = rated;
        SetType(d->m_InfoBaseContactor, contactor);
        SetType(d->m_InfoBaseThermal, thermal);
        d->m_InfoBaseThermal.m_dRatedValue = ordering;
        d->OnInitDialog();
        return d;
    }
    void SetType(CInfoBase& selection, int32_t type) {
        if (type > 0)
            CRSBreak_Type(&m_db).DoReadByTypeID(type, &selection, nullptr, 1);
    }

protected:
    QTemporaryDir m_dir;
    fw::CDatabase m_db;
    tvtest::MessageCapture m_messages;
};

QComboBox* Box(CDlgCoordination& d, unsigned id) {
    return Combo(&d, id);
}

bool OnlyModeChecked(CDlgCoordination& d, int mode) {
    const unsigned ids[] = {zzid::IDC_COORD_MODE1, zzid::IDC_COORD_MODE2, zzid::IDC_COORD_MODE3,
                            zzid::IDC_COORD_MODE4};
    for (int i = 0; i < 4; ++i) {
        if (Radio(&d, ids[i])->isChecked() != (i + 1 == mode))
            return false;
    }
    return true;
}

struct CoordCase {
    const char* name;
    std::function<std::unique_ptr<CDlgCoordination>(CoordinationDialogTest&)> start;
    std::function<void(CDlgCoordination&)> action;
    std::function<void(CDlgCoordination&)> check;
};

TEST_F(CoordinationDialogTest, EveryRowOfTheEventTable) {
    auto noMotor = [](CoordinationDialogTest& t) { return t.Open(1); };
    auto motor = [](CoordinationDialogTest& t) { return t.Open(1, 7.5); };
    auto byBreaker = [](CoordinationDialogTest& t) { return t.Open(2, 0, 191, 2.5); };
    auto byThermal = [](CoordinationDialogTest& t) { return t.Open(4, 0, 0, 0, 0, 401, 2.0); };
    const std::vector<CoordCase> cases = {
        {"opening without a motor output leaves Search off", noMotor, [](CDlgCoordination&) {},
         [](CDlgCoordination& d) {
             EXPECT_FALSE(d.IsSearchEnabled());
             EXPECT_TRUE(Radio(&d, zzid::IDC_COORD_TYPE1)->isChecked());
             EXPECT_TRUE(OnlyModeChecked(d, 1));
             EXPECT_GT(Box(d, zzid::IDC_COORD_MOTOR)->count(), 0);
             EXPECT_EQ(Box(d, zzid::IDC_COORD_LVCB_TYPE)->count(), 0);
         }},
        {"opening by motor output lists the row's components, first selected", motor,
         [](CDlgCoordination&) {},
         [](CDlgCoordination& d) {
             EXPECT_TRUE(d.IsSearchEnabled());
             EXPECT_EQ(Selected(Box(d, zzid::IDC_COORD_MOTOR)), "7.5");
             EXPECT_EQ(Items(Box(d, zzid::IDC_COORD_LVCB_TYPE)),
                       (std::vector<std::string>{"KVR-32"}));
             EXPECT_EQ(Selected(Box(d, zzid::IDC_COORD_LVCB_RATED)), "16");
             EXPECT_EQ(Selected(Box(d, zzid::IDC_COORD_CONTACTOR)), "KCT-18");
             EXPECT_EQ(Selected(Box(d, zzid::IDC_COORD_THERMAL_TYPE)), "KTH-32");
             EXPECT_EQ(Selected(Box(d, zzid::IDC_COORD_THERMAL_RATED)), "12-18 (15A)");
             EXPECT_EQ(d.m_InfoBaseLVCB.m_lTypeID, 191);
             EXPECT_EQ(d.m_InfoBaseLVCB.m_dRatedValue, 16.0);
             EXPECT_EQ(d.m_InfoBaseContactor.m_strTypeName, "KCT-18");
             EXPECT_EQ(d.m_InfoBaseThermal.m_dRatedValue, 15.0);
         }},
        {"motor output picked: fill 1, mode 1, Search on", noMotor,
         [](CDlgCoordination& d) { Pick(Box(d, zzid::IDC_COORD_MOTOR), "11"); },
         [](CDlgCoordination& d) {
             EXPECT_EQ(d.m_dMotorOutput, 11.0);
             EXPECT_EQ(d.m_nMode, 1);
             EXPECT_TRUE(OnlyModeChecked(d, 1));
             EXPECT_EQ(Selected(Box(d, zzid::IDC_COORD_CONTACTOR)), "KCT-25");
             EXPECT_TRUE(d.IsSearchEnabled());
         }},
        {"a breaker type alone does not enable Search", noMotor,
         [](CDlgCoordination& d) {
             Radio(&d, zzid::IDC_COORD_MODE2)->click();
             Pick(Box(d, zzid::IDC_COORD_LVCB_TYPE), "KVR-32");
         },
         [](CDlgCoordination& d) {
             EXPECT_EQ(d.m_InfoBaseLVCB.m_lTypeID, 191);
             EXPECT_EQ(d.m_nMode, 2);
             EXPECT_TRUE(OnlyModeChecked(d, 2));
             // Its ratings in the table, rising.
             EXPECT_EQ(
                 Items(Box(d, zzid::IDC_COORD_LVCB_RATED)),
                 (std::vector<std::string>{"0.5", "2.5", "4", "6.3", "10", "16", "25", "32"}));
             EXPECT_EQ(Box(d, zzid::IDC_COORD_MOTOR)->count(), 0);
             EXPECT_FALSE(d.IsSearchEnabled());
         }},
        {"a rating for it does, listing a motor per row and the others once", noMotor,
         [](CDlgCoordination& d) {
             Radio(&d, zzid::IDC_COORD_MODE2)->click();
             Pick(Box(d, zzid::IDC_COORD_LVCB_TYPE), "KVR-32");
             Pick(Box(d, zzid::IDC_COORD_LVCB_RATED), "2.5");
         },
         [](CDlgCoordination& d) {
             EXPECT_EQ(d.m_InfoBaseLVCB.m_dRatedValue, 2.5);
             EXPECT_EQ(Items(Box(d, zzid::IDC_COORD_MOTOR)),
                       (std::vector<std::string>{"0.2", "0.37", "0.55", "0.75"}));
             EXPECT_EQ(Items(Box(d, zzid::IDC_COORD_CONTACTOR)),
                       (std::vector<std::string>{"KCT-9"}));
             EXPECT_EQ(Items(Box(d, zzid::IDC_COORD_THERMAL_RATED)),
                       (std::vector<std::string>{"2-3 (2.5A)", "1-1.6 (1.3A)", "1.6-2.5 (2A)"}));
             EXPECT_EQ(d.m_dMotorOutput, 0.2);
             EXPECT_TRUE(d.IsSearchEnabled());
         }},
        {"contactor picked: fill 3 with breaker ratings once", noMotor,
         [](CDlgCoordination& d) {
             Radio(&d, zzid::IDC_COORD_MODE3)->click();
             Pick(Box(d, zzid::IDC_COORD_CONTACTOR), "KCT-12");
         },
         [](CDlgCoordination& d) {
             EXPECT_EQ(d.m_nMode, 3);
             EXPECT_TRUE(OnlyModeChecked(d, 3));
             EXPECT_EQ(Items(Box(d, zzid::IDC_COORD_MOTOR)), (std::vector<std::string>{"5.5"}));
             EXPECT_EQ(Items(Box(d, zzid::IDC_COORD_LVCB_RATED)), (std::vector<std::string>{"16"}));
             EXPECT_TRUE(d.IsSearchEnabled());
         }},
        {"the mode radio in force does nothing", byBreaker,
         [](CDlgCoordination& d) { Radio(&d, zzid::IDC_COORD_MODE2)->click(); },
         [](CDlgCoordination& d) {
             EXPECT_EQ(d.m_nMode, 2);
             EXPECT_TRUE(OnlyModeChecked(d, 2));
             EXPECT_EQ(Box(d, zzid::IDC_COORD_MOTOR)->count(), 4);
         }},
        {"Type2 keeps the mode and reads the rows of type 2", byBreaker,
         [](CDlgCoordination& d) { Radio(&d, zzid::IDC_COORD_TYPE2)->click(); },
         [](CDlgCoordination& d) {
             EXPECT_EQ(d.m_nCoordType, 2);
             EXPECT_EQ(d.m_nMode, 2);
             EXPECT_TRUE(Radio(&d, zzid::IDC_COORD_TYPE2)->isChecked());
             EXPECT_FALSE(Radio(&d, zzid::IDC_COORD_TYPE1)->isChecked());
             // Type 2 starters take a contactor of at least 12 A.
             EXPECT_EQ(Items(Box(d, zzid::IDC_COORD_CONTACTOR)),
                       (std::vector<std::string>{"KCT-12"}));
             EXPECT_EQ(Items(Box(d, zzid::IDC_COORD_MOTOR)),
                       (std::vector<std::string>{"0.37", "0.55", "0.75"}));
         }},
        {"the thermal relay already current does nothing", motor,
         [](CDlgCoordination& d) { Pick(Box(d, zzid::IDC_COORD_THERMAL_TYPE), "KTH-32"); },
         [](CDlgCoordination& d) {
             EXPECT_EQ(d.m_nMode, 1);
             EXPECT_EQ(Box(d, zzid::IDC_COORD_MOTOR)->count() > 0, true);
         }},
        {"a setting with item data 25 is the ordering value 2.5, then shown selected", byThermal,
         [](CDlgCoordination& d) { Pick(Box(d, zzid::IDC_COORD_THERMAL_RATED), "2-3 (2.5A)"); },
         [](CDlgCoordination& d) {
             EXPECT_EQ(d.m_InfoBaseThermal.m_dRatedValue, 2.5);
             EXPECT_EQ(Selected(Box(d, zzid::IDC_COORD_THERMAL_RATED)), "2-3 (2.5A)");
             EXPECT_EQ(Items(Box(d, zzid::IDC_COORD_MOTOR)), (std::vector<std::string>{"0.2"}));
             EXPECT_EQ(Items(Box(d, zzid::IDC_COORD_LVCB_RATED)),
                       (std::vector<std::string>{"2.5A"}));
             EXPECT_TRUE(OnlyModeChecked(d, 4));
             EXPECT_TRUE(d.IsSearchEnabled());
         }},
        {"a setting of 0.16 A is kept exactly and finds its row", byThermal,
         [](CDlgCoordination& d) {
             Pick(Box(d, zzid::IDC_COORD_THERMAL_RATED), "0.1-0.25 (0.16A)");
         },
         [](CDlgCoordination& d) {
             EXPECT_EQ(d.m_InfoBaseThermal.m_dRatedValue, 0.16);
             EXPECT_EQ(Selected(Box(d, zzid::IDC_COORD_THERMAL_RATED)), "0.1-0.25 (0.16A)");
             EXPECT_EQ(Items(Box(d, zzid::IDC_COORD_MOTOR)), (std::vector<std::string>{"0.04"}));
         }},
    };
    for (const CoordCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<CDlgCoordination> d = c.start(*this);
        c.action(*d);
        c.check(*d);
    }
    EXPECT_EQ(m_messages.Count(), 0u);
}

TEST_F(CoordinationDialogTest, ThermalTypePickedListsItsSettingsAndEmptiesTheOthers) {
    auto d = Open(4, 0, 0, 0, 0, 401, 2.0);
    Pick(Box(*d, zzid::IDC_COORD_THERMAL_TYPE), "KTH-32");
    EXPECT_EQ(d->m_InfoBaseThermal.m_lTypeID, 402);
    EXPECT_EQ(d->m_nMode, 4);
    EXPECT_TRUE(OnlyModeChecked(*d, 4));
    EXPECT_EQ(Items(Box(*d, zzid::IDC_COORD_THERMAL_RATED)),
              (std::vector<std::string>{"12-18 (15A)", "17-25 (21A)", "23-32 (28A)"}));
    for (unsigned id : {zzid::IDC_COORD_MOTOR, zzid::IDC_COORD_LVCB_TYPE,
                        zzid::IDC_COORD_LVCB_RATED, zzid::IDC_COORD_CONTACTOR})
        EXPECT_EQ(Box(*d, id)->count(), 0) << id;
    // The settings' exact values ride with them.
    EXPECT_EQ(d->GetSettingOrdering(1), 21.0);
}

TEST_F(CoordinationDialogTest, OpeningByThermalRelaySelectsTheExactSetting) {
    auto d = Open(4, 0, 0, 0, 0, 401, 0.16);
    EXPECT_EQ(Selected(Box(*d, zzid::IDC_COORD_THERMAL_RATED)), "0.1-0.25 (0.16A)");
    EXPECT_EQ(Items(Box(*d, zzid::IDC_COORD_MOTOR)), (std::vector<std::string>{"0.04"}));
    EXPECT_FALSE(d->IsSearchEnabled()); // no motor output stored
}

} // namespace
