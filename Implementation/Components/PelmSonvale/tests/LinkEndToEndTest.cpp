// A measurement from simulated instruments to the client's events: Marlet
// registered as the driver, its ports mapped to the simulator's terminals,
// the controller created by class id and started with a window of the test.
// Each test runs in its own process with a fresh simulator, since a terminal
// cannot keep a 7-bit line setting for a second connect.

#include "LinkTestSupport.h"
#include "testing/MarletSetUp.h"
#include "PelmSonvale/ClassIds.h"
#include "PelmSonvale/SonvaleTypes.h"
#include "platform/com/Creation.h"
#include "platform/com/ServerLibraries.h"
#include "platform/ui/WindowHandle.h"
#include "tools/instrument-sim/AudiometerRecords.h"
#include "tools/instrument-sim/Instrument.h"
#include "tools/instrument-sim/TympanometerRecords.h"

#include <QDialog>
#include <QLabel>
#include <QWidget>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <optional>
#include <thread>

namespace {

using namespace pelmsonvale;
using namespace pelmsonvale::testing;
using platform::com::S_OK;
namespace sim = instrument_sim;

std::vector<Variant> plotPoint(std::int32_t curve, std::int32_t ear, std::int16_t frequency, std::int16_t level)
{
    return {curve, ear, std::int32_t{TAudiPointType_MeasurementPoint}, std::int32_t{TAudiPointStatus_Normal},
            frequency, level, std::int16_t{-32767}, std::int16_t{-32767}};
}

class LinkEndToEnd : public ::testing::Test {
protected:
    // The instruments on COM3 and COM4, Marlet set to use them, the link
    // started with the test's window as the owner.
    void start(marlet::ModelIndex audiometerModel, marlet::ModelIndex tympanometerModel)
    {
        if (audiometerModel != marlet::ModelNone)
            audiometer.emplace(audiometerModel, "COM3");
        if (tympanometerModel != marlet::ModelNone)
            tympanometer.emplace(tympanometerModel, "COM4");
        setUpMarlet("marlet", audiometerModel, tympanometerModel);
        registerDriver("MRL", MARLET_LIBRARY);
        platform::com::ServerEntryPoints server;
        ASSERT_EQ(platform::com::loadServer(PELMSONVALE_LIBRARY, &server), S_OK);
        ASSERT_EQ(server.registerServer(), S_OK);

        ASSERT_EQ(platform::com::createInstance(kSonvaleControllerClsid, ISonvaleController::iid,
                                                controller.putVoid()),
                  S_OK);
        log.emplace(controller.get());
        window.resize(600, 400);
        TFuncResult result = TFuncResult_er_NotLegal;
        ASSERT_EQ(controller->Start(0, static_cast<std::int32_t>(platform::ui::windowHandle(&window)), &result), S_OK);
        ASSERT_EQ(result, TFuncResult_fr_OK);
        EXPECT_FALSE(window.findChildren<QDialog*>().isEmpty()) << "the status dialog is the window's child";
    }

    void TearDown() override
    {
        if (controller) {
            TFuncResult result = TFuncResult_er_NotLegal;
            EXPECT_EQ(controller->Stop(&result), S_OK);
            EXPECT_EQ(result, TFuncResult_fr_OK);
            EXPECT_EQ(log->events.back().first, ShutdownComplete);
            for (std::thread::id thread : log->threads)
                EXPECT_EQ(thread, std::this_thread::get_id());
        }
    }

    // Sends the head of a record, then nothing more or (`trickles`) a byte
    // every 2 s, and stops while the driver waits for the rest.
    void stopInsideARecord(sim::Instrument& instrument, const char* statusField, const char* head, bool trickles)
    {
        instrument.send(head);
        const QLabel* status = window.findChild<QLabel*>(statusField);
        ASSERT_NE(status, nullptr);
        ASSERT_TRUE(runUntil([&] { return status->text() == "Reading Message"; })) << "the driver is inside the record";
        std::atomic<bool> trickling = trickles;
        std::thread trickle([&] {
            for (int tick = 1; trickling; ++tick) {
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
                if (trickling && tick % 20 == 0)
                    instrument.send("0");
            }
        });

        const auto stopping = std::chrono::steady_clock::now();
        TFuncResult result = TFuncResult_er_NotLegal;
        EXPECT_EQ(controller->Stop(&result), S_OK);
        EXPECT_EQ(result, TFuncResult_fr_OK);
        // A generous bound: the host gets its thread back.
        EXPECT_LT(std::chrono::steady_clock::now() - stopping, std::chrono::seconds(1));
        EXPECT_EQ(eventIds(*log), std::vector<platform::com::DISPID>{ShutdownComplete});

        // Until the read left behind ends, its driver is still connected.
        EXPECT_EQ(controller->Start(0, windowHandle(), &result), S_OK);
        EXPECT_EQ(result, TFuncResult_er_StillConnected);

        // It ends once the line goes; the driver is then released (its
        // status dialog goes), nothing of it reaches the client, and a driver
        // starts again.
        trickling = false;
        trickle.join();
        const marlet::ModelIndex model = instrument.persona().model;
        std::optional<sim::Instrument>& slot = audiometer ? audiometer : tympanometer;
        slot.reset();
        EXPECT_TRUE(runUntil([&] { return window.findChildren<QDialog*>().isEmpty(); }));
        EXPECT_EQ(eventIds(*log), std::vector<platform::com::DISPID>{ShutdownComplete});
        slot.emplace(model, &slot == &audiometer ? "COM3" : "COM4");
        EXPECT_TRUE(runUntil([&] {
            return controller->Start(0, windowHandle(), &result) == S_OK && result == TFuncResult_fr_OK;
        }));
    }

