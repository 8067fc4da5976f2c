#include "platform/gfx/Bitmap.h"

#include "platform/gfx/Context.h"

#include <QPaintEngine>

#include <cstdlib>
#include <cstring>

namespace platform::gfx {
namespace {

using detail::BitmapObject;
using detail::Context;
using detail::findContext;

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;

// Larger bitmaps (over 1 GB of pixels) are refused rather than attempted.
constexpr std::int64_t kMaxPixels = std::int64_t{1} << 28;

ObjectHandle addBitmap(int width, int height, bool monochrome)
{
    if (width <= 0 || height <= 0 || std::int64_t{width} * height > kMaxPixels)
        return 0;
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())  // too large to allocate
        return 0;
    image.fill(Qt::black);
    return detail::addObject(std::make_unique<BitmapObject>(std::move(image), monochrome));
}

// SRCCOPY's operation byte: the result is the source.
constexpr std::uint8_t kSourceCopyCode = 0xCC;

std::uint8_t ropByte(std::uint32_t rop)
{
    return static_cast<std::uint8_t>((rop >> 16) & 0xFF);
}

bool usesSource(std::uint32_t rop)
{
    const std::uint8_t code = ropByte(rop);
    return ((code >> 2) & 0x33) != (code & 0x33);
}

// The result of a ternary raster operation on 24-bit values: bit k of the code
// is the result where (pattern, source, destination) are the bits of k.
std::uint32_t applyRop(std::uint8_t code, std::uint32_t pattern, std::uint32_t source, std::uint32_t destination)
{
    std::uint32_t result = 0;
    for (unsigned k = 0; k < 8; ++k) {
        if (!(code & (1U << k)))
            continue;
        result |= ((k & 4) ? pattern : ~pattern) & ((k & 2) ? source : ~source) & ((k & 1) ? destination : ~destination);
    }
    return result & 0xFFFFFF;
}

QRgb toMonochrome(QRgb colour)
{
    return qGray(colour) >= 128 ? kWhite : kBlack;
}

// A block of an image as an image of its own, shared when it is the whole.
QImage blockOf(const QImage& image, const QRect& block)
{
    return block == image.rect() ? image : image.copy(block);
}

// The source pixels as the destination sees them, following the platform's
// colour <-> monochrome rules.
QImage convertedSource(const Context& source, BitmapObject& bitmap, const QRect& area, const Context& destination,
                       bool destinationMonochrome)
{
    const QImage& pixels = bitmap.pixels();
    // A whole image is shared until a conversion below changes it.
    QImage part = blockOf(pixels, area);
    if (bitmap.monochrome() && !destinationMonochrome) {
        const QRgb zero = detail::toQColor(destination.state().textColour).rgb();
        const QRgb one = detail::toQColor(destination.state().bkColour).rgb();
        for (int y = 0; y < part.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(part.scanLine(y));
            for (int x = 0; x < part.width(); ++x)
                line[x] = (line[x] & 0xFFFFFF) == 0xFFFFFF ? one : zero;
        }
    } else if (!bitmap.monochrome() && destinationMonochrome) {
        const QRgb background = detail::toQColor(source.state().bkColour).rgb() & 0xFFFFFF;
        for (int y = 0; y < part.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(part.scanLine(y));
            for (int x = 0; x < part.width(); ++x)
                line[x] = (line[x] & 0xFFFFFF) == background ? kWhite : kBlack;
        }
    }
    return part;
}

struct Block {
    QRect device;  // normalised
    bool mirroredX = false;
    bool mirroredY = false;
};

Block deviceBlock(const Context& context, int x, int y, int width, int height)
{
    const QPoint a = context.toDevicePoint(x, y);
    const QPoint b = context.toDevicePoint(x + width, y + height);
    return {QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                  QPoint(std::max(a.x(), b.x()) - 1, std::max(a.y(), b.y()) - 1)),
            b.x() < a.x(), b.y() < a.y()};
}

