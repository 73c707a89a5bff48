// "Co-ordination Setup" driven by control id (its buttons, their limits, the
// labels by graph kind, OK's checks), and the document's graph commands as
// the user gives them: their enabling, set-up, delete, page and print
// set-up, create with the skeleton scrolled to the new graph's elements, and
// the menus that offer them.

#include "ShellTestSupport.h"

#include "app/elements/protection/CEleLVCB.h"
#include "app/protection/CObjAdjust.h"
#include "app/protection/CObjGraph.h"
#include "app/protection/dialogs/CDlgSetupGraph.h"
#include "app/records/ElementKinds.h"
#include "app/records/TovarineIds.h"
#include "app/shell/CChildFrame1.h"
#include "app/shell/CChildFrame2.h"
#include "app/shell/CTovarineDoc.h"
#include "app/shell/CTovarineView1.h"
#include "app/shell/CTovarineView2.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjGroup.h"
#include "shellcommon/CDlgSetupPage.h"
#include "tests/app/TestNetwork.h"
#include "tests/app/elements/ModelDatabasesTestSupport.h"
#include "tests/app/protection/AdjustTestSupport.h"
#include "tests/common/MessageCapture.h"

#include "framework/Resources.h"
#include "framework/StringTable.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

using shelltest::StartedProgram;
using D = CDlgSetupGraph;

std::string Text(QWidget* dlg, unsigned id) {
    auto* edit = fw::FindControlAs<QLineEdit>(dlg, id);
    return edit ? edit->text().toStdString() : std::string("(no field)");
}

bool Enabled(QWidget* dlg, unsigned id) {
    auto* button = fw::FindControlAs<QPushButton>(dlg, id);
    return button && button->isEnabled();
}

void Click(QWidget* dlg, unsigned id) {
    auto* button = fw::FindControlAs<QPushButton>(dlg, id);
    ASSERT_NE(button, nullptr) << id;
    ASSERT_TRUE(button->isEnabled()) << id;
    button->click();
}

// The four buttons of an axis, in the order "-" min, "+" min, "-" max, "+" max.
struct Axis {
    unsigned minDown, minUp, maxDown, maxUp, minField, maxField;
};
const Axis kCurrent{D::IDC_CURRENT_MIN_DOWN, D::IDC_CURRENT_MIN_UP, D::IDC_CURRENT_MAX_DOWN,
                    D::IDC_CURRENT_MAX_UP,   D::IDC_CURRENT_MIN,    D::IDC_CURRENT_MAX};
const Axis kTime{D::IDC_TIME_MIN_DOWN, D::IDC_TIME_MIN_UP, D::IDC_TIME_MAX_DOWN,
                 D::IDC_TIME_MAX_UP,   D::IDC_TIME_MIN,    D::IDC_TIME_MAX};

std::vector<bool> States(QWidget* dlg, const Axis& a) {
    return {Enabled(dlg, a.minDown), Enabled(dlg, a.minUp), Enabled(dlg, a.maxDown),
            Enabled(dlg, a.maxUp)};
}

// The same dialog with the axis's range given, the other axis at 0.01-100.
std::unique_ptr<D> DialogWith(const Axis& a, double minimum, double maximum) {
    if (&a == &kCurrent)
        return std::make_unique<D>("G", minimum, maximum, 0.01, 100.0, "c", "t");
    return std::make_unique<D>("G", 0.01, 100.0, minimum, maximum, "c", "t");
}

TEST(GraphSetupDialog, TheButtonsKeepEachMinimumBelowItsMaximum) {
    for (const Axis* a : {&kCurrent, &kTime}) {
        SCOPED_TRACE(a == &kCurrent ? "current axis" : "vertical axis");
        // 1 to 10: 1 x 10 is not below 10, so neither the minimum may rise
        // nor the maximum fall.
        auto dlg = DialogWith(*a, 1.0, 10.0);
        EXPECT_EQ(Text(dlg.get(), a->minField), "1");
        EXPECT_EQ(Text(dlg.get(), a->maxField), "10");
        EXPECT_EQ(States(dlg.get(), *a), (std::vector<bool>{true, false, false, true}));
        Click(dlg.get(), a->maxUp);
        EXPECT_EQ(Text(dlg.get(), a->maxField), "100");
        EXPECT_EQ(States(dlg.get(), *a), (std::vector<bool>{true, true, true, true}));
        Click(dlg.get(), a->minUp);
        EXPECT_EQ(Text(dlg.get(), a->minField), "10");
        EXPECT_EQ(States(dlg.get(), *a), (std::vector<bool>{true, false, false, true}));
        // Down again a decade at a time: 10, 1, 0.1.
        Click(dlg.get(), a->minDown);
        Click(dlg.get(), a->minDown);
        EXPECT_EQ(Text(dlg.get(), a->minField), "0.1");
        Click(dlg.get(), a->maxDown);
        EXPECT_EQ(Text(dlg.get(), a->maxField), "10");
    }
}

