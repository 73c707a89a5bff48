// The records of the generator, motor effect, motor, general load,
// capacitor and text box against hand-written fixtures (see
// fixtures/README.md): a model built field by field stores exactly the
// fixture's bytes, the fixture loads into those fields and stores back byte
// for byte, and the records of older file versions load with the defaults
// of the fields they lack.

#include "app/elements/supply/CEleCapacitor.h"
#include "app/elements/supply/CEleGenerator.h"
#include "app/elements/supply/CEleLoad.h"
#include "app/elements/supply/CEleMotor.h"
#include "app/elements/supply/CEleMotorEff.h"
#include "app/elements/supply/CEleText.h"

#include "tests/app/elements/supply/MachineTestSupport.h"
#include "tests/common/HexFixture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

using machinetest::Load;
using machinetest::Store;
using tvtest::ReadHexFixture;

namespace {

const char* const kDir = "app/elements/supply/fixtures/";

std::vector<uint8_t> Fixture(const char* name) {
    return ReadHexFixture(std::string(kDir) + name);
}

CEleGenerator FixtureGenerator() {
    CEleGenerator g;
    g.m_strName = "G1";
    g.m_nNumber = 1;
    g.m_nDefaultsSet = 1;
    g.m_nVoltage = 400;
    g.m_nEarthing = 1;
    g.m_dCapacity = 500.0;
    g.m_dTransientReactance = 22.0;
    g.m_dSubReactance = 13.0;
    g.m_dDcConstant = 0.025;
    g.m_dSubConstant = 0.014;
    g.m_nCalcPoint = 1;
    g.m_calcPoint.m_crMark = 0xFF;
    g.m_calcPoint.m_nMarkWidth = 10;
    g.m_calcPoint.m_dBaseCapacity = 1000.0;
    g.m_nWireSystem = 3;
    g.m_nErrorMark = 1;
    return g;
}

CEleMotorEff FixtureMotorEff() {
    CEleMotorEff m;
    m.m_rectSymbol = fw::CRect(120, 200, 159, 279);
    m.m_strName = "ME2";
    m.m_nNumber = 2;
    m.m_nSelected = 1;
    m.m_nDefaultsSet = 1;
    m.m_nVoltage = 400;
    m.m_dCapacity = 800.0;
    m.m_dSubReactance = 20.0;
    m.m_dRotorResistance = 1.6;
    m.m_dStatorResistance = 1.3;
    m.m_nEarthing = 3;
    m.m_nWireSystem = 2;
    m.m_nErrorMark = 1;
    return m;
}

CEleMotor FixtureMotor() {
    CEleMotor m;
    m.m_rectSymbol = fw::CRect(40, 400, 79, 439);
    m.m_nPenWidth = 2;
    m.m_nPenStyle = 1;
    m.m_crFill = 0xFF00FF;
    m.m_crPen = 0x000080;
    m.m_strName = "M7";
    m.m_nNumber = 7;
    m.m_nDefaultsSet = 1;
    m.m_nVoltage = 200;
    m.m_dCapacity = 7.5;
    m.m_dPowerFactor = 0.84;
    m.m_nLeading = 1;
    m.m_dStartingCurrent = 7.0;
    m.m_dStartingTime = 5.0;
    m.m_dInrushCurrent = 11.9;
    m.m_nCurveSelected = 1;
    m.m_infoLine.m_crColor = 0x00FF00;
    m.m_infoLine.m_nLineKind = 2;
    m.m_infoLine.m_nWidth = 20;
    m.m_nEarthing = 1;
    m.m_nWireSystem = 3;
    m.m_nErrorMark = 1;
    m.m_nSinglePhase = 1;
    return m;
}

CEleLoad FixtureLoad() {
    CEleLoad l;
    l.m_strName = "L3";
    l.m_nNumber = 3;
    l.m_nDefaultsSet = 1;
    l.m_nVoltage = 400;
    l.m_dLoadCurrent = 45.0;
    l.m_dPowerFactor = 0.85;
    l.m_dStartingCurrent = 1.5;
    l.m_dStartingTime = 3.0;
    l.m_nEarthing = 5;
    l.m_nWireSystem = 1;
    l.m_nErrorMark = 1;
    l.m_nSinglePhase = 1;
    return l;
}

CEleCapacitor FixtureCapacitor() {
    CEleCapacitor c;
    c.m_strName = "C1";
    c.m_nNumber = 1;
    c.m_nDefaultsSet = 1;
    c.m_nVoltage = 400;
    c.m_dCapacity = 100.0;
    c.m_dUpstreamResistance = 2.3;
    c.m_dUpstreamReactance = 11.7;
    c.m_dReactor = 6.0;
    c.m_dPowerFactor = 0.9;
    c.m_nLeading = 1;
    c.m_infoLine.m_crColor = 0xFF;
    c.m_nEarthing = 2;
    c.m_nWireSystem = 2;
    c.m_nErrorMark = 1;
    return c;
}

CEleText FixtureText() {
    CEleText t;
    t.m_crPen = 0xFF0000;
    t.m_rectSymbol = fw::CRect(80, 40, 159, 79);
    t.m_strName = "Text4";
    t.m_nNumber = 4;
    t.m_nDefaultsSet = 1;
    t.m_strText = "Line one\r\nLine 2";
    t.m_logFont.lfHeight = 20;
    t.m_logFont.lfWeight = 700;
    t.m_logFont.lfItalic = 1;
    t.m_logFont.lfOutPrecision = 4;
    t.m_logFont.lfQuality = 2;
    t.m_logFont.lfPitchAndFamily = 2;
    const char face[32] = {'A', 'r', 'i', 'a', 'l', 0, 'X', 'Y', 'Z'};
    std::memcpy(t.m_logFont.lfFaceName, face, sizeof face);
    return t;
}

// Stores the model built by hand, compares with the fixture, loads the
// fixture and stores it back.
template <class Model> void ExpectRoundTrip(Model built, const char* fixture) {
    SCOPED_TRACE(fixture);
    const std::vector<uint8_t> bytes = Fixture(fixture);
    EXPECT_EQ(bytes, Store(built));
    Model loaded = Load<Model>(bytes, 1.2);
    EXPECT_EQ(bytes, Store(loaded));
}

} // namespace

