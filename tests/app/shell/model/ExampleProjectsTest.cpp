// The sample projects of examples/ open as the document opens a file (the
// "Contents" stream of the compound file through the project's archive) and
// hold what they are meant to show: a change of the file's layout that they
// no longer follow fails here. examples/make_examples.cpp wrote them; what is
// expected below is the installation it draws, not what it stored.

#include "app/records/ElementKinds.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjElementList.h"
#include "app/shell/model/CObjGroup.h"
#include "app/shell/model/CTovarineDocData.h"
#include "framework/Archive.h"
#include "framework/CompoundFile.h"

#include <gtest/gtest.h>

#include <algorithm>
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

// What both samples share: a source above a three-phase transformer, then a
// bus-bar, a zero conductor and three feeders of a cable and a consumer
// (motor or load); all connected, the consumers fed by that source through
// that transformer at its secondary voltage.
void CheckInstallation(const CTovarineDocData& doc, int32_t motors, int32_t loads) {
    const std::vector<CObjElement*> all = Elements(doc);
    ASSERT_EQ(all.size(), 7u + 3u);
    for (CObjElement* e : all)
        EXPECT_NE(e->GetElement(), nullptr) << "kind " << e->GetKind() << " has no model";
    auto count = [&all](int32_t kind) {
        return std::count_if(all.begin(), all.end(),
                             [kind](CObjElement* e) { return e->GetKind() == kind; });
    };
    EXPECT_EQ(count(kKindBusBar), 1);
    EXPECT_EQ(count(kKindZeroCond), 1);
    EXPECT_EQ(count(kKindWire), 3);
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
    CheckInstallation(doc, 2, 1);
    // Every top-level group is a leaf: no groups in this sample.
    for (const auto& group : doc.m_listGroups)
        EXPECT_NE(group->GetElement(), nullptr);
    EXPECT_EQ(doc.m_nMode, 1);
}

TEST(ExampleProjects, GroupsAndSettingsShowsNestedGroupsAndItsOwnSettings) {
    CTovarineDocData doc;
    ASSERT_TRUE(Open(doc, "groups-and-settings.tv2"));
    CheckInstallation(doc, 2, 1);
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

} // namespace
