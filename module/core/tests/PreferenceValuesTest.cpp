#include "module/core/PreferenceValues.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace brisance {
namespace {

using platform::runtime::Variant;

TEST(PreferenceValues, ReadEveryStoredFormAsNumberFlagAndText)
{
    const std::uint8_t bytes[] = {1, 2};
    const struct {
        const char* name;
        Variant stored;
        std::int32_t number;
        bool flag;
        std::string text;
    } cases[] = {
        {"absent", Variant::null(), 0, false, ""},
        {"empty text", Variant(""), 0, false, ""},
        {"leading number", Variant("12abc"), 12, false, "12abc"},
        {"half to even", Variant(" 7.5"), 8, true, " 7.5"},
        {"no number", Variant("abc"), 0, false, "abc"},
        {"Boolean", Variant(true), 0, true, "True"},
        {"32-bit number", Variant(std::int32_t{14177}), 14177, true, "14177"},
        {"beyond 32 bits", Variant("99999999999"), 0, true, "99999999999"},
        {"array", Variant::fromBytes(bytes), 0, false, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PreferenceNumber(c.stored), c.number);
        EXPECT_EQ(PreferenceFlag(c.stored), c.flag);
        EXPECT_EQ(PreferenceText(c.stored), c.text);
    }
}

}  // namespace
}  // namespace brisance
