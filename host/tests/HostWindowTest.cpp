#include "host/HostContext.h"
#include "host/ModuleCatalog.h"
#include "host/testing/HostFixture.h"
#include "host/window/ClientDialog.h"
#include "host/window/HostWindow.h"
#include "host/window/RecordView.h"

#include "platform/com/HResult.h"

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

TEST_F(HostWindowTest, StartingWithoutARegisteredModuleSaysSo)
{
    HostWindow window;
    window.selectClient(smith.id());
    window.startModule();
    EXPECT_TRUE(window.moduleArea()->text().contains("No module is registered"));
    EXPECT_FALSE(HostContext::current().session.has_value()) << "no session is opened for nothing";
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

}  // namespace
