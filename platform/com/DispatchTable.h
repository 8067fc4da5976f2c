#pragma once
// Dispatch from a table of an interface's typed members, so that dispatch
// calls exactly what typed callers call and the two never disagree:
//
//     // CChart.h
//     std::span<const DispatchMember<IChart>> chartMembers();
//     class CChart final : public Object<Dispatched<IChart, chartMembers>, ConnectionPoints> { ... };
//
//     // CChart.cpp
//     using M = DispatchMember<IChart>;
//     constexpr M kChartMembers[] = {
//         M::property<&IChart::get_XMin, &IChart::put_XMin>("XMin", 1),
//         M::property<&IChart::get_Lines>("Lines", 14),
//         M::method<&IChart::AddXGridLine>("AddXGridLine", 11),
//     };
//     std::span<const DispatchMember<IChart>> chartMembers() { return kChartMembers; }
//
// Typed members return HRESULT (property, method), or return their value and
// raise their failures (valueProperty, valueMethod: a raised error reaches the
// caller as DISP_E_EXCEPTION). A parameter is an argument converted from its
// variant (bool, 8/16/32-bit integers, enumerations, float, double,
// std::string, an interface pointer, std::optional<T> for an optional one,
// Variant as it comes); a pointer parameter is an out parameter (T*, or I**
// for an interface, which hands over a reference). When the caller passes
// fewer arguments than an HRESULT member has parameters and the last is an
// out parameter, that one is the return value. A value member returns an
// object as ComPtr.

#include "platform/com/Dispatch.h"
#include "platform/com/DispatchConvert.h"

#include <algorithm>
#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>

namespace platform::com {

namespace detail {

template <class T>
struct IsOptional : std::false_type {};
template <class T>
struct IsOptional<std::optional<T>> : std::true_type {};

template <class P>
constexpr bool kIsInterfacePointer = std::is_pointer_v<P> && std::is_base_of_v<IUnknown, std::remove_pointer_t<P>>;

// An out parameter: T* other than an interface passed in.
template <class P>
constexpr bool kIsOut = std::is_pointer_v<P> && !kIsInterfacePointer<P>;

// Holds one argument converted for the call and hands it to the member.
template <class P, class = void>
struct Argument;

// In: a plain value.
template <class P>
struct Argument<P, std::enable_if_t<!kIsOut<P> && !kIsInterfacePointer<P> && !IsOptional<std::remove_cvref_t<P>>::value>> {
    using Value = std::remove_cvref_t<P>;
    Value value{};
    HRESULT read(Variant* argument)
    {
        if (!argument) return DISP_E_BADPARAMCOUNT;
        if constexpr (!std::is_same_v<Value, Variant>)
            if (isMissing(*argument)) return DISP_E_PARAMNOTOPTIONAL;
        return fromVariant(*argument, value);
    }
    P pass() { return value; }
    void write(Variant*) {}
};

// In: optional.
template <class P>
struct Argument<P, std::enable_if_t<IsOptional<std::remove_cvref_t<P>>::value>> {
    std::remove_cvref_t<P> value;
    HRESULT read(Variant* argument)
    {
        if (!argument || isMissing(*argument)) return S_OK;
        value.emplace();
        return fromVariant(*argument, *value);
    }
    P pass() { return value; }
    void write(Variant*) {}
};

// In: an interface pointer (asked of the argument's object; empty gives null).
template <class P>
struct Argument<P, std::enable_if_t<kIsInterfacePointer<P>>> {
    ComPtr<std::remove_pointer_t<P>> value;
    HRESULT read(Variant* argument)
    {
        if (!argument) return DISP_E_BADPARAMCOUNT;
        if (isMissing(*argument)) return DISP_E_PARAMNOTOPTIONAL;
        return fromVariant(*argument, value);
    }
    P pass() { return value.get(); }
    void write(Variant*) {}
};

// Out: starts empty and goes into its argument (by reference), or into the
// result, after a successful call.
template <class P>
struct Argument<P, std::enable_if_t<kIsOut<P>>> {
    using Value = std::remove_pointer_t<P>;
    Value value{};
    ~Argument()
    {
        if constexpr (kIsInterfacePointer<Value>)
            if (value) value->Release();
    }
    HRESULT read(Variant*) { return S_OK; }
    P pass() { return &value; }
    void write(Variant* target)
    {
        if (!target) return;
        if constexpr (kIsInterfacePointer<Value>)
            *target = toVariant(ComPtr<std::remove_pointer_t<Value>>::adopt(std::exchange(value, nullptr)));
        else
            *target = toVariant(value);
    }
};

template <class>
struct MemberTraits;
template <class R, class I, class... P>
struct MemberTraits<R (I::*)(P...)> {
    using Result = R;
    using Interface = I;
    using Params = std::tuple<P...>;
    static constexpr std::size_t kCount = sizeof...(P);
};
template <class R, class I, class... P>
struct MemberTraits<R (I::*)(P...) const> : MemberTraits<R (I::*)(P...)> {};

// How a member gives its outcome: an HRESULT (with the return value in its
// last out parameter), or its return value itself (raising its failures).
enum class Returns { Result, Value };

// Calls member function F of object with variant arguments.
template <auto F, Returns How>
HRESULT callWithVariants(typename MemberTraits<decltype(F)>::Interface* object, std::span<Variant> args, Variant* result)
{
    using Traits = MemberTraits<decltype(F)>;
    using Params = typename Traits::Params;
    using R = typename Traits::Result;
    static_assert(How == Returns::Value || std::is_same_v<R, HRESULT>, "an HRESULT member must return HRESULT");
    static_assert(!kIsInterfacePointer<R>, "a member returns an object as ComPtr, which holds its reference");
    constexpr std::size_t count = Traits::kCount;
    constexpr bool lastIsOut = [] {
        if constexpr (count == 0 || How == Returns::Value)
            return false;
        else
            return kIsOut<std::tuple_element_t<count - 1, Params>>;
    }();
    if (args.size() > count) return DISP_E_BADPARAMCOUNT;
    const bool returnsLast = lastIsOut && args.size() < count;
    // Where parameter i takes its value from and gives its value to.
    auto slot = [&](std::size_t i) -> Variant* {
        if (returnsLast && i == count - 1) return result;
        return i < args.size() ? &args[i] : nullptr;
    };
    return [&]<std::size_t... i>(std::index_sequence<i...>) {
        std::tuple<Argument<std::tuple_element_t<i, Params>>...> held;
        HRESULT hr = S_OK;
        ((hr = succeeded(hr) ? std::get<i>(held).read(slot(i)) : hr), ...);
        if (failed(hr)) return hr;
        if constexpr (How == Returns::Result) {
            hr = (object->*F)(std::get<i>(held).pass()...);
        } else if constexpr (std::is_void_v<R>) {
            (object->*F)(std::get<i>(held).pass()...);
        } else {
            const R value = (object->*F)(std::get<i>(held).pass()...);
            if (result) *result = toVariant(value);
        }
        if (succeeded(hr)) (std::get<i>(held).write(slot(i)), ...);
        return hr;
    }(std::make_index_sequence<count>{});
}

// Runs a call, turning a raised error into DISP_E_EXCEPTION.
HRESULT guardCall(const std::function<HRESULT()>& call, ExceptionInfo* exception);

bool equalsIgnoringCase(std::string_view a, std::string_view b);

}  // namespace detail

// One member of interface I as dispatch sees it.
template <class I>
struct DispatchMember {
    using Call = HRESULT (*)(I* object, std::span<Variant> args, Variant* result);

