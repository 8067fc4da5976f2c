#pragma once
// A thin layer over one SQLite connection for the registry store: every failure
// becomes a RegistryError that names the file.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace platform::registry {

class Database {
public:
    // Opens (creating when missing) the file; waits for other processes' locks.
    explicit Database(const std::filesystem::path& file);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    void execute(const char* sql);
    // Throws what went wrong with the file, with SQLite's own account of it.
    [[noreturn]] void fail(std::string_view what) const;
    // Throws what is wrong with the file's content.
    [[noreturn]] void reject(std::string_view what) const;
    sqlite3* handle() const { return m_db; }

private:
    std::filesystem::path m_file;
    sqlite3* m_db = nullptr;
};

class Statement {
public:
    Statement(Database& db, const char* sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& bind(int index, std::int64_t number);
    Statement& bind(int index, std::string_view text);
    Statement& bind(int index, std::span<const std::uint8_t> bytes);
    Statement& bindNull(int index);

    // Runs to the next row: false when there is none.
    bool step();

    std::int64_t integer(int column) const;
    std::string text(int column) const;
    std::vector<std::uint8_t> bytes(int column) const;

private:
    Database& m_db;
    sqlite3_stmt* m_statement = nullptr;
};

// A write transaction that takes the write lock at once; rolled back unless committed.
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();

private:
    Database& m_db;
    bool m_done = false;
};

}  // namespace platform::registry
