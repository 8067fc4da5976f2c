#include "module/preferences/frmPrefNotes.h"

#include "module/core/ModuleGlobals.h"
#include "module/core/PreferenceValues.h"
#include "module/panels/TwipsGeometry.h"
#include "module/panels/frmNewFieldName.h"
#include "module/preferences/CheckBoxMasks.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>

#include <algorithm>
#include <array>
#include <string_view>

namespace brisance {

namespace {

constexpr std::size_t kMethod = 2;
constexpr std::size_t kReliability = 3;
constexpr std::size_t kFirstUserField = 5;

constexpr TextResources kFieldCaptions[frmPrefNotes::kFields] = {
    TR_MAKE_MODEL_SERIAL, TR_CALIBRATION_DATE, TR_TEST_METHOD, TR_TEST_RELIABILITY,
    TR_COMMENTS,          TR_USER_DEF_1,       TR_USER_DEF_2};
constexpr TextResources kDefaultNames[2] = {TR_USER_DEF_1, TR_USER_DEF_2};

// Stored names that earlier versions wrote in place of a name of the user's:
// they show the default name of the language instead.
constexpr std::array<std::string_view, 4> kPlaceholderNames = {"User Defined 1", "User Defined 2", "Tip Type",
                                                               "Test Material"};

// The layout, in twips: the boxes down the frame, the customise buttons
// beside the user fields.
constexpr int kMargin = 120;
constexpr int kFrameWidth = 6000;
constexpr int kFrameHeight = 2520;
constexpr int kFirstRowTop = 390;
constexpr int kSecondRowTop = 680;
constexpr int kRowPitch = 290;
constexpr int kBoxWidth = 4300;
constexpr int kButtonLeft = kMargin + kBoxWidth + kMargin;
constexpr int kButtonWidth = kFrameWidth - kButtonLeft - kMargin;
constexpr int kButtonHeight = 285;

}  // namespace

frmPrefNotes::frmPrefNotes() : OptionPage(kHelpContext, TR_NOTES_PREFERENCES)
{
    fraMain = AddFrame("fraMain", TR_NOTE_FIELDS_TO_DISPLAY, kMargin, kMargin, kFrameWidth, kFrameHeight);
    for (std::size_t i = 0; i < chkNoteField.size(); ++i) {
        chkNoteField[i] = AddCheckBox(fraMain, QStringLiteral("chkNoteField%1").arg(i), Text(kFieldCaptions[i]),
                                      kMargin, kFirstRowTop, kBoxWidth);
        connect(chkNoteField[i], &QCheckBox::stateChanged, this, [this, i] { chkNoteField_Click(i); });
    }
    for (std::size_t i = 0; i < cmdCustomize.size(); ++i) {
        cmdCustomize[i] = new QPushButton(Text(TR_CUSTOMIZE), fraMain);
        cmdCustomize[i]->setObjectName(QStringLiteral("cmdCustomize%1").arg(i));
        cmdCustomize[i]->resize(twipsRect(0, 0, kButtonWidth, kButtonHeight).size());
        connect(cmdCustomize[i], &QPushButton::clicked, this, [this, i] { cmdCustomize_Click(i); });
        chkNoteField_Click(kFirstUserField + i);
    }
    PlaceButtons(kMargin + kFrameWidth, kMargin + kFrameHeight + kMargin);
    Mode(0);
}

void frmPrefNotes::Mode(std::int32_t mode)
{
    m_mode = mode;
    chkNoteField[kMethod]->setVisible(mode == 0);
    chkNoteField[kReliability]->setVisible(mode == 0 || mode == 1);
    ArrangeCheckBoxes();
}

void frmPrefNotes::ArrangeCheckBoxes()
{
    chkNoteField[0]->move(twipsRect(kMargin, kFirstRowTop, 0, 0).topLeft());
    chkNoteField[1]->move(twipsRect(kMargin, kSecondRowTop, 0, 0).topLeft());
    int top = kSecondRowTop;
    for (std::size_t i = kMethod; i < chkNoteField.size(); ++i) {
        if (chkNoteField[i]->isHidden())
            continue;
        top += kRowPitch;
        chkNoteField[i]->move(twipsRect(kMargin, top, 0, 0).topLeft());
    }
    for (std::size_t i = 0; i < cmdCustomize.size(); ++i)
        cmdCustomize[i]->move(twipsRect(kButtonLeft, 0, 0, 0).left(), chkNoteField[kFirstUserField + i]->y());
}

std::string frmPrefNotes::Prefix() const
{
    switch (m_mode) {
    case 0: return "PT";
    case 1: return "SP";
    case 2: return "IP";
    default: return "";
    }
}

void frmPrefNotes::LoadPreferences()
{
    vellum::IVellumKeyedStore& store = Store();
    const CLangLoader& texts = *ModuleGlobals::UiTextLoader();
    for (std::size_t i = 0; i < cmdCustomize.size(); ++i) {
        std::string name = PreferenceText(store, Prefix() + "User" + std::to_string(i + 1));
        if (name.empty() || std::find(kPlaceholderNames.begin(), kPlaceholderNames.end(), name) != kPlaceholderNames.end())
            name = texts.LoadResString(kDefaultNames[i]);
        chkNoteField[kFirstUserField + i]->setText(QString::fromStdString(name));
    }
    MaskToCheckBoxes(chkNoteField, PreferenceNumber(store, Prefix() + "NoteFields"));
}

void frmPrefNotes::SavePreferences()
{
    vellum::IVellumKeyedStore& store = Store();
    store.put_Value(Prefix() + "NoteFields", CheckBoxesToMask(chkNoteField));
    for (std::size_t i = 0; i < cmdCustomize.size(); ++i)
        store.put_Value(Prefix() + "User" + std::to_string(i + 1),
                        chkNoteField[kFirstUserField + i]->text().toStdString());
}

void frmPrefNotes::chkNoteField_Click(std::size_t index)
{
    if (index >= kFirstUserField)
        cmdCustomize[index - kFirstUserField]->setEnabled(chkNoteField[index]->checkState() == Qt::Checked);
}

void frmPrefNotes::cmdCustomize_Click(std::size_t index)
{
    QCheckBox& field = *chkNoteField[kFirstUserField + index];
    frmNewFieldName dialog(field.text().toStdString(), this);
    dialog.exec();
    if (!dialog.NewName().empty())
        field.setText(QString::fromStdString(dialog.NewName()));
}

}  // namespace brisance
