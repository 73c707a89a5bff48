// The sample projects of examples/ open as the document opens a file (the
// "Contents" stream of the compound file through the project's archive) and
// hold what they are meant to show: a change of the file's layout that they
// no longer follow fails here. examples/make_examples.cpp wrote them; what is
// expected below is the installation it draws, not what it stored.

#include "app/elements/conductors/CEleBusBar.h"
#include "app/elements/conductors/CEleWire.h"
#include "app/elements/protection/CEleHVCB.h"
#include "app/elements/protection/CEleLVCB.h"
#include "app/elements/supply/CEleLoad.h"
#include "app/elements/supply/CEleMotor.h"
#include "app/elements/supply/CEleSource.h"
#include "app/elements/supply/CEleTrans3.h"
#include "app/records/ElementKinds.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjElementList.h"
#include "app/shell/model/CObjGroup.h"
#include "app/shell/model/CTovarineDocData.h"
#include "framework/Archive.h"
#include "framework/CompoundFile.h"
#include "tests/app/elements/protection/ProtectionTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <deque>
#include <set>
#include <string>
#include <vector>

namespace {

// Loads a sample; false (with a failure) when it cannot be opened.
bool Open(CTovarineDocData& doc, const std::string& name) {
    const std::string path = std::string(TV_SOURCE_DIR) + "/examples/" + name;
    try {
        fw::CCompoundFile file = fw::CCompoundFile::Load(path);
        const std::vector<uint8_t>* contents = file.FindStream("Contents");
        if (!contents) {
            ADD_FAILURE() << path << " has no \"Contents\" stream";
            return false;
        }
        fw::CArchive ar = fw::CArchive::ForLoading(*contents);
        doc.Serialize(ar);
        EXPECT_EQ(ar.Remaining(), 0u) << path;
        return ar.Remaining() == 0;
    } catch (const std::exception& e) {
        ADD_FAILURE() << path << ": " << e.what();
        return false;
    }
}

std::vector<CObjElement*> Elements(const CTovarineDocData& doc) {
    CObjElementList list;
    doc.CollectElements(list);
    return {list.begin(), list.end()};
}

CObjElement* OnlyOfKind(const std::vector<CObjElement*>& all, int32_t kind) {
    CObjElement* found = nullptr;
    for (CObjElement* e : all) {
        if (e->GetKind() == kind) {
            EXPECT_EQ(found, nullptr) << "more than one element of kind " << kind;
            found = e;
        }
    }
    return found;
}

// Every element reached from the start through touching terminals, in any
// direction, each found on a fresh copy of the whole diagram.
std::set<CObjElement*> Reached(const std::vector<CObjElement*>& all, CObjElement* start) {
    CObjElementList diagram;
    for (CObjElement* e : all)
        diagram.AddTail(e);
    std::set<CObjElement*> seen{start};
    std::deque<CObjElement*> next{start};
    while (!next.empty()) {
        CObjElement* e = next.front();
        next.pop_front();
        for (int32_t direction : {kDirUp, kDirRight, kDirDown, kDirLeft}) {
            CObjElementList scratch(diagram);
            while (CObjElement* n = scratch.FindNeighbour(e, direction, 1)) {
                if (seen.insert(n).second)
                    next.push_back(n);
            }
        }
    }
    return seen;
}

// What both samples share: a source above a three-phase transformer (with
// hvBreakers high-voltage breakers between them), then a bus-bar, a zero
// conductor and three feeders of a low-voltage breaker, a cable and a
// consumer (motor or load); all connected, the consumers fed by that source
// through that transformer at its secondary voltage.
void CheckInstallation(const CTovarineDocData& doc, int32_t motors, int32_t loads,
                       int32_t hvBreakers) {
    const std::vector<CObjElement*> all = Elements(doc);
    ASSERT_EQ(all.size(), 4u + 3u * 3u + static_cast<size_t>(hvBreakers));
    for (CObjElement* e : all)
        EXPECT_NE(e->GetElement(), nullptr) << "kind " << e->GetKind() << " has no model";
    auto count = [&all](int32_t kind) {
        return std::count_if(all.begin(), all.end(),
                             [kind](CObjElement* e) { return e->GetKind() == kind; });
    };
    EXPECT_EQ(count(kKindBusBar), 1);
    EXPECT_EQ(count(kKindZeroCond), 1);
    EXPECT_EQ(count(kKindWire), 3);
    EXPECT_EQ(count(kKindLVCB), 3);
    EXPECT_EQ(count(kKindHVCB), hvBreakers);
    EXPECT_EQ(count(kKindMotor), motors);
    EXPECT_EQ(count(kKindLoad), loads);
    CObjElement* source = OnlyOfKind(all, kKindSource);
    CObjElement* trans = OnlyOfKind(all, kKindTrans3);
    ASSERT_NE(source, nullptr);
    ASSERT_NE(trans, nullptr);

    EXPECT_EQ(Reached(all, source).size(), all.size()) << "parts of the circuit are not connected";

    // A medium-voltage network and a low-voltage secondary.
    EXPECT_GT(source->GetVoltage(1), 1000);
    EXPECT_EQ(trans->GetVoltage(0), source->GetVoltage(1));
    const int32_t secondary = trans->GetVoltage(1);
    EXPECT_GT(secondary, 0);
    EXPECT_LE(secondary, 1000);
    EXPECT_GT(trans->GetCapacity(), 0.0);
    for (CObjElement* e : all) {
        if (e->GetKind() != kKindMotor && e->GetKind() != kKindLoad)
            continue;
        SCOPED_TRACE(e->GetName());
        CObjElementList a;
        doc.CollectElements(a);
        EXPECT_EQ(a.FindSupply(e), source);
        CObjElementList b;
        doc.CollectElements(b);
        EXPECT_EQ(b.FindTransformer(e), trans);
        EXPECT_EQ(e->GetVoltage(0), secondary);
        EXPECT_EQ(e->GetEarthingSystem(), trans->GetEarthingSystem());
        EXPECT_EQ(e->GetWireSystem(), trans->GetWireSystem());
    }
    // Every element was numbered and named as placed.
    std::set<std::string> names;
    for (CObjElement* e : all) {
        EXPECT_GE(e->GetNumber(), 1u);
        EXPECT_FALSE(e->GetName().empty());
        names.insert(e->GetName());
    }
    EXPECT_EQ(names.size(), all.size()) << "two elements share a name";
    EXPECT_EQ(doc.GetCounter(kKindWire), 3);
}

int Depth(const CObjGroup& group) {
    int deepest = 0;
    for (const auto& child : group.GetChildren())
        deepest = std::max(deepest, Depth(*child));
    return deepest + 1;
}

TEST(ExampleProjects, SmallInstallationIsOneConnectedCircuit) {
    CTovarineDocData doc;
    ASSERT_TRUE(Open(doc, "small-installation.tv2"));
    CheckInstallation(doc, 2, 1, 1);
    // Every top-level group is a leaf: no groups in this sample.
    for (const auto& group : doc.m_listGroups)
        EXPECT_NE(group->GetElement(), nullptr);
    EXPECT_EQ(doc.m_nMode, 1);
}

TEST(ExampleProjects, GroupsAndSettingsShowsNestedGroupsAndItsOwnSettings) {
    CTovarineDocData doc;
    ASSERT_TRUE(Open(doc, "groups-and-settings.tv2"));
    CheckInstallation(doc, 2, 1, 0);
    // Each feeder is a named group, the two pump feeders a group of groups.
    int named = 0;
    int deepest = 0;
    for (const auto& group : doc.m_listGroups) {
        if (group->GetElement())
            continue;
        EXPECT_FALSE(group->m_strName.empty());
        ++named;
        deepest = std::max(deepest, Depth(*group));
    }
    EXPECT_EQ(named, 2);
    EXPECT_EQ(deepest, 3);
    // Settings a new project does not have.
    const CTovarineDocData fresh;
    EXPECT_FALSE(doc.m_infoProject.m_strCustomer.empty());
    EXPECT_FALSE(doc.m_infoProject.m_strEngineer.empty());
    EXPECT_EQ(doc.m_infoSkeleton.m_nFrequency, 60);
    EXPECT_EQ(doc.m_infoSkeleton.m_dCapacity, 10000.0);
    EXPECT_NE(doc.m_infoSkeleton.m_nFrameCountX, fresh.m_infoSkeleton.m_nFrameCountX);
    EXPECT_NE(doc.m_infoSkeleton.m_crBack, fresh.m_infoSkeleton.m_crBack);
    EXPECT_NE(doc.m_infoSkeleton.m_nPaperSize, fresh.m_infoSkeleton.m_nPaperSize);
    EXPECT_NE(doc.m_infoReport.m_nZoom, fresh.m_infoReport.m_nZoom);
    EXPECT_NE(doc.m_infoImpeMap.m_nZoom, fresh.m_infoImpeMap.m_nZoom);
    // A TN-S network: three phases, neutral and protective earth.
    CObjElement* trans = OnlyOfKind(Elements(doc), kKindTrans3);
    ASSERT_NE(trans, nullptr);
    EXPECT_EQ(trans->GetEarthingSystem(), 1u);
    EXPECT_EQ(trans->GetWireSystem(), 3u);
}

// The fault current of a label's I"k3 line, in kA; -1 when the label has
// no such line.
double LabelIk3(const std::string& label) {
    const std::string caption = "I\"k3";
    size_t at = 0;
    while ((at = label.find(caption, at)) != std::string::npos) {
        if (at == 0 || label[at - 1] == '\n') {
            const size_t equals = label.find('=', at);
            if (equals != std::string::npos && label.find("kA", equals) != std::string::npos)
                return std::strtod(label.c_str() + equals + 1, nullptr);
        }
        at += caption.size();
    }
    return -1.0;
}

// Equal to the label's five significant digits.
void ExpectShown(double shown, double byHand, const std::string& what) {
    const double unit = std::pow(10.0, std::floor(std::log10(byHand)) - 4);
    EXPECT_NEAR(shown, byHand, 0.5 * unit + 1e-9) << what;
}

// The small installation as a new user meets it: Check skeleton and
// Calculation pass, and the labels of the calculation points (transformer
// secondary, bus-bar, the end of each cable) show the three-phase fault
// currents worked out by hand below from the sample's data, by the
// percent-impedance method on the base capacity P = 1000 kVA at V = 400 V.
//
// Every element's term (%R, %X on P):
//   source, 500 MVA, X/R 25: %Z = P*1000*100/(500e6) = 0.2;
//     %R = 0.2/sqrt(25^2 + 1) = 0.0079936, %X = 25 %R = 0.1998402.
//   transformer 630 kVA, the table's row: %R 1.032, %X 3.865 on its own
//     capacity (%Z = 4.000, X/R = 3.7452); on P: x 1000/630:
//     %R = 1.6380952, %X = 6.1349206.
//   bus-bar, Cu 100x10x1, a = 200 mm, 6 m, ambient 35 degC, the table's
//     ks 1.08 and dm 10 mm:
//     R/m = 1.08*1000/56/1000 * (1 + 0.00393*15) = 0.0204226 mohm/m;
//     X/m = (0.4605 log10(200/110/0.2235) + 0.04615) * 2 pi 50/1000
//         = (0.4605*0.9103598 + 0.04615) * 0.3141593 = 0.1462005 mohm/m;
//     % = value * P * L / V^2 * 100 = value * 3.75:
//     %R = 0.0765848, %X = 0.5482519.
//   cables, Cu, PVC, multi-core, method E, ambient 30 degC, one core per
//     phase: R/m = 17.241/S * (1 + 0.00393*10); r = sqrt(c S/pi) with the
//     table's c and insulation t = 1 mm, d = 2r, D = 2(r + t);
//     X/m = (0.05 + 0.4605 log10(D/r)) * 2 pi 50/1000; % = value*P*L/V^2*100.
//     W1 10 mm2, 35 m (c 1.2882): R/m 1.7918571, r 2.0249612, D/r 2.9876732,
//        X/m 0.0844746; x 21.875: %R 39.196875, %X 1.8478811.
//     W2 16 mm2, 50 m (c 1.2768): R/m 1.1199107, r 2.5500371, D/r 2.7843023,
//        X/m 0.0800452; x 31.25: %R 34.997210, %X 2.5014136.
//     W3 4 mm2, 20 m (c 1.2768): R/m 4.4796428, r 1.2750185, D/r 3.5686047,
//        X/m 0.0956381; x 12.5: %R 55.995535, %X 1.1954763.
// The network is radial and has no rotating machines: each point sees the
// series sum from the source down, and I"k3 = P*1000*100/(sqrt(3) V |%Z|)
// = 144 337.57/|%Z| A.
//   transformer secondary: 1.6460888 + j6.3347608, |%Z| 6.5451358: 22.0526 kA
//   bus-bar end:           1.7226736 + j6.8830127, |%Z| 7.0953132: 20.3427 kA
//   W1 end:  40.919548 + j8.730894,  |%Z| 41.840626: 3.44970 kA
//   W2 end:  36.719883 + j9.384426,  |%Z| 37.900096: 3.80837 kA
//   W3 end:  57.718209 + j8.078489,  |%Z| 58.280817: 2.47659 kA
TEST(ExampleProjects, SmallInstallationShowsTheFaultCurrentsWorkedByHand) {
    CTovarineDocData doc;
    ASSERT_TRUE(Open(doc, "small-installation.tv2"));
    const std::vector<CObjElement*> all = Elements(doc);
    // The data the derivation above starts from.
    EXPECT_EQ(doc.m_infoSkeleton.m_dCapacity, 1000.0);
    EXPECT_EQ(doc.m_infoSkeleton.m_nFrequency, 50);
    auto* source = static_cast<CEleSource*>(OnlyOfKind(all, kKindSource)->GetElement());
    EXPECT_EQ(source->m_nCapacity, 500);
    EXPECT_EQ(source->m_dXR, 25.0);
    CObjElement* transElement = OnlyOfKind(all, kKindTrans3);
    auto* trans = static_cast<CEleTrans3*>(transElement->GetElement());
    EXPECT_EQ(trans->m_dCapacity, 630.0);
    EXPECT_EQ(trans->m_nVoltage2, 400);
    EXPECT_NEAR(trans->m_dPercentZ, std::sqrt(1.032 * 1.032 + 3.865 * 3.865), 1e-12);
    EXPECT_NEAR(trans->m_dXR, 3.865 / 1.032, 1e-12);
    CObjElement* barElement = OnlyOfKind(all, kKindBusBar);
    auto* bar = static_cast<CEleBusBar*>(barElement->GetElement());
    EXPECT_EQ(bar->m_basic.m_dLength, 6.0);
    EXPECT_EQ(bar->m_basic.m_dAmbientTemp, 35.0);
    EXPECT_EQ(bar->m_phase3.m_nWidth * bar->m_phase3.m_nThickness * bar->m_phase3.m_nNumber, 1000);
    EXPECT_EQ(bar->m_phase3.m_nDistance, 200);
    struct Cable {
        double length, size, byHand;
    };
    const Cable cables[] = {{35.0, 10.0, 3.44970}, {50.0, 16.0, 3.80837}, {20.0, 4.0, 2.47659}};
    std::vector<CObjElement*> wires;
    for (CObjElement* e : all)
        if (e->GetKind() == kKindWire)
            wires.push_back(e);
    ASSERT_EQ(wires.size(), 3u);
    for (size_t i = 0; i < wires.size(); ++i) {
        auto* wire = static_cast<CEleWire*>(wires[i]->GetElement());
        EXPECT_EQ(wire->m_basic.m_dLength, cables[i].length) << i;
        EXPECT_EQ(wire->m_phase3.m_dCoreSize, cables[i].size) << i;
        EXPECT_EQ(wire->m_phase3.m_nCores, 1u) << i;
        EXPECT_EQ(wire->m_basic.m_dAmbientTemp, 30.0) << i;
        EXPECT_EQ(wire->m_basic.m_nMethod, 5u) << i;
        EXPECT_TRUE(wires[i]->IsCalcPoint()) << i;
    }
    EXPECT_TRUE(transElement->IsCalcPoint());
    EXPECT_TRUE(barElement->IsCalcPoint());
    // TT with three phases only: the labels show I"k3 and no earth-fault line.
    EXPECT_EQ(trans->m_nEarthing, 4u);

    // Before the calculation no label shows a current.
    EXPECT_EQ(LabelIk3(trans->DoGetTextLabelV1(doc.m_nMode)), -1.0);

    const CTovarineDocData::CModeResult check = doc.DoModeCheck();
    ASSERT_TRUE(check.bPassed) << "message " << check.nMessage;
    const CTovarineDocData::CModeResult calculation = doc.DoModeCalculation();
    ASSERT_TRUE(calculation.bPassed);
    ASSERT_EQ(doc.m_nMode, 3);

    ExpectShown(LabelIk3(trans->DoGetTextLabelV1(doc.m_nMode)), 22.0526, "transformer");
    ExpectShown(LabelIk3(bar->GetTextLabel(doc.m_nMode)), 20.3427, "bus-bar");
    for (size_t i = 0; i < wires.size(); ++i) {
        auto* wire = static_cast<CEleWire*>(wires[i]->GetElement());
        ExpectShown(LabelIk3(wire->GetTextLabel(doc.m_nMode)), cables[i].byHand,
                    "cable " + wires[i]->GetName());
    }
}

// The other sample shows results at the same points after both commands.
TEST(ExampleProjects, GroupsAndSettingsShowsFaultCurrentsAtItsCalculationPoints) {
    CTovarineDocData doc;
    ASSERT_TRUE(Open(doc, "groups-and-settings.tv2"));
    ASSERT_TRUE(doc.DoModeCheck().bPassed);
    ASSERT_TRUE(doc.DoModeCalculation().bPassed);
    const std::vector<CObjElement*> all = Elements(doc);
    int shown = 0;
    for (CObjElement* e : all) {
        std::string label;
        if (e->GetKind() == kKindTrans3)
            label = static_cast<CEleTrans3*>(e->GetElement())->DoGetTextLabelV1(doc.m_nMode);
        else if (e->GetKind() == kKindBusBar)
            label = static_cast<CEleBusBar*>(e->GetElement())->GetTextLabel(doc.m_nMode);
        else if (e->GetKind() == kKindWire)
            label = static_cast<CEleWire*>(e->GetElement())->GetTextLabel(doc.m_nMode);
        else
            continue;
        EXPECT_TRUE(e->IsCalcPoint()) << e->GetName();
        EXPECT_GT(LabelIk3(label), 0.0) << e->GetName() << ": " << label;
        ++shown;
    }
    EXPECT_EQ(shown, 5);
}

} // namespace

