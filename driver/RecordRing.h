#pragma once
// A ring of result records between the parsers and ReadAudiMeas: 201 slots,
// at most 200 records; a full ring drops the new record. The slots are one
// block allocated up front, so that a library that could not get its memory
// never runs rather than failing in the middle of a measurement.

#include <cstddef>
#include <cstdlib>
#include <memory>
#include <type_traits>

namespace marlet {

// Zero-filled memory of the given size, or null.
using ZeroedAllocator = void* (*)(std::size_t bytes);

inline void* zeroedAllocation(std::size_t bytes)
{
    return std::calloc(1, bytes);
}

template <typename Record>
class RecordRing {
    static_assert(std::is_trivially_copyable_v<Record> && std::is_trivially_default_constructible_v<Record>);

public:
    static constexpr int kSlots = 201;
    static constexpr int kCapacity = kSlots - 1;

    explicit RecordRing(ZeroedAllocator allocate = zeroedAllocation)
        : m_slots(static_cast<Record*>(allocate(sizeof(Record) * kSlots)))
    {
    }

    // False when the slots could not be allocated; such a ring holds nothing.
    bool allocated() const { return m_slots != nullptr; }
    bool empty() const { return m_read == m_write; }
    bool full() const { return (m_write + 1) % kSlots == m_read; }
    int size() const { return (m_write - m_read + kSlots) % kSlots; }

    // False when the record was dropped (ring full or not allocated).
    bool push(const Record& record)
    {
        if (!allocated() || full())
            return false;
        m_slots.get()[m_write] = record;
        m_write = (m_write + 1) % kSlots;
        return true;
    }

    // The oldest record, or null when the ring is empty.
    const Record* front() const { return empty() ? nullptr : m_slots.get() + m_read; }

    // Moves the oldest record into `out`; false when the ring is empty.
    bool pop(Record& out)
    {
        if (empty())
            return false;
        out = m_slots.get()[m_read];
        m_read = (m_read + 1) % kSlots;
        return true;
    }

    void clear() { m_read = m_write; }

private:
    struct Free {
        void operator()(Record* records) const { std::free(records); }
    };

    std::unique_ptr<Record, Free> m_slots;
    int m_read = 0;
    int m_write = 0;
};

}  // namespace marlet
