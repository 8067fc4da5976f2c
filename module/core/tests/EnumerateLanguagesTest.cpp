#include "module/core/EnumerateLanguages.h"

#include "module/core/tests/TestLanguages.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/tests/ErrorNumber.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

namespace brisance {
namespace {

using platform::runtime::testing::errorNumberOf;
using testing::LanguageFolder;

// The ".so" files of a folder in the order in which the file system lists them.
std::vector<std::string> librariesAsListed(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.is_regular_file() && entry.path().extension() == ".so")
            names.push_back(entry.path().filename().string());
    }
    return names;
}

std::vector<std::string> filenamesOf(const CLanguages& languages)
{
    std::vector<std::string> names;
    for (const auto& language : languages)
        names.push_back(language->Filename());
    return names;
}

TEST(EnumerateLanguages, AnEmptyOrMissingFolderAddsNothing)
{
    LanguageFolder empty({});
    CLanguages languages;
    EnumerateLanguages(languages, empty.folder());
    EnumerateLanguages(languages, empty.folder() + "missing/");
    EXPECT_EQ(languages.Count(), 0);
}

TEST(EnumerateLanguages, ListsEveryLibraryInFileSystemOrderKeyedByFileName)
{
    LanguageFolder folder({"English", "German", "Swiss"});
    std::ofstream(folder.path() / "Broken.so") << "not a library";
    std::ofstream(folder.path() / "ReadMe.txt") << "not a library either";
    std::filesystem::create_directory(folder.path() / "Folder.so");

    CLanguages languages;
    EnumerateLanguages(languages, folder.folder());

    std::vector<std::string> expected = librariesAsListed(folder.path());
    std::erase(expected, "Broken.so");
    EXPECT_EQ(filenamesOf(languages), expected);

    const auto english = languages.Item("English.so");
    EXPECT_EQ(english->Filename(), "English.so");
    EXPECT_EQ(english->ID(), 24003);
    EXPECT_TRUE(english->IsLanguageSupported(1033));

    const auto german = languages.Item("German.so");
    EXPECT_EQ(german->ID(), 24004);
    for (std::int32_t id : {1031, 2055, 3079})
        EXPECT_TRUE(german->IsLanguageSupported(id)) << id;
    EXPECT_FALSE(german->IsLanguageSupported(1033));
}

TEST(EnumerateLanguages, ASecondScanIntoTheSameListFailsOnTheDuplicateKey)
{
    LanguageFolder folder({"English", "German"});
    CLanguages languages;
    EnumerateLanguages(languages, folder.folder());

    EXPECT_EQ(errorNumberOf([&] { EnumerateLanguages(languages, folder.folder()); }), 457);
    EXPECT_EQ(languages.Count(), 2);
}

TEST(EnumerateLanguages, NamesThatDifferOnlyInLetterCaseGiveOneLanguage)
{
    LanguageFolder folder({"German"});
    std::filesystem::copy_file(folder.path() / "German.so", folder.path() / "GERMAN.so");

    CLanguages languages;
    EXPECT_EQ(errorNumberOf([&] { EnumerateLanguages(languages, folder.folder()); }), 0);
    ASSERT_EQ(languages.Count(), 1);
    EXPECT_EQ(languages.Item(1)->Filename(), librariesAsListed(folder.path()).front()) << "the first listed is kept";
}

}  // namespace
}  // namespace brisance
