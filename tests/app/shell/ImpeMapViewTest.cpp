// The impedance-map view of a started program: the sample project drawn on
// an image at two zooms with its labels apart, the zoom box and the scroll
// sizes, an empty diagram, the update hints, and printing on one page inside
// the margins (and refused when they leave no room).

#include "ShellTestSupport.h"

#include "app/elements/frame/CEleFrame.h"
#include "app/records/TovarineIds.h"
#include "app/shell/CChildFrame4.h"
#include "app/shell/CTovarineDoc.h"
#include "app/shell/CTovarineView4.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjElementList.h"
#include "tests/app/elements/ModelDatabasesTestSupport.h"
#include "tests/common/MessageCapture.h"
#include "tests/common/PdfFile.h"

#include "framework/CommandIds.h"
#include "framework/DeviceContext.h"
#include "framework/Resources.h"
#include "tests/app/elements/protection/ProtectionTestSupport.h"
#include "tests/common/FixtureDb.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QToolBar>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

using shelltest::StartedProgram;

// A started program, optionally on a sample project, with its impedance-map
// view open at a known size.
struct ImpeMap {
    explicit ImpeMap(const std::string& sample = {}) {
        p.Main()->resize(1200, 900);
        p.Main()->show();
        QApplication::processEvents();
        doc = p.app->GetActiveDocument();
        if (!doc || !dbs.IsOpen())
            return;
        if (!sample.empty() &&
            !doc->OnOpenDocument(std::string(TV_SOURCE_DIR) + "/examples/" + sample))
            return;
        p.Main()->ExecuteCommand(tvid::ID_VIEW_IMPEMAP);
        QApplication::processEvents();
        frame = p.Main()->ImpeMapFrame;
        view = frame ? dynamic_cast<CTovarineView4*>(frame->GetActiveView()) : nullptr;
        if (view)
            view->resize(800, 600);
        QApplication::processEvents();
    }
    bool Ready() const { return doc && view && dbs.IsOpen() && breakers.IsOpen(); }
    QComboBox* Zoom() const {
        return fw::FindControlAs<QComboBox>(frame->m_wndDlgBar, tvid::IDC_IMPEMAP_ZOOM);
    }
    void ChooseZoom(const QString& text) {
        QComboBox* box = Zoom();
        box->setCurrentIndex(box->findText(text));
        emit box->activated(box->currentIndex());
    }
    std::vector<CObjElement*> Elements() const {
        CObjElementList list;
        doc->CollectElements(list);
        return {list.begin(), list.end()};
    }

    elementtest::ModelDatabasesScope dbs;
    StartedProgram p;
    // The samples' breakers read their types from the breaker and curve
    // databases, as the program's do: given after the start, which hands
    // the models the program's own.
    protecttest::BreakerDatabasesScope breakers;
    tvtest::MessageCapture messages;
    CTovarineDoc* doc = nullptr;
    CChildFrame4* frame = nullptr;
    CTovarineView4* view = nullptr;
};

#define REQUIRE_READY(m) ASSERT_TRUE((m).Ready()) << "program, view or databases missing"

using tvtest::PdfPages;
using tvtest::PdfText;

bool Meet(const fw::CRect& a, const fw::CRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

} // namespace

