#include "driver/testing/DriverRecordBuilders.h"
#include "driver/tests/ConnectedDriver.h"
#include "tools/instrument-sim/AudiometerRecords.h"
#include "tools/instrument-sim/TympanometerRecords.h"

#include <string>
#include <vector>

namespace marlet::testing {
namespace {

namespace sim = instrument_sim;

constexpr milliseconds kAnswerWait{1500};
constexpr milliseconds kQuiet{200};

std::array<sim::CurveValues, 13> airAt1000(int tenths)
{
    std::array<sim::CurveValues, 13> curve{};
    curve[4].air = tenths;
    return curve;
}

std::array<std::optional<int>, 11> acAt1000(int tenths)
{
    std::array<std::optional<int>, 11> levels{};
    levels[4] = tenths;
    return levels;
}

struct PersonaCase {
    const char* name;
    ModelIndex audiometerModel;
    ModelIndex tympanometerModel;
    // One record of each instrument per ReadAudiMeas.
    std::vector<sim::Frame> audiometerSends;
    std::vector<sim::Frame> tympanometerSends;
    std::vector<DriverPointRecord> points;
    std::vector<int> blockKinds;
    std::vector<std::string> audiometerHears;
    std::vector<std::string> tympanometerHears;

    friend void PrintTo(const PersonaCase& c, std::ostream* out) { *out << c.name; }
};

class PersonaTest : public ConnectedDriver, public ::testing::WithParamInterface<PersonaCase> {};

TEST_P(PersonaTest, RecordsReachReadAudiMeasAndTheInstrumentHearsItsAnswers)
{
    const PersonaCase& c = GetParam();
    connect(c.audiometerModel, c.tympanometerModel);
    std::vector<DriverPointRecord> points;
    std::vector<int> kinds;
    const std::size_t reads = std::max(c.audiometerSends.size(), c.tympanometerSends.size());
    for (std::size_t r = 0; r < reads; ++r) {
        if (r < c.audiometerSends.size())
            audiometer->send(c.audiometerSends[r]);
        if (r < c.tympanometerSends.size())
            tympanometer->send(c.tympanometerSends[r]);
        const Reading reading = read();
        points.insert(points.end(), reading.points.begin(), reading.points.end());
        for (const DriverTestBlock& block : reading.blocks)
            kinds.push_back(block.Kind);
    }
    ASSERT_EQ(points.size(), c.points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        EXPECT_EQ(points[i].TypeWord, c.points[i].TypeWord) << i;
        EXPECT_EQ(points[i].Frequency, c.points[i].Frequency) << i;
        EXPECT_EQ(points[i].Level, c.points[i].Level) << i;
    }
    EXPECT_EQ(kinds, c.blockKinds);
    const auto hears = [](Instrument& instrument, const std::vector<std::string>& lines) {
        for (const std::string& line : lines)
            EXPECT_EQ(instrument.expect(line, kAnswerWait), std::nullopt);
        EXPECT_EQ(instrument.expectNothing(kQuiet), std::nullopt);
    };
    if (audiometer)
        hears(*audiometer, c.audiometerHears);
    if (tympanometer)
        hears(*tympanometer, c.tympanometerHears);
}

const sim::ProbeRecord kProbe{};
const std::string kAcknowledge(1, '\x06');
const std::string kQuorrelAcknowledgement = "|1200\r\n";

INSTANTIATE_TEST_SUITE_P(
    Personas, PersonaTest,
    ::testing::Values(
        PersonaCase{"Tessil", ModelTessil, ModelNone,
                    {sim::tonePoint({.levelA = 300}), sim::instrumentSetup(true, true)}, {},
                    {{CurveAirLeft, 1000, 30}}, {}, {}, {}},
        PersonaCase{"Dunmor", ModelDunmor, ModelNone, {sim::thresholdTable({.right = {{4000, 55}}})}, {},
                    {{CurveAirRight, 4000, 55}}, {}, {}, {}},
        PersonaCase{"Halvec", ModelHalvec, ModelNone,
                    {sim::wholeCurve(airAt1000(300), {}), sim::tonePoint({.type = '5', .levelA = 250})}, {},
                    {{CurveAirLeft, 1000, 30}, pointRecord(CurveAirLeft, PointCursor, 0, 1000, 25)}, {},
                    {":5471\r\n"}, {}},
        PersonaCase{"Pyrel", ModelPyrel, ModelNone, {sim::acCurve(true, acAt1000(400)), sim::tympanogram({})}, {},
                    {{CurveAirRight, 1000, 40}}, {KindTympanogramLeft}, {kAcknowledge, kAcknowledge}, {}},
        PersonaCase{"QuorrelV2", ModelNone, ModelQuorrelV2, {},
                    {sim::reflexThresholds(kProbe, sim::ReflexThreshold{.threshold = 95}, std::nullopt)}, {},
                    {KindIpsiReflexLeft}, {}, {kQuorrelAcknowledgement}},
        PersonaCase{"QuorrelV1", ModelNone, ModelQuorrelV1, {},
                    {sim::multiTympanogram({.summaries = {{.compliance = 700, .pressure = -50}}})}, {},
                    {KindTympanogramLeft}, {}, {kQuorrelAcknowledgement}},
        PersonaCase{"BothPorts", ModelTessil, ModelQuorrelV2, {sim::tonePoint({.routingPair = 2, .levelA = 150})},
                    {sim::multiTympanogram({.probe = {.rightEar = true}})}, {{CurveAirRight, 1000, 15}},
                    {KindTympanogramRight}, {}, {kQuorrelAcknowledgement}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ConnectedDriver, ReleaseSavesWhatTheInstrumentsSetUpChanged)
{
    connect(ModelDunmor, ModelNone);
    audiometer->send(sim::instrumentSetup(true, true));
    read();
    ASSERT_EQ(library->releaseAudiCon(), kResultOk);
    DriverLibrary reloaded("marlet", {translations.path()});
    const SettingsValues values = reloaded.settings().values();
    EXPECT_EQ(values.models[ModelDunmor].boneVibratorCalibration, "Forehead");
    EXPECT_EQ(values.models[ModelDunmor].insertPhoneType, "EAR");
}

// The instruments keep their lines, seven data bits with parity, between the
// two connects, as instruments on real ports do.
TEST_F(ConnectedDriver, ConnectsAgainToTheSameInstrumentsAfterARelease)
{
    connect(ModelTessil, ModelQuorrelV2);
    ASSERT_EQ(library->releaseAudiCon(), kResultOk);
    std::int16_t poll = 0;
    ASSERT_EQ(library->reqAudiCon2(&poll, 0), kResultOk) << library->lastError().text();
    audiometer->send(sim::tonePoint({.levelA = 300}));
    tympanometer->send(sim::multiTympanogram({}));
    const Reading reading = read();
    ASSERT_EQ(reading.points.size(), 1u);
    EXPECT_EQ(reading.points[0].Level, 30);
    ASSERT_EQ(reading.blocks.size(), 1u);
    EXPECT_EQ(reading.blocks[0].Kind, KindTympanogramLeft);
}

TEST_F(ConnectedDriver, BlocksOfOneInstrumentPerReadEachReportingItsModel)
{
    connect(ModelPyrel, ModelQuorrelV2);
    audiometer->send(sim::tympanogram({.reflexes = {{}}}));
    tympanometer->send(sim::multiTympanogram({}));
    const Reading first = read();
    ASSERT_EQ(first.blocks.size(), 2u);
    EXPECT_EQ(library->instrumentModel(), ModelPyrel);
    const Reading second = read();
    ASSERT_EQ(second.blocks.size(), 1u);
    EXPECT_EQ(second.blocks[0].Serial[0], 'Q');
    EXPECT_EQ(library->instrumentModel(), ModelQuorrelV2);
}

}  // namespace
}  // namespace marlet::testing
