// The dialogs of the source (162), the three-phase (164) and single-phase
// (200) transformers and the zero conductor (184), on the reference
// databases of the build, driven through their controls as a user would:
// what the lists hold, what each mode locks, what each change does to the
// copy and to the other fields, and when OK closes.

#include "app/elements/supply/dialogs/CDlgEleSource.h"
#include "app/elements/supply/dialogs/CDlgEleTrans1.h"
#include "app/elements/supply/dialogs/CDlgEleTrans3.h"
#include "app/elements/supply/dialogs/CDlgEleZeroCond.h"
#include "app/elements/supply/dialogs/SupplyDialogKit.h"
#include "framework/Resources.h"
#include "tests/app/elements/supply/SupplyTestSupport.h"
#include "tools/Filvaron.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

QWidget* Control(QWidget* dialog, unsigned id) {
    QWidget* w = fw::FindControlAs<QWidget>(dialog, id);
    EXPECT_NE(w, nullptr) << "control " << id;
    return w;
}
QLineEdit* Edit(QWidget* dialog, unsigned id) {
    return dynamic_cast<QLineEdit*>(Control(dialog, id));
}
QComboBox* Combo(QWidget* dialog, unsigned id) {
    return dynamic_cast<QComboBox*>(Control(dialog, id));
}
std::string Text(QWidget* dialog, unsigned id) {
    QWidget* w = Control(dialog, id);
    if (auto* e = dynamic_cast<QLineEdit*>(w))
        return e->text().toStdString();
    if (auto* c = dynamic_cast<QComboBox*>(w))
        return c->currentText().toStdString();
    return std::string();
}
Strings Items(QComboBox* box) {
    Strings items;
    for (int i = 0; i < box->count(); ++i)
        items.push_back(box->itemText(i).toStdString());
    return items;
}

// What the user does: typing replaces the whole text of a field.
void Type(QWidget* dialog, unsigned id, const char* text) {
    QWidget* w = Control(dialog, id);
    QLineEdit* edit = dynamic_cast<QLineEdit*>(w);
    if (auto* box = dynamic_cast<QComboBox*>(w))
        edit = box->lineEdit();
    ASSERT_NE(edit, nullptr) << "no field to type into: " << id;
    const QString t = QString::fromUtf8(text);
    edit->setText(t);
    emit edit->textEdited(t);
}
void Choose(QWidget* dialog, unsigned id, const char* text) {
    QComboBox* box = Combo(dialog, id);
    int index = box->findText(QString::fromUtf8(text));
    ASSERT_GE(index, 0) << text << " is not listed in " << id;
    box->setCurrentIndex(index);
    emit box->activated(index);
}
bool OkEnabled(QWidget* dialog) {
    return Control(dialog, 1)->isEnabled();
}
// Presses OK on a shown dialog: whether it closed, and the control that has
// the focus when it did not.
struct OkResult {
    bool closed;
    unsigned focus;
};
OkResult PressOk(QDialog& dlg) {
    dlg.show();
    dlg.activateWindow();
    QApplication::processEvents();
    dynamic_cast<QPushButton*>(Control(&dlg, 1))->click();
    QApplication::processEvents();
    OkResult r{dlg.result() == QDialog::Accepted, 0};
    if (QWidget* focus = QApplication::focusWidget()) {
        r.focus = fw::GetControlId(focus);
        if (r.focus == 0 && focus->parentWidget())
            r.focus = fw::GetControlId(focus->parentWidget()); // a combo box's edit
    }
    dlg.hide();
    return r;
}

class SupplyDialog : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dbs.IsOpen()); }
    supplytest::ModelDatabasesScope m_dbs;
};

// ---- Three-phase transformer (164) ----

CEleTrans3 GoodTrans3() {
    CEleTrans3 t;
    t.m_strName = "T1";
    t.m_nVoltage = 6600;
    t.m_nVoltage2 = 400;
    t.m_nEarthing = 4;
    t.m_dCapacity = 1000.0;
    t.m_dPercentZ = 5.0;
    t.m_dXR = 5.0;
    t.m_dRushPeak = 10.0;
    t.m_dDampingTime = 280.0;
    return t;
}

void Open(CDlgEleTrans3& dlg, const CEleTrans3& t, int32_t mode, int32_t frequency = 50) {
    dlg.m_eleTrans3 = t;
    dlg.m_nMode = mode;
    dlg.m_nFrequency = frequency;
    dlg.OnInitDialog();
}

