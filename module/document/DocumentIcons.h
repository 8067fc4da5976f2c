#pragma once
// The document's toolbar buttons in their order, with the small icons drawn
// for them (a Qt resource of this folder).

#include <QIcon>

#include <array>

namespace brisance {

struct DocumentIcon {
    const char* key;
    bool separatorBefore;
};

// "New", "Save", "Print", "Undo", "TestConditions", "AddRemoveTest",
// "ZoomLeft", "ZoomNormal", "ZoomRight", "SingleGraph", "DualGraph", "Help".
const std::array<DocumentIcon, 12>& DocumentToolbarButtons();

// The icon of a button's key.
QIcon DocumentIconOf(const char* key);

// The image beside each profile name in the profile box.
QIcon ProfileIcon();

}  // namespace brisance
