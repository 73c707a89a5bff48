// Repainting the co-ordination view: a graph with 12 low-voltage breakers
// of different makes and sizes (miniature, moulded-case, electronic, air
// circuit breakers) read from the reference databases, each drawn with its
// tolerance band and its label, in a 1920 x 1080 window at 100 % and at
// 200 %; and the same with typical curves. A frame at 60 Hz has 16.7 ms.

#include "app/elements/protection/CEleLVCB.h"
#include "app/protection/CObjAdjust.h"
#include "app/shell/CTovarineDoc.h"
#include "app/shell/CTovarineView2.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjGroup.h"
#include "app/shell/model/ElementKindTable.h"
#include "tests/app/TestNetwork.h"
#include "tests/app/protection/AdjustTestSupport.h"

#include "framework/DeviceContext.h"
#include "framework/MessageBox.h"
#include "framework/ProgramFolder.h"
#include "framework/Region.h"
#include "resources/StringTables.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace {

// Type ids of the reference breaker database: miniature, moulded-case,
// electronic trip unit, air circuit breakers, three of each.
constexpr int32_t kTypes[] = {101, 102, 104, 122, 124, 126, 151, 152, 154, 171, 172, 174};

struct Project {
    adjusttest::BreakerDatabasesScope dbs;
    CTovarineDoc doc;
    CObjGraph* graph = nullptr;
    CTovarineView2* view = nullptr; // owned by the host
    std::unique_ptr<QWidget> host;
    int curves = 0;

    Project() {
        int i = 0;
        for (int32_t type : kTypes) {
            CObjElement* e = tvtest::Place(doc, kKindLVCB, 2 + 3 * (i % 6), 2 + 4 * (i / 6));
            auto& b = tvtest::ModelOf<CEleLVCB>(e);
            b.m_strName = "CB" + std::to_string(++i);
            b.SetVoltage(400);
            CObjAdjust* a = b.GetAdjust() ? b.GetAdjust() : b.DoAddNewObjAdjust();
            adjusttest::ReadLoaded(*a, 2, type, 400);
            a->m_infoLine.m_crColor = static_cast<uint32_t>(0x203040 * i) & 0xFFFFFF;
            e->DoCalcCurve(50);
        }
        for (auto& g : doc.m_listGroups)
            g->SetSelected(1);
        graph = doc.DoCreateGraph();
        graph->m_nStdVoltage = 400;
        for (auto& g : doc.m_listGroups)
            g->SetSelected(0);
        host = std::make_unique<QWidget>();
        view = new CTovarineView2;
        view->setParent(host.get());
        view->resize(1920, 1080);
        doc.AddView(view);
        view->OnInitialUpdate();
        curves = static_cast<int>(view->GetElementsOnGraph(graph).size());
    }
};

Project& TheProject() {
    static Project project;
    return project;
}

// What a paint event of the whole window does.
void PaintWindow(CTovarineView2* view, QImage& image) {
    QPainter painter(&image);
    fw::CDC dc(&painter);
    fw::CRgn clip;
    clip.CreateRectRgn(0, 0, image.width(), image.height());
    dc.SelectClipRgn(&clip);
    view->OnPrepareDC(&dc);
    view->OnDraw(&dc);
}

void BM_GraphWindow(benchmark::State& state) {
    Project& p = TheProject();
    p.graph->m_nZoom = static_cast<int32_t>(state.range(0));
    p.graph->m_nBand = static_cast<int32_t>(state.range(1));
    for (CObjElement* e : p.view->GetElementsOnGraph(p.graph))
        e->SetCurveBand(p.graph->m_nBand);
    p.view->ScrollToPosition(fw::CPoint(0, 0));
    QImage image(1920, 1080, QImage::Format_RGB32);
    for (auto _ : state)
        PaintWindow(p.view, image);
    state.counters["devices"] = p.curves;
}
BENCHMARK(BM_GraphWindow)
    ->ArgNames({"zoom", "band"})
    ->Args({100, 1})
    ->Args({200, 1})
    ->Args({100, 0})
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    fw::ForceCLocale();
    RegisterTovarineStrings();
    // Nothing here waits for an answer.
    fw::SetMessageSink([](const fw::MessageRequest&) { return 1; });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
