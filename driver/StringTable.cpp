#include "driver/StringTable.h"

// Generated from MarletStrings.txt at build time.
extern "C" const char* brisance_string_table_lookup(unsigned id);

namespace marlet {

std::string_view stringTableText(int id)
{
    const char* text = id >= 0 ? brisance_string_table_lookup(static_cast<unsigned>(id)) : nullptr;
    return text ? std::string_view(text) : std::string_view();
}

}  // namespace marlet
