// The dialogs of the generator (163), motor effect (182), motor (181),
// general load (183), capacitor (179) and text box (186) on the build's
// reference databases, driven control by control as a user would: each
// table row types into or clicks a control by its id and checks the OK
// button, the model and the texts of the other controls. Also the symbols
// and the text box as they draw, which needs fonts and so the widget tests.

#include "app/elements/supply/CEleCapacitor.h"
#include "app/elements/supply/CEleGenerator.h"
#include "app/elements/supply/CEleLoad.h"
#include "app/elements/supply/CEleMotor.h"
#include "app/elements/supply/CEleMotorEff.h"
#include "app/elements/supply/CEleText.h"
#include "app/elements/supply/dialogs/CDlgEleCapacitor.h"
#include "app/elements/supply/dialogs/CDlgEleGenerator.h"
#include "app/elements/supply/dialogs/CDlgEleLoad.h"
#include "app/elements/supply/dialogs/CDlgEleMotor.h"
#include "app/elements/supply/dialogs/CDlgEleMotorEff.h"
#include "app/elements/supply/dialogs/CDlgEleText.h"
#include "app/elements/supply/dialogs/MachineDialogKit.h"
#include "app/records/DialogSeam.h"
#include "app/records/ElementKinds.h"
#include "app/shell/model/CObjElement.h"
#include "framework/DeviceContext.h"
#include "framework/Resources.h"
#include "tools/Filvaron.h"

#include "tests/app/elements/supply/MachineTestSupport.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <utility>
#include <vector>

using machinetest::DatabasesScope;

namespace {

// A zero as the texts with four significant digits show it.
const std::string kZero4 = DLLGetTextByBeamsEx(0.0, 4, 0);

// --- driving a dialog by control ids ----------------------------------------

QWidget* Control(QWidget* dlg, unsigned id) {
    auto* w = fw::FindControlAs<QWidget>(dlg, id);
    EXPECT_NE(nullptr, w) << "no control " << id;
    return w;
}

std::string TextOf(QWidget* dlg, unsigned id) {
    QWidget* w = Control(dlg, id);
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return edit->text().toStdString();
    if (auto* box = qobject_cast<QComboBox*>(w))
        return box->currentText().toStdString();
    if (auto* text = qobject_cast<QPlainTextEdit*>(w))
        return text->toPlainText().toStdString();
    return "?";
}

// What a user's typing leaves in a field.
void Type(QWidget* dlg, unsigned id, const std::string& text) {
    QWidget* w = Control(dlg, id);
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        edit->setText(QString::fromStdString(text));
    else if (auto* box = qobject_cast<QComboBox*>(w))
        box->setEditText(QString::fromStdString(text));
}

// Picks the entry with the text from a combo box's list.
void Choose(QWidget* dlg, unsigned id, const std::string& entry) {
    auto* box = qobject_cast<QComboBox*>(Control(dlg, id));
    ASSERT_NE(nullptr, box);
    int index = box->findText(QString::fromStdString(entry));
    ASSERT_GE(index, 0) << entry;
    box->setCurrentIndex(index);
    emit box->activated(index);
}

void Click(QWidget* dlg, unsigned id) {
    auto* button = qobject_cast<QAbstractButton*>(Control(dlg, id));
    ASSERT_NE(nullptr, button);
    button->click();
}

bool OkEnabled(QWidget* dlg) {
    return Control(dlg, 1)->isEnabled();
}

bool Editable(QWidget* dlg, unsigned id) {
    QWidget* w = Control(dlg, id);
    if (!w->isEnabled())
        return false;
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return !edit->isReadOnly();
    return true;
}

// One step of a rule table: an action, then what the controls show.
struct Step {
    Step(const char* what_, std::function<void(QWidget*)> act_, bool okEnabled_,
         std::vector<std::pair<unsigned, std::string>> texts_, std::function<void()> model_ = {})
        : what(what_), act(std::move(act_)), okEnabled(okEnabled_), texts(std::move(texts_)),
          model(std::move(model_)) {}
    const char* what;
    std::function<void(QWidget*)> act;
    bool okEnabled;
    std::vector<std::pair<unsigned, std::string>> texts;
    std::function<void()> model; // checks of the model, when any
};

void RunSteps(QWidget* dlg, const std::vector<Step>& steps) {
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        if (s.act)
            s.act(dlg);
        EXPECT_EQ(s.okEnabled, OkEnabled(dlg));
        for (const auto& [id, text] : s.texts)
            EXPECT_EQ(text, TextOf(dlg, id)) << "control " << id;
        if (s.model)
            s.model();
    }
}

auto TypeAct(unsigned id, std::string text) {
    return [id, text](QWidget* dlg) { Type(dlg, id, text); };
}

class MachineDialogs : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dbs.IsOpen()); }
    DatabasesScope m_dbs;
};

