#include "module/core/ModuleGlobals.h"

#include "module/core/CCurvePrefs.h"
#include "module/core/CPaletteItems.h"
#include "module/core/CSymbols.h"
#include "module/core/tests/CoreTestSupport.h"
#include "module/core/TextResources.h"

#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/tests/ErrorNumber.h"

#include <gtest/gtest.h>

namespace brisance {
namespace {

using platform::runtime::testing::errorNumberOf;

constexpr const char* kEnglish = BRISANCE_PROGRAM_DIR "/Language Resources/BrisanceENU.so";

class ModuleGlobalsTest : public testing::VellumTest {};

// Each of the objects does its work.
void ExpectUsable()
{
    EXPECT_FALSE(ModuleGlobals::UiTextLoader()->LoadResString(TR_PROGRAM_TITLE).empty());
    const auto store = ModuleGlobals::PreferenceStore();
    store->put_Value("Profile", "Standard");
    EXPECT_EQ(store->get_Value("Profile"), platform::runtime::Variant("Standard"));
    EXPECT_EQ(ModuleGlobals::Symbols()->SymbolImages()->count(), 52);
    EXPECT_TRUE(ModuleGlobals::CurvePrefs()->ItemExist("1-1-1-"));
    EXPECT_EQ(ModuleGlobals::PureTonePaletteItems()->Count(), 1);
    EXPECT_EQ(ModuleGlobals::SpeechPaletteItems()->Count(), 0);
}

TEST_F(ModuleGlobalsTest, LiveFromTheFirstDocumentToTheLast)
{
    CreateModuleGlobals();
    ModuleGlobals::UiTextLoader()->OpenResourceLibrary(kEnglish);
    ModuleGlobals::ViewTextLoader()->OpenResourceLibrary(kEnglish);
    ModuleGlobals::PureTonePaletteItems()->Add(ModuleGlobals::CurvePrefs()->Add("1-1-1-"));
    ASSERT_NE(ModuleGlobals::SpeechPaletteItems(), ModuleGlobals::PureTonePaletteItems());
    const auto store = ModuleGlobals::PreferenceStore();
    const auto viewTexts = ModuleGlobals::ViewTextLoader();

    CreateModuleGlobals();  // a second document reuses them
    EXPECT_EQ(ModuleGlobals::PreferenceStore(), store);
    ReleaseModuleGlobals();  // the first document closes
    ExpectUsable();

    ReleaseModuleGlobals();  // the last one closes
    EXPECT_FALSE(ModuleGlobals::UiTextLoader());
    EXPECT_FALSE(ModuleGlobals::PreferenceStore());
    EXPECT_FALSE(ModuleGlobals::Symbols());
    EXPECT_FALSE(ModuleGlobals::CurvePrefs());
    EXPECT_FALSE(ModuleGlobals::PureTonePaletteItems());
    EXPECT_FALSE(ModuleGlobals::SpeechPaletteItems());
    ASSERT_TRUE(ModuleGlobals::ViewTextLoader());
    EXPECT_NE(ModuleGlobals::ViewTextLoader(), viewTexts);
    EXPECT_EQ(ModuleGlobals::ViewTextLoader()->LoadResString(TR_PROGRAM_TITLE), "") << "a fresh, unopened loader";

    ReleaseModuleGlobals();  // one too many changes nothing
    CreateModuleGlobals();   // the next document gets new objects
    EXPECT_NE(ModuleGlobals::PreferenceStore(), store);
    EXPECT_EQ(ModuleGlobals::CurvePrefs()->Count(), 0);
}

TEST(ModuleGlobals, AFailedCreationCountsSoThatTheDocumentsReleaseBalancesIt)
{
    // Vellum is not registered: the store cannot be created.
    EXPECT_EQ(errorNumberOf(CreateModuleGlobals), 429);
    ASSERT_NO_FATAL_FAILURE(testing::registerServer(VELLUM_LIBRARY_PATH));
    CreateModuleGlobals();  // a second document creates them
    ASSERT_TRUE(ModuleGlobals::PreferenceStore());
    ReleaseModuleGlobals();  // the failed document ends
    EXPECT_TRUE(ModuleGlobals::PreferenceStore()) << "the second document still uses them";
    ReleaseModuleGlobals();
    EXPECT_FALSE(ModuleGlobals::PreferenceStore());
}

TEST_F(ModuleGlobalsTest, AScopedCurvePrefsPutsThePreviousBackAfterAnError)
{
    CreateModuleGlobals();
    const auto documents = ModuleGlobals::CurvePrefs();
    const auto reports = std::make_shared<CCurvePrefs>();
    EXPECT_EQ(errorNumberOf([&] {
                  const ModuleGlobals::ScopedCurvePrefs scoped(reports);
                  EXPECT_EQ(ModuleGlobals::CurvePrefs(), reports);
                  platform::runtime::raise(5);
              }),
              5);
    EXPECT_EQ(ModuleGlobals::CurvePrefs(), documents);
}

TEST_F(ModuleGlobalsTest, ScopedTextLoadersServeAsBothLoadersAndPutThePreviousBackAfterAnError)
{
    CreateModuleGlobals();
    const auto ui = ModuleGlobals::UiTextLoader(), view = ModuleGlobals::ViewTextLoader();
    const auto reports = std::make_shared<CLangLoader>();
    EXPECT_EQ(errorNumberOf([&] {
                  const ModuleGlobals::ScopedTextLoaders scoped(reports);
                  EXPECT_EQ(ModuleGlobals::UiTextLoader(), reports);
                  EXPECT_EQ(ModuleGlobals::ViewTextLoader(), reports);
                  platform::runtime::raise(5);
              }),
              5);
    EXPECT_EQ(ModuleGlobals::UiTextLoader(), ui);
    EXPECT_EQ(ModuleGlobals::ViewTextLoader(), view);
}

}  // namespace
}  // namespace brisance
