#include "module/document/DocumentIcons.h"

#include <QString>

namespace brisance {

const std::array<DocumentIcon, 12>& DocumentToolbarButtons()
{
    static constexpr std::array<DocumentIcon, 12> kButtons{{
        {"New", false},
        {"Save", false},
        {"Print", false},
        {"Undo", true},
        {"TestConditions", true},
        {"AddRemoveTest", false},
        {"ZoomLeft", true},
        {"ZoomNormal", false},
        {"ZoomRight", false},
        {"SingleGraph", true},
        {"DualGraph", false},
        {"Help", true},
    }};
    return kButtons;
}

QIcon DocumentIconOf(const char* key)
{
    return QIcon(QStringLiteral(":/brisance/toolbar/%1.xpm").arg(QString::fromLatin1(key)));
}

QIcon ProfileIcon()
{
    return QIcon(QStringLiteral(":/brisance/toolbar/Profile.xpm"));
}

}  // namespace brisance