CGeneratorEdit DefaultGenerator() {
    CGeneratorEdit e;
    e.generator.m_strName = "G1";
    e.generator.m_nVoltage = 400;
    e.generator.m_nEarthing = 4;
    e.generator.m_dCapacity = 500.0;
    e.generator.m_dTransientReactance = 22.0;
    e.generator.m_dSubReactance = 13.0;
    e.generator.m_dDcConstant = 0.025;
    e.generator.m_dSubConstant = 0.014;
    e.nFrequency = 50;
    return e;
}

} // namespace

// The derived texts at opening are the hand values of the 500 kVA
// generator (see MachineValuesTest): In 721.6878 A, Ra 1.655 %, I"kd 5.507,
// I'kd 3.271, Iac0 4.366, IacL 4.802 and Ip 11.39 kA; at 60 Hz Ra is
// 1.379 %.
TEST_F(MachineDialogs, GeneratorRules) {
    CGeneratorEdit edit = DefaultGenerator();
    CEleGenerator& g = edit.generator;
    CDlgEleGenerator dlg(edit, 1);
    auto* voltages = qobject_cast<QComboBox*>(Control(&dlg, 1089));
    auto* capacities = qobject_cast<QComboBox*>(Control(&dlg, 1110));
    EXPECT_EQ(7, voltages->count());
    EXPECT_EQ(12, capacities->count()) << "the catch-all row is not listed";
    EXPECT_EQ("TT", TextOf(&dlg, 1115));
    EXPECT_TRUE(qobject_cast<QAbstractButton*>(Control(&dlg, 1150))->isChecked());
    RunSteps(
        &dlg,
        {{"opening",
          nullptr,
          true,
          {{1060, "G1"},
           {1089, "400"},
           {1110, "500"},
           {1100, "721.687836487032"},
           {1087, "22.00"},
           {1118, "13.00"},
           {1187, "0.02500"},
           {1126, "0.01400"},
           {1122, "1.655"},
           {1128, "5.507"},
           {1129, "3.271"},
           {1135, "4.366"},
           {1137, "4.802"},
           {1120, "11.39"}}},
         {"a capacity typed takes the next row of the table (750 kVA)",
          TypeAct(1110, "600"),
          true,
          {{1110, "600"}, {1087, "22.00"}, {1187, "0.03000"}, {1126, "0.01600"}},
          [&] { EXPECT_EQ(600.0, g.m_dCapacity); }},
         {"a capacity chosen from the list",
          [](QWidget* d) { Choose(d, 1110, "1000"); },
          true,
          {{1087, "21.00"}, {1118, "12.50"}},
          [&] { EXPECT_EQ(1000.0, g.m_dCapacity); }},
         {"capacity 0 clears the machine values and disables OK",
          TypeAct(1110, "0"),
          false,
          {{1087, kZero4}, {1118, kZero4}, {1187, kZero4}, {1126, kZero4}},
          [&] { EXPECT_EQ(0.0, g.m_dTransientReactance); }},
         {"a capacity above every row takes the catch-all row",
          TypeAct(1110, "9999"),
          true,
          {{1087, "20.00"}, {1126, "0.02800"}}},
         {"X'd typed: the field keeps what was typed",
          TypeAct(1087, "18."),
          true,
          {{1087, "18."}},
          [&] { EXPECT_EQ(18.0, g.m_dTransientReactance); }},
         {"X'd that is no number",
          TypeAct(1087, "abc"),
          false,
          {{1087, "abc"}},
          [&] { EXPECT_EQ(0.0, g.m_dTransientReactance); }},
         {"X'd back", TypeAct(1087, "20"), true, {}},
         {"60 Hz",
          [](QWidget* d) { Click(d, 1152); },
          true,
          {},
          [&] { EXPECT_EQ(60, edit.nFrequency); }},
         {"voltage 0 disables OK and zeroes the current",
          TypeAct(1089, "0"),
          false,
          {{1100, "0"}, {1128, kZero4}}},
         {"a voltage chosen from the list",
          [](QWidget* d) { Choose(d, 1089, "690"); },
          true,
          {},
          [&] { EXPECT_EQ(690, g.m_nVoltage); }},
         {"the earthing chosen by name",
          [](QWidget* d) { Choose(d, 1115, "TN-S"); },
          true,
          {},
          [&] { EXPECT_EQ(1u, g.m_nEarthing); }},
         {"an empty name disables OK", TypeAct(1060, ""), false, {}},
         {"a name", TypeAct(1060, "GEN-A"), true, {}, [&] { EXPECT_EQ("GEN-A", g.m_strName); }},
         {"the calculation point",
          [](QWidget* d) { Click(d, 1181); },
          true,
          {},
          [&] { EXPECT_EQ(1u, g.m_nCalcPoint); }}});
}

