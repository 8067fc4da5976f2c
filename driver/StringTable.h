#pragma once
// The driver's own string table (MarletStrings.txt): every user-visible text,
// ids 5000 to 5950. The library carries it as the platform's libraries carry
// theirs, so it is also read through platform::system::loadString.

#include <string_view>

namespace marlet {

// The text of `id`, empty when the table has none.
std::string_view stringTableText(int id);

}  // namespace marlet
