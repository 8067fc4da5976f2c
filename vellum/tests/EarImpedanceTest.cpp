#include "vellum/EarImpedance.h"

#include "vellum/AudiogramFormat.h"
#include "vellum/tests/AudiogramFixture.h"

#include <gtest/gtest.h>

namespace vellum {
namespace {

using testing::addPureTone;
using testing::expectSameContent;
using testing::fullAudiogram;
using testing::raisedNumber;

// The audiogram without any immittance result of either ear.
AudiogramContent withoutImpedance()
{
    AudiogramContent content = fullAudiogram();
    std::erase_if(content.pureToneCurves, [](const auto& c) { return c->measurement.curveType >= 8; });
    content.tympanograms.clear();
    return content;
}

std::optional<std::span<const std::uint8_t>> second(const EarImpedanceData& split)
{
    if (!split.data2) return std::nullopt;
    return std::span<const std::uint8_t>(*split.data2);
}

TEST(EarImpedance, WhatOneEarGivesRestoresThatEarExactly)
{
    for (std::int32_t format : {kFormatEarlier, kFormatCurrent}) {
        const AudiogramContent full = fullAudiogram();
        const EarImpedanceData left = splitEarImpedance(full, kEarLeft, format);
        const EarImpedanceData right = splitEarImpedance(full, kEarRight, format);
        EXPECT_TRUE(left.hasData);
        EXPECT_EQ(left.data2.has_value(), format == kFormatEarlier);

        AudiogramContent loaded = withoutImpedance();
        EXPECT_TRUE(mergeEarImpedance(loaded, kEarLeft, left.data, second(left)));
        EXPECT_TRUE(mergeEarImpedance(loaded, kEarRight, right.data, second(right)));

        EXPECT_EQ(splitEarImpedance(loaded, kEarLeft, format).data, left.data) << "format " << format;
        EXPECT_EQ(splitEarImpedance(loaded, kEarLeft, format).data2, left.data2) << "format " << format;
        expectSameContent(withoutImpedance(), [&] {
            AudiogramContent rest = loaded;
            std::erase_if(rest.pureToneCurves, [](const auto& c) { return c->measurement.curveType >= 8; });
            rest.tympanograms.clear();
            return rest;
        }());
    }
}

TEST(EarImpedance, MergingReplacesWhatTheEarHeldAndLeavesTheOtherEar)
{
    AudiogramContent content = fullAudiogram();
    AudiogramContent onlyLeftTympanogram;
    onlyLeftTympanogram.tympanograms.push_back(std::make_shared<Tympanogram>(*content.tympanograms[0]));
    const EarImpedanceData left = splitEarImpedance(onlyLeftTympanogram, kEarLeft, kFormatEarlier);

    EXPECT_TRUE(mergeEarImpedance(content, kEarLeft, left.data, second(left)));
    EXPECT_EQ(splitEarImpedance(content, kEarLeft, kFormatEarlier).data, left.data);
    EXPECT_EQ(splitEarImpedance(content, kEarRight, kFormatEarlier).data,
              splitEarImpedance(fullAudiogram(), kEarRight, kFormatEarlier).data);
}

TEST(EarImpedance, AnEarHasDataWhenAValueOrAReflexOrDecayPointIsThere)
{
    struct Case {
        const char* what;
        std::function<void(AudiogramContent&)> fill;
        bool hasData;
    };
    const auto tympanogram = [](AudiogramContent& c) {
        auto t = std::make_shared<Tympanogram>();
        t->ear = kEarLeft;
        c.tympanograms.push_back(t);
        return t;
    };
    const std::vector<Case> cases = {
        {"nothing", [](AudiogramContent&) {}, false},
        {"pure-tone thresholds only", [](AudiogramContent& c) { addPureTone(c, 1, kEarLeft, {{1000, 200}}); }, false},
        {"a tympanogram of initial values", [&](AudiogramContent& c) { tympanogram(c); }, false},
        {"a tympanogram with a probe tone", [&](AudiogramContent& c) { tympanogram(c)->probeToneFrequency = 226; }, true},
        {"a tympanogram type of 0 (other)", [&](AudiogramContent& c) { tympanogram(c)->tympType = 0; }, true},
        {"an empty reflex curve", [](AudiogramContent& c) { addPureTone(c, 9, kEarLeft, {}); }, false},
        {"a reflex point", [](AudiogramContent& c) { addPureTone(c, 8, kEarLeft, {{1000, 900}}); }, true},
        {"a decay point", [](AudiogramContent& c) { addPureTone(c, 31, kEarLeft, {{1000, kNoValue}}); }, true},
        {"the other ear's reflex", [](AudiogramContent& c) { addPureTone(c, 8, kEarRight, {{1000, 900}}); }, false},
    };
    for (const Case& c : cases) {
        AudiogramContent content;
        c.fill(content);
        EXPECT_EQ(splitEarImpedance(content, kEarLeft, kFormatEarlier).hasData, c.hasData) << c.what;
    }
}

TEST(EarImpedance, BadRequestsAndForeignDataChangeNothing)
{
    const AudiogramContent full = fullAudiogram();
    const EarImpedanceData right = splitEarImpedance(full, kEarRight, kFormatEarlier);
    const std::vector<std::uint8_t> wholeAudiogram = writeAudiogram(full, kFormatEarlier);
    std::vector<std::uint8_t> truncated = right.data;
    truncated.pop_back();

    EXPECT_EQ(raisedNumber([&] { splitEarImpedance(full, kEarBinaural, kFormatEarlier); }), 5);
    EXPECT_EQ(raisedNumber([&] { splitEarImpedance(full, kEarLeft, 300); }), 5);

    AudiogramContent content = withoutImpedance();
    EXPECT_EQ(raisedNumber([&] { mergeEarImpedance(content, kEarBinaural, right.data, second(right)); }), 5);
    EXPECT_EQ(raisedNumber([&] { mergeEarImpedance(content, kEarLeft, right.data, second(right)); }), 5)
        << "the right ear's data loaded as the left ear's";
    EXPECT_EQ(raisedNumber([&] { mergeEarImpedance(content, kEarRight, wholeAudiogram, std::nullopt); }), 5)
        << "a whole audiogram loaded as one ear's impedance";
    EXPECT_EQ(raisedNumber([&] { mergeEarImpedance(content, kEarRight, truncated, second(right)); }), 5);
    expectSameContent(withoutImpedance(), content);
}

}  // namespace
}  // namespace vellum
