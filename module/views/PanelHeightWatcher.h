#pragma once
// Tells a view when one of its panels takes a height of its own choosing, so
// that the view lays out again what stands under it. The view keeps the
// watcher as its last member: the watcher goes first and stops listening
// while the panels still live.

#include <QObject>

#include <functional>
#include <initializer_list>
#include <vector>

class QWidget;

namespace brisance {

class PanelHeightWatcher final : public QObject {
public:
    PanelHeightWatcher(std::initializer_list<QWidget*> panels, std::function<void()> heightChanged);
    ~PanelHeightWatcher() override;
    PanelHeightWatcher(const PanelHeightWatcher&) = delete;
    PanelHeightWatcher& operator=(const PanelHeightWatcher&) = delete;

    // Watches one more panel.
    void Watch(QWidget& panel);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<QWidget*> m_panels;
    std::function<void()> m_heightChanged;
};

}  // namespace brisance
