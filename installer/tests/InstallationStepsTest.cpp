// The whole program run in-process against a host double: the calls it makes,
// and what each failing step shows and leaves behind.

#include "installer/BrisanceSetup.h"
#include "installer/tests/HostDouble.h"

#include "platform/ui/MessageBox.h"
#include "platform/ui/TestResponder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace installer::testing {
namespace {

constexpr const char* kCommandLine = R"(brisance-setup /L /tmp/logo.png /H "/tmp/my help/help.html")";

// Each message box shown, as "[title] text" (all have just an OK button).
std::vector<std::string> shownBoxes(const platform::ui::TestResponder& responder)
{
    std::vector<std::string> boxes;
    for (const platform::ui::ShownDialog& shown : responder.shown()) {
        EXPECT_EQ(shown.kind, platform::ui::DialogKind::MessageBox);
        EXPECT_EQ(shown.style, platform::ui::MB_OK);
        boxes.push_back("[" + shown.title + "] " + shown.text);
    }
    return boxes;
}

TEST(InstallationStepsTest, InstallsConvertersThenDescribesAndInstallsTheModuleSilently)
{
    HostDouble host;
    platform::ui::TestResponder responder;

    EXPECT_EQ(runSetup(kCommandLine, host.access()), 0);

    EXPECT_TRUE(responder.shown().empty());
    const std::vector<std::string> expected = {
        "initialise",
        "create ActionConverterInstallationServer",
        "Converters.Initialize",
        "Converters.InstallConverter(1, 200, 100, 0, {CBB05A66-A657-11D3-B797-006097943A64})",
        "Converters.InstallConverter(1, 100, 200, 0, {CBB05A66-A657-11D3-B797-006097943A64})",
        "create ModuleInstallationServer",
        "Server.Initialize",
        "create DataType",
        "create DataTypeCollection",
        "create Module",
        "DataType.put_Code(1)",
        "DataType.put_Format(100)",
        "DataTypes.Add(DataType)",
        "create DataType",
        "DataType.put_Code(1)",
        "DataType.put_Format(200)",
        "DataTypes.Add(DataType)",
        "create ReplaceableModule",
        "ReplaceableModule.put_ModuleID(65637)",
        "Module.get_ReplaceableModules",
        "ReplaceableModules.Add(ReplaceableModule)",
        "Module.put_CanMake(DataTypes)",
        "Module.put_CanShow(DataTypes)",
        "Module.put_CLSID({95875CF3-8638-4654-9A00-158E803957F3})",
        "Module.put_PrintHandler({2BCA38E7-CD67-4D41-9BCD-249677DC3E70})",
        "Module.put_LocalID(1)",
        "Module.put_ManufacturerID(32)",
        "Module.put_Name(Pelm Corvane 1.1)",
        "Module.put_Show(1)",
        "Module.put_LogoPath(/tmp/logo.png)",
        "Module.put_HelpFilePath(/tmp/my help/help.html)",
        "Server.get_ModuleCategories",
        "Categories.Item(2)",
        "Module.put_Category(category 2)",
        "Server.InstallModule(Pelm, Module)",
    };
    EXPECT_EQ(host.calls(), expected);
    EXPECT_EQ(host.liveObjects(), 0);
    EXPECT_EQ(host.uninitialisations(), 1);
}

TEST(InstallationStepsTest, UsageBoxesComeFirstAndTheRunGoesOnWithTheLogo)
{
    HostDouble host;
    platform::ui::TestResponder responder;

    EXPECT_EQ(runSetup("brisance-setup /? /L logo.png", host.access()), 0);

    EXPECT_EQ(shownBoxes(responder),
              std::vector<std::string>{"[Command line usage] Usage: /L Logo filename /H Help filename"});
    const auto& calls = host.calls();
    EXPECT_NE(std::find(calls.begin(), calls.end(), "Module.put_LogoPath(logo.png)"), calls.end());
    EXPECT_EQ(std::count_if(calls.begin(), calls.end(), [](const std::string& call) {
                  return call.starts_with("Module.put_HelpFilePath");
              }),
              0);
    EXPECT_EQ(calls.back(), "Server.InstallModule(Pelm, Module)");
}

struct FailingStep {
    int step;
    FailAt failAt;
    const char* message;
};

TEST(InstallationStepsTest, AFailingStepShowsItsMessageOnceAndEndsTheRunWithEverythingReleased)
{
    const FailingStep cases[] = {
        {1, {"initialise"}, "Unable to initialize COM."},
        {2, {"create ActionConverterInstallationServer"}, "Creating the Action Converter Installation Server object Failed"},
        {2, {"create ActionConverterInstallationServer", 1, Failure::NoObject},
         "Creating the Action Converter Installation Server object Failed"},
        {3, {"Converters.Initialize", 1, Failure::Fails}, "Initializing the Action Converter Installation Server object Failed"},
        {4, {"Converters.InstallConverter"}, "Failed to Install 200->100 Converter"},
        {5, {"Converters.InstallConverter", 2, Failure::Fails}, "Failed to Install 100->200 Converter"},
        {6, {"create ModuleInstallationServer"}, "Creating the Module Installation Server object Failed"},
        {7, {"Server.Initialize"}, "Initializing the Module Installation Server object Failed"},
        {8, {"create DataType"}, "Creating the DataType object Failed"},
        {9, {"create DataTypeCollection"}, "Creating the DataType Collection object Failed"},
        {10, {"create Module", 1, Failure::NoObject}, "Creating the Module object Failed"},
        {11, {"DataType.put_Format", 1, Failure::Fails}, "Failed to add data type 1, format 100."},
        {11, {"DataTypes.Add"}, "Failed to add data type 1, format 100."},
        {12, {"create DataType", 2}, "Creating the DataType object Failed"},
        {13, {"DataType.put_Code", 2}, "Failed to add data type 1, format 200."},
        {13, {"DataTypes.Add", 2, Failure::Fails}, "Failed to add data type 1, format 200."},
        {14, {"create ReplaceableModule"}, "Failed Installing module as a replacement for its TAVO 2 era equivalent."},
        {15, {"ReplaceableModule.put_ModuleID"}, "Unable to update the replaceable module id information."},
        {15, {"Module.get_ReplaceableModules", 1, Failure::NoObject},
         "Unable to update the replaceable module id information."},
        {15, {"ReplaceableModules.Add", 1, Failure::Fails}, "Unable to update the replaceable module id information."},
        {16, {"Module.put_CanMake"}, "CanMake property problem"},
        {17, {"Module.put_CanShow"}, "CanShow property problem"},
        {18, {"Module.put_CLSID", 1, Failure::Fails}, "CLSID property problem"},
        {19, {"Module.put_PrintHandler"}, "PrintHandler property problem"},
        {20, {"Module.put_LocalID"}, "LocalID property problem"},
        {21, {"Module.put_ManufacturerID"}, "ManufacturerID property problem"},
        {22, {"Module.put_Name"}, "Name property problem"},
        {23, {"Module.put_Show"}, "Show property problem"},
        {24, {"Module.put_LogoPath"}, "Failed to add the logo path of the module."},
        {25, {"Module.put_HelpFilePath", 1, Failure::Fails}, "Failed to add the help file path of the module."},
        {26, {"Server.get_ModuleCategories", 1, Failure::NoObject}, "ModuleCategories property problem"},
        {26, {"Server.get_ModuleCategories"}, "ModuleCategories property problem"},
        {27, {"Categories.Item", 1, Failure::Fails}, "Item property problem"},
        {28, {"Module.put_Category"}, "Category property failed"},
        {29, {"Server.InstallModule", 1, Failure::Fails}, "InstallModule failed"},
    };
    for (const FailingStep& each : cases) {
        SCOPED_TRACE("step " + std::to_string(each.step) + ", failing " + each.failAt.call);
        HostDouble host(each.failAt);
        platform::ui::TestResponder responder;

        EXPECT_EQ(runSetup(kCommandLine, host.access()), 1);

        EXPECT_EQ(shownBoxes(responder), std::vector<std::string>{std::string("[Error] ") + each.message});
        ASSERT_FALSE(host.calls().empty());
        EXPECT_TRUE(host.calls().back().starts_with(each.failAt.call)) << "the run went on after the failure";
        EXPECT_EQ(host.liveObjects(), 0);
        EXPECT_EQ(host.uninitialisations(), 1);
    }
}

}  // namespace
}  // namespace installer::testing
