#include "marlet/DriverRecords.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

namespace marlet {
namespace {

template <typename Record>
std::int32_t bytesAt(const Record& record, std::size_t offset, std::size_t width)
{
    std::int32_t value = 0;
    std::memcpy(&value, reinterpret_cast<const std::uint8_t*>(&record) + offset, width);
    return value;
}

struct BlockField {
    const char* name;
    std::size_t offset;
    std::size_t width;
    std::function<void(DriverTestBlock&, std::int16_t)> write;
};

// Where the link server reads each field; written through the struct, found in the bytes.
TEST(DriverRecords, TestBlockFieldsLieWhereTheLinkServerReadsThem)
{
    std::vector<BlockField> fields;
    for (std::size_t k = 0; k < kSummaryCount; ++k) {
        const std::size_t base = 1504 + 1540 * k;
        auto summary = kSummaries[k];
        fields.push_back({"peak compliance", base + 0, 2, [=](auto& b, auto v) { (b.*summary).PeakCompliance = v; }});
        fields.push_back({"compliance present", base + 4, 2, [=](auto& b, auto v) { (b.*summary).CompliancePresent = v; }});
        fields.push_back({"volume", base + 8, 2, [=](auto& b, auto v) { (b.*summary).Volume = v; }});
        fields.push_back({"volume present", base + 12, 2, [=](auto& b, auto v) { (b.*summary).VolumePresent = v; }});
        fields.push_back({"gradient", base + 16, 2, [=](auto& b, auto v) { (b.*summary).Gradient = v; }});
        fields.push_back({"gradient status", base + 20, 2, [=](auto& b, auto v) { (b.*summary).GradientStatus = v; }});
        fields.push_back({"pressure", base + 22, 2, [=](auto& b, auto v) { (b.*summary).Pressure = v; }});
        fields.push_back({"probe tone", base + 32, 2, [=](auto& b, auto v) { (b.*summary).ProbeTone = v; }});
        fields.push_back({"summary valid", base + 34, 2, [=](auto& b, auto v) { (b.*summary).Valid = v; }});
    }
    for (std::size_t k = 0; k < kReflexEntryCount; ++k) {
        const std::size_t base = 5392 + 798 * k;
        auto entry = kReflexEntries[k];
        fields.push_back({"reflex result", base + 0, 2, [=](auto& b, auto v) { (b.*entry).Result = v; }});
        fields.push_back({"reflex stimulus", base + 4, 2, [=](auto& b, auto v) { (b.*entry).Stimulus = v; }});
        fields.push_back({"reflex valid", base + 24, 2, [=](auto& b, auto v) { (b.*entry).Valid = v; }});
    }
    fields.push_back({"kind", 22734, 1, [](auto& b, auto v) { b.Kind = static_cast<std::uint8_t>(v); }});
    fields.push_back({"action", 22735, 1, [](auto& b, auto v) { b.Action = static_cast<std::uint8_t>(v); }});
    for (std::size_t i = 0; i < kSerialLength; ++i)
        fields.push_back({"serial character", 22736 + 2 * i, 2, [=](auto& b, auto v) { b.Serial[i] = v; }});
    fields.push_back({"test number", 22754, 2, [](auto& b, auto v) { b.TestNumber = v; }});

    for (const auto& field : fields) {
        SCOPED_TRACE(std::string(field.name) + " at " + std::to_string(field.offset));
        DriverTestBlock block{};
        const std::int16_t value = field.width == 1 ? 0x5A : 0x1234;
        field.write(block, value);
        EXPECT_EQ(bytesAt(block, field.offset, field.width), value);
        // Nothing else was touched.
        DriverTestBlock expected{};
        std::memcpy(reinterpret_cast<std::uint8_t*>(&expected) + field.offset, &value, field.width);
        EXPECT_EQ(std::memcmp(&block, &expected, sizeof block), 0);
    }
}

TEST(DriverRecords, PointRecordIsThreeLittleEndianWords)
{
    const DriverPointRecord point{makeTypeWord(CurveAirLeft, PointCursor, kStatusMasked | kStatusNoResponse),
                                  1000, 25};
    EXPECT_EQ(bytesAt(point, 0, 4), 0x00060101);
    EXPECT_EQ(bytesAt(point, 4, 4), 1000);
    EXPECT_EQ(bytesAt(point, 8, 4), 25);
    // The status as the 16-bit value at offset 2.
    EXPECT_EQ(bytesAt(point, 2, 2), 6);
}

}  // namespace
}  // namespace marlet
