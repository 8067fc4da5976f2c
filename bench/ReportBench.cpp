// The printed report: a whole stand-alone job on the built-in PDF printer,
// from PrintReport to the written file, complete pages in the US and the
// European layout, over the report tests' rich audiogram (every section of
// both layouts has data: pure tone masked and unmasked, sound field, the
// speech table's tests, both tympanograms, reflexes with decay).

#include "bench/BenchServers.h"
#include "module/core/CCurvePrefs.h"
#include "module/core/CLangLoader.h"
#include "module/core/CSymbols.h"
#include "module/core/ModuleGlobals.h"
#include "module/report/CReport.h"
#include "module/report/tests/RichAudiogram.h"

#include "vellum/IVellumDataLayer.h"
#include "vellum/IVellumKeyedStore.h"

#include "platform/com/Creation.h"
#include "platform/com/ServerLibraries.h"
#include "platform/print/Printers.h"
#include "platform/testing/TemporaryFolder.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <memory>
#include <stdexcept>
#include <string>

namespace {

namespace com = platform::com;

using bench::registerServer;

// The machine, the module's objects and the audiogram; made once.
struct Fixture {
    platform::testing::ScopedMachineRoot root;
    brisance::CSymbols symbols;
    std::shared_ptr<brisance::CLangLoader> texts = std::make_shared<brisance::CLangLoader>();
    com::ComPtr<vellum::IVellumDataLayer> data;
    com::ComPtr<vellum::IVellumKeyedStore> prefs;

    Fixture()
    {
        registerServer(VELLUM_LIBRARY);
        registerServer(LUMENPLOT_LIBRARY);
        brisance::CreateModuleGlobals();
        brisance::testing::AddReportTests(*brisance::ModuleGlobals::CurvePrefs());
        texts->OpenResourceLibrary(BRISANCE_PROGRAM_DIR "/Language Resources/BrisanceENU.so");
        data = com::create<vellum::IVellumDataLayer>(vellum::kVellumDataLayerClsid);
        prefs = com::create<vellum::IVellumKeyedStore>(vellum::kVellumKeyedStoreClsid);
        brisance::testing::FillRichAudiogram(*data);
    }
};

Fixture& fixture()
{
    static Fixture instance;
    return instance;
}

void PrintStandAlone(benchmark::State& state)
{
    Fixture& f = fixture();
    const auto printer = platform::print::builtInPrinterSettings();
    for (auto _ : state) {
        brisance::CReport report;
        report.CurvePrefs(brisance::ModuleGlobals::CurvePrefs());
        report.SymbolImages(f.symbols.SymbolImages());
        report.SymbolImagesLarge(f.symbols.SymbolImagesLarge());
        report.LanguageLoader(f.texts);
        report.DataLayer(f.data);
        report.ClientName("Ada Lovelace");
        report.ClientID(4711);
        report.ReportComments("Normal hearing on the left, a mild loss above 2 kHz on the right.");
        report.PrintReport(platform::print::createPrinterDc(printer.name), 1.0f, 1.0f, 18.0f, 23.4f,
                           static_cast<std::int32_t>(state.range(0)), true, f.prefs);
    }
}
BENCHMARK(PrintStandAlone)->Arg(brisance::ReportVersion_US)->Arg(brisance::ReportVersion_Europe)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
