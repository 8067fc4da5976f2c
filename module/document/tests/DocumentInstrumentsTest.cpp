// The Audiometer menu against the instrument link, with the fake driver
// library registered as the installed drivers.

#include "module/document/tests/DocumentEditing.h"
#include "module/document/tests/DocumentTestSupport.h"

#include "module/core/ListView.h"
#include "module/core/TextResources.h"
#include "module/document/frmReadOnlyMsg.h"
#include "module/document/frmSonvaleSelection.h"
#include "module/views/CPureTone.h"

#include "Implementation/Components/PelmSonvale/testing/DriverRegistry.h"
#include "Implementation/Components/PelmSonvale/testing/FakeDriverControl.h"

#include "PelmSonvale/RegistryKeys.h"
#include "platform/registry/Key.h"
#include "platform/testing/ModalDialogs.h"

#include <QAction>
#include <QMenu>
#include <QTest>
#include <QPushButton>
#include <QRadioButton>

namespace brisance {

struct InstrumentTestAccess {
    static const platform::com::ComPtr<pelmsonvale::ISonvaleController>& Controller(const docAudiogramModule& document)
    {
        return document.m_sonvale;
    }
};

namespace {

using pelmsonvale::testing::FakeDriverControl;
using pelmsonvale::testing::registerDriver;
using platform::testing::ModalDialogs;
using testing::kTodayDay;
using testing::kYesterday;

class DocumentInstrumentsTest : public testing::EnglishDocumentTest {
protected:
    void SetUp() override
    {
        testing::EnglishDocumentTest::SetUp();
        fake.script("ConnectResult", 1);
    }

    void TearDown() override
    {
        // A measurement still running ends with its document.
        if (document)
            document->Terminate();
    }

    docAudiogramModule& Open()
    {
        OpenDocument();
        frame.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&frame));
        return *document;
    }

    // An audiogram made yesterday, which opens read-only.
    docAudiogramModule& OpenYesterdays()
    {
        const host::Session past = host.addSession(*client, kYesterday);
        host.showAction(host.addAction(past, {.code = 1, .publicData = testing::FullAudiogramData(),
                                              .dateCreated = kYesterday, .timeStamp = kYesterday}));
        return Open();
    }

    MenuControlArray& Items() const { return *document->Menus().mnuSonvaleDevice; }
    QAction& SetupItem() const { return *document->Menus().mnuToolsSonvale; }
    void Click(std::int32_t index) const { Items().Action(index).trigger(); }

    std::string Start() const { return english.LoadResString(TR_START); }

    bool ChartsInteractive() const
    {
        bool all = true;
        for (int chart = 0; chart < 2; ++chart) {
            lumenplot::VARIANT_BOOL value = lumenplot::VARIANT_FALSE;
            document->oPureTone().chtEar(chart).chart().get_InteractiveMode(&value);
            all = all && value != lumenplot::VARIANT_FALSE;
        }
        return all;
    }

    // Whether each item is enabled, in the order of the array.
    std::vector<bool> EnabledItems() const
    {
        std::vector<bool> enabled;
        for (std::int32_t index = 0; index <= Items().UBound(); ++index)
            enabled.push_back(Items().Enabled(index));
        return enabled;
    }

    // Each item's caption and Tag; and whether the Tag names the driver the
    // caption names, in the link's own list.
    void ExpectItemsName(const std::vector<std::string>& names) const
    {
        ASSERT_EQ(Items().Count(), static_cast<std::int32_t>(names.size()));
        for (std::int32_t index = 0; index < Items().Count(); ++index) {
            EXPECT_EQ(Items().Caption(index), Start() + " " + names[static_cast<std::size_t>(index)]) << index;
            EXPECT_TRUE(Items().Visible(index)) << index;
            EXPECT_TRUE(Items().Enabled(index)) << index;
            const auto driver = DriverOfTag(Items().Tag(index));
            std::string name;
            ASSERT_TRUE(driver) << "tag " << Items().Tag(index);
            driver->get_Name(&name);
            EXPECT_EQ(name, names[static_cast<std::size_t>(index)]) << "the item's Tag names its own driver";
        }
    }

    platform::com::ComPtr<pelmsonvale::ISonvaleDriver> DriverOfTag(const std::string& tag) const
    {
        platform::com::ComPtr<pelmsonvale::ISonvaleDrivers> drivers;
        Controller()->get_RegisteredDrivers(drivers.put());
        platform::com::ComPtr<pelmsonvale::ISonvaleDriver> driver;
        drivers->get_Item(std::stoi(tag), driver.put());
        return driver;
    }

