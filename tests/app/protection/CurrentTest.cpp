// The current marker: its record against hand-written fixtures, clearing,
// copying, the labels and report texts, and where its labels show.

#include "app/protection/CCurrent.h"
#include "app/protection/CObjGraph.h"
#include "tests/app/elements/protection/ProtectionTestSupport.h"

#include <gtest/gtest.h>

using fw::CArchive;
using fw::CArchiveException;
using namespace protecttest;

namespace {

const char* kCascade = "app/protection/fixtures/CCurrent_cascade.hex";
const char* kDiscrimination = "app/protection/fixtures/CCurrent_discrimination_v100.hex";

// The marker of the cascade fixture, field by field.
CCurrent CascadeMarker() {
    CCurrent c;
    c.m_nMargin = 3;
    c.m_nLabel = 1;
    c.m_nSelectedBy = CCurrent::kCascade;
    c.m_nUpstreamKind = 2;
    c.m_nUpstreamNumber = 4;
    c.m_nUpstreamMakerID = 1;
    c.m_nUpstreamGroupID = 7;
    c.m_nUpstreamTypeID = 345;
    c.m_dUpstreamCurrent = 8000.0;
    c.m_dIcs = 25000.0;
    c.m_dIcu = 50000.0;
    c.m_dIcuBack = 36000.0;
    c.m_dIs = -1.0;
    c.m_nResult = 0;
    c.m_nBand = 1;
    c.m_ptFirst = CdPoint(120.0, 300.0);
    c.m_ptSecond = CdPoint(120.0, 1800.0);
    c.m_listGraphNo.DoAddNewGraphNo()->DoSetGraphNo(4, 1);
    return c;
}

TEST(CurrentTest, StoresTheHandWrittenRecord) {
    CCurrent c = CascadeMarker();
    c.m_nWork = 99; // not stored
    EXPECT_EQ(Store(c), Fixture(kCascade));
}

TEST(CurrentTest, ReadsEveryFieldBack) {
    CCurrent c;
    Load(c, Fixture(kCascade), 1.2);
    const CCurrent want = CascadeMarker();
    EXPECT_EQ(c.m_nMargin, 3u);
    EXPECT_EQ(c.m_nLabel, 1u);
    EXPECT_EQ(c.m_nSelectedBy, 3u);
    EXPECT_EQ(c.m_nUpstreamKind, 2u);
    EXPECT_EQ(c.m_nUpstreamNumber, 4u);
    EXPECT_EQ(c.m_nUpstreamMakerID, 1u);
    EXPECT_EQ(c.m_nUpstreamGroupID, 7u);
    EXPECT_EQ(c.m_nUpstreamTypeID, 345u);
    EXPECT_EQ(c.m_dUpstreamCurrent, 8000.0);
    EXPECT_EQ(c.m_dIcs, 25000.0);
    EXPECT_EQ(c.m_dIcu, 50000.0);
    EXPECT_EQ(c.m_dIcuBack, 36000.0);
    EXPECT_EQ(c.m_dIs, -1.0);
    EXPECT_EQ(c.m_nBand, 1u);
    EXPECT_EQ(c.m_ptSecond.m_dY, 1800.0);
    ASSERT_NE(c.m_listGraphNo.DoFindGraphNo(4), nullptr);
    EXPECT_EQ(c.m_listGraphNo.DoFindGraphNo(4)->m_listRefV2.GetCount(), 1);
    // Stored again, the same bytes.
    EXPECT_EQ(Store(c), Store(const_cast<CCurrent&>(want)));
}

TEST(CurrentTest, ReadsAVersion10RecordAndItsShortPlacements) {
    CCurrent c;
    Load(c, Fixture(kDiscrimination), 1.0);
    EXPECT_EQ(c.m_nSelectedBy, 5u);
    EXPECT_EQ(c.m_dIs, 6500.0);
    EXPECT_EQ(c.m_dIcuBack, -1.0);
    EXPECT_EQ(c.m_nResult, 1u);
    EXPECT_NE(c.m_listGraphNo.DoFindGraphNo(4), nullptr);
}

TEST(CurrentTest, CutShortRecordsRaiseTheArchiveError) {
    ExpectCutShortRefused<CCurrent>(Fixture(kCascade), 1.2);
    ExpectCutShortRefused<CCurrent>(Fixture(kDiscrimination), 1.0);
}

TEST(CurrentTest, ClearKeepsOnlyTheGraphNumbers) {
    CCurrent c = CascadeMarker();
    c.DoClearCurrent();
    EXPECT_EQ(c.m_nSelectedBy, 0u);
    EXPECT_EQ(c.m_nUpstreamTypeID, 0u);
    EXPECT_EQ(c.m_dIcu, 0.0);
    EXPECT_EQ(c.m_dIcuBack, 0.0);
    EXPECT_EQ(c.m_nMargin, 0u);
    EXPECT_EQ(c.m_ptSecond.m_dY, 0.0);
    EXPECT_NE(c.m_listGraphNo.DoFindGraphNo(4), nullptr);
    // A cleared marker shows no label on any graph.
    for (int label :
         {CCurrent::kLabelCapacity, CCurrent::kLabelCascade, CCurrent::kLabelDiscrimination})
        EXPECT_EQ(c.IsShownLabel(label, 4), 0) << label;
}

TEST(CurrentTest, CopyIsDeep) {
    CCurrent a = CascadeMarker();
    CCurrent b;
    b = a;
    a.m_listGraphNo.DoDeleteGraphNo(0);
    EXPECT_NE(b.m_listGraphNo.DoFindGraphNo(4), nullptr);
    EXPECT_EQ(b.m_dIcuBack, 36000.0);
}

TEST(CurrentTest, LabelTexts) {
    CCurrent c = CascadeMarker();
    EXPECT_EQ(c.GetLabelCapacity("CB2"), "CB2\r\nIcu\r\n50.00kA");
    EXPECT_EQ(c.GetLabelCascade("CB2"), "CB2\r\nIcu-back\r\n36.00kA");
    struct Row {
        uint32_t code;
        const char* title;
    };
    for (Row row : {Row{4, "Is by Table"}, Row{5, "Is by Inst."}, Row{6, "Is by Inst. DC"},
                    Row{7, "Is by Inst.\r\nwith\r\ncurrent-limiting"}}) {
        c.m_nSelectedBy = row.code;
        c.m_dIs = 6500.0;
        EXPECT_EQ(c.GetLabelDiscrimination("CB3"),
                  std::string("CB3\r\n") + row.title + "\r\n6.50kA")
            << row.code;
    }
}

TEST(CurrentTest, LabelConditions) {
    CCurrent c = CascadeMarker();
    EXPECT_TRUE(c.HasLabel(CCurrent::kLabelCascade));
    EXPECT_TRUE(c.HasLabel(CCurrent::kLabelCapacity));
    EXPECT_FALSE(c.HasLabel(CCurrent::kLabelDiscrimination));
    // Is of -1 (no discrimination) shows no discrimination label.
    c.m_nSelectedBy = CCurrent::kTable;
    c.m_dIs = -1.0;
    EXPECT_FALSE(c.HasLabel(CCurrent::kLabelDiscrimination));
    EXPECT_FALSE(c.HasLabel(CCurrent::kLabelCascade));
    c.m_dIs = 100.0;
    EXPECT_TRUE(c.HasLabel(CCurrent::kLabelDiscrimination));
}

TEST(CurrentTest, ReportTexts) {
    CCurrent c = CascadeMarker();
    EXPECT_EQ(c.DoGetTextIcs(1), "25.00kA");
    EXPECT_EQ(c.DoGetTextIcu(0), "50.00");
    EXPECT_EQ(c.DoGetTextIcuBack(1), "36.00kA");
    c.m_dIcuBack = -1.0;
    EXPECT_EQ(c.DoGetTextIcuBack(1), "No data");
    EXPECT_EQ(c.DoGetTextBandTyp(), "Band");
    c.m_nBand = 0;
    EXPECT_EQ(c.DoGetTextBandTyp(), "Typ.");
}

TEST(CurrentTest, MarkRectWidensByTheMargin) {
    CCurrent c = CascadeMarker();
    const fw::CRect r = c.GetMarkRect();
    EXPECT_EQ(r, fw::CRect(120 - 3 - 10, 1800 - 3, 120 + 3 + 10, 300 + 3));
}

TEST(CurrentTest, ShownOnlyWhereTheGraphHoldsASetPlacement) {
    CCurrent c = CascadeMarker();
    EXPECT_EQ(c.IsShownLabel(CCurrent::kLabelCascade, 4), 0); // placement not set yet
    c.m_listGraphNo.DoFindGraphNo(4)->m_listRefV2.GetAtIndex(0)->m_rect =
        fw::CRect(140, 1800, 240, 1700);
    EXPECT_EQ(c.IsShownLabel(CCurrent::kLabelCascade, 4), 1);
    EXPECT_EQ(c.IsShownLabel(CCurrent::kLabelCascade, 5), 0);
    EXPECT_EQ(c.IsHittedLabel(CCurrent::kLabelCascade, fw::CPoint(150, 1750), 4), 1);
    EXPECT_EQ(c.IsHittedLabel(CCurrent::kLabelCascade, fw::CPoint(100, 1750), 4), 0);
    c.SetSelectLabel(CCurrent::kLabelCascade, 1, 0, 0);
    EXPECT_EQ(c.IsSelectedLabel(CCurrent::kLabelCascade, 4), 1);
    // The label's rectangle joins the line's.
    EXPECT_EQ(c.GetMarkRect(CCurrent::kLabelCascade, 4), fw::CRect(107, 303, 240, 1800));
}

class CurrentNamesTest : public WithAllDatabases {};

TEST_F(CurrentNamesTest, UpstreamNamesFromTheBreakerDatabase) {
    CCurrent c;
    c.m_nUpstreamMakerID = 1;
    c.m_nUpstreamGroupID = 2;
    c.m_nUpstreamTypeID = 124;
    EXPECT_EQ(c.DoGetTextUpstreamGroup(), "Moulded-case circuit breakers");
    EXPECT_EQ(c.DoGetTextUpstreamType(), "KVC-125S");
    c.m_nUpstreamGroupID = 0;
    c.m_nUpstreamTypeID = 0;
    EXPECT_EQ(c.DoGetTextUpstreamGroup(), "");
    EXPECT_EQ(c.DoGetTextUpstreamType(), "");
    c.m_nUpstreamTypeID = 99999;
    EXPECT_EQ(c.DoGetTextUpstreamType(), "");
}

} // namespace
