#pragma once
// The driver's texts (Text(id), translate.txt included) for widgets.

#include "driver/TextTable.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QString>

namespace marlet {

inline QString dialogText(const TextTable& texts, int id)
{
    return QString::fromStdString(texts.text(id));
}

// A button with the text of `textId`, found by `objectName`.
template <typename Button>
Button* textButton(const TextTable& texts, int textId, const char* objectName)
{
    auto* button = new Button(dialogText(texts, textId));
    button->setObjectName(objectName);
    return button;
}

}  // namespace marlet
