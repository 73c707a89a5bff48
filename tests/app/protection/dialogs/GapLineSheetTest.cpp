// The gap-line sheet on a document: the spin's steps of 90 a decade, the
// decade buttons at the range's ends, the measures switched on and off, the
// view asked to erase before and draw after every change, each change one
// undo step, and the view told when the sheet closes.

#include "app/protection/CObjGraph.h"
#include "app/protection/dialogs/CDlgGapLine.h"
#include "app/protection/dialogs/CDlgGapLineSheet.h"
#include "app/protection/dialogs/UpDown.h"
#include "app/shell/model/CTovarineDocData.h"
#include "framework/Resources.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// What the sheet asked of its view, in order.
class RecordingHost : public CGapLineSheetHost {
public:
    void DoToggleMeasureTime(int32_t flag) override { Log("time", flag); }
    void DoToggleMeasureCurrent(int32_t flag) override { Log("current", flag); }
    void DoRedrawMeasureTime(int32_t firstPass) override {
        Log(firstPass == 1 ? "erase time" : "draw time", -1);
    }
    void DoRedrawMeasureCurrent(int32_t firstPass) override {
        Log(firstPass == 1 ? "erase current" : "draw current", -1);
    }
    void OnGapSheetClosed() override { Log("closed", -1); }

    std::vector<std::string> calls;

private:
    void Log(const std::string& what, int32_t flag) {
        calls.push_back(flag < 0 ? what : what + " " + std::to_string(flag));
    }
};

// The document's default graph ranges: 10 to 100000 A, 0.01 to 100000 s.
class GapLineSheet : public ::testing::Test {
protected:
    GapLineSheet() {
        graph.m_dCurrentMin = 10.0;
        graph.m_dCurrentMax = 100000.0;
        graph.m_dTimeMin = 0.01;
        graph.m_dTimeMax = 100000.0;
        sheet = new CDlgGapLineSheet(doc, graph, &host, nullptr);
        sheet->DoCreate();
        page = sheet->GetGapPage();
    }
    ~GapLineSheet() override {
        if (sheet) {
            sheet->ClearHost();
            sheet->DoClose();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    template <class T> T* Control(unsigned id) { return fw::FindControlAs<T>(page, id); }
    std::string CurrentText() { return Control<QLineEdit>(1026)->text().toStdString(); }
    std::string TimeText() { return Control<QLineEdit>(1029)->text().toStdString(); }

    CTovarineDocData doc;
    CObjGraph graph;
    RecordingHost host;
    QPointer<CDlgGapLineSheet> sheet;
    CDlgGapLine* page = nullptr;
};

TEST(GapLineSpin, RangeValuesAndPositions) {
    // trunc(90 log10(max / min)).
    EXPECT_EQ(CDlgGapLine::GetSpinUpper(10.0, 100000.0), 360);
    EXPECT_EQ(CDlgGapLine::GetSpinUpper(0.01, 100000.0), 630);
    EXPECT_EQ(CDlgGapLine::GetSpinUpper(1.0, 2.0), 27); // 90 x 0.30103
    EXPECT_EQ(CDlgGapLine::GetSpinUpper(0.0, 100.0), 0);
    EXPECT_EQ(CDlgGapLine::GetSpinUpper(100.0, 10.0), 0);
    // Decade 1, mantissa 1.5: 0.15 s.
    EXPECT_EQ(CDlgGapLine::GetValueAt(0.01, 95), 0.15);
    EXPECT_EQ(CDlgGapLine::GetValueAt(0.01, 0), 0.01);
    EXPECT_EQ(CDlgGapLine::GetValueAt(0.01, 89), 0.099);
    EXPECT_EQ(CDlgGapLine::GetValueAt(10.0, 90), 100.0);
    EXPECT_EQ(CDlgGapLine::GetValueAt(10.0, 183), 1300.0);
    // Back from values: on the grid exactly, off it to the nearest step.
    EXPECT_EQ(CDlgGapLine::GetPositionOf(0.01, 100000.0, 0.15), 95);
    EXPECT_EQ(CDlgGapLine::GetPositionOf(0.01, 100000.0, 0.1), 90);
    EXPECT_EQ(CDlgGapLine::GetPositionOf(10.0, 100000.0, 100.0), 90);
    EXPECT_EQ(CDlgGapLine::GetPositionOf(10.0, 100000.0, 123.0), 92);
    // Outside the axis: held at its ends.
    EXPECT_EQ(CDlgGapLine::GetPositionOf(10.0, 100000.0, 1.0), 0);
    EXPECT_EQ(CDlgGapLine::GetPositionOf(10.0, 1000.0, 50000.0), 180);
}

TEST_F(GapLineSheet, OpensOnTheDocumentsStandards) {
    EXPECT_EQ(sheet->windowTitle().toStdString(), "measure lag of time and current");
    EXPECT_EQ(CurrentText(), "100");
    EXPECT_EQ(TimeText(), "0.1");
    EXPECT_EQ(page->m_nCurrentPos, 90);
    EXPECT_EQ(page->m_nTimePos, 90);
    EXPECT_TRUE(Control<QCheckBox>(1227)->isChecked());
    EXPECT_TRUE(Control<QCheckBox>(1228)->isChecked());
    // No OK or Cancel: the changes take effect at once.
    EXPECT_FALSE(sheet->GetOkButton()->isVisible());
}

TEST_F(GapLineSheet, SpinStepsErasesAndRedrawsAndIsOneUndoStep) {
    Control<CUpDown>(1224)->DoStep(1);
    EXPECT_EQ(doc.m_gapLine.m_dTimeStd, 0.11);
    EXPECT_EQ(TimeText(), "0.11");
    EXPECT_EQ(page->m_nTimePos, 91);
    // The time standard is where the currents are measured.
    EXPECT_EQ(host.calls, (std::vector<std::string>{"erase current", "draw current"}));
    Control<CUpDown>(1224)->DoStep(1);
    EXPECT_EQ(TimeText(), "0.12");
    // The undo holds the state before the last change only.
    ASSERT_TRUE(doc.DoRestoreUndo());
    EXPECT_EQ(doc.m_gapLine.m_dTimeStd, 0.11);
    EXPECT_FALSE(doc.DoRestoreUndo());
    page->DoRefresh();
    EXPECT_EQ(TimeText(), "0.11");
    EXPECT_EQ(page->m_nTimePos, 91);
}

TEST_F(GapLineSheet, SpinHeldAtTheEndsOfItsRange) {
    for (int i = 0; i < 100; ++i)
        Control<CUpDown>(1225)->DoStep(-1);
    EXPECT_EQ(page->m_nCurrentPos, 0);
    EXPECT_EQ(doc.m_gapLine.m_dCurrentStd, 10.0);
    // 90 steps down made changes; the ones past the end did nothing.
    EXPECT_EQ(host.calls.size(), 2u * 90u);
    host.calls.clear();
    Control<CUpDown>(1225)->DoStep(-1);
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(GapLineSheet, DecadeButtonsAndTheRangesEnds) {
    // 100 A (position 90) up a decade: 1000 A at 180.
    Control<QPushButton>(1038)->click();
    EXPECT_EQ(doc.m_gapLine.m_dCurrentStd, 1000.0);
    EXPECT_EQ(page->m_nCurrentPos, 180);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"erase time", "draw time"}));
    // Up to 351, less than 90 below the top (360): "+" gives the axis
    // maximum.
    for (int i = 0; i < 171; ++i)
        Control<CUpDown>(1225)->DoStep(1);
    EXPECT_EQ(page->m_nCurrentPos, 351);
    EXPECT_EQ(CurrentText(), "91000");
    Control<QPushButton>(1038)->click();
    EXPECT_EQ(page->m_nCurrentPos, 360);
    EXPECT_EQ(doc.m_gapLine.m_dCurrentStd, 100000.0);
    // Down: a decade at a time, then the axis minimum.
    Control<QPushButton>(1039)->click();
    EXPECT_EQ(CurrentText(), "10000");
    for (int i = 0; i < 3; ++i)
        Control<QPushButton>(1039)->click();
    EXPECT_EQ(CurrentText(), "10");
    Control<CUpDown>(1225)->DoStep(1);
    Control<QPushButton>(1039)->click();
    EXPECT_EQ(page->m_nCurrentPos, 0);
    EXPECT_EQ(doc.m_gapLine.m_dCurrentStd, 10.0);
}

