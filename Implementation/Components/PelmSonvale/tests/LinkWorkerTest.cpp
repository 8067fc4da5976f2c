// Measurements with the fake driver library: connecting, polling, the
// results as events on the client's thread, and stopping at any moment.

#include "testing/FakeDriverControl.h"
#include "LinkTestSupport.h"
#include "PelmSonvale/SonvaleTypes.h"
#include "driver/testing/DriverRecordBuilders.h"
#include "platform/system/MessageWindow.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace pelmsonvale;
using namespace pelmsonvale::testing;
using platform::com::E_FAIL;
using platform::com::S_OK;

constexpr std::int32_t kCaller = 7;

// A point record without status bits.
marlet::DriverPointRecord point(std::int32_t curve, std::int32_t code, std::int32_t frequency, std::int32_t level)
{
    return marlet::testing::pointRecord(curve, code, 0, frequency, level);
}

const marlet::DriverPointRecord kAirLeft1000 = point(marlet::CurveAirLeft, marlet::PointMeasurement, 1000, 25);

std::vector<Variant> plotPointAt(std::int16_t frequency, std::int16_t level)
{
    return {std::int32_t{TAudiCurveType_AC}, std::int32_t{TAudiEar_LEFT}, std::int32_t{TAudiPointType_MeasurementPoint},
            std::int32_t{TAudiPointStatus_Normal}, frequency, level, std::int16_t{-32767}, std::int16_t{-32767}};
}

std::vector<Variant> errorOf(std::int32_t code)
{
    return {code};
}

// How many times the calls name the function.
std::size_t callsOf(const std::string& calls, const std::string& function)
{
    std::size_t count = 0;
    for (auto at = calls.find(function + "("); at != std::string::npos; at = calls.find(function + "(", at + 1))
        ++count;
    return count;
}

// The calls without the worker's reads and instrument selections.
std::string connectCalls(const std::string& calls)
{
    std::string kept;
    for (std::size_t at = 0; at < calls.size();) {
        const std::size_t end = calls.find(' ', at);
        const std::string call = calls.substr(at, end - at + 1);
        if (call.rfind("ReadAudiMeas", 0) != 0 && call.rfind("ChangeInstrumentType", 0) != 0)
            kept += call;
        at = end + 1;
    }
    return kept;
}

class LinkWorker : public ::testing::Test {
protected:
    void SetUp() override
    {
        registerDriver("A", FAKE_DRIVER);
        registerDriver("B", FAKE_FIRST_GENERATION_DRIVER);
        registerDriver("C", "/nonexistent/driver.so");
        controller = makeController();
        ASSERT_TRUE(controller);
        log.emplace(controller.get());
    }

    void TearDown() override
    {
        if (controller) {
            bool active = false;
            controller->get_IsSonvaleActive(&active);
            if (active) {
                TFuncResult result = TFuncResult_fr_OK;
                controller->Stop(&result);
            }
        }
        for (std::thread::id thread : log->threads)
            EXPECT_EQ(thread, std::this_thread::get_id()) << "every event comes on the client's thread";
    }

    void start(std::int32_t index = 0)
    {
        TFuncResult result = TFuncResult_er_NotLegal;
        ASSERT_EQ(controller->Start(index, kCaller, &result), S_OK);
        ASSERT_EQ(result, TFuncResult_fr_OK);
    }

    void stop()
    {
        TFuncResult result = TFuncResult_er_NotLegal;
        EXPECT_EQ(controller->Stop(&result), S_OK);
        EXPECT_EQ(result, TFuncResult_fr_OK);
    }

    bool isActive()
    {
        bool active = false;
        controller->get_IsSonvaleActive(&active);
        return active;
    }

    // Waits until the worker has begun read number `reads` (counted since the
    // last look at the calls), delivering nothing meanwhile.
    bool waitForReads(std::size_t reads)
    {
        std::string calls;
        return waitWithoutDelivering([&] {
            calls += fake.takeCalls();
            return callsOf(calls, "ReadAudiMeas") >= reads;
        });
    }

