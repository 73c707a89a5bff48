// Output of the current co-ordination graph: the "Print in any size" dialog
// and command, printing to PDF in the three print modes, and the DXF drawing
// read back by a strict DXF reader.

#include "ShellTestSupport.h"
#include "TwoBreakerGraph.h"

#include "app/elements/protection/CEleLVCB.h"
#include "app/protection/CObjAdjust.h"
#include "app/protection/dialogs/CDlgPrintSpecial.h"
#include "app/records/TovarineIds.h"
#include "app/shell/CChildFrame2.h"
#include "app/shell/CTovarineDoc.h"
#include "app/shell/CTovarineView2.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjGroup.h"
#include "app/shell/model/ElementKindTable.h"
#include "tests/app/TestNetwork.h"
#include "tests/app/elements/ModelDatabasesTestSupport.h"
#include "tests/app/protection/AdjustTestSupport.h"
#include "tests/common/FaultyFileOps.h"
#include "tests/common/FixtureDb.h"
#include "tests/common/MessageCapture.h"
#include "tests/common/PdfFile.h"

#include "framework/DeviceContext.h"
#include "framework/FileDialog.h"
#include "framework/PrintInfo.h"
#include "framework/Resources.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <fstream>
#include <locale>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

using shelltest::StartedProgram;

// The two-breaker graph, unmodified, with a printer for the output tests.
struct GraphOutput : shelltest::TwoBreakerGraph {
    GraphOutput() {
        if (doc)
            doc->SetModifiedFlag(false);
    }

    // Whether the document enables a command now.
    bool Enabled(unsigned id) {
        fw::CCmdUI ui(id);
        EXPECT_TRUE(doc->OnUpdateCmdMsg(ui)) << id;
        return ui.IsEnabled();
    }

    // Prints to a PDF file through the printer the program has.
    void PrintTo(const std::string& path) {
        QPrinter* printer = p.app->GetPrinter();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(QString::fromStdString(path));
    }
};

#define REQUIRE_READY(g) ASSERT_TRUE((g).Ready()) << "program, view, graph or breakers missing"

// Chooses the file of every save dialog while it lives, and keeps what the
// dialog was asked.
class ChooseFile {
public:
    explicit ChooseFile(std::string path) : m_path(std::move(path)) {
        m_previous = fw::SetFileDialogSink([this](const fw::FileDialogRequest& request) {
            requests.push_back(request);
            return m_path.empty() ? std::optional<std::string>() : std::optional(m_path);
        });
    }
    ~ChooseFile() { fw::SetFileDialogSink(m_previous); }
    ChooseFile(const ChooseFile&) = delete;
    ChooseFile& operator=(const ChooseFile&) = delete;

    std::vector<fw::FileDialogRequest> requests;

private:
    std::string m_path;
    fw::FileDialogSink m_previous;
};

// Answers the document's modal dialogs in their place while it lives.
class AnswerDialogs {
public:
    explicit AnswerDialogs(std::function<int(QDialog&)> answer)
        : m_previous(std::exchange(CTovarineDoc::s_execDialog, std::move(answer))) {}
    ~AnswerDialogs() { CTovarineDoc::s_execDialog = m_previous; }
    AnswerDialogs(const AnswerDialogs&) = delete;
    AnswerDialogs& operator=(const AnswerDialogs&) = delete;

private:
    std::function<int(QDialog&)> m_previous;
};

// Accepts the print dialog of every job while it lives.
class AcceptPrintDialog {
public:
    AcceptPrintDialog() {
        m_previous = fw::CView::SetPrintDialogHook([this](QDialog&) {
            ++shown;
            return true;
        });
    }
    ~AcceptPrintDialog() { fw::CView::SetPrintDialogHook(m_previous); }
    AcceptPrintDialog(const AcceptPrintDialog&) = delete;
    AcceptPrintDialog& operator=(const AcceptPrintDialog&) = delete;
    int shown = 0;

private:
    fw::CView::DialogHook m_previous;
};

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// A word of a PDF page and its box in points, as pdftotext lays them out.
struct Word {
    std::string text;
    double xMin, yMin, xMax, yMax;
    double CentreX() const { return (xMin + xMax) / 2; }
    double CentreY() const { return (yMin + yMax) / 2; }
};

