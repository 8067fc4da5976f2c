// IChart as dispatch sees it: each member's name and DISPID over its typed call.

#include "CChart.h"

namespace lumenplot {

namespace {

using ChartMember = platform::com::DispatchMember<IChart>;
constexpr ChartMember kChartMembers[] = {
    ChartMember::property<&IChart::get_XMin, &IChart::put_XMin>("XMin", chart_dispid::XMin),
    ChartMember::property<&IChart::get_XMax, &IChart::put_XMax>("XMax", chart_dispid::XMax),
    ChartMember::property<&IChart::get_XTickFreq, &IChart::put_XTickFreq>("XTickFreq", chart_dispid::XTickFreq),
    ChartMember::property<&IChart::get_YMin, &IChart::put_YMin>("YMin", chart_dispid::YMin),
    ChartMember::property<&IChart::get_YMax, &IChart::put_YMax>("YMax", chart_dispid::YMax),
    ChartMember::property<&IChart::get_YTickFreq, &IChart::put_YTickFreq>("YTickFreq", chart_dispid::YTickFreq),
    ChartMember::property<&IChart::get_GridLineColor, &IChart::put_GridLineColor>("GridLineColor", chart_dispid::GridLineColor),
    ChartMember::property<&IChart::get_BackgroundColor, &IChart::put_BackgroundColor>("BackgroundColor",
                                                                                     chart_dispid::BackgroundColor),
    ChartMember::property<&IChart::get_LeftMargin, &IChart::put_LeftMargin>("LeftMargin", chart_dispid::LeftMargin),
    ChartMember::property<&IChart::get_BottomMargin, &IChart::put_BottomMargin>("BottomMargin", chart_dispid::BottomMargin),
    ChartMember::method<&IChart::AddXGridLine>("AddXGridLine", chart_dispid::AddXGridLine),
    ChartMember::property<&IChart::get_LabelFontSize, &IChart::put_LabelFontSize>("LabelFontSize", chart_dispid::LabelFontSize),
    ChartMember::property<&IChart::get_Lines>("Lines", chart_dispid::Lines),
    ChartMember::property<&IChart::get_AutoRedraw, &IChart::put_AutoRedraw>("AutoRedraw", chart_dispid::AutoRedraw),
    ChartMember::method<&IChart::Refresh>("Refresh", chart_dispid::Refresh),
    ChartMember::property<&IChart::get_XGridLineMode, &IChart::put_XGridLineMode>("XGridLineMode", chart_dispid::XGridLineMode),
    ChartMember::method<&IChart::AddYGridLine>("AddYGridLine", chart_dispid::AddYGridLine),
    ChartMember::property<&IChart::get_ImageList, nullptr, &IChart::putref_ImageList>("ImageList", chart_dispid::ImageList),
    ChartMember::property<&IChart::get_TopMargin, &IChart::put_TopMargin>("TopMargin", chart_dispid::TopMargin),
    ChartMember::property<&IChart::get_RightMargin, &IChart::put_RightMargin>("RightMargin", chart_dispid::RightMargin),
    ChartMember::property<&IChart::get_XLabelPosition, &IChart::put_XLabelPosition>("XLabelPosition",
                                                                                   chart_dispid::XLabelPosition),
    ChartMember::property<&IChart::get_YLabelPosition, &IChart::put_YLabelPosition>("YLabelPosition",
                                                                                   chart_dispid::YLabelPosition),
    ChartMember::method<&IChart::AddXLabel>("AddXLabel", chart_dispid::AddXLabel),
    ChartMember::method<&IChart::AddYLabel>("AddYLabel", chart_dispid::AddYLabel),
    ChartMember::method<&IChart::ClearLines>("ClearLines", chart_dispid::ClearLines),
    ChartMember::method<&IChart::ClearXGridLines>("ClearXGridLines", chart_dispid::ClearXGridLines),
    ChartMember::method<&IChart::ClearYGridLines>("ClearYGridLines", chart_dispid::ClearYGridLines),
    ChartMember::method<&IChart::ClearXLabels>("ClearXLabels", chart_dispid::ClearXLabels),
    ChartMember::method<&IChart::ClearYLabels>("ClearYLabels", chart_dispid::ClearYLabels),
    ChartMember::property<&IChart::get_GridBackgroundColor, &IChart::put_GridBackgroundColor>(
        "GridBackgroundColor", chart_dispid::GridBackgroundColor),
    ChartMember::property<&IChart::get_SymbolToLineBufferLength, &IChart::put_SymbolToLineBufferLength>(
        "SymbolToLineBufferLength", chart_dispid::SymbolToLineBufferLength),
    ChartMember::property<&IChart::get_MetaFilename, &IChart::put_MetaFilename>("MetaFilename", chart_dispid::MetaFilename),
    ChartMember::property<&IChart::get_UseSymbolToLineBuffer, &IChart::put_UseSymbolToLineBuffer>(
        "UseSymbolToLineBuffer", chart_dispid::UseSymbolToLineBuffer),
    ChartMember::property<&IChart::get_SymbolFont, &IChart::put_SymbolFont, &IChart::putref_SymbolFont>(
        "SymbolFont", chart_dispid::SymbolFont),
    ChartMember::property<&IChart::get_SymbolDescriptionFont, &IChart::put_SymbolDescriptionFont,
                          &IChart::putref_SymbolDescriptionFont>("SymbolDescriptionFont", chart_dispid::SymbolDescriptionFont),
    ChartMember::property<&IChart::get_Picture, &IChart::put_Picture, &IChart::putref_Picture>("Picture", chart_dispid::Picture),
    ChartMember::property<&IChart::get_YGridLineMode, &IChart::put_YGridLineMode>("YGridLineMode", chart_dispid::YGridLineMode),
    ChartMember::property<&IChart::get_InteractiveMode, &IChart::put_InteractiveMode>("InteractiveMode",
                                                                                     chart_dispid::InteractiveMode),
    ChartMember::property<&IChart::get_GridlineFont, &IChart::put_GridlineFont, &IChart::putref_GridlineFont>(
        "GridlineFont", chart_dispid::GridlineFont),
    ChartMember::property<&IChart::get_LabelFont, &IChart::put_LabelFont, &IChart::putref_LabelFont>("LabelFont",
                                                                                                   chart_dispid::LabelFont),
    ChartMember::method<&IChart::RenderToDC>("RenderToDC", chart_dispid::RenderToDC),
    ChartMember::method<&IChart::ClearBackLines>("ClearBackLines", chart_dispid::ClearBackLines),
    ChartMember::property<&IChart::get_BackLines>("BackLines", chart_dispid::BackLines),
    ChartMember::property<&IChart::get_DrawMetafileOverGrid, &IChart::put_DrawMetafileOverGrid>(
        "DrawMetafileOverGrid", chart_dispid::DrawMetafileOverGrid),
    ChartMember::property<&IChart::get_Underlay, &IChart::put_Underlay>("Underlay", chart_dispid::Underlay),
    ChartMember::method<&IChart::RenderToPrinterDC>("RenderToPrinterDC", chart_dispid::RenderToPrinterDC),
    ChartMember::method<&IChart::HighlightXGridline>("HighlightXGridline", chart_dispid::HighlightXGridline),
    ChartMember::method<&IChart::HighlightYGridline>("HighlightYGridline", chart_dispid::HighlightYGridline),
    ChartMember::method<&IChart::UnHighlightXGridline>("UnHighlightXGridline", chart_dispid::UnHighlightXGridline),
    ChartMember::method<&IChart::UnHighlightYGridline>("UnHighlightYGridline", chart_dispid::UnHighlightYGridline),
    ChartMember::property<&IChart::get_HighlightColor, &IChart::put_HighlightColor>("HighlightColor",
                                                                                    chart_dispid::HighlightColor),
};

}  // namespace

std::span<const ChartMember> chartMembers() { return kChartMembers; }

}  // namespace lumenplot
