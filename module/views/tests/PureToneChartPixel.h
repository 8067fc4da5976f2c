#pragma once
// Where a pure-tone chart position stands on the screen, for tests that click
// or look at a view's charts as a user does.

#include "module/views/CPureTone.h"
#include "module/views/SitedChart.h"

#include <QPoint>
#include <QWidget>

namespace brisance::testing {

// The pixel of a chart position (0 to 1000 across, a level down) in the
// widget of the view's chart.
inline QPoint ChartPixel(CPureTone& view, int chart, double x, double level)
{
    lumenplot::IChart& shown = view.chtEar(chart).chart();
    double left = 0, top = 0, right = 0, bottom = 0, yMin = 0, yMax = 0;
    shown.get_LeftMargin(&left);
    shown.get_TopMargin(&top);
    shown.get_RightMargin(&right);
    shown.get_BottomMargin(&bottom);
    shown.get_YMin(&yMin);
    shown.get_YMax(&yMax);
    const QWidget& widget = *view.chtEar(chart).widget();
    const int plotLeft = static_cast<int>(left / 15);
    const int plotTop = static_cast<int>(top / 15);
    const int plotRight = static_cast<int>(widget.width() - right / 15);
    const int plotBottom = static_cast<int>(widget.height() - bottom / 15);
    return {static_cast<int>(x / 1000 * (plotRight - plotLeft) + plotLeft),
            static_cast<int>((level - yMin) / (yMax - yMin) * (plotBottom - plotTop) + plotTop)};
}

}  // namespace brisance::testing
