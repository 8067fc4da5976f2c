#include "module/core/CPaletteItem.h"

#include <gtest/gtest.h>

#include <memory>

namespace brisance {
namespace {

TEST(CPaletteItem, CopyToCopiesEveryFieldButTheTest)
{
    CPaletteItem saved;
    saved.CurvePreferences = std::make_shared<CCurvePref>();
    saved.ID = 7;
    saved.Key = "1-1-1-";
    saved.Binaural = true;
    saved.HideInGraph = true;
    saved.HasData = true;
    saved.ConditionDescription = "left aid";
    saved.TransducerDescription = "TDH-39";
    saved.WordList = "NU-6";
    saved.NumberOfWords = 25;

    CPaletteItem restored;
    const auto ownTest = std::make_shared<CCurvePref>();
    restored.CurvePreferences = ownTest;
    saved.CopyTo(restored);

    EXPECT_EQ(restored.CurvePreferences, ownTest);
    EXPECT_EQ(restored.ID, 7);
    EXPECT_EQ(restored.Key, "1-1-1-");
    EXPECT_TRUE(restored.Binaural);
    EXPECT_TRUE(restored.HideInGraph);
    EXPECT_TRUE(restored.HasData);
    EXPECT_EQ(restored.ConditionDescription, "left aid");
    EXPECT_EQ(restored.TransducerDescription, "TDH-39");
    EXPECT_EQ(restored.WordList, "NU-6");
    EXPECT_EQ(restored.NumberOfWords, 25);
}

}  // namespace
}  // namespace brisance