TEST_F(MachineDialogs, GeneratorFrequencyChangesTheValues) {
    CGeneratorEdit edit = DefaultGenerator();
    CDlgEleGenerator dlg(edit, 1);
    Click(&dlg, 1152);
    EXPECT_EQ("1.379", TextOf(&dlg, 1122));
    EXPECT_EQ("4.964", TextOf(&dlg, 1137));
    Click(&dlg, 1150);
    EXPECT_EQ("1.655", TextOf(&dlg, 1122));
}

// OK checks the data and keeps the dialog open with the focus on the first
// bad value.
TEST_F(MachineDialogs, GeneratorOkMovesTheFocusToTheFirstBadValue) {
    CGeneratorEdit edit = DefaultGenerator();
    CDlgEleGenerator dlg(edit, 1);
    Type(&dlg, 1187, "0");
    Type(&dlg, 1126, "0");
    EXPECT_FALSE(OkEnabled(&dlg));
    // A typed value that is fine again enables OK although another is not.
    Type(&dlg, 1126, "0.014");
    EXPECT_TRUE(OkEnabled(&dlg));
    Click(&dlg, 1);
    EXPECT_NE(QDialog::Accepted, dlg.result());
    EXPECT_EQ(Control(&dlg, 1187), dlg.focusWidget());
    Type(&dlg, 1187, "0.025");
    Click(&dlg, 1);
    EXPECT_EQ(QDialog::Accepted, dlg.result());
}

TEST_F(MachineDialogs, GeneratorLocksByMode) {
    struct Case {
        int32_t mode;
        bool voltage, earthing, capacity, frequency, machine;
    };
    for (Case c :
         {Case{1, true, true, true, true, true}, Case{2, true, false, true, true, true},
          Case{3, false, false, false, false, false}, Case{8, false, false, false, false, false}}) {
        SCOPED_TRACE(c.mode);
        CGeneratorEdit edit = DefaultGenerator();
        CDlgEleGenerator dlg(edit, c.mode);
        EXPECT_EQ(c.voltage, Editable(&dlg, 1089));
        EXPECT_EQ(c.earthing, Editable(&dlg, 1115));
        EXPECT_EQ(c.capacity, Editable(&dlg, 1110));
        EXPECT_EQ(c.frequency, Editable(&dlg, 1150));
        EXPECT_EQ(c.frequency, Editable(&dlg, 1152));
        for (unsigned id : {1087u, 1118u, 1187u, 1126u})
            EXPECT_EQ(c.machine, Editable(&dlg, id)) << id;
        EXPECT_TRUE(Editable(&dlg, 1060));
        EXPECT_TRUE(Editable(&dlg, 1181));
    }
}

// The issue's motor effect at opening: In 1155 A, Z"m 20.21 %, Tdcm
// 0.04897 s, T"m 0.03979 s, I"m 5.714, Iacm 4.444, Ipm 12.87 kA.
TEST_F(MachineDialogs, MotorEffectRules) {
    CEleMotorEff m;
    m.m_strName = "ME1";
    m.m_nVoltage = 400;
    m.m_dCapacity = 800.0;
    m.m_dSubReactance = 20.0;
    m.m_dRotorResistance = 1.6;
    m.m_dStatorResistance = 1.3;
    CDlgEleMotorEff dlg(m, 1, 50);
    RunSteps(&dlg, {{"opening",
                     nullptr,
                     true,
                     {{1089, "400"},
                      {1110, "800"},
                      {1118, "20"},
                      {1127, "1.6"},
                      {1122, "1.3"},
                      {1100, "1155"},
                      {1141, "20.21"},
                      {1187, "0.04897"},
                      {1126, "0.03979"},
                      {1143, "5.714"},
                      {1088, "4.444"},
                      {1120, "12.87"}}},
                    {"a capacity typed reads the table (300 kVA row)",
                     TypeAct(1110, "300"),
                     true,
                     {{1110, "300"}, {1118, "18.5"}, {1127, "2.6"}, {1122, "2.2"}},
                     [&] { EXPECT_EQ(300.0, m.m_dCapacity); }},
                    {"Rr 0 disables OK and stops the decay",
                     TypeAct(1127, "0"),
                     false,
                     {{1127, "0"}, {1126, kZero4}, {1088, kZero4}}},
                    {"Rr again", TypeAct(1127, "2"), true, {}},
                    {"capacity 0 clears the machine values",
                     TypeAct(1110, "0"),
                     false,
                     {{1118, "0"}, {1127, "0"}, {1122, "0"}}},
                    {"calculation point",
                     [](QWidget* d) { Click(d, 1181); },
                     false,
                     {},
                     [&] { EXPECT_EQ(1u, m.m_nCalcPoint); }},
                    {"capacity 800 again reads the 1000 kVA row",
                     TypeAct(1110, "800"),
                     true,
                     {{1118, "20"}, {1127, "1.6"}, {1122, "1.3"}}},
                    {"Rs 0", TypeAct(1122, "0"), false, {}},
                    {"Rr typed: OK follows the last field typed", TypeAct(1127, "1.7"), true, {}}});
    Click(&dlg, 1);
    EXPECT_NE(QDialog::Accepted, dlg.result());
    EXPECT_EQ(Control(&dlg, 1122), dlg.focusWidget());
}

