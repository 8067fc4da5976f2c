#pragma once
// The host window: the office's clients, the record of the selected client,
// the current user, and the area in which a module works for the client.
//
// Choosing a client or a user here is what the host tells a module through
// its ModuleServer (HostContext). Dialogs open without blocking, so that the
// window can be driven from code and tests.

#include "host/Records.h"

#include <QMainWindow>

#include <optional>

class QComboBox;
class QLabel;
class QTreeWidget;

namespace host {

class ClientDialog;
class HostDatabase;
class RecordView;

class HostWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit HostWindow(QWidget* parent = nullptr);

    // Selects the client in the list; false when the list has no such client.
    bool selectClient(RowId client);
    std::optional<RowId> selectedClient() const;
    // Makes the user current; false when there is no such user.
    bool selectUser(RowId user);

    // Opens the dialog for a new client, or for editing the selected one
    // (nullptr when none is selected); the client is stored when it is accepted.
    ClientDialog* addClient();
    ClientDialog* editClient();

    // Starts the registered module for the selected client, in today's
    // session, showing the given action.
    void startModule(const std::optional<RowId>& showAction = std::nullopt);

    QTreeWidget* clientList() const { return m_clients; }
    RecordView* recordView() const { return m_record; }
    QComboBox* userBox() const { return m_users; }
    QLabel* moduleArea() const { return m_moduleArea; }

private:
    void buildActions();
    void refreshClients();
    void refreshUsers();
    void showSelectedClient();
    ClientDialog* openClientDialog(const ClientRecord& client);
    void storeClient(const ClientRecord& client);
    // Runs a step that may fail; a failure is shown and the window goes on.
    template <class Step>
    void guarded(Step step);

    HostDatabase& m_database;
    QTreeWidget* m_clients;
    RecordView* m_record;
    QComboBox* m_users;
    QLabel* m_moduleArea;
};

}  // namespace host
