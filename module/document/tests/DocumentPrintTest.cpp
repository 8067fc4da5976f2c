#include "module/document/tests/DocumentEditing.h"
#include "module/document/tests/DocumentTestSupport.h"

#include "module/core/ModuleGlobals.h"
#include "module/core/StoreSelection.h"
#include "module/core/TextResources.h"
#include "module/document/KeyedToolBar.h"
#include "module/views/CSpeech.h"

#include "PelmTolvaneChart/ClassIds.h"

#include "platform/com/Guid.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/print/PrinterBlocks.h"
#include "platform/print/Printers.h"
#include "platform/registry/Key.h"
#include "platform/testing/PdfPages.h"

#include <QAction>
#include <QTest>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace brisance {
namespace {

namespace fs = std::filesystem;
namespace gfx = platform::gfx;
namespace print = platform::print;
namespace registry = platform::registry;
namespace ui = platform::ui;
using testing::DayText;
using testing::kTodayDay;
using testing::kYesterday;

const host::Date kBirthDay = 22000.0;  // 25 March 1960

std::string UiText(std::int32_t id)
{
    return ModuleGlobals::UiTextLoader()->LoadResString2(id);
}

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// The PDF files that the built-in printer has written, by name.
std::vector<fs::path> PrintedFiles()
{
    std::vector<fs::path> files;
    const fs::path folder = print::builtInPrinterSettings().folder;
    if (fs::exists(folder))
        for (const auto& entry : fs::directory_iterator(folder))
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

// A notes store's content holding the date of evaluation and the report's
// comments where the document keeps them.
host::Bytes NotesWithComments(const std::string& dateOfEvaluation, const std::string& comments)
{
    const auto store = platform::com::create<vellum::IVellumKeyedStore>(vellum::kVellumKeyedStoreClsid);
    {
        const StoreSelectionKeeper dates(*store, 0, 0);
        store->put_Value("DateOfEval", dateOfEvaluation);
    }
    const StoreSelectionKeeper report(*store, 100, 100);
    store->put_Value("ReportComments", comments);
    return store->get_Data().toBytes();
}

void SwitchOffBuiltInPrinter()
{
    registry::Key key;
    ASSERT_EQ(registry::createKey(registry::Root::LocalMachine, "SOFTWARE\\Brisance\\Printing", registry::Access::Write,
                                  key),
              registry::Result::Success);
    key.setString("BuiltInPrinterName", "");
}

class DocumentPrintTest : public testing::DocumentTest {
protected:
    void SetUp() override
    {
        testing::DocumentTest::SetUp();
        host.setLanguage(1033);
        host.setRunningModule(host::testing::kAudiogramModule);
        client = host.addClient(
            {.firstName = "Ann", .middleName = "Marie", .lastName = "Smith", .clientNo = "4711", .birthDate = kBirthDay});
        session = host.addSession(*client, kTodayDay);
        host.select(*client, host.addUser("JD"), *session);
    }

    void TearDown() override
    {
        if (document)
            document->Terminate();
        document.reset();
    }

    // Opens the document on one saved audiogram of today's session.
    docAudiogramModule& OpenOnAudiogram(const host::Bytes& notes)
    {
        host.showAction(host.addAction(*session, {.code = 1,
                                                  .publicData = testing::AudiogramDataWithoutTympanograms(),
                                                  .privateData = notes,
                                                  .dateCreated = kTodayDay}));
        return OpenDocument();
    }

    // File > Print, the dialog answered with the built-in printer.
    void PrintFromFileMenu()
    {
        responder.queue(ui::reply::Printer{print::builtInPrinterSettings().name});
        document->Menus().mnuFilePrint->trigger();
    }

    void ClickToolbarPrint() const
    {
        QWidget* button = document->tbrMain().widgetForAction(&document->tbrMain().Button("Print"));
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
    }

    // The one PDF that the command printed; fails when it printed none or
    // more than one.
    fs::path PrintedFile(const std::function<void()>& command) const
    {
        const std::vector<fs::path> before = PrintedFiles();
        command();
        std::vector<fs::path> added;
        for (const fs::path& file : PrintedFiles())
            if (std::find(before.begin(), before.end(), file) == before.end())
                added.push_back(file);
        EXPECT_EQ(added.size(), 1u) << "one printed report";
        return added.size() == 1 ? added.front() : fs::path();
    }

    std::string PrintedText(const std::function<void()>& command) const
    {
        return platform::testing::pdfText(PrintedFile(command));
    }

    // What the responder recorded, without the speech view's notice about
    // its palette.
    std::vector<ui::ShownDialog> Shown() const
    {
        std::vector<ui::ShownDialog> shown;
        for (const ui::ShownDialog& dialog : responder.shown())
            if (!IsSpeechPaletteNotice(dialog.text))
                shown.push_back(dialog);
        return shown;
    }

    std::vector<ui::ShownDialog> MessageBoxes() const
    {
        std::vector<ui::ShownDialog> boxes;
        for (const ui::ShownDialog& dialog : Shown())
            if (dialog.kind == ui::DialogKind::MessageBox)
                boxes.push_back(dialog);
        return boxes;
    }
};

TEST_F(DocumentPrintTest, FileMenuPrintsTheClientAndTheDateOfEvaluationOnlyOnceTheDocumentWasSaved)
{
    docAudiogramModule& document = OpenDocument();
    ASSERT_EQ(document.DocumentMode(), docAudiogramModule::kModeNew);
    vellum::IVellumKeyedStore& notes = DocumentTestAccess::Notes(document);
    notes.put_Category(7);
    notes.put_Section(3);

    const std::string unsaved = PrintedText([&] { PrintFromFileMenu(); });
    EXPECT_TRUE(Contains(unsaved, UiText(TR_HEARING_EVALUATION))) << unsaved;
    EXPECT_TRUE(Contains(unsaved, "Smith, Ann Marie")) << unsaved;
    EXPECT_TRUE(Contains(unsaved, "4711")) << unsaved;
    EXPECT_TRUE(Contains(unsaved, DayText(kBirthDay))) << unsaved;
    EXPECT_FALSE(Contains(unsaved, DayText(kTodayDay))) << "a new document has no date of evaluation yet";

    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].kind, ui::DialogKind::Print);
    EXPECT_EQ(Shown()[0].style, 0x100114u) << "a context returned, collate ticked, no selection, no print-to-file";
    EXPECT_EQ(print::liveBlocks(), 0u) << "the chosen printer's blocks are freed";
    EXPECT_EQ(notes.get_Category(), 7) << "printing leaves the notes store's selection as it was";
    EXPECT_EQ(notes.get_Section(), 3);

