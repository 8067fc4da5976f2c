#pragma once
// Test help for the report's drawing: a white image of a few centimetres at a
// known resolution that a CPrinter draws on as on a host's page, and the ink
// found on it, measured in pixels of that image.

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/Draw.h"
#include "platform/gfx/Objects.h"

#include <QImage>
#include <QRect>

#include <algorithm>
#include <cmath>
#include <vector>

namespace brisance::testing {

// Pixels of the image of a length in centimetres, at the screen's 96 dots per
// inch that a memory context has.
inline int px(double cm)
{
    return static_cast<int>(std::lround(cm / 2.54 * 96));
}

inline bool isInk(QRgb pixel)
{
    return qGray(pixel) < 160;
}

// The bounding box of the ink inside the area (the whole image when empty).
inline QRect inkBox(const QImage& image, QRect area = {})
{
    if (area.isEmpty()) area = image.rect();
    area &= image.rect();
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (isInk(image.pixel(x, y))) box |= QRect(x, y, 1, 1);
    return box;
}

inline int inkCount(const QImage& image, const QRect& area)
{
    int count = 0;
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            count += isInk(image.pixel(x, y)) ? 1 : 0;
    return count;
}

// The chart's grid grey.
inline bool isGrid(QRgb pixel)
{
    return qAbs(qRed(pixel) - 180) < 30 && qAbs(qGreen(pixel) - 180) < 30 && qAbs(qBlue(pixel) - 180) < 30;
}

// The solid grid lines across (rows) or up (columns) the picture: runs of
// rows or columns whose grid pixels nearly span the longest one found.
// Dashed lines, with their gaps, fall short of it. A grey row beside the
// black frame is the frame's own edge as the page was sampled, not a line.
inline std::vector<int> solidGridLines(const QImage& image, bool rows)
{
    const int count = rows ? image.height() : image.width();
    const int along = rows ? image.width() : image.height();
    std::vector<int> coverage(count, 0);
    std::vector<int> ink(count, 0);
    for (int i = 0; i < count; ++i)
        for (int j = 0; j < along; ++j) {
            const QRgb pixel = rows ? image.pixel(j, i) : image.pixel(i, j);
            coverage[i] += isGrid(pixel) ? 1 : 0;
            ink[i] += qGray(pixel) < 60 ? 1 : 0;
        }
    const int longest = *std::max_element(coverage.begin(), coverage.end());
    const auto frame = [&](int i) { return i >= 0 && i < count && ink[i] >= longest * 9 / 10; };
    std::vector<int> lines;
    for (int i = 0; i < count; ++i) {
        if (coverage[i] < longest * 9 / 10 || frame(i - 1) || frame(i + 1))
            continue;
        if (lines.empty() || lines.back() < i - 1)
            lines.push_back(i);
        else
            lines.back() = i;
    }
    return lines;
}

// A white memory image of the size (cm) with its own context.
class ImagePage {
public:
    ImagePage(double widthCm, double heightCm)
        : m_dc(platform::gfx::createCompatibleDc(0)),
          m_bitmap(platform::gfx::createCompatibleBitmap(m_dc, px(widthCm), px(heightCm)))
    {
        m_previous = platform::gfx::selectObject(m_dc, m_bitmap);
        platform::gfx::fillRect(m_dc, {0, 0, px(widthCm), px(heightCm)},
                                platform::gfx::getStockObject(platform::gfx::WHITE_BRUSH));
    }
    ~ImagePage()
    {
        platform::gfx::selectObject(m_dc, m_previous);
        platform::gfx::deleteDc(m_dc);
        platform::gfx::deleteObject(m_bitmap);
    }
    ImagePage(const ImagePage&) = delete;
    ImagePage& operator=(const ImagePage&) = delete;

    platform::gfx::DcHandle dc() const { return m_dc; }
    QImage image() const { return platform::gfx::contextImage(m_dc)->convertToFormat(QImage::Format_RGB32); }

private:
    platform::gfx::DcHandle m_dc;
    platform::gfx::ObjectHandle m_bitmap;
    platform::gfx::ObjectHandle m_previous = 0;
};

}  // namespace brisance::testing
