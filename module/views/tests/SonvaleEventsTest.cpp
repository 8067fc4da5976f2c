#include "module/views/SonvaleEvents.h"

#include "module/views/tests/LinkTestSupport.h"

#include "Implementation/Components/PelmSonvale/testing/FakeDriverControl.h"
#include "PelmSonvale/SonvaleTypes.h"
#include "driver/testing/DriverRecordBuilders.h"

#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace brisance {
namespace {

using namespace pelmsonvale;
using marlet::testing::TestBlockBuilder;
using Events = std::vector<std::string>;

const marlet::DriverPointRecord kAirLeft1000 =
    marlet::testing::pointRecord(marlet::CurveAirLeft, marlet::PointMeasurement, 0, 1000, 25);

// The link with the fake driver and a subscription on it; the link counts
// the events after the subscription has had them.
class SonvaleEventsTest : public ::testing::Test {
protected:
    SonvaleEventsTest() : events(std::make_unique<SonvaleEvents>(link.Controller())) { link.CountEvents(); }

    bool firedAtLeast(std::size_t count) const { return link.WaitForEvents(count); }

    pelmsonvale::testing::FakeDriverControl fake{FAKE_DRIVER_PATH};
    testing::SonvaleLink link{FAKE_DRIVER_PATH};
    QWidget owner;
    std::unique_ptr<SonvaleEvents> events;
    Events heard;
};

TEST_F(SonvaleEventsTest, EventsBecomeSignalsWithTheirArgumentsInTheOrderTheyCame)
{
    QObject::connect(events.get(), &SonvaleEvents::PlotPoint,
                     [this](std::int32_t curve, std::int32_t ear, std::int32_t type, std::int32_t status,
                            std::int16_t f1, std::int16_t i1, std::int16_t f2, std::int16_t i2) {
                         heard.push_back("PlotPoint " + std::to_string(curve) + " " + std::to_string(ear) + " "
                                         + std::to_string(type) + " " + std::to_string(status) + " "
                                         + std::to_string(f1) + " " + std::to_string(i1) + " " + std::to_string(f2)
                                         + " " + std::to_string(i2));
                     });
    QObject::connect(events.get(), &SonvaleEvents::ImpedancePoint, [this](const ImpedancePointArgs& a) {
        heard.push_back("ImpedancePoint " + std::to_string(a.Ear) + " " + std::to_string(a.PointType) + " "
                        + std::to_string(a.ActionType) + " " + std::to_string(a.Pressure[0]) + " "
                        + std::to_string(a.Pressure[1]) + " " + std::to_string(a.CanalVolume) + " "
                        + std::to_string(a.PeakCompliance[1]) + " " + std::to_string(a.GradientVal[2]) + " "
                        + std::to_string(a.ValidTest[0]) + std::to_string(a.ValidTest[1])
                        + std::to_string(a.ValidTest[2]) + " " + std::to_string(a.ProbeTone));
    });
    QObject::connect(events.get(), &SonvaleEvents::ReflexPoint, [this](const ReflexPointArgs& a) {
        heard.push_back("ReflexPoint " + std::to_string(a.Ear) + " " + std::to_string(a.Threshold) + " "
                        + std::to_string(a.ValidReflexPoint) + " " + std::to_string(a.SignalType) + " "
                        + std::to_string(a.IsReflexScreenPoint) + " " + std::to_string(a.ReflexTestType));
    });
    QObject::connect(events.get(), &SonvaleEvents::DecayPoint, [this](const DecayPointArgs& a) {
        heard.push_back("DecayPoint " + std::to_string(a.Ear) + " " + std::to_string(a.DecayDetected) + " "
                        + std::to_string(a.SignalType) + " " + std::to_string(a.ReflexTestType));
    });
    QObject::connect(events.get(), &SonvaleEvents::SonvaleError,
                     [this](std::int32_t result) { heard.push_back("SonvaleError " + std::to_string(result)); });
    QObject::connect(events.get(), &SonvaleEvents::ShutdownComplete, [this] { heard.push_back("ShutdownComplete"); });

    // A point code the link does not know makes its record unusable.
    const marlet::DriverPointRecord unusable = marlet::testing::pointRecord(marlet::CurveAirLeft, 6, 0, 1000, 25);
    fake.queueRead({kAirLeft1000, unusable},
                   {TestBlockBuilder(marlet::KindTympanogramRight)
                        .summary(0, {.peakCompliance = 705, .volume = 1200, .pressure = -50, .probeTone = 1})
                        .summary(1, {.peakCompliance = 640, .pressure = 405, .valid = 0})
                        .summary(2, {.gradient = 11565})
                        .block(),
                    TestBlockBuilder(marlet::KindIpsiScreeningLeft).reflex(402, 1).block(),
                    TestBlockBuilder(marlet::KindContraDecayRight).reflex(1, 2).block()});
    link.Start(owner);
    ASSERT_TRUE(firedAtLeast(5));
    link.Stop();
    EXPECT_EQ(heard, (Events{"PlotPoint 1 3 1 1 1000 25 -32767 -32767",
                             "SonvaleError -15",
                             "ImpedancePoint 16 1 1 -50 405 1200 640 11565 101 678",
                             "ReflexPoint 15 402 1 3 1 1",
                             "DecayPoint 16 1 3 2",
                             "ShutdownComplete"}));
}

TEST_F(SonvaleEventsTest, AnEventThatComesWhileAHandlerRunsWaitsUntilItHasReturned)
{
    QObject::connect(events.get(), &SonvaleEvents::PlotPoint, [this] {
        heard.push_back("PlotPoint begins");
        // The handler's own event loop, as a message box or dialog runs one,
        // in which the controller fires the two later events (this event
        // reaches the test's sink only after the handler).
        EXPECT_TRUE(firedAtLeast(2));
        heard.push_back("PlotPoint ends");
    });
    QObject::connect(events.get(), &SonvaleEvents::ImpedancePoint, [this] { heard.push_back("ImpedancePoint"); });
    QObject::connect(events.get(), &SonvaleEvents::DecayPoint, [this] { heard.push_back("DecayPoint"); });

    fake.queueRead({kAirLeft1000}, {TestBlockBuilder(marlet::KindTympanogramLeft).block(),
                                    TestBlockBuilder(marlet::KindIpsiDecayLeft).block()});
    link.Start(owner);
    ASSERT_TRUE(QTest::qWaitFor([&] { return heard.size() == 4; }, 5000));
    EXPECT_EQ(heard, (Events{"PlotPoint begins", "PlotPoint ends", "ImpedancePoint", "DecayPoint"}));
}

TEST_F(SonvaleEventsTest, ASubscriptionEndedByItsOwnHandlerHearsNothingMore)
{
    int handled = 0;
    QObject::connect(events.get(), &SonvaleEvents::PlotPoint, [&] {
        ++handled;
        events.reset();
    });
    fake.queueRead({kAirLeft1000, kAirLeft1000, kAirLeft1000});
    link.Start(owner);
    ASSERT_TRUE(firedAtLeast(3));
    EXPECT_EQ(handled, 1);
}

}  // namespace
}  // namespace brisance
