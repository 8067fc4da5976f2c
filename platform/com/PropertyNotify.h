#pragma once
// Property-change notification: a control asks its listeners before a
// property changes (any of them may refuse) and tells them after.
//
//     class Chart : public Object<IChart, PropertyNotifications> { ... };
//     if (!requestEdit(DISPID_FONT)) return S_FALSE;
//     ...change it...
//     changed(DISPID_FONT);

#include "platform/com/ConnectionPoint.h"
#include "platform/com/DispatchIds.h"

namespace platform::com {

class IPropertyNotifySink : public IUnknown {
public:
    static constexpr IID iid = makeGuid("{9BFBBC02-EFF1-101A-84ED-00AA00341D07}");
    using Base = IUnknown;

    virtual HRESULT OnChanged(DISPID dispid) = 0;
    // S_OK lets the change happen; S_FALSE refuses it.
    virtual HRESULT OnRequestEdit(DISPID dispid) = 0;

protected:
    ~IPropertyNotifySink() = default;
};

// The connection points of an object, with one for IPropertyNotifySink.
class PropertyNotifications : public ConnectionPoints {
protected:
    PropertyNotifications() { addConnectionPoint(IPropertyNotifySink::iid); }
    ~PropertyNotifications() = default;

    // Whether every listener lets the property change (all are asked).
    bool requestEdit(DISPID dispid);
    void changed(DISPID dispid);
};

}  // namespace platform::com
