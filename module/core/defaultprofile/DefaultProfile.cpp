#include "module/core/defaultprofile/DefaultProfile.h"

#include "module/core/CCurvePrefs.h"
#include "module/core/SymbolCatalogue.h"

#include "vellum/VellumValues.h"

#include "platform/gfx/Types.h"
#include "platform/runtime/RuntimeError.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <string>

namespace brisance {

namespace {

using platform::runtime::Variant;

struct Option {
    const char* key;
    Variant value;
};

// Profile 0 (category 0, section 0), as the option pages write it: numbers as
// 32-bit integers, flags as Booleans, texts as strings.
const Option kProfile[] = {
    {"Profile", "Standard"},
    {"DftProfile", true},
    {"PTOneGraph", false},                    // a chart per ear
    {"PTPanels", std::int32_t{7}},            // test-data table, notes, average
    {"PTGraphOptions", std::int32_t{13104}},  // no underlay, 125 Hz to 8 kHz, labels above, -10 to 120 dB,
                                              // axis labels, dashed inter-octave lines
    {"PTTestDataRows", std::int32_t{7}},      // stimulus, masking, test conditions
    {"PTNoteFields", std::int32_t{31}},       // make and model, calibration date, method, reliability, comments
    {"PTPalButtons", "1-1-1-,1-2-1-,1-3-1-,1-3-2-,2-1-1-,2-3-1-,3-1-1-,"},
    {"PTPalButtonsBinaural", "False,False,True,True,False,True,False,"},  // the tests by speaker
    {"SPShowGraph", true},
    {"SPPanels", std::int32_t{7}},
    {"SPGraphOptions", std::int32_t{42}},  // no underlay, axis labels, 0 to 120 dB
    {"SPNoteFields", std::int32_t{27}},    // make and model, calibration date, reliability, comments
    {"SPPalButtons", "1-1-10-1-,2-1-10-1-,3-1-8-1-,7-1-2-1-,8-1-2-1-,1-3-10-1-,1-3-10-2-,"},
    {"SPPalButtonsBinaural", "False,False,False,False,False,True,True,"},
    {"IMPanels", std::int32_t{58}},     // notes, both reflex tables, tympanometry
    {"IARTPoints", std::int32_t{30}},   // 500, 1000, 2000, 4000 Hz
    {"CARTPoints", std::int32_t{30}},
    {"IARTDecay", std::int32_t{0}},
    {"CARTDecay", std::int32_t{6}},     // contralateral decay at 500 and 1000 Hz
    {"IPNoteFields", std::int32_t{19}}, // make and model, calibration date, comments
    {"TympPressure", false},            // daPa
    {"TympVolume", false},              // ml
    {"TympGradient", false},            // formula B
    // The usual clinical grades; mild-to-moderate (26 to 55) is not shown.
    {"SeverityOfLossConfig", std::int32_t{123}},
    {"SeverityOfLossLows", "-10,26,26,41,56,71,91"},
    {"SeverityOfLossHighs", "25,40,55,55,70,90,120"},
};

// The pure-tone average mask of these frequencies, in the bit order of the
// data objects' average.
std::int32_t AverageMask(std::initializer_list<std::int32_t> frequencies)
{
    std::int32_t mask = 0;
    for (const std::int32_t frequency : frequencies) {
        const auto& table = vellum::kAverageFrequencies;
        const auto found = std::ranges::find(table, frequency);
        if (found == table.end()) platform::runtime::raise(5, "No average bit stands for " + std::to_string(frequency) + " Hz");
        mask |= 1 << (found - table.begin());
    }
    return mask;
}

// Line styles of chart curves.
constexpr std::int16_t kSolid = 0;
constexpr std::int16_t kDash = 1;
constexpr std::int16_t kNoLine = 5;

struct Test {
    const char* key;
    const char* label;
    CurvePrefType kind;
    std::int32_t testType;
    std::int32_t condition;
    std::int32_t wordList;
    std::int16_t lineStyle;
    std::int16_t lineWidth;
};

// In collection order. Air-conduction, sound-field and speech curves are
// joined; bone-conduction, most-comfortable and uncomfortable-level points
// stand alone.
constexpr Test kTests[] = {
    {"1-1-1-", "AC", PrefType_PureTone, 1, 2, 0, kSolid, 2},
    {"1-2-1-", "BC", PrefType_PureTone, 2, 2, 0, kNoLine, 1},
    {"1-3-1-", "SF", PrefType_PureTone, 3, 2, 0, kSolid, 1},
    {"1-3-2-", "SF aided", PrefType_PureTone, 3, 3, 0, kDash, 1},
    {"2-1-1-", "MCL", PrefType_PureTone, 4, 2, 0, kNoLine, 1},
    {"2-3-1-", "MCL SF", PrefType_PureTone, 5, 2, 0, kNoLine, 1},
    {"3-1-1-", "UCL", PrefType_PureTone, 6, 2, 0, kNoLine, 1},
    {"1-1-10-1-", "WR", PrefType_Speech, 10, 2, 10, kSolid, 1},
    {"2-1-10-1-", "WR in noise", PrefType_Speech, 13, 2, 10, kSolid, 1},
    {"3-1-8-1-", "SRT", PrefType_Speech, 15, 2, 8, kSolid, 1},
    {"7-1-2-1-", "MCL", PrefType_Speech, 26, 2, 2, kNoLine, 1},
    {"8-1-2-1-", "UCL", PrefType_Speech, 28, 2, 2, kNoLine, 1},
    {"1-3-10-1-", "WR SF", PrefType_Speech, 12, 2, 10, kSolid, 1},
    {"1-3-10-2-", "WR SF aided", PrefType_Speech, 12, 3, 10, kDash, 1},
};

constexpr platform::gfx::ColorRef kRightColor = platform::gfx::rgb(255, 0, 0);
constexpr platform::gfx::ColorRef kLeftColor = platform::gfx::rgb(0, 0, 255);
constexpr platform::gfx::ColorRef kBinauralColor = platform::gfx::rgb(0, 0, 0);

void SetSymbols(CCurvePref& pref, const SymbolFields& fields, const SideSymbols& numbers)
{
    for (std::size_t i = 0; i < fields.size(); ++i) pref.*fields[i] = numbers[i];
}

void AddTest(CCurvePrefs& tests, const Test& test)
{
    const StandardSymbolSet* symbolSet = findStandardSymbolSet(test.key);
    if (!symbolSet) platform::runtime::raise(5, std::string("The test ") + test.key + " has no standard symbols");
    const TestSymbols symbols = expandSymbols(*symbolSet);

    CCurvePref& pref = *tests.Add(test.key);
    pref.Label = test.label;
    pref.PrefType = test.kind;
    pref.TestType = test.testType;
    pref.Condition = test.condition;
    pref.WordList = test.wordList;
    pref.RightColor = kRightColor;
    pref.LeftColor = kLeftColor;
    pref.BinauralColor = kBinauralColor;
    pref.RightLineStyle = pref.LeftLineStyle = pref.BinauralLineStyle = test.lineStyle;
    pref.RightLineWidth = pref.LeftLineWidth = pref.BinauralLineWidth = test.lineWidth;
    SetSymbols(pref, kRightSymbolFields, symbols.right);
    SetSymbols(pref, kLeftSymbolFields, symbols.left);
    SetSymbols(pref, kBinauralSymbolFields, symbols.binaural);
}

void Select(vellum::IVellumKeyedStore& store, std::int16_t category, std::int16_t section)
{
    store.put_Category(category);
    store.put_Section(section);
}

}  // namespace

void FillDefaultProfile(vellum::IVellumKeyedStore& store)
{
    Select(store, 0, 0);
    for (const Option& option : kProfile) store.put_Value(option.key, option.value);

    Select(store, CCurvePrefs::kCategory, 0);
    store.put_Value("GENRightOnLeft", true);
    store.put_Value("PTAvgTests", std::int32_t{3});  // air and bone conduction
    store.put_Value("PTAvg1", AverageMask({500, 1000, 2000}));
    store.put_Value("PTAvg2", std::int32_t{0});

    CCurvePrefs tests;
    for (const Test& test : kTests) AddTest(tests, test);
    tests.SaveToPreferences(store);
    Select(store, 0, 0);
}

}  // namespace brisance