std::vector<Word> PdfWords(const std::string& path) {
    QProcess p;
    p.start("pdftotext", {"-bbox", QString::fromStdString(path), "-"});
    p.waitForFinished(30000);
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    std::vector<Word> words;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        words.push_back({m.captured(5).toStdString(), m.captured(1).toDouble(),
                         m.captured(2).toDouble(), m.captured(3).toDouble(),
                         m.captured(4).toDouble()});
    }
    return words;
}

// The words with that text.
std::vector<Word> Find(const std::vector<Word>& words, const std::string& text) {
    std::vector<Word> found;
    std::copy_if(words.begin(), words.end(), std::back_inserter(found),
                 [&text](const Word& w) { return w.text == text; });
    return found;
}

// The interpreter that has the distribution's ezdxf, if any.
QString EzdxfPython() {
    for (const QString& python : {QStringLiteral("/usr/bin/python3"), QStringLiteral("python3")}) {
        QProcess p;
        p.start(python, {"-c", "import ezdxf"});
        if (p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0)
            return python;
    }
    return {};
}

// What a strict DXF reader makes of a file: its audit, its layers, and
// every entity of the model space in file order.
struct DxfEntity {
    std::string type, layer, linetype;
    std::vector<std::pair<double, double>> points; // polyline vertices, a text's insert
    double height = 0.0;
    std::string text;
};
struct DxfRead {
    int auditErrors = -1;
    std::vector<std::string> layers;
    std::vector<DxfEntity> entities;
};

DxfRead ReadDxf(const QString& python, const std::string& path) {
    const char* script = R"(
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
print("AUDIT", len(auditor.errors))
for layer in doc.layers:
    print("LAYER", layer.dxf.name)
for e in doc.modelspace():
    t = e.dxftype()
    if t == "POLYLINE":
        print("POLYLINE", e.dxf.layer, e.dxf.linetype)
        for v in e.vertices:
            print("V %.5f %.5f" % (v.dxf.location.x, v.dxf.location.y))
    elif t == "TEXT":
        print("TEXT", e.dxf.layer, "%.3f" % e.dxf.height,
              "%.5f %.5f" % (e.dxf.insert.x, e.dxf.insert.y))
        print("T " + e.dxf.text)
    else:
        print(t, e.dxf.layer, "-")
)";
    QProcess p;
    p.start(python, {"-c", script, QString::fromStdString(path)});
    DxfRead read;
    if (!p.waitForFinished(60000) || p.exitCode() != 0) {
        ADD_FAILURE() << p.readAllStandardError().toStdString();
        return read;
    }
    std::istringstream out(p.readAllStandardOutput().toStdString());
    std::string line;
    while (std::getline(out, line)) {
        std::istringstream words(line);
        std::string head;
        words >> head;
        if (head == "AUDIT") {
            words >> read.auditErrors;
        } else if (head == "LAYER") {
            std::string name;
            words >> name;
            read.layers.push_back(name);
        } else if (head == "V") {
            double x = 0, y = 0;
            words >> x >> y;
            read.entities.back().points.emplace_back(x, y);
        } else if (head == "T") {
            read.entities.back().text = line.substr(2);
        } else {
            DxfEntity e;
            e.type = head;
            words >> e.layer >> e.linetype;
            if (head == "TEXT") {
                e.height = std::stod(e.linetype);
                e.linetype.clear();
                double x = 0, y = 0;
                words >> x >> y;
                e.points.emplace_back(x, y);
            }
            read.entities.push_back(e);
        }
    }
    return read;
}

std::vector<const DxfEntity*> OfType(const DxfRead& read, const std::string& type,
                                     const std::string& layer = {}) {
    std::vector<const DxfEntity*> found;
    for (const DxfEntity& e : read.entities)
        if (e.type == type && (layer.empty() || e.layer == layer))
            found.push_back(&e);
    return found;
}

using Polyline = std::vector<std::pair<int32_t, int32_t>>;

