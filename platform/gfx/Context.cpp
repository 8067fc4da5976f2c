#include "platform/gfx/Context.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace platform::gfx::detail {
namespace {

// Logical units per inch of the fixed mapping modes.
double unitsPerInch(int mode)
{
    switch (mode) {
    case MM_LOMETRIC: return 254.0;
    case MM_HIMETRIC: return 2540.0;
    case MM_LOENGLISH: return 100.0;
    case MM_HIENGLISH: return 1000.0;
    case MM_TWIPS: return 1440.0;
    default: return 0.0;
    }
}

// A font's pixel size from a height in device pixels: at least 1, and no
// more than the font engine measures without its sizes wrapping round.
int pixelSize(double pixels)
{
    constexpr double kLargest = 1 << 14;
    return pixels >= 1.0 ? static_cast<int>(std::lround(std::min(pixels, kLargest))) : 1;
}

void changeSelections(Handle object, int delta)
{
    if (GdiObject* found = lookup(object))
        found->selections += delta;
}

const QVector<qreal>& dashPattern(std::uint32_t style)
{
    static const QVector<qreal> dash{18, 6};
    static const QVector<qreal> dot{3, 3};
    static const QVector<qreal> dashDot{9, 6, 3, 6};
    static const QVector<qreal> dashDotDot{9, 3, 3, 3, 3, 3};
    switch (style) {
    case PS_DASH: return dash;
    case PS_DOT: return dot;
    case PS_DASHDOT: return dashDot;
    default: return dashDotDot;
    }
}

Qt::PenCapStyle capStyle(std::uint32_t style)
{
    switch (style & PS_ENDCAP_MASK) {
    case PS_ENDCAP_FLAT: return Qt::FlatCap;
    case PS_ENDCAP_SQUARE: return Qt::SquareCap;
    default: return Qt::RoundCap;
    }
}

Qt::BrushStyle hatchPattern(int hatch)
{
    switch (hatch) {
    case HS_HORIZONTAL: return Qt::HorPattern;
    case HS_VERTICAL: return Qt::VerPattern;
    case HS_FDIAGONAL: return Qt::FDiagPattern;
    case HS_BDIAGONAL: return Qt::BDiagPattern;
    case HS_CROSS: return Qt::CrossPattern;
    default: return Qt::DiagCrossPattern;
    }
}

std::pair<double, double> scales(const DcState& state)
{
    const auto ratio = [](int viewport, int window) {
        return window == 0 ? 1.0 : static_cast<double>(viewport) / window;
    };
    const double sx = ratio(state.viewportExt.width(), state.windowExt.width());
    const double sy = ratio(state.viewportExt.height(), state.windowExt.height());
    if (state.mapMode != MM_ISOTROPIC)
        return {sx, sy};
    // Equal scales: the smaller magnitude wins, each axis keeping its direction.
    const double magnitude = std::min(std::abs(sx), std::abs(sy));
    return {std::copysign(magnitude, sx), std::copysign(magnitude, sy)};
}

}  // namespace

int screenDpiX()
{
    const QScreen* screen = qGuiApp ? QGuiApplication::primaryScreen() : nullptr;
    return screen ? qRound(screen->logicalDotsPerInchX()) : 96;
}

int screenDpiY()
{
    const QScreen* screen = qGuiApp ? QGuiApplication::primaryScreen() : nullptr;
    return screen ? qRound(screen->logicalDotsPerInchY()) : 96;
}

int displayCaps(int index, int width, int height, int dpiX, int dpiY, int bitsPerPixel)
{
    switch (index) {
    case TECHNOLOGY: return DT_RASDISPLAY;
    case HORZSIZE: return qRound(width * 25.4 / dpiX);
    case VERTSIZE: return qRound(height * 25.4 / dpiY);
    case HORZRES: return width;
    case VERTRES: return height;
    case BITSPIXEL: return bitsPerPixel;
    case PLANES: return 1;
    case NUMCOLORS: return -1;
    case RASTERCAPS: return RC_BITBLT | RC_STRETCHBLT | RC_STRETCHDIB | RC_DIBTODEV;
    case LOGPIXELSX: return dpiX;
    case LOGPIXELSY: return dpiY;
    default: return 0;
    }
}

Context::Context(std::unique_ptr<Surface> surface) : m_surface(std::move(surface))
{
    m_state.pen = getStockObject(BLACK_PEN);
    m_state.brush = getStockObject(WHITE_BRUSH);
    m_state.font = getStockObject(SYSTEM_FONT);
    changeSelections(m_state.pen, 1);
    changeSelections(m_state.brush, 1);
    changeSelections(m_state.font, 1);
}

Context::~Context()
{
    changeSelections(m_state.pen, -1);
    changeSelections(m_state.brush, -1);
    changeSelections(m_state.font, -1);
}

Handle Context::select(Handle DcState::*slot, Handle object)
{
    const Handle previous = m_state.*slot;
    changeSelections(object, 1);
    changeSelections(previous, -1);
    m_state.*slot = object;
    return previous;
}

void Context::replaceState(const DcState& state)
{
    const DcState old = m_state;
    m_state = state;
    for (Handle DcState::*slot : {&DcState::pen, &DcState::brush, &DcState::font}) {
        changeSelections(m_state.*slot, 1);
        changeSelections(old.*slot, -1);
    }
}

