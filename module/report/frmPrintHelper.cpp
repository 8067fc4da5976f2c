#include "module/report/frmPrintHelper.h"

#include "module/core/ChartLineRoutines.h"
#include "module/views/CPureToneChartMaps.h"

#include "PelmTolvaneChart/ClassIds.h"

#include "platform/com/Control.h"
#include "platform/com/Creation.h"
#include "platform/com/Failure.h"
#include "platform/com/Object.h"
#include "platform/com/VariantEnumerator.h"
#include "platform/gfx/Types.h"

namespace brisance {
namespace {

namespace com = platform::com;
using com::raiseOnFailure;
using lumenplot::VARIANT_BOOL;

constexpr const char* kSource = "frmPrintHelper";
constexpr lumenplot::OLE_COLOR kWhite = 0xFFFFFF;
constexpr auto kGridGrey = static_cast<lumenplot::OLE_COLOR>(platform::gfx::rgb(180, 180, 180));
constexpr lumenplot::OLE_COLOR kBlack = 0;
constexpr int kFirstLevel = -10;
constexpr int kLastLevel = 130;
constexpr double kPureToneYMax = 145;
constexpr int kSpeechXMax = 135;
constexpr double kSpeechSideMargin = 380;  // twips

VARIANT_BOOL variantBool(bool value)
{
    return value ? lumenplot::VARIANT_TRUE : lumenplot::VARIANT_FALSE;
}

}  // namespace

frmPrintHelper::frmPrintHelper(QWidget* parent) : QWidget(parent)
{
    const auto control = com::create<com::IControl>(lumenplot::kChartClsid);
    m_cht = control.as<lumenplot::IChart>();
    if (!m_cht) raiseOnFailure(com::E_NOINTERFACE, kSource);
    m_site = com::make<com::ControlSite>(this);
    raiseOnFailure(m_site->attach(control.get()), kSource);
}

frmPrintHelper::~frmPrintHelper()
{
    m_site->detach();
}

void frmPrintHelper::setUpPureToneAxes()
{
    lumenplot::IChart& cht = *m_cht;
    raiseOnFailure(cht.put_AutoRedraw(lumenplot::VARIANT_FALSE), kSource);
    raiseOnFailure(cht.put_InteractiveMode(lumenplot::VARIANT_TRUE), kSource);
    raiseOnFailure(cht.put_BackgroundColor(kWhite), kSource);
    raiseOnFailure(cht.put_GridLineColor(kGridGrey), kSource);

    raiseOnFailure(cht.put_XMin(0), kSource);
    raiseOnFailure(cht.put_XMax(1000), kSource);
    raiseOnFailure(cht.put_LeftMargin(325), kSource);
    raiseOnFailure(cht.put_RightMargin(0), kSource);
    raiseOnFailure(cht.put_UseSymbolToLineBuffer(lumenplot::VARIANT_TRUE), kSource);
    raiseOnFailure(cht.put_XLabelPosition(lumenplot::grid_OnTop), kSource);
    raiseOnFailure(cht.put_TopMargin(300), kSource);
    raiseOnFailure(cht.put_BottomMargin(0), kSource);
    raiseOnFailure(cht.put_YLabelPosition(lumenplot::grid_OnLeft), kSource);
    raiseOnFailure(cht.put_XGridLineMode(lumenplot::grid_UseCustom), kSource);
    raiseOnFailure(cht.put_YGridLineMode(lumenplot::grid_UseCustom), kSource);
    raiseOnFailure(cht.put_LabelFontSize(14), kSource);
    raiseOnFailure(cht.put_YMin(-25), kSource);
    raiseOnFailure(cht.put_YMax(kPureToneYMax), kSource);

    // Every 10 dB a labelled line; the 5 dB steps between are there to snap
    // to, not to be seen.
    raiseOnFailure(cht.ClearYGridLines(), kSource);
    for (int level = kFirstLevel; level <= kLastLevel; level += 5) {
        const bool labelled = level % 10 == 0;
        raiseOnFailure(cht.AddYGridLine(level, labelled ? std::to_string(level) : std::string(),
                                        variantBool(labelled), variantBool(!labelled)),
                       kSource);
    }
    raiseOnFailure(cht.ClearXGridLines(), kSource);
}

void frmPrintHelper::InitPureToneChart(const CPureToneChartMaps& oChartMaps)
{
    setUpPureToneAxes();
    for (const auto& map : oChartMaps) addXGridLine(map->ChartValue, map->Label, !map->Hide, map->Dashed);
    redraw();
}

void frmPrintHelper::addXGridLine(double position, const std::string& label, bool visible, bool dashed)
{
    raiseOnFailure(m_cht->AddXGridLine(position, label, variantBool(visible), variantBool(dashed)), kSource);
}

void frmPrintHelper::redraw()
{
    raiseOnFailure(m_cht->put_AutoRedraw(lumenplot::VARIANT_TRUE), kSource);
    raiseOnFailure(m_cht->Refresh(), kSource);
}

void frmPrintHelper::InitSpeechChart()
{
    lumenplot::IChart& cht = *m_cht;
    raiseOnFailure(cht.put_AutoRedraw(lumenplot::VARIANT_FALSE), kSource);
    raiseOnFailure(cht.put_BackgroundColor(kWhite), kSource);
    raiseOnFailure(cht.put_GridLineColor(kGridGrey), kSource);

    raiseOnFailure(cht.put_LeftMargin(kSpeechSideMargin), kSource);
    raiseOnFailure(cht.put_RightMargin(kSpeechSideMargin), kSource);
    raiseOnFailure(cht.put_TopMargin(0), kSource);
    raiseOnFailure(cht.put_BottomMargin(300), kSource);
    raiseOnFailure(cht.put_XMin(-5), kSource);
    raiseOnFailure(cht.put_XMax(kSpeechXMax), kSource);
    raiseOnFailure(cht.put_XGridLineMode(lumenplot::grid_UseCustom), kSource);
    raiseOnFailure(cht.put_YMin(-10), kSource);
    raiseOnFailure(cht.put_YMax(110), kSource);
    raiseOnFailure(cht.put_YGridLineMode(lumenplot::grid_UseCustom), kSource);

    raiseOnFailure(cht.ClearYGridLines(), kSource);
    raiseOnFailure(cht.ClearXGridLines(), kSource);
    raiseOnFailure(cht.ClearXLabels(), kSource);
    raiseOnFailure(cht.ClearYLabels(), kSource);

    // Each horizontal line carries two scales: 100 - i beside the grid, i on
    // the axis.
    for (int i = 100; i >= 0; i -= 10) {
        raiseOnFailure(cht.AddYGridLine(i, std::to_string(100 - i) + " ", lumenplot::VARIANT_TRUE,
                                        lumenplot::VARIANT_FALSE),
                       kSource);
        raiseOnFailure(cht.AddYLabel(i, std::to_string(i)), kSource);
    }
    for (int x = 0; x <= kSpeechXMax - 5; x += 5) {
        const bool labelled = x % 10 == 0;
        addXGridLine(x, labelled ? std::to_string(x) : std::string(), true, !labelled);
    }
    raiseOnFailure(cht.put_UseSymbolToLineBuffer(lumenplot::VARIANT_TRUE), kSource);
    AddXAxisLabelLine(cht);
    redraw();
}

void frmPrintHelper::ChangeLineColors()
{
    com::ComPtr<lumenplot::ILines> lines;
    raiseOnFailure(m_cht->get_Lines(lines.put()), kSource);
    com::ComPtr<com::IUnknown> walk;
    raiseOnFailure(lines->get__NewEnum(walk.put()), kSource);
    const auto enumerator = walk.as<com::IEnumVARIANT>();
    if (!enumerator) raiseOnFailure(com::E_NOINTERFACE, kSource);
    platform::runtime::Variant item;
    while (enumerator->Next(1, &item, nullptr) == com::S_OK) {
        const auto line = item.toObject().as<lumenplot::ILine>();
        if (!line) raiseOnFailure(com::E_NOINTERFACE, kSource);
        raiseOnFailure(line->put_LineColor(kBlack), kSource);
    }
}

}  // namespace brisance
