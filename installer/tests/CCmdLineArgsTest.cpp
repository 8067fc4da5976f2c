#include "installer/CCmdLineArgs.h"
#include "installer/CommandLineText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace installer {
namespace {

std::vector<std::string> split(std::string_view text)
{
    const CCmdLineArgs arguments(text);
    std::vector<std::string> result;
    for (std::size_t i = 0; i < arguments.size(); ++i)
        result.emplace_back(arguments[i]);
    return result;
}

struct SplitCase {
    std::string_view text;
    std::vector<std::string> arguments;
};

TEST(CCmdLineArgsTest, SplitsTheTextAsTheInstallerAlwaysHas)
{
    const SplitCase cases[] = {
        {R"("/opt/Pelm Works/brisance-setup" /L logo.png)", {"/opt/Pelm Works/brisance-setup", "/L", "logo.png"}},
        {R"("a"b" c)", {R"(a"b)", "c"}},       // only a quote before white space closes
        {R"(a"b c")", {R"(a"b)", R"(c")"}},    // quotes inside unquoted arguments stay
        {R"(x "" y)", {"x", "", "y"}},
        {R"("a b)", {"a b"}},                  // unclosed: runs to the end
        {R"("a b")", {"a b"}},
        {"a\tb\nc\vd\fe\rf  \t g", {"a", "b", "c", "d", "e", "f", "g"}},
        {"\xc3\xa9t\xc3\xa9 \xa0x", {"\xc3\xa9t\xc3\xa9", "\xa0x"}},  // high bytes are not white space
        {"a b ", {"a", "b"}},
        {"a b  ", {"a", "b", ""}},
        {"", {}},
        {"   ", {""}},
        {std::string_view("a\0b", 3), {"a"}},
    };
    for (const SplitCase& each : cases)
        EXPECT_EQ(split(each.text), each.arguments) << "command line: [" << each.text << "]";
}

TEST(CCmdLineArgsTest, ArgumentsRebuiltIntoATextSplitBackUnchanged)
{
    const std::vector<std::string> arguments = {"/opt/Pelm Works/brisance-setup", "/H", "/tmp/help\tdir/help.html", "",
                                                "plain", R"(say"so)"};
    const std::string text = commandLineText(arguments);
    EXPECT_EQ(text, "\"/opt/Pelm Works/brisance-setup\" /H \"/tmp/help\tdir/help.html\" \"\" plain say\"so");
    EXPECT_EQ(split(text), arguments);
}

}  // namespace
}  // namespace installer
