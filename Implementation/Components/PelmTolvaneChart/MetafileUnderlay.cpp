#include "MetafileUnderlay.h"

#include "GdiScope.h"
#include "GridSnapping.h"
#include "platform/gfx/Metafile.h"

#include <algorithm>

namespace lumenplot {

namespace gfx = platform::gfx;

namespace {

// The last grid line's value; kNoGridLine for an empty list.
std::int32_t LastGridPosition(const std::vector<CGridLine>& gridLines)
{
    return gridLines.empty() ? kNoGridLine : wholeGridValue(gridLines.back().Position);
}

}  // namespace

void DrawMetafileUnderlay(const Canvas& canvas, const ChartScene& scene)
{
    const std::string& path = scene.properties.MetaFilename;
    if (path.empty()) return;
    const GridRecords& grid = scene.grid;
    const gfx::Rect target{MapXToPixel(canvas.mapping, FirstGridPosition(grid.xGridLines)),
                           MapYToPixel(canvas.mapping, FirstGridPosition(grid.yGridLines)),
                           MapXToPixel(canvas.mapping, LastGridPosition(grid.xGridLines)),
                           MapYToPixel(canvas.mapping, LastGridPosition(grid.yGridLines))};
    const gfx::MetafileHandle metafile = gfx::getEnhMetaFile(path);
    if (!metafile) return;
    {
        const SavedState state(canvas.dc);
        gfx::intersectClipRect(canvas.dc, std::min(target.left, target.right), std::min(target.top, target.bottom),
                               std::max(target.left, target.right), std::max(target.top, target.bottom));
        gfx::playEnhMetaFile(canvas.dc, metafile, target);
    }
    gfx::deleteEnhMetaFile(metafile);
}

}  // namespace lumenplot
