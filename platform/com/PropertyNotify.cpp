#include "platform/com/PropertyNotify.h"

namespace platform::com {

bool PropertyNotifications::requestEdit(DISPID dispid)
{
    bool allowed = true;
    fire<IPropertyNotifySink>([&](IPropertyNotifySink* sink) {
        const HRESULT hr = sink->OnRequestEdit(dispid);
        if (hr == S_FALSE) allowed = false;
        return hr;
    });
    return allowed;
}

void PropertyNotifications::changed(DISPID dispid)
{
    fire<IPropertyNotifySink>([dispid](IPropertyNotifySink* sink) { return sink->OnChanged(dispid); });
}

}  // namespace platform::com
