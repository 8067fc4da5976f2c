#include "platform/com/DispatchSink.h"

#include <algorithm>

namespace platform::com {

HRESULT DispatchSink::GetIDsOfNames(std::span<const std::string> names, DISPID* dispids)
{
    if (!dispids) return E_POINTER;
    std::fill_n(dispids, names.size(), DISPID_UNKNOWN);
    return names.empty() ? S_OK : DISP_E_UNKNOWNNAME;
}

HRESULT DispatchSink::Invoke(DISPID dispid, std::uint16_t flags, std::span<Variant> args, Variant* result,
                             ExceptionInfo* exception)
{
    if (!(flags & DISPATCH_METHOD)) return DISP_E_MEMBERNOTFOUND;
    return m_handler(dispid, args);
}

}  // namespace platform::com
