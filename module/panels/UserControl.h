#pragma once
// The base of the module's controls: a widget that its container places and
// shows through the extender members Top, Left, Width, Height and Visible, in
// twips, and that draws its text in its container's font (Qt's font
// inheritance) unless it is given one of its own.
//
// Controls draw only in their paint event, through a ControlPaint; a change
// that the design repaints at once (a property let, a method that "draws") calls
// update(). Mouse events reach hosts with the arguments of TwipsGeometry.h.

#include "platform/gfx/Types.h"

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

    // The drawing font of the control's QFont (ControlFont.h), kept until the
    // font changes; owned by the control.
    platform::gfx::ObjectHandle drawingFontHandle();

protected:
    void changeEvent(QEvent* event) override;

private:
    void dropDrawingFont();

    platform::gfx::ObjectHandle m_drawingFont = 0;
};

}  // namespace brisance
