#pragma once
// Class factories: the objects through which a library creates instances of
// one of its classes.

#include "platform/com/Object.h"

#include <concepts>
#include <new>

namespace platform::com {

class IClassFactory : public IUnknown {
public:
    static constexpr IID iid = makeGuid("{00000001-0000-0000-C000-000000000046}");
    using Base = IUnknown;

    // A new instance asked for interface iid. Aggregation is not offered: a
    // non-null outer gives CLASS_E_NOAGGREGATION.
    virtual HRESULT CreateInstance(IUnknown* outer, const IID& iid, void** object) = 0;
    // While locked, the library stays loaded even when none of its objects lives.
    virtual HRESULT LockServer(bool lock) = 0;

protected:
    ~IClassFactory() = default;
};

// Creates one instance of a class and asks it for an interface.
using CreateFunction = HRESULT (*)(const IID& iid, void** object);

// The CreateFunction of class T: constructs it, runs its `HRESULT
// finalConstruct()` when it has one (a failure there is the creation's result
// and the object is destroyed), then asks for the interface.
template <class T>
HRESULT createObject(const IID& iid, void** object)
{
    if (!object) return E_POINTER;
    *object = nullptr;
    ComPtr<T> instance;
    try {
        instance = make<T>();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    if constexpr (requires(T& t) { { t.finalConstruct() } -> std::same_as<HRESULT>; }) {
        const HRESULT hr = instance->finalConstruct();
        if (failed(hr)) return hr;
    }
    return instance->QueryInterface(iid, object);
}

// A factory over a CreateFunction. Hidden, so that every library has its own
// copy and the factory counts against the library whose code it calls.
class [[gnu::visibility("hidden")]] ClassFactory final : public Object<IClassFactory> {
public:
    explicit ClassFactory(CreateFunction create) : m_create(create) {}

    HRESULT CreateInstance(IUnknown* outer, const IID& iid, void** object) override
    {
        if (!object) return E_POINTER;
        *object = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        return m_create(iid, object);
    }

    HRESULT LockServer(bool lock) override
    {
        if (lock)
            lockLibrary();
        else
            unlockLibrary();
        return S_OK;
    }

private:
    CreateFunction m_create;
};

}  // namespace platform::com
