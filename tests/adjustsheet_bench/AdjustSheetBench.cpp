// From a click on a dial of the adjustment sheet to the graph redrawn: twelve
// breakers (the KVC-125S and the KVA-16N in turn) on one co-ordination graph,
// the sheet open on one of them; each click steps its short-time current (up
// to the dial's end, then down again), the sheet recomputes the curve and the
// view's stand-in repaints every curve of the graph on a 1920 x 1080 image.

#include "tests/app/TestNetwork.h"
#include "tests/app/protection/AdjustTestSupport.h"

#include "app/elements/protection/CEleLVCB.h"
#include "app/protection/dialogs/CAdjustPart.h"
#include "app/protection/dialogs/CAdjustSheet.h"
#include "app/records/ElementKinds.h"
#include "app/shell/model/CObjElementList.h"
#include "app/shell/model/CTovarineDocData.h"
#include "framework/DeviceContext.h"
#include "framework/MessageBox.h"
#include "framework/ProgramFolder.h"
#include "framework/Resources.h"
#include "resources/StringTables.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>

namespace {

constexpr int kDevices = 12;
constexpr int32_t kTypes[] = {124, 172};

// The view's part: every curve of the graph painted again after the change.
class RepaintingHost : public CAdjustSheetHost {
public:
    RepaintingHost(CTovarineDocData& doc, CObjGraph& graph)
        : m_doc(doc), m_graph(graph), m_image(1920, 1080, QImage::Format_ARGB32_Premultiplied) {}
    void OnElementChanging(CObjElement*, int32_t) override { m_doc.SetModifiedFlag(); }
    void OnElementChanged(CObjElement*, int32_t) override {
        m_image.fill(Qt::white);
        QPainter painter(&m_image);
        fw::CDC dc(&painter);
        dc.SetMapMode(fw::MM_ISOTROPIC);
        dc.SetWindowExt(10000, 10000);
        dc.SetWindowOrg(0, 10000);
        dc.SetViewportExt(1920, -1080);
        const CEleDocSettings settings = m_doc.GetEleSettings();
        CObjElementList all;
        m_doc.CollectElements(all);
        for (CObjElement* element : all)
            element->DoDrawCurve(&dc, &m_graph, settings);
    }
    void OnAdjustSheetClosed() override {}

private:
    CTovarineDocData& m_doc;
    CObjGraph& m_graph;
    QImage m_image;
};

void BM_DialStepToCurvesRedrawn(benchmark::State& state) {
    adjusttest::BreakerDatabasesScope dbs;
    CTovarineDocData doc;
    CObjGraph graph = adjusttest::WorkedGraph(400);
    std::vector<CObjElement*> breakers;
    for (int i = 0; i < kDevices; ++i) {
        CObjElement* e = tvtest::Place(doc, kKindLVCB, 2 * i, 2);
        CEleLVCB& breaker = tvtest::ModelOf<CEleLVCB>(e);
        CObjAdjust* adjust =
            breaker.GetAdjust() ? breaker.GetAdjust() : breaker.DoAddNewObjAdjust();
        adjusttest::ReadLoaded(*adjust, 2, kTypes[i % 2], 400);
        adjust->m_listGraphNo.DoAddNewGraphNo()->DoSetGraphNo(graph.m_nGraphNo, 0);
        e->DoCalcCurve(50);
        breakers.push_back(e);
    }
    RepaintingHost host(doc, graph);
    host.OnElementChanged(nullptr, 0); // the first paint lays every curve out
    auto* sheet = new CAdjustSheet(doc, breakers[1], &host, nullptr); // a KVA-16N
    sheet->DoCreate();
    CAdjustPart* shortTime = sheet->GetPartPages()[1];
    sheet->SetActivePage(shortTime);
    auto* plus = fw::FindControlAs<QPushButton>(shortTime, 1038);
    auto* minus = fw::FindControlAs<QPushButton>(shortTime, 1039);
    bool up = true;
    for (auto _ : state) {
        if (up && !plus->isEnabled())
            up = false;
        else if (!up && !minus->isEnabled())
            up = true;
        (up ? plus : minus)->click();
    }
    sheet->ClearHost();
    sheet->DoClose();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
BENCHMARK(BM_DialStepToCurvesRedrawn)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    fw::ForceCLocale();
    RegisterTovarineStrings();
    fw::SetMessageSink([](const fw::MessageRequest&) { return 1; });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
