// The module's page of the host's combined report: the module registered in
// this test's machine root as an installation leaves it (the Brisance, Vellum
// and chart libraries, and brisance-setup for the host), printed by the host.
#include "module/report/CCombinedReportHandler.h"

#include "module/core/CLangLoader.h"
#include "module/core/ModuleGlobals.h"
#include "module/core/ModulePaths.h"
#include "module/core/TextResources.h"
#include "module/report/ReportPrintArea.h"
#include "module/report/tests/RichAudiogram.h"
#include "module/testing/RegisterServer.h"

#include "host/CombinedReport.h"
#include "host/testing/HostFixture.h"

#include "vellum/IVellumDataLayer.h"
#include "vellum/IVellumKeyedStore.h"

#include "platform/com/Creation.h"
#include "platform/com/DispatchTable.h"
#include "platform/com/Object.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/machine/MachineRoot.h"
#include "platform/print/PrintJob.h"
#include "platform/print/Printers.h"
#include "platform/sqlite/Connection.h"
#include "platform/runtime/Dates.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/testing/PdfPages.h"
#include "platform/testing/ReadOnlyFolder.h"
#include "platform/testing/TemporaryFolder.h"
#include "platform/ui/TestResponder.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>

namespace brisance {
namespace {

namespace com = platform::com;
namespace fs = std::filesystem;
namespace gfx = platform::gfx;
namespace runtime = platform::runtime;
using platform::testing::PdfPage;
using platform::testing::PdfWord;

constexpr const char* kEnglishTexts = BRISANCE_PROGRAM_DIR "/Language Resources/BrisanceENU.so";
constexpr std::int32_t kModule = 0x200001;

// The host's print object of a test: a context and a rectangle chosen by the
// test.
using TavoPrintMember = com::DispatchMember<host::TavoPrint>;
constexpr TavoPrintMember kTavoPrintMembers[] = {
    TavoPrintMember::valueMethod<&host::TavoPrint::GetPrintArea>("GetPrintArea", 1),
};
std::span<const TavoPrintMember> tavoPrintMembers() { return kTavoPrintMembers; }

class TestTavoPrint final : public com::Object<com::Dispatched<host::TavoPrint, tavoPrintMembers>> {
public:
    TestTavoPrint(gfx::DcHandle dc, gfx::Rect area) : m_dc(dc), m_area(area) {}
    void GetPrintArea(std::int32_t* hdc, std::int32_t* left, std::int32_t* top, std::int32_t* right,
                      std::int32_t* bottom) override
    {
        *hdc = m_dc;
        *left = m_area.left;
        *top = m_area.top;
        *right = m_area.right;
        *bottom = m_area.bottom;
    }

private:
    gfx::DcHandle m_dc;
    gfx::Rect m_area;
};

host::Bytes bytesOf(const runtime::Variant& value)
{
    return value.toBytes();
}

class CombinedReportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(testing::registerServer(VELLUM_LIBRARY_PATH));
        ASSERT_NO_FATAL_FAILURE(testing::registerServer(LUMENPLOT_LIBRARY_PATH));
        ASSERT_NO_FATAL_FAILURE(testing::registerServer(BRISANCE_LIBRARY_PATH));
        QProcess setup;
        setup.start(BRISANCE_SETUP_PROGRAM, {});
        ASSERT_TRUE(setup.waitForFinished(60000)) << "brisance-setup did not end";
        ASSERT_EQ(setup.exitCode(), 0) << setup.readAllStandardError().toStdString();
        ASSERT_TRUE(texts.OpenResourceLibrary(kEnglishTexts));
        // The user has preferences of the module: one profile, in the US layout.
        userProfiles([](vellum::IVellumKeyedStore& s) { s.put_Value("Profile", std::string("Mine")); });
    }

    static com::ComPtr<vellum::IVellumDataLayer> newData()
    {
        return com::create<vellum::IVellumDataLayer>(vellum::kVellumDataLayerClsid);
    }
    static com::ComPtr<vellum::IVellumKeyedStore> newStore()
    {
        return com::create<vellum::IVellumKeyedStore>(vellum::kVellumKeyedStoreClsid);
    }

    // An audiogram action of the session whose right air conduction is
    // masked with the level at 1000 Hz.
    host::Action audiogram(double stamp, std::int16_t masking, const std::string& comments = {})
    {
        const auto data = newData();
        const auto point = data->get_PureToneCurves()->Add(1, vellum::kEarRight, 2)->get_Points()->Add(1000);
        point->put_Level(300);
        point->put_MaskingLevel(masking);
        const auto notes = newStore();
        notes->put_Category(100);
        notes->put_Section(100);
        notes->put_Value("ReportComments", comments);
        return host.addAction(session, {.code = 1, .format = 200, .publicData = bytesOf(data->get_Data()),
                                        .privateData = bytesOf(notes->get_Data()), .timeStamp = stamp});
    }

