#pragma once
// Font objects: the description of a font that controls keep and share (the
// container's ambient font, a control's font properties). A font object knows
// nothing of widgets or devices; drawing code turns its description into what
// it draws with.

#include "platform/com/ComPtr.h"
#include "platform/com/IUnknown.h"

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

class IFont : public IUnknown {
public:
    static constexpr IID iid = makeGuid("{BEF6E002-A874-101A-8BBA-00AA00300CAB}");
    using Base = IUnknown;

    virtual FontDescription description() const = 0;

    virtual std::string name() const = 0;
    virtual void setName(const std::string& name) = 0;
    virtual double size() const = 0;
    virtual void setSize(double points) = 0;
    virtual std::int16_t weight() const = 0;
    virtual void setWeight(std::int16_t weight) = 0;
    // Bold is a weight of 600 or more; setting it sets the weight to 700 or 400.
    virtual bool bold() const = 0;
    virtual void setBold(bool bold) = 0;
    virtual bool italic() const = 0;
    virtual void setItalic(bool italic) = 0;
    virtual bool underline() const = 0;
    virtual void setUnderline(bool underline) = 0;
    virtual bool strikethrough() const = 0;
    virtual void setStrikethrough(bool strikethrough) = 0;
    virtual std::int16_t charset() const = 0;
    virtual void setCharset(std::int16_t charset) = 0;

    // An independent font object with the same description.
    virtual ComPtr<IFont> clone() const = 0;

protected:
    ~IFont() = default;
};

// A new font object; the default description is "Arial", 10 points, weight 400,
// default character set, neither italic, underlined nor struck out.
ComPtr<IFont> createFont(const FontDescription& description = {});

}  // namespace platform::com
