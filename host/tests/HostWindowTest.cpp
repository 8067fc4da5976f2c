#include "host/HostContext.h"
#include "host/ModuleCatalog.h"
#include "host/ModuleServer.h"
#include "host/testing/HostFixture.h"
#include "host/window/ClientDialog.h"
#include "host/window/HostWindow.h"
#include "host/window/RecordView.h"
#include "host/tests/testmodule/RegisterTestModule.h"
#include "host/tests/testmodule/TestModule.h"

#include "platform/com/HResult.h"
#include "platform/machine/MachineRoot.h"
#include "platform/print/Printers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

using namespace host;
using host::testing::HostFixture;

constexpr Date kVisit = 46000.5;

void clickOk(ClientDialog* dialog)
{
    QTest::mouseClick(dialog->buttons()->button(QDialogButtonBox::Ok), Qt::LeftButton);
}

struct HostWindowTest : ::testing::Test {
    HostFixture host;
    User user = host.addUser("JD");
    Client smith = host.addClient({.firstName = "Ann", .lastName = "Smith", .clientNo = "17"});
};

TEST_F(HostWindowTest, AClientAddedThroughTheDialogIsStoredListedAndSelected)
{
    HostWindow window;
    ClientDialog* dialog = window.addClient();
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(dialog->buttons()->button(QDialogButtonBox::Ok)->isEnabled()) << "a client without a name";
    QTest::keyClicks(dialog->txtFirstName(), "Bo");
    QTest::keyClicks(dialog->txtLastName(), "Andersen");
    QTest::keyClicks(dialog->txtClientNo(), "4711");
    dialog->chkBirthDate()->setChecked(true);
    dialog->dtpBirthDate()->setDate(QDate(1961, 3, 9));
    clickOk(dialog);

    const auto stored = HostContext::current().client;
    ASSERT_TRUE(stored.has_value()) << "the new client is the selected one";
    EXPECT_EQ(window.selectedClient(), stored);
    const ClientRecord client = *host.database().client(*stored);
    EXPECT_EQ(client.lastName, "Andersen");
    EXPECT_EQ(client.clientNo, "4711");
    EXPECT_EQ(QDate(1899, 12, 30).addDays(static_cast<qint64>(*client.birthDate)), QDate(1961, 3, 9));
    EXPECT_EQ(window.clientList()->topLevelItemCount(), 2);
    EXPECT_EQ(window.clientList()->currentItem()->text(0), "Andersen, Bo");
}

TEST_F(HostWindowTest, EachMnemonicOfTheClientDialogTakesTheFocusToItsField)
{
    HostWindow window;
    ClientDialog* dialog = window.addClient();
    dialog->chkBirthDate()->setChecked(true);
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    for (const QLabel* label : dialog->findChildren<QLabel*>())
        EXPECT_TRUE(label->buddy() || !label->text().contains('&'))
            << label->text().toStdString() << " shows its ampersand: the label has no buddy";

    const struct {
        Qt::Key key;
        QWidget* field;
    } mnemonics[] = {
        {Qt::Key_F, dialog->txtFirstName()}, {Qt::Key_M, dialog->txtMiddleName()}, {Qt::Key_L, dialog->txtLastName()},
        {Qt::Key_N, dialog->txtClientNo()},  {Qt::Key_B, dialog->dtpBirthDate()},
    };
    for (const auto& mnemonic : mnemonics) {
        QTest::keyClick(dialog, mnemonic.key, Qt::AltModifier);
        EXPECT_TRUE(mnemonic.field->hasFocus()) << "Alt+" << QKeySequence(mnemonic.key).toString().toStdString();
    }
}

TEST_F(HostWindowTest, EditingChangesTheStoredClientAndCancelChangesNothing)
{
    HostWindow window;
    ASSERT_TRUE(window.selectClient(smith.id()));
    ClientDialog* dialog = window.editClient();
    ASSERT_NE(dialog, nullptr);
    dialog->txtLastName()->setText("Smith-Jones");
    clickOk(dialog);
    EXPECT_EQ(smith.lastName(), "Smith-Jones");

    dialog = window.editClient();
    dialog->txtLastName()->setText("Nobody");
    QTest::mouseClick(dialog->buttons()->button(QDialogButtonBox::Cancel), Qt::LeftButton);
    EXPECT_EQ(smith.lastName(), "Smith-Jones");
}

