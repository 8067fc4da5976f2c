#include "module/core/ModulePaths.h"
#include "module/report/CPrinter.h"
#include "module/report/tests/ReportPage.h"
#include "module/testing/RegisterServer.h"

#include "platform/gfx/ImageList.h"
#include "platform/gfx/Text.h"
#include "platform/machine/MachineRoot.h"
#include "platform/print/PrintJob.h"
#include "platform/print/Printers.h"
#include "platform/registry/Key.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/testing/PdfPages.h"
#include "platform/ui/TestResponder.h"

#include <QPrinterInfo>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>

namespace brisance {
namespace {

namespace fs = std::filesystem;
namespace gfx = platform::gfx;
namespace print = platform::print;
using platform::runtime::RuntimeError;
using testing::ImagePage;
using testing::inkBox;
using testing::inkCount;
using testing::px;

// The error number that the call raises; 0 when it raises none.
int raisedNumber(const std::function<void()>& call)
{
    try {
        call();
    } catch (const RuntimeError& error) {
        return error.number();
    }
    return 0;
}

gfx::FontDescription selectedFont(gfx::DcHandle dc)
{
    gfx::FontDescription font;
    EXPECT_TRUE(gfx::getFontDescription(gfx::getCurrentObject(dc, gfx::OBJ_FONT), &font));
    return font;
}

// A printer drawing on a white image of 12 x 10 cm, bound as to a host's page.
struct PrinterOnImage : ::testing::Test {
    ImagePage page{12, 10};
    CPrinter printer;

