#include "platform/com/Stream.h"

#include <algorithm>
#include <cstring>

namespace platform::com {

HRESULT MemoryStream::Read(void* buffer, std::uint32_t size, std::uint32_t* read)
{
    if (!buffer && size > 0) return E_POINTER;
    const std::lock_guard lock(m_mutex);
    const std::size_t count = std::min<std::size_t>(size, m_bytes.size() - m_position);
    if (count > 0) std::memcpy(buffer, m_bytes.data() + m_position, count);
    m_position += count;
    if (read) *read = static_cast<std::uint32_t>(count);
    return S_OK;
}

HRESULT MemoryStream::Write(const void* data, std::uint32_t size, std::uint32_t* written)
{
    if (!data && size > 0) return E_POINTER;
    const std::lock_guard lock(m_mutex);
    if (m_position + size > m_bytes.size()) m_bytes.resize(m_position + size);
    if (size > 0) std::memcpy(m_bytes.data() + m_position, data, size);
    m_position += size;
    if (written) *written = size;
    return S_OK;
}

std::vector<std::uint8_t> MemoryStream::bytes() const
{
    const std::lock_guard lock(m_mutex);
    return m_bytes;
}

void MemoryStream::rewind()
{
    const std::lock_guard lock(m_mutex);
    m_position = 0;
}

}  // namespace platform::com
