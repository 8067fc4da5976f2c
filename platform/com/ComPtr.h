#pragma once
// An owning reference to a component interface: AddRef on copy, Release on destruction.

#include "platform/com/IUnknown.h"

#include <utility>

namespace platform::com {

template <class T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(std::nullptr_t) {}
    // Takes a new reference to the object.
    explicit ComPtr(T* object) : m_object(object) { if (m_object) m_object->AddRef(); }
    ComPtr(const ComPtr& other) : ComPtr(other.m_object) {}
    ComPtr(ComPtr&& other) noexcept : m_object(std::exchange(other.m_object, nullptr)) {}
    template <class U>
    ComPtr(const ComPtr<U>& other) : ComPtr(static_cast<T*>(other.get())) {}
    ~ComPtr() { reset(); }

    ComPtr& operator=(ComPtr other) noexcept
    {
        std::swap(m_object, other.m_object);
        return *this;
    }

    // Adopts a reference the caller already owns (from QueryInterface or a factory).
    static ComPtr adopt(T* object)
    {
        ComPtr result;
        result.m_object = object;
        return result;
    }

    // Gives up ownership of the reference without releasing it.
    T* detach() { return std::exchange(m_object, nullptr); }

    void reset()
    {
        if (T* object = std::exchange(m_object, nullptr)) object->Release();
    }

    // For calls that hand back a new reference through a T** out parameter.
    T** put()
    {
        reset();
        return &m_object;
    }
    void** putVoid() { return reinterpret_cast<void**>(put()); }

    T* get() const { return m_object; }
    T* operator->() const { return m_object; }
    T& operator*() const { return *m_object; }
    explicit operator bool() const { return m_object != nullptr; }

    // The object's interface U, or null when it has none.
    template <class U>
    ComPtr<U> as() const
    {
        ComPtr<U> result;
        if (m_object) m_object->QueryInterface(U::iid, result.putVoid());
        return result;
    }

    friend bool operator==(const ComPtr& a, const ComPtr& b) { return a.m_object == b.m_object; }

private:
    T* m_object = nullptr;
};

}  // namespace platform::com
