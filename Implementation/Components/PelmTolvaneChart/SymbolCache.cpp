#include "SymbolCache.h"

#include "platform/gfx/Bitmap.h"

#include <algorithm>

namespace lumenplot {

namespace gfx = platform::gfx;

SymbolBitmap::SymbolBitmap(gfx::DcHandle compatible, int width, int height)
    : m_memory(compatible), m_bitmap(m_memory.get(), gfx::createCompatibleBitmap(compatible, width, height)),
      m_width(width), m_height(height)
{
}

const SymbolBitmap* SymbolCache::find(const SymbolKey& key)
{
    const auto found = std::find_if(m_kept.begin(), m_kept.end(), [&key](const Kept& kept) { return kept.key == key; });
    if (found == m_kept.end()) return nullptr;
    found->used = true;
    return found->symbol.get();
}

const SymbolBitmap& SymbolCache::keep(const SymbolKey& key, std::unique_ptr<SymbolBitmap> symbol)
{
    return *m_kept.emplace_back(Kept{key, std::move(symbol)}).symbol;
}

void SymbolCache::dropUnused()
{
    std::erase_if(m_kept, [](const Kept& kept) { return !kept.used; });
    for (Kept& kept : m_kept) kept.used = false;
}

}  // namespace lumenplot