    FakeDriverControl fake{FAKE_DRIVER};
    FakeDriverControl firstGeneration{FAKE_FIRST_GENERATION_DRIVER};
    ComPtr<ISonvaleController> controller;
    std::optional<EventLog> log;
};

TEST_F(LinkWorker, StartConnectsOnTheClientsThreadOrReportsTheDriversFailure)
{
    const struct {
        const char* name;
        std::int32_t index;
        std::int32_t connectResult;
        std::int32_t pollValue;
        TFuncResult result;
        std::string calls;
    } cases[] = {
        {"connected", 0, 1, 300, TFuncResult_fr_OK, "ReqAudiCon2(7) ReleaseAudiCon() "},
        {"another poll interval", 0, 1, 250, TFuncResult_er_Sonvale, "ReqAudiCon2(7) ReleaseAudiCon() "},
        {"already connected", 0, -9, 300, TFuncResult_er_StillConnected, "ReqAudiCon2(7) ReleaseAudiCon() "},
        {"first generation", 1, 1, 300, TFuncResult_fr_OK, "ReqAudiCon() ReleaseAudiCon() "},
        {"library not loadable", 2, 1, 300, TFuncResult_er_Sonvale, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeDriverControl& driver = c.index == 1 ? firstGeneration : fake;
        driver.script("ConnectResult", c.connectResult);
        driver.script("PollValue", c.pollValue);
        log->events.clear();
        TFuncResult result = TFuncResult_er_NotLegal;
        EXPECT_EQ(controller->Start(c.index, kCaller, &result), S_OK);
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(isActive(), c.result == TFuncResult_fr_OK);
        if (c.result == TFuncResult_fr_OK)
            stop();
        EXPECT_FALSE(isActive());
        EXPECT_EQ(eventIds(*log), std::vector<platform::com::DISPID>{ShutdownComplete});
        EXPECT_EQ(connectCalls(driver.takeCalls()), c.calls);
    }
}

TEST_F(LinkWorker, ConnectFallsBackToTheFirstGenerationCallWhenTheSecondFails)
{
    fake.throwIn("ReqAudiCon2");
    start();
    stop();
    EXPECT_EQ(connectCalls(fake.takeCalls()), "ReqAudiCon2(7) ReqAudiCon() ReleaseAudiCon() ");
}

TEST_F(LinkWorker, ResultsArriveAsEventsInTheOrderTheDriverGaveThem)
{
    const marlet::DriverTestBlock tympanogram = marlet::testing::TestBlockBuilder(marlet::KindTympanogramLeft).block();
    const marlet::DriverTestBlock cursor =
        marlet::testing::TestBlockBuilder(marlet::KindTympanogramLeft).action(1).block();
    fake.queueRead({kAirLeft1000, point(marlet::CurveBoneRight, marlet::PointCursor, 2000, 40),
                    point(marlet::CurveAirLeft, marlet::PointDeleteAllCurves, 0, 0)},
                   {tympanogram, cursor});
    start();
    ASSERT_TRUE(runUntil([&] { return log->events.size() == 5; }));
    EXPECT_EQ(eventIds(*log),
              (std::vector<platform::com::DISPID>{PlotPoint, MoveCursor, DeleteAllCurves, ImpedancePoint, MoveCursor}));
    EXPECT_EQ(log->events[0].second, plotPointAt(1000, 25));
    EXPECT_EQ(log->events[1].second, (std::vector<Variant>{std::int32_t{TAudiCurveType_BC}, std::int32_t{TAudiEar_RIGHT},
                                                           std::int16_t{2000}, std::int16_t{40}}));
    EXPECT_EQ(log->events[3].second.at(0).toLong(), gmQUORREL) << "the model comes from the driver";
    EXPECT_EQ(integers(log->events[4].second), (std::vector<std::int32_t>{0, 0, 0, 0}))
        << "a test block fills no point fields: they stay zero";
    const std::string calls = fake.takeCalls();
    EXPECT_NE(calls.find("ChangeInstrumentType(0) ChangeInstrumentType(0) ChangeInstrumentType(0) "
                         "ChangeInstrumentType(1) InstrumentModel() ChangeInstrumentType(1)"),
              std::string::npos)
        << calls;
}

TEST_F(LinkWorker, AReadThatCannotBeTrustedIsRefusedWholeAndPollingGoesOn)
{
    const std::vector<marlet::DriverPointRecord> eleven(11, kAirLeft1000);
    const std::vector<marlet::DriverTestBlock> elevenBlocks(11);
    const struct {
        const char* name;
        std::vector<marlet::DriverPointRecord> points;
        std::int32_t pointCount;
        std::vector<marlet::DriverTestBlock> blocks;
        std::int32_t blockCount;
    } cases[] = {
        {"eleven points", eleven, 11, {}, 0},
        {"a negative count", {kAirLeft1000}, -1, {}, 0},
        {"points written past the ten", eleven, 1, {}, 0},
        {"eleven blocks", {}, 0, elevenBlocks, 11},
        {"blocks written past the ten", {}, 0, elevenBlocks, 0},
    };
    for (const auto& c : cases)
        fake.queueRead(c.points, c.pointCount, c.blocks, c.blockCount);
    fake.queueRead({point(marlet::CurveAirLeft, marlet::PointMeasurement, 500, 10)});
    start();
    ASSERT_TRUE(runUntil([&] { return countOf(*log, PlotPoint) == 1; }));
    ASSERT_EQ(log->events.size(), std::size(cases) + 1);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(log->events[i].first, SonvaleError) << cases[i].name;
        EXPECT_EQ(log->events[i].second, errorOf(TFuncResult_er_Sonvale)) << cases[i].name;
    }
    EXPECT_EQ(log->events.back().second, plotPointAt(500, 10));
}

