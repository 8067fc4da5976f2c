#include "host/CombinedReport.h"
#include "host/HostContext.h"
#include "host/HostErrors.h"
#include "host/ModuleCatalog.h"
#include "host/testing/HostFixture.h"
#include "host/tests/testmodule/RegisterTestModule.h"
#include "host/tests/testmodule/TestModule.h"

#include "platform/machine/MachineRoot.h"
#include "platform/print/Printers.h"
#include "platform/runtime/Dates.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/testing/FileSizeLimit.h"
#include "platform/testing/PdfPages.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <sstream>

namespace {

using namespace host;
using host::testing::HostFixture;
using platform::testing::pdfText;

struct CombinedReportTest : ::testing::Test {
    HostFixture host;
    Client client = host.addClient({.firstName = "Ann", .lastName = "Smith", .clientNo = "4711"});
    Session session = host.addSession(client, 46000.5);
    std::filesystem::path pdf = platform::machine::root() / "report.pdf";
    std::string printer = platform::print::builtInPrinterSettings().name;

    void SetUp() override
    {
        host::testing::registerTestModule();
        ModuleCatalog(host.database())
            .installModule({.name = "Pelm Corvane 1.1",
                            .clsid = "{95875CF3-8638-4654-9A00-158E803957F3}",
                            .printHandler = platform::com::toString(host::testing::kTestPrintHandlerClsid),
                            .manufacturerId = 32,
                            .localId = 1,
                            .canShow = {{1, 200}}});
    }
};

TEST_F(CombinedReportTest, TheModulesHandlerDrawsTheChosenActionBelowTheHostsHeading)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const Action action = host.addAction(session, {.code = 1,
                                                   .dateCreated = platform::runtime::makeDate(2026, 3, 5).days,
                                                   .creator = 0x300001,
                                                   .description = "New audiogram"});
    const std::string written = printCombinedReport(action.id(), printer, pdf.string());
    EXPECT_EQ(written, pdf.string());

    const std::string text = pdfText(pdf);
    EXPECT_NE(text.find("Combined report: Smith, Ann (4711), 3/5/2026"), std::string::npos)
        << "the heading names the client and the action's date, not the session's: " << text;
    EXPECT_NE(text.find("Module report: New audiogram"), std::string::npos) << "the handler found the print action";
    const auto at = text.find("Area ");
    ASSERT_NE(at, std::string::npos) << text;
    int left = 0, top = 0, right = 0, bottom = 0;
    std::istringstream(text.substr(at + 5)) >> left >> top >> right >> bottom;
    EXPECT_GT(left, 0);
    EXPECT_GT(top, left) << "the module's area starts below the heading";
    EXPECT_GT(right, left);
    EXPECT_GT(bottom, top);
    EXPECT_FALSE(HostContext::current().printAction.has_value()) << "the print action is the host's for one report";
}

TEST_F(CombinedReportTest, AReportThatCannotBePrintedSaysWhyAndLeavesNoFile)
{
    const Action refused = host.addAction(session, {.code = 1, .description = host::testing::kRefusedDescription});
    const Action unknownType = host.addAction(session, {.code = 99, .creator = 0x300001});
    ModuleCatalog(host.database()).installModule({.name = "Pelm Tessivane 2.0", .clsid = "{95875CF3-8638-4654-9A00-158E803957F4}",
                                                  .printHandler = "{95875CF3-8638-4654-9A00-158E803957F5}",
                                                  .manufacturerId = 40, .localId = 1});
    const Action unregistered = host.addAction(session, {.code = 1, .creator = 0x280001});
    const struct {
        const char* what;
        RowId action;
        std::int32_t number;
        const char* says;
    } cases[] = {
        {"a handler that raises", refused.id(), 5,
         "Pelm Corvane 1.1 could not print its report: The report cannot be printed"},
        {"no module shows the data type", unknownType.id(), errors::NotFound,
         "No registered module prints actions of data type 99, format 200"},
        {"the handler is not registered", unregistered.id(), platform::com::REGDB_E_CLASSNOTREG,
         "Pelm Tessivane 2.0 cannot print its report: its print handler is not registered on this computer "
         "(installing the module again may mend this)."},
        {"no such action", 999, errors::NotFound, "There is no action 999"},
    };
    for (const auto& failing : cases) {
        try {
            printCombinedReport(failing.action, printer, pdf.string());
            ADD_FAILURE() << failing.what << " printed";
        } catch (const platform::runtime::RuntimeError& error) {
            EXPECT_EQ(error.number(), failing.number) << failing.what;
            EXPECT_EQ(error.description(), failing.says) << failing.what;
        }
        EXPECT_FALSE(std::filesystem::exists(pdf)) << failing.what;
    }
}

TEST_F(CombinedReportTest, AFileThatCannotBeWrittenWholeFailsTheReportNamingTheFileAndTheCause)
{
    const Action action = host.addAction(session, {.code = 1, .creator = 0x300001, .description = "New audiogram"});
    const std::filesystem::path nowhere = platform::machine::root() / "No such folder" / "report.pdf";
    const struct {
        const char* what;
        std::filesystem::path file;
        rlim_t largestFile;
        const char* cause;
    } cases[] = {
        {"a full disk", pdf, 2048, "File too large"},
        {"a folder that is not there", nowhere, RLIM_INFINITY, "No such file or directory"},
    };
    for (const auto& failing : cases) {
        try {
            const platform::testing::FileSizeLimit disk(failing.largestFile);
            printCombinedReport(action.id(), printer, failing.file.string());
            ADD_FAILURE() << failing.what << " printed";
        } catch (const platform::runtime::RuntimeError& error) {
            EXPECT_EQ(error.number(), errors::PrintFailure) << failing.what;
            EXPECT_EQ(error.description(),
                      "The report could not be written to \"" + failing.file.string() + "\": " + failing.cause)
                << failing.what;
        }
        EXPECT_FALSE(std::filesystem::exists(failing.file)) << failing.what;
    }
    // Nor a temporary one beside it.
    for (const auto& entry : std::filesystem::directory_iterator(platform::machine::root()))
        EXPECT_EQ(entry.path().filename().string().find("report.pdf"), std::string::npos) << entry.path();
}

}  // namespace
