#include "host/com/ObjectSupport.h"

#include "host/HostErrors.h"

#include "platform/runtime/RuntimeError.h"

namespace host::objects {

Variant dataVariant(const std::optional<Bytes>& data)
{
    return data ? Variant::fromBytes(*data) : Variant::null();
}

std::optional<Bytes> dataOf(const Variant& data, const char* member)
{
    if (data.isNull() || data.isEmpty()) return std::nullopt;
    const auto* array = data.array();
    if (!array || array->elementType() != platform::runtime::VarType::Byte || array->dimensions() != 1)
        raise(platform::runtime::errors::TypeMismatch, std::string(member) + " takes a Byte array or Null");
    return data.toBytes();
}

}  // namespace host::objects
