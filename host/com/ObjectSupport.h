#pragma once
// What the host's component objects share: making them, positions in
// collections, enumerators, and the variant forms of data and dates.

#include "host/HostErrors.h"
#include "host/Records.h"

#include "platform/com/ClassFactory.h"
#include "platform/com/ComPtr.h"
#include "platform/com/DispatchTable.h"
#include "platform/com/VariantEnumerator.h"
#include "platform/runtime/Variant.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace host::objects {

using platform::com::ComPtr;
using platform::com::Dispatched;
using platform::com::DispatchMember;
using platform::com::DISPID_NEWENUM;
using platform::com::DISPID_VALUE;
using platform::com::HRESULT;
using platform::com::IUnknown;
using platform::com::Object;
using platform::runtime::Variant;

// A new object of class T as its interface I.
template <class I, class T, class... Args>
ComPtr<I> makeAs(Args&&... args)
{
    return ComPtr<I>(platform::com::make<T>(std::forward<Args>(args)...));
}

// The item at a 1-based position; raises NotFound outside the items.
template <class Item>
const Item& at(const std::vector<Item>& items, std::int32_t index, const char* what)
{
    if (index < 1 || index > static_cast<std::int32_t>(items.size()))
        raise(errors::NotFound, std::string("There is no ") + what + " " + std::to_string(index));
    return items[static_cast<std::size_t>(index - 1)];
}

// An enumerator over the objects that objectOf makes of the items, in order.
template <class Items, class ObjectOf>
ComPtr<IUnknown> enumeratorOf(const Items& items, ObjectOf objectOf)
{
    std::vector<Variant> objects;
    for (const auto& item : items) objects.emplace_back(objectOf(item));
    return ComPtr<IUnknown>(platform::com::createVariantEnumerator(std::move(objects)));
}

// Data as a variant: a Byte array, or Null for none.
Variant dataVariant(const std::optional<Bytes>& data);
// The data a variant holds: Null and Empty are none, a Byte array its bytes;
// anything else raises a type mismatch that names the member.
std::optional<Bytes> dataOf(const Variant& data, const char* member);

inline platform::runtime::Date runtimeDate(Date date) { return platform::runtime::Date{date}; }

}  // namespace host::objects
