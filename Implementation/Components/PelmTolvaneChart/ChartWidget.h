#pragma once
// The chart's window: a child widget that its container parents and places,
// painted entirely by the chart.

#include <QWidget>

namespace lumenplot {

class CChart;

class ChartWidget final : public QWidget {
public:
    explicit ChartWidget(CChart& chart);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CChart& m_chart;
};

}  // namespace lumenplot
