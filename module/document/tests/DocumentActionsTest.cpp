#include "module/document/tests/DocumentEditing.h"
#include "module/document/tests/DocumentTestSupport.h"

#include "module/core/TextResources.h"
#include "module/document/KeyedStatusBar.h"
#include "module/document/KeyedTabStrip.h"
#include "module/document/KeyedToolBar.h"
#include "module/views/CImpedance.h"
#include "module/views/CSpeech.h"

#include <QAction>
#include <QMenu>

namespace brisance {
namespace {

using host::testing::ActionSpec;
using testing::kTodayDay;
using testing::kYesterday;

constexpr const char* kEnglishLibrary = BRISANCE_PROGRAM_DIR "/Language Resources/BrisanceENU.so";

ActionSpec Audiogram(host::Date created, host::Date stamp)
{
    return {.code = 1, .publicData = testing::AudiogramDataWithoutTympanograms(), .dateCreated = created,
            .timeStamp = stamp};
}

ActionSpec Impedance(std::int32_t ear, host::Date stamp)
{
    const auto impedance = testing::FullImpedance(ear);
    return {.code = ear == 3 ? 15 : 16, .format = 100, .publicData = impedance.data,
            .privateData = impedance.data2, .dateCreated = stamp, .timeStamp = stamp};
}

class DocumentActionsTest : public testing::DocumentTest {
protected:
    void SetUp() override
    {
        testing::DocumentTest::SetUp();
        host.setLanguage(1033);
        host.setRunningModule(host::testing::kAudiogramModule);
        ASSERT_TRUE(english.OpenResourceLibrary(kEnglishLibrary));
        client = host.addClient({.firstName = "Ann", .lastName = "Smith"});
        earlier = host.addSession(*client, kYesterday);
        session = host.addSession(*client, kTodayDay);
        host.select(*client, host.addUser("JD"), *session);
    }

    docAudiogramModule& Open()
    {
        OpenDocument();
        frame.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&frame));
        return *document;
    }

    vellum::IVellumDataLayer& Data() const { return *document->oPureTone().DataLayer(); }
    MenuControlArray& PastActions() const { return *document->Menus().mnuFilePastAction; }
    MenuControlArray& PreviousActions() const { return *document->Menus().mnuViewPrevAction; }

    std::vector<std::int32_t> GroupCodes() const
    {
        std::vector<std::int32_t> codes;
        for (const auto& action : document->GroupActions())
            codes.push_back(action ? action->get_DataType()->get_Code() : 0);
        return codes;
    }

    CLangLoader english;
    std::optional<host::Session> earlier;
};

TEST_F(DocumentActionsTest, AClientWithoutAudiogramsListsNone)
{
    host.addAction(*session, {.code = 7});
    docAudiogramModule& document = Open();

    EXPECT_FALSE(PastActions().Visible(0));
    EXPECT_FALSE(document.Menus().mnuFileLine2->isVisible());
    EXPECT_FALSE(document.Menus().mnuShowHidePrevAction->menuAction()->isEnabled());
}

TEST_F(DocumentActionsTest, EveryAudiogramOfTheClientIsListedWithItsDateAndPlace)
{
    host.addAction(*earlier, Audiogram(kYesterday, kYesterday));
    host.addAction(*session, {.code = 7});
    host.addAction(*session, Audiogram(kTodayDay, kTodayDay));
    host.addAction(*session, Audiogram(kTodayDay + 0.5, kTodayDay + 0.5));
    Open();

    const std::string audiogram = english.LoadResString(TR_AUDIOGRAM);
    const std::string from = english.LoadResString(TR_AUDIOGRAM_FROM);
    struct Entry {
        host::Date date;
        std::string tag;
    };
    const Entry entries[] = {{kYesterday, "1,1"}, {kTodayDay, "2,2"}, {kTodayDay + 0.5, "2,3"}};
    ASSERT_EQ(PastActions().Count(), 3);
    ASSERT_EQ(PreviousActions().Count(), 3);
    for (int i = 0; i < 3; ++i) {
        const std::string date = testing::DayText(entries[i].date);
        EXPECT_EQ(PastActions().Caption(i), date + " " + audiogram);
        EXPECT_EQ(PastActions().Tag(i), entries[i].tag);
        EXPECT_TRUE(PastActions().Visible(i));
        EXPECT_EQ(PreviousActions().Caption(i), from + " " + date);
        EXPECT_EQ(PreviousActions().Tag(i), entries[i].tag);
    }
    EXPECT_NE(testing::DayText(kTodayDay + 0.5), testing::DayText(kTodayDay))
        << "a time of day other than midnight is shown";
    EXPECT_TRUE(document->Menus().mnuFileLine2->isVisible());
}

