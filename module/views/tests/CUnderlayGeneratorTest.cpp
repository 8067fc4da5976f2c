// The underlay pictures: each file played into an image of the audiogram's
// proportion (ten pixels per dB down, and per dB's worth of an octave
// across), and read at the pixels of its bands and dots.

#include "module/testing/RegisterServer.h"
#include "module/views/CUnderlayGenerator.h"
#include "module/views/SpeechIntelligibilityBands.h"

#include "platform/com/Creation.h"
#include "platform/gfx/Metafile.h"
#include "platform/gfx/tests/Canvas.h"
#include "platform/testing/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace brisance {
namespace {

namespace gfx = platform::gfx;
using gfx::testing::Canvas;
using gfx::testing::kWhite;

// 125 Hz to 8 kHz: six octaves across the frame, 150 chart units each, the
// first at chart X 50.
constexpr std::int32_t k8kHz = 32;
constexpr std::int32_t kTo120dB = 512;
constexpr int kPixelsPerDb = 10;
constexpr int kFrameWidth = 6 * 20 * kPixelsPerDb;
constexpr double kFirstOctaveX = 50;
constexpr double kOctaveWidth = 150;

gfx::ColorRef grey(int level) { return gfx::rgb(level, level, level); }

// The chart X of a frequency on the 8-kHz axis: octaves equally spaced.
double chartXOf(double hertz) { return kFirstOctaveX + std::log2(hertz / 125) * kOctaveWidth; }
int columnOf(double hertz) { return static_cast<int>(std::lround((chartXOf(hertz) - kFirstOctaveX) / kOctaveWidth * 20 * kPixelsPerDb)); }
int rowOf(double level) { return static_cast<int>(std::lround((level + 10) * kPixelsPerDb)); }
double levelOf(double row) { return row / kPixelsPerDb - 10; }

class UnderlayGeneratorTest : public ::testing::Test {
public:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(testing::registerServer(VELLUM_LIBRARY_PATH));
        prefs = platform::com::create<vellum::IVellumKeyedStore>(vellum::kVellumKeyedStoreClsid);
        prefs->put_Category(0);
        prefs->put_Section(1);
        prefs->put_Value("PTGraphOptions", k8kHz);
    }

    std::string file() const { return (folder.path() / "Underlay.emf").string(); }

    void severity(std::int32_t shown, const char* lows, const char* highs)
    {
        prefs->put_Value("SeverityOfLossConfig", shown);
        prefs->put_Value("SeverityOfLossLows", lows);
        prefs->put_Value("SeverityOfLossHighs", highs);
    }

    // The file stretched over an image of lastLevel + 10 dB down.
    QImage played(int lastLevel = 130) const
    {
        Canvas canvas(kFrameWidth, (lastLevel + 10) * kPixelsPerDb);
        const gfx::MetafileHandle metafile = gfx::getEnhMetaFile(file());
        EXPECT_NE(metafile, 0) << "the file is a whole metafile";
        gfx::playEnhMetaFile(canvas.dc, metafile, {0, 0, kFrameWidth, (lastLevel + 10) * kPixelsPerDb});
        gfx::deleteEnhMetaFile(metafile);
        return canvas.image();
    }

    static gfx::ColorRef at(const QImage& image, int x, int y)
    {
        const QColor colour(image.pixel(x, y));
        return gfx::rgb(colour.red(), colour.green(), colour.blue());
    }

    platform::testing::TemporaryFolder folder;
    platform::com::ComPtr<vellum::IVellumKeyedStore> prefs;
    CUnderlayGenerator generator;
};

