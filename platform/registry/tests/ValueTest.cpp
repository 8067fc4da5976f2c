#include "platform/registry/Key.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace platform::registry {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes bytesOf(std::string_view text)
{
    return Bytes(text.begin(), text.end());
}

class RegistryValue : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(createKey(Root::LocalMachine, "SOFTWARE\\Pelmworks\\PelmSonvale\\Drivers\\MRL", Access::Write, m_key),
                  Result::Success);
    }

    Key m_key;
};

TEST_F(RegistryValue, EachTypeIsStoredWithItsTypeAndTheBytesThePlatformUses)
{
    struct Case {
        const char* label;
        std::function<Result(const Key&)> set;
        Value stored;
    };
    using namespace std::string_view_literals;
    const Case cases[] = {
        {"text", [](const Key& k) { return k.setString("v", "Pelm Corvane"); },
         {ValueType::Sz, bytesOf("Pelm Corvane\0"sv)}},
        {"empty text", [](const Key& k) { return k.setString("v", ""); }, {ValueType::Sz, {0}}},
        {"UTF-8 text", [](const Key& k) { return k.setString("v", "Ohrpr\xC3\xBC" "fung"); },
         {ValueType::Sz, bytesOf("Ohrpr\xC3\xBC" "fung\0"sv)}},
        {"expandable text", [](const Key& k) { return k.setString("v", "%TEMP%\\x", ValueType::ExpandSz); },
         {ValueType::ExpandSz, bytesOf("%TEMP%\\x\0"sv)}},
        {"number", [](const Key& k) { return k.setDword("v", 0x12345678); },
         {ValueType::Dword, {0x78, 0x56, 0x34, 0x12}}},
        {"largest number", [](const Key& k) { return k.setDword("v", 0xFFFFFFFF); },
         {ValueType::Dword, {0xFF, 0xFF, 0xFF, 0xFF}}},
        {"bytes", [](const Key& k) { return k.setBinary("v", Bytes{0, 1, 0xFF, 0}); },
         {ValueType::Binary, {0, 1, 0xFF, 0}}},
        {"no bytes", [](const Key& k) { return k.setBinary("v", Bytes{}); }, {ValueType::Binary, {}}},
        {"texts", [](const Key& k) { return k.setMultiString("v", {"COM1", "COM2"}); },
         {ValueType::MultiSz, bytesOf("COM1\0COM2\0\0"sv)}},
        {"no texts", [](const Key& k) { return k.setMultiString("v", {}); }, {ValueType::MultiSz, {0}}},
        {"raw text without its zero",
         [](const Key& k) { return k.setValue("v", ValueType::Sz, "abc", 3); }, {ValueType::Sz, bytesOf("abc")}},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.label);
        ASSERT_EQ(each.set(m_key), Result::Success);
        Value value;
        ASSERT_EQ(m_key.queryValue("v", value), Result::Success);
        EXPECT_EQ(value.type, each.stored.type);
        EXPECT_EQ(value.data, each.stored.data);
    }
}

TEST_F(RegistryValue, TypedGettersReadTheirOwnTypesAndRefuseOthers)
{
    ASSERT_EQ(m_key.setString("sz", "Marlet"), Result::Success);
    ASSERT_EQ(m_key.setString("expand", "%TEMP%", ValueType::ExpandSz), Result::Success);
    ASSERT_EQ(m_key.setDword("dword", 4711), Result::Success);
    ASSERT_EQ(m_key.setBinary("binary", Bytes{9, 8}), Result::Success);
    ASSERT_EQ(m_key.setMultiString("multi", {"a", "bc"}), Result::Success);

    std::string text;
    std::uint32_t number = 0;
    Bytes bytes;
    std::vector<std::string> texts;
    const std::array<std::function<Result(const char*)>, 4> getters{
        [&](const char* name) { return m_key.getString(name, text); },
        [&](const char* name) { return m_key.getDword(name, number); },
        [&](const char* name) { return m_key.getBinary(name, bytes); },
        [&](const char* name) { return m_key.getMultiString(name, texts); },
    };
    // Which getter reads which value.
    const std::pair<const char*, std::size_t> owners[] = {
        {"sz", 0}, {"expand", 0}, {"dword", 1}, {"binary", 2}, {"multi", 3}};
    for (const auto& [name, owner] : owners) {
        for (std::size_t getter = 0; getter < getters.size(); ++getter) {
            SCOPED_TRACE(std::string(name) + " with getter " + std::to_string(getter));
            EXPECT_EQ(getters[getter](name), getter == owner ? Result::Success : Result::WrongType);
        }
    }
    EXPECT_EQ(m_key.getString("sz", text), Result::Success);
    EXPECT_EQ(text, "Marlet");
    EXPECT_EQ(m_key.getString("expand", text), Result::Success);
    EXPECT_EQ(text, "%TEMP%");
    EXPECT_EQ(m_key.getDword("dword", number), Result::Success);
    EXPECT_EQ(number, 4711u);
    EXPECT_EQ(m_key.getBinary("binary", bytes), Result::Success);
    EXPECT_EQ(bytes, (Bytes{9, 8}));
    EXPECT_EQ(m_key.getMultiString("multi", texts), Result::Success);
    EXPECT_EQ(texts, (std::vector<std::string>{"a", "bc"}));

    EXPECT_EQ(m_key.getString("missing", text), Result::NotFound);
    EXPECT_EQ(m_key.deleteValue("SZ"), Result::Success);
    EXPECT_EQ(m_key.getString("sz", text), Result::NotFound);
    EXPECT_EQ(m_key.deleteValue("sz"), Result::NotFound);
}

