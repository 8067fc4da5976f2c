// The pure-tone view on a busy audiogram (both ears, twelve curves of eleven
// points, six tests), sited at 1600 x 900 pixels in a shown window:
//
// - SwitchToView: what the document runs when its pure-tone tab is chosen,
//   ShowDataInDataLayer, up to the painted view (a grab of the view).
// - ShowDataInDataLayer: the view's own share of it, without the paint.
// - RepaintView: the paint alone, the charts' repaint among it.
// - PlotThroughChart: one point plotted as a click on an ear chart delivers
//   it (the chart's PlotPoint event), up to the repainted window.
// - PlotThroughChartViewOnly: the view's own share of it, without the paint.
// - PlotThroughLink: one point measured by an instrument, as the link
//   controller's PlotPoint event delivers it to the view's handler, up to the
//   repainted window.
// - PlotThroughLinkViewOnly: the view's own share of it, without the paint.
// - SwitchToViewWithUnderlays: SwitchToView with a severity-of-loss picture
//   under the grid (read from its file at every chart paint) and the same
//   audiogram as an earlier action behind the curves.
// - RepaintChartsWithUnderlays: the two ear charts' share of that paint.

#include "bench/BenchServers.h"
#include "module/core/CCurvePrefs.h"
#include "module/core/CPaletteItems.h"
#include "module/core/CSymbols.h"
#include "module/core/ModuleGlobals.h"
#include "module/panels/CurvePalette.h"
#include "module/panels/PaletteItemsFromCurves.h"
#include "module/views/CPureTone.h"
#include "module/views/CUnderlayGenerator.h"
#include "module/views/SitedChart.h"

#include "PelmSonvale/ISonvaleController.h"
#include "PelmSonvale/ISonvaleControllerEvents.h"
#include "platform/com/ConnectionPoint.h"
#include "platform/com/Creation.h"
#include "platform/com/ServerLibraries.h"
#include "platform/testing/TemporaryFolder.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <array>
#include <cstdint>
#include <span>
#include <memory>
#include <stdexcept>
#include <string>

namespace {

namespace com = platform::com;
using brisance::CPureTone;

constexpr int kWidth = 1600;
constexpr int kHeight = 900;
constexpr std::array kFrequencies = {125, 250, 500, 750, 1000, 1500, 2000, 3000, 4000, 6000, 8000};
// Notation key, curve type and condition of the six tests.
struct TestCodes {
    const char* key;
    std::int32_t type;
    std::int32_t condition;
};
constexpr std::array<TestCodes, 6> kTests = {{
    {"1-1-1-", 1, 2}, {"1-2-1-", 2, 2}, {"1-3-1-", 3, 2}, {"2-1-1-", 4, 2}, {"3-1-1-", 6, 2}, {"1-1-2-", 1, 3},
}};

using bench::registerServer;

// The view as the document sets it up, showing the busy audiogram.
struct BusyView {
    platform::testing::ScopedMachineRoot machine;
    brisance::CSymbols symbols;
    std::shared_ptr<brisance::CCurvePrefs> tests = std::make_shared<brisance::CCurvePrefs>();
    com::ComPtr<vellum::IVellumDataLayer> data;
    QWidget window;
    CPureTone* view;

