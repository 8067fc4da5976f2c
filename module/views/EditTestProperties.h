#pragma once
// The test-properties dialog opened from a view's palette, on the selected
// or right-clicked test.

#include "module/core/CPaletteItems.h"

#include "platform/com/ComPtr.h"
#include "platform/gfx/ImageList.h"

class QWidget;

namespace brisance {

class CurvePalette;

// Opens the dialog modally over owner on the palette item of the selected
// (or right-clicked) button. The edited item when the user confirmed with OK;
// null when there is no such button or item, or the user cancelled.
CPaletteItems::Entry EditTestProperties(QWidget* owner, CurvePalette& palette, const CPaletteItems& items,
                                        bool rightClicked, bool speechMode,
                                        const platform::com::ComPtr<platform::gfx::ImageList>& images);

}  // namespace brisance
