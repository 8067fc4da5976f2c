#include "module/document/MenuControlArray.h"

#include "platform/runtime/RuntimeError.h"

#include <QAction>
#include <QMenu>

#include <algorithm>

namespace brisance {

namespace {

using platform::runtime::raise;

constexpr std::int32_t kObjectAlreadyLoaded = 360;
constexpr std::int32_t kCannotUnloadDesignTimeControl = 362;

}  // namespace

MenuControlArray::MenuControlArray(QMenu& menu) : QObject(&menu), m_menu(menu)
{
    QAction* first = NewAction(0);
    m_menu.addAction(first);
    m_elements.push_back(first);
}

std::int32_t MenuControlArray::Count() const
{
    return static_cast<std::int32_t>(std::count_if(m_elements.begin(), m_elements.end(), [](QAction* a) { return a; }));
}

std::int32_t MenuControlArray::UBound() const { return static_cast<std::int32_t>(m_elements.size()) - 1; }

bool MenuControlArray::Exists(std::int32_t index) const
{
    return index >= 0 && index < static_cast<std::int32_t>(m_elements.size()) && m_elements[index];
}

void MenuControlArray::Load(std::int32_t index)
{
    if (index < 0)
        raise(platform::runtime::errors::ControlArrayElementMissing);
    if (Exists(index))
        raise(kObjectAlreadyLoaded, "Object already loaded");
    if (index >= static_cast<std::int32_t>(m_elements.size()))
        m_elements.resize(static_cast<std::size_t>(index) + 1, nullptr);

    QAction* action = NewAction(index);
    const QAction& first = *m_elements.front();
    action->setText(first.text());
    action->setCheckable(true);
    action->setChecked(first.isChecked());
    action->setEnabled(first.isEnabled());

    // Before the next loaded element, or after the last one.
    QAction* before = nullptr;
    for (std::size_t next = static_cast<std::size_t>(index) + 1; next < m_elements.size() && !before; ++next)
        before = m_elements[next];
    if (!before) {
        const QList<QAction*> actions = m_menu.actions();
        const QAction* last = nullptr;
        for (QAction* element : m_elements)
            last = element ? element : last;
        const qsizetype after = actions.indexOf(last) + 1;
        before = after < actions.size() ? actions[after] : nullptr;
    }
    m_menu.insertAction(before, action);
    m_elements[static_cast<std::size_t>(index)] = action;
}

void MenuControlArray::Unload(std::int32_t index)
{
    QAction& action = Action(index);
    if (index == 0)
        raise(kCannotUnloadDesignTimeControl, "Can't unload controls created at design time");
    m_menu.removeAction(&action);
    delete &action;
    m_elements[static_cast<std::size_t>(index)] = nullptr;
    while (!m_elements.back())
        m_elements.pop_back();
}

std::string MenuControlArray::Caption(std::int32_t index) const { return Action(index).text().toStdString(); }
void MenuControlArray::Caption(std::int32_t index, const std::string& caption)
{
    Action(index).setText(QString::fromStdString(caption));
}

bool MenuControlArray::Checked(std::int32_t index) const { return Action(index).isChecked(); }
void MenuControlArray::Checked(std::int32_t index, bool checked) { Action(index).setChecked(checked); }

bool MenuControlArray::Enabled(std::int32_t index) const { return Action(index).isEnabled(); }
void MenuControlArray::Enabled(std::int32_t index, bool enabled) { Action(index).setEnabled(enabled); }

bool MenuControlArray::Visible(std::int32_t index) const { return Action(index).isVisible(); }
void MenuControlArray::Visible(std::int32_t index, bool visible) { Action(index).setVisible(visible); }

std::string MenuControlArray::Tag(std::int32_t index) const { return Action(index).data().toString().toStdString(); }
void MenuControlArray::Tag(std::int32_t index, const std::string& tag)
{
    Action(index).setData(QString::fromStdString(tag));
}

QAction& MenuControlArray::Action(std::int32_t index) const
{
    if (!Exists(index))
        raise(platform::runtime::errors::ControlArrayElementMissing,
              "Control array element '" + std::to_string(index) + "' doesn't exist");
    return *m_elements[static_cast<std::size_t>(index)];
}

QAction* MenuControlArray::NewAction(std::int32_t index)
{
    auto* action = new QAction(&m_menu);
    action->setCheckable(true);
    // The check mark is the owner's to set: a click leaves it as it was.
    connect(action, &QAction::triggered, this, [this, action, index] {
        action->setChecked(!action->isChecked());
        emit Click(index);
    });
    return action;
}

}  // namespace brisance
