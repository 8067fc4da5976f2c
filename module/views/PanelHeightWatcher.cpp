#include "module/views/PanelHeightWatcher.h"

#include <QResizeEvent>
#include <QWidget>

namespace brisance {

PanelHeightWatcher::PanelHeightWatcher(std::initializer_list<QWidget*> panels, std::function<void()> heightChanged)
    : m_heightChanged(std::move(heightChanged))
{
    for (QWidget* panel : panels)
        Watch(*panel);
}

PanelHeightWatcher::~PanelHeightWatcher()
{
    for (QWidget* panel : m_panels)
        panel->removeEventFilter(this);
}

void PanelHeightWatcher::Watch(QWidget& panel)
{
    panel.installEventFilter(this);
    m_panels.push_back(&panel);
}

bool PanelHeightWatcher::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize) {
        const auto* resize = static_cast<QResizeEvent*>(event);
        if (resize->size().height() != resize->oldSize().height())
            m_heightChanged();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace brisance
