#pragma once
// Byte streams: where an object saves its state and loads it from.

#include "platform/com/Object.h"

#include <cstdint>
#include <mutex>
#include <vector>

namespace platform::com {

class IStream : public IUnknown {
public:
    static constexpr IID iid = makeGuid("{0000000C-0000-0000-C000-000000000046}");
    using Base = IUnknown;

    // Reads up to size bytes; *read (optional) gets how many, fewer only at the end.
    virtual HRESULT Read(void* buffer, std::uint32_t size, std::uint32_t* read) = 0;
    // Writes size bytes at the current position.
    virtual HRESULT Write(const void* data, std::uint32_t size, std::uint32_t* written) = 0;

protected:
    ~IStream() = default;
};

// A stream over bytes in memory; reading and writing share one position.
class MemoryStream final : public Object<IStream> {
public:
    explicit MemoryStream(std::vector<std::uint8_t> bytes = {}) : m_bytes(std::move(bytes)) {}

    HRESULT Read(void* buffer, std::uint32_t size, std::uint32_t* read) override;
    HRESULT Write(const void* data, std::uint32_t size, std::uint32_t* written) override;

    std::vector<std::uint8_t> bytes() const;
    // Back to the start, to read what was written.
    void rewind();

private:
    mutable std::mutex m_mutex;
    std::vector<std::uint8_t> m_bytes;
    std::size_t m_position = 0;
};

}  // namespace platform::com
