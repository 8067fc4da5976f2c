#include "platform/runtime/Conversions.h"

#include "platform/runtime/tests/ErrorNumber.h"

#include <gtest/gtest.h>

#include <string>

namespace platform::runtime {
namespace {

using testing::errorNumberOf;

TEST(Val, ReadsTheLeadingNumberOnly)
{
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"", 0},           {"abc", 0},         {"12abc", 12},        {"  -12.5e2 dB", -1250},
        {" 1 2 3", 123},   {"\t4\n2", 42},     {".5", 0.5},          {"1.2.3", 1.2},
        {"1,5", 1},        {"1e", 1},          {"2E-1x", 0.2},       {"3D2", 300},
        {"+7", 7},         {"-", 0},           {"&HFFFF", -1},       {"&H10000", 65536},
        {"&hFFFFFFFF", -1}, {"&O17", 15},      {"&17", 15},          {"&Hxyz", 0},
        {"1e-400", 0},     {"0.000", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(Val(c.text), c.value) << '"' << c.text << '"';
    EXPECT_EQ(errorNumberOf([] { Val("1e400"); }), errors::Overflow);
    EXPECT_EQ(errorNumberOf([] { Val("&H123456789"); }), errors::Overflow);
}

TEST(LeadingNumber, TellsNoNumberFromZero)
{
    EXPECT_EQ(leadingNumber(" 0 dB"), 0.0);
    EXPECT_EQ(leadingNumber("-12.5e2 dB"), -1250.0);
    for (const char* text : {"", "abc", "-", ".", "&Hxyz", " dB 10"})
        EXPECT_FALSE(leadingNumber(text).has_value()) << '"' << text << '"';
}

TEST(Str, GivesNonNegativeNumbersALeadingBlank)
{
    const struct {
        Variant number;
        const char* text;
    } cases[] = {
        {5, " 5"},
        {-5, "-5"},
        {0, " 0"},
        {std::int16_t{-32768}, "-32768"},
        {0.5, " .5"},
        {-0.25, "-.25"},
        {1234.5, " 1234.5"},
        {1e20, " 1E+20"},
        {1.1f, " 1.1"},
        {Currency{-15000}, "-1.5"},
        {"12", " 12"},
    };
    for (const auto& c : cases) EXPECT_EQ(Str(c.number), c.text) << c.text;
    EXPECT_EQ(errorNumberOf([] { Str(Variant::null()); }), errors::InvalidUseOfNull);
    EXPECT_EQ(errorNumberOf([] { Str("twelve"); }), errors::TypeMismatch);
}

TEST(JoinedText, TakesNullAsEmpty)
{
    EXPECT_EQ(joinedText(Variant::null()), "");
    EXPECT_EQ(joinedText(Variant()), "");
    EXPECT_EQ(joinedText(12), "12");
    EXPECT_EQ(joinedText(0.5), "0.5");
    EXPECT_EQ(errorNumberOf([] { joinedText(Variant::fromBytes(std::vector<std::uint8_t>{1})); }), errors::TypeMismatch);
}

TEST(RoundingConversions, RoundHalfToEvenAndOverflowOutsideTheRange)
{
    const struct {
        double value;
        std::int32_t rounded;
    } cases[] = {
        {0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2},
        {2.4999, 2}, {2.5001, 3}, {-2.5001, -3}, {32767.4, 32767}, {-32768.5, -32768},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CInt(c.value), c.rounded) << c.value;
        EXPECT_EQ(CLng(c.value), c.rounded) << c.value;
    }
    EXPECT_EQ(CLng(2147483647.4), 2147483647);
    EXPECT_EQ(CLng(-2147483648.5), -2147483647 - 1);

    for (const double value : {32767.5, -32768.6, 40000.0, std::numeric_limits<double>::quiet_NaN()})
        EXPECT_EQ(errorNumberOf([=] { CInt(value); }), errors::Overflow) << value;
    for (const double value : {2147483647.5, -2147483649.0, 1e300})
        EXPECT_EQ(errorNumberOf([=] { CLng(value); }), errors::Overflow) << value;
}

TEST(NumberText, WritesTheRuntimesGeneralForm)
{
    EXPECT_EQ(numberText(0.5), "0.5");
    EXPECT_EQ(numberText(-0.0), "0");
    EXPECT_EQ(numberText(123456789012345.0), "123456789012345");
    EXPECT_EQ(numberText(1e15), "1E+15");
    EXPECT_EQ(numberText(1.5e-7), "1.5E-07");
    EXPECT_EQ(numberText(0.1 + 0.2), "0.3");
    EXPECT_EQ(numberText(1.1f, 7), "1.1");
}

TEST(ParseNumber, TakesTheWholeTextOrNothing)
{
    EXPECT_EQ(parseNumber(" 12.5 "), 12.5);
    EXPECT_EQ(parseNumber("-1e3"), -1000);
    EXPECT_EQ(parseNumber("&HFF"), 255);
    EXPECT_EQ(parseNumber("12abc"), std::nullopt);
    EXPECT_EQ(parseNumber("1 2"), std::nullopt);
    EXPECT_EQ(parseNumber(""), std::nullopt);
    EXPECT_EQ(parseNumber("."), std::nullopt);
}

}  // namespace
}  // namespace platform::runtime
