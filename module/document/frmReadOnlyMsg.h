#pragma once
// The question a read-only document asks when the user reaches for its data:
// a new action based on the shown one, a new empty action, or go on viewing.
// It plays the system's question sound when it is made, records the choice
// and hides itself on OK (accepted); closed otherwise, it is rejected and the
// caller keeps the document as it is. F1 opens help context 124.

#include <QDialog>

#include <array>
#include <cstdint>

class QLabel;
class QPushButton;
class QRadioButton;

namespace brisance {

class frmReadOnlyMsg : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 124;

    explicit frmReadOnlyMsg(QWidget* parent = nullptr);

    // As a message box answers: 6 (Yes) a new action based on the shown one,
    // 7 (No) a new empty action, 2 (Cancel) go on viewing.
    std::int32_t Choice() const;

    QLabel* lblMsg;
    std::array<QRadioButton*, 3> optChoice;
    QPushButton* cmdOK;
    QLabel* Image1;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace brisance