// The curves the view's drawing puts on a device context for the graph as
// the DXF output lays it out (the working copy of the graph in the drawing's
// rectangle): every polyline drawn in one of the given colours.
std::vector<Polyline> DrawnCurves(GraphOutput& g, const std::vector<uint32_t>& colours) {
    CObjGraph layout = CTovarineDocData::MakeDXFGraph(*g.graph);
    layout.DoSetGraphRect(fw::CRect(400, 1200, 2214, 3806));
    fw::CRecordingDC dc(254, true);
    dc.SetMapMode(fw::MM_LOMETRIC);
    const std::vector<CObjElement*> elements = g.view->GetElementsOnGraph(g.graph);
    layout.DoDrawAllCurves(&dc, g.doc->GetEleSettings(), CTovarineView2::AsOwners(elements),
                           fw::CRect(-100000, -100000, 100000, 100000));
    std::vector<Polyline> curves;
    for (const fw::CDrawRecord& r : dc.Records()) {
        if (r.kind == fw::CDrawRecord::Polyline &&
            std::find(colours.begin(), colours.end(), r.pen.color) != colours.end()) {
            Polyline points;
            for (const fw::CPoint& q : r.points)
                points.emplace_back(q.x, q.y);
            curves.push_back(points);
        }
    }
    return curves;
}

// A DXF polyline back in the graph's logical units (the drawing is in mm,
// the logical unit 0.1 mm).
using Vertices = std::vector<std::pair<double, double>>;
Vertices InLogicalUnits(const DxfEntity& e) {
    Vertices points;
    for (auto [x, y] : e.points)
        points.emplace_back(x * 10, y * 10);
    return points;
}

} // namespace

// ---------------------------------------------------------------- the dialog

TEST(PrintSpecialDialog, OpensWithTheSizesAndOkFollowsTheEditedSize) {
    StartedProgram p;
    CDlgPrintSpecial dialog(0, 60.0, 25.0);
    auto* time = fw::FindControlAs<QLineEdit>(&dialog, CDlgPrintSpecial::IDC_TIME_DECADE);
    auto* current = fw::FindControlAs<QLineEdit>(&dialog, CDlgPrintSpecial::IDC_CURRENT_DECADE);
    auto* ok = fw::FindControlAs<QPushButton>(&dialog, 1);
    auto* specify = fw::FindControlAs<QRadioButton>(&dialog, CDlgPrintSpecial::IDC_SPECIFY_DECADE);
    ASSERT_TRUE(time && current && ok && specify);
    // A mode below 2 becomes 1, the choice is set, the sizes shown as text.
    EXPECT_EQ(dialog.m_nMode, 1);
    EXPECT_TRUE(specify->isChecked());
    EXPECT_EQ(time->text().toStdString(), "25");
    EXPECT_EQ(current->text().toStdString(), "60");
    EXPECT_TRUE(ok->isEnabled());
    EXPECT_EQ(dialog.windowTitle().toStdString(), "Print in any size");

    // Editing either size: OK only while the edited value is above 0.
    struct Edit {
        QLineEdit* edit;
        const char* text;
        bool okEnabled;
    } edits[] = {{time, "", false},      {time, "12.5", true}, {current, "0", false},
                 {current, "-4", false}, {current, "7", true}, {time, "abc", false},
                 {time, "30", true}};
    for (const Edit& e : edits) {
        // As typing does: the text, then the signal of a user's edit.
        e.edit->setText(QString::fromLatin1(e.text));
        emit e.edit->textEdited(e.edit->text());
        EXPECT_EQ(ok->isEnabled(), e.okEnabled) << e.text;
    }
    EXPECT_EQ(dialog.m_dTimeDecade, 30.0);
    EXPECT_EQ(dialog.m_dCurrentDecade, 7.0);
}

