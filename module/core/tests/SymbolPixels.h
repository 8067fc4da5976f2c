#pragma once
// Test help: the symbol lists and the pixels of their images, read back from
// the lists' own bitmaps as a chart or a palette gets them.

#include "module/core/CSymbols.h"
#include "platform/gfx/Bitmap.h"

#include <QImage>
#include <QPoint>
#include <QRect>

#include <vector>

namespace brisance::testing {

struct SymbolList {
    const char* name;
    int size;
    platform::com::ComPtr<platform::gfx::ImageList> (CSymbols::*get)() const;
};

inline constexpr SymbolList kSymbolLists[] = {
    {"small", CSymbols::kSmallSize, &CSymbols::SymbolImages},
    {"large", CSymbols::kLargeSize, &CSymbols::SymbolImagesLarge},
};

inline QImage symbolPixels(const platform::gfx::ImageList& list, int number)
{
    return platform::gfx::bitmapImage(list.picture(number)).convertToFormat(QImage::Format_RGB32);
}

inline bool isInk(QRgb pixel)
{
    return (pixel & 0xFFFFFF) == 0;
}

// The ink of image that except does not have (every ink without except).
inline std::vector<QPoint> inkOf(const QImage& image, const QImage& except = {})
{
    std::vector<QPoint> ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (isInk(image.pixel(x, y)) && (except.isNull() || !isInk(except.pixel(x, y)))) ink.emplace_back(x, y);
    return ink;
}

inline QRect boxOf(const std::vector<QPoint>& points)
{
    QRect box;
    for (const QPoint& point : points) box |= QRect(point, QSize(1, 1));
    return box;
}

}  // namespace brisance::testing
