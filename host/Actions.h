#pragma once
// The actions of one session, in the order they were added; positions count
// from 1 and equal each action's index. The actions of the visit still to
// open (kSessionToOpen) are none until the first add makes that visit.

#include "host/Action.h"
#include "host/Records.h"

#include <memory>
#include <optional>
#include <vector>

namespace host {

class HostDatabase;
class Session;

class Actions {
public:
    Actions(std::shared_ptr<HostDatabase> database, RowId session)
        : m_database(std::move(database)), m_session(session)
    {
    }

    int count() const;
    // The action at a 1-based position; raises NotFound outside 1..count.
    Action item(int index) const;
    // Stores a new action at the end of the session and gives it back, now
    // stored (the object passed in is the same action). The host fills in
    // what the module cannot set: the creator (the running module), the user's
    // initials, the modification date, and the creation date when none was set.
    // Raises InvalidCall for an action that is already stored.
    Action add(const Action& action) const;
    // The session that holds these actions.
    Session parent() const;
    // Every action, in order.
    std::vector<Action> all() const;

private:
    // The stored session, if it is made.
    std::optional<RowId> stored() const;

    std::shared_ptr<HostDatabase> m_database;
    RowId m_session;
};

}  // namespace host
