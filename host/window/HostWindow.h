#pragma once
// The host window: the office's clients, the record of the selected client,
// the current user, and the area in which a module works for the client.
//
// Choosing a client or a user here is what the host tells a module through
// its ModuleServer (HostContext). What the module writes shows in the
// client's record as soon as the module's call returns. Dialogs open without blocking, so that the
// window can be driven from code and tests.

#include "host/Records.h"

#include "platform/com/ComPtr.h"
#include "platform/com/DocumentObject.h"

#include <QMainWindow>

#include <optional>
#include <string>

class QComboBox;
class QLabel;
class QStackedWidget;
class QTreeWidget;

namespace host {

class ClientDialog;
class HostDatabase;
class RecordView;

class HostWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit HostWindow(QWidget* parent = nullptr);
    ~HostWindow() override;

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
    // session, showing the given action, framed in this window.
    void startModule(const std::optional<RowId>& showAction = std::nullopt);
    // Closes the module's document (it may ask to save); nothing when none is open.
    void closeModule();
    // Prints the combined report of the action selected in the record view
    // on the printer (the default printer when empty).
    void printReport(const std::string& printerName = {});

    QTreeWidget* clientList() const { return m_clients; }
    RecordView* recordView() const { return m_record; }
    QComboBox* userBox() const { return m_users; }
    QLabel* moduleArea() const { return m_moduleArea; }
    // The frame in which the module's document lives.
    QWidget* documentFrame() const { return m_documentFrame; }

protected:
    void closeEvent(QCloseEvent* event) override;

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
    QWidget* m_documentFrame;
    QStackedWidget* m_moduleStack;
    platform::com::DocumentFrame m_frame;
    platform::com::ComPtr<platform::com::IDocumentObject> m_document;
    bool m_recordRefreshPending = false;
};

}  // namespace host
