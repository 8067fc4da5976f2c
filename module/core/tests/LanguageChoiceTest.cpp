#include "module/core/LanguageChoice.h"

#include "module/core/EnumerateLanguages.h"
#include "module/core/tests/TestLanguages.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace brisance {
namespace {

using testing::LanguageFolder;

TEST(LanguageChoice, TheFirstLibraryThatServesTheLanguageWinsElseTheLastFallback)
{
    CLanguages languages;
    languages.Add(24004, "German.so")->SetSupportedLocales("1031,2055");
    languages.Add(24003, "English.so")->SetSupportedLocales("1033");
    languages.Add(24004, "Swiss.so")->SetSupportedLocales("2055");
    languages.Add(24003, "OtherEnglish.so")->SetSupportedLocales("4105");
    languages.Add(24005, "British.so")->SetSupportedLocales("2057");

    const std::pair<std::int32_t, std::string> cases[] = {
        {2055, "German.so"},  // German lists Swiss German before Swiss does
        {1031, "German.so"},
        {2057, "British.so"},
        {4105, "OtherEnglish.so"},
        {1036, "OtherEnglish.so"},  // nobody serves French: the last fallback
    };
    for (const auto& [id, file] : cases)
        EXPECT_EQ(ChooseLanguageFile(languages, id), file) << id;
}

TEST(LanguageChoice, WithoutAFallbackAnUnservedLanguageChoosesNothing)
{
    CLanguages languages;
    EXPECT_EQ(ChooseLanguageFile(languages, 1033), "");

    languages.Add(24004, "German.so")->SetSupportedLocales("1031");
    EXPECT_EQ(ChooseLanguageFile(languages, 1036), "");
}

TEST(LanguageChoice, TakesTheHostLanguageElseTheUsersDefault)
{
    ::setenv("LC_ALL", "en_GB.UTF-8", 1);
    EXPECT_EQ(LanguageIdForChoice(1031), 1031);
    EXPECT_EQ(LanguageIdForChoice(0), 0x0809);
}

TEST(LanguageChoice, ChoosesFromTheScannedFolder)
{
    LanguageFolder folder({"English", "German"});
    CLanguages languages;
    EnumerateLanguages(languages, folder.folder());

    EXPECT_EQ(ChooseLanguageFile(languages, 3079), "German.so");
    EXPECT_EQ(ChooseLanguageFile(languages, 1040), "English.so");
}

}  // namespace
}  // namespace brisance
