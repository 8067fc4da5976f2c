#pragma once
// The palette on which a view offers its tests: one two-sided PaletteButton
// per test (butPal), an add-test button (cmdAddTest) and a pop-up menu for the
// button under the right mouse button. The palette decides nothing about
// tests: it keeps which button is selected and which was right-clicked, and
// reports every user action as an event without arguments; the host then reads
// SelectedButton or RightClickedButton and acts.
//
// The host fills it with ClearButtons, one AddButton per test (setting the
// returned button's properties), PressButton and Refresh. A selected or
// right-clicked state object stays referenced until ClearButtons, after which
// the host must not use it.
//
// Buttons of one size stand in rows that fill the width, cmdAddTest after the
// last one; HeightNeeded tells the host how high the palette must be for them.

#include "module/panels/UserControl.h"

// Qt's meta-object compiler cannot read the standard library's C++20 headers
// that the variant type brings in, and it needs nothing from them.
#ifndef Q_MOC_RUN
#include "module/panels/CTolvButton.h"
#endif

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QPushButton;

namespace brisance {

class PaletteButton;

class CurvePalette : public UserControl {
    Q_OBJECT

public:
    explicit CurvePalette(QWidget* parent = nullptr);

    // The state of the selected button, or null.
    std::shared_ptr<CTolvButton> SelectedButton() const { return m_selectedButton; }
    // The state of the button last right-clicked, or null.
    std::shared_ptr<CTolvButton> RightClickedButton() const { return m_rightClickedButton; }
    // The state of the first button, in index order, whose ItemData equals ID
    // as a number; null when none does.
    std::shared_ptr<CTolvButton> Button(std::int32_t ID) const;

    void AddButtonCaption(const std::string& caption);
    void HideCurveCaption(const std::string& caption);
    void ShowCurveCaption(const std::string& caption);
    void RemoveTestCaption(const std::string& caption);
    void EditTestCaption(const std::string& caption);
    // Whether every button has a left and a right half.
    bool ShowSides() const { return m_showSides; }
    void ShowSides(bool show);
    bool ShowAddTestButton() const { return m_showAddTestButton; }
    void ShowAddTestButton(bool show);
    // The captions of the menu's show and hide items, "%TESTNAME%" standing
    // for the right-clicked test's caption.
    const std::string& ShowButtonBaseText() const { return m_showButtonBaseText; }
    void ShowButtonBaseText(const std::string& text) { m_showButtonBaseText = text; }
    const std::string& HideButtonBaseText() const { return m_hideButtonBaseText; }
    void HideButtonBaseText(const std::string& text) { m_hideButtonBaseText = text; }
    // True when the buttons show the right ear's symbol on their left half;
    // stored for the routine that fills the palette.
    bool RightOnLeft() const { return m_rightOnLeft; }
    void RightOnLeft(bool rightOnLeft) { m_rightOnLeft = rightOnLeft; }
    // The symbol images that every new button receives; set it before AddButton.
    platform::com::ComPtr<platform::com::IUnknown> ImageList() const { return m_imageList; }
    void ImageList(const platform::com::ComPtr<platform::com::IUnknown>& images) { m_imageList = images; }

    // Removes every button; the first stays, hidden and reset to a new button's state.
    void ClearButtons();
    // A further button, shown and placed; the caller sets what it stands for.
    PaletteButton* AddButton();
    // Presses the first button, when it holds a test, and selects it.
    void PressButton();
    // Presses and selects the first button whose ItemData equals the value as
    // a number; the other buttons stay as they are. Nothing when none does.
    void PressButton(const platform::runtime::Variant& ButtonItemData);
    // Lays the buttons out again and repaints.
    void Refresh();

    // The height, in twips, that the palette needs at a width to show all its buttons.
    std::int32_t HeightNeeded(std::int32_t width) const;

signals:
    void ButtonChange();
    void HideCurve();
    void ShowCurve();
    void RemoveButton();
    void TestProperties();
    void AddTest();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Grid {
        int columns;
        int buttonWidth;  // pixels
    };

    // The buttons that hold a test, in index order.
    std::vector<PaletteButton*> loadedButtons() const;
    PaletteButton* loadButton();
    void select(PaletteButton& button);
    void butPal_Click(PaletteButton& clicked);
    void butPal_MouseDown(PaletteButton& pressed, std::int16_t mouseButton);
    void raiseMenuEvent(void (CurvePalette::*event)());
    void UserControl_Resize();
    Grid grid(int widthPixels) const;
    int cellCount() const;

    std::vector<PaletteButton*> butPal;
    QPushButton* cmdAddTest;
    QString m_hideCurveCaption;
    QString m_showCurveCaption;
    QString m_removeTestCaption;
    QString m_editTestCaption;

    std::shared_ptr<CTolvButton> m_selectedButton;
    std::shared_ptr<CTolvButton> m_rightClickedButton;
    int m_firstButtonFree = -1;  // -1 while element 0 holds no test
    bool m_showSides = false;
    bool m_showAddTestButton = true;
    bool m_rightOnLeft = false;
    std::string m_showButtonBaseText;
    std::string m_hideButtonBaseText;
    platform::com::ComPtr<platform::com::IUnknown> m_imageList;
};

}  // namespace brisance
