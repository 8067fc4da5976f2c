#include "module/document/tests/DocumentTestSupport.h"

#include "module/core/ModuleGlobals.h"
#include "module/core/TextResources.h"
#include "module/document/KeyedStatusBar.h"
#include "module/document/KeyedTabStrip.h"

#include <QAction>

namespace brisance {
namespace {

constexpr const char* kEnglishLibrary = BRISANCE_PROGRAM_DIR "/Language Resources/BrisanceENU.so";

std::string EnglishText(std::int32_t id)
{
    CLangLoader english;
    english.OpenResourceLibrary(kEnglishLibrary);
    return english.LoadResString(id);
}

bool StoreHasProfiles(vellum::IVellumKeyedStore& store)
{
    store.put_Category(0);
    store.put_Section(0);
    return !store.get_Value("Profile").isNull();
}

class DocumentInitializeTest : public testing::DocumentTest {
protected:
    void SetUp() override
    {
        DocumentTest::SetUp();
        host.setLanguage(1033);
    }
};

TEST_F(DocumentInitializeTest, WithoutAClientTheClientPanelSaysSoAndTheLanguageIsStillChosen)
{
    host.selectUser(host.addUser("JD"));
    docAudiogramModule& document = OpenDocument();

    EXPECT_TRUE(document.Initialized());
    EXPECT_EQ(document.sbrMain().PanelText("CLIENT"), EnglishText(TR_NO_CLIENT_SELECTED));
    EXPECT_FALSE(EnglishText(TR_NO_CLIENT_SELECTED).empty());
    EXPECT_EQ(document.tabMain().Caption(0), EnglishText(TR_PURETONE));
    EXPECT_EQ(document.DocumentMode(), docAudiogramModule::kModeNew);
    EXPECT_FALSE(document.Menus().mnuFilePastAction->Visible(0)) << "no past actions are listed";
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{});
}

TEST_F(DocumentInitializeTest, WithoutAUserTheInitialsAreEmptyAndInitialisationGoesOn)
{
    ModuleGlobals::SetUserInitials("XY");
    client = host.addClient({.firstName = "Ann", .lastName = "Smith"});
    host.selectClient(*client);
    docAudiogramModule& document = OpenDocument();

    EXPECT_TRUE(document.Initialized());
    EXPECT_EQ(ModuleGlobals::UserInitials(), "");
    EXPECT_EQ(document.sbrMain().PanelText("CLIENT"), "Ann Smith");
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{});
}

class DocumentWithoutLinkServerTest : public testing::DocumentTest {
protected:
    void SetUp() override
    {
        // Everything but the instrument-link server.
        ASSERT_NO_FATAL_FAILURE(testing::registerServer(VELLUM_LIBRARY_PATH));
        ASSERT_NO_FATAL_FAILURE(testing::registerServer(LUMENPLOT_LIBRARY_PATH));
        ASSERT_NO_FATAL_FAILURE(testing::registerServer(BRISANCE_LIBRARY_PATH));
        ASSERT_TRUE(host.placeDefaultProfile());
        SelectClientWithSession();
    }
};

TEST_F(DocumentWithoutLinkServerTest, InitialisationStopsWithOneMessageAndShowDoesNothing)
{
    host.addAction(*session, {.code = 1, .publicData = testing::FullAudiogramData(), .dateCreated = testing::kTodayDay});
    docAudiogramModule& document = OpenDocument();

    EXPECT_EQ(ShownTexts(), std::vector<std::string>{"An error has occurred: ActiveX component can't create object 429"});
    EXPECT_EQ(responder.shown().front().style, platform::ui::MB_ICONSTOP);
    EXPECT_FALSE(document.Initialized());
    EXPECT_EQ(document.sbrMain().PanelText("CLIENT"), "") << "the host's objects were never reached";
    EXPECT_FALSE(StoreHasProfiles(*ModuleGlobals::PreferenceStore())) << "no preferences were loaded";
    EXPECT_EQ(document.sbrMain().PanelText("MODE"), "") << "Show neither loads nor decides a mode";
    EXPECT_EQ(document.GroupActions()[0], nullptr);
}

}  // namespace
}  // namespace brisance
