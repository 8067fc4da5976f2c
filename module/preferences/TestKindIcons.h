#pragma once
// The two row icons of the dialogs' test lists, as FillTestList numbers them:
// image 1 a pure-tone test (an audiogram's right and left symbols on a line),
// image 2 a speech test (a speech balloon). 16 x 16 pixels, white for
// transparent.

#include "platform/com/ComPtr.h"
#include "platform/gfx/ImageList.h"

namespace brisance {

platform::com::ComPtr<platform::gfx::ImageList> CreateTestKindIcons();

}  // namespace brisance
