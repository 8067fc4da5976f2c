#include "platform/gfx/DeviceContext.h"

#include "platform/gfx/Context.h"

#include <QGuiApplication>
#include <QPaintDevice>
#include <QScreen>

namespace platform::gfx {
namespace {

using detail::Context;
using detail::findContext;

class ScreenSurface final : public detail::Surface {
public:
    QPainter* painter() override { return nullptr; }
    int deviceCaps(int index) const override
    {
        const QScreen* screen = qGuiApp ? QGuiApplication::primaryScreen() : nullptr;
        const QSize size = screen ? screen->size() : QSize(1024, 768);
        return detail::displayCaps(index, size.width(), size.height(), detail::screenDpiX(), detail::screenDpiY(), 24);
    }
};

// A memory context: draws on the bitmap selected into it.
class MemorySurface final : public detail::Surface {
public:
    explicit MemorySurface(int technology) : m_technology(technology) { select(detail::defaultBitmap()); }
    ~MemorySurface() override { select(0); }

    Handle selected() const { return m_handle; }
    void select(Handle handle)
    {
        if (m_bitmap) {
            m_bitmap->pixels();  // finish painting before the bitmap leaves
            --m_bitmap->selections;
        }
        m_handle = handle;
        m_bitmap = detail::find<detail::BitmapObject>(handle);
        if (m_bitmap)
            ++m_bitmap->selections;
    }

