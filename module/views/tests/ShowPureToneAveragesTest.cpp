#include "module/views/ShowPureToneAverages.h"

#include "module/panels/IPTATable.h"
#include "module/testing/RegisterServer.h"
#include "platform/com/Creation.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>

namespace brisance {
namespace {

using Levels = std::map<std::int32_t, std::int16_t>;  // tenths of dB by frequency

// Mask bits of kAverageFrequencies.
constexpr std::int32_t k500 = 1 << 2;
constexpr std::int32_t k1000 = 1 << 4;
constexpr std::int32_t k2000 = 1 << 6;
constexpr std::int32_t k4000 = 1 << 8;
constexpr std::int32_t kThreeFrequencies = k500 | k1000 | k2000;

constexpr std::int32_t kAir = 1;
constexpr std::int32_t kBone = 2;
constexpr std::int32_t kSoundField = 3;
constexpr std::int32_t kLeft = 3;
constexpr std::int32_t kRight = 2;
constexpr std::int32_t kBoth = 4;
constexpr std::int32_t kUnaided = 2;

class PureToneAverages : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(testing::registerServer(VELLUM_LIBRARY_PATH));
        data = platform::com::create<vellum::IVellumDataLayer>(vellum::kVellumDataLayerClsid);
    }

    void addCurve(std::int32_t curveType, std::int32_t ear, const Levels& levels, std::int32_t condition = kUnaided)
    {
        const auto curve = data->get_PureToneCurves()->Add(curveType, ear, condition);
        for (const auto& [frequency, level] : levels) curve->get_Points()->Add(frequency)->put_Level(level);
    }

    vellum::ComPtr<vellum::IVellumDataLayer> data;
    IPTATable panel;
};

TEST_F(PureToneAverages, AreWholeDecibelsRoundedHalfToEven)
{
    const struct {
        const char* name;
        Levels levels;
        std::int32_t mask;
        std::int32_t doubleMask;
        std::string shown;
    } cases[] = {
        {"plain mean", {{500, 200}, {1000, 300}, {2000, 400}}, kThreeFrequencies, 0, "30"},
        {"25.5 dB up", {{500, 250}, {1000, 255}, {2000, 260}}, kThreeFrequencies, 0, "26"},
        {"24.5 dB down", {{500, 240}, {1000, 245}, {2000, 250}}, kThreeFrequencies, 0, "24"},
        {"1000 Hz twice", {{500, 100}, {1000, 400}, {2000, 100}}, kThreeFrequencies, k1000, "25"},
        {"a real 0", {{500, 0}, {1000, 0}, {2000, 0}}, kThreeFrequencies, 0, "0"},
        {"below 0", {{500, -50}, {1000, -50}, {2000, -50}}, kThreeFrequencies, 0, "-5"},
        {"masked frequency without a point", {{500, 200}, {1000, 300}, {2000, 400}}, kThreeFrequencies | k4000, 0, ""},
        {"no frequency", {{500, 200}}, 0, 0, ""},
    };
    for (const auto& averageCase : cases) {
        SCOPED_TRACE(averageCase.name);
        data->get_PureToneCurves()->Clear();
        addCurve(kAir, kLeft, averageCase.levels);
        data->put_AverageFrequenciesLeft(averageCase.mask);
        data->put_DoubleAverageFrequenciesLeft(averageCase.doubleMask);
        ShowPureToneAverages(panel, *data, {});
        EXPECT_EQ(panel.ACLeftAverage(), averageCase.shown);
    }
}

TEST_F(PureToneAverages, EachComesFromItsUnaidedCurveOverItsEarsMasks)
{
    data->put_AverageFrequenciesLeft(kThreeFrequencies);
    data->put_DoubleAverageFrequenciesLeft(k1000);
    data->put_AverageFrequenciesRight(k500 | k1000);
    data->put_DoubleAverageFrequenciesRight(k500);
    const Levels levels = {{500, 100}, {1000, 400}, {2000, 100}};
    addCurve(kAir, kLeft, levels);                                            // left masks: 25
    addCurve(kAir, kLeft, {{500, 900}, {1000, 900}, {2000, 900}}, 3);         // aided: not shown
    addCurve(kAir, kRight, levels);                                           // right masks: 20
    addCurve(kBone, kRight, {{500, 50}, {1000, 150}, {2000, 700}});           // right masks: 8.3
    addCurve(kSoundField, kBoth, {{500, 300}, {1000, 300}, {2000, 600}});     // left masks: 37.5
    addCurve(kSoundField, kLeft, {{500, 0}, {1000, 0}, {2000, 0}});           // one ear only: not shown
    panel.BCLeftAverage("stale");

    ShowPureToneAverages(panel, *data, {});
    EXPECT_EQ(panel.ACLeftAverage(), "25");
    EXPECT_EQ(panel.ACRightAverage(), "20");
    EXPECT_EQ(panel.BCLeftAverage(), "") << "no bone-conduction curve for the left ear";
    EXPECT_EQ(panel.BCRightAverage(), "8");
    EXPECT_EQ(panel.SFAverage(), "38");

    EXPECT_EQ(panel.AverageFrequencies(kLeft), kThreeFrequencies);
    EXPECT_EQ(panel.DoubleAverageFrequencies(kLeft), k1000);
    EXPECT_EQ(panel.AverageFrequencies(kRight), k500 | k1000);
    EXPECT_EQ(panel.DoubleAverageFrequencies(kRight), k500);
}

TEST_F(PureToneAverages, AnEarStoredWithoutFrequenciesIsShownWithTheProfilesAndTheDataStaysAsItWas)
{
    const Levels levels = {{500, 100}, {1000, 400}, {2000, 100}, {4000, 700}};
    addCurve(kAir, kLeft, levels);
    addCurve(kAir, kRight, levels);
    data->put_AverageFrequenciesRight(k1000 | k4000);  // the left ear stores none
    const auto stored = data->get_Data();

    ShowPureToneAverages(panel, *data, {kThreeFrequencies, k1000});
    EXPECT_EQ(panel.ACLeftAverage(), "25") << "over the profile's frequencies, 1000 Hz twice";
    EXPECT_EQ(panel.ACRightAverage(), "55") << "over the stored ones";
    EXPECT_EQ(panel.AverageFrequencies(kLeft), kThreeFrequencies);
    EXPECT_EQ(panel.DoubleAverageFrequencies(kLeft), k1000);
    EXPECT_EQ(panel.AverageFrequencies(kRight), k1000 | k4000);
    EXPECT_EQ(panel.DoubleAverageFrequencies(kRight), 0);
    EXPECT_EQ(data->get_Data(), stored) << "showing the averages changes nothing in the audiogram";
}

}  // namespace
}  // namespace brisance
