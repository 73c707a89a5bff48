// The "Optional" dialog's event table on the real databases: each row of the
// table from a start state, with what the conditions, the lists and Search
// show afterwards.

#include "catalogue/dialogs/CDlgCatalogue.h"
#include "catalogue/model/CZedezuziDocData.h"
#include "catalogue/model/ZedezuziIds.h"

#include "tests/catalogue/CatalogueTestSupport.h"
#include "tests/catalogue/DialogTestSupport.h"
#include "tests/common/MessageCapture.h"

#include "breakerdata/recordsets/CRSBreak_Group.h"

#include <QPushButton>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>

namespace {

using namespace cattest;

const char* const kMCCB = "Moulded-case circuit breakers";

class OptionalDialogTest : public ::testing::Test {
public:
    // The Optional conditions of a new document at 400 V and 100 A, 3 poles;
    // with a kind and type when asked.
    std::unique_ptr<CDlgCatalogue> Open(double rated, int32_t group = 0, int32_t type = 0,
                                        const char* typeName = "") {
        CZedezuziDocData d;
        d.DoSetDefaults(m_db.m_pBreaker, m_db.m_pList, ProgramVersion());
        auto dlg = std::make_unique<CDlgCatalogue>(m_db.m_pBreaker, m_db.m_pList);
        dlg->m_InfoBase = d.m_InfoBaseOptional;
        dlg->m_InfoBase.m_dRatedValue = rated;
        if (group > 0)
            CRSBreak_Group(m_db.m_pBreaker).DoReadByManuGroupID(1, group, &dlg->m_InfoBase);
        dlg->m_InfoBase.m_lTypeID = type;
        dlg->m_InfoBase.m_strTypeName = typeName;
        dlg->m_dCapacity = 0;
        dlg->m_nPoles = 3;
        dlg->OnInitDialog();
        return dlg;
    }
    QComboBox* Box(CDlgCatalogue& d, unsigned id) { return Combo(&d, id); }

protected:
    CDatabases m_db;
    tvtest::MessageCapture m_messages;
};

TEST_F(OptionalDialogTest, OpeningWithoutRatedCurrentShowsAnEmptyBoxAndNoSearch) {
    auto d = Open(0);
    EXPECT_EQ(Edit(d.get(), zzid::IDC_RATED_CURRENT)->text().toStdString(), "");
    EXPECT_FALSE(d->IsSearchEnabled());
    EXPECT_EQ(searchdlg::Text(Box(*d, zzid::IDC_VOLTAGE)), "400");
    EXPECT_EQ(Selected(Box(*d, zzid::IDC_POLES)), "3");
    EXPECT_EQ(Selected(Box(*d, zzid::IDC_MANUFACTURER)), "KESTRAVAL");
    EXPECT_EQ(Box(*d, zzid::IDC_KIND)->currentIndex(), -1);
    EXPECT_EQ(Box(*d, zzid::IDC_TYPE)->count(), 0);
    // The capacities of the whole table in kA, rising.
    std::vector<std::string> capacities = Items(Box(*d, zzid::IDC_CAPACITY));
    ASSERT_FALSE(capacities.empty());
    EXPECT_TRUE(std::is_sorted(
        capacities.begin(), capacities.end(),
        [](const std::string& a, const std::string& b) { return std::stod(a) < std::stod(b); }));
    EXPECT_EQ(Items(Box(*d, zzid::IDC_VOLTAGE)),
              (std::vector<std::string>{"100", "200", "230", "400", "415", "440", "690"}));
}

TEST_F(OptionalDialogTest, OpeningWithStoredMakerKindAndTypeShowsAllThreeAndKeepsTheType) {
    auto d = Open(100, 2, 124, "KVC-125S");
    EXPECT_EQ(Edit(d.get(), zzid::IDC_RATED_CURRENT)->text().toStdString(), "100");
    EXPECT_EQ(Selected(Box(*d, zzid::IDC_MANUFACTURER)), "KESTRAVAL");
    EXPECT_EQ(Selected(Box(*d, zzid::IDC_KIND)), kMCCB);
    EXPECT_EQ(Selected(Box(*d, zzid::IDC_TYPE)), "KVC-125S");
    EXPECT_EQ(d->m_InfoBase.m_lTypeID, 124);
    EXPECT_TRUE(d->IsSearchEnabled());
}

// One row of the event table: a start, the user's action, what follows.
struct EventCase {
    const char* name;
    std::function<std::unique_ptr<CDlgCatalogue>(OptionalDialogTest&)> start;
    std::function<void(CDlgCatalogue&)> action;
    std::function<void(CDlgCatalogue&)> check;
};

TEST_F(OptionalDialogTest, EveryRowOfTheEventTable) {
    auto withType = [](OptionalDialogTest& t) { return t.Open(100, 2, 124, "KVC-125S"); };
    auto withKind = [](OptionalDialogTest& t) { return t.Open(100, 2); };
    auto noRated = [](OptionalDialogTest& t) { return t.Open(0, 2); };
    const std::vector<EventCase> cases = {
        {"voltage picked refills the types and enables Search", withType,
         [](CDlgCatalogue& d) { Pick(Combo(&d, zzid::IDC_VOLTAGE), "230"); },
         [](CDlgCatalogue& d) {
             EXPECT_EQ(d.m_InfoBase.m_nVoltage, 230);
             EXPECT_EQ(d.m_InfoBase.m_lTypeID, 124);
             EXPECT_EQ(Selected(Combo(&d, zzid::IDC_TYPE)), "KVC-125S");
             EXPECT_TRUE(d.IsSearchEnabled());
         }},
        {"a voltage without the chosen type keeps it unselected, Search off", withType,
         [](CDlgCatalogue& d) { Type(Combo(&d, zzid::IDC_VOLTAGE), "900"); },
         [](CDlgCatalogue& d) {
             EXPECT_EQ(d.m_InfoBase.m_nVoltage, 900);
             EXPECT_EQ(d.m_InfoBase.m_lTypeID, 124);
             EXPECT_EQ(d.m_InfoBase.m_strTypeName, "KVC-125S");
             EXPECT_EQ(Selected(Combo(&d, zzid::IDC_TYPE)), "");
             EXPECT_FALSE(d.IsSearchEnabled());
         }},
        {"voltage typed as 0 disables Search", withType,
         [](CDlgCatalogue& d) { Type(Combo(&d, zzid::IDC_VOLTAGE), "0"); },
         [](CDlgCatalogue& d) {
             EXPECT_EQ(d.m_InfoBase.m_nVoltage, 0);
             EXPECT_FALSE(d.IsSearchEnabled());
         }},
        {"voltage typed with a unit behind it", withKind,
         [](CDlgCatalogue& d) { Type(Combo(&d, zzid::IDC_VOLTAGE), "23V"); },
         [](CDlgCatalogue& d) { EXPECT_EQ(d.m_InfoBase.m_nVoltage, 23); }},
        {"rated current typed drops the type and lists the types of the new value", withType,
         [](CDlgCatalogue& d) { Type(Edit(&d, zzid::IDC_RATED_CURRENT), "125"); },
         [](CDlgCatalogue& d) {
             EXPECT_EQ(d.m_InfoBase.m_dRatedValue, 125.0);
             EXPECT_EQ(d.m_InfoBase.m_lTypeID, 0);
             EXPECT_EQ(d.m_InfoBase.m_strTypeName, "");
             std::vector<std::string> types = Items(Combo(&d, zzid::IDC_TYPE));
             std::set<std::string> got(types.begin(), types.end());
             // 3-pole moulded-case types with a 125 A rating.
             EXPECT_EQ(got, (std::set<std::string>{"KVC-125S", "KVC-125H", "KVC-225S", "KVC-250S",
                                                   "KVC-250H"}));
             EXPECT_EQ(d.m_strRatedCurrent, "125");
             EXPECT_TRUE(d.IsSearchEnabled());
         }},
        {"rated current typed as text without a number disables Search", withType,
         [](CDlgCatalogue& d) { Type(Edit(&d, zzid::IDC_RATED_CURRENT), "x"); },
         [](CDlgCatalogue& d) {
             EXPECT_EQ(d.m_InfoBase.m_dRatedValue, 0.0);
             EXPECT_FALSE(d.IsSearchEnabled());
         }},
        {"capacity picked narrows the types", withKind,
         [](CDlgCatalogue& d) { Pick(Combo(&d, zzid::IDC_CAPACITY), "50"); },
         [](CDlgCatalogue& d) {
             EXPECT_EQ(d.m_dCapacity, 50000.0);
             // Of the 100 A types only KVC-125H breaks 50 kA at 400 V.
             EXPECT_EQ(Items(Combo(&d, zzid::IDC_TYPE)), (std::vector<std::string>{"KVC-125H"}));
             EXPECT_TRUE(d.IsSearchEnabled());
         }},
        {"capacity typed as 0 disables Search", withKind,
         [](CDlgCatalogue& d) { Type(Combo(&d, zzid::IDC_CAPACITY), "0"); },
         [](CDlgCatalogue& d) {
             EXPECT_EQ(d.m_dCapacity, 0.0);
             EXPECT_FALSE(d.IsSearchEnabled());
         }},
        {"capacity picked without a rated current leaves Search off", noRated,
         [](CDlgCatalogue& d) { Pick(Combo(&d, zzid::IDC_CAPACITY), "25"); },
         [](CDlgCatalogue& d) {
             EXPECT_EQ(d.m_dCapacity, 25000.0);
             EXPECT_FALSE(d.IsSearchEnabled());
         }},
        {"a type picked after a capacity, without a rated current, leaves Search off", noRated,
         [](CDlgCatalogue& d) {
             Pick(Combo(&d, zzid::IDC_CAPACITY), "25");
             Pick(Combo(&d, zzid::IDC_TYPE), "KVC-400S");
         },
         [](CDlgCatalogue& d) {
             EXPECT_EQ(d.m_InfoBase.m_lTypeID, 129);
             EXPECT_FALSE(d.IsSearchEnabled());
         }},
        {"poles picked drops the type", withType,
         [](CDlgCatalogue& d) { Pick(Combo(&d, zzid::IDC_POLES), "4"); },
         [](CDlgCatalogue& d) {
             EXPECT_EQ(d.m_nPoles, 4);
             EXPECT_EQ(d.m_InfoBase.m_lTypeID, 0);
         }},
        {"another maker empties kind and type; the type list stays empty", withType,
         [](CDlgCatalogue& d) { Pick(Combo(&d, zzid::IDC_MANUFACTURER), "Orvinda Electric"); },
         [](CDlgCatalogue& d) {
             EXPECT_EQ(d.m_InfoBase.m_lManufactureID, 2);
             EXPECT_EQ(d.m_InfoBase.m_strManufactureName, "Orvinda Electric");
             EXPECT_EQ(d.m_InfoBase.m_lGroupID, 0);
             EXPECT_EQ(d.m_InfoBase.m_strGroupName, "");
             EXPECT_EQ(d.m_InfoBase.m_lTypeID, 0);
             EXPECT_EQ(Items(Combo(&d, zzid::IDC_KIND)),
                       (std::vector<std::string>{"Miniature circuit breakers"}));
             EXPECT_EQ(Combo(&d, zzid::IDC_KIND)->currentIndex(), -1);
             EXPECT_EQ(Combo(&d, zzid::IDC_TYPE)->count(), 0);
         }},
        {"the kind already chosen does nothing", withType,
         [](CDlgCatalogue& d) { Pick(Combo(&d, zzid::IDC_KIND), kMCCB); },
         [](CDlgCatalogue& d) {
             EXPECT_EQ(d.m_InfoBase.m_lTypeID, 124);
             EXPECT_EQ(Selected(Combo(&d, zzid::IDC_TYPE)), "KVC-125S");
         }},
        {"another kind drops the type and lists its types", withType,
         [](CDlgCatalogue& d) {
             Pick(Combo(&d, zzid::IDC_KIND), "Electronic moulded-case circuit breakers");
         },
         [](CDlgCatalogue& d) {
             EXPECT_EQ(d.m_InfoBase.m_lGroupID, 3);
             EXPECT_EQ(d.m_InfoBase.m_nLVCBCode, 12);
             EXPECT_EQ(d.m_InfoBase.m_lTypeID, 0);
             EXPECT_EQ(Combo(&d, zzid::IDC_TYPE)->currentIndex(), -1);
             EXPECT_GT(Combo(&d, zzid::IDC_TYPE)->count(), 0);
         }},
        {"type picked reads its rating for the rated current", withKind,
         [](CDlgCatalogue& d) { Pick(Combo(&d, zzid::IDC_TYPE), "KVC-125H"); },
         [](CDlgCatalogue& d) {
             EXPECT_EQ(d.m_InfoBase.m_lTypeID, 125);
             EXPECT_EQ(d.m_InfoBase.m_strTypeName, "KVC-125H");
             EXPECT_GT(d.m_InfoBase.m_lBreakRatedID, 0);
             EXPECT_TRUE(d.IsSearchEnabled());
         }},
        {"Clear keeps the maker and the search conditions", withType,
         [](CDlgCatalogue& d) {
             Pick(Combo(&d, zzid::IDC_CAPACITY), "25");
             fw::FindControlAs<QPushButton>(&d, zzid::IDC_CLEAR)->click();
         },
         [](CDlgCatalogue& d) {
             EXPECT_EQ(d.m_InfoBase.m_lManufactureID, 1);
             EXPECT_EQ(d.m_InfoBase.m_lGroupID, 0);
             EXPECT_EQ(d.m_InfoBase.m_strGroupName, "");
             EXPECT_EQ(d.m_InfoBase.m_nLVCBCode, 0);
             EXPECT_EQ(d.m_InfoBase.m_lTypeID, 0);
             EXPECT_EQ(d.m_InfoBase.m_nVoltage, 400);
             EXPECT_EQ(d.m_InfoBase.m_dRatedValue, 100.0);
             EXPECT_EQ(d.m_dCapacity, 25000.0);
             EXPECT_EQ(d.m_nPoles, 3);
             EXPECT_EQ(Combo(&d, zzid::IDC_KIND)->currentIndex(), -1);
             EXPECT_GT(Combo(&d, zzid::IDC_KIND)->count(), 0);
             EXPECT_EQ(Combo(&d, zzid::IDC_TYPE)->count(), 0);
         }},
    };
    for (const EventCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<CDlgCatalogue> d = c.start(*this);
        c.action(*d);
        c.check(*d);
    }
    EXPECT_EQ(m_messages.Count(), 0u);
}

TEST_F(OptionalDialogTest, SearchClosesWithOkAndTheConditions) {
    auto d = Open(100, 2);
    Pick(Combo(d.get(), zzid::IDC_CAPACITY), "25");
    ASSERT_TRUE(d->IsSearchEnabled());
    d->SearchButton()->click();
    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_EQ(d->m_dCapacity, 25000.0);
    EXPECT_EQ(d->m_InfoBase.m_dRatedValue, 100.0);
}

} // namespace
