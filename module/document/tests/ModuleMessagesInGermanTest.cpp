// The messages that the module adds to the design's texts come from the
// language library like every other text: under a German user interface the
// user reads them in German.

#include "module/document/tests/DocumentTestSupport.h"

#include "module/core/CLangLoader.h"
#include "module/core/TextResources.h"
#include "module/document/frmSonvaleSelection.h"

#include "Implementation/Components/PelmSonvale/testing/DriverRegistry.h"
#include "Implementation/Components/PelmSonvale/testing/FakeDriverControl.h"

#include "platform/testing/ModalDialogs.h"
#include "platform/testing/TemporaryFolder.h"

#include <QAction>
#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <functional>

namespace brisance {
namespace {

using platform::testing::ModalDialogs;

class ModuleMessagesInGermanTest : public testing::DocumentTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(DocumentTest::SetUp());
        host.setLanguage(1031);
        host.setRunningModule(host::testing::kAudiogramModule);
        ASSERT_TRUE(german.OpenResourceLibrary(BRISANCE_PROGRAM_DIR "/Language Resources/BrisanceDEU.so"));
        pelmsonvale::testing::registerDriver("AAA", FAKE_DRIVER_PATH);
        // A delivery that the link refuses to install: another module type.
        std::ofstream(ini) << "[ModuleInfo]\nManufCode=MRL\nModuleType=Other\nModuleName=Marlet Serial\n"
                              "ManufName=Pelmworks\n[Installation]\nInstallCmd=setup.sh\n";
    }

    void TearDown() override
    {
        // A measurement still running ends with its document.
        if (document)
            document->Terminate();
    }

    std::string German(TextResources id, const std::string& tail) const
    {
        return german.LoadResString(id) + " " + tail;
    }

    // The message boxes shown since `from`.
    std::vector<std::string> MessagesSince(std::size_t from) const
    {
        std::vector<std::string> texts;
        for (std::size_t index = from; index < responder.shown().size(); ++index)
            if (responder.shown()[index].kind == platform::ui::DialogKind::MessageBox)
                texts.push_back(responder.shown()[index].text);
        return texts;
    }

    void ClickInstrument() { document->Menus().mnuSonvaleDevice->Action(0).trigger(); }

    void OpenPastAction(const std::string& tag)
    {
        document->Menus().mnuFilePastAction->Tag(0, tag);
        document->Menus().mnuFilePastAction->Action(0).trigger();
    }

    void InstallFromTheSetupDialog()
    {
        responder.queue(platform::ui::reply::File{ini.string()});
        ModalDialogs dialogs;
        dialogs.answer<frmSonvaleSelection>([](frmSonvaleSelection& dialog) {
            QTest::mouseClick(dialog.cmdNew, Qt::LeftButton);
            QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
        });
        document->Menus().mnuToolsSonvale->trigger();
    }

    CLangLoader german;
    pelmsonvale::testing::FakeDriverControl fake{FAKE_DRIVER_PATH};
    platform::testing::TemporaryFolder temporary;
    const std::filesystem::path ini = temporary.path() / "install.ini";
};

TEST_F(ModuleMessagesInGermanTest, TheModulesOwnMessagesReadInGerman)
{
    const std::string error = "An error has occurred: ";
    struct Case {
        const char* what;
        bool withClient;
        std::function<void()> trigger;
        std::string shown;
    };
    // The case without a client comes first: the host keeps a client once
    // one is chosen.
    const Case cases[] = {
        {"a past action without a client", false, [this] { OpenPastAction("1,1"); },
         error + german.LoadResString(TR_NO_CURRENT_CLIENT) + " 91"},
        {"a failed instrument start", true,
         [this] {
             fake.script("ConnectResult", -3);
             ClickInstrument();
         },
         German(TR_INSTRUMENT_NOT_STARTED, "-3")},
        {"a link error while measuring", true,
         [this] {
             fake.script("ConnectResult", 1);
             fake.script("ReadResult", -8);
             ClickInstrument();
             const std::size_t before = responder.shown().size();
             platform::testing::processUntil([this, before] { return responder.shown().size() > before; },
                                             std::chrono::seconds(10));
         },
         German(TR_INSTRUMENT_LINK_ERROR, "-8")},
        {"a failed driver installation", true, [this] { InstallFromTheSetupDialog(); },
         German(TR_DRIVER_NOT_INSTALLED, "6")},
        {"a past action that is gone", true, [this] { OpenPastAction("gone"); },
         error + German(TR_NO_SUCH_ACTION, "gone") + " 5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.withClient)
            SelectClientWithSession();
        else
            host.selectUser(host.addUser("JD"));
        OpenDocument();
        const std::size_t before = responder.shown().size();

        c.trigger();

        EXPECT_EQ(MessagesSince(before), std::vector<std::string>{c.shown});
        document->Terminate();
        document.reset();
    }
}

}  // namespace
}  // namespace brisance
