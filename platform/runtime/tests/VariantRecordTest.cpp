#include "platform/runtime/VariantRecord.h"

#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/tests/CountedObject.h"
#include "platform/runtime/tests/ErrorNumber.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace platform::runtime {
namespace {

using Bytes = std::vector<std::uint8_t>;
using testing::errorNumberOf;

Bytes recordOf(const Variant& value)
{
    Bytes out;
    writeVariantRecord(out, value);
    return out;
}

Variant readAll(const Bytes& data)
{
    std::size_t offset = 0;
    Variant value = readVariantRecord(data, offset);
    EXPECT_EQ(offset, data.size()) << "the record was not read to its end";
    return value;
}

Variant integerMatrix()
{
    // (1 To 2, 0 To 1) As Integer: a(1,0)=1, a(2,0)=2, a(1,1)=3, a(2,1)=4
    VariantArray array(VarType::Integer, {{2, 1}, {2, 0}});
    array.set({1, 0}, std::int16_t{1});
    array.set({2, 0}, std::int16_t{2});
    array.set({1, 1}, std::int16_t{3});
    array.set({2, 1}, std::int16_t{4});
    return array;
}

Variant nestedVariants()
{
    VariantArray inner(VarType::Byte, {{2, 0}}, {std::uint8_t{7}, std::uint8_t{8}});
    return VariantArray(VarType::Variant, {{2, 0}}, {Variant(inner), Variant(true)});
}

struct RecordCase {
    const char* name;
    Variant value;
    Bytes bytes;
};

std::vector<RecordCase> recordCases()
{
    return {
        {"Empty", Variant(), {0x00, 0x00}},
        {"Null", Variant::null(), {0x01, 0x00}},
        {"Integer", std::int16_t{-2}, {0x02, 0x00, 0xFE, 0xFF}},
        {"Long", std::int32_t{100000}, {0x03, 0x00, 0xA0, 0x86, 0x01, 0x00}},
        {"Single", 1.5f, {0x04, 0x00, 0x00, 0x00, 0xC0, 0x3F}},
        {"Double", -2.5, {0x05, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x04, 0xC0}},
        {"Currency", Currency{123456}, {0x06, 0x00, 0x40, 0xE2, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00}},
        {"Date", Date{45000.5}, {0x07, 0x00, 0x00, 0x00, 0x00, 0x00, 0x10, 0xF9, 0xE5, 0x40}},
        {"String", "Hörtest", {0x08, 0x00, 0x08, 0x00, 0x48, 0xC3, 0xB6, 0x72, 0x74, 0x65, 0x73, 0x74}},
        {"EmptyString", "", {0x08, 0x00, 0x00, 0x00}},
        {"Error", ErrorValue{2042}, {0x0A, 0x00, 0xFA, 0x07, 0x00, 0x00}},
        {"True", true, {0x0B, 0x00, 0xFF, 0xFF}},
        {"False", false, {0x0B, 0x00, 0x00, 0x00}},
        {"Byte", std::uint8_t{200}, {0x11, 0x00, 0xC8}},
        {"ByteArray", Variant::fromBytes(Bytes{1, 2, 3}),
         {0x11, 0x20, 0x01, 0x00, 0x03, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x02, 0x03}},
        {"EmptyByteArray", Variant::fromBytes(Bytes{}),
         {0x11, 0x20, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}},
        {"IntegerMatrixWithLowerBounds", integerMatrix(),
         {0x02, 0x20, 0x02, 0x00, 0x02, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00,
          0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x02, 0x00, 0x03, 0x00, 0x04, 0x00}},
        {"StringArrayNegativeLowerBound", VariantArray(VarType::String, {{2, -1}}, {"a", ""}),
         {0x08, 0x20, 0x01, 0x00, 0x02, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0x00, 0x61, 0x00, 0x00}},
        {"DoubleArray", VariantArray(VarType::Double, {{1, 0}}, {-2.5}),
         {0x05, 0x20, 0x01, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
          0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x04, 0xC0}},
        // An empty dimension empties the array, whatever the dimensions before it say.
        {"EmptyDoubleMatrix", VariantArray(VarType::Double, {{2, 0}, {0, 0}}),
         {0x05, 0x20, 0x02, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
          0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}},
        {"BooleanArray", VariantArray(VarType::Boolean, {{2, 0}}, {true, false}),
         {0x0B, 0x20, 0x01, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00}},
        {"VariantArray", VariantArray(VarType::Variant, {{3, 0}}, {std::int16_t{5}, "x", Variant::null()}),
         {0x0C, 0x20, 0x01, 0x00, 0x03, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
          0x02, 0x00, 0x05, 0x00, 0x08, 0x00, 0x01, 0x00, 0x78, 0x01, 0x00}},
        {"VariantArrayHoldingAnArray", nestedVariants(),
         {0x0C, 0x20, 0x01, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
          0x11, 0x20, 0x01, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x07, 0x08,
          0x0B, 0x00, 0xFF, 0xFF}},
    };
}

void PrintTo(const RecordCase& c, std::ostream* os) { *os << c.name; }

class VariantRecordCase : public ::testing::TestWithParam<RecordCase> {};

TEST_P(VariantRecordCase, IsWrittenInTheRuntimesLayoutAndReadsBackTheSame)
{
    const RecordCase& c = GetParam();
    EXPECT_EQ(recordOf(c.value), c.bytes);
    EXPECT_EQ(readAll(c.bytes), c.value);
}

TEST_P(VariantRecordCase, RefusesEveryTruncationOfTheRecord)
{
    const RecordCase& c = GetParam();
    for (std::size_t length = 0; length < c.bytes.size(); ++length) {
        const Bytes cut(c.bytes.begin(), c.bytes.begin() + static_cast<std::ptrdiff_t>(length));
        std::size_t offset = 0;
        EXPECT_EQ(errorNumberOf([&] { readVariantRecord(cut, offset); }), errors::InputPastEndOfFile)
            << "cut after " << length << " bytes";
        EXPECT_EQ(offset, 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryType, VariantRecordCase, ::testing::ValuesIn(recordCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(VariantRecord, RecordsFollowOneAnotherInAFile)
{
    // A header, then two records, as the profile export file has them.
    Bytes file = {'N', 'O', 'A', 'H'};
    writeVariantRecord(file, Variant::fromBytes(Bytes{9, 8, 7}));
    writeVariantRecord(file, "options");
    std::size_t offset = 4;
    EXPECT_EQ(readVariantRecord(file, offset).toBytes(), (Bytes{9, 8, 7}));
    EXPECT_EQ(readVariantRecord(file, offset), Variant("options"));
    EXPECT_EQ(offset, file.size());
    EXPECT_EQ(errorNumberOf([&] { readVariantRecord(file, offset); }), errors::InputPastEndOfFile);
}

struct CorruptCase {
    const char* name;
    Bytes bytes;
    std::int32_t error;
};

void PrintTo(const CorruptCase& c, std::ostream* os) { *os << c.name; }

class CorruptVariantRecord : public ::testing::TestWithParam<CorruptCase> {};

TEST_P(CorruptVariantRecord, IsRefusedWithAClearError)
{
    const CorruptCase& c = GetParam();
    std::size_t offset = 0;
    try {
        readVariantRecord(c.bytes, offset);
        FAIL() << "a damaged record was accepted";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), c.error) << error.description();
        EXPECT_FALSE(error.description().empty());
    }
    EXPECT_EQ(offset, 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CorruptVariantRecord,
    ::testing::Values(
        CorruptCase{"ObjectTypeCode", {0x09, 0x00, 0, 0, 0, 0}, errors::UnsupportedVariantType},
        CorruptCase{"UnknownTypeCode", {0x0D, 0x00, 0, 0}, errors::UnsupportedVariantType},
        CorruptCase{"ByReferenceFlag", {0x02, 0x40, 0, 0}, errors::UnsupportedVariantType},
        CorruptCase{"VariantWithoutArray", {0x0C, 0x00, 0, 0}, errors::UnsupportedVariantType},
        CorruptCase{"ArrayOfNulls", {0x01, 0x20, 0x01, 0x00, 0, 0, 0, 0, 0, 0, 0, 0}, errors::UnsupportedVariantType},
        CorruptCase{"NoDimensions", {0x11, 0x20, 0x00, 0x00, 1, 2, 3}, errors::InvalidRecord},
        CorruptCase{"TooManyDimensions", {0x11, 0x20, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0}, errors::InvalidRecord},
        CorruptCase{"NegativeCount", {0x11, 0x20, 0x01, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0}, errors::InvalidRecord},
        CorruptCase{"UpperBoundBeyondRange",
                    {0x11, 0x20, 0x01, 0x00, 0x02, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F, 1, 2}, errors::InvalidRecord},
        // Counts far beyond the data: refused before anything is allocated.
        CorruptCase{"HugeCount", {0x11, 0x20, 0x01, 0x00, 0xFF, 0xFF, 0xFF, 0x7F, 0, 0, 0, 0, 1, 2, 3},
                    errors::InputPastEndOfFile},
        CorruptCase{"HugeCountsMultiplied",
                    {0x0C, 0x20, 0x03, 0x00, 0xFF, 0xFF, 0xFF, 0x7F, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F, 0, 0, 0, 0,
                     0xFF, 0xFF, 0xFF, 0x7F, 0, 0, 0, 0, 0, 0},
                    errors::InputPastEndOfFile},
        CorruptCase{"StringLongerThanTheData", {0x08, 0x00, 0xFF, 0xFF, 0x41}, errors::InputPastEndOfFile}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(VariantRecord, RefusesArraysNestedBeyondAnyRealUse)
{
    Bytes data;
    for (int level = 0; level < 100; ++level) {
        const Bytes opening = {0x0C, 0x20, 0x01, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
        data.insert(data.end(), opening.begin(), opening.end());
    }
    data.insert(data.end(), {0x00, 0x00});
    std::size_t offset = 0;
    EXPECT_EQ(errorNumberOf([&] { readVariantRecord(data, offset); }), errors::InvalidRecord);
}

TEST(VariantRecord, RefusesToWriteWhatHasNoRecordAndWritesNothing)
{
    testing::CountedObject object;
    const Variant::Object reference(&object);
    VariantArray withObject(VarType::Variant, {{1, 0}});
    withObject.set({0}, reference);
    const std::string longest(0xFFFF, 'x');

    Bytes out = {0xAA};
    EXPECT_EQ(errorNumberOf([&] { writeVariantRecord(out, reference); }), errors::UnsupportedVariantType);
    EXPECT_EQ(errorNumberOf([&] { writeVariantRecord(out, withObject); }), errors::UnsupportedVariantType);
    EXPECT_EQ(errorNumberOf([&] { writeVariantRecord(out, longest + "x"); }), errors::Overflow);
    EXPECT_EQ(out, Bytes{0xAA});

    EXPECT_EQ(readAll(recordOf(longest)), Variant(longest));
}

}  // namespace
}  // namespace platform::runtime
