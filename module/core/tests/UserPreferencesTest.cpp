#include "module/core/UserPreferences.h"

#include "module/core/ModuleGlobals.h"
#include "module/core/TextResources.h"
#include "module/core/tests/CoreTestSupport.h"

#include "host/testing/HostFixture.h"

#include "platform/runtime/tests/ErrorNumber.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/TestResponder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include <sys/stat.h>

namespace brisance {
namespace {

using platform::runtime::Variant;
using platform::runtime::testing::errorNumberOf;

constexpr const char* kEnglish = BRISANCE_PROGRAM_DIR "/Language Resources/BrisanceENU.so";

class LoadUserPreferencesTest : public testing::VellumTest {};

enum class DefaultFile { None, Good, Damaged, Fifo };

// Whose profile a store or a user's module data holds.
enum class Holds { Previous, Users, Shared, Nothing };

Variant DataOf(Holds holds)
{
    switch (holds) {
    case Holds::Previous: return testing::StoreDataWith("Previous");
    case Holds::Users: return testing::StoreDataWith("User's own");
    case Holds::Shared: return testing::StoreDataWith("Shared");
    case Holds::Nothing: return testing::NewStore()->get_Data();
    }
    return {};
}

void PlaceDefaultFile(DefaultFile file)
{
    const auto record = testing::ProfileRecord(DataOf(Holds::Shared));
    if (file == DefaultFile::Good) testing::WriteFile(testing::SharedProfileFile(), record);
    if (file == DefaultFile::Damaged)
        testing::WriteFile(testing::SharedProfileFile(), {record.begin(), record.begin() + 12});
    if (file == DefaultFile::None || file == DefaultFile::Fifo) std::filesystem::remove(testing::SharedProfileFile());
    if (file == DefaultFile::Fifo) {
        ASSERT_EQ(::mkfifo(testing::SharedProfileFile().c_str(), 0600), 0);
    }
}

// The user's module data, or nothing while the user has none.
std::optional<Variant> ModuleDataOf(const host::User& user)
{
    try {
        return Variant::fromBytes(user.moduleData(host::testing::kAudiogramModule));
    } catch (const platform::runtime::RuntimeError&) {
        return std::nullopt;
    }
}

TEST_F(LoadUserPreferencesTest, GivesTheStoreTheUsersDataOrTheSharedDefault)
{
    struct Case {
        const char* name;
        bool server;
        bool currentUser;
        bool userHasData;
        DefaultFile file;
        Holds store;
        std::optional<Holds> moduleData;  // nothing: the user still has none
        bool message;
        std::int32_t error;
    };
    const Case cases[] = {
        {"no server", false, true, false, DefaultFile::Good, Holds::Previous, std::nullopt, false, 0},
        {"no current user", true, false, false, DefaultFile::Good, Holds::Previous, std::nullopt, false, 0},
        // The damaged file shows that it is never read.
        {"a user with data", true, true, true, DefaultFile::Damaged, Holds::Users, Holds::Users, false, 0},
        {"a new user and a default profile", true, true, false, DefaultFile::Good, Holds::Shared, Holds::Shared,
         false, 0},
        {"a new user and no default profile", true, true, false, DefaultFile::None, Holds::Nothing, std::nullopt,
         true, 0},
        {"a new user and a damaged default profile", true, true, false, DefaultFile::Damaged, Holds::Previous,
         std::nullopt, false, 62},
        // Read as a file, it would keep the document waiting for a writer.
        {"a new user and a FIFO where the default profile is", true, true, false, DefaultFile::Fifo,
         Holds::Previous, std::nullopt, false, 75},
    };

    CreateModuleGlobals();
    ModuleGlobals::UiTextLoader()->OpenResourceLibrary(kEnglish);
    const auto store = ModuleGlobals::PreferenceStore();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        host::testing::HostFixture host;
        const host::User user = host.addUser("JD");
        if (c.userHasData) user.setModuleData(host::testing::kAudiogramModule, DataOf(Holds::Users).toBytes());
        if (c.currentUser) host.selectUser(user);
        PlaceDefaultFile(c.file);
        store->put_Data(DataOf(Holds::Previous));
        const platform::ui::TestResponder responder;

        const auto server = c.server ? platform::com::create<host::IModuleServer>(host::kModuleServerClsid) : nullptr;
        EXPECT_EQ(errorNumberOf([&] { LoadUserPreferences(server, store); }), c.error);

        EXPECT_EQ(store->get_Data(), DataOf(c.store));
        const auto moduleData = ModuleDataOf(user);
        EXPECT_EQ(moduleData.has_value(), c.moduleData.has_value());
        if (moduleData && c.moduleData) {
            EXPECT_EQ(*moduleData, DataOf(*c.moduleData));
        }
        ASSERT_EQ(responder.shown().size(), c.message ? 1u : 0u);
        if (c.message) {
            const auto& box = responder.shown()[0];
            EXPECT_EQ(box.text, ModuleGlobals::UiTextLoader()->LoadResString(TR_LOCALE_PROFILE_MISSING));
            EXPECT_FALSE(box.text.empty());
            EXPECT_EQ(box.title, "Brisance Audiogram");
            EXPECT_EQ(box.style, platform::ui::MB_OK | platform::ui::MB_ICONHAND);
        }
    }
}

TEST_F(LoadUserPreferencesTest, TheMissingProfileMessageIsTitledTessmarkWithoutAProgramTitle)
{
    host::testing::HostFixture host;
    host.selectUser(host.addUser("JD"));
    CreateModuleGlobals();  // the UI text loader has no library open
    const platform::ui::TestResponder responder;

    LoadUserPreferences(platform::com::create<host::IModuleServer>(host::kModuleServerClsid),
                        ModuleGlobals::PreferenceStore());

    ASSERT_EQ(responder.shown().size(), 1u);
    EXPECT_EQ(responder.shown()[0].title, "Tessmark");
}

}  // namespace
}  // namespace brisance
