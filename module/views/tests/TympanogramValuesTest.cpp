#include "module/views/TympanogramValues.h"

#include <gtest/gtest.h>

namespace brisance {
namespace {

using Field = TympanogramField;

TEST(TympanogramValues, AnEditKeepsTheStoredNumberWhileThePanelStillShowsIt)
{
    const struct {
        Field field;
        std::int32_t stored;
        const char* value;  // the panel's value after the edit
        std::int32_t after;
    } cases[] = {
        // The panel reads a stored zero as no value; untouched, it stays zero.
        {Field::EarCanalVolume, 0, "-32767", 0},
        {Field::Gradient, 0, "-32767", 0},
        {Field::PeakPressure, 405, "NP", 405},
        {Field::StaticCompliance, 30811, "NP", 30811},
        {Field::EarCanalVolume, 150, "150", 150},
        // Changed values.
        {Field::EarCanalVolume, 150, "-32767", -32767},
        {Field::PeakPressure, -20, "", -32767},
        {Field::PeakPressure, -20, "NP", 405},
        {Field::PeakHeight, 45, "NP", 30811},
        {Field::EarCanalVolume, 150, "115.49999999999999", 115},
        {Field::EarCanalVolume, 150, "32767", 32767},
        {Field::EarCanalVolume, 150, "32768", 150},
        {Field::Gradient, 150, "-32768", 150},
        {Field::Gradient, 150, "NP", 150},
        {Field::ProbeTone, 226, "", -32767},
        {Field::ProbeTone, 226, "1000", 1000},
        {Field::ProbeTone, 226, "Other", 226},
    };
    for (const auto& c : cases)
        EXPECT_EQ(storedAfterEdit(c.field, c.stored, c.value), c.after) << c.stored << " -> " << c.value;
}

TEST(TympanogramValues, ATypeNeverChosenStaysNoValueUntilAnotherIsShown)
{
    EXPECT_EQ(typeAfterEdit(-32767, 0), -32767);
    EXPECT_EQ(typeAfterEdit(9, 0), 9) << "an unknown stored code shows as other";
    EXPECT_EQ(typeAfterEdit(-32767, 3), 3);
    EXPECT_EQ(typeAfterEdit(3, 0), 0) << "other chosen";
    EXPECT_EQ(typeAfterEdit(2, 2), 2);
}

}  // namespace
}  // namespace brisance
