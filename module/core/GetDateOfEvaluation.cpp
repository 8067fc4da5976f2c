#include "module/core/GetDateOfEvaluation.h"

#include "platform/runtime/Dates.h"
#include "platform/runtime/RuntimeError.h"

namespace brisance {

namespace {

constexpr const char* kDateOfEvalKey = "DateOfEval";

}  // namespace

std::optional<platform::runtime::Date> GetDateOfEvaluation(vellum::IVellumKeyedStore& oNotes)
{
    using namespace platform::runtime;
    oNotes.put_Category(0);
    oNotes.put_Section(0);
    const Variant stored = oNotes.get_Value(kDateOfEvalKey);
    if (stored.isNull()) {
        const Date day = today();
        SetDateOfEvaluation(oNotes, day);
        return day;
    }
    try {
        return stored.toDate();
    } catch (const RuntimeError&) {
        return std::nullopt;  // not a date in any form this module reads
    }
}

void SetDateOfEvaluation(vellum::IVellumKeyedStore& oNotes, platform::runtime::Date day)
{
    oNotes.put_Category(0);
    oNotes.put_Section(0);
    oNotes.put_Value(kDateOfEvalKey, platform::runtime::isoDateText(day));
}

}  // namespace brisance
