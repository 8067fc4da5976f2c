#pragma once
// What the option pages of a profile share. Each page edits a few keys of one
// profile in the preference store, which its opener has positioned at
// category 0 and the profile's section.
//
// The opener creates the page (captions come in by TextResources id at once),
// sets its mode where it has one, sets Preferences, calls LoadPreferences and
// shows it modally without an owner. OK writes the page's own keys at once
// and closes the page; Cancel and the close box write nothing. F1 opens the
// page's help context.
//
// A store that fails while OK writes is reported in a stop box and the page
// stays open, with the keys written so far in place.

// Qt's meta-object compiler cannot read the standard library's C++20 headers
// that the variant type brings in, and it needs nothing from them.
#ifndef Q_MOC_RUN
#include "module/core/TextResources.h"
#include "vellum/IVellumKeyedStore.h"
#endif

#include <QDialog>
#include <QString>

#include <initializer_list>
#include <utility>
#include <vector>

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace brisance {

class OptionPage : public QDialog {
    Q_OBJECT

public:
    void Preferences(vellum::ComPtr<vellum::IVellumKeyedStore> store) { m_store = std::move(store); }
    const vellum::ComPtr<vellum::IVellumKeyedStore>& Preferences() const { return m_store; }

    // Sets the controls from the page's keys; needs Preferences.
    virtual void LoadPreferences() = 0;

    int HelpContext() const { return m_helpContext; }

protected:
    OptionPage(int helpContext, TextResources caption);

    // Writes the page's keys at the store's position; run by OK.
    virtual void SavePreferences() = 0;

    // The positioned store; raises 91 (object not set) before Preferences.
    vellum::IVellumKeyedStore& Store() const;

    // The UI text of an id.
    static QString Text(TextResources id);

    // Controls placed in twips on the page or in one of its frames.
    QGroupBox* AddFrame(const char* name, TextResources caption, int left, int top, int width, int height);
    QCheckBox* AddCheckBox(QWidget* parent, const QString& name, const QString& caption, int left, int top, int width);
    // A group of option buttons down a frame, one a row, named name0,
    // name1 ...; none selected.
    std::vector<QRadioButton*> AddOptions(QGroupBox* frame, const char* name, std::initializer_list<TextResources> captions);

    // Frames stacked in a column, each as high as its rows of controls (and
    // `extra` twips more); columnTop moves below the frame added.
    QGroupBox* AddFrameInColumn(int& columnTop, int left, int width, const char* name, TextResources caption,
                                int rows, int extra = 0);
    // The top of a frame's row of controls, in twips.
    static int RowTop(int row);

    // OK and Cancel side by side, their right edge at right, and the page's
    // size fitting around everything up to them.
    void PlaceButtons(int right, int top);

    void keyPressEvent(QKeyEvent* event) override;

    QPushButton* cmdOK;
    QPushButton* cmdCancel;

private:
    void cmdOK_Click();

    int m_helpContext;
    vellum::ComPtr<vellum::IVellumKeyedStore> m_store;
};

// Opens a page on the store as its openers do: Preferences, LoadPreferences,
// then shown modally without an owner. A store that fails while the page
// loads is reported in a stop box owned by the opener, and the page does not
// show.
void ShowOptionPage(OptionPage& page, vellum::ComPtr<vellum::IVellumKeyedStore> store, QWidget* opener);

}  // namespace brisance
