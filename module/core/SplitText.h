#pragma once
// Splitting a stored list ("a,b,c,") into its parts.

#include <string>
#include <string_view>
#include <vector>

namespace brisance {

// The parts of text between the separators, empty ones included ("a,b," gives
// "a", "b" and ""). An empty text has no parts at all.
std::vector<std::string> SplitText(std::string_view text, char separator);

}  // namespace brisance
