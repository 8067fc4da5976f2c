#include "module/panels/ClickableControl.h"

#include "module/panels/TwipsGeometry.h"

#include <QMouseEvent>

namespace brisance {

ClickableControl::ClickableControl(QWidget* parent) : UserControl(parent)
{
    setMouseTracking(true);
}

void ClickableControl::raiseMouseDown(const QMouseEvent& event)
{
    const MouseArguments arguments = mouseArguments(event);
    emit MouseDown(arguments.Button, arguments.Shift, arguments.X, arguments.Y);
}

void ClickableControl::mouseMoveEvent(QMouseEvent* event)
{
    const MouseArguments arguments = mouseArguments(*event);
    emit MouseMove(arguments.Button, arguments.Shift, arguments.X, arguments.Y);
}

void ClickableControl::mouseReleaseEvent(QMouseEvent* event)
{
    const MouseArguments arguments = mouseArguments(*event);
    emit MouseUp(arguments.Button, arguments.Shift, arguments.X, arguments.Y);
}

}  // namespace brisance