    // An impedance action (15 left, 16 right) with the ear's tympanogram.
    host::Action impedance(int code, double stamp, std::int32_t gradient)
    {
        const std::int32_t ear = code == 15 ? vellum::kEarLeft : vellum::kEarRight;
        const auto data = newData();
        const auto tympanogram = data->get_Tympanograms()->Add(ear);
        tympanogram->put_TympType(1);
        tympanogram->put_Gradient(gradient);
        runtime::Variant publicData, privateData;
        data->GetImpedanceActionData(ear, 100, publicData, privateData);
        return host.addAction(session, {.code = code, .format = 100, .publicData = bytesOf(publicData),
                                        .privateData = privateData.isEmpty() || privateData.isNull()
                                                           ? std::optional<host::Bytes>()
                                                           : bytesOf(privateData),
                                        .timeStamp = stamp});
    }

    // The user's module data: profiles as sections of category 0.
    void userProfiles(const std::function<void(vellum::IVellumKeyedStore&)>& fill)
    {
        const auto store = newStore();
        store->put_Category(0);
        fill(*store);
        user.setModuleData(kModule, bytesOf(store->get_Data()));
    }

    // The host prints the action's combined report on the built-in printer.
    PdfPage print(const host::Action& action)
    {
        fs::remove(pdf);
        host::printCombinedReport(action.id(), platform::print::builtInPrinterSettings().name, pdf.string());
        const auto pages = platform::testing::pdfPages(pdf);
        EXPECT_EQ(pages.size(), 1u);
        return pages.empty() ? PdfPage{} : pages.front();
    }

    // Calls the handler as the host does, with no print action, on a page of
    // the built-in printer whose rectangle starts 1 inch from each corner.
    PdfPage printDirectly(gfx::Rect* areaUsed = nullptr)
    {
        fs::remove(pdf);
        const gfx::DcHandle dc = platform::print::createPrinterDc(platform::print::builtInPrinterSettings().name);
        const int dpi = gfx::getDeviceCaps(dc, gfx::LOGPIXELSX);
        const gfx::Rect area{dpi, dpi, gfx::getDeviceCaps(dc, gfx::HORZRES) - dpi,
                             gfx::getDeviceCaps(dc, gfx::VERTRES) - dpi};
        if (areaUsed) *areaUsed = area;
        EXPECT_GT(platform::print::startDoc(dc, "Combined", pdf.string()), 0);
        EXPECT_GT(platform::print::startPage(dc), 0);
        const auto handler = com::create<host::IModulePrint>(CCombinedReportHandler::kClsid);
        handler->Print(com::ComPtr<host::TavoPrint>(com::make<TestTavoPrint>(dc, area)).get());
        EXPECT_GT(platform::print::endPage(dc), 0);
        EXPECT_GT(platform::print::endDoc(dc), 0);
        gfx::deleteDc(dc);
        const auto pages = platform::testing::pdfPages(pdf);
        return pages.empty() ? PdfPage{} : pages.front();
    }

    // What the form line of the label holds after the label and its colon.
    static std::string formField(const PdfPage& page, const std::string& label)
    {
        const std::string firstWord = label.substr(0, label.find(' '));
        for (const PdfWord& start : page.words) {
            if (start.text != firstWord) continue;
            std::string line;
            for (const PdfWord& word : page.words)
                if (std::abs(word.box.top() - start.box.top()) < 0.1 && word.box.left() >= start.box.left())
                    line += (line.empty() ? "" : " ") + word.text;
            if (line.rfind(label + ":", 0) == 0) {
                const std::string field = line.substr(label.size() + 1);
                return field.empty() ? field : field.substr(1);
            }
        }
        return "(no " + label + ")";
    }

    // What the tests saw of message boxes, for failure messages.
    std::string shownTexts() const
    {
        std::string texts;
        for (const auto& shown : responder.shown()) texts += "\"" + shown.text + "\" ";
        return texts;
    }

    host::testing::HostFixture host;
    host::User user = host.addUser("JD");
    host::Client client = host.addClient({.firstName = "Ann",
                                          .middleName = "B.",
                                          .lastName = "Smith",
                                          .clientNo = "4711",
                                          .birthDate = runtime::makeDate(1961, 3, 14).days});
    host::Session session = host.addSession(client, runtime::makeDate(2026, 3, 5).days);
    double stamp = runtime::makeDate(2026, 3, 5).days + 0.5;
    fs::path pdf = platform::machine::root() / "combined.pdf";
    CLangLoader texts;
    platform::ui::TestResponder responder;
};

