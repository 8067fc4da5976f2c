#pragma once
// The base of every component object.
//
//     class Line : public Object<ILine, IConnectionPointContainer> { ... };
//     ComPtr<ILine> line = make<Line>();
//
// Object implements IUnknown for the interfaces it lists: QueryInterface finds
// each listed interface and every interface it derives from (each interface
// names its parent as `Base`, IUnknown ends the chain), reference counts are
// atomic, so references may be taken and dropped on any thread, and the last
// Release deletes the object. An interface may be listed through a class that
// implements part of it (a mixin deriving from that one interface only).
//
// Every living object and every server lock counts against the library that
// compiled it, so that the library can tell whether it may be unloaded.

#include "platform/com/ComPtr.h"
#include "platform/com/IUnknown.h"

#include <atomic>
#include <cstdint>
#include <type_traits>
#include <utility>

namespace platform::com {

namespace detail {

// One counter per shared object (hidden visibility): a component library
// counts its own objects and locks, not those of the libraries it uses.
[[gnu::visibility("hidden")]] inline std::atomic<long> g_libraryLocks{0};

template <class I>
void* findInterface(I* object, const IID& iid)
{
    if constexpr (std::is_same_v<I, IUnknown>) {
        return nullptr;
    } else {
        if (iid == I::iid) return object;
        return findInterface<typename I::Base>(object, iid);
    }
}

}  // namespace detail

// The objects and server locks of the calling library that are alive now.
[[gnu::visibility("hidden")]] inline long libraryLockCount() { return detail::g_libraryLocks.load(); }

// Keeps the calling library loaded while held (a factory's LockServer).
[[gnu::visibility("hidden")]] inline void lockLibrary() { ++detail::g_libraryLocks; }
[[gnu::visibility("hidden")]] inline void unlockLibrary() { --detail::g_libraryLocks; }

template <class First, class... Rest>
class Object : public First, public Rest... {
public:
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;

    HRESULT QueryInterface(const IID& iid, void** object) override
    {
        if (!object) return E_POINTER;
        *object = find(iid);
        if (!*object) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }

    std::uint32_t AddRef() override { return ++m_references; }

    std::uint32_t Release() override
    {
        const std::uint32_t left = --m_references;
        if (left == 0) delete this;
        return left;
    }

protected:
    // Always inlined, so that the count lands in the library of the concrete
    // class even when another library instantiates the same Object<...>.
    [[gnu::always_inline]] Object() { lockLibrary(); }
    [[gnu::always_inline]] virtual ~Object() { unlockLibrary(); }

    // This object's identity: the IUnknown that every QueryInterface for IUnknown gives.
    IUnknown* identity() { return static_cast<First*>(this); }

private:
    void* find(const IID& iid)
    {
        if (iid == IUnknown::iid) return identity();
        void* found = detail::findInterface<First>(this, iid);
        ((found = found ? found : detail::findInterface<Rest>(this, iid)), ...);
        return found;
    }

    std::atomic<std::uint32_t> m_references{0};
};

// A new object of class T holding its first reference.
template <class T, class... Args>
ComPtr<T> make(Args&&... args)
{
    return ComPtr<T>(new T(std::forward<Args>(args)...));
}

}  // namespace platform::com
