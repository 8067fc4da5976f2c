#pragma once
// The small dialog in which the user renames a user-defined notes field.
//
// The caller gives the current name, shows the dialog modally and reads
// NewName: the typed text after OK, or "" when the name stays as it was
// (Cancel, the close box, or OK on an empty box): a field never loses its
// name.

#include <QDialog>

#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace brisance {

class frmNewFieldName : public QDialog {
    Q_OBJECT

public:
    explicit frmNewFieldName(const std::string& name, QWidget* parent = nullptr);

    const std::string& NewName() const { return m_newName; }

private:
    void cmdOK_Click();

    std::string m_newName;
    QLabel* lblCustomize;
    QLineEdit* txtFieldName;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
};

}  // namespace brisance
