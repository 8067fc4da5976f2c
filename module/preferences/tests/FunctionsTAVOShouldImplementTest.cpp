#include "module/preferences/FunctionsTAVOShouldImplement.h"

#include "module/core/tests/TextsTestSupport.h"
#include "platform/testing/ModalDialogs.h"

#include <QComboBox>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace brisance {
namespace {

using Entries = std::vector<std::pair<std::string, int>>;
using Codes = std::vector<int>;

Entries EntriesOf(const QComboBox& combo)
{
    Entries entries;
    for (int i = 0; i < combo.count(); ++i)
        entries.emplace_back(combo.itemText(i).toStdString(), combo.itemData(i).toInt());
    return entries;
}

Codes CodesOf(const QComboBox& combo)
{
    Codes codes;
    for (const auto& entry : EntriesOf(combo))
        codes.push_back(entry.second);
    return codes;
}

class FunctionsTAVOShouldImplementTest : public testing::ModuleTextsTest {
protected:
    QComboBox m_testType, m_transducer, m_wordList, m_condition;
};

TEST_F(FunctionsTAVOShouldImplementTest, EachListShowsItsTextsAndCarriesItsCodes)
{
    struct Case {
        const char* list;
        std::function<void(QComboBox&)> fill;
        Entries entries;
    };
    const Case cases[] = {
        {"pure-tone test types", FillPureToneTestTypes,
         {{"Threshold", 1}, {"MCL", 2}, {"UCL", 3}, {"Ipsilateral Reflexes", 4}, {"Contralateral Reflexes", 5}}},
        {"speech test types", FillSpeechTestTypes,
         {{"Discrimination", 1}, {"Discrimination with Noise", 2}, {"SRT", 3}, {"SRT with Noise", 4}, {"SAT", 5},
          {"SDT", 6}, {"MCL", 7}, {"UCL", 8}}},
        {"word lists", FillWordLists,
         {{"None", 1}, {"Monosyllabic Words", 2}, {"Multisyllabic Words", 3}, {"Dichotic Words", 4},
          {"Numerals", 7}, {"Spondaic Words", 8}, {"Conversational Speech", 9}, {"Phonetically Balanced", 10},
          {"Sentence Materials", 11}, {"Body Parts", 12}, {"User Defined 1", 21}, {"User Defined 2", 22},
          {"User Defined 3", 23}, {"User Defined 4", 24}, {"User Defined 5", 25}}},
        {"pure-tone transducers", [](QComboBox& c) { FillPureToneTransducers(c, 1); },
         {{"Phones", 1}, {"Bone Oscillator", 2}, {"Speaker", 3}}},
        {"reflex transducers", [](QComboBox& c) { FillPureToneTransducers(c, 4); }, {{"Probe", 4}}},
        {"speech transducers", [](QComboBox& c) { FillSpeechTransducers(c, 1); },
         {{"Phones", 1}, {"Bone Oscillator", 2}, {"Speaker", 3}}},
        {"aided conditions", [](QComboBox& c) { FillAidedConditions(c, 0); },
         {{"Unaided", 1}, {"Aided Solution 1", 2}, {"Aided Solution 2", 3}}},
    };
    QComboBox combo;
    combo.addItem("left over");
    for (const Case& c : cases) {
        c.fill(combo);
        EXPECT_EQ(EntriesOf(combo), c.entries) << c.list;
        EXPECT_EQ(combo.currentIndex(), -1) << c.list << ": no entry is chosen after a fill";
    }
}

TEST_F(FunctionsTAVOShouldImplementTest, TheOfferedEntriesDependOnTheTestType)
{
    struct Case {
        std::int32_t testType;
        Codes pureToneTransducers;
        Codes speechTransducers;
        Codes conditions;
    };
    const Case cases[] = {
        {0, {1, 2, 3}, {1, 3}, {1, 2, 3}},    {1, {1, 2, 3}, {1, 2, 3}, {1, 2, 3}},
        {2, {1, 3}, {1, 3}, {1, 2, 3}},       {3, {1, 3}, {1, 2, 3}, {1, 2, 3}},
        {4, {4}, {1, 3}, {1}},                {5, {4}, {1, 2, 3}, {1}},
        {6, {1, 2, 3}, {1, 2, 3}, {1, 2, 3}}, {7, {1, 2, 3}, {1, 3}, {1, 2, 3}},
        {8, {1, 2, 3}, {1, 3}, {1, 2, 3}},    {9, {1, 2, 3}, {1, 3}, {1, 2, 3}},
    };
    for (const Case& c : cases) {
        FillPureToneTransducers(m_transducer, c.testType);
        EXPECT_EQ(CodesOf(m_transducer), c.pureToneTransducers) << "pure-tone test type " << c.testType;
        FillSpeechTransducers(m_transducer, c.testType);
        EXPECT_EQ(CodesOf(m_transducer), c.speechTransducers) << "speech test type " << c.testType;
        FillAidedConditions(m_condition, c.testType);
        EXPECT_EQ(CodesOf(m_condition), c.conditions) << "test type " << c.testType;
    }
}

TEST_F(FunctionsTAVOShouldImplementTest, NotationKeysAreBuiltFromTheChosenCodes)
{
    FillPureToneTestTypes(m_testType);
    platform::testing::choose(&m_testType, 3);  // ipsilateral reflex
    FillPureToneTransducers(m_transducer, 4);
    FillAidedConditions(m_condition, 4);
    EXPECT_EQ(BuildNotation3(m_testType, m_transducer, m_condition), "") << "no transducer or condition chosen";
    platform::testing::choose(&m_transducer, 0);  // the probe, code 4
    platform::testing::choose(&m_condition, 0);
    ASSERT_EQ(m_transducer.currentData().toInt(), 4) << "the keys chose the entry";
    EXPECT_EQ(BuildNotation3(m_testType, m_transducer, m_condition), "4-0-1-") << "a reflex key has transducer 0";

    platform::testing::choose(&m_testType, 0);  // threshold
    FillPureToneTransducers(m_transducer, 1);
    FillAidedConditions(m_condition, 1);
    platform::testing::choose(&m_transducer, 0);
    platform::testing::choose(&m_condition, 1);
    EXPECT_EQ(BuildNotation3(m_testType, m_transducer, m_condition), "1-1-2-");

    FillSpeechTestTypes(m_testType);
    FillSpeechTransducers(m_transducer, 1);
    FillWordLists(m_wordList);
    FillAidedConditions(m_condition, 0);
    platform::testing::choose(&m_testType, 0);
    platform::testing::choose(&m_transducer, 0);
    platform::testing::choose(&m_condition, 0);
    EXPECT_EQ(BuildNotation4(m_testType, m_transducer, m_wordList, m_condition), "") << "no word list chosen";
    platform::testing::choose(&m_wordList, 7);  // phonetically balanced
    EXPECT_EQ(BuildNotation4(m_testType, m_transducer, m_wordList, m_condition), "1-1-10-1-");
}

TEST(FunctionsTAVOShouldImplement, CurveTypesOfEveryTestTypeAndTransducer)
{
    // Rows: test types 0 to 9; columns: transducer codes 0 to 4.
    constexpr std::int32_t kPureTone[10][5] = {
        {0, 0, 0, 0, 0}, {0, 1, 2, 3, 0}, {0, 4, 0, 5, 0}, {0, 6, 0, 7, 0}, {8, 8, 8, 8, 8},
        {9, 9, 9, 9, 9}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0},
    };
    constexpr std::int32_t kSpeech[10][5] = {
        {0, 0, 0, 0, 0},   {0, 10, 11, 12, 0}, {0, 13, 0, 14, 0}, {0, 15, 16, 17, 0}, {0, 18, 0, 19, 0},
        {0, 23, 24, 25, 0}, {0, 20, 21, 22, 0}, {0, 26, 0, 27, 0}, {0, 28, 0, 29, 0}, {0, 0, 0, 0, 0},
    };
    for (std::int32_t testType = 0; testType < 10; ++testType) {
        for (std::int32_t transducer = 0; transducer < 5; ++transducer) {
            EXPECT_EQ(PureToneCurveID(testType, transducer), kPureTone[testType][transducer])
                << "pure tone " << testType << ", transducer " << transducer;
            EXPECT_EQ(SpeechCurveID(testType, transducer), kSpeech[testType][transducer])
                << "speech " << testType << ", transducer " << transducer;
        }
    }
    EXPECT_EQ(PureToneCurveID(4, -7), 8) << "a reflex test ignores its transducer";
}

TEST(FunctionsTAVOShouldImplement, AidedCodesMapToTheMeasuredCondition)
{
    constexpr std::pair<std::int32_t, std::int32_t> kCases[] = {{0, 0}, {1, 2}, {2, 3}, {3, 4}, {4, 0}, {-1, 0}};
    for (const auto& [code, condition] : kCases)
        EXPECT_EQ(ConditionFromAidedCode(code), condition) << "aided code " << code;
}

}  // namespace
}  // namespace brisance
