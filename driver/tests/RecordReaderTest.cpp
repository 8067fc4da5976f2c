#include "driver/tests/ConnectedDriver.h"
#include "tools/instrument-sim/AudiometerRecords.h"
#include "tools/instrument-sim/Faults.h"
#include "tools/instrument-sim/TympanometerRecords.h"

#include <cctype>
#include <functional>
#include <string>
#include <thread>

namespace marlet::testing {
namespace {

namespace sim = instrument_sim;

constexpr milliseconds kAnswerWait{1500};
constexpr milliseconds kQuiet{300};

// A point record whose checksum has a letter, sent in lower case.
std::string pointWithLowerCaseChecksum()
{
    for (int level = 0; level < 1200; level += 50) {
        std::string record = sim::tonePoint({.levelA = level}).bytes();
        const std::size_t at = record.size() - 4;
        if (std::isalpha(static_cast<unsigned char>(record[at])) || std::isalpha(static_cast<unsigned char>(record[at + 1]))) {
            for (const std::size_t i : {at, at + 1})
                record[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(record[i])));
            return record;
        }
    }
    ADD_FAILURE() << "no point record with a letter in its checksum";
    return {};
}

// Bit 7 set on bytes of a point record that carry no field, which a Dunmor
// audiometer's checksum does not count.
std::string withHighBitsInside(std::string record)
{
    for (std::size_t i = 12; i < 19; ++i)
        record[i] = static_cast<char>(record[i] | 0x80);
    return record;
}

struct FaultCase {
    const char* name;
    ModelIndex model;
    std::function<void(Instrument&)> send;
    int error;
    std::optional<std::string> answer;  // none: the instrument hears nothing
    std::size_t points = 0;

    friend void PrintTo(const FaultCase& c, std::ostream* out) { *out << c.name; }
};

class RecordReaderTest : public ConnectedDriver, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(RecordReaderTest, AnswersTheFaultOnTheLine)
{
    const FaultCase& c = GetParam();
    const bool isTympanometer = c.model == ModelQuorrelV1 || c.model == ModelQuorrelV2;
    connect(isTympanometer ? ModelNone : c.model, isTympanometer ? c.model : ModelNone);
    Instrument& instrument = isTympanometer ? *tympanometer : *audiometer;
    // Sent while the driver reads, as a record split by a gap arrives.
    std::thread sending([&] { c.send(instrument); });
    const Reading reading = read();
    sending.join();
    EXPECT_EQ(library->lastError().code(), c.error) << library->lastError().text();
    EXPECT_EQ(reading.points.size(), c.points);
    if (c.answer)
        EXPECT_EQ(instrument.expect(*c.answer, kAnswerWait), std::nullopt);
    else
        EXPECT_EQ(instrument.expectNothing(kQuiet), std::nullopt);
}

const sim::Frame kPoint = sim::tonePoint({.levelA = 300});
const sim::Frame kTympanogram = sim::multiTympanogram({.summaries = {{.compliance = 500, .pressure = 0}}});

INSTANTIATE_TEST_SUITE_P(
    Faults, RecordReaderTest,
    ::testing::Values(
        FaultCase{"InstrumentErrorIsRecordedAndItGoesOn", ModelTessil,
                  [](Instrument& i) { i.send(sim::errorReport(3)); }, 3, ":525 \r\n"},
        FaultCase{"LineNoiseIsNoError", ModelTessil, [](Instrument& i) { i.send("\r\n\r\n"); }, 0, std::nullopt},
        FaultCase{"UnknownTypeIs104", ModelTessil,
                  [](Instrument& i) { i.send(sim::withType(i.record(kPoint), 'q')); }, 104, ":525 \r\n"},
        FaultCase{"ShortGapIsBridged", ModelTessil,
                  [](Instrument& i) { i.send(sim::splitRecord(i.record(kPoint), 20, milliseconds(5))); }, 0,
                  std::nullopt, 1},
        FaultCase{"LongGapIs106", ModelTessil,
                  [](Instrument& i) { i.send(sim::splitRecord(i.record(kPoint), 20, milliseconds(1500))); }, 106,
                  ":525 \r\n"},
        FaultCase{"BadChecksumIs107", ModelTessil,
                  [](Instrument& i) { i.send(sim::withBadChecksum(i.record(kPoint))); }, 107, ":525 \r\n"},
        FaultCase{"LowerCaseChecksum", ModelTessil, [](Instrument& i) { i.send(pointWithLowerCaseChecksum()); }, 0,
                  std::nullopt, 1},
        FaultCase{"DunmorIgnoresBitSeven", ModelDunmor,
                  [](Instrument& i) { i.send(withHighBitsInside(i.record(kPoint))); }, 0, std::nullopt, 1},
        FaultCase{"OthersCountBitSeven", ModelTessil,
                  [](Instrument& i) { i.send(withHighBitsInside(i.record(kPoint))); }, 107, ":525 \r\n"},
        FaultCase{"PipeWithoutCarriageReturnIs106", ModelQuorrelV2,
                  [](Instrument& i) { i.send(sim::withoutCarriageReturn(i.record(kTympanogram))); }, 106,
                  std::nullopt},
        FaultCase{"OverLongPipeLineIs106", ModelQuorrelV1,
                  [](Instrument& i) { i.send(sim::overLongPipeLine('1', 600)); }, 106, std::nullopt},
        FaultCase{"PipeTypeZeroIs104AndResend", ModelQuorrelV1,
                  [](Instrument& i) { i.send(sim::overLongPipeLine('0', 20)); }, 104, "|001017\r\n"},
        FaultCase{"PipeRecordIsAcknowledged", ModelQuorrelV1, [](Instrument& i) { i.send(kTympanogram); }, 0,
                  "|1200\r\n"},
        FaultCase{"PyrelAcknowledgesWithOneByte", ModelPyrel,
                  [](Instrument& i) { i.send(sim::tympanogram({})); }, 0, std::string(1, '\x06')},
        FaultCase{"HalvecIsAskedAgainForAPoint", ModelHalvec,
                  [](Instrument& i) { i.send(sim::withBadChecksum(i.record(kPoint))); }, 107, ":5471\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ConnectedDriver, AChatteringLineEndsTheRead)
{
    connect(ModelTessil, ModelNone);
    audiometer->startGarbage();
    const Reading reading = read();
    audiometer->stopGarbage();
    EXPECT_EQ(library->lastError().code(), 106);
    EXPECT_TRUE(reading.points.empty());
}

}  // namespace
}  // namespace marlet::testing
