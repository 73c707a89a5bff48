// The element object: creation by kind, copy, assignment, the element record
// (against records written by hand, an unknown kind included), numbering and
// naming, the set-up of a new element and the edit with what each kind pushes
// to its neighbours, and the neutral results of the kinds that answer nothing.

#include "app/shell/model/CElementDocument.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjGroup.h"
#include "app/shell/model/CTovarineDocData.h"
#include "app/shell/model/ElementKindTable.h"
#include "tests/common/HexFixture.h"

#include "app/elements/conductors/CEleBusBar.h"
#include "app/elements/supply/CEleGenerator.h"
#include "app/elements/supply/CEleLoad.h"
#include "app/elements/supply/CEleSource.h"
#include "app/elements/supply/CEleText.h"
#include "app/elements/supply/CEleTrans1.h"
#include "app/elements/supply/CEleTrans3.h"
#include "app/protection/CGapLine.h"
#include "app/protection/CObjGraph.h"
#include "app/records/DialogSeam.h"
#include "framework/Archive.h"
#include "framework/DeviceContext.h"

#include <gtest/gtest.h>

#include <ostream>

#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string kDir = "app/shell/model/fixtures/";

// Every kind of the program, those without a model included.
std::vector<int32_t> AllKinds() {
    std::vector<int32_t> kinds;
    for (int32_t kind = 1; kind <= 16; ++kind)
        kinds.push_back(kind);
    kinds.push_back(kKindText);
    return kinds;
}

std::vector<int32_t> KindsWithModel() {
    std::vector<int32_t> kinds;
    for (int32_t kind : AllKinds())
        if (ElementKindTable::HasModel(kind))
            kinds.push_back(kind);
    return kinds;
}

std::vector<uint8_t> StoreElement(CObjElement& element) {
    fw::CArchive ar = fw::CArchive::ForStoring();
    element.Serialize(ar);
    return ar.Bytes();
}

std::vector<uint8_t> StoreObject(const CObjElement& element) {
    fw::CArchive ar = fw::CArchive::ForStoring();
    ar.WriteObject(&element);
    return ar.Bytes();
}

std::unique_ptr<CObjElement> LoadObject(const std::vector<uint8_t>& bytes, double version) {
    fw::CArchive ar = fw::CArchive::ForLoading(bytes);
    ar.SetReadVersion(version);
    std::unique_ptr<CObjElement> element = ar.ReadOwned<CObjElement>();
    EXPECT_EQ(ar.Remaining(), 0u);
    return element;
}

CEleFrame* Frame(const CObjElement& element) {
    return dynamic_cast<CEleFrame*>(element.GetElement());
}

// A document that answers the element object's questions with set values
// and writes down what it was asked and told.
class RecordingDocument : public CElementDocument {
public:
    int32_t GetCounter(int32_t kind) const override {
        auto it = counters.find(kind);
        return it == counters.end() ? 0 : it->second;
    }
    int32_t IncrementCounter(int32_t kind) override { return ++counters[kind]; }
    int32_t GetMode() const override { return 1; }
    int32_t GetFrequency() const override { return 60; }
    double GetBaseCapacity() const override { return 1000.0; }
    void SaveUndo() override { ++undos; }
    int32_t FindVoltage(CObjElement*, int32_t* singlePhase, int32_t mask) override {
        calls.push_back("voltage " + std::to_string(mask));
        if (singlePhase)
            *singlePhase = foundSinglePhase;
        return mask == kDirDown ? voltageBelow : voltage;
    }
    uint32_t FindWireSystem(CObjElement*, int32_t mask) override {
        calls.push_back("wire " + std::to_string(mask));
        return wireSystem;
    }
    uint32_t FindEarthingSystem(CObjElement*, int32_t mask) override {
        calls.push_back("earthing " + std::to_string(mask));
        return earthing;
    }
    double GetUpstreamCapacity(CObjElement*) override {
        calls.push_back("capacity");
        return 500.0;
    }
    void DoPropagateDown(CObjElement*, int32_t f, int32_t u, int32_t g, int32_t w,
                         int32_t p) override {
        pushed.push_back(Push("down", f, u, g, w, p));
    }
    void DoPropagateUp(CObjElement*, int32_t f, int32_t u, int32_t g, int32_t w,
                       int32_t p) override {
        pushed.push_back(Push("up", f, u, g, w, p));
    }
    void DoPropagateLeft(CObjElement*, int32_t u, int32_t g, int32_t w, int32_t p) override {
        pushed.push_back(Push("left", -1, u, g, w, p));
    }
    void DoPropagateRight(CObjElement*, int32_t u, int32_t g, int32_t w, int32_t p) override {
        pushed.push_back(Push("right", -1, u, g, w, p));
    }

    static std::string Push(const char* way, int32_t f, int32_t u, int32_t g, int32_t w,
                            int32_t p) {
        std::ostringstream text;
        text << way << " flag " << f << " volts " << u << " earthing " << g << " wire " << w
             << " poles " << p;
        return text.str();
    }

    std::map<int32_t, int32_t> counters;
    int undos = 0;
    int32_t voltage = 400;
    int32_t voltageBelow = 400;
    int32_t foundSinglePhase = 0;
    uint32_t earthing = 3;
    uint32_t wireSystem = 2;
    std::vector<std::string> calls;
    std::vector<std::string> pushed;
};

// ---- Creation, copy and the record, for every kind with a model ----

TEST(ObjElement, EveryKindWithAModelIsCreatedWithOnePlacementOfEach) {
    ASSERT_FALSE(KindsWithModel().empty());
    for (int32_t kind : KindsWithModel()) {
        CObjElement element(kind);
        EXPECT_EQ(element.GetKind(), kind);
        if (kind == kKindText) {
            EXPECT_EQ(element.GetElement(), nullptr) << "the text box is no electrical element";
            continue;
        }
        ASSERT_NE(Frame(element), nullptr) << "kind " << kind;
        EXPECT_EQ(Frame(element)->m_listRefV1.GetCount(), 1) << "kind " << kind;
        EXPECT_EQ(Frame(element)->m_listRefV4.GetCount(), 1) << "kind " << kind;
    }
}

