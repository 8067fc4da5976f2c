// The main job as a new user meets it: a fresh machine root set up by the
// main job's own script (servers registered, driver entered, module installed
// by BrisanceSetup, demo client recorded through the module), the host window
// opened on the demo client with the module started on each of its actions,
// and the headless print of the combined report.

#include "tools/demo/DemoAudiograms.h"
#include "tools/demo/DemoClient.h"

#include "module/document/docAudiogramModule.h"
#include "module/document/frmReadOnlyMsg.h"
#include "module/document/MenuControlArray.h"
#include "module/panels/IPTATable.h"
#include "module/panels/TableView.h"
#include "module/panels/TolvEditGrid.h"
#include "module/views/CPureTone.h"
#include "module/views/SitedChart.h"

#include "host/HostContext.h"
#include "host/HostDatabase.h"
#include "host/window/HostWindow.h"
#include "host/window/RecordView.h"

#include "tools/instrument-sim/Instrument.h"

#include "PelmSonvale/ClassIds.h"
#include "PelmSonvale/ISonvaleController.h"
#include "PelmTolvaneChart/IChart.h"
#include "platform/com/Creation.h"
#include "platform/com/HResult.h"
#include "platform/machine/MachineRoot.h"
#include "platform/registry/Profile.h"
#include "platform/runtime/Dates.h"
#include "platform/ui/TestResponder.h"
#include "platform/testing/ModalDialogs.h"
#include "platform/testing/PdfPages.h"
#include "vellum/VellumValues.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTreeWidget>

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <sys/wait.h>

namespace {

using brisance::docAudiogramModule;
namespace fs = std::filesystem;

struct Finished {
    int status;
    std::string output;
};

// Runs a shell command, its standard error with its output.
Finished run(const std::string& command)
{
    Finished result{-1, {}};
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (!pipe) return result;
    std::array<char, 4096> buffer{};
    while (const std::size_t read = std::fread(buffer.data(), 1, buffer.size(), pipe))
        result.output.append(buffer.data(), read);
    const int status = ::pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

std::string quoted(const fs::path& path)
{
    return "'" + path.string() + "'";
}

class MainJobTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const Finished setUp = run(quoted(MAIN_JOB_SETUP) + " " + quoted(BRISANCE_PROGRAM_DIR));
        ASSERT_EQ(setUp.status, 0) << "the main job's set-up failed:\n" << setUp.output;
        for (const host::ClientRecord& client : database().clients())
            if (client.clientNo == demo::kDemoClientNo) demoClient = client.id;
        ASSERT_NE(demoClient, 0) << "no demo client after the set-up:\n" << setUp.output;
    }

    static host::HostDatabase& database() { return *host::HostContext::current().database(); }

    host::RowId demoClient = 0;
};

// The ids of the lines on a chart.
std::vector<std::int32_t> lineIds(brisance::SitedChart& chart)
{
    platform::com::ComPtr<lumenplot::ILines> lines;
    chart.chart().get_Lines(lines.put());
    platform::com::ComPtr<platform::com::IUnknown> walk;
    lines->get__NewEnum(walk.put());
    std::vector<std::int32_t> ids;
    platform::runtime::Variant line;
    while (walk.as<platform::com::IEnumVARIANT>()->Next(1, &line, nullptr) == platform::com::S_OK) {
        std::int32_t id = 0;
        line.toObject().as<lumenplot::ILine>()->get_LineID(&id);
        ids.push_back(id);
    }
    return ids;
}

// The texts of one row of the pure-tone table's grids, both ears in turn.
std::vector<std::string> tableRow(brisance::CPureTone& view, std::int32_t row)
{
    std::vector<std::string> cells;
    for (const brisance::TolvEditGrid* grid : view.TestDataPanel()->findChildren<brisance::TolvEditGrid*>())
        for (std::int32_t column = 0; column < 11; ++column) cells.push_back(grid->GetCellText(column, row));
    return cells;
}

// The averages of 500 Hz to 2 kHz of each visit, right and left, as the loss grows.
constexpr std::pair<const char*, const char*> kAverages[] = {{"28", "18"}, {"30", "20"}, {"32", "22"}};

constexpr int kDotsPerInch = 100;

QPoint toPixels(const QPointF& centimetres)
{
    return (centimetres / 2.54 * kDotsPerInch).toPoint();
}

// The printed audiogram: from below its title "Frequency in Hertz (Hz)" down
// to the masking table, and from the page's left edge to the legend.
QRect chartArea(const platform::testing::PdfPage& page)
{
    const platform::testing::PdfWord* title = page.find("Frequency");
    const platform::testing::PdfWord* table = page.find("Effective");
    const platform::testing::PdfWord* legend = page.find("Legend");
    if (!title || !table || !legend) return {};
    return QRect(toPixels({0, title->box.bottom()}), toPixels({legend->box.left() - 0.5, table->box.top()}));
}

