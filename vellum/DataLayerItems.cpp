#include "vellum/DataLayerItems.h"

#include "vellum/PureToneAverage.h"

#include "platform/com/Object.h"
#include "platform/runtime/RuntimeError.h"

#include <algorithm>
#include <string>

namespace vellum {

namespace {

using platform::com::make;
using platform::com::Object;
namespace errors = platform::runtime::errors;

class MeasurementObject final : public Object<IVellumMeasurement> {
public:
    explicit MeasurementObject(std::shared_ptr<Measurement> m) : m_m(std::move(m)) {}

    std::int32_t get_Ear() override { return m_m->ear; }
    std::int32_t get_CurveType() override { return m_m->curveType; }
    std::int32_t get_Condition() override { return m_m->condition; }
    std::int32_t get_WordList() override { return m_m->wordList; }
    std::string get_ConditionDescription() override { return m_m->conditionDescription; }
    void put_ConditionDescription(const std::string& text) override { m_m->conditionDescription = text; }
    std::string get_TransducerDescription() override { return m_m->transducerDescription; }
    void put_TransducerDescription(const std::string& text) override { m_m->transducerDescription = text; }
    std::string get_WordListDescription() override { return m_m->wordListDescription; }
    void put_WordListDescription(const std::string& text) override { m_m->wordListDescription = text; }

private:
    std::shared_ptr<Measurement> m_m;
};

class PureTonePointObject final : public Object<IVellumPureTonePoint> {
public:
    explicit PureTonePointObject(std::shared_ptr<PureTonePoint> p) : m_p(std::move(p)) {}

    std::int32_t get_Frequency() override { return m_p->frequency; }
    std::int16_t get_Level() override { return m_p->level; }
    void put_Level(std::int16_t level) override { m_p->level = level; }
    std::int16_t get_MaskingLevel() override { return m_p->maskingLevel; }
    void put_MaskingLevel(std::int16_t level) override { m_p->maskingLevel = level; }
    std::int16_t get_Status() override { return m_p->status; }
    void put_Status(std::int16_t status) override { m_p->status = status; }
    std::int16_t get_Decay() override { return m_p->decay; }
    void put_Decay(std::int16_t decay) override { m_p->decay = decay; }

private:
    std::shared_ptr<PureTonePoint> m_p;
};

class SpeechPointObject final : public Object<IVellumSpeechPoint> {
public:
    explicit SpeechPointObject(std::shared_ptr<SpeechPoint> p) : m_p(std::move(p)) {}

    std::int32_t get_Level() override { return m_p->level; }
    std::int16_t get_Score() override { return m_p->score; }
    void put_Score(std::int16_t score) override { m_p->score = score; }
    std::int16_t get_MaskingLevel() override { return m_p->maskingLevel; }
    void put_MaskingLevel(std::int16_t level) override { m_p->maskingLevel = level; }
    std::int32_t get_NumberOfWords() override { return m_p->numberOfWords; }
    void put_NumberOfWords(std::int32_t words) override { m_p->numberOfWords = words; }

private:
    std::shared_ptr<SpeechPoint> m_p;
};

std::shared_ptr<PureTonePoint> newPoint(std::int32_t frequency, const PureTonePoint*)
{
    auto p = std::make_shared<PureTonePoint>();
    p->frequency = frequency;
    return p;
}

std::shared_ptr<SpeechPoint> newPoint(std::int32_t level, const SpeechPoint*)
{
    auto p = std::make_shared<SpeechPoint>();
    p->level = level;
    return p;
}

// The points of one curve, by key.
template <class IPoints, class IPoint, class PointObject, class Node>
class PointsObject final : public Object<IPoints> {
public:
    explicit PointsObject(std::shared_ptr<Curve<Node>> curve) : m_curve(std::move(curve)) {}

    ComPtr<IPoint> Add(std::int32_t key) override
    {
        if (m_curve->points.contains(key))
            platform::runtime::raise(errors::DuplicateKey, "The curve has a point at " + std::to_string(key) + " already",
                                     "Vellum");
        auto point = newPoint(key, static_cast<const Node*>(nullptr));
        m_curve->points.emplace(key, point);
        return make<PointObject>(std::move(point));
    }

    void Remove(std::int32_t key) override { m_curve->points.erase(key); }
    bool Exists(std::int32_t key) override { return m_curve->points.contains(key); }

    ComPtr<IPoint> Item(std::int32_t key) override
    {
        const auto found = m_curve->points.find(key);
        if (found == m_curve->points.end())
            platform::runtime::raise(errors::InvalidProcedureCall, "The curve has no point at " + std::to_string(key),
                                     "Vellum");
        return make<PointObject>(found->second);
    }

    void Clear() override { m_curve->points.clear(); }
    std::int32_t get_Count() override { return static_cast<std::int32_t>(m_curve->points.size()); }