    BusyView()
    {
        registerServer(VELLUM_LIBRARY);
        registerServer(LUMENPLOT_LIBRARY);
        // The module-wide objects a document holds: the table's test caption
        // is read through the module's view text loader.
        brisance::CreateModuleGlobals();
        data = com::create<vellum::IVellumDataLayer>(vellum::kVellumDataLayerClsid);
        view = new CPureTone(&window);
        window.resize(kWidth, kHeight);
        view->setGeometry(0, 0, kWidth, kHeight);

        int symbol = 1;
        int base = 0;  // dB: each test's curves a little lower than the last's
        for (const TestCodes& codes : kTests) {
            const auto test = tests->Add(codes.key);
            test->Label = codes.key;
            test->TestType = codes.type;
            test->Condition = codes.condition;
            test->LeftColor = 0xFF0000;
            test->RightColor = 0x0000FF;
            test->RightLineStyle = 1;
            test->LeftLineWidth = test->RightLineWidth = 1;
            for (std::size_t i = 0; i < 6; ++i) {
                test.get()->*brisance::kLeftSymbolFields[i] = symbol;
                test.get()->*brisance::kRightSymbolFields[i] = symbol + 1;
            }
            symbol += 2;
            AddPaletteItemForCurvePref(test, *view->PaletteItems(), false);
            for (const std::int32_t ear : {vellum::kEarLeft, vellum::kEarRight}) {
                const auto points = data->get_PureToneCurves()->Add(codes.type, ear, codes.condition)->get_Points();
                for (std::size_t i = 0; i < kFrequencies.size(); ++i)
                    points->Add(kFrequencies[i])
                        ->put_Level(static_cast<std::int16_t>(10 * (base + 5 * ear + 3 * static_cast<int>(i))));
            }
            base += 10;
        }

        view->TestPreferences(tests);
        view->ImageList(symbols.SymbolImages());
        view->ImageListLarge(symbols.SymbolImagesLarge());
        view->DataLayer(data);
        FillCurvePalette(*view->Palette(), *view->PaletteItems(), true);
        view->InitializeCharts(32 | 1024);
        view->Mode(1);
        window.show();
        QCoreApplication::processEvents();
    }

