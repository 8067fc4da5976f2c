#include "host/window/HostWindow.h"

#include "host/Client.h"
#include "host/CombinedReport.h"
#include "host/HostContext.h"
#include "host/ModuleCatalog.h"
#include "host/ModuleClass.h"
#include "host/window/ClientDialog.h"
#include "host/window/DateConversion.h"
#include "host/window/RecordView.h"

#include "platform/runtime/Dates.h"
#include "platform/runtime/RuntimeError.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>

#include <cmath>
#include <utility>

namespace host {

namespace {

constexpr int kIdRole = Qt::UserRole + 1;
// The heights the record and the module start with, in pixels.
constexpr int kRecordHeight = 120;
constexpr int kModuleHeight = 1000;

QString clientName(const ClientRecord& client)
{
    QString name = QString::fromStdString(client.lastName);
    const QString given = QString::fromStdString((client.firstName + " " + client.middleName));
    if (!given.trimmed().isEmpty()) name += (name.isEmpty() ? QString() : QStringLiteral(", ")) + given.trimmed();
    return name;
}

// Chooses the client's session of today for the module: the last one when
// it is of today, else a new one that the module's first action makes.
void chooseTodaysSession(HostContext& context, HostDatabase& database, RowId client)
{
    const Date moment = platform::runtime::now().days;
    const auto sessions = database.sessions(client);
    context.session.reset();
    context.sessionToOpen.reset();
    if (!sessions.empty() && std::floor(sessions.back().date) == std::floor(moment))
        context.session = sessions.back().id;
    else
        context.sessionToOpen = moment;
}

}  // namespace

HostWindow::HostWindow(QWidget* parent)
    : QMainWindow(parent),
      m_database(*HostContext::current().database()),
      m_clients(new QTreeWidget),
      m_record(new RecordView),
      m_users(new QComboBox),
      m_moduleArea(new QLabel),
      m_documentFrame(new QWidget),
      m_moduleStack(new QStackedWidget)
{
    setWindowTitle(tr("Brisance Host"));
    m_clients->setColumnCount(3);
    m_clients->setHeaderLabels({tr("Client"), tr("Number"), tr("Birth date")});
    m_clients->setRootIsDecorated(false);
    m_clients->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_moduleArea->setAlignment(Qt::AlignCenter);
    m_moduleArea->setWordWrap(true);

    m_documentFrame->setObjectName(QStringLiteral("documentFrame"));
    m_moduleStack->addWidget(m_moduleArea);
    m_moduleStack->addWidget(m_documentFrame);
    m_frame = {m_documentFrame, menuBar(), statusBar()};
    auto* right = new QSplitter(Qt::Vertical);
    right->addWidget(m_record);
    right->addWidget(m_moduleStack);
    right->setStretchFactor(1, 3);
    // The record shows a few visits; the module takes the rest of the height.
    right->setSizes({kRecordHeight, kModuleHeight});
    auto* main = new QSplitter(Qt::Horizontal);
    main->addWidget(m_clients);
    main->addWidget(right);
    main->setStretchFactor(1, 2);
    setCentralWidget(main);
    buildActions();
    // Fits a 1366 x 768 screen with the window's title bar and a task bar.
    resize(1280, 690);
    // A module saves field by field: the record is shown again once, after it.
    HostContext::current().actionsWritten = [this] {
        if (std::exchange(m_recordRefreshPending, true)) return;
        QMetaObject::invokeMethod(this, [this] {
            m_recordRefreshPending = false;
            guarded([this] { m_record->showClient(m_database, selectedClient()); });
        }, Qt::QueuedConnection);
    };

    connect(m_clients, &QTreeWidget::currentItemChanged, this, &HostWindow::showSelectedClient);
    connect(m_clients, &QTreeWidget::itemDoubleClicked, this, [this] { editClient(); });
    connect(m_record, &RecordView::actionActivated, this, [this](RowId action) { startModule(action); });
    connect(m_users, &QComboBox::currentIndexChanged, this, [this] {
        const QVariant id = m_users->currentData();
        HostContext::current().user = id.isValid() ? std::optional<RowId>(id.toLongLong()) : std::nullopt;
    });
    guarded([this] {
        refreshUsers();
        refreshClients();
    });
    showSelectedClient();
}

HostWindow::~HostWindow()
{
    HostContext::current().actionsWritten = nullptr;
}

void HostWindow::buildActions()
{
    QToolBar* tools = addToolBar(tr("Clients"));
    tools->setObjectName(QStringLiteral("tbrClients"));
    tools->addAction(tr("&New client..."), this, [this] { addClient(); });
    tools->addAction(tr("&Edit client..."), this, [this] { editClient(); });
    tools->addAction(tr("&Start module"), this, [this] { startModule(m_record->currentAction()); });
    tools->addAction(tr("&Print combined report"), this, [this] { printReport(); });
    tools->addSeparator();
    tools->addWidget(new QLabel(tr("User: ")));
    tools->addWidget(m_users);
}

template <class Step>
void HostWindow::guarded(Step step)
{
    try {
        step();
    } catch (const platform::runtime::RuntimeError& error) {
        const QString text = QString::fromStdString(error.description());
        statusBar()->showMessage(text);
        auto* box = new QMessageBox(QMessageBox::Warning, windowTitle(), text, QMessageBox::Ok, this);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    }
}

void HostWindow::refreshUsers()
{
    const QSignalBlocker blocker(m_users);
    m_users->clear();
    for (const UserRecord& user : m_database.users())
        m_users->addItem(QString::fromStdString(user.initials + (user.name.empty() ? "" : " (" + user.name + ")")),
                         QVariant::fromValue<qlonglong>(user.id));
    const auto& current = HostContext::current().user;
    const int index = current ? m_users->findData(QVariant::fromValue<qlonglong>(*current)) : -1;
    m_users->setCurrentIndex(index >= 0 ? index : 0);
    const QVariant id = m_users->currentData();
    HostContext::current().user = id.isValid() ? std::optional<RowId>(id.toLongLong()) : std::nullopt;
}

void HostWindow::refreshClients()
{
    const auto selected = selectedClient();
    m_clients->clear();
    for (const ClientRecord& client : m_database.clients()) {
        auto* item = new QTreeWidgetItem(m_clients, {clientName(client), QString::fromStdString(client.clientNo),
                                                     client.birthDate ? toQDate(*client.birthDate).toString(Qt::ISODate)
                                                                      : QString()});
        item->setData(0, kIdRole, QVariant::fromValue<qlonglong>(client.id));
    }
    if (selected) selectClient(*selected);
}

bool HostWindow::selectClient(RowId client)
{
    for (int row = 0; row < m_clients->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = m_clients->topLevelItem(row);
        if (item->data(0, kIdRole).toLongLong() == client) {
            m_clients->setCurrentItem(item);
            return true;
        }
    }
    return false;
}

std::optional<RowId> HostWindow::selectedClient() const
{
    const QTreeWidgetItem* item = m_clients->currentItem();
    if (!item) return std::nullopt;
    return item->data(0, kIdRole).toLongLong();
}

bool HostWindow::selectUser(RowId user)
{
    const int index = m_users->findData(QVariant::fromValue<qlonglong>(user));
    if (index < 0) return false;
    m_users->setCurrentIndex(index);
    return true;
}

void HostWindow::showSelectedClient()
{
    closeModule();
    HostContext& context = HostContext::current();
    context.client = selectedClient();
    context.session.reset();
    context.sessionToOpen.reset();
    context.showAction.reset();
    guarded([&] { m_record->showClient(m_database, context.client); });
    m_moduleArea->setText(context.client ? tr("Start the module to work with this client.")
                                         : tr("Select a client, or add one."));
}

ClientDialog* HostWindow::addClient()
{
    return openClientDialog(ClientRecord{});
}

ClientDialog* HostWindow::editClient()
{
    const auto client = selectedClient();
    if (!client) return nullptr;
    std::optional<ClientRecord> record;
    guarded([&] { record = m_database.client(*client); });
    return record ? openClientDialog(*record) : nullptr;
}

ClientDialog* HostWindow::openClientDialog(const ClientRecord& client)
{
    auto* dialog = new ClientDialog(client, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] { storeClient(dialog->client()); });
    dialog->open();
    return dialog;
}

