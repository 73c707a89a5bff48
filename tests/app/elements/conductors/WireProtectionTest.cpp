// The wire's protection against short circuit: k by material, insulation and
// core kind, the minimum size sqrt(E) / k of each conductor group, and the
// two checks with what they record in the wire. The breaker is a stand-in
// that lets through given energies, so each group's energy is known.

#include "app/elements/conductors/CEleWire.h"
#include "framework/MessageBox.h"
#include "framework/StringTable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Lets through the same energy in every fault, or its I2t value.
class FixedLetThrough : public CLetThroughSource {
public:
    double GetLetThroughEnergy(double, int32_t kind, int32_t useCurve, double) const override {
        if (kind == 1 && useCurve == 1)
            return i2t;
        return kind >= 1 && kind <= 3 ? energy[kind - 1] : 0.0;
    }
    double GetLetThroughI2t() const override { return i2t; }
    double energy[3] = {0.0, 0.0, 0.0};
    double i2t = 0.0;
};

// Copper, PVC, multi-core, 3 phases + N + PE of 16 mm2 each.
CEleWire Wire16() {
    CEleWire w;
    w.m_basic.m_nMaterial = 1;
    w.m_basic.m_nInsulation = 1;
    w.m_basic.m_nCoreKind = 2;
    w.m_basic.m_nWireSystem = 3;
    w.m_phase3.m_dCoreSize = 16.0;
    w.m_phaseN.m_dCoreSize = 16.0;
    w.m_phasePE.m_dCoreSize = 16.0;
    w.m_dDuration[0] = w.m_dDuration[1] = w.m_dDuration[2] = 1.0;
    return w;
}

// What the checks would have shown.
class Messages {
public:
    Messages() {
        m_previous = fw::SetMessageSink([this](const fw::MessageRequest& r) {
            shown.push_back(r.text);
            return fw::mb::IdOk;
        });
    }
    ~Messages() { fw::SetMessageSink(m_previous); }
    std::vector<std::string> shown;

private:
    fw::MessageSink m_previous;
};

TEST(WireProtection, CoefficientKByMaterialInsulationAndCoreKind) {
    struct Case {
        uint32_t material, insulation, core, group;
        double k;
    };
    const Case cases[] = {
        {1, 1, 2, 1, 115}, {2, 1, 2, 1, 74},  {1, 2, 2, 1, 135}, {2, 2, 1, 2, 87},
        {1, 1, 1, 3, 143}, {2, 1, 1, 3, 95},  {1, 1, 2, 3, 115}, {2, 1, 2, 3, 76},
        {1, 2, 1, 3, 176}, {2, 2, 1, 3, 116}, {1, 2, 2, 3, 143}, {2, 2, 2, 3, 93},
        {1, 1, 2, 0, 0},   {3, 1, 2, 1, 0},   {1, 3, 2, 1, 0},   {1, 1, 3, 3, 0},
    };
    for (const Case& c : cases) {
        CEleWire w;
        w.m_basic.m_nMaterial = c.material;
        w.m_basic.m_nInsulation = c.insulation;
        w.m_basic.m_nCoreKind = c.core;
        EXPECT_EQ(w.GetCoefficientK(c.group), c.k)
            << c.material << " " << c.insulation << " " << c.core << " " << c.group;
    }
}

// 16 mm2 of PVC copper withstands (16 x 115)^2 = 3 385 600 A2s.
TEST(WireProtection, MinimumSizeOfEachGroup) {
    CEleWire w = Wire16();
    EXPECT_EQ(w.IsOkMinSize(1, 3385600.0), 1);
    EXPECT_EQ(w.IsOkMinSize(1, 3385601.0), 0);
    // The PE core of a multi-core cable: k 115; separate single-core: 143.
    EXPECT_EQ(w.IsOkMinSize(3, 3385600.0), 1);
    w.m_basic.m_nCoreKind = 1;
    EXPECT_EQ(w.IsOkMinSize(3, 16.0 * 143 * 16.0 * 143), 1);
    EXPECT_EQ(w.IsOkMinSize(3, 16.0 * 143 * 16.0 * 143 + 1.0), 0);
    // No energy shows nothing: not good.
    EXPECT_EQ(w.IsOkMinSize(1, 0.0), 0);
    // A wire without N or PE has nothing to check there, whatever the
    // energy.
    w.m_basic.m_nWireSystem = 1;
    EXPECT_EQ(w.IsOkMinSize(2, 0.0), 1);
    EXPECT_EQ(w.IsOkMinSize(3, -1.0), 1);
    w.m_basic.m_nWireSystem = 2;
    EXPECT_EQ(w.IsOkMinSize(2, 1e12), 0);
    EXPECT_EQ(w.IsOkMinSize(3, 0.0), 1);
    // Without k (an insulation outside the table) no size withstands.
    w.m_basic.m_nInsulation = 7;
    EXPECT_EQ(w.IsOkMinSize(1, 1.0), 0);
}

