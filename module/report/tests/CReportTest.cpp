#include "module/core/TextResources.h"
#include "module/report/tests/ReportFixture.h"
#include "module/report/tests/ReportPage.h"

#include "platform/gfx/DeviceContext.h"
#include "platform/machine/MachineRoot.h"
#include "platform/print/PrintJob.h"
#include "platform/runtime/Dates.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/testing/FileSizeLimit.h"

#include <optional>

namespace brisance {
namespace {

namespace fs = std::filesystem;
namespace gfx = platform::gfx;
namespace print = platform::print;
namespace runtime = platform::runtime;
using platform::testing::PdfPage;
using platform::testing::PdfWord;
using testing::raisedNumber;

constexpr double kTolerance = 0.15;

// The words of the line whose top is near top, from a page position on,
// joined by blanks.
std::string lineText(const PdfPage& page, double top, double fromLeft)
{
    std::string text;
    for (const PdfWord& word : page.words)
        if (std::abs(word.box.top() - top) < kTolerance && word.box.left() >= fromLeft - 0.05)
            text += (text.empty() ? "" : " ") + word.text;
    return text;
}

gfx::DcHandle builtInPrinterDc()
{
    return print::createPrinterDc(print::builtInPrinterSettings().name);
}

using ReportFrame = testing::ReportTest;

TEST_F(ReportFrame, VersionZeroPrintsTheUSLayoutAndAnyOtherTheEuropeanOne)
{
    const std::string title = word(TR_PURETONE);
    const std::string legend = word(TR_LEGEND);

    const PdfPage us = print(ReportVersion_US);
    for (const PdfWord& w : us.words)  // the average box names the pure tone too, elsewhere
        EXPECT_FALSE(w.text == title && std::abs(w.box.top() - 2.7) < kTolerance) << "the US page has no section title";
    ASSERT_NE(us.find(legend), nullptr);
    EXPECT_NEAR(us.find(legend)->box.center().x(), 14.1 + 5.65 / 2, kTolerance) << "the legend at its page position";
    EXPECT_NEAR(us.find(legend)->box.top(), 1.0 + 2.0 + 0.1, kTolerance);

    for (const std::int32_t version : {1, 2}) {
        const PdfPage europe = print(version);
        const PdfWord* section = europe.find(title);
        ASSERT_NE(section, nullptr) << "version " << version;
        EXPECT_NEAR(section->box.left(), 1.0, kTolerance);
        EXPECT_NEAR(section->box.top(), 1.0 + 1.7, kTolerance);
        ASSERT_NE(europe.find(legend), nullptr);
        EXPECT_NEAR(europe.find(legend)->box.center().x(), 1.0 + 17.0 - 4.1 / 2, kTolerance);
        EXPECT_NEAR(europe.find(legend)->box.top(), 1.0 + 3.5 + 0.1, kTolerance);
    }
}

TEST_F(ReportFrame, MovingXMovesTheHeaderBoxChartAndFooterButNotTheLegendOrTheFormLines)
{
    const std::string heading = word(TR_HEARING_EVALUATION);
    const std::string frequency = word(TR_FREQUENCY_IN_HERTZ_HZ);
    const std::string comments = word(TR_REPORT_COMMENTS, true);
    const std::string legend = word(TR_LEGEND);
    const std::string name = word(TR_CLIENT_NAME);

    const PdfPage atOne = print(ReportVersion_US, 1.0f);
    const PdfPage atTwo = print(ReportVersion_US, 2.0f);
    for (const std::string& moving : {heading, frequency, comments}) {
        ASSERT_NE(atOne.find(moving), nullptr) << moving;
        ASSERT_NE(atTwo.find(moving), nullptr) << moving;
        EXPECT_NEAR(atTwo.find(moving)->box.left() - atOne.find(moving)->box.left(), 1.0, 0.05) << moving;
    }
    for (const std::string& standing : {legend, name}) {
        ASSERT_NE(atOne.find(standing), nullptr) << standing;
        ASSERT_NE(atTwo.find(standing), nullptr) << standing;
        EXPECT_NEAR(atTwo.find(standing)->box.left(), atOne.find(standing)->box.left(), 0.02) << standing;
    }
    EXPECT_NEAR(atOne.find(name)->box.left(), 11.0, kTolerance);
}

TEST_F(ReportFrame, AHeightOf21Point5PrintsAFooterOfHeightZero)
{
    const PdfPage page = print(ReportVersion_Europe, 1.0f, 1.0f, 21.5f);
    ASSERT_NE(page.find(word(TR_REPORT_COMMENTS, true)), nullptr);
    ASSERT_NE(startingWith(page, word(TR_SIGNITURE, true)), nullptr);
    EXPECT_NEAR(startingWith(page, word(TR_SIGNITURE, true))->box.top(), 1.0 + 21.5 - 0.6, kTolerance);
}

TEST_F(ReportFrame, TheClientFieldsPrintAfterTheirLabelsAndNoValuesAsEmptyFields)
{
    struct Case {
        std::optional<std::int32_t> id;
        runtime::Date birthDay, evaluation;
        std::string idText, birthText, evaluationText;
    };
    const runtime::Date birth = runtime::makeDate(1961, 3, 14);
    const runtime::Date evaluated = runtime::withTime(runtime::makeDate(2024, 11, 5), 10, 30, 0);
    const std::string birthText = runtime::shortDateText(birth), evaluatedText = runtime::shortDateText(evaluated);
    const Case cases[] = {
        {std::nullopt, {}, {}, "", "", ""},
        {4711, birth, evaluated, "4711", birthText, evaluatedText},
        {-32767, {}, evaluated, "", "", evaluatedText},
        {0, birth, {}, "0", birthText, ""},
    };
    const auto field = [](const std::string& label, const std::string& response) {
        return label + ":" + (response.empty() ? "" : " " + response);
    };
    for (const Case& c : cases) {
        newReport();
        report->ClientName("Ada Lovelace");
        if (c.id) report->ClientID(*c.id);
        report->ClientBDay(c.birthDay);
        report->DateOfEval(c.evaluation);
        const PdfPage page = print(ReportVersion_US);
        EXPECT_EQ(lineText(page, 1.0, 11.0), field(texts->LoadResString(TR_CLIENT_NAME), "Ada Lovelace"));
        EXPECT_EQ(lineText(page, 1.4, 11.0), field(texts->LoadResString(TR_CLIENT_), c.idText));
        EXPECT_EQ(lineText(page, 1.8, 11.0), field(texts->LoadResString(TR_BIRTHDATE), c.birthText));
        EXPECT_EQ(lineText(page, 2.2, 11.0), field(texts->LoadResString2(TR_DATE_OF_EVALUATION), c.evaluationText));
    }
}

TEST_F(ReportFrame, AnEmptyCommentStillPrintsTheTitleAndTheSignatureAndDateLinesInsideTheBox)
{
    const PdfPage page = print(ReportVersion_US);
    const double footerTop = 1.0 + 21.5, footerBottom = 1.0 + 24.4;
    const PdfWord* title = nullptr;  // not the header's word of the same text
    for (const PdfWord& w : page.words)
        if (w.text == word(TR_REPORT_COMMENTS, true) && w.box.top() > footerTop - 1) title = &w;
    ASSERT_NE(title, nullptr);
    EXPECT_NEAR(title->box.top(), footerTop - 0.15, kTolerance);
    EXPECT_LT(title->box.right(), 1.0 + 9.0) << "the title's first word, left of the box's centre";
    EXPECT_GT(title->box.right(), 1.0 + 9.0 - 2.0);
    // A band 0.4 cm high, 0.2 cm inside the box's left, right and bottom edges.
    const double bandTop = footerBottom - 0.2 - 0.4;
    const PdfWord* signature = startingWith(page, word(TR_SIGNITURE, true));
    ASSERT_NE(signature, nullptr);
    EXPECT_NEAR(signature->box.left(), 1.0 + 0.2, 0.05);
    EXPECT_NEAR(signature->box.top(), bandTop, kTolerance);
    const PdfWord* date = nullptr;
    for (const PdfWord& w : page.words)
        if (w.text.rfind(word(TR_DATE, true), 0) == 0 && std::abs(w.box.top() - bandTop) < kTolerance) date = &w;
    ASSERT_NE(date, nullptr);
    EXPECT_NEAR(date->box.left(), 1.0 + 18.0 - 0.2 - 6.0, 0.05);
    // The two underlines end inside the box, clear of its bottom edge.
    const auto at100Dpi = [](double cm) { return static_cast<int>(cm / 2.54 * 100); };
    const QImage image = platform::testing::pdfPageImage(printedFile(), 100);
    EXPECT_EQ(testing::inkCount(image, QRect(at100Dpi(1.05), at100Dpi(footerBottom - 0.12), at100Dpi(17.9), 3)), 0);
    EXPECT_GT(testing::inkCount(image, QRect(at100Dpi(1.05), at100Dpi(bandTop + 0.3), at100Dpi(17.9), at100Dpi(0.2))),
              at100Dpi(9.0));
}

TEST_F(ReportFrame, ACommentLongerThanItsBoxIsCutAboveTheSignatureLine)
{
    std::string comment;
    for (int i = 1; i <= 400; ++i) comment += "word" + std::to_string(i) + " ";
    report->ReportComments(comment);
    const PdfPage page = print(ReportVersion_US);
    ASSERT_NE(page.find("word1"), nullptr);
    EXPECT_EQ(page.find("word400"), nullptr) << "the end of the comment does not fit";
    // Between the signature and the date field, nothing below the comment's
    // last line but the box's border.
    const auto at100Dpi = [](double cm) { return static_cast<int>(cm / 2.54 * 100); };
    const QImage image = platform::testing::pdfPageImage(printedFile(), 100);
    const double signatureLine = 1.0 + 24.4 - 0.6;
    EXPECT_GT(testing::inkCount(image, QRect(at100Dpi(1.0), at100Dpi(23.0), at100Dpi(17.0), at100Dpi(1.5))), 0);
    EXPECT_EQ(testing::inkCount(image, QRect(at100Dpi(10.5), at100Dpi(signatureLine + 0.05), at100Dpi(2.0), at100Dpi(0.25))),
              0);
}

TEST_F(ReportFrame, ASecondReportOnTheSameObjectPrintsTheSamePageAgain)
{
    report->ClientName("Grace");
    const PdfPage first = print(ReportVersion_Europe);
    const PdfPage second = print(ReportVersion_Europe);
    ASSERT_EQ(first.words.size(), second.words.size());
    for (std::size_t i = 0; i < first.words.size(); ++i) {
        EXPECT_EQ(first.words[i].text, second.words[i].text);
        EXPECT_EQ(first.words[i].box, second.words[i].box) << first.words[i].text;
    }
}

TEST_F(ReportFrame, OnAHostsPageTheReportStartsAndEndsNothingAndHandsTheMappingModeBackWhenReleased)
{
    const fs::path file = platform::machine::root() / "host.pdf";
    fs::remove(printedFile());  // an earlier test's job in the same process
    const gfx::DcHandle dc = builtInPrinterDc();
    ASSERT_GT(print::startDoc(dc, "Host", file.string()), 0);
    ASSERT_GT(print::startPage(dc), 0);
    report->PrintReport(dc, 1, 1, 17, 24.4f, ReportVersion_US, false, prefs);
    EXPECT_EQ(gfx::getMapMode(dc), gfx::MM_LOMETRIC) << "until the report lets go of its printer";
    report.reset();
    EXPECT_EQ(gfx::getMapMode(dc), gfx::MM_TEXT);
    EXPECT_GT(print::endPage(dc), 0) << "the page was still open";
    EXPECT_GT(print::endDoc(dc), 0);
    gfx::deleteDc(dc);

    const auto pages = platform::testing::pdfPages(file);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NE(pages.front().find(word(TR_HEARING_EVALUATION)), nullptr);
    EXPECT_FALSE(fs::exists(printedFile())) << "no job of its own";
}

TEST_F(ReportFrame, AFailedStandAloneReportRaisesAndLeavesNoFileAndNoContext)
{
    struct Case {
        const char* what;
        std::function<void(CReport&)> spoil;
        float X;
        int error;
    };
    const Case cases[] = {
        {"no data layer", [](CReport& r) { r.DataLayer(nullptr); }, 1.0f, runtime::errors::ObjectNotSet},
        {"no curve preferences", [](CReport& r) { r.CurvePrefs(nullptr); }, 1.0f, runtime::errors::ObjectNotSet},
        {"no small symbol images", [](CReport& r) { r.SymbolImages(nullptr); }, 1.0f, runtime::errors::ObjectNotSet},
        {"a position beyond 32 bits", [](CReport&) {}, 3e9f, runtime::errors::Overflow},
    };
    for (const Case& c : cases) {
        newReport();
        c.spoil(*report);
        fs::remove(printedFile());
        const gfx::DcHandle dc = builtInPrinterDc();
        EXPECT_EQ(raisedNumber([&] { report->PrintReport(dc, c.X, 1, 17, 24.4f, ReportVersion_Europe, true, prefs); }),
                  c.error)
            << c.what;
        EXPECT_EQ(gfx::getMapMode(dc), 0) << c.what << ": the context is deleted";
        EXPECT_FALSE(fs::exists(printedFile())) << c.what << ": the job was aborted";
    }
}

TEST_F(ReportFrame, AStandAloneReportWhoseFileCannotBeWrittenWholeRaisesNamingTheFileAndTheCause)
{
    const gfx::DcHandle dc = builtInPrinterDc();
    std::optional<runtime::RuntimeError> raised;
    try {
        const platform::testing::FileSizeLimit fullDisk(16384);
        report->PrintReport(dc, 1, 1, 17, 24.4f, ReportVersion_US, true, prefs);
    } catch (const runtime::RuntimeError& error) {
        raised = error;
    }
    ASSERT_TRUE(raised) << "a report that is not on the disk was reported as printed";
    EXPECT_EQ(raised->number(), 61);  // disk full
    EXPECT_EQ(raised->description(),
              texts->LoadResString(TR_REPORT_FILE_NOT_WRITTEN) + " \"" + printedFile().string() + "\": File too large");
    EXPECT_EQ(gfx::getMapMode(dc), 0) << "the context is deleted";
    EXPECT_TRUE(fs::is_empty(printedFile().parent_path())) << "no part of the report is left";
}

TEST_F(ReportFrame, AFailedReportOnAHostsPageHandsTheMappingModeBackAtOnce)
{
    report->DataLayer(nullptr);
    const gfx::DcHandle dc = builtInPrinterDc();
    ASSERT_GT(print::startDoc(dc, "Host", (platform::machine::root() / "host.pdf").string()), 0);
    ASSERT_GT(print::startPage(dc), 0);
    EXPECT_EQ(raisedNumber([&] { report->PrintReport(dc, 1, 1, 17, 24.4f, ReportVersion_US, false, prefs); }),
              runtime::errors::ObjectNotSet);
    EXPECT_EQ(gfx::getMapMode(dc), gfx::MM_TEXT);
    EXPECT_GT(print::endPage(dc), 0);
    EXPECT_GT(print::endDoc(dc), 0);
    gfx::deleteDc(dc);
}

TEST_F(ReportFrame, ADataLayerOfAnotherKindIsATypeMismatch)
{
    EXPECT_EQ(raisedNumber([&] { report->DataLayer(prefs); }), runtime::errors::TypeMismatch);
}

}  // namespace
}  // namespace brisance