TEST_F(DocumentActionsTest, AnEarlierAudiogramOpensReadOnlyWithItsOwnImpedanceActions)
{
    const host::Date stamp = kYesterday + 0.3;
    host.addAction(*earlier, Audiogram(kYesterday, stamp));
    host.addAction(*earlier, Impedance(3, stamp));
    host.addAction(*earlier, Impedance(2, stamp + 0.01));
    host.showAction(host.addAction(*session, {.code = 1, .publicData = testing::FullAudiogramData(),
                                              .dateCreated = kTodayDay, .timeStamp = kTodayDay}));
    docAudiogramModule& document = Open();
    ASSERT_EQ(document.DocumentMode(), docAudiogramModule::kModeEditable);
    ASSERT_EQ(PastActions().Tag(0), "1,1");

    PastActions().Click(0);

    EXPECT_EQ(document.DocumentMode(), docAudiogramModule::kModeReadOnly);
    EXPECT_EQ(GroupCodes(), (std::vector<std::int32_t>{1, 15, 0}));
    vellum::ComPtr<vellum::IVellumTympanogram> tympanogram;
    EXPECT_TRUE(Data().get_Tympanograms()->Find(3, tympanogram));
    EXPECT_FALSE(Data().get_Tympanograms()->Find(2, tympanogram))
        << "the right ear's action of another stamp is not shown, nor what the document showed before";
    EXPECT_FALSE(document.Menus().mnuEditUndo->isEnabled());
}

TEST_F(DocumentActionsTest, AnEntryWhoseActionIsGoneChangesNothing)
{
    host.addAction(*session, Audiogram(kTodayDay, kTodayDay));
    host.showAction(host.addAction(*session, Audiogram(kTodayDay, kTodayDay + 0.1)));
    docAudiogramModule& document = Open();
    const auto before = GroupCodes();
    const auto shownAction = document.GroupActions()[0];
    PastActions().Tag(0, "2,9");

    PastActions().Click(0);

    EXPECT_EQ(ShownTexts().size(), 1u) << "the error is told once";
    EXPECT_EQ(document.GroupActions()[0], shownAction);
    EXPECT_EQ(GroupCodes(), before);
    EXPECT_EQ(document.DocumentMode(), docAudiogramModule::kModeEditable);
}

TEST_F(DocumentActionsTest, ANewActionAnsweredNoStartsEmpty)
{
    host.showAction(host.addAction(*session, {.code = 1, .publicData = testing::FullAudiogramData(),
                                              .privateData = testing::NotesData("DateOfEval", "2026-12-01"),
                                              .dateCreated = kTodayDay, .timeStamp = kTodayDay}));
    docAudiogramModule& document = Open();
    testing::SelectFirstTest(document.oPureTone());
    testing::ClickChart(document.oPureTone(), 0, testing::k1000Hz, 40);
    ASSERT_TRUE(document.oPureTone().DataNeedsSaved());
    const auto actionsBefore = host.database().actions(session->id());
    responder.queue(platform::ui::reply::Button{platform::ui::IDNO});

    document.Menus().mnuFileNewAction->trigger();

    EXPECT_EQ(ShownTexts(), std::vector<std::string>{english.LoadResString(TR_DO_YOU_WANT_TO_SAVE_CHANGES)});
    EXPECT_EQ(document.DocumentMode(), docAudiogramModule::kModeNew);
    EXPECT_EQ(GroupCodes(), (std::vector<std::int32_t>{0, 0, 0}));
    EXPECT_EQ(Data().get_PureToneCurves()->get_Count(), 0);
    EXPECT_EQ(Data().get_SpeechCurves()->get_Count(), 0);
    EXPECT_EQ(Data().get_Tympanograms()->get_Count(), 0);
    EXPECT_EQ(document.sbrMain().PanelText("DATE"), english.LoadResString2(TR_DATE_OF_EVALUATION) + ": " +
                                                        testing::DayText(kTodayDay));
    EXPECT_FALSE(document.Menus().mnuEditUndo->isEnabled());
    EXPECT_FALSE(document.oPureTone().DataNeedsSaved());
    EXPECT_EQ(host.database().actions(session->id()).size(), actionsBefore.size());
}