TEST(PrintSpecialDialog, BadSizesKeepItOpenWithTheFocusAndAMessageForTexts) {
    StartedProgram p;
    tvtest::MessageCapture messages;
    struct Case {
        const char* time;
        const char* current;
        unsigned focus;      // the edit that takes the focus, 0 when it closes
        const char* message; // the start of the message, "" for none
    } cases[] = {
        {"0", "60", CDlgPrintSpecial::IDC_TIME_DECADE, ""},
        {"", "60", CDlgPrintSpecial::IDC_TIME_DECADE, ""},
        {"25", "0", CDlgPrintSpecial::IDC_CURRENT_DECADE, ""},
        {"25", "-1", CDlgPrintSpecial::IDC_CURRENT_DECADE, ""},
        {"2x5", "60", CDlgPrintSpecial::IDC_TIME_DECADE,
         "\"Size of one decade on time-axis(mm)\" must be a number."},
        {"25", "1e999", CDlgPrintSpecial::IDC_CURRENT_DECADE,
         "\"Size of one decade on current-axis(mm)\" must be a number."},
        {"25", "nan", CDlgPrintSpecial::IDC_CURRENT_DECADE,
         "\"Size of one decade on current-axis(mm)\" must be a number."},
        {"25", "20000", CDlgPrintSpecial::IDC_CURRENT_DECADE,
         "\"Size of one decade on current-axis(mm)\" must not be above 10000."},
        {" 25 ", "10000", 0, ""},
    };
    for (const Case& c : cases) {
        messages.Clear();
        CDlgPrintSpecial dialog(1, 60.0, 25.0);
        dialog.show();
        QApplication::processEvents();
        auto* time = fw::FindControlAs<QLineEdit>(&dialog, CDlgPrintSpecial::IDC_TIME_DECADE);
        auto* current = fw::FindControlAs<QLineEdit>(&dialog, CDlgPrintSpecial::IDC_CURRENT_DECADE);
        time->setText(QString::fromLatin1(c.time));
        current->setText(QString::fromLatin1(c.current));
        // Enter reaches the checks whether OK is enabled or not.
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(&dialog, &enter);
        QApplication::processEvents();
        if (c.focus == 0) {
            EXPECT_EQ(dialog.result(), QDialog::Accepted) << c.time << " " << c.current;
            EXPECT_EQ(dialog.m_dTimeDecade, 25.0);
            EXPECT_EQ(dialog.m_dCurrentDecade, 10000.0);
        } else {
            EXPECT_TRUE(dialog.isVisible()) << c.time << " " << c.current;
            EXPECT_EQ(QApplication::focusWidget(), fw::FindControlAs<QWidget>(&dialog, c.focus))
                << c.time << " " << c.current;
        }
        if (*c.message) {
            ASSERT_EQ(messages.Count(), 1u) << c.time << " " << c.current;
            EXPECT_EQ(messages.Last().text, c.message);
        } else {
            EXPECT_EQ(messages.Count(), 0u) << c.time << " " << c.current;
        }
        dialog.hide();
    }
}

// ---------------------------------------------------------------- enabling

TEST(GraphOutputCommands, EnabledWithACurrentGraphAndDXFOnlyWithCurves) {
    GraphOutput g;
    REQUIRE_READY(g);
    EXPECT_TRUE(g.Enabled(tvid::ID_COORD_PRINT_SPECIAL));
    EXPECT_TRUE(g.Enabled(tvid::ID_COORD_DXF));
    // Both curves taken off the graph: printing still makes sense, DXF not.
    g.cb1->RemoveFromGraph(g.graph->m_nGraphNo);
    g.cb2->RemoveFromGraph(g.graph->m_nGraphNo);
    EXPECT_TRUE(g.Enabled(tvid::ID_COORD_PRINT_SPECIAL));
    EXPECT_FALSE(g.Enabled(tvid::ID_COORD_DXF));
    // No current graph: neither.
    g.graph->m_nCurrent = 0;
    EXPECT_FALSE(g.Enabled(tvid::ID_COORD_PRINT_SPECIAL));
    EXPECT_FALSE(g.Enabled(tvid::ID_COORD_DXF));
    // And the commands then do nothing.
    ChooseFile choose("/nonexistent/never.dxf");
    EXPECT_TRUE(g.doc->OnCmdMsg(tvid::ID_COORD_DXF));
    EXPECT_TRUE(choose.requests.empty());
    EXPECT_EQ(g.messages.Count(), 0u);
}

// ---------------------------------------------------------------- printing