TEST(ObjElement, ACopyIsIndependentAndBringsThePlacementsItHas) {
    for (int32_t kind : KindsWithModel()) {
        CObjElement source(kind);
        const std::vector<uint8_t> before = StoreElement(source);
        CObjElement copy(source);
        EXPECT_EQ(StoreElement(copy), before) << "kind " << kind;
        CObjElement assigned(kKindLoad);
        assigned = source;
        EXPECT_EQ(assigned.GetKind(), kind);
        EXPECT_EQ(StoreElement(assigned), before) << "kind " << kind;
        if (kind == kKindText)
            continue;
        EXPECT_NE(copy.GetElement(), source.GetElement());
        EXPECT_EQ(Frame(copy)->m_listRefV1.GetCount(), 1) << "kind " << kind;
        Frame(copy)->m_strName = "changed";
        Frame(copy)->m_listRefV1.DoAddNew();
        EXPECT_EQ(StoreElement(source), before) << "kind " << kind;
    }
}

TEST(ObjElement, EveryKindStoresAndReloadsByteForByte) {
    for (int32_t kind : KindsWithModel()) {
        CObjElement element(kind);
        const std::vector<uint8_t> bytes = StoreObject(element);
        std::unique_ptr<CObjElement> loaded = LoadObject(bytes, 1.2);
        ASSERT_NE(loaded, nullptr);
        EXPECT_EQ(loaded->GetKind(), kind);
        EXPECT_EQ(StoreObject(*loaded), bytes) << "kind " << kind;
    }
}

TEST(ObjElement, AssignmentReplacesTheModelAndSurvivesSelfAssignment) {
    CObjElement element(kKindBusBar);
    CObjElement load(kKindLoad);
    static_cast<CEleLoad*>(load.GetElement())->m_dLoadCurrent = 30.0;
    element = load; // the bus-bar's model goes (the sanitizer's leak check would see it stay)
    ASSERT_EQ(element.GetKind(), kKindLoad);
    EXPECT_EQ(static_cast<CEleLoad*>(element.GetElement())->m_dLoadCurrent, 30.0);

    CEleHead* model = element.GetElement();
    CObjElement& same = element;
    element = same;
    EXPECT_EQ(element.GetElement(), model);
    EXPECT_EQ(static_cast<CEleLoad*>(element.GetElement())->m_dLoadCurrent, 30.0);

    CObjElement empty;
    element = empty;
    EXPECT_EQ(element.GetKind(), 0);
    EXPECT_EQ(element.GetElement(), nullptr);
}

// A general load through the element record, from files of each version.
struct LoadFileCase {
    const char* file;
    double version;
    uint32_t earthing, wireSystem, errorMark, singlePhase;
    int32_t placementSelected;
};

void PrintTo(const LoadFileCase& c, std::ostream* os) {
    *os << c.file;
}

class ObjElementLoadFiles : public ::testing::TestWithParam<LoadFileCase> {};

TEST_P(ObjElementLoadFiles, GatedTailsAndPlacementLengthsFollowTheVersion) {
    const LoadFileCase& c = GetParam();
    std::unique_ptr<CObjElement> element =
        LoadObject(tvtest::ReadHexFixture(kDir + c.file), c.version);
    ASSERT_NE(element, nullptr);
    ASSERT_EQ(element->GetKind(), kKindLoad);
    const auto* load = static_cast<const CEleLoad*>(element->GetElement());
    ASSERT_NE(load, nullptr);
    EXPECT_EQ(load->m_strName, "L2");
    EXPECT_EQ(element->GetNumber(), 2u);
    EXPECT_EQ(element->GetVoltage(), 400);
    EXPECT_EQ(load->m_dLoadCurrent, 30.0);
    EXPECT_EQ(load->m_dPowerFactor, 0.8);
    EXPECT_EQ(load->m_nLeading, 1u);
    EXPECT_EQ(load->m_dStartingCurrent, 6.0);
    EXPECT_EQ(load->m_dStartingTime, 2.5);
    ASSERT_EQ(load->m_listRefV1.GetCount(), 1);
    EXPECT_EQ(load->m_listRefV1.GetAtIndex(0)->GetLabelRect(), fw::CRect(41, 55, 90, 71));
    EXPECT_EQ(load->m_listRefV1.IsSelected(0), c.placementSelected);
    EXPECT_EQ(load->m_listRefV4.GetCount(), 1);
    EXPECT_EQ(element->GetEarthingSystem(), c.earthing);
    EXPECT_EQ(element->GetWireSystem(), c.wireSystem);
    EXPECT_EQ(element->GetErrorMark(), c.errorMark);
    EXPECT_EQ(element->IsSinglePhase(), static_cast<int32_t>(c.singlePhase));
    // Saved again: the current layout, 92-byte placement and the whole tail.
    std::unique_ptr<CObjElement> again = LoadObject(StoreObject(*element), 1.2);
    EXPECT_EQ(StoreObject(*again), StoreObject(*element));
}

INSTANTIATE_TEST_SUITE_P(
    Files, ObjElementLoadFiles,
    ::testing::Values(LoadFileCase{"Element_Load_v102.hex", 1.02, 4, 1, 0, 0, 0},
                      LoadFileCase{"Element_Load_v110.hex", 1.10, 1, 3, 0, 0, 0},
                      LoadFileCase{"Element_Load_v115.hex", 1.15, 1, 3, 1, 0, 1},
                      LoadFileCase{"Element_Load_v120.hex", 1.2, 1, 3, 1, 1, 1}),
    [](const auto& info) {
        std::string name = info.param.file;
        return name.substr(0, name.find('.'));
    });

