// The tympanometry and acoustic reflex tables as printed on the US page at
// (1, 1), 17 cm wide: each value read back from the cell it must stand in.
#include "module/core/ModuleGlobals.h"
#include "module/report/tests/ReportTableFixture.h"

#include <string>
#include <vector>

namespace brisance {
namespace {

using platform::testing::PdfPage;
using testing::cellText;
using testing::LocaleScope;
using ReportTympanometry = testing::ReportTableTest;
using ReportReflexes = testing::ReportTableTest;

// Tympanometry box: at (14.945, 17.2), 4 cm wide; the label column 2.09 cm,
// each ear column 0.855 cm; rows type, volume, pressure, height, gradient.
constexpr double kRightEar = 14.945 + 0.1 + 2.09, kLeftEar = kRightEar + 0.855;

std::vector<std::string> earColumn(const PdfPage& page, double column)
{
    std::vector<std::string> cells;
    for (int row = 0; row < 5; ++row) cells.push_back(cellText(page, column, 17.2 + 1.45 + 0.65 * row, 0.855, 0.65));
    return cells;
}

struct Tympanogram {
    std::int32_t type, volume, pressure, height, gradient, probe = vellum::kNoValue;
};

class TympanometryTest : public ReportTympanometry {
protected:
    void tympanogram(std::int32_t ear, const Tympanogram& values)
    {
        const auto t = data->get_Tympanograms()->Add(ear);
        t->put_TympType(values.type);
        t->put_EarCanalVolume(values.volume);
        t->put_PeakPressure(values.pressure);
        t->put_PeakHeight(values.height);
        t->put_Gradient(values.gradient);
        t->put_ProbeToneFrequency(values.probe);
    }
};

TEST_F(TympanometryTest, EachEarsValuesPrintScaledWithNoPeakAsNPAndNoValueEmpty)
{
    ASSERT_TRUE(ModuleGlobals::UiTextLoader()->OpenResourceLibrary(testing::kEnglishTexts));
    tympanogram(vellum::kEarRight, {2, 125, 405, 45, 80, 1000});
    tympanogram(vellum::kEarLeft, {3, vellum::kNoValue, -100, 30811, vellum::kNoValue, 226});
    const PdfPage page = print(ReportVersion_US);
    EXPECT_EQ(earColumn(page, kRightEar), (std::vector<std::string>{"AD", "1.25", "NP", "0.45", "80"}));
    EXPECT_EQ(earColumn(page, kLeftEar), (std::vector<std::string>{"AS", "", "-100", "NP", ""}));
    EXPECT_EQ(cellText(page, 14.945, 17.2, 4.0, 0.8), "Tympanometry (226 Hz probe tone)")
        << "the left ear's probe tone names the title's line; the right ear's never";
    EXPECT_EQ(cellText(page, 14.945 + 0.1, 17.2 + 1.45 + 0.65, 2.09, 0.65), "Ear Canal Volume (cc)");
}

TEST_F(TympanometryTest, TypeCodesPrintTheirLettersOrTheOtherTextOrNothing)
{
    ASSERT_TRUE(ModuleGlobals::UiTextLoader()->OpenResourceLibrary(testing::kEnglishTexts));
    const LocaleScope german(QLocale(QLocale::German, QLocale::Germany));
    tympanogram(vellum::kEarRight, {0, 45, 0, vellum::kNoValue, 0});
    tympanogram(vellum::kEarLeft, {9, 100, 0, 45, 0});
    const PdfPage page = print(ReportVersion_US);
    EXPECT_EQ(earColumn(page, kRightEar), (std::vector<std::string>{"Other", "0,45", "0", "", "0"}));
    EXPECT_EQ(earColumn(page, kLeftEar), (std::vector<std::string>{"", "1", "0", "0,45", "0"}));
}

TEST_F(TympanometryTest, AValueThatCannotBeMadePrintsTheOtherTextAndTheTableGoesOn)
{
    // Without a document the module has no UI text loader: the type's text
    // cannot be made.
    ReleaseModuleGlobals();
    tympanogram(vellum::kEarRight, {0, 45, 12, 30, 7});
    const PdfPage page = print(ReportVersion_US);
    EXPECT_EQ(earColumn(page, kRightEar), (std::vector<std::string>{"Other", "0.45", "12", "0.3", "7"}));
    EXPECT_EQ(cellText(page, kLeftEar, 18.0, 0.855, 0.65), "L");
}

TEST_F(TympanometryTest, WithoutTympanogramsTheBoxPrintsEmptyCellsAndTheAudiogramStaysAsItWas)
{
    const platform::runtime::Variant before = data->get_Data();
    const PdfPage page = print(ReportVersion_US);
    EXPECT_EQ(data->get_Tympanograms()->get_Count(), 0);
    EXPECT_EQ(data->get_Data(), before) << "printing adds nothing that a save would carry into the host";
    EXPECT_EQ(earColumn(page, kRightEar), std::vector<std::string>(5));
    EXPECT_EQ(earColumn(page, kLeftEar), std::vector<std::string>(5));
    EXPECT_EQ(cellText(page, 14.945, 17.2, 4.0, 0.8), "Tympanometry") << "no probe-tone line";
    EXPECT_EQ(cellText(page, kRightEar, 18.0, 0.855, 0.65), "R");
}

// Reflex box: at (1, 17.1), 9.1 cm wide; ten columns of 0.89 cm from 1.1 cm:
// the labels, then 250 to 6000 Hz, broad-band, low-band and high-band noise.
enum ReflexRow { kIpsiRight, kIpsiLeft, kContraRight, kContraLeft };
constexpr double kReflexRowTops[] = {18.35, 19.0, 20.0, 20.65};

std::vector<std::string> reflexRow(const PdfPage& page, ReflexRow row)
{
    std::vector<std::string> cells;
    for (int column = 1; column <= 9; ++column)
        cells.push_back(cellText(page, 1.1 + column * 0.89, kReflexRowTops[row], 0.89, 0.65));
    return cells;
}

TEST_F(ReportReflexes, ThresholdsPrintInTheirStimulusColumnsWithResultCodesAndDecayMarks)
{
    const auto threshold = [&](std::int32_t type, std::int32_t ear, std::int32_t stimulus, std::int16_t level) {
        pureTonePoint(type, ear, stimulus, level);
    };
    const auto decay = [&](std::int32_t type, std::int32_t ear, std::int32_t stimulus, std::int16_t result) {
        pureTonePoint(type, ear, stimulus, 0)->put_Decay(result);
    };
    for (const auto& [stimulus, level] : std::initializer_list<std::pair<std::int32_t, std::int16_t>>{
             {250, 955}, {500, 955}, {1000, 955}, {2000, 955}, {4000, 955},
             {6000, 4020}, {32765, 4030}, {32767, 4040}, {32766, 4005}})
        threshold(8, vellum::kEarRight, stimulus, level);
    decay(30, vellum::kEarRight, 250, 10);
    decay(30, vellum::kEarRight, 500, 1);
    decay(30, vellum::kEarRight, 1000, 0);
    decay(30, vellum::kEarRight, 2000, vellum::kNoValue);
    decay(30, vellum::kEarRight, 6000, 0);  // a result code takes its mark too
    for (const auto& [stimulus, level] : std::initializer_list<std::pair<std::int32_t, std::int16_t>>{
             {250, vellum::kNoValue}, {500, 0}, {1000, 4000}, {2000, 4010}, {8000, 710}, {7000, 720}})
        threshold(8, vellum::kEarLeft, stimulus, level);
    threshold(9, vellum::kEarRight, 1000, 955);  // no decay curve
    for (const auto& [stimulus, level] : std::initializer_list<std::pair<std::int32_t, std::int16_t>>{
             {32765, 900}, {32767, 850}, {32766, 800}})
        threshold(9, vellum::kEarLeft, stimulus, level);
    const PdfPage page = print(ReportVersion_US);

    using Row = std::vector<std::string>;
    EXPECT_EQ(reflexRow(page, kIpsiRight), (Row{"95 +", "95 +", "95 -", "95", "95", "NR -", "YES", "NR", "400"}));
    EXPECT_EQ(reflexRow(page, kIpsiLeft), (Row{"", "", "NA", "NT", "", "", "", "", ""}));
    EXPECT_EQ(reflexRow(page, kContraRight), (Row{"", "", "95", "", "", "", "", "", ""}));
    EXPECT_EQ(reflexRow(page, kContraLeft), (Row{"", "", "", "", "", "", "90", "85", "80"}));
    for (const char* hidden : {"71", "72"})
        EXPECT_EQ(page.find(hidden), nullptr) << "stimuli 8000 and 7000 have no column";
}

TEST_F(ReportReflexes, WithoutReflexCurvesTheBoxPrintsItsHeadersLabelsAndEmptyCells)
{
    const PdfPage page = print(ReportVersion_US);
    for (const ReflexRow row : {kIpsiRight, kIpsiLeft, kContraRight, kContraLeft})
        EXPECT_EQ(reflexRow(page, row), std::vector<std::string>(9)) << "row " << row;
    EXPECT_EQ(cellText(page, 1.1, 17.7, 0.89, 0.65), "Stimulus Ear");
    std::vector<std::string> captions;
    for (int column = 1; column <= 9; ++column)
        captions.push_back(cellText(page, 1.1 + column * 0.89, 17.9, 0.89, 0.45));  // below the sub-title
    EXPECT_EQ(captions,
              (std::vector<std::string>{"250", "500", "1000", "2000", "4000", "6000", "BBN", "LBN", "HBN"}));
    for (const double top : kReflexRowTops) EXPECT_NE(cellText(page, 1.1, top, 0.89, 0.65), "");
    EXPECT_NE(page.find("Ipsilateral"), nullptr);
    EXPECT_NE(page.find("Contralateral"), nullptr);
}

}  // namespace
}  // namespace brisance
