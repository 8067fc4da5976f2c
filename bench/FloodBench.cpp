// The instrument link under a flood: the simulated audiometer sends valid
// single-point records back to back at 115,200 baud, the simulated
// tympanometer valid tympanograms, through Marlet and the link server to the
// client's events, for 30 s. Each record carries its sequence number in its
// values (the audiometer's in its frequency and level, the tympanometer's in
// its pressure), so the events show whether every record arrived, in order.
//
// Counters: records sent and delivered per instrument (equal, or the run
// fails), how long the records still on their way after the flood took to
// arrive, the process's resident memory after 5 s and at the end and its
// peak, and the time Stop takes. A pseudo-terminal holds the sender back while
// the link does not read, as flow control on a line does. Cases: both lines sending, and each line in
// turn chattering garbage while the other sends.

#include "ControllerFixture.h"
#include "LinkTestSupport.h"
#include "testing/MarletSetUp.h"
#include "PelmSonvale/SonvaleTypes.h"
#include "platform/com/ConnectionPoint.h"
#include "platform/testing/TemporaryFolder.h"
#include "platform/ui/WindowHandle.h"
#include "tools/instrument-sim/AudiometerRecords.h"
#include "tools/instrument-sim/Instrument.h"
#include "tools/instrument-sim/TympanometerRecords.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWidget>

#include <array>
#include <atomic>
#include <chrono>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <thread>

namespace {

using namespace pelmsonvale;
using namespace pelmsonvale::testing;
using Clock = std::chrono::steady_clock;
using std::chrono::seconds;
namespace sim = instrument_sim;

constexpr int kBaudRate = 115200;
constexpr auto kFloodTime = seconds(30);
// How long the records still on their way after the flood may take to arrive.
constexpr auto kDeliveryLimit = seconds(600);

// The audiometer's record n: a tone point whose frequency and level say n, up
// to their 11 x 25 combinations (the audiometer steps levels by 5 dB).
constexpr std::array kFrequencies = {125, 250, 500, 750, 1000, 1500, 2000, 3000, 4000, 6000, 8000};
constexpr int kLevels = 25;  // 0 to 120 dB

int frequencyOf(std::int64_t n) { return kFrequencies[static_cast<std::size_t>(n % std::ssize(kFrequencies))]; }
int levelOf(std::int64_t n) { return static_cast<int>(n / std::ssize(kFrequencies) % kLevels) * 5; }

sim::Frame tonePointNumber(std::int64_t n)
{
    return sim::tonePoint({.levelA = levelOf(n) * 10, .frequency = frequencyOf(n)});
}

// The tympanometer's record n: a tympanogram whose pressure (daPa) says n.
constexpr int kPressures = 601;  // -300 to 300 daPa
int pressureOf(std::int64_t n) { return static_cast<int>(n % kPressures) - 300; }

sim::Frame tympanogramNumber(std::int64_t n)
{
    return sim::multiTympanogram({.summaries = {{.compliance = 48, .pressure = pressureOf(n)}}});
}

// Resident memory of the process in MiB: "VmRSS" now, "VmHWM" the peak.
double memoryMiB(const std::string& field)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(field + ":", 0) == 0)
            return std::stod(line.substr(field.size() + 1)) / 1024.0;
    }
    return 0;
}

// Sends records n = 0, 1, ... from its own thread, paced to the baud rate of
// the instrument's line, until stopped; a write the driver does not take
// within its time-out ends the sending.
class Sender {
public:
    Sender(sim::Instrument& instrument, std::function<sim::Frame(std::int64_t)> record)
        : m_thread([this, &instrument, record = std::move(record)] {
              const platform::serial::LineSettings& line = instrument.persona().line;
              const int bitsPerByte = 1 + line.dataBits + (line.parity == platform::serial::Parity::None ? 0 : 1) +
                                      (line.stopBits == platform::serial::StopBits::Two ? 2 : 1);
              const double bytesPerSecond = static_cast<double>(kBaudRate) / bitsPerByte;
              const auto began = Clock::now();
              double bytes = 0;
              while (!m_stop) {
                  const std::string bytesOfRecord = instrument.record(record(sent));
                  try {
                      instrument.send(bytesOfRecord);
                  } catch (const std::exception&) {
                      break;
                  }
                  ++sent;
                  bytes += static_cast<double>(bytesOfRecord.size());
                  std::this_thread::sleep_until(began + std::chrono::duration_cast<Clock::duration>(
                                                            std::chrono::duration<double>(bytes / bytesPerSecond)));
              }
          })
    {
    }
    ~Sender() { stop(); }

    void stop()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
    }

    std::atomic<std::int64_t> sent{0};

private:
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

// Counts the events of one kind and checks each against the record of its number.
struct Delivery {
    std::int64_t delivered = 0;
    bool inOrder = true;
};

enum FloodCase { BothSending, AudiometerChattering, TympanometerChattering };

