#pragma once
// The sessions of one client, oldest first; positions count from 1 and equal
// each session's index.

#include "host/Records.h"
#include "host/Session.h"

#include <memory>
#include <vector>

namespace host {

class HostDatabase;

class Sessions {
public:
    Sessions(std::shared_ptr<HostDatabase> database, RowId client)
        : m_database(std::move(database)), m_client(client)
    {
    }

    int count() const;
    // The session at a 1-based position; raises NotFound outside 1..count.
    Session item(int index) const;
    // Every session, in order.
    std::vector<Session> all() const;
    // A new session at the end, on the given date.
    Session add(Date date) const;

private:
    std::shared_ptr<HostDatabase> m_database;
    RowId m_client;
};

}  // namespace host