TEST(WireProtection, EnergyCheckNamesTheFirstFailingGroup) {
    Messages messages;
    FixedLetThrough cb;
    cb.energy[0] = cb.energy[1] = cb.energy[2] = 1.0e6;
    cb.i2t = 1.0e6;
    CEleWire w = Wire16();
    EXPECT_EQ(w.DoCheckProtectByEnergy(50.0, cb, 0, 1), 0u);
    EXPECT_EQ(w.m_nCheckDone, 1u);
    EXPECT_EQ(w.m_nCheckMode, 1u);
    EXPECT_EQ(w.GetErrorMark(), 0u);
    cb.energy[2] = 4.0e6; // above 3 385 600
    EXPECT_EQ(w.DoCheckProtectByEnergy(50.0, cb, 0, 1), 3u);
    EXPECT_EQ(w.m_nFailingGroup, 3u);
    EXPECT_EQ(w.GetErrorMark(), 1u);
    // By I2t calculation: the same groups, mode 0.
    w.SetErrorMark(0);
    EXPECT_EQ(w.DoCheckProtectByI2t(50.0, cb, 0), 3u);
    EXPECT_EQ(w.m_nCheckMode, 0u);
    cb.energy[1] = 4.0e6;
    EXPECT_EQ(w.DoCheckProtectByI2t(50.0, cb, 0), 2u);
    EXPECT_TRUE(messages.shown.empty());
    // The breaker has no I2t curve, or the fault lies outside it: the phases
    // fail and the user is told why.
    cb.i2t = -1.0;
    EXPECT_EQ(w.DoCheckProtectByEnergy(50.0, cb, 0, 1), 1u);
    cb.i2t = 0.0;
    EXPECT_EQ(w.DoCheckProtectByEnergy(50.0, cb, 0, 1), 1u);
    EXPECT_EQ(w.DoCheckProtectByEnergy(50.0, cb, 0, 0), 1u);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0], "The I2t curve is not found in the data.");
    EXPECT_EQ(messages.shown[1], "This combination is out of the I2t curve.");
    EXPECT_EQ(w.GetTextLetThrough(50.0, cb, 1, 1), fw::LoadString(26767));
    cb.i2t = -1.0;
    EXPECT_EQ(w.GetTextLetThrough(50.0, cb, 1, 1), "The I2t curve\r\nis not found\r\nin the data.");
}

// With the wire's own currents and the energy mode, the phases take the
// breaker's I2t value and N and PE the wire's own fault currents, which a
// wire without a calculation has none of.
TEST(WireProtection, OwnCurrentsAtTheWireEnd) {
    FixedLetThrough cb;
    cb.i2t = 1.0e6;
    cb.energy[1] = cb.energy[2] = 1.0e6;
    CEleWire w = Wire16();
    EXPECT_EQ(w.DoCheckProtectByEnergy(50.0, cb, 1, 0), 2u);
    EXPECT_EQ(w.m_nEnergySource, 1u);
    EXPECT_EQ(w.GetGroupEnergy(50.0, cb, 1), 1.0e6);
    EXPECT_EQ(w.GetGroupEnergy(50.0, cb, 2), 0.0);
}

TEST(WireProtection, ReportTexts) {
    FixedLetThrough cb;
    cb.energy[0] = 3385600.0;
    CEleWire w = Wire16();
    EXPECT_EQ(w.GetTextCoefficientK(1), "115");
    // One cycle at 50 Hz is 0.02 s, shown with two significant digits.
    EXPECT_EQ(w.GetTextDuration(1, 50.0, 1), "0.020s");
    EXPECT_EQ(w.GetTextDuration(4, 50.0, 1), "");
    EXPECT_EQ(w.GetTextLetThrough(50.0, cb, 1, 1), "3.39MA^2s");
    EXPECT_EQ(w.GetTextMinSize(50.0, cb, 1, 0), "16.00");
    EXPECT_EQ(w.GetTextProtectResult(50.0, cb, 1), "Good");
    EXPECT_EQ(w.GetTextMinSize(50.0, cb, 2, 0), "-");
    EXPECT_EQ(w.GetTextProtectResult(50.0, cb, 2), "Not good");
}

} // namespace
