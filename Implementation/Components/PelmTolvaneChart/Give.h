#pragma once
// The get half of a property: the value into the caller's out parameter.

#include "platform/com/HResult.h"

namespace lumenplot {

template <class T, class V>
platform::com::HRESULT give(T* out, const V& value)
{
    if (!out) return platform::com::E_POINTER;
    *out = value;
    return platform::com::S_OK;
}

}  // namespace lumenplot
