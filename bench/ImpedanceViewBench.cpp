// The impedance view with a full impedance record: both ears'
// tympanograms, ipsilateral and contralateral thresholds at all nine stimuli
// for both ears, and their decays.
//
// - SwitchToView: ShowDataInDataLayer, which the document runs when the user
//   switches to the impedance tab, up to the painted view.
// - ThresholdEntered: a reflex threshold typed into a cell, through the
//   write-back (with a SaveState handler that takes the document's undo
//   snapshot) up to the repainted panel.

#include "module/core/CLangLoader.h"
#include "module/panels/TolvEditGrid.h"
#include "module/views/CImpedance.h"
#include "module/views/ctlARTView.h"

#include "platform/com/Creation.h"
#include "platform/com/ServerLibraries.h"
#include "platform/testing/TemporaryFolder.h"
#include "vellum/IVellumDataLayer.h"
#include "vellum/IVellumKeyedStore.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <array>
#include <memory>
#include <stdexcept>
#include <string>

namespace {

constexpr std::int32_t kEars[] = {3, 2};
constexpr std::int32_t kStimuli[] = {250, 500, 1000, 2000, 4000, 6000, 32765, 32767, 32766};

// The machine, the data and a shown view; made once, before the first case.
struct Fixture {
    platform::testing::ScopedMachineRoot root;
    vellum::ComPtr<vellum::IVellumDataLayer> data;
    platform::runtime::Variant snapshot;
    QWidget window;
    brisance::CImpedance* view;

    Fixture()
    {
        platform::com::ServerEntryPoints vellum;
        if (platform::com::failed(platform::com::loadServer(VELLUM_LIBRARY, &vellum)) ||
            platform::com::failed(vellum.registerServer()))
            throw std::runtime_error("cannot register Vellum");
        data = platform::com::create<vellum::IVellumDataLayer>(vellum::kVellumDataLayerClsid);
        fill();

        auto texts = std::make_shared<brisance::CLangLoader>();
        texts->OpenResourceLibrary(ENGLISH_TEXTS);
        view = new brisance::CImpedance(&window);
        view->DataLayer(data);
        view->NotesLayer(platform::com::create<vellum::IVellumKeyedStore>(vellum::kVellumKeyedStoreClsid));
        view->Prefs(platform::com::create<vellum::IVellumKeyedStore>(vellum::kVellumKeyedStoreClsid));
        view->LanguageLoader(texts);
        view->LoadStrings();
        view->ShowTymp(true);
        view->ShowNotes(true);
        view->ShowIpsi(true);
        view->ShowContra(true);
        view->RightOnLeft(true);
        // The document's undo snapshot, taken before every edit.
        QObject::connect(view, &brisance::CImpedance::SaveState, [this] { snapshot = data->get_Data(); });
        window.resize(660, 440);
        view->resize(window.size());
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            throw std::runtime_error("the view was not shown");
    }

    void fill() const
    {
        for (std::int32_t ear : kEars) {
            const auto tympanogram = data->get_Tympanograms()->Add(ear);
            tympanogram->put_TympType(1);
            tympanogram->put_PeakPressure(-20);
            tympanogram->put_EarCanalVolume(120);
            tympanogram->put_StaticCompliance(70);
            tympanogram->put_PeakHeight(70);
            tympanogram->put_Gradient(35);
            tympanogram->put_ProbeToneFrequency(226);
            for (std::int32_t type : {vellum::kCurveIpsilateralReflex, vellum::kCurveContralateralReflex}) {
                const auto points = data->get_PureToneCurves()->Add(type, ear, 2)->get_Points();
                for (std::int32_t stimulus : kStimuli)
                    points->Add(stimulus)->put_Level(stimulus == 6000 ? 4020 : 900);
            }
            for (std::int32_t type : {vellum::kCurveIpsilateralDecay, vellum::kCurveContralateralDecay}) {
                const auto points = data->get_PureToneCurves()->Add(type, ear, 2)->get_Points();
                for (std::int32_t stimulus : kStimuli)
                    points->Add(stimulus)->put_Decay(stimulus % 2 ? 1 : 0);
            }
        }
    }
};

Fixture& fixture()
{
    static Fixture instance;
    return instance;
}

void SwitchToView(benchmark::State& state)
{
    Fixture& f = fixture();
    for (auto _ : state) {
        f.view->ShowDataInDataLayer();
        f.window.repaint();
    }
}
BENCHMARK(SwitchToView)->Unit(benchmark::kMillisecond);

void ThresholdEntered(benchmark::State& state)
{
    Fixture& f = fixture();
    brisance::ctlARTView& panel = *f.view->IpsilateralReflexTable();
    auto& grid = *panel.findChild<brisance::TolvEditGrid*>("grdEar0");
    QWidget& cells = *grid.findChild<QWidget*>("picGrid");
    auto& editor = *grid.findChild<QLineEdit*>("txtEdit");
    // The 1 kHz cell, under the header band.
    QTest::mouseClick(&cells, Qt::LeftButton, {}, QPoint(2 * 28 + 14, 30));
    bool five = false;
    for (auto _ : state) {
        five = !five;
        editor.selectAll();
        QTest::keyClick(&editor, five ? Qt::Key_5 : Qt::Key_6);
        panel.repaint();
    }
    if (f.snapshot.isEmpty())
        state.SkipWithError("no edit reached the data");
}
BENCHMARK(ThresholdEntered)->Unit(benchmark::kMicrosecond);

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
