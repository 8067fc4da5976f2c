#include "CChart.h"

#include "ChartPrinting.h"
#include "ChartRenderer.h"
#include "ChartWidget.h"
#include "DibSection.h"
#include "GdiScope.h"
#include "Give.h"
#include "PelmTolvaneChart/ClassIds.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/Objects.h"
#include "platform/runtime/RuntimeError.h"

#include <cstdlib>

namespace lumenplot {

namespace com = platform::com;
namespace gfx = platform::gfx;
using com::ComPtr;
using com::E_FAIL;
using com::E_POINTER;
using com::S_FALSE;
using com::S_OK;

namespace {

HRESULT giveLines(ILines** out, const ComPtr<CLines>& lines)
{
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!lines) return E_FAIL;
    *out = ComPtr<ILines>(lines).detach();
    return S_OK;
}

template <class I>
HRESULT giveObject(I** out, const ComPtr<I>& object)
{
    if (!out) return E_POINTER;
    *out = ComPtr<I>(object).detach();
    return S_OK;
}

std::optional<com::FontDescription> descriptionOf(const ComPtr<IFont>& font)
{
    if (!font) return std::nullopt;
    return font->description();
}

}  // namespace

CChart::CChart() : m_lines(com::make<CLines>()), m_backLines(com::make<CLines>())
{
    addConnectionPoint(_IChartEvents::iid);
}

CChart::~CChart()
{
    delete m_widget.data();
    if (m_offscreen) gfx::deleteObject(m_offscreen);
}

void CChart::repaint()
{
    m_renderWanted = true;
    if (m_site)
        m_site->RequestRepaint();
    else if (m_widget)
        m_widget->update();
}

ChartScene CChart::scene() const
{
    return {m_properties,
            m_grid,
            descriptionOf(m_fonts[SymbolSlot]),
            descriptionOf(m_fonts[SymbolDescriptionSlot]),
            descriptionOf(m_fonts[GridlineSlot]),
            descriptionOf(m_fonts[LabelSlot]),
            m_picture ? m_picture->image() : QImage(),
            m_imageList.get(),
            m_backLines->data(),
            m_lines->data()};
}

void CChart::paint(gfx::DcHandle target, int width, int height)
{
    if (!render(target, width, height)) return;
    copyPicture(target, {0, 0, width, std::abs(height)});
    drawHighlight(target);
}

void CChart::paintExposed(gfx::DcHandle target, int width, int height, std::span<const gfx::Rect> exposed)
{
    const gfx::Size size{width, std::abs(height)};
    const gfx::Size dpi{gfx::getDeviceCaps(target, gfx::LOGPIXELSX), gfx::getDeviceCaps(target, gfx::LOGPIXELSY)};
    const bool current = !m_renderWanted && m_offscreen && size == m_offscreenSize && dpi == m_offscreenDpi;
    if (!current && !render(target, width, height)) return;
    for (const gfx::Rect& rect : exposed) copyPicture(target, rect);
    drawHighlight(target);
}

bool CChart::render(gfx::DcHandle target, int width, int height)
{
    height = std::abs(height);
    Canvas canvas;
    canvas.width = width;
    canvas.height = height;
    canvas.scale = DeviceScale::of(target);
    const int dpiX = gfx::getDeviceCaps(target, gfx::LOGPIXELSX);
    const int dpiY = gfx::getDeviceCaps(target, gfx::LOGPIXELSY);
    const PlotRect plot = plotRectFromMargins(width, height, m_properties.margins, dpiX, dpiY);
    canvas.mapping = m_properties.mapping(plot);

    const MemoryContext memory(target);
    canvas.dc = memory.get();
    canvas.symbols = &m_symbols;
    // The background layer covers the whole picture, so a kept picture of the
    // same size is drawn over.
    if (!m_offscreen || m_offscreenSize != gfx::Size{width, height}) {
        if (m_offscreen) gfx::deleteObject(m_offscreen);
        m_offscreen = gfx::createCompatibleBitmap(target, width, height);
    }
    const SelectedObject bitmap(canvas.dc, m_offscreen, SelectedObject::Borrowed);
    if (!bitmap) return false;
    DrawChartLayers(canvas, scene());
    m_symbols.dropUnused();
    m_plot = plot;
    m_offscreenSize = {width, height};
    m_offscreenDpi = {dpiX, dpiY};
    m_renderWanted = false;
    return true;
}

