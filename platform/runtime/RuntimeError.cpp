#include "platform/runtime/RuntimeError.h"

#include <algorithm>
#include <array>
#include <utility>

namespace platform::runtime {

namespace {

struct StandardText {
    std::int32_t number;
    const char* text;
};

constexpr std::array kStandardTexts{
    StandardText{3, "Return without GoSub"},
    StandardText{errors::InvalidProcedureCall, "Invalid procedure call or argument"},
    StandardText{errors::Overflow, "Overflow"},
    StandardText{errors::OutOfMemory, "Out of memory"},
    StandardText{errors::SubscriptOutOfRange, "Subscript out of range"},
    StandardText{10, "This array is fixed or temporarily locked"},
    StandardText{errors::DivisionByZero, "Division by zero"},
    StandardText{errors::TypeMismatch, "Type mismatch"},
    StandardText{14, "Out of string space"},
    StandardText{28, "Out of stack space"},
    StandardText{35, "Sub or Function not defined"},
    StandardText{48, "Error in loading DLL"},
    StandardText{51, "Internal error"},
    StandardText{errors::BadFileNameOrNumber, "Bad file name or number"},
    StandardText{errors::FileNotFound, "File not found"},
    StandardText{54, "Bad file mode"},
    StandardText{55, "File already open"},
    StandardText{57, "Device I/O error"},
    StandardText{58, "File already exists"},
    StandardText{errors::InvalidRecord, "Bad record length"},
    StandardText{61, "Disk full"},
    StandardText{errors::InputPastEndOfFile, "Input past end of file"},
    StandardText{63, "Bad record number"},
    StandardText{67, "Too many files"},
    StandardText{68, "Device unavailable"},
    StandardText{70, "Permission denied"},
    StandardText{71, "Disk not ready"},
    StandardText{75, "Path/File access error"},
    StandardText{76, "Path not found"},
    StandardText{errors::ObjectNotSet, "Object variable or With block variable not set"},
    StandardText{92, "For loop not initialized"},
    StandardText{93, "Invalid pattern string"},
    StandardText{errors::InvalidUseOfNull, "Invalid use of Null"},
    StandardText{errors::ControlArrayElementMissing, "Control array element doesn't exist"},
    StandardText{429, "ActiveX component can't create object"},
    StandardText{errors::ObjectRequired, "Object required"},
    StandardText{errors::MethodNotSupported, "Object doesn't support this property or method"},
    StandardText{440, "Automation error"},
    StandardText{445, "Object doesn't support this action"},
    StandardText{448, "Named argument not found"},
    StandardText{449, "Argument not optional"},
    StandardText{450, "Wrong number of arguments or invalid property assignment"},
    StandardText{451, "Property let procedure not defined and property get procedure did not return an object"},
    StandardText{errors::DuplicateKey, "This key is already associated with an element of this collection"},
    StandardText{errors::UnsupportedVariantType, "Variable uses an Automation type not supported"},
};

}  // namespace

std::string standardErrorText(std::int32_t number)
{
    const auto found = std::find_if(kStandardTexts.begin(), kStandardTexts.end(),
                                    [number](const StandardText& entry) { return entry.number == number; });
    return found != kStandardTexts.end() ? found->text : "Application-defined or object-defined error";
}

RuntimeError::RuntimeError(std::int32_t number, std::string description, std::string source)
    : std::runtime_error(description.empty() ? standardErrorText(number) : description),
      m_number(number),
      m_description(description.empty() ? standardErrorText(number) : std::move(description)),
      m_source(std::move(source))
{
}

void raise(std::int32_t number, std::string description, std::string source)
{
    throw RuntimeError(number, std::move(description), std::move(source));
}

}  // namespace platform::runtime