TEST_F(HostWindowTest, SelectingAClientShowsItsSessionsAndActions)
{
    const Session visit = host.addSession(smith, kVisit);
    host.addAction(visit, {.code = 1, .description = "New audiogram"});
    host.addAction(visit, {.code = 16, .format = 100, .description = "New right impedance"});
    host.addSession(smith, kVisit + 30);
    ModuleCatalog(host.database()).installModule({.name = "Pelm Corvane 1.1", .manufacturerId = 32, .localId = 1});

    HostWindow window;
    ASSERT_TRUE(window.selectClient(smith.id()));
    EXPECT_EQ(HostContext::current().client, smith.id());
    const QTreeWidget* record = window.recordView();
    ASSERT_EQ(record->topLevelItemCount(), 2);
    const QTreeWidgetItem* first = record->topLevelItem(0);
    ASSERT_EQ(first->childCount(), 2);
    EXPECT_EQ(first->child(0)->text(1), "Audiogram");
    EXPECT_EQ(first->child(0)->text(2), "New audiogram");
    EXPECT_EQ(first->child(0)->text(3), "Pelm Corvane 1.1");
    EXPECT_EQ(first->child(1)->text(1), "Impedance, right ear");
    EXPECT_EQ(record->topLevelItem(1)->childCount(), 0);
}

TEST_F(HostWindowTest, TheUserBoxChoosesTheCurrentUser)
{
    const User other = host.addUser("MK", "Mia Kurz");
    HostWindow window;
    EXPECT_EQ(HostContext::current().user, user.id()) << "the first user is current by default";
    ASSERT_TRUE(window.selectUser(other.id()));
    EXPECT_EQ(HostContext::current().user, other.id());
    EXPECT_EQ(window.userBox()->currentText(), "MK (Mia Kurz)");
}

TEST_F(HostWindowTest, AModuleThatCannotStartSaysWhyAndOpensNoSession)
{
    HostWindow window;
    window.selectClient(smith.id());
    const struct {
        const char* installed;  // the module installed before the start, if any
        const char* says;
    } cases[] = {
        {nullptr, "No module is registered with the host."},
        {"Pelm Corvane 1.1",
         "Pelm Corvane 1.1 cannot be started: it is not registered on this computer (installing the module again "
         "may mend this)."},
    };
    for (const auto& start : cases) {
        if (start.installed)
            ModuleCatalog(host.database())
                .installModule({.name = start.installed, .clsid = "{95875CF3-8638-4654-9A00-158E803957F3}",
                                .manufacturerId = 32, .localId = 1});
        window.startModule();
        EXPECT_EQ(window.moduleArea()->text().toStdString(), start.says);
        EXPECT_FALSE(HostContext::current().session.has_value()) << start.says;
        EXPECT_TRUE(host.database().sessions(smith.id()).empty()) << "no empty session is left behind: " << start.says;
    }
}

TEST_F(HostWindowTest, AFailedStoreIsShownAndLosesNothing)
{
    HostWindow window;
    window.selectClient(smith.id());
    ClientDialog* dialog = window.editClient();
    dialog->txtLastName()->setText("Changed");
    host.database().provokeWriteFailures(platform::com::RPC_E_SERVERFAULT, "The server threw an exception.");
    clickOk(dialog);
    EXPECT_EQ(smith.lastName(), "Smith");
    EXPECT_EQ(window.statusBar()->currentMessage(), "The server threw an exception.");
    EXPECT_NE(window.findChild<QMessageBox*>(), nullptr) << "the failure is shown, without blocking";
    EXPECT_EQ(window.clientList()->topLevelItemCount(), 1);
}

struct HostWindowWithModuleTest : HostWindowTest {
    void SetUp() override
    {
        host::testing::registerTestModule();
        ModuleCatalog(host.database())
            .installModule({.name = "Test module",
                            .clsid = platform::com::toString(host::testing::kTestDocumentClsid),
                            .printHandler = platform::com::toString(host::testing::kTestPrintHandlerClsid),
                            .manufacturerId = 32,
                            .localId = 1,
                            .canShow = {{1, 200}}});
    }

    QLabel* document(const HostWindow& window)
    {
        return window.documentFrame()->findChild<QLabel*>(host::testing::kTestDocumentWidget);
    }
};

