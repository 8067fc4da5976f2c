#pragma once
// Drawing objects that the chart makes for one drawing step: selected into a
// context for the step and deselected (and, when the chart made them, deleted)
// when the step ends, on every path out of it.

#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/Objects.h"

namespace lumenplot {

class SelectedObject {
public:
    enum Ownership { Borrowed, Owned };

    // Selects object (0: none, nothing happens) into dc.
    SelectedObject(platform::gfx::DcHandle dc, platform::gfx::ObjectHandle object, Ownership ownership = Owned)
        : m_dc(dc), m_object(object), m_ownership(ownership)
    {
        if (m_object) m_previous = platform::gfx::selectObject(m_dc, m_object);
    }
    ~SelectedObject()
    {
        if (m_previous) platform::gfx::selectObject(m_dc, m_previous);
        if (m_object && m_ownership == Owned) platform::gfx::deleteObject(m_object);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

    explicit operator bool() const { return m_previous != 0; }

private:
    platform::gfx::DcHandle m_dc;
    platform::gfx::ObjectHandle m_object;
    Ownership m_ownership;
    platform::gfx::ObjectHandle m_previous = 0;
};

// A memory context compatible with another, deleted at the end.
class MemoryContext {
public:
    explicit MemoryContext(platform::gfx::DcHandle compatible) : m_dc(platform::gfx::createCompatibleDc(compatible)) {}
    ~MemoryContext()
    {
        if (m_dc) platform::gfx::deleteDc(m_dc);
    }
    MemoryContext(const MemoryContext&) = delete;
    MemoryContext& operator=(const MemoryContext&) = delete;

    platform::gfx::DcHandle get() const { return m_dc; }

private:
    platform::gfx::DcHandle m_dc;
};

// The context's drawing state saved for a step and restored after it.
class SavedState {
public:
    explicit SavedState(platform::gfx::DcHandle dc) : m_dc(dc), m_depth(platform::gfx::saveDc(dc)) {}
    ~SavedState()
    {
        if (m_depth) platform::gfx::restoreDc(m_dc, m_depth);
    }
    SavedState(const SavedState&) = delete;
    SavedState& operator=(const SavedState&) = delete;

private:
    platform::gfx::DcHandle m_dc;
    int m_depth;
};

}  // namespace lumenplot
