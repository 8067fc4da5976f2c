#pragma once
// The base of the module's controls: a widget that its container places and
// shows through the extender members Top, Left, Width, Height and Visible, in
// twips, with the surface properties every control has (BackColor, ForeColor,
// Enabled, Font, Refresh). It draws its text in its container's font (Qt's
// font inheritance) unless it is given one of its own.
//
// Controls draw only in their paint event, through a ControlPaint; a change
// that the design repaints at once (a property let, a method that "draws") calls
// update(). A control that reports mouse events derives from ClickableControl.

#include "platform/gfx/Colour.h"

#include <QWidget>

namespace brisance {

class UserControl : public QWidget {
    Q_OBJECT

public:
    explicit UserControl(QWidget* parent = nullptr);
    ~UserControl() override;

    // Position in the container and size, in twips.
    int Top() const;
    void Top(int twips);
    int Left() const;
    void Left(int twips);
    int Width() const;
    void Width(int twips);
    int Height() const;
    void Height(int twips);
    // Whether the control shows while its container does.
    bool Visible() const;
    void Visible(bool visible);

    // The surface colour and the text colour, as colour values (ControlColours.h);
    // a new control has the button face and the button text. A let repaints.
    platform::gfx::OleColor BackColor() const { return m_backColor; }
    void BackColor(platform::gfx::OleColor colour);
    platform::gfx::OleColor ForeColor() const { return m_foreColor; }
    void ForeColor(platform::gfx::OleColor colour);
    // A disabled control takes no mouse or key input.
    bool Enabled() const { return isEnabled(); }
    void Enabled(bool enabled) { setEnabled(enabled); }
    // The control's font: its container's until one is set; a set repaints.
    QFont Font() const { return font(); }
    void Font(const QFont& font) { setFont(font); }
    // Repaints the control.
    void Refresh() { update(); }

    // The drawing font of the control's QFont (ControlFont.h), kept until the
    // font changes; owned by the control.
    platform::gfx::ObjectHandle drawingFontHandle();

protected:
    void changeEvent(QEvent* event) override;

private:
    void dropDrawingFont();

    platform::gfx::OleColor m_backColor;
    platform::gfx::OleColor m_foreColor;
    platform::gfx::ObjectHandle m_drawingFont = 0;
};

}  // namespace brisance