// The source block scaled and mirrored to the destination block.
QImage fittedSource(QImage part, const Block& source, const Block& destination)
{
    if (part.size() != destination.device.size())
        part = part.scaled(destination.device.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const bool mirrorX = source.mirroredX != destination.mirroredX;
    const bool mirrorY = source.mirroredY != destination.mirroredY;
    if (mirrorX || mirrorY)
        part = part.mirrored(mirrorX, mirrorY);
    return part;
}

// The source's pixels for a block of the destination: from origin on in image.
// Where the destination takes the source as it is (same kind of bitmap, same
// size, same direction, wholly inside the source), that is the source bitmap's
// own image, shared rather than copied.
struct SourcePixels {
    QImage image;
    QPoint origin;
};

SourcePixels sourcePixels(const Context& from, BitmapObject& bitmap, const Block& block, const Context& destination,
                          const Block& target, bool destinationMonochrome)
{
    const QImage& pixels = bitmap.pixels();
    const bool asItIs = bitmap.monochrome() == destinationMonochrome && pixels.rect().contains(block.device)
                        && block.device.size() == target.device.size() && block.mirroredX == target.mirroredX
                        && block.mirroredY == target.mirroredY;
    if (asItIs)
        return {pixels, block.device.topLeft()};
    return {fittedSource(convertedSource(from, bitmap, block.device, destination, destinationMonochrome), block, target),
            QPoint(0, 0)};
}

// Draws a block of an image through a painter. The raster engine copies an
// image straight through a rectangular clip, but converts the whole image for
// a block of it or under a clip region, so it is given the whole image
// clipped to the block. Engines that keep what they are given (a PDF file, a
// metafile) are given the block alone.
void drawBlock(QPainter& painter, const QPoint& at, const QImage& image, const QRect& block)
{
    if (painter.paintEngine()->type() != QPaintEngine::Raster) {
        painter.drawImage(at, blockOf(image, block));
        return;
    }
    painter.setClipRect(QRect(at, block.size()), Qt::IntersectClip);
    painter.drawImage(at - block.topLeft(), image);
}

// The part of a block of a memory bitmap that a copy changes: inside the
// bitmap and inside the context's clip.
QRect rasterArea(const Context& destination, const QImage& pixels, const QRect& block)
{
    QRect area = block.intersected(pixels.rect());
    if (destination.state().clip)
        area = area.intersected(*destination.state().clip);
    return area;
}

// The source's row for the destination's row y of the block, addressed by the
// destination's columns.
const QRgb* sourceLine(const SourcePixels& source, const QRect& block, int y)
{
    return reinterpret_cast<const QRgb*>(source.image.constScanLine(y - block.top() + source.origin.y()))
           + (source.origin.x() - block.left());
}

void rasterBlit(Context& destination, BitmapObject& target, const QRect& block, const SourcePixels* source,
                std::uint32_t rop)
{
    QImage& pixels = target.pixels();
    const QRect area = rasterArea(destination, pixels, block);
    const std::uint8_t code = ropByte(rop);
    std::uint32_t pattern = 0;
    if (const auto* brush = detail::find<detail::BrushObject>(destination.state().brush))
        pattern = detail::toQColor(brush->colour).rgb() & 0xFFFFFF;
    if (target.monochrome())
        pattern = toMonochrome(pattern | kBlack) & 0xFFFFFF;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(pixels.scanLine(y));
        const QRgb* from = source ? sourceLine(*source, block, y) : nullptr;
        // The common whole-picture copy, without the general operation: a
        // straight copy, as the format's alpha byte is never read.
        if (code == kSourceCopyCode && from) {
            std::memcpy(line + area.left(), from + area.left(), static_cast<std::size_t>(area.width()) * sizeof(QRgb));
            continue;
        }
        for (int x = area.left(); x <= area.right(); ++x) {
            const std::uint32_t s = from ? from[x] & 0xFFFFFF : 0;
            line[x] = kBlack | applyRop(code, pattern, s, line[x] & 0xFFFFFF);
        }
    }
}