TEST(ObjElementRecord, TheCurrentLayoutIsTheHandWrittenOne) {
    std::unique_ptr<CObjElement> element =
        LoadObject(tvtest::ReadHexFixture(kDir + "Element_Load_v120.hex"), 1.2);
    ASSERT_NE(element, nullptr);
    EXPECT_EQ(StoreObject(*element), tvtest::ReadHexFixture(kDir + "Element_Load_v120.hex"));
}

TEST(ObjElementRecord, AnUnknownKindIsItsKindAloneBothWays) {
    fw::CArchive ar =
        fw::CArchive::ForLoading(tvtest::ReadHexFixture(kDir + "Element_Unknown_then_Load.hex"));
    ar.SetReadVersion(1.2);
    std::unique_ptr<CObjElement> unknown = ar.ReadOwned<CObjElement>();
    std::unique_ptr<CObjElement> load = ar.ReadOwned<CObjElement>();
    EXPECT_EQ(ar.Remaining(), 0u);
    ASSERT_NE(unknown, nullptr);
    EXPECT_EQ(unknown->GetKind(), 99);
    EXPECT_EQ(unknown->GetElement(), nullptr);
    ASSERT_NE(load, nullptr);
    EXPECT_EQ(load->GetKind(), kKindLoad);
    EXPECT_EQ(load->GetName(), "L2");

    for (int32_t kind : {99, 0, -3, 17, 199}) {
        CObjElement element(kind);
        EXPECT_EQ(element.GetElement(), nullptr);
        const std::vector<uint8_t> bytes = StoreElement(element);
        EXPECT_EQ(bytes, std::vector<uint8_t>({static_cast<uint8_t>(kind & 0xFF),
                                               static_cast<uint8_t>((kind >> 8) & 0xFF),
                                               static_cast<uint8_t>((kind >> 16) & 0xFF),
                                               static_cast<uint8_t>((kind >> 24) & 0xFF)}));
    }
}

TEST(ObjElementRecord, EveryCutOfARecordIsRefusedWithoutACrash) {
    const std::vector<uint8_t> bytes = tvtest::ReadHexFixture(kDir + "Element_Load_v120.hex");
    for (size_t size = 0; size < bytes.size(); ++size) {
        fw::CArchive ar =
            fw::CArchive::ForLoading(std::vector<uint8_t>(bytes.begin(), bytes.begin() + size));
        ar.SetReadVersion(1.2);
        EXPECT_THROW(ar.ReadOwned<CObjElement>(), fw::CArchiveException) << size << " bytes";
    }
}

TEST(ObjElementRecord, ReadingIntoAnElementReplacesItsModel) {
    CObjElement element(kKindBusBar);
    CObjElement load(kKindLoad);
    fw::CArchive out = fw::CArchive::ForStoring();
    load.Serialize(out);
    fw::CArchive in = fw::CArchive::ForLoading(out.Bytes());
    element.Serialize(in);
    EXPECT_EQ(element.GetKind(), kKindLoad);
    EXPECT_NE(dynamic_cast<CEleLoad*>(element.GetElement()), nullptr);
}

// ---- Numbering and naming ----

TEST(ObjElementNumbering, EachNewNumberRaisesTheKindsCounterAndTheNameUsesIt) {
    RecordingDocument doc;
    doc.counters[kKindBusBar] = 4;
    CObjElement first(kKindBusBar);
    CObjElement second(kKindBusBar);
    first.DoSetNewNumber(doc);
    first.DoSetName(doc);
    second.DoSetNewNumber(doc);
    second.DoSetName(doc);
    EXPECT_EQ(doc.GetCounter(kKindBusBar), 6);
    EXPECT_EQ(first.GetNumber(), 5u);
    EXPECT_EQ(first.GetName(), "BB5");
    EXPECT_EQ(second.GetNumber(), 6u);
    EXPECT_EQ(second.GetName(), "BB6");
}

TEST(ObjElementNumbering, KindPrefixesComeFromTheStringTable) {
    struct Prefix {
        int32_t kind;
        const char* name;
    };
    for (Prefix p : {Prefix{kKindGenerator, "G1"}, Prefix{kKindMotorEff, "ME1"},
                     Prefix{kKindWire, "W1"}, Prefix{kKindMotor, "M1"}, Prefix{kKindLoad, "L1"},
                     Prefix{kKindCapacitor, "C1"}, Prefix{kKindBusDuct, "BD1"}}) {
        if (!ElementKindTable::HasModel(p.kind))
            continue;
        RecordingDocument doc;
        CObjElement element(p.kind);
        element.DoSetNewNumber(doc);
        element.DoSetName(doc);
        EXPECT_EQ(element.GetName(), p.name);
    }
}

TEST(ObjElementNumbering, ATextBoxGetsNoNameOrNumberButIsSetUpFromItsOwnCounter) {
    RecordingDocument doc;
    doc.counters[kKindText] = 2; // as reloaded from the document's reserved word
    CObjElement text(kKindText);
    text.DoSetNewNumber(doc);
    text.DoSetName(doc);
    EXPECT_EQ(doc.GetCounter(kKindText), 2);
    EXPECT_EQ(text.GetName(), "");
    text.DoInitNewElement(doc);
    EXPECT_EQ(doc.GetCounter(kKindText), 3);
    EXPECT_EQ(text.GetName(), "Text3"); // not a second "Text1"
    EXPECT_TRUE(doc.calls.empty()) << "a text box asks its neighbours nothing";
    EXPECT_TRUE(doc.pushed.empty());
}

TEST(ObjElementNumbering, TheTextBoxCounterIsTheDocumentsReservedWord) {
    // The document keeps the text boxes' counter in the word its file
    // reserves, so a project read back goes on from it.
    CTovarineDocData doc;
    CObjElement first(kKindText);
    first.DoInitNewElement(doc);
    EXPECT_EQ(first.GetName(), "Text1");
    EXPECT_EQ(doc.m_nTextCounter, 1);

    CTovarineDocData reloaded;
    reloaded.m_nTextCounter = doc.m_nTextCounter; // what the file's reserved word held
    CObjElement next(kKindText);
    next.DoInitNewElement(reloaded);
    EXPECT_EQ(next.GetName(), "Text2");
}

