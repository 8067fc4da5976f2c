#include "module/views/CUnderlayGenerator.h"

#include "module/core/PreferenceValues.h"
#include "module/core/SplitText.h"
#include "module/views/CPureToneChartMaps.h"
#include "module/views/PureToneChartGrid.h"
#include "module/views/SpeechIntelligibilityBands.h"

#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/Draw.h"
#include "platform/gfx/Metafile.h"
#include "platform/gfx/Objects.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/system/WholeFile.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <vector>

namespace brisance {
namespace {

namespace gfx = platform::gfx;
using platform::runtime::RuntimeError;

constexpr const char* kGraphOptionsKey = "PTGraphOptions";
constexpr const char* kSeverityConfigKey = "SeverityOfLossConfig";
constexpr const char* kSeverityLowsKey = "SeverityOfLossLows";
constexpr const char* kSeverityHighsKey = "SeverityOfLossHighs";

// Recording units per chart unit, so that half a dB and a fraction of an
// octave fall on whole units.
constexpr double kUnitsPerChartUnit = 100;

constexpr int kSeverityBands = 7;
constexpr int kLightestSeverityGrey = 235;
constexpr int kSeverityGreyStep = 20;
// How far a band reaches beyond each of its limits, dB.
constexpr double kSeverityBandOverlap = 0.5;

constexpr gfx::ColorRef kSpeechAreaFill = gfx::rgb(255, 244, 204);
constexpr gfx::ColorRef kSpeechAreaOutline = gfx::rgb(205, 170, 80);
// The outline's width, dB: about one pixel on a chart of usual size.
constexpr double kSpeechAreaOutlineWidth = 0.3;

// A dot's diameter, dB. A band's dots stand at least 30 / 9 dB apart and
// neighbouring bands a third of an octave (6.7 dB) apart: the dots never touch.
constexpr double kDotDiameter = 2.4;
// On the audiogram one octave across stands for 20 dB down.
constexpr double kDbPerOctave = 20;

constexpr std::int32_t kLowestOctave = 125;

// The plane of one ear chart for a profile's graph options.
class UnderlayPlane {
public:
    explicit UnderlayPlane(std::int32_t graphOptions) : m_grid(PureToneChartGridFor(graphOptions))
    {
        SetChartMapsFromGraphOptions(m_maps, graphOptions);
        m_maps.Initialize();
    }

    // The first to the last X and level grid line, as the chart takes them.
    double FirstX() const { return std::trunc(m_grid.XGridLines.front().Position); }
    double LastX() const { return std::trunc(m_grid.XGridLines.back().Position); }
    double FirstLevel() const { return std::trunc(m_grid.YGridLines.front().Position); }
    double LastLevel() const { return std::trunc(m_grid.YGridLines.back().Position); }
    gfx::Rect Frame() const { return {X(FirstX()), Y(FirstLevel()), X(LastX()), Y(LastLevel())}; }

    int X(double chartX) const { return static_cast<int>(std::lround(chartX * kUnitsPerChartUnit)); }
    int Y(double level) const { return static_cast<int>(std::lround(level * kUnitsPerChartUnit)); }

    // The chart X of a frequency: the octave tick at or below it plus
    // log2(f / tick) octaves (from the lowest tick for one below it).
    double XOfFrequency(double hertz) const
    {
        std::int32_t octave = kLowestOctave;
        for (std::int32_t above = octave * 2; above <= hertz && m_maps.ConvertAudioXToChartX(above) != 0; above *= 2)
            octave = above;
        return m_maps.ConvertAudioXToChartX(octave) + std::log2(hertz / octave) * m_maps.Increment();
    }

