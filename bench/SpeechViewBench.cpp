// The speech view on a busy speech audiogram (eight tests, each with a left,
// a right and a binaural curve of twelve points), sited at 1000 x 1100 pixels
// in a shown window:
//
// - SwitchToView: what the document runs when its speech tab is chosen
//   (LoadStrings), up to the painted view (a grab of the view).
// - ShowDataInDataLayerPainted: what loading and undo run, ShowDataInDataLayer,
//   up to the painted view.
// - ShowDataInDataLayer: the view's own share of it, without the paint.
// - RepaintView: the paint of the whole view alone; RepaintChart: the
//   chart's paint alone after one of its lines changed and the view's
//   Refresh (an unchanged chart shows the picture it kept).
// - PlotThroughChart: one point plotted as a click on the chart delivers it
//   (the chart's PlotPoint event), up to the repainted window.
// - PlotThroughChartViewOnly: the view's own share of it, without the paint.

#include "bench/BenchServers.h"
#include "module/core/CCurvePrefs.h"
#include "module/core/ChartLineRoutines.h"
#include "module/core/CLangLoader.h"
#include "module/core/CPaletteItems.h"
#include "module/core/CSymbols.h"
#include "module/core/ModuleGlobals.h"
#include "module/panels/CurvePalette.h"
#include "module/panels/PaletteItemsFromCurves.h"
#include "module/views/CSpeech.h"
#include "module/views/SitedChart.h"

#include "platform/com/Creation.h"
#include "platform/com/ServerLibraries.h"
#include "platform/testing/TemporaryFolder.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <array>
#include <memory>
#include <stdexcept>
#include <string>

namespace {

namespace com = platform::com;
using brisance::CSpeech;

constexpr int kWidth = 1000;
constexpr int kHeight = 1100;
constexpr int kPoints = 12;

// Notation key and curve type of the eight tests (all unaided, no word list).
struct TestCodes {
    const char* key;
    std::int32_t type;
};
constexpr std::array<TestCodes, 8> kTests = {{
    {"1-1-1-1-", 10}, {"1-3-1-1-", 12}, {"2-1-1-1-", 13}, {"3-1-1-1-", 15},
    {"4-1-1-1-", 18}, {"6-1-1-1-", 20}, {"5-1-1-1-", 23}, {"1-2-1-1-", 11},
}};

using bench::registerServer;

// The view as the document sets it up, showing the busy audiogram.
struct BusyView {
    platform::testing::ScopedMachineRoot machine;
    brisance::CSymbols symbols;
    std::shared_ptr<brisance::CCurvePrefs> tests = std::make_shared<brisance::CCurvePrefs>();
    std::unique_ptr<brisance::ModuleGlobals::ScopedCurvePrefs> moduleTests;
    std::shared_ptr<brisance::CLangLoader> texts = std::make_shared<brisance::CLangLoader>();
    com::ComPtr<vellum::IVellumDataLayer> data;
    QWidget window;
    CSpeech* view;

