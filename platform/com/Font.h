#pragma once
// Font objects: the description of a font that controls keep and share (the
// container's ambient font, a control's font properties), reachable through
// dispatch as well. A font object knows nothing of widgets or devices;
// drawing code turns its description into what it draws with.

#include "platform/com/ComPtr.h"
#include "platform/com/Dispatch.h"
#include "platform/gfx/Objects.h"

#include <cstdint>
#include <string>

namespace platform::com {

inline constexpr std::int16_t kNormalWeight = 400;
inline constexpr std::int16_t kBoldWeight = 700;
inline constexpr std::int16_t kDefaultCharset = 1;

struct FontDescription {
    std::string name = "Arial";
    double size = 10.0;  // points
    std::int16_t weight = kNormalWeight;
    std::int16_t charset = kDefaultCharset;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;

    friend bool operator==(const FontDescription&, const FontDescription&) = default;
};

// The font interface, dual: its dispatch ids are Name 0, Size 2, Bold 3,
// Italic 4, Underline 5, Strikethrough 6, Weight 7, Charset 8.
class IFont : public IDispatch {
public:
    static constexpr IID iid = makeGuid("{BEF6E003-A874-101A-8BBA-00AA00300CAB}");
    using Base = IDispatch;

    virtual FontDescription description() const = 0;

    virtual HRESULT get_Name(std::string* name) = 0;
    virtual HRESULT put_Name(const std::string& name) = 0;
    virtual HRESULT get_Size(double* points) = 0;
    virtual HRESULT put_Size(double points) = 0;
    // Bold is a weight of 600 or more; putting it sets the weight to 700 or 400.
    virtual HRESULT get_Bold(bool* bold) = 0;
    virtual HRESULT put_Bold(bool bold) = 0;
    virtual HRESULT get_Italic(bool* italic) = 0;
    virtual HRESULT put_Italic(bool italic) = 0;
    virtual HRESULT get_Underline(bool* underline) = 0;
    virtual HRESULT put_Underline(bool underline) = 0;
    virtual HRESULT get_Strikethrough(bool* strikethrough) = 0;
    virtual HRESULT put_Strikethrough(bool strikethrough) = 0;
    virtual HRESULT get_Weight(std::int16_t* weight) = 0;
    virtual HRESULT put_Weight(std::int16_t weight) = 0;
    virtual HRESULT get_Charset(std::int16_t* charset) = 0;
    virtual HRESULT put_Charset(std::int16_t charset) = 0;
    // An independent font object with the same description.
    virtual HRESULT Clone(IFont** copy) = 0;

protected:
    ~IFont() = default;
};

// A new font object; the default description is "Arial", 10 points, weight 400,
// default character set, neither italic, underlined nor struck out.
ComPtr<IFont> createFont(const FontDescription& description = {});

// The drawing font of this description on a device of the given resolution:
// its character height in device units (negative, as drawing fonts give it),
// not rotated.
gfx::FontDescription drawingFont(const FontDescription& font, int dotsPerInch = 96);

}  // namespace platform::com