TEST(GraphSetupDialog, AMinimumStopsAt1e5AndAMaximumAt1e8) {
    for (const Axis* a : {&kCurrent, &kTime}) {
        SCOPED_TRACE(a == &kCurrent ? "current axis" : "vertical axis");
        auto dlg = DialogWith(*a, 0.001, 10000000.0);
        Click(dlg.get(), a->minDown);
        EXPECT_EQ(Text(dlg.get(), a->minField), "0.0001");
        EXPECT_TRUE(Enabled(dlg.get(), a->minDown));
        Click(dlg.get(), a->minDown);
        EXPECT_EQ(Text(dlg.get(), a->minField), "0.00001");
        EXPECT_FALSE(Enabled(dlg.get(), a->minDown));
        EXPECT_TRUE(Enabled(dlg.get(), a->maxUp));
        Click(dlg.get(), a->maxUp);
        EXPECT_EQ(Text(dlg.get(), a->maxField), "100000000");
        EXPECT_FALSE(Enabled(dlg.get(), a->maxUp));
        // OK gives the values the fields show.
        dlg->accept();
        EXPECT_EQ(dlg->result(), QDialog::Accepted);
        const double minimum = a == &kCurrent ? dlg->m_dCurrentMin : dlg->m_dTimeMin;
        const double maximum = a == &kCurrent ? dlg->m_dCurrentMax : dlg->m_dTimeMax;
        EXPECT_EQ(minimum, 0.00001);
        EXPECT_EQ(maximum, 100000000.0);
    }
}

TEST(GraphSetupDialog, LabelsOfTheRowsByGraphKind) {
    struct Case {
        uint32_t kind;
        const char* current;
        const char* time;
    } cases[] = {{0, "Current scale(A):", "Time scale(s):"},
                 {2, "Current scale(A):", "Time scale(s):"},
                 {10, "Current scale(A):", "Max. let-through current(A):"},
                 {11, "Current scale(A):", "Max. I2t (A^2s) (x10^6):"}};
    StartedProgram p({"-Embedding"}); // the program's string table
    for (const Case& c : cases) {
        std::string current;
        std::string time;
        D::GetLabels(c.kind, &current, &time);
        EXPECT_EQ(current, c.current) << c.kind;
        EXPECT_EQ(time, c.time) << c.kind;
        D dlg("G", 10.0, 1000.0, 0.01, 100.0, current, time);
        EXPECT_EQ(fw::FindControlAs<QLabel>(&dlg, D::IDC_CURRENT_LABEL)->text().toStdString(),
                  c.current);
        EXPECT_EQ(fw::FindControlAs<QLabel>(&dlg, D::IDC_TIME_LABEL)->text().toStdString(), c.time);
    }
}

TEST(GraphSetupDialog, TheValueFieldsAreReadOnlyAndOkReadsEveryFieldBack) {
    D dlg("Co-ordination3", 10.0, 100000.0, 0.01, 100000.0, "c", "t");
    EXPECT_EQ(Text(&dlg, D::IDC_NAME), "Co-ordination3");
    for (unsigned id : {D::IDC_CURRENT_MIN, D::IDC_CURRENT_MAX, D::IDC_TIME_MIN, D::IDC_TIME_MAX})
        EXPECT_TRUE(fw::FindControlAs<QLineEdit>(&dlg, id)->isReadOnly()) << id;
    EXPECT_EQ(Text(&dlg, D::IDC_TIME_MIN), "0.01");
    fw::FindControlAs<QLineEdit>(&dlg, D::IDC_NAME)->setText("Feeder A");
    Click(&dlg, D::IDC_TIME_MAX_DOWN);
    Click(&dlg, D::IDC_CURRENT_MIN_UP);
    Click(&dlg, 1);
    ASSERT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.m_strName, "Feeder A");
    EXPECT_EQ(dlg.m_dCurrentMin, 100.0);
    EXPECT_EQ(dlg.m_dCurrentMax, 100000.0);
    EXPECT_EQ(dlg.m_dTimeMin, 0.01);
    EXPECT_EQ(dlg.m_dTimeMax, 10000.0);
}

