#pragma once
// A pure-tone view as the document sets it up, in a shown window, with a
// small set of tests and an empty audiogram:
//   air conduction "1-1-1-" (left X blue, right O red, binaural S green),
//   bone conduction "1-2-1-" (left and right only),
//   sound field "1-3-1-" (binaural only),
//   MCL "2-1-1-" (right only: no symbol for the left ear);
// palette items, in this order: air, air binaural, bone, sound field
// (binaural), MCL. Every SaveState is recorded with a snapshot of the data
// as the document takes it; message boxes go to the test responder.

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
#include "module/panels/TableView.h"
#include "module/panels/tests/ControlImage.h"
#include "module/panels/TolvEditGrid.h"
#include "module/testing/RegisterServer.h"
#include "module/views/CPureTone.h"
#include "module/views/SitedChart.h"
#include "module/views/tests/PureToneChartPixel.h"

#include "platform/com/Creation.h"
#include "platform/gfx/Types.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/TestResponder.h"
#include "platform/ui/Twips.h"

#include <QAction>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace brisance::testing {

inline constexpr const char* kEnglishTexts = BRISANCE_PROGRAM_DIR "/Language Resources/BrisanceENU.so";

// Graph options of the fixture: 125 Hz to 8 kHz, the 5-dB lines shown.
inline constexpr std::int32_t kNormalRange = 32 | 1024;

inline constexpr std::int32_t kLeft = vellum::kEarLeft;
inline constexpr std::int32_t kRight = vellum::kEarRight;
inline constexpr std::int32_t kBinaural = vellum::kEarBinaural;
// Curve types of the fixture's tests.
inline constexpr std::int32_t kAir = 1;
inline constexpr std::int32_t kBone = 2;
inline constexpr std::int32_t kMcl = 4;
// Chart positions and table columns of the normal range.
inline constexpr double k1000Hz = 500;
inline constexpr double k2000Hz = 650;
inline constexpr int k500HzColumn = 2;
inline constexpr int k1000HzColumn = 4;
inline constexpr int k2000HzColumn = 6;
inline constexpr int kLevelRow = 0;

// Palette item IDs.
enum FixtureItem : std::int32_t { AirItem, AirBinauralItem, BoneItem, SoundFieldItem, MclItem };

inline constexpr platform::gfx::ColorRef kBlue = platform::gfx::rgb(0, 0, 255);
inline constexpr platform::gfx::ColorRef kRed = platform::gfx::rgb(255, 0, 0);
inline constexpr platform::gfx::ColorRef kGreen = platform::gfx::rgb(0, 160, 0);

struct Snapshot {
    std::string undo;
    std::string redo;
    platform::runtime::Variant data;
};

inline std::shared_ptr<CCurvePrefs> FixtureTests()
{
    auto tests = std::make_shared<CCurvePrefs>();
    const auto add = [&](const char* key, const char* label, std::int32_t type, const TestSymbols& symbols) {
        const auto test = tests->Add(key);
        test->Label = label;
        test->TestType = type;
        test->Condition = 2;
        test->LeftColor = kBlue;
        test->RightColor = kRed;
        test->BinauralColor = kGreen;
        test->LeftLineWidth = test->RightLineWidth = test->BinauralLineWidth = 1;
        test->LeftLineStyle = 0;
        test->RightLineStyle = 1;
        test->BinauralLineStyle = 2;
        for (std::size_t i = 0; i < 6; ++i) {
            test.get()->*kRightSymbolFields[i] = symbols.right[i];
            test.get()->*kLeftSymbolFields[i] = symbols.left[i];
            test.get()->*kBinauralSymbolFields[i] = symbols.binaural[i];
        }
    };
    TestSymbols air = expandSymbols(*findStandardSymbolSet("1-1-1-"));
    air.binaural = expandSymbols(SymbolSide::Binaural, SymbolGlyph::LetterS, SymbolGlyph::LetterS);
    add("1-1-1-", "AC", 1, air);
    add("1-2-1-", "BC", 2, expandSymbols(*findStandardSymbolSet("1-2-1-")));
    TestSymbols soundField;
    soundField.binaural = air.binaural;
    add("1-3-1-", "SF", 3, soundField);
    TestSymbols mcl;
    mcl.right = expandSymbols(SymbolSide::Right, SymbolGlyph::LetterM, SymbolGlyph::LetterM);
    add("2-1-1-", "MCL", 4, mcl);
    return tests;
}

