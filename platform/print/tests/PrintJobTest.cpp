#include "platform/print/PrintJob.h"
#include "platform/print/Printers.h"

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/Draw.h"
#include "platform/gfx/Objects.h"
#include "platform/gfx/Text.h"
#include "platform/machine/MachineRoot.h"
#include "platform/registry/Key.h"
#include "platform/testing/FileSizeLimit.h"
#include "platform/testing/PdfPages.h"

#include <QImage>
#include <QPrinterInfo>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace platform::print {
namespace {

namespace fs = std::filesystem;

const std::string kBuiltIn = "Brisance PDF Printer";

TEST(Printers, BuiltInPrinterIsListedAndIsTheDefaultOfAMachineWithoutPrinters)
{
    const std::vector<std::string> names = printerNames();
    EXPECT_EQ(names.back(), kBuiltIn);
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        EXPECT_EQ(defaultPrinterName(), kBuiltIn);
    }
    EXPECT_EQ(builtInPrinterSettings().folder, machine::root() / "Printed");
    EXPECT_EQ(createPrinterDc("No Such Printer"), 0);
    EXPECT_EQ(createPrinterDc(""), 0);
}

TEST(Printers, BuiltInPrinterHasTheCapabilitiesOfAnA4PageAt600DotsPerInch)
{
    const gfx::DcHandle dc = createPrinterDc(kBuiltIn);
    ASSERT_NE(dc, 0);
    EXPECT_EQ(gfx::getDeviceCaps(dc, gfx::TECHNOLOGY), gfx::DT_RASPRINTER);
    EXPECT_EQ(gfx::getDeviceCaps(dc, gfx::LOGPIXELSX), 600);
    EXPECT_EQ(gfx::getDeviceCaps(dc, gfx::LOGPIXELSY), 600);
    EXPECT_NEAR(gfx::getDeviceCaps(dc, gfx::PHYSICALWIDTH), 4961, 5);  // 210 mm, as whole points
    EXPECT_NEAR(gfx::getDeviceCaps(dc, gfx::PHYSICALHEIGHT), 7016, 5);
    EXPECT_EQ(gfx::getDeviceCaps(dc, gfx::PHYSICALOFFSETX), 0);
    EXPECT_EQ(gfx::getDeviceCaps(dc, gfx::PHYSICALOFFSETY), 0);
    EXPECT_EQ(gfx::getDeviceCaps(dc, gfx::HORZSIZE), 210);
    EXPECT_EQ(gfx::getDeviceCaps(dc, gfx::VERTSIZE), 297);
    EXPECT_TRUE(gfx::getDeviceCaps(dc, gfx::RASTERCAPS) & gfx::RC_STRETCHBLT);
    gfx::deleteDc(dc);
}

TEST(Printers, BuiltInPrinterTakesItsNameAndFolderFromTheRegistry)
{
    registry::Key key;
    ASSERT_EQ(registry::createKey(registry::Root::LocalMachine, "SOFTWARE\\Brisance\\Printing",
                                  registry::Access::Write, key),
              registry::Result::Success);
    key.setString("BuiltInPrinterName", "Clinic PDF");
    key.setString("BuiltInPrinterFolder", "Reports");
    EXPECT_EQ(printerNames().back(), "Clinic PDF");
    EXPECT_EQ(createPrinterDc(kBuiltIn), 0);
    const gfx::DcHandle dc = createPrinterDc("Clinic PDF");
    ASSERT_GT(startDoc(dc, "Audiogram"), 0);
    endDoc(dc);
    gfx::deleteDc(dc);
    EXPECT_TRUE(fs::exists(machine::root() / "Reports" / "Audiogram.pdf"));

    key.setDword("BuiltInPrinterFolder", 7);  // not a folder: the default one
    EXPECT_EQ(builtInPrinterSettings().folder, machine::root() / "Printed");
    key.setString("BuiltInPrinterName", "");
    EXPECT_EQ(createPrinterDc(""), 0);
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        EXPECT_TRUE(printerNames().empty());
        EXPECT_EQ(defaultPrinterName(), "");
    }
}