void Context::setMapMode(int mode)
{
    m_state.mapMode = mode;
    const double perInch = unitsPerInch(mode);
    if (perInch > 0) {
        m_state.windowExt = QSize(qRound(perInch), qRound(perInch));
        m_state.viewportExt = QSize(m_surface->deviceCaps(LOGPIXELSX), -m_surface->deviceCaps(LOGPIXELSY));
    } else if (mode == MM_TEXT) {
        m_state.windowExt = QSize(1, 1);
        m_state.viewportExt = QSize(1, 1);
    }
    // The two free modes keep the extents in force, as on the platform.
}

double Context::scaleX() const
{
    return scales(m_state).first;
}

double Context::scaleY() const
{
    return scales(m_state).second;
}

QPointF Context::toDevice(double x, double y) const
{
    const auto [sx, sy] = scales(m_state);
    return QPointF((x - m_state.windowOrg.x()) * sx + m_state.viewportOrg.x(),
                   (y - m_state.windowOrg.y()) * sy + m_state.viewportOrg.y());
}

QPoint Context::toDevicePoint(int x, int y) const
{
    const QPointF device = toDevice(x, y);
    return QPoint(static_cast<int>(std::lround(device.x())), static_cast<int>(std::lround(device.y())));
}

QPoint Context::toLogicalPoint(const QPointF& device) const
{
    const auto [sx, sy] = scales(m_state);
    return QPoint(static_cast<int>(std::lround((device.x() - m_state.viewportOrg.x()) / sx + m_state.windowOrg.x())),
                  static_cast<int>(std::lround((device.y() - m_state.viewportOrg.y()) / sy + m_state.windowOrg.y())));
}

QRect Context::toDeviceRect(int left, int top, int right, int bottom) const
{
    const QPoint a = toDevicePoint(left, top);
    const QPoint b = toDevicePoint(right, bottom);
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()) - 1, std::max(a.y(), b.y()) - 1));
}

QPen Context::pen() const
{
    const auto* object = find<PenObject>(m_state.pen);
    if (!object || (object->style & PS_STYLE_MASK) == PS_NULL)
        return QPen(Qt::NoPen);
    const std::uint32_t kind = object->style & PS_STYLE_MASK;
    const bool geometric = (object->style & PS_GEOMETRIC) != 0;
    const double width = std::max(1.0, std::round(object->width * std::abs(scaleX())));
    QPen pen(toQColor(object->colour), width);
    pen.setJoinStyle(Qt::MiterJoin);
    if (geometric) {
        pen.setCapStyle(capStyle(object->style));
        if (kind == PS_DOT)
            pen.setDashPattern({1, 1});
        return pen;
    }
    // A cosmetic line leaves out its last pixel, as on the platform; styles
    // other than solid show only on one-pixel lines.
    pen.setCapStyle(width > 1 ? Qt::RoundCap : Qt::FlatCap);
    if (width <= 1 && kind != PS_SOLID && kind != PS_INSIDEFRAME)
        pen.setDashPattern(dashPattern(kind));
    return pen;
}

QBrush Context::brush() const
{
    const auto* object = find<BrushObject>(m_state.brush);
    if (!object || object->kind == BrushObject::Kind::Null)
        return QBrush(Qt::NoBrush);
    if (object->kind == BrushObject::Kind::Hatch)
        return QBrush(toQColor(object->colour), hatchPattern(object->hatch));
    return QBrush(toQColor(object->colour));
}

QFont Context::font() const
{
    FontDescription description;
    if (const auto* object = find<FontObject>(m_state.font))
        description = object->description;
    QFont font(QString::fromStdString(description.face));
    font.setWeight(static_cast<QFont::Weight>(std::clamp(description.weight == 0 ? FW_NORMAL : description.weight, 100, 900)));
    font.setItalic(description.italic);
    font.setUnderline(description.underline);
    font.setStrikeOut(description.strikeOut);
    font.setKerning(false);
    const double scale = std::abs(scaleY());
    const int height = pixelSize(std::abs(static_cast<double>(description.height)) * scale);
    if (description.height == 0) {
        font.setPixelSize(12);
    } else if (description.height < 0) {
        font.setPixelSize(height);  // the character (em) height
    } else {
        // The cell height: scale the em size so that ascent plus descent fit.
        font.setPixelSize(height);
        const QFontMetricsF metrics(font);
        const double cell = metrics.ascent() + metrics.descent();
        font.setPixelSize(pixelSize(height * (height / cell)));
    }
    return font;
}

Context* findContext(DcHandle dc)
{
    return find<Context>(dc);
}

DcHandle addContext(std::unique_ptr<Surface> surface)
{
    return addObject(std::make_unique<Context>(std::move(surface)));
}

PaintScope::PaintScope(Context& context) : m_painter(context.surface().painter())
{
    if (!m_painter)
        return;
    m_painter->save();
    m_painter->setRenderHint(QPainter::Antialiasing, false);
    const DcState& state = context.state();
    if (state.clip)
        m_painter->setClipRect(*state.clip, Qt::IntersectClip);
    m_painter->setBackgroundMode(state.bkMode == OPAQUE ? Qt::OpaqueMode : Qt::TransparentMode);
    m_painter->setBackground(toQColor(state.bkColour));
}

PaintScope::~PaintScope()
{
    if (m_painter)
        m_painter->restore();
}

}  // namespace platform::gfx::detail
