// The dialogs of the protective elements on the build's reference databases,
// driven control by control as a user would (offscreen): the interception
// times of a wire's I2t check, the contactor, the breakers and the thermal
// relay, and the breaker detail sheet in both its forms.

#include "app/elements/protection/CEleContactor.h"
#include "app/elements/protection/ProtectCycles.h"
#include "app/elements/protection/dialogs/CDetailSheet.h"
#include "app/elements/protection/dialogs/CDlgEleContactor.h"
#include "app/elements/protection/dialogs/CDlgEleHVCB.h"
#include "app/elements/protection/dialogs/CDlgEleLVCB.h"
#include "app/elements/protection/dialogs/CDlgEleThermal.h"
#include "app/elements/protection/dialogs/CDlgProtect.h"
#include "app/elements/protection/dialogs/ProtectDialogKit.h"
#include "app/protection/CObjAdjust.h"
#include "framework/MessageBox.h"

#include "tests/app/elements/conductors/SheetTestSupport.h"
#include "tests/app/elements/protection/ProtectionTestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

using namespace sheettest;

namespace {

// Records every message that would have been shown, answering OK.
class MessageLog {
public:
    MessageLog() {
        m_previous = fw::SetMessageSink([this](const fw::MessageRequest& r) {
            texts.push_back(r.text);
            return fw::mb::IdOk;
        });
    }
    ~MessageLog() { fw::SetMessageSink(m_previous); }
    std::vector<std::string> texts;

private:
    fw::MessageSink m_previous;
};

bool OkOf(const QDialog& dlg) {
    return Control<QWidget>(&dlg, 1)->isEnabled();
}

} // namespace

// ---- typed numbers -------------------------------------------------------

TEST(ProtectDialogKit, OnlyAWholeFiniteNumberIsANumber) {
    struct Case {
        const char* text;
        bool number;
        double value;
    } cases[] = {{"250", true, 250.0},  {" 2.5 ", true, 2.5}, {"-1", true, -1.0},
                 {"1e3", true, 1000.0}, {"", false, 0.0},     {"abc", false, 0.0},
                 {"12abc", false, 0.0}, {"nan", false, 0.0},  {"inf", false, 0.0},
                 {"1e999", false, 0.0}, {"-", false, 0.0},    {".", false, 0.0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<double> value = protectdlg::ParseNumber(c.text);
        ASSERT_EQ(c.number, value.has_value());
        if (c.number) {
            EXPECT_EQ(c.value, *value);
        }
    }
}

// ---- interception times --------------------------------------------------

// One typed time at a frequency and what OK shows after it. The limit is 250
// cycles at 50 Hz and 300 at 60 Hz, on half cycles; other frequencies leave
// OK as the last good value left it.
TEST(ProtectCyclesDialog, TypedTimesEnableOkByHalfCyclesAndTheLimit) {
    struct Case {
        int32_t frequency;
        const char* text;
        bool ok;
    } cases[] = {
        {50, "250", true},   {50, "251", false},  {50, "250.5", false}, {50, "2.25", false},
        {50, "2.5", true},   {50, "0.5", true},   {50, "0", false},     {50, "-1", false},
        {50, "abc", false},  {50, "nan", false},  {60, "300", true},    {60, "300.5", false},
        {60, "250.5", true}, {60, "2.25", false}, {55, "1000", true},   {55, "2.25", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.frequency) + " Hz, " + c.text);
        CProtectCycles cycles;
        cycles.nFrequency = c.frequency;
        cycles.dCycles[0] = 3.0;
        CDlgProtect dlg(cycles);
        Type(&dlg, 1172, c.text);
        EXPECT_EQ(c.ok, OkOf(dlg));
    }
}

// The times show the decimals they have (2.5, never a rounded "3").
TEST(ProtectCyclesDialog, OpensWithTheTimesAndTheGroupsOfTheWireSystem) {
    for (uint32_t wireSystem : {1u, 2u, 3u}) {
        SCOPED_TRACE(wireSystem);
        CProtectCycles cycles;
        cycles.nWireSystem = wireSystem;
        cycles.dCycles[0] = 3.0;
        cycles.dCycles[1] = 2.5;
        cycles.dCycles[2] = 0.5;
        CDlgProtect dlg(cycles);
        EXPECT_EQ("3", Text(&dlg, 1172));
        EXPECT_EQ("2.5", Text(&dlg, 1174));
        EXPECT_EQ("0.5", Text(&dlg, 1176));
        EXPECT_TRUE(Enabled(&dlg, 1172));
        EXPECT_EQ(wireSystem >= 2, Enabled(&dlg, 1174));
        EXPECT_EQ(wireSystem == 3, Enabled(&dlg, 1176));
    }
}