void printPage(gfx::DcHandle dc, const char* text)
{
    ASSERT_GT(startPage(dc), 0);
    gfx::setMapMode(dc, gfx::MM_LOMETRIC);
    const gfx::ObjectHandle font = gfx::createFont({.face = "Arial", .height = 50});
    const gfx::ObjectHandle old = gfx::selectObject(dc, font);
    EXPECT_TRUE(gfx::textOut(dc, 200, -200, text));
    EXPECT_TRUE(gfx::rectangle(dc, 200, -300, 1900, -1000));
    gfx::selectObject(dc, old);
    gfx::deleteObject(font);
    ASSERT_GT(endPage(dc), 0);
}

TEST(PrintJob, TwoPageDocumentIsWrittenAsAPdfThatReadsBack)
{
    const gfx::DcHandle dc = createPrinterDc(kBuiltIn);
    ASSERT_GT(startDoc(dc, "TAVO Audiogram"), 0);
    printPage(dc, "Right ear 250 Hz");
    printPage(dc, "Left ear 4000 Hz");
    ASSERT_GT(endDoc(dc), 0);
    const fs::path file = machine::root() / "Printed" / "TAVO Audiogram.pdf";
    EXPECT_EQ(outputFile(dc), file.string());
    gfx::deleteDc(dc);

    ASSERT_TRUE(fs::exists(file));
    const std::string text = platform::testing::pdfText(file);
    const auto right = text.find("Right ear 250 Hz");
    const auto pageBreak = text.find('\f');
    const auto left = text.find("Left ear 4000 Hz");
    ASSERT_NE(right, std::string::npos) << text;
    ASSERT_NE(left, std::string::npos) << text;
    EXPECT_LT(right, pageBreak);
    EXPECT_LT(pageBreak, left);
}

TEST(PrintJob, CallsOutOfOrderFailAndDrawingNeedsAPage)
{
    const gfx::DcHandle dc = createPrinterDc(kBuiltIn);
    EXPECT_LE(startPage(dc), 0);
    EXPECT_LE(endDoc(dc), 0);
    EXPECT_FALSE(gfx::rectangle(dc, 0, 0, 10, 10));  // no job yet
    ASSERT_GT(startDoc(dc, "Report"), 0);
    EXPECT_LE(startDoc(dc, "Report"), 0);
    EXPECT_LE(endPage(dc), 0);
    EXPECT_FALSE(gfx::rectangle(dc, 0, 0, 10, 10));  // between pages
    EXPECT_GT(endDoc(dc), 0);
    gfx::deleteDc(dc);

    const gfx::DcHandle memory = gfx::createCompatibleDc(0);
    EXPECT_LE(startDoc(memory, "Report"), 0);
    gfx::deleteDc(memory);
}

TEST(PrintJob, AbortedOrAbandonedJobsLeaveNoFileAndNamesDoNotCollide)
{
    const fs::path folder = machine::root() / "Printed";
    const gfx::DcHandle aborted = createPrinterDc(kBuiltIn);
    ASSERT_GT(startDoc(aborted, "Report"), 0);
    startPage(aborted);
    EXPECT_GT(abortDoc(aborted), 0);
    EXPECT_FALSE(fs::exists(folder / "Report.pdf"));
    gfx::deleteDc(aborted);

    const gfx::DcHandle abandoned = createPrinterDc(kBuiltIn);
    startDoc(abandoned, "Report");
    gfx::deleteDc(abandoned);
    EXPECT_FALSE(fs::exists(folder / "Report.pdf"));

    for (int job = 0; job < 2; ++job) {
        const gfx::DcHandle dc = createPrinterDc(kBuiltIn);
        startDoc(dc, "Report: right/left");
        startPage(dc);
        endPage(dc);
        endDoc(dc);
        gfx::deleteDc(dc);
    }
    EXPECT_TRUE(fs::exists(folder / "Report_ right_left.pdf"));
    EXPECT_TRUE(fs::exists(folder / "Report_ right_left (2).pdf"));
}

