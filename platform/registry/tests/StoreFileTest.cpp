#include "platform/machine/MachineRoot.h"
#include "platform/registry/Key.h"
#include "platform/testing/FileSizeLimit.h"
#include "platform/testing/ReadOnlyFolder.h"
#include "platform/testing/TemporaryFolder.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace platform::registry {
namespace {

namespace fs = std::filesystem;

fs::path registryFile()
{
    return machine::root() / "registry.db";
}

std::string readFile(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeFile(const fs::path& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

void runSql(const fs::path& file, const char* sql)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

// The bytes of a registry with some content, all of it in the main file.
std::string healthyRegistry()
{
    testing::ScopedMachineRoot machine;
    for (int driver = 0; driver < 200; ++driver) {
        Key key;
        createKey(Root::LocalMachine, "SOFTWARE\\Drivers\\Driver" + std::to_string(driver), Access::Write, key);
        key.setString("DriverPath", std::string(100, 'p'));
    }
    runSql(registryFile(), "PRAGMA wal_checkpoint(TRUNCATE)");
    return readFile(registryFile());
}

TEST(RegistryFile, AFreshMachineKnowsItsCommonFilesFolder)
{
    Key key;
    ASSERT_EQ(openKey(Root::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", Access::Read, key),
              Result::Success);
    std::array<char, 256> buffer{};
    std::uint32_t size = buffer.size();
    ValueType type = ValueType::Binary;
    ASSERT_EQ(key.queryValue("CommonFilesDir", &type, buffer.data(), &size), Result::Success);
    EXPECT_EQ(type, ValueType::Sz);
    EXPECT_EQ(std::string(buffer.data(), size - 1), machine::commonFilesDir().string());
    EXPECT_TRUE(fs::is_directory(machine::commonFilesDir()));
    EXPECT_TRUE(fs::exists(registryFile()));

    // Seeding happens once: a changed value survives the next use.
    Key writable;
    ASSERT_EQ(createKey(Root::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", Access::Write, writable),
              Result::Success);
    ASSERT_EQ(writable.setDword("CommonFilesDir", 1), Result::Success);
    EXPECT_EQ(key.queryValue("CommonFilesDir", &type, nullptr, &size), Result::Success);
    EXPECT_EQ(type, ValueType::Dword);
}

TEST(RegistryFile, EachMachineRootHasItsOwnRegistry)
{
    Key outer;
    ASSERT_EQ(createKey(Root::CurrentUser, "Software\\Outer", Access::Write, outer), Result::Success);
    {
        testing::ScopedMachineRoot other;
        EXPECT_FALSE(keyExists(Root::CurrentUser, "Software\\Outer"));
        Key inner;
        ASSERT_EQ(createKey(Root::CurrentUser, "Software\\Inner", Access::Write, inner), Result::Success);
        // A key opened before keeps working on its own registry.
        EXPECT_EQ(outer.setString("v", "x"), Result::Success);
        std::string text;
        EXPECT_EQ(inner.getString("v", text), Result::NotFound);
    }
    EXPECT_TRUE(keyExists(Root::CurrentUser, "Software\\Outer"));
    EXPECT_FALSE(keyExists(Root::CurrentUser, "Software\\Inner"));
}

TEST(RegistryFile, ThreadsOfOneProcessTakeTurns)
{
    constexpr int kThreads = 4;
    constexpr int kValues = 40;
    std::vector<std::thread> threads;
    for (int thread = 0; thread < kThreads; ++thread) {
        threads.emplace_back([thread] {
            Key key;
            const std::string path = "Software\\Threads\\T" + std::to_string(thread);
            for (int value = 0; value < kValues; ++value) {
                EXPECT_EQ(createKey(Root::CurrentUser, path, Access::Write, key), Result::Success);
                EXPECT_EQ(key.setDword("V" + std::to_string(value), static_cast<std::uint32_t>(value)),
                          Result::Success);
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    for (int thread = 0; thread < kThreads; ++thread) {
        Key key;
        ASSERT_EQ(openKey(Root::CurrentUser, "Software\\Threads\\T" + std::to_string(thread), Access::Read, key),
                  Result::Success);
        std::string name;
        EXPECT_EQ(key.enumValue(kValues - 1, name), Result::Success);
        EXPECT_EQ(key.enumValue(kValues, name), Result::NoMoreItems);
    }
}

TEST(RegistryFile, AnUnusableFileIsReportedByNameAndLeftAsItWas)
{
    const std::string healthy = healthyRegistry();
    std::string damaged = healthy;
    damaged.replace(damaged.size() / 2, 4096, std::string(4096, '\xFF'));

    struct Case {
        const char* label;
        std::function<void(const fs::path&)> make;
    };
    const Case cases[] = {
        {"text file", [](const fs::path& f) { writeFile(f, std::string(5000, 'r')); }},
        {"damaged pages", [&](const fs::path& f) { writeFile(f, damaged); }},
        {"truncated", [&](const fs::path& f) { writeFile(f, healthy.substr(0, healthy.size() / 3)); }},
        {"another program's database",
         [](const fs::path& f) { runSql(f, "CREATE TABLE patients (name TEXT); INSERT INTO patients VALUES ('A')"); }},
        {"a later format", [](const fs::path& f) { runSql(f, "PRAGMA user_version = 9"); }},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.label);
        testing::ScopedMachineRoot machine;
        each.make(registryFile());
        const std::string before = readFile(registryFile());
        for (int attempt = 0; attempt < 2; ++attempt) {
            try {
                keyExists(Root::LocalMachine, "SOFTWARE");
                ADD_FAILURE() << "no error for an unusable registry file";
            } catch (const RegistryError& error) {
                EXPECT_NE(std::string(error.what()).find(registryFile().string()), std::string::npos)
                    << error.what();
            }
        }
        EXPECT_TRUE(readFile(registryFile()) == before) << "the file was changed";
    }
}

// What the user reads must say which file and what to mend; a read-only root
// must still serve what the registry holds.
TEST(RegistryFile, AFileThatCannotBeWrittenIsReportedByNameWithItsCause)
{
    const std::string healthy = healthyRegistry();
    std::string damaged = healthy;
    damaged.replace(damaged.size() / 2, 4096, std::string(4096, '\xFF'));
    const struct {
        const char* cause;
        std::string registry;  // empty: none yet
        bool readOnly;
        bool full;
    } cases[] = {
        {"read-only", healthy, true, false},
        {"the disk is full", {}, false, true},
        {"damaged", damaged, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cause);
        testing::ScopedMachineRoot machine;
        fs::create_directory(machine.path() / "Common Files");
        if (!c.registry.empty()) writeFile(registryFile(), c.registry);
        std::optional<testing::ReadOnlyFolder> readOnly;
        if (c.readOnly) readOnly.emplace(machine.path());
        std::optional<testing::FileSizeLimit> full;
        if (c.full) full.emplace(4096);
        if (c.readOnly) {
            EXPECT_TRUE(keyExists(Root::LocalMachine, "SOFTWARE\\Drivers\\Driver7")) << "the keys are read";
        }
        try {
            Key key;
            createKey(Root::LocalMachine, "SOFTWARE\\New", Access::Write, key);
            ADD_FAILURE() << "a key was written";
        } catch (const RegistryError& error) {
            EXPECT_NE(std::string(error.what()).find(registryFile().string()), std::string::npos) << error.what();
            EXPECT_NE(std::string(error.what()).find(c.cause), std::string::npos) << error.what();
        }
    }
}

}  // namespace
}  // namespace platform::registry
