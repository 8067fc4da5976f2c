#include "vellum/AudiogramFormat.h"

#include "vellum/ByteStream.h"
#include "vellum/tests/AudiogramFixture.h"

#include <gtest/gtest.h>

#include <functional>

namespace vellum {
namespace {

using testing::expectSameContent;
using testing::fullAudiogram;
using testing::raisedNumber;
using Bytes = std::vector<std::uint8_t>;

TEST(AudiogramFormat, CurrentFormatKeepsTheWholeAudiogram)
{
    const AudiogramContent full = fullAudiogram();
    const StoredAudiogram stored = readAudiogram(writeAudiogram(full, kFormatCurrent));
    EXPECT_EQ(stored.format, kFormatCurrent);
    expectSameContent(full, stored.content);
}

TEST(AudiogramFormat, EarlierFormatCarriesTheDescriptionsAsSecondaryData)
{
    const AudiogramContent full = fullAudiogram();
    StoredAudiogram stored = readAudiogram(writeAudiogram(full, kFormatEarlier));
    EXPECT_EQ(stored.format, kFormatEarlier);
    EXPECT_EQ(stored.content.pureToneCurves[0]->measurement.conditionDescription, "");
    EXPECT_EQ(stored.content.speechCurves[1]->measurement.wordListDescription, "");
    EXPECT_EQ(stored.content.speechCurves[1]->points.at(600)->numberOfWords, 25);

    applyDescriptions(writeDescriptions(full), stored.content);
    expectSameContent(full, stored.content);
}

TEST(AudiogramFormat, SecondaryDataOfCurvesThatAreNotThereIsPassedOver)
{
    AudiogramContent partial;
    testing::addPureTone(partial, 2, kEarRight, {{500, 50}});
    applyDescriptions(writeDescriptions(fullAudiogram()), partial);
    EXPECT_EQ(partial.pureToneCurves[0]->measurement.transducerDescription, "B-71 bone");
}

Bytes withTwo(const std::function<void(AudiogramContent&)>& spoil)
{
    AudiogramContent content = fullAudiogram();
    spoil(content);
    return writeAudiogram(content, kFormatCurrent);
}

TEST(AudiogramFormat, DamagedDataIsRefusedWithAClearError)
{
    const Bytes valid = writeAudiogram(fullAudiogram(), kFormatCurrent);
    const std::size_t curveCountAt = 4 + 4 + 4 * 4;
    struct Case {
        const char* what;
        Bytes data;
    };
    const std::vector<Case> cases = {
        {"empty", {}},
        {"another layout", [&] { Bytes b = valid; b[0] = 'X'; return b; }()},
        {"unknown format 300", [&] { Bytes b = valid; b[4] = 44; b[5] = 1; return b; }()},
        {"absurd curve count",
         [&] { Bytes b = valid; std::fill_n(b.begin() + curveCountAt, 4, std::uint8_t{0xFF}); return b; }()},
        {"trailing byte", [&] { Bytes b = valid; b.push_back(0); return b; }()},
        {"two curves with the same keys",
         withTwo([](AudiogramContent& c) { c.pureToneCurves.push_back(c.pureToneCurves[0]); })},
        {"two points with the same key", withTwo([](AudiogramContent& c) {
             auto& points = c.pureToneCurves[0]->points;
             points.emplace(251, points.at(250));
         })},
        {"two speech curves with the same keys",
         withTwo([](AudiogramContent& c) { c.speechCurves.push_back(c.speechCurves[0]); })},
        {"two tympanograms of one ear",
         withTwo([](AudiogramContent& c) { c.tympanograms.push_back(c.tympanograms[0]); })},
        {"too large to be valid", Bytes(kMaxStoredSize + 1)},
    };
    for (const Case& c : cases) EXPECT_EQ(raisedNumber([&] { readAudiogram(c.data); }), 5) << c.what;
}

TEST(AudiogramFormat, EveryTruncationIsRefused)
{
    for (std::int32_t format : {kFormatCurrent, kFormatEarlier}) {
        const Bytes valid = writeAudiogram(fullAudiogram(), format);
        for (std::size_t size = 0; size < valid.size(); ++size)
            ASSERT_EQ(raisedNumber([&] { readAudiogram(std::span(valid).first(size)); }), 5)
                << "format " << format << ", cut at " << size << " of " << valid.size();
    }
}

TEST(AudiogramFormat, DamagedSecondaryDataChangesNothing)
{
    const Bytes valid = writeDescriptions(fullAudiogram());
    AudiogramContent content = fullAudiogram();
    for (auto& curve : content.pureToneCurves) curve->measurement.transducerDescription = "kept";
    Bytes unknownKind = valid;
    unknownKind[8] = 7;  // the first entry's kind
    for (const Bytes& damaged : {Bytes(valid.begin(), valid.end() - 1), unknownKind, Bytes{'V', 'A', 'U', 'D'}})
        EXPECT_EQ(raisedNumber([&] { applyDescriptions(damaged, content); }), 5);
    EXPECT_EQ(content.pureToneCurves[0]->measurement.transducerDescription, "kept");
}

}  // namespace
}  // namespace vellum
