#include "module/document/tests/DocumentEditing.h"
#include "module/document/tests/DocumentTestSupport.h"

#include "module/core/TextResources.h"
#include "module/document/frmReadOnlyMsg.h"
#include "module/document/KeyedTabStrip.h"
#include "module/preferences/frmTestProperties.h"
#include "module/views/CImpedance.h"
#include "module/views/CSpeech.h"

#include "platform/testing/ModalDialogs.h"

#include <QAction>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cmath>

namespace brisance {
namespace {

using host::testing::ActionSpec;
using platform::testing::ModalDialogs;
using testing::kTodayDay;
using testing::kYesterday;

class DocumentReadOnlyTest : public testing::EnglishDocumentTest {
protected:
    // An audiogram made yesterday, with its date of evaluation and a note.
    docAudiogramModule& OpenYesterdays()
    {
        const auto notes = platform::com::create<vellum::IVellumKeyedStore>(vellum::kVellumKeyedStoreClsid);
        notes->put_Category(0);
        notes->put_Section(0);
        notes->put_Value("DateOfEval", testing::DayText(kYesterday));
        notes->put_Value("Comments", "Noisy room");
        const host::Session past = host.addSession(*client, kYesterday);
        host.showAction(host.addAction(past, {.code = 1, .publicData = testing::FullAudiogramData(),
                                              .privateData = notes->get_Data().toBytes(),
                                              .dateCreated = kYesterday, .timeStamp = kYesterday}));
        return Open();
    }

    docAudiogramModule& Open()
    {
        OpenDocument();
        frame.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&frame));
        return *document;
    }

    // A real click on the left-ear chart, which a read-only document disables.
    void ClickChart() { testing::ClickChart(document->oPureTone(), 0, testing::k1000Hz, 40); }

    vellum::IVellumDataLayer& Data() const { return *document->oPureTone().DataLayer(); }

    static void Choose(ModalDialogs& dialogs, int option)
    {
        dialogs.answer<frmReadOnlyMsg>([option](frmReadOnlyMsg& dialog) {
            if (option >= 0)
                platform::testing::click(dialog.optChoice[static_cast<std::size_t>(option)]);
            QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
        });
    }

};

TEST_F(DocumentReadOnlyTest, APressOnADisabledChartAsksWithTheQuestionSound)
{
    docAudiogramModule& document = OpenYesterdays();
    ASSERT_EQ(document.DocumentMode(), docAudiogramModule::kModeReadOnly);
    ASSERT_FALSE(document.oPureTone().Enabled());
    ModalDialogs dialogs;
    dialogs.answer<frmReadOnlyMsg>([this](frmReadOnlyMsg& dialog) {
        EXPECT_EQ(dialog.windowTitle().toStdString(), english.LoadResString(TR_READ_ONLY_MODE));
        EXPECT_EQ(dialog.lblMsg->text().toStdString(), english.LoadResString(TR_READ_ONLY_ALERT));
        EXPECT_TRUE(dialog.optChoice[0]->isChecked());
        EXPECT_EQ(dialog.cmdOK->text().toStdString(), english.LoadResString(TR_OK));
        EXPECT_FALSE(dialog.Image1->pixmap().isNull());
        platform::testing::click(dialog.optChoice[2]);
        QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
    });

    ClickChart();

    const auto& shown = responder.shown();
    const auto first = std::find_if(shown.begin(), shown.end(),
                                    [](const platform::ui::ShownDialog& d) { return !IsSpeechPaletteNotice(d.text); });
    ASSERT_NE(first, shown.end());
    EXPECT_EQ(first->kind, platform::ui::DialogKind::Sound);
    EXPECT_EQ(first->text, "SystemQuestion");
    EXPECT_EQ(document.DocumentMode(), docAudiogramModule::kModeReadOnly) << "go on viewing";
    EXPECT_TRUE(testing::PureTonePoints(Data()).size() > 0);
}