    document.Menus().mnuFileSave->trigger();
    ASSERT_EQ(document.DocumentMode(), docAudiogramModule::kModeEditable);
    const std::string saved = PrintedText([&] { PrintFromFileMenu(); });
    EXPECT_TRUE(Contains(saved, DayText(kTodayDay))) << saved;
    EXPECT_TRUE(MessageBoxes().empty());
}

TEST_F(DocumentPrintTest, TheStoredCommentsAndDateOfEvaluationArePrinted)
{
    OpenOnAudiogram(NotesWithComments(DayText(kYesterday), "Refer to ENT"));
    const std::string text = PrintedText([&] { PrintFromFileMenu(); });
    EXPECT_TRUE(Contains(text, "Refer to ENT")) << text;
    EXPECT_TRUE(Contains(text, DayText(kYesterday))) << text;
    EXPECT_TRUE(MessageBoxes().empty());
}

TEST_F(DocumentPrintTest, CancelInThePrintDialogPrintsNothingAndSaysNothing)
{
    OpenDocument();
    responder.queue(ui::reply::Cancel{});
    document->Menus().mnuFilePrint->trigger();
    EXPECT_TRUE(PrintedFiles().empty());
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].kind, ui::DialogKind::Print);
    EXPECT_EQ(print::liveBlocks(), 0u);
}

TEST_F(DocumentPrintTest, TheLayoutFollowsTheSpeechViewsMode)
{
    // Only the US layout has the tympanometry box.
    const std::string tympanometry = "Tympanometry";
    OpenDocument();
    ASSERT_EQ(UiText(TR_TYMPANOMETRY), tympanometry);
    for (const std::int32_t mode : {0, 1}) {
        document->oSpeech().Mode(mode);
        const std::string text = PrintedText([&] { PrintFromFileMenu(); });
        EXPECT_EQ(Contains(text, tympanometry), mode == 0) << "speech view mode " << mode;
    }
}

