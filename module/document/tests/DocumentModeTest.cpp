#include "module/document/tests/DocumentTestSupport.h"

#include "module/core/TextResources.h"
#include "module/document/KeyedStatusBar.h"
#include "module/document/KeyedToolBar.h"
#include "module/views/CImpedance.h"
#include "module/views/CPureTone.h"
#include "module/views/CSpeech.h"

#include <QAction>

namespace brisance {
namespace {

using host::testing::ActionSpec;
using testing::FullAudiogramData;
using testing::kTodayDay;
using testing::kYesterday;

constexpr std::int32_t kOtherModule = 0x300001;
constexpr const char* kEnglishLibrary = BRISANCE_PROGRAM_DIR "/Language Resources/BrisanceENU.so";

ActionSpec Audiogram(host::Date created, std::int32_t creator = host::testing::kAudiogramModule)
{
    return {.code = 1, .publicData = FullAudiogramData(), .dateCreated = created, .timeStamp = kTodayDay + 0.25,
            .creator = creator};
}

ActionSpec LeftImpedance()
{
    const auto impedance = testing::FullImpedance(3);
    return {.code = 15, .format = 100, .publicData = impedance.data, .privateData = impedance.data2,
            .dateCreated = kTodayDay, .timeStamp = kTodayDay + 0.25};
}

struct ModeCase {
    const char* name;
    std::vector<ActionSpec> actions;  // the first is the one the host names
    bool currentClient;
    bool linked;
    std::int32_t mode;
};

void PrintTo(const ModeCase& modeCase, std::ostream* out)
{
    *out << modeCase.name;
}

class DocumentModeTest : public testing::DocumentTest, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(DocumentModeTest, ChoosesTheModeAndAppliesIt)
{
    const ModeCase& c = GetParam();
    host.setLanguage(1033);
    const host::Client owner = host.addClient({.firstName = "Ann", .lastName = "Smith"});
    const host::Session today = host.addSession(owner, kTodayDay);
    std::vector<host::Action> actions;
    for (const ActionSpec& spec : c.actions)
        actions.push_back(host.addAction(today, spec));
    if (c.linked)
        host.link(host.addAction(today, {.code = 7}), actions.front());
    if (c.currentClient)
        host.select(owner, host.addUser("JD"), today);
    else
        host.selectUser(host.addUser("JD"));
    if (!actions.empty())
        host.showAction(actions.front());

    docAudiogramModule& document = OpenDocument();

    EXPECT_EQ(document.DocumentMode(), c.mode);
    CLangLoader english;
    ASSERT_TRUE(english.OpenResourceLibrary(kEnglishLibrary));
    const std::string modeTexts[] = {english.LoadResString2(TR_NEW_AUDIOGRAM), english.LoadResString2(TR_EDIT),
                                     english.LoadResString(TR_READ_ONLY_MODE)};
    EXPECT_EQ(document.sbrMain().PanelText("MODE"), modeTexts[c.mode]);
    const bool editable = c.mode != docAudiogramModule::kModeReadOnly;
    EXPECT_EQ(document.oPureTone().Enabled(), editable);
    EXPECT_EQ(document.oSpeech().Enabled(), editable);
    EXPECT_EQ(document.oImpedance().Enabled(), editable);
    EXPECT_EQ(document.Menus().mnuFileSave->isEnabled(), editable);
    EXPECT_EQ(document.tbrMain().Enabled("Save"), editable);
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DocumentModeTest,
    ::testing::Values(ModeCase{"NoActionIsNew", {}, true, false, 0},
                      ModeCase{"ImpedanceOnlyIsReadOnly", {LeftImpedance()}, true, false, 2},
                      ModeCase{"OursOfTodayIsEditable", {Audiogram(kTodayDay + 0.1), LeftImpedance()}, true, false, 1},
                      ModeCase{"OursOfYesterdayIsReadOnly", {Audiogram(kYesterday)}, true, false, 2},
                      ModeCase{"AnotherModulesIsReadOnly", {Audiogram(kTodayDay, kOtherModule)}, true, false, 2},
                      ModeCase{"ALinkedOneIsReadOnly", {Audiogram(kTodayDay)}, true, true, 2},
                      // Without a client the link cannot be tested; the date and the creator decide.
                      ModeCase{"NoClientOursOfTodayIsEditable", {Audiogram(kTodayDay)}, false, false, 1},
                      ModeCase{"NoClientOursOfYesterdayIsReadOnly", {Audiogram(kYesterday)}, false, false, 2}),
    [](const auto& info) { return std::string(info.param.name); });

class DocumentLoadingTest : public testing::DocumentTest {};

TEST_F(DocumentLoadingTest, ADamagedAudiogramIsShownAndOpensReadOnly)
{
    SelectClientWithSession();
    host.addAction(*session, {.code = 1, .publicData = host::Bytes{1, 2, 3}, .dateCreated = kTodayDay});

    docAudiogramModule& document = OpenDocument();

    ASSERT_EQ(responder.shown().size(), 1u);
    EXPECT_TRUE(responder.shown().front().text.ends_with("  5")) << responder.shown().front().text;
    EXPECT_EQ(document.DocumentMode(), docAudiogramModule::kModeReadOnly)
        << "what was loaded in part must not be saved over the host's action";
    EXPECT_FALSE(document.Menus().mnuFileSave->isEnabled());
}

TEST_F(DocumentLoadingTest, ASecondShowKeepsUnsavedEditsAndReloadsCleanViews)
{
    SelectClientWithSession();
    host.addAction(*session, Audiogram(kTodayDay));
    docAudiogramModule& document = OpenDocument();
    const auto data = document.oPureTone().DataLayer();
    const std::int32_t curves = data->get_PureToneCurves()->get_Count();
    ASSERT_GT(curves, 0);

    data->get_PureToneCurves()->Clear();
    document.oPureTone().DataNeedsSaved(true);
    document.Show();
    EXPECT_EQ(data->get_PureToneCurves()->get_Count(), 0) << "the edit is kept";
    EXPECT_TRUE(document.oPureTone().DataNeedsSaved());

    document.oPureTone().DataNeedsSaved(false);
    document.Show();
    EXPECT_EQ(data->get_PureToneCurves()->get_Count(), curves) << "clean views show the host's action again";
}

TEST_F(DocumentLoadingTest, TheDatePanelShowsTheDateOfEvaluation)
{
    SelectClientWithSession();
    docAudiogramModule& document = OpenDocument();
    EXPECT_TRUE(document.sbrMain().PanelText("DATE").ends_with(": " + platform::runtime::dateText(
                                                                      platform::runtime::today())))
        << document.sbrMain().PanelText("DATE");
}

}  // namespace
}  // namespace brisance