    std::string_view name;
    DISPID dispid = DISPID_UNKNOWN;
    Call onGet = nullptr;
    Call onPut = nullptr;
    Call onPutRef = nullptr;
    Call onMethod = nullptr;

    // Members that return an HRESULT.
    template <auto Get, auto Put = nullptr, auto PutRef = nullptr>
    static constexpr DispatchMember property(std::string_view name, DISPID dispid)
    {
        constexpr auto how = detail::Returns::Result;
        return {name, dispid, callOf<Get, how>(), callOf<Put, how>(), callOf<PutRef, how>(), nullptr};
    }

    template <auto Method>
    static constexpr DispatchMember method(std::string_view name, DISPID dispid)
    {
        return {name, dispid, nullptr, nullptr, nullptr, callOf<Method, detail::Returns::Result>()};
    }

    // Members that return their value (or nothing) and raise their failures,
    // as objects whose failures are raised errors have them.
    template <auto Get, auto Put = nullptr, auto PutRef = nullptr>
    static constexpr DispatchMember valueProperty(std::string_view name, DISPID dispid)
    {
        constexpr auto how = detail::Returns::Value;
        return {name, dispid, callOf<Get, how>(), callOf<Put, how>(), callOf<PutRef, how>(), nullptr};
    }

    template <auto Method>
    static constexpr DispatchMember valueMethod(std::string_view name, DISPID dispid)
    {
        return {name, dispid, nullptr, nullptr, nullptr, callOf<Method, detail::Returns::Value>()};
    }

    // The call that flags ask for, or null when the member has none.
    Call callFor(std::uint16_t flags) const
    {
        if (flags & DISPATCH_PROPERTYPUTREF) return onPutRef;
        if (flags & DISPATCH_PROPERTYPUT) return onPut;
        if ((flags & DISPATCH_METHOD) && onMethod) return onMethod;
        if (flags & DISPATCH_PROPERTYGET) return onGet;
        return nullptr;
    }

private:
    template <auto F, detail::Returns How>
    static constexpr Call callOf()
    {
        if constexpr (std::is_null_pointer_v<decltype(F)>)
            return nullptr;
        else
            return [](I* object, std::span<Variant> args, Variant* result) {
                return detail::callWithVariants<F, How>(object, args, result);
            };
    }
};

// Implements IDispatch for interface I (which derives from IDispatch) from
// the member table that Members gives.
template <class I, std::span<const DispatchMember<I>> (*Members)()>
class Dispatched : public I {
public:
    HRESULT GetIDsOfNames(std::span<const std::string> names, DISPID* dispids) override
    {
        if (!dispids) return E_POINTER;
        const auto members = Members();
        HRESULT hr = S_OK;
        for (std::size_t i = 0; i < names.size(); ++i) {
            const auto found = std::find_if(members.begin(), members.end(),
                                            [&](const auto& member) { return detail::equalsIgnoringCase(member.name, names[i]); });
            dispids[i] = found != members.end() ? found->dispid : DISPID_UNKNOWN;
            if (found == members.end()) hr = DISP_E_UNKNOWNNAME;
        }
        return hr;
    }

    HRESULT Invoke(DISPID dispid, std::uint16_t flags, std::span<Variant> args, Variant* result,
                   ExceptionInfo* exception) override
    {
        const auto members = Members();
        const auto found = std::find_if(members.begin(), members.end(),
                                        [dispid](const auto& member) { return member.dispid == dispid; });
        if (found == members.end()) return DISP_E_MEMBERNOTFOUND;
        const auto call = found->callFor(flags);
        if (!call) return DISP_E_MEMBERNOTFOUND;
        return detail::guardCall([&] { return call(this, args, result); }, exception);
    }

protected:
    ~Dispatched() = default;
};

}  // namespace platform::com