TEST_F(LinkWorker, AFailedReadEndsPollingAndTheLinkWaitsForStop)
{
    fake.script("ReadResult", TFuncResult_er_NoConnection);
    start();
    ASSERT_TRUE(runUntil([&] { return !log->events.empty(); }));
    EXPECT_TRUE(isActive());
    stop();
    EXPECT_EQ(eventIds(*log), (std::vector<platform::com::DISPID>{SonvaleError, ShutdownComplete}));
    EXPECT_EQ(log->events[0].second, errorOf(TFuncResult_er_NoConnection));
    EXPECT_EQ(callsOf(fake.takeCalls(), "ReadAudiMeas"), 1u);
}

TEST_F(LinkWorker, MeasurementCompleteComesThroughTheControllersWindowAndItsHandlerMayStop)
{
    fake.queueRead({kAirLeft1000, point(marlet::CurveAirLeft, marlet::PointMeasurementComplete, 0, 0)});
    HRESULT stopped = E_FAIL;
    TFuncResult stopResult = TFuncResult_er_NotLegal;
    log->onEvent = [&](platform::com::DISPID event) {
        if (event == MeasurementComplete)
            stopped = controller->Stop(&stopResult);
    };
    start();
    ASSERT_TRUE(runUntil([&] { return countOf(*log, ShutdownComplete) == 1; }));
    EXPECT_EQ(stopped, S_OK);
    EXPECT_EQ(stopResult, TFuncResult_fr_OK);
    EXPECT_EQ(eventIds(*log), (std::vector<platform::com::DISPID>{PlotPoint, MeasurementComplete, ShutdownComplete}));
    EXPECT_FALSE(isActive());
}

TEST_F(LinkWorker, ALateMeasurementCompleteIsDropped)
{
    fake.queueRead({point(marlet::CurveAirLeft, marlet::PointMeasurementComplete, 0, 0)});
    start();
    ASSERT_TRUE(waitForReads(2));
    stop();  // delivers the report to the thread window, which passes it on
    fake.queueRead({kAirLeft1000});
    start();
    ASSERT_TRUE(runUntil([&] { return countOf(*log, PlotPoint) == 1; }));
    stop();
    EXPECT_EQ(eventIds(*log), (std::vector<platform::com::DISPID>{ShutdownComplete, PlotPoint, ShutdownComplete}));
}