// A text that is no number never reaches the record; OK names it in a
// message and puts the focus there.
TEST(ProtectCyclesDialog, NoNumberIsRefusedWithAMessageAndChangesNothing) {
    CProtectCycles cycles;
    cycles.dCycles[0] = 3.0;
    cycles.dCycles[1] = 3.0;
    cycles.dCycles[2] = 3.0;
    CDlgProtect dlg(cycles);
    Type(&dlg, 1174, "x1");
    EXPECT_FALSE(OkOf(dlg));
    EXPECT_EQ(3.0, cycles.dCycles[1]);
    Type(&dlg, 1176, "4");
    ASSERT_TRUE(OkOf(dlg)) << "the last good value enables OK";
    MessageLog log;
    Click(&dlg, 1);
    EXPECT_NE(QDialog::Accepted, dlg.result());
    ASSERT_EQ(1u, log.texts.size());
    EXPECT_EQ("\"N(cycles)\" must be a number.", log.texts[0]);
    EXPECT_EQ(Control<QWidget>(&dlg, 1174), dlg.focusWidget());
    Type(&dlg, 1174, "-2");
    EXPECT_EQ(3.0, cycles.dCycles[1]) << "a negative time is not taken either";
    Type(&dlg, 1176, "4.5");
    Click(&dlg, 1);
    ASSERT_EQ(2u, log.texts.size());
    EXPECT_EQ("\"N(cycles)\" must not be negative.", log.texts[1]);
    Type(&dlg, 1174, "2");
    Click(&dlg, 1);
    EXPECT_EQ(QDialog::Accepted, dlg.result());
    EXPECT_EQ(2u, log.texts.size());
    EXPECT_EQ(2.0, cycles.dCycles[1]);
    EXPECT_EQ(4.5, cycles.dCycles[2]);
}

// OK tests the three stored times in order, the disabled groups too, and
// stops at the first bad one without a message.
TEST(ProtectCyclesDialog, OkTestsEveryStoredTimeInOrder) {
    CProtectCycles cycles;
    cycles.nFrequency = 50;
    cycles.nWireSystem = 1;
    cycles.dCycles[0] = 3.0;
    cycles.dCycles[1] = 2.25; // not on a half cycle, in a disabled edit
    cycles.dCycles[2] = 300.0;
    CDlgProtect dlg(cycles);
    MessageLog log;
    Type(&dlg, 1172, "251");
    Type(&dlg, 1172, "250");
    ASSERT_TRUE(OkOf(dlg));
    Click(&dlg, 1);
    EXPECT_NE(QDialog::Accepted, dlg.result());
    EXPECT_TRUE(log.texts.empty());
    EXPECT_FALSE(CDlgProtect::IsGoodCycles(2.25, 50));
    EXPECT_FALSE(CDlgProtect::IsGoodCycles(300.0, 50));
    EXPECT_TRUE(CDlgProtect::IsGoodCycles(300.0, 60));
    EXPECT_TRUE(CDlgProtect::IsGoodCycles(0.0, 50)) << "a group without conductors may hold 0";

    CProtectCycles good;
    good.nWireSystem = 3;
    good.dCycles[0] = 250.0;
    good.dCycles[1] = 0.5;
    good.dCycles[2] = 1.0;
    CDlgProtect ok(good);
    Click(&ok, 1);
    EXPECT_EQ(QDialog::Accepted, ok.result());
}

// ---- the contactor ---------------------------------------------------------

namespace {

// A message no test asked for is answered, never left waiting on screen.
class ProtectDialogsDb : public protecttest::WithAllDatabases {
protected:
    MessageLog m_unasked;
};

// A new contactor at 400 V: the class's default device KCT-25 (Ith 40 A).
CEleContactor NewContactor() {
    CEleContactor c;
    CEleInitArgs args;
    args.nNumber = 1;
    args.nVoltage = 400;
    args.nEarthing = 1;
    args.nWireSystem = 3;
    c.DoInitNewElement(args);
    c.m_nCalcPoint = 0;
    return c;
}

} // namespace

TEST_F(ProtectDialogsDb, ContactorListsAndChoices) {
    CEleContactor c = NewContactor();
    CDlgEleContactor dlg(c, 1);
    EXPECT_EQ("MC1", Text(&dlg, 1060));
    EXPECT_EQ("400", Text(&dlg, 1089));
    EXPECT_TRUE(ReadOnly(&dlg, 1089));
    EXPECT_EQ(std::vector<std::string>{"KESTRAVAL"}, Entries(&dlg, 1009))
        << "contactors come from the first maker only";
    EXPECT_EQ(std::vector<std::string>{"Contactors"}, Entries(&dlg, 1010));
    EXPECT_EQ(17u, Entries(&dlg, 1011).size());
    EXPECT_EQ("KCT-25", Text(&dlg, 1011));
    EXPECT_EQ("40", Text(&dlg, 1100));
    EXPECT_TRUE(OkOf(dlg));

    Choose(&dlg, 1011, "KCT-40");
    EXPECT_EQ(486, c.m_infoBase.m_lTypeID);
    EXPECT_EQ("KCT-40", c.m_infoBase.m_strTypeName);
    EXPECT_EQ("60", Text(&dlg, 1100)) << "the AC-3 rating of KCT-40";
    Choose(&dlg, 1009, "KESTRAVAL");
    EXPECT_EQ(486, c.m_infoBase.m_lTypeID) << "the same maker again changes nothing";

    Type(&dlg, 1060, "");
    EXPECT_FALSE(OkOf(dlg));
    Type(&dlg, 1060, "MC-A");
    EXPECT_TRUE(OkOf(dlg));
    EXPECT_EQ("MC-A", c.m_strName);
    Click(&dlg, 1181);
    EXPECT_EQ(1u, c.m_nCalcPoint);
    Click(&dlg, 1);
    EXPECT_EQ(QDialog::Accepted, dlg.result());
}

