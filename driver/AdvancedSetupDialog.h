#pragma once
// An audiometer's advanced set-up: Tessil and Dunmor have the bone vibrator's
// position (BoneVibratorDialog), Halvec its curve transfers
// (HalvecSetupDialog); the other models have none. OK hides the dialog; the
// opener then calls store() to write the choices into the model's record.

#include "driver/Settings.h"
#include "driver/TextTable.h"

#include <QDialog>

namespace marlet {

class AdvancedSetupDialog : public QDialog {
public:
    using QDialog::QDialog;
    virtual void store(ModelSettings& settings) const = 0;

protected:
    // OK and Cancel, with their texts, under the dialog's content.
    void addButtons(const TextTable& texts);
};

// The model's advanced set-up dialog, or null when it has none.
AdvancedSetupDialog* advancedSetupFor(ModelIndex model, const TextTable& texts, const ModelSettings& settings,
                                      QWidget* parent);

}  // namespace marlet
