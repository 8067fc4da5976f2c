#pragma once
// One visit of a client: the actions recorded on that occasion. The visit
// the host has chosen for the module may not be made yet (kSessionToOpen):
// it then reads as the client's next session, of the chosen date, until the
// module's first action makes it.

#include "host/Actions.h"
#include "host/Records.h"

#include <memory>

namespace host {

class HostDatabase;

class Session {
public:
    Session(std::shared_ptr<HostDatabase> database, RowId id) : m_database(std::move(database)), m_id(id) {}

    RowId id() const { return m_id; }
    // Its 1-based position among the client's sessions.
    int index() const;
    Date date() const;
    Actions actions() const { return Actions(m_database, m_id); }

private:
    SessionRecord record() const;

    std::shared_ptr<HostDatabase> m_database;
    RowId m_id;
};

}  // namespace host
