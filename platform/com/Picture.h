#pragma once
// Picture objects: an image with its size, as a control's picture property
// holds it; dual, with the dispatch ids Width 4 and Height 5.

#include "platform/com/ComPtr.h"
#include "platform/com/Dispatch.h"

#include <QImage>

#include <cstdint>

namespace platform::com {

class IPicture : public IDispatch {
public:
    static constexpr IID iid = makeGuid("{7BF80981-BF32-101A-8BBB-00AA00300CAB}");
    using Base = IDispatch;

    virtual QImage image() const = 0;
    // The picture's size in hundredths of a millimetre, from the image's
    // resolution (96 dots per inch when it has none).
    virtual HRESULT get_Width(std::int32_t* width) = 0;
    virtual HRESULT get_Height(std::int32_t* height) = 0;

protected:
    ~IPicture() = default;
};

ComPtr<IPicture> createPicture(const QImage& image);

}  // namespace platform::com