TEST_F(GapLineSheet, MeasureSwitchedOffDisablesItsControls) {
    Control<QCheckBox>(1228)->click();
    EXPECT_EQ(doc.m_gapLine.m_nMeasureCurrent, 0u);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"current 0"}));
    for (unsigned id : {1029u, 1224u, 1040u, 1041u})
        EXPECT_FALSE(fw::FindControlAs<QWidget>(page, id)->isEnabled()) << id;
    EXPECT_TRUE(Control<QWidget>(1026)->isEnabled());
    ASSERT_TRUE(doc.DoRestoreUndo());
    EXPECT_EQ(doc.m_gapLine.m_nMeasureCurrent, 1u);
    Control<QCheckBox>(1227)->click();
    EXPECT_EQ(host.calls.back(), "time 0");
    Control<QCheckBox>(1227)->click();
    EXPECT_EQ(host.calls.back(), "time 1");
    EXPECT_TRUE(Control<QWidget>(1225)->isEnabled());
}

// Escape: the view is told once and the sheet goes; a sheet the view closes
// itself (host cleared first) tells nobody.
TEST_F(GapLineSheet, ClosingTellsTheViewOnce) {
    sheet->reject();
    sheet->close();
    EXPECT_EQ(host.calls, (std::vector<std::string>{"closed"}));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(sheet.isNull());

    RecordingHost other;
    QPointer<CDlgGapLineSheet> second = new CDlgGapLineSheet(doc, graph, &other, nullptr);
    second->DoCreate();
    second->ClearHost();
    second->DoClose();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(second.isNull());
    EXPECT_TRUE(other.calls.empty());
}

} // namespace