// The numbers that stand below the heading, within the depth and within the
// half width to each side of the heading's middle (cm), in reading order.
std::vector<std::string> numbersBelow(const platform::testing::PdfPage& page, std::string_view heading,
                                      double halfWidth, double depth)
{
    std::vector<std::string> words;
    const platform::testing::PdfWord* top = page.find(heading);
    if (!top) return words;
    for (const platform::testing::PdfWord& word : page.words) {
        if (!word.text.empty() && std::isdigit(static_cast<unsigned char>(word.text.front())) &&
            word.box.top() >= top->box.bottom() && word.box.top() <= top->box.bottom() + depth &&
            std::abs(word.box.center().x() - top->box.center().x()) <= halfWidth)
            words.push_back(word.text);
    }
    return words;
}

// Pixels in the area that are plainly red (ink > 0) or plainly blue (ink < 0).
int pixelsOfInk(const QImage& image, const QRect& area, int ink)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.valid(x, y) ? image.pixel(x, y) : qRgb(255, 255, 255);
            const int strong = ink > 0 ? qRed(pixel) : qBlue(pixel);
            const int weak = ink > 0 ? std::max(qGreen(pixel), qBlue(pixel)) : std::max(qRed(pixel), qGreen(pixel));
            if (strong > 200 && weak < 90) ++count;
        }
    }
    return count;
}

// The rows of the area that a line crosses over two fifths of its width: the grid.
int gridLines(const QImage& image, const QRect& area)
{
    int lines = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        int dark = 0;
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.valid(x, y) && qGray(image.pixel(x, y)) < 240) ++dark;
        if (dark > area.width() * 2 / 5) ++lines;
    }
    return lines;
}

TEST_F(MainJobTest, TheHostOpensTheDemoClientAndTheModuleShowsEveryOneOfItsActions)
{
    host::HostWindow window;
    ASSERT_TRUE(window.selectClient(demoClient));
    const QTreeWidget& record = *window.recordView();
    ASSERT_EQ(record.topLevelItemCount(), static_cast<int>(std::size(demo::kVisits)));

    const auto sessions = database().sessions(demoClient);
    for (std::size_t visit = 0; visit < sessions.size(); ++visit) {
        const auto actions = database().actions(sessions[visit].id);
        ASSERT_EQ(actions.size(), 3u) << "an audiogram and each ear's impedance, visit " << visit + 1;
        EXPECT_EQ(record.topLevelItem(static_cast<int>(visit))->childCount(), 3);
        for (const host::ActionRecord& action : actions) {
            const std::string which = "visit " + std::to_string(visit + 1) + ", " + action.description;
            EXPECT_EQ(std::floor(action.dateCreated), std::floor(sessions[visit].date)) << which;
            window.startModule(action.id);
            auto* document = window.findChild<docAudiogramModule*>();
            ASSERT_NE(document, nullptr) << which << ": " << window.moduleArea()->text().toStdString();
            brisance::CPureTone& pureTone = document->oPureTone();
            vellum::IVellumDataLayer& data = *pureTone.DataLayer();
            EXPECT_EQ(data.get_PureToneCurves()->get_Count(), 8) << which << ": air, bone and reflexes of both ears";
            EXPECT_EQ(data.get_SpeechCurves()->get_Count(), 6) << which;
            EXPECT_EQ(data.get_Tympanograms()->get_Count(), 2) << which;

            EXPECT_EQ(document->Menus().mnuFilePastAction->Count(), 3) << which << ": every visit's audiogram";
            EXPECT_EQ(document->Menus().mnuViewPrevAction->Count(), 3) << which << ": every visit's audiogram";
            for (int chart = 0; chart < 2; ++chart)
                EXPECT_GE(lineIds(pureTone.chtEar(chart)).size(), 2u) << which << ": air and bone on chart " << chart;
            EXPECT_EQ(pureTone.PureToneAverage()->ACRightAverage(), kAverages[visit].first) << which;
            EXPECT_EQ(pureTone.PureToneAverage()->ACLeftAverage(), kAverages[visit].second) << which;
            // The table: the right ear's grid, then the left's, 250 Hz in column 1.
            const std::vector<std::string> levels = tableRow(pureTone, 0);
            const std::vector<std::string> masking = tableRow(pureTone, 1);
            ASSERT_EQ(levels.size(), 22u) << which;
            const int shift = demo::kVisits[visit].highFrequencyDb;
            EXPECT_EQ(levels[1], "15") << which;
            EXPECT_EQ(levels[6], std::to_string(40 + shift)) << which << ": right, 2 kHz";
            EXPECT_EQ(masking[6], "60") << which << ": right, 2 kHz, masked";
            EXPECT_EQ(masking[4], "") << which << ": right, 1 kHz, unmasked";
            EXPECT_EQ(levels[11 + 6], std::to_string(25 + shift)) << which << ": left, 2 kHz";
            EXPECT_EQ(levels[11 + 10], "NR") << which << ": left, 8 kHz, no response";
            window.closeModule();
        }
    }
}

