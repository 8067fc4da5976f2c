#include "driver/ComboBoxes.h"

namespace marlet {

void fillCombo(QComboBox& combo, const QStringList& offered, const std::string& current)
{
    const QString text = QString::fromStdString(current);
    combo.clear();
    combo.addItems(offered);
    if (!offered.contains(text))
        combo.addItem(text);
    combo.setCurrentText(text);
}

}  // namespace marlet
