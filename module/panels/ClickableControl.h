#pragma once
// A control that reports the standard mouse events to its host: Click,
// DblClick, MouseDown, MouseMove and MouseUp, with the arguments of
// TwipsGeometry.h. Moves (tracked with no button held too) and releases are
// passed on as they come; each control decides what a press, a click and a
// double click raise.

#include "module/panels/UserControl.h"

#include <cstdint>

class QMouseEvent;

namespace brisance {

class ClickableControl : public UserControl {
    Q_OBJECT

public:
    explicit ClickableControl(QWidget* parent = nullptr);

signals:
    void Click();
    void DblClick();
    void MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void MouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y);

protected:
    void raiseMouseDown(const QMouseEvent& event);
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace brisance
