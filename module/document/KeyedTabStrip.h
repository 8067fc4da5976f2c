#pragma once
// A tab strip of tabs found by their key, as the document's tabMain is: a
// row of tabs over one framed client area that other controls are placed
// upon. Choosing a tab raises Click. Positions and sizes are in twips, in the
// coordinates of the strip's container.

#include <QWidget>

#include <string>
#include <vector>

class QTabBar;

namespace brisance {

class KeyedTabStrip : public QWidget {
    Q_OBJECT

public:
    KeyedTabStrip(const std::vector<std::string>& keys, QWidget* parent = nullptr);

    int Top() const;
    void Top(int twips);
    int Left() const;
    void Left(int twips);
    int Width() const;
    void Width(int twips);
    int Height() const;
    void Height(int twips);

    // The area inside the frame, below the tabs.
    int ClientTop() const;
    int ClientLeft() const;
    int ClientWidth() const;
    int ClientHeight() const;

    // The selected tab: its 0-based index and key.
    int SelectedIndex() const;
    std::string SelectedKey() const;
    void Select(const std::string& key);
    std::string Caption(int index) const;
    void Caption(int index, const std::string& caption);

    QTabBar& Tabs() const { return *m_tabs; }

signals:
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QRect ClientRect() const;

    QTabBar* m_tabs;
    std::vector<std::string> m_keys;
};

}  // namespace brisance
