#pragma once
// The dialog in which the user edits how one test is drawn: its label, the
// symbol of each of the six point kinds for the left ear, the right ear and
// binaural, and each side's curve colour, line style and width; for a test
// offered on a palette also that palette entry's comments (transducer,
// condition, word list, number of words).
//
// Every caller goes the same way: create it, set SpeechMode, TestToEdit and
// ImageList, call ShowTestDetails, set AllowCommentEditing, show it modally
// and read OKPressed. Changes reach the test only at OK; OK and Cancel (and
// the close box, as Cancel) only hide the dialog. Storing the curve
// preferences is the caller's business. F1 opens help context 115.
//
// A double click on a symbol opens the symbol picker; one on a colour swatch,
// the colour dialog.

#include "module/core/CCurvePref.h"
#include "module/core/CPaletteItem.h"
#include "platform/com/ComPtr.h"
#include "platform/gfx/ImageList.h"

#include <QDialog>

#include <array>
#include <memory>

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace brisance {

class PictureBox;
class VerticalLabel;

class frmTestProperties : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 115;

    explicit frmTestProperties(QWidget* parent = nullptr);

    // The test edited: a test itself, or a palette item, whose test
    // (CurvePreferences) is edited together with the item's comments.
    void TestToEdit(std::shared_ptr<CCurvePref> test);
    void TestToEdit(std::shared_ptr<CPaletteItem> item);
    // The symbol images to draw and pick from.
    void ImageList(platform::com::ComPtr<platform::gfx::ImageList> images);
    // Shows the test's identity and comments frame, and lays the dialog out for it.
    bool AllowCommentEditing() const { return m_allowCommentEditing; }
    void AllowCommentEditing(bool allow);
    // The speech layout: the unmasked and masked symbol rows only, and the
    // word-list fields.
    bool SpeechMode() const { return m_speechMode; }
    void SpeechMode(bool speech);
    // Fills the controls from the test edited.
    void ShowTestDetails();

    // True after OK; False after Cancel.
    bool OKPressed = false;

    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // One side's symbols, colour and line.
    struct Side {
        std::array<PictureBox*, 6> pictures;
        QLabel* caption;
        PictureBox* colour;
        QComboBox* lineStyle;
    };

    void CreateIdentityFrame();
    void CreateSymbolFrame();
    void LoadCaptions();
    void ArrangeControls();
    // The test edited: TestToEdit's, or null before it is set.
    CCurvePref* Test() const;
    void DrawSymbol(PictureBox& picture, int index);
    void SelectLineStyle(QComboBox& combo, std::int16_t style, std::int16_t width);
    void PickSymbol(PictureBox& picture);
    void PickColor(PictureBox& swatch);
    void UpdateOKState();
    void SaveTest();

    std::shared_ptr<CCurvePref> m_test;
    std::shared_ptr<CPaletteItem> m_paletteItem;
    platform::com::ComPtr<platform::gfx::ImageList> m_images;
    platform::com::ComPtr<platform::gfx::ImageList> imlLineStyle;
    bool m_allowCommentEditing = false;
    bool m_speechMode = false;

    QLabel* lblNotation;
    QLineEdit* txtNotation;

    QGroupBox* fraTestProperties;
    QLabel* lblTestType;
    QLabel* lblTestTypeValue;
    QLabel* lblTransducerType;
    QLabel* lblTransducerTypeValue;
    QLabel* lblAidedCondition;
    QLabel* lblAidedConditionValue;
    QLabel* lblWordList;
    QLabel* lblWordListValue;
    QLabel* lblTransducerComment;
    QLineEdit* txtTransducerComment;
    QLabel* lblConditionComment;
    QLineEdit* txtConditionComment;
    QLabel* lblWordListComment;
    QLineEdit* txtWordList;
    QLabel* lblNumberOfWords;
    QLineEdit* txtNumberOfWords;

    QGroupBox* fraSymbolMain;
    QFrame* fraSymbols;
    std::array<QLabel*, 6> lblPointType;
    std::array<VerticalLabel*, 3> lblColLabel;
    Side m_left;
    Side m_right;
    Side m_binaural;

    QFrame* linSeparator;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
};

}  // namespace brisance