TEST_F(UnderlayGeneratorTest, SeverityBandsFillTheirLevelsInTheirGreysOnEitherLevelRange)
{
    severity(127, "-10,16,26,41,56,71,91", "15,25,40,55,70,90,120");
    for (const int lastLevel : {130, 120}) {
        prefs->put_Value("PTGraphOptions", k8kHz | (lastLevel == 120 ? kTo120dB : 0));
        ASSERT_TRUE(generator.GenerateSeverityOfLossUnderlay(*prefs, file()));
        const QImage image = played(lastLevel);
        const double middles[] = {2.5, 20.5, 33, 48, 63, 80.5, 105.5};
        for (int band = 0; band < 7; ++band) {
            for (const int x : {0, kFrameWidth / 2, kFrameWidth - 1})
                EXPECT_EQ(at(image, x, rowOf(middles[band])), grey(235 - 20 * band))
                    << "band " << band << " at column " << x << ", levels to " << lastLevel;
        }
        // Whole-dB limits meet: 15 and 16 dB, 25 and 26 dB.
        for (int row = rowOf(14); row <= rowOf(27); ++row)
            EXPECT_NE(at(image, kFrameWidth / 2, row), kWhite) << "row " << row;
        EXPECT_EQ(at(image, 10, 0), grey(235)) << "the band reaches the frame's top";
        if (lastLevel == 130) {
            EXPECT_EQ(at(image, 10, rowOf(121.5)), kWhite) << "nothing below the last band";
        }
    }
}

TEST_F(UnderlayGeneratorTest, ABandWithoutANumberIsLeftOutAndReversedLimitsAreTakenRoundTheOtherWay)
{
    // Band 1's low limit is no number, band 2 has no high limit, band 3 is
    // written high to low, band 4 is not chosen.
    severity(1 | 2 | 4 | 8, "0,mild,26,55,56", "15,25,,41,70");
    ASSERT_TRUE(generator.GenerateSeverityOfLossUnderlay(*prefs, file()));
    const QImage image = played();
    const int x = kFrameWidth / 2;
    EXPECT_EQ(at(image, x, rowOf(7)), grey(235));
    EXPECT_EQ(at(image, x, rowOf(20)), kWhite) << "not painted from 0 dB";
    EXPECT_EQ(at(image, x, rowOf(33)), kWhite);
    EXPECT_EQ(at(image, x, rowOf(40.8)), grey(175));
    EXPECT_EQ(at(image, x, rowOf(55.2)), grey(175));
    EXPECT_EQ(at(image, x, rowOf(63)), kWhite);
}

TEST_F(UnderlayGeneratorTest, AFileThatCannotBeWrittenGivesFalseAndLeavesWhatWasThere)
{
    severity(1, "0", "20");
    EXPECT_FALSE(generator.GenerateSeverityOfLossUnderlay(*prefs, (folder.path() / "missing" / "Underlay.emf").string()));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "missing"));
    EXPECT_FALSE(generator.GenerateSeverityOfLossUnderlay(*prefs, ""));

    // A name so long that nothing fits beside it: the file there stays whole.
    const std::filesystem::path existing = folder.path() / std::string(250, 'u');
    std::ofstream(existing) << "earlier picture";
    EXPECT_FALSE(generator.GenerateSpeechSpectrumUnderlay(*prefs, existing.string()));
    std::ifstream kept(existing);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "earlier picture");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1) << "no file left behind";
}

TEST_F(UnderlayGeneratorTest, TheSpeechAreaSpansThirtyDecibelsRoundEachBandsCentre)
{
    ASSERT_TRUE(generator.GenerateSpeechSpectrumUnderlay(*prefs, file()));
    const QImage image = played();
    const struct {
        double hertz;
        double top;
        double bottom;
    } cases[] = {{1000, 22.51, 52.51}, {4000, 20.23, 50.23}};
    for (const auto& c : cases) {
        const int x = columnOf(c.hertz);
        int first = -1;
        int last = -1;
        for (int y = 0; y < image.height(); ++y) {
            if (at(image, x, y) == kWhite)
                continue;
            last = y;
            if (first < 0)
                first = y;
        }
        EXPECT_NEAR(levelOf(first), c.top, 0.3) << c.hertz << " Hz";
        EXPECT_NEAR(levelOf(last), c.bottom, 0.3) << c.hertz << " Hz";
        EXPECT_EQ(at(image, x, rowOf((c.top + c.bottom) / 2)), gfx::rgb(255, 244, 204)) << c.hertz << " Hz";
    }
}