    BusyView()
    {
        registerServer(VELLUM_LIBRARY);
        registerServer(LUMENPLOT_LIBRARY);
        brisance::CreateModuleGlobals();
        brisance::ModuleGlobals::ViewTextLoader()->OpenResourceLibrary(ENGLISH_TEXTS);
        if (!texts->OpenResourceLibrary(ENGLISH_TEXTS))
            throw std::runtime_error("cannot open the English texts");
        data = com::create<vellum::IVellumDataLayer>(vellum::kVellumDataLayerClsid);
        view = new CSpeech(&window);
        window.resize(kWidth, kHeight);
        view->setGeometry(0, 0, kWidth, kHeight);

        int symbol = 1;
        int shift = 0;  // dB: each test's curves a little to the right of the last's
        for (const TestCodes& codes : kTests) {
            const auto test = tests->Add(codes.key);
            test->Label = codes.key;
            test->PrefType = brisance::PrefType_Speech;
            test->TestType = codes.type;
            test->Condition = 2;
            test->WordList = 1;
            test->LeftColor = 0xFF0000;
            test->RightColor = 0x0000FF;
            test->BinauralColor = 0x00A000;
            test->LeftLineWidth = test->RightLineWidth = test->BinauralLineWidth = 1;
            for (std::size_t i = 0; i < 6; ++i) {
                test.get()->*brisance::kLeftSymbolFields[i] = symbol;
                test.get()->*brisance::kRightSymbolFields[i] = symbol + 1;
                test.get()->*brisance::kBinauralSymbolFields[i] = symbol + 2;
            }
            symbol += 3;
            AddPaletteItemForCurvePref(test, *view->PaletteItems(), false);
            for (const std::int32_t ear : {vellum::kEarLeft, vellum::kEarRight, vellum::kEarBinaural}) {
                const auto points = data->get_SpeechCurves()->Add(codes.type, ear, 2, 1)->get_Points();
                for (int i = 0; i < kPoints; ++i) {
                    const auto point = points->Add(10 * (shift + 5 * ear + 5 * i));
                    point->put_Score(static_cast<std::int16_t>(100 * (8 * i)));
                }
            }
            shift += 2;
        }
        moduleTests = std::make_unique<brisance::ModuleGlobals::ScopedCurvePrefs>(tests);

        view->LanguageLoader(texts);
        view->TestPreferences(tests);
        view->ImageList(symbols.SymbolImages());
        view->ImageListLarge(symbols.SymbolImagesLarge());
        view->DataLayer(data);
        view->Mode(1);
        view->InitializeSpeechChart(4 | 8 | 16);
        FillCurvePalette(*view->Palette(), *view->PaletteItems(), true);
        view->LoadStrings();
        window.show();
        QCoreApplication::processEvents();
    }
};

// Made on first use and released by main, so that its widgets go before the application.
std::unique_ptr<BusyView> g_busyView;

BusyView& busyView()
{
    if (!g_busyView)
        g_busyView = std::make_unique<BusyView>();
    return *g_busyView;
}

void SwitchToView(benchmark::State& state)
{
    BusyView& busy = busyView();
    for (auto _ : state) {
        busy.view->LoadStrings();
        benchmark::DoNotOptimize(busy.view->grab());
    }
}
BENCHMARK(SwitchToView)->Unit(benchmark::kMillisecond);

void ShowDataInDataLayerPainted(benchmark::State& state)
{
    BusyView& busy = busyView();
    for (auto _ : state) {
        busy.view->ShowDataInDataLayer();
        benchmark::DoNotOptimize(busy.view->grab());
    }
}
BENCHMARK(ShowDataInDataLayerPainted)->Unit(benchmark::kMillisecond);

void ShowDataInDataLayer(benchmark::State& state)
{
    BusyView& busy = busyView();
    for (auto _ : state) busy.view->ShowDataInDataLayer();
    QCoreApplication::processEvents();
}
BENCHMARK(ShowDataInDataLayer)->Unit(benchmark::kMillisecond);

void RepaintView(benchmark::State& state)
{
    BusyView& busy = busyView();
    busy.view->ShowDataInDataLayer();
    for (auto _ : state) benchmark::DoNotOptimize(busy.view->grab());
}
BENCHMARK(RepaintView)->Unit(benchmark::kMillisecond);

void RepaintChart(benchmark::State& state)
{
    BusyView& busy = busyView();
    busy.view->ShowDataInDataLayer();
    lumenplot::IChart& chart = busy.view->chtSpeech().chart();
    const std::int32_t line = -busy.tests->Item(kTests[0].key)->CurveID;
    bool visible = true;
    for (auto _ : state) {
        visible = !visible;
        brisance::SetChartLineVisible(*brisance::ChartLines(chart), line, visible);
        chart.Refresh();
        benchmark::DoNotOptimize(busy.view->chtSpeech().widget()->grab());
    }
}
BENCHMARK(RepaintChart)->Unit(benchmark::kMillisecond);

// The first test's right ear at 60 dB, 40 and 45 % in turn, as the chart reports a click.
void plotOnce(BusyView& busy, int& turn)
{
    turn = 1 - turn;
    emit busy.view->chtSpeech().PlotPoint(60, 60 - 5 * turn);
}

void PlotThroughChart(benchmark::State& state)
{
    BusyView& busy = busyView();
    busy.view->ShowDataInDataLayer();
    QCoreApplication::processEvents();
    int turn = 0;
    for (auto _ : state) {
        plotOnce(busy, turn);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(PlotThroughChart)->Unit(benchmark::kMillisecond);

void PlotThroughChartViewOnly(benchmark::State& state)
{
    BusyView& busy = busyView();
    busy.view->ShowDataInDataLayer();
    QCoreApplication::processEvents();
    int turn = 0;
    for (auto _ : state) plotOnce(busy, turn);
    QCoreApplication::processEvents();
}
BENCHMARK(PlotThroughChartViewOnly)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_busyView.reset();
    brisance::ReleaseModuleGlobals();
    return 0;
}
