// The whole road, as a clinician meets the module: installed on a fresh
// machine, started from the host window, an audiogram entered by mouse and
// saved; the next day opened again read-only and printed, turned into a new
// audiogram by a measurement on a simulated audiometer, and saved beside the
// first one; the first one opened again while the audiometer measures, and
// left as it was stored.

#include "module/document/tests/DocumentEditing.h"

#include "module/core/CLangLoader.h"
#include "module/core/PreferenceValues.h"
#include "module/core/TextResources.h"
#include "module/document/docAudiogramModule.h"
#include "module/document/frmReadOnlyMsg.h"
#include "module/document/KeyedStatusBar.h"
#include "module/document/KeyedToolBar.h"
#include "module/document/MenuControlArray.h"
#include "module/panels/TableView.h"
#include "module/panels/TolvEditGrid.h"
#include "module/testing/RegisterServer.h"
#include "module/views/CImpedance.h"
#include "module/views/CPureToneChartMaps.h"
#include "module/views/CSpeech.h"
#include "module/views/tests/MarletForTests.h"

#include "Implementation/Components/PelmSonvale/testing/DriverRegistry.h"
#include "host/testing/HostFixture.h"
#include "host/window/HostWindow.h"
#include "host/window/RecordView.h"
#include "installer/BrisanceSetup.h"
#include "tools/instrument-sim/AudiometerRecords.h"
#include "tools/instrument-sim/Instrument.h"

#include "platform/com/Creation.h"
#include "platform/print/Printers.h"
#include "platform/runtime/Dates.h"
#include "platform/testing/ModalDialogs.h"
#include "platform/testing/PdfPages.h"
#include "platform/ui/TestResponder.h"

#include <QAction>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <cmath>
#include <dlfcn.h>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace brisance {
namespace {

namespace fs = std::filesystem;
namespace sim = instrument_sim;
using host::ActionRecord;
using platform::runtime::Date;

constexpr const char* kEnglishLibrary = BRISANCE_PROGRAM_DIR "/Language Resources/BrisanceENU.so";
constexpr const char* kAirConduction = "1-1-1-";
constexpr std::int32_t kAir = 1;
constexpr std::int32_t kUnaided = 2;
constexpr std::int32_t kLeft = vellum::kEarLeft;
constexpr std::int32_t kRight = vellum::kEarRight;

// Day D, Thursday 10 December 2026, at noon.
const Date kDayD{46366.5};
const Date kDayAfter{46367.5};

// Thresholds in whole dB by frequency.
using Thresholds = std::map<std::int32_t, std::int32_t>;
const Thresholds kLeftEntered{{500, 20}, {1000, 25}, {2000, 30}, {4000, 40}};
const Thresholds kRightEntered{{500, 10}, {1000, 15}, {2000, 25}, {4000, 35}};
// The right ear's 1 kHz threshold, as the audiometer measures it.
constexpr std::int32_t kRightMeasuredAt1000 = 45;

// Whether the report's pure-tone charts (below their "Frequency" headings,
// above the masking table and left of the legend) hold red and blue marks,
// the right and left ears' symbols.
bool ChartsHoldBothEarsMarks(const fs::path& pdf)
{
    const std::vector<platform::testing::PdfPage> pages = platform::testing::pdfPages(pdf);
    if (pages.empty())
        return false;
    const platform::testing::PdfPage& page = pages.front();
    const platform::testing::PdfWord* heading = page.find("Frequency");
    const platform::testing::PdfWord* below = page.find("Effective");
    const platform::testing::PdfWord* legend = page.find("Legend");
    if (!heading || !below || !legend)
        return false;
    constexpr int kDotsPerInch = 100;
    const auto pixels = [](double centimetres) { return static_cast<int>(centimetres / 2.54 * kDotsPerInch); };
    const QRect charts(QPoint(0, pixels(heading->box.bottom())),
                       QPoint(pixels(legend->box.left()) - 1, pixels(below->box.top()) - 1));
    const QImage image = platform::testing::pdfPageImage(pdf, kDotsPerInch, 1, charts);
    int red = 0;
    int blue = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            red += colour.red() > 160 && colour.green() < 96 && colour.blue() < 96;
            blue += colour.blue() > 160 && colour.red() < 96 && colour.green() < 96;
        }
    return red > 20 && blue > 20;
}