void CChart::copyPicture(gfx::DcHandle target, const gfx::Rect& rect) const
{
    const MemoryContext memory(target);
    const SelectedObject bitmap(memory.get(), m_offscreen, SelectedObject::Borrowed);
    if (!bitmap) return;
    // A raster printer takes the picture as a device-independent section.
    if (gfx::getDeviceCaps(target, gfx::TECHNOLOGY) == gfx::DT_RASPRINTER)
        SendSurfaceAsDib(target, memory.get(), rect);
    else
        gfx::bitBlt(target, rect.left, rect.top, rect.width(), rect.height(), memory.get(), rect.left, rect.top, gfx::SRCCOPY);
}

void CChart::drawHighlight(gfx::DcHandle target) const
{
    const gfx::ObjectHandle pen = createHighlightPen(plainRgb(m_properties.HighlightColor));
    DrawCrossHair(target, mapping(), m_highlight, pen);
    gfx::deleteObject(pen);
}

// IControl

HRESULT CChart::SetSite(com::IControlSite* site)
{
    m_site = ComPtr<com::IControlSite>(site);
    if (!site) return S_OK;
    for (ComPtr<IFont>& font : m_fonts) {
        com::Variant ambient;
        font.reset();
        if (site->GetAmbientProperty(com::DISPID_AMBIENT_FONT, &ambient) == S_OK)
            if (const auto* object = ambient.get<com::Variant::Object>()) font = object->as<IFont>();
        if (!font) font = com::createFont();
    }
    takeAmbientBackground();
    return S_OK;
}

void CChart::takeAmbientBackground()
{
    com::Variant ambient;
    if (!m_site || m_site->GetAmbientProperty(com::DISPID_AMBIENT_BACKCOLOR, &ambient) != S_OK) return;
    try {
        m_properties.BackgroundColor = ambient.toLong();
    } catch (const platform::runtime::RuntimeError&) {
        // An ambient value that is no colour leaves the colour as it was.
    }
}

HRESULT CChart::OnAmbientPropertyChange(DISPID dispid)
{
    if (dispid == com::DISPID_AMBIENT_BACKCOLOR || dispid == com::DISPID_UNKNOWN) {
        takeAmbientBackground();
        repaint();
    }
    return S_OK;
}

QWidget* CChart::widget()
{
    if (!m_widget) m_widget = new ChartWidget(*this);
    return m_widget;
}

// IPersistStream

HRESULT CChart::GetClassID(com::CLSID* clsid) { return give(clsid, kChartClsid); }

HRESULT CChart::IsDirty() { return m_dirty ? S_OK : S_FALSE; }

HRESULT CChart::Load(com::IStream* stream)
{
    if (!stream) return E_POINTER;
    ComPtr<IPicture> picture;
    std::array<ComPtr<IFont>, FontSlots> fonts;
    if (const HRESULT hr = com::readPicture(stream, &picture); com::failed(hr)) return hr;
    for (ComPtr<IFont>& font : fonts)
        if (const HRESULT hr = com::readFont(stream, &font); com::failed(hr)) return hr;
    m_picture = std::move(picture);
    m_fonts = std::move(fonts);
    m_dirty = false;
    repaint();
    return S_OK;
}

HRESULT CChart::Save(com::IStream* stream, bool clearDirty)
{
    if (!stream) return E_POINTER;
    if (const HRESULT hr = com::writePicture(stream, m_picture.get()); com::failed(hr)) return hr;
    for (const ComPtr<IFont>& font : m_fonts)
        if (const HRESULT hr = com::writeFont(stream, font.get()); com::failed(hr)) return hr;
    if (clearDirty) m_dirty = false;
    return S_OK;
}

// Ranges and margins