// The dialog reads the document's frequency: at 60 Hz T"m = 20 / (2 pi 60
// x 1.6) = 0.03316 s. After a calculation the machine values are locked;
// the check mode locks nothing.
TEST_F(MachineDialogs, MotorEffectFrequencyAndLocks) {
    CEleMotorEff m;
    m.m_nVoltage = 400;
    m.m_dCapacity = 800.0;
    m.m_dSubReactance = 20.0;
    m.m_dRotorResistance = 1.6;
    m.m_dStatorResistance = 1.3;
    CDlgEleMotorEff at60(m, 1, 60);
    EXPECT_EQ("0.03316", TextOf(&at60, 1126));
    for (auto [mode, editable] : {std::pair{2, true}, std::pair{3, false}, std::pair{8, false}}) {
        CDlgEleMotorEff dlg(m, mode, 50);
        for (unsigned id : {1110u, 1118u, 1127u, 1122u})
            EXPECT_EQ(editable, Editable(&dlg, id)) << mode << " " << id;
        EXPECT_FALSE(Editable(&dlg, 1089));
    }
}

TEST_F(MachineDialogs, MotorRules) {
    CEleMotor m;
    m.m_strName = "M1";
    m.m_nVoltage = 400;
    m.m_dCapacity = 7.5;
    m.m_dPowerFactor = 0.84;
    m.m_dStartingCurrent = 7;
    m.m_dStartingTime = 5;
    m.m_dInrushCurrent = 11.9;
    CDlgEleMotor dlg(m, 1);
    RunSteps(&dlg, {{"opening",
                     nullptr,
                     true,
                     {{1089, "400"},
                      {1110, "7.5"},
                      {1188, "12.89"},
                      {1190, "0.84"},
                      {1191, "-32.86"},
                      {1108, "7"},
                      {1194, "5"},
                      {1113, "11.9"}}},
                    {"a power factor typed earlier is overwritten by a new capacity",
                     TypeAct(1190, "0.5"),
                     true,
                     {{1190, "0.5"}, {1191, "-60.00"}}},
                    {"capacity 45 kW reads its row",
                     TypeAct(1110, "45"),
                     true,
                     {{1190, "0.86"}, {1108, "7"}, {1194, "9"}, {1113, "11.9"}},
                     [&] { EXPECT_EQ(0.86, m.m_dPowerFactor); }},
                    {"a power factor outside 0 to 1 empties the phase",
                     TypeAct(1190, "1.5"),
                     false,
                     {{1190, "1.5"}, {1191, ""}}},
                    {"power factor 0: 90 degrees", TypeAct(1190, "0"), true, {{1191, "-90.00"}}},
                    {"starting current 0", TypeAct(1108, "0"), false, {{1108, "0"}}},
                    {"starting current again", TypeAct(1108, "6.5"), true, {}},
                    {"capacity 0 disables OK", TypeAct(1110, "0"), false, {{1188, kZero4}}}});
    Type(&dlg, 1110, "7.5");
    Type(&dlg, 1113, "0");
    Type(&dlg, 1108, "7.0");
    Click(&dlg, 1);
    EXPECT_NE(QDialog::Accepted, dlg.result());
    EXPECT_EQ(Control(&dlg, 1113), dlg.focusWidget());

    for (auto [mode, editable] : {std::pair{1, true}, std::pair{2, false}, std::pair{8, false}}) {
        CDlgEleMotor locked(m, mode);
        EXPECT_EQ(editable, Editable(&locked, 1110)) << mode;
        EXPECT_EQ(editable, Editable(&locked, 1190)) << mode;
        EXPECT_TRUE(Editable(&locked, 1108));
    }
}

