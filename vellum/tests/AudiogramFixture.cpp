#include "vellum/tests/AudiogramFixture.h"

#include <gtest/gtest.h>

namespace vellum::testing {

namespace {

Measurement measurement(std::int32_t curveType, std::int32_t ear, std::int32_t condition, std::int32_t wordList = 0)
{
    Measurement m;
    m.curveType = curveType;
    m.ear = ear;
    m.condition = condition;
    m.wordList = wordList;
    return m;
}

std::shared_ptr<PureTonePoint> pureTonePoint(std::int32_t frequency, std::int16_t level, std::int16_t masking = kNoValue,
                                             std::int16_t status = kStatusMeasured)
{
    auto p = std::make_shared<PureTonePoint>();
    p->frequency = frequency;
    p->level = level;
    p->maskingLevel = masking;
    p->status = status;
    return p;
}

std::shared_ptr<SpeechPoint> speechPoint(std::int32_t level, std::int16_t score, std::int16_t masking,
                                         std::int32_t words)
{
    auto p = std::make_shared<SpeechPoint>();
    p->level = level;
    p->score = score;
    p->maskingLevel = masking;
    p->numberOfWords = words;
    return p;
}

std::string describe(const Measurement& m)
{
    return "curve type " + std::to_string(m.curveType) + ", ear " + std::to_string(m.ear) + ", condition " +
           std::to_string(m.condition) + ", word list " + std::to_string(m.wordList);
}

void expectSameMeasurement(const Measurement& e, const Measurement& a)
{
    EXPECT_EQ(describe(e), describe(a));
    EXPECT_EQ(e.conditionDescription, a.conditionDescription) << describe(e);
    EXPECT_EQ(e.transducerDescription, a.transducerDescription) << describe(e);
    EXPECT_EQ(e.wordListDescription, a.wordListDescription) << describe(e);
}

void expectSamePoint(const PureTonePoint& e, const PureTonePoint& a)
{
    EXPECT_EQ(e.frequency, a.frequency);
    EXPECT_EQ(e.level, a.level) << "at " << e.frequency;
    EXPECT_EQ(e.maskingLevel, a.maskingLevel) << "at " << e.frequency;
    EXPECT_EQ(e.status, a.status) << "at " << e.frequency;
    EXPECT_EQ(e.decay, a.decay) << "at " << e.frequency;
}

void expectSamePoint(const SpeechPoint& e, const SpeechPoint& a)
{
    EXPECT_EQ(e.level, a.level);
    EXPECT_EQ(e.score, a.score) << "at " << e.level;
    EXPECT_EQ(e.maskingLevel, a.maskingLevel) << "at " << e.level;
    EXPECT_EQ(e.numberOfWords, a.numberOfWords) << "at " << e.level;
}

template <class Curves>
void expectSameCurves(const Curves& expected, const Curves& actual)
{
    ASSERT_EQ(expected.size(), actual.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        expectSameMeasurement(expected[i]->measurement, actual[i]->measurement);
        ASSERT_EQ(expected[i]->points.size(), actual[i]->points.size()) << describe(expected[i]->measurement);
        auto a = actual[i]->points.begin();
        for (const auto& [key, point] : expected[i]->points) {
            EXPECT_EQ(key, a->first);
            expectSamePoint(*point, *a->second);
            ++a;
        }
    }
}

}  // namespace

std::shared_ptr<PureToneCurve> addPureTone(AudiogramContent& content, std::int32_t curveType, std::int32_t ear,
                                           std::initializer_list<std::pair<std::int32_t, std::int16_t>> points)
{
    auto curve = std::make_shared<PureToneCurve>();
    curve->measurement = measurement(curveType, ear, 2);
    for (const auto& [key, level] : points) curve->points.emplace(key, pureTonePoint(key, level));
    content.pureToneCurves.push_back(curve);
    return curve;
}

AudiogramContent fullAudiogram()
{
    AudiogramContent content;
    auto left = addPureTone(content, 1, kEarLeft, {{250, 150}, {500, 200}, {1000, 250}});
    left->measurement.conditionDescription = "unaided";
    left->measurement.transducerDescription = "TDH-39";
    left->points.emplace(2000, pureTonePoint(2000, 450, 40));                          // masked
    left->points.emplace(4000, pureTonePoint(4000, 1200, kNoValue, kStatusNoResponse));  // no response
    left->points.emplace(8000, pureTonePoint(8000, 1100, 60, kStatusUnmeasurable));      // masked, unmeasurable
    addPureTone(content, 1, kEarRight, {{500, 100}, {1000, 150}, {2000, 200}, {4000, 300}});
    addPureTone(content, 2, kEarRight, {{500, 50}, {1000, 100}})->measurement.transducerDescription = "B-71 bone";

    for (std::int32_t ear : {kEarLeft, kEarRight}) {
        addPureTone(content, kCurveIpsilateralReflex, ear, {{500, 850}, {1000, 900}, {32765, 4020}});
        addPureTone(content, kCurveContralateralReflex, ear, {{1000, 955}, {2000, 4030}});
        auto decay = addPureTone(content, kCurveContralateralDecay, ear, {{1000, kNoValue}});
        decay->points.at(1000)->decay = 1;
        addPureTone(content, kCurveIpsilateralDecay, ear, {{500, kNoValue}})->points.at(500)->decay = 0;
    }

    auto srt = std::make_shared<SpeechCurve>();
    srt->measurement = measurement(17, kEarRight, 2, 8);
    srt->points.emplace(350, speechPoint(350, kNoValue, 40, 0));
    content.speechCurves.push_back(srt);
    auto words = std::make_shared<SpeechCurve>();
    words->measurement = measurement(10, kEarLeft, 3, 10);
    words->measurement.conditionDescription = "first aided solution";
    words->measurement.wordListDescription = "NU-6 list 2A, ü";
    words->points.emplace(400, speechPoint(400, 6800, kNoSpeechMasking, 25));
    words->points.emplace(600, speechPoint(600, 9200, 30, 25));
    content.speechCurves.push_back(words);

    for (std::int32_t ear : {kEarLeft, kEarRight}) {
        auto t = std::make_shared<Tympanogram>();
        t->ear = ear;
        t->staticCompliance = ear == kEarLeft ? 65 : 70;
        t->earCanalVolume = 120;
        t->peakPressure = ear == kEarLeft ? -100 : 405;
        t->tympType = ear == kEarLeft ? 1 : 4;
        t->probeToneFrequency = 226;
        t->gradient = 80;
        t->peakHeight = ear == kEarLeft ? 45 : 30811;
        t->gradientStatus = 1;
        content.tympanograms.push_back(t);
    }
    content.averages = {0x54, 0x14, 0x10, 0};
    return content;
}

void expectSameContent(const AudiogramContent& expected, const AudiogramContent& actual)
{
    expectSameCurves(expected.pureToneCurves, actual.pureToneCurves);
    expectSameCurves(expected.speechCurves, actual.speechCurves);
    ASSERT_EQ(expected.tympanograms.size(), actual.tympanograms.size());
    for (std::size_t i = 0; i < expected.tympanograms.size(); ++i) {
        const Tympanogram& e = *expected.tympanograms[i];
        const Tympanogram& a = *actual.tympanograms[i];
        EXPECT_EQ((std::array{e.ear, e.staticCompliance, e.earCanalVolume, e.peakPressure, e.tympType,
                              e.probeToneFrequency, e.gradient, e.peakHeight, e.gradientStatus}),
                  (std::array{a.ear, a.staticCompliance, a.earCanalVolume, a.peakPressure, a.tympType,
                              a.probeToneFrequency, a.gradient, a.peakHeight, a.gradientStatus}));
    }
    EXPECT_EQ(expected.averages.left, actual.averages.left);
    EXPECT_EQ(expected.averages.right, actual.averages.right);
    EXPECT_EQ(expected.averages.doubleLeft, actual.averages.doubleLeft);
    EXPECT_EQ(expected.averages.doubleRight, actual.averages.doubleRight);
}

}  // namespace vellum::testing
