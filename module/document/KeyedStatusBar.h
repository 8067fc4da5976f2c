#pragma once
// A status bar of panels found by their key, as the document's sbrMain is:
// each panel shows one text; a double-click on a panel raises PanelDblClick
// with its key. Sizes are in twips.

#include <QWidget>

#include <map>
#include <string>
#include <vector>

class QLabel;

namespace brisance {

class KeyedStatusBar : public QWidget {
    Q_OBJECT

public:
    // One panel per key, left to right; the last one takes the room left over.
    KeyedStatusBar(const std::vector<std::string>& keys, QWidget* parent = nullptr);

    // Raise 35601 (element not found) for an unknown key.
    std::string PanelText(const std::string& key) const;
    void PanelText(const std::string& key, const std::string& text);
    QLabel& Panel(const std::string& key) const;

    // The bar's height.
    int Height() const;

signals:
    void PanelDblClick(const std::string& Key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::map<std::string, QLabel*> m_panels;
};

}  // namespace brisance