struct Refusal {
    const char* what;
    unsigned field;
    const char* text;
    unsigned focus;
    const char* message;
};

void PrintTo(const Refusal& r, std::ostream* os) {
    *os << r.what;
}

class GraphSetupRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(GraphSetupRefusal, NamesTheFieldKeepsTheDialogOpenAndChangesNothing) {
    // The fields are read-only, but what the graph brought into them is
    // read back as text: what cannot lay a graph out is refused.
    const Refusal& r = GetParam();
    StartedProgram p({"-Embedding"});
    tvtest::MessageCapture messages;
    D dlg("G", 10.0, 1000.0, 0.01, 100.0, "c", "t");
    dlg.show();
    fw::FindControlAs<QLineEdit>(&dlg, D::IDC_NAME)->setText("Changed");
    fw::FindControlAs<QLineEdit>(&dlg, r.field)->setText(QString::fromLatin1(r.text));
    dlg.accept();
    EXPECT_NE(dlg.result(), QDialog::Accepted);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, r.message);
    EXPECT_EQ(dlg.focusWidget(), fw::FindControlAs<QWidget>(&dlg, r.focus));
    EXPECT_EQ(dlg.m_strName, "G");
    EXPECT_EQ(dlg.m_dCurrentMin, 10.0);
    EXPECT_EQ(dlg.m_dCurrentMax, 1000.0);
    EXPECT_EQ(dlg.m_dTimeMin, 0.01);
    EXPECT_EQ(dlg.m_dTimeMax, 100.0);
}

const char* kNotPositive = "Each scale value must be a positive number.";
const char* kNotRising = "The lower end of a scale must be below its upper end.";

INSTANTIATE_TEST_SUITE_P(
    Cases, GraphSetupRefusal,
    ::testing::Values(
        Refusal{"no number", D::IDC_CURRENT_MAX, "abc", D::IDC_CURRENT_MAX, kNotPositive},
        Refusal{"empty", D::IDC_TIME_MAX, "", D::IDC_TIME_MAX, kNotPositive},
        Refusal{"zero minimum", D::IDC_CURRENT_MIN, "0", D::IDC_CURRENT_MIN, kNotPositive},
        Refusal{"negative", D::IDC_TIME_MIN, "-0.01", D::IDC_TIME_MIN, kNotPositive},
        Refusal{"infinite", D::IDC_CURRENT_MAX, "inf", D::IDC_CURRENT_MAX, kNotPositive},
        Refusal{"number and text", D::IDC_TIME_MIN, "0.01s", D::IDC_TIME_MIN, kNotPositive},
        Refusal{"equal current bounds", D::IDC_CURRENT_MIN, "1000", D::IDC_CURRENT_MIN, kNotRising},
        Refusal{"falling time axis", D::IDC_TIME_MAX, "0.001", D::IDC_TIME_MIN, kNotRising}));

// ---------------------------------------------------------------- the commands