class PureToneViewTest : public ::testing::Test {
public:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(registerServer(VELLUM_LIBRARY_PATH));
        ASSERT_NO_FATAL_FAILURE(registerServer(LUMENPLOT_LIBRARY_PATH));
        // The module-wide objects as a document holds them; the view reads
        // its texts through the module's view text loader, as the document
        // hands it over, and the dialogs through the UI text loader.
        CreateModuleGlobals();
        texts = ModuleGlobals::ViewTextLoader();
        ASSERT_TRUE(texts->OpenResourceLibrary(kEnglishTexts));
        ASSERT_TRUE(ModuleGlobals::UiTextLoader()->OpenResourceLibrary(kEnglishTexts));
        data = platform::com::create<vellum::IVellumDataLayer>(vellum::kVellumDataLayerClsid);
        notes = platform::com::create<vellum::IVellumKeyedStore>(vellum::kVellumKeyedStoreClsid);
        tests = FixtureTests();

        window = std::make_unique<QWidget>();
        view = new CPureTone(window.get());
        window->resize(1200, 1100);
        view->setGeometry(0, 0, 1200, 1100);
        QObject::connect(view, &CPureTone::SaveState, [this](const std::string& undo, const std::string& redo) {
            saved.push_back({undo, redo, data->get_Data()});
        });

        view->LanguageLoader(texts);
        view->TestPreferences(tests);
        view->ImageList(symbols.SymbolImages());
        view->ImageListLarge(symbols.SymbolImagesLarge());
        view->DataLayer(data);
        view->NotesLayer(notes);
        view->LoadStrings();
        view->TestDataPanel()->NoResponseText("NR");
        view->TestDataPanel()->UnMeasurableText("UNM");
        view->TestDataPanel()->ShowFullRange(false);
        view->TestDataPanel()->ConfigureAsPureToneTable(true, true, true);
        CPaletteItems& items = *view->PaletteItems();
        for (const auto& [key, binaural] : {std::pair{"1-1-1-", false}, std::pair{"1-1-1-", true},
                                            std::pair{"1-2-1-", false}, std::pair{"1-3-1-", true},
                                            std::pair{"2-1-1-", false}})
            AddPaletteItemForCurvePref(tests->Item(key), items, binaural);
        FillCurvePalette(*view->Palette(), items, true);
        view->InitializeCharts(kNormalRange);
        view->Mode(1);

        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    void TearDown() override
    {
        window.reset();
        ReleaseModuleGlobals();
    }

    void select(FixtureItem item) { view->Palette()->PressButton(platform::runtime::Variant(std::int32_t(item))); }

    // The stored point, or null.
    platform::com::ComPtr<vellum::IVellumPureTonePoint> point(std::int32_t type, std::int32_t ear,
                                                               std::int32_t frequency) const
    {
        vellum::ComPtr<vellum::IVellumPureToneCurve> curve;
        if (!data->get_PureToneCurves()->Find(type, ear, 2, curve) || !curve->get_Points()->Exists(frequency))
            return {};
        return curve->get_Points()->Item(frequency);
    }

    // A stored curve with its measured points (Hz, dB).
    void addCurve(std::int32_t type, std::int32_t ear, const std::map<std::int32_t, std::int16_t>& levels,
                  std::int32_t condition = 2)
    {
        const auto points = data->get_PureToneCurves()->Add(type, ear, condition)->get_Points();
        for (const auto& [frequency, level] : levels)
            points->Add(frequency)->put_Level(static_cast<std::int16_t>(level * 10));
    }

    bool hasCurve(std::int32_t type, std::int32_t ear) const
    {
        vellum::ComPtr<vellum::IVellumPureToneCurve> curve;
        return data->get_PureToneCurves()->Find(type, ear, 2, curve);
    }

    platform::com::ComPtr<lumenplot::ILines> lines(int chart) const
    {
        platform::com::ComPtr<lumenplot::ILines> chartLines;
        view->chtEar(chart).chart().get_Lines(chartLines.put());
        return chartLines;
    }

    // The line keys of a chart, ascending.
    std::vector<std::int32_t> lineKeys(int chart) const
    {
        std::vector<std::int32_t> keys;
        const auto walk = [&] {
            platform::com::ComPtr<platform::com::IUnknown> enumerator;
            lines(chart)->get__NewEnum(enumerator.put());
            return enumerator.as<platform::com::IEnumVARIANT>();
        }();
        platform::runtime::Variant item;
        while (walk->Next(1, &item, nullptr) == platform::com::S_OK) {
            std::int32_t id = 0;
            item.toObject().as<lumenplot::ILine>()->get_LineID(&id);
            keys.push_back(id);
        }
        return keys;
    }

    platform::com::ComPtr<lumenplot::ILine> line(int chart, std::int32_t key) const
    {
        platform::com::ComPtr<lumenplot::ILine> found;
        lines(chart)->Item(key, found.put());
        return found;
    }

