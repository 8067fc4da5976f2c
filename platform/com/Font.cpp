#include "platform/com/Font.h"

#include "platform/com/DispatchTable.h"
#include "platform/com/Object.h"

#include <algorithm>
#include <cmath>

namespace platform::com {

namespace {

constexpr std::int16_t kBoldThreshold = 600;

template <class T>
HRESULT give(T* out, const T& value)
{
    if (!out) return E_POINTER;
    *out = value;
    return S_OK;
}

using M = DispatchMember<IFont>;
constexpr M kFontMembers[] = {
    M::property<&IFont::get_Name, &IFont::put_Name>("Name", 0),
    M::property<&IFont::get_Size, &IFont::put_Size>("Size", 2),
    M::property<&IFont::get_Bold, &IFont::put_Bold>("Bold", 3),
    M::property<&IFont::get_Italic, &IFont::put_Italic>("Italic", 4),
    M::property<&IFont::get_Underline, &IFont::put_Underline>("Underline", 5),
    M::property<&IFont::get_Strikethrough, &IFont::put_Strikethrough>("Strikethrough", 6),
    M::property<&IFont::get_Weight, &IFont::put_Weight>("Weight", 7),
    M::property<&IFont::get_Charset, &IFont::put_Charset>("Charset", 8),
};

std::span<const M> fontMembers() { return kFontMembers; }

class Font final : public Object<Dispatched<IFont, fontMembers>> {
public:
    explicit Font(const FontDescription& description) : m_d(description) {}

    FontDescription description() const override { return m_d; }

    HRESULT get_Name(std::string* name) override { return give(name, m_d.name); }
    HRESULT put_Name(const std::string& name) override { return set(m_d.name, name); }
    HRESULT get_Size(double* points) override { return give(points, m_d.size); }
    HRESULT put_Size(double points) override { return set(m_d.size, points); }
    HRESULT get_Bold(bool* bold) override { return give(bold, m_d.weight >= kBoldThreshold); }
    HRESULT put_Bold(bool bold) override { return set(m_d.weight, bold ? kBoldWeight : kNormalWeight); }
    HRESULT get_Italic(bool* italic) override { return give(italic, m_d.italic); }
    HRESULT put_Italic(bool italic) override { return set(m_d.italic, italic); }
    HRESULT get_Underline(bool* underline) override { return give(underline, m_d.underline); }
    HRESULT put_Underline(bool underline) override { return set(m_d.underline, underline); }
    HRESULT get_Strikethrough(bool* strikethrough) override { return give(strikethrough, m_d.strikethrough); }
    HRESULT put_Strikethrough(bool strikethrough) override { return set(m_d.strikethrough, strikethrough); }
    HRESULT get_Weight(std::int16_t* weight) override { return give(weight, m_d.weight); }
    HRESULT put_Weight(std::int16_t weight) override { return set(m_d.weight, weight); }
    HRESULT get_Charset(std::int16_t* charset) override { return give(charset, m_d.charset); }
    HRESULT put_Charset(std::int16_t charset) override { return set(m_d.charset, charset); }

    HRESULT Clone(IFont** copy) override
    {
        if (!copy) return E_POINTER;
        *copy = createFont(m_d).detach();
        return S_OK;
    }

private:
    template <class T>
    static HRESULT set(T& field, const T& value)
    {
        field = value;
        return S_OK;
    }

    FontDescription m_d;
};

}  // namespace

ComPtr<IFont> createFont(const FontDescription& description)
{
    return make<Font>(description);
}

gfx::FontDescription drawingFont(const FontDescription& font, int dotsPerInch)
{
    constexpr double kPointsPerInch = 72.0;
    gfx::FontDescription drawing;
    drawing.face = font.name;
    // Sizes no device can draw are cut to a height that every use of it can hold.
    constexpr double kLargestHeight = 1 << 20;
    const double height = font.size * dotsPerInch / kPointsPerInch;
    drawing.height =
        std::isnan(height) ? 0 : -static_cast<int>(std::lround(std::clamp(height, -kLargestHeight, kLargestHeight)));
    drawing.weight = font.weight;
    drawing.italic = font.italic;
    drawing.underline = font.underline;
    drawing.strikeOut = font.strikethrough;
    drawing.charSet = font.charset;
    return drawing;
}

}  // namespace platform::com
