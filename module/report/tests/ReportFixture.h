#pragma once
// A report as the document sets one up, over small fixtures: English texts,
// the symbol images, an empty audiogram, an empty preference store, and the
// report's tests (AddReportTests).
// Reports print stand-alone on the built-in PDF printer.

#include "module/core/CCurvePrefs.h"
#include "module/core/CLangLoader.h"
#include "module/core/CSymbols.h"
#include "module/core/ModuleGlobals.h"
#include "module/report/CReport.h"
#include "module/report/tests/RichAudiogram.h"
#include "module/testing/RegisterServer.h"

#include "vellum/IVellumDataLayer.h"
#include "vellum/IVellumKeyedStore.h"

#include "platform/com/Creation.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/Types.h"
#include "platform/print/Printers.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/testing/PdfPages.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>

namespace brisance::testing {

inline constexpr const char* kEnglishTexts = BRISANCE_PROGRAM_DIR "/Language Resources/BrisanceENU.so";

class ReportTest : public ::testing::Test {
public:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(registerServer(VELLUM_LIBRARY_PATH));
        ASSERT_NO_FATAL_FAILURE(registerServer(LUMENPLOT_LIBRARY_PATH));
        // The speech chart's lines find their tests among the module's.
        CreateModuleGlobals();
        tests = ModuleGlobals::CurvePrefs();
        AddReportTests(*tests);
        texts = std::make_shared<CLangLoader>();
        ASSERT_TRUE(texts->OpenResourceLibrary(kEnglishTexts));
        data = platform::com::create<vellum::IVellumDataLayer>(vellum::kVellumDataLayerClsid);
        prefs = platform::com::create<vellum::IVellumKeyedStore>(vellum::kVellumKeyedStoreClsid);
        newReport();
    }

    void TearDown() override
    {
        report.reset();
        ReleaseModuleGlobals();
    }

    // A report of the fixture's objects, as the document sets one up.
    void newReport()
    {
        report = std::make_unique<CReport>();
        report->CurvePrefs(tests);
        report->SymbolImages(symbols.SymbolImages());
        report->SymbolImagesLarge(symbols.SymbolImagesLarge());
        report->LanguageLoader(texts);
        report->DataLayer(data);
    }

    // A pure-tone curve of the type, ear and condition with points (Hz, dB).
    void addPureTone(std::int32_t type, std::int32_t ear, std::initializer_list<std::pair<std::int32_t, int>> points,
                     std::int32_t condition = 2)
    {
        const auto curve = data->get_PureToneCurves()->Add(type, ear, condition);
        for (const auto& [frequency, level] : points)
            curve->get_Points()->Add(frequency)->put_Level(static_cast<std::int16_t>(level * 10));
    }

    // A speech curve with points (dB, %).
    void addSpeech(std::int32_t type, std::int32_t ear, std::int32_t wordList,
                   std::initializer_list<std::pair<std::int32_t, int>> points)
    {
        const auto curve = data->get_SpeechCurves()->Add(type, ear, 2, wordList);
        for (const auto& [level, score] : points)
            curve->get_Points()->Add(level)->put_Score(static_cast<std::int16_t>(score * 100));
    }

    std::filesystem::path printedFile() const
    {
        return platform::print::builtInPrinterSettings().folder / "TAVO Audiogram.pdf";
    }

    // Prints the report stand-alone on the built-in printer, on an A4 area
    // at (X, Y), and reads the page back.
    platform::testing::PdfPage print(std::int32_t version, float X = 1.0f, float Y = 1.0f, float H = 24.4f)
    {
        std::filesystem::remove(printedFile());
        const platform::gfx::DcHandle dc =
            platform::print::createPrinterDc(platform::print::builtInPrinterSettings().name);
        report->PrintReport(dc, X, Y, 17.0f, H, version, true, prefs);
        const auto pages = platform::testing::pdfPages(printedFile());
        EXPECT_EQ(pages.size(), 1u);
        return pages.empty() ? platform::testing::PdfPage{} : pages.front();
    }

    // The first word on the page that starts with the text.
    static const platform::testing::PdfWord* startingWith(const platform::testing::PdfPage& page,
                                                          const std::string& text)
    {
        for (const auto& word : page.words)
            if (word.text.rfind(text, 0) == 0) return &word;
        return nullptr;
    }

    // The first word of a text of the loader.
    std::string word(std::int32_t id, bool withoutAccessKeys = false) const
    {
        const std::string text = withoutAccessKeys ? texts->LoadResString2(id) : texts->LoadResString(id);
        return text.substr(0, text.find(' '));
    }

    CSymbols symbols;
    std::shared_ptr<CCurvePrefs> tests;
    std::shared_ptr<CLangLoader> texts;
    platform::com::ComPtr<vellum::IVellumDataLayer> data;
    platform::com::ComPtr<vellum::IVellumKeyedStore> prefs;
    std::unique_ptr<CReport> report;
};

// The error number that the call raises; 0 when it raises none.
inline int raisedNumber(const std::function<void()>& call)
{
    try {
        call();
    } catch (const platform::runtime::RuntimeError& error) {
        return error.number();
    }
    return 0;
}

}  // namespace brisance::testing
