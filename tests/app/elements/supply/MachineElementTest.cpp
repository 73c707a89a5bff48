// The generator, motor effect, motor, general load, capacitor and text box
// reached as the program reaches them: through the element object, which
// finds each operation on the model by name. A member whose name or
// signature did not match would silently answer the neutral result, so every
// operation of these kinds is asked here. The set-up of new elements and the
// equipment look-ups read the reference databases of the build.

#include "app/elements/supply/CEleCapacitor.h"
#include "app/elements/supply/CEleGenerator.h"
#include "app/elements/supply/CEleLoad.h"
#include "app/elements/supply/CEleMotor.h"
#include "app/elements/supply/CEleMotorEff.h"
#include "app/elements/supply/CEleText.h"
#include "app/records/DialogSeam.h"
#include "app/records/ElementKinds.h"
#include "app/shell/model/CObjElement.h"

#include "tests/app/elements/supply/MachineTestSupport.h"
#include "tests/common/ComboTestSupport.h"
#include "tests/common/FixtureDb.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

using machinetest::TestDocument;
using machinetest::WithDatabases;

namespace {

template <class Model> Model& ModelOf(CObjElement& element) {
    return *static_cast<Model*>(element.GetElement());
}

// Sets a dialog seam for the life of a test and empties it afterwards.
template <class Model> class SeamScope {
public:
    explicit SeamScope(std::function<bool(Model&)> run) { DialogSeam<Model>::run = run; }
    ~SeamScope() { DialogSeam<Model>::run = nullptr; }
};

int32_t Edit(CObjElement& element, TestDocument& doc) {
    int32_t oldVolts[2] = {0, 0};
    int32_t newVolts[2] = {0, 0};
    return element.DoEditElement(doc, nullptr, nullptr, oldVolts, newVolts);
}

} // namespace

TEST(MachineElement, CreatedByKindWithTheirRectanglesAndPlacements) {
    struct Case {
        int32_t kind;
        fw::CRect rect;
    };
    for (Case c :
         {Case{kKindGenerator, fw::CRect(0, 0, 39, 79)},
          Case{kKindMotorEff, fw::CRect(0, 0, 39, 79)}, Case{kKindMotor, fw::CRect(0, 0, 39, 39)},
          Case{kKindLoad, fw::CRect(0, 0, 39, 39)}, Case{kKindCapacitor, fw::CRect(0, 0, 39, 39)},
          Case{kKindText, fw::CRect(0, 0, 79, 39)}}) {
        CObjElement element(c.kind);
        fw::CRect rect;
        element.GetSymbolRect(&rect);
        EXPECT_EQ(c.rect, rect) << c.kind;
        if (c.kind == kKindText) {
            EXPECT_EQ(nullptr, element.GetElement());
            continue;
        }
        ASSERT_NE(nullptr, element.GetElement()) << c.kind;
        auto* frame = static_cast<CEleFrame*>(element.GetElement());
        EXPECT_EQ(1, frame->m_listRefV1.GetCount());
        EXPECT_EQ(1, frame->m_listRefV4.GetCount());
    }
}

