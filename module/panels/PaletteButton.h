#pragma once
// The two-sided button of the test palette: a test's caption between a
// left-ear and a right-ear symbol. A click presses it; in two-sided mode the
// clicked half says for which ear. It is released only by its host, which sets
// ButtonState back to up.
//
// Click is raised by a press that presses the button or moves it to its other
// half; MouseDown by a right press only (the left and middle ones click);
// DblClick is never raised. MouseMove and MouseUp come always.
//
// The button keeps its state in a CTolvButton (InternalObject); its state
// members read and write that object. After ReleaseContainedObject the button
// paints an empty surface, its state members read as a new state's and their
// lets do nothing.

#include "module/panels/ClickableControl.h"

// Qt's meta-object compiler cannot read the standard library's C++20 headers
// that the variant type brings in, and it needs nothing from them.
#ifndef Q_MOC_RUN
#include "module/panels/CTolvButton.h"
#endif

#include <cstdint>
#include <memory>
#include <string>

namespace brisance {

class PaletteButton : public ClickableControl {
    Q_OBJECT

public:
    explicit PaletteButton(QWidget* parent = nullptr);
    ~PaletteButton() override;

    // The state object; null after ReleaseContainedObject.
    std::shared_ptr<CTolvButton> InternalObject() const { return m_state; }

    platform::com::ComPtr<platform::gfx::ImageList> ImageList() const;
    void ImageList(const platform::com::ComPtr<platform::com::IUnknown>& object);
    bool AlwaysActAsOneButton() const;
    void AlwaysActAsOneButton(bool value);
    std::int32_t LeftImageIndex() const;
    void LeftImageIndex(std::int32_t index);
    std::int32_t RightImageIndex() const;
    void RightImageIndex(std::int32_t index);
    bool HiddenState() const;
    void HiddenState(bool hidden);
    bool LeftIsDown() const;
    bool DualSideMode() const;
    void DualSideMode(bool dualSideMode);
    platform::runtime::Variant ItemData() const;
    void ItemData(const platform::runtime::Variant& data);
    std::string Caption() const;
    void Caption(const std::string& caption);
    Tolvane_ButtonState ButtonState() const;
    void ButtonState(Tolvane_ButtonState state);

    // Drops the state object (clearing its Parent); hosts call it before they
    // throw the button away.
    void ReleaseContainedObject();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // The state as shown: the held object, or a new state's values once released.
    const CTolvButton& state() const;

    std::shared_ptr<CTolvButton> m_state;
};

}  // namespace brisance
