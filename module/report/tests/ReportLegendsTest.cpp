#include "module/core/TextResources.h"
#include "module/report/tests/ReportFixture.h"
#include "module/report/tests/ReportPage.h"

namespace brisance {
namespace {

namespace runtime = platform::runtime;
using platform::testing::PdfPage;
using platform::testing::PdfWord;

constexpr double kTolerance = 0.15;
constexpr int kDpi = 100;

int at(double cm)
{
    return static_cast<int>(cm / 2.54 * kDpi);
}

// The words at a top, in a band of page positions.
std::vector<std::string> wordsAt(const PdfPage& page, double top, double left, double right)
{
    std::vector<std::string> words;
    for (const PdfWord& word : page.words)
        if (std::abs(word.box.top() - top) < kTolerance && word.box.left() >= left && word.box.right() <= right)
            words.push_back(word.text);
    return words;
}

using ReportLegends = testing::ReportTest;

// US layout at (1, 1): the symbol legend stands at 14.1 cm, 3.0 cm down,
// 5.65 cm wide; its row texts are centred left of the right-ear column.
constexpr double kLegendLeft = 14.1, kLegendTop = 3.0, kLegendRightColumn = 14.1 + 5.65 - 2.4;

double rowTop(int row)
{
    return kLegendTop + 0.9 + 0.6 * (row - 1);
}

TEST_F(ReportLegends, WithoutBoneConductionRowsThreeAndFourStayBlankAndRowFiveKeepsItsPlace)
{
    tests->Remove(std::string("1-2-1-"));
    const PdfPage page = print(ReportVersion_US);
    EXPECT_EQ(wordsAt(page, rowTop(1), kLegendLeft, kLegendRightColumn), std::vector<std::string>{"AC"});
    EXPECT_TRUE(wordsAt(page, rowTop(3), kLegendLeft, kLegendRightColumn).empty());
    EXPECT_TRUE(wordsAt(page, rowTop(4), kLegendLeft, kLegendRightColumn).empty());
    EXPECT_EQ(wordsAt(page, rowTop(5), kLegendLeft, kLegendRightColumn), std::vector<std::string>{"MCL"});
    EXPECT_EQ(wordsAt(page, rowTop(8), kLegendLeft, kLegendRightColumn), std::vector<std::string>{"SFA"});
    const PdfWord* aided = page.find(word(TR_AIDED));
    ASSERT_NE(aided, nullptr) << "the second text below the label";
    EXPECT_GT(aided->box.top(), rowTop(8) + 0.15);
}

// The ink of a half-centimetre symbol square centred on a column, less the
// rule through the column's centre.
int symbolInk(const QImage& image, double centre, double top)
{
    const int side = at(0.25) - 3;
    return testing::inkCount(image, QRect(at(centre - 0.25) + 1, at(top) + 1, side, at(0.5) - 3)) +
           testing::inkCount(image, QRect(at(centre + 0.25) - 1 - side, at(top) + 1, side, at(0.5) - 3));
}

TEST_F(ReportLegends, ASymbolOfImageZeroOrBeyondTheListIsNotDrawn)
{
    const auto air = tests->Item(std::string("1-1-1-"));
    air->Binaural0Unmasked = air->Right0Unmasked;
    air->Right0Unmasked = 0;
    air->Left0Unmasked = symbols.SymbolImages()->count() + 1;
    print(ReportVersion_US);
    const QImage image = platform::testing::pdfPageImage(printedFile(), kDpi);
    const double right = kLegendRightColumn, binaural = right + 1.0, left = right + 2.0;
    EXPECT_EQ(symbolInk(image, right, rowTop(1)), 0) << "image 0";
    EXPECT_EQ(symbolInk(image, left, rowTop(1)), 0) << "beyond the list";
    EXPECT_GT(symbolInk(image, binaural, rowTop(1)), 0) << "the binaural symbol of the same row";
}

TEST_F(ReportLegends, RowTextsAreCentredHalfwayBetweenTheLegendsLeftEdgeAndTheRightColumn)
{
    const auto centre = [](const PdfPage& page, const std::string& text, double top) {
        for (const PdfWord& word : page.words)
            if (word.text == text && std::abs(word.box.top() - top) < kTolerance) return word.box.center().x();
        return -1.0;
    };
    const auto below = [](const PdfPage& page, const std::string& text, double top) -> const PdfWord* {
        for (const PdfWord& word : page.words)
            if (word.text == text && word.box.top() > top && word.box.top() < top + 0.6) return &word;
        return nullptr;
    };
    const PdfPage us = print(ReportVersion_US);
    const double usCentre = kLegendLeft + (kLegendRightColumn - kLegendLeft) / 2;
    EXPECT_NEAR(centre(us, "AC", rowTop(1)), usCentre, 0.03);
    EXPECT_NEAR(centre(us, "MCL", rowTop(5)), usCentre, 0.03);

    // The European legend is 4.1 cm wide at 13.9 cm, its right column at
    // 15.6 cm: the texts stand centred on 14.75 cm, and the longest of them
    // still ends left of the symbols, which start at 15.35 cm.
    const PdfPage europe = print(ReportVersion_Europe);
    const double left = 13.9, rightColumn = 15.6, top = 1.0 + 3.5 + 0.9;
    const double europeCentre = left + (rightColumn - left) / 2;
    EXPECT_NEAR(centre(europe, "AC", top), europeCentre, 0.03);
    EXPECT_NEAR(centre(europe, "MCL", top + 4 * 0.6), europeCentre, 0.03);
    const PdfWord* unmasked = below(europe, word(TR_UNMASKED), top);
    ASSERT_NE(unmasked, nullptr) << "the second text below the label";
    EXPECT_NEAR(unmasked->box.center().x(), europeCentre, 0.03);
    EXPECT_LT(unmasked->box.right(), rightColumn - 0.25);
}

TEST_F(ReportLegends, TheRulesRunThroughTheColumnCentres)
{
    print(ReportVersion_US);
    const QImage image = platform::testing::pdfPageImage(printedFile(), kDpi);
    // Below the last row, down to the legend's bottom edge at 9.1 cm.
    const int top = at(8.65), height = at(0.35);
    for (const double column : {kLegendRightColumn, kLegendRightColumn + 1.0, kLegendRightColumn + 2.0}) {
        EXPECT_GT(testing::inkCount(image, QRect(at(column) - 1, top, 3, height)), height - 2) << column;
        EXPECT_EQ(testing::inkCount(image, QRect(at(column - 0.5) - 1, top, 3, height)), 0)
            << "no rule between the columns at " << column - 0.5;
    }
}

TEST_F(ReportLegends, SymbolsAreDrawnFromTheSmallImages)
{
    QImage solid(16, 16, QImage::Format_RGB32);
    solid.fill(Qt::black);
    const auto small = platform::gfx::ImageList::create(16, 16);
    small->add(solid);
    report->SymbolImages(small);
    const auto air = tests->Item(std::string("1-1-1-"));
    air->Right0Unmasked = 1;
    print(ReportVersion_US);
    const QImage image = platform::testing::pdfPageImage(printedFile(), kDpi);
    const QRect square(at(kLegendRightColumn - 0.25) + 1, at(rowTop(1)) + 1, at(0.5) - 3, at(0.5) - 3);
    EXPECT_EQ(testing::inkCount(image, square), square.width() * square.height());
}

TEST_F(ReportLegends, EachSpeechNotationOfTheDataGetsOneRowAndAnUndefinedTestNone)
{
    addSpeech(10, 2, 10, {{40, 80}});  // WRS right
    addSpeech(11, 2, 10, {{40, 60}});  // not among the tests
    addSpeech(10, 3, 10, {{40, 70}});  // WRS left: the same row
    addSpeech(26, 2, 2, {{50, 0}});  // MCLS
    const PdfPage page = print(ReportVersion_Europe);
    const double left = 1.0 + 17.0 - 4.1, firstRow = 1.0 + 15.0 + 0.9;
    EXPECT_EQ(wordsAt(page, firstRow, left, left + 1.7), std::vector<std::string>{"WRS"});
    EXPECT_EQ(wordsAt(page, firstRow + 0.6, left, left + 1.7), std::vector<std::string>{"MCLS"});
    EXPECT_TRUE(wordsAt(page, firstRow + 1.2, left, left + 1.7).empty());
}

// The preference store's index and records as the curve preferences keep
// them, for SpeechTestLabel.
struct SpeechLabels : testing::ReportTest {
    void record(std::int16_t section, const char* notation, runtime::Variant testType)
    {
        prefs->put_Category(CCurvePrefs::kCategory);
        prefs->put_Section(section);
        prefs->put_Value("Notation", std::string(notation));
        prefs->put_Value("TestType", testType);
    }
    void index(const char* key, std::int16_t section)
    {
        prefs->put_Category(CCurvePrefs::kCategory);
        prefs->put_Section(CCurvePrefs::kIndexSection);
        prefs->put_Value(key, section);
    }
    void parkStore()
    {
        prefs->put_Category(7);
        prefs->put_Section(3);
    }
};

TEST_F(SpeechLabels, ARowFindsItsTestByItsNotationThenByEitherCurveTypeAndElseNothing)
{
    record(1001, "MCL speech", std::int32_t(26));
    index("7-1-2-1-", 1001);
    record(1002, "", std::int32_t(28));  // no notation: never a match
    index("x", 1002);
    record(1003, "UCL by second code", std::string("29"));
    index("8-1-2-1-x", 1003);
    record(1004, "WRS by first code", std::int32_t(10));
    index("1-1-10-9-", 1004);
    parkStore();
    print(ReportVersion_US);

    const std::pair<int, std::string> cases[] = {
        {0, "MCL speech"}, {1, "UCL by second code"}, {2, "WRS by first code"}, {3, ""}};
    for (const auto& [row, label] : cases) {
        EXPECT_EQ(report->SpeechTestLabel(row), label) << "row " << row;
        EXPECT_EQ(prefs->get_Category(), 7);
        EXPECT_EQ(prefs->get_Section(), 3);
    }
}

TEST_F(SpeechLabels, TheStoresPositionIsKeptAfterAnError)
{
    index("1-1-10-1-", 1001);
    prefs->put_Section(1001);
    prefs->put_Value("Notation", std::string("WRS"));
    index("7-1-2-1-", 0);
    prefs->put_Value("7-1-2-1-", std::string("not a number"));
    parkStore();
    print(ReportVersion_Europe);  // hands the report the store; the US page's speech table would raise here
    EXPECT_NE(testing::raisedNumber([&] { report->SpeechTestLabel(0); }), 0);
    EXPECT_EQ(prefs->get_Category(), 7);
    EXPECT_EQ(prefs->get_Section(), 3);
    EXPECT_EQ(report->SpeechTestLabel(2), "WRS");
}

}  // namespace
}  // namespace brisance