// A stored type the database does not hold: warned about by its table,
// shown by its stored name with no data, and OK stays off until a type is
// chosen.
TEST_F(ProtectDialogsDb, ContactorWithATypeTheDatabaseLacks) {
    CEleContactor c = NewContactor();
    c.m_infoBase.m_lTypeID = 9999;
    c.m_infoBase.m_strTypeName = "KCT-999";
    MessageLog log;
    CDlgEleContactor dlg(c, 1);
    ASSERT_EQ(1u, log.texts.size());
    EXPECT_NE(std::string::npos, log.texts[0].find("KCT-999"));
    EXPECT_NE(std::string::npos, log.texts[0].find("Break_Type"));
    EXPECT_EQ("KCT-999", Text(&dlg, 1011)) << "the stored name, never another type";
    EXPECT_EQ("No data", Text(&dlg, 1100));
    EXPECT_FALSE(OkOf(dlg));
    Choose(&dlg, 1011, "KCT-9");
    EXPECT_TRUE(OkOf(dlg));
    EXPECT_EQ(481, c.m_infoBase.m_lTypeID);
}

// The detail sheet of a contactor has the type page alone; a type chosen
// there comes back to the dialog on OK, and Cancel brings nothing back.
TEST_F(ProtectDialogsDb, ContactorDetailSheetOnTheSelection) {
    CEleContactor c = NewContactor();
    {
        CDetailSheet sheet(protectdlg::DetailCaption("KCT-25"));
        EXPECT_EQ("Detail - [KCT-25]", sheet.windowTitle().toStdString());
        sheet.DoBuildFromSelection(c.m_infoBase, c.m_readBase);
        sheet.DoStart();
        EXPECT_EQ(1, sheet.GetPageCount());
        CDetailBase* page = sheet.GetTypePage();
        EXPECT_EQ("KCT-25", Text(page, 1011));
        EXPECT_FALSE(Enabled(page, 1012)) << "a contactor has no operating kind";
        EXPECT_TRUE(OkEnabled(sheet));
        Choose(page, 1011, "KCT-50");
        EXPECT_TRUE(OkEnabled(sheet));
        EXPECT_EQ(1, sheet.GetPageCount());
        Click(&sheet, 1);
        ASSERT_EQ(QDialog::Accepted, sheet.result());
        CInfoBase info;
        CReadBase ref;
        sheet.DoHandBackSelection(info, ref);
        EXPECT_EQ(487, info.m_lTypeID);
        EXPECT_EQ("KCT-50", info.m_strTypeName);
        EXPECT_EQ(484, c.m_infoBase.m_lTypeID) << "the sheet works on copies";
    }
}

// ---- the low-voltage breaker ---------------------------------------------

namespace {

// A new breaker at 400 V in a TN-S circuit with four conductors and its
// low-voltage defaults.
CEleLVCB NewBreaker() {
    CEleLVCB b;
    b.DoAddNewObjAdjust();
    b.DoSetDefault(1, 400, 1, 3, 0);
    b.m_nPoles = 4;
    return b;
}

QTreeWidget* ListOf(QDialog& dlg) {
    return Control<QTreeWidget>(&dlg, 1179);
}

std::vector<std::string> ListTexts(QDialog& dlg, int column) {
    std::vector<std::string> texts;
    QTreeWidget* list = ListOf(dlg);
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        texts.push_back(list->topLevelItem(i)->text(column).toStdString());
    return texts;
}

void ClickRow(QDialog& dlg, int row) {
    QTreeWidget* list = ListOf(dlg);
    QTreeWidgetItem* item = list->topLevelItem(row);
    list->setCurrentItem(item);
    emit list->itemClicked(item, 0);
}

// The breaker with KVC-125S of 100 A chosen through the boxes: maker 1,
// the moulded-case kind (group 2), the types of that kind that admit 100 A
// with four poles.
void ChooseKvc125S(QDialog& dlg) {
    Type(&dlg, 1015, "100");
    Choose(&dlg, 1009, "KESTRAVAL");
    Choose(&dlg, 1010, "Moulded-case circuit breakers");
    Choose(&dlg, 1011, "KVC-125S");
}

} // namespace

