// Redrawing a skeleton of 2,000 elements as the view paints it: the window's
// area (the view's mapping, the area clipped to the window, the groups
// outside it skipped) and the whole diagram on one image. With --images
// FOLDER it writes the scenes it paints instead, to compare the pixels of a
// change with those before it.

#include "app/records/ElementKinds.h"
#include "app/shell/CTovarineDoc.h"
#include "app/shell/CTovarineView1.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjGroup.h"
#include "app/shell/model/ElementKindTable.h"

#include "framework/DeviceContext.h"
#include "framework/ProgramFolder.h"
#include "framework/Region.h"
#include "resources/StringTables.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kElements = 2000;
constexpr int kColumns = 50; // 50 columns of 40 elements

struct Project {
    CTovarineDoc doc;
    CTovarineView1* view = nullptr; // owned by the widget tree below
    std::unique_ptr<QWidget> host;

    Project() {
        std::vector<int32_t> kinds;
        for (int32_t kind = 1; kind <= 16; ++kind) {
            if (ElementKindTable::HasModel(kind))
                kinds.push_back(kind);
        }
        // Each element in a slot of 4 x 5 cells, room for its labels.
        for (int i = 0; i < kElements; ++i) {
            CObjGroup* group = doc.m_listGroups.AddNewGroup();
            group->SetElement(std::make_unique<CObjElement>(kinds[i % kinds.size()]));
            group->GetElement()->DoSetNewNumber(doc);
            group->GetElement()->SetVoltage(400);
            const int32_t x = (i % kColumns) * 160 + 41;
            const int32_t y = (i / kColumns) * 200 + 1;
            group->DoMoveTo(nullptr, x, y);
            group->DoSelect(0, i % 10 == 0, doc.m_nMode); // every tenth selected
        }
        doc.DoGrowSkeletonPages();
        host = std::make_unique<QWidget>();
        view = new CTovarineView1;
        view->setParent(host.get());
        view->resize(1920, 1080);
        doc.AddView(view);
    }
};

Project& TheProject() {
    static Project project;
    return project;
}

// One paint of a 1920 x 1080 window at the zoom: what the view does for a
// full repaint of its window.
void BM_RedrawWindow(benchmark::State& state) {
    Project& p = TheProject();
    p.doc.m_infoSkeleton.m_nZoom = static_cast<int32_t>(state.range(0));
    QImage image(1920, 1080, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.fillRect(image.rect(), Qt::white);
        fw::CDC dc(&painter);
        fw::CRgn clip;
        clip.CreateRectRgn(0, 0, 1920, 1080);
        dc.SelectClipRgn(&clip);
        p.view->OnPrepareDC(&dc);
        p.view->OnDraw(&dc);
    }
    state.counters["elements"] = kElements;
}
BENCHMARK(BM_RedrawWindow)->Arg(50)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

// The whole diagram (200 x 200 cells) on one image at 25 %.
void BM_RedrawWholeDiagram(benchmark::State& state) {
    Project& p = TheProject();
    p.doc.m_infoSkeleton.m_nZoom = 25;
    const int32_t w = p.doc.m_infoSkeleton.m_nFrameCountX * 40 / 4;
    const int32_t h = p.doc.m_infoSkeleton.m_nFrameCountY * 40 / 4;
    QImage image(w, h, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.fillRect(image.rect(), Qt::white);
        fw::CDC dc(&painter);
        p.view->OnPrepareDC(&dc);
        p.view->OnDraw(&dc);
    }
    state.counters["pixels"] = static_cast<double>(w) * h;
}
BENCHMARK(BM_RedrawWholeDiagram)->Unit(benchmark::kMillisecond);

// One paint of the window as the view paints an exposed area: the area
// cleared and clipped, the view's mapping at its scroll position.
void PaintExposed(Project& p, QImage& image, const QRect& exposed) {
    QPainter painter(&image);
    painter.fillRect(exposed, Qt::white);
    fw::CDC dc(&painter);
    fw::CRgn clip;
    clip.CreateRectRgn(exposed.left(), exposed.top(), exposed.left() + exposed.width(),
                       exposed.top() + exposed.height());
    dc.SelectClipRgn(&clip);
    p.view->OnPrepareDC(&dc);
    p.view->OnDraw(&dc);
}

// --images FOLDER: the scenes the benchmarks paint, written as PNG files to
// compare a change's pixels with those before it: the window at each zoom,
// scrolled, painted whole and in strips as partial exposures, one partial
// exposure alone, and the whole diagram.
int WriteImages(const std::string& folder) {
    Project& p = TheProject();
    bool ok = true;
    auto save = [&](const QImage& image, const std::string& name) {
        ok = image.save(QString::fromStdString(folder + "/" + name + ".png")) && ok;
    };
    for (int32_t zoom : {50, 100, 200}) {
        p.doc.m_infoSkeleton.m_nZoom = zoom;
        p.view->ScrollToPosition(fw::CPoint(0, 0));
        QImage image(1920, 1080, QImage::Format_RGB32);
        PaintExposed(p, image, image.rect());
        save(image, "window" + std::to_string(zoom));
    }
    p.doc.m_infoSkeleton.m_nZoom = 100;
    p.view->DoSetScrollSizes();
    p.view->ScrollToPosition(fw::CPoint(1010, 630));
    QImage whole(1920, 1080, QImage::Format_RGB32);
    PaintExposed(p, whole, whole.rect());
    save(whole, "scrolled");
    QImage strips(1920, 1080, QImage::Format_RGB32);
    for (int y = 0; y < 1080; y += 137)
        PaintExposed(p, strips, QRect(0, y, 1920, std::min(137, 1080 - y)));
    save(strips, "scrolled-strips");
    QImage part(1920, 1080, QImage::Format_RGB32);
    part.fill(Qt::white);
    PaintExposed(p, part, QRect(333, 211, 777, 505));
    save(part, "scrolled-part");
    p.view->ScrollToPosition(fw::CPoint(0, 0));

    p.doc.m_infoSkeleton.m_nZoom = 25;
    const int32_t w = p.doc.m_infoSkeleton.m_nFrameCountX * 40 / 4;
    const int32_t h = p.doc.m_infoSkeleton.m_nFrameCountY * 40 / 4;
    QImage diagram(w, h, QImage::Format_RGB32);
    {
        QPainter painter(&diagram);
        painter.fillRect(diagram.rect(), Qt::white);
        fw::CDC dc(&painter);
        p.view->OnPrepareDC(&dc);
        p.view->OnDraw(&dc);
    }
    save(diagram, "diagram25");
    return ok ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    fw::ForceCLocale();
    RegisterTovarineStrings();
    if (argc == 3 && std::strcmp(argv[1], "--images") == 0)
        return WriteImages(argv[2]);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
