#include "platform/gfx/ImageList.h"

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/Objects.h"

#include <QImage>

namespace platform::gfx {

com::ComPtr<ImageList> ImageList::create(int width, int height)
{
    return com::ComPtr<ImageList>(new ImageList(width, height));
}

ImageList* ImageList::from(com::IUnknown* object)
{
    void* list = nullptr;
    if (!object || com::failed(object->QueryInterface(iid, &list)))
        return nullptr;
    auto* result = static_cast<ImageList*>(list);
    result->Release();
    return result;
}

ImageList::ImageList(int width, int height)
    : m_width(std::max(1, width)), m_height(std::max(1, height)), m_maskColor(rgb(255, 255, 255))
{
}

ImageList::~ImageList()
{
    clear();
}

com::HRESULT ImageList::QueryInterface(const com::IID& id, void** object)
{
    if (!object)
        return com::E_POINTER;
    if (id == iid || id == com::IUnknown::iid) {
        *object = this;
        AddRef();
        return com::S_OK;
    }
    *object = nullptr;
    return com::E_NOINTERFACE;
}

std::uint32_t ImageList::AddRef()
{
    return ++m_references;
}

std::uint32_t ImageList::Release()
{
    const std::uint32_t left = --m_references;
    if (left == 0)
        delete this;
    return left;
}

int ImageList::add(const QImage& image)
{
    if (image.isNull())
        return 0;
    const QImage sized = image.size() == QSize(m_width, m_height)
                             ? image
                             : image.scaled(m_width, m_height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const ObjectHandle bitmap = bitmapFromImage(sized);
    if (bitmap == 0)
        return 0;
    m_bitmaps.push_back(bitmap);
    return count();
}

int ImageList::addFromFile(const std::string& path)
{
    return add(QImage(QString::fromStdString(path)));
}

void ImageList::clear()
{
    for (ObjectHandle bitmap : m_bitmaps)
        deleteObject(bitmap);
    m_bitmaps.clear();
}

ObjectHandle ImageList::picture(int index) const
{
    if (index < 1 || index > count())
        return 0;
    return m_bitmaps[static_cast<std::size_t>(index - 1)];
}

bool ImageList::draw(int index, DcHandle dc, int x, int y, int style) const
{
    const ObjectHandle bitmap = picture(index);
    if (bitmap == 0)
        return false;
    const DcHandle memory = createCompatibleDc(dc);
    const ObjectHandle previous = selectObject(memory, bitmap);
    if (previous == 0) {
        deleteDc(memory);
        return false;
    }
    const bool drawn = style == ILD_TRANSPARENT
                           ? transparentBlt(dc, x, y, m_width, m_height, memory, 0, 0, m_width, m_height, m_maskColor)
                           : bitBlt(dc, x, y, m_width, m_height, memory, 0, 0, SRCCOPY);
    selectObject(memory, previous);
    deleteDc(memory);
    return drawn;
}

}  // namespace platform::gfx