TEST_F(RegistryValue, QueryIntoABufferReportsSizeTooSmallAndWrongTypeApart)
{
    const std::string path = "/opt/brisance/drivers/libmarlet.so";
    const auto needed = static_cast<std::uint32_t>(path.size() + 1);
    ASSERT_EQ(m_key.setString("DriverPath", path), Result::Success);

    ValueType type = ValueType::Binary;
    std::uint32_t size = 0;
    EXPECT_EQ(m_key.queryValue("DriverPath", &type, nullptr, &size), Result::Success);
    EXPECT_EQ(type, ValueType::Sz);
    EXPECT_EQ(size, needed);

    std::vector<char> small(needed - 1, 'x');
    size = static_cast<std::uint32_t>(small.size());
    EXPECT_EQ(m_key.queryValue("DriverPath", &type, small.data(), &size), Result::MoreData);
    EXPECT_EQ(size, needed);
    EXPECT_EQ(small, std::vector<char>(needed - 1, 'x'));

    std::array<char, 1000> buffer{};
    size = buffer.size();
    EXPECT_EQ(m_key.queryValue("DriverPath", &type, buffer.data(), &size, ValueType::Sz), Result::Success);
    EXPECT_EQ(size, needed);
    EXPECT_EQ(std::string(buffer.data()), path);
    EXPECT_EQ(buffer[needed], '\0');

    // The type is checked before the size.
    size = 1;
    EXPECT_EQ(m_key.queryValue("DriverPath", &type, small.data(), &size, ValueType::Dword), Result::WrongType);
    EXPECT_EQ(type, ValueType::Sz);

    size = buffer.size();
    EXPECT_EQ(m_key.queryValue("Manufacturer", &type, buffer.data(), &size), Result::NotFound);
    EXPECT_EQ(m_key.queryValue("DriverPath", &type, buffer.data(), nullptr), Result::InvalidParameter);
}

TEST_F(RegistryValue, DataThatDoesNotFitItsTypeIsRefusedAndTheOldValueKept)
{
    ASSERT_EQ(m_key.setString("v", "kept"), Result::Success);
    const std::uint8_t three[] = {1, 2, 3};
    using namespace std::string_view_literals;
    const std::pair<const char*, std::function<Result()>> cases[] = {
        {"number of three bytes", [&] { return m_key.setValue("v", ValueType::Dword, three, 3); }},
        {"text holding a zero", [&] { return m_key.setString("v", "a\0b"sv); }},
        {"text as a number", [&] { return m_key.setString("v", "1", ValueType::Dword); }},
        {"empty text in a list", [&] { return m_key.setMultiString("v", {"a", "", "b"}); }},
        {"unknown type", [&] { return m_key.setValue("v", static_cast<ValueType>(11), three, 3); }},
        {"size without data", [&] { return m_key.setValue("v", ValueType::Binary, nullptr, 5); }},
    };
    for (const auto& [label, set] : cases) {
        SCOPED_TRACE(label);
        EXPECT_EQ(set(), Result::InvalidParameter);
        std::string text;
        EXPECT_EQ(m_key.getString("v", text), Result::Success);
        EXPECT_EQ(text, "kept");
    }
}

}  // namespace
}  // namespace platform::registry