    std::int32_t windowHandle() { return static_cast<std::int32_t>(platform::ui::windowHandle(&window)); }

    bool receive(std::size_t events)
    {
        return runUntil([&] { return log->events.size() >= events; });
    }

    QWidget window;
    std::optional<sim::Instrument> audiometer;
    std::optional<sim::Instrument> tympanometer;
    ComPtr<ISonvaleController> controller;
    std::optional<EventLog> log;
};

TEST_F(LinkEndToEnd, ATessilTonePointBecomesAPlotPoint)
{
    start(marlet::ModelTessil, marlet::ModelNone);
    audiometer->send(sim::tonePoint({.levelA = 250}));
    ASSERT_TRUE(receive(1));
    EXPECT_EQ(log->events[0].first, PlotPoint);
    EXPECT_EQ(log->events[0].second, plotPoint(TAudiCurveType_AC, TAudiEar_LEFT, 1000, 25));
}

TEST_F(LinkEndToEnd, AHalvecTransferThenASinglePointMovesTheCursor)
{
    start(marlet::ModelHalvec, marlet::ModelNone);
    std::array<sim::CurveValues, 13> left{};
    left[2].air = 200;  // 500 Hz
    left[4].air = 300;  // 1000 Hz
    audiometer->send(sim::wholeCurve(left, {}));
    ASSERT_TRUE(receive(2));
    audiometer->send(sim::tonePoint({.type = '5', .levelA = 250}));
    ASSERT_TRUE(receive(3));
    EXPECT_EQ(eventIds(*log), (std::vector<platform::com::DISPID>{PlotPoint, PlotPoint, MoveCursor}));
    EXPECT_EQ(log->events[0].second, plotPoint(TAudiCurveType_AC, TAudiEar_LEFT, 500, 20));
    EXPECT_EQ(log->events[1].second, plotPoint(TAudiCurveType_AC, TAudiEar_LEFT, 1000, 30));
    EXPECT_EQ(integers(log->events[2].second), (std::vector<std::int32_t>{TAudiCurveType_AC, TAudiEar_LEFT, 1000, 25}));
}

TEST_F(LinkEndToEnd, AQuorrelTympanogramAndReflexCarryTheirModelAndStimulus)
{
    start(marlet::ModelNone, marlet::ModelQuorrelV2);
    tympanometer->send(sim::multiTympanogram({.summaries = {{.compliance = 70, .pressure = -50}}}));
    ASSERT_TRUE(receive(1));
    tympanometer->send(sim::reflexThresholds({}, sim::ReflexThreshold{.stimulus = 2, .threshold = 95}, std::nullopt));
    ASSERT_TRUE(receive(2));
    EXPECT_EQ(eventIds(*log), (std::vector<platform::com::DISPID>{ImpedancePoint, ReflexPoint}));
    EXPECT_EQ(log->events[0].second.at(0).toLong(), gmQUORREL);
    EXPECT_EQ(log->events[0].second.at(4).toLong(), 15) << "left ear";
    EXPECT_EQ(log->events[0].second.at(6).toLong(), -50) << "pressure";
    const std::vector<Variant>& reflex = log->events[1].second;
    EXPECT_EQ(reflex.at(0).toLong(), gmQUORREL);
    EXPECT_EQ(reflex.at(4).toLong(), 95) << "threshold";
    EXPECT_EQ(reflex.at(6).toLong(), 3) << "stimulus 1 kHz";
}

TEST_F(LinkEndToEnd, EachTestBlockCarriesTheModelOfTheInstrumentThatSentIt)
{
    start(marlet::ModelPyrel, marlet::ModelQuorrelV2);
    audiometer->send(sim::tympanogram({}));
    ASSERT_TRUE(receive(1));
    tympanometer->send(sim::reflexThresholds({}, sim::ReflexThreshold{.threshold = 90}, std::nullopt));
    ASSERT_TRUE(receive(2));
    EXPECT_EQ(eventIds(*log), (std::vector<platform::com::DISPID>{ImpedancePoint, ReflexPoint}));
    EXPECT_EQ(log->events[0].second.at(0).toLong(), gmPyrel);
    EXPECT_EQ(log->events[1].second.at(0).toLong(), gmQUORREL);
}

// A line that stops inside a record: a ':' of a long record type and then
// silence keeps the driver's read waiting for about a minute; the bytes of a
// '|' record that trickle in under 3 s apart keep it for as long as they come.
// Stop returns at once all the same, and nothing of that run comes after it.
TEST_F(LinkEndToEnd, StopReturnsAtOnceWhileAnAudiometerRecordStopsAfterItsType)
{
    start(marlet::ModelTessil, marlet::ModelNone);
    stopInsideARecord(*audiometer, "2046", ":6", false);
}

TEST_F(LinkEndToEnd, StopReturnsAtOnceWhileATympanometerRecordTrickles)
{
    start(marlet::ModelNone, marlet::ModelQuorrelV2);
    stopInsideARecord(*tympanometer, "2049", "|1", true);
}

TEST_F(LinkEndToEnd, StopWhileTheInstrumentStreamsGarbage)
{
    start(marlet::ModelTessil, marlet::ModelNone);
    audiometer->startGarbage();
    // Let the driver read garbage for a few poll intervals; TearDown then
    // stops and expects ShutdownComplete.
    runUntil([] { return false; }, std::chrono::milliseconds(1000));
}

}  // namespace