TEST_F(CombinedReportTest, AnImpedanceActionPrintsWithItsGroupOfOneTimeStampTheLaterOfTwoSiblingsWinning)
{
    host.select(client, user, session);
    audiogram(stamp + 1, 77);  // another time stamp
    audiogram(stamp, 47, "Refer to ENT.");
    const host::Action left = impedance(15, stamp, 333);
    impedance(16, stamp, 111);
    impedance(16, stamp, 222);  // later
    const PdfPage page = print(left);
    EXPECT_NE(page.find("47"), nullptr) << "the audiogram of the same time stamp";
    EXPECT_EQ(page.find("77"), nullptr);
    EXPECT_NE(page.find("333"), nullptr) << "the printed left ear";
    EXPECT_NE(page.find("222"), nullptr) << "the later right ear";
    EXPECT_EQ(page.find("111"), nullptr);
    EXPECT_NE(page.find("ENT."), nullptr) << "the audiogram's comments";
    EXPECT_TRUE(responder.shown().empty()) << shownTexts();
}

TEST_F(CombinedReportTest, TheClientFieldsPrintAndANumberThatIsNoNumberLeavesOnlyItsFieldEmpty)
{
    const host::Client other = host.addClient({.firstName = "Bo",
                                               .lastName = "Berg",
                                               .clientNo = "A-17",
                                               .birthDate = runtime::makeDate(1970, 1, 2).days});
    const host::Session otherSession = host.addSession(other, runtime::makeDate(2026, 3, 5).days);
    host.select(other, user, otherSession);
    const host::Action action = host.addAction(
        otherSession, {.code = 1, .format = 200, .publicData = bytesOf(newData()->get_Data()), .timeStamp = stamp});
    const PdfPage page = print(action);
    EXPECT_EQ(formField(page, texts.LoadResString(TR_CLIENT_NAME)), "Berg, Bo");
    EXPECT_EQ(formField(page, texts.LoadResString(TR_CLIENT_)), "");
    EXPECT_EQ(formField(page, texts.LoadResString(TR_BIRTHDATE)),
              runtime::shortDateText(runtime::makeDate(1970, 1, 2)));
}

TEST_F(CombinedReportTest, WithoutAPrintActionThePageShowsTheClientAndEmptyTables)
{
    host.select(client, user, session);
    const PdfPage page = printDirectly();
    EXPECT_EQ(formField(page, texts.LoadResString(TR_CLIENT_NAME)), "Smith, Ann B.");
    EXPECT_EQ(formField(page, texts.LoadResString(TR_CLIENT_)), "4711");
    EXPECT_NE(page.find("Tympanometry"), nullptr);
    EXPECT_EQ(page.find("NP"), nullptr);
    EXPECT_TRUE(responder.shown().empty()) << shownTexts();
}

TEST_F(CombinedReportTest, TheLayoutFollowsTheFlagWhereLoadingLeavesTheStoreAndAnUnreadableFlagIsFalse)
{
    host.select(client, user, session);
    const host::Action action = audiogram(stamp, 47);
    const struct {
        const char* what;
        std::function<void(vellum::IVellumKeyedStore&)> profiles;
        bool european;
    } cases[] = {
        {"no flag", [](vellum::IVellumKeyedStore& s) { s.put_Value("Profile", std::string("Mine")); }, false},
        {"the flag of the first section",
         [](vellum::IVellumKeyedStore& s) {
             s.put_Value("Profile", std::string("Mine"));
             s.put_Value("SPShowGraph", true);
         },
         true},
        {"not the marked default profile's flag",
         [](vellum::IVellumKeyedStore& s) {
             s.put_Value("Profile", std::string("Mine"));
             s.put_Section(3);
             s.put_Value("Profile", std::string("Clinic"));
             s.put_Value("DftProfile", true);
             s.put_Value("SPShowGraph", true);
         },
         false},
        {"a flag that is no Boolean",
         [](vellum::IVellumKeyedStore& s) {
             s.put_Value("Profile", std::string("Mine"));
             s.put_Value("SPShowGraph", std::string("abc"));
         },
         false},
    };
    for (const auto& c : cases) {
        userProfiles(c.profiles);
        const PdfPage page = print(action);
        EXPECT_EQ(page.find("Acoustic") == nullptr, c.european) << c.what;
    }
}