// ---- Set-up of a new element: what it asks and what it pushes ----

TEST(ObjElementInit, ABusBarPlacedBelowAGeneratorTakesItsCircuitValues) {
    fw::CRecordingDC dc;
    CTovarineDocData doc;
    doc.m_infoSkeleton.m_ptInsert = fw::CPoint(160, 40);
    CObjElement* generator =
        doc.m_listGroups.AddNewGroup()->InsertElement(&dc, doc, kKindGenerator, 0);
    ASSERT_NE(generator, nullptr);
    generator->SetVoltage(440);
    generator->SetEarthingSystem(1);
    generator->SetWireSystem(3);
    fw::CRect at;
    generator->GetSymbolRect(&at);
    ASSERT_EQ(at, fw::CRect(161, 41, 200, 120));
    // One unit below the generator's bottom: connected.
    doc.m_infoSkeleton.m_ptInsert = fw::CPoint(160, 121);
    CObjElement* busBar = doc.m_listGroups.AddNewGroup()->InsertElement(&dc, doc, kKindBusBar, 0);
    ASSERT_NE(busBar, nullptr);
    EXPECT_EQ(busBar->GetName(), "BB1");
    EXPECT_EQ(busBar->GetVoltage(), 440);
    EXPECT_EQ(busBar->GetEarthingSystem(), 1u);
    EXPECT_EQ(busBar->GetWireSystem(), 3u);
}

struct InitCase {
    const char* name;
    int32_t kind;
    uint32_t horizontal;
    int32_t singlePhaseFound;
    std::vector<std::string> calls;
    std::vector<std::string> pushed;
};

void PrintTo(const InitCase& c, std::ostream* os) {
    *os << c.name;
}

class ObjElementInit : public ::testing::TestWithParam<InitCase> {};

TEST_P(ObjElementInit, AsksItsDirectionsAndPushesItsValues) {
    const InitCase& c = GetParam();
    RecordingDocument doc;
    doc.foundSinglePhase = c.singlePhaseFound;
    CObjElement element(c.kind);
    if (c.horizontal)
        static_cast<CEleBusBar*>(element.GetElement())->m_nHorizontal = c.horizontal;
    element.DoInitNewElement(doc);
    EXPECT_EQ(doc.GetCounter(c.kind), 1);
    EXPECT_EQ(element.GetNumber(), 1u);
    EXPECT_EQ(doc.calls, c.calls);
    EXPECT_EQ(doc.pushed, c.pushed);
}

// The neighbours answer 400 V, TN-C (3) and wire system 2; the element
// takes them and pushes its own values on (poles 0: every kind but the
// low-voltage breaker).
INSTANTIATE_TEST_SUITE_P(
    Kinds, ObjElementInit,
    ::testing::Values(
        InitCase{"VerticalBusBarUpAndDown",
                 kKindBusBar,
                 0,
                 0,
                 {"voltage 80", "earthing 80", "wire 80"},
                 {"down flag 0 volts 400 earthing 3 wire 2 poles 0",
                  "up flag 0 volts 400 earthing 3 wire 2 poles 0"}},
        InitCase{"HorizontalBusBarSideways",
                 kKindBusBar,
                 1,
                 0,
                 {"voltage 160", "earthing 160", "wire 160"},
                 {"left flag -1 volts 400 earthing 3 wire 2 poles 0",
                  "right flag -1 volts 400 earthing 3 wire 2 poles 0"}},
        InitCase{"WireUpAndDown",
                 kKindWire,
                 0,
                 0,
                 {"voltage 80", "earthing 80", "wire 80"},
                 {"down flag 0 volts 400 earthing 3 wire 2 poles 0",
                  "up flag 0 volts 400 earthing 3 wire 2 poles 0"}},
        InitCase{"GeneratorAsksBelowAndPushesDown",
                 kKindGenerator,
                 0,
                 0,
                 {"voltage 64", "earthing 64", "wire 64"},
                 {"down flag 0 volts 400 earthing 3 wire 2 poles 0"}},
        InitCase{"GeneratorOnASinglePhaseCircuitPushesNothing",
                 kKindGenerator,
                 0,
                 1,
                 {"voltage 64", "earthing 64", "wire 64"},
                 {}},
        InitCase{"MotorEffectAsksAboveAndTheSupplyCapacity",
                 kKindMotorEff,
                 0,
                 0,
                 {"voltage 16", "earthing 16", "wire 16", "capacity"},
                 {}},
        InitCase{"MotorAsksAbove", kKindMotor, 0, 0, {"voltage 16", "earthing 16", "wire 16"}, {}},
        InitCase{"LoadAsksAbove", kKindLoad, 0, 0, {"voltage 16", "earthing 16", "wire 16"}, {}},
        InitCase{"CapacitorAsksAbove",
                 kKindCapacitor,
                 0,
                 0,
                 {"voltage 16", "earthing 16", "wire 16"},
                 {}}),
    [](const auto& info) { return std::string(info.param.name); });

// Kinds whose pushed values depend on their own defaults: the pushes are
// checked against the values the element holds after its set-up.
std::string Pushed(const char* way, CObjElement& e, int32_t flag) {
    return RecordingDocument::Push(way, flag, e.GetVoltage(std::string(way) == "down" ? 1 : 0),
                                   static_cast<int32_t>(e.GetEarthingSystem()),
                                   static_cast<int32_t>(e.GetWireSystem()), 0);
}

