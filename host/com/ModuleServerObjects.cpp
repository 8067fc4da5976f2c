#include "host/com/ModuleServerObjects.h"

#include "host/HostInterfaces.h"
#include "host/ModuleServer.h"
#include "host/com/ActionObjects.h"
#include "host/com/ObjectSupport.h"
#include "host/com/SessionObjects.h"

#include "platform/runtime/RuntimeError.h"

namespace host::objects {

namespace {

using ClientMember = DispatchMember<IClient>;
constexpr ClientMember kClientMembers[] = {
    ClientMember::valueProperty<&IClient::get_FirstName>("FirstName", 1),
    ClientMember::valueProperty<&IClient::get_LastName>("LastName", 2),
    ClientMember::valueProperty<&IClient::get_MiddleName>("MiddleName", 3),
    ClientMember::valueProperty<&IClient::get_ClientNo>("ClientNo", 4),
    ClientMember::valueProperty<&IClient::get_BirthDate>("BirthDate", 5),
    ClientMember::valueProperty<&IClient::get_Sessions>("Sessions", 6),
};
std::span<const ClientMember> clientMembers() { return kClientMembers; }

class ClientObject final : public Object<Dispatched<IClient, clientMembers>> {
public:
    explicit ClientObject(Client client) : m_client(std::move(client)) {}

    std::string get_FirstName() override { return m_client.firstName(); }
    std::string get_LastName() override { return m_client.lastName(); }
    std::string get_MiddleName() override { return m_client.middleName(); }
    std::string get_ClientNo() override { return m_client.clientNo(); }
    Variant get_BirthDate() override
    {
        const auto birth = m_client.birthDate();
        return birth ? Variant(runtimeDate(*birth)) : Variant::null();
    }
    ComPtr<ISessions> get_Sessions() override { return sessionsObject(m_client.sessions()); }

private:
    Client m_client;
};

using UserMember = DispatchMember<IUser>;
constexpr UserMember kUserMembers[] = {
    UserMember::valueProperty<&IUser::get_Initials>("Initials", 1),
    UserMember::valueProperty<&IUser::get_ModuleData, &IUser::put_ModuleData>("ModuleData", 2),
};
std::span<const UserMember> userMembers() { return kUserMembers; }

// A user as one module sees it: its module data is that module's.
class UserObject final : public Object<Dispatched<IUser, userMembers>> {
public:
    UserObject(User user, std::int32_t moduleId) : m_user(std::move(user)), m_moduleId(moduleId) {}

    std::string get_Initials() override { return m_user.initials(); }
    Variant get_ModuleData() override { return Variant::fromBytes(m_user.moduleData(m_moduleId)); }
    void put_ModuleData(Variant data) override { m_user.setModuleData(m_moduleId, data.toBytes()); }

private:
    User m_user;
    std::int32_t m_moduleId;
};

using ServerMember = DispatchMember<IModuleServer>;
constexpr ServerMember kServerMembers[] = {
    ServerMember::valueProperty<&IModuleServer::get_CurrentClient>("CurrentClient", 1),
    ServerMember::valueProperty<&IModuleServer::get_CurrentUser>("CurrentUser", 2),
    ServerMember::valueProperty<&IModuleServer::get_CurrentSession>("CurrentSession", 3),
    ServerMember::valueProperty<&IModuleServer::get_LanguageID>("LanguageID", 4),
    ServerMember::valueMethod<&IModuleServer::GetShowAction>("GetShowAction", 5),
    ServerMember::valueMethod<&IModuleServer::GetPrintAction>("GetPrintAction", 6),
    ServerMember::valueMethod<&IModuleServer::BeginTransaction>("BeginTransaction", 7),
    ServerMember::valueMethod<&IModuleServer::CommitTransaction>("CommitTransaction", 8),
    ServerMember::valueMethod<&IModuleServer::RollbackTransaction>("RollbackTransaction", 9),
};
std::span<const ServerMember> serverMembers() { return kServerMembers; }

// The object of a model object that may be absent; null when it is.
template <class I, class Model, class Make>
ComPtr<I> objectFor(const std::optional<Model>& model, Make make)
{
    return model ? ComPtr<I>(make(*model)) : ComPtr<I>();
}

// Hands the action (possibly null) to an out parameter that may be null.
void handOut(IAction** out, ComPtr<IAction> action)
{
    if (out) *out = action.detach();
}

class ModuleServerObject final : public Object<Dispatched<IModuleServer, serverMembers>> {
public:
    // A transaction that its module left open is dropped with the module's server.
    ~ModuleServerObject()
    {
        if (m_server) m_server->rollbackTransaction();
    }

    HRESULT finalConstruct()
    {
        try {
            m_server.emplace();
            return platform::com::S_OK;
        } catch (const platform::runtime::RuntimeError& error) {
            return error.number();
        }
    }

    ComPtr<IClient> get_CurrentClient() override
    {
        return objectFor<IClient>(m_server->currentClient(), [](const Client& client) {
            return makeAs<IClient, ClientObject>(client);
        });
    }
    ComPtr<IUser> get_CurrentUser() override
    {
        return objectFor<IUser>(m_server->currentUser(), [this](const User& user) {
            return makeAs<IUser, UserObject>(user, m_server->moduleId());
        });
    }
    ComPtr<ISession> get_CurrentSession() override
    {
        return objectFor<ISession>(m_server->currentSession(), sessionObject);
    }
    std::int32_t get_LanguageID() override { return m_server->languageId(); }
    void GetShowAction(std::int32_t moduleId, Variant* context, IAction** action, Variant* spare) override
    {
        if (context) *context = Variant();
        if (spare) *spare = Variant();
        handOut(action, objectFor<IAction>(m_server->getShowAction(moduleId), actionObject));
    }
    void GetPrintAction(std::int32_t moduleId, Variant* context, IAction** action) override
    {
        if (context) *context = Variant();
        handOut(action, objectFor<IAction>(m_server->getPrintAction(moduleId), actionObject));
    }
    void BeginTransaction() override { m_server->beginTransaction(); }
    void CommitTransaction() override { m_server->commitTransaction(); }
    void RollbackTransaction() override { m_server->rollbackTransaction(); }

private:
    std::optional<ModuleServer> m_server;
};

}  // namespace

HRESULT createModuleServer(const platform::com::IID& iid, void** object)
{
    return platform::com::createObject<ModuleServerObject>(iid, object);
}

}  // namespace host::objects
