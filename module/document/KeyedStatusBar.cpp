#include "module/document/KeyedStatusBar.h"

#include "platform/runtime/RuntimeError.h"
#include "platform/ui/Twips.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>

namespace brisance {

namespace {

constexpr std::int32_t kElementNotFound = 35601;

}  // namespace

KeyedStatusBar::KeyedStatusBar(const std::vector<std::string>& keys, QWidget* parent) : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        auto* panel = new QLabel(this);
        panel->setObjectName(QString::fromStdString(keys[i]));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setTextInteractionFlags(Qt::NoTextInteraction);
        panel->installEventFilter(this);
        layout->addWidget(panel, i + 1 == keys.size() ? 1 : 0);
        m_panels[keys[i]] = panel;
    }
    setFixedHeight(fontMetrics().height() + 10);
}

QLabel& KeyedStatusBar::Panel(const std::string& key) const
{
    const auto found = m_panels.find(key);
    if (found == m_panels.end())
        platform::runtime::raise(kElementNotFound, "Element not found");
    return *found->second;
}

std::string KeyedStatusBar::PanelText(const std::string& key) const
{
    return Panel(key).text().toStdString();
}

void KeyedStatusBar::PanelText(const std::string& key, const std::string& text)
{
    Panel(key).setText(QString::fromStdString(text));
}

int KeyedStatusBar::Height() const
{
    return platform::ui::pixelsToTwipsY(height());
}

bool KeyedStatusBar::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick)
        for (const auto& [key, panel] : m_panels)
            if (panel == watched) {
                emit PanelDblClick(key);
                return true;
            }
    return QWidget::eventFilter(watched, event);
}

}  // namespace brisance
