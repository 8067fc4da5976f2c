#include "installer/SetupOptions.h"

#include <gtest/gtest.h>

namespace installer {
namespace {

struct OptionsCase {
    const char* commandLine;
    SetupOptions options;
};

TEST(SetupOptionsTest, ReadsLogoHelpAndUsage)
{
    const OptionsCase cases[] = {
        {"brisance-setup", {}},
        {"brisance-setup /? /L logo.png /?", {.logoPath = "logo.png", .usageRequests = 2}},
        {"brisance-setup /L first.png /L second.png", {.logoPath = "second.png"}},
        {"brisance-setup /l logo.png /h help.html", {}},
        {R"(brisance-setup /H "/tmp/my help/help.html")", {.helpPath = "/tmp/my help/help.html"}},
        {"brisance-setup /L", {}},
        {"brisance-setup /L logo.png /H help.html /L", {.helpPath = "help.html"}},
        {"/? brisance-setup", {.usageRequests = 1}},  // the program's own path is scanned too
    };
    for (const OptionsCase& each : cases) {
        const SetupOptions options = parseOptions(CCmdLineArgs(each.commandLine));
        EXPECT_EQ(options.logoPath, each.options.logoPath) << each.commandLine;
        EXPECT_EQ(options.helpPath, each.options.helpPath) << each.commandLine;
        EXPECT_EQ(options.usageRequests, each.options.usageRequests) << each.commandLine;
    }
}

}  // namespace
}  // namespace installer
