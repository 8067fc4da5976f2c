#pragma once
// A menu control array: entries of one menu addressed by index, as the
// document's lists of tests, past actions and instruments are. Element 0 is
// made with the array and is never removed; later elements are loaded and
// unloaded by index and stand in index order after it. Each element is a
// QAction of the menu: its Caption, Checked, Enabled and Visible are the
// action's own, and its Tag is a text kept in the action's data.
//
// A click on an element raises Click with its index and leaves its check
// mark as it was: the owner checks and unchecks.
//
// Errors are the runtime's: 340 for an index that holds no element, 360 for
// loading an index that holds one, 362 for unloading element 0.

#include <QObject>

#include <cstdint>
#include <string>
#include <vector>

class QAction;
class QMenu;

namespace brisance {

class MenuControlArray : public QObject {
    Q_OBJECT

public:
    // Element 0, added at the end of the menu.
    explicit MenuControlArray(QMenu& menu);

    // The number of loaded elements, and the highest index that holds one.
    std::int32_t Count() const;
    std::int32_t UBound() const;
    bool Exists(std::int32_t index) const;

    // A new element at the index, shown, with the caption, check and enabled
    // state of element 0, an empty Tag.
    void Load(std::int32_t index);
    void Unload(std::int32_t index);

    std::string Caption(std::int32_t index) const;
    void Caption(std::int32_t index, const std::string& caption);
    bool Checked(std::int32_t index) const;
    void Checked(std::int32_t index, bool checked);
    bool Enabled(std::int32_t index) const;
    void Enabled(std::int32_t index, bool enabled);
    bool Visible(std::int32_t index) const;
    void Visible(std::int32_t index, bool visible);
    std::string Tag(std::int32_t index) const;
    void Tag(std::int32_t index, const std::string& tag);

    // The element's action, for the menu's owner.
    QAction& Action(std::int32_t index) const;

signals:
    void Click(std::int32_t Index);

private:
    QAction* NewAction(std::int32_t index);

    QMenu& m_menu;
    // By index; null where no element is loaded.
    std::vector<QAction*> m_elements;
};

}  // namespace brisance
