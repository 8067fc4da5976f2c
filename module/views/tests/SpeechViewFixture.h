#pragma once
// A speech view as the document sets it up, in a shown window, with four
// speech tests and an empty audiogram:
//   speech reception threshold "3-1-1-1-" (type 15),
//   discrimination with word list 10 "1-1-10-1-" (type 10, 25 words),
//   most comfortable level "7-1-1-1-" (type 26: right and binaural symbols
//   only, none for the left ear),
//   discrimination in noise "2-1-1-1-" (type 13);
// palette items, in this order: SRT, WRS, MCL, WRS in noise, WRS binaural.
// Each test draws left X blue, right O red, binaural S green. The tests are
// the module's for the test's life; message boxes go to the test responder.

#include "module/core/CCurvePrefs.h"
#include "module/core/CLangLoader.h"
#include "module/core/CPaletteItems.h"
#include "module/core/CSymbols.h"
#include "module/core/ModuleGlobals.h"
#include "module/core/SymbolCatalogue.h"
#include "module/core/TextResources.h"
#include "module/panels/CTolvButton.h"
#include "module/panels/CurvePalette.h"
#include "module/panels/PaletteButton.h"
#include "module/panels/PaletteItemsFromCurves.h"
#include "module/panels/SpeechTable.h"
#include "module/panels/SpeechTableView.h"
#include "module/panels/tests/ControlImage.h"
#include "module/panels/TolvEditGrid.h"
#include "module/testing/RegisterServer.h"
#include "module/views/CSpeech.h"
#include "module/views/SitedChart.h"

#include "platform/com/Creation.h"
#include "platform/gfx/Types.h"
#include "platform/ui/TestResponder.h"

#include <QTest>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace brisance::testing {

inline constexpr const char* kEnglishTexts = BRISANCE_PROGRAM_DIR "/Language Resources/BrisanceENU.so";

// Palette item IDs.
enum SpeechItem : std::int32_t { SrtItem, WrsItem, MclItem, NoiseItem, WrsBinauralItem };

// Curve types and word lists of the tests.
inline constexpr std::int32_t kSrt = 15;
inline constexpr std::int32_t kWrs = 10;
inline constexpr std::int32_t kMcl = 26;
inline constexpr std::int32_t kWrsInNoise = 13;
inline constexpr std::int32_t kWrsWordList = 10;
inline constexpr std::int32_t kWrsWords = 25;
inline constexpr std::int32_t kUnaided = 2;

inline constexpr std::int32_t kLeft = vellum::kEarLeft;
inline constexpr std::int32_t kRight = vellum::kEarRight;
inline constexpr std::int32_t kBinaural = vellum::kEarBinaural;

inline constexpr platform::gfx::ColorRef kBlue = platform::gfx::rgb(0, 0, 255);
inline constexpr platform::gfx::ColorRef kRed = platform::gfx::rgb(255, 0, 0);
inline constexpr platform::gfx::ColorRef kGreen = platform::gfx::rgb(0, 160, 0);

// Graph options: levels to 130 dB, no gating, no label row.
inline constexpr std::int32_t kPlainGraph = 0;
inline constexpr std::int32_t kGating = 1;

inline std::shared_ptr<CCurvePrefs> SpeechFixtureTests()
{
    auto tests = std::make_shared<CCurvePrefs>();
    const TestSymbols standard = [] {
        TestSymbols symbols;
        symbols.left = expandSymbols(SymbolSide::Left, SymbolGlyph::Cross, SymbolGlyph::Square);
        symbols.right = expandSymbols(SymbolSide::Right, SymbolGlyph::Circle, SymbolGlyph::Triangle);
        symbols.binaural = expandSymbols(SymbolSide::Binaural, SymbolGlyph::LetterS, SymbolGlyph::LetterS);
        return symbols;
    }();
    const auto add = [&](const char* key, const char* label, std::int32_t type, std::int32_t wordList,
                         const TestSymbols& symbols) {
        const auto test = tests->Add(key);
        test->Label = label;
        test->PrefType = PrefType_Speech;
        test->TestType = type;
        test->Condition = kUnaided;
        test->WordList = wordList;
        test->LeftColor = kBlue;
        test->RightColor = kRed;
        test->BinauralColor = kGreen;
        test->LeftLineWidth = test->RightLineWidth = test->BinauralLineWidth = 1;
        for (std::size_t i = 0; i < 6; ++i) {
            test.get()->*kRightSymbolFields[i] = symbols.right[i];
            test.get()->*kLeftSymbolFields[i] = symbols.left[i];
            test.get()->*kBinauralSymbolFields[i] = symbols.binaural[i];
        }
    };
    add("3-1-1-1-", "SRT", kSrt, 1, standard);
    add("1-1-10-1-", "WRS", kWrs, kWrsWordList, standard);
    TestSymbols mcl = standard;
    mcl.left = {};
    add("7-1-1-1-", "MCL", kMcl, 1, mcl);
    add("2-1-1-1-", "WRS-N", kWrsInNoise, 1, standard);
    return tests;
}

