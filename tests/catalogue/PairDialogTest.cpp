// The Cascade and Discrimination dialogs' event tables on the real
// databases: each row from a start state, with the conditions, the lists,
// the value and Search afterwards.

#include "catalogue/dialogs/CDlgPairSearch.h"
#include "catalogue/model/CZedezuziDocData.h"
#include "catalogue/model/ZedezuziIds.h"

#include "tests/catalogue/CatalogueTestSupport.h"
#include "tests/catalogue/DialogTestSupport.h"
#include "tests/common/MessageCapture.h"

#include "breakerdata/recordsets/CRSBreak_Group.h"
#include "breakerdata/recordsets/CRSBreak_Type.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

using namespace cattest;

const char* const kMCB = "Miniature circuit breakers";
const char* const kMCCB = "Moulded-case circuit breakers";

// The back-up pairs of KVM-6 (type 101) at 415 V: under KVC-125S 15 kA,
// KVC-125H 25 kA, KVC-250S 20 kA, KVC-250H 30 kA; at 230 V 25, 36, 30, 50 kA.

class PairDialogTest : public ::testing::Test {
public:
    // A dialog on a new document's conditions: 400 V, 3 poles, the given
    // mode and value, the upstream side in group 2 and the downstream side
    // in group 1, with types when asked.
    template <class Dlg>
    std::unique_ptr<Dlg> Open(int mode, double value, int32_t upType, int32_t downType) {
        CZedezuziDocData d;
        d.DoSetDefaults(m_db.m_pBreaker, m_db.m_pList, ProgramVersion());
        auto dlg = std::make_unique<Dlg>(m_db.m_pBreaker, m_db.m_pList);
        dlg->m_InfoBaseUp = d.m_InfoBaseCascadeUp;
        dlg->m_InfoBaseDown = d.m_InfoBaseCascadeDown;
        CRSBreak_Group(m_db.m_pBreaker).DoReadByManuGroupID(1, 2, &dlg->m_InfoBaseUp);
        CRSBreak_Group(m_db.m_pBreaker).DoReadByManuGroupID(1, 1, &dlg->m_InfoBaseDown);
        if (upType > 0)
            SetType(dlg->m_InfoBaseUp, upType);
        if (downType > 0)
            SetType(dlg->m_InfoBaseDown, downType);
        dlg->m_nMode = mode;
        dlg->m_dValue = value;
        dlg->m_nPoles = 3;
        dlg->OnInitDialog();
        return dlg;
    }
    void SetType(CInfoBase& side, int32_t type) {
        CInfoBase read;
        CRSBreak_Type(m_db.m_pBreaker).DoReadByTypeID(type, &read, nullptr, 1);
        side.m_lTypeID = read.m_lTypeID;
        side.m_strTypeName = read.m_strTypeName;
    }

protected:
    CDatabases m_db;
    tvtest::MessageCapture m_messages;
};

struct PairCase {
    const char* name;
    std::function<std::unique_ptr<CDlgPairSearch>(PairDialogTest&)> start;
    std::function<void(CDlgPairSearch&)> action;
    std::function<void(CDlgPairSearch&)> check;
};

QComboBox* UpTypes(CDlgPairSearch& d) {
    return Combo(&d, zzid::IDC_TYPE_UP);
}
QComboBox* DownTypes(CDlgPairSearch& d) {
    return Combo(&d, zzid::IDC_TYPE_DOWN);
}
QComboBox* Value(CDlgPairSearch& d) {
    return Combo(&d, zzid::IDC_ICU_BACK);
}

