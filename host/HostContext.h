#pragma once
// What the host has open in this process: its database, and the client,
// user, session and actions it has chosen. The host window (or a test) sets
// these before it starts a module; the module's ModuleServer reads them.
// Used on the user-interface thread only.

#include "host/HostDatabase.h"
#include "host/Records.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace host {

class HostContext {
public:
    // The one context of this process.
    static HostContext& current();

    // The open database; the default file is opened on first use.
    std::shared_ptr<HostDatabase> database();
    void setDatabase(std::shared_ptr<HostDatabase> database);

    // Forgets every choice and the database.
    void reset();

    std::optional<RowId> client;
    std::optional<RowId> user;
    // The session the module writes into. While it is empty and a date is
    // in `sessionToOpen`, the module writes into the client's visit of that
    // date, which its first action makes: a visit in which nothing is saved
    // leaves no empty session behind.
    std::optional<RowId> session;
    std::optional<Date> sessionToOpen;
    std::optional<RowId> showAction;   // the action to show when the module starts
    std::optional<RowId> printAction;  // the action whose report the host prints
    std::int32_t languageId = 0;       // 0: the user's language of the system
    std::int32_t runningModule = 0;    // identity of the module the host started

    // The session the module writes into, made now when it is the visit still
    // to open. Raises NotFound when the host has chosen none.
    RowId openSession();

    // Called after an action was added or changed through the host's objects,
    // so that what shows the client's record can show it.
    std::function<void()> actionsWritten;
    void tellActionsWritten() const;

private:
    std::shared_ptr<HostDatabase> m_database;
};

}  // namespace host
