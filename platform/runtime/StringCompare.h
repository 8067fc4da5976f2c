#pragma once
// Text comparison as the runtime compares keys: without regard to case,
// for every script (Unicode case folding), on UTF-8 text.

#include <string>
#include <string_view>

namespace platform::runtime {

// The case-folded form of a text: two texts equal but for case fold alike.
std::string foldCase(std::string_view text);

bool equalsIgnoreCase(std::string_view a, std::string_view b);

}  // namespace platform::runtime
