#include "module/core/CCurvePrefs.h"

#include "module/core/StoreSelection.h"
#include "module/core/tests/CoreTestSupport.h"

#include "platform/com/Object.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/tests/ErrorNumber.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace brisance {
namespace {

using platform::com::ComPtr;
using platform::runtime::Variant;
using platform::runtime::testing::errorNumberOf;
using testing::NewStore;
using vellum::IVellumKeyedStore;

using Values = std::vector<std::pair<std::string, Variant>>;

class CCurvePrefsTest : public testing::VellumTest {};

// Every number of a test but its CurveID, in field order.
std::vector<std::int64_t> NumbersOf(const CCurvePref& p)
{
    return {p.PrefType, p.TestType, p.Condition, p.WordList, p.LeftColor, p.RightColor, p.BinauralColor,
            p.LeftLineStyle, p.LeftLineWidth, p.RightLineStyle, p.RightLineWidth, p.BinauralLineStyle,
            p.BinauralLineWidth, p.Left0Unmasked, p.Left1NoReponse, p.Left2UnMeasurable, p.Left3Masked,
            p.Left4MaskedNoResponse, p.Left5MaskedUnMeasurable, p.Right0Unmasked, p.Right1NoReponse,
            p.Right2UnMeasurable, p.Right3Masked, p.Right4MaskedNoResponse, p.Right5MaskedUnMeasurable,
            p.Binaural0Unmasked, p.Binaural1NoReponse, p.Binaural2UnMeasurable, p.Binaural3Masked,
            p.Binaural4MaskedNoResponse, p.Binaural5MaskedUnMeasurable};
}

std::vector<std::string> KeysOf(const CCurvePrefs& prefs)
{
    std::vector<std::string> keys;
    for (const auto& pref : prefs) keys.push_back(pref->Key());
    return keys;
}

void Select(IVellumKeyedStore& store, std::int16_t category, std::int16_t section)
{
    store.put_Category(category);
    store.put_Section(section);
}

void Put(IVellumKeyedStore& store, std::int16_t section, const Values& values)
{
    Select(store, CCurvePrefs::kCategory, section);
    for (const auto& [key, value] : values) store.put_Value(key, value);
}

// A complete stored record as the module writes it.
Values Record(const std::string& label)
{
    return {{"Notation", label},          {"AidedCondition", 2},     {"TestType", 1},
            {"PrefType", 0},              {"WordList", 0},           {"LeftSym", "13,14,15,16,17,18"},
            {"RightSym", "1,2,3,4,5,6"},  {"BinauralSym", "0,0,0,0,0,0"}, {"LeftLineColor", 16711680},
            {"RightLineColor", 255},      {"BinauralLineColor", 0},  {"LeftLineStyle", 0},
            {"LeftLineWidth", 2},         {"RightLineStyle", 0},     {"RightLineWidth", 2},
            {"BinauralLineStyle", 0},     {"BinauralLineWidth", 2}};
}

// The record with one value replaced, or removed when the value is Empty.
Values RecordWith(const std::string& label, const std::string& key, const Variant& value)
{
    Values record = Record(label);
    std::erase_if(record, [&](const auto& entry) { return entry.first == key; });
    if (!value.isEmpty()) record.emplace_back(key, value);
    return record;
}

TEST_F(CCurvePrefsTest, EveryFieldSurvivesASaveAndALoadInTheStoredForm)
{
    CCurvePrefs saved;
    CCurvePref& pref = *saved.Add("1-3-10-2-");
    pref.Label = "WR SF aided";
    std::int64_t next = 1;
    auto distinct = [&next] { return next++; };
    pref.PrefType = PrefType_Speech;
    pref.TestType = 12;
    pref.Condition = 3;
    pref.WordList = 10;
    pref.LeftColor = 0xFF0000;
    pref.RightColor = 0x0000FF;
    pref.BinauralColor = 0x123456;
    for (auto side : {&CCurvePref::LeftLineStyle, &CCurvePref::LeftLineWidth, &CCurvePref::RightLineStyle,
                      &CCurvePref::RightLineWidth, &CCurvePref::BinauralLineStyle, &CCurvePref::BinauralLineWidth})
        pref.*side = static_cast<std::int16_t>(distinct());
    for (const auto& fields : {kLeftSymbolFields, kRightSymbolFields, kBinauralSymbolFields})
        for (const auto field : fields) pref.*field = static_cast<std::int32_t>(distinct());

    const auto store = NewStore();
    Select(*store, 0, 7);
    saved.SaveToPreferences(*store);
    EXPECT_EQ(store->get_Category(), 0);
    EXPECT_EQ(store->get_Section(), 7);

    // The stored form lives in users' data and exported profiles.
    Select(*store, 100, 1);
    EXPECT_EQ(store->get_Value("1-3-10-2-"), Variant(std::int32_t{1001}));
    store->put_Section(1001);
    EXPECT_EQ(SelectedSectionKeys(*store),
              (std::vector<std::string>{"Notation", "AidedCondition", "TestType", "PrefType", "WordList", "LeftSym",
                                        "RightSym", "BinauralSym", "LeftLineColor", "RightLineColor",
                                        "BinauralLineColor", "LeftLineStyle", "LeftLineWidth", "RightLineStyle",
                                        "RightLineWidth", "BinauralLineStyle", "BinauralLineWidth"}));
    EXPECT_EQ(store->get_Value("Notation"), Variant("WR SF aided"));
    EXPECT_EQ(store->get_Value("LeftSym"), Variant("7,8,9,10,11,12"));
    EXPECT_EQ(store->get_Value("BinauralLineColor"), Variant(std::int32_t{0x123456}));
    EXPECT_EQ(store->get_Value("LeftLineStyle"), Variant(std::int32_t{1}));

    Select(*store, 0, 7);
    CCurvePrefs loaded;
    loaded.LoadFromPreferences(*store);
    EXPECT_EQ(store->get_Category(), 0);
    EXPECT_EQ(store->get_Section(), 7);
    ASSERT_EQ(loaded.Count(), 1);
    const auto& back = *loaded.Item(1);
    EXPECT_EQ(back.Key(), "1-3-10-2-");
    EXPECT_EQ(back.Label, "WR SF aided");
    EXPECT_EQ(back.CurveID, 1);
    EXPECT_EQ(NumbersOf(back), NumbersOf(pref));
}

// Loading what a store holds, case by case: what is skipped, and what reads
// as 0, never stops the load.
TEST_F(CCurvePrefsTest, LoadsWhatTheStoreHoldsAndSkipsWhatNamesNoTest)
{
    struct Stored {
        std::string key;
        Variant index;
        Values record;  // stored in the section the index names when it is a number
    };
    struct Case {
        const char* name;
        std::vector<Stored> stored;
        std::function<void(const CCurvePrefs&)> check;
    };
    const Case cases[] = {
        {"an empty index", {},
         [](const CCurvePrefs& prefs) { EXPECT_EQ(prefs.Count(), 0); }},
        {"records without a Notation are skipped",
         {{"A", 1001, Record("AC")}, {"B", 1002, RecordWith("x", "Notation", {})},
          {"C", 1003, RecordWith("x", "Notation", "")}, {"D", 1004, Record("UCL")}},
         [](const CCurvePrefs& prefs) {
             EXPECT_EQ(KeysOf(prefs), (std::vector<std::string>{"A", "D"}));
             EXPECT_EQ(prefs.Item("D")->CurveID, 2);
         }},
        {"five symbols leave a side at 0, seven give the first six",
         {{"A", 1001, RecordWith("AC", "LeftSym", "1,2,3,4,5")},
          {"B", 1002, RecordWith("AC", "LeftSym", "1,2,3,4,5,6,7")}},
         [](const CCurvePrefs& prefs) {
             EXPECT_EQ(prefs.Item("A")->Left0Unmasked, 0);
             EXPECT_EQ(prefs.Item("A")->Left4MaskedNoResponse, 0);
             EXPECT_EQ(prefs.Item("A")->Right0Unmasked, 1);
             EXPECT_EQ(prefs.Item("B")->Left0Unmasked, 1);
             EXPECT_EQ(prefs.Item("B")->Left5MaskedUnMeasurable, 6);
         }},
        {"a missing colour, style or width is 0",
         {{"A", 1001, RecordWith("AC", "RightLineColor", {})},
          {"B", 1002, RecordWith("AC", "LeftLineWidth", {})}},
         [](const CCurvePrefs& prefs) {
             EXPECT_EQ(prefs.Item("A")->RightColor, 0u);
             EXPECT_EQ(prefs.Item("A")->LeftColor, 16711680u);
             EXPECT_EQ(prefs.Item("B")->LeftLineWidth, 0);
             EXPECT_EQ(prefs.Item("B")->RightLineWidth, 2);
         }},
        {"a symbol or number that cannot be read is 0, and later records load",
         {{"A", 1001, RecordWith("AC", "RightSym", "1,x,3,99999999999,5,6")},
          {"B", 1002, RecordWith("AC", "TestType", "1e30")},
          {"C", 1003, RecordWith("AC", "LeftLineStyle", 40000)},
          {"D", 1004, Record("UCL")}},
         [](const CCurvePrefs& prefs) {
             ASSERT_EQ(prefs.Count(), 4);
             const auto& a = *prefs.Item("A");
             EXPECT_EQ((std::vector<std::int32_t>{a.Right0Unmasked, a.Right1NoReponse, a.Right2UnMeasurable,
                                                  a.Right3Masked}),
                       (std::vector<std::int32_t>{1, 0, 3, 0}));
             EXPECT_EQ(prefs.Item("B")->TestType, 0);
             EXPECT_EQ(prefs.Item("C")->LeftLineStyle, 0);
             EXPECT_EQ(prefs.Item("D")->Label, "UCL");
         }},
        {"index values that name no record section are skipped",
         {{"empty", "", {}}, {"text", "abc", {}}, {"zero", "0", {}}, {"index", "1", {}},
          {"large", "40000", {}}, {"A", "1001", Record("AC")}},
         [](const CCurvePrefs& prefs) { EXPECT_EQ(KeysOf(prefs), (std::vector<std::string>{"A"})); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto store = NewStore();
        for (const Stored& stored : c.stored) {
            Put(*store, CCurvePrefs::kIndexSection, {{stored.key, stored.index}});
            if (!stored.record.empty()) Put(*store, static_cast<std::int16_t>(stored.index.toLong()), stored.record);
        }
        CCurvePrefs prefs;
        prefs.Add("left over");  // a load replaces what the collection held
        prefs.LoadFromPreferences(*store);
        c.check(prefs);
        const std::int32_t loaded = prefs.Count();
        EXPECT_EQ(prefs.Add("next")->CurveID, loaded + 1) << "the CurveIDs count from 1 again";
    }
}

TEST_F(CCurvePrefsTest, ASaveAfterALoadRenumbersTheRecordsAndEmptiesTheOldSections)
{
    const auto store = NewStore();
    const std::pair<const char*, std::int16_t> stored[] = {{"A", 1001}, {"B", 1005}, {"C", 1009}};
    for (const auto& [key, section] : stored) {
        Put(*store, CCurvePrefs::kIndexSection, {{key, std::int32_t{section}}});
        Put(*store, section, Record(key));
    }
    CCurvePrefs prefs;
    prefs.LoadFromPreferences(*store);
    EXPECT_EQ(prefs.Item("C")->CurveID, 3);
    prefs.SaveToPreferences(*store);

    Select(*store, CCurvePrefs::kCategory, CCurvePrefs::kIndexSection);
    EXPECT_EQ(store->get_Value("B"), Variant(std::int32_t{1002}));
    EXPECT_EQ(store->get_Value("C"), Variant(std::int32_t{1003}));
    for (const std::int16_t section : {1003, 1005, 1009}) {
        store->put_Section(section);
        EXPECT_EQ(store->get_Value("Notation").isNull(), section != 1003) << "section " << section;
    }
}

TEST_F(CCurvePrefsTest, SavingNeverClearsTheOptionsOrOtherSectionsForAMalformedIndex)
{
    const auto store = NewStore();
    Put(*store, 0, {{"PTAvg1", 84}});
    Put(*store, 2, {{"Other", "kept"}});
    Put(*store, CCurvePrefs::kIndexSection,
        {{"empty", ""}, {"text", "abc"}, {"zero", "0"}, {"index", "1"}, {"two", "2"}, {"large", "40000"}});

    CCurvePrefs prefs;
    prefs.Add("1-1-1-")->Label = "AC";
    prefs.SaveToPreferences(*store);

    Select(*store, CCurvePrefs::kCategory, 0);
    EXPECT_EQ(store->get_Value("PTAvg1"), Variant(std::int32_t{84}));
    store->put_Section(2);
    EXPECT_EQ(store->get_Value("Other"), Variant("kept"));
    store->put_Section(CCurvePrefs::kIndexSection);
    EXPECT_EQ(SelectedSectionKeys(*store), std::vector<std::string>{"1-1-1-"});
}

// A store that fails its n-th value write, as a full disk or a broken
// component would.
class FailingStore final : public platform::com::Object<IVellumKeyedStore> {
public:
    FailingStore(ComPtr<IVellumKeyedStore> store, int failingWrite) : m_store(std::move(store)), m_left(failingWrite) {}

    std::int16_t get_Category() override { return m_store->get_Category(); }
    void put_Category(std::int16_t category) override { m_store->put_Category(category); }
    std::int16_t get_Section() override { return m_store->get_Section(); }
    void put_Section(std::int16_t section) override { m_store->put_Section(section); }
    Variant get_Value(const std::string& key) override { return m_store->get_Value(key); }
    void put_Value(const std::string& key, const Variant& value) override
    {
        if (--m_left == 0) platform::runtime::raise(61);
        m_store->put_Value(key, value);
    }
    ComPtr<platform::com::IEnumVARIANT> get__NewEnum() override { return m_store->get__NewEnum(); }
    Variant get_Data() override { return m_store->get_Data(); }
    void put_Data(const Variant& data) override { m_store->put_Data(data); }
    void Clear() override { m_store->Clear(); }
    Variant get_SectionData() override { return m_store->get_SectionData(); }
    void put_SectionData(const Variant& data) override { m_store->put_SectionData(data); }
    void ClearSection() override { m_store->ClearSection(); }
    Variant get_CategoryData() override { return m_store->get_CategoryData(); }
    void put_CategoryData(const Variant& data) override { m_store->put_CategoryData(data); }
    void ClearCategory() override { m_store->ClearCategory(); }

private:
    ComPtr<IVellumKeyedStore> m_store;
    int m_left;
};

TEST_F(CCurvePrefsTest, AFailedSaveLeavesTheStoredTestsAndTheSelection)
{
    // The first write, one inside the second record, and the last of three.
    for (const int failingWrite : {1, 25, 54}) {
        SCOPED_TRACE("failing write " + std::to_string(failingWrite));
        const auto real = NewStore();
        CCurvePrefs before;
        before.Add("1-1-1-")->Label = "AC";
        before.Add("1-2-1-")->Label = "BC";
        before.SaveToPreferences(*real);
        Select(*real, 100, 0);
        const Variant stored = real->get_CategoryData();

        CCurvePrefs changed;
        for (const char* key : {"2-1-1-", "3-1-1-", "1-3-1-"}) changed.Add(key)->Label = key;
        const auto failing = platform::com::make<FailingStore>(real, failingWrite);
        Select(*failing, 0, 3);
        EXPECT_EQ(errorNumberOf([&] { changed.SaveToPreferences(*failing); }), 61);

        EXPECT_EQ(real->get_Category(), 0);
        EXPECT_EQ(real->get_Section(), 3);
        Select(*real, 100, 0);
        EXPECT_EQ(real->get_CategoryData(), stored);
        CCurvePrefs loaded;
        loaded.LoadFromPreferences(*real);
        EXPECT_EQ(KeysOf(loaded), (std::vector<std::string>{"1-1-1-", "1-2-1-"}));
    }
}

TEST(CCurvePrefs, FindsTestsByKeyPositionCurveIdAndConditionWithoutRaising)
{
    CCurvePrefs prefs;
    const auto words = prefs.Add("1-1-10-1-");
    words->TestType = 10;
    words->Condition = 2;
    const auto sentences = prefs.Add("1-1-11-1-");
    sentences->TestType = 10;
    sentences->Condition = 2;
    const auto keyless = prefs.Add("");

    EXPECT_EQ(prefs.ItemByCurveAndCondition(10, 2), words) << "the first added of two alike";
    EXPECT_EQ(prefs.ItemByCurveAndCondition(10, 3), nullptr);
    EXPECT_EQ(prefs.Item("1-1-11-1-"), sentences);
    EXPECT_EQ(prefs.Item("1-1-11-1-"), prefs.Item(Variant(std::int32_t{2})));
    EXPECT_EQ(prefs.Item("missing"), nullptr);
    EXPECT_EQ(prefs.Item(Variant(std::int32_t{4})), nullptr);
    EXPECT_EQ(prefs.Item(Variant::null()), nullptr);
    EXPECT_FALSE(prefs.ItemExist("missing"));
    EXPECT_TRUE(prefs.ItemExist("1-1-10-1-"));

    // A test added without a key: found by position, CurveID and enumeration,
    // and its key can still be set, once.
    EXPECT_EQ(prefs.Item(Variant(std::int32_t{3})), keyless);
    EXPECT_EQ(prefs.ItemByCurveID(3), keyless);
    EXPECT_EQ(KeysOf(prefs), (std::vector<std::string>{"1-1-10-1-", "1-1-11-1-", ""}));
    keyless->Key("2-1-1-");
    keyless->Key("3-1-1-");
    EXPECT_EQ(keyless->Key(), "2-1-1-");

    // A duplicate key raises, after the counter has moved on.
    EXPECT_EQ(errorNumberOf([&] { prefs.Add("1-1-10-1-"); }), 457);
    EXPECT_EQ(prefs.Add("new")->CurveID, 5);
    EXPECT_EQ(errorNumberOf([&] { prefs.Remove("missing"); }), 5);
    prefs.Remove("1-1-10-1-");
    EXPECT_EQ(prefs.ItemByCurveAndCondition(10, 2), sentences);
}

}  // namespace
}  // namespace brisance