TEST_F(MainJobTest, TheLinkServerFindsTheDriverWhichNamesTheDemosTwoInstruments)
{
    const auto controller = platform::com::create<pelmsonvale::ISonvaleController>(pelmsonvale::kSonvaleControllerClsid);
    ASSERT_EQ(controller->LoadInstalledDrivers(), platform::com::S_OK);
    platform::com::ComPtr<pelmsonvale::ISonvaleDrivers> drivers;
    ASSERT_EQ(controller->get_RegisteredDrivers(drivers.put()), platform::com::S_OK);
    platform::com::ComPtr<pelmsonvale::ISonvaleDriver> marlet;
    bool found = false;
    ASSERT_EQ(drivers->FindByType("MRL", marlet.put(), &found), platform::com::S_OK);
    ASSERT_TRUE(found);
    std::string name;
    marlet->get_Name(&name);
    EXPECT_EQ(name, "Marlet") << "the document's instrument menu offers \"Start " << name << "\"";

    // The ports that the simulator is started on.
    const platform::registry::Profile settings("Pelmworks", "marlet");
    const struct {
        const char* modelEntry;
        const char* model;
        const char* port;
    } instruments[] = {{"Model", "Tessil", "COM1"}, {"Model2", "Quorrel v2", "COM2"}};
    for (const auto& instrument : instruments) {
        EXPECT_EQ(settings.getString("Default", instrument.modelEntry, ""), instrument.model);
        EXPECT_EQ(settings.getString(instrument.model, "Port", ""), instrument.port) << instrument.model;
    }
}

// The arguments of the example of --help that prints a report.
std::string printExample(const std::string& help)
{
    std::istringstream lines(help);
    for (std::string line; std::getline(lines, line);) {
        const auto at = line.find("brisance-host ");
        if (at != std::string::npos && line.find("--print-action") != std::string::npos)
            return line.substr(at + std::string("brisance-host ").size());
    }
    return {};
}

TEST_F(MainJobTest, TheHelpsPrintExampleWritesTheCombinedReportOfADemoActionWithoutAWindow)
{
    const fs::path host = fs::path(BRISANCE_PROGRAM_DIR) / "brisance-host";
    const Finished help = run(quoted(host) + " --help");
    std::string example = printExample(help.output);
    const auto file = example.find("report.pdf");
    ASSERT_NE(file, std::string::npos) << "--help shows how to print a report: " << help.output;

    const fs::path pdf = platform::machine::root() / "report.pdf";
    example.replace(file, std::string("report.pdf").size(), quoted(pdf));
    const Finished print = run("cd " + quoted(platform::machine::root()) + " && env -u QT_QPA_PLATFORM " + quoted(host) +
                               " " + example);
    ASSERT_EQ(print.status, 0) << example << ": " << print.output;
    EXPECT_NE(print.output.find(pdf.string()), std::string::npos) << "it says where the report is: " << print.output;

    const auto session = database().sessionAt(demoClient, 2);
    const auto action = database().actionAt(session->id, 1);
    const std::string text = platform::testing::pdfText(pdf);
    const std::string date = platform::runtime::shortDateText(platform::runtime::Date{action->dateCreated});
    EXPECT_NE(text.find("Combined report: Demo, Alex (1001), " + date), std::string::npos) << text;
    EXPECT_NE(text.find("Client Name: Demo, Alex J"), std::string::npos) << text;
    EXPECT_NE(text.find("Date of Evaluation: " + platform::runtime::dateText(platform::runtime::Date{action->dateCreated})),
              std::string::npos)
        << text;
    // Columns are matched by their order, not by pdftotext's spacing, which
    // follows the table's place on the page.
    EXPECT_TRUE(QRegularExpression(R"(R\s+60\s+60\s+60\s+60\s+60)").match(QString::fromStdString(text)).hasMatch())
        << "the right ear's masking levels: " << text;

    // The demo user's speech view is the table, so the report has the layout
    // with the averages, the reflexes and the tympanograms.
    const auto pages = platform::testing::pdfPages(pdf);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(numbersBelow(pages[0], "Average", 1.5, 1.5),
              (std::vector<std::string>{kAverages[1].first, kAverages[1].second}))
        << text;
    for (const char* heading : {"Ipsilateral", "Contralateral", "Tympanometry"})
        EXPECT_NE(pages[0].find(heading), nullptr) << heading << ": " << text;

    // The audiogram has its grid and both ears' symbols, red for the right
    // and blue for the left.
    const QImage page = platform::testing::pdfPageImage(pdf, kDotsPerInch);
    const QRect chart = chartArea(pages[0]);
    ASSERT_FALSE(chart.isEmpty()) << text;
    constexpr int kRed = 1;
    constexpr int kBlue = -1;
    EXPECT_GE(gridLines(page, chart), 10);
    EXPECT_GE(pixelsOfInk(page, chart, kRed), 50) << "the right ear's symbols";
    EXPECT_GE(pixelsOfInk(page, chart, kBlue), 50) << "the left ear's symbols";

    const Finished again = run(quoted(fs::path(BRISANCE_PROGRAM_DIR) / "brisance-demo"));
    EXPECT_EQ(again.status, 0) << again.output;
    EXPECT_NE(again.output.find("was there already"), std::string::npos) << again.output;
    EXPECT_EQ(database().sessions(demoClient).size(), std::size(demo::kVisits)) << "a second run adds nothing";
}