TEST(ObjElementInit, ASourceAsksBelowAndPushesDownUnlessTheCircuitIsSinglePhase) {
    RecordingDocument doc;
    CObjElement source(kKindSource);
    source.DoInitNewElement(doc);
    EXPECT_EQ(doc.calls, (std::vector<std::string>{"voltage 64", "earthing 64", "wire 64"}));
    EXPECT_EQ(doc.pushed, (std::vector<std::string>{Pushed("down", source, 0)}));

    RecordingDocument singlePhase;
    singlePhase.foundSinglePhase = 1;
    CObjElement other(kKindSource);
    other.DoInitNewElement(singlePhase);
    EXPECT_TRUE(singlePhase.pushed.empty());
}

TEST(ObjElementInit, TransformersAskAboveAndBelowApartAndPushNothing) {
    for (int32_t kind : {kKindTrans3, kKindTrans1}) {
        RecordingDocument doc;
        doc.voltage = 6600;
        doc.voltageBelow = 400;
        CObjElement transformer(kind);
        transformer.DoInitNewElement(doc);
        EXPECT_EQ(doc.calls,
                  (std::vector<std::string>{"voltage 16", "voltage 64", "earthing 80", "wire 80"}))
            << kind;
        EXPECT_TRUE(doc.pushed.empty()) << kind;
        EXPECT_EQ(transformer.GetNumber(), 1u);
    }
}

TEST(ObjElementInit, AZeroConductorAsksAllRoundAndPushesEveryWay) {
    RecordingDocument doc;
    CObjElement junction(kKindZeroCond);
    junction.DoInitNewElement(doc);
    EXPECT_EQ(doc.calls, (std::vector<std::string>{"voltage 240", "earthing 240", "wire 240"}));
    const int32_t flag = junction.IsSinglePhase();
    const int32_t volts = junction.GetVoltage(0);
    const int32_t g = static_cast<int32_t>(junction.GetEarthingSystem());
    const int32_t w = static_cast<int32_t>(junction.GetWireSystem());
    EXPECT_EQ(doc.pushed,
              (std::vector<std::string>{
                  RecordingDocument::Push("down", flag, junction.GetVoltage(1), g, w, 0),
                  RecordingDocument::Push("up", flag, volts, g, w, 0),
                  RecordingDocument::Push("left", -1, volts, g, w, 0),
                  RecordingDocument::Push("right", -1, volts, g, w, 0)}));
}

TEST(ObjElementInit, TheSetUpValuesReachTheModel) {
    RecordingDocument doc;
    doc.voltage = 230;
    doc.earthing = 1;
    doc.wireSystem = 3;
    CObjElement load(kKindLoad);
    load.DoInitNewElement(doc);
    EXPECT_EQ(load.GetName(), "L1");
    EXPECT_EQ(load.GetVoltage(), 230);
    EXPECT_EQ(load.GetEarthingSystem(), 1u);
    EXPECT_EQ(load.GetWireSystem(), 3u);
}

// ---- Editing: the result, the voltages reported and what is pushed ----

class ObjElementEdit : public ::testing::Test {
protected:
    void TearDown() override {
        DialogSeam<CEleBusBar>::run = nullptr;
        DialogSeam<CGeneratorEdit>::run = nullptr;
        DialogSeam<CEleLoad>::run = nullptr;
        DialogSeam<CEleText>::run = nullptr;
        DialogSeam<CEleSourceEdit>::run = nullptr;
        DialogSeam<CEleTrans3>::run = nullptr;
        DialogSeam<CEleTrans1>::run = nullptr;
    }
    fw::CRecordingDC dc;
    RecordingDocument doc;
    int32_t oldVolts[2] = {-1, -1};
    int32_t newVolts[2] = {-1, -1};
};

TEST_F(ObjElementEdit, ConfirmedBusBarPushesItsCodesWithPolesFromItsWireSystem) {
    CObjElement busBar(kKindBusBar);
    busBar.SetVoltage(400);
    DialogSeam<CEleBusBar>::run = [](CEleBusBar& copy) {
        copy.SetEarthingSystem(1);
        copy.SetWireSystem(3); // three phases, N and PE: 4 poles
        return true;
    };
    EXPECT_EQ(busBar.DoEditElement(doc, &dc, nullptr, oldVolts, newVolts), 1);
    EXPECT_EQ(doc.undos, 1);
    // A conductor reports no voltages.
    EXPECT_EQ(oldVolts[0], 0);
    EXPECT_EQ(newVolts[0], 0);
    EXPECT_EQ(doc.pushed,
              (std::vector<std::string>{"up flag 0 volts 0 earthing 1 wire 3 poles 4",
                                        "down flag 0 volts 0 earthing 1 wire 3 poles 4"}));
}

TEST_F(ObjElementEdit, HorizontalBusBarPushesSideways) {
    CObjElement busBar(kKindBusBar);
    static_cast<CEleBusBar*>(busBar.GetElement())->m_nHorizontal = 1;
    DialogSeam<CEleBusBar>::run = [](CEleBusBar& copy) {
        copy.SetEarthingSystem(4);
        copy.SetWireSystem(1); // three phases: 3 poles
        return true;
    };
    EXPECT_EQ(busBar.DoEditElement(doc, &dc, nullptr, oldVolts, newVolts), 1);
    EXPECT_EQ(doc.pushed,
              (std::vector<std::string>{"left flag -1 volts 0 earthing 4 wire 1 poles 3",
                                        "right flag -1 volts 0 earthing 4 wire 1 poles 3"}));
}

TEST_F(ObjElementEdit, GeneratorReportsItsVoltagesAndPushesDown) {
    CObjElement generator(kKindGenerator);
    generator.SetVoltage(400);
    DialogSeam<CGeneratorEdit>::run = [](CGeneratorEdit& edit) {
        edit.generator.m_nVoltage = 440;
        edit.generator.m_nEarthing = 5;
        edit.generator.m_nWireSystem = 1;
        return true;
    };
    EXPECT_EQ(generator.DoEditElement(doc, &dc, nullptr, oldVolts, newVolts), 1);
    EXPECT_EQ(oldVolts[0], 400);
    EXPECT_EQ(oldVolts[1], 0);
    EXPECT_EQ(newVolts[0], 440);
    EXPECT_EQ(doc.pushed,
              (std::vector<std::string>{"down flag 0 volts 440 earthing 5 wire 1 poles 0"}));
}

