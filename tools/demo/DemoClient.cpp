#include "tools/demo/DemoClient.h"

#include "tools/demo/DemoAudiograms.h"

#include "module/document/docAudiogramModule.h"
#include "module/document/KeyedTabStrip.h"
#include "module/preferences/frmPreferences.h"
#include "module/views/CImpedance.h"
#include "module/views/CPureTone.h"
#include "module/views/CSpeech.h"

#include "host/HostContext.h"
#include "host/HostDatabase.h"
#include "host/window/HostWindow.h"

#include "platform/runtime/Dates.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/ui/TestResponder.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QTimer>

#include <stdexcept>

namespace demo {

namespace {

using brisance::docAudiogramModule;

// Visits are at ten in the morning.
constexpr double kVisitTime = 10.0 / 24;

docAudiogramModule& startedDocument(host::HostWindow& window)
{
    auto* document = window.findChild<docAudiogramModule*>();
    if (!document)
        throw std::runtime_error("the audiogram module did not start: " + window.moduleArea()->text().toStdString());
    return *document;
}

// Enters the visit into a new audiogram and saves it with File > Save; a
// failure says what the module last showed.
void recordVisit(docAudiogramModule& document, const Visit& visit, const platform::ui::TestResponder& responder)
{
    if (document.DocumentMode() != docAudiogramModule::kModeNew) document.Menus().mnuFileNewAction->trigger();
    brisance::CPureTone& pureTone = document.oPureTone();
    fillVisit(*pureTone.DataLayer(), visit);
    pureTone.ShowDataInDataLayer();
    document.oSpeech().ShowDataInDataLayer();
    document.oImpedance().ShowDataInDataLayer();
    pureTone.DataNeedsSaved(true);
    document.oSpeech().DataNeedsSaved(true);
    document.oImpedance().DataNeedsSaved(true);
    QCoreApplication::processEvents();

    document.Menus().mnuFileSave->trigger();
    if (pureTone.DataNeedsSaved() || document.DocumentMode() == docAudiogramModule::kModeNew) {
        const auto& shown = responder.shown();
        throw std::runtime_error("the audiogram of a demo visit could not be saved" +
                                 (shown.empty() ? std::string() : ": " + shown.back().text));
    }
}

// Chooses the speech table instead of the graph in the document's profile
// options, as a clinician does (Speech tab, Tools > Profile Options, "Table",
// OK), which the document saves to the user. The host's printed report then
// takes the layout with the averages, tympanometry and reflex tables.
void chooseSpeechTable(docAudiogramModule& document)
{
    document.tabMain().Select("SPEECH");
    bool chosen = false;
    // The options open modally: they are answered from inside their own loop.
    QTimer answer;
    answer.setInterval(10);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        QWidget* shown = QApplication::activeModalWidget();
        if (!shown) return;
        answer.stop();
        auto* options = dynamic_cast<brisance::frmPreferences*>(shown);
        auto* table = options ? options->findChild<QAbstractButton*>("optSpeechGraph1") : nullptr;
        auto* ok = options ? options->findChild<QAbstractButton*>("cmdOK") : nullptr;
        if (!table || !ok) {
            shown->close();
            return;
        }
        table->click();
        ok->click();
        chosen = options->isHidden() && table->isChecked();
        // An options dialog that its OK left open (a store that failed) ends as its close box would.
        if (!options->isHidden()) options->close();
    });
    answer.start();
    document.Menus().mnuPreferences->trigger();
    answer.stop();
    if (!chosen || document.oSpeech().Mode() != 0)
        throw std::runtime_error("the demo user's speech view could not be set to the table");
}

}  // namespace

std::optional<host::RowId> addDemoClient(host::HostDatabase& database)
{
    for (const host::ClientRecord& client : database.clients())
        if (client.clientNo == kDemoClientNo) return std::nullopt;
    return database.addClient({.firstName = "Alex",
                               .middleName = "J",
                               .lastName = "Demo",
                               .clientNo = kDemoClientNo,
                               .birthDate = platform::runtime::makeDate(1956, 4, 12).days});
}

std::vector<std::string> recordDemoVisits(host::HostWindow& window, host::RowId client)
{
    // Nobody is there to answer the module: its message boxes take their
    // default answers and are passed on to the caller.
    platform::ui::TestResponder responder;
    const double today = platform::runtime::today().days;
    for (const Visit& visit : kVisits) {
        // Each visit is recorded on its own day, so that the host opens that
        // day's session and the module dates its actions by it.
        const platform::runtime::ScopedClock clock(platform::runtime::Date{today - visit.daysAgo + kVisitTime});
        if (!window.selectClient(client)) throw std::runtime_error("the host window does not list the demo client");
        window.startModule();
        if (&visit == &kVisits[0]) chooseSpeechTable(startedDocument(window));
        recordVisit(startedDocument(window), visit, responder);
        window.closeModule();
    }
    std::vector<std::string> said;
    for (const platform::ui::ShownDialog& shown : responder.shown()) said.push_back(shown.text);
    return said;
}

}  // namespace demo
