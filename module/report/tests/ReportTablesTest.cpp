// The pure-tone and speech tables as printed on the US page at (1, 1), 17 cm
// wide: each value read back from the cell it must stand in.
#include "module/core/TextResources.h"
#include "module/report/tests/ReportTableFixture.h"

#include "vellum/VellumValues.h"

#include "platform/ui/TestResponder.h"

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <utility>
#include <string>
#include <vector>

namespace brisance {
namespace {

using platform::testing::PdfPage;
using platform::testing::PdfWord;
using testing::at;
using testing::cellText;
using testing::inkInside;
using testing::kDpi;
using testing::LocaleScope;
using ReportTables = testing::ReportTableTest;

// Masking table: at (1, 13.3), 11.7 wide, just below the chart's picture; the
// rows left air, right air, left bone, right bone.
constexpr double kMaskingTop = 13.3;
double maskingColumn(int column)
{
    return 1.0 + 1.5 + column * (11.7 - 1.6) / 11;
}
constexpr double kMaskingWidth = (11.7 - 1.6) / 11;
double maskingRow(int row)
{
    return kMaskingTop + 1.3 + 0.5 * row;
}
enum MaskingRow { kLeftAir, kRightAir, kLeftBone, kRightBone };
constexpr int kFrequencies[] = {125, 250, 500, 750, 1000, 1500, 2000, 3000, 4000, 6000, 8000};

int columnOf(int frequency)
{
    return static_cast<int>(std::find(std::begin(kFrequencies), std::end(kFrequencies), frequency) -
                            std::begin(kFrequencies));
}

TEST_F(ReportTables, MaskingLevelsPrintAsWholeNumbersAndNoMaskingOrBoneAt125And6000And8000AsEmptyCells)
{
    pureTonePoint(1, vellum::kEarLeft, 1000, 300, 45);
    pureTonePoint(1, vellum::kEarLeft, 2000, 300, 0);
    pureTonePoint(1, vellum::kEarLeft, 4000, 300);
    pureTonePoint(1, vellum::kEarLeft, 6000, 300, 60);
    pureTonePoint(2, vellum::kEarLeft, 2000, 200, 30);
    pureTonePoint(2, vellum::kEarLeft, 6000, 200, 50);
    pureTonePoint(2, vellum::kEarRight, 125, 200, 40);
    pureTonePoint(2, vellum::kEarRight, 500, 200, 55);
    // No right-ear air conduction at all.
    const PdfPage page = print(ReportVersion_US);

    for (int column = 0; column < 11; ++column)
        EXPECT_EQ(cellText(page, maskingColumn(column), kMaskingTop + 0.8, kMaskingWidth, 0.5),
                  std::to_string(kFrequencies[column]));

    const struct {
        MaskingRow row;
        int frequency;
        std::string text;
    } cells[] = {
        {kLeftAir, 1000, "45"},  {kLeftAir, 2000, ""},   {kLeftAir, 4000, ""},  {kLeftAir, 6000, "60"},
        {kLeftBone, 2000, "30"}, {kLeftBone, 6000, ""},  {kRightBone, 125, ""}, {kRightBone, 500, "55"},
    };
    for (const auto& cell : cells)
        EXPECT_EQ(cellText(page, maskingColumn(columnOf(cell.frequency)), maskingRow(cell.row), kMaskingWidth, 0.5),
                  cell.text)
            << "row " << cell.row << " at " << cell.frequency << " Hz";
    for (int column = 0; column < 11; ++column)
        EXPECT_EQ(cellText(page, maskingColumn(column), maskingRow(kRightAir), kMaskingWidth, 0.5), "");

    EXPECT_EQ(cellText(page, 1.0, maskingRow(kLeftAir), 0.8, 1.0), "AC") << "the test's name beside its rows";
    EXPECT_EQ(cellText(page, 1.0, maskingRow(kLeftBone), 0.8, 1.0), "BC");
    EXPECT_EQ(cellText(page, 1.8, maskingRow(kRightBone), 0.6, 0.5), "R");

    const QImage image = platform::testing::pdfPageImage(printedFile(), kDpi);
    for (const MaskingRow row : {kLeftBone, kRightBone})
        for (const int frequency : {125, 6000, 8000})
            EXPECT_GT(inkInside(image, maskingColumn(columnOf(frequency)), maskingRow(row), kMaskingWidth, 0.5), 20)
                << "bone row " << row << " at " << frequency << " Hz is cross-hatched";
    for (const auto& [row, frequency] : {std::pair{kLeftAir, 3000}, {kRightAir, 125}, {kRightBone, 4000}})
        EXPECT_EQ(inkInside(image, maskingColumn(columnOf(frequency)), maskingRow(row), kMaskingWidth, 0.5), 0)
            << "row " << row << " at " << frequency << " Hz is a plain empty cell";
}

// Average box: at (11.6, 17.1), 2.5 wide; the value cells below "R" and "L".
struct AverageCells {
    std::string right, left;
};
AverageCells averageCells(const PdfPage& page)
{
    const PdfWord* r = nullptr;
    for (const PdfWord& word : page.words)
        if (word.text == "R" && std::abs(word.box.center().x() - 12.4) < 0.2 && word.box.top() > 17.1 &&
            word.box.top() < 20.1)
            r = &word;
    if (!r) return {"(no R)", "(no R)"};
    const double valuesTop = r->box.center().y() + 0.25;
    return {cellText(page, 11.95, valuesTop, 0.9, 0.5), cellText(page, 12.85, valuesTop, 0.9, 0.5)};
}

TEST_F(ReportTables, AnAverageRoundsHalvesToEvenAndOnlyAMissingOnePrintsEmpty)
{
    constexpr std::int32_t k1000Hz = 1 << 4;
    const struct {
        const char* what;
        std::optional<std::int16_t> level;  // none: no left air-conduction curve
        std::string printed;
    } cases[] = {
        {"25.5 dB", 255, "26"}, {"24.5 dB", 245, "24"}, {"0 dB", 0, "0"},
        {"no curve", std::nullopt, ""}, {"no threshold", vellum::kNoValue, ""},
    };
    for (const auto& c : cases) {
        data = platform::com::create<vellum::IVellumDataLayer>(vellum::kVellumDataLayerClsid);
        data->put_AverageFrequenciesLeft(k1000Hz);
        data->put_AverageFrequenciesRight(k1000Hz);
        if (c.level) pureTonePoint(1, vellum::kEarLeft, 1000, *c.level);
        newReport();
        const AverageCells printed = averageCells(print(ReportVersion_US));
        EXPECT_EQ(printed.left, c.printed) << c.what;
        EXPECT_EQ(printed.right, "") << c.what;
    }
}

TEST_F(ReportTables, TheAverageBoxCountsTheLeftEarsFrequenciesEvenWhenOnlyTheRightEarHasData)
{
    data->put_AverageFrequenciesLeft(0b10101);  // three frequencies
    data->put_AverageFrequenciesRight(0b11111);
    pureTonePoint(1, vellum::kEarRight, 125, 100);
    const std::string box = cellText(print(ReportVersion_US), 11.6, 17.1, 2.5, 2.0);
    EXPECT_NE(box.find("(3 freq.)"), std::string::npos) << box;
}

// Whether each of the box's four edges is drawn: ink near each edge at its
// quarter points, where no cell border of the box runs along it.
bool framed(const QImage& image, const QRectF& box)
{
    const auto inkNear = [&](double x, double y) { return testing::inkCount(image, QRect(at(x) - 1, at(y) - 1, 3, 3)) > 0; };
    for (const double part : {0.25, 0.75}) {
        const double x = box.left() + box.width() * part, y = box.top() + box.height() * part;
        if (!inkNear(x, box.top()) || !inkNear(x, box.bottom()) || !inkNear(box.left(), y) || !inkNear(box.right(), y))
            return false;
    }
    return true;
}

TEST_F(ReportTables, TheMaskingTableAndTheAverageBoxAreFramed)
{
    print(ReportVersion_US);
    const QImage image = platform::testing::pdfPageImage(printedFile(), kDpi);
    EXPECT_TRUE(framed(image, QRectF(1.0, kMaskingTop, 11.7, 3.65))) << "masking table";
    EXPECT_TRUE(framed(image, QRectF(11.6, 17.1, 2.5, 3.0))) << "average box";
}

TEST_F(ReportTables, AnEarStoredWithoutAveragedFrequenciesPrintsWithTheUsersOnes)
{
    prefs->put_Category(100);
    prefs->put_Section(0);
    prefs->put_Value("PTAvg1", platform::runtime::Variant(std::int32_t{0b1010000}));  // 1000 and 2000 Hz
    prefs->put_Value("PTAvg2", platform::runtime::Variant(std::int32_t{0b1000000}));  // 2000 Hz twice
    prefs->put_Category(0);
    data->put_AverageFrequenciesRight(0b10000);  // the right ear's own: 1000 Hz
    pureTonePoint(1, vellum::kEarLeft, 1000, 100);
    pureTonePoint(1, vellum::kEarLeft, 2000, 400);
    pureTonePoint(1, vellum::kEarRight, 1000, 200);
    pureTonePoint(1, vellum::kEarRight, 2000, 600);
    const auto stored = data->get_Data();

    const PdfPage page = print(ReportVersion_US);
    const AverageCells printed = averageCells(page);
    EXPECT_EQ(printed.left, "30") << "(10 + 40 + 40) / 3";
    EXPECT_EQ(printed.right, "20");
    const std::string box = cellText(page, 11.6, 17.1, 2.5, 2.0);
    EXPECT_NE(box.find("(2 freq.)"), std::string::npos) << box;
    EXPECT_EQ(data->get_Data(), stored) << "printing changes nothing in the audiogram";
    EXPECT_EQ(prefs->get_Category(), 0) << "the store's selection is kept";
}

// Speech table: at (14.1, 9.35), 5.65 wide. Thresholds: columns SRT, Mask,
// most comfortable, uncomfortable; word recognition: %, stimulus, mask or
// noise. Rows right, left, sound field.
enum SpeechRow { kRight, kLeft, kSoundField };
constexpr double kSpeechTop = 9.35;
constexpr double kSrt = 15.2, kSrtMask = 16.1, kComfortable = 17.3, kUncomfortable = 18.35;
constexpr double kScore = 16.025, kStimulus = 16.925, kWordMask = 17.825;

std::string thresholdCell(const PdfPage& page, double column, SpeechRow row)
{
    return cellText(page, column, kSpeechTop + 1.1 + 0.5 * static_cast<int>(row), 0.9, 0.5);
}
std::string quietCell(const PdfPage& page, double column, SpeechRow row)
{
    return cellText(page, column, kSpeechTop + 3.8 + 0.5 * static_cast<int>(row), 0.9, 0.5);
}
std::string noiseCell(const PdfPage& page, double column, SpeechRow row)
{
    return cellText(page, column, kSpeechTop + 6.05 + 0.5 * static_cast<int>(row), 0.9, 0.5);
}

TEST_F(ReportTables, SpeechValuesStandInTheirEarsRowsDividedAndWithoutMissingValues)
{
    speechPoint(15, vellum::kEarRight, 350, vellum::kNoValue, 40);
    speechPoint(15, vellum::kEarLeft, 350, vellum::kNoValue);           // no masking
    speechPoint(26, vellum::kEarBinaural, 700, vellum::kNoValue);       // sound field
    speechPoint(28, vellum::kEarRight, vellum::kNoValue, vellum::kNoValue);
    speechPoint(10, vellum::kEarRight, 650, 9600);
    speechPoint(10, vellum::kEarLeft, 325, 9250, 35);
    speechPoint(14, vellum::kEarRight, 500, 8000, 60);                  // the left ear has none
    const PdfPage page = print(ReportVersion_US);

    const struct {
        const char* what;
        std::string printed, expected;
    } cells[] = {
        {"right SRT", thresholdCell(page, kSrt, kRight), "35"},
        {"right SRT masking", thresholdCell(page, kSrtMask, kRight), "40"},
        {"left SRT", thresholdCell(page, kSrt, kLeft), "35"},
        {"left SRT without masking", thresholdCell(page, kSrtMask, kLeft), ""},
        {"sound-field MCL", thresholdCell(page, kComfortable, kSoundField), "70"},
        {"right MCL", thresholdCell(page, kComfortable, kRight), ""},
        {"right UCL of no level", thresholdCell(page, kUncomfortable, kRight), ""},
        {"right score", quietCell(page, kScore, kRight), "96"},
        {"right stimulus", quietCell(page, kStimulus, kRight), "65"},
        {"right word masking", quietCell(page, kWordMask, kRight), ""},
        {"left score", quietCell(page, kScore, kLeft), "92.5"},
        {"left stimulus", quietCell(page, kStimulus, kLeft), "32.5"},
        {"left word masking", quietCell(page, kWordMask, kLeft), "35"},
        {"right score in noise", noiseCell(page, kScore, kRight), "80"},
        {"right stimulus in noise", noiseCell(page, kStimulus, kRight), "50"},
        {"right noise", noiseCell(page, kWordMask, kRight), "60"},
        {"left score in noise", noiseCell(page, kScore, kLeft), ""},
        {"left noise", noiseCell(page, kWordMask, kLeft), ""},
    };
    for (const auto& cell : cells) EXPECT_EQ(cell.printed, cell.expected) << cell.what;
}

TEST_F(ReportTables, DividedSpeechValuesTakeTheLocalesDecimalSeparator)
{
    const LocaleScope german(QLocale(QLocale::German, QLocale::Germany));
    speechPoint(10, vellum::kEarLeft, 325, 9250);
    speechPoint(15, vellum::kEarRight, vellum::kNoValue, vellum::kNoValue);
    const PdfPage page = print(ReportVersion_US);
    EXPECT_EQ(quietCell(page, kScore, kLeft), "92,5");
    EXPECT_EQ(quietCell(page, kStimulus, kLeft), "32,5");
    EXPECT_EQ(thresholdCell(page, kSrt, kRight), "") << "no level is empty whatever the separator";
}

TEST_F(ReportTables, AFoundSpeechCurveWithoutPointsEndsTheSearchAndLeavesItsCellsEmpty)
{
    speechCurve(17, vellum::kEarLeft);  // found first, and empty
    speechPoint(15, vellum::kEarLeft, 300, vellum::kNoValue, 20);
    const PdfPage page = print(ReportVersion_US);
    EXPECT_EQ(thresholdCell(page, kSrt, kLeft), "");
    EXPECT_EQ(thresholdCell(page, kSrtMask, kLeft), "");
}

TEST_F(ReportTables, WithoutSpeechCurvesTheSpeechBoxHasItsTitlesHeadersAndLabelsAndNothingElse)
{
    const PdfPage page = print(ReportVersion_US);
    const std::vector<std::string> speechBox = [&] {
        std::vector<std::string> words;
        for (const PdfWord& word : page.words)
            if (QRectF(14.1, kSpeechTop, 5.65, 7.6).contains(word.box.center())) words.push_back(word.text);
        return words;
    }();
    for (const char* expected : {"Speech", "Audiometry", "Word", "Recognition", "SRT", "Mask", "Noise", "%",
                                        "Stimulus", "SF"})
        EXPECT_NE(std::find(speechBox.begin(), speechBox.end(), expected), speechBox.end()) << expected;
    for (const SpeechRow row : {kRight, kLeft, kSoundField}) {
        for (const double column : {kSrt, kSrtMask, kComfortable, kUncomfortable})
            EXPECT_EQ(thresholdCell(page, column, row), "");
        for (const double column : {kScore, kStimulus, kWordMask}) {
            EXPECT_EQ(quietCell(page, column, row), "");
            EXPECT_EQ(noiseCell(page, column, row), "");
        }
    }
}

TEST_F(ReportTables, WithoutALanguageLoaderTheSpeechTableSaysSoAndRaisesAtItsFirstText)
{
    print(ReportVersion_US);  // the report's printer exists from here on
    platform::ui::TestResponder responder;
    report->LanguageLoader(nullptr);
    EXPECT_EQ(testing::raisedNumber([&] { report->PrintSpeechTable(14.1f, 9.35f, 5.65f, 7.6f); }),
              platform::runtime::errors::ObjectNotSet);
    ASSERT_EQ(responder.shown().size(), 1u);
    EXPECT_EQ(responder.shown()[0].text, "m_oLang is empty :o)");
}

}  // namespace
}  // namespace brisance