// A new generator takes what it finds below it; with nothing found, the
// list database's default low voltage (400 V) and earthing (TT, wire system
// 1), and the equipment table's default generator (500 kVA: 22 %, 13 %,
// 0.025 s, 0.014 s).
TEST_F(WithDatabases, NewGeneratorTakesTheDefaults) {
    TestDocument doc;
    CObjElement element(kKindGenerator);
    element.DoInitNewElement(doc);
    EXPECT_EQ(kDirDown, doc.askedMask);
    auto& g = ModelOf<CEleGenerator>(element);
    EXPECT_EQ("G1", g.m_strName);
    EXPECT_EQ(400, g.m_nVoltage);
    EXPECT_EQ(4u, g.m_nEarthing);
    EXPECT_EQ(1u, g.m_nWireSystem);
    EXPECT_EQ(500.0, g.m_dCapacity);
    EXPECT_EQ(22.0, g.m_dTransientReactance);
    EXPECT_EQ(13.0, g.m_dSubReactance);
    EXPECT_EQ(0.025, g.m_dDcConstant);
    EXPECT_EQ(0.014, g.m_dSubConstant);
    EXPECT_EQ(0u, g.m_nCalcPoint);

    // What is found below is taken as it is.
    TestDocument found;
    found.foundVoltage = 230;
    found.foundEarthing = 1;
    found.foundWireSystem = 3;
    CObjElement second(kKindGenerator);
    second.DoInitNewElement(found);
    EXPECT_EQ(230, second.GetVoltage());
    EXPECT_EQ(1u, second.GetEarthingSystem());
    EXPECT_EQ(3u, second.GetWireSystem());

    // A second set-up renames and renumbers only.
    g.m_dCapacity = 750.0;
    g.m_nVoltage = 440;
    element.DoInitNewElement(doc);
    EXPECT_EQ("G2", g.m_strName);
    EXPECT_EQ(2u, g.m_nNumber);
    EXPECT_EQ(750.0, g.m_dCapacity);
    EXPECT_EQ(440, g.m_nVoltage);
}

// The case: a motor effect under a 1000 kVA supply gets 800 kVA and
// the first equipment row of at least 800 kVA (1000 kVA: 20 %, 1.6 %,
// 1.3 %); its voltage is what it finds above, also 0.
TEST_F(WithDatabases, NewMotorEffectTakesEightyPercentOfTheSupply) {
    TestDocument doc;
    doc.upstreamCapacity = 1000.0;
    doc.foundVoltage = 400;
    CObjElement element(kKindMotorEff);
    element.DoInitNewElement(doc);
    EXPECT_EQ(kDirUp, doc.askedMask);
    auto& m = ModelOf<CEleMotorEff>(element);
    EXPECT_EQ("ME1", m.m_strName);
    EXPECT_EQ(800.0, m.m_dCapacity);
    EXPECT_EQ(20.0, m.m_dSubReactance);
    EXPECT_EQ(1.6, m.m_dRotorResistance);
    EXPECT_EQ(1.3, m.m_dStatorResistance);
    EXPECT_EQ(400, m.m_nVoltage);
    EXPECT_EQ(800.0, element.GetCapacity());

    TestDocument nothing;
    CObjElement orphan(kKindMotorEff);
    orphan.DoInitNewElement(nothing);
    EXPECT_EQ(0, orphan.GetVoltage());
    EXPECT_EQ(0.0, orphan.GetCapacity());
}

TEST_F(WithDatabases, NewConsumersTakeTheirClassDefaults) {
    TestDocument doc;
    doc.foundVoltage = 400;
    doc.foundEarthing = 3; // TN-C: wire system 2 when none is found
    CObjElement motor(kKindMotor);
    motor.DoInitNewElement(doc);
    auto& m = ModelOf<CEleMotor>(motor);
    EXPECT_EQ("M1", m.m_strName);
    EXPECT_EQ(7.5, m.m_dCapacity);
    EXPECT_EQ(0.84, m.m_dPowerFactor);
    EXPECT_EQ(7.0, m.m_dStartingCurrent);
    EXPECT_EQ(5.0, m.m_dStartingTime);
    EXPECT_EQ(11.9, m.m_dInrushCurrent);
    EXPECT_EQ(0u, m.m_nLeading);
    EXPECT_EQ(3u, m.m_nEarthing);
    EXPECT_EQ(2u, m.m_nWireSystem);

    CObjElement load(kKindLoad);
    load.DoInitNewElement(doc);
    auto& l = ModelOf<CEleLoad>(load);
    EXPECT_EQ("L1", l.m_strName);
    EXPECT_EQ(0.0, l.m_dLoadCurrent);
    EXPECT_EQ(0.7, l.m_dPowerFactor);
    EXPECT_EQ(0u, l.m_nLeading);

    // A new capacitor at 400 V: 100 kvar, the default reactor (6 %),
    // leading, no up-stream values yet, so no curve.
    CObjElement capacitor(kKindCapacitor);
    capacitor.DoInitNewElement(doc);
    auto& c = ModelOf<CEleCapacitor>(capacitor);
    EXPECT_EQ("C1", c.m_strName);
    EXPECT_EQ(100.0, c.m_dCapacity);
    EXPECT_EQ(6.0, c.m_dReactor);
    EXPECT_EQ(1u, c.m_nLeading);
    EXPECT_EQ(0.0, c.m_dPowerFactor);
    EXPECT_EQ("+90.00deg.", c.DoGetTextPhaseAngle(1));
    EXPECT_EQ(0, capacitor.IsAddableToGraph(1));
}