// A started program with two breakers of real types (read from the
// reference breaker database) on the skeleton, nothing selected, no graph.
struct Project {
    Project() {
        p.Main()->resize(900, 700);
        p.Main()->show();
        QApplication::processEvents();
        doc = dynamic_cast<CTovarineDoc*>(p.app->GetActiveDocument());
        if (!doc)
            return;
        cb1 = AddBreaker(2, 2, "CB1", 124);
        cb2 = AddBreaker(6, 2, "CB2", 172);
        SelectOnly({});
    }
    CObjElement* AddBreaker(int col, int row, const char* name, int32_t type) {
        CObjElement* e = tvtest::Place(*doc, kKindLVCB, col, row);
        auto& b = tvtest::ModelOf<CEleLVCB>(e);
        b.m_strName = name;
        b.SetVoltage(400);
        CObjAdjust* a = b.GetAdjust() ? b.GetAdjust() : b.DoAddNewObjAdjust();
        adjusttest::ReadLoaded(*a, 2, type, 400);
        e->DoCalcCurve(50);
        return e;
    }
    void SelectOnly(std::initializer_list<const CObjElement*> elements) {
        for (auto& g : doc->m_listGroups) {
            bool on = false;
            for (const CObjElement* e : elements)
                on |= g->GetElement() == e;
            g->SetSelected(on ? 1 : 0);
        }
    }
    bool IsEnabled(unsigned id) {
        QAction* action = p.Main()->GetAction(id);
        p.Main()->UpdateCommandUI();
        return action->isEnabled();
    }
    bool IsChecked(unsigned id) {
        QAction* action = p.Main()->GetAction(id);
        p.Main()->UpdateCommandUI();
        return action->isChecked();
    }
    CTovarineView2* View() const {
        return p.Main()->CoordinationFrame
                   ? dynamic_cast<CTovarineView2*>(p.Main()->CoordinationFrame->GetActiveView())
                   : nullptr;
    }
    bool Ready() const { return doc && cb1 && cb2; }

    StartedProgram p;
    elementtest::ModelDatabasesScope dbs;
    adjusttest::BreakerDatabasesScope breakers;
    tvtest::MessageCapture messages;
    CTovarineDoc* doc = nullptr;
    CObjElement* cb1 = nullptr;
    CObjElement* cb2 = nullptr;
};

#define REQUIRE_READY(c) ASSERT_TRUE((c).Ready()) << "program, document or breakers missing"

// Answers the next settings dialog in the user's place.
struct DialogAnswer {
    explicit DialogAnswer(std::function<int(QDialog&)> answer) {
        previous = CTovarineDoc::s_execDialog;
        CTovarineDoc::s_execDialog = std::move(answer);
    }
    ~DialogAnswer() { CTovarineDoc::s_execDialog = previous; }
    std::function<int(QDialog&)> previous;
};

TEST(GraphCommandsUI, EnablingFollowsTheGraphTheSelectionAndTheMeasuring) {
    Project c;
    REQUIRE_READY(c);
    const unsigned onGraph[] = {tvid::ID_COORD_DELETE_GRAPH, tvid::ID_COORD_SETUP,
                                tvid::ID_PAGE_SETUP_COORD, tvid::ID_PRINT_SETUP_COORD,
                                tvid::ID_COORD_MEASURE};
    EXPECT_FALSE(c.IsEnabled(tvid::ID_COORD_CREATE)); // nothing selected
    for (unsigned id : onGraph)
        EXPECT_FALSE(c.IsEnabled(id)) << id;
    EXPECT_FALSE(c.IsEnabled(tvid::ID_COORD_ADD));
    // A breaker with a complete type can go on a new graph (its curve
    // refuses the number 0, which no graph carries).
    c.SelectOnly({c.cb1});
    EXPECT_TRUE(c.IsEnabled(tvid::ID_COORD_CREATE));
    c.p.Main()->ExecuteCommand(tvid::ID_COORD_CREATE);
    ASSERT_NE(c.doc->m_listGraphs.GetCurrentGraph(), nullptr);
    ASSERT_NE(c.View(), nullptr) << "the co-ordination view comes up";
    for (unsigned id : onGraph)
        EXPECT_TRUE(c.IsEnabled(id)) << id;
    c.SelectOnly({c.cb1});
    EXPECT_FALSE(c.IsEnabled(tvid::ID_COORD_ADD)); // on it already
    c.SelectOnly({c.cb1, c.cb2});
    EXPECT_TRUE(c.IsEnabled(tvid::ID_COORD_ADD));

    // Measuring: no set-up while the gap sheet is open; the measure entry
    // is checked.
    EXPECT_FALSE(c.IsChecked(tvid::ID_COORD_MEASURE));
    c.View()->OnMeasure();
    ASSERT_TRUE(c.View()->IsGapSheetOpen());
    EXPECT_FALSE(c.IsEnabled(tvid::ID_COORD_SETUP));
    EXPECT_TRUE(c.IsChecked(tvid::ID_COORD_MEASURE));
    c.View()->OnMeasure();
    EXPECT_TRUE(c.IsEnabled(tvid::ID_COORD_SETUP));

    // An I2t graph takes no elements.
    c.SelectOnly({c.cb2});
    c.doc->m_listGraphs.DoAddNewGraph(static_cast<uint32_t>(c.doc->IncrementCounter(0)),
                                      CObjGraph::kLetThrough, 1000.0, 1e6, 1e5, 1e8);
    EXPECT_FALSE(c.IsEnabled(tvid::ID_COORD_ADD));
    EXPECT_TRUE(c.IsEnabled(tvid::ID_COORD_CREATE));
}

