#include "module/core/tests/ContactSheet.h"

#include "platform/gfx/tests/Canvas.h"

#include <QPainter>

namespace brisance::testing {

namespace {

constexpr int kReviewImageSize = 96;
constexpr QRgb kGuide = 0xFFD8E4FF;
constexpr QRgb kOutline = 0xFFB0B0B0;

int gap(const platform::gfx::ImageList& list)
{
    return list.imageWidth() / 2;
}

// Tints the white pixels of a block.
void tint(QImage& image, const QRect& block, QRgb colour)
{
    for (int y = block.top(); y <= block.bottom(); ++y)
        for (int x = block.left(); x <= block.right(); ++x)
            if (image.pixel(x, y) == 0xFFFFFFFF) image.setPixel(x, y, colour);
}

}  // namespace

QRect sheetCell(const platform::gfx::ImageList& list, int number)
{
    const int pitchX = list.imageWidth() + gap(list);
    const int pitchY = list.imageHeight() + gap(list);
    const int index = number - 1;
    return {gap(list) + index % kSheetColumns * pitchX, gap(list) + index / kSheetColumns * pitchY,
            list.imageWidth(), list.imageHeight()};
}

QImage contactSheet(const platform::gfx::ImageList& list)
{
    const int rows = (list.count() + kSheetColumns - 1) / kSheetColumns;
    const platform::gfx::testing::Canvas canvas(gap(list) + kSheetColumns * (list.imageWidth() + gap(list)),
                                                gap(list) + rows * (list.imageHeight() + gap(list)));
    for (int number = 1; number <= list.count(); ++number) {
        const QRect cell = sheetCell(list, number);
        list.draw(number, canvas.dc, cell.x(), cell.y(), platform::gfx::ILD_NORMAL);
    }
    return canvas.image().convertToFormat(QImage::Format_RGB32);
}

QImage numberedContactSheet(const platform::gfx::ImageList& list)
{
    const int scale = kReviewImageSize / list.imageWidth();
    const QImage sheet = contactSheet(list);
    QImage review = sheet.scaled(sheet.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QPainter painter(&review);
    QFont font("DejaVu Sans");
    font.setPixelSize(20);
    painter.setFont(font);
    for (int number = 1; number <= list.count(); ++number) {
        const QRect cell = sheetCell(list, number);
        const QRect shown(cell.topLeft() * scale, cell.size() * scale);
        const int point = list.imageWidth() / 2 * scale;
        tint(review, QRect(shown.left() + point, shown.top(), scale, shown.height()), kGuide);
        tint(review, QRect(shown.left(), shown.top() + point, shown.width(), scale), kGuide);
        painter.setPen(QColor::fromRgb(kOutline));
        painter.drawRect(shown.adjusted(-1, -1, 0, 0));
        painter.setPen(Qt::black);
        painter.drawText(QRect(shown.left() - gap(list) * scale, shown.top(), gap(list) * scale - 8, shown.height()),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(number));
    }
    return review;
}

}  // namespace brisance::testing