TEST_F(LinkWorker, OneDriverRunsPerProcess)
{
    start();
    const auto other = makeController();
    TFuncResult result = TFuncResult_fr_OK;
    EXPECT_EQ(other->Start(0, kCaller, &result), E_FAIL);
    EXPECT_EQ(result, TFuncResult_er_Sonvale);
    EXPECT_EQ(controller->Start(0, kCaller, &result), E_FAIL);
    stop();
}

TEST_F(LinkWorker, StopRightAfterStartWithoutDeliveringAnything)
{
    start();
    stop();
    EXPECT_EQ(eventIds(*log), std::vector<platform::com::DISPID>{ShutdownComplete});
    EXPECT_EQ(connectCalls(fake.takeCalls()), "ReqAudiCon2(7) ReleaseAudiCon() ");
}

TEST_F(LinkWorker, TheDriversOwnStopAlwaysAsksThePollingWorkerToStop)
{
    start();
    ComPtr<ISonvaleDriver> driver;
    ASSERT_EQ(controller->get_ActiveDriver(driver.put()), S_OK);
    TFuncResult result = TFuncResult_er_NotLegal;  // not the value 1 that the controller passes
    EXPECT_EQ(driver->Stop(&result), S_OK);
    EXPECT_EQ(result, TFuncResult_fr_OK);
    EXPECT_FALSE(isActive());
    EXPECT_EQ(eventIds(*log), std::vector<platform::com::DISPID>{ShutdownComplete});
}

TEST_F(LinkWorker, StopDuringASlowReadWaitsForTheReadAndShowsItsResult)
{
    fake.script("ReadDelay", 400);
    fake.queueRead({kAirLeft1000});
    start();
    ASSERT_TRUE(waitForReads(1));
    stop();
    EXPECT_EQ(eventIds(*log), (std::vector<platform::com::DISPID>{PlotPoint, ShutdownComplete}));
}

TEST_F(LinkWorker, AReadThatDoesNotEndIsLeftBehindAndEndsOnItsOwnDeliveringNothing)
{
    fake.script("ReadDelay", 3000);
    fake.queueRead({kAirLeft1000});
    start();
    ASSERT_TRUE(waitForReads(1));
    const auto stopped = std::chrono::steady_clock::now();
    stop();
    fake.script("ReadDelay", 0);
    // A generous bound: the host must not freeze for the read.
    EXPECT_LT(std::chrono::steady_clock::now() - stopped, std::chrono::seconds(1));
    EXPECT_FALSE(isActive());
    EXPECT_EQ(eventIds(*log), std::vector<platform::com::DISPID>{ShutdownComplete});

    // While the read goes on, the driver is still connected: nothing else
    // starts or is set up beside it.
    TFuncResult result = TFuncResult_fr_OK;
    EXPECT_EQ(controller->Start(0, kCaller, &result), S_OK);
    EXPECT_EQ(result, TFuncResult_er_StillConnected);
    EXPECT_EQ(controller->SetupAudi(0, kCaller, &result), S_OK);
    EXPECT_EQ(result, TFuncResult_er_StillConnected);
    std::string calls = fake.takeCalls();
    EXPECT_EQ(connectCalls(calls), "") << "no release, set-up or connect while the read runs";

    // Once the read has ended, the driver is released on the client's thread
    // and what it read is never delivered.
    ASSERT_TRUE(runUntil([&] {
        calls += fake.takeCalls();
        return callsOf(calls, "ReleaseAudiCon") == 1;
    }));
    EXPECT_TRUE(fake.releasedOnThisThread());
    ASSERT_TRUE(runUntil([&] { return controller->Start(0, kCaller, &result) == S_OK && result == TFuncResult_fr_OK; }))
        << "a driver starts again once the run left behind has ended";
    stop();
    EXPECT_EQ(eventIds(*log), (std::vector<platform::com::DISPID>{ShutdownComplete, ShutdownComplete}));
}

