#pragma once
// A label whose caption reads upward, turned by 90 degrees: the captions of
// the charts' vertical axes and of table columns. It draws the caption with a
// font made from its own Font (taken from its container unless set), and can
// size itself to the turned text (Autosize): one text line wide, as high as
// the caption is long.
//
// Appearance, BackColor, Font, ForeColor, Caption and Alignment repaint the
// label; BackStyle, Enabled, MouseIcon and MousePointer show at the next paint
// (the pointer at once, as the label's cursor).

#include "module/panels/UserControl.h"
#include "platform/com/ComPtr.h"
#include "platform/com/Picture.h"
#include "platform/gfx/Colour.h"
#include "platform/gfx/Objects.h"

#include <QFont>

#include <cstdint>
#include <string>

namespace brisance {

class VerticalLabel final : public UserControl {
    Q_OBJECT

public:
    // Where the turned caption stands along the label's height.
    enum Alignments : std::int32_t {
        AlignBottom = 0,  // the text starts at the bottom edge
        AlignTop = 1,     // the text ends at the top edge
        AlignCentre = 2,  // the text is centred along the height
    };

    explicit VerticalLabel(QWidget* parent = nullptr);

    // Repaints the label; the paint draws the turned caption.
    void DrawAngledText();

    std::int16_t Appearance() const { return m_appearance; }
    void Appearance(std::int16_t value);
    platform::gfx::OleColor BackColor() const { return m_backColor; }
    void BackColor(platform::gfx::OleColor value);
    // 1 opaque (the back colour is painted), 0 transparent.
    std::int16_t BackStyle() const { return m_backStyle; }
    void BackStyle(std::int16_t value);
    bool Enabled() const { return isEnabled(); }
    void Enabled(bool value);
    QFont Font() const { return font(); }
    void Font(const QFont& value);
    platform::gfx::OleColor ForeColor() const { return m_foreColor; }
    void ForeColor(platform::gfx::OleColor value);
    // The picture of the custom pointer (MousePointer 99); may be null.
    platform::com::ComPtr<platform::com::IPicture> MouseIcon() const { return m_mouseIcon; }
    void MouseIcon(platform::com::ComPtr<platform::com::IPicture> value);
    // The platform's pointer numbers: 0 the default, 1 to 15 the standard
    // pointers, 99 the MouseIcon.
    std::int16_t MousePointer() const { return m_mousePointer; }
    void MousePointer(std::int16_t value);
    bool Autosize() const { return m_autosize; }
    // Measures the caption and takes its turned size, whether switched on or off.
    void Autosize(bool value);
    const std::string& Caption() const { return m_caption; }
    void Caption(std::string value);
    std::int32_t Alignment() const { return m_alignment; }
    void Alignment(std::int32_t value);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Measures the caption in the turned font selected into dc, along its
    // unturned baseline, and keeps the size.
    void measureCaption(platform::gfx::DcHandle dc);
    void fitToText();
    void updateCursor();

    std::string m_caption = "Vertical Label";
    std::int32_t m_alignment = AlignBottom;
    bool m_autosize = false;
    std::int32_t m_textWidth = 0;
    std::int32_t m_textHeight = 0;

    std::int16_t m_appearance = 1;
    platform::gfx::OleColor m_backColor;
    std::int16_t m_backStyle = 1;
    platform::gfx::OleColor m_foreColor;
    platform::com::ComPtr<platform::com::IPicture> m_mouseIcon;
    std::int16_t m_mousePointer = 0;
};

// The font a label draws its caption with: the face and style of its Font, a
// cell height of 1.75 times the point size (in pixels, rounded half to even),
// turned to run upward.
platform::gfx::FontDescription turnedCaptionFont(const QWidget& label);

}  // namespace brisance
