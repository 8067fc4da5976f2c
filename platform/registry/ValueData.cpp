#include "platform/registry/ValueData.h"

#include <algorithm>

namespace platform::registry {

std::vector<std::uint8_t> textData(std::string_view text)
{
    std::vector<std::uint8_t> data(text.begin(), text.end());
    data.push_back(0);
    return data;
}

std::string textFrom(const std::vector<std::uint8_t>& data)
{
    return std::string(data.begin(), std::find(data.begin(), data.end(), std::uint8_t{0}));
}

std::optional<std::vector<std::uint8_t>> multiTextData(const std::vector<std::string>& texts)
{
    std::vector<std::uint8_t> data;
    for (const std::string& text : texts) {
        if (text.empty() || text.find('\0') != std::string::npos)
            return std::nullopt;
        data.insert(data.end(), text.begin(), text.end());
        data.push_back(0);
    }
    data.push_back(0);
    return data;
}

std::vector<std::string> multiTextFrom(const std::vector<std::uint8_t>& data)
{
    std::vector<std::string> texts;
    auto begin = data.begin();
    while (begin != data.end()) {
        const auto end = std::find(begin, data.end(), std::uint8_t{0});
        if (end == begin)
            break;
        texts.emplace_back(begin, end);
        begin = end == data.end() ? end : end + 1;
    }
    return texts;
}

std::vector<std::uint8_t> dwordData(std::uint32_t number)
{
    return {static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(number >> 8),
            static_cast<std::uint8_t>(number >> 16), static_cast<std::uint8_t>(number >> 24)};
}

std::optional<std::uint32_t> dwordFrom(const std::vector<std::uint8_t>& data)
{
    if (data.size() != 4)
        return std::nullopt;
    return static_cast<std::uint32_t>(data[0]) | static_cast<std::uint32_t>(data[1]) << 8
        | static_cast<std::uint32_t>(data[2]) << 16 | static_cast<std::uint32_t>(data[3]) << 24;
}

}  // namespace platform::registry
