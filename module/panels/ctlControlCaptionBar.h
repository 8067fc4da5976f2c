#pragma once
// A thin title strip for the top of a panel: a caption on the left, a close
// mark "X" on the right (a label without behaviour of its own) and an etched
// frame. It keeps itself in the top-left corner of its container and 300
// twips high, whatever its container makes of it. It raises no events.

#include "module/panels/UserControl.h"

#include <string>

class QLabel;

namespace brisance {

class ctlControlCaptionBar final : public UserControl {
    Q_OBJECT

public:
    explicit ctlControlCaptionBar(QWidget* parent = nullptr);

    std::string Caption() const;
    void Caption(const std::string& value);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watchContainer();

    QLabel* lblCaption;
    QLabel* lblClose;
};

}  // namespace brisance
