#include "module/panels/SymbolArtwork.h"

#include "module/panels/SymbolCatalogue.h"

namespace brisance {

namespace {

std::vector<QImage> build(int size)
{
    std::vector<QImage> images;
    for (int number = 1; number <= kSymbolCount; ++number) {
        QImage image(size, size, QImage::Format_RGB32);
        image.fill(Qt::white);
        for (int i = 4; i < size - 4; ++i) image.setPixel(i, size / 2, qRgb(0, 0, 0));
        images.push_back(image);
    }
    return images;
}

}  // namespace

const std::vector<QImage>& symbolArtwork(int size)
{
    static const std::vector<QImage> small = build(16);
    static const std::vector<QImage> large = build(24);
    return size == 24 ? large : small;
}

}  // namespace brisance
