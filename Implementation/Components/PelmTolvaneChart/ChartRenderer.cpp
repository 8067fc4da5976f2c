#include "ChartRenderer.h"

#include "DrawFrame.h"
#include "DrawGrid.h"
#include "DrawLine.h"
#include "MetafileUnderlay.h"
#include "SpeechTemplates.h"

namespace lumenplot {

void DrawChartLayers(const Canvas& canvas, const ChartScene& scene)
{
    const ChartProperties& properties = scene.properties;
    DrawBackground(canvas, scene);
    DrawGridBackground(canvas, scene);
    if (properties.DrawMetafileOverGrid == VARIANT_FALSE) DrawMetafileUnderlay(canvas, scene);
    if (properties.XGridLineMode != grid_UseStandard)
        DrawCustomXGrid(canvas, scene);
    else
        DrawStandardXGrid(canvas, scene);
    if (properties.YGridLineMode != grid_UseStandard)
        DrawCustomYGrid(canvas, scene);
    else
        DrawStandardYGrid(canvas, scene);
    if (properties.DrawMetafileOverGrid == VARIANT_TRUE) DrawMetafileUnderlay(canvas, scene);
    DrawXLabels(canvas, scene);
    DrawYLabels(canvas, scene);
    DrawBorder(canvas);
    ApplySpeechTemplate(canvas, scene);
    for (const auto* lines : {&scene.backLines, &scene.lines})
        for (const LineData* line : *lines)
            if (line->Visible == VARIANT_TRUE) DrawLine(canvas, scene, *line);
}

}  // namespace lumenplot
