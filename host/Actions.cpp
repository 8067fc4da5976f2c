#include "host/Actions.h"

#include "host/ActionState.h"
#include "host/HostContext.h"
#include "host/HostDatabase.h"
#include "host/HostErrors.h"
#include "host/Session.h"

#include "platform/runtime/Dates.h"

namespace host {

int Actions::count() const
{
    return m_database->actionCount(m_session);
}

Action Actions::item(int index) const
{
    const auto action = m_database->actionAt(m_session, index);
    if (!action) raise(errors::NotFound, "The session has no action " + std::to_string(index));
    return Action(m_database, action->id);
}

Action Actions::add(const Action& action) const
{
    detail::ActionState& state = *action.m_state;
    if (state.database) raise(errors::InvalidCall, "The action is already stored in a session");
    const HostContext& context = HostContext::current();
    ActionRecord record = state.record;
    const Date stamp = platform::runtime::now().days;
    record.creatorModuleId = context.runningModule;
    record.lastModified = stamp;
    if (record.dateCreated == 0) record.dateCreated = stamp;
    if (context.user)
        if (const auto user = m_database->user(*context.user)) record.userInitials = user->initials;
    state.record = ActionRecord{.id = m_database->addAction(m_session, record)};
    state.database = m_database;
    return action;
}

Session Actions::parent() const
{
    return Session(m_database, m_session);
}

std::vector<Action> Actions::all() const
{
    std::vector<Action> actions;
    for (const ActionRecord& record : m_database->actions(m_session)) actions.emplace_back(m_database, record.id);
    return actions;
}

}  // namespace host