namespace {

// The samples with the breaker and curve databases beside the others: the
// breakers' types are looked up and chosen again.
class ExampleBreakers : public protecttest::WithAllDatabases {};

std::vector<CObjElement*> OfKind(const std::vector<CObjElement*>& all, int32_t kind) {
    std::vector<CObjElement*> found;
    for (CObjElement* e : all)
        if (e->GetKind() == kind)
            found.push_back(e);
    return found;
}

CEleLVCB& Breaker(CObjElement* e) {
    return *static_cast<CEleLVCB*>(e->GetElement());
}

double Ik3At(const CCalcPoint& point, double volts) {
    double current = 0.0;
    point.DoCalcIk3Total(volts, &current);
    return current;
}

// Every feeder is headed by its low-voltage breaker: a type of the breaker
// database (its capacities are found there again), rated for the consumer at
// the feeder's end and carried by the cable below it. The type ids come back.
std::vector<int32_t> CheckFeederBreakers(const CTovarineDocData& doc) {
    const std::vector<CObjElement*> all = Elements(doc);
    std::vector<int32_t> types;
    for (CObjElement* e : OfKind(all, kKindLVCB)) {
        SCOPED_TRACE(e->GetName());
        CEleLVCB& b = Breaker(e);
        const CObjAdjust* adjust = b.GetAdjust();
        if (!adjust) {
            ADD_FAILURE() << "no characteristic";
            continue;
        }
        EXPECT_GT(b.GetTypeID(), 0);
        EXPECT_FALSE(b.DoGetTextTypeName().empty());
        EXPECT_EQ(b.IsCalcPoint(), 1);
        double ics = 0.0, icu = 0.0, iq = 0.0;
        EXPECT_GT(CEleLVCB::DoReadCapacity(*adjust, &ics, &icu, &iq), 0);
        EXPECT_GT(icu, 0.0);
        types.push_back(b.GetTypeID());

        CObjElementList a;
        doc.CollectElements(a);
        CObjElement* cable = a.FindNeighbour(e, kDirDown, 0);
        if (!cable || cable->GetKind() != kKindWire) {
            ADD_FAILURE() << "no cable below the breaker";
            continue;
        }
        CObjElement* consumer = a.FindNeighbour(cable, kDirDown, 0);
        if (!consumer) {
            ADD_FAILURE() << "no consumer below the cable";
            continue;
        }
        const double rating = adjust->m_infoBase.m_dRatedValue;
        double load = 0.0;
        if (consumer->GetKind() == kKindMotor)
            load = static_cast<CEleMotor*>(consumer->GetElement())->GetFullLoadCurrent();
        else if (consumer->GetKind() == kKindLoad)
            load = static_cast<CEleLoad*>(consumer->GetElement())->m_dLoadCurrent;
        EXPECT_GT(load, 0.0);
        EXPECT_GE(rating, load);
        EXPECT_LE(rating,
                  static_cast<CEleWire*>(cable->GetElement())->m_phase3.GetCurrentCapacity());
    }
    EXPECT_EQ(types.size(), 3u);
    return types;
}

// After the calculation each breaker's type breaks the current at its place,
// and the automatic selection by Icu keeps every type: none is reported.
void ExpectSelectionKeepsTheTypes(CTovarineDocData& doc, const std::vector<int32_t>& types) {
    const std::vector<CObjElement*> breakers = OfKind(Elements(doc), kKindLVCB);
    for (CObjElement* e : breakers) {
        CEleLVCB& b = Breaker(e);
        double ics = 0.0, icu = 0.0, iq = 0.0;
        CEleLVCB::DoReadCapacity(*b.GetAdjust(), &ics, &icu, &iq);
        EXPECT_GE(icu, b.GetSelectionIk(CEleLVCB::kByIcu)) << e->GetName();
    }
    const CTovarineDocData::CModeResult selection = doc.DoModeSelect(CEleLVCB::kByIcu);
    EXPECT_TRUE(selection.bPassed);
    EXPECT_TRUE(selection.listFailed.empty()) << CTovarineDocData::GetSelectionMessage(selection);
    EXPECT_EQ(doc.m_nMode, 4);
    std::vector<int32_t> after;
    for (CObjElement* e : breakers)
        after.push_back(Breaker(e).GetTypeID());
    EXPECT_EQ(after, types);
}

// The small installation's breakers: the high-voltage breaker between the
// source and the transformer carries the source's own current at 6600 V,
// 500 MVA / (sqrt(3) x 6600 V) = 500e6 / 11431.535 = 43 738.7 A; the three
// low-voltage breakers below the zero conductor, which has no impedance,
// carry the bus-bar end's current worked by hand above, 20.3427 kA; and the
// cables' ends keep theirs: the breakers add no impedance.
TEST_F(ExampleBreakers, SmallInstallationBreakersPassCheckCalculationAndSelection) {
    CTovarineDocData doc;
    ASSERT_TRUE(Open(doc, "small-installation.tv2"));
    const std::vector<int32_t> types = CheckFeederBreakers(doc);
    const std::vector<CObjElement*> all = Elements(doc);
    CObjElement* hcbElement = OnlyOfKind(all, kKindHVCB);
    ASSERT_NE(hcbElement, nullptr);
    auto& hcb = *static_cast<CEleHVCB*>(hcbElement->GetElement());
    EXPECT_FALSE(hcb.DoGetTextTypeName().empty());
    EXPECT_EQ(hcb.GetVoltage(), 6600);
    EXPECT_EQ(hcb.IsCalcPoint(), 1);

    ASSERT_TRUE(doc.DoModeCheck().bPassed);
    ASSERT_TRUE(doc.DoModeCalculation().bPassed);
    EXPECT_NEAR(Ik3At(hcb.m_calcPoint, 6600), 43738.7, 0.05);
    EXPECT_NE(hcb.DoGetLabelText(doc.m_nMode).find("I\"k3total=43.739kA"), std::string::npos);
    for (CObjElement* e : OfKind(all, kKindLVCB)) {
        CEleLVCB& b = Breaker(e);
        ExpectShown(Ik3At(b.m_calcPoint, 400) / 1000.0, 20.3427, e->GetName());
        EXPECT_NE(b.DoGetRatingsText(doc.m_nMode).find("I\"k3direct=20.343kA"), std::string::npos)
            << b.DoGetRatingsText(doc.m_nMode);
    }
    const double cableEnds[] = {3.44970, 3.80837, 2.47659};
    const std::vector<CObjElement*> wires = OfKind(all, kKindWire);
    ASSERT_EQ(wires.size(), 3u);
    for (size_t i = 0; i < wires.size(); ++i) {
        auto* wire = static_cast<CEleWire*>(wires[i]->GetElement());
        ExpectShown(Ik3At(wire->m_calcPoint, 400) / 1000.0, cableEnds[i], wires[i]->GetName());
    }
    ExpectSelectionKeepsTheTypes(doc, types);
}

// The other sample's breakers, on TN-S at 60 Hz: Check and Calculation pass,
// and below the zero conductor each breaker's point carries the bus-bar end's
// currents, three-phase and to the neutral and to PE (the network without
// the breakers has the same point there); the selection keeps every type.
TEST_F(ExampleBreakers, GroupsAndSettingsBreakersPassCheckCalculationAndSelection) {
    CTovarineDocData doc;
    ASSERT_TRUE(Open(doc, "groups-and-settings.tv2"));
    const std::vector<int32_t> types = CheckFeederBreakers(doc);
    ASSERT_TRUE(doc.DoModeCheck().bPassed);
    ASSERT_TRUE(doc.DoModeCalculation().bPassed);
    const std::vector<CObjElement*> all = Elements(doc);
    const CCalcPoint& bar =
        static_cast<CEleBusBar*>(OnlyOfKind(all, kKindBusBar)->GetElement())->m_calcPoint;
    ASSERT_GT(Ik3At(bar, 400), 0.0);
    for (CObjElement* e : OfKind(all, kKindLVCB)) {
        SCOPED_TRACE(e->GetName());
        CEleLVCB& b = Breaker(e);
        EXPECT_EQ(b.GetEarthingSystem(), 1u);
        EXPECT_NEAR(Ik3At(b.m_calcPoint, 400), Ik3At(bar, 400), 1e-6);
        // The earth-fault currents the checks read: to PE (TN-S, code 1)
        // and to the neutral (the code 3 form).
        for (int32_t earthing : {1, 3}) {
            std::string caption;
            const double atBar = bar.GetCurrentByKind(earthing, 3, 400, caption);
            const double atBreaker = b.m_calcPoint.GetCurrentByKind(earthing, 3, 400, caption);
            EXPECT_GT(atBar, 0.0) << earthing;
            EXPECT_NEAR(atBreaker, atBar, 1e-6) << earthing;
        }
    }
    ExpectSelectionKeepsTheTypes(doc, types);
}

} // namespace
