// brisance-host: the host office platform's window, for a clinician and for
// scripts. See --help.

#include "host/CombinedReport.h"
#include "host/DefaultProfilePlacement.h"
#include "host/HostContext.h"
#include "host/HostErrors.h"
#include "host/HostServer.h"
#include "host/window/HostWindow.h"

#include "platform/print/Printers.h"
#include "platform/runtime/RuntimeError.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>

#include <filesystem>
#include <iostream>
#include <string>

namespace {

using namespace host;

// On the demo client that the main job makes (scripts/run.sh, brisance-demo).
constexpr const char* kExamples = R"(
Examples:
  brisance-host --client 1001
      Opens the window on the demo client.
  brisance-host --client 1001 --print-action 2,1 --pdf report.pdf
      Prints the combined report of the first action of the demo client's
      second session to report.pdf, without a window.
)";

// The user with these initials, added when missing.
RowId userWithInitials(HostDatabase& database, const std::string& initials)
{
    for (const UserRecord& user : database.users())
        if (user.initials == initials) return user.id;
    return database.addUser({.initials = initials, .name = {}});
}

std::optional<RowId> clientWithNumber(HostDatabase& database, const std::string& number)
{
    for (const ClientRecord& client : database.clients())
        if (client.clientNo == number) return client.id;
    return std::nullopt;
}

// The action at "<session index>,<action index>" of the client.
RowId actionAt(HostDatabase& database, RowId client, const QString& position)
{
    const QStringList parts = position.split(QLatin1Char(','));
    bool sessionOk = false;
    bool actionOk = false;
    const int sessionIndex = parts.size() == 2 ? parts[0].trimmed().toInt(&sessionOk) : 0;
    const int actionIndex = parts.size() == 2 ? parts[1].trimmed().toInt(&actionOk) : 0;
    if (!sessionOk || !actionOk)
        raise(errors::InvalidCall, "--print-action takes <session>,<action>, not \"" + position.toStdString() + "\"");
    const auto session = database.sessionAt(client, sessionIndex);
    const auto action = session ? database.actionAt(session->id, actionIndex) : std::nullopt;
    if (!action) raise(errors::NotFound, "The client has no action " + position.toStdString());
    return action->id;
}

// Says why the host cannot start; on a screen also in a message box (never
// offscreen, where nobody could answer it).
int fail(const std::string& message)
{
    std::cerr << "brisance-host: " << message << '\n';
    if (QGuiApplication::platformName() != QStringLiteral("offscreen"))
        QMessageBox::critical(nullptr, QStringLiteral("Brisance Host"), QString::fromStdString(message));
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    // The options are read before the application exists, so that --help
    // works without a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "The host office platform: keeps clients, their sessions and actions in one database, and starts the "
        "registered module for the selected client."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help."));
    const QCommandLineOption database({QStringLiteral("d"), QStringLiteral("database")},
                                      QStringLiteral("Use this database file (default: Host.sqlite in the machine root)."),
                                      QStringLiteral("file"));
    const QCommandLineOption client({QStringLiteral("c"), QStringLiteral("client")},
                                    QStringLiteral("Select the client with this client number."), QStringLiteral("number"));
    const QCommandLineOption user({QStringLiteral("u"), QStringLiteral("user")},
                                  QStringLiteral("Work as the user with these initials (added when missing)."),
                                  QStringLiteral("initials"));
    const QCommandLineOption printAction(
        QStringLiteral("print-action"),
        QStringLiteral("Print the combined report of the selected client's action (session and action number, "
                       "\"2,1\") and exit."),
        QStringLiteral("session,action"));
    const QCommandLineOption pdf(QStringLiteral("pdf"),
                                 QStringLiteral("With --print-action: print to this PDF file with the built-in printer."),
                                 QStringLiteral("file"));
    const QCommandLineOption platform(QStringLiteral("platform"), QStringLiteral("The Qt platform plugin to use."),
                                      QStringLiteral("name"));
    parser.addOptions({help, database, client, user, printAction, pdf, platform});
    if (!parser.parse(arguments)) {
        std::cerr << "brisance-host: " << parser.errorText().toStdString() << "\n";
        return 2;
    }
    if (parser.isSet(help)) {
        std::cout << parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("brisance-host")).toStdString()
                  << kExamples;
        return 0;
    }

    // Printing needs no display: without a platform chosen it runs offscreen.
    if (parser.isSet(printAction) && !parser.isSet(platform) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    try {
        if (std::string why; platform::com::failed(registerHostServer(&why)))
            return fail("the host's classes cannot be registered: " + why);
        // A fresh machine gets the shared default profile at its first start.
        try {
            placeDefaultProfile();
        } catch (const std::filesystem::filesystem_error& error) {
            std::cerr << "brisance-host: the shared default profile cannot be placed: " << error.what() << '\n';
        }
        HostContext& context = HostContext::current();
        if (parser.isSet(database))
            context.setDatabase(std::make_shared<HostDatabase>(parser.value(database).toStdString()));
        HostDatabase& db = *context.database();
        if (parser.isSet(user)) context.user = userWithInitials(db, parser.value(user).toStdString());
        // As in the window, the first user works unless another is named: a
        // report printed without a user would have none of the user's tests.
        if (!context.user)
            context.user = db.users().empty() ? userWithInitials(db, "ADM") : db.users().front().id;

        std::optional<RowId> selected;
        if (parser.isSet(client)) {
            selected = clientWithNumber(db, parser.value(client).toStdString());
            if (!selected) return fail("no client has the number " + parser.value(client).toStdString());
        }

        if (parser.isSet(printAction)) {
            if (!selected) return fail("--print-action needs a client (--client)");
            const std::string printer = parser.isSet(pdf) ? platform::print::builtInPrinterSettings().name : "";
            const std::string written = printCombinedReport(actionAt(db, *selected, parser.value(printAction)), printer,
                                                            parser.value(pdf).toStdString());
            if (!written.empty()) std::cout << written << '\n';
            return 0;
        }

        HostWindow window;
        if (selected) window.selectClient(*selected);
        window.show();
        return app.exec();
    } catch (const platform::runtime::RuntimeError& error) {
        return fail(error.description());
    }
}