TEST_F(LinkWorker, ReleasingTheControllerDuringAReadThatDoesNotEndReturnsAtOnce)
{
    fake.script("ReadDelay", 2000);
    start();
    ASSERT_TRUE(waitForReads(1));
    fake.script("ReadDelay", 0);
    const auto closing = std::chrono::steady_clock::now();
    controller.reset();  // the document closes
    EXPECT_LT(std::chrono::steady_clock::now() - closing, std::chrono::seconds(1));
    EXPECT_EQ(eventIds(*log), std::vector<platform::com::DISPID>{ShutdownComplete});
    std::string calls;
    EXPECT_TRUE(runUntil([&] {
        calls += fake.takeCalls();
        return callsOf(calls, "ReleaseAudiCon") == 1;
    })) << "the driver is released once its read has ended";
    EXPECT_TRUE(fake.releasedOnThisThread());

    controller = makeController();
    log.emplace(controller.get());
    TFuncResult result = TFuncResult_er_NotLegal;
    ASSERT_TRUE(runUntil([&] { return controller->Start(0, kCaller, &result) == S_OK && result == TFuncResult_fr_OK; }))
        << "the next document starts a driver once the run left behind has ended";
    stop();
}

TEST_F(LinkWorker, ResultsStillQueuedAtStopAreDeliveredInOrderBeforeTheShutdown)
{
    fake.queueRead({point(marlet::CurveAirLeft, marlet::PointMeasurement, 250, 5),
                    point(marlet::CurveAirLeft, marlet::PointMeasurement, 500, 10),
                    point(marlet::CurveAirLeft, marlet::PointMeasurement, 1000, 15)});
    start();
    ASSERT_TRUE(waitForReads(2));
    stop();
    ASSERT_EQ(eventIds(*log), (std::vector<platform::com::DISPID>{PlotPoint, PlotPoint, PlotPoint, ShutdownComplete}));
    EXPECT_EQ(log->events[0].second, plotPointAt(250, 5));
    EXPECT_EQ(log->events[2].second, plotPointAt(1000, 15));
}

TEST_F(LinkWorker, AResultsHandlerMayStopAndTheResultsAfterItAreStillDelivered)
{
    fake.queueRead({kAirLeft1000, kAirLeft1000, kAirLeft1000});
    std::vector<HRESULT> stops;
    log->onEvent = [&](platform::com::DISPID event) {
        if (event == PlotPoint) {
            TFuncResult result = TFuncResult_er_NotLegal;
            stops.push_back(controller->Stop(&result));
        }
    };
    start();
    ASSERT_TRUE(runUntil([&] { return countOf(*log, ShutdownComplete) == 1; }));
    EXPECT_EQ(eventIds(*log), (std::vector<platform::com::DISPID>{PlotPoint, PlotPoint, PlotPoint, ShutdownComplete}));
    EXPECT_EQ(stops, (std::vector<HRESULT>{E_FAIL, E_FAIL, S_OK})) << "the stop that runs refuses the others";
    EXPECT_FALSE(isActive());
}

TEST_F(LinkWorker, ReleasingTheControllerStopsTheRunningDriver)
{
    fake.queueRead({kAirLeft1000});
    start();
    ASSERT_TRUE(waitForReads(2));
    controller.reset();
    EXPECT_EQ(eventIds(*log), (std::vector<platform::com::DISPID>{PlotPoint, ShutdownComplete}));
    EXPECT_EQ(publishedWindow(), 0u);
    EXPECT_EQ(callsOf(fake.takeCalls(), "ReleaseAudiCon"), 1u);
}

TEST_F(LinkWorker, AnIdleWorkerReadsOncePerPollInterval)
{
    start();
    ASSERT_TRUE(waitForReads(1));
    std::string calls;
    // Some reads in a second, not the many thousands of a worker that spins.
    ASSERT_FALSE(waitWithoutDelivering(
        [&] {
            calls += fake.takeCalls();
            return callsOf(calls, "ReadAudiMeas") > 6;
        },
        std::chrono::milliseconds(1000)));
    stop();
}

}  // namespace
