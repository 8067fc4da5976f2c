#include "host/HostDatabase.h"
#include "host/HostErrors.h"
#include "host/testing/RaisedNumber.h"

#include "platform/com/HResult.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <signal.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <set>

namespace {

using namespace host;
using host::testing::raisedNumber;

std::string fileBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void writeBytes(const std::filesystem::path& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

struct HostDatabaseTest : ::testing::Test {
    HostDatabase db;
    RowId client = db.addClient({.firstName = "Ann", .lastName = "Smith", .clientNo = "17"});
    RowId session = db.addSession(client, 46000.0);
};

TEST_F(HostDatabaseTest, StoresActionsWithPositionsAndReadsEveryFieldBackExactly)
{
    ActionRecord audiogram{.dataTypeCode = 1,
                           .dataFormat = 200,
                           .publicData = Bytes{1, 2, 0, 3},
                           .privateData = Bytes{},
                           .dateCreated = 46000.25,
                           .lastModified = 46000.5,
                           .timeStamp = 46000.123456789012345,
                           .creatorModuleId = 0x200001,
                           .description = "New audiogram",
                           .userInitials = "JD"};
    const RowId first = db.addAction(session, audiogram);
    const RowId second = db.addAction(session, ActionRecord{.dataTypeCode = 15, .dataFormat = 100});

    const ActionRecord stored = *db.action(first);
    EXPECT_EQ(stored.index, 1);
    EXPECT_EQ(stored.sessionId, session);
    EXPECT_EQ(stored.publicData, audiogram.publicData);
    ASSERT_TRUE(stored.privateData.has_value()) << "an empty array must not come back as null";
    EXPECT_TRUE(stored.privateData->empty());
    EXPECT_EQ(stored.timeStamp, audiogram.timeStamp);
    EXPECT_EQ(stored.dateCreated, 46000.25);
    EXPECT_EQ(stored.creatorModuleId, 0x200001);
    EXPECT_EQ(stored.description, "New audiogram");
    EXPECT_EQ(stored.userInitials, "JD");

    EXPECT_FALSE(db.action(second)->publicData.has_value());
    EXPECT_EQ(db.actionAt(session, 2)->id, second);
    EXPECT_EQ(db.actionCount(session), 2);
    EXPECT_FALSE(db.actionAt(session, 3).has_value());

    const RowId otherSession = db.addSession(client, 46001.0);
    EXPECT_EQ(db.session(otherSession)->index, 2);
    EXPECT_EQ(db.action(db.addAction(otherSession, {}))->index, 1) << "positions count per session";
}

TEST_F(HostDatabaseTest, ChangingAFieldTouchesLastModifiedUnlessItIsLastModified)
{
    const RowId id = db.addAction(session, ActionRecord{.lastModified = 1.0});
    db.setActionField(id, ActionField::Description, std::string("Audiogram changed"), 2.0);
    db.setActionField(id, ActionField::PublicData, std::optional<Bytes>(Bytes{9}), 3.0);
    db.setActionField(id, ActionField::TimeStamp, 46000.75, 4.0);
    EXPECT_EQ(db.action(id)->description, "Audiogram changed");
    EXPECT_EQ(db.action(id)->publicData, Bytes{9});
    EXPECT_EQ(db.action(id)->timeStamp, 46000.75);
    EXPECT_EQ(db.action(id)->lastModified, 4.0);
    db.setActionField(id, ActionField::LastModified, 7.0, 8.0);
    EXPECT_EQ(db.action(id)->lastModified, 7.0);
    EXPECT_EQ(db.action(id)->revision, 4) << "every change is counted";

    EXPECT_EQ(raisedNumber([&] { db.setActionField(id + 100, ActionField::DataFormat, std::int64_t{100}, 1.0); }),
              errors::NotFound);
}

TEST_F(HostDatabaseTest, LinksKeepTheirOrderAndModuleDataIsPerUserAndModule)
{
    const RowId a = db.addAction(session, {});
    const RowId b = db.addAction(session, {});
    const RowId c = db.addAction(session, {});
    db.linkActions(a, c);
    db.linkActions(a, b);
    db.linkActions(a, c);
    EXPECT_EQ(db.linkedActions(a), (std::vector<RowId>{c, b}));
    EXPECT_TRUE(db.linkedActions(b).empty());

    const RowId user = db.addUser({.initials = "JD", .name = "Jo Doe"});
    EXPECT_FALSE(db.moduleData(user, 0x200001).has_value());
    db.setModuleData(user, 0x200001, Bytes{1, 2});
    db.setModuleData(user, 0x200001, Bytes{3});
    db.setModuleData(user, 0x300001, Bytes{4});
    EXPECT_EQ(db.moduleData(user, 0x200001), Bytes{3});
    EXPECT_EQ(db.moduleData(user, 0x300001), Bytes{4});
}

TEST_F(HostDatabaseTest, AProvokedWriteFailureRaisesItsNumberAndChangesNothing)
{
    const RowId id = db.addAction(session, ActionRecord{.description = "before"});
    db.provokeWriteFailures(platform::com::RPC_E_SERVERFAULT, "The server threw an exception.");
    EXPECT_EQ(raisedNumber([&] { db.setActionField(id, ActionField::Description, std::string("after"), 1.0); }),
              platform::com::RPC_E_SERVERFAULT);
    EXPECT_EQ(db.action(id)->description, "before");
    db.setActionField(id, ActionField::Description, std::string("after"), 1.0);
    EXPECT_EQ(db.action(id)->description, "after") << "only the provoked write fails";
}

TEST_F(HostDatabaseTest, AProvokedFailureCanLetWritesThroughFirst)
{
    const RowId id = db.addAction(session, ActionRecord{.description = "before"});
    db.provokeWriteFailures(platform::com::RPC_E_SERVERFAULT, "The server threw an exception.", 1, 2);
    db.setActionField(id, ActionField::Description, std::string("first"), 1.0);
    db.setActionField(id, ActionField::Description, std::string("second"), 1.0);
    EXPECT_EQ(raisedNumber([&] { db.setActionField(id, ActionField::Description, std::string("third"), 1.0); }),
              platform::com::RPC_E_SERVERFAULT);
    EXPECT_EQ(db.action(id)->description, "second");
    db.setActionField(id, ActionField::Description, std::string("fourth"), 1.0);
    EXPECT_EQ(db.action(id)->description, "fourth");
}

TEST_F(HostDatabaseTest, HeldChangesAreStoredAtTheCommitOrNotAtAll)
{
    const RowId id = db.addAction(session, ActionRecord{.description = "before"});
    for (const bool commit : {false, true}) {
        SCOPED_TRACE(commit ? "committed" : "rolled back");
        db.beginChanges();
        EXPECT_EQ(raisedNumber([&] { db.beginChanges(); }), errors::InvalidCall);
        db.setActionField(id, ActionField::Description, std::string("after"), 1.0);
        db.addAction(db.addSession(client, 46001.0), ActionRecord{});
        EXPECT_EQ(HostDatabase().sessions(client).size(), 1u) << "another connection saw the changes before their commit";
        if (commit)
            db.commitChanges();
        else
            db.rollbackChanges();
        EXPECT_EQ(db.action(id)->description, commit ? "after" : "before");
        EXPECT_EQ(db.sessions(client).size(), commit ? 2u : 1u);
    }
    EXPECT_EQ(raisedNumber([&] { db.commitChanges(); }), errors::InvalidCall) << "nothing held";
}

TEST_F(HostDatabaseTest, AFullDiskIsRaisedAsSuchAndTheHeldChangesAreTakenBack)
{
    const RowId id = db.addAction(session, ActionRecord{.description = "before"});
    auto pages = db.connection().prepare("PRAGMA page_count");
    pages.step();
    // The file may not grow: what a full disk does to a write that needs room.
    db.connection().execute("PRAGMA max_page_count = " + std::to_string(pages.integer(0)));

    db.beginChanges();
    db.setActionField(id, ActionField::Description, std::string("after"), 1.0);
    EXPECT_EQ(raisedNumber([&] { db.addAction(session, ActionRecord{.publicData = Bytes(256 * 1024, 7)}); }),
              errors::DiskFull);
    db.rollbackChanges();
    EXPECT_EQ(db.action(id)->description, "before");
    EXPECT_EQ(db.actionCount(session), 1);
}

// SQLite ends a transaction itself after some failures: a later write would
// then be stored on its own.
TEST_F(HostDatabaseTest, NoWriteGoesThroughAfterTheHeldChangesWereDropped)
{
    const RowId id = db.addAction(session, ActionRecord{.description = "before"});
    db.beginChanges();
    db.setActionField(id, ActionField::Description, std::string("dropped"), 1.0);
    db.connection().rollback();
    EXPECT_EQ(raisedNumber([&] { db.setActionField(id, ActionField::Description, std::string("alone"), 1.0); }),
              errors::DatabaseFailure);
    db.rollbackChanges();
    EXPECT_EQ(db.action(id)->description, "before");
}

// What is left when the process is killed while it holds changes.
TEST_F(HostDatabaseTest, AKillBeforeTheCommitStoresNothingOfTheHeldChanges)
{
    const RowId id = db.addAction(session, ActionRecord{.description = "before"});
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        try {
            HostDatabase writer;
            writer.beginChanges();
            writer.setActionField(id, ActionField::Description, std::string("after"), 1.0);
            writer.addAction(session, ActionRecord{.publicData = Bytes(64 * 1024, 7)});
            ::kill(::getpid(), SIGKILL);
        } catch (...) {
        }
        ::_exit(1);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the writer was not killed";

    HostDatabase reopened;
    EXPECT_EQ(reopened.action(id)->description, "before");
    EXPECT_EQ(reopened.actionCount(session), 1);
    reopened.addAction(session, ActionRecord{});
    EXPECT_EQ(reopened.actionCount(session), 2) << "the killed writer's lock was not let go";
}

TEST(HostDatabaseFile, TwoProcessesAddingToOneSessionGetDistinctPositions)
{
    RowId session = 0;
    {
        HostDatabase db;
        session = db.addSession(db.addClient({.firstName = "Ann"}), 46000.0);
    }
    constexpr int kPerProcess = 40;
    std::vector<pid_t> children;
    for (int child = 0; child < 2; ++child) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            int status = 0;
            try {
                HostDatabase db;
                for (int i = 0; i < kPerProcess; ++i) db.addAction(session, ActionRecord{.dataTypeCode = child});
            } catch (...) {
                status = 1;
            }
            ::_exit(status);
        }
        children.push_back(pid);
    }
    for (const pid_t pid : children) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a writer process failed";
    }
    HostDatabase db;
    std::set<int> positions;
    for (const ActionRecord& action : db.actions(session)) positions.insert(action.index);
    EXPECT_EQ(positions.size(), 2u * kPerProcess);
    EXPECT_EQ(*positions.rbegin(), 2 * kPerProcess);
}

