#pragma once
// Contact sheets of a symbol list, for the golden comparison and for review:
// every image drawn through the list itself (ILD_NORMAL), in number order, on
// a fixed grid on white.

#include "platform/gfx/ImageList.h"

#include <QImage>
#include <QRect>

namespace brisance::testing {

// Images to a row of the sheet.
inline constexpr int kSheetColumns = 6;

// The plain sheet: the images only, half an image apart and from the edges.
QImage contactSheet(const platform::gfx::ImageList& list);
// Where image number (from 1) stands on the plain sheet.
QRect sheetCell(const platform::gfx::ImageList& list, int number);
// The reviewer's copy: the plain sheet magnified to 96 pixels an image, with
// each image's number beside it, its cell outlined and pale guides through
// the pixel that a chart centres on its point.
QImage numberedContactSheet(const platform::gfx::ImageList& list);

}  // namespace brisance::testing