// What the README says to measure without hardware: each simulator's model
// and port, and the record line to type into the audiometer's.
struct MeasuringLines {
    std::vector<std::pair<std::string, std::string>> simulators;
    std::string record;
};

MeasuringLines readmeMeasuringLines()
{
    MeasuringLines lines;
    std::ifstream readme(MAIN_JOB_README);
    const std::string command = "build/bin/instrument-sim ";
    for (std::string line; std::getline(readme, line);) {
        const auto at = line.find(command);
        if (line.rfind("    :", 0) == 0) lines.record = line.substr(4);
        if (at == std::string::npos) continue;
        std::string rest = line.substr(at + command.size());
        std::string model;
        if (rest.front() == '"') {
            const auto end = rest.find('"', 1);
            model = rest.substr(1, end - 1);
            rest = rest.substr(end + 1);
        } else {
            model = rest.substr(0, rest.find(' '));
            rest = rest.substr(model.size());
        }
        lines.simulators.emplace_back(model, rest.substr(rest.find_first_not_of(' ')));
    }
    return lines;
}

TEST_F(MainJobTest, TheReadmesSimulatedAudiometerMeasuresIntoTheDocumentStartedFromItsAudiometerMenu)
{
    const MeasuringLines readme = readmeMeasuringLines();
    ASSERT_EQ(readme.simulators.size(), 2u) << "an audiometer and a tympanometer";
    ASSERT_FALSE(readme.record.empty());
    std::vector<std::unique_ptr<instrument_sim::Instrument>> simulators;
    for (const auto& [model, port] : readme.simulators) {
        const instrument_sim::Persona* persona = instrument_sim::personaNamed(model);
        ASSERT_NE(persona, nullptr) << model;
        simulators.push_back(std::make_unique<instrument_sim::Instrument>(persona->model, port));
    }
    instrument_sim::Instrument& audiometer = *simulators.front();

    platform::ui::TestResponder responder;
    host::HostWindow window;
    ASSERT_TRUE(window.selectClient(demoClient));
    window.startModule();
    auto* document = window.findChild<docAudiogramModule*>();
    ASSERT_NE(document, nullptr) << window.moduleArea()->text().toStdString();
    QAction* start = nullptr;
    for (QAction* item : document->Menus().mnuAudiometerMain->actions())
        if (item->text().remove('&') == "Start Marlet") start = item;
    ASSERT_NE(start, nullptr) << "the Audiometer menu offers the demo's driver";
    {
        // The module opens on the last visit, read-only: a start asks first.
        platform::testing::ModalDialogs dialogs;
        dialogs.answer<brisance::frmReadOnlyMsg>([](brisance::frmReadOnlyMsg& dialog) {
            platform::testing::click(dialog.optChoice[1]);
            platform::testing::click(dialog.cmdOK);
        });
        start->trigger();
    }

    audiometer.send(instrument_sim::withChecksum(readme.record, audiometer.persona().checksum));
    // The left ear's grid, 1 kHz: what the README says the line measures.
    brisance::CPureTone& pureTone = document->oPureTone();
    EXPECT_TRUE(platform::testing::processUntil([&] { return tableRow(pureTone, 0).at(11 + 4) == "30"; },
                                                std::chrono::seconds(5)))
        << "the left ear's levels: " << ::testing::PrintToString(tableRow(pureTone, 0))
        << "; what the module said: " << (responder.shown().empty() ? "" : responder.shown().back().text);
    EXPECT_GE(lineIds(pureTone.chtEar(0)).size() + lineIds(pureTone.chtEar(1)).size(), 1u) << "the point is charted";

    start->trigger();
}

}  // namespace
