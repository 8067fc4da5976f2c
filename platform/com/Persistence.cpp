#include "platform/com/Persistence.h"

#include <QBuffer>
#include <QByteArray>

#include <algorithm>
#include <bit>
#include <cstring>
#include <string>

namespace platform::com {

namespace {

// What each property record starts with.
enum class Tag : std::uint8_t { None = 0, Font = 'F', Picture = 'P' };

constexpr std::uint32_t kMaxNameLength = 1024;
constexpr std::uint32_t kMaxPictureBytes = 64u << 20;
// Font sizes in points: more than any page or screen can show is damage.
constexpr double kLargestFontSize = 4096.0;

enum FontFlags : std::uint8_t { Italic = 1, Underline = 2, Strikethrough = 4 };

// Values are written little-endian whatever the machine.
class Writer {
public:
    explicit Writer(IStream* stream) : m_stream(stream) {}

    template <class T>
    void value(T v)
    {
        std::uint8_t bytes[sizeof(T)];
        std::memcpy(bytes, &v, sizeof(T));
        if constexpr (std::endian::native == std::endian::big) std::reverse(std::begin(bytes), std::end(bytes));
        raw(bytes, sizeof(T));
    }

    void raw(const void* data, std::size_t size)
    {
        if (succeeded(m_result)) m_result = m_stream->Write(data, static_cast<std::uint32_t>(size), nullptr);
    }

    HRESULT result() const { return m_result; }

private:
    IStream* m_stream;
    HRESULT m_result = S_OK;
};

class Reader {
public:
    explicit Reader(IStream* stream) : m_stream(stream) {}

    template <class T>
    T value()
    {
        std::uint8_t bytes[sizeof(T)]{};
        raw(bytes, sizeof(T));
        if constexpr (std::endian::native == std::endian::big) std::reverse(std::begin(bytes), std::end(bytes));
        T v;
        std::memcpy(&v, bytes, sizeof(T));
        return v;
    }

    void raw(void* buffer, std::size_t size)
    {
        if (failed(m_result)) return;
        std::uint32_t read = 0;
        m_result = m_stream->Read(buffer, static_cast<std::uint32_t>(size), &read);
        if (succeeded(m_result) && read != size) m_result = STG_E_READFAULT;
    }

    // A length field, refused when above the limit.
    std::uint32_t length(std::uint32_t limit)
    {
        const auto n = value<std::uint32_t>();
        if (succeeded(m_result) && n > limit) m_result = STG_E_INVALIDHEADER;
        return succeeded(m_result) ? n : 0;
    }

    void invalid() { m_result = STG_E_INVALIDHEADER; }
    HRESULT result() const { return m_result; }

private:
    IStream* m_stream;
    HRESULT m_result = S_OK;
};

// Reads the tag; true when the record holds a value of the expected kind.
bool readTag(Reader& in, Tag expected)
{
    const auto tag = static_cast<Tag>(in.value<std::uint8_t>());
    if (failed(in.result()) || tag == Tag::None) return false;
    if (tag != expected) in.invalid();
    return succeeded(in.result());
}

}  // namespace

HRESULT writeFont(IStream* stream, IFont* font)
{
    if (!stream) return E_POINTER;
    Writer out(stream);
    if (!font) {
        out.value(static_cast<std::uint8_t>(Tag::None));
        return out.result();
    }
    const FontDescription d = font->description();
    out.value(static_cast<std::uint8_t>(Tag::Font));
    out.value(static_cast<std::uint32_t>(d.name.size()));
    out.raw(d.name.data(), d.name.size());
    out.value(d.size);
    out.value(d.weight);
    out.value(d.charset);
    out.value(static_cast<std::uint8_t>((d.italic ? Italic : 0) | (d.underline ? Underline : 0) |
                                        (d.strikethrough ? Strikethrough : 0)));
    return out.result();
}

HRESULT readFont(IStream* stream, ComPtr<IFont>* font)
{
    if (!stream || !font) return E_POINTER;
    font->reset();
    Reader in(stream);
    if (!readTag(in, Tag::Font)) return in.result();
    FontDescription d;
    d.name.resize(in.length(kMaxNameLength));
    in.raw(d.name.data(), d.name.size());
    d.size = in.value<double>();
    d.weight = in.value<std::int16_t>();
    d.charset = in.value<std::int16_t>();
    const auto flags = in.value<std::uint8_t>();
    if (failed(in.result())) return in.result();
    if (!(d.size > 0 && d.size <= kLargestFontSize)) return STG_E_INVALIDHEADER;
    d.italic = flags & Italic;
    d.underline = flags & Underline;
    d.strikethrough = flags & Strikethrough;
    *font = createFont(d);
    return S_OK;
}

HRESULT writePicture(IStream* stream, IPicture* picture)
{
    if (!stream) return E_POINTER;
    Writer out(stream);
    if (!picture) {
        out.value(static_cast<std::uint8_t>(Tag::None));
        return out.result();
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!picture->image().save(&buffer, "PNG")) return E_FAIL;
    if (static_cast<std::uint64_t>(png.size()) > kMaxPictureBytes) return E_INVALIDARG;
    out.value(static_cast<std::uint8_t>(Tag::Picture));
    out.value(static_cast<std::uint32_t>(png.size()));
    out.raw(png.constData(), static_cast<std::size_t>(png.size()));
    return out.result();
}

HRESULT readPicture(IStream* stream, ComPtr<IPicture>* picture)
{
    if (!stream || !picture) return E_POINTER;
    picture->reset();
    Reader in(stream);
    if (!readTag(in, Tag::Picture)) return in.result();
    QByteArray png(static_cast<qsizetype>(in.length(kMaxPictureBytes)), '\0');
    in.raw(png.data(), static_cast<std::size_t>(png.size()));
    if (failed(in.result())) return in.result();
    QImage image;
    if (!image.loadFromData(png, "PNG")) return STG_E_INVALIDHEADER;
    *picture = createPicture(image);
    return S_OK;
}

}  // namespace platform::com
