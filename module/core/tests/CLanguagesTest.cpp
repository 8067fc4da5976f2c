#include "module/core/CLanguages.h"

#include "platform/runtime/tests/ErrorNumber.h"

#include <gtest/gtest.h>

namespace brisance {
namespace {

using platform::runtime::testing::errorNumberOf;

TEST(CLanguage, MatchesTheLeadingNumberOfEachListedPart)
{
    struct Case {
        std::string locales;
        std::int32_t id;
        bool supported;
    };
    const Case cases[] = {
        {"1031,2055,3079", 3079, true},
        {"1031, 2055", 2055, true},            // a blank after the comma
        {"1031 German,2055 Swiss", 2055, true},  // words after the number
        {"1031,2055", 1033, false},
        {"&H407", 1031, true},                 // the number may be written in hexadecimal
        {"", 0, false},                        // no parts at all
        {"1e999", 0, false},                   // too large to be any id
    };
    for (const auto& c : cases) {
        CLanguage language;
        language.SetSupportedLocales(c.locales);
        EXPECT_EQ(language.IsLanguageSupported(c.id), c.supported) << '"' << c.locales << "\" " << c.id;
    }
}

TEST(CLanguage, NewLocalesReplaceTheOldOnes)
{
    CLanguage language;
    language.SetSupportedLocales("1031");
    language.SetSupportedLocales("2057");
    EXPECT_FALSE(language.IsLanguageSupported(1031));
    EXPECT_TRUE(language.IsLanguageSupported(2057));
}

TEST(CLanguages, KeepsLanguagesInOrderByPositionAndKey)
{
    CLanguages languages;
    languages.Add(24004, "German.so", "German.so");
    languages.Add(24003, "English.so");
    languages.Add(24005, "British.so", "British.so");

    ASSERT_EQ(languages.Count(), 3);
    EXPECT_EQ(languages.Item(2)->Filename(), "English.so");
    EXPECT_EQ(languages.Item("British.so")->ID(), 24005);

    languages.Remove("German.so");
    EXPECT_EQ(languages.Item(1)->Filename(), "English.so");
}

TEST(CLanguages, RaisesTheCollectionErrorsToTheCaller)
{
    CLanguages languages;
    languages.Add(24003, "English.so", "English.so");

    EXPECT_EQ(errorNumberOf([&] { languages.Add(24004, "Other.so", "English.so"); }), 457);
    EXPECT_EQ(errorNumberOf([&] { languages.Item("German.so"); }), 5);
    EXPECT_EQ(errorNumberOf([&] { languages.Remove(2); }), 9);
    EXPECT_EQ(languages.Count(), 1);
}

}  // namespace
}  // namespace brisance