HRESULT CChart::get_XMin(double* value) { return give(value, m_properties.XMin); }
HRESULT CChart::put_XMin(double value) { return change(m_properties.XMin, value); }
HRESULT CChart::get_XMax(double* value) { return give(value, m_properties.XMax); }
HRESULT CChart::put_XMax(double value) { return change(m_properties.XMax, value); }
HRESULT CChart::get_XTickFreq(double* value) { return give(value, m_properties.XTickFreq); }
HRESULT CChart::put_XTickFreq(double value) { return change(m_properties.XTickFreq, value); }
HRESULT CChart::get_YMin(double* value) { return give(value, m_properties.YMin); }
HRESULT CChart::put_YMin(double value) { return change(m_properties.YMin, value); }
HRESULT CChart::get_YMax(double* value) { return give(value, m_properties.YMax); }
HRESULT CChart::put_YMax(double value) { return change(m_properties.YMax, value); }
HRESULT CChart::get_YTickFreq(double* value) { return give(value, m_properties.YTickFreq); }
HRESULT CChart::put_YTickFreq(double value) { return change(m_properties.YTickFreq, value); }
HRESULT CChart::get_LeftMargin(double* twips) { return give(twips, m_properties.margins.left); }
HRESULT CChart::put_LeftMargin(double twips) { return change(m_properties.margins.left, twips); }
HRESULT CChart::get_BottomMargin(double* twips) { return give(twips, m_properties.margins.bottom); }
HRESULT CChart::put_BottomMargin(double twips) { return change(m_properties.margins.bottom, twips); }
HRESULT CChart::get_TopMargin(double* twips) { return give(twips, m_properties.margins.top); }
HRESULT CChart::put_TopMargin(double twips) { return change(m_properties.margins.top, twips); }
HRESULT CChart::get_RightMargin(double* twips) { return give(twips, m_properties.margins.right); }
HRESULT CChart::put_RightMargin(double twips) { return change(m_properties.margins.right, twips); }

// Colours, modes and flags

