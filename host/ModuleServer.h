#pragma once
// A module's door to the host: the client, user and session the host has
// open, the host's language, and the action the host asks the module to show
// or to print. A module makes one per document (or per print call); it reads
// what the host chose in this process (HostContext).

#include "host/Action.h"
#include "host/Client.h"
#include "host/Session.h"
#include "host/User.h"

#include <cstdint>
#include <memory>
#include <optional>

namespace host {

class HostDatabase;

class ModuleServer {
public:
    ModuleServer();

    std::optional<Client> currentClient() const;
    std::optional<User> currentUser() const;
    // The visit the host has chosen, also while it is still to open.
    std::optional<Session> currentSession() const;
    // 0: the system's user language.
    std::int32_t languageId() const;

    // The action the host asks the module with this identity to show or to
    // print, or nothing. The identity is remembered: the user's module data
    // is kept under it.
    std::optional<Action> getShowAction(std::int32_t moduleId);
    std::optional<Action> getPrintAction(std::int32_t moduleId);

    // The identity the module gave, else that of the module the host started.
    std::int32_t moduleId() const;

    // One transaction over the module's writes (HostDatabase::beginChanges).
    // Dropped, it also forgets a visit that its writes opened.
    void beginTransaction();
    void commitTransaction();
    void rollbackTransaction() noexcept;

private:
    std::optional<Action> storedAction(const std::optional<RowId>& id) const;

    std::shared_ptr<HostDatabase> m_database;
    std::int32_t m_moduleId = 0;
    // The host's visit choice when the transaction began.
    struct VisitChoice {
        std::optional<RowId> session;
        std::optional<Date> sessionToOpen;
    };
    std::optional<VisitChoice> m_visitBeforeTransaction;
};

}  // namespace host