// Copies the source onto a block of a colour bitmap, leaving out the pixels of
// the key colour (0x00RRGGBB).
void keyedBlit(Context& destination, BitmapObject& target, const QRect& block, const SourcePixels& source, QRgb key)
{
    QImage& pixels = target.pixels();
    const QRect area = rasterArea(destination, pixels, block);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(pixels.scanLine(y));
        const QRgb* from = sourceLine(source, block, y);
        for (int x = area.left(); x <= area.right(); ++x)
            if ((from[x] & 0xFFFFFF) != key)
                line[x] = kBlack | from[x];
    }
}

// A printer takes a colour picture that it only needs to enlarge a little (a
// canvas drawn near the page's resolution) at the picture's own resolution,
// stretched by the page: scaling it up to the printer's pixels first only
// costs time and makes the printed file larger. Images enlarged more (small
// icons and symbols) are still scaled here, so that they keep their hard
// pixels whatever the file's viewer does.
constexpr int kMaxPrinterStretch = 2;

bool stretchedByPrinter(Context& destination, BitmapObject& bitmap, const Block& block, const Block& target,
                        std::uint32_t rop)
{
    return rop == SRCCOPY && destination.surface().technology() == DT_RASPRINTER && !bitmap.monochrome()
           && block.mirroredX == target.mirroredX && block.mirroredY == target.mirroredY && !block.device.isEmpty()
           && bitmap.pixels().rect().contains(block.device)
           && target.device.width() <= kMaxPrinterStretch * block.device.width()
           && target.device.height() <= kMaxPrinterStretch * block.device.height();
}

bool drawStretched(Context& destination, const QImage& image, const QRect& block, const QRect& target)
{
    detail::PaintScope painter(destination);
    if (!painter)
        return false;
    painter->drawImage(QRectF(target), image, QRectF(block));
    return true;
}

bool blit(DcHandle destinationDc, int x, int y, int width, int height, DcHandle sourceDc, int sourceX,
          int sourceY, int sourceWidth, int sourceHeight, std::uint32_t rop)
{
    Context* destination = findContext(destinationDc);
    if (!destination)
        return false;
    const Block target = deviceBlock(*destination, x, y, width, height);
    BitmapObject* targetBitmap = destination->surface().bitmap();
    std::optional<SourcePixels> source;
    if (usesSource(rop)) {
        Context* from = findContext(sourceDc);
        BitmapObject* bitmap = from ? from->surface().bitmap() : nullptr;
        if (!bitmap)
            return false;
        const Block block = deviceBlock(*from, sourceX, sourceY, sourceWidth, sourceHeight);
        if (!targetBitmap && !target.device.isEmpty() && stretchedByPrinter(*destination, *bitmap, block, target, rop))
            return drawStretched(*destination, bitmap->pixels(), block.device, target.device);
        const bool monochrome = targetBitmap && targetBitmap->monochrome();
        source = sourcePixels(*from, *bitmap, block, *destination, target, monochrome);
    }
    if (target.device.isEmpty())
        return true;
    if (targetBitmap) {
        rasterBlit(*destination, *targetBitmap, target.device, source ? &*source : nullptr, rop);
        return true;
    }
    // Painted devices (widgets, printers, metafiles) take plain copies only.
    if (rop != SRCCOPY)
        return false;
    detail::PaintScope painter(*destination);
    if (!painter)
        return false;
    drawBlock(*painter, target.device.topLeft(), source->image, QRect(source->origin, target.device.size()));
    return true;
}

}  // namespace

ObjectHandle createCompatibleBitmap(DcHandle dc, int width, int height)
{
    if (dc != 0 && !findContext(dc))
        return 0;
    return addBitmap(width, height, false);
}

ObjectHandle createBitmap(int width, int height, int bitsPerPixel)
{
    return addBitmap(width, height, bitsPerPixel == 1);
}

