// The chart's cross-hair and what its window does with the mouse, the keys
// and the focus. The cross-hair stops only on the custom grid lines; clicks
// and keys report the grid values under it to the container as events.

#include "CChart.h"
#include "ChartKeys.h"
#include "GridSnapping.h"

#include <algorithm>
#include <array>

namespace lumenplot {

namespace com = platform::com;
namespace gfx = platform::gfx;

namespace {

// Keys that report the cross-hair's values.
struct KeyEvent {
    int virtualKey;
    com::DISPID event;
};

constexpr KeyEvent kKeyEvents[] = {
    {virtual_key::Return, event_dispid::PlotPoint},  {virtual_key::Space, event_dispid::PlotPoint},
    {virtual_key::Add, event_dispid::PlotPoint},     {virtual_key::OemPlus, event_dispid::PlotPoint},
    {virtual_key::OemMinus, event_dispid::UnPlotPoint},
};

// Arrow keys step the cross-hair from grid line to grid line.
struct ArrowKey {
    int virtualKey;
    CChart::Axis axis;
    std::int32_t (*step)(std::int32_t value, const std::vector<CGridLine>& gridLines);
};

constexpr ArrowKey kArrowKeys[] = {
    {virtual_key::Left, CChart::XAxis, PreviousGridPosition},
    {virtual_key::Right, CChart::XAxis, NextGridPosition},
    {virtual_key::Up, CChart::YAxis, PreviousGridPosition},
    {virtual_key::Down, CChart::YAxis, NextGridPosition},
};

const std::vector<CGridLine>& gridLinesOf(const GridRecords& grid, CChart::Axis axis)
{
    return axis == CChart::XAxis ? grid.xGridLines : grid.yGridLines;
}

// Whether both lines of the cross-hair stand on grid lines: a value is
// neither "no cross-hair" nor that of an axis without grid lines.
bool onGridValues(const Highlight& highlight)
{
    const auto onGrid = [](std::int32_t value) { return value != kNoHighlight && value != kNoGridLine; };
    return onGrid(highlight.x) && onGrid(highlight.y);
}

}  // namespace

// The cross-hair's state. Lines are drawn only by the paint; moving one
// makes the window paint the pixels that it leaves and those it covers.

std::int32_t& CChart::highlighted(Axis axis) { return axis == XAxis ? m_highlight.x : m_highlight.y; }

void CChart::invalidateCrossHair(Axis axis)
{
    const std::int32_t value = highlighted(axis);
    if (!m_widget || value == kNoHighlight) return;
    const gfx::Rect line = axis == XAxis ? crossHairColumn(mapping(), value) : crossHairRow(mapping(), value);
    m_widget->update(line.left, line.top, line.width(), line.height());
}

void CChart::eraseCrossHair(Axis axis)
{
    invalidateCrossHair(axis);
    highlighted(axis) = kNoHighlight;
}

void CChart::moveCrossHair(Axis axis, std::int32_t value)
{
    if (value == highlighted(axis)) return;
    eraseCrossHair(axis);
    highlighted(axis) = value;
    invalidateCrossHair(axis);
}

void CChart::raise(com::DISPID event)
{
    std::array<com::Variant, 2> args{com::Variant(static_cast<double>(m_highlight.x)),
                                     com::Variant(static_cast<double>(m_highlight.y))};
    fire(_IChartEvents::iid, event, args);
}

// The highlight methods draw whatever InteractiveMode says, at any value.

HRESULT CChart::HighlightXGridline(std::int32_t Value)
{
    moveCrossHair(XAxis, Value);
    return com::S_OK;
}

HRESULT CChart::HighlightYGridline(std::int32_t Value)
{
    moveCrossHair(YAxis, Value);
    return com::S_OK;
}

HRESULT CChart::UnHighlightXGridline()
{
    eraseCrossHair(XAxis);
    return com::S_OK;
}

HRESULT CChart::UnHighlightYGridline()
{
    eraseCrossHair(YAxis);
    return com::S_OK;
}

// The window's input.

bool CChart::interactive() const { return m_properties.InteractiveMode == VARIANT_TRUE; }

void CChart::mouseMoved(int x, int y)
{
    if (!interactive()) return;
    const ChartMapping current = mapping();
    moveCrossHair(XAxis, SnapToGridLine(PixelToX(current, x - m_plot.left), m_grid.xGridLines));
    moveCrossHair(YAxis, SnapToGridLine(PixelToY(current, y - m_plot.top), m_grid.yGridLines));
}

void CChart::mouseLeft()
{
    eraseCrossHair(XAxis);
    eraseCrossHair(YAxis);
}

void CChart::leftButtonPressed()
{
    // A point is plotted only where the cross-hair stands on grid lines.
    if (interactive() && onGridValues(m_highlight)) raise(event_dispid::PlotPoint);
}

void CChart::rightButtonReleased()
{
    // The container's menu opens wherever the mouse is, with or without a
    // cross-hair; the values may be kNoHighlight or kNoGridLine.
    if (interactive()) raise(event_dispid::RightClick);
}

bool CChart::keyPressed(int virtualKey)
{
    const auto* arrow = std::find_if(std::begin(kArrowKeys), std::end(kArrowKeys),
                                     [virtualKey](const ArrowKey& key) { return key.virtualKey == virtualKey; });
    if (arrow != std::end(kArrowKeys)) {
        const std::int32_t to = arrow->step(highlighted(arrow->axis), gridLinesOf(m_grid, arrow->axis));
        if (to != kNoGridLine) moveCrossHair(arrow->axis, to);
        return false;
    }
    const auto* key = std::find_if(std::begin(kKeyEvents), std::end(kKeyEvents),
                                   [virtualKey](const KeyEvent& known) { return known.virtualKey == virtualKey; });
    if (key == std::end(kKeyEvents)) return false;
    if (interactive() && onGridValues(m_highlight)) raise(key->event);
    return true;
}

void CChart::focusGained()
{
    if (!interactive() || m_highlight.x != kNoHighlight || m_highlight.y != kNoHighlight) return;
    for (const Axis axis : {XAxis, YAxis})
        if (const std::int32_t first = FirstGridPosition(gridLinesOf(m_grid, axis)); first != kNoGridLine)
            moveCrossHair(axis, first);
}

void CChart::focusLost()
{
    eraseCrossHair(XAxis);
    eraseCrossHair(YAxis);
}

void CChart::resized(int width, int height)
{
    const Margins& margins = m_properties.margins;
    m_plot = {toPixel(margins.left), toPixel(margins.top), width - toPixel(margins.right), height - toPixel(margins.bottom)};
}

}  // namespace lumenplot