TEST_F(ProtectDialogsDb, BreakerProductChosenThroughTheBoxes) {
    CEleLVCB b = NewBreaker();
    CDlgEleLVCB dlg(b, 0, 1);
    EXPECT_EQ("CB1", Text(&dlg, 1060));
    EXPECT_EQ("400", Text(&dlg, 1089));
    EXPECT_TRUE(Enabled(&dlg, 1089));
    EXPECT_EQ("4", Text(&dlg, 1182));
    EXPECT_TRUE(Enabled(&dlg, 1182));
    EXPECT_EQ((std::vector<std::string>{"0.1", "0.2", "0.4", "0.8", "5.0"}), Entries(&dlg, 1090));
    EXPECT_EQ("Not calculated", Text(&dlg, 1129));
    EXPECT_FALSE(Enabled(&dlg, 1156)) << "Select type waits for a row";
    const QStringList expectedTitles = {"Type of breakers", "Remarks",  "Ics",
                                        "Icu or Icn",       "Icu-back", "Is"};
    QTreeWidgetItem* header = ListOf(dlg)->headerItem();
    for (int c = 0; c < 6; ++c)
        EXPECT_EQ(expectedTitles[c], header->text(c));

    MessageLog log;
    ChooseKvc125S(dlg);
    EXPECT_EQ((std::vector<std::string>{"KVC-125S", "KVC-125H"}), Entries(&dlg, 1011))
        << "the kind's types that admit 100 A with four poles";
    const CInfoBase& info = b.GetAdjust()->m_infoBase;
    EXPECT_EQ(124, info.m_lTypeID);
    EXPECT_EQ(100.0, info.m_dRatedValue);
    // The capacity row of 400 V: Icu 25 kA, Ics 12.5 kA.
    EXPECT_EQ("12.50", Text(&dlg, 1112));
    EXPECT_EQ("25.00", Text(&dlg, 1162));
    EXPECT_TRUE(Enabled(&dlg, 1119));
    EXPECT_TRUE(OkOf(dlg));
    EXPECT_TRUE(log.texts.empty());
    EXPECT_FALSE(b.GetAdjust()->m_listInfoPart.IsEmpty()) << "the rating's default dials";

    // No capacity row at 1000 V or above.
    Type(&dlg, 1089, "690");
    EXPECT_TRUE(log.texts.empty());
    EXPECT_EQ("3.750", Text(&dlg, 1112));
    Choose(&dlg, 1089, "400");
    Type(&dlg, 1089, "1000");
    ASSERT_EQ(1u, log.texts.size());
    EXPECT_EQ("Rated Voltage of the low-voltage circuit breaker is less than the operational "
              "voltage of the system.",
              log.texts[0]);
    Type(&dlg, 1089, "0");
    EXPECT_FALSE(OkOf(dlg));
    Type(&dlg, 1089, "400");
    EXPECT_TRUE(OkOf(dlg));

    // A rated current typed gives up the type.
    Type(&dlg, 1015, "0");
    EXPECT_FALSE(OkOf(dlg));
    EXPECT_FALSE(Enabled(&dlg, 1155));
    EXPECT_FALSE(Enabled(&dlg, 1158));
    EXPECT_EQ(0, info.m_lTypeID);
    EXPECT_FALSE(Enabled(&dlg, 1119));
    Type(&dlg, 1015, "x");
    EXPECT_FALSE(OkOf(dlg));
    Type(&dlg, 1015, "32");
    EXPECT_TRUE(OkOf(dlg));
    EXPECT_TRUE(Enabled(&dlg, 1155));
    EXPECT_EQ(32.0, info.m_dRatedValue);
    EXPECT_EQ((std::vector<std::string>{"KVC-63S", "KVC-63H", "KVC-125S", "KVC-125H"}),
              Entries(&dlg, 1011))
        << "KVC-32S admits 32 A too, but has no four-pole form";

    Click(&dlg, 1121);
    EXPECT_EQ(0, info.m_lManufactureID);
    EXPECT_EQ("", Text(&dlg, 1009));
    EXPECT_EQ(0, Entries(&dlg, 1011).size());
    EXPECT_FALSE(Enabled(&dlg, 1119));
    EXPECT_FALSE(Enabled(&dlg, 1120));
}

TEST_F(ProtectDialogsDb, BreakerLocksByVoltageAndMode) {
    CEleLVCB b = NewBreaker();
    CDlgEleLVCB locked(b, 1, 3);
    EXPECT_FALSE(Enabled(&locked, 1089));
    EXPECT_EQ("400", Text(&locked, 1089));
    EXPECT_FALSE(Enabled(&locked, 1182)) << "poles are fixed after the check";
    for (int32_t mode : {1, 9}) {
        CDlgEleLVCB free(b, 0, mode);
        EXPECT_TRUE(Enabled(&free, 1089));
        EXPECT_TRUE(Enabled(&free, 1182));
    }
}