TEST_F(ObjElementEdit, ASourcePushesItsVoltageDownWithTTAndThreePhases) {
    CObjElement source(kKindSource);
    source.SetVoltage(6600);
    DialogSeam<CEleSourceEdit>::run = [](CEleSourceEdit& edit) {
        edit.source.m_nVoltage = 22000;
        return true;
    };
    EXPECT_EQ(source.DoEditElement(doc, &dc, nullptr, oldVolts, newVolts), 1);
    EXPECT_EQ(oldVolts[0], 6600);
    EXPECT_EQ(newVolts[0], 22000);
    EXPECT_EQ(doc.pushed,
              (std::vector<std::string>{"down flag 0 volts 22000 earthing 4 wire 1 poles 0"}));
}

TEST_F(ObjElementEdit, ATransformerPushesItsPrimaryUpAndItsSecondaryDown) {
    CObjElement transformer(kKindTrans3);
    transformer.SetVoltage(6600, 0);
    transformer.SetVoltage(400, 1);
    transformer.SetEarthingSystem(3);
    DialogSeam<CEleTrans3>::run = [](CEleTrans3& copy) {
        copy.SetVoltage(11000, 0);
        copy.SetVoltage(415, 1);
        return true;
    };
    EXPECT_EQ(transformer.DoEditElement(doc, &dc, nullptr, oldVolts, newVolts), 1);
    EXPECT_EQ(oldVolts[0], 6600);
    EXPECT_EQ(oldVolts[1], 400);
    EXPECT_EQ(newVolts[0], 11000);
    EXPECT_EQ(newVolts[1], 415);
    // The earthing stayed: the voltages alone go on.
    EXPECT_EQ(doc.pushed,
              (std::vector<std::string>{"up flag 0 volts 11000 earthing 0 wire 0 poles 0",
                                        "down flag 0 volts 415 earthing 0 wire 0 poles 0"}));
}

TEST_F(ObjElementEdit, ANewEarthingOfATransformerResetsItsWireSystemAndGoesDown) {
    CObjElement transformer(kKindTrans3);
    transformer.SetVoltage(6600, 0);
    transformer.SetVoltage(400, 1);
    transformer.SetEarthingSystem(4);
    transformer.SetWireSystem(1);
    DialogSeam<CEleTrans3>::run = [](CEleTrans3& copy) {
        copy.SetEarthingSystem(1); // TN-S: three phases, N and PE by default
        return true;
    };
    EXPECT_EQ(transformer.DoEditElement(doc, &dc, nullptr, oldVolts, newVolts), 1);
    EXPECT_EQ(transformer.GetWireSystem(), 3u);
    EXPECT_EQ(doc.pushed,
              (std::vector<std::string>{"up flag 0 volts 6600 earthing 0 wire 0 poles 0",
                                        "down flag 0 volts 400 earthing 1 wire 3 poles 0"}));
}

TEST_F(ObjElementEdit, ASinglePhaseTransformerMarksTheCircuitBelowSinglePhase) {
    CObjElement transformer(kKindTrans1);
    transformer.SetVoltage(6600, 0);
    transformer.SetVoltage(200, 1);
    DialogSeam<CEleTrans1>::run = [](CEleTrans1&) { return true; };
    EXPECT_EQ(transformer.DoEditElement(doc, &dc, nullptr, oldVolts, newVolts), 1);
    ASSERT_EQ(doc.pushed.size(), 2u);
    EXPECT_EQ(doc.pushed[0], "up flag 0 volts 6600 earthing 0 wire 0 poles 0");
    EXPECT_EQ(doc.pushed[1], "down flag 1 volts 200 earthing 0 wire 0 poles 0");
}

TEST_F(ObjElementEdit, ConsumersPushNothingAndCancelChangesNothing) {
    CObjElement load(kKindLoad);
    DialogSeam<CEleLoad>::run = [](CEleLoad& copy) {
        copy.m_dLoadCurrent = 12.0;
        return true;
    };
    EXPECT_EQ(load.DoEditElement(doc, &dc, nullptr, oldVolts, newVolts), 1);
    EXPECT_TRUE(doc.pushed.empty());

    CObjElement busBar(kKindBusBar);
    DialogSeam<CEleBusBar>::run = [](CEleBusBar& copy) {
        copy.SetEarthingSystem(1);
        return false;
    };
    const int undos = doc.undos;
    EXPECT_EQ(busBar.DoEditElement(doc, &dc, nullptr, oldVolts, newVolts), kEditCancelled);
    EXPECT_EQ(busBar.GetEarthingSystem(), 0u);
    EXPECT_EQ(doc.undos, undos);
    EXPECT_TRUE(doc.pushed.empty());
}

TEST_F(ObjElementEdit, ATextBoxAlwaysAnswersTwo) {
    CObjElement text(kKindText);
    DialogSeam<CEleText>::run = [](CEleText& copy) {
        copy.m_strText = "Main panel";
        return true;
    };
    EXPECT_EQ(text.DoEditElement(doc, &dc, nullptr, oldVolts, newVolts), kEditCancelled);
    EXPECT_TRUE(doc.pushed.empty());
}

// ---- What the dispatch answers for kinds that answer nothing ----