// A new text box shows its own name in 20-unit Arial; a second set-up
// names it again and sets its text to the new name, but keeps its font.
TEST(MachineElement, NewTextBoxShowsItsName) {
    TestDocument doc;
    CObjElement element(kKindText);
    element.DoInitNewElement(doc);
    fw::CRect rect;
    element.GetSymbolRect(&rect);
    EXPECT_EQ(fw::CRect(0, 0, 79, 39), rect);
    // The text box has no model for GetElement; reach it through a copy of
    // its record instead.
    fw::CArchive ar = fw::CArchive::ForStoring();
    element.Serialize(ar);
    fw::CArchive in = fw::CArchive::ForLoading(ar.Bytes());
    int32_t kind = 0;
    in >> kind;
    EXPECT_EQ(kKindText, kind);
    CEleText t;
    t.Serialize(in);
    EXPECT_EQ("Text1", t.m_strName);
    EXPECT_EQ("Text1", t.m_strText);
    EXPECT_EQ(20, t.m_logFont.lfHeight);
    EXPECT_EQ(400, t.m_logFont.lfWeight);
    EXPECT_EQ(4, t.m_logFont.lfOutPrecision);
    EXPECT_EQ(2, t.m_logFont.lfQuality);
    EXPECT_EQ(2, t.m_logFont.lfPitchAndFamily);
    EXPECT_EQ("Arial", t.m_logFont.GetFaceName());

    t.m_logFont.lfHeight = 35;
    CEleInitArgs args;
    args.nNumber = 9;
    t.DoInitNewElement(args);
    EXPECT_EQ("Text9", t.m_strText);
    EXPECT_EQ(35, t.m_logFont.lfHeight);
}

