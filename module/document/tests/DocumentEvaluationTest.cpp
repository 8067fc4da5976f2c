// The date of evaluation, the properties and the report comments of the
// document, edited in their dialogs as a user does.

#include "module/document/tests/DocumentEditing.h"
#include "module/document/tests/DocumentTestSupport.h"

#include "module/core/TextResources.h"
#include "module/document/frmAudiogramProperties.h"
#include "module/document/frmDateOfEvaluation.h"
#include "module/document/KeyedStatusBar.h"
#include "module/panels/INotes.h"
#include "module/report/frmReportComments.h"
#include "module/views/CImpedance.h"
#include "module/views/CSpeech.h"

#include "platform/testing/ModalDialogs.h"

#include <QAction>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>

namespace brisance {
namespace {

using host::testing::ActionSpec;
using platform::runtime::Date;
using platform::runtime::Variant;
using platform::testing::ModalDialogs;
using testing::DayText;
using testing::kTodayDay;
using testing::kYesterday;

constexpr const char* kEnglishLibrary = BRISANCE_PROGRAM_DIR "/Language Resources/BrisanceENU.so";
const host::Date kTwoDaysAgo = kTodayDay - 2;

void SetPickerDay(QDateEdit& picker, host::Date day)
{
    const platform::runtime::DateParts parts = platform::runtime::dateParts(Date{day});
    picker.setDate(QDate(parts.year, parts.month, parts.day));
}

class DocumentEvaluationTest : public testing::DocumentTest {
protected:
    void SetUp() override
    {
        testing::DocumentTest::SetUp();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        host.setLanguage(1033);
        host.setRunningModule(host::testing::kAudiogramModule);
        ASSERT_TRUE(english.OpenResourceLibrary(kEnglishLibrary));
        SelectClientWithSession();
    }

    void TearDown() override { QLocale::setDefault(QLocale::system()); }

    // Today's audiogram of this module, shown when the document opens.
    docAudiogramModule& OpenTodays(const std::string& description = "Before the fitting")
    {
        host.showAction(host.addAction(*session, {.code = 1, .publicData = testing::AudiogramDataWithoutTympanograms(),
                                                  .dateCreated = kTodayDay, .description = description,
                                                  .userInitials = "AB"}));
        return OpenDocument();
    }

    // An audiogram made two days ago: read-only.
    docAudiogramModule& OpenOlder()
    {
        const host::Session past = host.addSession(*client, kTwoDaysAgo);
        host.showAction(host.addAction(past, {.code = 1, .publicData = testing::AudiogramDataWithoutTympanograms(),
                                              .dateCreated = kTwoDaysAgo, .lastModified = kYesterday,
                                              .description = "Screening", .userInitials = "CD"}));
        return OpenDocument();
    }

    void Save() { document->Menus().mnuFileSave->trigger(); }

    // The notes store of the audiogram that the host holds last.
    vellum::ComPtr<vellum::IVellumKeyedStore> SavedNotes(std::int16_t category, std::int16_t section)
    {
        const std::vector<host::ActionRecord> stored = host.database().actions(session->id());
        EXPECT_FALSE(stored.empty());
        const auto notes = platform::com::create<vellum::IVellumKeyedStore>(vellum::kVellumKeyedStoreClsid);
        if (!stored.empty() && stored.front().privateData)
            notes->put_Data(Variant::fromBytes(*stored.front().privateData));
        notes->put_Category(category);
        notes->put_Section(section);
        return notes;
    }

    std::string SavedDescription() { return host.database().actions(session->id()).front().description; }

    std::string DatePanel() const
    {
        return document->sbrMain().PanelText("DATE");
    }

    static std::string DatePanelOf(host::Date day)
    {
        return "Date of Evaluation: " + DayText(day);
    }

    // True when closing the document asks whether to save (answered No).
    bool ClosingAsks()
    {
        responder.queue(platform::ui::reply::Button{platform::ui::IDNO});
        const std::size_t before = responder.shown().size();
        document->Terminate();
        document.reset();
        return responder.shown().size() > before &&
               responder.shown().back().text == english.LoadResString(TR_DO_YOU_WANT_TO_SAVE_CHANGES);
    }

