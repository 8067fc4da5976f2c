#pragma once
// The chart's window: a child widget that its container parents and places,
// painted entirely by the chart. It tracks the mouse and takes the keyboard
// on a click or Tab; what the mouse, the keys and the focus do is the chart's.

#include <QWidget>

namespace lumenplot {

class CChart;

class ChartWidget final : public QWidget {
public:
    explicit ChartWidget(CChart& chart);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    CChart& m_chart;
    // Set while the mouse moves over an interactive chart: the cursor is
    // hidden until the mouse leaves.
    bool m_tracking = false;
};

}  // namespace lumenplot
