#pragma once
// How dispatch turns variant arguments into typed parameters and typed
// results into variants, with the runtime's conversions. A conversion that
// fails gives DISP_E_TYPEMISMATCH, or DISP_E_OVERFLOW for a value out of range.

#include "platform/com/ComPtr.h"
#include "platform/runtime/Variant.h"

#include <concepts>
#include <cstdint>
#include <functional>
#include <string>
#include <type_traits>

namespace platform::com::detail {

using runtime::Variant;

// Runs a conversion, turning the runtime's raised errors into results.
HRESULT converting(const std::function<void()>& convert);

template <class T>
HRESULT fromVariant(const Variant& from, T& to)
{
    return converting([&] {
        if constexpr (std::is_same_v<T, Variant>)
            to = from;
        else if constexpr (std::is_same_v<T, bool>)
            to = from.toBoolean();
        else if constexpr (std::is_same_v<T, std::uint8_t>)
            to = from.toByte();
        else if constexpr (std::is_same_v<T, std::int16_t>)
            to = from.toInteger();
        else if constexpr (std::is_same_v<T, std::int32_t>)
            to = from.toLong();
        else if constexpr (std::is_enum_v<T>)
            to = static_cast<T>(from.toLong());
        else if constexpr (std::is_same_v<T, float>)
            to = from.toSingle();
        else if constexpr (std::is_same_v<T, double>)
            to = from.toDouble();
        else if constexpr (std::is_same_v<T, std::string>)
            to = from.toString();
        else if constexpr (std::is_same_v<T, runtime::Date>)
            to = from.toDate();
        else if constexpr (std::is_same_v<T, runtime::Currency>)
            to = from.toCurrency();
        else
            static_assert(sizeof(T) == 0, "no variant conversion for this parameter type");
    });
}

// An interface from the argument's object; empty and Nothing give null.
template <class I>
HRESULT fromVariant(const Variant& from, ComPtr<I>& to)
{
    to.reset();
    if (from.isEmpty()) return S_OK;
    const auto* object = from.get<Variant::Object>();
    if (!object) return DISP_E_TYPEMISMATCH;
    if (!*object) return S_OK;
    return succeeded((*object)->QueryInterface(I::iid, to.putVoid())) ? S_OK : DISP_E_TYPEMISMATCH;
}

template <class T>
Variant toVariant(const T& value)
{
    if constexpr (std::is_enum_v<T>)
        return Variant(static_cast<std::int32_t>(value));
    else
        return Variant(value);
}

}  // namespace platform::com::detail
