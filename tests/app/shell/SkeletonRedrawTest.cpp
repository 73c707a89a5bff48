// The skeleton view's repaint on the sample project: a part of the window
// painted alone gives the pixels a paint of the whole window gives there,
// and the labels that a paint lays out are measured again exactly when
// something they depend on changed (the element's data, its place, the
// zoom, the mode, the font, the calculation's results), not on every paint.

#include "ShellTestSupport.h"

#include "app/elements/frame/CEleFrame.h"
#include "app/records/ElementKinds.h"
#include "app/records/TovarineIds.h"
#include "app/shell/CChildFrame1.h"
#include "app/shell/CTovarineDoc.h"
#include "app/shell/CTovarineView1.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjElementList.h"
#include "app/shell/model/CObjGroup.h"
#include "tests/app/elements/ModelDatabasesTestSupport.h"
#include "tests/app/elements/protection/ProtectionTestSupport.h"
#include "tests/common/MessageCapture.h"

#include "framework/DeviceContext.h"
#include "framework/Region.h"
#include "framework/StringTable.h"
#include "resources/StringTables.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

extern const char* const kTovarineStringTable;

namespace {

using shelltest::StartedProgram;

// A started program on the small sample installation, its skeleton view at
// a known size.
struct Sample {
    Sample() {
        p.Main()->resize(1200, 900);
        p.Main()->show();
        QApplication::processEvents();
        doc = p.app->GetActiveDocument();
        if (!doc || !dbs.IsOpen() ||
            !doc->OnOpenDocument(std::string(TV_SOURCE_DIR) + "/examples/small-installation.tv2"))
            return;
        auto* frame = p.Main()->SkeletonFrame;
        view = frame ? dynamic_cast<CTovarineView1*>(frame->GetActiveView()) : nullptr;
        if (view)
            view->resize(900, 700);
        QApplication::processEvents();
    }
    bool Ready() const { return doc && view && dbs.IsOpen() && breakers.IsOpen(); }

    CObjElement* First(int32_t kind) const {
        CObjElementList list;
        doc->CollectElements(list);
        for (CObjElement* e : list) {
            if (e->GetKind() == kind)
                return e;
        }
        return nullptr;
    }
    static CObjRefLabels& Labels(CObjElement* e) {
        return dynamic_cast<CEleFrame&>(*e->GetElement()).m_listRefV1.GetAtIndex(0)->m_labels;
    }

    // A paint of an exposed area of the window, as the view paints one: the
    // area cleared and clipped, the view's mapping at its scroll position.
    void PaintExposed(QImage& image, const QRect& exposed) {
        QPainter painter(&image);
        painter.fillRect(exposed, Qt::white);
        fw::CDC dc(&painter);
        fw::CRgn clip;
        clip.CreateRectRgn(exposed.left(), exposed.top(), exposed.left() + exposed.width(),
                           exposed.top() + exposed.height());
        dc.SelectClipRgn(&clip);
        view->OnPrepareDC(&dc);
        view->OnDraw(&dc);
    }
    QImage PaintWindow() {
        QImage image(view->width(), view->height(), QImage::Format_RGB32);
        PaintExposed(image, image.rect());
        return image;
    }

    elementtest::ModelDatabasesScope dbs;
    StartedProgram p;
    protecttest::BreakerDatabasesScope breakers;
    tvtest::MessageCapture messages;
    CTovarineDoc* doc = nullptr;
    CTovarineView1* view = nullptr;
};

#define REQUIRE_READY(s) ASSERT_TRUE((s).Ready()) << "program, view, sample or databases missing"

// Where the first differing pixel is, for the message.
std::string FirstDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return "sizes differ";
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                return "first at (" + std::to_string(x) + ", " + std::to_string(y) + ")";
        }
    }
    return "none";
}

} // namespace