void BM_Flood(benchmark::State& state)
{
    const auto floodCase = static_cast<FloodCase>(state.range(0));
    for (auto _ : state) {
        platform::testing::ScopedMachineRoot machine;
        sim::Instrument audiometer(marlet::ModelTessil, "COM3");
        sim::Instrument tympanometer(marlet::ModelQuorrelV2, "COM4");
        setUpMarlet("marlet", marlet::ModelTessil, marlet::ModelQuorrelV2);
        {
            marlet::Settings settings("marlet");
            settings.load();
            settings.update([](marlet::SettingsValues& values) {
                values.models[marlet::ModelTessil].baud = std::to_string(kBaudRate);
                values.models[marlet::ModelQuorrelV2].baud = std::to_string(kBaudRate);
            });
            settings.save();
        }
        registerDriver("MRL", MARLET_LIBRARY);
        const ComPtr<ISonvaleController> controller = makeController();

        Delivery points;
        Delivery tympanograms;
        const auto sink = platform::com::make<platform::com::DispatchSink>(
            kSonvaleControllerEventsIid, [&](platform::com::DISPID event, std::span<Variant> arguments) {
                if (event == PlotPoint) {
                    const std::int64_t n = points.delivered++;
                    points.inOrder = points.inOrder && arguments[4].toLong() == frequencyOf(n) &&
                                     arguments[5].toLong() == levelOf(n);
                } else if (event == ImpedancePoint) {
                    const std::int64_t n = tympanograms.delivered++;
                    tympanograms.inOrder = tympanograms.inOrder && arguments[6].toLong() == pressureOf(n);
                }
                return platform::com::S_OK;
            });
        std::uint32_t cookie = 0;
        platform::com::advise(controller.get(), kSonvaleControllerEventsIid, sink.get(), &cookie);
        QWidget window;
        TFuncResult result = TFuncResult_er_NotLegal;
        controller->Start(0, static_cast<std::int32_t>(platform::ui::windowHandle(&window)), &result);
        if (result != TFuncResult_fr_OK) {
            state.SkipWithError("the link did not start");
            return;
        }

        std::optional<Sender> audiometerSender;
        std::optional<Sender> tympanometerSender;
        if (floodCase == AudiometerChattering)
            audiometer.startGarbage();
        else
            audiometerSender.emplace(audiometer, tonePointNumber);
        if (floodCase == TympanometerChattering)
            tympanometer.startGarbage();
        else
            tympanometerSender.emplace(tympanometer, tympanogramNumber);

        runUntil([] { return false; }, seconds(5));
        const double memoryAfter5s = memoryMiB("VmRSS");
        runUntil([] { return false; }, kFloodTime - seconds(5));
        for (std::optional<Sender>* sender : {&audiometerSender, &tympanometerSender})
            if (*sender)
                (*sender)->stop();
        audiometer.stopGarbage();
        tympanometer.stopGarbage();
        const std::int64_t pointsSent = audiometerSender ? audiometerSender->sent.load() : 0;
        const std::int64_t tympanogramsSent = tympanometerSender ? tympanometerSender->sent.load() : 0;
        const auto draining = Clock::now();
        runUntil([&] { return points.delivered >= pointsSent && tympanograms.delivered >= tympanogramsSent; },
                 kDeliveryLimit);
        const double drainSeconds = std::chrono::duration<double>(Clock::now() - draining).count();

        const auto stopping = Clock::now();
        controller->Stop(&result);
        const double stopMs = std::chrono::duration<double, std::milli>(Clock::now() - stopping).count();
        platform::com::unadvise(controller.get(), kSonvaleControllerEventsIid, cookie);

        state.counters["points_sent"] = static_cast<double>(pointsSent);
        state.counters["points_delivered"] = static_cast<double>(points.delivered);
        state.counters["tympanograms_sent"] = static_cast<double>(tympanogramsSent);
        state.counters["tympanograms_delivered"] = static_cast<double>(tympanograms.delivered);
        state.counters["rss_after_5s_MiB"] = memoryAfter5s;
        state.counters["rss_end_MiB"] = memoryMiB("VmRSS");
        state.counters["rss_peak_MiB"] = memoryMiB("VmHWM");
        state.counters["drain_s"] = drainSeconds;
        state.counters["stop_ms"] = stopMs;
        if (points.delivered != pointsSent || tympanograms.delivered != tympanogramsSent) {
            const std::string counts = "points " + std::to_string(points.delivered) + " of " + std::to_string(pointsSent) +
                                       ", tympanograms " + std::to_string(tympanograms.delivered) + " of " +
                                       std::to_string(tympanogramsSent);
            state.SkipWithError(("not every record arrived: " + counts).c_str());
        }
        else if (!points.inOrder || !tympanograms.inOrder)
            state.SkipWithError("records arrived out of order");
    }
}
BENCHMARK(BM_Flood)
    ->ArgName("case")
    ->Arg(BothSending)
    ->Arg(AudiometerChattering)
    ->Arg(TympanometerChattering)
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

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