TEST_F(CombinedReportTest, HostLanguageZeroTakesTheUsersLanguage)
{
    host.select(client, user, session);
    host.setLanguage(0);
    ::setenv("LC_ALL", "de_DE.UTF-8", 1);
    const PdfPage page = print(audiogram(stamp, 47));
    ::unsetenv("LC_ALL");
    EXPECT_NE(page.find("Tympanometrie"), nullptr);
}

TEST_F(CombinedReportTest, TheReportIsAQuarterCentimetreNarrowerThanTheHostsRectangle)
{
    host.select(client, user, session);
    userProfiles([](vellum::IVellumKeyedStore& s) {
        s.put_Value("Profile", std::string("Clinic"));
        s.put_Value("SPShowGraph", true);  // the European legend stands at the report's right edge
    });
    gfx::Rect area;
    const PdfPage page = printDirectly(&area);
    // The rectangle starts one inch (area.left pixels) from the page's corner.
    const double pixelsPerCm = std::round(area.left / 2.54);
    const double right = (area.left + (area.right - area.left)) / pixelsPerCm;
    const PdfWord* legend = page.find(texts.LoadResString(TR_LEGEND));
    ASSERT_NE(legend, nullptr);
    EXPECT_NEAR(legend->box.center().x(), right - 0.25 - 4.1 / 2, 0.05);
}

TEST(ReportPrintArea, PixelsPerCentimetreAreRoundedBeforeTheRectangleIsConverted)
{
    const struct {
        std::int32_t dpi;
        float pixelsPerCm;
    } cases[] = {{600, 236}, {300, 118}, {96, 38}, {72, 28}};
    for (const auto& c : cases) {
        const ReportArea area = PrintAreaInCentimetres(c.dpi, 2 * c.dpi, 5 * c.dpi, 7 * c.dpi, c.dpi, c.dpi);
        EXPECT_FLOAT_EQ(area.X, static_cast<float>(c.dpi) / c.pixelsPerCm) << c.dpi;
        EXPECT_FLOAT_EQ(area.Y, static_cast<float>(2 * c.dpi) / c.pixelsPerCm) << c.dpi;
        EXPECT_FLOAT_EQ(area.W, static_cast<float>(4 * c.dpi) / c.pixelsPerCm) << c.dpi;
        EXPECT_FLOAT_EQ(area.H, static_cast<float>(5 * c.dpi) / c.pixelsPerCm) << c.dpi;
    }
    try {
        PrintAreaInCentimetres(0, 0, 100, 100, 1, 600);
        ADD_FAILURE() << "a resolution below one pixel per centimetre printed";
    } catch (const runtime::RuntimeError& error) {
        EXPECT_EQ(error.number(), runtime::errors::InvalidProcedureCall);
    }
}

TEST_F(CombinedReportTest, AnOpenDocumentKeepsItsModuleWideObjects)
{
    CreateModuleGlobals();
    const auto tests = ModuleGlobals::CurvePrefs();
    const auto uiTexts = ModuleGlobals::UiTextLoader();
    const auto viewTexts = ModuleGlobals::ViewTextLoader();
    host.select(client, user, session);
    print(audiogram(stamp, 47));
    EXPECT_EQ(ModuleGlobals::CurvePrefs(), tests);
    EXPECT_EQ(ModuleGlobals::UiTextLoader(), uiTexts);
    EXPECT_EQ(ModuleGlobals::ViewTextLoader(), viewTexts);
    ReleaseModuleGlobals();
}

TEST_F(CombinedReportTest, WithoutADocumentBothLayoutsPrintAnUndefinedSpeechTestAndNothingStaysBehind)
{
    host.select(client, user, session);
    const auto data = newData();
    testing::FillRichAudiogram(*data);
    data->get_SpeechCurves()->Add(11, vellum::kEarRight, 2, 3)->get_Points()->Add(400);  // no such test
    const host::Action action =
        host.addAction(session, {.code = 1, .format = 200, .publicData = bytesOf(data->get_Data()), .timeStamp = stamp});
    // The view text loader outlives the documents of a process by design: an
    // earlier test's may still be there, and the report leaves it as it was.
    const auto viewTexts = ModuleGlobals::ViewTextLoader();
    for (const bool european : {false, true}) {
        userProfiles([&](vellum::IVellumKeyedStore& s) {
            s.put_Value("Profile", std::string("Clinic"));
            s.put_Value("SPShowGraph", european);
        });
        const PdfPage page = print(action);
        EXPECT_EQ(page.find("Acoustic") == nullptr, european);
        EXPECT_FALSE(ModuleGlobals::CurvePrefs());
        EXPECT_FALSE(ModuleGlobals::UiTextLoader());
        EXPECT_EQ(ModuleGlobals::ViewTextLoader(), viewTexts);
        EXPECT_EQ(ModuleGlobals::MissingTestText(), "");
    }
}

