#pragma once
// The user's list of audiometers, each with its calibration date as free
// text, kept in the preference store (category 1000, section 0: the
// audiometer's make, model and serial text as key, the date as value).
//
// The caller sets Preferences, calls LoadAudiometers, shows the dialog
// modally and reads OKPressed. OK writes the list back whole; Cancel and the
// close box leave the store as it was. Both only hide the dialog. F1 opens
// help context 118.

// Qt's meta-object compiler cannot read the standard library's C++20 headers
// that the variant type brings in, and it needs nothing from them.
#ifndef Q_MOC_RUN
#include "vellum/IVellumKeyedStore.h"
#endif

#include <QDialog>

#include <cstdint>

class QPushButton;
class QTreeWidgetItem;

namespace brisance {

class ListView;

class frmAudiometers : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 118;
    static constexpr std::int16_t kCategory = 1000;

    explicit frmAudiometers(QWidget* parent = nullptr);

    void Preferences(vellum::ComPtr<vellum::IVellumKeyedStore> store) { m_store = std::move(store); }
    // Fills the list from the store; nothing happens without a store.
    void LoadAudiometers();

    // True after OK; False after Cancel or the close box.
    bool OKPressed = false;

    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTreeWidgetItem& AddRow(const QString& audiometer, const QString& date);
    QTreeWidgetItem* SelectedRow() const;
    void RowEdited(QTreeWidgetItem& row, int column);
    void cmdNew_Click();
    void cmdRename_Click();
    void cmdChangeDate_Click();
    void cmdDelete_Click();
    void cmdOK_Click();
    void SaveAudiometers();

    vellum::ComPtr<vellum::IVellumKeyedStore> m_store;
    // Numbers the rows' keys; never reused while the dialog lives.
    std::int32_t m_nextRowKey = 0;

    ListView* lvwAudiometers;
    QPushButton* cmdNew;
    QPushButton* cmdRename;
    QPushButton* cmdChangeDate;
    QPushButton* cmdDelete;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
};

}  // namespace brisance
