#pragma once
// Inside the drawing service: what pens, brushes, fonts and bitmaps hold.

#include "platform/gfx/HandleTable.h"
#include "platform/gfx/Objects.h"

#include <QImage>
#include <QPainter>

#include <memory>

namespace platform::gfx::detail {

struct PenObject : GdiObject {
    std::uint32_t style = PS_SOLID;
    int width = 0;
    ColorRef colour = 0;
};

struct BrushObject : GdiObject {
    enum class Kind { Solid, Hatch, Null } kind = Kind::Solid;
    int hatch = 0;
    ColorRef colour = 0;
};

struct FontObject : GdiObject {
    FontDescription description;
};

// A bitmap and, while something draws on it, the painter doing so. Anything
// that reads or copies the pixels takes them through pixels(), which finishes
// the painting first.
class BitmapObject : public GdiObject {
public:
    BitmapObject(QImage image, bool monochrome);
    ~BitmapObject() override;

    bool monochrome() const { return m_monochrome; }
    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }
    QPainter& painter();
    QImage& pixels();

private:
    QImage m_image;
    bool m_monochrome;
    std::unique_ptr<QPainter> m_painter;
};

QColor toQColor(ColorRef colour);
ColorRef fromQColor(const QColor& colour);

}  // namespace platform::gfx::detail

namespace platform::gfx::detail {
// The 1 x 1 monochrome bitmap that a new memory context holds (a stock object).
Handle defaultBitmap();
}  // namespace platform::gfx::detail
