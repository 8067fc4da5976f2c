#pragma once
// Registry values as the command line writes and shows them.

#include "platform/registry/Registry.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace brisance::reg {

// The value given by its type and data arguments: one text for REG_SZ and
// REG_EXPAND_SZ; one number, decimal or "0x" hexadecimal, for REG_DWORD;
// hexadecimal digit pairs (possibly none) for REG_BINARY; one argument per text
// for REG_MULTI_SZ. Nothing when the arguments do not fit the type.
std::optional<platform::registry::Value> valueFromText(platform::registry::ValueType type,
                                                       std::span<const std::string> arguments);

// The value's data as lines: one text per line for REG_MULTI_SZ, one line
// otherwise (numbers in decimal, bytes as lower-case hexadecimal pairs).
std::vector<std::string> textOfValue(const platform::registry::Value& value);

}  // namespace brisance::reg