TEST_F(CombinedReportTest, AHostPrintObjectWithoutAContextFailsThePrintBeforeAnythingIsDrawn)
{
    host.select(client, user, session);
    const auto handler = com::create<host::IModulePrint>(CCombinedReportHandler::kClsid);
    try {
        handler->Print(com::ComPtr<host::TavoPrint>(com::make<TestTavoPrint>(0, gfx::Rect{0, 0, 100, 100})).get());
        ADD_FAILURE() << "printed without a context";
    } catch (const runtime::RuntimeError& error) {
        EXPECT_EQ(error.number(), runtime::errors::InvalidProcedureCall);
    }
    EXPECT_FALSE(ModuleGlobals::CurvePrefs());
    EXPECT_FALSE(ModuleGlobals::UiTextLoader());
}

TEST_F(CombinedReportTest, AudiogramDataThatTheDataLayerRefusesFailsThePrintWithoutAMessageBox)
{
    host.select(client, user, session);
    const host::Action damaged =
        host.addAction(session, {.code = 1, .format = 200, .publicData = host::Bytes{1, 2, 3}, .timeStamp = stamp});
    try {
        print(damaged);
        ADD_FAILURE() << "printed damaged data";
    } catch (const runtime::RuntimeError& error) {
        EXPECT_NE(error.description().find("could not print its report"), std::string::npos) << error.description();
    }
    EXPECT_TRUE(responder.shown().empty()) << shownTexts();
    EXPECT_FALSE(fs::exists(pdf));
}

TEST_F(CombinedReportTest, TheHostProgramPrintsAnActionsCombinedReport)
{
    audiogram(stamp, 47, "Printed by the host program.");
    QProcess hostProgram;
    hostProgram.start(BRISANCE_HOST_PROGRAM,
                      {"--client", "4711", "--print-action", "1,1", "--pdf", QString::fromStdString(pdf.string())});
    ASSERT_TRUE(hostProgram.waitForFinished(60000)) << "brisance-host did not end";
    EXPECT_EQ(hostProgram.exitCode(), 0) << hostProgram.readAllStandardError().toStdString();
    const std::string text = platform::testing::pdfText(pdf);
    EXPECT_NE(text.find("Combined report: Smith, Ann (4711)"), std::string::npos) << text;
    EXPECT_NE(text.find("Printed by the host program."), std::string::npos) << text;
}

// A machine root that this workstation may only read (a share mounted
// read-only, say), left as a host leaves it when it ends: the host starts
// without writing to it and prints.
TEST_F(CombinedReportTest, TheHostProgramPrintsFromAReadOnlyMachineRoot)
{
    audiogram(stamp, 47, "Printed from a read-only machine.");
    GetModulePaths();  // the module has run here before: the user's folder is there
    for (const char* database : {"registry.db", "Host.sqlite"})
        platform::sqlite::Connection(platform::machine::root() / database, [](const platform::sqlite::Failure& f) {
            throw std::runtime_error(f.message);
        }).execute("PRAGMA wal_checkpoint(TRUNCATE)");
    const platform::testing::TemporaryFolder copy, output;
    fs::copy(platform::machine::root(), copy.path(), fs::copy_options::recursive);
    for (const auto& entry : fs::recursive_directory_iterator(copy.path())) {
        const std::string name = entry.path().filename().string();
        if (name.ends_with("-wal") || name.ends_with("-shm")) fs::remove(entry.path());
    }
    const fs::path printed = output.path() / "report.pdf";
    const platform::testing::ReadOnlyFolder readOnly(copy.path());

    QProcess hostProgram;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(platform::machine::kRootVariable, QString::fromStdString(copy.path().string()));
    hostProgram.setProcessEnvironment(environment);
    hostProgram.setChildProcessModifier(platform::testing::dropWriteOverrideForPrograms);
    hostProgram.start(BRISANCE_HOST_PROGRAM, {"--client", "4711", "--print-action", "1,1", "--pdf",
                                              QString::fromStdString(printed.string())});
    ASSERT_TRUE(hostProgram.waitForFinished(60000)) << "brisance-host did not end";
    EXPECT_EQ(hostProgram.exitCode(), 0) << hostProgram.readAllStandardError().toStdString();
    const std::string text = platform::testing::pdfText(printed);
    EXPECT_NE(text.find("Printed from a read-only machine."), std::string::npos) << text;
}

}  // namespace
}  // namespace brisance