TEST_F(MachineDialogs, GeneralLoadRules) {
    CEleLoad l;
    l.m_strName = "L1";
    l.m_nVoltage = 400;
    l.m_dPowerFactor = 0.7;
    CDlgEleLoad dlg(l, 1);
    EXPECT_TRUE(qobject_cast<QAbstractButton*>(Control(&dlg, 1147))->isChecked());
    RunSteps(
        &dlg,
        {{"opening", nullptr, true, {{1089, "400"}, {1192, "0"}, {1190, "0.7"}, {1191, "-45.57"}}},
         {"a load current reads its class (50 A)",
          TypeAct(1192, "45"),
          true,
          {{1190, "0.8"}, {1108, "2.5"}, {1194, "1"}, {1191, "-36.87"}}},
         {"lead",
          [](QWidget* d) { Click(d, 1144); },
          true,
          {{1191, "+36.87"}},
          [&] { EXPECT_EQ(1u, l.m_nLeading); }},
         {"a load current of 0 disables OK", TypeAct(1192, "0"), false, {}},
         {"load current again", TypeAct(1192, "200"), true, {{1190, "0.84"}}},
         {"power factor outside 0 to 1",
          TypeAct(1190, "-0.01"),
          false,
          {{1190, "-0.01"}, {1191, ""}}},
         {"power factor 1", TypeAct(1190, "1"), true, {{1191, "+" + kZero4}}},
         {"starting time 0", TypeAct(1194, "0"), false, {}},
         {"lag",
          [](QWidget* d) { Click(d, 1147); },
          false,
          {{1191, "-" + kZero4}},
          [&] { EXPECT_EQ(0u, l.m_nLeading); }}});
    // The starting values are refused only by their own rule; the data
    // check looks at the power factor alone.
    Type(&dlg, 1190, "2");
    Type(&dlg, 1194, "1");
    Click(&dlg, 1);
    EXPECT_NE(QDialog::Accepted, dlg.result());
    EXPECT_EQ(Control(&dlg, 1190), dlg.focusWidget());
    Type(&dlg, 1190, "0.9");
    Click(&dlg, 1);
    EXPECT_EQ(QDialog::Accepted, dlg.result());

    CDlgEleLoad locked(l, 2);
    EXPECT_FALSE(Editable(&locked, 1192));
    EXPECT_TRUE(Editable(&locked, 1190));
}

// The capacitor at opening: the hand values of 100 kvar, 6 %, 2 + j10 mohm
// (see ConsumerValuesTest): C 0.001989 F, Ic 144.3 A, peak 558.6 A, t0
// 1.285 ms, phase +90 degrees.
TEST_F(MachineDialogs, CapacitorRules) {
    CEleCapacitor c;
    c.m_strName = "C1";
    c.m_nVoltage = 400;
    c.m_dCapacity = 100.0;
    c.m_dReactor = 6.0;
    c.m_dUpstreamResistance = 2.0;
    c.m_dUpstreamReactance = 10.0;
    c.m_nLeading = 1;
    CDlgEleCapacitor dlg(c, 1, 50);
    auto* reactors = qobject_cast<QComboBox*>(Control(&dlg, 1200));
    EXPECT_EQ(3, reactors->count());
    RunSteps(&dlg,
             {{"opening",
               nullptr,
               true,
               {{1110, "100"},
                {1114, "0.001989"},
                {1100, "144.3"},
                {1193, "2.000"},
                {1195, "10.00"},
                {1200, "6"},
                {1190, "0"},
                {1191, "+90.00"},
                {1109, "558.6"},
                {1116, "1.285"}}},
              {"up-stream resistance 0 disables OK", TypeAct(1193, "0"), false, {{1193, "0"}}},
              {"up-stream resistance again", TypeAct(1193, "2"), true, {{1109, "558.6"}}},
              {"a reactor chosen from the list",
               [](QWidget* d) { Choose(d, 1200, "13"); },
               true,
               {},
               [&] { EXPECT_EQ(13.0, c.m_dReactor); }},
              {"a negative reactor typed",
               TypeAct(1200, "-1"),
               false,
               {},
               [&] { EXPECT_EQ(-1.0, c.m_dReactor); }},
              {"reactor 0 typed", TypeAct(1200, "0"), true, {}},
              {"a power factor outside 0 to 1", TypeAct(1190, "2"), false, {{1191, ""}}},
              {"power factor back", TypeAct(1190, "0"), true, {{1191, "+90.00"}}},
              {"capacity 0", TypeAct(1110, "0"), false, {{1100, kZero4}, {1109, kZero4}}}});
    Type(&dlg, 1193, "2");
    Click(&dlg, 1);
    EXPECT_NE(QDialog::Accepted, dlg.result());
    EXPECT_EQ(Control(&dlg, 1110), dlg.focusWidget());

    CDlgEleCapacitor locked(c, 3, 50);
    EXPECT_FALSE(Editable(&locked, 1110));
    EXPECT_TRUE(Editable(&locked, 1193));
}

// A loop that does not ring shows its peak values as 0 in the dialog.
TEST_F(MachineDialogs, CapacitorWithoutOscillationShowsZeroes) {
    CEleCapacitor c;
    c.m_nVoltage = 400;
    c.m_dCapacity = 5000.0;
    c.m_dUpstreamResistance = 3000.0;
    c.m_dUpstreamReactance = 3000.0;
    CDlgEleCapacitor dlg(c, 1, 50);
    EXPECT_FALSE(machinetest::ShowsNonFinite(TextOf(&dlg, 1109)));
    EXPECT_FALSE(machinetest::ShowsNonFinite(TextOf(&dlg, 1116)));
    EXPECT_EQ(kZero4, TextOf(&dlg, 1109));
}