// The search lists the candidates by kind; only a type row enables "Select
// type", which takes that type and marks it.
TEST_F(ProtectDialogsDb, BreakerSearchAndSelectType) {
    CEleLVCB b = NewBreaker();
    CDlgEleLVCB dlg(b, 0, 3);
    ChooseKvc125S(dlg);
    Click(&dlg, 1158);
    EXPECT_EQ(CEleLVCB::kByIcu, b.m_nCriterion);
    const std::vector<std::string> rows = ListTexts(dlg, CDlgEleLVCB::kColType);
    ASSERT_EQ(3u, rows.size());
    EXPECT_EQ("[Moulded-case circuit breakers]", rows[0]);
    EXPECT_EQ(" KVC-125S", rows[1]);
    EXPECT_EQ(" KVC-125H", rows[2]);
    EXPECT_EQ("25.00", ListTexts(dlg, CDlgEleLVCB::kColIcu)[1]);
    EXPECT_EQ((std::vector<std::string>{"", "Chosen", ""}),
              ListTexts(dlg, CDlgEleLVCB::kColRemarks));
    ClickRow(dlg, 0);
    EXPECT_FALSE(Enabled(&dlg, 1156)) << "a kind's row";
    ClickRow(dlg, 2);
    ASSERT_TRUE(Enabled(&dlg, 1156));
    Click(&dlg, 1156);
    EXPECT_EQ(125, b.GetAdjust()->m_infoBase.m_lTypeID);
    EXPECT_EQ("KVC-125H", Text(&dlg, 1011));
    EXPECT_EQ((std::vector<std::string>{"", "", "Chosen"}),
              ListTexts(dlg, CDlgEleLVCB::kColRemarks));
}

// A cascade result (selected by 3) lists the upstream breaker first; no
// row then enables "Select type".
TEST_F(ProtectDialogsDb, BreakerResultListKeepsSelectTypeOff) {
    CEleLVCB b = NewBreaker();
    {
        CDlgEleLVCB setup(b, 0, 1);
        ChooseKvc125S(setup);
    }
    b.m_currentSelect.m_nSelectedBy = 3;
    b.m_currentSelect.m_nUpstreamKind = 1;
    b.m_currentSelect.m_nUpstreamMakerID = 1;
    b.m_currentSelect.m_nUpstreamGroupID = 4;
    b.m_currentSelect.m_nUpstreamTypeID = 172;
    CDlgEleLVCB dlg(b, 0, 5);
    EXPECT_EQ((std::vector<std::string>{"[Air circuit breakers]", " KVA-16N",
                                        "[Moulded-case circuit breakers]", " KVC-125S"}),
              ListTexts(dlg, CDlgEleLVCB::kColType));
    EXPECT_EQ((std::vector<std::string>{"", "Upstream", "", "Chosen"}),
              ListTexts(dlg, CDlgEleLVCB::kColRemarks));
    EXPECT_EQ("-", ListTexts(dlg, CDlgEleLVCB::kColIcs)[1]) << "a high-voltage upstream";
    for (int row = 0; row < 4; ++row) {
        ClickRow(dlg, row);
        EXPECT_FALSE(Enabled(&dlg, 1156)) << row;
    }
}

// A stored type the database does not hold keeps its name on show with no
// data; OK's check of the data puts the focus on a bad value.
TEST_F(ProtectDialogsDb, BreakerWithAMissingTypeAndTheOkCheck) {
    CEleLVCB b = NewBreaker();
    {
        CDlgEleLVCB setup(b, 0, 1);
        ChooseKvc125S(setup);
    }
    CInfoBase& info = b.GetAdjust()->m_infoBase;
    info.m_lTypeID = 9999;
    info.m_strTypeName = "KVC-999X";
    MessageLog log;
    CDlgEleLVCB dlg(b, 0, 1);
    EXPECT_FALSE(log.texts.empty()) << "the missing type is warned about";
    EXPECT_EQ("KVC-999X", Text(&dlg, 1011));
    EXPECT_EQ("No data", Text(&dlg, 1112));
    EXPECT_EQ("No data", Text(&dlg, 1162));

    CEleLVCB fresh = NewBreaker();
    fresh.GetAdjust()->m_infoBase.m_dRatedValue = 0.0;
    CDlgEleLVCB check(fresh, 0, 1);
    ASSERT_TRUE(OkOf(check));
    Click(&check, 1);
    EXPECT_NE(QDialog::Accepted, check.result());
    EXPECT_EQ(Control<QWidget>(&check, 1015), check.focusWidget());
}

namespace {

// A miniature breaker of 16 A with four poles, its type chosen through the
// boxes.
void ChooseMiniature(QDialog& dlg, const std::string& type) {
    Type(&dlg, 1015, "16");
    Choose(&dlg, 1009, "KESTRAVAL");
    Choose(&dlg, 1010, "Miniature circuit breakers");
    Choose(&dlg, 1011, type);
}

} // namespace

