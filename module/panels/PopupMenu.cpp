#include "module/panels/PopupMenu.h"

#include <QAction>
#include <QCursor>
#include <QEvent>
#include <QMenu>
#include <QWidget>

namespace brisance {
namespace {

const char* const kMenuName = "popupMenu";

// A menu that goes once it has closed and is back from all its own event
// handling. Choosing an item closes the menu and runs the item's handler from
// inside the menu's handling of the click or key; a handler that opens a modal
// dialog runs an event loop there, and a delete posted on closing would be
// carried out in that loop while the menu still works on itself.
class ClosingMenu final : public QMenu {
public:
    using QMenu::QMenu;

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::DeferredDelete)
            return QMenu::event(event);  // the menu goes in there
        ++m_handling;
        const bool handled = QMenu::event(event);
        --m_handling;
        if (m_handling == 0 && !isVisible() && m_shown) {
            m_shown = false;
            deleteLater();
        }
        return handled;
    }

    void showEvent(QShowEvent* event) override
    {
        QMenu::showEvent(event);
        m_shown = true;
    }

private:
    int m_handling = 0;
    bool m_shown = false;
};

}  // namespace

QMenu* popupMenu(QWidget& owner, const std::vector<PopupMenuItem>& items, const QString& defaultItem)
{
    // An earlier menu leaves the owner at once, so that its names are found no
    // more; closed, it goes by itself later, as it may be the one whose item
    // opens this menu.
    for (QMenu* earlier : owner.findChildren<QMenu*>(kMenuName, Qt::FindDirectChildrenOnly)) {
        earlier->hide();
        earlier->setParent(nullptr);
    }
    auto* menu = new ClosingMenu(&owner);
    menu->setObjectName(kMenuName);
    for (const PopupMenuItem& item : items) {
        QAction* action = menu->addAction(item.caption);
        action->setObjectName(item.name);
        if (item.onChosen)
            QObject::connect(action, &QAction::triggered, &owner, item.onChosen);
        if (!defaultItem.isEmpty() && item.name == defaultItem)
            menu->setDefaultAction(action);
    }
    menu->popup(QCursor::pos());
    return menu;
}

}  // namespace brisance
