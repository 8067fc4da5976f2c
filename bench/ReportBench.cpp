// The printed report: a whole stand-alone job on the built-in PDF printer,
// from PrintReport to the written file, in the US and the European layout,
// over a busy audiogram (air and bone conduction masked and unmasked on both
// ears, a binaural sound field and speech curves).

#include "module/core/CCurvePrefs.h"
#include "module/core/CLangLoader.h"
#include "module/core/ModuleGlobals.h"
#include "module/panels/CSymbols.h"
#include "module/panels/SymbolCatalogue.h"
#include "module/report/CReport.h"

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

void registerServer(const char* path)
{
    com::ServerEntryPoints server;
    std::string error;
    if (com::failed(com::loadServer(path, &server, &error)) || !server.registerServer ||
        com::failed(server.registerServer()))
        throw std::runtime_error(std::string("cannot register ") + path + ": " + error);
}

void addTest(brisance::CCurvePrefs& tests, const char* key, std::int32_t type, std::int32_t condition)
{
    const auto test = tests.Add(key);
    test->Label = key;
    test->TestType = type;
    test->Condition = condition;
    test->RightColor = 0x0000FF;
    test->LeftColor = 0xFF0000;
    test->BinauralColor = 0x000000;
    test->LeftLineWidth = test->RightLineWidth = test->BinauralLineWidth = 1;
    const brisance::TestSymbols symbols = brisance::expandSymbols(*brisance::findStandardSymbolSet(key));
    for (std::size_t i = 0; i < 6; ++i) {
        test.get()->*brisance::kRightSymbolFields[i] = symbols.right[i];
        test.get()->*brisance::kLeftSymbolFields[i] = symbols.left[i];
        test.get()->*brisance::kBinauralSymbolFields[i] = symbols.binaural[i];
    }
}

void addPureTone(vellum::IVellumDataLayer& data, std::int32_t type, std::int32_t ear, int offset, bool masked)
{
    const auto curve = data.get_PureToneCurves()->Add(type, ear, 2);
    int step = 0;
    for (const std::int32_t frequency : {125, 250, 500, 750, 1000, 1500, 2000, 3000, 4000, 6000, 8000}) {
        const auto point = curve->get_Points()->Add(frequency);
        point->put_Level(static_cast<std::int16_t>((offset + 5 * step++) * 10));
        if (masked && frequency >= 2000) point->put_MaskingLevel(static_cast<std::int16_t>(offset + 40));
    }
}

void addSpeech(vellum::IVellumDataLayer& data, std::int32_t type, std::int32_t ear, std::int32_t wordList)
{
    const auto curve = data.get_SpeechCurves()->Add(type, ear, 2, wordList);
    for (int level = 20; level <= 80; level += 10)
        curve->get_Points()->Add(level)->put_Score(static_cast<std::int16_t>((level + 20) * 100));
}

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
        brisance::CCurvePrefs& tests = *brisance::ModuleGlobals::CurvePrefs();
        addTest(tests, "1-1-1-", 1, 2);
        addTest(tests, "1-2-1-", 2, 2);
        addTest(tests, "1-3-1-", 3, 2);
        addTest(tests, "1-1-10-1-", 10, 2);
        addTest(tests, "7-1-2-1-", 26, 2);
        texts->OpenResourceLibrary(BRISANCE_PROGRAM_DIR "/Language Resources/BrisanceENU.so");
        data = com::create<vellum::IVellumDataLayer>(vellum::kVellumDataLayerClsid);
        prefs = com::create<vellum::IVellumKeyedStore>(vellum::kVellumKeyedStoreClsid);
        for (const std::int32_t ear : {2, 3}) {
            addPureTone(*data, 1, ear, ear * 5, ear == 3);
            addPureTone(*data, 2, ear, ear * 5 - 10, ear == 2);
            addSpeech(*data, 10, ear, 10);
            addSpeech(*data, 26, ear, 2);
        }
        addPureTone(*data, 3, 4, 15, false);
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