    ComPtr<IEnumVARIANT> get__NewEnum() override
    {
        std::vector<Variant> points;
        for (const auto& [key, point] : m_curve->points) points.emplace_back(ComPtr<IPoint>(make<PointObject>(point)));
        return platform::com::createVariantEnumerator(std::move(points));
    }

private:
    std::shared_ptr<Curve<Node>> m_curve;
};

using PureTonePoints = PointsObject<IVellumPureTonePoints, IVellumPureTonePoint, PureTonePointObject, PureTonePoint>;
using SpeechPoints = PointsObject<IVellumSpeechPoints, IVellumSpeechPoint, SpeechPointObject, SpeechPoint>;

// Where a curve stands in its collection, from 1; 0 when it is not there.
template <class Curves, class Node>
std::int32_t indexIn(const Curves& curves, const std::shared_ptr<Node>& curve)
{
    const auto found = std::ranges::find(curves, curve);
    return found == curves.end() ? 0 : static_cast<std::int32_t>(found - curves.begin()) + 1;
}

template <class Node>
ComPtr<IVellumMeasurement> measurementOf(const std::shared_ptr<Node>& curve)
{
    return make<MeasurementObject>(std::shared_ptr<Measurement>(curve, &curve->measurement));
}

class PureToneCurveObject final : public Object<IVellumPureToneCurve> {
public:
    PureToneCurveObject(std::shared_ptr<const AudiogramContent> content, std::shared_ptr<PureToneCurve> curve)
        : m_content(std::move(content)), m_curve(std::move(curve))
    {
    }

    ComPtr<IVellumPureTonePoints> get_Points() override { return make<PureTonePoints>(m_curve); }
    ComPtr<IVellumMeasurement> get_Measurement() override { return measurementOf(m_curve); }
    std::int32_t get_Index() override { return indexIn(m_content->pureToneCurves, m_curve); }
    std::int16_t Average(std::int32_t mask, std::int32_t doubleMask) override
    {
        return pureToneAverage(*m_curve, mask, doubleMask);
    }

private:
    std::shared_ptr<const AudiogramContent> m_content;
    std::shared_ptr<PureToneCurve> m_curve;
};

class SpeechCurveObject final : public Object<IVellumSpeechCurve> {
public:
    SpeechCurveObject(std::shared_ptr<const AudiogramContent> content, std::shared_ptr<SpeechCurve> curve)
        : m_content(std::move(content)), m_curve(std::move(curve))
    {
    }

    ComPtr<IVellumSpeechPoints> get_Points() override { return make<SpeechPoints>(m_curve); }
    ComPtr<IVellumMeasurement> get_Measurement() override { return measurementOf(m_curve); }
    std::int32_t get_Index() override { return indexIn(m_content->speechCurves, m_curve); }

private:
    std::shared_ptr<const AudiogramContent> m_content;
    std::shared_ptr<SpeechCurve> m_curve;
};

class TympanogramObject final : public Object<IVellumTympanogram> {
public:
    explicit TympanogramObject(std::shared_ptr<Tympanogram> t) : m_t(std::move(t)) {}

    std::int32_t get_Ear() override { return m_t->ear; }
    std::int32_t get_StaticCompliance() override { return m_t->staticCompliance; }
    void put_StaticCompliance(std::int32_t value) override { m_t->staticCompliance = value; }
    std::int32_t get_EarCanalVolume() override { return m_t->earCanalVolume; }
    void put_EarCanalVolume(std::int32_t value) override { m_t->earCanalVolume = value; }
    std::int32_t get_PeakPressure() override { return m_t->peakPressure; }
    void put_PeakPressure(std::int32_t value) override { m_t->peakPressure = value; }
    std::int32_t get_TympType() override { return m_t->tympType; }
    void put_TympType(std::int32_t value) override { m_t->tympType = value; }
    std::int32_t get_ProbeToneFrequency() override { return m_t->probeToneFrequency; }
    void put_ProbeToneFrequency(std::int32_t value) override { m_t->probeToneFrequency = value; }
    std::int32_t get_Gradient() override { return m_t->gradient; }
    void put_Gradient(std::int32_t value) override { m_t->gradient = value; }
    std::int32_t get_PeakHeight() override { return m_t->peakHeight; }
    void put_PeakHeight(std::int32_t value) override { m_t->peakHeight = value; }
    std::int32_t get_GradientStatus() override { return m_t->gradientStatus; }
    void put_GradientStatus(std::int32_t value) override { m_t->gradientStatus = value; }

private:
    std::shared_ptr<Tympanogram> m_t;
};

}  // namespace

ComPtr<IVellumPureToneCurve> wrapPureToneCurve(std::shared_ptr<const AudiogramContent> content,
                                               std::shared_ptr<PureToneCurve> curve)
{
    return make<PureToneCurveObject>(std::move(content), std::move(curve));
}

ComPtr<IVellumSpeechCurve> wrapSpeechCurve(std::shared_ptr<const AudiogramContent> content,
                                           std::shared_ptr<SpeechCurve> curve)
{
    return make<SpeechCurveObject>(std::move(content), std::move(curve));
}

ComPtr<IVellumTympanogram> wrapTympanogram(std::shared_ptr<Tympanogram> tympanogram)
{
    return make<TympanogramObject>(std::move(tympanogram));
}

}  // namespace vellum