TEST(GraphCommandsUI, ACommandThatNobodyHandlesShowsDisabled) {
    Project c;
    REQUIRE_READY(c);
    c.SelectOnly({c.cb1});
    c.p.Main()->ExecuteCommand(tvid::ID_COORD_CREATE);
    ASSERT_NE(c.View(), nullptr);
    // Whatever the command, without a handler on the route it is disabled:
    // the type 1 and type 2 mode, and the entries of the menus that no
    // target of the co-ordination frame answers yet.
    std::vector<unsigned> ids = {tvid::ID_MODE_TYPE12};
    for (unsigned id : {tvid::ID_COORD_PRINT_SPECIAL, tvid::ID_COORD_DXF}) {
        std::vector<fw::CCmdTarget*> route =
            c.p.Main()->GetCommandRoute(c.p.Main()->CoordinationFrame);
        bool handled = false;
        for (fw::CCmdTarget* t : route)
            handled |= t && t->HasCommandHandler(id);
        if (!handled)
            ids.push_back(id);
    }
    for (unsigned id : ids)
        EXPECT_FALSE(c.IsEnabled(id)) << id;
}

TEST(GraphCommandsUI, SetupEditsTheCurrentGraphInOneStep) {
    Project c;
    REQUIRE_READY(c);
    c.SelectOnly({c.cb1, c.cb2});
    c.p.Main()->ExecuteCommand(tvid::ID_COORD_CREATE);
    CObjGraph* graph = c.doc->m_listGraphs.GetCurrentGraph();
    ASSERT_NE(graph, nullptr);
    // Cancel: nothing.
    c.doc->SetModifiedFlag(false);
    std::string labels;
    {
        DialogAnswer cancel([&labels](QDialog& dialog) {
            labels = fw::FindControlAs<QLabel>(&dialog, D::IDC_TIME_LABEL)->text().toStdString();
            return static_cast<int>(QDialog::Rejected);
        });
        c.p.Main()->ExecuteCommand(tvid::ID_COORD_SETUP);
    }
    EXPECT_EQ(labels, "Time scale(s):");
    EXPECT_FALSE(c.doc->IsModified());
    EXPECT_EQ(graph->m_dCurrentMin, 10.0);
    // OK after a decade up on the current minimum and a new name.
    {
        DialogAnswer ok([](QDialog& dialog) {
            fw::FindControlAs<QLineEdit>(&dialog, D::IDC_NAME)->setText("Main");
            fw::FindControlAs<QPushButton>(&dialog, D::IDC_CURRENT_MIN_UP)->click();
            dialog.accept();
            return dialog.result();
        });
        c.p.Main()->ExecuteCommand(tvid::ID_COORD_SETUP);
    }
    graph = c.doc->m_listGraphs.GetCurrentGraph();
    EXPECT_EQ(graph->m_strName, "Main");
    EXPECT_EQ(graph->m_dCurrentMin, 100.0);
    EXPECT_EQ(c.doc->m_dCurrentFrom, 100.0);
    EXPECT_TRUE(c.doc->IsModified());
    // The graph list of the view shows the new name.
    c.p.Main()->ExecuteCommand(fw::id::EDIT_UNDO);
    graph = c.doc->m_listGraphs.GetCurrentGraph();
    EXPECT_EQ(graph->m_strName, "Co-ordination1");
    EXPECT_EQ(graph->m_dCurrentMin, 10.0);
}

