#pragma once
// The look of the module's framed panels (the result tables, the notes and
// average panels, the tympanometry and reflex panels): the button-face colour
// (BackColor),
// an etched edge on all four sides of the client area with its top edge 5
// pixels below the panel's top, and the caption label lblCaption standing over
// that top line like a group box's title.
//
// A panel derives from FramedPanel, places lblCaption where its design puts it
// (twipsRect) and gives it its text. A panel that draws more calls
// FramedPanel::paintFrame from its own paint event.

#include "module/panels/UserControl.h"

class QLabel;

namespace brisance {

class ControlPaint;

class FramedPanel : public UserControl {
    Q_OBJECT

public:
    explicit FramedPanel(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    // Clears the panel to its back colour and draws the etched frame.
    void paintFrame(ControlPaint& paint);

    // The caption, opaque in the panel's colours so that the frame line stops at it.
    QLabel* lblCaption;
};

}  // namespace brisance