// One page in each print mode, with the graph's titles and scale numbers;
// every job ends in bounded time and leaves the view as it was.
TEST(GraphPrinting, ThreePrintModesGiveOnePageWithTitlesAndScales) {
    tvtest::TempFolder folder;
    GraphOutput g;
    REQUIRE_READY(g);
    // Current 10 to 100000 A, time 0.01 to 100000 s (the defaults).
    ASSERT_EQ(g.graph->m_dCurrentMin, 10.0);
    ASSERT_EQ(g.graph->m_dCurrentMax, 100000.0);
    struct Case {
        int32_t mode;
        std::vector<std::string> texts;
    } cases[] = {
        {0,
         {"CO-ORDINATION STUDY", "Current(A) at 400V", "Operating", "time(s)", "10", "100", "1000",
          "10000", "100000", "0.01", "0.1"}},
        {1,
         {"CO-ORDINATION STUDY", "Current(A) at 400V", "Operating", "time(s)", "10", "100", "1000",
          "0.01"}},
        // The fixed-scale form runs from 2 x to 30000 x the current minimum.
        {2, {"CO-ORDINATION STUDY", "Current(A) at 400V", "20", "50", "0.01"}},
    };
    for (const Case& c : cases) {
        const std::string path = folder.Path() + "mode" + std::to_string(c.mode) + ".pdf";
        g.PrintTo(path);
        g.graph->m_nPrintMode = c.mode;
        QElapsedTimer timer;
        timer.start();
        g.p.Main()->ExecuteCommand(fw::id::FILE_PRINT_DIRECT);
        EXPECT_LT(timer.elapsed(), 60000) << c.mode;
        EXPECT_EQ(g.view->GetPrintInfo(), nullptr) << c.mode;
        EXPECT_EQ(g.graph->m_nPrint, 0) << c.mode;
        ASSERT_EQ(tvtest::PdfPages(path), 1) << c.mode;
        const std::vector<Word> words = PdfWords(path);
        std::string all;
        for (const Word& w : words)
            all += w.text + " ";
        for (const std::string& text : c.texts) {
            const bool found = text.find(' ') == std::string::npos
                                   ? !Find(words, text).empty()
                                   : tvtest::PdfText(path).find(text) != std::string::npos;
            EXPECT_TRUE(found) << "mode " << c.mode << ": " << text << " in " << all;
        }
    }
    g.graph->m_nPrintMode = 0;
    EXPECT_EQ(g.messages.Count(), 0u);
    EXPECT_FALSE(g.doc->IsModified());
}

// "Print in any size": the sizes asked, one landscape page whose decades
// have those lengths, the sizes kept, the print mode back to normal, and
// nothing the user must save.
TEST(GraphPrinting, PrintInAnySizeUsesTheDecadeSizesAskedAndKeepsThem) {
    tvtest::TempFolder folder;
    GraphOutput g;
    REQUIRE_READY(g);
    const std::string path = folder.Path() + "any.pdf";
    g.PrintTo(path);
    AcceptPrintDialog printDialog;
    int asked = 0;
    AnswerDialogs answer([&asked](QDialog& dialog) {
        ++asked;
        auto* d = dynamic_cast<CDlgPrintSpecial*>(&dialog);
        if (!d)
            return int(QDialog::Rejected);
        EXPECT_EQ(d->m_dCurrentDecade, 60.0);
        EXPECT_EQ(d->m_dTimeDecade, 25.0);
        fw::FindControlAs<QLineEdit>(d, CDlgPrintSpecial::IDC_CURRENT_DECADE)->setText("40");
        fw::FindControlAs<QLineEdit>(d, CDlgPrintSpecial::IDC_TIME_DECADE)->setText("20");
        d->accept();
        return d->result();
    });
    ASSERT_TRUE(g.Enabled(tvid::ID_COORD_PRINT_SPECIAL));
    g.p.Main()->ExecuteCommand(tvid::ID_COORD_PRINT_SPECIAL);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(printDialog.shown, 1);
    ASSERT_EQ(tvtest::PdfPages(path), 1);
    EXPECT_EQ(g.graph->m_dPrintCurrentDecade, 40.0);
    EXPECT_EQ(g.graph->m_dPrintTimeDecade, 20.0);
    EXPECT_EQ(g.graph->m_nPrintMode, 0);
    EXPECT_EQ(g.graph->m_nPrint, 0);
    EXPECT_FALSE(g.doc->IsModified());
    EXPECT_FALSE(g.doc->HasUndo());

    // The scale numbers stand one decade apart: 40 mm across between the
    // centres of "100" and "1000", 20 mm down between "1" and "10" (a point
    // is 25.4 / 72 mm). Each number is centred on its line.
    const std::vector<Word> words = PdfWords(path);
    const double mm = 72.0 / 25.4;
    const std::vector<Word> hundred = Find(words, "100");
    const std::vector<Word> thousand = Find(words, "1000");
    ASSERT_FALSE(hundred.empty());
    ASSERT_FALSE(thousand.empty());
    // The current axis's numbers lie lowest on the page.
    auto lowest = [](const std::vector<Word>& list) {
        return *std::max_element(list.begin(), list.end(),
                                 [](const Word& a, const Word& b) { return a.yMin < b.yMin; });
    };
    EXPECT_NEAR(lowest(thousand).CentreX() - lowest(hundred).CentreX(), 40.0 * mm, 1.5);
    const std::vector<Word> one = Find(words, "1");
    const std::vector<Word> ten = Find(words, "10");
    ASSERT_FALSE(one.empty());
    ASSERT_FALSE(ten.empty());
    // The time axis's numbers stand left of everything else.
    auto leftmost = [](const std::vector<Word>& list) {
        return *std::min_element(list.begin(), list.end(),
                                 [](const Word& a, const Word& b) { return a.xMin < b.xMin; });
    };
    EXPECT_NEAR(leftmost(one).CentreY() - leftmost(ten).CentreY(), 20.0 * mm, 1.5);

    // Cancel prints nothing and changes nothing.
    const std::string none = folder.Path() + "none.pdf";
    g.PrintTo(none);
    AnswerDialogs cancel([](QDialog&) { return int(QDialog::Rejected); });
    g.p.Main()->ExecuteCommand(tvid::ID_COORD_PRINT_SPECIAL);
    EXPECT_EQ(printDialog.shown, 1);
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(none)));
    EXPECT_EQ(g.graph->m_dPrintCurrentDecade, 40.0);
    EXPECT_EQ(g.messages.Count(), 0u);
}

