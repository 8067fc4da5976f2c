#include "platform/machine/MachineRoot.h"
#include "platform/sqlite/Connection.h"
#include "platform/sqlite/Transaction.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::sqlite {
namespace {

namespace fs = std::filesystem;

// The failure itself is thrown, so that a test sees everything a caller's handler gets.
void throwFailure(const Failure& failure)
{
    throw failure;
}

fs::path databaseFile()
{
    return machine::root() / "test.db";
}

std::string fileBytes(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Runs `use` and returns the failure it reports.
template <class Use>
std::optional<Failure> failureOf(Use use)
{
    try {
        use();
    } catch (const Failure& failure) {
        return failure;
    }
    return std::nullopt;
}

std::int64_t rowCount(Connection& connection)
{
    auto count = connection.prepare("SELECT count(*) FROM t");
    count.step();
    return count.integer(0);
}

TEST(Sqlite, AFileThatIsNoDatabaseIsReportedAsDamagedAndLeftAsItWas)
{
    const std::string text = "These are notes that someone saved under the database's name.";
    std::ofstream(databaseFile(), std::ios::binary) << text;

    const auto failure = failureOf([] {
        Connection connection(databaseFile(), throwFailure);
        connection.prepare("SELECT count(*) FROM sqlite_master").step();
    });
    ASSERT_TRUE(failure) << "reading a text file as a database succeeded";
    EXPECT_TRUE(failure->damaged);
    EXPECT_EQ(failure->file, databaseFile());
    EXPECT_EQ(failure->operation, Operation::Prepare);
    EXPECT_EQ(failure->message, "file is not a database");
    EXPECT_EQ(fileBytes(databaseFile()), text);
}

TEST(Sqlite, OtherFailuresAreNotDamageAndSayWhatFailed)
{
    Connection connection(databaseFile(), throwFailure);
    connection.execute("CREATE TABLE t(v TEXT NOT NULL)");
    const struct {
        const char* what;
        Operation operation;
        void (*use)(Connection&);
    } cases[] = {
        {"a syntax error", Operation::Execute, [](Connection& c) { c.execute("CREATE TABLE"); }},
        {"an unknown table", Operation::Prepare, [](Connection& c) { c.prepare("SELECT * FROM missing"); }},
        {"a parameter out of range", Operation::Bind, [](Connection& c) { c.prepare("SELECT ?1").bind(2, 1); }},
        {"a broken constraint", Operation::Step,
         [](Connection& c) { c.prepare("INSERT INTO t VALUES (?1)").bindNull(1).run(); }},
    };
    for (const auto& each : cases) {
        const auto failure = failureOf([&] { each.use(connection); });
        ASSERT_TRUE(failure) << each.what << " was not reported";
        EXPECT_EQ(failure->operation, each.operation) << each.what;
        EXPECT_FALSE(failure->damaged) << each.what;
        EXPECT_FALSE(failure->message.empty()) << each.what;
    }

    const auto unopenable = failureOf([] { Connection(machine::root() / "missing" / "test.db", throwFailure); });
    ASSERT_TRUE(unopenable);
    EXPECT_EQ(unopenable->operation, Operation::Open);
    EXPECT_FALSE(unopenable->damaged);
}

TEST(Sqlite, ATransactionLeftWithoutCommitIsRolledBack)
{
    Connection connection(databaseFile(), throwFailure);
    connection.execute("CREATE TABLE t(v INTEGER)");
    {
        Transaction kept(connection);
        connection.execute("INSERT INTO t VALUES (1)");
        kept.commit();
    }
    const auto failure = failureOf([&] {
        Transaction dropped(connection);
        connection.execute("INSERT INTO t VALUES (2)");
        EXPECT_EQ(connection.changes(), 1);
        connection.execute("INSERT INTO t VALUES ('one', 'too many')");
    });
    ASSERT_TRUE(failure);
    EXPECT_EQ(rowCount(connection), 1) << "the write before the failure was kept";

    // The write lock is free again: another connection can write at once.
    Connection other(databaseFile(), throwFailure);
    Transaction next(other);
    other.execute("INSERT INTO t VALUES (3)");
    next.commit();
    EXPECT_EQ(rowCount(connection), 2);
}

TEST(Sqlite, ATransactionInsideAnotherOnlyAddsToWhatTheOuterOneStoresOrDrops)
{
    Connection connection(databaseFile(), throwFailure);
    connection.execute("CREATE TABLE t(v INTEGER)");
    for (const bool storeOuter : {false, true}) {
        SCOPED_TRACE(storeOuter ? "outer stored" : "outer dropped");
        connection.execute("DELETE FROM t");
        {
            Transaction outer(connection);
            {
                Transaction kept(connection);
                connection.execute("INSERT INTO t VALUES (1)");
                kept.commit();
            }
            {
                Transaction dropped(connection);
                connection.execute("INSERT INTO t VALUES (2)");
            }
            EXPECT_TRUE(connection.inTransaction()) << "the inner roll-back ended the outer transaction";
            EXPECT_EQ(rowCount(connection), 1);
            Connection reader(databaseFile(), throwFailure);
            EXPECT_EQ(rowCount(reader), 0) << "stored before the outer transaction was";
            if (storeOuter) outer.commit();
        }
        EXPECT_FALSE(connection.inTransaction());
        EXPECT_EQ(rowCount(connection), storeOuter ? 1 : 0);
    }
}

TEST(Sqlite, AFullDiskIsToldApartFromOtherFailures)
{
    Connection connection(databaseFile(), throwFailure);
    connection.execute("CREATE TABLE t(v BLOB)");
    auto pages = connection.prepare("PRAGMA page_count");
    pages.step();
    // The file may not grow: what a full disk does to a write that needs room.
    connection.execute("PRAGMA max_page_count = " + std::to_string(pages.integer(0)));
    const auto failure = failureOf([&] {
        connection.prepare("INSERT INTO t VALUES (?1)").bind(1, std::vector<std::uint8_t>(64 * 1024, 7)).run();
    });
    ASSERT_TRUE(failure) << "a write that found no room succeeded";
    EXPECT_TRUE(failure->full);
    EXPECT_FALSE(failure->damaged);

    const auto other = failureOf([&] { connection.execute("INSERT INTO missing VALUES (1)"); });
    ASSERT_TRUE(other);
    EXPECT_FALSE(other->full);
}

TEST(Sqlite, EmptyValuesStayValuesAndOnlyAnAbsentOneIsNull)
{
    Connection connection(databaseFile(), throwFailure);
    connection.execute("CREATE TABLE t(text TEXT, bytes BLOB, real REAL, integer INTEGER)");
    const std::vector<std::uint8_t> noBytes;
    connection.prepare("INSERT INTO t VALUES (?1, ?2, ?3, ?4)")
        .bind(1, std::string_view())
        .bind(2, noBytes)
        .bind(3, 0.0)
        .bind(4, 0)
        .run();
    connection.prepare("INSERT INTO t VALUES (?1, ?2, ?3, ?4)")
        .bind(1, std::optional<std::string>())
        .bind(2, std::optional<std::vector<std::uint8_t>>())
        .bind(3, std::optional<double>())
        .bindNull(4)
        .run();
    EXPECT_EQ(connection.lastInsertRowId(), 2);

    auto rows = connection.prepare("SELECT text IS NULL, text, bytes, real, integer FROM t ORDER BY rowid");
    ASSERT_TRUE(rows.step());
    EXPECT_EQ(rows.integer(0), 0) << "empty text was stored as NULL";
    EXPECT_EQ(rows.optionalBytes(2), std::optional(noBytes));
    EXPECT_EQ(rows.optionalReal(3), std::optional(0.0));
    EXPECT_EQ(rows.optionalInteger(4), std::optional<std::int64_t>(0));
    ASSERT_TRUE(rows.step());
    EXPECT_EQ(rows.integer(0), 1);
    EXPECT_EQ(rows.text(1), "");
    EXPECT_EQ(rows.optionalBytes(2), std::nullopt);
    EXPECT_EQ(rows.bytes(2), noBytes);
    EXPECT_EQ(rows.optionalReal(3), std::nullopt);
    EXPECT_EQ(rows.optionalInteger(4), std::nullopt);
    EXPECT_FALSE(rows.step());
}

}  // namespace
}  // namespace platform::sqlite
