#pragma once
// Filling the driver's drop-down lists: the offered texts, with the stored
// one selected. A stored text that is not offered is added to the list, so
// that the user sees it and saving the dialog keeps it unless changed.

#include <QComboBox>
#include <QStringList>

#include <string>
#include <string_view>

namespace marlet {

inline QString qText(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

template <typename Texts>
QStringList textList(const Texts& texts)
{
    QStringList list;
    for (const std::string_view text : texts)
        list << qText(text);
    return list;
}

void fillCombo(QComboBox& combo, const QStringList& offered, const std::string& current);

inline std::string comboText(const QComboBox& combo)
{
    return combo.currentText().toStdString();
}

}  // namespace marlet
