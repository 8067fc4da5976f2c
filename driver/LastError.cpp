#include "driver/LastError.h"

#include "driver/TextLimit.h"

#include <algorithm>
#include <iterator>

namespace marlet {

namespace {

// Searched from the front: a code's position is where it is first found.
constexpr int kProtocolCodes[] = {
    0,   1,   2,   3,   4,   5,   6,   7,   8,   9,   10, 11, 12, 13, 14,
    100, 101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111,
    1,   2,   3,   4,   5,   6,   7,   19,  8,   9,   14, 15, 16, 17, 18,
};
static_assert(std::size(kProtocolCodes) == 42);

constexpr int kSerialCodeCount = 51;  // 0 to 50
constexpr int kProtocolTextBase = 5700;
constexpr int kSerialTextBase = 5900;

}  // namespace

int LastError::recordProtocolError(int code)
{
    const auto found = std::ranges::find(kProtocolCodes, code);
    return record(code, static_cast<int>(found - std::begin(kProtocolCodes)),
                  static_cast<int>(std::size(kProtocolCodes)), kProtocolTextBase);
}

int LastError::recordSerialError(int code)
{
    const bool known = code >= 0 && code < kSerialCodeCount;
    return record(code, known ? code : kSerialCodeCount, kSerialCodeCount, kSerialTextBase);
}

void LastError::clear()
{
    m_code = 0;
    m_text.clear();
}

int LastError::record(int code, int position, int tableSize, int textBase)
{
    m_code = code;
    if (code == 0) {
        m_text.clear();
        return 0;
    }
    m_text = truncated(position < tableSize ? m_texts.text(textBase + code) : "Unknown error code.",
                       kLastErrorTextLimit);
    return position;
}

}  // namespace marlet
