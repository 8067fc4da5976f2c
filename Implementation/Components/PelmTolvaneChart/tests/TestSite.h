#pragma once
// Test help: a container's site for a chart, offering the ambient properties
// it is given and counting the chart's repaint requests.

#include "platform/com/Control.h"
#include "platform/com/Object.h"

#include <map>

namespace lumenplot::test {

class TestSite final : public platform::com::Object<platform::com::IControlSite> {
public:
    std::map<platform::com::DISPID, platform::runtime::Variant> ambient;
    int repaints = 0;

    platform::com::HRESULT GetAmbientProperty(platform::com::DISPID dispid, platform::runtime::Variant* value) override
    {
        const auto found = ambient.find(dispid);
        if (found == ambient.end()) return platform::com::DISP_E_MEMBERNOTFOUND;
        *value = found->second;
        return platform::com::S_OK;
    }

    platform::com::HRESULT RequestRepaint() override
    {
        ++repaints;
        return platform::com::S_OK;
    }
};

}  // namespace lumenplot::test
