#include "module/core/ListView.h"

#include "platform/gfx/Bitmap.h"
#include "platform/runtime/RuntimeError.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace brisance {

namespace {

constexpr int kKeyRole = Qt::UserRole;
constexpr int kTagRole = Qt::UserRole + 1;
constexpr int kIconRole = Qt::UserRole + 2;

constexpr std::int32_t kKeyNotUnique = 35602;

}  // namespace

ListView::ListView(QWidget* parent) : QTreeWidget(parent)
{
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAllColumnsShowFocus(true);
}

void ListView::SmallIcons(const platform::com::ComPtr<platform::com::IUnknown>& imageList)
{
    m_smallIcons = platform::com::ComPtr<platform::gfx::ImageList>(platform::gfx::ImageList::from(imageList.get()));
}

QTreeWidgetItem& ListView::AddItem(const std::string& key, const std::string& text, std::int32_t icon)
{
    if (FindItem(key))
        platform::runtime::raise(kKeyNotUnique, "Key is not unique in collection");
    auto* item = new QTreeWidgetItem(this);
    item->setText(0, QString::fromStdString(text));
    item->setData(0, kKeyRole, QString::fromStdString(key));
    item->setData(0, kIconRole, icon);
    if (m_smallIcons && icon >= 1 && icon <= m_smallIcons->count())
        item->setIcon(0, QIcon(QPixmap::fromImage(platform::gfx::bitmapImage(m_smallIcons->picture(icon)))));
    return *item;
}

QTreeWidgetItem* ListView::FindItem(const std::string& key) const
{
    const QString wanted = QString::fromStdString(key);
    for (int row = 0; row < topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = topLevelItem(row);
        if (item->data(0, kKeyRole).toString() == wanted)
            return item;
    }
    return nullptr;
}

std::string ListView::Key(const QTreeWidgetItem& item) { return item.data(0, kKeyRole).toString().toStdString(); }

std::string ListView::Tag(const QTreeWidgetItem& item) { return item.data(0, kTagRole).toString().toStdString(); }

void ListView::Tag(QTreeWidgetItem& item, const std::string& tag)
{
    item.setData(0, kTagRole, QString::fromStdString(tag));
}

std::int32_t ListView::Icon(const QTreeWidgetItem& item) { return item.data(0, kIconRole).toInt(); }

}  // namespace brisance
