// brisance-host: the host office platform's window, for a clinician and for
// scripts. See --help.

#include "host/HostContext.h"
#include "host/window/DemoData.h"
#include "host/window/HostWindow.h"

#include "platform/runtime/RuntimeError.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>

#include <iostream>

namespace {

using namespace host;

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
    const QCommandLineOption demo(QStringLiteral("seed-demo"),
                                  QStringLiteral("Add the demo client with a few sessions (once) and select it."));
    const QCommandLineOption platform(QStringLiteral("platform"), QStringLiteral("The Qt platform plugin to use."),
                                      QStringLiteral("name"));
    parser.addOptions({help, database, client, user, demo, platform});
    if (!parser.parse(arguments)) {
        std::cerr << "brisance-host: " << parser.errorText().toStdString() << "\n";
        return 2;
    }
    if (parser.isSet(help)) {
        std::cout << parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("brisance-host")).toStdString();
        return 0;
    }

    QApplication app(argc, argv);

    try {
        HostContext& context = HostContext::current();
        if (parser.isSet(database))
            context.setDatabase(std::make_shared<HostDatabase>(parser.value(database).toStdString()));
        HostDatabase& db = *context.database();
        if (parser.isSet(user)) context.user = userWithInitials(db, parser.value(user).toStdString());
        if (db.users().empty()) context.user = userWithInitials(db, "ADM");

        std::optional<RowId> selected;
        if (parser.isSet(demo)) selected = seedDemoClient(db);
        if (parser.isSet(client)) {
            selected = clientWithNumber(db, parser.value(client).toStdString());
            if (!selected) return fail("no client has the number " + parser.value(client).toStdString());
        }

        HostWindow window;
        if (selected) window.selectClient(*selected);
        window.show();
        return app.exec();
    } catch (const platform::runtime::RuntimeError& error) {
        return fail(error.description());
    }
}
