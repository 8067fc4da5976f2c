#include "module/panels/PopupMenu.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QWidget>

namespace brisance {
namespace {

const char* const kMenuName = "popupMenu";

}  // namespace

QMenu* popupMenu(QWidget& owner, const std::vector<PopupMenuItem>& items, const QString& defaultItem)
{
    // An earlier menu leaves the owner at once, so that its names are found no
    // more; it goes later, as it may be the one whose item opens this menu.
    for (QMenu* earlier : owner.findChildren<QMenu*>(kMenuName, Qt::FindDirectChildrenOnly)) {
        earlier->hide();
        earlier->setParent(nullptr);
        earlier->deleteLater();
    }
    auto* menu = new QMenu(&owner);
    menu->setObjectName(kMenuName);
    for (const PopupMenuItem& item : items) {
        QAction* action = menu->addAction(item.caption);
        action->setObjectName(item.name);
        if (item.onChosen)
            QObject::connect(action, &QAction::triggered, &owner, item.onChosen);
        if (!defaultItem.isEmpty() && item.name == defaultItem)
            menu->setDefaultAction(action);
    }
    QObject::connect(menu, &QMenu::aboutToHide, menu, &QObject::deleteLater);
    menu->popup(QCursor::pos());
    return menu;
}

}  // namespace brisance
