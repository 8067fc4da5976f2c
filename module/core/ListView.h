#pragma once
// The module's list view: a flat list in report mode, one row per item, with
// the columns its owner adds. Each item carries a key that finds it, a tag
// (both texts kept in the item's data) and an icon, image 1 or 2 of the
// list's small image list. The test lists of the option dialogs, the profile
// manager and the driver choice are lists of this kind.

#include "platform/com/ComPtr.h"
#include "platform/com/IUnknown.h"
#include "platform/gfx/ImageList.h"

#include <QTreeWidget>

#include <cstdint>
#include <string>

namespace brisance {

class ListView : public QTreeWidget {
public:
    explicit ListView(QWidget* parent = nullptr);

    // The images that the items' icons show; an object that is no image list
    // leaves the items without pictures.
    void SmallIcons(const platform::com::ComPtr<platform::com::IUnknown>& imageList);

    // A new row at the end with its key, text and icon (an image number from
    // 1). A key already in the list raises 35602.
    QTreeWidgetItem& AddItem(const std::string& key, const std::string& text, std::int32_t icon);
    // The item with exactly this key, or null.
    QTreeWidgetItem* FindItem(const std::string& key) const;

    static std::string Key(const QTreeWidgetItem& item);
    static std::string Tag(const QTreeWidgetItem& item);
    static void Tag(QTreeWidgetItem& item, const std::string& tag);
    // The item's image number; 0 for none.
    static std::int32_t Icon(const QTreeWidgetItem& item);

private:
    platform::com::ComPtr<platform::gfx::ImageList> m_smallIcons;
};

}  // namespace brisance