TEST_F(DocumentActionsTest, ANewActionWhoseSaveFailsDoesNotStart)
{
    host.showAction(host.addAction(*session, Audiogram(kTodayDay, kTodayDay)));
    docAudiogramModule& document = Open();
    testing::SelectFirstTest(document.oPureTone());
    testing::ClickChart(document.oPureTone(), 0, testing::k1000Hz, 40);
    const auto points = testing::PureTonePoints(Data());
    responder.queue(platform::ui::reply::Button{platform::ui::IDYES});
    host.database().provokeWriteFailures(5, "provoked", 100);

    document.Menus().mnuFileNewAction->trigger();

    ASSERT_FALSE(ShownTexts().empty());
    EXPECT_EQ(ShownTexts().back(), "There was a problem saving to the TAVO System");
    EXPECT_EQ(document.DocumentMode(), docAudiogramModule::kModeEditable);
    EXPECT_EQ(GroupCodes(), (std::vector<std::int32_t>{1, 0, 0}));
    EXPECT_EQ(testing::PureTonePoints(Data()), points);
    EXPECT_TRUE(document.oPureTone().DataNeedsSaved());
}

TEST_F(DocumentActionsTest, TheUnderlaysCheckMovesAndClears)
{
    host.addAction(*earlier, Audiogram(kYesterday, kYesterday));
    host.addAction(*session, Audiogram(kTodayDay, kTodayDay));
    Open();
    const auto underlay = document->oPureTone().UnderlayDataLayer();

    PreviousActions().Click(0);
    EXPECT_TRUE(PreviousActions().Checked(0));
    EXPECT_GT(underlay->get_PureToneCurves()->get_Count(), 0);

    PreviousActions().Click(1);
    EXPECT_FALSE(PreviousActions().Checked(0));
    EXPECT_TRUE(PreviousActions().Checked(1));

    PreviousActions().Click(1);
    EXPECT_FALSE(PreviousActions().Checked(1));
    EXPECT_EQ(underlay->get_PureToneCurves()->get_Count(), 0);
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{});
}

TEST_F(DocumentActionsTest, CopyEarActsOnThePureToneTabOnly)
{
    docAudiogramModule& document = Open();
    testing::SelectFirstTest(document.oPureTone());
    testing::ClickChart(document.oPureTone(), 0, testing::k1000Hz, 40);
    ASSERT_EQ(testing::PureTonePoints(Data()).size(), 1u);
    ASSERT_TRUE(document.Menus().mnuEditCopyEar->isEnabled());

    for (const char* tab : {"SPEECH", "IMPEDANCE"}) {
        document.tabMain().Select(tab);
        document.Menus().mnuEditCopyEar->trigger();
        EXPECT_EQ(testing::PureTonePoints(Data()).size(), 1u) << tab;
    }
    document.tabMain().Select("PURETONE");
    document.Menus().mnuEditCopyEar->trigger();
    EXPECT_EQ(testing::PureTonePoints(Data()).size(), 2u);
}

}  // namespace
}  // namespace brisance
