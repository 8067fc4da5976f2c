#pragma once
// Inside the drawing service: the table behind the integer handles. Every
// drawing object derives from GdiObject; the table owns it until it is removed.

#include "platform/gfx/Types.h"

#include <memory>

namespace platform::gfx::detail {

class GdiObject {
public:
    virtual ~GdiObject() = default;
    int selections = 0;  // how many contexts have it selected
    bool stock = false;  // shared and never deleted
};

Handle addObject(std::unique_ptr<GdiObject> object);
GdiObject* lookup(Handle handle);
// Removes and destroys the object; false for an unknown handle.
bool removeObject(Handle handle);

template <class T>
T* find(Handle handle)
{
    return dynamic_cast<T*>(lookup(handle));
}

}  // namespace platform::gfx::detail
