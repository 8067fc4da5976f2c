#include "module/views/EditTestProperties.h"

#include "module/panels/CurvePalette.h"
#include "module/preferences/frmTestProperties.h"

namespace brisance {

CPaletteItems::Entry EditTestProperties(QWidget* owner, CurvePalette& palette, const CPaletteItems& items,
                                        bool rightClicked, bool speechMode,
                                        const platform::com::ComPtr<platform::gfx::ImageList>& images)
{
    const auto button = rightClicked ? palette.RightClickedButton() : palette.SelectedButton();
    const auto item = button ? items.ItemByID(button->ItemData().toLong()) : nullptr;
    if (!item || !item->CurvePreferences)
        return nullptr;

    frmTestProperties dialog(owner);
    dialog.SpeechMode(speechMode);
    dialog.TestToEdit(item);
    dialog.ImageList(images);
    dialog.ShowTestDetails();
    dialog.AllowCommentEditing(true);
    dialog.exec();
    return dialog.OKPressed ? item : nullptr;
}

}  // namespace brisance
