// Both instruments' ports read side by side: what one instrument sends
// reaches ReadAudiMeas once and whole, whatever the other one does meanwhile,
// and each line's faults are still answered on that line.

#include "driver/tests/ConnectedDriver.h"
#include "tools/instrument-sim/AudiometerRecords.h"
#include "tools/instrument-sim/Faults.h"
#include "tools/instrument-sim/TympanometerRecords.h"

#include <functional>
#include <string>
#include <thread>

namespace marlet::testing {
namespace {

namespace sim = instrument_sim;

constexpr milliseconds kAnswerWait{1500};
constexpr milliseconds kQuiet{300};
// A gap inside a record that the reader bridges.
constexpr milliseconds kBridgedGap{5};
constexpr std::size_t kSplitAt = 20;
const std::string kQuorrelAcknowledgement = "|1200\r\n";

class TwoInstruments : public ConnectedDriver {
protected:
    // Reads, while `send` runs on a thread of its own, until a point and a
    // block have come or `reads` reads have handed out what they had.
    Reading readWhileSending(const std::function<void()>& send, int reads = 4)
    {
        std::thread sending(send);
        Reading all;
        for (int i = 0; i < reads && (all.points.empty() || all.blocks.empty()); ++i) {
            const Reading reading = read();
            all.points.insert(all.points.end(), reading.points.begin(), reading.points.end());
            all.blocks.insert(all.blocks.end(), reading.blocks.begin(), reading.blocks.end());
        }
        sending.join();
        return all;
    }
};

// A Tessil audiometer's tone point and a Quorrel tympanogram, sent so that
// the two lines' bytes meet in different ways.
struct Interleaving {
    const char* name;
    std::function<void(Instrument& audiometer, const std::string& point, Instrument& tympanometer,
                       const std::string& tympanogram)>
        send;

    friend void PrintTo(const Interleaving& c, std::ostream* out) { *out << c.name; }
};

// The first piece of a record now, the rest after a gap that the reader bridges.
void sendSplit(Instrument& instrument, const std::string& record, const std::function<void()>& between)
{
    instrument.send(record.substr(0, kSplitAt));
    between();
    instrument.send(sim::Transmission{{kBridgedGap, record.substr(kSplitAt)}});
}

class Interleavings : public TwoInstruments, public ::testing::WithParamInterface<Interleaving> {};

TEST_P(Interleavings, EachRecordArrivesOnceAndWhole)
{
    connect(ModelTessil, ModelQuorrelV2);
    const std::string point = audiometer->record(sim::tonePoint({.levelA = 300}));
    const std::string tympanogram = tympanometer->record(sim::multiTympanogram({}));

    const Reading reading =
        readWhileSending([&] { GetParam().send(*audiometer, point, *tympanometer, tympanogram); });
    ASSERT_EQ(reading.points.size(), 1u) << "the tone point was lost or read twice";
    EXPECT_EQ(reading.points[0].Level, 30);
    ASSERT_EQ(reading.blocks.size(), 1u) << "the tympanogram was lost or read twice";
    EXPECT_EQ(reading.blocks[0].Kind, KindTympanogramLeft);
    EXPECT_EQ(tympanometer->expect(kQuorrelAcknowledgement, kAnswerWait), std::nullopt);
    EXPECT_EQ(tympanometer->expectNothing(kQuiet), std::nullopt) << "a record was asked for again";
    EXPECT_EQ(audiometer->expectNothing(kQuiet), std::nullopt) << "a record was asked for again";

    const Reading after = read();
    EXPECT_TRUE(after.points.empty() && after.blocks.empty()) << "a record came twice";
}

INSTANTIATE_TEST_SUITE_P(
    BothPorts, Interleavings,
    ::testing::Values(
        Interleaving{"AudiometerRecordSplitAsTheTympanometerStarts",
                     [](Instrument& audiometer, const std::string& point, Instrument& tympanometer,
                        const std::string& tympanogram) {
                         sendSplit(audiometer, point, [&] { tympanometer.send(tympanogram); });
                     }},
        Interleaving{"TympanometerRecordSplitAsTheAudiometerStarts",
                     [](Instrument& audiometer, const std::string& point, Instrument& tympanometer,
                        const std::string& tympanogram) {
                         sendSplit(tympanometer, tympanogram, [&] { audiometer.send(point); });
                     }},
        Interleaving{"BothAtOnceAudiometerFirst",
                     [](Instrument& audiometer, const std::string& point, Instrument& tympanometer,
                        const std::string& tympanogram) {
                         audiometer.send(point);
                         tympanometer.send(tympanogram);
                     }},
        Interleaving{"BothAtOnceTympanometerFirst",
                     [](Instrument& audiometer, const std::string& point, Instrument& tympanometer,
                        const std::string& tympanogram) {
                         tympanometer.send(tympanogram);
                         audiometer.send(point);
                     }}),
    [](const auto& info) { return std::string(info.param.name); });

struct StrayCase {
    const char* name;
    bool onAudiometer;  // else on the tympanometer
    std::string resend;

