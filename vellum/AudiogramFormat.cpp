#include "vellum/AudiogramFormat.h"

#include "vellum/ByteStream.h"

#include <set>
#include <string>
#include <tuple>
#include <type_traits>

namespace vellum {

namespace {

constexpr std::string_view kAudiogramTag = "VAUD";
constexpr std::string_view kDescriptionsTag = "VDSC";
constexpr std::string_view kAudiogramSubject = "Audiogram data";
constexpr std::string_view kDescriptionsSubject = "Audiogram secondary data";

constexpr std::size_t kMeasurementKeysSize = 4 * 4;
constexpr std::size_t kPointSize = 12;
constexpr std::size_t kTympanogramSize = 9 * 4;

using CurveKey = std::tuple<std::int32_t, std::int32_t, std::int32_t, std::int32_t>;

// Speech curves are told apart by word list as well, pure-tone curves are not.
CurveKey keyOf(const Measurement& m, bool wordListIsKey)
{
    return {m.curveType, m.ear, m.condition, wordListIsKey ? m.wordList : 0};
}

void writeKeys(ByteWriter& out, const Measurement& m)
{
    out.i32(m.ear);
    out.i32(m.curveType);
    out.i32(m.condition);
    out.i32(m.wordList);
}

void writeDescriptionTexts(ByteWriter& out, const Measurement& m)
{
    out.text(m.conditionDescription);
    out.text(m.transducerDescription);
    out.text(m.wordListDescription);
}

Measurement readKeys(ByteReader& in)
{
    Measurement m;
    m.ear = in.i32();
    m.curveType = in.i32();
    m.condition = in.i32();
    m.wordList = in.i32();
    return m;
}

void readDescriptionTexts(ByteReader& in, Measurement& m)
{
    m.conditionDescription = in.text();
    m.transducerDescription = in.text();
    m.wordListDescription = in.text();
}

void writePoint(ByteWriter& out, const PureTonePoint& p)
{
    out.i32(p.frequency);
    out.i16(p.level);
    out.i16(p.maskingLevel);
    out.i16(p.status);
    out.i16(p.decay);
}

void writePoint(ByteWriter& out, const SpeechPoint& p)
{
    out.i32(p.level);
    out.i16(p.score);
    out.i16(p.maskingLevel);
    out.i32(p.numberOfWords);
}

std::shared_ptr<PureTonePoint> readPureTonePoint(ByteReader& in)
{
    auto p = std::make_shared<PureTonePoint>();
    p->frequency = in.i32();
    p->level = in.i16();
    p->maskingLevel = in.i16();
    p->status = in.i16();
    p->decay = in.i16();
    return p;
}

std::shared_ptr<SpeechPoint> readSpeechPoint(ByteReader& in)
{
    auto p = std::make_shared<SpeechPoint>();
    p->level = in.i32();
    p->score = in.i16();
    p->maskingLevel = in.i16();
    p->numberOfWords = in.i32();
    return p;
}

std::int32_t keyOf(const PureTonePoint& p) { return p.frequency; }
std::int32_t keyOf(const SpeechPoint& p) { return p.level; }

template <class Point>
void writeCurves(ByteWriter& out, const std::vector<std::shared_ptr<Curve<Point>>>& curves, bool withDescriptions)
{
    out.count(curves.size());
    for (const auto& curve : curves) {
        writeKeys(out, curve->measurement);
        if (withDescriptions) writeDescriptionTexts(out, curve->measurement);
        out.count(curve->points.size());
        for (const auto& [key, point] : curve->points) writePoint(out, *point);
    }
}

template <class Point, class ReadPoint>
std::vector<std::shared_ptr<Curve<Point>>> readCurves(ByteReader& in, bool withDescriptions, ReadPoint readPoint)
{
    constexpr bool wordListIsKey = std::is_same_v<Point, SpeechPoint>;
    const std::size_t minCurveSize = kMeasurementKeysSize + (withDescriptions ? 3 * 4 : 0) + 4;
    std::vector<std::shared_ptr<Curve<Point>>> curves(in.count(minCurveSize));
    std::set<CurveKey> keys;
    for (auto& curve : curves) {
        curve = std::make_shared<Curve<Point>>();
        curve->measurement = readKeys(in);
        if (withDescriptions) readDescriptionTexts(in, curve->measurement);
        if (!keys.insert(keyOf(curve->measurement, wordListIsKey)).second) in.corrupt("holds two curves with the same keys");
        for (std::size_t n = in.count(kPointSize); n > 0; --n) {
            auto point = readPoint(in);
            if (!curve->points.emplace(keyOf(*point), std::move(point)).second)
                in.corrupt("holds two points with the same key in one curve");
        }
    }
    return curves;
}

void writeTympanograms(ByteWriter& out, const std::vector<std::shared_ptr<Tympanogram>>& tympanograms)
{
    out.count(tympanograms.size());
    for (const auto& t : tympanograms) {
        for (std::int32_t value : {t->ear, t->staticCompliance, t->earCanalVolume, t->peakPressure, t->tympType,
                                   t->probeToneFrequency, t->gradient, t->peakHeight, t->gradientStatus})
            out.i32(value);
    }
}

std::vector<std::shared_ptr<Tympanogram>> readTympanograms(ByteReader& in)
{
    std::vector<std::shared_ptr<Tympanogram>> tympanograms(in.count(kTympanogramSize));
    std::set<std::int32_t> ears;
    for (auto& t : tympanograms) {
        t = std::make_shared<Tympanogram>();
        for (std::int32_t* field : {&t->ear, &t->staticCompliance, &t->earCanalVolume, &t->peakPressure, &t->tympType,
                                    &t->probeToneFrequency, &t->gradient, &t->peakHeight, &t->gradientStatus})
            *field = in.i32();
        if (!ears.insert(t->ear).second) in.corrupt("holds two tympanograms of one ear");
    }
    return tympanograms;
}

// One entry of the secondary layout.
struct Descriptions {
    bool speech = false;
    Measurement measurement;
};

template <class Curves>
Measurement* findMeasurement(Curves& curves, const Measurement& keys, bool withWordList)
{
    for (auto& curve : curves) {
        Measurement& m = curve->measurement;
        if (samePureToneKey(m, keys.curveType, keys.ear, keys.condition) && (!withWordList || m.wordList == keys.wordList))
            return &m;
    }
    return nullptr;
}

}  // namespace

bool isKnownFormat(std::int32_t format)
{
    return format == kFormatCurrent || format == kFormatEarlier;
}

std::vector<std::uint8_t> writeAudiogram(const AudiogramContent& content, std::int32_t format)
{
    const bool current = format == kFormatCurrent;
    ByteWriter out;
    for (char c : kAudiogramTag) out.u8(static_cast<std::uint8_t>(c));
    out.i32(format);
    for (std::int32_t mask : {content.averages.left, content.averages.right, content.averages.doubleLeft,
                              content.averages.doubleRight})
        out.i32(mask);
    writeCurves(out, content.pureToneCurves, current);
    writeCurves(out, content.speechCurves, current);
    writeTympanograms(out, content.tympanograms);
    return std::move(out.result());
}

StoredAudiogram readAudiogram(std::span<const std::uint8_t> data)
{
    ByteReader in(data, kAudiogramSubject);
    in.expectTag(kAudiogramTag);
    StoredAudiogram stored;
    stored.format = in.i32();
    if (!isKnownFormat(stored.format))
        in.corrupt("is in format " + std::to_string(stored.format) + ", which is not 100 or 200");
    const bool current = stored.format == kFormatCurrent;
    AudiogramContent& content = stored.content;
    for (std::int32_t* mask : {&content.averages.left, &content.averages.right, &content.averages.doubleLeft,
                               &content.averages.doubleRight})
        *mask = in.i32();
    content.pureToneCurves = readCurves<PureTonePoint>(in, current, readPureTonePoint);
    content.speechCurves = readCurves<SpeechPoint>(in, current, readSpeechPoint);
    content.tympanograms = readTympanograms(in);
    in.expectEnd();
    return stored;
}

std::vector<std::uint8_t> writeDescriptions(const AudiogramContent& content)
{
    ByteWriter out;
    for (char c : kDescriptionsTag) out.u8(static_cast<std::uint8_t>(c));
    out.count(content.pureToneCurves.size() + content.speechCurves.size());
    auto write = [&out](std::uint8_t kind, const Measurement& m) {
        out.u8(kind);
        out.i32(m.curveType);
        out.i32(m.ear);
        out.i32(m.condition);
        out.i32(m.wordList);
        writeDescriptionTexts(out, m);
    };
    for (const auto& curve : content.pureToneCurves) write(0, curve->measurement);
    for (const auto& curve : content.speechCurves) write(1, curve->measurement);
    return std::move(out.result());
}

void applyDescriptions(std::span<const std::uint8_t> data, AudiogramContent& content)
{
    ByteReader in(data, kDescriptionsSubject);
    in.expectTag(kDescriptionsTag);
    std::vector<Descriptions> entries(in.count(1 + kMeasurementKeysSize + 3 * 4));
    for (Descriptions& entry : entries) {
        const std::uint8_t kind = in.u8();
        if (kind > 1) in.corrupt("names an unknown kind of curve");
        entry.speech = kind == 1;
        entry.measurement.curveType = in.i32();
        entry.measurement.ear = in.i32();
        entry.measurement.condition = in.i32();
        entry.measurement.wordList = in.i32();
        readDescriptionTexts(in, entry.measurement);
    }
    in.expectEnd();

    for (Descriptions& entry : entries) {
        Measurement* target = entry.speech ? findMeasurement(content.speechCurves, entry.measurement, true)
                                           : findMeasurement(content.pureToneCurves, entry.measurement, false);
        if (!target) continue;
        target->conditionDescription = std::move(entry.measurement.conditionDescription);
        target->transducerDescription = std::move(entry.measurement.transducerDescription);
        target->wordListDescription = std::move(entry.measurement.wordListDescription);
    }
}

}  // namespace vellum
