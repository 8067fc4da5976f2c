// Checks over the language libraries that ship in the program folder: every
// text is there in every language, the data ids are usable, and what the
// program fills into or strips from a text agrees between languages.

#include "module/core/CLangLoader.h"
#include "module/core/EnumerateLanguages.h"
#include "module/core/LanguageChoice.h"
#include "module/core/TextResources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string_view>

namespace brisance {
namespace {

const std::string kLanguageFolder = BRISANCE_PROGRAM_DIR "/Language Resources/";
const std::string kHelpFolder = BRISANCE_PROGRAM_DIR "/Help/";

struct ShippedLanguage {
    std::string file;
    TextResources name;
    std::int32_t languageId;
};
const ShippedLanguage kFallback{"BrisanceENU.so", TR_ENGLISH_UNITED_STATES, 1033};
const ShippedLanguage kShipped[] = {kFallback, {"BrisanceENG.so", TR_ENGLISH_UNITED_KINGDOM, 2057},
                                    {"BrisanceDEU.so", TR_GERMAN, 1031}};

// The help topics that dialogs open by context id.
const int kHelpContexts[] = {103, 104, 105, 106, 107, 108, 109, 110, 111, 112, 113, 114,
                             115, 116, 117, 118, 119, 120, 121, 122, 124, 125, 126, 127};

// Marks that the program replaces or strips in a text.
const std::string_view kPlaceholders[] = {"&", "xx/xx/xxxx", "%TESTNAME%"};

std::size_t occurrences(std::string_view text, std::string_view part)
{
    std::size_t count = 0;
    for (auto at = text.find(part); at != std::string_view::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

std::size_t characters(std::string_view utf8)
{
    return static_cast<std::size_t>(std::ranges::count_if(utf8, [](char c) { return (c & 0xC0) != 0x80; }));
}

CLangLoader openShipped(const ShippedLanguage& language)
{
    CLangLoader loader;
    EXPECT_TRUE(loader.OpenResourceLibrary(kLanguageFolder + language.file)) << language.file;
    return loader;
}

TEST(LanguageLibraries, EveryLibraryHasATextForEveryId)
{
    for (const auto& language : kShipped) {
        const CLangLoader loader = openShipped(language);
        for (const auto& [id, name] : kTextResourceNames)
            EXPECT_NE(loader.LoadResString(id), "") << language.file << " lacks " << name;
    }
}

TEST(LanguageLibraries, DataIdsNameTheLanguageAndItsHelpFolder)
{
    CLanguages languages;
    EnumerateLanguages(languages, kLanguageFolder);
    for (const auto& language : kShipped) {
        const auto scanned = languages.Item(language.file);
        EXPECT_EQ(scanned->ID(), language.name) << language.file;
        EXPECT_TRUE(scanned->IsLanguageSupported(language.languageId)) << language.file;

        const CLangLoader loader = openShipped(language);
        const std::filesystem::path help = kHelpFolder + loader.LoadResString(TR_RESERVED_DO_NOT_TRANSLATE3);
        EXPECT_TRUE(std::filesystem::is_regular_file(help / "index.html")) << help;
        for (int context : kHelpContexts)
            EXPECT_TRUE(std::filesystem::is_regular_file(help / (std::to_string(context) + ".html")))
                << help << " lacks topic " << context;
    }
}

TEST(LanguageLibraries, MarksAndPlaceholdersAgreeWithTheFallbackLanguage)
{
    const CLangLoader fallback = openShipped(kFallback);
    for (const auto& language : kShipped) {
        const CLangLoader loader = openShipped(language);
        for (const auto& [id, name] : kTextResourceNames) {
            const std::string expected = fallback.LoadResString(id);
            const std::string text = loader.LoadResString(id);
            for (auto mark : kPlaceholders)
                EXPECT_EQ(occurrences(text, mark), occurrences(expected, mark))
                    << language.file << " " << name << ": \"" << mark << "\" in \"" << text << '"';
        }
        // The report puts the probe-tone frequency in place of the capital X.
        EXPECT_EQ(occurrences(loader.LoadResString(TR_X_HZ_PROBE), "X"), 1u) << language.file;
    }
}

TEST(LanguageLibraries, ActionDescriptionsKeepTheirDateWithin64Characters)
{
    // Descriptions of saved actions are cut to 64 characters after the date of
    // evaluation is put in; the date must survive the cut.
    for (const auto& language : kShipped) {
        const CLangLoader loader = openShipped(language);
        for (const auto& [id, name] : kTextResourceNames) {
            const std::string text = loader.LoadResString(id);
            if (occurrences(text, "xx/xx/xxxx") > 0) {
                EXPECT_LE(characters(text), 64u) << language.file << " " << name;
            }
        }
    }
}

TEST(LanguageLibraries, TheUsersLanguageChoosesItsLibrary)
{
    CLanguages languages;
    EnumerateLanguages(languages, kLanguageFolder);

    const std::pair<std::int32_t, std::string> cases[] = {
        {1033, "BrisanceENU.so"}, {4105, "BrisanceENU.so"}, {2057, "BrisanceENG.so"}, {3081, "BrisanceENG.so"},
        {1031, "BrisanceDEU.so"}, {2055, "BrisanceDEU.so"}, {3079, "BrisanceDEU.so"},
        {1036, "BrisanceENU.so"},  // French is not shipped: the fallback
    };
    for (const auto& [id, file] : cases)
        EXPECT_EQ(ChooseLanguageFile(languages, id), file) << id;
}

}  // namespace
}  // namespace brisance
