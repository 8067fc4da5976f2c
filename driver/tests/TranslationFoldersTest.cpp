#include "driver/TranslationFolders.h"

#include "platform/registry/Profile.h"

#include <gtest/gtest.h>

namespace marlet {
namespace {

TEST(TranslationFolders, TheLibraryFolderThenTheSetting)
{
    using Folders = std::vector<std::filesystem::path>;
    EXPECT_EQ(translationFolders("/opt/brisance/bin", "marlet"), Folders{"/opt/brisance/bin"});

    platform::registry::Profile("Pelmworks", "marlet").writeString("Default", "TranslationFolder", "/srv/texts");
    EXPECT_EQ(translationFolders("/opt/brisance/bin", "marlet"), (Folders{"/opt/brisance/bin", "/srv/texts"}));
    EXPECT_EQ(translationFolders("/opt/brisance/bin", "other"), Folders{"/opt/brisance/bin"})
        << "each library reads its own settings";
}

}  // namespace
}  // namespace marlet
