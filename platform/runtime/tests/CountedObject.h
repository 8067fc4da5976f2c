#pragma once
// A minimal component object for tests: counts its references.

#include "platform/com/IUnknown.h"

namespace platform::runtime::testing {

class CountedObject : public com::IUnknown {
public:
    com::HRESULT QueryInterface(const com::IID& iid, void** object) override
    {
        if (!object) return com::E_POINTER;
        *object = iid == com::IUnknown::iid ? this : nullptr;
        if (!*object) return com::E_NOINTERFACE;
        AddRef();
        return com::S_OK;
    }
    std::uint32_t AddRef() override { return ++references; }
    std::uint32_t Release() override { return --references; }  // lives on the test's stack

    std::uint32_t references = 0;
};

}  // namespace platform::runtime::testing