TEST_F(DocumentPrintTest, TheReportStands1Point6CentimetresFromThePapersEdges)
{
    const gfx::DcHandle printer = print::createPrinterDc(print::builtInPrinterSettings().name);
    ASSERT_NE(printer, 0);
    const auto marginCm = [printer](int offset, int dotsPerInch) {
        return gfx::getDeviceCaps(printer, offset) * 2.54 / gfx::getDeviceCaps(printer, dotsPerInch);
    };
    const double left = marginCm(gfx::PHYSICALOFFSETX, gfx::LOGPIXELSX);
    const double top = marginCm(gfx::PHYSICALOFFSETY, gfx::LOGPIXELSY);
    gfx::deleteDc(printer);

    OpenDocument();
    // The European layout's section title stands at the report's left edge,
    // 1.7 cm below its top.
    document->oSpeech().Mode(1);
    const auto pages = platform::testing::pdfPages(PrintedFile([&] { PrintFromFileMenu(); }));
    ASSERT_EQ(pages.size(), 1u);
    const std::string title = UiText(TR_PURETONE);
    const platform::testing::PdfWord* first = pages[0].find(title.substr(0, title.find(' ')));
    ASSERT_NE(first, nullptr) << title;
    EXPECT_NEAR(first->box.left(), std::max(1.6, left), 0.1);
    EXPECT_NEAR(first->box.top(), std::max(1.6, top) + 1.7, 0.15);
}

TEST_F(DocumentPrintTest, ToolbarPrintGoesToTheDefaultPrinterWithoutADialog)
{
    OpenDocument();
    if (print::defaultPrinterName() != print::builtInPrinterSettings().name)
        GTEST_SKIP() << "this machine has a default printer of its own, which no test may reach";
    EXPECT_TRUE(Contains(PrintedText([&] { ClickToolbarPrint(); }), "Smith, Ann Marie"));
    EXPECT_TRUE(Shown().empty()) << "no dialog, no message";
}

TEST_F(DocumentPrintTest, WithoutAnyPrinterBothPrintCommandsSayThereIsNone)
{
    ASSERT_NO_FATAL_FAILURE(SwitchOffBuiltInPrinter());
    if (!print::printerNames().empty())
        GTEST_SKIP() << "this machine has printers of its own, which no test may reach";
    OpenDocument();
    document->Menus().mnuFilePrint->trigger();
    ASSERT_NO_FATAL_FAILURE(ClickToolbarPrint());

    const std::vector<ui::ShownDialog> shown = Shown();
    ASSERT_EQ(shown.size(), 2u) << "the dialog is not even offered";
    for (const ui::ShownDialog& box : shown) {
        EXPECT_EQ(box.kind, ui::DialogKind::MessageBox);
        EXPECT_EQ(box.text, ModuleGlobals::UiTextLoader()->LoadResString(
                                TR_CANNOT_PRINT_BECAUSE_THERE_IS_NO_PRINTER_INSTALLED));
        EXPECT_EQ(box.title, ModuleGlobals::UiTextLoader()->LoadResString(TR_PROGRAM_TITLE));
        EXPECT_EQ(box.style, 65552u) << "stop icon, brought to the foreground";
    }
    EXPECT_TRUE(PrintedFiles().empty());
}

TEST_F(DocumentPrintTest, AReportThatFailsPartWayIsOneMessageAndTheDocumentGoesOn)
{
    OpenOnAudiogram(NotesWithComments(DayText(kTodayDay), ""));
    // The report's print chart can no longer be created.
    const std::string chartKey = "CLSID\\" + platform::com::toString(lumenplot::kChartClsid);
    ASSERT_EQ(registry::deleteKey(registry::Root::ClassesRoot, chartKey), registry::Result::Success);

    PrintFromFileMenu();
    const std::vector<ui::ShownDialog> boxes = MessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, ModuleGlobals::UiTextLoader()->LoadResString(TR_PROGRAM_TITLE));
    EXPECT_EQ(boxes[0].style & ui::MB_ICONMASK, ui::MB_ICONSTOP);
    EXPECT_TRUE(PrintedFiles().empty()) << "the failed job leaves no file";
    EXPECT_EQ(print::liveBlocks(), 0u);

    ASSERT_NO_FATAL_FAILURE(testing::registerServer(LUMENPLOT_LIBRARY_PATH));
    EXPECT_FALSE(PrintedText([&] { PrintFromFileMenu(); }).empty()) << "the document prints again";
    EXPECT_EQ(MessageBoxes().size(), 1u);
}

}  // namespace
}  // namespace brisance