    ~BusyView() { brisance::ReleaseModuleGlobals(); }
};

// A link controller that only fires its events: the link's own threads and
// driver stay out of the figure.
class EventOnlyLink final
    : public com::Object<pelmsonvale::ISonvaleController, com::ConnectionPoints> {
public:
    EventOnlyLink() { addConnectionPoint(pelmsonvale::kSonvaleControllerEventsIid); }

    // Air conduction, left ear, measured, unmasked.
    void firePlotPoint(std::int16_t frequency, std::int16_t level)
    {
        std::array<com::Variant, 8> arguments{std::int32_t(1),   std::int32_t(3),     std::int32_t(1),
                                              std::int32_t(1),   frequency,           level,
                                              std::int16_t(-32767), std::int16_t(-32767)};
        fire(pelmsonvale::kSonvaleControllerEventsIid, pelmsonvale::PlotPoint, arguments);
    }

    com::HRESULT Start(std::int32_t, std::int32_t, pelmsonvale::TFuncResult*) override { return com::E_NOTIMPL; }
    com::HRESULT Stop(pelmsonvale::TFuncResult*) override { return com::E_NOTIMPL; }
    com::HRESULT LoadInstalledDrivers() override { return com::E_NOTIMPL; }
    com::HRESULT SetupAudi(std::int32_t, std::int32_t, pelmsonvale::TFuncResult*) override { return com::E_NOTIMPL; }
    com::HRESULT get_RegisteredDrivers(pelmsonvale::ISonvaleDrivers**) override { return com::E_NOTIMPL; }
    com::HRESULT get_ActiveDriver(pelmsonvale::ISonvaleDriver**) override { return com::E_NOTIMPL; }
    com::HRESULT get_IsSonvaleActive(bool*) override { return com::E_NOTIMPL; }
    com::HRESULT InstallDriver(std::string, pelmsonvale::TAudiInstallReturn*) override { return com::E_NOTIMPL; }
    com::HRESULT IsDriverInstalled(std::string, std::string*, bool*, bool*) override { return com::E_NOTIMPL; }
    com::HRESULT GetIDsOfNames(std::span<const std::string>, com::DISPID*) override { return com::E_NOTIMPL; }
    com::HRESULT Invoke(com::DISPID, std::uint16_t, std::span<com::Variant>, com::Variant*,
                        com::ExceptionInfo*) override
    {
        return com::E_NOTIMPL;
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
        busy.view->ShowDataInDataLayer();
        benchmark::DoNotOptimize(busy.view->grab());
    }
}
BENCHMARK(SwitchToView)->Unit(benchmark::kMillisecond);

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

// The left-ear chart's 1 kHz at 40 and 45 dB in turn, as the chart reports a click.
void plotOnce(BusyView& busy, int& turn)
{
    turn = 1 - turn;
    emit busy.view->chtEar(0).PlotPoint(500, 40 + 5 * turn);
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

// The left-ear chart's 1 kHz at 40 and 45 dB in turn, as the instrument measures it.
void measureOnce(EventOnlyLink& link, int& turn)
{
    turn = 1 - turn;
    link.firePlotPoint(1000, static_cast<std::int16_t>(40 + 5 * turn));
}

void PlotThroughLink(benchmark::State& state)
{
    BusyView& busy = busyView();
    const auto link = com::make<EventOnlyLink>();
    busy.view->Sonvale(link);
    busy.view->ShowDataInDataLayer();
    QCoreApplication::processEvents();
    int turn = 0;
    for (auto _ : state) {
        measureOnce(*link, turn);
        QCoreApplication::processEvents();
    }
    busy.view->Sonvale({});
}
BENCHMARK(PlotThroughLink)->Unit(benchmark::kMillisecond);

void PlotThroughLinkViewOnly(benchmark::State& state)
{
    BusyView& busy = busyView();
    const auto link = com::make<EventOnlyLink>();
    busy.view->Sonvale(link);
    busy.view->ShowDataInDataLayer();
    QCoreApplication::processEvents();
    int turn = 0;
    for (auto _ : state) measureOnce(*link, turn);
    QCoreApplication::processEvents();
    busy.view->Sonvale({});
}
BENCHMARK(PlotThroughLinkViewOnly)->Unit(benchmark::kMillisecond);

// The busy view with both underlays while this lives.
struct Underlays {
    BusyView& busy;
    platform::testing::TemporaryFolder folder;

    explicit Underlays(BusyView& shown) : busy(shown)
    {
        const auto prefs = com::create<vellum::IVellumKeyedStore>(vellum::kVellumKeyedStoreClsid);
        prefs->put_Value("PTGraphOptions", 32 | 1024);
        prefs->put_Value("SeverityOfLossConfig", 127);
        prefs->put_Value("SeverityOfLossLows", "-10,16,26,41,56,71,91");
        prefs->put_Value("SeverityOfLossHighs", "15,25,40,55,70,90,120");
        const std::string file = (folder.path() / "Underlay.emf").string();
        if (!brisance::CUnderlayGenerator().GenerateSeverityOfLossUnderlay(*prefs, file))
            throw std::runtime_error("cannot write the severity underlay");
        busy.view->DisplayMetaFileInChart(file, false);
        busy.view->UnderlayDataLayer()->put_Data(busy.data->get_Data());
        busy.view->RenderPureToneActionUnderlay();
        QCoreApplication::processEvents();
    }
    ~Underlays()
    {
        busy.view->DisplayMetaFileInChart("", false);
        busy.view->UnderlayDataLayer()->get_PureToneCurves()->Clear();
        busy.view->RenderPureToneActionUnderlay();
    }
};

void SwitchToViewWithUnderlays(benchmark::State& state)
{
    BusyView& busy = busyView();
    const Underlays underlays(busy);
    for (auto _ : state) {
        busy.view->ShowDataInDataLayer();
        benchmark::DoNotOptimize(busy.view->grab());
    }
}
BENCHMARK(SwitchToViewWithUnderlays)->Unit(benchmark::kMillisecond);

void RepaintChartsWithUnderlays(benchmark::State& state)
{
    BusyView& busy = busyView();
    const Underlays underlays(busy);
    for (auto _ : state) {
        for (int chart = 0; chart < 2; ++chart)
            benchmark::DoNotOptimize(busy.view->chtEar(chart).widget()->grab());
    }
}
BENCHMARK(RepaintChartsWithUnderlays)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_busyView.reset();
    return 0;
}
