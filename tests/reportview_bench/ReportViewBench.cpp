// Repainting the report view and the impedance-map view of a generated
// radial project of about 2,000 elements, calculated: a 1920 x 1080 window
// of the data-of-elements report and of the calculation results, a printed
// report page at 600 dpi, and the impedance map's window and whole sheet.

#include "app/shell/CTovarineDoc.h"
#include "app/shell/CTovarineView3.h"
#include "app/shell/CTovarineView4.h"
#include "tests/app/shell/model/CalcNetwork.h"

#include "framework/DeviceContext.h"
#include "framework/MessageBox.h"
#include "framework/ProgramFolder.h"
#include "framework/Region.h"
#include "resources/StringTables.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

struct Project {
    CTovarineDoc doc;
    CTovarineView3* report = nullptr; // owned by the widget tree below
    CTovarineView4* map = nullptr;
    std::unique_ptr<QWidget> host;

    Project() {
        tvtest::RadialShape shape;
        shape.elements = 2000;
        shape.calcPoints = 500;
        shape.motorEffects = 8;
        shape.generators = 2;
        shape.ties = 10;
        tvtest::BuildRadial(doc, shape);
        doc.DoModeCalculation();
        doc.DoGrowSkeletonPages();
        host = std::make_unique<QWidget>();
        report = new CTovarineView3;
        report->setParent(host.get());
        report->resize(1920, 1080);
        doc.AddView(report);
        report->OnInitialUpdate();
        map = new CTovarineView4;
        map->setParent(host.get());
        map->resize(1920, 1080);
        doc.AddView(map);
        map->OnInitialUpdate();
    }
};

Project& TheProject() {
    static Project project;
    return project;
}

// What a paint event of the whole window does.
template <class View> void PaintWindow(View* view, QImage& image) {
    QPainter painter(&image);
    painter.fillRect(image.rect(), Qt::white);
    fw::CDC dc(&painter);
    fw::CRgn clip;
    clip.CreateRectRgn(0, 0, image.width(), image.height());
    dc.SelectClipRgn(&clip);
    view->OnPrepareDC(&dc);
    view->OnDraw(&dc);
}

void BM_ReportWindow(benchmark::State& state) {
    Project& p = TheProject();
    const int32_t kind = static_cast<int32_t>(state.range(0));
    p.doc.m_infoReport.m_nReportKind = kind;
    p.report->DoMakeReport(kind);
    p.report->DoSetScrollSizes(100);
    // A window in the middle of the report.
    p.report->ScrollToPosition(fw::CPoint(0, p.report->GetTotalSize().cy / 2));
    QImage image(1920, 1080, QImage::Format_RGB32);
    for (auto _ : state)
        PaintWindow(p.report, image);
    state.counters["rows"] = static_cast<double>(p.report->GetReport(kind).GetCount());
}
BENCHMARK(BM_ReportWindow)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Page 5 of the data of elements on an A4 page at 600 dpi.
void BM_ReportPrintedPage(benchmark::State& state) {
    Project& p = TheProject();
    p.doc.m_infoReport.m_nReportKind = 0;
    p.report->DoMakeReport(0);
    const CPrintDataList& list = p.report->GetReport(0);
    QImage image(4960, 7016, QImage::Format_RGB32);
    image.setDotsPerMeterX(23622);
    image.setDotsPerMeterY(23622);
    fw::CPrintInfo info;
    info.m_nCurPage = 5;
    CPrintPage page{fw::CSize(4960, 7016), fw::CPoint(0, 0)};
    image.fill(Qt::white);
    for (auto _ : state) {
        // The page's rows drawn over the last ones: the fill of 35 million
        // pixels is no part of printing.
        QPainter painter(&image);
        fw::CDC dc(&painter, true);
        dc.SetMapMode(fw::MM_ISOTROPIC);
        dc.SetWindowExt(2912, 2912);
        dc.SetViewportExt(4500, -4500);
        benchmark::DoNotOptimize(list.DoPrintPage(&dc, &info, p.doc.m_infoReport, 0, 755, page));
    }
}
BENCHMARK(BM_ReportPrintedPage)->Unit(benchmark::kMillisecond);

// The layout alone of page 5 (what every page of a job works out first).
void BM_ReportPageLayout(benchmark::State& state) {
    Project& p = TheProject();
    p.report->DoMakeReport(0);
    const CPrintDataList& list = p.report->GetReport(0);
    for (auto _ : state) {
        std::vector<CPrintSlot> placed;
        benchmark::DoNotOptimize(list.DoLayoutPage(5, 2700, 755, 0, &placed));
    }
}
BENCHMARK(BM_ReportPageLayout)->Unit(benchmark::kMillisecond);

void BM_ImpeMapWindow(benchmark::State& state) {
    Project& p = TheProject();
    p.doc.m_infoImpeMap.m_nZoom = static_cast<int32_t>(state.range(0));
    p.map->DoSetScrollSizes();
    p.map->ScrollToPosition(fw::CPoint(0, 0));
    QImage image(1920, 1080, QImage::Format_RGB32);
    for (auto _ : state)
        PaintWindow(p.map, image);
}
BENCHMARK(BM_ImpeMapWindow)->Arg(50)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

// The whole sheet on one image at 25 %.
void BM_ImpeMapWholeSheet(benchmark::State& state) {
    Project& p = TheProject();
    p.doc.m_infoImpeMap.m_nZoom = 25;
    p.map->ScrollToPosition(fw::CPoint(0, 0));
    const int32_t w = p.doc.m_infoSkeleton.m_nFrameCountX * 40 * 25 / 200;
    const int32_t h = p.doc.m_infoSkeleton.m_nFrameCountY * 40 * 25 / 200;
    QImage image(std::max(1, w), std::max(1, h), QImage::Format_RGB32);
    for (auto _ : state)
        PaintWindow(p.map, image);
    state.counters["pixels"] = static_cast<double>(w) * h;
}
BENCHMARK(BM_ImpeMapWholeSheet)->Unit(benchmark::kMillisecond);

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
