#include "module/core/PreferenceValues.h"

#include "platform/runtime/Conversions.h"
#include "platform/runtime/RuntimeError.h"

namespace brisance {

using platform::runtime::RuntimeError;
using platform::runtime::Variant;

std::string PreferenceText(const Variant& value)
{
    try {
        return platform::runtime::joinedText(value);
    } catch (const RuntimeError&) {
        return {};
    }
}

std::int32_t PreferenceNumber(const Variant& value)
{
    try {
        return platform::runtime::CLng(platform::runtime::Val(PreferenceText(value)));
    } catch (const RuntimeError&) {
        return 0;
    }
}

bool PreferenceFlag(const Variant& value)
{
    if (value.isNull() || value.isEmpty()) return false;
    try {
        return value.toBoolean();
    } catch (const RuntimeError&) {
        return false;
    }
}

std::int32_t PreferenceNumber(vellum::IVellumKeyedStore& store, std::string_view key)
{
    return PreferenceNumber(store.get_Value(std::string(key)));
}

bool PreferenceFlag(vellum::IVellumKeyedStore& store, std::string_view key)
{
    return PreferenceFlag(store.get_Value(std::string(key)));
}

std::string PreferenceText(vellum::IVellumKeyedStore& store, std::string_view key)
{
    return PreferenceText(store.get_Value(std::string(key)));
}

}  // namespace brisance
