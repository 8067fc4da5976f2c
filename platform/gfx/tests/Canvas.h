#pragma once
// A memory context on a white colour bitmap, for pixel checks.

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/Draw.h"
#include "platform/gfx/Objects.h"

#include <QImage>

#include <optional>

namespace platform::gfx::testing {

class Canvas {
public:
    Canvas(int width, int height)
        : dc(createCompatibleDc(0)), bitmap(createCompatibleBitmap(dc, width, height))
    {
        m_previous = selectObject(dc, bitmap);
        const Rect all{0, 0, width, height};
        fillRect(dc, all, getStockObject(WHITE_BRUSH));
    }
    ~Canvas()
    {
        selectObject(dc, m_previous);
        deleteDc(dc);
        deleteObject(bitmap);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    QImage image() const { return *contextImage(dc); }
    // The pixel's colour as the platform writes it (0x00BBGGRR).
    ColorRef at(int x, int y) const
    {
        const QColor colour(image().pixel(x, y));
        return rgb(colour.red(), colour.green(), colour.blue());
    }
    // The bounding box of every pixel darker than mid grey; empty when none.
    QRect ink() const
    {
        const QImage pixels = image();
        QRect box;
        for (int y = 0; y < pixels.height(); ++y)
            for (int x = 0; x < pixels.width(); ++x)
                if (qGray(pixels.pixel(x, y)) < 128)
                    box |= QRect(x, y, 1, 1);
        return box;
    }

    const DcHandle dc;
    const ObjectHandle bitmap;

private:
    ObjectHandle m_previous = 0;
};

inline constexpr ColorRef kWhite = rgb(255, 255, 255);
inline constexpr ColorRef kBlack = rgb(0, 0, 0);
inline constexpr ColorRef kRed = rgb(255, 0, 0);
inline constexpr ColorRef kBlue = rgb(0, 0, 255);

}  // namespace platform::gfx::testing