class SpeechViewTest : public ::testing::Test {
public:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(registerServer(VELLUM_LIBRARY_PATH));
        ASSERT_NO_FATAL_FAILURE(registerServer(LUMENPLOT_LIBRARY_PATH));
        texts = std::make_shared<CLangLoader>();
        ASSERT_TRUE(texts->OpenResourceLibrary(kEnglishTexts));
        CreateModuleGlobals();
        ASSERT_TRUE(ModuleGlobals::ViewTextLoader()->OpenResourceLibrary(kEnglishTexts));
        data = platform::com::create<vellum::IVellumDataLayer>(vellum::kVellumDataLayerClsid);
        notes = platform::com::create<vellum::IVellumKeyedStore>(vellum::kVellumKeyedStoreClsid);
        tests = SpeechFixtureTests();
        moduleTests.reset();  // a test may set the fixture up again: the module's own tests come back first
        moduleTests = std::make_unique<ModuleGlobals::ScopedCurvePrefs>(tests);

        window = std::make_unique<QWidget>();
        window->resize(1000, 1400);
        view = new CSpeech(window.get());
        view->setGeometry(0, 0, 1000, 1400);
        view->LanguageLoader(texts);
        view->TestPreferences(tests);
        view->ImageList(symbols.SymbolImages());
        view->ImageListLarge(symbols.SymbolImagesLarge());
        view->DataLayer(data);
        view->NotesLayer(notes);
        view->RightOnLeft(false);
        view->LoadStrings();
        CPaletteItems& items = *view->PaletteItems();
        for (const auto& [key, binaural] : {std::pair{"3-1-1-1-", false}, std::pair{"1-1-10-1-", false},
                                            std::pair{"7-1-1-1-", false}, std::pair{"2-1-1-1-", false},
                                            std::pair{"1-1-10-1-", true}})
            AddPaletteItemForCurvePref(tests->Item(key), items, binaural);
        items.ItemByID(WrsItem)->NumberOfWords = kWrsWords;
        view->Mode(1);
        view->InitializeSpeechChart(kPlainGraph);
        FillCurvePalette(*view->Palette(), items, true);

        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    void TearDown() override
    {
        window.reset();
        moduleTests.reset();
        ReleaseModuleGlobals();
    }