    void SetUp() override
    {
        printer.InitializeForIntegratedReport(page.dc());
        printer.SetFont("Arial", 10, false);
    }
};

TEST_F(PrinterOnImage, ACellShowsItsBorderAndHatchOnlyAsAsked)
{
    struct Case {
        bool border, hatched, bordered, crossHatched;
    };
    const Case cases[] = {
        {false, false, false, false},
        {false, true, false, false},  // no border: the hatch is ignored
        {true, false, true, false},
        {true, true, true, true},
    };
    for (const Case& c : cases) {
        ImagePage cellPage(6, 4);
        CPrinter cellPrinter;
        cellPrinter.InitializeForIntegratedReport(cellPage.dc());
        cellPrinter.RenderCellAndContents(1, 1, 3, 2, c.border, "", c.hatched);
        const QImage image = cellPage.image();
        const QRect inside(px(1) + 3, px(1) + 3, px(3) - 6, px(2) - 6);
        EXPECT_EQ(testing::isInk(image.pixel(px(1), px(2))), c.bordered) << "border " << c.border << " hatched " << c.hatched;
        EXPECT_EQ(inkCount(image, inside) > 0, c.crossHatched) << "border " << c.border << " hatched " << c.hatched;
    }
}

TEST_F(PrinterOnImage, TheNoValueFormsAndTheEmptyTextLeaveACellEmpty)
{
    struct Case {
        const char* text;
        bool printed;
    };
    const Case cases[] = {{"-32767", false}, {"-3276.7", false}, {"-327.67", false}, {"", false},
                          {"-32767.0", true}, {" -32767", true},  {"40", true}};
    float top = 0.5f;
    for (const Case& c : cases) {
        printer.RenderCellAndContents(1, top, 3, 1, false, c.text);
        const QImage image = page.image();
        EXPECT_EQ(inkCount(image, QRect(px(1), px(top), px(3), px(1))) > 0, c.printed) << '"' << c.text << '"';
        top += 1.2f;
    }
}

TEST_F(PrinterOnImage, ACellTextWithALineBreakIsCentredAsABlockOfCentredLines)
{
    // Second lines of several widths: none may be broken again where the
    // block is placed.
    for (const char* second : {"masked at dB", "masked 40 dB", "masked masked dB", "sound field aided"}) {
        ImagePage cellPage(10, 6);
        CPrinter cellPrinter;
        cellPrinter.InitializeForIntegratedReport(cellPage.dc());
        cellPrinter.SetFont("Arial", 10, false);
        cellPrinter.RenderCellAndContents(1, 1, 8, 4, false, std::string("AB\r\n") + second);
        const QImage image = cellPage.image();
        const QRect block = inkBox(image);
        const QPoint cellCentre(px(5), px(3));
        EXPECT_NEAR(block.center().x(), cellCentre.x(), 2) << second;
        EXPECT_NEAR(block.center().y(), cellCentre.y(), 2) << second;
        EXPECT_LT(block.height(), px(0.35) * 2 + 2) << second << ": two lines, the longer one not broken again";

        const QRect first = inkBox(image, QRect(0, block.top(), image.width(), block.height() / 2));
        const QRect last = inkBox(image, QRect(0, block.center().y() + 1, image.width(), block.height() / 2 + 1));
        EXPECT_LT(first.width(), last.width()) << second;
        EXPECT_NEAR(first.center().x(), cellCentre.x(), 2) << second;
        EXPECT_NEAR(last.center().x(), cellCentre.x(), 2) << second;
    }
}

TEST_F(PrinterOnImage, TextLeavesThePositionAtItsFullWidthAndHeightWhereverItIsAnchored)
{
    struct Case {
        const char* how;
        std::function<void(CPrinter&)> print;
        bool centredAcross, centredDown;
    };
    const Case cases[] = {
        {"PrintText", [](CPrinter& p) { p.PrintText("ABC", 2, 3); }, false, false},
        {"centred across", [](CPrinter& p) { p.PrintTextCenteredOnPoint("ABC", 2, 3, false); }, true, false},
        {"centred on the point", [](CPrinter& p) { p.PrintTextCenteredOnPoint("ABC", 2, 3, true); }, true, true},
    };
    gfx::Size extent;
    gfx::getTextExtentPoint(page.dc(), "ABC", &extent);
    for (const Case& c : cases) {
        ImagePage textPage(6, 6);
        CPrinter textPrinter;
        textPrinter.InitializeForIntegratedReport(textPage.dc());
        textPrinter.SetFont("Arial", 10, false);
        c.print(textPrinter);
        EXPECT_FLOAT_EQ(textPrinter.CurrentX(), 2 + extent.cx / 100.0f) << c.how;
        EXPECT_FLOAT_EQ(textPrinter.CurrentY(), 3 + extent.cy / 100.0f) << c.how;

        const QRect ink = inkBox(textPage.image());
        EXPECT_NEAR(ink.width(), px(extent.cx / 100.0), 3) << c.how;
        EXPECT_NEAR(c.centredAcross ? ink.center().x() : ink.left(), px(2), 2) << c.how;
        const QRect cell(0, px(c.centredDown ? 3 - extent.cy / 200.0 : 3), 1, px(extent.cy / 100.0));
        EXPECT_GE(ink.top(), cell.top() - 1) << c.how;
        EXPECT_LE(ink.bottom(), cell.bottom() + 1) << c.how;
    }

    printer.PrintText("ABC", 2, 3);
    const float down = printer.CurrentY();
    printer.CurrentX(5);
    EXPECT_FLOAT_EQ(printer.CurrentX(), 5);
    EXPECT_FLOAT_EQ(printer.CurrentY(), down) << "setting one keeps the other";
}

TEST_F(PrinterOnImage, AFormFieldHasABoldLabelARegularResponseAndAnUnderlineAndLeavesTheFontRegular)
{
    // The label's width in the bold font, as the report draws it.
    const gfx::ObjectHandle bold = gfx::createFont({.face = "Arial", .height = 35, .weight = gfx::FW_BOLD});
    const gfx::ObjectHandle previous = gfx::selectObject(page.dc(), bold);
    gfx::Size extent;
    gfx::getTextExtentPoint(page.dc(), "Name:", &extent);
    gfx::selectObject(page.dc(), previous);
    gfx::deleteObject(bold);
    const double boldLabelWidth = extent.cx / 100.0;

    for (const bool boldBefore : {true, false}) {
        ImagePage fieldPage(10, 4);
        CPrinter fieldPrinter;
        fieldPrinter.InitializeForIntegratedReport(fieldPage.dc());
        fieldPrinter.SetFont("Arial", 10, boldBefore);
        fieldPrinter.PrintFormResponse("Name:", "Smith", 1, 1, 7, 0.4f);
        EXPECT_EQ(selectedFont(fieldPage.dc()).weight, gfx::FW_NORMAL) << "bold before: " << boldBefore;
        fieldPrinter.PrintText("Name:", 1, 2.5f);  // the label again, in the regular font

        const QImage image = fieldPage.image();
        const int lineRow = px(1.4);
        const QRect underline = inkBox(image, QRect(0, lineRow - 1, image.width(), 3));
        EXPECT_NEAR(underline.left(), px(1 + boldLabelWidth), 2) << "from the bold label's end";
        EXPECT_NEAR(underline.right(), px(8), 2) << "to X + Width";
        const QRect label(px(1) - 2, px(1), underline.left() - px(1) + 2, px(0.35));
        EXPECT_GT(inkCount(image, label), inkCount(image, label.translated(0, px(1.5))) * 11 / 10) << "the label is bold";
        EXPECT_GE(inkBox(image, QRect(label.right() + 1, px(1), image.width(), px(0.35))).left(), underline.left())
            << "the response follows the label";
        EXPECT_FALSE(inkBox(image, QRect(underline.right() + 3, px(1), image.width(), px(0.35))).isValid())
            << "the response stays inside the field";
    }
}

TEST(CPrinter, VerticalTextAndFormFieldsBeforeAnyFontRaiseObjectNotSet)
{
    ImagePage page(6, 6);
    CPrinter printer;
    printer.InitializeForIntegratedReport(page.dc());
    EXPECT_EQ(raisedNumber([&] { printer.PrintVerticalText("dB HL", 1, 5, false); }), 91);
    EXPECT_EQ(raisedNumber([&] { printer.PrintFormResponse("Name:", "Smith", 1, 1, 4, 0.4f); }), 91);
    EXPECT_FALSE(inkBox(page.image()).isValid()) << "nothing drawn";
}

TEST_F(PrinterOnImage, VerticalTextReadsFromBottomToTopFromItsStartOrCentredOnY)
{
    const std::string text = "Hearing Level";
    gfx::Size extent;
    gfx::getTextExtentPoint(page.dc(), text, &extent);
    const int length = px(extent.cx / 100.0);

    printer.PrintVerticalText(text, 2, 6, false);
    printer.PrintVerticalText(text, 6, 6, true);
    const QImage image = page.image();
    const QRect fromStart = inkBox(image, QRect(0, 0, px(4), image.height()));
    const QRect centred = inkBox(image, QRect(px(4), 0, image.width(), image.height()));

    EXPECT_GT(fromStart.height(), fromStart.width() * 3) << "turned a quarter turn";
    EXPECT_NEAR(fromStart.height(), length, 3);
    EXPECT_NEAR(fromStart.bottom(), px(6), 3) << "it starts at Y and runs up the page";
    EXPECT_GE(fromStart.left(), px(2) - 1) << "the glyphs stand right of X";
    EXPECT_NEAR(centred.center().y(), px(6), 3);
    EXPECT_EQ(selectedFont(page.dc()).escapement, 0) << "the report font is back";
}

TEST(CPrinter, ASymbolsTopLeft16PixelsFillItsHalfCentimetreSquareAndAreLeftAsSymbolBmpInTheUserFolder)
{
    const fs::path folder = GetModulePaths().userFolder;
    ASSERT_EQ(folder, platform::machine::root() / "Users" / folder.parent_path().filename() / "Brisance")
        << "the user's folder in the test's machine root";
    // The symbol's colour in the top-left 16 x 16 pixels, a blue band along
    // the right and bottom edges.
    const auto symbolPicture = [](QRgb colour) {
        QImage image(24, 24, QImage::Format_RGB32);
        image.fill(qRgb(0, 0, 255));
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) image.setPixel(x, y, colour);
        return image;
    };
    const auto images = gfx::ImageList::create(24, 24);
    images->add(symbolPicture(qRgb(255, 0, 0)));
    images->add(symbolPicture(qRgb(0, 160, 0)));

