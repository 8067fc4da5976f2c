#include "SpeechTemplates.h"

#include "DeviceFont.h"
#include "GdiScope.h"
#include "platform/gfx/Draw.h"
#include "platform/gfx/Objects.h"
#include "platform/gfx/Text.h"

#include <span>
#include <string>
#include <vector>

namespace lumenplot {

namespace gfx = platform::gfx;

namespace {

struct ChartPoint {
    double x;
    double y;
};

constexpr ChartPoint kCurveA1[] = {{11.5, 100}, {13, 90},   {14.4, 80}, {16, 70}, {17.2, 60}, {18.5, 50},
                                   {20.2, 40},  {21.7, 30}, {23.5, 20}, {26, 10}, {29, 0}};
constexpr ChartPoint kCurveA2[] = {{17, 100}, {20, 90},    {22.5, 80}, {25, 70}, {27.5, 60},  {30, 50},
                                   {33, 40},  {36.75, 30}, {40, 20},   {44, 10}, {47.5, 0}};
constexpr ChartPoint kCurveB1[] = {{27, 50}, {28, 40}, {29, 35}, {30, 30}, {31, 25}, {32, 20},
                                   {34, 15}, {36, 10}, {40, 5},  {44, 2},  {50, 0}};
// The first curve reflected through (27, 50).
constexpr ChartPoint kCurveB2[] = {{27, 50}, {26, 60}, {25, 65}, {24, 70}, {23, 75}, {22, 80},
                                   {20, 85}, {18, 90}, {14, 95}, {10, 98}, {4, 100}};
constexpr ChartPoint kCurveC[] = {
    {0, 100},
    {1.015625, 99.514563107},
    {2.03125, 99.029126214},
    {2.84375, 97.572815534},
    {3.859375, 96.601941748},
    {4.671875, 94.660194175},
    {5.6875, 93.203883495},
    {6.296875, 91.262135922},
    {6.90625, 89.32038835},
    {7.71875, 86.40776699},
    {8.53125, 83.98058252},
    {9.34375, 81.55339806},
    {10.15625, 77.66990291},
    {11.578125, 70.87378641},
    {13.203125, 60.19417476},
    {14.421875, 50},
    {17.0625, 29.61165049},
    {18.6875, 19.90291262},
    {19.703125, 14.5631068},
    {20.921875, 9.70873786},
    {21.328125, 7.76699029},
    {22.546875, 4.85436893000001},
    {23.765625, 2.42718447},
    {24.984375, 0.970873789999999},
    {26, 0},
};
constexpr ChartPoint kCurveD[] = {{28, 100},  {29.3, 97}, {30, 95},   {31.2, 90}, {32.6, 80},
                                  {33.7, 70}, {34.5, 60}, {35, 50},   {35.8, 40}, {36.8, 30},
                                  {38.2, 20}, {39, 15},   {40.3, 10}, {42.5, 5},  {45, 0}};

// How a template draws its second curve.
enum class SecondCurve {
    None,
    OverGreyBand,     // over a band 20 pixels wide in light grey
    Plain,            // with the current pen
    StretchedDotted,  // the first curve's pixels, x times 1.25, dotted
};

struct SpeechTemplate {
    double x50;
    bool markerFirst;  // marker and scale before the curves, else after them
    std::span<const ChartPoint> first;
    std::span<const ChartPoint> second;
    SecondCurve secondCurve;
};

constexpr SpeechTemplate kTemplates[] = {
    {18.5, false, kCurveA1, kCurveA2, SecondCurve::OverGreyBand},
    {27, true, kCurveB1, kCurveB2, SecondCurve::Plain},
    {14.421875, true, kCurveC, kCurveC, SecondCurve::StretchedDotted},
    {35, true, kCurveD, {}, SecondCurve::None},
};

constexpr int kBandWidth = 20;
constexpr gfx::ColorRef kBandColour = 0xE1E1E1;
constexpr double kStretch = 1.25;
constexpr double kMarkerBottom = -10;
constexpr double kMarkerTop = 110;
constexpr double kScaleY = 50;
constexpr double kScaleStart = -5;
constexpr double kTickBottom = 49;
constexpr double kTickTop = 52;
constexpr double kLabelTop = 54;
constexpr int kScaleStep = 10;
constexpr double kScaleEndGap = 3;

gfx::Point pixelOf(const Canvas& canvas, double x, double y)
{
    return {MapXToPixel(canvas.mapping, x), MapYToPixel(canvas.mapping, y)};
}

std::vector<gfx::Point> pixelsOf(const Canvas& canvas, std::span<const ChartPoint> curve)
{
    std::vector<gfx::Point> pixels;
    pixels.reserve(curve.size());
    for (const ChartPoint& point : curve) pixels.push_back(pixelOf(canvas, point.x, point.y));
    return pixels;
}

void drawPolyline(const Canvas& canvas, const std::vector<gfx::Point>& pixels)
{
    gfx::polyline(canvas.dc, pixels.data(), static_cast<int>(pixels.size()));
}

void drawLine(const Canvas& canvas, gfx::Point from, gfx::Point to)
{
    gfx::moveToEx(canvas.dc, from.x, from.y);
    gfx::lineTo(canvas.dc, to.x, to.y);
}

gfx::ObjectHandle blackLinePen() { return gfx::extCreatePen(gfx::PS_GEOMETRIC | gfx::PS_SOLID | gfx::PS_ENDCAP_FLAT, 1, kBlack); }

void drawGreyBand(const Canvas& canvas, const std::vector<gfx::Point>& pixels)
{
    const SelectedObject band(
        canvas.dc, gfx::extCreatePen(gfx::PS_GEOMETRIC | gfx::PS_SOLID | gfx::PS_ENDCAP_FLAT, kBandWidth, kBandColour));
    drawPolyline(canvas, pixels);
}

void drawSecondCurve(const Canvas& canvas, const SpeechTemplate& speech)
{
    std::vector<gfx::Point> pixels = pixelsOf(canvas, speech.second);
    switch (speech.secondCurve) {
    case SecondCurve::None:
        return;
    case SecondCurve::OverGreyBand:
        drawGreyBand(canvas, pixels);
        drawPolyline(canvas, pixels);
        return;
    case SecondCurve::Plain:
        drawPolyline(canvas, pixels);
        return;
    case SecondCurve::StretchedDotted: {
        // Stretched in pixels of the surface, not in chart units.
        for (gfx::Point& pixel : pixels) pixel.x = toPixel(pixel.x * kStretch);
        const SelectedObject dotted(canvas.dc, gfx::createPen(gfx::PS_DOT, 1, kBlack));
        drawPolyline(canvas, pixels);
        return;
    }
    }
}

}  // namespace

void DrawTemplateMarker(const Canvas& canvas, double x50)
{
    const SelectedObject pen(canvas.dc, blackLinePen());
    drawLine(canvas, pixelOf(canvas, x50, kMarkerBottom), pixelOf(canvas, x50, kMarkerTop));
}

void DrawRelativeScale(const Canvas& canvas, const ChartScene& scene, double x50)
{
    const double xMax = scene.properties.XMax;
    const SelectedObject font(canvas.dc, CreateFontFromIFont(scene.labelFont, canvas));
    const SelectedObject pen(canvas.dc, blackLinePen());
    drawLine(canvas, pixelOf(canvas, kScaleStart, kScaleY), pixelOf(canvas, xMax, kScaleY));
    const int previousMode = gfx::setBkMode(canvas.dc, gfx::TRANSPARENT);
    const int labelTop = MapYToPixel(canvas.mapping, kLabelTop);
    // At most one tick per pixel of the surface: more would not show, and an
    // XMax that is infinite or not a number ends the scale as well.
    for (int step = 0; step <= canvas.width; ++step) {
        const int n = step * kScaleStep;
        const double x = x50 + n;
        if (!(x <= xMax - kScaleEndGap) || MapXToPixel(canvas.mapping, x) > canvas.width) break;
        drawLine(canvas, pixelOf(canvas, x, kTickBottom), pixelOf(canvas, x, kTickTop));
        const std::string label = std::to_string(n);
        const int anchor = MapXToPixel(canvas.mapping, n == 0 ? x + 1 : x);
        gfx::textOut(canvas.dc, anchor - textExtent(canvas.dc, label).cx / 2, labelTop, label);
    }
    gfx::setBkMode(canvas.dc, previousMode);
}

void ApplySpeechTemplate(const Canvas& canvas, const ChartScene& scene)
{
    const int underlay = static_cast<int>(scene.properties.Underlay);
    if (underlay < AudioSpeechTemplateA || underlay > AudioSpeechTemplateD) return;
    const SpeechTemplate& speech = kTemplates[underlay - AudioSpeechTemplateA];
    const auto markerAndScale = [&] {
        DrawTemplateMarker(canvas, speech.x50);
        DrawRelativeScale(canvas, scene, speech.x50);
    };
    if (speech.markerFirst) markerAndScale();
    drawPolyline(canvas, pixelsOf(canvas, speech.first));
    drawSecondCurve(canvas, speech);
    if (!speech.markerFirst) markerAndScale();
}

}  // namespace lumenplot
