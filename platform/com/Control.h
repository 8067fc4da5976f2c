#pragma once
// Controls and the containers that site them.
//
// A container gives each control a site: the control reads the container's
// ambient properties through it (background colour, font, ...) and asks it to
// repaint. The control gives the container a widget, which the container
// parents and places. When an ambient property changes, the container tells
// each control, which follows it where it wants to.
//
//     ComPtr<IControl> chart;
//     createInstance(kChartClsid, chart);
//     m_site = make<ControlSite>(this);              // this: the container's widget
//     m_site->setAmbientProperty(DISPID_AMBIENT_BACKCOLOR, Variant(...));
//     m_site->attach(chart.get());                    // sets the site, parents and shows the widget
//     chart->widget()->setGeometry(...);
//     ...
//     m_site->detach();                               // before the container goes

#include "platform/com/DispatchIds.h"
#include "platform/com/IUnknown.h"
#include "platform/runtime/Variant.h"

class QWidget;

namespace platform::com {

class IControlSite : public IUnknown {
public:
    static constexpr IID iid = makeGuid("{EF18BFD8-59C6-41FC-9936-CE01A1BF5D10}");
    using Base = IUnknown;

    // The container's ambient property dispid; DISP_E_MEMBERNOTFOUND when it offers none.
    virtual HRESULT GetAmbientProperty(DISPID dispid, runtime::Variant* value) = 0;
    // Asks the container to redraw the control.
    virtual HRESULT RequestRepaint() = 0;

protected:
    ~IControlSite() = default;
};

class IControl : public IUnknown {
public:
    static constexpr IID iid = makeGuid("{30EA0BEA-55A2-4E2C-A1F2-38A99DC363BF}");
    using Base = IUnknown;

    // Gives the control its site (null takes it away); the control reads the
    // ambient properties it follows now, and every time it is given a site.
    virtual HRESULT SetSite(IControlSite* site) = 0;
    // The container's ambient property dispid changed (DISPID_UNKNOWN: several).
    virtual HRESULT OnAmbientPropertyChange(DISPID dispid) = 0;
    // The control's widget. The control owns it (and holds it so that it
    // notices when a parent deleted it); the container parents and places it.
    virtual QWidget* widget() = 0;

protected:
    ~IControl() = default;
};

}  // namespace platform::com