// ---------------------------------------------------------------- DXF

// The drawing read back strictly: the form's layers and grid, one polyline
// per curve with the very points the view draws for that layout, and each
// breaker's label as text.
TEST(GraphDxf, ReadBackStrictlyWithTheCurvesTheViewDraws) {
    const QString python = EzdxfPython();
    if (python.isEmpty())
        GTEST_SKIP() << "python3 with ezdxf is not available";
    tvtest::TempFolder folder;
    GraphOutput g;
    REQUIRE_READY(g);
    struct Case {
        int32_t band;
        const char* layer; // of the curves
        size_t perBreaker; // polylines
    } cases[] = {{1, "7", 2}, {0, "4", 1}};
    for (const Case& c : cases) {
        if (g.graph->m_nBand != c.band)
            g.doc->DoToggleBand(*g.graph);
        const std::string path = folder.Path() + "band" + std::to_string(c.band) + ".dxf";
        ChooseFile choose(path);
        ASSERT_TRUE(g.Enabled(tvid::ID_COORD_DXF));
        g.p.Main()->ExecuteCommand(tvid::ID_COORD_DXF);
        ASSERT_EQ(choose.requests.size(), 1u);
        EXPECT_FALSE(choose.requests[0].open);
        EXPECT_EQ(choose.requests[0].fileName, "*.dxf");
        EXPECT_EQ(choose.requests[0].filter, "DXF files (*.dxf)|*.dxf||");
        EXPECT_EQ(g.messages.Count(), 0u);

        const DxfRead read = ReadDxf(python, path);
        EXPECT_EQ(read.auditErrors, 0) << c.band;
        for (const char* layer : {"0", "4", "7"})
            EXPECT_NE(std::find(read.layers.begin(), read.layers.end(), layer), read.layers.end())
                << layer;
        // The form's grid is there (lines on layer 0) ...
        EXPECT_GT(OfType(read, "LINE", "0").size(), 20u);
        // ... and the curves: one polyline each, exactly the points drawn.
        const std::vector<const DxfEntity*> polylines = OfType(read, "POLYLINE");
        ASSERT_EQ(polylines.size(), 2 * c.perBreaker) << c.band;
        std::vector<Vertices> written;
        for (const DxfEntity* e : polylines) {
            EXPECT_EQ(e->layer, c.layer);
            EXPECT_EQ(e->linetype, "CONTINUOUS");
            EXPECT_GE(e->points.size(), 3u);
            written.push_back(InLogicalUnits(*e));
        }
        std::vector<Polyline> drawn = DrawnCurves(g, {0xFF0000, 0x00C000});
        ASSERT_EQ(drawn.size(), written.size()) << c.band;
        // The curves hold drawing co-ordinates as doubles: the device rounds
        // them to whole units, the drawing keeps five significant digits in
        // mm. So each vertex lies within half a unit (and half the last
        // digit written, 0.05 units) of the point drawn.
        // Both in the order of their first points (the curves start apart).
        std::sort(written.begin(), written.end());
        std::sort(drawn.begin(), drawn.end());
        for (size_t i = 0; i < written.size(); ++i) {
            ASSERT_EQ(written[i].size(), drawn[i].size()) << c.band << " curve " << i;
            for (size_t k = 0; k < written[i].size(); ++k) {
                EXPECT_LE(std::abs(written[i][k].first - drawn[i][k].first), 0.55)
                    << c.band << " curve " << i << " vertex " << k;
                EXPECT_LE(std::abs(written[i][k].second - drawn[i][k].second), 0.55)
                    << c.band << " curve " << i << " vertex " << k;
            }
        }

        // Each breaker's label starts with its name, 3 mm high, on the
        // curves' layer 4, inside the drawing's plot rectangle.
        std::vector<std::string> texts;
        for (const DxfEntity* e : OfType(read, "TEXT", "4")) {
            texts.push_back(e->text);
            EXPECT_EQ(e->height, 3.0);
            EXPECT_GE(e->points[0].first, 40.0);
            EXPECT_LE(e->points[0].first, 221.4);
        }
        for (const char* name : {"CB1", "CB2"}) {
            EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [name](const std::string& t) {
                return t.rfind(name, 0) == 0;
            })) << name;
        }
    }
    // Writing a drawing changes nothing of the project.
    EXPECT_FALSE(g.doc->IsModified());
}

