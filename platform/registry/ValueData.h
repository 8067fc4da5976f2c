#pragma once
// The stored bytes of each value type, as the platform lays them out, for
// callers that handle a Value of any type.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::registry {

// Text with its terminating zero.
std::vector<std::uint8_t> textData(std::string_view text);
// The text up to the first zero, or all bytes when there is none.
std::string textFrom(const std::vector<std::uint8_t>& data);

// Each text with its zero, then one more zero. Nothing when a text is empty
// (it would end the list early) or holds a zero.
std::optional<std::vector<std::uint8_t>> multiTextData(const std::vector<std::string>& texts);
// The texts up to the first empty one or the end of the data.
std::vector<std::string> multiTextFrom(const std::vector<std::uint8_t>& data);

std::vector<std::uint8_t> dwordData(std::uint32_t number);
// Nothing unless the data is exactly four bytes.
std::optional<std::uint32_t> dwordFrom(const std::vector<std::uint8_t>& data);

}  // namespace platform::registry
