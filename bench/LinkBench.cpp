// The instrument link on simulated instruments: Marlet registered as the
// driver, its ports on the simulator's terminals, the controller created by
// class id on this (the client's) thread.
//
// - Latency: from the last byte of a tone-point record written to the
//   audiometer's terminal to its PlotPoint on the client's thread, median
//   and 95th percentile, with the tympanometer's port open and idle and with
//   no tympanometer.
// - Idle cost: the process's processor time per second of wall time while a
//   measurement runs and nothing arrives: Marlet with an idle audiometer,
//   Marlet with both models "None", and a driver whose read returns at once.
//
// Each Marlet case loads its own copy of the driver library under its own
// name, so that it reads its own settings (a library stays loaded once used).

#include "DriverRegistration.h"
#include "PelmSonvale/ClassIds.h"
#include "PelmSonvale/ISonvaleController.h"
#include "PelmSonvale/ISonvaleControllerEvents.h"
#include "testing/MarletSetUp.h"
#include "platform/com/ConnectionPoint.h"
#include "platform/com/Creation.h"
#include "platform/com/DispatchSink.h"
#include "platform/com/ServerLibraries.h"
#include "platform/machine/MachineRoot.h"
#include "platform/registry/Key.h"
#include "platform/testing/TemporaryFolder.h"
#include "platform/ui/WindowHandle.h"
#include "tools/instrument-sim/AudiometerRecords.h"
#include "tools/instrument-sim/Instrument.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace pelmsonvale;
using platform::com::ComPtr;
using Clock = std::chrono::steady_clock;
namespace sim = instrument_sim;

