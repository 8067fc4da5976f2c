#pragma once
// Editing a document's pure-tone view as a user does: a palette button
// clicked, a chart clicked at a frequency position and a level; the points
// the data then hold, and the text of a day.

#include "module/panels/CurvePalette.h"
#include "module/panels/PaletteButton.h"
#include "module/views/CPureTone.h"
#include "module/views/SitedChart.h"
#include "module/views/tests/PureToneChartPixel.h"

#include "vellum/IVellumDataLayer.h"

#include "platform/runtime/Dates.h"

#include "module/core/CCurvePrefs.h"
#include "module/core/CPaletteItems.h"
#include "module/core/ForEachCurve.h"
#include "module/core/ModuleGlobals.h"
#include "module/panels/PaletteItemsFromCurves.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>

namespace brisance::testing {

// The runtime's default text of a day of the host's dates.
inline std::string DayText(double day)
{
    return platform::runtime::dateText(platform::runtime::Date{day});
}

// Chart positions of frequencies (0 to 1000 across the chart).
inline constexpr double k1000Hz = 500;
inline constexpr double k2000Hz = 650;

// A click at a chart position, as the mouse gives it.
inline void ClickChart(CPureTone& view, int chart, double x, double level)
{
    QWidget& widget = *view.chtEar(chart).widget();
    const QPoint at = ChartPixel(view, chart, x, level);
    // A move to where the cursor already is (an earlier test's click) sends
    // no event, and the new chart's cross-hair would stay where it started.
    QTest::mouseMove(&widget, at + QPoint(1, 1));
    QTest::mouseMove(&widget, at);
    QTest::mouseClick(&widget, Qt::LeftButton, {}, at);
    QCoreApplication::processEvents();
}

// A click on the left half of the first palette button shown. A view that
// no profile has set up yet gets what a profile gives it: the tests, the
// normal range on one chart per ear and the air-conduction test in its
// palette.
inline void SelectFirstTest(CPureTone& view)
{
    CPaletteItems& items = *view.PaletteItems();
    if (items.Count() == 0) {
        view.TestPreferences(ModuleGlobals::CurvePrefs());
        view.InitializeCharts(32 | 1024);
        view.Mode(1);
        AddPaletteItemForCurvePref(ModuleGlobals::CurvePrefs()->Item("1-1-1-"), items, false);
        FillCurvePalette(*view.Palette(), items, true);
        view.ShowDataInDataLayer();
        QCoreApplication::processEvents();
    }
    for (PaletteButton* shown : view.Palette()->findChildren<PaletteButton*>("butPal")) {
        if (shown->isVisible() && shown->InternalObject()) {
            QTest::mouseClick(shown, Qt::LeftButton, {}, QPoint(shown->width() / 4, shown->height() / 2));
            return;
        }
    }
    ADD_FAILURE() << "no palette button is shown";
}

// The levels of the pure-tone points by frequency, over every curve.
inline std::vector<std::pair<std::int32_t, std::int16_t>> PureTonePoints(vellum::IVellumDataLayer& data)
{
    std::vector<std::pair<std::int32_t, std::int16_t>> points;
    ForEachCurve<vellum::IVellumPureToneCurve>(
        data.get_PureToneCurves()->get__NewEnum(), [&points](vellum::IVellumPureToneCurve& curve) {
            ForEachCurve<vellum::IVellumPureTonePoint>(
                curve.get_Points()->get__NewEnum(), [&points](vellum::IVellumPureTonePoint& point) {
                    points.emplace_back(point.get_Frequency(), point.get_Level());
                });
        });
    return points;
}

}  // namespace brisance::testing