HRESULT CChart::get_GridLineColor(OLE_COLOR* colour) { return give(colour, m_properties.GridLineColor); }
HRESULT CChart::put_GridLineColor(OLE_COLOR colour) { return change(m_properties.GridLineColor, colour); }
HRESULT CChart::get_HighlightColor(OLE_COLOR* colour) { return give(colour, m_properties.HighlightColor); }
HRESULT CChart::put_HighlightColor(OLE_COLOR colour) { return change(m_properties.HighlightColor, colour); }
HRESULT CChart::get_BackgroundColor(OLE_COLOR* colour) { return give(colour, m_properties.BackgroundColor); }
HRESULT CChart::put_BackgroundColor(OLE_COLOR colour) { return change(m_properties.BackgroundColor, colour); }
HRESULT CChart::get_GridBackgroundColor(OLE_COLOR* colour) { return give(colour, m_properties.GridBackgroundColor); }
HRESULT CChart::put_GridBackgroundColor(OLE_COLOR colour) { return change(m_properties.GridBackgroundColor, colour); }
HRESULT CChart::get_LabelFontSize(double* size) { return give(size, m_properties.LabelFontSize); }
HRESULT CChart::put_LabelFontSize(double size) { return change(m_properties.LabelFontSize, size); }
HRESULT CChart::get_AutoRedraw(VARIANT_BOOL* value) { return give(value, m_properties.AutoRedraw); }
HRESULT CChart::put_AutoRedraw(VARIANT_BOOL value)
{
    m_properties.AutoRedraw = value;
    return S_OK;
}
HRESULT CChart::get_XGridLineMode(TGridLineMode* mode) { return give(mode, m_properties.XGridLineMode); }
HRESULT CChart::put_XGridLineMode(TGridLineMode mode) { return change(m_properties.XGridLineMode, mode); }
HRESULT CChart::get_YGridLineMode(TGridLineMode* mode) { return give(mode, m_properties.YGridLineMode); }
HRESULT CChart::put_YGridLineMode(TGridLineMode mode) { return change(m_properties.YGridLineMode, mode); }
HRESULT CChart::get_XLabelPosition(TXLabelPosition* position) { return give(position, m_properties.XLabelPosition); }
HRESULT CChart::put_XLabelPosition(TXLabelPosition position) { return change(m_properties.XLabelPosition, position); }
HRESULT CChart::get_YLabelPosition(TYLabelPosition* position) { return give(position, m_properties.YLabelPosition); }
HRESULT CChart::put_YLabelPosition(TYLabelPosition position)
{
    // Unlike its X counterpart, shows only at the next repaint.
    m_properties.YLabelPosition = position;
    return S_OK;
}
HRESULT CChart::get_SymbolToLineBufferLength(std::int32_t* pixels)
{
    return give(pixels, m_properties.SymbolToLineBufferLength);
}
HRESULT CChart::put_SymbolToLineBufferLength(std::int32_t pixels)
{
    return change(m_properties.SymbolToLineBufferLength, pixels);
}
HRESULT CChart::get_MetaFilename(std::string* path) { return give(path, m_properties.MetaFilename); }
HRESULT CChart::put_MetaFilename(const std::string& path)
{
    // Read from disk at every paint, so a new name shows at the next one.
    m_properties.MetaFilename = path;
    return S_OK;
}
HRESULT CChart::get_UseSymbolToLineBuffer(VARIANT_BOOL* value) { return give(value, m_properties.UseSymbolToLineBuffer); }
HRESULT CChart::put_UseSymbolToLineBuffer(VARIANT_BOOL value) { return change(m_properties.UseSymbolToLineBuffer, value); }
HRESULT CChart::get_InteractiveMode(VARIANT_BOOL* value) { return give(value, m_properties.InteractiveMode); }
HRESULT CChart::put_InteractiveMode(VARIANT_BOOL value) { return change(m_properties.InteractiveMode, value); }
HRESULT CChart::get_DrawMetafileOverGrid(VARIANT_BOOL* value) { return give(value, m_properties.DrawMetafileOverGrid); }
HRESULT CChart::put_DrawMetafileOverGrid(VARIANT_BOOL value)
{
    m_properties.DrawMetafileOverGrid = value;
    return S_OK;
}
HRESULT CChart::get_Underlay(TAudiologicalUnderlays* underlay) { return give(underlay, m_properties.Underlay); }
HRESULT CChart::put_Underlay(TAudiologicalUnderlays underlay) { return change(m_properties.Underlay, underlay); }

HRESULT CChart::Refresh()
{
    repaint();
    return S_OK;
}

// Grid lines and labels

HRESULT CChart::AddXGridLine(double Position, const std::string& Label, VARIANT_BOOL Visible, VARIANT_BOOL Dashed)
{
    addGridLine(m_grid.xGridLines, {Position, Label, Visible, Dashed});
    return Refresh();
}

HRESULT CChart::AddYGridLine(double Position, const std::string& Label, VARIANT_BOOL Visible, VARIANT_BOOL Dashed)
{
    addGridLine(m_grid.yGridLines, {Position, Label, Visible, Dashed});
    return Refresh();
}

HRESULT CChart::AddXLabel(double Position, const std::string& Label)
{
    addLabel(m_grid.xLabels, {Position, Label});
    return Refresh();
}

HRESULT CChart::AddYLabel(double Position, const std::string& Label)
{
    addLabel(m_grid.yLabels, {Position, Label});
    return Refresh();
}

HRESULT CChart::ClearXGridLines()
{
    m_grid.xGridLines.clear();
    return Refresh();
}

HRESULT CChart::ClearYGridLines()
{
    m_grid.yGridLines.clear();
    return Refresh();
}

HRESULT CChart::ClearXLabels()
{
    m_grid.xLabels.clear();
    return Refresh();
}

HRESULT CChart::ClearYLabels()
{
    m_grid.yLabels.clear();
    return Refresh();
}

// Lines

HRESULT CChart::get_Lines(ILines** lines) { return giveLines(lines, m_lines); }
HRESULT CChart::get_BackLines(ILines** lines) { return giveLines(lines, m_backLines); }