// A program started under a decimal-comma locale writes the same bytes.
TEST(GraphDxf, CommaLocaleWritesTheSameBytes) {
    tvtest::TempFolder folder;
    GraphOutput g;
    REQUIRE_READY(g);
    const std::string plain = folder.Path() + "c.dxf";
    const std::string comma = folder.Path() + "de.dxf";
    {
        ChooseFile choose(plain);
        g.p.Main()->ExecuteCommand(tvid::ID_COORD_DXF);
    }
    const std::string oldC = std::setlocale(LC_ALL, nullptr);
    const std::locale oldCpp;
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "the de_DE.UTF-8 locale is not installed";
    std::locale::global(std::locale("de_DE.UTF-8"));
    {
        ChooseFile choose(comma);
        g.p.Main()->ExecuteCommand(tvid::ID_COORD_DXF);
    }
    std::locale::global(oldCpp);
    std::setlocale(LC_ALL, oldC.c_str());
    const std::string a = ReadFile(plain);
    ASSERT_GT(a.size(), 1000u);
    EXPECT_EQ(ReadFile(comma), a);
    // Co-ordinates with a point only: "123.45", never "123,45" (a label's
    // text may hold a comma of its own).
    std::istringstream lines(a);
    std::string code, value;
    int coordinates = 0;
    static const QRegularExpression number(R"(^-?\d+(\.\d+)?$)");
    while (std::getline(lines, code) && std::getline(lines, value)) {
        if (code == "10" || code == "20") {
            ++coordinates;
            EXPECT_TRUE(number.match(QString::fromStdString(value)).hasMatch()) << value;
        }
    }
    EXPECT_GT(coordinates, 100);
}

