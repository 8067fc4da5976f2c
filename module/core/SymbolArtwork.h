#pragma once
// The pixels of the audiogram symbols, in catalogue order, at the two sizes of
// the symbol lists: two colours only (black ink on white), no anti-aliasing.
// Built once per process from pixel grids compiled into the library.

#include <QImage>

#include <vector>

namespace brisance {

// kSymbolCount images of size x size pixels (size 16 or 24); image n - 1 is
// symbol number n.
const std::vector<QImage>& symbolArtwork(int size);

}  // namespace brisance