    const platform::com::ComPtr<pelmsonvale::ISonvaleController>& Controller() const
    {
        return InstrumentTestAccess::Controller(*document);
    }

    bool LinkActive() const
    {
        bool active = false;
        Controller()->get_IsSonvaleActive(&active);
        return active;
    }

    static void Choose(ModalDialogs& dialogs, int option)
    {
        dialogs.answer<frmReadOnlyMsg>([option](frmReadOnlyMsg& dialog) {
            platform::testing::click(dialog.optChoice[static_cast<std::size_t>(option)]);
            QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
        });
    }

    FakeDriverControl fake{FAKE_DRIVER_PATH};
};

TEST_F(DocumentInstrumentsTest, EachRegisteredDriverGetsAnEnabledStartItemInTheUsersLanguage)
{
    for (const char* name : {"AAA", "BBB", "CCC"})
        registerDriver(name, FAKE_DRIVER_PATH);
    Open();
    ExpectItemsName({"AAA driver", "BBB driver", "CCC driver"});
    for (std::int32_t index = 0; index < 3; ++index)
        EXPECT_EQ(Items().Tag(index), std::to_string(index));
    EXPECT_TRUE(SetupItem().isEnabled());
}

TEST_F(DocumentInstrumentsTest, WithoutDriversTheOneItemKeepsItsPlaceholderDisabled)
{
    Open();
    EXPECT_EQ(Items().Count(), 1);
    EXPECT_TRUE(Items().Visible(0));
    EXPECT_EQ(Items().Caption(0), "Audiometer Device Goes Here");
    EXPECT_FALSE(Items().Enabled(0));
    EXPECT_TRUE(document->Menus().mnuAudiometerMain->menuAction()->isEnabled());
}

TEST_F(DocumentInstrumentsTest, AStartTakesTheChartsAndTheOtherCommandsAwayAndASecondClickGivesThemBack)
{
    for (const char* name : {"AAA", "BBB", "CCC"})
        registerDriver(name, FAKE_DRIVER_PATH);
    Open();
    ASSERT_TRUE(ChartsInteractive());
    fake.takeCalls();

    Click(1);

    EXPECT_TRUE(LinkActive());
    EXPECT_NE(fake.takeCalls().find("ReqAudiCon2("), std::string::npos);
    EXPECT_EQ(EnabledItems(), (std::vector<bool>{false, true, false}));
    EXPECT_FALSE(SetupItem().isEnabled());
    EXPECT_FALSE(ChartsInteractive());

    Click(1);

    EXPECT_FALSE(LinkActive());
    EXPECT_NE(fake.takeCalls().find("ReleaseAudiCon"), std::string::npos);
    EXPECT_EQ(EnabledItems(), (std::vector<bool>{true, true, true}));
    EXPECT_TRUE(SetupItem().isEnabled());
    EXPECT_TRUE(ChartsInteractive());
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{});
}

TEST_F(DocumentInstrumentsTest, StoppedEnablesTheInstrumentItemsAgain)
{
    for (const char* name : {"AAA", "BBB", "CCC"})
        registerDriver(name, FAKE_DRIVER_PATH);
    Open();
    Click(2);
    ASSERT_EQ(EnabledItems(), (std::vector<bool>{false, false, true}));
    ASSERT_FALSE(SetupItem().isEnabled());

    emit document->oPureTone().Stopped();

    EXPECT_EQ(EnabledItems(), (std::vector<bool>{true, true, true}));
    EXPECT_TRUE(SetupItem().isEnabled());
}

TEST_F(DocumentInstrumentsTest, AFailedStartLeavesTheMenuIdleAndSaysSoUnlessTheDriverHasToldTheUser)
{
    struct Case {
        std::int32_t connectResult;
        std::vector<std::string> shown;
    };
    const Case cases[] = {
        {-3, {"The instrument could not be started. Error -3"}},
        {5, {"The instrument could not be started. Error 5"}},
        // The driver shows its own message when it finds no instrument.
        {-8, {}},
    };
    registerDriver("AAA", FAKE_DRIVER_PATH);
    registerDriver("BBB", FAKE_DRIVER_PATH);
    Open();
    for (const Case& c : cases) {
        fake.script("ConnectResult", c.connectResult);
        const std::size_t before = ShownTexts().size();

        Click(0);

        const std::vector<std::string> all = ShownTexts();
        EXPECT_EQ(std::vector<std::string>(all.begin() + static_cast<std::ptrdiff_t>(before), all.end()), c.shown)
            << c.connectResult;
        EXPECT_FALSE(LinkActive()) << c.connectResult;
        EXPECT_EQ(EnabledItems(), (std::vector<bool>{true, true})) << c.connectResult;
        EXPECT_TRUE(SetupItem().isEnabled()) << c.connectResult;
        EXPECT_TRUE(ChartsInteractive()) << c.connectResult;
    }
}

