#include "driver/TextTable.h"

#include "platform/testing/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include <sys/stat.h>

namespace marlet {
namespace {

TextTable withReplacements(const std::string& file)
{
    TextTable texts;
    std::istringstream lines(file);
    texts.readReplacements(lines);
    return texts;
}

TEST(TextTable, CarriesTheTextsVerbatim)
{
    const TextTable texts;
    EXPECT_EQ(texts.text(5000), "Ok");
    EXPECT_EQ(texts.text(5321), "Multiple AC Curves transfered.\nChoose data to accept.");
    EXPECT_EQ(texts.text(5601), "Port Setup Error");
    EXPECT_EQ(texts.text(5709), "Invalid data  for machine state.");
    EXPECT_EQ(texts.text(5805), "Corrupt error message: \n Resend.");
    EXPECT_EQ(texts.text(5811), "Error on multi-port \n processor board, changing \n to Windows board type.");
    EXPECT_EQ(texts.text(5950), "NT VDD CDRVVDD.DLL not loaded.");
    EXPECT_EQ(texts.text(5715), "") << "ids without a text are empty";
    EXPECT_EQ(texts.text(4999), "");
}

TEST(TextTable, ReplacementLinesAndWhatIsIgnored)
{
    const TextTable texts = withReplacements(
        "; 5000 a comment\n"
        "5601 Fehler am Port\r\n"
        "5601\n"
        "5502\t \n"
        "5503   MCL neu  \n"
        "5504 first\n"
        "5504 second\n"
        "6000 out of range\n"
        "4999 out of range\n"
        "00005001 leading zeros\n"
        "99999999999999999999 too long\n"
        " 5505 starts with a blank\n"
        "5506Glued\n");
    EXPECT_EQ(texts.text(5601), "Fehler am Port");
    EXPECT_EQ(texts.text(5502), "HTL") << "a number with only blanks after it is ignored";
    EXPECT_EQ(texts.text(5503), "MCL neu  ");
    EXPECT_EQ(texts.text(5504), "first") << "the first line of an id wins";
    EXPECT_EQ(texts.text(5001), "leading zeros");
    EXPECT_EQ(texts.text(5505), "Audio Status");
    EXPECT_EQ(texts.text(5506), "Glued");
    EXPECT_EQ(texts.text(5000), "Ok");
    EXPECT_EQ(texts.text(6000), "");
}

TEST(TextTable, LoadsFromTheFirstFolderThatHasTheFileAndFreesAgain)
{
    platform::testing::TemporaryFolder none, first, second;
    std::ofstream(first.path() / kTranslationFile) << "5000 Gut\n";
    std::ofstream(second.path() / kTranslationFile) << "5000 Schlecht\n5001 Abbrechen\n";

    TextTable texts;
    texts.loadReplacements({none.path(), first.path(), second.path()});
    EXPECT_EQ(texts.text(5000), "Gut");
    EXPECT_EQ(texts.text(5001), "Cancel");

    texts.loadReplacements({second.path()});
    EXPECT_EQ(texts.text(5000), "Schlecht") << "a new load replaces the old list";

    texts.freeReplacements();
    EXPECT_EQ(texts.text(5000), "Ok");

    texts.loadReplacements({none.path()});
    EXPECT_EQ(texts.text(5001), "Cancel");
}

// A FIFO would keep the driver waiting at the open for a writer that never
// comes, and a huge file would be loaded whole.
TEST(TextTable, ATranslationFileThatIsNoFileOrTooLargeIsPassedOver)
{
    namespace fs = std::filesystem;
    const struct {
        const char* what;
        std::function<void(const fs::path&)> make;
    } cases[] = {
        {"a FIFO", [](const fs::path& file) { ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0); }},
        {"a folder", [](const fs::path& file) { fs::create_directory(file); }},
        {"too large",
         [](const fs::path& file) {
             std::ofstream(file) << "5000 Riesig\n";
             fs::resize_file(file, kLargestTranslationFile + 1);
         }},
    };
    for (const auto& c : cases) {
        platform::testing::TemporaryFolder refused, next;
        c.make(refused.path() / kTranslationFile);
        TextTable texts;
        texts.loadReplacements({refused.path()});
        EXPECT_EQ(texts.text(5000), "Ok") << c.what;

        std::ofstream(next.path() / kTranslationFile) << "5000 Gut\n";
        texts.loadReplacements({refused.path(), next.path()});
        EXPECT_EQ(texts.text(5000), "Gut") << c.what << ": the next folder's file is taken";
    }
}

}  // namespace
}  // namespace marlet
