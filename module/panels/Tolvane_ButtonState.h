#pragma once
// The pressed state of the module's owner-drawn buttons (the palette button and
// the two-state button), as hosts set and read it.

#include <cstdint>

namespace brisance {

enum Tolvane_ButtonState : std::int32_t {
    Tolvane_ButtonUp = 0,
    Tolvane_ButtonDown = 1,
};

}  // namespace brisance
