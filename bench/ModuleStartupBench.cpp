// The module library's start-up, on a machine as a new user meets it: a
// temporary machine root with the Vellum server registered, the host's
// database with one user and the shipped default profile in place.
//
// - LoadWithStartUp: loading the library into a fresh process (with Qt and
//   the platform layer loaded, as in the host) and its start-up, measured by
//   module_load_probe, one process per iteration.
// - SelfRegistration: DllRegisterServer.
// - FirstDocumentDefaults: CreateModuleGlobals, LoadUserPreferences for a
//   host user without stored data (made outside the timing, so that the
//   shipped file is read and written back to the user's module data), and
//   LoadFromPreferences.

#include "module/core/CCurvePrefs.h"
#include "module/core/ModuleGlobals.h"
#include "module/core/UserPreferences.h"

#include "host/HostInterfaces.h"
#include "host/testing/HostFixture.h"

#include "platform/com/Creation.h"
#include "platform/com/ServerLibraries.h"
#include "platform/testing/TemporaryFolder.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>

namespace {

using platform::com::ServerEntryPoints;

ServerEntryPoints loadedServer(const char* path)
{
    ServerEntryPoints server;
    std::string error;
    if (platform::com::failed(platform::com::loadServer(path, &server, &error)) || !server.registerServer)
        throw std::runtime_error(std::string("cannot load ") + path + ": " + error);
    return server;
}

// The machine of every case; made once, before the first.
struct Machine {
    platform::testing::ScopedMachineRoot root;
    host::testing::HostFixture host;

    Machine()
    {
        if (platform::com::failed(loadedServer(VELLUM_LIBRARY).registerServer()))
            throw std::runtime_error("cannot register Vellum");
        host.placeDefaultProfile();
    }
};

Machine& machine()
{
    static Machine instance;
    return instance;
}

void LoadWithStartUp(benchmark::State& state)
{
    machine();
    const std::string command = std::string("'") + LOAD_PROBE + "' '" + BRISANCE_LIBRARY + "'";
    for (auto _ : state) {
        std::unique_ptr<FILE, int (*)(FILE*)> probe(popen(command.c_str(), "r"), pclose);
        long long nanoseconds = -1;
        if (!probe || std::fscanf(probe.get(), "%lld", &nanoseconds) != 1 || nanoseconds < 0) {
            state.SkipWithError("the load probe failed");
            return;
        }
        state.SetIterationTime(static_cast<double>(nanoseconds) * 1e-9);
    }
}
BENCHMARK(LoadWithStartUp)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

void SelfRegistration(benchmark::State& state)
{
    machine();
    const ServerEntryPoints brisance = loadedServer(BRISANCE_LIBRARY);
    for (auto _ : state) benchmark::DoNotOptimize(brisance.registerServer());
}
BENCHMARK(SelfRegistration)->Unit(benchmark::kMillisecond);

void FirstDocumentDefaults(benchmark::State& state)
{
    Machine& m = machine();
    const auto server = platform::com::create<host::IModuleServer>(host::kModuleServerClsid);
    for (auto _ : state) {
        state.PauseTiming();
        m.host.selectUser(m.host.addUser("NU"));
        state.ResumeTiming();

        brisance::CreateModuleGlobals();
        const auto store = brisance::ModuleGlobals::PreferenceStore();
        brisance::LoadUserPreferences(server, store);
        brisance::ModuleGlobals::CurvePrefs()->LoadFromPreferences(*store);

        state.PauseTiming();
        if (brisance::ModuleGlobals::CurvePrefs()->Count() != 14) state.SkipWithError("the default tests did not load");
        brisance::ReleaseModuleGlobals();
        state.ResumeTiming();
    }
}
BENCHMARK(FirstDocumentDefaults)->Unit(benchmark::kMillisecond);

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