HRESULT CChart::ClearLines()
{
    m_lines->Clear();
    return Refresh();
}

HRESULT CChart::ClearBackLines()
{
    m_backLines->Clear();
    return Refresh();
}

HRESULT CChart::get_ImageList(IUnknown** imageList)
{
    return giveObject(imageList, m_imageList ? ComPtr<IUnknown>(m_imageList) : ComPtr<IUnknown>());
}

HRESULT CChart::putref_ImageList(IUnknown* imageList)
{
    m_imageList.reset();
    if (!imageList) return S_OK;
    return imageList->QueryInterface(gfx::ImageList::iid, m_imageList.putVoid());
}

// Fonts and picture

HRESULT CChart::getFont(FontSlot slot, IFont** font) const { return giveObject(font, m_fonts[slot]); }

HRESULT CChart::putFont(FontSlot slot, IFont* font)
{
    ComPtr<IFont> copy;
    if (font)
        if (const HRESULT hr = font->Clone(copy.put()); com::failed(hr)) return hr;
    m_fonts[slot] = std::move(copy);
    m_dirty = true;
    repaint();
    return S_OK;
}

HRESULT CChart::putrefFont(FontSlot slot, IFont* font)
{
    m_fonts[slot] = ComPtr<IFont>(font);
    m_dirty = true;
    repaint();
    return S_OK;
}

HRESULT CChart::get_SymbolFont(IFont** font) { return getFont(SymbolSlot, font); }
HRESULT CChart::put_SymbolFont(IFont* font) { return putFont(SymbolSlot, font); }
HRESULT CChart::putref_SymbolFont(IFont* font)
{
    // The symbol font stands for the control's stock font: its listeners may
    // refuse the change and hear of it when it happens.
    if (!requestEdit(com::DISPID_FONT)) return S_FALSE;
    putrefFont(SymbolSlot, font);
    changed(com::DISPID_FONT);
    return S_OK;
}
HRESULT CChart::get_SymbolDescriptionFont(IFont** font) { return getFont(SymbolDescriptionSlot, font); }
HRESULT CChart::put_SymbolDescriptionFont(IFont* font) { return putFont(SymbolDescriptionSlot, font); }
HRESULT CChart::putref_SymbolDescriptionFont(IFont* font) { return putrefFont(SymbolDescriptionSlot, font); }
HRESULT CChart::get_GridlineFont(IFont** font) { return getFont(GridlineSlot, font); }
HRESULT CChart::put_GridlineFont(IFont* font) { return putFont(GridlineSlot, font); }
HRESULT CChart::putref_GridlineFont(IFont* font) { return putrefFont(GridlineSlot, font); }
HRESULT CChart::get_LabelFont(IFont** font) { return getFont(LabelSlot, font); }
HRESULT CChart::put_LabelFont(IFont* font) { return putFont(LabelSlot, font); }
HRESULT CChart::putref_LabelFont(IFont* font) { return putrefFont(LabelSlot, font); }

HRESULT CChart::setPicture(IPicture* picture)
{
    if (!requestEdit(chart_dispid::Picture)) return S_FALSE;
    m_picture = ComPtr<IPicture>(picture);
    m_dirty = true;
    changed(chart_dispid::Picture);
    repaint();
    return S_OK;
}

HRESULT CChart::putref_Picture(IPicture* picture) { return setPicture(picture); }
HRESULT CChart::put_Picture(IPicture* picture) { return setPicture(picture); }
HRESULT CChart::get_Picture(IPicture** picture) { return giveObject(picture, m_picture); }

// Printing

HRESULT CChart::RenderToDC(std::int32_t hdc, std::int32_t X, std::int32_t Y, std::int32_t Width, std::int32_t Height)
{
    return RenderToPrinterDC(hdc, X, Y, Width, Height);
}

HRESULT CChart::RenderToPrinterDC(std::int32_t hdc, std::int32_t X, std::int32_t Y, std::int32_t Width, std::int32_t Height)
{
    return PrintChart(hdc, X, Y, Width, Height, scene(), m_highlight);
}

}  // namespace lumenplot
