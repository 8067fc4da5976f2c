#include "module/core/CLangLoader.h"

#include "module/core/tests/TestLanguages.h"

#include <gtest/gtest.h>

namespace brisance {
namespace {

using testing::testLanguagePath;

struct TextCase {
    std::int32_t id;
    std::string text;          // LoadResString
    std::string withoutMarks;  // LoadResString2
};

const std::string kLongText = [] {
    std::string text;
    for (int i = 0; i < 499; ++i)
        text += static_cast<char>('0' + i % 10);
    return text;
}();

TEST(CLangLoader, ReadsTextsOfTheHeldLibraryByIdCutTo499Characters)
{
    CLangLoader loader;
    ASSERT_TRUE(loader.OpenResourceLibrary(testLanguagePath("English")));

    const TextCase cases[] = {
        {1, "Pure Tone", "Pure Tone"},
        {14, "&Undo", "Undo"},
        {58, "Save &As && Close", "Save As  Close"},
        {1002, "Hörschwelle", "Hörschwelle"},
        {24000, "24003", "24003"},
        {2000, kLongText, kLongText},  // 600 characters in the library
        {2001, std::string(498, 'a') + "ä", std::string(498, 'a') + "ä"},  // cut between characters, not bytes
        {3, "", ""},                   // no text under this id
        {-1, "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(loader.LoadResString(c.id), c.text) << "id " << c.id;
        EXPECT_EQ(loader.LoadResString2(c.id), c.withoutMarks) << "id " << c.id;
    }
}

TEST(CLangLoader, WithoutALibraryEveryTextIsEmpty)
{
    CLangLoader loader;
    EXPECT_EQ(loader.LoadResString(1), "");
    EXPECT_EQ(loader.LoadResString2(14), "");

    ASSERT_TRUE(loader.OpenResourceLibrary(testLanguagePath("English")));
    loader.CloseResourceLibrary();
    EXPECT_EQ(loader.LoadResString(1), "");
}

TEST(CLangLoader, OpeningReplacesTheHeldLibraryEvenWhenTheNewOneFailsToLoad)
{
    CLangLoader loader;
    ASSERT_TRUE(loader.OpenResourceLibrary(testLanguagePath("English")));
    ASSERT_TRUE(loader.OpenResourceLibrary(testLanguagePath("German")));
    EXPECT_EQ(loader.LoadResString(1), "Tonaudiometrie");

    EXPECT_FALSE(loader.OpenResourceLibrary(testLanguagePath("Missing")));
    EXPECT_EQ(loader.LoadResString(1), "");
}

TEST(CLangLoader, AnEmptyPathKeepsTheHeldLibrary)
{
    CLangLoader loader;
    EXPECT_FALSE(loader.OpenResourceLibrary(""));

    ASSERT_TRUE(loader.OpenResourceLibrary(testLanguagePath("German")));
    EXPECT_FALSE(loader.OpenResourceLibrary(""));
    EXPECT_EQ(loader.LoadResString(1), "Tonaudiometrie");
}

}  // namespace
}  // namespace brisance
