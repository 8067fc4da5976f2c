#include "module/panels/PaletteItemsFromCurves.h"

#include "module/core/CCurvePrefs.h"
#include "module/core/CPaletteItems.h"
#include "module/core/StoreSnapshot.h"
#include "module/core/tests/CoreTestSupport.h"
#include "module/panels/CurvePalette.h"

#include "platform/com/Creation.h"

#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace brisance {
namespace {

using platform::runtime::Variant;
using ItemKeys = std::vector<std::pair<std::string, bool>>;

ItemKeys KeysOf(const CPaletteItems& items)
{
    ItemKeys keys;
    for (const auto& item : items)
        keys.emplace_back(item->Key, item->Binaural);
    return keys;
}

TEST(LoadPaletteFromString, TheStoredListsBecomeItemsOfKnownTests)
{
    CCurvePrefs tests;
    for (const char* key : {"1-1-1-", "1-2-1-", "1-3-1-"})
        tests.Add(key);

    struct Case {
        const char* keys;
        const char* binaural;
        ItemKeys items;
    };
    const Case cases[] = {
        {"1-1-1-,", "", {{"1-1-1-", false}}},
        {"1-1-1-,1-2-1-,", "False,True,", {{"1-1-1-", false}, {"1-2-1-", true}}},
        {"1-1-1-,1-2-1-,", "False,true,", {{"1-1-1-", false}, {"1-2-1-", false}}},
        {"1-1-1-,1-2-1-,", "True,", {{"1-1-1-", false}, {"1-2-1-", false}}},
        {"1-3-1-,9-9-9-,1-1-1-,", "True,True,False,", {{"1-3-1-", true}, {"1-1-1-", false}}},
        {"9-9-9-,8-8-8-,", "True,True,", {}},
        {"1-1-1-", "True", {}},
        {"", "", {}},
    };
    for (const Case& c : cases) {
        CPaletteItems items;
        items.Add(tests.Item("1-2-1-"));  // what the palette held before
        LoadPaletteFromString(items, tests, c.keys, c.binaural);
        EXPECT_EQ(KeysOf(items), c.items) << '"' << c.keys << "\" with \"" << c.binaural << '"';
    }

    CPaletteItems items;
    LoadPaletteFromString(items, tests, "1-1-1-,", "");
    LoadPaletteFromString(items, tests, "1-1-1-,", "");
    EXPECT_EQ(items.GetItemByTestKey("1-1-1-", false)->ID, 1) << "a reloaded item never takes an ID given before";
}

class MarkPaletteItemsWithDataTest : public testing::VellumTest {
protected:
    void SetUp() override
    {
        VellumTest::SetUp();
        data = platform::com::create<vellum::IVellumDataLayer>(vellum::kVellumDataLayerClsid);
        for (const auto& [key, binaural] : ItemKeys{{"1-1-1-", false}, {"1-1-1-", true}, {"1-2-1-", false},
                                                     {"1-1-10-1-", false}, {"1-1-10-1-", true}}) {
            if (!tests.ItemExist(key))
                tests.Add(key);
            items.Add(tests.Item(key))->Binaural = binaural;
        }
        for (const auto& item : items)
            item->HasData = true;  // left from the data shown before
    }

    void AddPureTone(std::int32_t curveType, std::int32_t ear, int points)
    {
        const auto curve = data->get_PureToneCurves()->Add(curveType, ear, 2);
        for (int i = 0; i < points; ++i)
            curve->get_Points()->Add(250 << i);
    }

    ItemKeys Marked() const
    {
        ItemKeys marked;
        for (const auto& item : items) {
            if (item->HasData)
                marked.emplace_back(item->Key, item->Binaural);
        }
        return marked;
    }

    platform::com::ComPtr<vellum::IVellumDataLayer> data;
    CCurvePrefs tests;
    CPaletteItems items;
};

TEST_F(MarkPaletteItemsWithDataTest, OnlyCurvesWithPointsMarkTheirItems)
{
    AddPureTone(1, vellum::kEarBinaural, 2);
    AddPureTone(2, vellum::kEarLeft, 0);  // bone conduction without points
    AddPureTone(3, vellum::kEarLeft, 1);  // sound field: not on the palette
    data->get_SpeechCurves()->Add(10, vellum::kEarRight, 2, 10)->get_Points()->Add(500);

    MarkPaletteItemsWithData(*data, items);
    EXPECT_EQ(Marked(), (ItemKeys{{"1-1-1-", true}, {"1-1-10-1-", false}}))
        << "the binaural curve marks the binaural item, a curve without points clears its item";
    EXPECT_EQ(items.Count(), 5) << "no item is added";
}

// A palette in a shown window; its buttons are read back by the ID they carry.
class FillCurvePaletteTest : public ::testing::Test {
protected:
    FillCurvePaletteTest()
    {
        palette = new CurvePalette(&window);
        window.resize(500, 120);
        palette->setGeometry(0, 0, 500, 120);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));

