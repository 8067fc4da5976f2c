#include "driver/LastError.h"

#include <gtest/gtest.h>

#include <sstream>

namespace marlet {
namespace {

struct Case {
    bool serial;
    int code;
    int position;
    const char* text;
};

TEST(LastError, RecordsCodeTextAndTablePosition)
{
    const Case cases[] = {
        {false, 106, 21, "Lost characters:  Resend."},
        {false, 4, 4, "Invalid function code."},
        {false, 19, 34, ""},  // in the table, but without a text
        {false, 15, 38, ""},
        {false, 18, 41, ""},
        {false, 50, 42, "Unknown error code."},
        {false, -1, 42, "Unknown error code."},
        {true, 7, 7, "Invalid port."},
        {true, 50, 50, "NT VDD CDRVVDD.DLL not loaded."},
        {true, 77, 51, "Unknown error code."},
        {true, -2, 51, "Unknown error code."},
    };
    const TextTable texts;
    for (const auto& c : cases) {
        SCOPED_TRACE((c.serial ? "serial " : "protocol ") + std::to_string(c.code));
        LastError error(texts);
        EXPECT_EQ(c.serial ? error.recordSerialError(c.code) : error.recordProtocolError(c.code), c.position);
        EXPECT_EQ(error.code(), c.code);
        EXPECT_EQ(error.text(), c.text);
    }
}

TEST(LastError, CodeZeroClearsTheText)
{
    const TextTable texts;
    LastError error(texts);
    error.recordSerialError(9);
    EXPECT_EQ(error.text(), "Invalid baud rate.");
    EXPECT_EQ(error.recordProtocolError(0), 0);
    EXPECT_EQ(error.code(), 0);
    EXPECT_EQ(error.text(), "");
}

TEST(LastError, TakesTranslatedTextsCutTo119Bytes)
{
    TextTable texts;
    std::istringstream file("5907 " + std::string(200, 'x') + "\n" +
                            "5909 " + std::string(118, 'y') + "\xC3\xA9" + "tail\n");
    texts.readReplacements(file);
    LastError error(texts);
    error.recordSerialError(7);
    EXPECT_EQ(error.text(), std::string(119, 'x'));
    error.recordSerialError(9);
    EXPECT_EQ(error.text(), std::string(118, 'y')) << "a character is never cut in half";
}

}  // namespace
}  // namespace marlet
