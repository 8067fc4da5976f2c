#include "platform/com/Font.h"

#include "platform/com/Object.h"

namespace platform::com {

namespace {

constexpr std::int16_t kBoldThreshold = 600;

class Font final : public Object<IFont> {
public:
    explicit Font(const FontDescription& description) : m_description(description) {}

    FontDescription description() const override { return m_description; }

    std::string name() const override { return m_description.name; }
    void setName(const std::string& name) override { m_description.name = name; }
    double size() const override { return m_description.size; }
    void setSize(double points) override { m_description.size = points; }
    std::int16_t weight() const override { return m_description.weight; }
    void setWeight(std::int16_t weight) override { m_description.weight = weight; }
    bool bold() const override { return m_description.weight >= kBoldThreshold; }
    void setBold(bool bold) override { m_description.weight = bold ? kBoldWeight : kNormalWeight; }
    bool italic() const override { return m_description.italic; }
    void setItalic(bool italic) override { m_description.italic = italic; }
    bool underline() const override { return m_description.underline; }
    void setUnderline(bool underline) override { m_description.underline = underline; }
    bool strikethrough() const override { return m_description.strikethrough; }
    void setStrikethrough(bool strikethrough) override { m_description.strikethrough = strikethrough; }
    std::int16_t charset() const override { return m_description.charset; }
    void setCharset(std::int16_t charset) override { m_description.charset = charset; }

    ComPtr<IFont> clone() const override { return createFont(m_description); }

private:
    FontDescription m_description;
};

}  // namespace

ComPtr<IFont> createFont(const FontDescription& description)
{
    return make<Font>(description);
}

}  // namespace platform::com