// The window painted in strips, or one part of it alone, shows what a paint
// of the whole window shows there: in drawing mode with its grid and
// insertion cell, and with the calculation's labels, at zooms whose cells
// are no whole number of pixels, scrolled.
TEST(SkeletonRedraw, APartOfTheWindowIsPaintedAsTheWholeWindowPaintsIt) {
    Sample s;
    REQUIRE_READY(s);
    for (int32_t mode : {1, 3}) {
        if (mode == 3) {
            s.doc->m_nMode = 2;
            s.doc->DoModeCalculation();
            ASSERT_EQ(s.doc->m_nMode, 3);
        }
        for (int32_t zoom : {75, 150}) {
            s.doc->m_infoSkeleton.m_nZoom = zoom;
            s.view->DoSetScrollSizes();
            s.view->ScrollToPosition(fw::CPoint(37 * zoom / 100, 29 * zoom / 100));
            const QImage whole = s.PaintWindow();

            QImage rows(whole.size(), QImage::Format_RGB32);
            for (int y = 0; y < rows.height(); y += 53)
                s.PaintExposed(rows, QRect(0, y, rows.width(), std::min(53, rows.height() - y)));
            EXPECT_TRUE(rows == whole) << "mode " << mode << ", zoom " << zoom
                                       << ", rows: " << FirstDifference(rows, whole);
            QImage columns(whole.size(), QImage::Format_RGB32);
            for (int x = 0; x < columns.width(); x += 71)
                s.PaintExposed(columns,
                               QRect(x, 0, std::min(71, columns.width() - x), columns.height()));
            EXPECT_TRUE(columns == whole) << "mode " << mode << ", zoom " << zoom
                                          << ", columns: " << FirstDifference(columns, whole);

            // One part alone: the window's pixels inside it, nothing outside.
            const QRect part(123, 97, 311, 257);
            QImage alone(whole.size(), QImage::Format_RGB32);
            alone.fill(Qt::black);
            s.PaintExposed(alone, part);
            QImage expected(whole.size(), QImage::Format_RGB32);
            expected.fill(Qt::black);
            {
                QPainter painter(&expected);
                painter.drawImage(part.topLeft(), whole.copy(part));
            }
            EXPECT_TRUE(alone == expected) << "mode " << mode << ", zoom " << zoom
                                           << ", part: " << FirstDifference(alone, expected);
        }
    }
}

// A paint after a paint with nothing changed lays out no label anew, and
// draws the same.
TEST(SkeletonRedraw, ARepaintOfAnUnchangedSkeletonMeasuresNoLabel) {
    Sample s;
    REQUIRE_READY(s);
    const QImage first = s.PaintWindow();
    const long measured = CObjRefLabels::GetMeasuredLayouts();
    const QImage second = s.PaintWindow();
    EXPECT_EQ(CObjRefLabels::GetMeasuredLayouts(), measured);
    EXPECT_TRUE(first == second) << FirstDifference(first, second);
}

