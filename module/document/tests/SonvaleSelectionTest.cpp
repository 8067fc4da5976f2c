// The instrument-link set-up dialog and the replacement question, opened
// from the document's Tools menu with the fake driver library installed.

#include "module/document/tests/DocumentTestSupport.h"

#include "module/core/ListView.h"
#include "module/core/TextResources.h"
#include "module/document/frmSonvaleSelection.h"
#include "module/document/frmSonvaleUpdate.h"

#include "Implementation/Components/PelmSonvale/testing/DriverRegistry.h"
#include "Implementation/Components/PelmSonvale/testing/FakeDriverControl.h"

#include "platform/testing/ModalDialogs.h"
#include "platform/testing/TemporaryFolder.h"
#include "platform/ui/WindowHandle.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <functional>

namespace brisance {
namespace {

namespace fs = std::filesystem;
using pelmsonvale::testing::FakeDriverControl;
using pelmsonvale::testing::registerDriver;
using platform::testing::ModalDialogs;
using platform::ui::DialogKind;

constexpr const char* kNote = "Press OK after installation to update the driver list.";

class SonvaleSelectionTest : public testing::EnglishDocumentTest {
protected:
    // Opens the set-up dialog from the Tools menu and hands it to the test
    // while it is open; OK ends it. The dialogs that it opens in turn are
    // answered as `more` queues them.
    void WithDialog(const std::function<void(frmSonvaleSelection&)>& use,
                    const std::function<void(ModalDialogs&)>& more = {})
    {
        if (!document) {
            OpenDocument();
            frame.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
        }
        ModalDialogs dialogs;
        dialogs.answer<frmSonvaleSelection>([&](frmSonvaleSelection& dialog) {
            use(dialog);
            QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
        });
        if (more)
            more(dialogs);
        document->Menus().mnuToolsSonvale->trigger();
    }

    std::string Text(TextResources id) const { return english.LoadResString(id); }

    // The texts of the message boxes shown, from the responder's record `from` on.
    std::vector<std::string> Messages(std::size_t from = 0) const
    {
        std::vector<std::string> texts;
        for (const auto& shown : Shown(DialogKind::MessageBox, from))
            texts.push_back(shown.text);
        return texts;
    }

    // What the responder recorded of the kind, from `from` on.
    std::vector<platform::ui::ShownDialog> Shown(DialogKind kind, std::size_t from = 0) const
    {
        std::vector<platform::ui::ShownDialog> found;
        const auto& shown = responder.shown();
        for (std::size_t i = from; i < shown.size(); ++i)
            if (shown[i].kind == kind && !IsSpeechPaletteNotice(shown[i].text))
                found.push_back(shown[i]);
        return found;
    }

    FakeDriverControl fake{FAKE_DRIVER_PATH};
};

TEST_F(SonvaleSelectionTest, ListsEachDriverAsARowKeyedByItsIndex)
{
    registerDriver("AAA", FAKE_DRIVER_PATH);
    registerDriver("BBB", FAKE_DRIVER_PATH);
    WithDialog([this](frmSonvaleSelection& dialog) {
        EXPECT_EQ(dialog.windowTitle().toStdString(), english.LoadResString2(TR_SETUP_AUDIOMETERS));
        EXPECT_EQ(dialog.cmdOK->text().toStdString(), Text(TR_OK));
        EXPECT_EQ(dialog.cmdNew->text().toStdString(), Text(TR_NEW));
        EXPECT_EQ(dialog.cmdSetup->text().toStdString(), Text(TR_SETUP));
        ListView& list = *dialog.lvwDrivers;
        EXPECT_EQ(list.headerItem()->text(0).toStdString(), Text(TR_NAME));
        EXPECT_EQ(list.headerItem()->text(1).toStdString(), Text(TR_MANUFACTURER));
        EXPECT_NEAR(list.columnWidth(0), list.width() * 0.47, 1.0);
        EXPECT_NEAR(list.columnWidth(1), list.width() * 0.47, 1.0);

        ASSERT_EQ(list.topLevelItemCount(), 2);
        const struct {
            const char* key;
            const char* name;
            const char* maker;
            const char* tag;
        } rows[] = {{"K0", "AAA driver", "AAA maker", "0"}, {"K1", "BBB driver", "BBB maker", "1"}};
        for (const auto& row : rows) {
            const QTreeWidgetItem* item = list.FindItem(row.key);
            ASSERT_NE(item, nullptr) << row.key;
            EXPECT_EQ(item->text(0).toStdString(), row.name);
            EXPECT_EQ(item->text(1).toStdString(), row.maker);
            EXPECT_EQ(ListView::Tag(*item), row.tag);
            EXPECT_EQ(ListView::Icon(*item), 1);
            EXPECT_FALSE(item->icon(0).isNull()) << "the row shows the driver icon";
        }
    });
}

TEST_F(SonvaleSelectionTest, SetupOpensTheSelectedDriversSettingsOwnedByTheDialog)
{
    registerDriver("AAA", FAKE_DRIVER_PATH);
    registerDriver("BBB", FAKE_DRIVER_PATH);
    fake.takeCalls();
    WithDialog([this](frmSonvaleSelection& dialog) {
        QTest::mouseClick(dialog.cmdSetup, Qt::LeftButton);
        EXPECT_EQ(fake.takeCalls(), "") << "no row selected: nothing";

        dialog.lvwDrivers->setCurrentItem(dialog.lvwDrivers->FindItem("K1"));
        QTest::mouseClick(dialog.cmdSetup, Qt::LeftButton);
        const auto handle = static_cast<std::uint32_t>(platform::ui::windowHandle(&dialog));
        EXPECT_EQ(fake.takeCalls(), "SetupAudi2(" + std::to_string(handle) + ") ");
    });
    EXPECT_EQ(Messages(), std::vector<std::string>{});
}

TEST_F(SonvaleSelectionTest, F1OpensItsHelpTopic)
{
    WithDialog([](frmSonvaleSelection& dialog) { QTest::keyClick(&dialog, Qt::Key_F1); });
    const auto help = Shown(DialogKind::Help);
    ASSERT_EQ(help.size(), 1u);
    EXPECT_EQ(help[0].style, 125u);
}

// A driver's delivery: an "install.ini" beside an installer that leaves a
// note when it runs.
class SonvaleInstallTest : public SonvaleSelectionTest {
protected:
    void SetUp() override
    {
        SonvaleSelectionTest::SetUp();
        std::ofstream(installer) << "#!/bin/sh\ntouch '" << ran.string() << "'\n";
        fs::permissions(installer, fs::perms::owner_all);
    }