// Every operation on an element whose kind has no model (or no kind this
// program knows) gives its neutral result and touches nothing.
void ExpectNeutral(CObjElement& e) {
    SCOPED_TRACE("kind " + std::to_string(e.GetKind()));
    fw::CRecordingDC dc;
    RecordingDocument doc;
    CEleDocSettings settings;
    CObjGraph graph;
    graph.m_nGraphNo = 1;
    CGapLine gapLine;
    CPercentZ term;
    term.m_dR = 1.0;

    EXPECT_EQ(e.GetElement(), nullptr);
    EXPECT_EQ(e.GetElementObject(), nullptr);
    EXPECT_EQ(e.GetNumber(), 0u);
    EXPECT_EQ(e.GetName(), "");
    EXPECT_EQ(e.GetSelect(), 0);
    e.SetSelect(1);
    e.DoSelect(0, 1, 0);
    EXPECT_EQ(e.IsSelected(0), 0);
    EXPECT_EQ(e.IsSelected(100), 0);
    EXPECT_EQ(e.GetOnlyRefV1(), nullptr);
    e.SetErrorMark(1);
    EXPECT_EQ(e.GetErrorMark(), 0u);

    EXPECT_EQ(e.GetVoltage(0), 0);
    EXPECT_EQ(e.SetVoltage(230, 1), 230);
    EXPECT_EQ(e.GetEarthingSystem(), 0u);
    EXPECT_EQ(e.SetEarthingSystem(3), 3u);
    EXPECT_EQ(e.GetWireSystem(), 0u);
    EXPECT_EQ(e.SetWireSystem(2), 2u);
    EXPECT_EQ(e.DoSetPoles(4), 4);
    e.SetSinglePhase(1);
    EXPECT_EQ(e.IsSinglePhase(), e.GetKind() == kKindTrans1 ? 1 : 0);
    EXPECT_EQ(e.GetCapacity(), 0.0);
    EXPECT_EQ(e.IsOff(), 0);
    EXPECT_EQ(e.IsCalcPoint(), 0);
    EXPECT_EQ(e.DoCheckData(), 0);
    e.DoReadZFromDB(60);

    fw::CRect rect(1, 2, 3, 4);
    e.GetSymbolRect(&rect, &dc);
    EXPECT_TRUE(rect.IsRectNull());
    fw::CPoint to(41, 41);
    e.SetSymbolRect(&to, nullptr);
    rect = fw::CRect(1, 2, 3, 4);
    e.GetUnionRect(&rect);
    EXPECT_TRUE(rect.IsRectNull());
    EXPECT_EQ(e.GetHorizontal(), 0);
    EXPECT_EQ(e.IsHorizontal(), 0);
    EXPECT_EQ(e.IsRotatable(), 0);
    EXPECT_TRUE(e.DoRotate(&dc, 1).IsRectNull());
    EXPECT_EQ(e.IsHittedSymbol(&dc, fw::CPoint(0, 0), 0), 0);

    e.DoDrawSkeleton(&dc, settings);
    e.DoDrawImpeMap(&dc, settings);
    e.DoCalcLabelV1(&dc, settings);
    e.DoCalcLabelV4(&dc, settings);
    EXPECT_TRUE(dc.Records().empty()) << "nothing is drawn";
    int32_t oldVolts[2] = {-1, -1};
    int32_t newVolts[2] = {-1, -1};
    EXPECT_EQ(e.DoEditElement(doc, &dc, nullptr, oldVolts, newVolts), 2);
    EXPECT_EQ(doc.undos, 0);

    const CPercentZ zero;
    EXPECT_EQ(e.DoCalcPercentZ(settings).m_dR, zero.m_dR);
    EXPECT_EQ(e.DoCalcPercentZ(settings).m_dX, zero.m_dX);
    EXPECT_EQ(e.DoCalcPercentZNPE(settings).m_dRN, zero.m_dRN);
    EXPECT_EQ(e.DoCalcDecayCurrent(settings, 1.0, 2.0), 0.0);
    EXPECT_EQ(e.DoSetCalcZ(1000.0, &term, &term).m_dR, 0.0);
    EXPECT_EQ(e.DoSetCalcZ2(1000.0, &term, &term).m_dR, 0.0);
    EXPECT_EQ(e.DoSetCalcZ2Ex(1000.0, &term, &term).m_dR, 0.0);
    e.DoClearCalcZ();
    e.DoClearCalcZ2();
    e.DoClearCalcZ2Ex();

    e.AddToGraph(1, 1);
    EXPECT_EQ(e.IsOnGraph(1), 0);
    EXPECT_EQ(e.IsAddableToGraph(1), 0);
    e.RemoveFromGraph(1);
    EXPECT_EQ(e.GetCurveRefV2(&graph), nullptr);
    e.DoDrawCurve(&dc, &graph, settings);
    bool invalidated = false;
    e.DoInvalidateCurve(&dc, &graph, 0, [&](const fw::CRect&) { invalidated = true; });
    EXPECT_FALSE(invalidated);
    EXPECT_EQ(e.IsHittedCurve(&dc, &graph, fw::CPoint(0, 0), 0), 0);
    e.DoSelectCurve(&graph, 1, 0, 0);
    e.SetSelectCurve(1);
    EXPECT_EQ(e.IsSelectedCurve(&graph, 0), 0);
    e.DoDrawGapValue(&dc, &graph, &gapLine, 3, [&](const fw::CRect&) { invalidated = true; });
    EXPECT_FALSE(invalidated);
    EXPECT_EQ(e.DoDrawGapLine(&dc, &graph, &gapLine, 0, 7), 7);
    std::ostringstream dxf;
    e.DoDXFOutCurve(dxf, &graph, settings);
    EXPECT_TRUE(dxf.str().empty());
    e.DoCalcCurve(50);
    e.DoDrawCurveLabel(&dc, &graph, CCurveChange{});
    e.SetCurveBand(0);
    int32_t which = -1;
    EXPECT_EQ(e.GetObjAdjust(&which), nullptr);
    EXPECT_EQ(which, -1);
    EXPECT_TRUE(dc.Records().empty());

    e.DoSetNewNumber(doc);
    e.DoSetName(doc);
    e.DoInitNewElement(doc);
    EXPECT_TRUE(doc.counters.empty()) << "no counter moves";
    EXPECT_TRUE(doc.calls.empty());
    EXPECT_TRUE(doc.pushed.empty());
}