// The test-data table's column of each frequency.
const std::map<std::int32_t, int> kTableColumn{{500, 2}, {1000, 4}, {2000, 6}, {4000, 8}};

// An ear's air-conduction thresholds in a data object.
Thresholds AirThresholds(vellum::IVellumDataLayer& data, std::int32_t ear)
{
    Thresholds levels;
    vellum::ComPtr<vellum::IVellumPureToneCurve> curve;
    if (!data.get_PureToneCurves()->Find(kAir, ear, kUnaided, curve))
        return levels;
    ForEachCurve<vellum::IVellumPureTonePoint>(curve->get_Points()->get__NewEnum(),
                                               [&levels](vellum::IVellumPureTonePoint& point) {
                                                   levels[point.get_Frequency()] = point.get_Level() / 10;
                                               });
    return levels;
}

Thresholds StoredThresholds(const ActionRecord& action, std::int32_t ear)
{
    const auto data = platform::com::create<vellum::IVellumDataLayer>(vellum::kVellumDataLayerClsid);
    if (action.publicData)
        data->put_Data(platform::runtime::Variant::fromBytes(*action.publicData));
    return AirThresholds(*data, ear);
}

bool SameAction(const ActionRecord& a, const ActionRecord& b)
{
    return a.id == b.id && a.dataTypeCode == b.dataTypeCode && a.dataFormat == b.dataFormat &&
           a.publicData == b.publicData && a.privateData == b.privateData && a.dateCreated == b.dateCreated &&
           a.lastModified == b.lastModified && a.timeStamp == b.timeStamp && a.description == b.description;
}

// The description of an audiogram saved later than its date of evaluation.
std::string Transcription(const CLangLoader& texts, double dayOfEvaluation)
{
    QString text = QString::fromStdString(texts.LoadResString(TR_TRANSCRIPTION_OF_AUDIOGRAM_DATA_INITIALLY_RECORDED));
    text.replace(QStringLiteral("xx/xx/xxxx"), QString::fromStdString(testing::DayText(dayOfEvaluation)));
    return text.left(64).toStdString();
}

// The chart position of a frequency in the current profile's pure-tone charts.
double ChartPosition(std::int32_t frequency)
{
    CPureToneChartMaps positions;
    SetChartMapsFromGraphOptions(positions, PreferenceNumber(*ModuleGlobals::PreferenceStore(), "PTGraphOptions"));
    positions.Initialize();
    return positions.ConvertAudioXToChartX(frequency);
}

bool Interactive(CPureTone& view, int chart)
{
    lumenplot::VARIANT_BOOL value = lumenplot::VARIANT_FALSE;
    view.chtEar(chart).chart().get_InteractiveMode(&value);
    return value != lumenplot::VARIANT_FALSE;
}

// Whether the chart shows red, the right ear's colour, around a threshold.
bool ChartShowsMarkAt(CPureTone& view, int chart, std::int32_t frequency, std::int32_t level)
{
    QCoreApplication::processEvents();
    const QImage image = view.chtEar(chart).widget()->grab().toImage();
    const QPoint at = testing::ChartPixel(view, chart, ChartPosition(frequency), level);
    int red = 0;
    for (int y = at.y() - 5; y <= at.y() + 5; ++y)
        for (int x = at.x() - 5; x <= at.x() + 5; ++x) {
            const QColor colour = image.pixelColor(x, y);
            red += colour.red() > 160 && colour.green() < 96 && colour.blue() < 96;
        }
    return red > 5;
}

// The ear that a chart of the pure-tone view shows, one chart per ear.
std::int32_t EarOfChart(const CPureTone& view, int chart)
{
    return (chart == 0) == view.RightOnLeft() ? kRight : kLeft;
}

