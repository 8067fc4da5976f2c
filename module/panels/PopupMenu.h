#pragma once
// The module's context menus. Every pop-up menu of the module opens through
// popupMenu: at the mouse, without waiting for the choice (no nested event
// loop), so the caller's handler ends at once and a choice reaches its item's
// handler later from the event loop.

#include <QString>

#include <functional>
#include <vector>

class QMenu;
class QWidget;

namespace brisance {

struct PopupMenuItem {
    QString name;     // the action's object name, as the design names the item ("mnuHideCurve")
    QString caption;  // the shown text, "&" marking the access key
    std::function<void()> onChosen;
};

// Opens a menu of the items, in their order, at the mouse cursor and returns it
// while it shows. The item named defaultItem (none when empty or unknown) is the
// default, drawn bold. The menu is a child of owner, so its actions are found by
// name under owner (owner.findChild<QAction*>("mnuHideCurve")), and it deletes
// itself once it has closed and is back from its own event handling (an item's
// handler may open a modal dialog from there); a menu the owner opened before and
// left open closes first.
QMenu* popupMenu(QWidget& owner, const std::vector<PopupMenuItem>& items, const QString& defaultItem = {});

}  // namespace brisance
