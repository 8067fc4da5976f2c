#pragma once
// The container's side of one sited control: the ambient properties it offers
// the control, and the widget that parents the control's widget.

#include "platform/com/ComPtr.h"
#include "platform/com/Control.h"
#include "platform/com/Object.h"

#include <QPointer>
#include <QWidget>

#include <map>

namespace platform::com {

class ControlSite final : public Object<IControlSite> {
public:
    explicit ControlSite(QWidget* container) : m_container(container) {}

    // Sites the control: gives it this site first, then parents its widget in
    // the container and shows it. A control sited before is detached first.
    HRESULT attach(IControl* control);
    // Takes the site away from the control and its widget out of the
    // container; the site and the control no longer hold each other.
    void detach();
    IControl* control() const { return m_control.get(); }

    // Sets an ambient property and tells the sited control.
    void setAmbientProperty(DISPID dispid, const runtime::Variant& value);

    HRESULT GetAmbientProperty(DISPID dispid, runtime::Variant* value) override;
    HRESULT RequestRepaint() override;

private:
    QPointer<QWidget> m_container;
    ComPtr<IControl> m_control;
    std::map<DISPID, runtime::Variant> m_ambient;
};

}  // namespace platform::com
