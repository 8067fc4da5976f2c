#pragma once
// The small language libraries built for these tests (data/*.txt), and a
// language folder made of copies of them.

#include "platform/testing/TemporaryFolder.h"

#include <filesystem>
#include <initializer_list>
#include <string>

namespace brisance::testing {

// "English" (fallback, 1033), "German" (1031, 2055, 3079) or "Swiss" (2055).
inline std::string testLanguagePath(const std::string& name)
{
    return std::string(BRISANCE_TEST_LANGUAGE_DIR) + "/TestLanguage" + name + ".so";
}

// A temporary language folder holding copies of the named test languages as
// "<name>.so".
class LanguageFolder {
public:
    explicit LanguageFolder(std::initializer_list<std::string> names)
    {
        for (const auto& name : names)
            std::filesystem::copy_file(testLanguagePath(name), m_folder.path() / (name + ".so"));
    }

    std::filesystem::path path() const { return m_folder.path(); }
    // The folder as the module keeps it: with a closing "/".
    std::string folder() const { return m_folder.path().string() + "/"; }

private:
    platform::testing::TemporaryFolder m_folder;
};

}  // namespace brisance::testing
