#pragma once
// BEGIN IMMEDIATE on construction: the write lock is taken at once, so two
// processes never both read a state that only one of them may extend.
// Rolled back on destruction unless committed.
//
// Inside a transaction that is already open on the connection it is a
// savepoint instead: its commit keeps its changes for the outer transaction
// to store or drop, its roll-back takes back only its own changes.

namespace platform::sqlite {

class Connection;

class Transaction {
public:
    explicit Transaction(Connection& connection);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();

private:
    Connection& m_connection;
    bool m_nested;
    bool m_open = true;
};

}  // namespace platform::sqlite
