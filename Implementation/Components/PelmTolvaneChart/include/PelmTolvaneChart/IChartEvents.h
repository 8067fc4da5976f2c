#pragma once
// _IChartEvents: what a chart tells its container, as dispatch calls to the
// sinks connected at its connection point. A sink offers this interface and
// takes the calls in Invoke, by these dispatch ids; PlotPoint, RightClick and
// UnPlotPoint pass two doubles, X first.

#include "platform/com/Dispatch.h"

namespace lumenplot {

namespace event_dispid {
inline constexpr platform::com::DISPID Click = 1;  // declared, never raised
inline constexpr platform::com::DISPID PlotPoint = 2;
inline constexpr platform::com::DISPID RightClick = 3;
inline constexpr platform::com::DISPID UnPlotPoint = 4;
}  // namespace event_dispid

class _IChartEvents : public platform::com::IDispatch {
public:
    static constexpr platform::com::IID iid = platform::com::makeGuid("{4E975E37-A1F4-476D-83CE-6F0E694B054E}");
    using Base = platform::com::IDispatch;

protected:
    ~_IChartEvents() = default;
};

}  // namespace lumenplot