TEST(ObjElementNeutral, KindsWithoutAModelAnswerNothing) {
    // Every kind of the program has its model now; a kind number no model
    // answers (a damaged or newer file) keeps the neutral answers.
    std::vector<int32_t> kinds{0, 17, 99};
    for (int32_t kind : AllKinds())
        if (!ElementKindTable::HasModel(kind))
            kinds.push_back(kind);
    for (int32_t kind : kinds) {
        CObjElement element(kind);
        ExpectNeutral(element);
    }
}

TEST(ObjElementNeutral, UnknownKindsAnswerNothing) {
    for (int32_t kind : {0, 99, -1, 17, 201}) {
        CObjElement element(kind);
        ExpectNeutral(element);
    }
    CObjElement loaded;
    ExpectNeutral(loaded);
}

TEST(ObjElementNeutral, KindsOutsideARowGiveItsNeutralResult) {
    CEleDocSettings settings;
    fw::CRecordingDC dc;
    // Percent impedance: none of a motor, load or capacitor (kinds 12-14).
    for (int32_t kind : {kKindMotor, kKindLoad, kKindCapacitor}) {
        CObjElement element(kind);
        element.SetVoltage(400);
        CPercentZ z = element.DoCalcPercentZ(settings);
        EXPECT_EQ(z.m_dR, 0.0) << kind;
        EXPECT_EQ(z.m_dX, 0.0) << kind;
        EXPECT_TRUE(element.DoRotate(&dc, 1).IsRectNull()) << kind;
        EXPECT_EQ(element.IsRotatable(), 0) << kind;
        EXPECT_EQ(element.GetHorizontal(), 0) << kind;
        EXPECT_EQ(element.DoSetPoles(3), 3) << kind;
    }
    // A voltage of 0 is refused and comes back.
    CObjElement load(kKindLoad);
    load.SetVoltage(400);
    EXPECT_EQ(load.SetVoltage(0), 0);
    EXPECT_EQ(load.GetVoltage(), 400);
    // The text box: selection and geometry answer, electrical values do not.
    CObjElement text(kKindText);
    text.DoSelect(0, 1, 0);
    EXPECT_EQ(text.IsSelected(0), 1);
    EXPECT_EQ(text.GetSelect(), 0); // GetSelect is for kinds 1 to 16
    EXPECT_EQ(text.GetVoltage(), 0);
    EXPECT_EQ(text.GetNumber(), 0u);
}

TEST(ObjElementNeutral, ASourceHasNoReportObjectButAModel) {
    CObjElement source(kKindSource);
    EXPECT_NE(source.GetElement(), nullptr);
    EXPECT_EQ(source.GetElementObject(), nullptr);
}

TEST(ObjElementTerminals, ByKindAndOrientation) {
    struct Terminals {
        int32_t kind;
        int32_t up, down, side;
    };
    for (Terminals t :
         {Terminals{kKindHVCB, 1, 1, 0}, Terminals{kKindThermal, 1, 1, 0},
          Terminals{kKindTrans3, 1, 1, 0}, Terminals{kKindContactor, 1, 1, 0},
          Terminals{kKindTrans1, 1, 1, 0}, Terminals{kKindSource, 0, 1, 0},
          Terminals{kKindGenerator, 0, 1, 0}, Terminals{kKindMotorEff, 1, 0, 0},
          Terminals{kKindMotor, 1, 0, 0}, Terminals{kKindLoad, 1, 0, 0},
          Terminals{kKindCapacitor, 1, 0, 0}, Terminals{kKindZeroCond, 1, 1, 1},
          Terminals{kKindBusBar, 1, 1, 0}, Terminals{kKindText, 0, 0, 0}, Terminals{99, 0, 0, 0}}) {
        CObjElement element(t.kind);
        EXPECT_EQ(element.HasUpperTerminal(), t.up) << t.kind;
        EXPECT_EQ(element.HasLowerTerminal(), t.down) << t.kind;
        EXPECT_EQ(element.HasSideTerminal(), t.side) << t.kind;
    }
    CObjElement busBar(kKindBusBar);
    static_cast<CEleBusBar*>(busBar.GetElement())->m_nHorizontal = 2;
    EXPECT_EQ(busBar.HasUpperTerminal(), 0);
    EXPECT_EQ(busBar.HasLowerTerminal(), 0);
    EXPECT_EQ(busBar.HasSideTerminal(), 1);
    EXPECT_EQ(busBar.IsHorizontal(), 1);
    EXPECT_EQ(busBar.GetHorizontal(), 2);
}

TEST(ObjElementSelection, SetSelectOfAnElementClearsItsPlacementUnlessOne) {
    CObjElement load(kKindLoad);
    load.DoSelect(100, 1, 0);
    load.SetSelect(1);
    EXPECT_EQ(load.IsSelected(100), 1);
    EXPECT_NE(load.GetOnlyRefV1(), nullptr);
    load.SetSelect(0);
    EXPECT_EQ(load.GetSelect(), 0);
    EXPECT_EQ(load.IsSelected(100), 0);
    EXPECT_EQ(load.GetOnlyRefV1(), nullptr);
}

TEST(ObjElementSelection, AHitIsTestedInLogicalUnits) {
    CObjElement load(kKindLoad);
    fw::CRect at(401, 201, 440, 240);
    load.SetSymbolRect(nullptr, &at);
    fw::CRecordingDC dc;
    dc.SetWindowOrg(400, 200); // the view scrolled: device (10, 10) is logical (410, 210)
    EXPECT_EQ(load.IsHittedSymbol(&dc, fw::CPoint(10, 10), 0), 1);
    EXPECT_EQ(load.IsHittedSymbol(&dc, fw::CPoint(410, 210), 0), 0);
}

} // namespace