// The form follows the graph's own lower current bound, and the entities
// go into the form's ENTITIES section before its end.
TEST(GraphDxf, FormChosenByTheLowerCurrentBound) {
    tvtest::TempFolder folder;
    GraphOutput g;
    REQUIRE_READY(g);
    const struct {
        double currentMin;
        const char* title;
    } cases[] = {{0.1, "lower current bound up to 0.2 A"},
                 {1.0, "lower current bound 0.2 A to 2 A"},
                 {10.0, "lower current bound from 2 A"}};
    for (const auto& c : cases) {
        g.graph->m_dCurrentMin = c.currentMin;
        const std::string path = folder.Path() + "form.dxf";
        ChooseFile choose(path);
        g.p.Main()->ExecuteCommand(tvid::ID_COORD_DXF);
        const std::string text = ReadFile(path);
        EXPECT_NE(text.find(c.title), std::string::npos) << c.currentMin;
        const size_t entities = text.find("\n2\nENTITIES\n");
        const size_t polyline = text.find("\nPOLYLINE\n");
        const size_t end = text.find("\n0\nENDSEC\n", entities);
        ASSERT_NE(entities, std::string::npos);
        ASSERT_NE(polyline, std::string::npos);
        EXPECT_LT(entities, polyline);
        EXPECT_LT(polyline, end);
        EXPECT_EQ(text.rfind("\nPOLYLINE\n"), text.rfind("\nPOLYLINE\n", end));
    }
    g.graph->m_dCurrentMin = 10.0;
}

// A write that fails leaves the file the user chose as it was and says so,
// naming the file; the temporary file is gone.
TEST(GraphDxf, FailedWriteLeavesTheOldFileAndSaysSo) {
    tvtest::TempFolder folder;
    GraphOutput g;
    REQUIRE_READY(g);
    const std::string path = folder.Path() + "old.dxf";
    const std::string old = "0\nSECTION\n2\nENTITIES\n0\nENDSEC\n0\nEOF\n";
    const struct {
        tvtest::FaultyFileOps::Fault fault;
        const char* reason;
    } cases[] = {{tvtest::FaultyFileOps::AtOpen, "Permission denied"},
                 {tvtest::FaultyFileOps::AtFirstByte, "No space left on device"},
                 {tvtest::FaultyFileOps::InTheMiddle, "No space left on device"},
                 {tvtest::FaultyFileOps::AtSync, "Input/output error"},
                 {tvtest::FaultyFileOps::AtRename, ""}};
    for (const auto& c : cases) {
        WriteFile(path, old);
        g.messages.Clear();
        {
            ChooseFile choose(path);
            tvtest::FaultyFileOps faults(c.fault, 20000);
            g.p.Main()->ExecuteCommand(tvid::ID_COORD_DXF);
        }
        EXPECT_EQ(ReadFile(path), old) << c.fault;
        ASSERT_EQ(g.messages.Count(), 1u) << c.fault;
        EXPECT_NE(g.messages.Last().text.find(path), std::string::npos) << c.fault;
        EXPECT_NE(g.messages.Last().text.find(c.reason), std::string::npos) << c.fault;
        EXPECT_EQ(QDir(QString::fromStdString(folder.Path())).entryList(QDir::Files).size(), 1)
            << c.fault;
    }
    // Without a fault the drawing replaces the old file.
    g.messages.Clear();
    ChooseFile choose(path);
    g.p.Main()->ExecuteCommand(tvid::ID_COORD_DXF);
    EXPECT_EQ(g.messages.Count(), 0u);
    EXPECT_NE(ReadFile(path).find("POLYLINE"), std::string::npos);
    // Cancel in the file dialog writes nothing.
    WriteFile(path, old);
    ChooseFile cancel("");
    g.p.Main()->ExecuteCommand(tvid::ID_COORD_DXF);
    EXPECT_EQ(ReadFile(path), old);
}

// A form that cannot be read, or that has no ENTITIES section, is reported
// with its name, and nothing is made of it.
TEST(GraphDxf, UnreadableOrEmptyFormIsReported) {
    tvtest::TempFolder folder;
    GraphOutput g;
    REQUIRE_READY(g);
    std::string text = "untouched";
    std::string error;
    const std::string missing = folder.Path() + "missing.dxf";
    EXPECT_FALSE(g.doc->DoMakeDXFDrawing(*g.graph, missing, &text, &error));
    EXPECT_EQ(error, missing + "\nNo such file or directory");
    const std::string header = folder.Path() + "header.dxf";
    WriteFile(header, "0\nSECTION\n2\nHEADER\n0\nENDSEC\n0\nEOF\n");
    EXPECT_FALSE(g.doc->DoMakeDXFDrawing(*g.graph, header, &text, &error));
    EXPECT_EQ(error, header + "\nThe DXF form has no ENTITIES section: nothing was written.");
    EXPECT_EQ(text, "untouched");
}