// Every calculation operation of the machines answers through the element.
TEST(MachineElement, CalculationOperationsReachTheMachines) {
    CEleDocSettings settings;
    CObjElement generator(kKindGenerator);
    auto& g = ModelOf<CEleGenerator>(generator);
    g.m_nVoltage = 400;
    g.m_dCapacity = 500.0;
    g.m_dTransientReactance = 22.0;
    g.m_dSubReactance = 13.0;
    g.m_dDcConstant = 0.025;
    g.m_dSubConstant = 0.014;
    EXPECT_EQ(26.0, generator.DoCalcPercentZ(settings).m_dX);
    EXPECT_NEAR(g.GetIacLoad(50), generator.DoCalcDecayCurrent(settings, 0.0, 0.0), 1e-9);
    EXPECT_EQ(500.0, generator.GetCapacity());
    EXPECT_EQ(0, generator.IsCalcPoint());
    g.m_nCalcPoint = 1;
    EXPECT_EQ(1, generator.IsCalcPoint());
    EXPECT_EQ(0, generator.DoCheckData());

    CPercentZ source;
    source.m_dR = 1.0;
    source.m_dX = 5.0;
    generator.DoSetCalcZ(1000.0, &source, nullptr);
    EXPECT_EQ(5.0, g.m_calcPoint.m_zSource.m_dX);
    generator.DoClearCalcZ();
    EXPECT_EQ(0.0, g.m_calcPoint.m_zSource.m_dX);

    CObjElement motorEff(kKindMotorEff);
    auto& m = ModelOf<CEleMotorEff>(motorEff);
    m.m_nVoltage = 400;
    m.m_dCapacity = 800.0;
    m.m_dSubReactance = 20.0;
    m.m_dRotorResistance = 1.6;
    m.m_dStatorResistance = 1.3;
    EXPECT_EQ(1.625, motorEff.DoCalcPercentZ(settings).m_dRMotor);
    EXPECT_NEAR(m.GetIacm(50), motorEff.DoCalcDecayCurrent(settings, 0.0, 0.0), 1e-9);
    motorEff.DoSetCalcZ(1000.0, nullptr, &source);
    EXPECT_EQ(5.0, m.m_calcPoint.m_zMotor.m_dX);
    m.m_dRotorResistance = 0.0;
    EXPECT_EQ(1127, motorEff.DoCheckData());

    // The capacitor takes its up-stream values from the source-side term:
    // 1 + j5 % on 1000 kVA at 400 V is 1.6 + j8 mohm.
    CObjElement capacitor(kKindCapacitor);
    auto& c = ModelOf<CEleCapacitor>(capacitor);
    c.m_nVoltage = 400;
    capacitor.DoSetCalcZ(1000.0, &source, nullptr);
    EXPECT_NEAR(1.6, c.m_dUpstreamResistance, 1e-12);
    EXPECT_NEAR(8.0, c.m_dUpstreamReactance, 1e-12);

    // The consumers have no term of their own.
    for (int32_t kind : {kKindMotor, kKindLoad, kKindCapacitor}) {
        CObjElement consumer(kind);
        CPercentZ z = consumer.DoCalcPercentZ(settings);
        EXPECT_EQ(0.0, z.m_dR);
        EXPECT_EQ(0.0, z.m_dX);
        EXPECT_EQ(0, consumer.IsCalcPoint());
        EXPECT_EQ(0.0, consumer.DoCalcDecayCurrent(settings, 0, 0));
    }
}

TEST(MachineElement, ConsumerOperationsReachTheModels) {
    CObjElement motor(kKindMotor);
    auto& m = ModelOf<CEleMotor>(motor);
    m.m_nVoltage = 400;
    m.m_dCapacity = 7.5;
    m.m_dPowerFactor = 0.84;
    m.m_dStartingCurrent = 7;
    m.m_dStartingTime = 5;
    m.m_dInrushCurrent = 11.9;
    EXPECT_EQ(7.5, motor.GetCapacity());
    EXPECT_EQ(0, motor.DoCheckData());
    motor.SetSinglePhase(1);
    EXPECT_EQ(1, motor.IsSinglePhase());
    EXPECT_EQ(1, motor.IsAddableToGraph(2));
    motor.AddToGraph(2, 1);
    EXPECT_EQ(1, motor.IsOnGraph(2));
    EXPECT_EQ(1, motor.IsSelectedCurve(nullptr, 0));
    EXPECT_EQ(0, motor.IsAddableToGraph(2));
    motor.RemoveFromGraph(2);
    EXPECT_EQ(0, motor.IsOnGraph(2));
    EXPECT_EQ(0, motor.IsSelectedCurve(nullptr, 0));

    CObjElement load(kKindLoad);
    load.SetSinglePhase(1);
    EXPECT_EQ(1, load.IsSinglePhase());
    ModelOf<CEleLoad>(load).m_dPowerFactor = 1.5;
    EXPECT_EQ(1190, load.DoCheckData());
    EXPECT_EQ(0.0, load.GetCapacity()) << "the general load has no rating for the element";

    // The skeleton check's question: the single-phase Im 7500 / 400 / 0.84 =
    // 22.32 A fits a 25 A breaker, not a 20 A one; IL and Ic the same; a
    // machine always fits.
    EXPECT_EQ(1, motor.IsOkRatedCurrent(25.0));
    EXPECT_EQ(0, motor.IsOkRatedCurrent(20.0));
    ModelOf<CEleLoad>(load).m_dLoadCurrent = 40.0;
    EXPECT_EQ(1, load.IsOkRatedCurrent(40.0));
    EXPECT_EQ(0, load.IsOkRatedCurrent(32.0));
    CObjElement generator(kKindGenerator);
    EXPECT_EQ(1, generator.IsOkRatedCurrent(0.0));

    CObjElement capacitor(kKindCapacitor);
    ModelOf<CEleCapacitor>(capacitor).m_nVoltage = 400;
    ModelOf<CEleCapacitor>(capacitor).m_dCapacity = 100.0; // Ic 144.3 A
    EXPECT_EQ(1, capacitor.IsOkRatedCurrent(160.0));
    EXPECT_EQ(0, capacitor.IsOkRatedCurrent(125.0));
    capacitor.SetSinglePhase(1);
    EXPECT_EQ(0, capacitor.IsSinglePhase()) << "the capacitor has no single-phase flag";
    ModelOf<CEleCapacitor>(capacitor).m_dCapacity = 50.0;
    EXPECT_EQ(50.0, capacitor.GetCapacity());
}