ObjectHandle createDibSection(int width, int height, int bitsPerPixel)
{
    if (bitsPerPixel != 24)
        return 0;
    return addBitmap(width, std::abs(height), false);
}

bool getBitmapInfo(ObjectHandle bitmap, BitmapInfo* out)
{
    const auto* object = detail::find<BitmapObject>(bitmap);
    if (!object || !out)
        return false;
    *out = {object->width(), object->height(), 1, object->monochrome() ? 1 : 24};
    return true;
}

bool bitBlt(DcHandle destination, int x, int y, int width, int height, DcHandle source, int sourceX, int sourceY,
            std::uint32_t rop)
{
    return blit(destination, x, y, width, height, source, sourceX, sourceY, width, height, rop);
}

bool stretchBlt(DcHandle destination, int x, int y, int width, int height, DcHandle source, int sourceX,
                int sourceY, int sourceWidth, int sourceHeight, std::uint32_t rop)
{
    return blit(destination, x, y, width, height, source, sourceX, sourceY, sourceWidth, sourceHeight, rop);
}

bool transparentBlt(DcHandle destinationDc, int x, int y, int width, int height, DcHandle sourceDc, int sourceX,
                    int sourceY, int sourceWidth, int sourceHeight, ColorRef transparent)
{
    Context* destination = findContext(destinationDc);
    Context* from = findContext(sourceDc);
    BitmapObject* bitmap = from ? from->surface().bitmap() : nullptr;
    if (!destination || !bitmap)
        return false;
    const Block target = deviceBlock(*destination, x, y, width, height);
    const Block block = deviceBlock(*from, sourceX, sourceY, sourceWidth, sourceHeight);
    const SourcePixels source = sourcePixels(*from, *bitmap, block, *destination, target, false);
    const QRgb key = detail::toQColor(transparent).rgb() & 0xFFFFFF;
    BitmapObject* targetBitmap = destination->surface().bitmap();
    if (targetBitmap && !targetBitmap->monochrome()) {
        keyedBlit(*destination, *targetBitmap, target.device, source, key);
        return true;
    }
    QImage part = blockOf(source.image, QRect(source.origin, target.device.size())).convertToFormat(QImage::Format_ARGB32);
    for (int row = 0; row < part.height(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(part.scanLine(row));
        for (int column = 0; column < part.width(); ++column)
            if ((line[column] & 0xFFFFFF) == key)
                line[column] = 0;
    }
    detail::PaintScope painter(*destination);
    if (!painter)
        return false;
    painter->drawImage(target.device.topLeft(), part);
    return true;
}

bool stretchBitmap(DcHandle destinationDc, int x, int y, int width, int height, ObjectHandle bitmap)
{
    Context* destination = findContext(destinationDc);
    auto* object = detail::find<BitmapObject>(bitmap);
    if (!destination || !object)
        return false;
    const Block target = deviceBlock(*destination, x, y, width, height);
    const QImage image = object->pixels();
    detail::PaintScope painter(*destination);
    if (!painter)
        return false;
    painter->drawImage(target.device.topLeft(),
                       fittedSource(image, Block{image.rect()}, target));
    return true;
}

ObjectHandle bitmapFromImage(const QImage& image)
{
    if (image.isNull())
        return 0;
    return detail::addObject(std::make_unique<BitmapObject>(image.convertToFormat(QImage::Format_RGB32), false));
}

QImage bitmapImage(ObjectHandle bitmap)
{
    auto* object = detail::find<BitmapObject>(bitmap);
    return object ? object->pixels() : QImage();
}

bool saveBitmapFile(ObjectHandle bitmap, const std::string& path)
{
    auto* object = detail::find<BitmapObject>(bitmap);
    if (!object || path.empty())
        return false;
    return object->pixels().convertToFormat(QImage::Format_RGB888).save(QString::fromStdString(path), "BMP");
}

}  // namespace platform::gfx