TEST(GraphCommandsUI, DeleteAsksFirst) {
    Project c;
    REQUIRE_READY(c);
    c.SelectOnly({c.cb1});
    c.p.Main()->ExecuteCommand(tvid::ID_COORD_CREATE);
    ASSERT_EQ(c.doc->m_listGraphs.GetCount(), 1);
    c.messages.Clear();
    c.messages.Answer(fw::mb::IdNo);
    c.p.Main()->ExecuteCommand(tvid::ID_COORD_DELETE_GRAPH);
    ASSERT_EQ(c.messages.Count(), 1u);
    EXPECT_EQ(c.messages.Last().text, "Is this graph deleted?");
    EXPECT_EQ(c.messages.Last().type & fw::mb::ButtonMask, fw::mb::YesNo);
    EXPECT_EQ(c.doc->m_listGraphs.GetCount(), 1);
    c.messages.Answer(fw::mb::IdYes);
    c.p.Main()->ExecuteCommand(tvid::ID_COORD_DELETE_GRAPH);
    EXPECT_EQ(c.doc->m_listGraphs.GetCount(), 0);
    EXPECT_EQ(c.cb1->IsOnGraph(1), 0);
    EXPECT_FALSE(c.IsEnabled(tvid::ID_COORD_DELETE_GRAPH));
}

TEST(GraphCommandsUI, PageSetupOfTheGraphMarksModified) {
    Project c;
    REQUIRE_READY(c);
    c.SelectOnly({c.cb1});
    c.p.Main()->ExecuteCommand(tvid::ID_COORD_CREATE);
    CObjGraph* graph = c.doc->m_listGraphs.GetCurrentGraph();
    ASSERT_NE(graph, nullptr);
    c.doc->SetModifiedFlag(false);
    DialogAnswer ok([](QDialog& dialog) {
        EXPECT_EQ(fw::FindControlAs<QLineEdit>(&dialog, CDlgSetupPage::IDC_LEFT)->text(), "20");
        fw::FindControlAs<QLineEdit>(&dialog, CDlgSetupPage::IDC_LEFT)->setText("25");
        dialog.accept();
        return dialog.result();
    });
    c.p.Main()->ExecuteCommand(tvid::ID_PAGE_SETUP_COORD);
    graph = c.doc->m_listGraphs.GetCurrentGraph();
    EXPECT_EQ(graph->m_rectMargins, fw::CRect(25, 10, 10, 10));
    EXPECT_TRUE(c.doc->IsModified());
    // The skeleton's margins are its own.
    EXPECT_EQ(c.doc->m_infoSkeleton.m_rectMargins, fw::CRect(10, 20, 10, 10));
}

TEST(GraphCommandsUI, PrintSetupStoresTheCodesWithoutMarkingModified) {
    struct Case {
        unsigned id;
        std::function<std::pair<uint16_t, uint16_t>(CTovarineDoc&)> stored;
    };
    auto graphCodes = [](CTovarineDoc& d) {
        const CObjGraph* g = d.m_listGraphs.GetCurrentGraph();
        return std::make_pair(g->m_nOrientation, g->m_nPaperSize);
    };
    const Case cases[] = {
        {tvid::ID_PRINT_SETUP_SKELETON,
         [](CTovarineDoc& d) {
             // The impedance map prints with the skeleton's settings.
             EXPECT_EQ(d.m_infoImpeMap.m_nOrientation, d.m_infoSkeleton.m_nOrientation);
             EXPECT_EQ(d.m_infoImpeMap.m_nPaperSize, d.m_infoSkeleton.m_nPaperSize);
             return std::make_pair(d.m_infoSkeleton.m_nOrientation, d.m_infoSkeleton.m_nPaperSize);
         }},
        {tvid::ID_PRINT_SETUP_COORD, graphCodes},
        {tvid::ID_PRINT_SETUP_REPORTS, [](CTovarineDoc& d) {
             return std::make_pair(d.m_infoReport.m_nOrientation, d.m_infoReport.m_nPaperSize);
         }}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.id);
        Project c;
        REQUIRE_READY(c);
        c.SelectOnly({c.cb1});
        // Made without the command: no undo snapshot yet.
        ASSERT_NE(c.doc->DoCreateGraph(), nullptr);
        ASSERT_FALSE(c.doc->HasUndo());
        const auto before = k.stored(*c.doc);
        // Cancel keeps everything.
        c.p.app->SetPrintSetupDialog([](QPrinter&) { return false; });
        c.doc->SetModifiedFlag(false);
        c.p.Main()->ExecuteCommand(k.id);
        EXPECT_EQ(k.stored(*c.doc), before);
        EXPECT_FALSE(c.doc->HasUndo());
        // JIS B4 landscape: codes 2 and 12.
        c.p.app->SetPrintSetupDialog([](QPrinter& printer) {
            printer.setPageSize(QPageSize(QPageSize::JisB4));
            printer.setPageOrientation(QPageLayout::Landscape);
            return true;
        });
        c.p.Main()->ExecuteCommand(k.id);
        EXPECT_EQ(k.stored(*c.doc), std::make_pair(uint16_t{2}, uint16_t{12}));
        EXPECT_FALSE(c.doc->IsModified());
        ASSERT_TRUE(c.doc->HasUndo());
        c.doc->DoRestoreUndo();
        EXPECT_EQ(k.stored(*c.doc), before);
    }
}

