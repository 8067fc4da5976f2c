#pragma once
// Saving an object's properties to a stream and loading them back. A control
// writes its persisted properties one after another in a fixed order and reads
// them in the same order; each read checks what it finds, so a truncated or
// foreign stream gives a failure instead of a wrong property. A control loads
// all its properties into locals first and takes them only when every read
// succeeded, so a failed load changes nothing.

#include "platform/com/Font.h"
#include "platform/com/Picture.h"
#include "platform/com/Stream.h"

namespace platform::com {

class IPersistStream : public IUnknown {
public:
    static constexpr IID iid = makeGuid("{00000109-0000-0000-C000-000000000046}");
    using Base = IUnknown;

    virtual HRESULT GetClassID(CLSID* clsid) = 0;
    // S_OK when changed since the last save that cleared the flag, else S_FALSE.
    virtual HRESULT IsDirty() = 0;
    virtual HRESULT Load(IStream* stream) = 0;
    virtual HRESULT Save(IStream* stream, bool clearDirty) = 0;

protected:
    ~IPersistStream() = default;
};

// A font property (null: none). Reads give STG_E_READFAULT for a stream that
// ends early and STG_E_INVALIDHEADER for one that holds something else.
HRESULT writeFont(IStream* stream, IFont* font);
HRESULT readFont(IStream* stream, ComPtr<IFont>* font);

// A picture property (null: none), kept as PNG with its resolution.
HRESULT writePicture(IStream* stream, IPicture* picture);
HRESULT readPicture(IStream* stream, ComPtr<IPicture>* picture);

}  // namespace platform::com