std::string storedDatabaseWithOneClient()
{
    {
        HostDatabase db;
        db.addClient({.firstName = "Ann", .lastName = "Smith"});
    }
    return fileBytes(HostDatabase::defaultFile());
}

std::string anotherApplicationsDatabase()
{
    const auto file = HostDatabase::defaultFile().replace_filename("other.sqlite");
    platform::sqlite::Connection(file, raiseDatabaseFailure).execute("CREATE TABLE notes(text TEXT); INSERT INTO notes VALUES ('mine')");
    return fileBytes(file);
}

TEST(HostDatabaseFile, AFileMadeBeforeActionsCountedTheirChangesGetsTheCounter)
{
    RowId action = 0;
    {
        HostDatabase db;
        action = db.addAction(db.addSession(db.addClient({.firstName = "Ann"}), 46000.0),
                              ActionRecord{.description = "older"});
        db.connection().execute("ALTER TABLE actions DROP COLUMN revision");
    }
    HostDatabase db;
    EXPECT_EQ(db.action(action)->description, "older");
    EXPECT_EQ(db.action(action)->revision, 0);
    db.setActionField(action, ActionField::Description, std::string("changed"), 1.0);
    EXPECT_EQ(db.action(action)->revision, 1);
}

TEST(HostDatabaseFile, ADamagedOrForeignFileIsRefusedAndLeftAsItWas)
{
    const std::string sound = storedDatabaseWithOneClient();
    std::string brokenPage = sound;
    brokenPage.replace(4096 * 2, 8, std::string(8, '\x5A'));  // a page header
    std::string newer = sound;
    newer[63] = 9;  // the header's user version (big-endian, bytes 60-63)
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"a text file", "This is not a database, just some text that someone saved here."},
        {"a damaged page", brokenPage},
        {"a newer version", newer},
        {"another application's database", anotherApplicationsDatabase()},
        // Taken as a new database, it would hide that the clients are gone.
        {"an empty file", ""},
    };
    for (const auto& damaged : cases) {
        writeBytes(HostDatabase::defaultFile(), damaged.bytes);
        EXPECT_EQ(raisedNumber([] { HostDatabase db; }), errors::DatabaseDamaged) << damaged.what;
        EXPECT_EQ(fileBytes(HostDatabase::defaultFile()), damaged.bytes) << damaged.what << " was changed";
    }
    writeBytes(HostDatabase::defaultFile(), sound);
    EXPECT_EQ(HostDatabase().clients().size(), 1u) << "the sound file opens again with its client";
}

}  // namespace