TEST_F(SupplyDialog, Trans3OpensWithItsListsAndTheCopysTexts) {
    CDlgEleTrans3 dlg;
    Open(dlg, GoodTrans3(), 1);
    EXPECT_EQ(fw::GetControlId(&dlg), 164u);
    EXPECT_EQ(dlg.windowTitle().toStdString(), "Transformer");
    // A primary of 1000 V or more lists the high voltages, typing up to 5.
    EXPECT_EQ(Items(Combo(&dlg, 1103)), (Strings{"3300", "6600", "11000", "22000", "33000"}));
    EXPECT_EQ(supplydlg::GetTextLimit(Combo(&dlg, 1103)->lineEdit()), 5);
    EXPECT_EQ(Text(&dlg, 1103), "6600");
    EXPECT_EQ(Items(Combo(&dlg, 1104)), (Strings{"100", "200", "230", "400", "415", "440", "690"}));
    EXPECT_EQ(supplydlg::GetTextLimit(Combo(&dlg, 1104)->lineEdit()), 4);
    // The earthing list leaves out TN-C-S; the copy's TT is selected.
    EXPECT_EQ(Items(Combo(&dlg, 1115)), (Strings{"TN-S", "TN-C", "TT", "IT"}));
    EXPECT_EQ(Text(&dlg, 1115), "TT");
    const QComboBox* capacity = Combo(&dlg, 1110);
    EXPECT_EQ(capacity->count(), 23); // 20 to 3000 kVA, not the catch-all
    EXPECT_EQ(capacity->itemText(0).toStdString(), "20");
    EXPECT_EQ(capacity->itemText(22).toStdString(), "3000");
    EXPECT_EQ(Text(&dlg, 1110), "1000");
    EXPECT_EQ(supplydlg::GetTextLimit(Edit(&dlg, 1113)), 4);
    EXPECT_EQ(supplydlg::GetTextLimit(Edit(&dlg, 1125)), 4);
    // The derived texts, without units (Part's getters; hand values of the
    // 1000 kVA, %Z 5, X/R 5 transformer at 400 V).
    EXPECT_EQ(Text(&dlg, 1060), "T1");
    EXPECT_EQ(Text(&dlg, 1100), "1443");
    EXPECT_EQ(Text(&dlg, 1083), "5.000");
    EXPECT_EQ(Text(&dlg, 1084), "0.9806");
    EXPECT_EQ(Text(&dlg, 1085), "4.903");
    EXPECT_EQ(Text(&dlg, 1086), "5");
    EXPECT_EQ(Text(&dlg, 1079), "1.569");
    EXPECT_EQ(Text(&dlg, 1080), "7.845");
    EXPECT_EQ(Text(&dlg, 1113), "10");
    EXPECT_EQ(Text(&dlg, 1120), "14434");
    EXPECT_EQ(Text(&dlg, 1125), "280");
    EXPECT_FALSE(dynamic_cast<QCheckBox*>(Control(&dlg, 1181))->isChecked());
}

TEST_F(SupplyDialog, Trans3BelowAThousandVoltsListsTheLowVoltagesForThePrimary) {
    CEleTrans3 t = GoodTrans3();
    t.m_nVoltage = 690;
    CDlgEleTrans3 dlg;
    Open(dlg, t, 1);
    EXPECT_EQ(Items(Combo(&dlg, 1103)).front(), "100");
    EXPECT_EQ(supplydlg::GetTextLimit(Combo(&dlg, 1103)->lineEdit()), 4);
    EXPECT_EQ(Text(&dlg, 1103), "690");
}

struct LockCase {
    int32_t mode;
    bool voltagesAndCapacity; // 1103, 1104, 1110 enabled
    bool earthing;            // 1115 enabled
    bool zAndXR;              // 1083, 1086 writable
};

class Trans3Locks : public SupplyDialog, public ::testing::WithParamInterface<LockCase> {};