TEST_F(DocumentInstrumentsTest, AReadOnlyDocumentAsksFirstAndStartsOnlyForANewDocument)
{
    registerDriver("AAA", FAKE_DRIVER_PATH);
    docAudiogramModule& document = OpenYesterdays();
    ASSERT_EQ(document.DocumentMode(), docAudiogramModule::kModeReadOnly);
    {
        ModalDialogs dialogs;
        Choose(dialogs, 2);
        Click(0);
    }
    EXPECT_FALSE(LinkActive()) << "going on viewing starts nothing";
    EXPECT_EQ(document.DocumentMode(), docAudiogramModule::kModeReadOnly);
    EXPECT_TRUE(ChartsInteractive());
    {
        ModalDialogs dialogs;
        Choose(dialogs, 0);
        Click(0);
    }
    EXPECT_EQ(document.DocumentMode(), docAudiogramModule::kModeNew);
    EXPECT_TRUE(LinkActive());
    EXPECT_FALSE(SetupItem().isEnabled());
}

TEST_F(DocumentInstrumentsTest, TheRunningDriversItemStopsItWithoutAskingInADocumentThatBecameReadOnly)
{
    registerDriver("AAA", FAKE_DRIVER_PATH);
    docAudiogramModule& document = OpenYesterdays();
    {
        ModalDialogs dialogs;
        Choose(dialogs, 0);
        Click(0);
    }
    ASSERT_TRUE(LinkActive());
    // Yesterday's audiogram opened again from the File menu while measuring.
    document.Menus().mnuFilePastAction->Action(0).trigger();
    ASSERT_EQ(document.DocumentMode(), docAudiogramModule::kModeReadOnly);

    // No prompt may open: the modal guard fails the test if one does.
    ModalDialogs dialogs;
    Click(0);

    EXPECT_FALSE(LinkActive());
    EXPECT_TRUE(SetupItem().isEnabled());
}

TEST_F(DocumentInstrumentsTest, ADriverInstalledWhileTheDocumentIsOpenRebuildsTheMenuWithTheNewIndexes)
{
    for (const char* name : {"AAA", "BBB", "CCC"})
        registerDriver(name, FAKE_DRIVER_PATH);
    Open();
    ExpectItemsName({"AAA driver", "BBB driver", "CCC driver"});

    // One driver gone and another come: the list read again numbers the
    // drivers anew, and each item must still start the driver it names.
    platform::registry::deleteKey(platform::registry::Root::LocalMachine,
                                  std::string(pelmsonvale::kDriversKey) + "AAA");
    registerDriver("DDD", FAKE_DRIVER_PATH);
    pelmsonvale::testing::announceDriverChange();
    ASSERT_TRUE(platform::testing::processUntil([&] { return Items().Caption(0) != Start() + " AAA driver"; }));

    ExpectItemsName({"BBB driver", "CCC driver", "DDD driver"});
}

TEST_F(DocumentInstrumentsTest, TheSetupDialogWorksOnTheDocumentsLinkAndTheMenuFollowsItsList)
{
    for (const char* name : {"AAA", "BBB", "CCC"})
        registerDriver(name, FAKE_DRIVER_PATH);
    Open();
    ModalDialogs dialogs;
    dialogs.answer<frmSonvaleSelection>([](frmSonvaleSelection& dialog) {
        EXPECT_EQ(dialog.lvwDrivers->topLevelItemCount(), 3);
        // Two drivers taken away while the dialog is open, as an uninstaller does.
        for (const char* name : {"AAA", "CCC"})
            platform::registry::deleteKey(platform::registry::Root::LocalMachine,
                                          std::string(pelmsonvale::kDriversKey) + name);
        pelmsonvale::testing::announceDriverChange();
        platform::testing::processUntil([] { return false; }, std::chrono::milliseconds(200));
        QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
    });

    SetupItem().trigger();

    ExpectItemsName({"BBB driver"});
}

}  // namespace
}  // namespace brisance