TEST(GraphCommandsUI, CreateScrollsTheSkeletonToTheNewGraphsElements) {
    Project c;
    REQUIRE_READY(c);
    // Two breakers near the frame's right and lower edges (50 x 35 cells),
    // out of sight of a small window.
    CObjElement* far1 = c.AddBreaker(44, 30, "CB3", 124);
    CObjElement* far2 = c.AddBreaker(46, 30, "CB4", 172);
    CTovarineView1* skeleton = c.doc->GetSkeletonView();
    ASSERT_NE(skeleton, nullptr);
    skeleton->DoSetScrollSizes();
    skeleton->ScrollToPosition(fw::CPoint(0, 0));
    c.doc->m_infoSkeleton.m_ptScroll = fw::CPoint(0, 0);
    const fw::CRect client = skeleton->GetClientRect();
    ASSERT_LT(client.Width(), 44 * 40) << "the window shows the whole frame";
    ASSERT_LT(client.Height(), 30 * 40);
    c.SelectOnly({far1, far2});
    c.p.Main()->ExecuteCommand(tvid::ID_COORD_CREATE);
    // At zoom 100 a cell is 40 units of the scroll position: the centre of
    // the two breakers lies in the window now, on both axes.
    fw::CRect area;
    far1->GetUnionRect(&area);
    fw::CRect right;
    far2->GetUnionRect(&right);
    area.right = right.right;
    const int centreX = (area.left + area.right) / 2 / 40;
    const int centreY = (area.top + area.bottom) / 2 / 40;
    const fw::CPoint scroll = skeleton->GetScrollPosition();
    const int originX = scroll.x / 40;
    const int originY = scroll.y / 40;
    EXPECT_GE(centreX, originX);
    EXPECT_LT(centreX, originX + client.Width() / 40);
    EXPECT_GE(centreY, originY);
    EXPECT_LT(centreY, originY + client.Height() / 40);
    EXPECT_EQ(c.doc->m_infoSkeleton.m_ptScroll, scroll);
}

// ---------------------------------------------------------------- menus

// The entries of a menu resource, by command: its text.
void Collect(const std::vector<fw::CMenuItem>& items, std::map<unsigned, std::string>& into) {
    for (const fw::CMenuItem& item : items) {
        if (item.kind == fw::CMenuItem::popup)
            Collect(item.items, into);
        else if (item.kind != fw::CMenuItem::separator)
            into[item.id] = item.text;
    }
}

std::map<unsigned, std::string> EntriesOf(unsigned menu, const std::string& popup = {}) {
    std::map<unsigned, std::string> entries;
    const fw::CMenuResource* resource = fw::FindMenuResource(menu);
    if (!resource)
        return entries;
    for (const fw::CMenuItem& item : resource->items) {
        if (popup.empty() || (item.kind == fw::CMenuItem::popup && item.text == popup))
            Collect(popup.empty() ? std::vector<fw::CMenuItem>{item} : item.items, entries);
    }
    return entries;
}

