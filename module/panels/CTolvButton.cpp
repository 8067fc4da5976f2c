#include "module/panels/CTolvButton.h"

#include "module/panels/PaletteButton.h"
#include "platform/ui/MessageBox.h"

namespace brisance {

namespace runtime = platform::runtime;

namespace {

bool isNumber(const runtime::Variant& value)
{
    if (value.isArray())
        return false;
    switch (value.type()) {
    case runtime::VarType::Integer:
    case runtime::VarType::Long:
    case runtime::VarType::Single:
    case runtime::VarType::Double:
    case runtime::VarType::Currency:
    case runtime::VarType::Byte: return true;
    default: return false;
    }
}

}  // namespace

void CTolvButton::AlwaysActAsOneButton(bool value)
{
    m_alwaysActAsOneButton = value;
    repaintParent();
}

PaletteButton* CTolvButton::Parent() const
{
    return m_parent;
}

void CTolvButton::Parent(PaletteButton* button)
{
    m_parent = button;
}

void CTolvButton::LeftImageIndex(std::int32_t index)
{
    m_leftImageIndex = index;
    repaintParent();
}

void CTolvButton::RightImageIndex(std::int32_t index)
{
    m_rightImageIndex = index;
    repaintParent();
}

void CTolvButton::HiddenState(bool hidden)
{
    m_hiddenState = hidden;
    repaintParent();
}

void CTolvButton::LeftIsDown(bool leftIsDown)
{
    m_leftIsDown = leftIsDown;
    repaintParent();
}

void CTolvButton::DualSideMode(bool dualSideMode)
{
    m_dualSideMode = dualSideMode;
    if (dualSideMode)
        m_leftIsDown = true;
    repaintParent();
}

bool CTolvButton::ItemDataEquals(const runtime::Variant& value) const
{
    if (isNumber(m_itemData) && isNumber(value))
        return m_itemData.toDouble() == value.toDouble();
    return m_itemData == value;
}

void CTolvButton::Caption(const std::string& caption)
{
    m_caption = caption;
    repaintParent();
}

void CTolvButton::ButtonState(Tolvane_ButtonState state)
{
    m_buttonState = state;
    repaintParent();
}

void CTolvButton::ImageList(const platform::com::ComPtr<platform::com::IUnknown>& object)
{
    platform::gfx::ImageList* list = platform::gfx::ImageList::from(object.get());
    if (!list) {
        // The button has no text loader: the box takes the platform's default title.
        platform::ui::messageBox(m_parent, "Not an ImageList", "", platform::ui::MB_OK);
        return;
    }
    m_imageList = platform::com::ComPtr<platform::gfx::ImageList>(list);
    repaintParent();
}

void CTolvButton::repaintParent() const
{
    if (m_parent)
        m_parent->Refresh();
}

}  // namespace brisance