// A cascade result stands (KVM-6 below KVC-125S); another type chosen in
// the box works it out again against the same upstream breaker. The
// authorized table at 400 V takes its 415 V rows: KVM-6 below KVC-125S
// 15 000 A, KVM-10 below KVC-125S 20 000 A. The upstream instantaneous
// start 1000 A (10 x 100 A) is below both breakers' Icu (6 kA, 10 kA), and
// with the manual criterion there is no prospective current to exceed the
// Icu-back: no message.
TEST_F(ProtectDialogsDb, BreakerTypeChangeWorksTheCascadeOutAgain) {
    CEleLVCB upstream = NewBreaker();
    {
        CDlgEleLVCB setup(upstream, 0, 1);
        ChooseKvc125S(setup);
    }
    CEleLVCB b = NewBreaker();
    {
        CDlgEleLVCB setup(b, 0, 1);
        ChooseMiniature(setup, "KVM-6");
    }
    ASSERT_EQ(101, b.GetAdjust()->m_infoBase.m_lTypeID);
    CCurrent& marker = b.m_currentSelect;
    marker.m_nSelectedBy = CCurrent::kCascade;
    marker.m_nUpstreamKind = 2;
    marker.m_nUpstreamNumber = 7;
    marker.m_nUpstreamMakerID = 1;
    marker.m_nUpstreamGroupID = 2;
    marker.m_nUpstreamTypeID = 124;
    marker.m_dIcuBack = 15000.0;

    MessageLog log;
    int asked = 0;
    CDlgEleLVCB dlg(b, 0, 5);
    dlg.SetUpstreamFinder(
        [&](CCurrent& m, double* rated, double* iinst, double* icu) -> CObjAdjust* {
            ++asked;
            EXPECT_EQ(2u, m.m_nUpstreamKind);
            EXPECT_EQ(7u, m.m_nUpstreamNumber);
            *rated = 100.0;
            *iinst = 1000.0;
            *icu = 25000.0;
            return upstream.GetAdjust();
        },
        50);
    Choose(&dlg, 1011, "KVM-10");
    EXPECT_EQ(1, asked);
    EXPECT_EQ(CCurrent::kCascade, marker.m_nSelectedBy);
    EXPECT_EQ(20000.0, marker.m_dIcuBack);
    EXPECT_EQ(1u, marker.m_nResult);
    EXPECT_EQ(" KVM-10", ListTexts(dlg, CDlgEleLVCB::kColType).back());
    Choose(&dlg, 1011, "KVM-6");
    EXPECT_EQ(15000.0, marker.m_dIcuBack);
    EXPECT_TRUE(log.texts.empty());
}

// Without the upstream breaker the result cannot be worked out for the new
// type: it goes, rather than show the old type's Icu-back.
TEST_F(ProtectDialogsDb, BreakerTypeChangeWithoutTheUpstreamClearsTheResult) {
    CEleLVCB b = NewBreaker();
    {
        CDlgEleLVCB setup(b, 0, 1);
        ChooseMiniature(setup, "KVM-6");
    }
    b.m_currentSelect.m_nSelectedBy = CCurrent::kCascade;
    b.m_currentSelect.m_nUpstreamKind = 2;
    b.m_currentSelect.m_nUpstreamTypeID = 124;
    b.m_currentSelect.m_dIcuBack = 15000.0;
    CDlgEleLVCB dlg(b, 0, 5);
    Choose(&dlg, 1011, "KVM-10");
    EXPECT_EQ(0u, b.m_currentSelect.m_nSelectedBy);
    EXPECT_EQ(0.0, b.m_currentSelect.m_dIcuBack);
    EXPECT_TRUE(ListTexts(dlg, CDlgEleLVCB::kColType).empty()) << "no result, no search";
}

// ---- the breaker detail sheet of a characteristic ------------------------

namespace {

// KVA-16H of 1600 A (the air circuit breakers): rating 1600 A with three
// trip elements, long time, short time and instantaneous.
CEleLVCB NewAirBreaker() {
    CEleLVCB b = NewBreaker();
    CDlgEleLVCB setup(b, 0, 1);
    Type(&setup, 1015, "1600");
    Choose(&setup, 1009, "KESTRAVAL");
    Choose(&setup, 1010, "Air circuit breakers");
    Choose(&setup, 1011, "KVA-16H");
    return b;
}

} // namespace