TEST(GraphMenus, EverySettingsGraphAndOutputCommandHasItsEntry) {
    StartedProgram p({"-Embedding"});
    struct Entry {
        unsigned menu;
        unsigned id;
        const char* text;
    } entries[] = {{129, 32811, "Project &information..."},
                   {129, 32819, "P&age Setup..."},
                   {129, 32822, "P&rint Setup..."},
                   {129, 32812, "&Setup this skeleton..."},
                   {129, 32818, "&Re-numbering"},
                   {129, 32795, "&Create a co-ordination"},
                   {129, 32797, "&Add to co-ordination"},
                   {130, 32820, "P&age Setup..."},
                   {130, 32823, "P&rint Setup..."},
                   {130, 32813, "&Setup this graph..."},
                   {130, 32795, "&Create a co-ordination"},
                   {130, 32797, "&Add to co-ordination"},
                   {130, 32796, "&Delete this graph..."},
                   {130, 32838, "measure d&ifference of time and current..."},
                   {130, 32832, "&Print in any size..."},
                   {130, 32839, "&Output of DXF file..."},
                   {131, 32821, "P&age Setup..."},
                   {131, 32824, "P&rint Setup..."}};
    for (const Entry& e : entries) {
        std::map<unsigned, std::string> menu = EntriesOf(e.menu);
        ASSERT_TRUE(menu.count(e.id)) << e.menu << " " << e.id;
        EXPECT_EQ(menu[e.id], e.text) << e.menu << " " << e.id;
    }
    // Each prompt and tooltip is in the string table.
    for (unsigned id : {32818u, 32822u, 32824u, 32820u, 32823u, 32813u, 32795u, 32796u, 32797u,
                        32838u, 32832u, 32839u})
        EXPECT_NE(fw::LoadString(id).find('\n'), std::string::npos) << id;
}

TEST(GraphMenus, EachViewShowsItsOwnMenu) {
    Project c;
    REQUIRE_READY(c);
    EXPECT_EQ(c.p.Main()->GetMenuResource(), 129u);
    c.p.Main()->ExecuteCommand(tvid::ID_VIEW_COORDINATION);
    QApplication::processEvents();
    EXPECT_EQ(c.p.Main()->GetMenuResource(), 130u);
    c.p.Main()->ExecuteCommand(tvid::ID_VIEW_REPORT);
    QApplication::processEvents();
    EXPECT_EQ(c.p.Main()->GetMenuResource(), 131u);
    c.p.Main()->ExecuteCommand(tvid::ID_VIEW_IMPEMAP);
    QApplication::processEvents();
    EXPECT_EQ(c.p.Main()->GetMenuResource(), 129u);
}

TEST(GraphMenus, TheCoordinationViewsContextMenus) {
    StartedProgram p({"-Embedding"});
    using Ids = std::set<unsigned>;
    auto ids = [](unsigned menu, const char* popup) {
        Ids set;
        for (const auto& [id, text] : EntriesOf(menu, popup))
            set.insert(id);
        return set;
    };
    const Ids band{32814};
    const Ids one{32815, 57632};
    const Ids some{57632};
    for (unsigned menu : {147u, 148u, 149u, 150u, 151u, 152u}) {
        SCOPED_TRACE(menu);
        EXPECT_EQ(ids(menu, "[Un-Selecting]"), band);
        EXPECT_EQ(ids(menu, "[OneSelecting]"), one);
    }
    EXPECT_EQ(ids(147, "[SomeSelecting]"), some);
    EXPECT_EQ(ids(148, "[SomeSelecting]"), some);
    EXPECT_EQ(ids(149, "[TwoSelecting]"), (Ids{32804, 57632}));
    EXPECT_EQ(ids(150, "[TwoSelecting]"), (Ids{32800, 32801, 32802, 32803, 57632}));
    EXPECT_TRUE(ids(151, "[TwoSelecting]").empty());
    EXPECT_EQ(EntriesOf(147, "[Un-Selecting]")[32814], "&Change band or typical");
    EXPECT_EQ(EntriesOf(147, "[OneSelecting]")[32815], "&Adjustment...");
    EXPECT_EQ(EntriesOf(147, "[OneSelecting]")[57632], "&Delete...\tDel");
    EXPECT_EQ(EntriesOf(149, "[TwoSelecting]")[32804], "&Cascade");
    EXPECT_EQ(EntriesOf(150, "[TwoSelecting]")[32803], "Selective by Inst. with &current-limiting");
}

} // namespace