// Runs the event loop until the condition holds; false after the limit.
bool runUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit)
{
    const auto deadline = Clock::now() + limit;
    while (!condition()) {
        if (Clock::now() > deadline)
            return false;
        QEventLoop loop;
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

// Runs the event loop for this long in one go, so that the loop itself
// wakes no more often than the link makes it.
void runEventLoopFor(std::chrono::milliseconds duration)
{
    QEventLoop loop;
    QTimer::singleShot(duration, &loop, &QEventLoop::quit);
    loop.exec();
}

void registerDriver(const std::string& path)
{
    platform::registry::Key key;
    createKey(platform::registry::Root::LocalMachine, std::string(kDriversKey) + "MRL",
              platform::registry::Access::Write, key);
    key.setString("DriverPath", path);
    key.setString("Manufacturer", "Pelmworks");
    key.setString("DriverName", "Marlet");
}

// A copy of Marlet of its own name, set to use these models on COM3 and COM4.
std::string marletCopy(const std::string& name, marlet::ModelIndex audiometer, marlet::ModelIndex tympanometer)
{
    const std::filesystem::path copy = std::filesystem::path(platform::machine::root()) / (name + ".so");
    std::filesystem::copy_file(MARLET_LIBRARY, copy, std::filesystem::copy_options::overwrite_existing);
    pelmsonvale::testing::setUpMarlet(name, audiometer, tympanometer);
    return copy.string();
}

// One running measurement with the driver library at `path`; the PlotPoint
// events are counted and the time of the last one kept.
class Measurement {
public:
    explicit Measurement(const std::string& path)
    {
        registerDriver(path);
        if (platform::com::createInstance(kSonvaleControllerClsid, m_controller) != platform::com::S_OK)
            return;
        m_sink = platform::com::make<platform::com::DispatchSink>(
            kSonvaleControllerEventsIid, [this](platform::com::DISPID event, std::span<platform::runtime::Variant>) {
                if (event == PlotPoint) {
                    ++plotPoints;
                    lastPlotPoint = Clock::now();
                }
                return platform::com::S_OK;
            });
        std::uint32_t cookie = 0;
        platform::com::advise(m_controller.get(), kSonvaleControllerEventsIid, m_sink.get(), &cookie);
        TFuncResult result = TFuncResult_er_Sonvale;
        m_controller->Start(0, static_cast<std::int32_t>(platform::ui::windowHandle(&m_window)), &result);
        m_started = result == TFuncResult_fr_OK;
    }

    ~Measurement()
    {
        TFuncResult result = TFuncResult_fr_OK;
        if (m_started)
            m_controller->Stop(&result);
    }

    // False when the controller could not be made or the driver did not connect.
    bool started() const { return m_started; }

    int plotPoints = 0;
    Clock::time_point lastPlotPoint;

private:
    QWidget m_window;
    ComPtr<ISonvaleController> m_controller;
    ComPtr<platform::com::DispatchSink> m_sink;
    bool m_started = false;
};

double milliseconds(Clock::duration duration)
{
    return std::chrono::duration<double, std::milli>(duration).count();
}

void BM_TonePointToPlotPoint(benchmark::State& state)
{
    const bool tympanometerIdle = state.range(0) != 0;
    const std::string name = tympanometerIdle ? "marlet_latency_idle_tymp" : "marlet_latency_no_tymp";
    sim::Instrument audiometer(marlet::ModelTessil, "COM3");
    std::optional<sim::Instrument> tympanometer;
    if (tympanometerIdle)
        tympanometer.emplace(marlet::ModelQuorrelV2, "COM4");
    Measurement measurement(
        marletCopy(name, marlet::ModelTessil, tympanometerIdle ? marlet::ModelQuorrelV2 : marlet::ModelNone));
    if (!measurement.started()) {
        state.SkipWithError("the link did not start");
        return;
    }
    const std::string record = audiometer.record(sim::tonePoint({.levelA = 250}));

    std::vector<double> latencies;
    for (auto _ : state) {
        const int before = measurement.plotPoints;
        audiometer.send(record);
        const auto written = Clock::now();
        if (!runUntil([&] { return measurement.plotPoints > before; }, std::chrono::seconds(5))) {
            state.SkipWithError("no PlotPoint");
            break;
        }
        const double latency = milliseconds(measurement.lastPlotPoint - written);
        latencies.push_back(latency);
        state.SetIterationTime(latency / 1000.0);
    }
    if (latencies.empty())
        return;
    std::sort(latencies.begin(), latencies.end());
    state.counters["median_ms"] = latencies[latencies.size() / 2];
    state.counters["p95_ms"] = latencies[std::min(latencies.size() - 1, latencies.size() * 95 / 100)];
}
BENCHMARK(BM_TonePointToPlotPoint)
    ->ArgName("tympanometer_idle")
    ->Arg(1)
    ->Arg(0)
    ->Iterations(40)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

double processSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

enum IdleCase { MarletIdleAudiometer, MarletNoInstruments, DriverReadingAtOnce };

void BM_IdleProcessorTime(benchmark::State& state)
{
    const auto idleCase = static_cast<IdleCase>(state.range(0));
    std::optional<sim::Instrument> audiometer;
    std::string path = FAKE_DRIVER;
    if (idleCase == MarletIdleAudiometer) {
        audiometer.emplace(marlet::ModelTessil, "COM3");
        path = marletCopy("marlet_idle_audiometer", marlet::ModelTessil, marlet::ModelNone);
    } else if (idleCase == MarletNoInstruments) {
        path = marletCopy("marlet_no_instruments", marlet::ModelNone, marlet::ModelNone);
    }
    Measurement measurement(path);
    if (!measurement.started()) {
        state.SkipWithError("the link did not start");
        return;
    }
    // What starting leaves behind (the status dialog shown, the first reads)
    // is no part of an idle link.
    runEventLoopFor(std::chrono::seconds(1));
    double busy = 0;
    double wall = 0;
    for (auto _ : state) {
        const double processBefore = processSeconds();
        const auto wallBefore = Clock::now();
        runEventLoopFor(std::chrono::seconds(1));
        busy += processSeconds() - processBefore;
        wall += std::chrono::duration<double>(Clock::now() - wallBefore).count();
    }
    state.counters["cpu_per_wall_second"] = busy / wall;
}
BENCHMARK(BM_IdleProcessorTime)
    ->ArgName("case")
    ->Arg(MarletIdleAudiometer)
    ->Arg(MarletNoInstruments)
    ->Arg(DriverReadingAtOnce)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    platform::testing::ScopedMachineRoot machine;
    platform::com::ServerEntryPoints server;
    if (platform::com::loadServer(PELMSONVALE_LIBRARY, &server) != platform::com::S_OK || server.registerServer() != platform::com::S_OK)
        return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
