#pragma once
// Twips (1/1440 inch), the layout unit of forms and controls, and screen pixels.

namespace platform::ui {

// Twips per screen pixel: 1440 / the screen's logical dots per inch (15 at 96).
int twipsPerPixelX();
int twipsPerPixelY();

// Conversions, rounded to the nearest whole unit.
int twipsToPixelsX(int twips);
int twipsToPixelsY(int twips);
int pixelsToTwipsX(int pixels);
int pixelsToTwipsY(int pixels);

}  // namespace platform::ui
