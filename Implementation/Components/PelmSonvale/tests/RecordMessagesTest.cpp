#include "RecordMessages.h"

#include "PelmSonvale/SonvaleTypes.h"

#include <gtest/gtest.h>

namespace {

using namespace pelmsonvale;

struct MessageCase {
    std::int32_t type;
    MessageId message;  // 0: none
    bool carriesRecord;
};

void expectMessage(const std::optional<RecordMessage>& actual, const MessageCase& c)
{
    if (c.message == 0) {
        EXPECT_FALSE(actual) << c.type;
        return;
    }
    ASSERT_TRUE(actual) << c.type;
    EXPECT_EQ(actual->message, c.message) << c.type;
    EXPECT_EQ(actual->carriesRecord, c.carriesRecord) << c.type;
}

TEST(RecordMessages, PointRecordsGoByTheirPointType)
{
    const MessageCase cases[] = {
        {0, 0, false},
        {TAudiPointType_MeasurementPoint, WM_LINK_PLOTPOINT, true},
        {TAudiPointType_CursorPoint, WM_LINK_MOVECURSOR, true},
        {TAudiPointType_DeletePoint, WM_LINK_DELETEPOINT, true},
        {TAudiPointType_DeleteCurve, WM_LINK_DELETECURVE, true},
        {TAudiPointType_DeleteAllCurves, WM_LINK_DELETEALLCURVES, false},
        {TAudiPointType_MeasurementComplete, WM_LINK_MEASUREMENTCOMPLETE, false},
        {7, 0, false},
    };
    for (const MessageCase& c : cases) {
        CPointInformation information;
        information.PointType = c.type;
        expectMessage(PointRecordMessage(information), c);
    }
}

TEST(RecordMessages, TestBlockResultsGoByTheirPointTypeAndCommandsByTheirAction)
{
    struct BlockCase {
        std::int32_t impPointType;
        MessageCase action;
    };
    const BlockCase cases[] = {
        {TImpPointType_TYMP, {TImpActionType_MeasurementPoint, WM_LINK_IMPEDANCEPOINT, true}},
        {TImpPointType_Reflex, {TImpActionType_MeasurementPoint, WM_LINK_REFLEXPOINT, true}},
        {TImpPointType_Decay, {TImpActionType_MeasurementPoint, WM_LINK_DECAYPOINT, true}},
        {TImpPointType_UNKNOWN, {TImpActionType_MeasurementPoint, 0, false}},
        {TImpPointType_Reflex, {TImpActionType_CursorPoint, WM_LINK_MOVECURSOR, true}},
        {TImpPointType_Decay, {TImpActionType_DeletePoint, WM_LINK_DELETEPOINT, true}},
        {TImpPointType_TYMP, {TImpActionType_DeleteCurve, WM_LINK_DELETECURVE, true}},
        {TImpPointType_TYMP, {TImpActionType_DeleteAllCurves, WM_LINK_DELETEALLCURVES, false}},
        {TImpPointType_Reflex, {TImpActionType_MeasurementComplete, WM_LINK_MEASUREMENTCOMPLETE, false}},
        {TImpPointType_Reflex, {TImpActionType_None, 0, false}},
        {TImpPointType_Reflex, {7, 0, false}},
    };
    for (const BlockCase& c : cases) {
        CPointInformation information;
        information.ImpPointType = c.impPointType;
        information.ImpActionType = c.action.type;
        expectMessage(TestBlockMessage(information), c.action);
    }
}

}  // namespace
