#include "module/core/TextResources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

namespace brisance {
namespace {

TEST(TextResources, EveryRunStartsAndEndsAtItsId)
{
    struct Run {
        TextResources first;
        std::int32_t firstId;
        TextResources last;
        std::int32_t lastId;
    };
    const Run runs[] = {
        {TR_PURETONE, 1, TR_REDO_IMPEDANCE_POINT, 85},
        {TR_SONVALE_ALREADY_EXISTS, 90, TR_SONVALE_REPLACE, 91},
        {TR_NR, 100, TR_CNT, 103},
        {TR_RESET_TO_ORVEL, 150, TR_RESET_TO_ORVEL_SURE2, 152},
        {TR_RESTART, 160, TR_RESTART, 160},
        {TR_MISSING_SYMBOL, 170, TR_MISSING_SYMBOL, 170},
        {TR_NEW_AUDIOGRAM, 200, TR_TEST_CONDITIONS, 203},
        {TR_AUDIOMETERS, 1000, TR_CONFIRM_DELETE, 1011},
        {TR_GEN_OPTIONS, 2000, TR_LINE_COLOR, 2027},
        {TR_ADD, 3000, TR_CURRENT_TEST_PALETTE, 3008},
        {TR_STIMULUS, 4000, TR_STIM, 4003},
        {TR_NOTES_PREFERENCES, 5000, TR_MAKE_MODEL_SERIAL, 5002},
        {TR_TEST_METHOD, 5004, TR_ENTER_NEW_NAME_FOR_FIELD, 5010},
        {TR_MAKEMODEL, 5012, TR_MAKEMODEL, 5012},
        {TR_GRAPH_OPTIONS, 6000, TR_CONFIGURE_SEVERITY, 6030},
        {TR_TEMPLATE_A, 6100, TR_TEMPLATE_D, 6103},
        {TR_TEST_PROPERTIES, 7000, TR_NUMBER_OF_WORDS, 7004},
        {TR_TEST_DATA_TABLE_OPTIONS, 8000, TR_PCT_SCORE, 8002},
        {TR_NOISE, 8005, TR_NOISE, 8005},
        {TR_PROFILE_OPTIONS, 9000, TR_GRAPH_LAYOUT, 9001},
        {TR_NOTES, 9004, TR_SPEECH_TABLE_MODE, 9010},
        {TR_SHOW_TEST_DATA_TABLE, 9012, TR_SHOW_SPEECH_NOTES, 9013},
        {TR_TEST_DATA_OPTIONS, 9015, TR_SHOW_CONTRALATERAL_ACOUSTIC_REFLEXES_PANEL, 9019},
        {TR_CUSTOMIZE_THE_APPEARANCE_OF_THE_IMPEDANCE_NOTES_PA, 9021, TR_CUSTOMIZE_THE_APPEARANCE_OF_THE_SPEECH_NOTES_PANEL, 9030},
        {TR_CONFIGURE_SEVERITY_OF_LOSS, 10000, TR_PROFOUND_LOSS, 10010},
        {TR_LOCALE_PROFILE_MISSING, 11000, TR_LOCALE_PROFILE_MISSING, 11000},
        {TR_THRESHOLD, 12000, TR_UNAIDED, 12024},
        {TR_AIDED_SOLUTION, 12026, TR_PROBE, 12033},
        {TR_TYPE, 13000, TR_PROBE_TONE_FREQUENCY, 13006},
        {TR_AUDIOGRAM, 14000, TR_PAGE_SETUP, 14004},
        {TR_PRINT, 14006, TR_AUDIOGRAM_FROM, 14039},
        {TR_ACOUSTIC_REFLEX_OPTIONS, 15000, TR_RECORD_DECAY_AT, 15004},
        {TR_REPORT_COMMENTS, 16000, TR_ENTER_COMMENTS, 16001},
        {TR_SPEECH_GRAPH_OPTIONS, 17000, TR_0_DB_TO_130_DB, 17008},
        {TR_TYMPANOGRAM_OPTIONS, 18000, TR_FORMULA_B, 18008},
        {TR_AVAILABLE_PROFILES, 19000, TR_IMPORT_FROM_FILE, 19010},
        {TR_READ_ONLY_MODE, 20000, TR_CONTINUE_TO_VIEW_THIS_ACTION_IN_READONLY_MODE, 20004},
        {TR_SPEECH_TEST_TABLES, 21000, TR_DB_LEVEL, 21004},
        {TR_AUDIOGRAM_PROPERTIES, 22000, TR_DESCRIPTION, 22004},
        {TR_HEARING_EVALUATION, 23000, TR_EAR_CANAL, 23020},
        {TR_RESERVED_DO_NOT_TRANSLATE1, 24000, TR_HUNGARIAN, 24017},
        {TR_INSTRUMENT_NOT_STARTED, 30000, TR_NO_SUCH_ACTION, 30005},
    };
    for (const auto& run : runs) {
        EXPECT_EQ(run.first, run.firstId);
        EXPECT_EQ(run.last, run.lastId);
    }
}

TEST(TextResources, HoldsTheDesigns415IdsOnceInAscendingOrderBeforeTheModulesOwn)
{
    const auto own = std::ranges::find(kTextResourceNames, TR_INSTRUMENT_NOT_STARTED, &TextResourceName::id);
    EXPECT_EQ(own - std::begin(kTextResourceNames), 415);
    // Strictly ascending: no id twice, none out of place.
    EXPECT_EQ(std::ranges::adjacent_find(kTextResourceNames, std::ranges::greater_equal{}, &TextResourceName::id),
              std::end(kTextResourceNames));
    EXPECT_EQ(kTextResourceNames[0].name, "TR_PURETONE");
    EXPECT_EQ(kTextResourceNames[414].name, "TR_HUNGARIAN");
}

}  // namespace
}  // namespace brisance
