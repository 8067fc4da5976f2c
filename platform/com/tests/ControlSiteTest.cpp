#include "platform/com/ControlSite.h"
#include "platform/com/Font.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace platform::com;
using platform::runtime::Variant;

constexpr std::int32_t kDefaultBackColour = 0xFF0000;

// A control that takes its font and background colour from its container's
// ambient properties, as charts do.
class Swatch final : public Object<IControl> {
public:
    Swatch() : m_widget(std::make_unique<QWidget>()) {}

    HRESULT SetSite(IControlSite* site) override
    {
        m_site = ComPtr<IControlSite>(site);
        if (site) followAmbient(DISPID_UNKNOWN);
        return S_OK;
    }

    HRESULT OnAmbientPropertyChange(DISPID dispid) override
    {
        followAmbient(dispid);
        return S_OK;
    }

    QWidget* widget() override { return m_widget.get(); }

    std::int32_t backColour = kDefaultBackColour;
    ComPtr<IFont> font;
    ComPtr<IControlSite> m_site;

private:
    void followAmbient(DISPID dispid)
    {
        Variant value;
        if ((dispid == DISPID_UNKNOWN || dispid == DISPID_AMBIENT_BACKCOLOR) &&
            m_site->GetAmbientProperty(DISPID_AMBIENT_BACKCOLOR, &value) == S_OK)
            backColour = value.toLong();
        if ((dispid == DISPID_UNKNOWN || dispid == DISPID_AMBIENT_FONT) &&
            m_site->GetAmbientProperty(DISPID_AMBIENT_FONT, &value) == S_OK)
            font = value.toObject().as<IFont>();
        if (!font) font = createFont();
    }

    std::unique_ptr<QWidget> m_widget;
};

struct ControlSiting : ::testing::Test {
    QWidget container;
    ComPtr<ControlSite> site = make<ControlSite>(&container);
    ComPtr<Swatch> control = make<Swatch>();
};

TEST_F(ControlSiting, AControlTakesTheAmbientFontAndColourAndFollowsTheirChanges)
{
    const ComPtr<IFont> ambientFont = createFont({"DejaVu Sans", 9.0});
    site->setAmbientProperty(DISPID_AMBIENT_BACKCOLOR, Variant(0x00C0C0));
    site->setAmbientProperty(DISPID_AMBIENT_FONT, Variant(ambientFont));
    ASSERT_EQ(site->attach(control.get()), S_OK);
    EXPECT_EQ(control->backColour, 0x00C0C0);
    EXPECT_EQ(control->font, ambientFont) << "the container's font object itself";
    EXPECT_EQ(control->widget()->parentWidget(), &container);

    site->setAmbientProperty(DISPID_AMBIENT_BACKCOLOR, Variant(0x123456));
    EXPECT_EQ(control->backColour, 0x123456);
    EXPECT_EQ(site->RequestRepaint(), S_OK);

    site->detach();
    EXPECT_FALSE(control->m_site) << "the control still holds its site";
    EXPECT_EQ(control->widget()->parentWidget(), nullptr);
    site->setAmbientProperty(DISPID_AMBIENT_BACKCOLOR, Variant(0x654321));
    EXPECT_EQ(control->backColour, 0x123456) << "a detached control still follows its old container";
}

TEST_F(ControlSiting, AContainerWithoutAmbientPropertiesLeavesTheControlItsDefaults)
{
    Variant value;
    EXPECT_EQ(site->GetAmbientProperty(DISPID_AMBIENT_FONT, &value), DISP_E_MEMBERNOTFOUND);
    ASSERT_EQ(site->attach(control.get()), S_OK);
    EXPECT_EQ(control->backColour, kDefaultBackColour);
    EXPECT_EQ(control->font->description(), FontDescription{});
    site->detach();
}

}  // namespace