// The text dialog: OK only with a text; lines in the edit become CR LF in
// the model; the font dialog's choice (font and colour together) is taken
// on OK and dropped on Cancel.
TEST(MachineTextDialog, TextAndFont) {
    CEleText t;
    t.m_strText = "Text1";
    t.m_crPen = 0x000000;
    t.m_logFont.lfHeight = 20;
    t.m_logFont.SetFaceName("Arial");
    CDlgEleText dlg(t);
    EXPECT_EQ("Text1", TextOf(&dlg, 1182));
    auto* edit = qobject_cast<QPlainTextEdit*>(Control(&dlg, 1182));
    edit->setPlainText(QString());
    EXPECT_FALSE(OkEnabled(&dlg));
    edit->setPlainText(QStringLiteral("first\nsecond"));
    EXPECT_TRUE(OkEnabled(&dlg));
    EXPECT_EQ("first\r\nsecond", t.m_strText);

    CDlgEleText::FontChooser saved = CDlgEleText::FontDialog();
    CDlgEleText::FontDialog() = [](fw::LOGFONT& font, fw::COLORREF& colour) {
        EXPECT_EQ("Arial", font.GetFaceName());
        EXPECT_EQ(0u, colour);
        font.lfHeight = -16;
        font.lfWeight = 700;
        colour = 0x00FF00;
        return false;
    };
    Click(&dlg, 1183);
    EXPECT_EQ(20, t.m_logFont.lfHeight) << "cancelled";
    EXPECT_EQ(0u, t.m_crPen);
    CDlgEleText::FontDialog() = [](fw::LOGFONT& font, fw::COLORREF& colour) {
        font.lfHeight = -16;
        font.lfWeight = 700;
        colour = 0x00FF00;
        return true;
    };
    Click(&dlg, 1183);
    EXPECT_EQ(-16, t.m_logFont.lfHeight);
    EXPECT_EQ(700, t.m_logFont.lfWeight);
    EXPECT_EQ(0x00FF00u, t.m_crPen);
    CDlgEleText::FontDialog() = saved;

    Click(&dlg, 1);
    EXPECT_EQ(QDialog::Accepted, dlg.result());
}

// The font dialog's conversions keep what Qt has no word for.
TEST(MachineTextDialog, LogFontConversions) {
    fw::LOGFONT base;
    base.lfCharSet = 0;
    base.lfOutPrecision = 4;
    base.lfQuality = 2;
    base.lfPitchAndFamily = 2;
    QFont font(QStringLiteral("Courier"));
    font.setPointSize(12); // 12 pt on a 96-dpi screen: 16 pixels
    font.setItalic(true);
    font.setUnderline(true);
    fw::LOGFONT lf = LogFontFromQFont(font, base);
    EXPECT_EQ(-16, lf.lfHeight);
    EXPECT_EQ(1, lf.lfItalic);
    EXPECT_EQ(1, lf.lfUnderline);
    EXPECT_EQ(0, lf.lfStrikeOut);
    EXPECT_EQ(4, lf.lfOutPrecision);
    EXPECT_EQ(2, lf.lfQuality);
    EXPECT_EQ("Courier", lf.GetFaceName());
    QFont back = QFontFromLogFont(lf);
    EXPECT_EQ(12.0, back.pointSizeF());
    EXPECT_TRUE(back.italic());
}

// A damaged project's text box can hold the lowest height there is: its size
// is taken as any other negative height, 2^31 pixels = 2^31 x 72 / 96 points.
// Accepted unchanged, the chooser's font comes back as the largest height a
// description can hold, 2^31 - 1 pixels (2^31 does not fit).
TEST(MachineTextDialog, LowestHeightGivesItsPointSizeAndComesBackAsTheLargest) {
    fw::LOGFONT lf;
    lf.lfHeight = std::numeric_limits<int32_t>::min();
    const QFont font = QFontFromLogFont(lf);
    EXPECT_EQ(1610612736.0, font.pointSizeF());
    EXPECT_EQ(-std::numeric_limits<int32_t>::max(), LogFontFromQFont(font, lf).lfHeight);
}

// --- drawing -------------------------------------------------------------------

namespace {

std::vector<fw::CDrawRecord> Records(fw::CRecordingDC& dc, fw::CDrawRecord::Kind kind) {
    std::vector<fw::CDrawRecord> out;
    for (const auto& r : dc.Records())
        if (r.kind == kind)
            out.push_back(r);
    return out;
}

} // namespace