void HostWindow::storeClient(const ClientRecord& client)
{
    guarded([&] {
        RowId id = client.id;
        if (id == 0)
            id = m_database.addClient(client);
        else
            m_database.updateClient(client);
        refreshClients();
        selectClient(id);
        showSelectedClient();
    });
}

void HostWindow::startModule(const std::optional<RowId>& showAction)
{
    const auto client = selectedClient();
    if (!client) return;
    closeModule();
    guarded([&] {
        const auto modules = ModuleCatalog(m_database).modules();
        if (modules.empty()) {
            m_moduleArea->setText(tr("No module is registered with the host."));
            return;
        }
        const ModuleRecord& module = modules.front();
        HostContext& context = HostContext::current();
        context.showAction = showAction;
        context.runningModule = module.identity();

        platform::com::ComPtr<platform::com::IDocumentObject> document;
        if (const platform::com::HRESULT hr = createModuleObject(module.clsid, document); platform::com::failed(hr)) {
            m_moduleArea->setText(tr("%1 cannot be started: it %2.")
                                      .arg(QString::fromStdString(module.name), QString::fromStdString(whyNotCreated(hr))));
            return;
        }
        chooseTodaysSession(context, m_database, *client);
        m_moduleStack->setCurrentWidget(m_documentFrame);
        m_document = document;
        m_document->SetFrame(&m_frame);
        m_document->Show();
    });
}

void HostWindow::closeModule()
{
    if (const auto document = std::exchange(m_document, nullptr)) {
        document->Close();
        m_record->showClient(m_database, selectedClient());
    }
    m_moduleStack->setCurrentWidget(m_moduleArea);
}

void HostWindow::printReport(const std::string& printerName)
{
    const auto action = m_record->currentAction();
    if (!action) {
        statusBar()->showMessage(tr("Choose the action whose report is to be printed."));
        return;
    }
    guarded([&] {
        const std::string file = printCombinedReport(*action, printerName);
        statusBar()->showMessage(file.empty() ? tr("The combined report was printed.")
                                              : tr("The combined report was printed to %1.").arg(QString::fromStdString(file)));
    });
}

void HostWindow::closeEvent(QCloseEvent* event)
{
    closeModule();
    QMainWindow::closeEvent(event);
}

}  // namespace host