TEST_F(PairDialogTest, CascadeEventTable) {
    auto mode1 = [](PairDialogTest& t) { return t.Open<CDlgCascade>(1, 15000, 0, 0); };
    auto mode1Zero = [](PairDialogTest& t) { return t.Open<CDlgCascade>(1, 0, 0, 0); };
    auto mode2 = [](PairDialogTest& t) { return t.Open<CDlgCascade>(2, 0, 124, 0); };
    auto mode3 = [](PairDialogTest& t) { return t.Open<CDlgCascade>(3, 0, 124, 101); };
    const std::vector<PairCase> cases = {
        {"mode 1 opens with an empty upstream list and Search off", mode1, [](CDlgPairSearch&) {},
         [](CDlgPairSearch& d) {
             EXPECT_EQ(UpTypes(d)->count(), 0);
             EXPECT_GT(DownTypes(d)->count(), 0);
             EXPECT_TRUE(Radio(&d, zzid::IDC_MODE1)->isChecked());
             EXPECT_FALSE(Radio(&d, zzid::IDC_MODE3_CASCADE)->isChecked());
             EXPECT_EQ(searchdlg::Text(Value(d)), "15");
             EXPECT_FALSE(d.IsSearchEnabled());
         }},
        {"mode 1: a downstream type with a value lists its upstream partners", mode1,
         [](CDlgPairSearch& d) { Pick(DownTypes(d), "KVM-6"); },
         [](CDlgPairSearch& d) {
             EXPECT_EQ(d.m_InfoBaseDown.m_lTypeID, 101);
             EXPECT_EQ(Items(UpTypes(d)),
                       (std::vector<std::string>{"KVC-125S", "KVC-125H", "KVC-250S", "KVC-250H"}));
             EXPECT_EQ(UpTypes(d)->currentIndex(), -1);
             EXPECT_TRUE(d.IsSearchEnabled());
         }},
        {"mode 1: a value of 0 lists nothing on the type pick", mode1Zero,
         [](CDlgPairSearch& d) { Pick(DownTypes(d), "KVM-6"); },
         [](CDlgPairSearch& d) {
             EXPECT_EQ(UpTypes(d)->count(), 0);
             EXPECT_TRUE(d.IsSearchEnabled());
         }},
        {"mode 1: a higher value leaves the partners that reach it", mode1,
         [](CDlgPairSearch& d) {
             Pick(DownTypes(d), "KVM-6");
             Pick(Value(d), "25");
         },
         [](CDlgPairSearch& d) {
             EXPECT_EQ(d.m_dValue, 25000.0);
             EXPECT_EQ(Items(UpTypes(d)), (std::vector<std::string>{"KVC-125H", "KVC-250H"}));
         }},
        {"mode 2 lists the downstream partners of the upstream type", mode2,
         [](CDlgPairSearch& d) { Pick(Combo(&d, zzid::IDC_ICU_BACK), "15"); },
         [](CDlgPairSearch& d) {
             EXPECT_EQ(Selected(UpTypes(d)), "KVC-125S");
             // Under KVC-125S at 415 V: KVM-6 15 kA, KVM-10 20 kA.
             EXPECT_EQ(Items(DownTypes(d)), (std::vector<std::string>{"KVM-6", "KVM-10"}));
             EXPECT_TRUE(d.IsSearchEnabled());
         }},
        {"mode 3 needs both types and shows the pair's value", mode3, [](CDlgPairSearch&) {},
         [](CDlgPairSearch& d) {
             EXPECT_EQ(Selected(UpTypes(d)), "KVC-125S");
             EXPECT_EQ(Selected(DownTypes(d)), "KVM-6");
             EXPECT_TRUE(Radio(&d, zzid::IDC_MODE3_CASCADE)->isChecked());
             EXPECT_TRUE(d.IsSearchEnabled());
         }},
        {"mode 3: another upstream type looks the value up", mode3,
         [](CDlgPairSearch& d) { Pick(UpTypes(d), "KVC-125H"); },
         [](CDlgPairSearch& d) {
             EXPECT_EQ(d.m_dValue, 25000.0);
             EXPECT_EQ(searchdlg::Text(Value(d)), "25");
         }},
        {"mode 3: a voltage change empties the value and looks it up again", mode3,
         [](CDlgPairSearch& d) {
             Pick(UpTypes(d), "KVC-125H");
             Pick(Combo(&d, zzid::IDC_VOLTAGE), "230");
         },
         [](CDlgPairSearch& d) {
             EXPECT_EQ(d.m_InfoBaseUp.m_nVoltage, 230);
             EXPECT_EQ(d.m_InfoBaseDown.m_nVoltage, 230);
             EXPECT_EQ(d.m_dValue, 36000.0);
             EXPECT_EQ(searchdlg::Text(Value(d)), "36");
         }},
        {"mode 3: a pair without a row leaves the value empty", mode3,
         [](CDlgPairSearch& d) { Pick(UpTypes(d), "KVC-32S"); },
         [](CDlgPairSearch& d) {
             EXPECT_EQ(d.m_dValue, 0.0);
             EXPECT_EQ(searchdlg::Text(Value(d)), "");
         }},
        {"the radio of the mode in force does nothing", mode3,
         [](CDlgPairSearch& d) { Radio(&d, zzid::IDC_MODE3_CASCADE)->click(); },
         [](CDlgPairSearch& d) {
             EXPECT_EQ(d.m_nMode, 3);
             EXPECT_TRUE(Radio(&d, zzid::IDC_MODE3_CASCADE)->isChecked());
             EXPECT_EQ(d.m_InfoBaseUp.m_lTypeID, 124);
         }},
        {"radio mode 1 drops the upstream type and lists its partners", mode3,
         [](CDlgPairSearch& d) { Radio(&d, zzid::IDC_MODE1)->click(); },
         [](CDlgPairSearch& d) {
             EXPECT_EQ(d.m_nMode, 1);
             EXPECT_TRUE(Radio(&d, zzid::IDC_MODE1)->isChecked());
             EXPECT_FALSE(Radio(&d, zzid::IDC_MODE3_CASCADE)->isChecked());
             EXPECT_EQ(d.m_InfoBaseUp.m_lTypeID, 0);
             // No bound on the value: every partner of KVM-6 at 400 V.
             EXPECT_EQ(Items(UpTypes(d)).size(), 4u);
             EXPECT_TRUE(d.IsSearchEnabled());
         }},
        {"radio mode 2 drops the downstream type", mode3,
         [](CDlgPairSearch& d) { Radio(&d, zzid::IDC_MODE2)->click(); },
         [](CDlgPairSearch& d) {
             EXPECT_EQ(d.m_InfoBaseDown.m_lTypeID, 0);
             EXPECT_EQ(Items(DownTypes(d)), (std::vector<std::string>{"KVM-6", "KVM-10"}));
             EXPECT_TRUE(d.IsSearchEnabled());
         }},
        {"a negative value disables Search, 0 leaves it to the mode", mode3,
         [](CDlgPairSearch& d) {
             Type(Value(d), "-1");
             EXPECT_FALSE(d.IsSearchEnabled());
             Type(Value(d), "0");
         },
         [](CDlgPairSearch& d) { EXPECT_TRUE(d.IsSearchEnabled()); }},
        {"an upstream kind drops its type", mode3,
         [](CDlgPairSearch& d) {
             Pick(Combo(&d, zzid::IDC_KIND_UP), "Electronic moulded-case circuit breakers");
         },
         [](CDlgPairSearch& d) {
             EXPECT_EQ(d.m_InfoBaseUp.m_lGroupID, 3);
             EXPECT_EQ(d.m_InfoBaseUp.m_lTypeID, 0);
             EXPECT_FALSE(d.IsSearchEnabled());
         }},
        {"poles picked refill the lists and drop types not listed", mode3,
         [](CDlgPairSearch& d) { Pick(Combo(&d, zzid::IDC_POLES), "1"); },
         [](CDlgPairSearch& d) {
             EXPECT_EQ(d.m_nPoles, 1);
             // No moulded-case type has one pole.
             EXPECT_EQ(UpTypes(d)->count(), 0);
             EXPECT_EQ(d.m_InfoBaseUp.m_lTypeID, 0);
             EXPECT_FALSE(d.IsSearchEnabled());
         }},
    };
    for (const PairCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<CDlgPairSearch> d = c.start(*this);
        c.action(*d);
        c.check(*d);
    }
    EXPECT_EQ(m_messages.Count(), 0u);
}

