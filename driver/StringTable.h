#pragma once
// The driver's own string table: every user-visible text, ids 5000 to 5950.

#include <string_view>

namespace marlet {

// The text of `id`, empty when the table has none.
std::string_view stringTableText(int id);

}  // namespace marlet