    ImagePage page(4, 4);
    CPrinter printer;
    printer.InitializeForIntegratedReport(page.dc());
    printer.RenderImage(1, 1, images->picture(2));
    printer.RenderImage(1, 1, images->picture(1));

    const QImage image = page.image();
    const QRect square(QPoint(px(1), px(1)), QPoint(px(1.5) - 1, px(1.5) - 1));
    EXPECT_EQ(image.pixel(square.topLeft() + QPoint(1, 1)), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(square.bottomRight() - QPoint(1, 1)), qRgb(255, 0, 0)) << "only the top-left 16 x 16";
    EXPECT_EQ(inkBox(image), square) << "stretched into the half-centimetre square";

    // The last symbol drawn, 16 x 16 pixels of 24 bits, and no temporary
    // file beside it.
    const fs::path symbol = folder / "Symbol.bmp";
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
    const QImage stored(QString::fromStdString(symbol.string()));
    ASSERT_EQ(stored.size(), QSize(16, 16));
    EXPECT_EQ(stored.pixel(15, 15), qRgb(255, 0, 0));
    std::ifstream file(symbol, std::ios::binary);
    char header[30] = {};
    file.read(header, sizeof header);
    EXPECT_EQ(header[28], 24) << "bits per pixel";
    EXPECT_FALSE(fs::exists(fs::path(GetModulePaths().programFolder) / "Symbol.bmp")) << "nothing in the program folder";
}

TEST_F(PrinterOnImage, APositionBeyond32BitsRaisesOverflowAndDrawsNothing)
{
    const float far = 3.0e7f;  // 3e9 units of 0.1 mm
    const std::function<void()> calls[] = {
        [&] { printer.PrintText("ABC", far, 1); },
        [&] { printer.PrintText("ABC", 1, -far); },
        [&] { printer.PrintTextCenteredOnPoint("ABC", 1, far, false); },
        [&] { printer.PrintLine(1, 1, far, 1); },
        [&] { printer.PrintRectangle(1, 1, far, 1); },
        [&] { printer.PrintRectangle(far / 2, 1, far / 2 + 1, 1); },
        [&] { printer.RenderCellAndContents(far, 1, 2, 1, true, "40"); },
        [&] { printer.PrintFormattedText("one two", 1, 1, far, 1); },
        [&] { printer.RenderImage(far, 1, 0); },
        [&] { printer.CurrentX(far); },
        [&] { printer.PrintVerticalText("dB", 1, far, false); },
    };
    for (std::size_t i = 0; i < std::size(calls); ++i)
        EXPECT_EQ(raisedNumber(calls[i]), platform::runtime::errors::Overflow) << "call " << i;
    EXPECT_FALSE(inkBox(page.image()).isValid());
}

// The built-in PDF printer's context and what it wrote.
struct PrinterOnPdf : ::testing::Test {
    gfx::DcHandle dc = print::createPrinterDc(print::builtInPrinterSettings().name);
    fs::path printed = print::builtInPrinterSettings().folder;

