#include "RecordMessages.h"

#include "PelmSonvale/SonvaleTypes.h"

namespace pelmsonvale {

namespace {

// By point type or action type 1 to 6: measured result, cursor, delete point,
// delete curve, delete all curves, measurement complete. A measured result of
// a test block is sent by its point type instead (see kImpedanceResults).
constexpr RecordMessage kActions[] = {
    {WM_LINK_PLOTPOINT, true},      {WM_LINK_MOVECURSOR, true},      {WM_LINK_DELETEPOINT, true},
    {WM_LINK_DELETECURVE, true},    {WM_LINK_DELETEALLCURVES, false}, {WM_LINK_MEASUREMENTCOMPLETE, false},
};

// By impedance point type 1 to 3: tympanogram, reflex, decay.
constexpr RecordMessage kImpedanceResults[] = {
    {WM_LINK_IMPEDANCEPOINT, true}, {WM_LINK_REFLEXPOINT, true}, {WM_LINK_DECAYPOINT, true}};

template <std::size_t Size>
std::optional<RecordMessage> byNumber(const RecordMessage (&table)[Size], std::int32_t number)
{
    if (number < 1 || number > static_cast<std::int32_t>(Size))
        return std::nullopt;
    return table[number - 1];
}

}  // namespace

std::optional<RecordMessage> PointRecordMessage(const CPointInformation& information)
{
    return byNumber(kActions, information.PointType);
}

std::optional<RecordMessage> TestBlockMessage(const CPointInformation& information)
{
    if (information.ImpActionType == TImpActionType_MeasurementPoint)
        return byNumber(kImpedanceResults, information.ImpPointType);
    return byNumber(kActions, information.ImpActionType);
}

}  // namespace pelmsonvale