    bool Dirty() const { return document->oPureTone().DataNeedsSaved(); }

    CLangLoader english;
};

TEST_F(DocumentEvaluationTest, CancelKeepsTheDateAndOkWithYesterdayIsShownSavedAsATranscriptionInAnyLocale)
{
    docAudiogramModule& document = OpenDocument();
    ASSERT_EQ(DatePanel(), DatePanelOf(kTodayDay));
    {
        ModalDialogs dialogs;
        dialogs.answer<frmDateOfEvaluation>([](frmDateOfEvaluation& dialog) {
            EXPECT_EQ(dialog.EvaluationDate().days, kTodayDay) << "the dialog opens on the document's date";
            SetPickerDay(*dialog.dtpDateOfEval, kYesterday);
            QTest::mouseClick(dialog.cmdCancel, Qt::LeftButton);
        });
        document.Menus().mnuEditDate->trigger();
    }
    EXPECT_EQ(DatePanel(), DatePanelOf(kTodayDay));
    EXPECT_FALSE(Dirty());

    {
        ModalDialogs dialogs;
        dialogs.answer<frmDateOfEvaluation>([](frmDateOfEvaluation& dialog) {
            SetPickerDay(*dialog.dtpDateOfEval, kYesterday);
            QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
        });
        document.Menus().mnuEditDate->trigger();
    }
    EXPECT_EQ(DatePanel(), DatePanelOf(kYesterday)) << "the panel shows the new date at once";
    EXPECT_TRUE(Dirty()) << "closing asks for the new date";

    Save();
    const std::string transcription = english.LoadResString(TR_TRANSCRIPTION_OF_AUDIOGRAM_DATA_INITIALLY_RECORDED);
    const std::string before = transcription.substr(0, transcription.find("xx/xx/xxxx"));
    EXPECT_EQ(SavedDescription().substr(0, before.size()), before);
    document.Terminate();
    this->document.reset();

    // The document of yesterday's evaluation, opened again under another locale.
    const std::string americanPanel = DatePanelOf(kYesterday);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ASSERT_NE(DatePanelOf(kYesterday), americanPanel);
    OpenDocument();
    EXPECT_EQ(DatePanel(), DatePanelOf(kYesterday));
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{});
}

// A past visit's date cannot be changed: nothing of it would be saved.
TEST_F(DocumentEvaluationTest, TheDatePanelAndTheCommandOpenTheDialogUnlessTheDocumentIsReadOnly)
{
    OpenDocument();
    EXPECT_TRUE(document->Menus().mnuEditDate->isEnabled());
    {
        ModalDialogs dialogs;
        dialogs.answer<frmDateOfEvaluation>([](frmDateOfEvaluation& dialog) {
            QTest::keyClick(&dialog, Qt::Key_F1);
            QTest::mouseClick(dialog.cmdCancel, Qt::LeftButton);
        });
        QTest::mouseDClick(&document->sbrMain().Panel("DATE"), Qt::LeftButton);
    }
    ASSERT_FALSE(responder.shown().empty());
    EXPECT_EQ(responder.shown().back().kind, platform::ui::DialogKind::Help);
    EXPECT_EQ(responder.shown().back().style, static_cast<std::uint32_t>(frmDateOfEvaluation::kHelpContext));
    document->Terminate();
    document.reset();

    OpenOlder();
    ASSERT_EQ(document->DocumentMode(), docAudiogramModule::kModeReadOnly);
    const std::string shownDate = DatePanel();
    ModalDialogs none;
    QTest::mouseDClick(&document->sbrMain().Panel("DATE"), Qt::LeftButton);
    QTest::mouseDClick(&document->sbrMain().Panel("CLIENT"), Qt::LeftButton);
    EXPECT_FALSE(document->Menus().mnuEditDate->isEnabled()) << "Edit > Date of Evaluation on a past visit";
    document->Menus().mnuEditDate->trigger();
    EXPECT_EQ(DatePanel(), shownDate);
}

TEST_F(DocumentEvaluationTest, PropertiesOfANewDocumentShowNoDatesAndTheUsersInitials)
{
    OpenDocument();
    ModalDialogs dialogs;
    dialogs.answer<frmAudiogramProperties>([&](frmAudiogramProperties& dialog) {
        EXPECT_EQ(dialog.lblDateCreatedValue->text(), QString());
        EXPECT_EQ(dialog.lblLastModifiedValue->text(), QString());
        EXPECT_EQ(dialog.lblUserInitialsValue->text(), QStringLiteral("JD"));
        EXPECT_EQ(dialog.txtDescription->text(), QString()) << "no description typed yet";
        EXPECT_FALSE(dialog.txtDescription->isReadOnly());
        EXPECT_EQ(dialog.dtpDateOfEval->date(), QDate(2026, 12, 10));
        // Escape does not close it: OK is the only way out.
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_TRUE(dialog.isVisible());
        QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
    });
    document->Menus().mnuFileProperties->trigger();

    EXPECT_FALSE(Dirty()) << "nothing was changed";
    Save();
    EXPECT_TRUE(SavedNotes(0, 0)->get_Value("CustomDescription").isNull());
    EXPECT_EQ(SavedDescription(), english.LoadResString2(TR_NEW_AUDIOGRAM));
}

TEST_F(DocumentEvaluationTest, AnEditedDescriptionIsSavedAndClosingAsksForIt)
{
    OpenTodays();
    ASSERT_EQ(document->DocumentMode(), docAudiogramModule::kModeEditable);
    {
        ModalDialogs dialogs;
        dialogs.answer<frmAudiogramProperties>([&](frmAudiogramProperties& dialog) {
            EXPECT_EQ(dialog.lblDateCreatedValue->text().toStdString(), DayText(kTodayDay));
            EXPECT_EQ(dialog.lblUserInitialsValue->text(), QStringLiteral("AB"));
            // What the next save would describe it as.
            EXPECT_EQ(dialog.txtDescription->text().toStdString(), english.LoadResString(TR_AUDIOGRAM_CHANGED));
            dialog.txtDescription->selectAll();
            QTest::keyClicks(dialog.txtDescription, "After the fitting");
            QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
        });
        document->Menus().mnuFileProperties->trigger();
    }

    EXPECT_TRUE(Dirty());
    Save();
    EXPECT_EQ(SavedDescription(), "After the fitting");
    EXPECT_TRUE(SavedNotes(0, 0)->get_Value("CustomDescription").toBoolean());

    // The same again, closed without saving.
    ModalDialogs again;
    again.answer<frmAudiogramProperties>([](frmAudiogramProperties& dialog) {
        QTest::keyClicks(dialog.txtDescription, ", second visit");
        QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
    });
    document->Menus().mnuFileProperties->trigger();
    EXPECT_TRUE(ClosingAsks());
}

TEST_F(DocumentEvaluationTest, AReadOnlyDocumentsDescriptionIsLockedAndItsChangesMarkNothing)
{
    OpenOlder();
    ASSERT_EQ(document->DocumentMode(), docAudiogramModule::kModeReadOnly);
    ModalDialogs dialogs;
    dialogs.answer<frmAudiogramProperties>([](frmAudiogramProperties& dialog) {
        EXPECT_EQ(dialog.lblDateCreatedValue->text().toStdString(), DayText(kTwoDaysAgo));
        EXPECT_EQ(dialog.lblLastModifiedValue->text().toStdString(), DayText(kYesterday));
        EXPECT_EQ(dialog.lblUserInitialsValue->text(), QStringLiteral("CD"));
        EXPECT_TRUE(dialog.txtDescription->isReadOnly());
        SetPickerDay(*dialog.dtpDateOfEval, kYesterday);
        QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
    });
    document->Menus().mnuFileProperties->trigger();

    EXPECT_EQ(DatePanel(), DatePanelOf(kYesterday)) << "the date is stored in every mode";
    EXPECT_FALSE(Dirty());
    EXPECT_FALSE(ClosingAsks());
}

// A stored text that is neither an ISO date nor a date in the locale's short
// form shows as no date, and only a day that the user confirms replaces it.
TEST_F(DocumentEvaluationTest, AStoredTextThatIsNoDateStaysUntilTheUserConfirmsADay)
{
    constexpr const char* kNoDate = "sometime in spring";
    host.showAction(host.addAction(*session, {.code = 1, .publicData = testing::AudiogramDataWithoutTympanograms(),
                                              .privateData = testing::NotesData("DateOfEval", kNoDate),
                                              .dateCreated = kTodayDay}));
    OpenDocument();
    ASSERT_EQ(document->DocumentMode(), docAudiogramModule::kModeEditable);
    const std::string noDatePanel = "Date of Evaluation: " + english.LoadResString(TR_NO_DATE);
    EXPECT_EQ(DatePanel(), noDatePanel);
    const auto storedText = [this] {
        vellum::IVellumKeyedStore& notes = DocumentTestAccess::Notes(*document);
        notes.put_Category(0);
        notes.put_Section(0);
        return notes.get_Value("DateOfEval");
    };

    // The properties closed without a day picked, then saved.
    {
        ModalDialogs dialogs;
        dialogs.answer<frmAudiogramProperties>(
            [](frmAudiogramProperties& dialog) { QTest::mouseClick(dialog.cmdOK, Qt::LeftButton); });
        document->Menus().mnuFileProperties->trigger();
    }
    EXPECT_EQ(storedText(), Variant(kNoDate));
    EXPECT_EQ(DatePanel(), noDatePanel);
    EXPECT_FALSE(Dirty());
    Save();
    EXPECT_EQ(SavedNotes(0, 0)->get_Value("DateOfEval"), Variant(kNoDate));
    EXPECT_EQ(SavedDescription(), english.LoadResString(TR_AUDIOGRAM_CHANGED)) << "no transcription of any day";

    // The date dialog proposes today, and its OK confirms it.
    {
        ModalDialogs dialogs;
        dialogs.answer<frmDateOfEvaluation>([](frmDateOfEvaluation& dialog) {
            EXPECT_EQ(dialog.EvaluationDate().days, kTodayDay);
            QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
        });
        document->Menus().mnuEditDate->trigger();
    }
    EXPECT_EQ(DatePanel(), DatePanelOf(kTodayDay));
    EXPECT_TRUE(Dirty()) << "closing asks for the confirmed day";
}

TEST_F(DocumentEvaluationTest, CommentsProposeTheViewsNotesAndAreStoredOnlyOnOk)
{
    OpenDocument();
    document->oPureTone().Notes()->SetNoteTypeText(6, "Tinnitus left");
    document->oSpeech().Notes()->SetNoteTypeText(6, "Tired");
    document->oImpedance().Notes()->SetNoteTypeText(6, "Wax");
    document->oPureTone().DataNeedsSaved(false);
    document->oSpeech().DataNeedsSaved(false);
    document->oImpedance().DataNeedsSaved(false);
    {
        ModalDialogs dialogs;
        dialogs.answer<frmReportComments>([](frmReportComments& dialog) {
            EXPECT_EQ(dialog.Comments(), "Tinnitus left Tired Wax ");
            QTest::mouseClick(dialog.findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
        });
        document->Menus().mnuReportComments->trigger();
    }
    EXPECT_FALSE(Dirty());
    Save();
    EXPECT_TRUE(SavedNotes(100, 100)->get_Value("ReportComments").isNull()) << "Cancel stores nothing";

    {
        ModalDialogs dialogs;
        dialogs.answer<frmReportComments>([](frmReportComments& dialog) {
            auto* text = dialog.findChild<QPlainTextEdit*>("txtComments");
            text->selectAll();
            QTest::keyClicks(text, "Refer to ENT");
            QTest::mouseClick(dialog.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        });
        document->Menus().mnuReportComments->trigger();
    }
    EXPECT_TRUE(Dirty());
    Save();
    EXPECT_EQ(SavedNotes(100, 100)->get_Value("ReportComments").toString(), "Refer to ENT");

    // Stored comments are offered as they are.
    ModalDialogs dialogs;
    dialogs.answer<frmReportComments>([](frmReportComments& dialog) {
        EXPECT_EQ(dialog.Comments(), "Refer to ENT");
        QTest::mouseClick(dialog.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    });
    document->Menus().mnuReportComments->trigger();
    EXPECT_FALSE(ClosingAsks()) << "the same comments again are no change";
}

}  // namespace
}  // namespace brisance