// A page with a picture that no PDF writer can squeeze into a few bytes.
void printPageWithPicture(gfx::DcHandle dc)
{
    ASSERT_GT(startPage(dc), 0);
    QImage noise(256, 256, QImage::Format_RGB32);
    std::uint32_t seed = 12345;
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x) {
            seed = seed * 1103515245 + 12345;
            noise.setPixel(x, y, seed >> 8);
        }
    const gfx::ObjectHandle bitmap = gfx::bitmapFromImage(noise);
    const gfx::DcHandle memory = gfx::createCompatibleDc(0);
    const gfx::ObjectHandle previous = gfx::selectObject(memory, bitmap);
    EXPECT_TRUE(gfx::stretchBlt(dc, 600, 600, 1200, 1200, memory, 0, 0, 256, 256, gfx::SRCCOPY));
    gfx::selectObject(memory, previous);
    gfx::deleteDc(memory);
    gfx::deleteObject(bitmap);
    ASSERT_GT(endPage(dc), 0);
}

std::string contentOf(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> filesIn(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(PrintJob, AFileThatCannotBeWrittenWholeFailsTheJobAndLeavesNothingUnderItsName)
{
    const fs::path folder = machine::root() / "Printed";
    fs::create_directories(folder);
    const fs::path named = folder / "named.pdf";
    std::ofstream(named) << "the earlier report";

    struct Case {
        const char* what;
        std::string outputFile;  // empty: a free name in the folder
        fs::path expected;
    };
    for (const Case& job : {Case{"a free name", {}, folder / "Report.pdf"}, Case{"an output file", named.string(), named}}) {
        SCOPED_TRACE(job.what);
        const gfx::DcHandle dc = createPrinterDc(kBuiltIn);
        ASSERT_GT(startDoc(dc, "Report", job.outputFile), 0);
        printPageWithPicture(dc);
        {
            const testing::FileSizeLimit fullDisk(4096);
            EXPECT_LE(endDoc(dc), 0);
        }
        const std::optional<JobFailure> failure = jobFailure(dc);
        ASSERT_TRUE(failure);
        EXPECT_EQ(failure->file, job.expected.string());
        EXPECT_EQ(failure->cause, std::errc::file_too_large);
        gfx::deleteDc(dc);
        // No partial file, no temporary one; a file of that name is as it was.
        EXPECT_EQ(filesIn(folder), std::vector<std::string>{"named.pdf"});
        EXPECT_EQ(contentOf(named), "the earlier report");
    }

    // Written whole, the same job succeeds and reports nothing.
    const gfx::DcHandle dc = createPrinterDc(kBuiltIn);
    ASSERT_GT(startDoc(dc, "Report", named.string()), 0);
    printPageWithPicture(dc);
    EXPECT_GT(endDoc(dc), 0);
    EXPECT_FALSE(jobFailure(dc));
    gfx::deleteDc(dc);
    EXPECT_EQ(contentOf(named).substr(0, 5), "%PDF-");
}

TEST(PrintJob, AnOutputFileInAFolderThatCannotTakeItFailsAtTheStart)
{
    const fs::path file = machine::root() / "No such folder" / "report.pdf";
    const gfx::DcHandle dc = createPrinterDc(kBuiltIn);
    EXPECT_LE(startDoc(dc, "Report", file.string()), 0);
    const std::optional<JobFailure> failure = jobFailure(dc);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->file, file.string());
    EXPECT_EQ(failure->cause, std::errc::no_such_file_or_directory);
    EXPECT_TRUE(outputFile(dc).empty());
    gfx::deleteDc(dc);
}

TEST(PrintJob, PicturesAreStoredWithoutLoss)
{
    const gfx::DcHandle dc = createPrinterDc(kBuiltIn);
    ASSERT_GT(startDoc(dc, "Pictures"), 0);
    printPageWithPicture(dc);
    ASSERT_GT(endDoc(dc), 0);
    gfx::deleteDc(dc);
    const std::vector<testing::PdfImage> images = testing::pdfImages(machine::root() / "Printed" / "Pictures.pdf");
    ASSERT_FALSE(images.empty());
    for (const testing::PdfImage& image : images) EXPECT_EQ(image.encoding, "image");  // Flate, not "jpeg"
}

}  // namespace
}  // namespace platform::print