    // Selects the item's button, pressed on its right half: the right ear's
    // while RightOnLeft is false.
    void select(SpeechItem item)
    {
        view->Palette()->PressButton(platform::runtime::Variant(std::int32_t(item)));
        if (!view->Palette()->SelectedButton()->LeftIsDown())
            return;
        PaletteButton& button = *view->Palette()->findChildren<PaletteButton*>()[static_cast<qsizetype>(item)];
        QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(button.width() - 10, button.height() / 2));
    }

    platform::com::ComPtr<vellum::IVellumSpeechCurve> curve(std::int32_t type, std::int32_t ear,
                                                             std::int32_t wordList = 1) const
    {
        vellum::ComPtr<vellum::IVellumSpeechCurve> found;
        if (!data->get_SpeechCurves()->Find(type, ear, kUnaided, wordList, found))
            return {};
        return found;
    }

    // The stored point at a level in dB, or null.
    platform::com::ComPtr<vellum::IVellumSpeechPoint> point(std::int32_t type, std::int32_t ear, std::int32_t dB,
                                                             std::int32_t wordList = 1) const
    {
        const auto found = curve(type, ear, wordList);
        if (!found || !found->get_Points()->Exists(dB * 10))
            return {};
        return found->get_Points()->Item(dB * 10);
    }

    // The levels of a curve, in dB, ascending; empty without the curve.
    std::vector<std::int32_t> levels(std::int32_t type, std::int32_t ear, std::int32_t wordList = 1) const
    {
        std::vector<std::int32_t> found;
        const auto stored = curve(type, ear, wordList);
        if (!stored)
            return found;
        const auto points = stored->get_Points()->get__NewEnum();
        platform::runtime::Variant item;
        while (points->Next(1, &item, nullptr) == platform::com::S_OK)
            found.push_back(item.toObject().as<vellum::IVellumSpeechPoint>()->get_Level() / 10);
        return found;
    }

    // Adds a stored curve with points (level dB, score %).
    void addCurve(std::int32_t type, std::int32_t ear, std::int32_t wordList,
                  const std::vector<std::pair<std::int32_t, std::int32_t>>& points) const
    {
        const auto added = data->get_SpeechCurves()->Add(type, ear, kUnaided, wordList);
        for (const auto& [dB, score] : points)
            added->get_Points()->Add(dB * 10)->put_Score(static_cast<std::int16_t>(score * 100));
    }

    platform::com::ComPtr<lumenplot::ILines> lines() const
    {
        platform::com::ComPtr<lumenplot::ILines> chartLines;
        view->chtSpeech().chart().get_Lines(chartLines.put());
        return chartLines;
    }

    bool hasLine(std::int32_t key) const
    {
        lumenplot::VARIANT_BOOL exists = lumenplot::VARIANT_FALSE;
        lines()->ItemExist(key, &exists);
        return exists != lumenplot::VARIANT_FALSE;
    }

    platform::com::ComPtr<lumenplot::ILine> line(std::int32_t key) const
    {
        platform::com::ComPtr<lumenplot::ILine> found;
        lines()->Item(key, found.put());
        return found;
    }

    std::int32_t lineKey(SpeechItem item, std::int32_t ear) const
    {
        const std::int32_t id = view->PaletteItems()->ItemByID(item)->CurvePreferences->CurveID;
        return ear == kLeft ? id : ear == kRight ? -id : id + 1000;
    }

    // The pixel of a chart position (level dB, score %) in the chart's widget.
    QPoint pixelOf(double dB, double score) const
    {
        lumenplot::IChart& shown = view->chtSpeech().chart();
        double left = 0, top = 0, right = 0, bottom = 0, xMin = 0, xMax = 0, yMin = 0, yMax = 0;
        shown.get_LeftMargin(&left);
        shown.get_TopMargin(&top);
        shown.get_RightMargin(&right);
        shown.get_BottomMargin(&bottom);
        shown.get_XMin(&xMin);
        shown.get_XMax(&xMax);
        shown.get_YMin(&yMin);
        shown.get_YMax(&yMax);
        const QWidget& widget = *view->chtSpeech().widget();
        const double plotLeft = left / 15;
        const double plotTop = top / 15;
        const double plotRight = widget.width() - right / 15;
        const double plotBottom = widget.height() - bottom / 15;
        const double y = 100 - score;
        return {static_cast<int>((dB - xMin) / (xMax - xMin) * (plotRight - plotLeft) + plotLeft),
                static_cast<int>((y - yMin) / (yMax - yMin) * (plotBottom - plotTop) + plotTop)};
    }

    // Pixels of the colour within the symbol's square round a chart position.
    int pixelsOfColour(double dB, double score, platform::gfx::ColorRef colour) const
    {
        QCoreApplication::processEvents();
        const QImage image = grabControl(*view->chtSpeech().widget());
        const QPoint at = pixelOf(dB, score);
        int count = 0;
        for (int dy = -10; dy <= 10; ++dy)
            for (int dx = -10; dx <= 10; ++dx)
                if (image.rect().contains(at.x() + dx, at.y() + dy) &&
                    pixelAt(image, at.x() + dx, at.y() + dy) == colour)
                    ++count;
        return count;
    }

    SpeechTableView& resultsTable() const { return *view->findChild<SpeechTableView*>("tblSpeechView"); }

    // The results table's cell of a grid: 0 the left ear's, 1 the right ear's
    // (or 0 the binaural results).
    std::string cell(int grid, int column, int row) const
    {
        return resultsTable().findChild<TolvEditGrid*>(QStringLiteral("grdEar%1").arg(grid))->GetCellText(column, row);
    }

    std::string text(std::int32_t id) const { return texts->LoadResString(id); }

    platform::ui::TestResponder responder;
    CSymbols symbols;
    std::shared_ptr<CLangLoader> texts;
    std::shared_ptr<CCurvePrefs> tests;
    std::unique_ptr<ModuleGlobals::ScopedCurvePrefs> moduleTests;
    platform::com::ComPtr<vellum::IVellumDataLayer> data;
    platform::com::ComPtr<vellum::IVellumKeyedStore> notes;
    std::unique_ptr<QWidget> window;
    CSpeech* view = nullptr;
};

}  // namespace brisance::testing
