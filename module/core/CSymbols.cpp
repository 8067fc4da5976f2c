#include "module/core/CSymbols.h"

#include "module/core/SymbolArtwork.h"

namespace brisance {

namespace {

platform::com::ComPtr<platform::gfx::ImageList> makeList(int size)
{
    auto list = platform::gfx::ImageList::create(size, size);
    for (const QImage& image : symbolArtwork(size)) list->add(image);
    return list;
}

}  // namespace

CSymbols::CSymbols() : m_small(makeList(kSmallSize)), m_large(makeList(kLargeSize)) {}

}  // namespace brisance