        air = tests.Add("1-1-1-");
        air->Label = "AC";
        air->Left0Unmasked = 11;
        air->Right0Unmasked = 12;
        air->Binaural0Unmasked = 13;
        bone = tests.Add("1-2-1-");
        bone->Label = "BC";
    }

    std::shared_ptr<CTolvButton> Button(std::int32_t id) const { return palette->Button(id); }
    Variant Selected() const
    {
        const auto selected = palette->SelectedButton();
        return selected ? selected->ItemData() : Variant::null();
    }

    QWidget window;
    CurvePalette* palette = nullptr;
    CCurvePrefs tests;
    CCurvePrefs::Entry air, bone;
    CPaletteItems items;
};

TEST_F(FillCurvePaletteTest, EachItemBecomesAButtonWithItsTestsSymbols)
{
    const auto ear = items.Add(air);
    const auto binaural = items.Add(air);
    binaural->Binaural = true;
    binaural->HideInGraph = true;

    struct Case {
        bool rightOnLeft;
        std::int32_t earLeftImage, earRightImage;
    };
    for (const Case c : {Case{false, 11, 12}, Case{true, 12, 11}}) {
        palette->RightOnLeft(c.rightOnLeft);
        FillCurvePalette(*palette, items, false);
        SCOPED_TRACE(c.rightOnLeft ? "right on left" : "left on left");
        const auto earButton = Button(ear->ID);
        ASSERT_TRUE(earButton);
        EXPECT_EQ(earButton->Caption(), "AC");
        EXPECT_EQ(earButton->LeftImageIndex(), c.earLeftImage);
        EXPECT_EQ(earButton->RightImageIndex(), c.earRightImage);
        EXPECT_FALSE(earButton->AlwaysActAsOneButton());
        EXPECT_FALSE(earButton->HiddenState());

        const auto binauralButton = Button(binaural->ID);
        ASSERT_TRUE(binauralButton);
        EXPECT_EQ(binauralButton->LeftImageIndex(), 13);
        EXPECT_EQ(binauralButton->RightImageIndex(), 13);
        EXPECT_TRUE(binauralButton->AlwaysActAsOneButton());
        EXPECT_TRUE(binauralButton->HiddenState());
        EXPECT_EQ(Selected(), Variant::null()) << "nothing was selected, nothing is pressed";
    }
}

TEST_F(FillCurvePaletteTest, TheSelectionIsTheFirstButtonOrTheOneOfTheSameItem)
{
    items.Add(bone);
    const auto seventh = items.Add(air);
    seventh->ID = 7;

    FillCurvePalette(*palette, items, true);
    EXPECT_EQ(Selected(), Variant(std::int32_t{0})) << "select-first presses the first button";

    palette->PressButton(Variant(std::int32_t{7}));
    FillCurvePalette(*palette, items, false);
    EXPECT_EQ(Selected(), Variant(std::int32_t{7})) << "the refilled palette presses ID 7 again";

    items.RemoveByID(7);
    FillCurvePalette(*palette, items, false);
    EXPECT_EQ(Selected(), Variant::null()) << "with ID 7 gone no button is pressed";

    items.Clear();
    FillCurvePalette(*palette, items, true);
    EXPECT_EQ(Button(0), nullptr) << "no items, no buttons";
}

class ShippedProfile : public testing::VellumTest {};

TEST_F(ShippedProfile, ItsPalettesLoadWithEveryTestAndTheSpeakerTestsBinaural)
{
    const auto store = testing::NewStore();
    store->put_Data(ReadStoreSnapshot(BRISANCE_PROGRAM_DIR "/Data/Default.profile"));
    CCurvePrefs shipped;
    shipped.LoadFromPreferences(*store);
    store->put_Category(0);
    store->put_Section(0);
    for (const char* palette : {"PTPalButtons", "SPPalButtons"}) {
        SCOPED_TRACE(palette);
        const std::string keys = store->get_Value(palette).toString();
        CPaletteItems loaded;
        LoadPaletteFromString(loaded, shipped, keys, store->get_Value(std::string(palette) + "Binaural").toString());
        EXPECT_EQ(loaded.Count(), static_cast<std::int32_t>(std::count(keys.begin(), keys.end(), ',')))
            << "every stored key names a test";
        ASSERT_GT(loaded.Count(), 0);
        for (const auto& item : loaded) {
            const bool bySpeaker = item->Key.substr(item->Key.find('-') + 1, 2) == "3-";
            EXPECT_EQ(item->Binaural, bySpeaker) << item->Key;
        }
    }
}

}  // namespace
}  // namespace brisance