// Each change of what a label's layout depends on has the next paint lay
// it out anew: the layout it keeps is the one a paint makes of rectangles
// laid out from nothing (cleared before the paint), and it moved or changed
// size with the change where the change moves or resizes it (a zoom does
// not: the texts are measured in logical units).
TEST(SkeletonRedraw, EveryChangeALabelDependsOnLaysItOutAnew) {
    struct Case {
        const char* name;
        int32_t kind; // the element whose label is watched
        bool changesLayout;
        std::function<void(Sample&, CObjElement*)> change;
    };
    const std::vector<Case> cases = {
        {"element edited", kKindSource, true,
         [](Sample&, CObjElement* e) { e->SetVoltage(e->GetVoltage(0) * 100); }},
        {"element moved", kKindBusBar, true,
         [](Sample& s, CObjElement* e) {
             for (auto& group : s.doc->m_listGroups) {
                 if (group->GetElement() == e) {
                     const fw::CRect r = group->GetRect();
                     group->DoMoveTo(nullptr, r.left + 400, r.top + 40);
                 }
             }
         }},
        {"zoom", kKindSource, false,
         [](Sample& s, CObjElement*) {
             s.doc->m_infoSkeleton.m_nZoom = 150;
             s.view->DoSetScrollSizes();
         }},
        {"mode", kKindBusBar, true, [](Sample& s, CObjElement*) { s.doc->m_nMode = 2; }},
        {"font", kKindSource, true,
         [](Sample&, CObjElement*) {
             std::string table = kTovarineStringTable;
             const std::string face = "27008\tArial";
             const size_t at = table.find(face);
             ASSERT_NE(at, std::string::npos);
             table.replace(at, face.size(), "27008\tDejaVu Sans Mono");
             fw::RegisterStringTable(table.c_str());
         }},
        // Cleared results keep the lines and their width: the label is laid
        // out anew all the same.
        {"calculation results", kKindBusBar, false,
         [](Sample& s, CObjElement*) { s.doc->DoClearResults(); }},
    };
    for (const Case& c : cases) {
        Sample s;
        REQUIRE_READY(s);
        // Calculated, so that the labels show results.
        s.doc->m_nMode = 2;
        s.doc->DoModeCalculation();
        ASSERT_EQ(s.doc->m_nMode, 3) << c.name;
        CObjElement* e = s.First(c.kind);
        ASSERT_NE(e, nullptr) << c.name;
        s.PaintWindow();
        const CObjRefLabels before = Sample::Labels(e);
        const long measured = CObjRefLabels::GetMeasuredLayouts();

        c.change(s, e);
        s.PaintWindow();
        EXPECT_GT(CObjRefLabels::GetMeasuredLayouts(), measured) << c.name;
        const CObjRefLabels after = Sample::Labels(e);
        if (c.changesLayout) {
            EXPECT_FALSE(after.m_rectLabel1 == before.m_rectLabel1 &&
                         after.m_rectLabel2 == before.m_rectLabel2)
                << c.name;
        }

        Sample::Labels(e).m_rectLabel1 = fw::CRect();
        Sample::Labels(e).m_rectLabel2 = fw::CRect();
        s.PaintWindow();
        EXPECT_EQ(after.m_rectLabel1, Sample::Labels(e).m_rectLabel1) << c.name;
        EXPECT_EQ(after.m_rectLabel2, Sample::Labels(e).m_rectLabel2) << c.name;
        RegisterTovarineStrings();
    }
}

// The labels' texts are drawn by the glyphs kept from an earlier paint: a
// repaint after a label's text changed (the element edited), after the
// font changed and at another zoom shows what the same paint shows with
// every text set anew.
TEST(SkeletonRedraw, ARepaintAfterATextChangedShowsTheNewText) {
    Sample s;
    REQUIRE_READY(s);
    s.doc->m_nMode = 2;
    s.doc->DoModeCalculation();
    ASSERT_EQ(s.doc->m_nMode, 3);
    auto anew = [&s] {
        fw::CDC::SetKeepShapedTexts(false);
        QImage image = s.PaintWindow();
        fw::CDC::SetKeepShapedTexts(true);
        return image;
    };
    const QImage before = s.PaintWindow();
    EXPECT_TRUE(s.PaintWindow() == anew());

    CObjElement* source = s.First(kKindSource);
    ASSERT_NE(source, nullptr);
    source->SetVoltage(source->GetVoltage(0) * 100);
    const QImage edited = s.PaintWindow();
    EXPECT_FALSE(edited == before);
    const QImage editedAnew = anew();
    EXPECT_TRUE(edited == editedAnew) << FirstDifference(edited, editedAnew);

    std::string table = kTovarineStringTable;
    const std::string face = "27008\tArial";
    const size_t at = table.find(face);
    ASSERT_NE(at, std::string::npos);
    table.replace(at, face.size(), "27008\tDejaVu Sans Mono");
    fw::RegisterStringTable(table.c_str());
    const QImage mono = s.PaintWindow();
    const QImage monoAnew = anew();
    EXPECT_TRUE(mono == monoAnew) << FirstDifference(mono, monoAnew);
    RegisterTovarineStrings();

    s.doc->m_infoSkeleton.m_nZoom = 150;
    s.view->DoSetScrollSizes();
    const QImage zoomed = s.PaintWindow();
    const QImage zoomedAnew = anew();
    EXPECT_TRUE(zoomed == zoomedAnew) << FirstDifference(zoomed, zoomedAnew);
}
