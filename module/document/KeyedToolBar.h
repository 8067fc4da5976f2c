#pragma once
// A toolbar of buttons found by their key, as the document's tbrMain is:
// each button has a key, an icon, a tool tip, an enabled state and, in a
// group of which one is pressed, a pressed state. A click raises ButtonClick
// with the button's key.

#include <QToolBar>

#include <map>
#include <string>
#include <vector>

class QActionGroup;

namespace brisance {

class KeyedToolBar : public QToolBar {
    Q_OBJECT

public:
    explicit KeyedToolBar(QWidget* parent = nullptr);

    // Adds a button at the end. A separator stands before it when asked.
    void AddButton(const std::string& key, const QIcon& icon, bool separatorBefore = false);
    // Makes the buttons of these keys a group of which one at most is pressed.
    void MakeGroup(const std::vector<std::string>& keys);

    bool Exists(const std::string& key) const;
    bool Enabled(const std::string& key) const;
    void Enabled(const std::string& key, bool enabled);
    // Pressed: the button of a group that is down.
    bool Pressed(const std::string& key) const;
    void Pressed(const std::string& key, bool pressed);
    std::string ToolTipText(const std::string& key) const;
    void ToolTipText(const std::string& key, const std::string& text);

    // The button's action, for tests and the toolbar's owner; raises 35601
    // (element not found) for an unknown key.
    QAction& Button(const std::string& key) const;

signals:
    void ButtonClick(const std::string& Key);

private:
    std::map<std::string, QAction*> m_buttons;
};

}  // namespace brisance
