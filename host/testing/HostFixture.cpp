#include "host/testing/HostFixture.h"

#include "host/DefaultProfilePlacement.h"
#include "host/HostContext.h"
#include "host/HostServer.h"

#include "platform/com/HResult.h"

#include <filesystem>
#include <stdexcept>
#include <string>

namespace host::testing {

namespace {

std::shared_ptr<HostDatabase> freshDatabase()
{
    const auto file = HostDatabase::defaultFile();
    for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(file.string() + suffix);
    return std::make_shared<HostDatabase>(file);
}

}  // namespace

HostFixture::HostFixture() : m_database(freshDatabase())
{
    HostContext& context = HostContext::current();
    context.reset();
    context.setDatabase(m_database);
    context.runningModule = kAudiogramModule;
    if (std::string why; platform::com::failed(registerHostServer(&why)))
        throw std::runtime_error("the host's classes cannot be registered: " + why);
}

HostFixture::~HostFixture()
{
    HostContext::current().reset();
}

User HostFixture::addUser(const std::string& initials, const std::string& name)
{
    return User(m_database, m_database->addUser({.initials = initials, .name = name}));
}

Client HostFixture::addClient(const ClientRecord& client)
{
    return Client(m_database, m_database->addClient(client));
}

Session HostFixture::addSession(const Client& client, Date date)
{
    return Session(m_database, m_database->addSession(client.id(), date));
}

Action HostFixture::addAction(const Session& session, const ActionSpec& spec)
{
    const Date created = spec.dateCreated != 0 ? spec.dateCreated : session.date();
    const ActionRecord record{.dataTypeCode = spec.code,
                              .dataFormat = spec.format,
                              .publicData = spec.publicData,
                              .privateData = spec.privateData,
                              .dateCreated = created,
                              .lastModified = spec.lastModified != 0 ? spec.lastModified : created,
                              .timeStamp = spec.timeStamp != 0 ? spec.timeStamp : created,
                              .creatorModuleId = spec.creator,
                              .description = spec.description,
                              .userInitials = spec.userInitials};
    return Action(m_database, m_database->addAction(session.id(), record));
}

void HostFixture::link(const Action& from, const Action& to)
{
    m_database->linkActions(from.id(), to.id());
}

void HostFixture::select(const Client& client, const User& user, const Session& session)
{
    selectClient(client);
    selectUser(user);
    selectSession(session);
}

void HostFixture::selectClient(const Client& client)
{
    HostContext::current().client = client.id();
}

void HostFixture::selectUser(const User& user)
{
    HostContext::current().user = user.id();
}

void HostFixture::selectSession(const Session& session)
{
    HostContext::current().session = session.id();
}

void HostFixture::showAction(const Action& action)
{
    HostContext::current().showAction = action.id();
}

void HostFixture::printAction(const Action& action)
{
    HostContext::current().printAction = action.id();
}

void HostFixture::setLanguage(std::int32_t languageId)
{
    HostContext::current().languageId = languageId;
}

void HostFixture::setRunningModule(std::int32_t moduleId)
{
    HostContext::current().runningModule = moduleId;
}

bool HostFixture::placeDefaultProfile()
{
    return host::placeDefaultProfile();
}

}  // namespace host::testing