// The type page and a page each trip element, named by the element; the
// dials as the database gives them and the settings the breaker holds; the
// lock only where the element allows it.
TEST_F(ProtectDialogsDb, DetailSheetOfACharacteristic) {
    CEleLVCB b = NewAirBreaker();
    CObjAdjust& adjust = *b.GetAdjust();
    ASSERT_EQ(173, adjust.m_infoBase.m_lTypeID);
    ASSERT_EQ(3, adjust.m_listInfoPart.GetCount());
    adjust.m_listInfoPart.GetAt(1)->m_dTime = 0.4; // short-time delay, not the default 0.2

    CDetailSheet sheet(protectdlg::DetailCaption("KVA-16H"));
    sheet.DoBuildFromAdjust(adjust);
    sheet.DoStart();
    EXPECT_EQ((std::vector<std::string>{"Type", "Long time", "Short time", "Instantaneous"}),
              Captions(sheet));
    CDetailBase* type = sheet.GetTypePage();
    EXPECT_EQ("Air circuit breakers", Text(type, 1010));
    EXPECT_EQ("KVA-16H", Text(type, 1011));
    EXPECT_TRUE(OkEnabled(sheet));

    ASSERT_EQ(3u, sheet.GetPartPages().size());
    CDetailPart* longTime = sheet.GetPartPages()[0].get();
    CDetailPart* shortTime = sheet.GetPartPages()[1].get();
    ASSERT_TRUE(sheet.SetActivePage(longTime));
    EXPECT_FALSE(Enabled(longTime, 1026)) << "a pick-up without a dial";
    EXPECT_EQ((std::vector<std::string>{"5", "10", "15", "20", "25", "30"}),
              Entries(longTime, 1029));
    EXPECT_EQ("10", Text(longTime, 1029));
    EXPECT_FALSE(Enabled(longTime, 1049)) << "the long-time element cannot be locked";
    EXPECT_FALSE(Control<QAbstractButton>(longTime, 1049)->isChecked());
    ASSERT_TRUE(sheet.SetActivePage(shortTime));
    EXPECT_EQ((std::vector<std::string>{"1.5", "2", "2.5", "3", "4", "5", "6", "8", "10"}),
              Entries(shortTime, 1026));
    EXPECT_EQ((std::vector<std::string>{"0.1", "0.2", "0.3", "0.4"}), Entries(shortTime, 1029));
    EXPECT_EQ("0.4", Text(shortTime, 1029)) << "the breaker's setting, not the default";
    EXPECT_TRUE(Enabled(shortTime, 1049));

    // Another kind empties the chain after it and takes the kind's default
    // product (KVC-125S of 100 A: overload and instantaneous).
    Choose(type, 1010, "Moulded-case circuit breakers");
    EXPECT_EQ("KVC-125S", Text(type, 1011));
    EXPECT_EQ((std::vector<std::string>{"Type", "Overload", "Instantaneous"}), Captions(sheet));
    EXPECT_TRUE(OkEnabled(sheet));
    Choose(type, 1010, "Moulded-case circuit breakers");
    EXPECT_EQ(3, sheet.GetPageCount()) << "the same kind again changes nothing";
    EXPECT_EQ(173, adjust.m_infoBase.m_lTypeID) << "the sheet works on copies";
}

// "Detail..." of the breaker's dialog: a dial changed and confirmed reaches
// the breaker; cancelled, nothing does.
TEST_F(ProtectDialogsDb, BreakerDetailStoresBackOnlyOnOk) {
    CEleLVCB b = NewAirBreaker();
    CDlgEleLVCB dlg(b, 0, 1);
    ASSERT_TRUE(Enabled(&dlg, 1119));
    auto detail = [&](const std::string& time, unsigned button) {
        QTimer timer;
        timer.setSingleShot(true);
        bool opened = false;
        QObject::connect(&timer, &QTimer::timeout, [&] {
            auto* sheet = dynamic_cast<CDetailSheet*>(QApplication::activeModalWidget());
            if (!sheet)
                return;
            opened = true;
            EXPECT_EQ("Detail - [KVA-16H]", sheet->windowTitle().toStdString());
            CDetailPart* shortTime = sheet->GetPartPages().at(1).get();
            sheet->SetActivePage(shortTime);
            Choose(shortTime, 1029, time);
            Click(sheet, button);
            if (sheet->isVisible())
                sheet->reject();
        });
        timer.start(0);
        Click(&dlg, 1119);
        EXPECT_TRUE(opened);
    };
    detail("0.3", 2);
    EXPECT_EQ(0.2, b.GetAdjust()->m_listInfoPart.GetAt(1)->m_dTime) << "cancelled";
    detail("0.3", 1);
    EXPECT_EQ(0.3, b.GetAdjust()->m_listInfoPart.GetAt(1)->m_dTime);
    EXPECT_EQ("KVA-16H", Text(&dlg, 1011));
    EXPECT_TRUE(OkOf(dlg));
}

// ---- the high-voltage breaker --------------------------------------------

namespace {

// A new breaker at 6600 V, 50 Hz, with its high-voltage defaults (the
// default relay of the first maker).
CEleHVCB NewHVBreaker() {
    CEleHVCB h;
    h.DoAddNewObjAdjust();
    CEleInitArgs args;
    args.nNumber = 1;
    args.nVoltage = 6600;
    args.nFrequency = 50;
    h.DoInitNewElement(args);
    return h;
}

} // namespace