// The text box draws its text from the top-left corner of its rectangle
// in its own font: the pen colour on screen, red (255) while selected,
// black when printing whatever its colour.
TEST(MachineDrawing, TextBoxColoursAndFont) {
    CEleText t;
    t.m_rectSymbol = fw::CRect(80, 40, 159, 79);
    t.m_strText = "one\r\ntwo";
    t.m_crPen = 0x00FF0000;
    t.m_logFont.lfHeight = 20;
    t.m_logFont.lfWeight = 400;
    t.m_logFont.SetFaceName("Arial");
    struct Case {
        bool printing;
        uint32_t selected;
        fw::COLORREF colour;
    };
    for (Case c :
         {Case{false, 0, 0x00FF0000}, Case{false, 1, 255}, Case{true, 1, 0}, Case{true, 0, 0}}) {
        fw::CRecordingDC dc(96, c.printing);
        t.m_nSelected = c.selected;
        t.DoDrawSymbol(&dc, 0);
        std::vector<fw::CDrawRecord> texts = Records(dc, fw::CDrawRecord::Text);
        ASSERT_EQ(2u, texts.size());
        EXPECT_EQ("one", texts[0].text);
        EXPECT_EQ(c.colour, texts[0].textColor);
        EXPECT_EQ(fw::CPoint(80, 40), texts[0].points[0]);
        EXPECT_EQ("Arial", texts[0].font.GetFaceName());
        EXPECT_EQ(20, texts[0].font.lfHeight);
        EXPECT_EQ(40 + texts[0].extent.cy, texts[1].points[0].y);
        EXPECT_TRUE(Records(dc, fw::CDrawRecord::FillRect).empty()) << "no background";
    }
}

// After editing to two lines the rectangle covers exactly the longer
// line's width and both lines' heights, measured in the text's own font;
// its top-left corner stays.
TEST(MachineDrawing, TextBoxResizesToItsTextAfterEditing) {
    machinetest::TestDocument doc;
    CObjElement element(kKindText);
    element.DoInitNewElement(doc);
    fw::CPoint topLeft(120, 80);
    element.SetSymbolRect(&topLeft, nullptr);
    DialogSeam<CEleText>::run = [](CEleText& t) {
        t.m_strText = "a short line\r\nand a much longer second line";
        t.m_logFont.lfHeight = 30;
        return true;
    };
    fw::CRecordingDC dc;
    int32_t oldVolts[2] = {0, 0};
    int32_t newVolts[2] = {0, 0};
    std::vector<fw::CRect> invalidated;
    EXPECT_EQ(kEditCancelled, element.DoEditElement(
                                  doc, &dc, [&](const fw::CRect& r) { invalidated.push_back(r); },
                                  oldVolts, newVolts))
        << "the element object answers 2 for a text box";
    DialogSeam<CEleText>::run = nullptr;
    EXPECT_EQ(1, doc.undoCount);

    fw::LOGFONT lf;
    lf.lfHeight = 30;
    lf.lfWeight = 400;
    lf.lfOutPrecision = 4;
    lf.lfQuality = 2;
    lf.lfPitchAndFamily = 2;
    lf.SetFaceName("Arial");
    fw::CFont old = dc.SelectObject(fw::CFont(lf));
    fw::CSize first = dc.GetTextExtent("a short line");
    fw::CSize second = dc.GetTextExtent("and a much longer second line");
    dc.SelectObject(old);
    fw::CRect rect;
    element.GetSymbolRect(&rect);
    EXPECT_EQ(fw::CRect(120, 80, 120 + std::max(first.cx, second.cx), 80 + first.cy + second.cy),
              rect);
    ASSERT_EQ(2u, invalidated.size());
    EXPECT_EQ(fw::CRect(120, 80, 199, 119), invalidated[0]) << "the old rectangle";
    EXPECT_EQ(rect, invalidated[1]);
}

// The generator on the skeleton: the circle and the lead of its default
// rectangle (centre 19, 39), the arrow of a calculation point, the letter,
// and the magenta fill of the error mark on screen only.
TEST(MachineDrawing, GeneratorSymbol) {
    CEleGenerator g;
    g.m_nErrorMark = 1;
    g.m_nCalcPoint = 1;
    {
        fw::CRecordingDC dc;
        g.DoDrawSymbol(&dc, 0);
        auto fills = Records(dc, fw::CDrawRecord::FillRect);
        ASSERT_FALSE(fills.empty());
        EXPECT_EQ(0xFF00FFu, fills[0].brush.color);
        auto ellipses = Records(dc, fw::CDrawRecord::Ellipse);
        ASSERT_EQ(1u, ellipses.size());
        EXPECT_EQ(fw::CPoint(6, 7), ellipses[0].points[0]);
        EXPECT_EQ(fw::CPoint(32, 34), ellipses[0].points[1]);
        bool lead = false;
        for (const auto& r : Records(dc, fw::CDrawRecord::Polyline))
            lead = lead || (r.points.size() == 2 && r.points[0] == fw::CPoint(19, 79) &&
                            r.points[1] == fw::CPoint(19, 33));
        EXPECT_TRUE(lead);
        auto polygons = Records(dc, fw::CDrawRecord::Polygon);
        ASSERT_EQ(1u, polygons.size()) << "the arrow's head";
        EXPECT_EQ(fw::CPoint(19, 58), polygons[0].points[2]) << "tip at (cx, cy + 19)";
        auto texts = Records(dc, fw::CDrawRecord::Text);
        ASSERT_EQ(1u, texts.size());
        EXPECT_EQ("G", texts[0].text);
    }
    {
        fw::CRecordingDC printer(96, true);
        g.DoDrawSymbol(&printer, 0);
        EXPECT_EQ(0xFFFFFFu, Records(printer, fw::CDrawRecord::FillRect)[0].brush.color);
        fw::CRecordingDC map;
        g.DoDrawSymbol(&map, 1);
        EXPECT_EQ(0xFFFFFFu, Records(map, fw::CDrawRecord::FillRect)[0].brush.color);
    }
}

