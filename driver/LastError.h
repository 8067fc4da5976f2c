#pragma once
// The driver's last error: a code and its text, which the status dialog, the
// connect failure box and the set-up dialogs show. Protocol codes (the
// instruments' own and the driver's reading errors) take their text from
// 5700 + code, serial codes from 5900 + code.

#include "driver/TextTable.h"

#include <cstddef>
#include <string>

namespace marlet {

// Serial codes the driver records (texts 5900 + code).
enum SerialError : int {
    ErrorPortNotActive = 2,
    ErrorInvalidPort = 7,
    ErrorAllocatingMemory = 28,
    ErrorNotSupported = 32,
};

// The longest text kept, in bytes.
inline constexpr std::size_t kLastErrorTextLimit = 119;

class LastError {
public:
    explicit LastError(const TextTable& texts) : m_texts(texts) {}

    // Store the code and its text. Code 0 clears the text and returns 0;
    // otherwise the result is the code's position in its table, or the table's
    // size when the code is unknown (its text is then "Unknown error code.").
    int recordProtocolError(int code);
    int recordSerialError(int code);
    void clear();

    int code() const { return m_code; }
    const std::string& text() const { return m_text; }

private:
    int record(int code, int position, int tableSize, int textBase);

    const TextTable& m_texts;
    int m_code = 0;
    std::string m_text;
};

}  // namespace marlet
