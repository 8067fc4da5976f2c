#include "platform/gfx/Objects.h"

#include "platform/gfx/ObjectData.h"

#include <map>

namespace platform::gfx {
namespace detail {

BitmapObject::BitmapObject(QImage image, bool monochrome)
    : m_image(std::move(image)), m_monochrome(monochrome)
{
}

BitmapObject::~BitmapObject() = default;

QPainter& BitmapObject::painter()
{
    if (!m_painter)
        m_painter = std::make_unique<QPainter>(&m_image);
    return *m_painter;
}

QImage& BitmapObject::pixels()
{
    if (m_painter) {
        m_painter.reset();
        // A monochrome bitmap holds black and white only: drawn colours fall to
        // the nearer of the two, as on the platform.
        if (m_monochrome) {
            for (int y = 0; y < m_image.height(); ++y) {
                auto* line = reinterpret_cast<QRgb*>(m_image.scanLine(y));
                for (int x = 0; x < m_image.width(); ++x)
                    line[x] = qGray(line[x]) >= 128 ? 0xFFFFFFFF : 0xFF000000;
            }
        }
    }
    return m_image;
}

QColor toQColor(ColorRef colour)
{
    return QColor(redOf(colour), greenOf(colour), blueOf(colour));
}

ColorRef fromQColor(const QColor& colour)
{
    return rgb(colour.red(), colour.green(), colour.blue());
}

namespace {

template <class T>
Handle addStock(std::unique_ptr<T> object)
{
    object->stock = true;
    return addObject(std::move(object));
}

std::unique_ptr<PenObject> makePen(std::uint32_t style, int width, ColorRef colour)
{
    auto pen = std::make_unique<PenObject>();
    pen->style = style;
    pen->width = width;
    pen->colour = colour;
    return pen;
}

std::unique_ptr<BrushObject> makeBrush(BrushObject::Kind kind, ColorRef colour, int hatch = 0)
{
    auto brush = std::make_unique<BrushObject>();
    brush->kind = kind;
    brush->colour = colour;
    brush->hatch = hatch;
    return brush;
}

std::unique_ptr<FontObject> makeFont(const FontDescription& description)
{
    auto font = std::make_unique<FontObject>();
    font->description = description;
    return font;
}

Handle makeStock(int which)
{
    using Kind = BrushObject::Kind;
    switch (which) {
    case WHITE_BRUSH: return addStock(makeBrush(Kind::Solid, rgb(255, 255, 255)));
    case LTGRAY_BRUSH: return addStock(makeBrush(Kind::Solid, rgb(192, 192, 192)));
    case GRAY_BRUSH: return addStock(makeBrush(Kind::Solid, rgb(128, 128, 128)));
    case DKGRAY_BRUSH: return addStock(makeBrush(Kind::Solid, rgb(64, 64, 64)));
    case BLACK_BRUSH: return addStock(makeBrush(Kind::Solid, rgb(0, 0, 0)));
    case NULL_BRUSH: return addStock(makeBrush(Kind::Null, 0));
    case WHITE_PEN: return addStock(makePen(PS_SOLID, 0, rgb(255, 255, 255)));
    case BLACK_PEN: return addStock(makePen(PS_SOLID, 0, rgb(0, 0, 0)));
    case NULL_PEN: return addStock(makePen(PS_NULL, 0, 0));
    case SYSTEM_FONT: return addStock(makeFont({.face = "System", .height = 16, .weight = FW_BOLD}));
    case DEFAULT_GUI_FONT: return addStock(makeFont({.face = "Tahoma", .height = -11}));
    default: return 0;
    }
}

}  // namespace

Handle defaultBitmap()
{
    static const Handle handle = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.fill(Qt::black);
        return addStock(std::make_unique<BitmapObject>(image, true));
    }();
    return handle;
}

}  // namespace detail

using namespace detail;

ObjectHandle createPen(std::uint32_t style, int width, ColorRef colour)
{
    if ((style & PS_STYLE_MASK) > PS_INSIDEFRAME || (style & ~PS_STYLE_MASK) != 0 || width < 0)
        return 0;
    return addObject(makePen(style, width, colour));
}

ObjectHandle extCreatePen(std::uint32_t style, int width, ColorRef colour)
{
    const std::uint32_t kind = style & PS_STYLE_MASK;
    if ((style & PS_GEOMETRIC) == 0 || (kind != PS_SOLID && kind != PS_DOT) || width < 0)
        return 0;
    return addObject(makePen(style, width, colour));
}

ObjectHandle createSolidBrush(ColorRef colour)
{
    return addObject(makeBrush(BrushObject::Kind::Solid, colour));
}

ObjectHandle createHatchBrush(int hatchStyle, ColorRef colour)
{
    if (hatchStyle < HS_HORIZONTAL || hatchStyle > HS_DIAGCROSS)
        return 0;
    return addObject(makeBrush(BrushObject::Kind::Hatch, colour, hatchStyle));
}

ObjectHandle createFont(const FontDescription& font)
{
    return addObject(makeFont(font));
}

bool getFontDescription(ObjectHandle font, FontDescription* out)
{
    const auto* object = find<FontObject>(font);
    if (!object)
        return false;
    *out = object->description;
    return true;
}

ObjectHandle getStockObject(int which)
{
    static std::map<int, Handle> made;
    const auto found = made.find(which);
    if (found != made.end())
        return found->second;
    const Handle handle = makeStock(which);
    if (handle != 0)
        made.emplace(which, handle);
    return handle;
}

bool deleteObject(ObjectHandle object)
{
    GdiObject* found = lookup(object);
    const bool drawingObject = dynamic_cast<PenObject*>(found) || dynamic_cast<BrushObject*>(found)
                               || dynamic_cast<FontObject*>(found) || dynamic_cast<BitmapObject*>(found);
    if (!drawingObject || found->stock || found->selections > 0)
        return false;
    return removeObject(object);
}

}  // namespace platform::gfx
