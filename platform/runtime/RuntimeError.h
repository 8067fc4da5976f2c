#pragma once
// The one exception type for a raised error: the error number, its description
// and the source that raised it, as the language runtime's error object has them.
// Every component that "raises an error" throws this; an error handler catches it.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace platform::runtime {

// The runtime's own error numbers that callers test for.
namespace errors {
inline constexpr std::int32_t InvalidProcedureCall = 5;
inline constexpr std::int32_t Overflow = 6;
inline constexpr std::int32_t OutOfMemory = 7;
inline constexpr std::int32_t SubscriptOutOfRange = 9;
inline constexpr std::int32_t DivisionByZero = 11;
inline constexpr std::int32_t TypeMismatch = 13;
inline constexpr std::int32_t BadFileNameOrNumber = 52;
inline constexpr std::int32_t FileNotFound = 53;
inline constexpr std::int32_t InvalidRecord = 59;  // "Bad record length"
inline constexpr std::int32_t InputPastEndOfFile = 62;
inline constexpr std::int32_t ObjectNotSet = 91;
inline constexpr std::int32_t InvalidUseOfNull = 94;
inline constexpr std::int32_t ControlArrayElementMissing = 340;
inline constexpr std::int32_t ObjectRequired = 424;
inline constexpr std::int32_t MethodNotSupported = 438;
inline constexpr std::int32_t DuplicateKey = 457;
inline constexpr std::int32_t UnsupportedVariantType = 458;
}  // namespace errors

class RuntimeError : public std::runtime_error {
public:
    // An empty description takes the runtime's standard text for the number
    // ("Type mismatch" for 13), or "Application-defined or object-defined error".
    explicit RuntimeError(std::int32_t number, std::string description = {}, std::string source = {});

    std::int32_t number() const { return m_number; }
    const std::string& description() const { return m_description; }
    const std::string& source() const { return m_source; }

private:
    std::int32_t m_number;
    std::string m_description;
    std::string m_source;
};

// The runtime's standard text for an error number.
std::string standardErrorText(std::int32_t number);

// Throws RuntimeError(number, description, source).
[[noreturn]] void raise(std::int32_t number, std::string description = {}, std::string source = {});

}  // namespace platform::runtime
