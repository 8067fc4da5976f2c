#include "platform/runtime/Variant.h"

#include "platform/runtime/tests/CountedObject.h"
#include "platform/runtime/tests/ErrorNumber.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>

namespace platform::runtime {
namespace {

using testing::errorNumberOf;

TEST(Variant, KnowsItsTypeCode)
{
    EXPECT_EQ(Variant().varType(), 0);
    EXPECT_EQ(Variant::null().varType(), 1);
    EXPECT_EQ(Variant(std::int16_t{1}).varType(), 2);
    EXPECT_EQ(Variant(1).varType(), 3);
    EXPECT_EQ(Variant(1.0f).varType(), 4);
    EXPECT_EQ(Variant(1.0).varType(), 5);
    EXPECT_EQ(Variant(Currency{}).varType(), 6);
    EXPECT_EQ(Variant(Date{}).varType(), 7);
    EXPECT_EQ(Variant("text").varType(), 8);
    EXPECT_EQ(Variant(Variant::Object()).varType(), 9);
    EXPECT_EQ(Variant(ErrorValue{5}).varType(), 10);
    EXPECT_EQ(Variant(true).varType(), 11);
    EXPECT_EQ(Variant(std::uint8_t{1}).varType(), 17);
    EXPECT_EQ(Variant::fromBytes(std::vector<std::uint8_t>{1}).varType(), 0x2011);
    EXPECT_EQ(Variant(VariantArray(VarType::Variant, {{1, 0}})).varType(), 0x200C);
}

struct ConversionCase {
    const char* name;
    std::function<Variant()> convert;
    Variant expected;     // when error is 0
    std::int32_t error;   // the runtime error the conversion raises
};

void PrintTo(const ConversionCase& c, std::ostream* os) { *os << c.name; }

class VariantConversion : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(VariantConversion, GivesTheRuntimesResultOrError)
{
    const ConversionCase& c = GetParam();
    Variant result;
    const std::int32_t error = errorNumberOf([&] { result = c.convert(); });
    EXPECT_EQ(error, c.error);
    if (c.error == 0) {
        EXPECT_EQ(result, c.expected);
    }
}

ConversionCase ok(const char* name, std::function<Variant()> convert, Variant expected)
{
    return {name, std::move(convert), std::move(expected), 0};
}

ConversionCase fails(const char* name, std::function<Variant()> convert, std::int32_t error)
{
    return {name, std::move(convert), Variant(), error};
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VariantConversion,
    ::testing::Values(
        // CInt / CLng / CByte: round half to even, overflow outside the range
        ok("IntegerFromDoubleHalfDown", [] { return Variant(2.5).toInteger(); }, std::int16_t{2}),
        ok("IntegerFromDoubleHalfUp", [] { return Variant(-3.5).toInteger(); }, std::int16_t{-4}),
        ok("IntegerFromCurrency", [] { return Variant(Currency{25000}).toInteger(); }, std::int16_t{2}),
        ok("IntegerFromString", [] { return Variant(" 12.5 ").toInteger(); }, std::int16_t{12}),
        ok("IntegerFromTrue", [] { return Variant(true).toInteger(); }, std::int16_t{-1}),
        ok("IntegerFromEmpty", [] { return Variant().toInteger(); }, std::int16_t{0}),
        fails("IntegerOverflow", [] { return Variant(32767.5).toInteger(); }, errors::Overflow),
        fails("IntegerFromLongOverflow", [] { return Variant(40000).toInteger(); }, errors::Overflow),
        fails("IntegerFromWord", [] { return Variant("twelve").toInteger(); }, errors::TypeMismatch),
        fails("IntegerFromNull", [] { return Variant::null().toInteger(); }, errors::InvalidUseOfNull),
        fails("IntegerFromError", [] { return Variant(ErrorValue{5}).toInteger(); }, errors::TypeMismatch),
        fails("IntegerFromArray", [] { return Variant::fromBytes(std::vector<std::uint8_t>{1}).toInteger(); },
              errors::TypeMismatch),
        ok("LongFromSingle", [] { return Variant(1.5f).toLong(); }, 2),
        ok("LongFromDate", [] { return Variant(Date{45000.5}).toLong(); }, 45000),
        fails("LongOverflow", [] { return Variant(2147483647.5).toLong(); }, errors::Overflow),
        ok("ByteHalfToEven", [] { return Variant(254.5).toByte(); }, std::uint8_t{254}),
        fails("ByteNegative", [] { return Variant(-1).toByte(); }, errors::Overflow),
        fails("ByteTooLarge", [] { return Variant(255.5).toByte(); }, errors::Overflow),
        // CSng / CDbl / CCur
        ok("SingleFromString", [] { return Variant("1.5").toSingle(); }, 1.5f),
        fails("SingleOverflow", [] { return Variant(1e39).toSingle(); }, errors::Overflow),
        ok("DoubleFromByte", [] { return Variant(std::uint8_t{200}).toDouble(); }, 200.0),
        ok("DoubleFromHexString", [] { return Variant("&H10").toDouble(); }, 16.0),
        ok("CurrencyFromDouble", [] { return Variant(1.23456).toCurrency(); }, Currency{12346}),
        ok("CurrencyFromLong", [] { return Variant(-7).toCurrency(); }, Currency{-70000}),
        fails("CurrencyOverflow", [] { return Variant(1e15).toCurrency(); }, errors::Overflow),
        // CBool
        ok("BooleanFromTrueText", [] { return Variant("tRuE").toBoolean(); }, true),
        ok("BooleanFromFalseText", [] { return Variant("False").toBoolean(); }, false),
        ok("BooleanFromNumberText", [] { return Variant("0.5").toBoolean(); }, true),
        ok("BooleanFromZero", [] { return Variant(0.0).toBoolean(); }, false),
        ok("BooleanFromEmpty", [] { return Variant().toBoolean(); }, false),
        fails("BooleanFromWord", [] { return Variant("yes").toBoolean(); }, errors::TypeMismatch),
        fails("BooleanFromNull", [] { return Variant::null().toBoolean(); }, errors::InvalidUseOfNull),
        fails("BooleanFromObject", [] { return Variant(Variant::Object()).toBoolean(); }, errors::TypeMismatch),
        // CStr
        ok("StringFromEmpty", [] { return Variant().toString(); }, ""),
        ok("StringFromInteger", [] { return Variant(std::int16_t{-12}).toString(); }, "-12"),
        ok("StringFromDouble", [] { return Variant(0.5).toString(); }, "0.5"),
        ok("StringFromLargeDouble", [] { return Variant(1e20).toString(); }, "1E+20"),
        ok("StringFromSingle", [] { return Variant(0.1f).toString(); }, "0.1"),
        ok("StringFromCurrency", [] { return Variant(Currency{123400}).toString(); }, "12.34"),
        ok("StringFromSmallestCurrency",
           [] { return Variant(Currency{std::numeric_limits<std::int64_t>::min()}).toString(); },
           "-922337203685477.5808"),
        ok("StringFromBoolean", [] { return Variant(true).toString(); }, "True"),
        ok("StringFromError", [] { return Variant(ErrorValue{2042}).toString(); }, "Error 2042"),
        fails("StringFromNull", [] { return Variant::null().toString(); }, errors::InvalidUseOfNull),
        fails("StringFromObject", [] { return Variant(Variant::Object()).toString(); }, errors::TypeMismatch),
        // CDate
        ok("DateFromNumber", [] { return Variant(45000.25).toDate(); }, Date{45000.25}),
        ok("DateFromIsoText", [] { return Variant("2026-12-10").toDate(); }, Date{46366}),
        fails("DateFromWord", [] { return Variant("someday").toDate(); }, errors::TypeMismatch),
        ok("DateOnTheFirstDay", [] { return Variant(-657434.5).toDate(); }, Date{-657434.5}),
        ok("DateOnTheLastDay", [] { return Variant(2958465.5).toDate(); }, Date{2958465.5}),
        fails("DateAfterTheRange", [] { return Variant(2958466.0).toDate(); }, errors::Overflow),
        fails("DateBeforeTheRange", [] { return Variant(-657435.0).toDate(); }, errors::Overflow),
        // objects
        fails("ObjectFromLong", [] { return Variant(1).toObject(); }, errors::ObjectRequired),
        ok("NothingIsAnObject", [] { return Variant(Variant(Variant::Object()).toObject()); },
           Variant(Variant::Object()))),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Variant, HoldsAReferenceToItsObject)
{
    testing::CountedObject object;
    {
        const Variant held{Variant::Object(&object)};
        const Variant copy = held;
        EXPECT_EQ(object.references, 2u);
        EXPECT_EQ(copy.toObject().get(), &object);
        EXPECT_EQ(copy, held);
    }
    EXPECT_EQ(object.references, 0u);
}

TEST(VariantArray, KeepsBoundsAndConvertsWhatIsStored)
{
    VariantArray array(VarType::Integer, {{3, -1}, {2, 1}});
    EXPECT_EQ(array.dimensions(), 2);
    EXPECT_EQ(array.lowerBound(1), -1);
    EXPECT_EQ(array.upperBound(1), 1);
    EXPECT_EQ(array.upperBound(2), 2);
    EXPECT_EQ(array.size(), 6u);
    EXPECT_EQ(array.at({0, 2}), Variant(std::int16_t{0}));

    array.set({1, 2}, "12");
    array.set({-1, 1}, 2.5);
    EXPECT_EQ(array.at({1, 2}), Variant(std::int16_t{12}));
    EXPECT_EQ(array.elements().front(), Variant(std::int16_t{2})) << "the first index runs fastest";
    EXPECT_EQ(array.elements().back(), Variant(std::int16_t{12}));

    EXPECT_EQ(errorNumberOf([&] { array.set({0, 1}, "x"); }), errors::TypeMismatch);
    EXPECT_EQ(errorNumberOf([&] { array.set({0, 1}, 1e6); }), errors::Overflow);
    EXPECT_EQ(errorNumberOf([&] { array.at({2, 1}); }), errors::SubscriptOutOfRange);
    EXPECT_EQ(errorNumberOf([&] { array.at({0}); }), errors::SubscriptOutOfRange);
    EXPECT_EQ(errorNumberOf([&] { array.upperBound(3); }), errors::SubscriptOutOfRange);
    EXPECT_EQ(errorNumberOf([] { VariantArray(VarType::Long, {}); }), errors::SubscriptOutOfRange);
    EXPECT_EQ(errorNumberOf([] { VariantArray(VarType::Long, {{-1, 0}}); }), errors::SubscriptOutOfRange);
    EXPECT_EQ(errorNumberOf([] { VariantArray(VarType::Null, {{1, 0}}); }), errors::InvalidProcedureCall);
    EXPECT_EQ(errorNumberOf([] { VariantArray(VarType::Byte, {{65536, 0}, {65536, 0}}); }), errors::OutOfMemory);
}

TEST(VariantArray, ByteArraysCarryOpaqueData)
{
    const std::vector<std::uint8_t> bytes{0, 255, 7};
    const Variant value = Variant::fromBytes(bytes);
    EXPECT_EQ(value.toBytes(), bytes);
    EXPECT_EQ(value.array()->upperBound(), 2);
    EXPECT_EQ(errorNumberOf([] { Variant("abc").toBytes(); }), errors::TypeMismatch);
}

}  // namespace
}  // namespace platform::runtime
