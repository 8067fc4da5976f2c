// Whole pages: the rich audiogram printed in each layout, compared with a
// golden picture of the page.
//
// The pictures are kept in golden/ beside this file. They are written anew
// only when BRISANCE_UPDATE_GOLDENS=1 is set for the run; a run that passes
// never touches them. On a mismatch the test keeps the page it printed and a
// picture of the differences (red: ink only in the golden page, blue: ink
// only in the printed one) in the build folder, and names them.
#include "module/report/tests/ReportTableFixture.h"

#include "platform/runtime/Dates.h"

#include <QImage>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace brisance {
namespace {

namespace fs = std::filesystem;

constexpr int kGoldenDpi = 75;
// Pixels that may differ after the small shifts that anti-aliasing and
// rounding make: fewer than a short line or a symbol would.
constexpr int kToleratedPixels = 12;

bool updatingGoldens()
{
    const char* update = std::getenv("BRISANCE_UPDATE_GOLDENS");
    return update && std::string(update) == "1";
}

// Ink at the pixel or at one of its neighbours.
bool inkNear(const QImage& image, int x, int y)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const int nx = x + dx, ny = y + dy;
            if (nx >= 0 && ny >= 0 && nx < image.width() && ny < image.height() && testing::isInk(image.pixel(nx, ny)))
                return true;
        }
    return false;
}

// The pixels where one page has ink and the other none within a pixel, drawn
// into difference.
int differingPixels(const QImage& golden, const QImage& printed, QImage& difference)
{
    difference = QImage(golden.size(), QImage::Format_RGB32);
    difference.fill(Qt::white);
    int differing = 0;
    for (int y = 0; y < golden.height(); ++y)
        for (int x = 0; x < golden.width(); ++x) {
            const bool inGolden = testing::isInk(golden.pixel(x, y));
            const bool inPrinted = testing::isInk(printed.pixel(x, y));
            if (inGolden && !inkNear(printed, x, y)) {
                difference.setPixel(x, y, qRgb(255, 0, 0));
                ++differing;
            } else if (inPrinted && !inkNear(golden, x, y)) {
                difference.setPixel(x, y, qRgb(0, 0, 255));
                ++differing;
            } else if (inGolden) {
                difference.setPixel(x, y, qRgb(200, 200, 200));
            }
        }
    return differing;
}

class ReportPages : public testing::ReportTest {
protected:
    void SetUp() override
    {
        testing::ReportTest::SetUp();
        testing::FillRichAudiogram(*data);
        newReport();
        report->ClientName("Lovelace, Ada");
        report->ClientID(4711);
        report->ClientBDay(platform::runtime::makeDate(1961, 3, 14));
        report->DateOfEval(platform::runtime::makeDate(2026, 3, 5));
        report->ReportComments("Mild high-frequency loss on the right, masked from 2 kHz. Word recognition good in "
                               "quiet, reduced in noise. Tympanograms: A on the right, flat on the left.");
    }

    void expectPageMatches(std::int32_t version, const std::string& name)
    {
        print(version);
        const QImage printed = platform::testing::pdfPageImage(printedFile(), kGoldenDpi).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(printed.isNull());
        const fs::path golden = fs::path(REPORT_GOLDEN_DIR) / (name + ".png");
        if (updatingGoldens()) {
            ASSERT_TRUE(printed.save(QString::fromStdString(golden.string())));
            GTEST_SKIP() << "wrote " << golden;
        }
        const QImage expected = QImage(QString::fromStdString(golden.string())).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(expected.isNull()) << "no golden page " << golden << " (BRISANCE_UPDATE_GOLDENS=1 writes it)";
        ASSERT_EQ(printed.size(), expected.size());
        QImage difference;
        const int differing = differingPixels(expected, printed, difference);
        if (differing > kToleratedPixels) {
            const fs::path kept = fs::path(REPORT_MISMATCH_DIR);
            fs::create_directories(kept);
            printed.save(QString::fromStdString((kept / (name + "-printed.png")).string()));
            difference.save(QString::fromStdString((kept / (name + "-difference.png")).string()));
            ADD_FAILURE() << differing << " pixels differ from the golden " << name << " page; see " << kept;
        }
    }

    // Dates print in the locale's form: one locale for the golden pages.
    testing::LocaleScope english{QLocale(QLocale::English, QLocale::UnitedStates)};
};

TEST_F(ReportPages, TheUSPageMatchesItsGoldenPicture)
{
    expectPageMatches(ReportVersion_US, "us");
}

TEST_F(ReportPages, TheEuropeanPageMatchesItsGoldenPicture)
{
    expectPageMatches(ReportVersion_Europe, "europe");
}

}  // namespace
}  // namespace brisance