    // The pixel of a chart position in chart's widget.
    QPoint pixelOf(int chart, double x, double level) const { return ChartPixel(*view, chart, x, level); }

    // Pixels of the colour within the symbol's square round a chart position.
    int pixelsOfColour(int chart, double x, double level, platform::gfx::ColorRef colour) const
    {
        QCoreApplication::processEvents();
        const QImage image = grabControl(*view->chtEar(chart).widget());
        const QPoint at = pixelOf(chart, x, level);
        int count = 0;
        for (int dy = -12; dy <= 12; ++dy)
            for (int dx = -12; dx <= 12; ++dx)
                if (image.rect().contains(at.x() + dx, at.y() + dy) &&
                    pixelAt(image, at.x() + dx, at.y() + dy) == colour)
                    ++count;
        return count;
    }

    QWidget& chartWidget(int chart) const { return *view->chtEar(chart).widget(); }

    // A click at a chart position, as the mouse gives it.
    void clickAt(int chart, double x, double level, Qt::MouseButton button = Qt::LeftButton)
    {
        const QPoint at = pixelOf(chart, x, level);
        leaveCharts();  // so that the cross-hair follows the move, whatever stood there before
        QTest::mouseMove(&chartWidget(chart), at);
        QTest::mouseClick(&chartWidget(chart), button, {}, at);
    }

    void leaveCharts() { QTest::mouseMove(window.get(), QPoint(5, 1090)); }

    // An entry of the menu the view (or its palette) has open.
    QAction& menuEntry(const char* name) const
    {
        QAction* entry = view->findChild<QAction*>(name);
        EXPECT_NE(entry, nullptr) << name << " is offered";
        return *entry;
    }

    // Chooses an entry of the open menu, which then closes.
    void chooseMenuEntry(const char* name) const
    {
        // The entry may open a dialog, whose event loop deletes the menu.
        const QPointer<QWidget> menu = qobject_cast<QWidget*>(menuEntry(name).parent());
        menuEntry(name).trigger();
        if (menu)
            menu->hide();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A click on the left or right half of the palette's button of an item.
    void clickPaletteButton(FixtureItem item, bool leftHalf = true, Qt::MouseButton button = Qt::LeftButton)
    {
        for (PaletteButton* shown : view->Palette()->findChildren<PaletteButton*>("butPal")) {
            if (shown->isVisible() && shown->InternalObject() &&
                shown->InternalObject()->ItemDataEquals(platform::runtime::Variant(std::int32_t(item)))) {
                const QPoint at(leftHalf ? shown->width() / 4 : shown->width() * 3 / 4, shown->height() / 2);
                QTest::mouseClick(shown, button, {}, at);
                return;
            }
        }
        ADD_FAILURE() << "no palette button for item " << item;
    }

    // The table cell of a grid (0 on the left).
    std::string cell(int grid, int column, int row) const
    {
        return view->TestDataPanel()
            ->findChild<TolvEditGrid*>(QStringLiteral("grdEar%1").arg(grid))
            ->GetCellText(column, row);
    }

    // A click into a drawn cell of the table's grid (0 on the left), which
    // opens it for typing; the editor then has the keyboard.
    QLineEdit& editTableCell(int grid, int column, int row) const
    {
        TolvEditGrid& clicked = *view->TestDataPanel()->findChild<TolvEditGrid*>(QStringLiteral("grdEar%1").arg(grid));
        QWidget& surface = *clicked.findChild<QWidget*>("picGrid");
        const int width = surface.width() / clicked.ColCount();
        const int height = platform::ui::twipsToPixelsY(clicked.RowHeight());
        QTest::mouseClick(&surface, Qt::LeftButton, {}, QPoint(column * width + width / 2, (row + 1) * height + height / 2));
        QLineEdit& editor = *clicked.findChild<QLineEdit*>("txtEdit");
        EXPECT_TRUE(editor.isVisible()) << "cell " << column << ", " << row << " opens for typing";
        return editor;
    }

    std::string text(std::int32_t id) const { return texts->LoadResString(id); }

    platform::ui::TestResponder responder;
    CSymbols symbols;
    std::shared_ptr<CLangLoader> texts;
    std::shared_ptr<CCurvePrefs> tests;
    platform::com::ComPtr<vellum::IVellumDataLayer> data;
    platform::com::ComPtr<vellum::IVellumKeyedStore> notes;
    std::unique_ptr<QWidget> window;
    CPureTone* view = nullptr;
    std::vector<Snapshot> saved;
};

}  // namespace brisance::testing
