#include "module/panels/EntryNumbers.h"

#include <gtest/gtest.h>

#include <optional>

namespace brisance {
namespace {

TEST(EntryNumbers, TellWholeNumbersAndReadLeadingOnesWithoutRaising)
{
    const struct {
        const char* text;
        bool isNumber;
        std::optional<std::int32_t> leading;
    } cases[] = {
        {"", false, 0},
        {"45", true, 45},
        {" 45 ", true, 45},
        {"45.5", true, 46},  // halves to even
        {"44.5", true, 44},
        {"-12.5", true, -12},
        {"-", false, 0},
        {".", false, 0},
        {"-x", false, 0},
        {"12x", false, 12},
        {"nr", false, 0},
        {"2147483647", true, 2147483647},
        {"99999999999", true, std::nullopt},  // too large to convert
        {"1e999", true, std::nullopt},        // too large to read
        {"-1e999", true, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(isNumberText(c.text), c.isNumber);
        EXPECT_EQ(leadingWholeNumber(c.text), c.leading);
    }
}

}  // namespace
}  // namespace brisance
