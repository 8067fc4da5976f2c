#pragma once
// Chart Class: the chart control. A container sites it, places its widget and
// sets its properties; every change that shows asks the container to repaint,
// and each paint draws the whole picture off screen and copies it in one go.

#include "CGridLine.h"
#include "CLines.h"
#include "ChartCrossHair.h"
#include "ChartProperties.h"
#include "ChartScene.h"
#include "SymbolCache.h"
#include "PelmTolvaneChart/IChart.h"
#include "PelmTolvaneChart/IChartEvents.h"
#include "platform/com/Control.h"
#include "platform/com/DispatchTable.h"
#include "platform/com/Persistence.h"
#include "platform/com/PropertyNotify.h"
#include "platform/gfx/ImageList.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <span>

namespace lumenplot {

// IChart's members as dispatch sees them.
std::span<const platform::com::DispatchMember<IChart>> chartMembers();

class CChart final
    : public platform::com::Object<platform::com::Dispatched<IChart, chartMembers>, platform::com::IControl,
                                   platform::com::PropertyNotifications, platform::com::IPersistStream> {
public:
    CChart();
    ~CChart() override;

    // Draws the chart into a target context at its origin, width x height
    // pixels: the screen paint, with the cross-hair over the picture.
    void paint(platform::gfx::DcHandle target, int width, int height);
    // The paint of the chart's window, which shows only the exposed
    // rectangles: the picture is drawn again only after a change that asked
    // for a repaint, or for a new size or resolution; otherwise the exposed
    // part of the kept picture is copied. The cross-hair is drawn over it.
    void paintExposed(platform::gfx::DcHandle target, int width, int height,
                      std::span<const platform::gfx::Rect> exposed);

    // The window's input (ChartInput.cpp), positions in pixels of the window.
    enum Axis { XAxis, YAxis };
    bool interactive() const;
    const Highlight& highlight() const { return m_highlight; }
    void mouseMoved(int x, int y);
    void mouseLeft();
    void leftButtonPressed();
    void rightButtonReleased();
    // A key by its virtual-key code; false when the key goes on to the
    // container as well (the arrow keys after moving the cross-hair, and
    // every key the chart does not know).
    bool keyPressed(int virtualKey);
    void focusGained();
    void focusLost();
    // Until the next paint the plot rectangle takes the margins as pixels.
    void resized(int width, int height);

    // IControl
    HRESULT SetSite(platform::com::IControlSite* site) override;
    HRESULT OnAmbientPropertyChange(DISPID dispid) override;
    QWidget* widget() override;

    // IPersistStream: the picture and the four fonts, nothing else.
    HRESULT GetClassID(platform::com::CLSID* clsid) override;
    HRESULT IsDirty() override;
    HRESULT Load(platform::com::IStream* stream) override;
    HRESULT Save(platform::com::IStream* stream, bool clearDirty) override;

    // IChart
    HRESULT get_XMin(double* value) override;
    HRESULT put_XMin(double value) override;
    HRESULT get_XMax(double* value) override;
    HRESULT put_XMax(double value) override;
    HRESULT get_XTickFreq(double* value) override;
    HRESULT put_XTickFreq(double value) override;
    HRESULT get_YMin(double* value) override;
    HRESULT put_YMin(double value) override;
    HRESULT get_YMax(double* value) override;
    HRESULT put_YMax(double value) override;
    HRESULT get_YTickFreq(double* value) override;
    HRESULT put_YTickFreq(double value) override;
    HRESULT get_GridLineColor(OLE_COLOR* colour) override;
    HRESULT put_GridLineColor(OLE_COLOR colour) override;
    HRESULT get_BackgroundColor(OLE_COLOR* colour) override;
    HRESULT put_BackgroundColor(OLE_COLOR colour) override;
    HRESULT get_LeftMargin(double* twips) override;
    HRESULT put_LeftMargin(double twips) override;
    HRESULT get_BottomMargin(double* twips) override;
    HRESULT put_BottomMargin(double twips) override;
    HRESULT AddXGridLine(double Position, const std::string& Label, VARIANT_BOOL Visible, VARIANT_BOOL Dashed) override;
    HRESULT get_LabelFontSize(double* size) override;
    HRESULT put_LabelFontSize(double size) override;
    HRESULT get_Lines(ILines** lines) override;
    HRESULT get_AutoRedraw(VARIANT_BOOL* value) override;
    HRESULT put_AutoRedraw(VARIANT_BOOL value) override;
    HRESULT Refresh() override;
    HRESULT get_XGridLineMode(TGridLineMode* mode) override;
    HRESULT put_XGridLineMode(TGridLineMode mode) override;
    HRESULT AddYGridLine(double Position, const std::string& Label, VARIANT_BOOL Visible, VARIANT_BOOL Dashed) override;
    HRESULT get_ImageList(IUnknown** imageList) override;
    HRESULT putref_ImageList(IUnknown* imageList) override;
    HRESULT get_TopMargin(double* twips) override;
    HRESULT put_TopMargin(double twips) override;
    HRESULT get_RightMargin(double* twips) override;
    HRESULT put_RightMargin(double twips) override;
    HRESULT get_XLabelPosition(TXLabelPosition* position) override;
    HRESULT put_XLabelPosition(TXLabelPosition position) override;
    HRESULT get_YLabelPosition(TYLabelPosition* position) override;
    HRESULT put_YLabelPosition(TYLabelPosition position) override;
    HRESULT AddXLabel(double Position, const std::string& Label) override;
    HRESULT AddYLabel(double Position, const std::string& Label) override;
    HRESULT ClearLines() override;
    HRESULT ClearXGridLines() override;
    HRESULT ClearYGridLines() override;
    HRESULT ClearXLabels() override;
    HRESULT ClearYLabels() override;
    HRESULT get_GridBackgroundColor(OLE_COLOR* colour) override;
    HRESULT put_GridBackgroundColor(OLE_COLOR colour) override;
    HRESULT get_SymbolToLineBufferLength(std::int32_t* pixels) override;
    HRESULT put_SymbolToLineBufferLength(std::int32_t pixels) override;
    HRESULT get_MetaFilename(std::string* path) override;
    HRESULT put_MetaFilename(const std::string& path) override;
    HRESULT get_UseSymbolToLineBuffer(VARIANT_BOOL* value) override;
    HRESULT put_UseSymbolToLineBuffer(VARIANT_BOOL value) override;
    HRESULT get_SymbolFont(IFont** font) override;
    HRESULT put_SymbolFont(IFont* font) override;
    HRESULT putref_SymbolFont(IFont* font) override;
    HRESULT get_SymbolDescriptionFont(IFont** font) override;
    HRESULT put_SymbolDescriptionFont(IFont* font) override;
    HRESULT putref_SymbolDescriptionFont(IFont* font) override;
    HRESULT putref_Picture(IPicture* picture) override;
    HRESULT put_Picture(IPicture* picture) override;
    HRESULT get_Picture(IPicture** picture) override;
    HRESULT get_YGridLineMode(TGridLineMode* mode) override;
    HRESULT put_YGridLineMode(TGridLineMode mode) override;
    HRESULT get_InteractiveMode(VARIANT_BOOL* value) override;
    HRESULT put_InteractiveMode(VARIANT_BOOL value) override;
    HRESULT get_GridlineFont(IFont** font) override;
    HRESULT put_GridlineFont(IFont* font) override;
    HRESULT putref_GridlineFont(IFont* font) override;
    HRESULT get_LabelFont(IFont** font) override;
    HRESULT put_LabelFont(IFont* font) override;
    HRESULT putref_LabelFont(IFont* font) override;
    HRESULT RenderToDC(std::int32_t hdc, std::int32_t X, std::int32_t Y, std::int32_t Width, std::int32_t Height) override;
    HRESULT ClearBackLines() override;
    HRESULT get_BackLines(ILines** lines) override;
    HRESULT get_DrawMetafileOverGrid(VARIANT_BOOL* value) override;
    HRESULT put_DrawMetafileOverGrid(VARIANT_BOOL value) override;
    HRESULT get_Underlay(TAudiologicalUnderlays* underlay) override;
    HRESULT put_Underlay(TAudiologicalUnderlays underlay) override;
    HRESULT RenderToPrinterDC(std::int32_t hdc, std::int32_t X, std::int32_t Y, std::int32_t Width,
                              std::int32_t Height) override;
    HRESULT HighlightXGridline(std::int32_t Value) override;
    HRESULT HighlightYGridline(std::int32_t Value) override;
    HRESULT UnHighlightXGridline() override;
    HRESULT UnHighlightYGridline() override;
    HRESULT get_HighlightColor(OLE_COLOR* colour) override;
    HRESULT put_HighlightColor(OLE_COLOR colour) override;

private:
    enum FontSlot { SymbolSlot, SymbolDescriptionSlot, GridlineSlot, LabelSlot, FontSlots };

    // Stores a value that shows in the picture and asks for a repaint.
    template <class T>
    HRESULT change(T& stored, const T& value)
    {
        stored = value;
        repaint();
        return platform::com::S_OK;
    }
    void repaint();
    ChartScene scene() const;
    // Draws the layers onto a new kept picture for the target; false when no
    // picture could be made.
    bool render(platform::gfx::DcHandle target, int width, int height);
    void copyPicture(platform::gfx::DcHandle target, const platform::gfx::Rect& rect) const;
    void drawHighlight(platform::gfx::DcHandle target) const;

    // The mapping of the last paint or resize, which the mouse and the
    // cross-hair go by.
    ChartMapping mapping() const { return m_properties.mapping(m_plot); }
    // The cross-hair line of one axis.
    std::int32_t& highlighted(Axis axis);
    // Makes the window paint the pixels of the axis's line at the highlighted value.
    void invalidateCrossHair(Axis axis);
    // No line on the axis; the pixels it covered come back from the picture.
    void eraseCrossHair(Axis axis);
    // The axis's line moved to value, when it stands elsewhere.
    void moveCrossHair(Axis axis, std::int32_t value);
    void raise(platform::com::DISPID event);

    HRESULT getFont(FontSlot slot, IFont** font) const;
    HRESULT putFont(FontSlot slot, IFont* font);
    HRESULT putrefFont(FontSlot slot, IFont* font);
    HRESULT setPicture(IPicture* picture);
    void takeAmbientBackground();

    ChartProperties m_properties;
    GridRecords m_grid;
    std::array<platform::com::ComPtr<IFont>, FontSlots> m_fonts;
    platform::com::ComPtr<IPicture> m_picture;
    platform::com::ComPtr<platform::gfx::ImageList> m_imageList;
    const platform::com::ComPtr<CLines> m_lines;
    const platform::com::ComPtr<CLines> m_backLines;
    bool m_dirty = false;

    platform::com::ComPtr<platform::com::IControlSite> m_site;
    QPointer<QWidget> m_widget;
    // The last screen paint: its plot rectangle and its picture, which is
    // kept so that a cross-hair can be wiped off without a repaint, with the
    // size and resolution it was drawn for; the next picture of that size is
    // drawn over it. The symbols it showed are kept for the next one.
    PlotRect m_plot;
    platform::gfx::ObjectHandle m_offscreen = 0;
    platform::gfx::Size m_offscreenSize;
    platform::gfx::Size m_offscreenDpi;
    bool m_renderWanted = true;
    SymbolCache m_symbols;
    Highlight m_highlight;
};

}  // namespace lumenplot