    // Chart X units that stand for one dB down.
    double ChartXPerDb() const { return m_maps.Increment() / kDbPerOctave; }

private:
    PureToneChartGrid m_grid;
    CPureToneChartMaps m_maps;
};

// A drawing object that goes with this.
class OwnedObject {
public:
    explicit OwnedObject(gfx::ObjectHandle object) : m_object(object) {}
    ~OwnedObject() { gfx::deleteObject(m_object); }
    OwnedObject(const OwnedObject&) = delete;
    OwnedObject& operator=(const OwnedObject&) = delete;
    gfx::ObjectHandle get() const { return m_object; }

private:
    gfx::ObjectHandle m_object;
};

// An object selected into a context while this lives.
class Selection {
public:
    Selection(gfx::DcHandle dc, gfx::ObjectHandle object) : m_dc(dc), m_previous(gfx::selectObject(dc, object)) {}
    ~Selection()
    {
        if (m_previous)
            gfx::selectObject(m_dc, m_previous);
    }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    gfx::DcHandle m_dc;
    gfx::ObjectHandle m_previous;
};

// Records the drawing, clipped to the plane's frame, into the file: whole or
// not at all. False on any failure.
bool RecordUnderlay(const std::string& path, const UnderlayPlane& plane,
                    const std::function<void(gfx::DcHandle)>& draw)
{
    if (path.empty())
        return false;
    const gfx::Rect frame = plane.Frame();
    try {
        platform::system::writeWholeFileThrough(path, [&](const std::string& temporary) {
            const gfx::DcHandle dc = gfx::createEnhMetaFile(0, temporary, &frame);
            if (!dc)
                return false;
            gfx::intersectClipRect(dc, frame.left, frame.top, frame.right, frame.bottom);
            draw(dc);
            const gfx::MetafileHandle metafile = gfx::closeEnhMetaFile(dc);
            return metafile != 0 && gfx::deleteEnhMetaFile(metafile);
        });
        return true;
    } catch (const RuntimeError&) {
        return false;
    }
}

// The leading number of a limit; none when it holds none.
std::optional<double> LimitOf(const std::vector<std::string>& limits, std::size_t band)
{
    if (band >= limits.size())
        return std::nullopt;
    try {
        return platform::runtime::leadingNumber(limits[band]);
    } catch (const RuntimeError&) {
        return std::nullopt;  // a number too large for any audiogram
    }
}

// The plane of the profile's graph options; none when the store fails.
std::optional<UnderlayPlane> PlaneOfProfile(vellum::IVellumKeyedStore& prefs)
{
    try {
        return UnderlayPlane(PreferenceNumber(prefs, kGraphOptionsKey));
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
}

struct SeverityBand {
    int index;
    double top;     // the lesser level, dB
    double bottom;  // the greater level, dB
};

std::vector<SeverityBand> SeverityBands(vellum::IVellumKeyedStore& prefs)
{
    const std::int32_t shown = PreferenceNumber(prefs, kSeverityConfigKey);
    const auto lows = SplitText(PreferenceText(prefs, kSeverityLowsKey), ',');
    const auto highs = SplitText(PreferenceText(prefs, kSeverityHighsKey), ',');
    std::vector<SeverityBand> bands;
    for (int band = 0; band < kSeverityBands; ++band) {
        if ((shown & (1 << band)) == 0)
            continue;
        const auto low = LimitOf(lows, static_cast<std::size_t>(band));
        const auto high = LimitOf(highs, static_cast<std::size_t>(band));
        if (!low || !high)
            continue;
        bands.push_back({band, std::min(*low, *high), std::max(*low, *high)});
    }
    return bands;
}

}  // namespace

bool CUnderlayGenerator::GenerateSeverityOfLossUnderlay(vellum::IVellumKeyedStore& oPrefs,
                                                       const std::string& strFile) const
{
    const auto plane = PlaneOfProfile(oPrefs);
    if (!plane)
        return false;
    std::vector<SeverityBand> bands;
    try {
        bands = SeverityBands(oPrefs);
    } catch (const RuntimeError&) {
        return false;
    }
    return RecordUnderlay(strFile, *plane, [&](gfx::DcHandle dc) {
        const gfx::Rect frame = plane->Frame();
        // Limits far beyond the axis are brought to its edge before scaling.
        const auto level = [&](double dB) {
            return plane->Y(std::clamp(dB, plane->FirstLevel() - 1, plane->LastLevel() + 1));
        };
        for (const SeverityBand& band : bands) {
            const int grey = kLightestSeverityGrey - kSeverityGreyStep * band.index;
            const OwnedObject brush(gfx::createSolidBrush(gfx::rgb(grey, grey, grey)));
            gfx::fillRect(dc,
                          {frame.left, level(band.top - kSeverityBandOverlap), frame.right,
                           level(band.bottom + kSeverityBandOverlap)},
                          brush.get());
        }
    });
}

bool CUnderlayGenerator::GenerateSpeechSpectrumUnderlay(vellum::IVellumKeyedStore& oPrefs,
                                                       const std::string& strFile) const
{
    const auto plane = PlaneOfProfile(oPrefs);
    return plane && RecordUnderlay(strFile, *plane, [&](gfx::DcHandle dc) {
        // The upper edge from the lowest band to the highest, then the lower
        // edge back.
        std::vector<gfx::Point> outline;
        for (const SpeechBand& band : kSpeechBands)
            outline.push_back({plane->X(plane->XOfFrequency(band.Frequency)),
                               plane->Y(SpeechAreaCentre(band) - kSpeechHalfRange)});
        for (auto band = kSpeechBands.rbegin(); band != kSpeechBands.rend(); ++band)
            outline.push_back({plane->X(plane->XOfFrequency(band->Frequency)),
                               plane->Y(SpeechAreaCentre(*band) + kSpeechHalfRange)});
        const OwnedObject brush(gfx::createSolidBrush(kSpeechAreaFill));
        const OwnedObject pen(
            gfx::createPen(gfx::PS_SOLID, plane->Y(kSpeechAreaOutlineWidth) - plane->Y(0), kSpeechAreaOutline));
        const Selection filling(dc, brush.get());
        const Selection outlining(dc, pen.get());
        gfx::polygon(dc, outline.data(), static_cast<int>(outline.size()));
    });
}

bool CUnderlayGenerator::GenerateAudibilityIndexUnderlay(vellum::IVellumKeyedStore& oPrefs,
                                                        const std::string& strFile) const
{
    const auto plane = PlaneOfProfile(oPrefs);
    return plane && RecordUnderlay(strFile, *plane, [&](gfx::DcHandle dc) {
        const Selection filling(dc, gfx::getStockObject(gfx::BLACK_BRUSH));
        const Selection outlining(dc, gfx::getStockObject(gfx::NULL_PEN));
        const double radius = kDotDiameter / 2;
        const double across = radius * plane->ChartXPerDb();
        const auto counts = AudibilityDotCounts();
        for (std::size_t band = 0; band < kSpeechBands.size(); ++band) {
            const double x = plane->XOfFrequency(kSpeechBands[band].Frequency);
            for (const double level : AudibilityDotLevels(kSpeechBands[band], counts[band]))
                gfx::ellipse(dc, plane->X(x - across), plane->Y(level - radius), plane->X(x + across),
                             plane->Y(level + radius));
        }
    });
}

}  // namespace brisance