TEST(ImpeMapView, TheSampleProjectIsDrawnAtTwoZoomsWithItsLabelsApart) {
    ImpeMap m("small-installation.tv2");
    REQUIRE_READY(m);
    const std::vector<CObjElement*> elements = m.Elements();
    ASSERT_GE(elements.size(), 5u);
    for (int32_t zoom : {100, 200}) {
        m.doc->m_infoImpeMap.m_nZoom = zoom;
        m.view->DoSetScrollSizes();
        m.view->ScrollToPosition(fw::CPoint(0, 0));
        QImage image(2400, 1800, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        fw::CDC dc(&painter);
        m.view->OnPrepareDC(&dc);
        m.view->OnDraw(&dc);
        painter.end();

        // Every label was laid out by the drawing, holds ink, and meets no
        // other label.
        struct Label {
            std::string owner;
            fw::CRect rect;
        };
        std::vector<Label> labels;
        for (CObjElement* e : elements) {
            auto* model = dynamic_cast<CEleFrame*>(e->GetElement());
            ASSERT_NE(model, nullptr);
            for (int i = 0; i < static_cast<int>(model->m_listRefV4.GetCount()); ++i) {
                const CObjRefV4* place = model->m_listRefV4.GetAtIndex(i);
                for (const fw::CRect& r :
                     {place->m_labels.m_rectLabel1, place->m_labels.m_rectLabel2}) {
                    if (r.Width() > 0 && r.Height() > 0)
                        labels.push_back({e->GetName(), r});
                }
            }
        }
        ASSERT_GE(labels.size(), elements.size()) << zoom;
        std::map<std::string, int> ink;
        for (size_t i = 0; i < labels.size(); ++i) {
            for (size_t j = i + 1; j < labels.size(); ++j)
                EXPECT_FALSE(Meet(labels[i].rect, labels[j].rect))
                    << zoom << ": " << labels[i].owner << " and " << labels[j].owner;
            fw::CRect device = labels[i].rect;
            dc.LPtoDP(&device);
            device.NormalizeRect();
            for (int y = device.top; y <= device.bottom && y < image.height(); ++y) {
                for (int x = device.left; x <= device.right && x < image.width(); ++x)
                    ink[labels[i].owner] += qGray(image.pixel(x, y)) < 200 ? 1 : 0;
            }
        }
        // Each element's name (and label, where it has a text) is on the
        // image where its placement says.
        for (CObjElement* e : elements)
            EXPECT_GT(ink[e->GetName()], 10) << zoom << ": " << e->GetName();
        // At zoom z one logical unit is z / 200 pixels.
        fw::CPoint corner(400, 400);
        dc.LPtoDP(&corner);
        EXPECT_EQ(corner, fw::CPoint(400 * zoom / 200, 400 * zoom / 200)) << zoom;
    }
}

TEST(ImpeMapView, AnEmptyDiagramDrawsNothingAndHasNoScrollRange) {
    ImpeMap m;
    REQUIRE_READY(m);
    EXPECT_EQ(m.view->DoSetScrollSizes(), fw::CPoint(0, 0));
    EXPECT_EQ(m.view->GetTotalSize(), fw::CSize(0, 0));
    fw::CRecordingDC dc;
    m.view->OnDraw(&dc);
    EXPECT_TRUE(dc.Records().empty());
}

TEST(ImpeMapView, TheZoomBoxScrollsBackToTheCornerAndIsUndoable) {
    ImpeMap m("small-installation.tv2");
    REQUIRE_READY(m);
    m.doc->SetModifiedFlag(false);
    EXPECT_EQ(m.Zoom()->currentText().toStdString(), "100%");
    m.ChooseZoom("100%");
    EXPECT_FALSE(m.doc->HasUndo());
    EXPECT_FALSE(m.doc->IsModified());

    int32_t cellsX = 0;
    int32_t cellsY = 0;
    m.doc->m_listGroups.GetUnionRect(&cellsX, &cellsY);
    m.ChooseZoom("200%");
    EXPECT_EQ(m.doc->m_infoImpeMap.m_nZoom, 200);
    EXPECT_TRUE(m.doc->HasUndo());
    EXPECT_TRUE(m.doc->IsModified());
    EXPECT_EQ(m.view->GetTotalSize(), fw::CSize(cellsX * 40, cellsY * 40));
    EXPECT_EQ(m.view->GetLineSize(), fw::CSize(40, 40));
    // The map fits the window at 50 %: the position is the corner.
    m.doc->m_infoImpeMap.m_ptScroll = fw::CPoint(120, 80);
    m.ChooseZoom("50%");
    EXPECT_EQ(m.doc->m_infoImpeMap.m_ptScroll, fw::CPoint(0, 0));
    EXPECT_EQ(m.view->GetScrollPosition(), fw::CPoint(0, 0));
    // 5 is not "50%": the box keeps its entry.
    m.view->DoSetZoomText(5);
    EXPECT_EQ(m.Zoom()->currentText().toStdString(), "50%");
    m.view->DoSetZoomText(75);
    EXPECT_EQ(m.Zoom()->currentText().toStdString(), "75%");
}

TEST(ImpeMapView, HintsOneFourAndFiveScrollToTheStoredPosition) {
    ImpeMap m("small-installation.tv2");
    REQUIRE_READY(m);
    m.doc->m_infoImpeMap.m_nZoom = 200;
    m.view->resize(200, 150);
    QApplication::processEvents();
    for (long hint : {1L, 4L, 5L}) {
        m.doc->m_infoImpeMap.m_ptScroll = fw::CPoint(40, 40);
        m.view->ScrollToPosition(fw::CPoint(0, 0));
        m.doc->UpdateAllViews(nullptr, hint, nullptr);
        EXPECT_EQ(m.view->GetScrollPosition(), fw::CPoint(40, 40)) << hint;
    }
    m.view->ScrollToPosition(fw::CPoint(0, 0));
    m.doc->UpdateAllViews(nullptr, 6, nullptr);
    EXPECT_EQ(m.view->GetScrollPosition(), fw::CPoint(0, 0));
}

TEST(ImpeMapPrinting, OnePageWithTheFrameAndTheMapInsideTheMargins) {
    tvtest::TempFolder folder;
    ImpeMap m("small-installation.tv2");
    REQUIRE_READY(m);
    QPrinter* printer = m.p.app->GetPrinter();
    printer->setOutputFormat(QPrinter::PdfFormat);
    const std::string path = folder.Path() + "map.pdf";
    printer->setOutputFileName(QString::fromStdString(path));
    m.p.Main()->ExecuteCommand(fw::id::FILE_PRINT_DIRECT);
    EXPECT_EQ(PdfPages(path), 1);
    const std::string text = PdfText(path);
    EXPECT_NE(text.find("IMPEDANCE-MAP"), std::string::npos);
    for (CObjElement* e : m.Elements())
        EXPECT_NE(text.find(e->GetName()), std::string::npos) << e->GetName();

    // The sheet: 32 mm under the top margin, centred between the side
    // margins, above the bottom margin.
    fw::CPrintInfo info;
    info.m_bDirect = true;
    ASSERT_TRUE(m.view->OnPreparePrinting(&info));
    fw::CSize page;
    fw::CPoint offsets;
    m.p.app->GetPrinterPageSize(page, &offsets);
    const double dpi = printer->resolution();
    auto px = [dpi](double mm) { return mm * dpi / 25.4; };
    fw::CRecordingDC dc(static_cast<int>(dpi), true);
    m.view->OnPrepareDC(&dc);
    const CInfoSkeleton& sheet = m.doc->m_infoSkeleton;
    fw::CPoint corners[2] = {fw::CPoint(0, 0),
                             fw::CPoint(sheet.m_nFrameCountX * 40, sheet.m_nFrameCountY * 40)};
    dc.LPtoDP(corners, 2);
    const fw::CRect& mm = m.doc->m_infoImpeMap.m_rectMargins;
    const double left = corners[0].x + offsets.x, top = corners[0].y + offsets.y;
    const double right = corners[1].x + offsets.x, bottom = corners[1].y + offsets.y;
    EXPECT_NEAR(top, px(mm.top + 32), 2.0);
    EXPECT_LE(bottom, page.cy - px(mm.bottom) + 1.0);
    EXPECT_NEAR(left - px(mm.left), page.cx - px(mm.right) - right, 2.0);
    EXPECT_EQ(m.messages.Count(), 0u);
}

TEST(ImpeMapPrinting, MarginsThatLeaveNoBoxAreRefusedWithAMessage) {
    // Landscape A4 is 210 mm high: 100 + 90 mm of margins and the 29 mm of
    // the title block leave a negative height.
    tvtest::TempFolder folder;
    ImpeMap m("small-installation.tv2");
    REQUIRE_READY(m);
    m.doc->m_infoImpeMap.m_rectMargins = fw::CRect(10, 100, 10, 90);
    QPrinter* printer = m.p.app->GetPrinter();
    printer->setOutputFormat(QPrinter::PdfFormat);
    const std::string path = folder.Path() + "nobox.pdf";
    printer->setOutputFileName(QString::fromStdString(path));
    m.p.Main()->ExecuteCommand(fw::id::FILE_PRINT_DIRECT);
    ASSERT_EQ(m.messages.Count(), 1u);
    EXPECT_NE(m.messages.Last().text.find("margins"), std::string::npos);
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(path)));
    EXPECT_EQ(m.view->GetPrintInfo(), nullptr);
}
