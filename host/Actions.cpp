#include "host/Actions.h"

#include "host/ActionState.h"
#include "host/HostContext.h"
#include "host/HostDatabase.h"
#include "host/HostErrors.h"
#include "host/Session.h"

#include "platform/runtime/Dates.h"

namespace host {

std::optional<RowId> Actions::stored() const
{
    if (m_session != kSessionToOpen) return m_session;
    return HostContext::current().session;
}

int Actions::count() const
{
    const auto session = stored();
    return session ? m_database->actionCount(*session) : 0;
}

Action Actions::item(int index) const
{
    const auto session = stored();
    const auto action = session ? m_database->actionAt(*session, index) : std::nullopt;
    if (!action) raise(errors::NotFound, "The session has no action " + std::to_string(index));
    return Action(m_database, action->id);
}

Action Actions::add(const Action& action) const
{
    detail::ActionState& state = *action.m_state;
    if (state.database) raise(errors::InvalidCall, "The action is already stored in a session");
    HostContext& context = HostContext::current();
    const RowId session = m_session != kSessionToOpen ? m_session : context.openSession();
    ActionRecord record = state.record;
    const Date stamp = platform::runtime::now().days;
    record.creatorModuleId = context.runningModule;
    record.lastModified = stamp;
    if (record.dateCreated == 0) record.dateCreated = stamp;
    if (context.user)
        if (const auto user = m_database->user(*context.user)) record.userInitials = user->initials;
    state.record = ActionRecord{.id = m_database->addAction(session, record)};
    state.database = m_database;
    context.tellActionsWritten();
    return action;
}

Session Actions::parent() const
{
    return Session(m_database, m_session);
}

std::vector<Action> Actions::all() const
{
    std::vector<Action> actions;
    const auto session = stored();
    if (!session) return actions;
    for (const ActionRecord& record : m_database->actions(*session)) actions.emplace_back(m_database, record.id);
    return actions;
}

}  // namespace host