TEST(MachineRecords, StoredAsTheFixturesOfTheCurrentVersion) {
    ExpectRoundTrip(FixtureGenerator(), "generator_v120.hex");
    ExpectRoundTrip(FixtureMotorEff(), "motoreff_v120.hex");
    ExpectRoundTrip(FixtureMotor(), "motor_v120.hex");
    ExpectRoundTrip(FixtureLoad(), "load_v120.hex");
    ExpectRoundTrip(FixtureCapacitor(), "capacitor_v120.hex");
    ExpectRoundTrip(FixtureText(), "text_face_after_zero.hex");
}

TEST(MachineRecords, GeneratorFieldsReadBack) {
    CEleGenerator g = Load<CEleGenerator>(Fixture("generator_v120.hex"), 1.2);
    EXPECT_EQ(fw::CRect(0, 0, 39, 79), g.m_rectSymbol);
    EXPECT_EQ("G1", g.m_strName);
    EXPECT_EQ(400, g.m_nVoltage);
    EXPECT_EQ(1u, g.m_nEarthing);
    EXPECT_EQ(500.0, g.m_dCapacity);
    EXPECT_EQ(22.0, g.m_dTransientReactance);
    EXPECT_EQ(13.0, g.m_dSubReactance);
    EXPECT_EQ(0.025, g.m_dDcConstant);
    EXPECT_EQ(0.014, g.m_dSubConstant);
    EXPECT_EQ(1u, g.m_nCalcPoint);
    EXPECT_EQ(1000.0, g.m_calcPoint.m_dBaseCapacity);
    EXPECT_EQ(3u, g.m_nWireSystem);
    EXPECT_EQ(1u, g.m_nErrorMark);
}

// A 1.0 file has the earthing code in the generator's body but neither
// wire system nor error mark: wire system 1 and error mark 0.
TEST(MachineRecords, GeneratorOfVersionOneZero) {
    CEleGenerator g = Load<CEleGenerator>(Fixture("generator_v100.hex"), 1.0);
    EXPECT_EQ(1u, g.m_nEarthing);
    EXPECT_EQ(1u, g.m_nWireSystem);
    EXPECT_EQ(0u, g.m_nErrorMark);
    EXPECT_EQ(0.014, g.m_dSubConstant);
    EXPECT_EQ(1000.0, g.m_calcPoint.m_dBaseCapacity);
    // Stored again it has the current layout: the 1.2 fixture but for the
    // wire system and the error mark.
    CEleGenerator expected = FixtureGenerator();
    expected.m_nWireSystem = 1;
    expected.m_nErrorMark = 0;
    EXPECT_EQ(Store(expected), Store(g));
}

TEST(MachineRecords, MotorEffectOfOlderVersions) {
    CEleMotorEff v110 = Load<CEleMotorEff>(Fixture("motoreff_v110.hex"), 1.1);
    EXPECT_EQ(3u, v110.m_nEarthing);
    EXPECT_EQ(2u, v110.m_nWireSystem);
    EXPECT_EQ(0u, v110.m_nErrorMark);
    EXPECT_EQ(1.3, v110.m_dStatorResistance);

    CEleMotorEff v100 = Load<CEleMotorEff>(Fixture("motoreff_v100.hex"), 1.0);
    EXPECT_EQ(4u, v100.m_nEarthing);
    EXPECT_EQ(1u, v100.m_nWireSystem);
    EXPECT_EQ(0u, v100.m_nErrorMark);
    EXPECT_EQ("ME2", v100.m_strName);
    EXPECT_EQ(fw::CRect(120, 200, 159, 279), v100.m_rectSymbol);
    EXPECT_EQ(800.0, v100.m_dCapacity);
}

