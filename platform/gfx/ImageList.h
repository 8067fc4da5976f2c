#pragma once
// An image list: images of one size, numbered from 1, that draw themselves into
// a device context normally or with their mask colour left out.
//
// It is a component object so that a control given "an image list" through a
// generic object reference can tell one from any other object by asking it for
// ImageList::iid.

#include "platform/com/ComPtr.h"
#include "platform/com/IUnknown.h"
#include "platform/gfx/Types.h"

#include <atomic>
#include <string>
#include <vector>

class QImage;

namespace platform::gfx {

enum ImageListDrawStyle : int { ILD_NORMAL = 0, ILD_TRANSPARENT = 1 };

class ImageList final : public com::IUnknown {
public:
    static constexpr com::IID iid = com::makeGuid("{442410E6-3440-46D0-9D98-375B11BA17DD}");

    // An empty list of images of width x height pixels; the mask colour is white.
    static com::ComPtr<ImageList> create(int width, int height);
    // The image list behind a generic object reference, or null when the object
    // is no image list. The result is not an added reference.
    static ImageList* from(com::IUnknown* object);

    com::HRESULT QueryInterface(const com::IID& iid, void** object) override;
    std::uint32_t AddRef() override;
    std::uint32_t Release() override;

    int imageWidth() const { return m_width; }
    int imageHeight() const { return m_height; }
    ColorRef maskColor() const { return m_maskColor; }
    void setMaskColor(ColorRef colour) { m_maskColor = colour; }

    // Appends an image, scaled to the list's size when it differs; returns its
    // number (from 1), or 0 for a null image.
    int add(const QImage& image);
    // Appends the image read from a file (BMP, PNG, ...); 0 when unreadable.
    int addFromFile(const std::string& path);
    int count() const { return static_cast<int>(m_bitmaps.size()); }
    void clear();

    // The bitmap of image number index, owned by the list; 0 out of range.
    ObjectHandle picture(int index) const;
    // Draws image number index with its top-left corner at (x, y) (logical
    // units) at its own size in device pixels. ILD_TRANSPARENT leaves out the
    // pixels of the mask colour. False when index is out of range.
    bool draw(int index, DcHandle dc, int x, int y, int style) const;

private:
    ImageList(int width, int height);
    ~ImageList();

    std::atomic<std::uint32_t> m_references{0};
    int m_width;
    int m_height;
    ColorRef m_maskColor;
    std::vector<ObjectHandle> m_bitmaps;
};

}  // namespace platform::gfx
