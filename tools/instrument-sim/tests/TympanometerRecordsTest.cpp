#include "tools/instrument-sim/TympanometerRecords.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace instrument_sim {
namespace {

// Reads fields back the way the driver finds them, from the start character.
class Reading {
public:
    explicit Reading(const Frame& frame) : m_text(frame.text()) {}

    int dec(std::size_t position, std::size_t length) const { return std::stoi(m_text.substr(position, length)); }
    char at(std::size_t position) const { return m_text.at(position); }
    std::string text(std::size_t position, std::size_t length) const { return m_text.substr(position, length); }

private:
    std::string m_text;
};

TEST(TympanometerRecords, CommonFieldsAndLength)
{
    const Frame frame = probeRecord({.serial = "ABC123456", .testNumber = 12, .rightEar = true}, 4);
    const Reading r(frame);
    EXPECT_EQ(frame.text().substr(0, 2), "|1");
    EXPECT_EQ(r.text(184, 9), "ABC123456");
    EXPECT_EQ(r.dec(212, 2), 4);
    EXPECT_EQ(r.at(214) - 55, 12);
    EXPECT_EQ(r.at(215), 'R');
    EXPECT_LE(frame.bytes().size(), kPipeRecordLimit);
    EXPECT_THROW(probeRecord({.serial = "SHORT"}, 0), std::invalid_argument);
    EXPECT_THROW(probeRecord({.testNumber = 36}, 0), std::invalid_argument);
}

TEST(TympanometerRecords, MultiTympanogramSummaries)
{
    const Reading r(multiTympanogram({.probeTone = 1, .gradientStatus = 2, .volume = 1500,
                                      .summaries = {{.compliance = 700, .pressure = -25, .gradient = 90},
                                                    {},
                                                    {.compliance = 450, .pressure = 10, .gradient = 5}}}));
    EXPECT_EQ(r.dec(217, 2), 1);
    EXPECT_EQ(r.dec(224, 1), 2);
    EXPECT_EQ(r.dec(225, 6), 1500);
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(r.dec(238 + 25 * k, 2), k + 1);
    EXPECT_EQ(r.dec(238 + 11, 6), 700);
    EXPECT_EQ(r.dec(238 + 17, 4), -25);
    EXPECT_EQ(r.dec(238 + 22, 3), 90);
    EXPECT_EQ(r.at(263 + 12), '-') << "no compliance";
    EXPECT_EQ(r.at(263 + 18), '-') << "no pressure";
    EXPECT_EQ(r.dec(288 + 22, 3), 5);
}

TEST(TympanometerRecords, ScreeningTympanogram)
{
    const Reading r(screeningTympanogram({.probeTone = 2, .gradientStatus = '1', .gradient = 80, .volume = 900,
                                          .compliance = std::nullopt, .pressure = -150, .mode = '3',
                                          .stimulus1 = '2', .result1 = '3', .result2 = '5'}));
    EXPECT_EQ(r.dec(216, 2), 2);
    EXPECT_EQ(r.at(223), '1');
    EXPECT_EQ(r.dec(224, 6), 900);
    EXPECT_EQ(r.at(249), '-');
    EXPECT_EQ(r.dec(254, 4), -150);
    EXPECT_EQ(r.dec(259, 3), 80);
    EXPECT_EQ(r.text(262, 3), "32-");
    EXPECT_EQ(r.text(266, 2), "35");
}

TEST(TympanometerRecords, ReflexThresholdBlocksFollowTheirIndirections)
{
    const Frame frame = reflexThresholds(
        {}, ReflexThreshold{.ipsilateral = false, .stimulus = 4, .threshold = 95},
        ReflexThreshold{.ipsilateral = true, .stimulus = 7, .result = ReflexThreshold::Result::NoReflex});
    const Reading r(frame);
    const int a = r.dec(277, 1);
    const std::size_t q = 279 + 9 * a;
    EXPECT_EQ(r.dec(231, 2), 1);
    EXPECT_EQ(r.at(240), '1');
    EXPECT_EQ(r.dec(266, 2), 4);
    EXPECT_EQ(r.dec(q + 4, 2), 1);
    EXPECT_EQ(r.dec(279 + 9 * r.dec(q + 2, 2), 3), 95);

    EXPECT_EQ(r.dec(q + 8, 2), 2);
    EXPECT_EQ(r.at(q + 17), '0');
    EXPECT_EQ(r.dec(q + 43, 2), 7);
    const std::size_t e = 335 + 9 * (a + r.dec(q + 54, 1));
    EXPECT_EQ(r.text(e + 4, 2), "00");

    const Reading invalid(reflexThresholds({}, ReflexThreshold{.result = ReflexThreshold::Result::Invalid}, {}));
    EXPECT_EQ(invalid.text(q + 4, 2), "--");
    EXPECT_NE(invalid.dec(q + 8, 2), 2) << "no second block";

    const Reading secondOnly(reflexThresholds({}, std::nullopt, ReflexThreshold{.threshold = 100}));
    EXPECT_NE(secondOnly.dec(231, 2), 1);
    EXPECT_EQ(secondOnly.dec(335 + 9 * secondOnly.dec(e + 2, 2), 3), 100);
}

TEST(TympanometerRecords, ReflexDecayBlocks)
{
    const Reading r(reflexDecays({}, ReflexDecay{.ipsilateral = true, .stimulus = 3, .decay = 2000},
                                 ReflexDecay{.ipsilateral = false, .stimulus = 5, .decay = 500}));
    EXPECT_EQ(r.dec(231, 2), 1);
    EXPECT_EQ(r.at(240), '0');
    EXPECT_EQ(r.dec(254, 2), 3);
    EXPECT_EQ(r.dec(276, 5), 2000);
    EXPECT_EQ(r.dec(296, 2), 2);
    EXPECT_EQ(r.at(305), '1');
    EXPECT_EQ(r.dec(319, 2), 5);
    EXPECT_EQ(r.dec(341, 5), 500);
}

}  // namespace
}  // namespace instrument_sim
