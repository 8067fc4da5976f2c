#include "driver/AdvancedSetupDialog.h"

#include "driver/BoneVibratorDialog.h"
#include "driver/DialogButtons.h"
#include "driver/HalvecSetupDialog.h"

#include <QLayout>

namespace marlet {

void AdvancedSetupDialog::addButtons(const TextTable& texts)
{
    layout()->addWidget(okCancelButtons(*this, texts));
}

AdvancedSetupDialog* advancedSetupFor(ModelIndex model, const TextTable& texts, const ModelSettings& settings,
                                      QWidget* parent)
{
    switch (model) {
    case ModelTessil:
    case ModelDunmor: return new BoneVibratorDialog(texts, settings, parent);
    case ModelHalvec: return new HalvecSetupDialog(texts, settings, parent);
    default: return nullptr;
    }
}

}  // namespace marlet