// A copied element brings copies of its graph entries, not the same ones.
TEST(MachineElement, CurvesAreCopiedWithTheirGraphs) {
    CObjElement motor(kKindMotor);
    motor.AddToGraph(4, 0);
    CObjElement copy(motor);
    EXPECT_EQ(1, copy.IsOnGraph(4));
    copy.RemoveFromGraph(4);
    EXPECT_EQ(1, motor.IsOnGraph(4)) << "the copy has graph entries of its own";
}

// The dialog edits a copy: Cancel changes nothing and saves no undo; OK
// saves the undo snapshot first and takes the copy back.
TEST(MachineElement, EditTakesTheDialogsCopyOnlyOnOk) {
    TestDocument doc;
    CObjElement motor(kKindMotor);
    ModelOf<CEleMotor>(motor).m_dCapacity = 7.5;
    {
        SeamScope<CEleMotor> seam([](CEleMotor& m) {
            m.m_dCapacity = 11.0;
            return false;
        });
        EXPECT_EQ(kEditCancelled, Edit(motor, doc));
    }
    EXPECT_EQ(7.5, ModelOf<CEleMotor>(motor).m_dCapacity);
    EXPECT_EQ(0, doc.undoCount);
    {
        SeamScope<CEleMotor> seam([](CEleMotor& m) {
            m.m_dCapacity = 11.0;
            return true;
        });
        EXPECT_EQ(1, Edit(motor, doc));
    }
    EXPECT_EQ(11.0, ModelOf<CEleMotor>(motor).m_dCapacity);
    EXPECT_EQ(1, doc.undoCount);

    // No dialog set: nothing is edited.
    EXPECT_EQ(kEditCancelled, Edit(motor, doc));
}

// The generator's dialog changes the document's frequency: on OK the new
// frequency goes to the whole document first; Cancel leaves it.
TEST(MachineElement, GeneratorEditChangesTheFrequency) {
    TestDocument doc;
    CObjElement generator(kKindGenerator);
    {
        SeamScope<CGeneratorEdit> seam([](CGeneratorEdit& e) {
            e.nFrequency = 60;
            return false;
        });
        EXPECT_EQ(kEditCancelled, Edit(generator, doc));
    }
    EXPECT_TRUE(doc.changedFrequencies.empty());
    EXPECT_EQ(50, doc.frequency);
    {
        SeamScope<CGeneratorEdit> seam([](CGeneratorEdit& e) {
            EXPECT_EQ(50, e.nFrequency) << "the dialog starts from the document's frequency";
            e.nFrequency = 60;
            e.generator.m_dCapacity = 750.0;
            return true;
        });
        EXPECT_EQ(1, Edit(generator, doc));
    }
    EXPECT_EQ(std::vector<int32_t>{60}, doc.changedFrequencies);
    EXPECT_EQ(750.0, generator.GetCapacity());
    EXPECT_EQ(1, doc.undoCount);
    {
        // The same frequency again is no change.
        SeamScope<CGeneratorEdit> seam([](CGeneratorEdit&) { return true; });
        EXPECT_EQ(1, Edit(generator, doc));
    }
    EXPECT_EQ(1u, doc.changedFrequencies.size());
}