    void TearDown() override { gfx::deleteDc(dc); }
};

TEST_F(PrinterOnPdf, StandAloneItPrintsOnePageUnderTheDocumentNameAndDeletesTheContext)
{
    {
        CPrinter printer;
        printer.Initialize(dc);
        printer.SetFont("Arial", 12, false);
        printer.PrintText("Hörschwelle", 2, 3);
        printer.RenderCellAndContents(2, 8, 3, 1, true, "40");
        printer.RenderCellAndContents(8, 8, 6, 2, true, "Left ear\r\nmasked at 40 dB");
        printer.PrintFormattedText("one two three four five six seven", 2, 10, 3, 0.9f);
        printer.EndDocument();
        EXPECT_EQ(gfx::getMapMode(dc), 0) << "the context is gone";
    }
    const auto pages = platform::testing::pdfPages(printed / "TAVO Audiogram.pdf");
    ASSERT_EQ(pages.size(), 1u);
    const platform::testing::PdfPage& page = pages.front();
    const auto* title = page.find("Hörschwelle");
    ASSERT_NE(title, nullptr) << "the text reaches the page as it is written";
    EXPECT_NEAR(title->box.left(), 2.0, 0.1);
    EXPECT_NEAR(title->box.top(), 3.0, 0.15);
    const auto* cell = page.find("40");
    ASSERT_NE(cell, nullptr);
    EXPECT_NEAR(cell->box.center().x(), 3.5, 0.1);
    EXPECT_NEAR(cell->box.center().y(), 8.5, 0.1);
    ASSERT_NE(page.find("masked"), nullptr);
    ASSERT_NE(page.find("dB"), nullptr);
    EXPECT_EQ(page.find("dB")->box.top(), page.find("masked")->box.top()) << "the block's lines are not broken again";
    EXPECT_NEAR(page.find("masked")->box.left() + page.find("dB")->box.right(), 2 * 11.0, 0.1) << "centred";
    ASSERT_NE(page.find("one"), nullptr);
    ASSERT_NE(page.find("four"), nullptr);
    EXPECT_GT(page.find("four")->box.top(), page.find("one")->box.top() + 0.3) << "broken between words";

    // The third line stands below the box, clipped away.
    const auto at100Dpi = [](double cm) { return static_cast<int>(cm / 2.54 * 100); };
    const QImage image = platform::testing::pdfPageImage(printed / "TAVO Audiogram.pdf", 100);
    EXPECT_TRUE(inkBox(image, QRect(at100Dpi(2), at100Dpi(10), at100Dpi(3), at100Dpi(0.8))).isValid());
    EXPECT_FALSE(inkBox(image, QRect(at100Dpi(2), at100Dpi(10.95), at100Dpi(3), at100Dpi(0.5))).isValid());
}

TEST_F(PrinterOnPdf, VerticalTextLeavesOnlyItsOwnWordsInThePagesText)
{
    {
        CPrinter printer;
        printer.Initialize(dc);
        printer.SetFont("Arial", 10, false);
        printer.PrintVerticalText("Hearing Level", 2, 8, true);
        printer.EndDocument();
    }
    const auto pages = platform::testing::pdfPages(printed / "TAVO Audiogram.pdf");
    ASSERT_EQ(pages.size(), 1u);
    std::vector<std::string> words;
    for (const auto& word : pages.front().words) words.push_back(word.text);
    EXPECT_EQ(words, (std::vector<std::string>{"Hearing", "Level"})) << "the direction is probed off the page";
    const auto* hearing = pages.front().find("Hearing");
    ASSERT_NE(hearing, nullptr);
    EXPECT_GT(hearing->box.height(), hearing->box.width() * 3) << "turned a quarter turn";
    EXPECT_GT(hearing->box.top(), pages.front().find("Level")->box.bottom() - 0.05) << "read from bottom to top";
}

TEST_F(PrinterOnPdf, OnAHostsPageItStartsAndEndsNothingAndHandsTheContextBackAsItWas)
{
    const fs::path file = platform::machine::root() / "host.pdf";
    ASSERT_GT(print::startDoc(dc, "Host report", file.string()), 0);
    ASSERT_GT(print::startPage(dc), 0);
    const gfx::ObjectHandle hostFont = gfx::createFont({.face = "DejaVu Sans", .height = 40});
    gfx::selectObject(dc, hostFont);
    {
        CPrinter printer;
        printer.InitializeForIntegratedReport(dc);
        EXPECT_EQ(gfx::getMapMode(dc), gfx::MM_LOMETRIC);
        printer.SetFont("Arial", 12, true);
        printer.SetFont("Arial", 12, false);
        printer.PrintText("Module", 2, 3);
        printer.EndDocumentForIntegratedReport();
        EXPECT_EQ(gfx::getMapMode(dc), gfx::MM_LOMETRIC) << "until the report lets go of its printer";
    }
    EXPECT_EQ(gfx::getMapMode(dc), gfx::MM_TEXT);
    EXPECT_EQ(gfx::getCurrentObject(dc, gfx::OBJ_FONT), hostFont) << "the host's font is selected again";
    EXPECT_EQ(selectedFont(dc).face, "DejaVu Sans") << "and was never deleted";
    EXPECT_GT(print::endPage(dc), 0) << "the page was still open";
    EXPECT_GT(print::endDoc(dc), 0);
    gfx::selectObject(dc, gfx::getStockObject(gfx::SYSTEM_FONT));
    gfx::deleteObject(hostFont);

    const auto pages = platform::testing::pdfPages(file);
    ASSERT_EQ(pages.size(), 1u);
    ASSERT_NE(pages.front().find("Module"), nullptr);
    EXPECT_NEAR(pages.front().find("Module")->box.left(), 2.0, 0.1);
    EXPECT_FALSE(fs::exists(printed / "TAVO Audiogram.pdf")) << "no job of its own";
}

TEST_F(PrinterOnPdf, AnAbortedStandAloneReportLeavesNoFileAndNoContext)
{
    CPrinter printer;
    printer.Initialize(dc);
    printer.SetFont("Arial", 12, false);
    printer.PrintText("Half a report", 2, 3);
    printer.AbortDocument();
    EXPECT_EQ(gfx::getMapMode(dc), 0) << "the context is gone";
    EXPECT_FALSE(fs::exists(printed / "TAVO Audiogram.pdf"));
}

TEST_F(PrinterOnPdf, AnAbortedReportOnAHostsPageHandsTheContextBackAtOnce)
{
    ASSERT_GT(print::startDoc(dc, "Host report", (platform::machine::root() / "host.pdf").string()), 0);
    ASSERT_GT(print::startPage(dc), 0);
    const gfx::ObjectHandle hostFont = gfx::getCurrentObject(dc, gfx::OBJ_FONT);
    std::optional<CPrinter> printer(std::in_place);
    printer->InitializeForIntegratedReport(dc);
    printer->SetFont("Arial", 12, false);
    printer->AbortDocument();
    EXPECT_EQ(gfx::getMapMode(dc), gfx::MM_TEXT);
    EXPECT_EQ(gfx::getCurrentObject(dc, gfx::OBJ_FONT), hostFont);

    gfx::setMapMode(dc, gfx::MM_TWIPS);  // the host goes on with its page
    printer.reset();
    EXPECT_EQ(gfx::getMapMode(dc), gfx::MM_TWIPS) << "a printer that let go never touches the context again";
    EXPECT_GT(print::endPage(dc), 0);
    EXPECT_GT(print::endDoc(dc), 0);
}

TEST(CPrinter, WithoutTheConverterOrWithoutAPrinterThereIsNoDefaultContextAndNothingShows)
{
    platform::ui::TestResponder responder;
    CPrinter printer;
    EXPECT_EQ(printer.GetDefaultDC(), 0) << "DevNamesConverter not registered";

    ASSERT_NO_FATAL_FAILURE(testing::registerServer(LUMENPLOT_LIBRARY_PATH));
    const gfx::DcHandle hdc = printer.GetDefaultDC();
    ASSERT_NE(hdc, 0);
    EXPECT_EQ(gfx::getDeviceCaps(hdc, gfx::TECHNOLOGY), gfx::DT_RASPRINTER);
    gfx::deleteDc(hdc);

    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        platform::registry::Key key;
        ASSERT_EQ(platform::registry::createKey(platform::registry::Root::LocalMachine, "SOFTWARE\\Brisance\\Printing",
                                                platform::registry::Access::Write, key),
                  platform::registry::Result::Success);
        key.setString("BuiltInPrinterName", "");
        EXPECT_EQ(printer.GetDefaultDC(), 0) << "no printer on the machine";
    }
    EXPECT_TRUE(responder.shown().empty());
}

}  // namespace
}  // namespace brisance
