// Files before 1.1 kept only the places of the curve labels: loading lays
// each graph out as it was then and takes every label's current and time
// again from where it stands, so the labels are not left at the origin.

#include "app/elements/protection/CEleHVCB.h"
#include "app/elements/protection/CEleLVCB.h"
#include "app/elements/supply/CEleTrans3.h"
#include "app/protection/CObjGraphList.h"
#include "app/records/CObjRefV2.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjGroup.h"
#include "app/shell/model/CTovarineDocData.h"
#include "framework/Archive.h"
#include "tests/app/elements/protection/ProtectionTestSupport.h"
#include "tests/common/HexFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

TEST(GraphLabels, FileBeforeVersion11TakesTheLabelsValuesFromTheirPlaces) {
    fw::CArchive ar = fw::CArchive::ForLoading(
        tvtest::ReadHexFixture("app/shell/model/fixtures/Element_Trans3_label_v102.hex"));
    ar.SetReadVersion(1.02);
    std::unique_ptr<CObjElement> element = ar.ReadOwned<CObjElement>();
    ASSERT_NE(element, nullptr);
    EXPECT_EQ(ar.Remaining(), 0u);
    auto* trans = dynamic_cast<CEleTrans3*>(element->GetElement());
    ASSERT_NE(trans, nullptr);
    CGraphNo* entry = trans->m_listGraphNo.DoFindGraphNo(3);
    ASSERT_NE(entry, nullptr);
    const CObjRefV2* label = entry->m_listRefV2.GetAtIndex(0);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->m_ptValue.m_dX, 0.0); // what the file gives: nothing

    CTovarineDocData doc;
    doc.m_listGroups.AddNewGroup()->SetElement(std::move(element));
    // Graph 3 of 400 V, 1 A to 100 kA and 0.01 s to 10 000 s at scale 100:
    // laid out in (1000, 600, 9500, 9800), decades of 1840 and 1533 units.
    CObjGraph* graph = doc.m_listGraphs.DoAddNewGraph(3, 0, 1.0, 100000.0, 0.01, 10000.0);
    graph->m_nStdVoltage = 400;
    graph->m_ptOrigin = fw::CPoint(); // as loaded: not laid out
    graph->m_nCurrentDecade = 0;
    doc.DoConvertGraphLabels();
    EXPECT_EQ(graph->m_nCurrentDecade, 1840);
    // The label's left edge 4680 = 1000 + 1840 x 2: 100 A; its top
    // 2133 = 600 + 1533: 0.1 s. The curve point it was placed from lies 50
    // units left: 10^(3630 / 1840) A.
    EXPECT_NEAR(label->m_ptValue.m_dX, 100.0, 1e-9);
    EXPECT_NEAR(label->m_ptValue.m_dY, 0.1, 1e-12);
    EXPECT_NEAR(label->m_ptAnchor.m_dX, std::pow(10.0, 3630.0 / 1840.0), 1e-9);
    EXPECT_NEAR(label->m_ptAnchor.m_dY, 0.1, 1e-12);
}

// A whole project of version 1.02 (Document_curves_v102.hex): a high- and a
// low-voltage breaker whose labels stand on graph 3 and a skeleton of 60 Hz.
// Loading places both labels again from where they stand and ends by
// computing every characteristic for the skeleton's frequency.
class OldProject : public protecttest::WithAllDatabases {};

TEST_F(OldProject, LabelsArePlacedAgainAndCurvesComputedForTheSkeletonsFrequency) {
    CTovarineDocData doc;
    fw::CArchive ar = fw::CArchive::ForLoading(
        tvtest::ReadHexFixture("app/shell/model/fixtures/Document_curves_v102.hex"));
    doc.Serialize(ar);
    EXPECT_EQ(ar.Remaining(), 0u);
    ASSERT_EQ(doc.m_listGroups.GetCount(), 2);
    auto* hv = dynamic_cast<CEleHVCB*>(doc.m_listGroups.GetHead()->GetElement()->GetElement());
    auto* lv = dynamic_cast<CEleLVCB*>(doc.m_listGroups.GetTail()->GetElement()->GetElement());
    ASSERT_NE(hv, nullptr);
    ASSERT_NE(lv, nullptr);
    EXPECT_EQ(doc.m_infoSkeleton.m_nFrequency, 60);

    // Graph 3 laid out at scale 100 in (1000, 600, 9500, 9800): decades of
    // 1840 units of current and 1533 of time from (1000, 600).
    struct Case {
        const char* name;
        CObjAdjust* adjust;
        double current, time; // the label's place
        double anchorCurrent; // the curve point, 50 units to the left
    };
    const Case cases[] = {
        // Left edge 4680 = 1000 + 2 x 1840: 100 A; top 2133 = 600 + 1533: 0.1 s.
        {"HCB2", hv->GetAdjust(), 100.0, 0.1, std::pow(10.0, 3630.0 / 1840.0)},
        // Left edge 2840 = 1000 + 1840: 10 A; top 3666 = 600 + 2 x 1533: 1 s.
        {"CB3", lv->GetAdjust(), 10.0, 1.0, std::pow(10.0, 1790.0 / 1840.0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_NE(c.adjust, nullptr);
        const CGraphNo* entry = c.adjust->m_listGraphNo.DoFindGraphNo(3);
        ASSERT_NE(entry, nullptr);
        const CObjRefV2* label = entry->m_listRefV2.GetAtIndex(0);
        ASSERT_NE(label, nullptr);
        EXPECT_NEAR(label->m_ptValue.m_dX, c.current, 1e-9 * c.current);
        EXPECT_NEAR(label->m_ptValue.m_dY, c.time, 1e-12 * c.time / 0.1);
        EXPECT_NEAR(label->m_ptAnchor.m_dX, c.anchorCurrent, 1e-9 * c.anchorCurrent);
        EXPECT_NEAR(label->m_ptAnchor.m_dY, c.time, 1e-12 * c.time / 0.1);
        // Computed on loading, never stored.
        EXPECT_FALSE(c.adjust->m_listTypicalCurve.IsEmpty());
    }

    // The relay breaks after 3 cycles, which its curve adds to every time:
    // 3 / 60 = 0.05 s at the skeleton's frequency, 3 / 50 = 0.06 s at 50 Hz,
    // so the same curve computed for 50 Hz lies 0.01 s higher point by point.
    CObjAdjust at50;
    at50.DoCopyObjAdjust(*hv->GetAdjust());
    at50.DoCalcCurve(50);
    const COneCurveList& loaded = hv->GetAdjust()->m_listTypicalCurve;
    ASSERT_EQ(loaded.GetCount(), at50.m_listTypicalCurve.GetCount());
    auto other = at50.m_listTypicalCurve.begin();
    for (const auto& curve : loaded) {
        const CdPointList& a = curve->m_listPoint;
        const CdPointList& b = (*other++)->m_listPoint;
        ASSERT_EQ(a.GetCount(), b.GetCount());
        ASSERT_GT(a.GetCount(), 0);
        auto q = b.begin();
        for (const auto& p : a) {
            EXPECT_DOUBLE_EQ(p->m_dX, (*q)->m_dX);
            EXPECT_NEAR(p->m_dY + 0.01, (*q)->m_dY, 1e-12);
            ++q;
        }
    }
}

} // namespace
