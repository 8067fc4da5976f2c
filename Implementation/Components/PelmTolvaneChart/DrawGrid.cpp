#include "DrawGrid.h"

#include "DeviceFont.h"
#include "GdiScope.h"
#include "platform/gfx/Draw.h"
#include "platform/gfx/Text.h"

namespace lumenplot {

namespace gfx = platform::gfx;

namespace {

// The height of a line of text in the selected font.
int rowHeight(gfx::DcHandle dc) { return textExtent(dc, "A").cy; }

// The solid and the dotted pen of the custom grid lines, one device pixel
// wide at 96 dots per inch and wider on finer devices.
class GridPens {
public:
    GridPens(const Canvas& canvas, const ChartScene& scene)
    {
        const int width = canvas.scale.horizontal(1);
        const gfx::ColorRef colour = plainRgb(scene.properties.GridLineColor);
        m_solid = gfx::extCreatePen(gfx::PS_GEOMETRIC | gfx::PS_SOLID, width, colour);
        m_dotted = gfx::extCreatePen(gfx::PS_GEOMETRIC | gfx::PS_DOT, width, colour);
        m_previous = gfx::getCurrentObject(canvas.dc, gfx::OBJ_PEN);
        m_dc = canvas.dc;
    }
    ~GridPens()
    {
        gfx::selectObject(m_dc, m_previous);
        gfx::deleteObject(m_solid);
        gfx::deleteObject(m_dotted);
    }
    GridPens(const GridPens&) = delete;
    GridPens& operator=(const GridPens&) = delete;

    void selectFor(const CGridLine& gridLine) const
    {
        gfx::selectObject(m_dc, gridLine.Dashed == VARIANT_TRUE ? m_dotted : m_solid);
    }

private:
    gfx::DcHandle m_dc = 0;
    gfx::ObjectHandle m_solid = 0;
    gfx::ObjectHandle m_dotted = 0;
    gfx::ObjectHandle m_previous = 0;
};

// Texts on a transparent background in one of the chart's fonts.
class TextScope {
public:
    TextScope(const Canvas& canvas, const std::optional<platform::com::FontDescription>& font)
        : m_dc(canvas.dc), m_font(canvas.dc, CreateFontFromIFont(font, canvas)),
          m_previousMode(gfx::setBkMode(canvas.dc, gfx::TRANSPARENT))
    {
    }
    ~TextScope() { gfx::setBkMode(m_dc, m_previousMode); }
    TextScope(const TextScope&) = delete;
    TextScope& operator=(const TextScope&) = delete;

private:
    gfx::DcHandle m_dc;
    SelectedObject m_font;
    int m_previousMode;
};

}  // namespace

void DrawCustomXGrid(const Canvas& canvas, const ChartScene& scene)
{
    const auto& records = scene.grid.xGridLines;
    if (scene.properties.XGridLineMode == grid_UseStandard || records.empty()) return;
    const PlotRect& plot = canvas.plot();
    const TextScope text(canvas, scene.gridlineFont);
    const GridPens pens(canvas, scene);
    const int labelTop = scene.properties.XLabelPosition != grid_OnBottom ? plot.top - rowHeight(canvas.dc) : plot.bottom + 1;
    for (const CGridLine& record : records) {
        const int x = MapXToPixel(canvas.mapping, record.Position);
        pens.selectFor(record);
        if (record.Visible != VARIANT_FALSE && x >= plot.left && x <= plot.right) {
            gfx::moveToEx(canvas.dc, x, plot.top + 1);
            gfx::lineTo(canvas.dc, x, plot.bottom - 1);
        }
        gfx::textOut(canvas.dc, x - textExtent(canvas.dc, record.Label).cx / 2, labelTop, record.Label);
    }
}

void DrawCustomYGrid(const Canvas& canvas, const ChartScene& scene)
{
    const auto& records = scene.grid.yGridLines;
    if (scene.properties.YGridLineMode == grid_UseStandard || records.empty()) return;
    const PlotRect& plot = canvas.plot();
    const TextScope text(canvas, scene.gridlineFont);
    const GridPens pens(canvas, scene);
    const bool onRight = scene.properties.YLabelPosition != grid_OnLeft;
    for (const CGridLine& record : records) {
        const int y = MapYToPixel(canvas.mapping, record.Position);
        pens.selectFor(record);
        if (record.Visible != VARIANT_FALSE && y >= plot.top && y <= plot.bottom) {
            gfx::moveToEx(canvas.dc, plot.left + 1, y);
            gfx::lineTo(canvas.dc, plot.right - 1, y);
        }
        const gfx::Size size = textExtent(canvas.dc, record.Label);
        gfx::textOut(canvas.dc, onRight ? plot.right + 2 : plot.left - size.cx - 3, y - size.cy / 2, record.Label);
    }
}

void DrawXLabels(const Canvas& canvas, const ChartScene& scene)
{
    const auto& labels = scene.grid.xLabels;
    if (labels.empty()) return;
    const PlotRect& plot = canvas.plot();
    const TextScope text(canvas, scene.labelFont);
    const int top = scene.properties.XLabelPosition != grid_OnBottom ? plot.bottom + 1 : plot.top - rowHeight(canvas.dc);
    for (const CLabel& label : labels)
        gfx::textOut(canvas.dc, MapXToPixel(canvas.mapping, label.Position) - textExtent(canvas.dc, label.Label).cx / 2, top,
                     label.Label);
}

void DrawYLabels(const Canvas& canvas, const ChartScene& scene)
{
    const auto& labels = scene.grid.yLabels;
    if (labels.empty()) return;
    const PlotRect& plot = canvas.plot();
    const TextScope text(canvas, scene.labelFont);
    const gfx::ColorRef previousColour = gfx::setTextColor(canvas.dc, kBlack);
    for (const CLabel& label : labels) {
        const gfx::Size size = textExtent(canvas.dc, label.Label);
        const int left = scene.properties.YLabelPosition == grid_OnRight ? plot.left - size.cx : plot.right + 2;
        gfx::textOut(canvas.dc, left, MapYToPixel(canvas.mapping, label.Position) - size.cy / 2, label.Label);
    }
    gfx::setTextColor(canvas.dc, previousColour);
}

}  // namespace lumenplot
