#pragma once
// An image combo box, as the document's profile box imcProfiles is: items
// with a key, a text, an image and a text tag; choosing an item raises Click.

#include <QComboBox>

#include <string>

namespace brisance {

class ImageCombo : public QComboBox {
    Q_OBJECT

public:
    explicit ImageCombo(QWidget* parent = nullptr);

    // Adds an item at the end.
    void AddItem(const std::string& key, const std::string& text, const QIcon& image, const std::string& tag);
    // The item's key and tag; "" for an index that holds no item.
    std::string ItemKey(int index) const;
    std::string ItemTag(int index) const;
    // The index of the item with this key, -1 when none has it.
    int IndexOfKey(const std::string& key) const;

signals:
    void Click();
};

}  // namespace brisance
