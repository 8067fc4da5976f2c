#include "module/views/frmAverageFrequencies.h"

#include "module/core/CLangLoader.h"
#include "module/core/TextResources.h"

#include "platform/testing/ModalDialogs.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace brisance {
namespace {

using platform::testing::child;
using platform::testing::click;

// Bits of vellum::kAverageFrequencies.
constexpr std::int32_t k500Hz = 1 << 2;
constexpr std::int32_t k1000Hz = 1 << 4;
constexpr std::int32_t k2000Hz = 1 << 6;
constexpr std::int32_t k4000Hz = 1 << 8;

class frmAverageFrequenciesTest : public ::testing::Test {
public:
    void SetUp() override
    {
        texts = std::make_shared<CLangLoader>();
        ASSERT_TRUE(texts->OpenResourceLibrary(BRISANCE_PROGRAM_DIR "/Language Resources/BrisanceENU.so"));
    }

    QCheckBox* box(const frmAverageFrequencies& dialog, const char* name, int row) const
    {
        return child<QCheckBox>(dialog, (name + std::to_string(row)).c_str());
    }

    std::shared_ptr<CLangLoader> texts;
};

TEST_F(frmAverageFrequenciesTest, AFrequencyCountsTwiceOnlyWhileItCounts)
{
    // 4 kHz is stored as counted twice without being counted.
    frmAverageFrequencies dialog(texts, k500Hz | k1000Hz | k2000Hz, k1000Hz | k4000Hz);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.windowTitle().toStdString(), texts->LoadResString2(TR_CONFIGPTAFREQ));
    EXPECT_EQ(child<QGroupBox>(dialog, "fraWeight")->title().toStdString(), texts->LoadResString(TR_PURETONEAVERAGEFREQS));
    EXPECT_EQ(child<QGroupBox>(dialog, "fraDoubleWeight")->title().toStdString(), texts->LoadResString(TR_PTA_DBL));
    ASSERT_NE(box(dialog, "chkFreq", 10), nullptr) << "one row per frequency, 125 Hz to 8 kHz";
    EXPECT_EQ(box(dialog, "chkFreq", 10)->text(), "8000");

    EXPECT_TRUE(box(dialog, "chkFreqDbl", 4)->isChecked());
    EXPECT_TRUE(box(dialog, "chkFreqDbl", 4)->isEnabled());
    EXPECT_FALSE(box(dialog, "chkFreqDbl", 8)->isChecked());
    EXPECT_FALSE(box(dialog, "chkFreqDbl", 8)->isEnabled());
    EXPECT_FALSE(box(dialog, "chkFreqDbl", 0)->isEnabled());

    click(box(dialog, "chkFreq", 4));  // 1 kHz no longer counts
    EXPECT_FALSE(box(dialog, "chkFreqDbl", 4)->isChecked());
    EXPECT_FALSE(box(dialog, "chkFreqDbl", 4)->isEnabled());
    click(box(dialog, "chkFreq", 8));  // 4 kHz counts
    EXPECT_TRUE(box(dialog, "chkFreqDbl", 8)->isEnabled());
    click(box(dialog, "chkFreqDbl", 8));

    click(child<QPushButton>(dialog, "cmdOK"));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.FrequenciesToAverage(), k500Hz | k2000Hz | k4000Hz);
    EXPECT_EQ(dialog.FrequenciesToDblAverage(), k4000Hz);
}

TEST_F(frmAverageFrequenciesTest, CancelKeepsTheMasksItOpenedWith)
{
    frmAverageFrequencies dialog(texts, k500Hz, k500Hz);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    click(box(dialog, "chkFreq", 2));
    click(box(dialog, "chkFreq", 6));
    click(child<QPushButton>(dialog, "cmdCancel"));
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.FrequenciesToAverage(), k500Hz);
    EXPECT_EQ(dialog.FrequenciesToDblAverage(), k500Hz);
}

}  // namespace
}  // namespace brisance
