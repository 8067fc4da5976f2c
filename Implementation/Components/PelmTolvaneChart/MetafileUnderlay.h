#pragma once
// The metafile underlay: a picture on disk, named by MetaFilename, stretched
// over the span of the custom grid lines, under or over the grid.

#include "ChartScene.h"

namespace lumenplot {

// Reads the metafile afresh at every call (a file rewritten under the same
// name shows at once) and plays it into the rectangle from the first to the
// last X and Y grid line, clipped to it. Nothing without a name, or when the
// file is missing or is no metafile.
void DrawMetafileUnderlay(const Canvas& canvas, const ChartScene& scene);

}  // namespace lumenplot
