// A driver library for the tests: it exports the driver functions (all of
// them, or without the second-generation ones when built with
// FAKE_DRIVER_FIRST_GENERATION), notes every call it gets, and answers as the
// test scripts it through the Fake* functions. A test loads the library
// itself as well, so the script and the notes live while the test runs.

#include "marlet/DriverExports.h"

#include <chrono>
#include <cstdint>
#include <algorithm>
#include <deque>
#include <map>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace {

std::mutex g_mutex;
std::string g_calls;
std::string g_throwingFunction;
std::map<std::string, std::int32_t> g_script{
    {"ConnectResult", 1}, {"PollValue", 300}, {"SetupResult", 1}, {"ReadResult", 1}, {"Model", 3}, {"ReadDelay", 0},
};

// One scripted ReadAudiMeas: what it writes into the buffers and the counts
// it reports, which need not agree.
struct ScriptedRead {
    std::vector<marlet::DriverPointRecord> points;
    std::int32_t pointCount;
    std::vector<marlet::DriverTestBlock> blocks;
    std::int32_t blockCount;
};
std::deque<ScriptedRead> g_reads;
// The thread of the last ReleaseAudiCon, as std::hash gives it.
std::size_t g_releaseThread = 0;

// Notes the call and throws when the test asked this function to.
void note(const std::string& function, const std::string& arguments = {})
{
    std::lock_guard lock(g_mutex);
    g_calls += function + "(" + arguments + ") ";
    if (function == g_throwingFunction)
        throw std::runtime_error("the fake driver fails in " + function);
}

std::int32_t scripted(const char* key)
{
    std::lock_guard lock(g_mutex);
    return g_script.at(key);
}

std::int32_t connect(std::int16_t* pollValue)
{
    *pollValue = static_cast<std::int16_t>(scripted("PollValue"));
    return scripted("ConnectResult");
}

}  // namespace

extern "C" {

// Sets what a function answers: "ConnectResult", "PollValue", "SetupResult",
// "ReadResult", "Model"; "ReadDelay" makes each read take that many
// milliseconds.
[[gnu::visibility("default")]] void FakeScript(const char* key, std::int32_t value)
{
    std::lock_guard lock(g_mutex);
    g_script[key] = value;
}

// Makes the named function throw from now on ("" for none).
[[gnu::visibility("default")]] void FakeThrowIn(const char* function)
{
    std::lock_guard lock(g_mutex);
    g_throwingFunction = function;
}

// The calls so far, each as "Name(arguments) ", and forgets them.
[[gnu::visibility("default")]] const char* FakeTakeCalls()
{
    static std::string taken;
    std::lock_guard lock(g_mutex);
    taken = std::move(g_calls);
    g_calls.clear();
    return taken.c_str();
}

// Queues a read that writes these points and blocks into the buffers (as
// many as given, the maximum or not) and reports these counts. Reads beyond
// the queued ones hand out nothing.
[[gnu::visibility("default")]] void FakeQueueRead(const marlet::DriverPointRecord* points, std::int32_t pointsWritten,
                                                  std::int32_t pointCount, const marlet::DriverTestBlock* blocks,
                                                  std::int32_t blocksWritten, std::int32_t blockCount)
{
    std::lock_guard lock(g_mutex);
    g_reads.push_back({{points, points + pointsWritten}, pointCount, {blocks, blocks + blocksWritten}, blockCount});
}

std::int32_t ReqAudiCon(std::int16_t* pollValue)
{
    note("ReqAudiCon");
    return connect(pollValue);
}

// The thread that made the last ReleaseAudiCon, as std::hash gives it; 0 for none.
[[gnu::visibility("default")]] std::size_t FakeReleaseThread()
{
    std::lock_guard lock(g_mutex);
    return g_releaseThread;
}

std::int32_t ReleaseAudiCon()
{
    note("ReleaseAudiCon");
    std::lock_guard lock(g_mutex);
    g_releaseThread = std::hash<std::thread::id>{}(std::this_thread::get_id());
    return 1;
}

std::int32_t ReadAudiMeas(marlet::DriverPointRecord* points, std::int32_t maximum, std::int32_t* pointCount,
                          std::int32_t* blockCount, marlet::DriverTestBlock* blocks)
{
    note("ReadAudiMeas", std::to_string(maximum));
    std::this_thread::sleep_for(std::chrono::milliseconds(scripted("ReadDelay")));
    *pointCount = 0;
    *blockCount = 0;
    std::lock_guard lock(g_mutex);
    if (g_script.at("ReadResult") == 1 && !g_reads.empty()) {
        const ScriptedRead read = std::move(g_reads.front());
        g_reads.pop_front();
        std::copy(read.points.begin(), read.points.end(), points);
        std::copy(read.blocks.begin(), read.blocks.end(), blocks);
        *pointCount = read.pointCount;
        *blockCount = read.blockCount;
    }
    return g_script.at("ReadResult");
}

std::int32_t InstrumentModel()
{
    note("InstrumentModel");
    return scripted("Model");
}

std::int32_t ChangeInstrumentType(std::int32_t selector)
{
    note("ChangeInstrumentType", std::to_string(selector));
    return selector;
}

std::int32_t SetupAudi()
{
    note("SetupAudi");
    return scripted("SetupResult");
}

#ifndef FAKE_DRIVER_FIRST_GENERATION

std::int32_t ReqAudiCon2(std::int16_t* pollValue, marlet::WindowHandle owner)
{
    note("ReqAudiCon2", std::to_string(owner));
    return connect(pollValue);
}

std::int32_t SetupAudi2(marlet::WindowHandle owner)
{
    note("SetupAudi2", std::to_string(owner));
    return scripted("SetupResult");
}

#endif

}  // extern "C"