    friend void PrintTo(const StrayCase& c, std::ostream* out) { *out << c.name; }
};

class StraysNextToAnIdleLine : public TwoInstruments, public ::testing::WithParamInterface<StrayCase> {};

TEST_P(StraysNextToAnIdleLine, AreLostCharactersAndTheChatteringLineIsAskedAgain)
{
    const StrayCase& c = GetParam();
    connect(ModelTessil, ModelQuorrelV2);
    Instrument& chattering = c.onAudiometer ? *audiometer : *tympanometer;
    Instrument& idle = c.onAudiometer ? *tympanometer : *audiometer;

    chattering.send(sim::strayCharacters(20));
    const Reading reading = read();
    EXPECT_EQ(library->lastError().code(), ErrorLostCharacters) << library->lastError().text();
    EXPECT_TRUE(reading.points.empty() && reading.blocks.empty());
    EXPECT_EQ(chattering.expect(c.resend, kAnswerWait), std::nullopt);
    EXPECT_EQ(idle.expectNothing(kQuiet), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(BothPorts, StraysNextToAnIdleLine,
                         ::testing::Values(StrayCase{"OnTheAudiometer", true, ":525 \r\n"},
                                           StrayCase{"OnTheTympanometer", false, "|001017\r\n"}),
                         [](const auto& info) { return std::string(info.param.name); });

// Strays are answered once their line falls silent, also when the other line
// has a record waiting meanwhile.
TEST_F(TwoInstruments, StraysAreAskedAgainWhileTheOtherLineSends)
{
    connect(ModelTessil, ModelQuorrelV2);
    audiometer->send(sim::strayCharacters(20));
    tympanometer->send(sim::multiTympanogram({}));
    const Reading reading = read();
    EXPECT_EQ(audiometer->expect(":525 \r\n", kAnswerWait), std::nullopt);
    EXPECT_EQ(reading.blocks.size(), 1u);
    EXPECT_EQ(tympanometer->expect(kQuorrelAcknowledgement, kAnswerWait), std::nullopt);
}

// An idle audiometer next to a tympanometer that sends nothing, or whose line
// has gone: nothing asked for, and the audiometer is still heard. A silent
// line is no error; a line that has gone is a port no longer active.
class IdleNextToSilent : public TwoInstruments, public ::testing::WithParamInterface<bool> {};

TEST_P(IdleNextToSilent, IsNoErrorAndTheIdleLineIsStillHeard)
{
    const bool tympanometerGone = GetParam();
    const int tympanometerError = tympanometerGone ? ErrorPortNotActive : 0;
    connect(ModelTessil, ModelQuorrelV2);
    if (tympanometerGone)
        tympanometer.reset();

    const Reading quiet = read();
    EXPECT_TRUE(quiet.points.empty() && quiet.blocks.empty());
    EXPECT_EQ(library->lastError().code(), tympanometerError) << library->lastError().text();
    EXPECT_EQ(audiometer->expectNothing(kQuiet), std::nullopt);
    if (tympanometer) {
        EXPECT_EQ(tympanometer->expectNothing(kQuiet), std::nullopt);
    }

    const Reading reading = readWhileSending([&] { audiometer->send(sim::tonePoint({.levelA = 300})); }, 2);
    EXPECT_EQ(reading.points.size(), 1u);
    EXPECT_EQ(library->lastError().code(), tympanometerError) << library->lastError().text();
}

INSTANTIATE_TEST_SUITE_P(BothPorts, IdleNextToSilent, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "TympanometerGone" : "TympanometerQuiet"; });

}  // namespace
}  // namespace marlet::testing