// The motor effect's two circles around (19, 44) for its default
// rectangle, the motor's circle, the load's box and the capacitor's plates.
TEST(MachineDrawing, ConsumerSymbols) {
    {
        CEleMotorEff m;
        fw::CRecordingDC dc;
        m.DoDrawSymbol(&dc, 0);
        auto ellipses = Records(dc, fw::CDrawRecord::Ellipse);
        ASSERT_EQ(2u, ellipses.size());
        EXPECT_EQ(fw::CPoint(6, 50), ellipses[0].points[0]);
        EXPECT_EQ(fw::CPoint(32, 77), ellipses[0].points[1]);
        EXPECT_EQ(fw::CPoint(9, 53), ellipses[1].points[0]);
        EXPECT_EQ(fw::CPoint(29, 74), ellipses[1].points[1]);
        EXPECT_EQ("ME", Records(dc, fw::CDrawRecord::Text).at(0).text);
        EXPECT_TRUE(Records(dc, fw::CDrawRecord::Polygon).empty()) << "no calculation point";
    }
    {
        CEleMotor m;
        fw::CRecordingDC dc;
        m.DoDrawSymbol(&dc, 0);
        auto ellipses = Records(dc, fw::CDrawRecord::Ellipse);
        ASSERT_EQ(1u, ellipses.size());
        EXPECT_EQ(fw::CPoint(6, 12), ellipses[0].points[0]);
        EXPECT_EQ(fw::CPoint(32, 38), ellipses[0].points[1]);
        EXPECT_EQ("M", Records(dc, fw::CDrawRecord::Text).at(0).text);
    }
    {
        CEleLoad l;
        fw::CRecordingDC dc;
        l.DoDrawSymbol(&dc, 0);
        bool box = false;
        for (const auto& r : Records(dc, fw::CDrawRecord::Polyline))
            box = box || (r.points.size() == 5 && r.points[0] == fw::CPoint(6, 17) &&
                          r.points[2] == fw::CPoint(32, 37));
        EXPECT_TRUE(box);
        EXPECT_EQ("L", Records(dc, fw::CDrawRecord::Text).at(0).text);
    }
    {
        CEleCapacitor c;
        fw::CRecordingDC dc;
        c.DoDrawSymbol(&dc, 0);
        int plates = 0;
        for (const auto& r : Records(dc, fw::CDrawRecord::Polyline))
            if (r.points.size() == 2 && r.points[0].x == 13 && r.points[1].x == 26)
                ++plates;
        EXPECT_EQ(2, plates);
        EXPECT_TRUE(Records(dc, fw::CDrawRecord::Text).empty());
    }
}

// Asked for its rectangle on a device context, the text box measures its
// text in the font it is drawn with (not the program's label font), so
// that the rectangle, and the hit test on it, covers what is drawn.
TEST(MachineDrawing, TextBoxRectangleMeasuredInItsOwnFont) {
    CEleText t;
    t.m_rectSymbol = fw::CRect(40, 40, 119, 79);
    t.m_strText = "WIDE TEXT";
    t.m_logFont.lfHeight = 60;
    t.m_logFont.lfWeight = 700;
    t.m_logFont.SetFaceName("Arial");
    fw::CRecordingDC dc;
    fw::CFont old = dc.SelectObject(fw::CFont(t.m_logFont));
    fw::CSize size = dc.GetTextExtent("WIDE TEXT");
    dc.SelectObject(old);
    fw::CRect rect;
    t.GetSymbolRect(&rect, &dc);
    EXPECT_EQ(fw::CRect(40, 40, 40 + size.cx, 40 + size.cy), rect);
    EXPECT_EQ(rect, t.m_rectSymbol);
    // Without a context the stored rectangle.
    t.GetSymbolRect(&rect);
    EXPECT_EQ(fw::CRect(40, 40, 40 + size.cx, 40 + size.cy), rect);
}