TEST(MachineRecords, MotorOfOlderVersions) {
    CEleMotor v115 = Load<CEleMotor>(Fixture("motor_v115.hex"), 1.15);
    EXPECT_EQ(1u, v115.m_nErrorMark);
    EXPECT_EQ(0u, v115.m_nSinglePhase);
    EXPECT_EQ(3u, v115.m_nWireSystem);

    CEleMotor v110 = Load<CEleMotor>(Fixture("motor_v110.hex"), 1.1);
    EXPECT_EQ(1u, v110.m_nEarthing);
    EXPECT_EQ(3u, v110.m_nWireSystem);
    EXPECT_EQ(0u, v110.m_nErrorMark);
    EXPECT_EQ(0u, v110.m_nSinglePhase);
    EXPECT_EQ(2, v110.m_infoLine.m_nLineKind);
    EXPECT_EQ(20, v110.m_infoLine.m_nWidth);
    EXPECT_EQ(1u, v110.m_nCurveSelected);
    EXPECT_EQ(0xFF00FFu, v110.m_crFill);
    EXPECT_EQ(0x80u, v110.m_crPen);
}

TEST(MachineRecords, LoadAndCapacitorOfOlderVersions) {
    CEleLoad load115 = Load<CEleLoad>(Fixture("load_v115.hex"), 1.15);
    EXPECT_EQ(5u, load115.m_nEarthing);
    EXPECT_EQ(1u, load115.m_nErrorMark);
    EXPECT_EQ(0u, load115.m_nSinglePhase);

    CEleLoad load100 = Load<CEleLoad>(Fixture("load_v100.hex"), 1.0);
    EXPECT_EQ(4u, load100.m_nEarthing);
    EXPECT_EQ(1u, load100.m_nWireSystem);
    EXPECT_EQ(0u, load100.m_nErrorMark);
    EXPECT_EQ(0u, load100.m_nSinglePhase);
    EXPECT_EQ(45.0, load100.m_dLoadCurrent);

    CEleCapacitor cap100 = Load<CEleCapacitor>(Fixture("capacitor_v100.hex"), 1.0);
    EXPECT_EQ(4u, cap100.m_nEarthing);
    EXPECT_EQ(1u, cap100.m_nWireSystem);
    EXPECT_EQ(0u, cap100.m_nErrorMark);
    EXPECT_EQ(11.7, cap100.m_dUpstreamReactance);
    EXPECT_EQ(0xFF, cap100.m_infoLine.m_crColor);
}

// The text box's record is the same in every version: a 1.0 file reads it
// as a 1.2 file does, face name bytes after the zero included.
TEST(MachineRecords, TextBoxKeepsItsFaceFieldByteForByte) {
    const std::vector<uint8_t> bytes = Fixture("text_face_after_zero.hex");
    CEleText t = Load<CEleText>(bytes, 1.0);
    EXPECT_EQ("Line one\r\nLine 2", t.m_strText);
    EXPECT_EQ(700, t.m_logFont.lfWeight);
    EXPECT_EQ("Arial", t.m_logFont.GetFaceName());
    EXPECT_EQ('X', t.m_logFont.lfFaceName[6]);
    EXPECT_EQ(bytes, Store(t));
}

// A face name of 32 letters without its zero (a damaged file) is kept as
// read, and used only up to the 31st letter: the font made from it never
// reads past its field.
TEST(MachineRecords, UnterminatedFaceNameIsCutBeforeUse) {
    const std::vector<uint8_t> bytes = Fixture("text_face_unterminated.hex");
    CEleText t = Load<CEleText>(bytes, 1.2);
    EXPECT_EQ(bytes, Store(t));
    fw::LOGFONT usable = t.GetUsableFont();
    EXPECT_EQ('\0', usable.lfFaceName[31]);
    EXPECT_EQ(std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZabcde"), std::string(usable.lfFaceName));
    EXPECT_EQ('f', t.m_logFont.lfFaceName[31]) << "the stored field stays as read";
}

// Every record cut short anywhere raises the archive's error instead of
// reading past its end.
TEST(MachineRecords, TruncatedRecordsRaiseTheArchiveError) {
    struct Case {
        const char* fixture;
        std::function<void(fw::CArchive&)> load;
    };
    std::vector<Case> cases = {
        {"generator_v120.hex", [](fw::CArchive& ar) { CEleGenerator().Serialize(ar); }},
        {"motoreff_v120.hex", [](fw::CArchive& ar) { CEleMotorEff().Serialize(ar); }},
        {"motor_v120.hex", [](fw::CArchive& ar) { CEleMotor().Serialize(ar); }},
        {"load_v120.hex", [](fw::CArchive& ar) { CEleLoad().Serialize(ar); }},
        {"capacitor_v120.hex", [](fw::CArchive& ar) { CEleCapacitor().Serialize(ar); }},
        {"text_face_after_zero.hex", [](fw::CArchive& ar) { CEleText().Serialize(ar); }},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> bytes = Fixture(c.fixture);
        for (size_t cut : {size_t{0}, size_t{10}, bytes.size() / 2, bytes.size() - 1}) {
            std::vector<uint8_t> part(bytes.begin(), bytes.begin() + static_cast<long>(cut));
            fw::CArchive ar = fw::CArchive::ForLoading(part);
            ar.SetReadVersion(1.2);
            EXPECT_THROW(c.load(ar), fw::CArchiveException) << c.fixture << " cut at " << cut;
        }
    }
}
