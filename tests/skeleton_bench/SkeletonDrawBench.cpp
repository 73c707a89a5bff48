// Redrawing a skeleton of 2,000 elements as the view paints it: the window's
// area (the view's mapping, the area clipped to the window, the groups
// outside it skipped) and the whole diagram on one image.

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
#include <memory>
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

} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    fw::ForceCLocale();
    RegisterTovarineStrings();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
