#pragma once
// The state of one palette button: the test's caption, which half is pressed,
// the two side images and the host's data. The button (PaletteButton) creates
// it and hands it out through InternalObject; hosts hold it by shared pointer,
// so it stays readable after its button is gone.
//
// Every let of a field that the button shows repaints the button that shows
// this state (Parent), so a host that changes the state alone sees it drawn.

#include "module/panels/Tolvane_ButtonState.h"
#include "platform/com/ComPtr.h"
#include "platform/gfx/ImageList.h"
#include "platform/runtime/Variant.h"

#include <QPointer>

#include <cstdint>
#include <string>

namespace brisance {

class PaletteButton;

class CTolvButton {
public:
    // Draw the button pressed as a whole even in two-sided mode.
    bool AlwaysActAsOneButton() const { return m_alwaysActAsOneButton; }
    void AlwaysActAsOneButton(bool value);

    // The button that shows this state: a weak link, null once the button has
    // ended or released the state.
    PaletteButton* Parent() const;
    void Parent(PaletteButton* button);

    // Images of the two sides in ImageList, counted from 1; 0 draws none.
    std::int32_t LeftImageIndex() const { return m_leftImageIndex; }
    void LeftImageIndex(std::int32_t index);
    std::int32_t RightImageIndex() const { return m_rightImageIndex; }
    void RightImageIndex(std::int32_t index);

    // The test's curve is hidden: the caption is drawn grey.
    bool HiddenState() const { return m_hiddenState; }
    void HiddenState(bool hidden);

    // The pressed half is the left one (recorded in every mode, drawn in
    // two-sided mode only).
    bool LeftIsDown() const { return m_leftIsDown; }
    void LeftIsDown(bool leftIsDown);

    // The button has a left and a right half; turning it on presses the left.
    bool DualSideMode() const { return m_dualSideMode; }
    void DualSideMode(bool dualSideMode);

    // The host's data: the palette keeps the item's ID here. A new state holds
    // the 16-bit integer -1.
    const platform::runtime::Variant& ItemData() const { return m_itemData; }
    void ItemData(const platform::runtime::Variant& data) { m_itemData = data; }
    // Whether ItemData equals the value: numerically for numbers of any width
    // (the 16-bit -1 equals the 32-bit -1), exactly for anything else.
    bool ItemDataEquals(const platform::runtime::Variant& value) const;

    const std::string& Caption() const { return m_caption; }
    void Caption(const std::string& caption);

    Tolvane_ButtonState ButtonState() const { return m_buttonState; }
    void ButtonState(Tolvane_ButtonState state);

    // The symbol images of the sides. Only an image list is taken; any other
    // object (or none) shows "Not an ImageList" and the old list stays.
    platform::com::ComPtr<platform::gfx::ImageList> ImageList() const { return m_imageList; }
    void ImageList(const platform::com::ComPtr<platform::com::IUnknown>& object);

private:
    void repaintParent() const;

    std::string m_caption;
    Tolvane_ButtonState m_buttonState = Tolvane_ButtonUp;
    platform::com::ComPtr<platform::gfx::ImageList> m_imageList;
    std::int32_t m_leftImageIndex = 0;
    std::int32_t m_rightImageIndex = 0;
    platform::runtime::Variant m_itemData{std::int16_t(-1)};
    bool m_hiddenState = false;
    bool m_dualSideMode = false;
    bool m_leftIsDown = false;
    QPointer<PaletteButton> m_parent;
    bool m_alwaysActAsOneButton = false;
};

}  // namespace brisance
