// A Halvec sends a whole curve with both air-conduction and sound-field
// values while its ACCurveAsk is "YES": the transfer waits for the user's
// pick, through ReadAudiMeas after ReadAudiMeas, without blocking them.

#include "driver/PickCurveDialog.h"
#include "driver/tests/ConnectedDriver.h"
#include "platform/testing/ModalDialogs.h"
#include "tools/instrument-sim/AudiometerRecords.h"

#include <QApplication>
#include <QPointer>

#include <chrono>
#include <vector>

namespace marlet::testing {
namespace {

namespace sim = instrument_sim;
using platform::testing::child;
using platform::testing::click;
using platform::testing::processUntil;

constexpr milliseconds kAnswerWait{1500};
constexpr milliseconds kQuiet{300};
constexpr std::chrono::seconds kReadLimit{10};

struct Point {
    std::int32_t typeWord;
    std::int32_t frequency;
    std::int32_t level;
    friend bool operator==(const Point&, const Point&) = default;
    friend void PrintTo(const Point& p, std::ostream* out)
    {
        *out << '{' << p.typeWord << ", " << p.frequency << " Hz, " << p.level << " dB}";
    }
};

std::vector<Point> pointsOf(const Reading& reading)
{
    std::vector<Point> points;
    for (const DriverPointRecord& record : reading.points)
        points.push_back({record.TypeWord, record.Frequency, record.Level});
    return points;
}

// Left: air 30 and sound field 45 dB at 1000 Hz. Right: air 20, sound field
// 35 and bone 10 dB at 2000 Hz.
sim::Frame bothCurves()
{
    std::array<sim::CurveValues, 13> left{};
    std::array<sim::CurveValues, 13> right{};
    left[4] = {.air = 300, .soundField = 450};
    right[6] = {.air = 200, .bone = 100, .soundField = 350};
    return sim::wholeCurve(left, right);
}

// Right ear first; bone values stay whichever curve is picked.
const std::vector<Point> kSoundFieldPoints{
    {CurveSoundFieldRight, 2000, 35}, {CurveBoneRight, 2000, 10}, {CurveSoundFieldLeft, 1000, 45}};
const std::vector<Point> kAirPoints{{CurveAirRight, 2000, 20}, {CurveBoneRight, 2000, 10}, {CurveAirLeft, 1000, 30}};

class PickCurveEndToEndTest : public ConnectedDriver {
protected:
    // A connected Halvec that asks which AC curve to keep.
    void connectAskingHalvec()
    {
        connect(ModelHalvec, ModelNone);
        library->settings().update([](SettingsValues& values) { values.models[ModelHalvec].acCurveAsk = "YES"; });
    }

    // The pick dialog on screen, or none.
    static PickCurveDialog* openPick()
    {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* pick = dynamic_cast<PickCurveDialog*>(window); pick && pick->isVisible())
                return pick;
        }
        return nullptr;
    }

    // The transfer is read, and the question comes up while ReadAudiMeas
    // hands out nothing.
    void sendAndAwaitQuestion()
    {
        audiometer->send(bothCurves());
        EXPECT_TRUE(read().points.empty());
        ASSERT_TRUE(processUntil([] { return openPick() != nullptr; }));
    }

    // Reads until a read hands out points, or the limit has passed.
    Reading readUntilPoints()
    {
        const auto deadline = std::chrono::steady_clock::now() + kReadLimit;
        Reading reading = read();
        while (reading.points.empty() && std::chrono::steady_clock::now() < deadline)
            reading = read();
        return reading;
    }
};

struct PickCase {
    const char* name;
    const char* choice;
    const char* button;
    std::vector<Point> points;
    const char* acCurveLast;

    friend void PrintTo(const PickCase& c, std::ostream* out) { *out << c.name; }
};

class PickCurveAnswerTest : public PickCurveEndToEndTest, public ::testing::WithParamInterface<PickCase> {};

TEST_P(PickCurveAnswerTest, TheAnswerDecidesTheCurveHandedOutAndThenTheInstrumentHearsCommandOne)
{
    const PickCase& c = GetParam();
    ASSERT_NO_FATAL_FAILURE(connectAskingHalvec());
    ASSERT_NO_FATAL_FAILURE(sendAndAwaitQuestion());

    EXPECT_TRUE(read().points.empty()) << "still waiting for the pick";
    EXPECT_EQ(audiometer->expectNothing(kQuiet), std::nullopt) << "no command before the pick";

    PickCurveDialog* pick = openPick();
    click(child(*pick, c.choice));
    click(child(*pick, c.button));
    EXPECT_EQ(pointsOf(readUntilPoints()), c.points);
    EXPECT_EQ(audiometer->expectCommand('1', kAnswerWait), std::nullopt);
    EXPECT_EQ(audiometer->expectNothing(kQuiet), std::nullopt);
    EXPECT_TRUE(read().points.empty()) << "the transfer is handed out once";
    EXPECT_EQ(library->settings().values().models[ModelHalvec].acCurveLast, c.acCurveLast);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, PickCurveAnswerTest,
    ::testing::Values(PickCase{"SoundFieldOk", "SoundField", "OK", kSoundFieldPoints, "Free Field Speakers"},
                      PickCase{"CancelTakesAir", "SoundField", "Cancel", kAirPoints, "Phones/Insert"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PickCurveEndToEndTest, ReleaseWhileTheQuestionIsOpenDropsTheTransferAndTheQuestion)
{
    ASSERT_NO_FATAL_FAILURE(connectAskingHalvec());
    ASSERT_NO_FATAL_FAILURE(sendAndAwaitQuestion());
    const QPointer<PickCurveDialog> pick = openPick();

    ASSERT_EQ(library->releaseAudiCon(), kResultOk);
    EXPECT_TRUE(pick.isNull()) << "the question closes with the status dialog";

    std::int16_t poll = 0;
    ASSERT_EQ(library->reqAudiCon2(&poll, 0), kResultOk) << library->lastError().text();
    EXPECT_TRUE(read().points.empty());
    QApplication::processEvents();
    EXPECT_EQ(openPick(), nullptr) << "the dropped transfer asks no more";
    EXPECT_EQ(audiometer->expectNothing(kQuiet), std::nullopt);

    // A new transfer asks anew, and its answer counts.
    ASSERT_NO_FATAL_FAILURE(sendAndAwaitQuestion());
    click(child(*openPick(), "OK"));
    EXPECT_EQ(pointsOf(readUntilPoints()), kAirPoints);
    EXPECT_EQ(audiometer->expectCommand('1', kAnswerWait), std::nullopt);
}

TEST_F(PickCurveEndToEndTest, EachOfTwoTransfersAsksInTurn)
{
    ASSERT_NO_FATAL_FAILURE(connectAskingHalvec());
    audiometer->send(bothCurves());
    ASSERT_NO_FATAL_FAILURE(sendAndAwaitQuestion());
    click(child(*openPick(), "SoundField"));
    click(child(*openPick(), "OK"));
    EXPECT_EQ(pointsOf(readUntilPoints()), kSoundFieldPoints);
    ASSERT_TRUE(processUntil([] { return openPick() != nullptr; })) << "the second transfer asks anew";
    click(child(*openPick(), "Cancel"));
    EXPECT_EQ(pointsOf(readUntilPoints()), kAirPoints);
}

}  // namespace
}  // namespace marlet::testing