TEST_F(PairDialogTest, StoredTypeMissingFromItsListIsDroppedExceptOnTheSearchedSide) {
    // A stored upstream type that its group does not list.
    auto d = std::make_unique<CDlgCascade>(m_db.m_pBreaker, m_db.m_pList);
    CZedezuziDocData doc;
    doc.DoSetDefaults(m_db.m_pBreaker, m_db.m_pList, ProgramVersion());
    d->m_InfoBaseUp = doc.m_InfoBaseCascadeUp;
    CRSBreak_Group(m_db.m_pBreaker).DoReadByManuGroupID(1, 2, &d->m_InfoBaseUp);
    d->m_InfoBaseUp.m_lTypeID = 9999;
    d->m_InfoBaseUp.m_strTypeName = "Gone";
    d->m_nMode = 3;
    d->OnInitDialog();
    EXPECT_EQ(d->m_InfoBaseUp.m_lTypeID, 0);
    EXPECT_EQ(d->m_InfoBaseUp.m_strTypeName, "");
}

TEST_F(PairDialogTest, DiscriminationFindsTheIsOfAPairInTheTable) {
    // KVM-6 under KVC-125S: the first discrimination row of the pair at or
    // above 400 V is the 415 V row of 6 A under 16 A, Is 190 A; the
    // selections carry no rated current, which the table's rows would need.
    auto d = Open<CDlgSelective>(3, 0, 124, 0);
    Pick(Combo(d.get(), zzid::IDC_TYPE_DOWN), "KVM-6");
    EXPECT_EQ(d->m_dIs, 190.0);
    EXPECT_EQ(searchdlg::Text(Combo(d.get(), zzid::IDC_IS)), "0.19");
    EXPECT_TRUE(d->IsSearchEnabled());
    // Rated currents left in the selections by an older document do not
    // keep the pair from being found.
    d->m_InfoBaseUp.m_dRatedValue = 999;
    d->m_InfoBaseDown.m_dRatedValue = 999;
    Pick(Combo(d.get(), zzid::IDC_TYPE_UP), "KVC-125H");
    Pick(Combo(d.get(), zzid::IDC_TYPE_UP), "KVC-125S");
    EXPECT_EQ(d->m_dIs, 190.0);
    EXPECT_EQ(fw::GetControlId(d.get()), zzid::IDD_SELECTIVE);
    EXPECT_EQ(d->windowTitle().toStdString(), "Discrimination");
    EXPECT_EQ(Radio(d.get(), zzid::IDC_MODE3_SELECTIVE)->text().toStdString(),
              "know Is of any combination.");
}

TEST_F(PairDialogTest, DiscriminationModeOneListsUpstreamPartnersByIs) {
    auto d = Open<CDlgSelective>(1, 0, 0, 101);
    Pick(Combo(d.get(), zzid::IDC_IS), "0.19");
    EXPECT_EQ(d->m_dIs, 190.0);
    // KVM-6 is discriminated from KVC-125S (the only discrimination partner
    // in its group at 400 V).
    EXPECT_EQ(Items(Combo(d.get(), zzid::IDC_TYPE_UP)), (std::vector<std::string>{"KVC-125S"}));
}

} // namespace
