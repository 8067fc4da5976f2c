#include "host/com/SessionObjects.h"

#include "host/com/ActionObjects.h"
#include "host/com/ObjectSupport.h"

namespace host::objects {

namespace {

using ActionsMember = DispatchMember<IActions>;
constexpr ActionsMember kActionsMembers[] = {
    ActionsMember::valueProperty<&IActions::get_Count>("Count", 1),
    ActionsMember::valueMethod<&IActions::Item>("Item", DISPID_VALUE),
    ActionsMember::valueMethod<&IActions::Add>("Add", 2),
    ActionsMember::valueProperty<&IActions::get_Parent>("Parent", 3),
    ActionsMember::valueProperty<&IActions::get__NewEnum>("_NewEnum", DISPID_NEWENUM),
};
std::span<const ActionsMember> actionsMembers() { return kActionsMembers; }

class ActionsObject final : public Object<Dispatched<IActions, actionsMembers>> {
public:
    explicit ActionsObject(Actions actions) : m_actions(std::move(actions)) {}

    std::int32_t get_Count() override { return m_actions.count(); }
    ComPtr<IAction> Item(std::int32_t index) override { return actionObject(m_actions.item(index)); }
    ComPtr<IAction> Add(IAction* action) override { return actionObject(m_actions.add(actionBehind(action))); }
    ComPtr<ISession> get_Parent() override { return sessionObject(m_actions.parent()); }
    ComPtr<IUnknown> get__NewEnum() override { return enumeratorOf(m_actions.all(), actionObject); }

private:
    Actions m_actions;
};

using SessionMember = DispatchMember<ISession>;
constexpr SessionMember kSessionMembers[] = {
    SessionMember::valueProperty<&ISession::get_Actions>("Actions", 1),
    SessionMember::valueProperty<&ISession::get_index>("index", 2),
};
std::span<const SessionMember> sessionMembers() { return kSessionMembers; }

class SessionObject final : public Object<Dispatched<ISession, sessionMembers>> {
public:
    explicit SessionObject(Session session) : m_session(std::move(session)) {}

    ComPtr<IActions> get_Actions() override { return actionsObject(m_session.actions()); }
    std::int32_t get_index() override { return m_session.index(); }

private:
    Session m_session;
};

using SessionsMember = DispatchMember<ISessions>;
constexpr SessionsMember kSessionsMembers[] = {
    SessionsMember::valueProperty<&ISessions::get_Count>("Count", 1),
    SessionsMember::valueMethod<&ISessions::Item>("Item", DISPID_VALUE),
    SessionsMember::valueProperty<&ISessions::get__NewEnum>("_NewEnum", DISPID_NEWENUM),
};
std::span<const SessionsMember> sessionsMembers() { return kSessionsMembers; }

class SessionsObject final : public Object<Dispatched<ISessions, sessionsMembers>> {
public:
    explicit SessionsObject(Sessions sessions) : m_sessions(std::move(sessions)) {}

    std::int32_t get_Count() override { return m_sessions.count(); }
    ComPtr<ISession> Item(std::int32_t index) override { return sessionObject(m_sessions.item(index)); }
    ComPtr<IUnknown> get__NewEnum() override { return enumeratorOf(m_sessions.all(), sessionObject); }

private:
    Sessions m_sessions;
};

}  // namespace

ComPtr<IActions> actionsObject(const Actions& actions)
{
    return makeAs<IActions, ActionsObject>(actions);
}

ComPtr<ISession> sessionObject(const Session& session)
{
    return makeAs<ISession, SessionObject>(session);
}

ComPtr<ISessions> sessionsObject(const Sessions& sessions)
{
    return makeAs<ISessions, SessionsObject>(sessions);
}

}  // namespace host::objects
