#pragma once
// The dialog in which the user types the free comments that the printed
// report shows. The caller fills Comments, shows the dialog modally, and
// reads OKPressed and then Comments; storing them is the caller's. OK and
// Cancel only hide the dialog; the close box and Escape act as Cancel. F1
// opens help context 117. Captions come from the UI text loader.

#include <QDialog>

#include <string>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace brisance {

class frmReportComments : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 117;

    explicit frmReportComments(QWidget* parent = nullptr);

    std::string Comments() const;
    void Comments(const std::string& text);

    // True after OK; False after Cancel or the close box.
    bool OKPressed = false;

    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void cmdOK_Click();

    QPlainTextEdit* txtComments;
    QLabel* lblInstructions;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
};

}  // namespace brisance
