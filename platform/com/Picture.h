#pragma once
// Picture objects: an image with its size, as a control's picture property
// holds it.

#include "platform/com/ComPtr.h"
#include "platform/com/IUnknown.h"

#include <QImage>

#include <cstdint>

namespace platform::com {

class IPicture : public IUnknown {
public:
    static constexpr IID iid = makeGuid("{7BF80980-BF32-101A-8BBB-00AA00300CAB}");
    using Base = IUnknown;

    virtual QImage image() const = 0;
    // The picture's size in hundredths of a millimetre, from the image's
    // resolution (96 dots per inch when it has none).
    virtual std::int32_t width() const = 0;
    virtual std::int32_t height() const = 0;

protected:
    ~IPicture() = default;
};

ComPtr<IPicture> createPicture(const QImage& image);

}  // namespace platform::com
