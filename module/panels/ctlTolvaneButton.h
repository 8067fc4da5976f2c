#pragma once
// A push button that draws itself raised or sunken by its ButtonState and
// passes its mouse activity on to its host: MouseDown for every press, Click
// for a left press and release over it, DblClick for a left double click
// (after the second press's MouseDown; its release raises MouseUp, no Click).
// It never changes ButtonState by itself: the host sets it, typically from its
// Click handler (the views' two-state buttons, whose "Value" is ButtonState).
//
// A new button is up, with an empty caption, in the button-face and
// button-text colours and its container's font.

#include "module/panels/ClickableControl.h"
#include "module/panels/Tolvane_ButtonState.h"

#include <string>

namespace brisance {

class ctlTolvaneButton : public ClickableControl {
    Q_OBJECT

public:
    explicit ctlTolvaneButton(QWidget* parent = nullptr);

    // A let repaints.
    const std::string& Caption() const { return m_caption; }
    void Caption(const std::string& caption);
    Tolvane_ButtonState ButtonState() const { return m_buttonState; }
    void ButtonState(Tolvane_ButtonState state);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::string m_caption;
    Tolvane_ButtonState m_buttonState = Tolvane_ButtonUp;
    bool m_doubleClicked = false;
};

}  // namespace brisance
