#include "module/preferences/LineStyles.h"

#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/Draw.h"
#include "platform/gfx/Objects.h"

#include <QImage>
#include <QPainter>

namespace brisance {

namespace gfx = platform::gfx;

namespace {

constexpr int kPictureWidth = 64;
constexpr int kPictureHeight = 16;
constexpr int kLineInset = 4;
constexpr gfx::ColorRef kBlack = 0x000000;
constexpr gfx::ColorRef kWhite = 0xFFFFFF;

QImage linePicture(const LineStyleEntry& entry)
{
    QImage picture(kPictureWidth, kPictureHeight, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    const gfx::DcHandle dc = gfx::createPainterDc(painter);
    const gfx::ObjectHandle pen = gfx::createPen(static_cast<std::uint32_t>(entry.style), entry.width, kBlack);
    const gfx::ObjectHandle previous = gfx::selectObject(dc, pen);
    gfx::setBkColor(dc, kWhite);
    gfx::moveToEx(dc, kLineInset, kPictureHeight / 2);
    gfx::lineTo(dc, kPictureWidth - kLineInset, kPictureHeight / 2);
    gfx::selectObject(dc, previous);
    gfx::deleteObject(pen);
    gfx::deleteDc(dc);
    return picture;
}

}  // namespace

platform::com::ComPtr<gfx::ImageList> CreateLineStyleImages()
{
    auto images = gfx::ImageList::create(kPictureWidth, kPictureHeight);
    for (std::size_t item = 1; item < kLineStyleTable.size(); ++item)
        images->add(linePicture(kLineStyleTable[item]));
    return images;
}

}  // namespace brisance