// Check mode locks the earthing only; after a calculation the voltages,
// earthing and capacity are locked and %Z and X/R read-only, while the rush
// data, the name and the calculation point stay open.
TEST_P(Trans3Locks, ModeLocksTheFieldsOfItsPart) {
    const LockCase& c = GetParam();
    for (int kind = 0; kind < 2; ++kind) {
        std::unique_ptr<QDialog> owner;
        QDialog* dlg = nullptr;
        if (kind == 0) {
            auto* d = new CDlgEleTrans3;
            Open(*d, GoodTrans3(), c.mode);
            owner.reset(d);
            dlg = d;
        } else {
            auto* d = new CDlgEleTrans1;
            d->m_eleTrans1.m_nVoltage = 6600;
            d->m_eleTrans1.m_nVoltage2 = 210;
            d->m_nMode = c.mode;
            d->OnInitDialog();
            owner.reset(d);
            dlg = d;
        }
        SCOPED_TRACE(kind == 0 ? "164" : "200");
        for (unsigned id : {1103u, 1104u, 1110u})
            EXPECT_EQ(Control(dlg, id)->isEnabled(), c.voltagesAndCapacity) << id;
        EXPECT_EQ(Control(dlg, 1115)->isEnabled(), c.earthing);
        for (unsigned id : {1083u, 1086u})
            EXPECT_EQ(Edit(dlg, id)->isReadOnly(), !c.zAndXR) << id;
        for (unsigned id : {1113u, 1125u, 1060u})
            EXPECT_FALSE(Edit(dlg, id)->isReadOnly()) << id;
        EXPECT_TRUE(Control(dlg, 1181)->isEnabled());
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, Trans3Locks,
                         ::testing::Values(LockCase{1, true, true, true},
                                           LockCase{2, true, false, true},
                                           LockCase{3, false, false, false},
                                           LockCase{5, false, false, false},
                                           LockCase{8, false, false, false}));

// The 1000 kVA row: %Z = √(5.907² + 1.05²) = 5.9995957 → "6.000",
// X/R = 5.907 / 1.05 = 5.6257143, peak 10, 14 cycles = 280 ms at 50 Hz;
// the 750 kVA row: %Z = √(5.909² + 1.04²) = 5.9998226, X/R 5.6817308,
// peak 10.5, 12 cycles = 240 ms; It of 750 kVA at 400 V = 1082.5 A.
struct HandlerCase {
    const char* name;
    void (*act)(QWidget*);
    bool ok; // OK enabled afterwards
    double z, xr, peak, damping;
    const char* zText;   // what 1083 shows
    const char* xrText;  // what 1086 shows
    const char* current; // what 1100 shows
};

class Trans3Handlers : public SupplyDialog, public ::testing::WithParamInterface<HandlerCase> {};

TEST_P(Trans3Handlers, EachChangeUpdatesTheCopyAndTheOtherFields) {
    const HandlerCase& c = GetParam();
    CEleTrans3 t = GoodTrans3();
    // Values the user typed before: a capacity change reads over them.
    t.m_dPercentZ = 7.0;
    t.m_dXR = 9.0;
    t.m_dRushPeak = 3.0;
    t.m_dDampingTime = 33.0;
    CDlgEleTrans3 dlg;
    Open(dlg, t, 1);
    c.act(&dlg);
    EXPECT_EQ(OkEnabled(&dlg), c.ok);
    const CEleTrans3& m = dlg.m_eleTrans3;
    EXPECT_NEAR(m.m_dPercentZ, c.z, 1e-6);
    EXPECT_NEAR(m.m_dXR, c.xr, 1e-6);
    EXPECT_NEAR(m.m_dRushPeak, c.peak, 1e-9);
    EXPECT_NEAR(m.m_dDampingTime, c.damping, 1e-9);
    // A zero is shown as the number texts write it.
    auto shown = [](const char* text) {
        return std::string(text) == "<zero>" ? DLLGetTextByBeamsEx(0.0, 4, 0) : std::string(text);
    };
    EXPECT_EQ(Text(&dlg, 1083), shown(c.zText));
    EXPECT_EQ(Text(&dlg, 1086), c.xrText);
    EXPECT_EQ(Text(&dlg, 1100), shown(c.current));
}

const double z1000 = std::sqrt(5.907 * 5.907 + 1.05 * 1.05);
const double z750 = std::sqrt(5.909 * 5.909 + 1.04 * 1.04);

INSTANTIATE_TEST_SUITE_P(
    Changes, Trans3Handlers,
    ::testing::Values(
        HandlerCase{"NothingChanged", [](QWidget*) {}, true, 7.0, 9.0, 3.0, 33.0, "7.000", "9",
                    "1443"},
        HandlerCase{"CapacityTypedReadsTheRow", [](QWidget* d) { Type(d, 1110, "750"); }, true,
                    z750, 5.909 / 1.04, 10.5, 240.0, "6.000", "5.681731", "1083"},
        HandlerCase{"CapacityChosenReadsTheRow", [](QWidget* d) { Choose(d, 1110, "750"); }, true,
                    z750, 5.909 / 1.04, 10.5, 240.0, "6.000", "5.681731", "1083"},
        HandlerCase{"CapacityTyped0RefusesOk", [](QWidget* d) { Type(d, 1110, "0"); }, false, 0.0,
                    0.0, 18.0, 80.0, "<zero>", "0", "<zero>"},
        HandlerCase{"SecondaryTypedReadsTheRowOfTheCapacity",
                    [](QWidget* d) { Type(d, 1104, "415"); }, true, z1000, 5.907 / 1.05, 10.0,
                    280.0, "6.000", "5.625714", "1391"},
        HandlerCase{"SecondaryTyped0RefusesOk", [](QWidget* d) { Type(d, 1104, "0"); }, false,
                    z1000, 5.907 / 1.05, 10.0, 280.0, "6.000", "5.625714", "<zero>"},
        HandlerCase{"SecondaryChosen", [](QWidget* d) { Choose(d, 1104, "690"); }, true, z1000,
                    5.907 / 1.05, 10.0, 280.0, "6.000", "5.625714", "836.7"},
        // Typing %Z keeps it and X/R; the rush values come from the row.
        HandlerCase{"PercentZTypedKeepsTheTypedText", [](QWidget* d) { Type(d, 1083, "4.5"); },
                    true, 4.5, 9.0, 10.0, 280.0, "4.5", "9", "1443"},
        HandlerCase{"PercentZTyped0RefusesOk", [](QWidget* d) { Type(d, 1083, "0"); }, false, 0.0,
                    9.0, 10.0, 280.0, "0", "9", "1443"},
        HandlerCase{"XRTyped", [](QWidget* d) { Type(d, 1086, "4."); }, true, 7.0, 4.0, 10.0, 280.0,
                    "7.000", "4.", "1443"},
        HandlerCase{"XRTypedNotANumberRefusesOk", [](QWidget* d) { Type(d, 1086, "x"); }, false,
                    7.0, 0.0, 10.0, 280.0, "7.000", "x", "1443"},
        // The rush peak refreshes the derived texts only; the damping
        // time nothing.
        HandlerCase{"RushPeakTyped", [](QWidget* d) { Type(d, 1113, "6"); }, true, 7.0, 9.0, 6.0,
                    33.0, "7.000", "9", "1443"},
        HandlerCase{"RushPeakTyped0RefusesOk", [](QWidget* d) { Type(d, 1113, "0"); }, false, 7.0,
                    9.0, 0.0, 33.0, "7.000", "9", "1443"},
        HandlerCase{"DampingTyped", [](QWidget* d) { Type(d, 1125, "120"); }, true, 7.0, 9.0, 3.0,
                    120.0, "7.000", "9", "1443"},
        HandlerCase{"DampingTyped0RefusesOk", [](QWidget* d) { Type(d, 1125, "0"); }, false, 7.0,
                    9.0, 3.0, 0.0, "7.000", "9", "1443"},
        HandlerCase{"PrimaryTyped0RefusesOk", [](QWidget* d) { Type(d, 1103, "0"); }, false, 7.0,
                    9.0, 3.0, 33.0, "7.000", "9", "1443"},
        HandlerCase{"EmptyNameRefusesOk", [](QWidget* d) { Type(d, 1060, ""); }, false, 7.0, 9.0,
                    3.0, 33.0, "7.000", "9", "1443"}),
    [](const ::testing::TestParamInfo<HandlerCase>& info) { return info.param.name; });

TEST_F(SupplyDialog, Trans3StoresTheVoltagesEarthingNameAndFlag) {
    CDlgEleTrans3 dlg;
    Open(dlg, GoodTrans3(), 1, 60);
    Type(&dlg, 1103, "11000");
    EXPECT_EQ(dlg.m_eleTrans3.m_nVoltage, 11000);
    EXPECT_TRUE(OkEnabled(&dlg));
    Choose(&dlg, 1103, "3300");
    EXPECT_EQ(dlg.m_eleTrans3.m_nVoltage, 3300);
    Choose(&dlg, 1115, "IT");
    EXPECT_EQ(dlg.m_eleTrans3.m_nEarthing, 5u);
    Choose(&dlg, 1115, "TN-C");
    EXPECT_EQ(dlg.m_eleTrans3.m_nEarthing, 3u);
    Type(&dlg, 1060, "T9");
    EXPECT_EQ(dlg.m_eleTrans3.m_strName, "T9");
    dynamic_cast<QCheckBox*>(Control(&dlg, 1181))->click();
    EXPECT_EQ(dlg.m_eleTrans3.m_nCalcPoint, 1u);
    // At 60 Hz the 1000 kVA row's 14 cycles are 233.33 ms.
    Choose(&dlg, 1110, "1000");
    EXPECT_NEAR(dlg.m_eleTrans3.m_dDampingTime, 14000.0 / 60.0, 1e-9);
    EXPECT_EQ(Text(&dlg, 1125), "233.333333");
}

// OK runs the data check on the copy; a bad value keeps the dialog open with
// the focus on its control, in the check's order.
TEST_F(SupplyDialog, Trans3OkRefusesBadValuesWithTheFocusOnTheFirst) {
    struct Case {
        void (*spoil)(CEleTrans3&);
        unsigned focus;
    };
    const Case cases[] = {
        {[](CEleTrans3& t) { t.m_nVoltage2 = 0; }, 1104},
        {[](CEleTrans3& t) { t.m_dXR = 0.0; }, 1086},
        {[](CEleTrans3& t) {
             t.m_dRushPeak = 0.0;
             t.m_dDampingTime = 0.0;
         },
         1113},
        {[](CEleTrans3& t) { t.m_dDampingTime = 0.0; }, 1125},
    };
    for (const Case& c : cases) {
        CEleTrans3 t = GoodTrans3();
        c.spoil(t);
        CDlgEleTrans3 dlg;
        Open(dlg, t, 1);
        OkResult r = PressOk(dlg);
        EXPECT_FALSE(r.closed);
        EXPECT_EQ(r.focus, c.focus);
    }
    CDlgEleTrans3 good;
    Open(good, GoodTrans3(), 1);
    EXPECT_TRUE(PressOk(good).closed);
}

// ---- Single-phase transformer (200) ----

CEleTrans1 GoodTrans1() {
    CEleTrans1 t;
    t.m_strName = "ST1";
    t.m_nVoltage = 6600;
    t.m_nVoltage2 = 210;
    t.m_nEarthing = 5;
    t.m_dCapacity = 50.0;
    t.m_part2.m_dPercentZ = 3.0;
    t.m_part2.m_dXR = 1.75;
    t.m_part2.m_dRushPeak = 15.0;
    t.m_part2.m_dDampingTime = 100.0;
    t.m_part1.m_dPercentZ = 4.5;
    return t;
}

void Open(CDlgEleTrans1& dlg, const CEleTrans1& t, int32_t mode) {
    dlg.m_eleTrans1 = t;
    dlg.m_nMode = mode;
    dlg.m_nFrequency = 50;
    dlg.OnInitDialog();
}

// The single-phase lists: earthing TT and IT only, the capacities of
// Equip_Trans1 (5 to 500 kVA); 1089 shows the half voltage; the fields are
// winding 2's: It = 50 000 / 210 = 238.1 A.
TEST_F(SupplyDialog, Trans1OpensWithTheSinglePhaseListsAndWinding2) {
    CDlgEleTrans1 dlg;
    Open(dlg, GoodTrans1(), 1);
    EXPECT_EQ(fw::GetControlId(&dlg), 200u);
    EXPECT_EQ(Items(Combo(&dlg, 1115)), (Strings{"TT", "IT"}));
    EXPECT_EQ(Text(&dlg, 1115), "IT");
    const QComboBox* capacity = Combo(&dlg, 1110);
    EXPECT_EQ(capacity->count(), 12);
    EXPECT_EQ(capacity->itemText(0).toStdString(), "5");
    EXPECT_EQ(Text(&dlg, 1110), "50");
    EXPECT_EQ(Text(&dlg, 1104), "210");
    EXPECT_EQ(Text(&dlg, 1089), "105");
    EXPECT_TRUE(Edit(&dlg, 1089)->isReadOnly());
    EXPECT_EQ(Text(&dlg, 1100), "238.1");
    EXPECT_EQ(Text(&dlg, 1083), "3.000");
    EXPECT_EQ(Text(&dlg, 1086), "1.75");
    EXPECT_EQ(Text(&dlg, 1113), "15");
    EXPECT_EQ(Text(&dlg, 1125), "100");
    EXPECT_EQ(Text(&dlg, 1120), "3571");
}

// A secondary voltage typed refreshes the half voltage (231 → 115) and
// reads the windings of the capacity again (50 kVA: out-out %Z √9.01).
TEST_F(SupplyDialog, Trans1SecondaryVoltageRefreshesTheHalfVoltage) {
    CDlgEleTrans1 dlg;
    Open(dlg, GoodTrans1(), 1);
    Type(&dlg, 1104, "231");
    EXPECT_EQ(dlg.m_eleTrans1.m_nVoltage2, 231);
    EXPECT_EQ(Text(&dlg, 1089), "115");
    EXPECT_NEAR(dlg.m_eleTrans1.m_part2.m_dPercentZ, std::sqrt(9.01), 1e-9);
    EXPECT_NEAR(dlg.m_eleTrans1.m_part1.m_dPercentZ, std::sqrt(22.3681), 1e-9);
    // The secondary's value is not taken for the primary.
    EXPECT_EQ(dlg.m_eleTrans1.m_nVoltage, 6600);
}

// A primary voltage typed into 1103 is stored, as the three-phase dialog
// does; it used to run the secondary voltage's handler and be lost.
TEST_F(SupplyDialog, Trans1TypedPrimaryVoltageIsStored) {
    CDlgEleTrans1 dlg;
    Open(dlg, GoodTrans1(), 1);
    Type(&dlg, 1103, "3300");
    EXPECT_EQ(dlg.m_eleTrans1.m_nVoltage, 3300);
    EXPECT_EQ(dlg.m_eleTrans1.m_nVoltage2, 210);
    EXPECT_TRUE(OkEnabled(&dlg));
    Type(&dlg, 1103, "0");
    EXPECT_EQ(dlg.m_eleTrans1.m_nVoltage, 0);
    EXPECT_FALSE(OkEnabled(&dlg));
}

// OK runs the data check as the three-phase dialog does: it used to close
// on any values, so a transformer without impedance reached the network.
TEST_F(SupplyDialog, Trans1OkRefusesBadValuesWithTheFocusOnTheFirst) {
    struct Case {
        void (*spoil)(CEleTrans1&);
        unsigned focus;
    };
    const Case cases[] = {
        {[](CEleTrans1& t) { t.m_nVoltage = 0; }, 1103},
        {[](CEleTrans1& t) { t.m_dCapacity = 0.0; }, 1110},
        {[](CEleTrans1& t) { t.m_part2.m_dPercentZ = 0.0; }, 1083},
        {[](CEleTrans1& t) { t.m_part2.m_dDampingTime = 0.0; }, 1125},
    };
    for (const Case& c : cases) {
        CEleTrans1 t = GoodTrans1();
        c.spoil(t);
        CDlgEleTrans1 dlg;
        Open(dlg, t, 1);
        OkResult r = PressOk(dlg);
        EXPECT_FALSE(r.closed);
        EXPECT_EQ(r.focus, c.focus);
    }
    CDlgEleTrans1 good;
    Open(good, GoodTrans1(), 1);
    EXPECT_TRUE(PressOk(good).closed);
}

TEST_F(SupplyDialog, Trans1HandlersWriteWinding2) {
    CDlgEleTrans1 dlg;
    Open(dlg, GoodTrans1(), 1);
    Type(&dlg, 1083, "3.5");
    EXPECT_EQ(dlg.m_eleTrans1.m_part2.m_dPercentZ, 3.5);
    EXPECT_EQ(dlg.m_eleTrans1.m_part1.m_dPercentZ, 4.5); // winding 1 as it was
    Type(&dlg, 1086, "2");
    EXPECT_EQ(dlg.m_eleTrans1.m_part2.m_dXR, 2.0);
    Type(&dlg, 1113, "12");
    EXPECT_EQ(dlg.m_eleTrans1.m_part2.m_dRushPeak, 12.0);
    // 12 · 238.095 = 2857.1 A r.m.s.
    EXPECT_EQ(Text(&dlg, 1120), "2857");
    Type(&dlg, 1125, "90");
    EXPECT_EQ(dlg.m_eleTrans1.m_part2.m_dDampingTime, 90.0);
    dynamic_cast<QCheckBox*>(Control(&dlg, 1181))->click();
    EXPECT_EQ(dlg.m_eleTrans1.m_part2.m_nCalcPoint, 1u);
    EXPECT_EQ(dlg.m_eleTrans1.m_part1.m_nCalcPoint, 0u);
    Choose(&dlg, 1115, "TT");
    EXPECT_EQ(dlg.m_eleTrans1.m_nEarthing, 4u);
}

// ---- Source (162) ----

CEleSource GoodSource() {
    CEleSource s;
    s.m_strName = "SOURCE1";
    s.m_nVoltage = 6600;
    s.m_nCapacity = 500;
    s.m_dXR = 25.0;
    return s;
}

void Open(CDlgEleSource& dlg, const CEleSource& s, int32_t mode, int32_t frequency = 50) {
    dlg.m_eleSource = s;
    dlg.m_infoSkeleton.m_nFrequency = frequency;
    dlg.m_infoSkeleton.m_dCapacity = 1000.0;
    dlg.m_nMode = mode;
    dlg.OnInitDialog();
}

// The six values of 6600 V, 500 MVA, X/R 25 on 1000 kVA: %R 0.007994,
// %X 0.1998, %Z 0.2000; 3.482, 87.05 and 87.12 mΩ.
TEST_F(SupplyDialog, SourceOpensWithItsListsAndValues) {
    CDlgEleSource dlg;
    Open(dlg, GoodSource(), 1, 60);
    EXPECT_EQ(fw::GetControlId(&dlg), 162u);
    EXPECT_EQ(dlg.windowTitle().toStdString(), "Source");
    EXPECT_EQ(Items(Combo(&dlg, 1089)), (Strings{"3300", "6600", "11000", "22000", "33000"}));
    EXPECT_EQ(supplydlg::GetTextLimit(Combo(&dlg, 1089)->lineEdit()), 5);
    EXPECT_EQ(Items(Combo(&dlg, 1110)), (Strings{"500", "1000"}));
    EXPECT_EQ(supplydlg::GetTextLimit(Combo(&dlg, 1110)->lineEdit()), 4);
    EXPECT_EQ(supplydlg::GetTextLimit(Edit(&dlg, 1086)), 2);
    EXPECT_EQ(Text(&dlg, 1060), "SOURCE1");
    EXPECT_EQ(Text(&dlg, 1089), "6600");
    EXPECT_EQ(Text(&dlg, 1110), "500");
    EXPECT_EQ(Text(&dlg, 1086), "25");
    EXPECT_EQ(Text(&dlg, 1084), "0.007994");
    EXPECT_EQ(Text(&dlg, 1085), "0.1998");
    EXPECT_EQ(Text(&dlg, 1083), "0.2000");
    EXPECT_EQ(Text(&dlg, 1079), "3.482");
    EXPECT_EQ(Text(&dlg, 1080), "87.05");
    EXPECT_EQ(Text(&dlg, 1078), "87.12");
    EXPECT_FALSE(dynamic_cast<QRadioButton*>(Control(&dlg, 1150))->isChecked());
    EXPECT_TRUE(dynamic_cast<QRadioButton*>(Control(&dlg, 1152))->isChecked());
}

// After a calculation only the name can change.
TEST_F(SupplyDialog, SourceModeLocks) {
    for (int32_t mode : {1, 2, 3, 8}) {
        SCOPED_TRACE(mode);
        const bool open = mode < 3;
        CDlgEleSource dlg;
        Open(dlg, GoodSource(), mode);
        for (unsigned id : {1089u, 1110u, 1150u, 1152u})
            EXPECT_EQ(Control(&dlg, id)->isEnabled(), open) << id;
        EXPECT_EQ(Edit(&dlg, 1086)->isReadOnly(), !open);
        EXPECT_FALSE(Edit(&dlg, 1060)->isReadOnly());
    }
}

TEST_F(SupplyDialog, SourceChangesRecomputeTheValuesAndRuleOk) {
    CDlgEleSource dlg;
    Open(dlg, GoodSource(), 1);
    // 1000 MVA halves %Z: 0.1000; Z = 6600² / 10⁶ = 43.56 mΩ.
    Choose(&dlg, 1110, "1000");
    EXPECT_EQ(dlg.m_eleSource.m_nCapacity, 1000);
    EXPECT_EQ(Text(&dlg, 1083), "0.1000");
    EXPECT_EQ(Text(&dlg, 1078), "43.56");
    EXPECT_TRUE(OkEnabled(&dlg));
    Type(&dlg, 1110, "0");
    EXPECT_FALSE(OkEnabled(&dlg));
    EXPECT_EQ(dlg.m_eleSource.m_nCapacity, 0);
    Type(&dlg, 1110, "250");
    EXPECT_TRUE(OkEnabled(&dlg));
    EXPECT_EQ(Text(&dlg, 1083), "0.4000");
    // 3300 V: Z = 3300² / (1000·250) = 43.56 mΩ.
    Type(&dlg, 1089, "3300");
    EXPECT_EQ(dlg.m_eleSource.m_nVoltage, 3300);
    EXPECT_EQ(Text(&dlg, 1078), "43.56");
    Type(&dlg, 1089, "");
    EXPECT_FALSE(OkEnabled(&dlg));
    Choose(&dlg, 1089, "11000");
    EXPECT_TRUE(OkEnabled(&dlg));
    EXPECT_EQ(dlg.m_eleSource.m_nVoltage, 11000);
    // X/R 0 refuses OK; X/R 10 gives %R = 0.4 / √101.
    Type(&dlg, 1086, "0");
    EXPECT_FALSE(OkEnabled(&dlg));
    Type(&dlg, 1086, "10");
    EXPECT_TRUE(OkEnabled(&dlg));
    EXPECT_EQ(dlg.m_eleSource.m_dXR, 10.0);
    EXPECT_EQ(Text(&dlg, 1084), "0.03980");
    Type(&dlg, 1060, "");
    EXPECT_FALSE(OkEnabled(&dlg));
    Type(&dlg, 1060, "MAINS");
    EXPECT_EQ(dlg.m_eleSource.m_strName, "MAINS");
    dynamic_cast<QRadioButton*>(Control(&dlg, 1152))->click();
    EXPECT_EQ(dlg.m_infoSkeleton.m_nFrequency, 60);
    dynamic_cast<QRadioButton*>(Control(&dlg, 1150))->click();
    EXPECT_EQ(dlg.m_infoSkeleton.m_nFrequency, 50);
}

TEST_F(SupplyDialog, SourceOkRefusesBadValuesWithTheFocusOnTheFirst) {
    struct Case {
        void (*spoil)(CEleSource&);
        unsigned focus;
    };
    const Case cases[] = {
        {[](CEleSource& s) { s.m_nVoltage = 0; }, 1089},
        {[](CEleSource& s) { s.m_nCapacity = 0; }, 1110},
        {[](CEleSource& s) { s.m_dXR = 0.0; }, 1086},
    };
    for (const Case& c : cases) {
        CEleSource s = GoodSource();
        c.spoil(s);
        CDlgEleSource dlg;
        Open(dlg, s, 1);
        OkResult r = PressOk(dlg);
        EXPECT_FALSE(r.closed);
        EXPECT_EQ(r.focus, c.focus);
    }
    CDlgEleSource good;
    Open(good, GoodSource(), 1);
    EXPECT_TRUE(PressOk(good).closed);
}

// ---- Zero conductor (184) ----

TEST_F(SupplyDialog, ZeroCondEditsNameAndCalculationPointOnly) {
    CDlgEleZeroCond dlg;
    dlg.m_eleZeroCond.m_strName = "ZC1";
    dlg.m_eleZeroCond.m_nVoltage = 105;
    dlg.m_eleZeroCond.m_nSinglePhase = 1;
    dlg.OnInitDialog();
    EXPECT_EQ(fw::GetControlId(&dlg), 184u);
    EXPECT_EQ(dlg.windowTitle().toStdString(), "Zero conductor");
    EXPECT_EQ(Text(&dlg, 1060), "ZC1");
    EXPECT_EQ(Text(&dlg, 1089), "105-52");
    EXPECT_TRUE(Edit(&dlg, 1089)->isReadOnly());
    Type(&dlg, 1060, "");
    EXPECT_FALSE(OkEnabled(&dlg));
    Type(&dlg, 1060, "BUS");
    EXPECT_TRUE(OkEnabled(&dlg));
    EXPECT_EQ(dlg.m_eleZeroCond.m_strName, "BUS");
    dynamic_cast<QCheckBox*>(Control(&dlg, 1181))->click();
    EXPECT_EQ(dlg.m_eleZeroCond.m_nCalcPoint, 1u);
    EXPECT_TRUE(PressOk(dlg).closed);
}

} // namespace
