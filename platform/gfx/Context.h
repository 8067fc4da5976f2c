#pragma once
// Inside the drawing service (and the printing service, which makes printer
// contexts): a device context is a Surface to draw on plus the drawing state.
// All drawing happens in device pixels; the context maps logical units itself,
// so that text and images are never mirrored by a y-up mapping.

#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/HandleTable.h"
#include "platform/gfx/ObjectData.h"

#include <QFont>
#include <QPen>
#include <QPointF>
#include <QRect>

#include <memory>
#include <optional>
#include <vector>

namespace platform::gfx::detail {

class Surface {
public:
    virtual ~Surface() = default;
    // The active painter, or null when there is nothing to draw on right now
    // (a screen context, a printer outside its job).
    virtual QPainter* painter() = 0;
    // The bitmap of a memory context, with painting finished; null elsewhere.
    virtual BitmapObject* bitmap() { return nullptr; }
    virtual int technology() const { return DT_RASDISPLAY; }
    virtual int deviceCaps(int index) const = 0;
};

// The caps of a raster display of the given size and resolution.
int displayCaps(int index, int width, int height, int dpiX, int dpiY, int bitsPerPixel);
// The screen's logical dots per inch (96 without a screen).
int screenDpiX();
int screenDpiY();

struct DcState {
    Handle pen = 0;
    Handle brush = 0;
    Handle font = 0;
    int mapMode = MM_TEXT;
    QPoint windowOrg{0, 0};
    QPoint viewportOrg{0, 0};
    QSize windowExt{1, 1};
    QSize viewportExt{1, 1};
    ColorRef textColour = 0x000000;
    ColorRef bkColour = 0xFFFFFF;
    int bkMode = OPAQUE;
    std::uint32_t textAlign = 0;
    QPoint position{0, 0};  // logical
    std::optional<QRect> clip;  // device
};

class Context : public GdiObject {
public:
    explicit Context(std::unique_ptr<Surface> surface);
    ~Context() override;

    Surface& surface() { return *m_surface; }
    DcState& state() { return m_state; }
    const DcState& state() const { return m_state; }
    std::vector<DcState>& saved() { return m_saved; }

    // Selects an object into the state (counts its selection); returns the old one.
    Handle select(Handle DcState::*slot, Handle object);
    void replaceState(const DcState& state);

    void setMapMode(int mode);
    double scaleX() const;
    double scaleY() const;
    QPointF toDevice(double x, double y) const;
    QPoint toDevicePoint(int x, int y) const;
    QPoint toLogicalPoint(const QPointF& device) const;
    // The device rectangle of a logical one, normalised (right and bottom outside).
    QRect toDeviceRect(int left, int top, int right, int bottom) const;

    QPen pen() const;
    QBrush brush() const;
    QFont font() const;

private:
    std::unique_ptr<Surface> m_surface;
    DcState m_state;
    std::vector<DcState> m_saved;
};

Context* findContext(DcHandle dc);
DcHandle addContext(std::unique_ptr<Surface> surface);

// A painter set up for one drawing call: the context's clip, no antialiasing
// of lines, device coordinates; the painter's state is restored at the end.
class PaintScope {
public:
    explicit PaintScope(Context& context);
    ~PaintScope();
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;

    explicit operator bool() const { return m_painter != nullptr; }
    QPainter& operator*() const { return *m_painter; }
    QPainter* operator->() const { return m_painter; }

private:
    QPainter* m_painter;
};

// Runs draw(context, painter) inside a PaintScope; false when the handle is no
// context or the context has nothing to draw on.
template <class Draw>
bool paintOn(DcHandle dc, Draw draw)
{
    Context* context = findContext(dc);
    if (!context)
        return false;
    PaintScope painter(*context);
    if (!painter)
        return false;
    draw(*context, *painter);
    return true;
}

}  // namespace platform::gfx::detail