// An ear's thresholds as the test-data table shows them, for the entered frequencies.
Thresholds TableThresholds(const CPureTone& view, int grid)
{
    const auto* table = view.TestDataPanel()->findChild<TolvEditGrid*>(QStringLiteral("grdEar%1").arg(grid));
    Thresholds shown;
    if (!table)
        return shown;
    for (const auto& [frequency, column] : kTableColumn) {
        const std::string text = table->GetCellText(column, 0);
        if (!text.empty())
            shown[frequency] = std::stoi(text);
    }
    return shown;
}

class WholeRoadTest : public ::testing::Test {
protected:
    // A fresh machine as the installers leave it, and the office's records.
    void SetUp() override
    {
        KeepJpegLibraryLoaded();
        for (const char* library : {VELLUM_LIBRARY_PATH, LUMENPLOT_LIBRARY_PATH, PELMSONVALE_LIBRARY_PATH,
                                    BRISANCE_LIBRARY_PATH})
            ASSERT_NO_FATAL_FAILURE(testing::registerServer(library));
        ASSERT_EQ(installer::runSetup("brisance-setup"), 0) << "the module was not registered with the host";
        ASSERT_NO_FATAL_FAILURE(pelmsonvale::testing::registerDriver("Marlet", MARLET_LIBRARY_PATH));
        // The tympanometer is None: an idle tympanometer port would slow every read.
        testing::setUpMarlet(marlet::ModelTessil, marlet::ModelNone);
        audiometer.emplace(marlet::ModelTessil, "COM3");
        ASSERT_TRUE(host.placeDefaultProfile());
        host.setLanguage(1033);
        user = host.addUser("JD", "Jane Doe");
        client = host.addClient({.firstName = "Ann",
                                 .middleName = "Marie",
                                 .lastName = "Smith",
                                 .clientNo = "4711",
                                 .birthDate = kBirthDay});
        ASSERT_TRUE(english.OpenResourceLibrary(kEnglishLibrary));
    }

    // Qt loads its image plugins for the module's pictures, and with them
    // libjpeg, whose thread-local block the leak checker still reads at exit
    // after Qt has unloaded the plugins: it then crashes instead of checking.
    // Kept loaded, the block stays readable.
    static void KeepJpegLibraryLoaded() { dlopen("libjpeg.so.62", RTLD_NOW | RTLD_NODELETE); }

