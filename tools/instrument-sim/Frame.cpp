#include "tools/instrument-sim/Frame.h"

#include <stdexcept>
#include <utility>

namespace instrument_sim {

namespace {

constexpr std::pair<char, std::size_t> kColonBodies[] = {
    {'1', 40}, {'2', 40}, {'3', 136}, {'4', 4},   {'5', 45},
    {'6', 1630}, {'7', 9}, {'8', 16}, {'x', 416}, {'y', 56}, {'z', 1834},
};

}  // namespace

std::optional<std::size_t> colonBodyLength(char type)
{
    for (const auto& [known, length] : kColonBodies) {
        if (known == type)
            return length;
    }
    return std::nullopt;
}

std::string withChecksum(std::string_view text, ChecksumKind kind)
{
    return std::string(text) + checksumText(text, kind) + "\r\n";
}

Frame Frame::colon(char type)
{
    const auto body = colonBodyLength(type);
    if (!body)
        throw std::invalid_argument(std::string("no audiometer record of type '") + type + "'");
    return Frame(std::string{':', type} + std::string(*body - 2, '0'));
}

Frame Frame::pipe(char type, std::size_t checksumPosition)
{
    if (checksumPosition < 2 || checksumPosition + 4 > kPipeRecordLimit)
        throw std::invalid_argument("a tympanometer record holds at most " + std::to_string(kPipeRecordLimit) +
                                    " bytes");
    return Frame(std::string{'|', type} + std::string(checksumPosition - 2, '0'));
}

Frame& Frame::put(std::size_t position, std::string_view field)
{
    if (position < 2 || position + field.size() > m_text.size())
        throw std::out_of_range("field at " + std::to_string(position) + " of " +
                                std::to_string(field.size()) + " characters is outside the record");
    m_text.replace(position, field.size(), field);
    return *this;
}

}  // namespace instrument_sim