    void WriteIni(const std::string& moduleType)
    {
        std::ofstream(ini) << "[ModuleInfo]\nManufCode=MRL\nModuleType=" << moduleType
                           << "\nModuleName=Marlet Serial\nManufName=Pelmworks\n[Installation]\nInstallCmd="
                           << installer.filename().string() << "\n";
    }

    // Whether the installer has run within the time; an installer that was
    // started runs at once.
    bool InstallerRan(std::chrono::milliseconds within) const
    {
        return platform::testing::processUntil([this] { return fs::exists(ran); }, within);
    }

    platform::testing::TemporaryFolder temporary;
    const fs::path ini = temporary.path() / "install.ini";
    const fs::path installer = temporary.path() / "setup.sh";
    const fs::path ran = temporary.path() / "ran";
};

TEST_F(SonvaleInstallTest, NewInstallsADriverFromItsIniAndLeavesTheNoteOutOnlyWhenTheInstallationFailed)
{
    enum class Reply { None, Replace, Keep };
    struct Case {
        const char* what;
        bool installed;
        const char* moduleType;
        Reply reply;
        bool installerRuns;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"a new driver", false, "Sonvale", Reply::None, true, {kNote}},
        {"an installed driver kept", true, "Sonvale", Reply::Keep, false, {kNote}},
        {"an installed driver replaced", true, "Sonvale", Reply::Replace, true, {kNote}},
        {"a file of another module type", false, "Other", Reply::None, false,
         {"The driver could not be installed. Error 6"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove(ran);
        WriteIni(c.moduleType);
        if (c.installed)
            registerDriver("MRL", FAKE_DRIVER_PATH);
        const std::size_t before = responder.shown().size();
        responder.queue(platform::ui::reply::File{ini.string()});

        WithDialog([](frmSonvaleSelection& dialog) { QTest::mouseClick(dialog.cmdNew, Qt::LeftButton); },
                   [&](ModalDialogs& dialogs) {
                       if (c.reply == Reply::None)
                           return;
                       dialogs.answer<frmSonvaleUpdate>([&](frmSonvaleUpdate& update) {
                           EXPECT_EQ(update.windowTitle().toStdString(), "Sonvale");
                           EXPECT_EQ(update.lblAlreadyExists->text().toStdString(),
                                     Text(TR_SONVALE_ALREADY_EXISTS));
                           EXPECT_EQ(update.lblReplace->text().toStdString(), Text(TR_SONVALE_REPLACE));
                           EXPECT_EQ(update.cmdCancel->text().toStdString(), Text(TR_CANCEL));
                           QTest::mouseClick(c.reply == Reply::Replace ? update.cmdOK : update.cmdCancel,
                                             Qt::LeftButton);
                       });
                   });

        const auto files = Shown(DialogKind::OpenFile, before);
        ASSERT_EQ(files.size(), 1u);
        EXPECT_EQ(files[0].title, "Locate installation .ini file");
        EXPECT_EQ(files[0].text, "Installation files (*.ini)|*.ini");
        EXPECT_EQ(Messages(before), c.messages);
        EXPECT_EQ(InstallerRan(c.installerRuns ? std::chrono::seconds(5) : std::chrono::milliseconds(500)),
                  c.installerRuns);
        platform::registry::deleteKey(platform::registry::Root::LocalMachine,
                                      std::string(pelmsonvale::kDriversKey) + "MRL");
    }
}

TEST_F(SonvaleInstallTest, CancellingTheFileDialogStillShowsTheNoteAndListsTheDriversAgain)
{
    registerDriver("AAA", FAKE_DRIVER_PATH);
    WithDialog([](frmSonvaleSelection& dialog) {
        dialog.lvwDrivers->clear();
        QTest::mouseClick(dialog.cmdNew, Qt::LeftButton);
        EXPECT_NE(dialog.lvwDrivers->FindItem("K0"), nullptr);
    });
    EXPECT_EQ(Shown(DialogKind::OpenFile).size(), 1u);
    EXPECT_EQ(Messages(), std::vector<std::string>{kNote});
    EXPECT_FALSE(fs::exists(ran));
}

}  // namespace
}  // namespace brisance
