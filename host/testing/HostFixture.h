#pragma once
// A host database built in code for tests: users, clients, sessions and
// actions with links and time stamps, made the current database of this
// process, with the choices the host window makes before it starts a module.
//
//     host::testing::HostFixture host;
//     auto user = host.addUser("JD");
//     auto client = host.addClient({.firstName = "Ann", .lastName = "Smith"});
//     auto session = host.addSession(client, today);
//     auto audiogram = host.addAction(session, {.code = 1, .format = 200, .timeStamp = stamp});
//     host.select(client, user, session);
//     host.showAction(audiogram);

#include "host/Action.h"
#include "host/Client.h"
#include "host/HostDatabase.h"
#include "host/Session.h"
#include "host/User.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace host::testing {

// The module identity of the audiogram module.
inline constexpr std::int32_t kAudiogramModule = 0x200001;

// An action as a test wants it; dates left at 0 take the session's date.
struct ActionSpec {
    int code = 1;
    int format = 200;
    std::optional<Bytes> publicData{};
    std::optional<Bytes> privateData{};
    Date dateCreated = 0;
    Date lastModified = 0;  // 0: the creation date
    Date timeStamp = 0;     // 0: the creation date
    std::int32_t creator = kAudiogramModule;
    std::string description{};
    std::string userInitials{};
};

class HostFixture {
public:
    // A fresh database file in the machine root (replacing one left there),
    // made the current database, with no choices made, and the host's classes
    // registered so that they can be created by class id.
    HostFixture();
    // Forgets the choices and closes the database; the file stays.
    ~HostFixture();
    HostFixture(const HostFixture&) = delete;
    HostFixture& operator=(const HostFixture&) = delete;

    HostDatabase& database() { return *m_database; }
    std::shared_ptr<HostDatabase> sharedDatabase() { return m_database; }

    User addUser(const std::string& initials, const std::string& name = {});
    Client addClient(const ClientRecord& client);
    Session addSession(const Client& client, Date date);
    Action addAction(const Session& session, const ActionSpec& action);
    // `from` refers to `to` (`to` appears among from's LinkedActions).
    void link(const Action& from, const Action& to);

    // What the host window chooses before it starts a module.
    void select(const Client& client, const User& user, const Session& session);
    void selectClient(const Client& client);
    void selectUser(const User& user);
    void selectSession(const Session& session);
    void showAction(const Action& action);
    void printAction(const Action& action);
    void setLanguage(std::int32_t languageId);
    void setRunningModule(std::int32_t moduleId);

    // What brisance-host does at every start: puts the program folder's
    // default profile in the machine's shared profile folder, unless a file
    // is there (host/DefaultProfilePlacement.h). Never done on its own.
    bool placeDefaultProfile();

private:
    std::shared_ptr<HostDatabase> m_database;
};

}  // namespace host::testing
