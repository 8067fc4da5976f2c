#include "platform/com/ControlSite.h"

namespace platform::com {

HRESULT ControlSite::attach(IControl* control)
{
    if (!control) return E_POINTER;
    detach();
    m_control = ComPtr<IControl>(control);
    if (const HRESULT hr = control->SetSite(this); failed(hr)) {
        m_control.reset();
        return hr;
    }
    if (QWidget* widget = control->widget(); widget && m_container) {
        widget->setParent(m_container);
        widget->show();
    }
    return S_OK;
}

void ControlSite::detach()
{
    const ComPtr<IControl> control = std::move(m_control);
    if (!control) return;
    if (QWidget* widget = control->widget()) {
        widget->hide();
        widget->setParent(nullptr);
    }
    control->SetSite(nullptr);
}

void ControlSite::setAmbientProperty(DISPID dispid, const runtime::Variant& value)
{
    m_ambient[dispid] = value;
    if (m_control) m_control->OnAmbientPropertyChange(dispid);
}

HRESULT ControlSite::GetAmbientProperty(DISPID dispid, runtime::Variant* value)
{
    if (!value) return E_POINTER;
    const auto found = m_ambient.find(dispid);
    if (found == m_ambient.end()) return DISP_E_MEMBERNOTFOUND;
    *value = found->second;
    return S_OK;
}

HRESULT ControlSite::RequestRepaint()
{
    if (!m_control) return E_UNEXPECTED;
    if (QWidget* widget = m_control->widget()) widget->update();
    return S_OK;
}

}  // namespace platform::com
