#pragma once
// The font a control draws its own text with.

#include "platform/gfx/Objects.h"

class QWidget;

namespace brisance {

// The drawing font of the widget's QFont (its container's font unless the
// control was given one of its own): face, weight and style as they are, the
// character height from the point size at the widget's dots per inch, as
// platform::com::drawingFont makes it for a font object.
platform::gfx::FontDescription drawingFont(const QWidget& widget);

// The size in points of the widget's QFont; a font sized in pixels counts at
// the widget's dots per inch.
double fontPointSize(const QWidget& widget);

}  // namespace brisance
