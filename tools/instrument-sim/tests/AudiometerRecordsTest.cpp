#include "tools/instrument-sim/AudiometerRecords.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace instrument_sim {
namespace {

std::string at(const Frame& frame, std::size_t position, std::size_t length)
{
    return frame.text().substr(position, length);
}

TEST(AudiometerRecords, EveryTypeHasItsBodyLengthAndAValidChecksum)
{
    const std::array<CurveValues, 13> noCurve{};
    const Frame frames[] = {
        tonePoint({}),
        tonePoint({.type = '5'}),
        thresholdTable({}),
        errorReport(10),
        wholeCurve(noCurve, noCurve),
        accepted(),
        instrumentSetup(true, false),
        tympanogram({.type = 'x'}),
        acCurve(false, {}),
        tympanogram({.type = 'z'}),
    };
    for (const Frame& frame : frames) {
        const char type = frame.text()[1];
        SCOPED_TRACE(std::string("type ") + type);
        const std::string bytes = frame.bytes();
        EXPECT_EQ(bytes.size(), 2 + *colonBodyLength(type) + 2);
        EXPECT_TRUE(bytes.ends_with("\r\n"));
        EXPECT_EQ(bytes.substr(bytes.size() - 4, 2), checksumText(frame.text(), ChecksumKind::Plain));
    }
    EXPECT_THROW(Frame::colon('q'), std::invalid_argument);
}

TEST(AudiometerRecords, TonePointPutsEachFieldInItsPlace)
{
    const Frame frame = tonePoint({.type = '2', .modeA = '5', .modeB = '8', .transducerPair = 13, .routingPair = 12,
                                   .levelA = 250, .levelB = std::nullopt, .maskedA = true, .frequency = 8000});
    EXPECT_EQ(at(frame, 0, 12), ":205" "00000" "8DC");
    EXPECT_EQ(at(frame, 19, 4), "0250");
    EXPECT_EQ(at(frame, 23, 1), "0");
    EXPECT_EQ(at(frame, 24, 4), "    ");
    EXPECT_EQ(at(frame, 28, 1), "1");
    EXPECT_EQ(at(frame, 29, 5), "08000");
    EXPECT_THROW(tonePoint({.type = '3'}), std::invalid_argument);
}

TEST(AudiometerRecords, ThresholdTableEntriesByFrequency)
{
    const Frame frame = thresholdTable({.left = {{500, 20}, {2000, 35}}, .right = {{8000, -5}}});
    EXPECT_EQ(at(frame, 2, 1), "6");
    EXPECT_EQ(at(frame, 40, 3), "---");       // entry 0 is never used
    EXPECT_EQ(at(frame, 40 + 6, 3), "035");   // 2000 Hz
    EXPECT_EQ(at(frame, 40 + 42, 3), "020");  // 500 Hz
    EXPECT_EQ(at(frame, 40 + 36, 3), "---");  // 1000 Hz not given
    EXPECT_EQ(at(frame, 88 + 30, 3), "-05");  // 8000 Hz
    EXPECT_THROW(thresholdTable({.left = {{250, 10}}}), std::invalid_argument);
}

TEST(AudiometerRecords, CurvesInHalfDecibelSteps)
{
    std::array<std::optional<int>, 11> levels{};
    levels[4] = 1600;  // 1000 Hz, a no-response value
    const Frame y = acCurve(true, levels);
    EXPECT_EQ(at(y, 10, 2), "02");
    EXPECT_EQ(at(y, 12, 4), "8000");
    EXPECT_EQ(at(y, 12 + 16, 4), "0140");

    std::array<CurveValues, 13> right{};
    right[12] = {.air = 250, .boneMasking = -200};
    const Frame six = wholeCurve({}, right);
    EXPECT_EQ(at(six, 816 + 240, 20), "0032" "8000" "8000" "FFD8" "8000");
    EXPECT_EQ(at(six, 2 + 20 * 20, 4), "8000");  // unused entries say none
}

TEST(AudiometerRecords, TympanogramWithScreeningReflexes)
{
    const Frame x = tympanogram({.type = 'x', .testNumber = 11, .rightEar = true, .volume = 70, .compliance = 6,
                                 .pressure = -100, .reflexes = {{.contralateral = true, .resultClass = 1, .levelCode = 2},
                                                                {.stimulus = 3, .resultClass = 2}}});
    EXPECT_EQ(at(x, 2, 1), "B");
    EXPECT_EQ(at(x, 10, 18), "02" "0046" "0006" "FF9C" "FFFF");
    EXPECT_EQ(at(x, 212, 2), "02");
    EXPECT_EQ(at(x, 216, 2), "46");
    EXPECT_EQ(at(x, 266, 2), "38");

    const Frame z = tympanogram({.type = 'z', .gradient = 12, .reflexes = {{}}, .reflexCount = 6});
    EXPECT_EQ(at(z, 24, 4), "000C");
    EXPECT_EQ(at(z, 1632, 2), "06") << "a count beyond the entries sent";
    EXPECT_EQ(at(z, 1634, 2), "04");
    EXPECT_THROW(tympanogram({.reflexes = std::vector<ScreeningReflex>(5)}), std::invalid_argument);
}

TEST(AudiometerRecords, SetupAndErrorReport)
{
    EXPECT_EQ(at(instrumentSetup(true, false), 4, 4), "0001");
    EXPECT_EQ(at(instrumentSetup(false, true), 4, 4), "1000");
    EXPECT_EQ(at(errorReport(7), 2, 2), "07");
}

}  // namespace
}  // namespace instrument_sim
