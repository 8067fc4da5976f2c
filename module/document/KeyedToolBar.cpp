#include "module/document/KeyedToolBar.h"

#include "platform/runtime/RuntimeError.h"

#include <QAction>
#include <QActionGroup>

namespace brisance {

namespace {

// The common controls' error for a key that names no element.
constexpr std::int32_t kElementNotFound = 35601;

}  // namespace

KeyedToolBar::KeyedToolBar(QWidget* parent) : QToolBar(parent)
{
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(16, 16));
}

void KeyedToolBar::AddButton(const std::string& key, const QIcon& icon, bool separatorBefore)
{
    if (separatorBefore)
        addSeparator();
    QAction* button = addAction(icon, QString());
    button->setObjectName(QString::fromStdString(key));
    m_buttons[key] = button;
    connect(button, &QAction::triggered, this, [this, key] { emit ButtonClick(key); });
}

void KeyedToolBar::MakeGroup(const std::vector<std::string>& keys)
{
    auto* group = new QActionGroup(this);
    for (const std::string& key : keys) {
        QAction& button = Button(key);
        button.setCheckable(true);
        group->addAction(&button);
    }
}

bool KeyedToolBar::Exists(const std::string& key) const
{
    return m_buttons.contains(key);
}

QAction& KeyedToolBar::Button(const std::string& key) const
{
    const auto found = m_buttons.find(key);
    if (found == m_buttons.end())
        platform::runtime::raise(kElementNotFound, "Element not found");
    return *found->second;
}

bool KeyedToolBar::Enabled(const std::string& key) const
{
    return Button(key).isEnabled();
}

void KeyedToolBar::Enabled(const std::string& key, bool enabled)
{
    Button(key).setEnabled(enabled);
}

bool KeyedToolBar::Pressed(const std::string& key) const
{
    return Button(key).isChecked();
}

void KeyedToolBar::Pressed(const std::string& key, bool pressed)
{
    Button(key).setChecked(pressed);
}

std::string KeyedToolBar::ToolTipText(const std::string& key) const
{
    return Button(key).toolTip().toStdString();
}

void KeyedToolBar::ToolTipText(const std::string& key, const std::string& text)
{
    QAction& button = Button(key);
    button.setToolTip(QString::fromStdString(text));
    button.setText(QString::fromStdString(text));
}

}  // namespace brisance
