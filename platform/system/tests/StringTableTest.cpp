#include "platform/system/StringTable.h"
#include "platform/system/StringTableSource.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace platform::system;

TEST(StringTable, ReadsTextsByIdFromALanguageLibrary)
{
    Library library(TEST_LANGUAGE_LIBRARY);
    ASSERT_TRUE(library.isLoaded()) << library.error();
    EXPECT_EQ(loadString(library, 1, 499), "Pure tone");
    EXPECT_EQ(loadString(library, 5321, 499), "Multiple AC Curves transfered.\nChoose data to accept.");
    EXPECT_EQ(loadString(library, 5900, 499), "Quote \" and backslash \\ and\ttab");
    EXPECT_EQ(loadString(library, 24002, 499), "Größe ändern.chm");
}

TEST(StringTable, GivesEmptyTextForMissingIdsAndLibraries)
{
    Library language(TEST_LANGUAGE_LIBRARY);
    Library withoutTable(TEST_LIBRARY);
    Library none;
    EXPECT_EQ(loadString(language, 2, 499), "");
    EXPECT_EQ(loadString(language, 0, 499), "");
    EXPECT_EQ(loadString(withoutTable, 1, 499), "");
    EXPECT_EQ(loadString(none, 1, 499), "");
}

TEST(StringTable, CutsLongTextsToWholeCharacters)
{
    Library library(TEST_LANGUAGE_LIBRARY);
    const std::string longText = loadString(library, 30000, 100000);
    ASSERT_EQ(longText.size(), 600u);
    EXPECT_EQ(loadString(library, 30000, 499), longText.substr(0, 499));
    // "Größe" is five characters in seven bytes.
    EXPECT_EQ(loadString(library, 24002, 5), "Größe");
    EXPECT_EQ(loadString(library, 24002, 3), "Grö");
    EXPECT_EQ(loadString(library, 1, 0), "");
}

TEST(StringTableSource, ParsesIdsTextsCommentsAndEscapesSortedById)
{
    const auto entries = parseStringTable("\xEF\xBB\xBF# comment\r\n\n  20 \"b \\\"q\\\" \\\\ \\t\\n\"  \r\n10\t\"a\"\n5 \"\"");
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].id, 5u);
    EXPECT_EQ(entries[0].text, "");
    EXPECT_EQ(entries[1].id, 10u);
    EXPECT_EQ(entries[2].text, "b \"q\" \\ \t\n");
}

TEST(StringTableSource, ReportsTheLineOfEachFault)
{
    struct Case {
        const char* text;
        std::size_t line;
    };
    for (const Case& fault : {
             Case{"1 \"a\"\nx \"b\"", 2},            // no id
             Case{"1\"a\"", 1},                       // no blank after the id
             Case{"1 a", 1},                          // no quotes
             Case{"1 \"a", 1},                        // no closing quote
             Case{"1 \"a\" b", 1},                    // text after the closing quote
             Case{"1 \"\\q\"", 1},                    // unknown escape
             Case{"4294967296 \"a\"", 1},             // id out of range
             Case{"-1 \"a\"", 1},                     // negative id
             Case{"1 \"a\"\n\n1 \"b\"", 3},           // id given twice
             Case{"1 \"a\"\n2 \"\xC3\x28\"", 2},      // broken UTF-8
             Case{"1 \"\xED\xA0\x80\"", 1},           // an encoded surrogate
         }) {
        try {
            parseStringTable(fault.text);
            ADD_FAILURE() << "accepted: " << fault.text;
        } catch (const StringTableError& error) {
            EXPECT_EQ(error.line(), fault.line) << fault.text << ": " << error.what();
        }
    }
}

}  // namespace
