#include "driver/ParseResult.h"

#include <algorithm>

namespace marlet {

bool isTestFrequency(std::int32_t frequency)
{
    return std::ranges::find(kTestFrequencies, frequency) != kTestFrequencies.end();
}

std::int32_t airCurve(AcCurve curve, bool rightEar)
{
    switch (curve) {
    case AcCurve::Htl: return onEar(CurveAirLeft, rightEar);
    case AcCurve::Mcl: return onEar(CurveMostComfortableLeft, rightEar);
    case AcCurve::Ucl: break;
    }
    return onEar(CurveUncomfortableLeft, rightEar);
}

ParseResult protocolError(int code)
{
    ParseResult result;
    result.error = code;
    return result;
}

ParseResult noRecord()
{
    ParseResult result;
    result.errorTable = ErrorTable::Serial;
    result.error = 1;
    return result;
}

}  // namespace marlet