TEST_F(HostWindowWithModuleTest, TheModuleStartsForTheSelectedClientInTodaysSessionFramedInTheWindow)
{
    const Session past = host.addSession(smith, kVisit);
    const Action audiogram = host.addAction(past, {.code = 1, .description = "Audiogram of March"});
    const Client other = host.addClient({.firstName = "Bo", .lastName = "Berg"});
    HostWindow window;
    window.selectClient(smith.id());
    window.startModule(audiogram.id());

    QLabel* shown = document(window);
    ASSERT_NE(shown, nullptr) << "the document is framed in the window";
    EXPECT_EQ(shown->text(), "Ann Smith: Audiogram of March, shown 1");
    const auto today = ModuleServer().currentSession();
    ASSERT_TRUE(today.has_value()) << "a session of today is chosen for the module";
    EXPECT_EQ(today->index(), 2);
    EXPECT_EQ(today->actions().count(), 0);

    window.selectClient(other.id());
    EXPECT_EQ(document(window), nullptr) << "choosing another client closes the module";
    window.startModule();
    EXPECT_EQ(document(window)->text(), "Bo Berg: no action, shown 1");
}

// What the module saves, as its save writes it: the audiogram added, then
// its fields changed one by one.
Action saveAudiogram(const Actions& actions, const std::string& description)
{
    const Action audiogram = actions.add(Action());
    audiogram.dataType().setCode(1);
    audiogram.dataType().setFormat(200);
    audiogram.setDescription(description);
    audiogram.setTimeStamp(kVisit + 1);
    return audiogram;
}

TEST_F(HostWindowWithModuleTest, TodaysVisitIsMadeByTheFirstSavedActionAndTheRecordShowsWhatWasSaved)
{
    host.addAction(host.addSession(smith, kVisit), {.code = 1, .description = "Audiogram of March"});
    HostWindow window;
    window.selectClient(smith.id());
    QTreeWidget* record = window.recordView();

    window.startModule();
    window.closeModule();
    EXPECT_EQ(host.database().sessions(smith.id()).size(), 1u) << "a visit in which nothing was saved is not kept";
    EXPECT_EQ(record->topLevelItemCount(), 1);

    window.startModule();
    const Session today = *ModuleServer().currentSession();
    EXPECT_EQ(record->topLevelItemCount(), 1) << "no empty visit shows while the module runs";
    const Action audiogram = saveAudiogram(today.actions(), "New audiogram");
    ASSERT_EQ(host.database().sessions(smith.id()).size(), 2u);
    EXPECT_EQ(today.index(), 2);
    EXPECT_EQ(today.actions().count(), 1) << "the module reads back what it added";
    QCoreApplication::processEvents();
    ASSERT_EQ(record->topLevelItemCount(), 2) << "the record shows the saved visit without a restart";
    ASSERT_EQ(record->topLevelItem(1)->childCount(), 1);
    EXPECT_EQ(record->topLevelItem(1)->child(0)->text(2), "New audiogram");

    record->setCurrentItem(record->topLevelItem(1)->child(0));
    audiogram.setDescription("Audiogram changed");
    saveAudiogram(ModuleServer().currentSession()->actions(), "New right impedance");
    QCoreApplication::processEvents();
    ASSERT_EQ(record->topLevelItemCount(), 2) << "later actions go into the same visit";
    ASSERT_EQ(record->topLevelItem(1)->childCount(), 2);
    EXPECT_EQ(record->topLevelItem(1)->child(0)->text(2), "Audiogram changed");
    EXPECT_EQ(record->currentItem(), record->topLevelItem(1)->child(0)) << "the chosen row stays chosen";

    emit record->itemDoubleClicked(record->currentItem(), 0);
    ASSERT_NE(document(window), nullptr);
    EXPECT_EQ(document(window)->text(), "Ann Smith: Audiogram changed, shown 1") << "what was saved opens again";
}

TEST_F(HostWindowWithModuleTest, TheCombinedReportOfTheChosenActionIsPrintedThroughTheModulesHandler)
{
    const Session visit = host.addSession(smith, kVisit);
    host.addAction(visit, {.code = 1, .description = "New audiogram"});
    HostWindow window;
    window.selectClient(smith.id());
    QTreeWidgetItem* actionRow = window.recordView()->topLevelItem(0)->child(0);
    window.recordView()->setCurrentItem(actionRow);
    window.printReport(platform::print::builtInPrinterSettings().name);

    const QString message = window.statusBar()->currentMessage();
    ASSERT_TRUE(message.startsWith("The combined report was printed to ")) << message.toStdString();
    const QString file = message.mid(35).chopped(1);
    EXPECT_TRUE(std::filesystem::exists(file.toStdString())) << file.toStdString();
}

}  // namespace
