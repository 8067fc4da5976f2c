#include "platform/gfx/Draw.h"

#include "platform/gfx/Colour.h"
#include "platform/gfx/Context.h"

#include <array>
#include <vector>

namespace platform::gfx {
namespace {

using detail::Context;
using detail::findContext;
using detail::PaintScope;

// The rectangle of a shape outline: a one-pixel pen covers left..right-1, so
// QPainter's outline (which covers left..left+width) is given one pixel less.
QRect outlineRect(const QRect& device, const QPen& pen)
{
    if (pen.style() == Qt::NoPen)
        return device.adjusted(0, 0, 1, 1);
    return device;
}

struct EdgeColours {
    ColorRef topLeft;
    ColorRef bottomRight;
};

// The two colours of one border of an edge, by the border's bit.
EdgeColours borderColours(unsigned border)
{
    switch (border) {
    case BDR_RAISEDOUTER: return {sysColor(COLOR_3DLIGHT), sysColor(COLOR_3DDKSHADOW)};
    case BDR_SUNKENOUTER: return {sysColor(COLOR_BTNSHADOW), sysColor(COLOR_BTNHIGHLIGHT)};
    case BDR_RAISEDINNER: return {sysColor(COLOR_BTNHIGHLIGHT), sysColor(COLOR_BTNSHADOW)};
    default: return {sysColor(COLOR_3DDKSHADOW), sysColor(COLOR_3DLIGHT)};  // BDR_SUNKENINNER
    }
}

// Draws one one-pixel ring along the flagged sides and moves those sides in.
void drawBorder(QPainter& painter, QRect& area, EdgeColours colours, unsigned flags)
{
    const QColor topLeft = detail::toQColor(colours.topLeft);
    const QColor bottomRight = detail::toQColor(colours.bottomRight);
    if (flags & BF_LEFT)
        painter.fillRect(QRect(area.left(), area.top(), 1, area.height()), topLeft);
    if (flags & BF_TOP)
        painter.fillRect(QRect(area.left(), area.top(), area.width(), 1), topLeft);
    if (flags & BF_RIGHT)
        painter.fillRect(QRect(area.right(), area.top(), 1, area.height()), bottomRight);
    if (flags & BF_BOTTOM)
        painter.fillRect(QRect(area.left(), area.bottom(), area.width(), 1), bottomRight);
    area.adjust((flags & BF_LEFT) ? 1 : 0, (flags & BF_TOP) ? 1 : 0, (flags & BF_RIGHT) ? -1 : 0,
                (flags & BF_BOTTOM) ? -1 : 0);
}

// A shape outlined with the current pen and filled with the current brush.
template <class Draw>
bool drawShape(DcHandle dc, int left, int top, int right, int bottom, Draw draw)
{
    return detail::paintOn(dc, [&](Context& context, QPainter& painter) {
        const QPen pen = context.pen();
        painter.setPen(pen);
        painter.setBrush(context.brush());
        const QRect device = context.toDeviceRect(left, top, right, bottom);
        draw(painter, outlineRect(device.adjusted(0, 0, -1, -1), pen));
    });
}

}  // namespace

bool moveToEx(DcHandle dc, int x, int y, Point* previous)
{
    Context* context = findContext(dc);
    if (!context)
        return false;
    const QPoint old = std::exchange(context->state().position, QPoint(x, y));
    if (previous)
        *previous = {old.x(), old.y()};
    return true;
}

bool getCurrentPosition(DcHandle dc, Point* out)
{
    const Context* context = findContext(dc);
    if (!context)
        return false;
    *out = {context->state().position.x(), context->state().position.y()};
    return true;
}

bool lineTo(DcHandle dc, int x, int y)
{
    Context* context = findContext(dc);
    if (!context)
        return false;
    const QPoint from = context->state().position;
    context->state().position = QPoint(x, y);
    PaintScope painter(*context);
    if (!painter)
        return false;
    painter->setPen(context->pen());
    painter->drawLine(context->toDevicePoint(from.x(), from.y()), context->toDevicePoint(x, y));
    return true;
}

bool polyline(DcHandle dc, const Point* points, int count)
{
    Context* context = findContext(dc);
    if (!context || count < 2)
        return false;
    std::vector<QPoint> device;
    device.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        device.push_back(context->toDevicePoint(points[i].x, points[i].y));
    return detail::paintOn(dc, [&](Context& self, QPainter& painter) {
        painter.setPen(self.pen());
        painter.drawPolyline(device.data(), count);
    });
}

bool rectangle(DcHandle dc, int left, int top, int right, int bottom)
{
    return drawShape(dc, left, top, right, bottom, [](QPainter& painter, const QRect& rect) { painter.drawRect(rect); });
}

bool ellipse(DcHandle dc, int left, int top, int right, int bottom)
{
    return drawShape(dc, left, top, right, bottom,
                     [](QPainter& painter, const QRect& rect) { painter.drawEllipse(rect); });
}

bool polygon(DcHandle dc, const Point* points, int count)
{
    Context* context = findContext(dc);
    if (!context || count < 2)
        return false;
    std::vector<QPoint> device;
    device.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        device.push_back(context->toDevicePoint(points[i].x, points[i].y));
    return detail::paintOn(dc, [&](Context& self, QPainter& painter) {
        painter.setPen(self.pen());
        painter.setBrush(self.brush());
        painter.drawPolygon(device.data(), count, Qt::OddEvenFill);
    });
}

bool fillRect(DcHandle dc, const Rect& rect, ObjectHandle brush)
{
    if (!detail::find<detail::BrushObject>(brush))
        return false;
    return detail::paintOn(dc, [&](Context& context, QPainter& painter) {
        // Realised through the context, so that hatches take its background.
        const Handle previous = context.select(&detail::DcState::brush, brush);
        const QBrush filling = context.brush();
        context.select(&detail::DcState::brush, previous);
        painter.fillRect(context.toDeviceRect(rect.left, rect.top, rect.right, rect.bottom), filling);
    });
}

bool setPixel(DcHandle dc, int x, int y, ColorRef colour)
{
    return detail::paintOn(dc, [&](Context& context, QPainter& painter) {
        painter.fillRect(QRect(context.toDevicePoint(x, y), QSize(1, 1)), detail::toQColor(colour));
    });
}

ColorRef getPixel(DcHandle dc, int x, int y)
{
    Context* context = findContext(dc);
    detail::BitmapObject* bitmap = context ? context->surface().bitmap() : nullptr;
    if (!bitmap)
        return kInvalidColor;
    const QImage& image = bitmap->pixels();
    const QPoint device = context->toDevicePoint(x, y);
    if (!image.valid(device))
        return kInvalidColor;
    return detail::fromQColor(QColor(image.pixel(device)));
}

bool drawEdge(DcHandle dc, Rect* rect, unsigned edge, unsigned flags)
{
    if (!rect)
        return false;
    return detail::paintOn(dc, [&](Context& context, QPainter& painter) {
        QRect area = context.toDeviceRect(rect->left, rect->top, rect->right, rect->bottom);
        for (unsigned border :
             {edge & (BDR_RAISEDOUTER | BDR_SUNKENOUTER), edge & (BDR_RAISEDINNER | BDR_SUNKENINNER)}) {
            // Raised and sunken together on one ring cancel out, as on the platform.
            if (border == 0 || border == (BDR_RAISEDOUTER | BDR_SUNKENOUTER)
                || border == (BDR_RAISEDINNER | BDR_SUNKENINNER))
                continue;
            drawBorder(painter, area, borderColours(border), flags);
        }
        if (flags & BF_MIDDLE)
            painter.fillRect(area, detail::toQColor(sysColor(COLOR_BTNFACE)));
        if (flags & BF_ADJUST) {
            const QPoint topLeft = context.toLogicalPoint(area.topLeft());
            const QPoint bottomRight = context.toLogicalPoint(area.bottomRight() + QPoint(1, 1));
            *rect = {topLeft.x(), topLeft.y(), bottomRight.x(), bottomRight.y()};
        }
    });
}

}  // namespace platform::gfx
