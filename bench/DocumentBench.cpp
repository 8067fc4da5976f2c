// The audiogram document, as the host opens it for a client whose latest
// audiogram is busy: a three-action group (the audiogram, both impedance
// ears, one time stamp) holding both ears' air and bone conduction with
// masked, no-response and unmeasurable points, speech curves, both
// tympanograms and reflexes with decay (Vellum's test audiogram).
//
// - OpenDocument: the host window's start of the module: the document created
//   by class id (its controls, the real views and its initialisation), framed
//   in the window, shown (the group loaded, the mode chosen, the views
//   filled), up to the end of the framed document's first paint. Closing the
//   document before the next iteration is not measured.
// - SaveDocument: File > Save of that open group, every slot holding a stored
//   action: the recent entries, the preferences written to the host user, the
//   three actions' descriptions, data and time stamp written to the host
//   database.
// - UndoPlottedPoint: Edit > Undo after one pure-tone point was plotted (the
//   view's undo snapshot taken, the point added), until the pure-tone and
//   impedance views show the data again; the charts' deferred repaint is not
//   part of it.
// - SwitchProfile: a profile chosen in the profile box of that open group,
//   alternately the first and the last of the shared default profile's: the
//   profile applied to the three views, the panels laid out, the views' data
//   shown again, and the frame's paint.

#include "bench/BenchServers.h"
#include "module/document/AudiogramDocumentObject.h"
#include "module/document/docAudiogramModule.h"
#include "module/document/ImageCombo.h"
#include "module/views/CPureTone.h"

#include "host/ModuleCatalog.h"
#include "host/testing/HostFixture.h"
#include "host/window/HostWindow.h"
#include "vellum/AudiogramFormat.h"
#include "vellum/EarImpedance.h"
#include "vellum/tests/AudiogramFixture.h"

#include "platform/com/Guid.h"
#include "platform/com/ServerLibraries.h"
#include "platform/runtime/Dates.h"
#include "platform/testing/TemporaryFolder.h"
#include "platform/ui/TestResponder.h"

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>

#include <stdexcept>
#include <string>

namespace {

namespace com = platform::com;

using bench::registerServer;

host::testing::ActionSpec impedanceAction(std::int32_t code, std::int32_t ear, host::Date stamp)
{
    const auto impedance = vellum::splitEarImpedance(vellum::testing::fullAudiogram(), ear, 100);
    return {.code = code, .format = 100, .publicData = impedance.data, .privateData = impedance.data2,
            .dateCreated = stamp, .timeStamp = stamp};
}

// The machine and the host's database; made once, since the module fixes its
// paths (under the machine root) once per process.
struct Machine {
    platform::testing::ScopedMachineRoot root;
    host::testing::HostFixture host;
    host::Client client = host.addClient({.firstName = "Ann", .lastName = "Smith"});
    // The busy audiogram holds speech tests that the shared default profile's
    // speech palette lacks, and the speech view says so at every opening; the
    // responder answers that box at once, as it answers every box in tests.
    platform::ui::TestResponder responder;

    Machine()
    {
        for (const char* server : {VELLUM_LIBRARY, LUMENPLOT_LIBRARY, PELMSONVALE_LIBRARY, BRISANCE_LIBRARY})
            registerServer(server);
        if (!host.placeDefaultProfile())
            throw std::runtime_error("the shared default profile cannot be placed");
        host::ModuleCatalog(host.database())
            .installModule({.name = "Pelm Corvane 1.1",
                            .clsid = com::toString(brisance::kAudiogramDocumentClsid),
                            .manufacturerId = 32,
                            .localId = 1,
                            .canShow = {{1, 200}}});
        const host::Date stamp = platform::runtime::now().days;
        const host::Session session = host.addSession(client, stamp);
        host.addAction(session, {.code = 1,
                                 .publicData = vellum::writeAudiogram(vellum::testing::fullAudiogram(), 200),
                                 .dateCreated = stamp,
                                 .timeStamp = stamp});
        host.addAction(session, impedanceAction(15, 3, stamp));
        host.addAction(session, impedanceAction(16, 2, stamp));
        host.selectUser(host.addUser("JD"));
    }
};

Machine& machine()
{
    static Machine instance;
    return instance;
}

void OpenDocument(benchmark::State& state)
{
    Machine& machine = ::machine();
    host::HostWindow window;
    window.resize(1400, 900);
    window.show();
    window.selectClient(machine.client.id());
    QApplication::processEvents();
    for (auto _ : state) {
        window.startModule();
        // The events of the framing (show, resize, layout), then the frame's
        // paint, which draws the document and the shown view.
        QApplication::processEvents();
        window.documentFrame()->repaint();
        state.PauseTiming();
        const auto* document = window.documentFrame()->findChild<brisance::docAudiogramModule*>();
        if (!document || document->DocumentMode() != brisance::docAudiogramModule::kModeEditable) {
            state.SkipWithError("the document did not open the group for editing");
            return;
        }
        window.closeModule();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(OpenDocument)->Unit(benchmark::kMillisecond);

// The host window with the busy group open for editing; null after an error.
brisance::docAudiogramModule* OpenEditable(host::HostWindow& window, benchmark::State& state)
{
    window.resize(1400, 900);
    window.show();
    window.selectClient(machine().client.id());
    window.startModule();
    QApplication::processEvents();
    auto* document = window.documentFrame()->findChild<brisance::docAudiogramModule*>();
    if (!document || document->DocumentMode() != brisance::docAudiogramModule::kModeEditable) {
        state.SkipWithError("the document did not open the group for editing");
        return nullptr;
    }
    return document;
}

void SaveDocument(benchmark::State& state)
{
    host::HostWindow window;
    brisance::docAudiogramModule* document = OpenEditable(window, state);
    if (!document)
        return;
    for (auto _ : state)
        document->Menus().mnuFileSave->trigger();
    window.closeModule();
}
BENCHMARK(SaveDocument)->Unit(benchmark::kMillisecond);

void UndoPlottedPoint(benchmark::State& state)
{
    host::HostWindow window;
    brisance::docAudiogramModule* document = OpenEditable(window, state);
    if (!document)
        return;
    brisance::CPureTone& view = document->oPureTone();
    for (auto _ : state) {
        state.PauseTiming();
        emit view.SaveState("Undo point", "Redo point");
        const auto curves = view.DataLayer()->get_PureToneCurves();
        vellum::ComPtr<vellum::IVellumPureToneCurve> curve;
        if (!curves->Find(1, 3, 2, curve))
            curve = curves->Add(1, 3, 2);
        curve->get_Points()->Add(1500)->put_Level(350);
        state.ResumeTiming();
        document->Menus().mnuEditUndo->trigger();
    }
    window.closeModule();
}
BENCHMARK(UndoPlottedPoint)->Unit(benchmark::kMillisecond);

void SwitchProfile(benchmark::State& state)
{
    host::HostWindow window;
    brisance::docAudiogramModule* document = OpenEditable(window, state);
    if (!document)
        return;
    brisance::ImageCombo& profiles = document->imcProfiles();
    int next = 0;
    for (auto _ : state) {
        profiles.setCurrentIndex(next);
        emit profiles.Click();
        window.documentFrame()->repaint();
        next = next == 0 ? profiles.count() - 1 : 0;
    }
    window.closeModule();
}
BENCHMARK(SwitchProfile)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
