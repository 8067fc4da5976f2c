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
        std::optional<double> whole;
    } cases[] = {
        {"", false, 0, std::nullopt},
        {"45", true, 45, 45},
        {" 45 ", true, 45, 45},
        {"45.5", true, 46, 45.5},  // halves to even
        {"44.5", true, 44, 44.5},
        {"-12.5", true, -12, -12.5},
        {"-", false, 0, std::nullopt},
        {".", false, 0, std::nullopt},
        {"-x", false, 0, std::nullopt},
        {"--5", false, 0, std::nullopt},  // a sign before a sign starts no number
        {"+5", true, 5, 5},
        {" 5", true, 5, 5},
        {"# 5", false, 0, std::nullopt},
        {"12x", false, 12, std::nullopt},
        {"nr", false, 0, std::nullopt},
        {"2147483647", true, 2147483647, 2147483647},
        {"99999999999", true, std::nullopt, 99999999999},  // too large to convert
        {"1e999", true, std::nullopt, std::nullopt},        // too large to read
        {"-1e999", true, std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(isNumberText(c.text), c.isNumber);
        EXPECT_EQ(leadingWholeNumber(c.text), c.leading);
        EXPECT_EQ(numberValue(c.text), c.whole);
    }
}

}  // namespace
}  // namespace brisance
