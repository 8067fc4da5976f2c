#include "module/panels/EntryNumbers.h"

#include "platform/runtime/Conversions.h"
#include "platform/runtime/RuntimeError.h"

namespace brisance {

namespace runtime = platform::runtime;

bool isNumberText(std::string_view text)
{
    try {
        return runtime::parseNumber(text).has_value();
    } catch (const runtime::RuntimeError& error) {
        // Only a number can be too large.
        if (error.number() != runtime::errors::Overflow)
            throw;
        return true;
    }
}

std::optional<double> numberValue(std::string_view text)
{
    try {
        return runtime::parseNumber(text);
    } catch (const runtime::RuntimeError& error) {
        if (error.number() != runtime::errors::Overflow)
            throw;
        return std::nullopt;
    }
}

std::optional<std::int32_t> leadingWholeNumber(std::string_view text)
{
    try {
        return runtime::CLng(runtime::Val(text));
    } catch (const runtime::RuntimeError& error) {
        if (error.number() != runtime::errors::Overflow)
            throw;
        return std::nullopt;
    }
}

}  // namespace brisance
