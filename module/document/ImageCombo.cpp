#include "module/document/ImageCombo.h"

namespace brisance {

namespace {

constexpr int kKeyRole = Qt::UserRole;
constexpr int kTagRole = Qt::UserRole + 1;

}  // namespace

ImageCombo::ImageCombo(QWidget* parent) : QComboBox(parent)
{
    connect(this, &QComboBox::activated, this, [this] { emit Click(); });
}

void ImageCombo::AddItem(const std::string& key, const std::string& text, const QIcon& image, const std::string& tag)
{
    addItem(image, QString::fromStdString(text));
    const int index = count() - 1;
    setItemData(index, QString::fromStdString(key), kKeyRole);
    setItemData(index, QString::fromStdString(tag), kTagRole);
}

std::string ImageCombo::ItemKey(int index) const
{
    return itemData(index, kKeyRole).toString().toStdString();
}

std::string ImageCombo::ItemTag(int index) const
{
    return itemData(index, kTagRole).toString().toStdString();
}

int ImageCombo::IndexOfKey(const std::string& key) const
{
    return findData(QString::fromStdString(key), kKeyRole);
}

}  // namespace brisance