struct Dot {
    double x;
    double level;
};

// The dark blobs of the image, each as its centre.
std::vector<Dot> DotsOf(const QImage& image)
{
    std::vector<bool> seen(static_cast<std::size_t>(image.width() * image.height()));
    const auto dark = [&](int x, int y) { return qGray(image.pixel(x, y)) < 128; };
    std::vector<Dot> dots;
    for (int y0 = 0; y0 < image.height(); ++y0) {
        for (int x0 = 0; x0 < image.width(); ++x0) {
            if (seen[static_cast<std::size_t>(y0 * image.width() + x0)] || !dark(x0, y0))
                continue;
            double sumX = 0, sumY = 0;
            int count = 0;
            std::vector<QPoint> open{{x0, y0}};
            seen[static_cast<std::size_t>(y0 * image.width() + x0)] = true;
            while (!open.empty()) {
                const QPoint p = open.back();
                open.pop_back();
                sumX += p.x();
                sumY += p.y();
                ++count;
                for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint q = p + step;
                    const auto index = static_cast<std::size_t>(q.y() * image.width() + q.x());
                    if (image.rect().contains(q) && !seen[index] && dark(q.x(), q.y())) {
                        seen[index] = true;
                        open.push_back(q);
                    }
                }
            }
            dots.push_back({sumX / count, levelOf(sumY / count)});
        }
    }
    return dots;
}

TEST_F(UnderlayGeneratorTest, AHundredSeparateDotsStandAtTheirBandsInTheirNumbers)
{
    ASSERT_TRUE(generator.GenerateAudibilityIndexUnderlay(*prefs, file()));
    const std::vector<Dot> dots = DotsOf(played());
    ASSERT_EQ(dots.size(), 100u) << "dots that touched would be counted as one";

    // Each dot to the band of the nearest column. The 8-kHz dots stand on
    // the frame's edge, where the chart's clip halves them.
    std::vector<int> counts(kSpeechBands.size());
    for (const Dot& dot : dots) {
        std::size_t nearest = 0;
        for (std::size_t band = 1; band < kSpeechBands.size(); ++band)
            if (std::abs(dot.x - columnOf(kSpeechBands[band].Frequency)) <
                std::abs(dot.x - columnOf(kSpeechBands[nearest].Frequency)))
                nearest = band;
        EXPECT_LT(std::abs(dot.x - columnOf(kSpeechBands[nearest].Frequency)), 7);
        ++counts[nearest];
    }
    const std::vector<int> expected = {1, 1, 1, 3, 4, 6, 7, 7, 8, 8, 9, 9, 9, 8, 8, 5, 4, 2};
    EXPECT_EQ(counts, expected);
    EXPECT_TRUE(std::ranges::equal(AudibilityDotCounts(), expected));
}

TEST_F(UnderlayGeneratorTest, TheDotsUnderAFlatThresholdCountTheAudibleShareOfSpeech)
{
    ASSERT_TRUE(generator.GenerateAudibilityIndexUnderlay(*prefs, file()));
    const std::vector<Dot> dots = DotsOf(played());
    for (int threshold = -10; threshold <= 70; threshold += 10) {
        // The standard's band audibility, weighted by the bands' importance.
        double index = 0;
        for (const SpeechBand& band : kSpeechBands) {
            const double audible = (band.SpeechSpectrumLevel - band.InternalNoise + 15 - threshold) / 30;
            index += band.Importance * std::clamp(audible, 0.0, 1.0);
        }
        const auto heard = std::ranges::count_if(dots, [&](const Dot& dot) { return dot.level > threshold; });
        EXPECT_NEAR(static_cast<double>(heard), 100 * index, 2) << "threshold " << threshold << " dB";
    }
}

}  // namespace
}  // namespace brisance
