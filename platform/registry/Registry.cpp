#include "platform/registry/Registry.h"

#include <algorithm>
#include <array>
#include <utility>

namespace platform::registry {

namespace {

struct RootNames {
    Root root;
    std::string_view name;
    std::string_view shortName;
};

constexpr std::array<RootNames, 3> kRoots{{
    {Root::LocalMachine, "HKEY_LOCAL_MACHINE", "HKLM"},
    {Root::CurrentUser, "HKEY_CURRENT_USER", "HKCU"},
    {Root::ClassesRoot, "HKEY_CLASSES_ROOT", "HKCR"},
}};

constexpr std::array<std::pair<ValueType, std::string_view>, 5> kTypes{{
    {ValueType::Sz, "REG_SZ"},
    {ValueType::ExpandSz, "REG_EXPAND_SZ"},
    {ValueType::Binary, "REG_BINARY"},
    {ValueType::Dword, "REG_DWORD"},
    {ValueType::MultiSz, "REG_MULTI_SZ"},
}};

constexpr std::array<std::pair<Result, std::string_view>, 8> kResults{{
    {Result::Success, "success"},
    {Result::NotFound, "not found"},
    {Result::AccessDenied, "access denied"},
    {Result::InvalidParameter, "invalid parameter"},
    {Result::MoreData, "more data is available"},
    {Result::NoMoreItems, "no more items"},
    {Result::KeyDeleted, "the key has been deleted"},
    {Result::WrongType, "the value has another type"},
}};

bool sameIgnoringCase(std::string_view a, std::string_view b)
{
    const auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
    return std::ranges::equal(a, b, [&](char x, char y) { return upper(x) == upper(y); });
}

}  // namespace

std::string_view rootName(Root root)
{
    const auto found = std::ranges::find(kRoots, root, &RootNames::root);
    return found != kRoots.end() ? found->name : std::string_view();
}

std::optional<Root> rootFromName(std::string_view name)
{
    for (const RootNames& each : kRoots) {
        if (sameIgnoringCase(name, each.name) || sameIgnoringCase(name, each.shortName))
            return each.root;
    }
    return std::nullopt;
}

std::string_view typeName(ValueType type)
{
    const auto found = std::ranges::find(kTypes, type, &std::pair<ValueType, std::string_view>::first);
    return found != kTypes.end() ? found->second : std::string_view();
}

std::optional<ValueType> typeFromName(std::string_view name)
{
    for (const auto& [type, typeText] : kTypes) {
        if (sameIgnoringCase(name, typeText))
            return type;
    }
    return std::nullopt;
}

std::string_view describe(Result result)
{
    const auto found = std::ranges::find(kResults, result, &std::pair<Result, std::string_view>::first);
    return found != kResults.end() ? found->second : std::string_view("unknown result");
}

}  // namespace platform::registry
