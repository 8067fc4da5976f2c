#pragma once
// Symbols kept from one picture to the next: each image of the image list in
// a line's colour at the surface's symbol size is made once and then copied
// onto every point that shows it. A picture marks what it uses; what it did
// not use goes afterwards, so that the cache holds one picture's symbols.

#include "GdiScope.h"
#include "platform/gfx/Types.h"

#include <memory>
#include <vector>

namespace lumenplot {

// A bitmap selected into a memory context, both deleted with it.
class SymbolBitmap {
public:
    SymbolBitmap(platform::gfx::DcHandle compatible, int width, int height);
    platform::gfx::DcHandle dc() const { return m_memory.get(); }
    int width() const { return m_width; }
    int height() const { return m_height; }
    explicit operator bool() const { return static_cast<bool>(m_bitmap); }

private:
    MemoryContext m_memory;
    SelectedObject m_bitmap;
    int m_width;
    int m_height;
};

// What a kept symbol is: an image of the list (its bitmap, which the list
// never changes), a line colour and a size in device pixels.
struct SymbolKey {
    platform::gfx::ObjectHandle image = 0;
    platform::gfx::ColorRef colour = 0;
    platform::gfx::Size size;
    friend bool operator==(const SymbolKey&, const SymbolKey&) = default;
};

class SymbolCache {
public:
    // The symbol kept for the key, marked as used; null when there is none.
    const SymbolBitmap* find(const SymbolKey& key);
    // Keeps a symbol for the key, marked as used.
    const SymbolBitmap& keep(const SymbolKey& key, std::unique_ptr<SymbolBitmap> symbol);
    // Deletes the symbols that were not used since the last call.
    void dropUnused();

private:
    struct Kept {
        SymbolKey key;
        std::unique_ptr<SymbolBitmap> symbol;
        bool used = true;
    };
    std::vector<Kept> m_kept;
};

}  // namespace lumenplot