TEST_F(ProtectDialogsDb, HighVoltageBreakerListsAndChoices) {
    CEleHVCB h = NewHVBreaker();
    h.GetAdjust()->m_infoBase.m_nCT1Current = 100;
    h.GetAdjust()->m_infoBase.m_nCT2Current = 5;
    CDlgEleHVCB dlg(h, 0, 1);
    EXPECT_EQ("HCB1", Text(&dlg, 1060));
    EXPECT_EQ("6600", Text(&dlg, 1089));
    EXPECT_EQ((std::vector<std::string>{"3300", "6600", "11000", "22000", "33000"}),
              Entries(&dlg, 1089));
    EXPECT_EQ("100", Text(&dlg, 1101));
    EXPECT_EQ(std::vector<std::string>{"5"}, Entries(&dlg, 1102));
    EXPECT_EQ(std::vector<std::string>{"KESTRAVAL"}, Entries(&dlg, 1009));
    EXPECT_FALSE(Control<QWidget>(&dlg, 1010)->isVisibleTo(&dlg)) << "the group box is hidden";
    EXPECT_EQ("KOR-D1", Text(&dlg, 1011));
    EXPECT_EQ("", Text(&dlg, 1100)) << "no rated current given";
    EXPECT_TRUE(OkOf(dlg));

    Type(&dlg, 1100, "0");
    EXPECT_TRUE(OkOf(dlg)) << "a rated current of 0 is allowed";
    Type(&dlg, 1100, "-1");
    EXPECT_FALSE(OkOf(dlg));
    EXPECT_EQ(0.0, h.m_dRatedCurrent);
    Type(&dlg, 1100, "400");
    EXPECT_TRUE(OkOf(dlg));
    EXPECT_EQ(400.0, h.m_dRatedCurrent);
    Type(&dlg, 1106, "12.5");
    EXPECT_EQ(12.5, h.m_dBreakingCapacity);

    Type(&dlg, 1089, "0");
    EXPECT_FALSE(OkOf(dlg));
    Choose(&dlg, 1089, "3300");
    EXPECT_TRUE(OkOf(dlg));
    EXPECT_EQ(3300, h.GetVoltage());
    Choose(&dlg, 1101, "200");
    EXPECT_EQ(200, h.GetCT1Current());

    Choose(&dlg, 1011, "KOR-T3");
    EXPECT_EQ(302, h.GetAdjust()->m_infoBase.m_lTypeID);
    EXPECT_TRUE(Enabled(&dlg, 1119));
    EXPECT_TRUE(OkOf(dlg));
    EXPECT_FALSE(h.GetAdjust()->m_listInfoPart.IsEmpty()) << "the relay's default dials";

    Type(&dlg, 1060, "");
    EXPECT_FALSE(OkOf(dlg));
    Type(&dlg, 1060, "HCB-A");
    Click(&dlg, 1189);
    EXPECT_EQ(1u, h.m_nOff);
    Click(&dlg, 1);
    EXPECT_EQ(QDialog::Accepted, dlg.result());
}

// The voltage lock keeps the voltage box; a CT current that is no number
// keeps OK off and is not taken.
TEST_F(ProtectDialogsDb, HighVoltageBreakerLockAndOkCheck) {
    CEleHVCB h = NewHVBreaker();
    h.GetAdjust()->m_infoBase.m_nCT1Current = 100;
    h.GetAdjust()->m_infoBase.m_nCT2Current = 5;
    CDlgEleHVCB locked(h, 1, 1);
    EXPECT_FALSE(Enabled(&locked, 1089));
    EXPECT_EQ("6600", Text(&locked, 1089));

    CDlgEleHVCB dlg(h, 0, 1);
    Type(&dlg, 1102, "five");
    EXPECT_FALSE(OkOf(dlg));
    EXPECT_EQ(5, h.GetCT2Current());
    // OK stays off while any typed value is bad, whatever was typed since.
    Type(&dlg, 1100, "300");
    EXPECT_FALSE(OkOf(dlg));
    Type(&dlg, 1102, "1");
    EXPECT_TRUE(OkOf(dlg));
    EXPECT_EQ(1, h.GetCT2Current());
    Click(&dlg, 1);
    EXPECT_EQ(QDialog::Accepted, dlg.result());
}

// ---- the thermal relay -----------------------------------------------------

TEST_F(ProtectDialogsDb, ThermalRelayListsAndChoices) {
    CEleThermal t;
    t.DoAddNewObjAdjust();
    CEleInitArgs args;
    args.nNumber = 1;
    args.nVoltage = 400;
    t.DoInitNewElement(args);
    CDlgEleThermal dlg(t, 0, 1);
    EXPECT_EQ("THR1", Text(&dlg, 1060));
    EXPECT_EQ("400", Text(&dlg, 1089));
    EXPECT_EQ(std::vector<std::string>{"3"}, Entries(&dlg, 1182));
    EXPECT_EQ("Thermal overload relays", Text(&dlg, 1010));
    EXPECT_EQ("KTH-12", Text(&dlg, 1011));
    EXPECT_TRUE(Control<QAbstractButton>(&dlg, 1133)->isChecked()) << "Type2 by default";

    Type(&dlg, 1089, "0");
    EXPECT_FALSE(OkOf(dlg));
    Choose(&dlg, 1089, "230");
    EXPECT_TRUE(OkOf(dlg));
    EXPECT_EQ(230, t.GetVoltage());

    Choose(&dlg, 1010, "Electronic overload relays");
    EXPECT_EQ("KTE-25", Text(&dlg, 1011)) << "the series' default type";
    EXPECT_EQ(423, t.GetAdjust()->m_infoBase.m_lTypeID);
    EXPECT_TRUE(Enabled(&dlg, 1119));
    EXPECT_TRUE(OkOf(dlg));
    Choose(&dlg, 1011, "KTE-8");
    EXPECT_EQ(422, t.GetAdjust()->m_infoBase.m_lTypeID);

    Click(&dlg, 1131);
    EXPECT_EQ(1u, t.m_nCoordination);
    Click(&dlg, 1133);
    EXPECT_EQ(0u, t.m_nCoordination);

    CDlgEleThermal fixed(t, 1, 1);
    EXPECT_FALSE(Enabled(&fixed, 1089));
}
