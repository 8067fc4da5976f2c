#pragma once
// Text with the selected font, in UTF-8.

#include "platform/gfx/Types.h"

#include <string_view>

namespace platform::gfx {

// Draws the text at (x, y) by the context's text alignment (top-left by
// default), in the text colour, on the background colour when the background
// mode is opaque; turned by the font's escapement around (x, y). With
// TA_UPDATECP the text starts at the current position and moves it along the
// baseline by the text's advance.
bool textOut(DcHandle dc, int x, int y, std::string_view text);

// The width and height of one line of the text in the selected font, in
// logical units (positive), measured along the unturned baseline.
bool getTextExtentPoint(DcHandle dc, std::string_view text, Size* out);

struct TextMetrics {
    int height = 0;  // ascent + descent
    int ascent = 0;
    int descent = 0;
    int internalLeading = 0;
    int externalLeading = 0;
    int averageCharWidth = 0;
    int maxCharWidth = 0;
    int weight = 0;
    bool italic = false;
    bool underlined = false;
    bool struckOut = false;
};
// Metrics of the selected font in logical units.
bool getTextMetrics(DcHandle dc, TextMetrics* out);

// Formatting flags of drawText.
enum DrawTextFlags : unsigned {
    DT_TOP = 0x0,
    DT_LEFT = 0x0,
    DT_CENTER = 0x1,
    DT_RIGHT = 0x2,
    DT_VCENTER = 0x4,  // single line only
    DT_BOTTOM = 0x8,   // single line only
    DT_WORDBREAK = 0x10,
    DT_SINGLELINE = 0x20,
    DT_EXPANDTABS = 0x40,
    DT_NOCLIP = 0x100,
    DT_CALCRECT = 0x400,
    DT_NOPREFIX = 0x800,
};

// Draws the text formatted in the rectangle (logical units): lines break at
// "\r\n" or "\n" unless DT_SINGLELINE, and between words when wider than the
// rectangle with DT_WORDBREAK (a word longer than a line stays whole); lines
// are aligned left, centred or right; the text is clipped to the rectangle
// unless DT_NOCLIP. With DT_CALCRECT nothing is drawn: the rectangle's right
// and bottom are set to fit the text (its widest line, all its lines). The
// background mode and colours of the context apply. Returns the height of the
// text in logical units (positive), 0 on failure.
int drawText(DcHandle dc, std::string_view text, Rect* rect, unsigned format);

}  // namespace platform::gfx
