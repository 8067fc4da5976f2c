#include "platform/gfx/HandleTable.h"

#include <unordered_map>

namespace platform::gfx::detail {
namespace {

struct Table {
    std::unordered_map<Handle, std::unique_ptr<GdiObject>> objects;
    // Handles count up and are never reused, so that a stale handle fails.
    Handle next = 0x100;
};

Table& table()
{
    // Never destroyed: objects left at exit may still look each other up.
    static Table* instance = new Table;
    return *instance;
}

}  // namespace

Handle addObject(std::unique_ptr<GdiObject> object)
{
    Table& t = table();
    const Handle handle = t.next++;
    t.objects.emplace(handle, std::move(object));
    return handle;
}

GdiObject* lookup(Handle handle)
{
    auto& objects = table().objects;
    const auto found = objects.find(handle);
    return found == objects.end() ? nullptr : found->second.get();
}

bool removeObject(Handle handle)
{
    // Taken out of the table before it is destroyed, so that its destructor may
    // use the table.
    auto node = table().objects.extract(handle);
    return !node.empty();
}

}  // namespace platform::gfx::detail