// Turning the calculation point on after a calculation (mode 3 and later)
// sends the document back to the check mode; in the drawing mode, or with
// the point already on, nothing more happens.
TEST(MachineElement, NewCalculationPointReturnsToTheCheckMode) {
    struct Case {
        int32_t kind;
        int32_t mode;
        uint32_t before;
        int returns;
    };
    for (Case c : {Case{kKindGenerator, 3, 0, 1}, Case{kKindGenerator, 8, 0, 1},
                   Case{kKindGenerator, 1, 0, 0}, Case{kKindGenerator, 2, 0, 0},
                   Case{kKindGenerator, 3, 1, 0}, Case{kKindMotorEff, 4, 0, 1},
                   Case{kKindMotorEff, 1, 0, 0}, Case{kKindMotorEff, 5, 1, 0}}) {
        TestDocument doc;
        doc.mode = c.mode;
        CObjElement element(c.kind);
        SeamScope<CGeneratorEdit> gs([](CGeneratorEdit& e) {
            e.generator.m_nCalcPoint = 1;
            return true;
        });
        SeamScope<CEleMotorEff> ms([](CEleMotorEff& m) {
            m.m_nCalcPoint = 1;
            return true;
        });
        if (c.kind == kKindGenerator)
            ModelOf<CEleGenerator>(element).m_nCalcPoint = c.before;
        else
            ModelOf<CEleMotorEff>(element).m_nCalcPoint = c.before;
        EXPECT_EQ(1, Edit(element, doc));
        EXPECT_EQ(c.returns, doc.returnsToCheck)
            << "kind " << c.kind << " mode " << c.mode << " before " << c.before;
        EXPECT_EQ(1, element.IsCalcPoint());
    }
}

// Equipment look-ups against the build's tables: a capacity between rows
// takes the next larger row; one above every row the catch-all row; none
// at all zeroes.
TEST_F(WithDatabases, EquipmentLookUps) {
    CEleGenerator g;
    g.m_dCapacity = 123.0;
    g.DoReadByCapacity(600.0); // the 750 kVA row
    EXPECT_EQ(22.0, g.m_dTransientReactance);
    EXPECT_EQ(13.0, g.m_dSubReactance);
    EXPECT_EQ(0.03, g.m_dDcConstant);
    EXPECT_EQ(0.016, g.m_dSubConstant);
    g.DoReadByCapacity(5000.0); // the catch-all row
    EXPECT_EQ(20.0, g.m_dTransientReactance);
    EXPECT_EQ(0.028, g.m_dSubConstant);
    g.DoReadByCapacity(0.0);
    EXPECT_EQ(0.0, g.m_dTransientReactance);
    EXPECT_EQ(0.0, g.m_dSubReactance);
    EXPECT_EQ(0.0, g.m_dDcConstant);
    EXPECT_EQ(0.0, g.m_dSubConstant);
    EXPECT_EQ(123.0, g.m_dCapacity) << "the capacity field is not changed";

    CEleMotorEff m;
    m.DoReadByCapacity(120.0); // the 200 kVA row
    EXPECT_EQ(18.0, m.m_dSubReactance);
    EXPECT_EQ(3.0, m.m_dRotorResistance);
    EXPECT_EQ(2.5, m.m_dStatorResistance);
    m.DoReadByCapacity(-5.0);
    EXPECT_EQ(0.0, m.m_dSubReactance);

    CEleMotor motor;
    motor.DoReadEquipByCapacity(45.0);
    EXPECT_EQ(0.86, motor.m_dPowerFactor);
    EXPECT_EQ(7.0, motor.m_dStartingCurrent);
    EXPECT_EQ(9.0, motor.m_dStartingTime);
    EXPECT_EQ(11.9, motor.m_dInrushCurrent);
    motor.DoReadEquipByCapacity(0.0);
    EXPECT_EQ(0.0, motor.m_dPowerFactor);
    EXPECT_EQ(1110u, motor.DoCheckData());

    CEleLoad load;
    load.m_dLoadCurrent = 45.0; // the 50 A class
    load.DoReadByLoadCurrent();
    EXPECT_EQ(0.8, load.m_dPowerFactor);
    EXPECT_EQ(2.5, load.m_dStartingCurrent);
    EXPECT_EQ(1.0, load.m_dStartingTime);
    load.m_dLoadCurrent = 5000.0; // the catch-all class
    load.DoReadByLoadCurrent();
    EXPECT_EQ(0.85, load.m_dPowerFactor);
    EXPECT_EQ(3.0, load.m_dStartingTime);
}