struct ChoiceCase {
    const char* name;
    int option;  // -1: OK without touching the options
    std::int32_t mode;
    bool keepsGroup;
    bool keepsData;
};

void PrintTo(const ChoiceCase& choice, std::ostream* out)
{
    *out << choice.name;
}

class DocumentReadOnlyChoiceTest : public DocumentReadOnlyTest, public ::testing::WithParamInterface<ChoiceCase> {};

TEST_P(DocumentReadOnlyChoiceTest, CarriesOutTheChoice)
{
    const ChoiceCase& c = GetParam();
    docAudiogramModule& document = OpenYesterdays();
    const auto points = testing::PureTonePoints(Data());
    ModalDialogs dialogs;
    Choose(dialogs, c.option);

    ClickChart();

    EXPECT_EQ(document.DocumentMode(), c.mode);
    EXPECT_EQ(static_cast<bool>(document.GroupActions()[0]), c.keepsGroup);
    EXPECT_EQ(testing::PureTonePoints(Data()) == points, c.keepsData);
    EXPECT_EQ(document.oPureTone().Enabled(), c.mode != docAudiogramModule::kModeReadOnly);
    EXPECT_EQ(document.Menus().mnuEditDate->isEnabled(), c.mode != docAudiogramModule::kModeReadOnly)
        << "the date of evaluation can be changed exactly where it will be saved";
    EXPECT_FALSE(document.oPureTone().DataNeedsSaved());
    EXPECT_FALSE(document.Menus().mnuEditUndo->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Choices, DocumentReadOnlyChoiceTest,
    ::testing::Values(ChoiceCase{"BasedOnThisOne", 0, docAudiogramModule::kModeNew, false, true},
                      ChoiceCase{"OkUntouched", -1, docAudiogramModule::kModeNew, false, true},
                      ChoiceCase{"NewEmpty", 1, docAudiogramModule::kModeNew, false, false},
                      ChoiceCase{"GoOnViewing", 2, docAudiogramModule::kModeReadOnly, true, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DocumentReadOnlyTest, AfterGoingOnViewingTheNextPressAsksAgain)
{
    docAudiogramModule& document = OpenYesterdays();
    ModalDialogs dialogs;
    Choose(dialogs, 2);
    Choose(dialogs, 1);

    ClickChart();
    ASSERT_EQ(document.DocumentMode(), docAudiogramModule::kModeReadOnly);
    ASSERT_FALSE(document.oPureTone().Enabled()) << "the chart still takes no plot";
    ClickChart();

    EXPECT_EQ(document.DocumentMode(), docAudiogramModule::kModeNew) << "the second press did not ask again";
    EXPECT_TRUE(testing::PureTonePoints(Data()).empty());
}

// Editing a test on either palette changes the test, never the stored
// curves' descriptions of a read-only audiogram.
TEST_F(DocumentReadOnlyTest, ATestEditedOnThePaletteLeavesTheReadOnlyDataAsTheyAre)
{
    docAudiogramModule& document = OpenYesterdays();
    const auto shown = Data().get_Data().toBytes();
    for (const char* tab : {"PURETONE", "SPEECH"}) {
        SCOPED_TRACE(tab);
        document.tabMain().Select(tab);
        ModalDialogs dialogs;
        dialogs.answer<frmTestProperties>([](frmTestProperties& dialog) {
            platform::testing::child<QLineEdit>(dialog, "txtTransducerComment")->setText(QStringLiteral("Insert phones"));
            QTest::mouseClick(platform::testing::child<QPushButton>(dialog, "cmdOK"), Qt::LeftButton);
        });
        document.Menus().mnuEditTestConditions->trigger();
    }
    EXPECT_EQ(Data().get_Data().toBytes(), shown);
    EXPECT_FALSE(document.oPureTone().DataNeedsSaved() || document.oSpeech().DataNeedsSaved());
    const std::size_t before = responder.shown().size();
    document.Terminate();
    EXPECT_EQ(responder.shown().size(), before) << "closing a read-only document asked to save it";
}

TEST_F(DocumentReadOnlyTest, ANewActionBasedOnYesterdaysIsSavedAsATranscription)
{
    docAudiogramModule& document = OpenYesterdays();
    {
        ModalDialogs dialogs;
        Choose(dialogs, 0);
        ClickChart();
    }
    ASSERT_EQ(document.DocumentMode(), docAudiogramModule::kModeNew);
    const std::size_t before = host.database().actions(session->id()).size();

    document.Menus().mnuFileSave->trigger();

    const auto stored = host.database().actions(session->id());
    ASSERT_EQ(stored.size(), before + 3) << "the audiogram and both ears' impedance";
    const std::string date = testing::DayText(kYesterday);
    for (std::size_t i = before; i < stored.size(); ++i) {
        EXPECT_NE(stored[i].description.find(date), std::string::npos) << stored[i].description;
        if (stored[i].dataTypeCode == 1) {
            EXPECT_EQ(std::floor(stored[i].dateCreated), kYesterday) << "the audiogram is dated as evaluated";
        }
    }
    EXPECT_EQ(document.DocumentMode(), docAudiogramModule::kModeEditable);
}

TEST_F(DocumentReadOnlyTest, AnEditableOrNewDocumentAsksNothing)
{
    docAudiogramModule& document = Open();
    ASSERT_EQ(document.DocumentMode(), docAudiogramModule::kModeNew);
    ClickChart();
    document.Menus().mnuFileSave->trigger();
    ASSERT_EQ(document.DocumentMode(), docAudiogramModule::kModeEditable);
    ClickChart();
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{});
}

TEST_F(DocumentReadOnlyTest, F1OpensItsHelpTopic)
{
    OpenYesterdays();
    ModalDialogs dialogs;
    dialogs.answer<frmReadOnlyMsg>([](frmReadOnlyMsg& dialog) {
        QTest::keyClick(&dialog, Qt::Key_F1);
        QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
    });

    ClickChart();

    bool helped = false;
    for (const auto& shown : responder.shown())
        if (shown.kind == platform::ui::DialogKind::Help)
            helped = helped || shown.style == 124u;
    EXPECT_TRUE(helped);
}

// The lightest "darkest pixel" among the visible texts of a view: its labels,
// text boxes and lists that show something. Dark text has a dark pixel.
int LightestTextInk(QWidget& view, std::string& lightest)
{
    int worst = 0;
    const auto check = [&](QWidget& widget, const QString& text) {
        if (!widget.isVisible() || text.trimmed().isEmpty())
            return;
        const QImage image = widget.grab().toImage();
        int darkest = 255;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                darkest = std::min(darkest, qGray(image.pixel(x, y)));
        if (darkest > worst) {
            worst = darkest;
            lightest = widget.objectName().toStdString() + " \"" + text.toStdString() + "\"";
        }
    };
    for (QLabel* label : view.findChildren<QLabel*>())
        check(*label, label->text());
    for (QLineEdit* box : view.findChildren<QLineEdit*>())
        check(*box, box->text());
    for (QComboBox* list : view.findChildren<QComboBox*>())
        check(*list, list->currentText());
    return worst;
}

TEST_F(DocumentReadOnlyTest, APastVisitsValuesAreDrawnInTheNormalTextColourInEveryView)
{
    docAudiogramModule& document = OpenYesterdays();
    ASSERT_EQ(document.DocumentMode(), docAudiogramModule::kModeReadOnly);
    const std::pair<const char*, QWidget*> views[] = {
        {"PURETONE", &document.oPureTone()}, {"SPEECH", &document.oSpeech()}, {"IMPEDANCE", &document.oImpedance()}};
    for (const auto& [tab, view] : views) {
        document.tabMain().Select(tab);
        ASSERT_FALSE(view->isEnabled()) << tab << ": the controls refuse input";
        std::string lightest;
        EXPECT_LT(LightestTextInk(*view, lightest), 100) << tab << ": " << lightest << " is drawn greyed";
    }
}

}  // namespace
}  // namespace brisance
