// Files before 1.1 kept only the places of the curve labels: loading lays
// each graph out as it was then and takes every label's current and time
// again from where it stands, so the labels are not left at the origin.

#include "app/elements/supply/CEleTrans3.h"
#include "app/protection/CObjGraphList.h"
#include "app/records/CObjRefV2.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjGroup.h"
#include "app/shell/model/CTovarineDocData.h"
#include "framework/Archive.h"
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

} // namespace