namespace {

// The equipment tables with rows up to 100 kVA and no catch-all row.
std::string TablesWithoutCatchAll() {
    std::ifstream schema(std::string(TV_SOURCE_DIR) + "/data/sarquine/00_schema.sql");
    std::stringstream sql;
    sql << schema.rdbuf();
    sql << "INSERT INTO Equip_Generator (lGeneratorID, bIsDefault, lCapacity, dReactance, "
           "dSubReactance, dConstant, dSubConstant) VALUES (1, 1, 100, 24, 14.5, 0.012, 0.009);\n"
           "INSERT INTO Equip_MotorEff (lMotorEffID, dCapacity, dSubReactance, "
           "dRotorResistance, dStatorResistance) VALUES (1, 100, 17.5, 3.5, 3);\n";
    return sql.str();
}

} // namespace

// Above every row of a table without its catch-all row: the generator's
// four values become 0, the motor effect's three stay as they were.
TEST(MachineElement, CapacityAboveEveryRowWithoutCatchAll) {
    tvtest::FixtureDb db(TablesWithoutCatchAll());
    tvtest::OpenFixture open(db.Path());
    CModelDatabases previous = GetModelDatabases();
    CModelDatabases dbs;
    dbs.pEquip = open.Get();
    SetModelDatabases(dbs);

    CEleGenerator g;
    g.DoReadByCapacity(50.0);
    EXPECT_EQ(24.0, g.m_dTransientReactance);
    g.DoReadByCapacity(500.0);
    EXPECT_EQ(0.0, g.m_dTransientReactance);
    EXPECT_EQ(0.0, g.m_dSubReactance);
    EXPECT_EQ(0.0, g.m_dDcConstant);
    EXPECT_EQ(0.0, g.m_dSubConstant);

    CEleMotorEff m;
    m.DoReadByCapacity(50.0);
    EXPECT_EQ(17.5, m.m_dSubReactance);
    m.DoReadByCapacity(500.0);
    EXPECT_EQ(17.5, m.m_dSubReactance);
    EXPECT_EQ(3.5, m.m_dRotorResistance);
    EXPECT_EQ(3.0, m.m_dStatorResistance);

    SetModelDatabases(previous);
}

// Without any database (the models before the program opened them) the
// look-ups give the values of a missing row and nothing fails.
TEST(MachineElement, WithoutDatabasesNothingFails) {
    machinetest::NoDatabasesScope none;
    TestDocument doc;
    CObjElement generator(kKindGenerator);
    generator.DoInitNewElement(doc);
    EXPECT_EQ(0, generator.GetVoltage());
    EXPECT_EQ(0.0, generator.GetCapacity());
    EXPECT_EQ(1089, generator.DoCheckData());
    CObjElement capacitor(kKindCapacitor);
    capacitor.DoInitNewElement(doc);
    EXPECT_EQ(0.0, ModelOf<CEleCapacitor>(capacitor).m_dReactor);
    EXPECT_EQ("", ModelOf<CEleGenerator>(generator).DoGetTextEarthing());
}
