#pragma once
// The two image lists of audiogram symbols: small (16 x 16) for palettes,
// dialogs and the report's legends, large (24 x 24) for the charts. Image n of
// either list is symbol number n of the catalogue (module/panels/
// SymbolCatalogue.h), so one stored number draws the same symbol in both.
//
// The pixels are built once per process and shared; each CSymbols fills its
// own two lists from them.

#include "platform/com/ComPtr.h"
#include "platform/gfx/ImageList.h"

namespace brisance {

class CSymbols {
public:
    static constexpr int kSmallSize = 16;
    static constexpr int kLargeSize = 24;

    CSymbols();

    // The small symbol images, kSymbolCount of kSmallSize x kSmallSize pixels.
    platform::com::ComPtr<platform::gfx::ImageList> SymbolImages() const { return m_small; }
    // The large symbol images, kSymbolCount of kLargeSize x kLargeSize pixels.
    platform::com::ComPtr<platform::gfx::ImageList> SymbolImagesLarge() const { return m_large; }

private:
    platform::com::ComPtr<platform::gfx::ImageList> m_small;
    platform::com::ComPtr<platform::gfx::ImageList> m_large;
};

}  // namespace brisance