    QPainter* painter() override { return m_bitmap ? &m_bitmap->painter() : nullptr; }
    detail::BitmapObject* bitmap() override { return m_bitmap; }
    int technology() const override { return m_technology; }
    int deviceCaps(int index) const override
    {
        if (index == TECHNOLOGY)
            return m_technology;
        const int width = m_bitmap ? m_bitmap->width() : 1;
        const int height = m_bitmap ? m_bitmap->height() : 1;
        const int bits = m_bitmap && m_bitmap->monochrome() ? 1 : 24;
        return detail::displayCaps(index, width, height, detail::screenDpiX(), detail::screenDpiY(), bits);
    }

private:
    int m_technology;
    Handle m_handle = 0;
    detail::BitmapObject* m_bitmap = nullptr;
};

class PainterSurface final : public detail::Surface {
public:
    explicit PainterSurface(QPainter& painter) : m_painter(painter) {}
    QPainter* painter() override { return m_painter.isActive() ? &m_painter : nullptr; }
    int deviceCaps(int index) const override
    {
        const QPaintDevice* device = m_painter.device();
        if (!device)
            return detail::displayCaps(index, 0, 0, 96, 96, 24);
        return detail::displayCaps(index, device->width(), device->height(), device->logicalDpiX(),
                                   device->logicalDpiY(), 24);
    }

private:
    QPainter& m_painter;
};

template <class T>
T changeState(DcHandle dc, T failure, T detail::DcState::*field, T value)
{
    Context* context = findContext(dc);
    if (!context)
        return failure;
    return std::exchange(context->state().*field, value);
}

template <class T>
T readState(DcHandle dc, T failure, T detail::DcState::*field)
{
    const Context* context = findContext(dc);
    return context ? context->state().*field : failure;
}

bool freeMapping(const Context& context)
{
    const int mode = context.state().mapMode;
    return mode == MM_ISOTROPIC || mode == MM_ANISOTROPIC;
}

bool setOrigin(DcHandle dc, QPoint detail::DcState::*origin, int x, int y, Point* previous)
{
    Context* context = findContext(dc);
    if (!context)
        return false;
    const QPoint old = std::exchange(context->state().*origin, QPoint(x, y));
    if (previous)
        *previous = {old.x(), old.y()};
    return true;
}

// Extents belong to the two free mapping modes; the fixed modes keep theirs.
bool setExtent(DcHandle dc, QSize detail::DcState::*extent, int cx, int cy, Size* previous)
{
    Context* context = findContext(dc);
    if (!context || !freeMapping(*context) || cx == 0 || cy == 0)
        return false;
    const QSize old = std::exchange(context->state().*extent, QSize(cx, cy));
    if (previous)
        *previous = {old.width(), old.height()};
    return true;
}

}  // namespace

DcHandle createScreenDc()
{
    return detail::addContext(std::make_unique<ScreenSurface>());
}

DcHandle createCompatibleDc(DcHandle compatible)
{
    int technology = DT_RASDISPLAY;
    if (compatible != 0) {
        Context* context = findContext(compatible);
        if (!context)
            return 0;
        technology = context->surface().technology();
    }
    return detail::addContext(std::make_unique<MemorySurface>(technology));
}

DcHandle createPainterDc(QPainter& painter)
{
    return detail::addContext(std::make_unique<PainterSurface>(painter));
}

bool deleteDc(DcHandle dc)
{
    return findContext(dc) && detail::removeObject(dc);
}

int saveDc(DcHandle dc)
{
    Context* context = findContext(dc);
    if (!context)
        return 0;
    context->saved().push_back(context->state());
    return static_cast<int>(context->saved().size());
}

bool restoreDc(DcHandle dc, int savedDc)
{
    Context* context = findContext(dc);
    if (!context)
        return false;
    auto& saved = context->saved();
    const int depth = static_cast<int>(saved.size());
    const int target = savedDc < 0 ? depth + savedDc + 1 : savedDc;
    if (target < 1 || target > depth)
        return false;
    const detail::DcState state = saved[static_cast<std::size_t>(target - 1)];
    saved.resize(static_cast<std::size_t>(target - 1));
    context->replaceState(state);
    return true;
}

int getDeviceCaps(DcHandle dc, int index)
{
    Context* context = findContext(dc);
    return context ? context->surface().deviceCaps(index) : 0;
}

int setMapMode(DcHandle dc, int mode)
{
    Context* context = findContext(dc);
    if (!context || mode < MM_TEXT || mode > MM_ANISOTROPIC)
        return 0;
    const int previous = context->state().mapMode;
    context->setMapMode(mode);
    return previous;
}

int getMapMode(DcHandle dc)
{
    return readState(dc, 0, &detail::DcState::mapMode);
}

bool setWindowOrg(DcHandle dc, int x, int y, Point* previous)
{
    return setOrigin(dc, &detail::DcState::windowOrg, x, y, previous);
}

bool setViewportOrg(DcHandle dc, int x, int y, Point* previous)
{
    return setOrigin(dc, &detail::DcState::viewportOrg, x, y, previous);
}

bool setWindowExt(DcHandle dc, int cx, int cy, Size* previous)
{
    return setExtent(dc, &detail::DcState::windowExt, cx, cy, previous);
}

bool setViewportExt(DcHandle dc, int cx, int cy, Size* previous)
{
    return setExtent(dc, &detail::DcState::viewportExt, cx, cy, previous);
}

bool lpToDp(DcHandle dc, Point* points, int count)
{
    const Context* context = findContext(dc);
    if (!context || count < 0)
        return false;
    for (int i = 0; i < count; ++i) {
        const QPoint device = context->toDevicePoint(points[i].x, points[i].y);
        points[i] = {device.x(), device.y()};
    }
    return true;
}

bool dpToLp(DcHandle dc, Point* points, int count)
{
    const Context* context = findContext(dc);
    if (!context || count < 0)
        return false;
    for (int i = 0; i < count; ++i) {
        const QPoint logical = context->toLogicalPoint(QPointF(points[i].x, points[i].y));
        points[i] = {logical.x(), logical.y()};
    }
    return true;
}

ObjectHandle selectObject(DcHandle dc, ObjectHandle object)
{
    Context* context = findContext(dc);
    detail::GdiObject* found = detail::lookup(object);
    if (!context || !found)
        return 0;
    if (dynamic_cast<detail::PenObject*>(found))
        return context->select(&detail::DcState::pen, object);
    if (dynamic_cast<detail::BrushObject*>(found))
        return context->select(&detail::DcState::brush, object);
    if (dynamic_cast<detail::FontObject*>(found))
        return context->select(&detail::DcState::font, object);
    auto* memory = dynamic_cast<MemorySurface*>(&context->surface());
    if (!memory || !dynamic_cast<detail::BitmapObject*>(found))
        return 0;
    if (object == memory->selected())
        return object;
    // A bitmap is drawn on by one context at a time.
    if (found->selections > 0 && !found->stock)
        return 0;
    const Handle previous = memory->selected();
    memory->select(object);
    return previous;
}

ObjectHandle getCurrentObject(DcHandle dc, int kind)
{
    Context* context = findContext(dc);
    if (!context)
        return 0;
    switch (kind) {
    case OBJ_PEN: return context->state().pen;
    case OBJ_BRUSH: return context->state().brush;
    case OBJ_FONT: return context->state().font;
    case OBJ_BITMAP: {
        auto* memory = dynamic_cast<MemorySurface*>(&context->surface());
        return memory ? memory->selected() : 0;
    }
    default: return 0;
    }
}

ColorRef setTextColor(DcHandle dc, ColorRef colour)
{
    return changeState(dc, kInvalidColor, &detail::DcState::textColour, colour);
}

ColorRef getTextColor(DcHandle dc)
{
    return readState(dc, kInvalidColor, &detail::DcState::textColour);
}

ColorRef setBkColor(DcHandle dc, ColorRef colour)
{
    return changeState(dc, kInvalidColor, &detail::DcState::bkColour, colour);
}

ColorRef getBkColor(DcHandle dc)
{
    return readState(dc, kInvalidColor, &detail::DcState::bkColour);
}

int setBkMode(DcHandle dc, int mode)
{
    if (mode != TRANSPARENT && mode != OPAQUE)
        return 0;
    return changeState(dc, 0, &detail::DcState::bkMode, mode);
}

int getBkMode(DcHandle dc)
{
    return readState(dc, 0, &detail::DcState::bkMode);
}

std::uint32_t setTextAlign(DcHandle dc, std::uint32_t align)
{
    return changeState(dc, std::uint32_t{0}, &detail::DcState::textAlign, align);
}

std::uint32_t getTextAlign(DcHandle dc)
{
    return readState(dc, std::uint32_t{0}, &detail::DcState::textAlign);
}

bool intersectClipRect(DcHandle dc, int left, int top, int right, int bottom)
{
    Context* context = findContext(dc);
    if (!context)
        return false;
    const QRect rect = context->toDeviceRect(left, top, right, bottom);
    auto& clip = context->state().clip;
    clip = clip ? clip->intersected(rect) : rect;
    return true;
}

bool removeClip(DcHandle dc)
{
    Context* context = findContext(dc);
    if (!context)
        return false;
    context->state().clip.reset();
    return true;
}

std::optional<QImage> contextImage(DcHandle dc)
{
    Context* context = findContext(dc);
    detail::BitmapObject* bitmap = context ? context->surface().bitmap() : nullptr;
    if (!bitmap)
        return std::nullopt;
    return bitmap->pixels();
}

}  // namespace platform::gfx