    // The host window made the active one, as the window manager makes it at
    // the start and again when a dialog closes (the offscreen platform does not).
    void Activate()
    {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&*window));
    }

    docAudiogramModule* Framed() const { return window->documentFrame()->findChild<docAudiogramModule*>(); }

    // Every action of the client, session by session.
    std::vector<ActionRecord> ClientActions()
    {
        std::vector<ActionRecord> actions;
        for (const host::SessionRecord& session : host.database().sessions(client->id()))
            for (const ActionRecord& action : host.database().actions(session.id))
                actions.push_back(action);
        return actions;
    }

    // The air-conduction test chosen on the palette, and a threshold clicked
    // on each ear's chart at each frequency.
    void EnterAudiogram(CPureTone& view)
    {
        PaletteButton* air = nullptr;
        for (PaletteButton* shown : view.Palette()->findChildren<PaletteButton*>("butPal"))
            if (shown->isVisible() && shown->InternalObject()) {
                const auto item = view.PaletteItems()->ItemByID(
                    static_cast<std::int32_t>(shown->InternalObject()->ItemData().toLong()));
                if (item && item->CurvePreferences->Key() == kAirConduction && !item->Binaural)
                    air = shown;
            }
        ASSERT_NE(air, nullptr) << "the palette offers no air-conduction test";
        QTest::mouseClick(air, Qt::LeftButton, {}, QPoint(air->width() / 4, air->height() / 2));

        for (const int chart : {0, 1})
            for (const auto& [frequency, level] : EarOfChart(view, chart) == kLeft ? kLeftEntered : kRightEntered)
                testing::ClickChart(view, chart, ChartPosition(frequency), level);
    }

    // Double-clicks the action's row in the host window's record view.
    void OpenFromRecord(host::RowId action)
    {
        host::RecordView& record = *window->recordView();
        QTreeWidgetItem* row = nullptr;
        for (int s = 0; s < record.topLevelItemCount() && !row; ++s)
            for (int a = 0; a < record.topLevelItem(s)->childCount() && !row; ++a) {
                record.setCurrentItem(record.topLevelItem(s)->child(a));
                if (record.currentAction() == action)
                    row = record.topLevelItem(s)->child(a);
            }
        ASSERT_NE(row, nullptr) << "the record view does not list the action";
        const QPoint at = record.visualItemRect(row).center();
        // A double-click: the press and release of the first click, then the second.
        QTest::mouseClick(record.viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(record.viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(record.viewport(), Qt::LeftButton, {}, at);
        QCoreApplication::processEvents();
    }

    // File > Print, the print dialog answered with the built-in PDF printer:
    // the one file it printed, or none.
    fs::path PrintedByFileMenu(docAudiogramModule& document)
    {
        const fs::path folder = platform::print::builtInPrinterSettings().folder;
        const auto files = [&folder] {
            std::vector<fs::path> found;
            if (fs::exists(folder))
                for (const auto& entry : fs::directory_iterator(folder))
                    found.push_back(entry.path());
            return found;
        };
        const std::size_t before = files().size();
        responder.queue(platform::ui::reply::Printer{platform::print::builtInPrinterSettings().name});
        document.Menus().mnuFilePrint->trigger();
        const std::vector<fs::path> after = files();
        EXPECT_EQ(after.size(), before + 1) << "one printed report";
        return after.size() == before + 1 ? after.back() : fs::path();
    }

    // What the responder recorded: each dialog's kind and its text.
    std::vector<std::pair<platform::ui::DialogKind, std::string>> Shown() const
    {
        std::vector<std::pair<platform::ui::DialogKind, std::string>> shown;
        for (const platform::ui::ShownDialog& dialog : responder.shown())
            shown.emplace_back(dialog.kind, dialog.text);
        return shown;
    }

    static inline const host::Date kBirthDay = 22000.0;  // 25 March 1960

    host::testing::HostFixture host;
    platform::ui::TestResponder responder;
    platform::runtime::ScopedClock clock{kDayD};
    std::optional<sim::Instrument> audiometer;
    std::optional<host::User> user;
    std::optional<host::Client> client;
    CLangLoader english;
    std::optional<host::HostWindow> window;
};

TEST_F(WholeRoadTest, AnAudiogramEnteredSavedReopenedPrintedMeasuredAndSavedAgain)
{
    // Started from the host window for the client.
    window.emplace();
    window->show();
    ASSERT_NO_FATAL_FAILURE(Activate());
    ASSERT_TRUE(window->selectUser(user->id()));
    ASSERT_TRUE(window->selectClient(client->id()));
    window->startModule();
    // The document is drawn before the clinician reaches for it.
    QCoreApplication::processEvents();
    docAudiogramModule* document = Framed();
    ASSERT_NE(document, nullptr) << "the host framed no document";
    ASSERT_EQ(document->DocumentMode(), docAudiogramModule::kModeNew);

    // An audiogram entered by mouse.
    CPureTone& pureTone = document->oPureTone();
    ASSERT_NO_FATAL_FAILURE(EnterAudiogram(pureTone));
    EXPECT_EQ(AirThresholds(*pureTone.DataLayer(), kLeft), kLeftEntered);
    EXPECT_EQ(AirThresholds(*pureTone.DataLayer(), kRight), kRightEntered);
    for (const int grid : {0, 1})
        EXPECT_EQ(TableThresholds(pureTone, grid), EarOfChart(pureTone, grid) == kLeft ? kLeftEntered : kRightEntered)
            << "table " << grid;

    // Saved with Ctrl+S, and closed without a question.
    QTest::keyClick(&*window, Qt::Key_S, Qt::ControlModifier);
    std::vector<ActionRecord> stored = ClientActions();
    ASSERT_EQ(stored.size(), 1u) << "Ctrl+S saved no audiogram";
    const ActionRecord first = stored[0];
    EXPECT_EQ(first.dataTypeCode, 1);
    EXPECT_EQ(first.dataFormat, 200);
    EXPECT_EQ(std::floor(first.dateCreated), std::floor(kDayD.days));
    EXPECT_EQ(first.description, english.LoadResString2(TR_NEW_AUDIOGRAM));
    EXPECT_EQ(StoredThresholds(first, kRight), kRightEntered);
    window->closeModule();
    EXPECT_TRUE(Shown().empty()) << "closing a saved document asks nothing";

    // The next day, the saved audiogram opens read-only from the record.
    clock.set(kDayAfter);
    ASSERT_NO_FATAL_FAILURE(OpenFromRecord(first.id));
    document = Framed();
    ASSERT_NE(document, nullptr) << "the double-click opened no document";
    ASSERT_EQ(document->DocumentMode(), docAudiogramModule::kModeReadOnly);
    EXPECT_EQ(document->sbrMain().PanelText("MODE"), english.LoadResString(TR_READ_ONLY_MODE));
    EXPECT_FALSE(document->oPureTone().Enabled());
    EXPECT_FALSE(document->oSpeech().Enabled());
    EXPECT_FALSE(document->oImpedance().Enabled());
    EXPECT_FALSE(document->Menus().mnuFileSave->isEnabled());
    EXPECT_FALSE(document->tbrMain().Enabled("Save"));
    EXPECT_EQ(AirThresholds(*document->oPureTone().DataLayer(), kLeft), kLeftEntered);
    EXPECT_EQ(AirThresholds(*document->oPureTone().DataLayer(), kRight), kRightEntered);

    // Printed on the built-in PDF printer.
    const fs::path printed = PrintedByFileMenu(*document);
    ASSERT_FALSE(printed.empty()) << "File > Print printed no report";
    const std::string text = platform::testing::pdfText(printed);
    for (const std::string& part : {std::string("Smith, Ann Marie"), testing::DayText(std::floor(kDayD.days)),
                                    english.LoadResString2(TR_HEARING_EVALUATION), english.LoadResString2(TR_PURETONE)})
        EXPECT_NE(text.find(part), std::string::npos) << "the report lacks \"" << part << "\":\n" << text;
    EXPECT_TRUE(ChartsHoldBothEarsMarks(printed)) << "the report's pure-tone charts show no thresholds";

    // A measurement started from the Audiometer menu: the read-only prompt
    // comes first, and a new audiogram based on this one goes on to start it.
    MenuControlArray& instruments = *document->Menus().mnuSonvaleDevice;
    // The driver's name as its registration gives it.
    const std::string startMarlet = english.LoadResString(TR_START) + " Marlet driver";
    ASSERT_EQ(instruments.Caption(0), startMarlet);
    {
        platform::testing::ModalDialogs dialogs;
        dialogs.answer<frmReadOnlyMsg>([](frmReadOnlyMsg& prompt) {
            platform::testing::click(prompt.optChoice[0]);
            QTest::mouseClick(prompt.cmdOK, Qt::LeftButton);
        });
        instruments.Action(0).trigger();
    }
    ASSERT_EQ(document->DocumentMode(), docAudiogramModule::kModeNew);
    ASSERT_NO_FATAL_FAILURE(Activate());
    CPureTone& measuring = document->oPureTone();
    EXPECT_FALSE(Interactive(measuring, 0) || Interactive(measuring, 1)) << "the charts still take the mouse";
    EXPECT_TRUE(instruments.Enabled(0)) << "the running driver's item stops it";
    EXPECT_FALSE(document->Menus().mnuToolsSonvale->isEnabled());

    // The audiometer measures the right ear at 1 kHz anew.
    audiometer->send(sim::tonePoint({.routingPair = 2, .levelA = kRightMeasuredAt1000 * 10}));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return AirThresholds(*measuring.DataLayer(), kRight)[1000] == kRightMeasuredAt1000; }, 10000))
        << "the measured threshold did not reach the data";
    Thresholds measured = kRightEntered;
    measured[1000] = kRightMeasuredAt1000;
    EXPECT_EQ(AirThresholds(*measuring.DataLayer(), kRight), measured);
    const int rightChart = EarOfChart(measuring, 0) == kRight ? 0 : 1;
    EXPECT_EQ(TableThresholds(measuring, rightChart), measured);
    EXPECT_TRUE(ChartShowsMarkAt(measuring, rightChart, 1000, kRightMeasuredAt1000));
    EXPECT_FALSE(ChartShowsMarkAt(measuring, rightChart, 1000, kRightEntered.at(1000))) << "the entered mark stays";
    EXPECT_TRUE(document->Menus().mnuEditUndo->isEnabled()) << "the measured point cannot be undone";
    EXPECT_TRUE(document->tbrMain().Enabled("Undo"));

    // Saved beside the first audiogram, as a transcription of day D, while
    // the audiometer still measures.
    QTest::keyClick(&*window, Qt::Key_S, Qt::ControlModifier);
    stored = ClientActions();
    ASSERT_EQ(stored.size(), 2u) << "the new audiogram was not saved";
    EXPECT_TRUE(SameAction(stored[0], first)) << "the first audiogram was changed";
    const ActionRecord& second = stored[1];
    EXPECT_EQ(second.dataTypeCode, 1);
    EXPECT_EQ(std::floor(second.dateCreated), std::floor(kDayD.days));
    EXPECT_EQ(second.description, Transcription(english, std::floor(kDayD.days)));
    EXPECT_EQ(StoredThresholds(second, kLeft), kLeftEntered);
    EXPECT_EQ(StoredThresholds(second, kRight), measured);

    // The first audiogram opened again from the File menu, read-only, while
    // the audiometer measures on: its next threshold asks once, and going on
    // viewing leaves the first audiogram as it was stored.
    document->Menus().mnuFilePastAction->Action(0).trigger();
    ASSERT_EQ(document->DocumentMode(), docAudiogramModule::kModeReadOnly);
    ASSERT_EQ(AirThresholds(*measuring.DataLayer(), kRight), kRightEntered);
    {
        platform::testing::ModalDialogs dialogs;
        bool asked = false;
        dialogs.answer<frmReadOnlyMsg>([&asked](frmReadOnlyMsg& prompt) {
            asked = true;
            platform::testing::click(prompt.optChoice[2]);
            QTest::mouseClick(prompt.cmdOK, Qt::LeftButton);
        });
        audiometer->send(sim::tonePoint({.routingPair = 2, .levelA = kRightMeasuredAt1000 * 10}));
        ASSERT_TRUE(QTest::qWaitFor([&asked] { return asked; }, 10000)) << "the threshold did not reach the visit";
    }
    ASSERT_NO_FATAL_FAILURE(Activate());
    EXPECT_EQ(document->DocumentMode(), docAudiogramModule::kModeReadOnly);
    EXPECT_EQ(AirThresholds(*measuring.DataLayer(), kRight), kRightEntered) << "the read-only visit took the threshold";
    EXPECT_FALSE(document->Menus().mnuEditUndo->isEnabled());

    // A second click on the item stops the measurement.
    instruments.Action(0).trigger();
    EXPECT_TRUE(Interactive(measuring, 0) && Interactive(measuring, 1));
    EXPECT_TRUE(instruments.Enabled(0));
    EXPECT_TRUE(document->Menus().mnuToolsSonvale->isEnabled());

    window->closeModule();
    stored = ClientActions();
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_TRUE(SameAction(stored[0], first)) << "closing wrote over the first audiogram";
    // Along the road no message: only the print dialog and the prompts' sounds.
    const std::vector<std::pair<platform::ui::DialogKind, std::string>> expected{
        {platform::ui::DialogKind::Print, platform::print::builtInPrinterSettings().name},
        {platform::ui::DialogKind::Sound, "SystemQuestion"},
        {platform::ui::DialogKind::Sound, "SystemQuestion"}};
    EXPECT_EQ(Shown(), expected);
}

}  // namespace
}  // namespace brisance
