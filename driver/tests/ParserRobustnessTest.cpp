// Every parser, fed each prefix of a valid record and bodies of random bytes,
// reads nothing beyond what it was given (the sanitizers watch) and says so.

#include "driver/AudiometerParsers.h"
#include "driver/TympanometerParsers.h"

#include "tools/instrument-sim/AudiometerRecords.h"
#include "tools/instrument-sim/TympanometerRecords.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace marlet {
namespace {

namespace sim = instrument_sim;

std::vector<std::string> audiometerRecords()
{
    std::array<sim::CurveValues, 13> curve{};
    curve[3] = {.air = 300, .airMasking = 100, .bone = 200, .soundField = 250};
    return {
        sim::tonePoint({.levelA = 300}).bytes(),
        sim::tonePoint({.type = '5', .modeA = '3', .levelB = 200}).bytes(),
        sim::thresholdTable({.left = {{1000, 20}}}).bytes(),
        sim::errorReport(4).bytes(),
        sim::accepted().bytes(),
        sim::instrumentSetup(true, false).bytes(),
        sim::acCurve(true, {300}).bytes(),
        sim::wholeCurve(curve, curve).bytes(),
        sim::tympanogram({.reflexes = {{}, {}}}).bytes(),
        sim::tympanogram({.type = 'z', .reflexes = {{}, {}, {}, {}}}).bytes(),
    };
}

std::vector<std::string> tympanometerRecords()
{
    const sim::ProbeRecord probe{};
    return {
        sim::multiTympanogram({.summaries = {{}, {}, {}}}).bytes(),
        sim::screeningTympanogram({.mode = '3', .stimulus1 = '1', .result1 = '3', .result2 = '2'}).bytes(),
        sim::reflexThresholds(probe, sim::ReflexThreshold{}, sim::ReflexThreshold{}).bytes(),
        sim::reflexDecays(probe, sim::ReflexDecay{}, sim::ReflexDecay{}).bytes(),
    };
}

ParseContext askingHalvec()
{
    ParseContext context;
    context.audiometer = ModelHalvec;
    context.settings.acCurveAsk = "YES";
    context.pickCurve = [] { return std::optional(CurveChoice::Air); };
    return context;
}

TEST(ParserRobustness, EveryPrefixOfAValidRecord)
{
    for (const std::string& record : audiometerRecords()) {
        for (std::size_t length = 0; length <= record.size(); ++length)
            parseAudiometerRecord(std::string(record, 0, length), askingHalvec());
    }
    for (const std::string& record : tympanometerRecords()) {
        // A prefix without the probe fields is refused whole.
        for (std::size_t length = 1; length < 216; ++length) {
            const ParseResult result = parseTympanometerRecord(std::string(record, 0, length));
            EXPECT_EQ(result.error, 106) << length;
            EXPECT_TRUE(result.blocks.empty()) << length;
        }
        for (std::size_t length = 216; length <= record.size(); ++length)
            parseTympanometerRecord(std::string(record, 0, length));
    }
}

TEST(ParserRobustness, RandomBodies)
{
    std::mt19937 random(14);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<std::size_t> length(0, 1900);
    for (int round = 0; round < 300; ++round) {
        for (const char type : std::string("12345678xyz")) {
            std::string record{':', type};
            for (std::size_t n = length(random); n > 0; --n)
                record += static_cast<char>(byte(random));
            parseAudiometerRecord(record, askingHalvec());
        }
        std::string record{'|', '1'};
        for (std::size_t n = length(random) % 460; n > 0; --n)
            record += static_cast<char>(byte(random) % 2 ? '0' + byte(random) % 10 : byte(random));
        parseTympanometerRecord(record);
    }
}

}  // namespace
}  // namespace marlet
