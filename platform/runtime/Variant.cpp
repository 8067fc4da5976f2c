#include "platform/runtime/Variant.h"

#include "platform/runtime/Conversions.h"
#include "platform/runtime/Dates.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/StringCompare.h"

#include <array>
#include <cfloat>
#include <cmath>
#include <limits>

namespace platform::runtime {

namespace {

// Arrays larger than this are refused as out of memory rather than attempted.
constexpr std::size_t kMaxArrayElements = std::size_t{1} << 28;

[[noreturn]] void typeMismatch() { raise(errors::TypeMismatch); }
[[noreturn]] void overflow() { raise(errors::Overflow); }

bool canFormArray(VarType type)
{
    switch (type) {
    case VarType::Integer:
    case VarType::Long:
    case VarType::Single:
    case VarType::Double:
    case VarType::Currency:
    case VarType::Date:
    case VarType::String:
    case VarType::Object:
    case VarType::Error:
    case VarType::Boolean:
    case VarType::Variant:
    case VarType::Byte:
        return true;
    case VarType::Empty:
    case VarType::Null:
        break;
    }
    return false;
}

// The value a new array element of the type starts with.
Variant zeroValue(VarType type)
{
    switch (type) {
    case VarType::Object:
        return Variant(Variant::Object());
    case VarType::Error:
        return Variant(ErrorValue{});
    case VarType::String:
        return Variant(std::string());
    case VarType::Variant:
    case VarType::Empty:
    case VarType::Null:
        return Variant();
    default:
        return Variant(std::int16_t{0}).convertedTo(type);
    }
}

// The value as a number, for the numeric conversions.
double numericValue(const Variant& value)
{
    if (value.isArray()) typeMismatch();
    switch (value.type()) {
    case VarType::Empty:
        return 0;
    case VarType::Null:
        raise(errors::InvalidUseOfNull);
    case VarType::Integer:
        return *value.get<std::int16_t>();
    case VarType::Long:
        return *value.get<std::int32_t>();
    case VarType::Single:
        return *value.get<float>();
    case VarType::Double:
        return *value.get<double>();
    case VarType::Currency:
        return value.get<Currency>()->toDouble();
    case VarType::Date:
        return value.get<Date>()->days;
    case VarType::Boolean:
        return *value.get<bool>() ? -1 : 0;
    case VarType::Byte:
        return *value.get<std::uint8_t>();
    case VarType::String:
        if (const auto number = parseNumber(*value.get<std::string>())) return *number;
        break;
    case VarType::Object:
    case VarType::Error:
    case VarType::Variant:
        break;
    }
    typeMismatch();
}

std::string currencyText(Currency value)
{
    const bool negative = value.scaled < 0;
    // Work on the magnitude as unsigned so that the most negative value fits.
    const std::uint64_t magnitude =
        negative ? std::uint64_t{0} - static_cast<std::uint64_t>(value.scaled) : static_cast<std::uint64_t>(value.scaled);
    std::string text = std::to_string(magnitude / Currency::scale);
    std::string fraction = std::to_string(magnitude % Currency::scale + Currency::scale).substr(1);
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    if (!fraction.empty()) text += "." + fraction;
    return negative ? "-" + text : text;
}

}  // namespace

// ---- VariantArray ----

std::size_t VariantArray::checkedSize(VarType elementType, const std::vector<ArrayBound>& bounds)
{
    if (!canFormArray(elementType)) raise(errors::InvalidProcedureCall, "Arrays cannot hold this type");
    if (bounds.empty() || bounds.size() > maxDimensions) raise(errors::SubscriptOutOfRange);
    std::size_t total = 1;
    for (const ArrayBound& bound : bounds) {
        if (bound.count < 0) raise(errors::SubscriptOutOfRange);
        if (static_cast<std::int64_t>(bound.lowerBound) + bound.count - 1 > std::numeric_limits<std::int32_t>::max())
            raise(errors::SubscriptOutOfRange);
        if (bound.count != 0 && total > kMaxArrayElements / static_cast<std::size_t>(bound.count))
            raise(errors::OutOfMemory);
        total *= static_cast<std::size_t>(bound.count);
    }
    return total;
}

VariantArray::VariantArray(VarType elementType, std::vector<ArrayBound> bounds)
    : m_elementType(elementType), m_bounds(std::move(bounds))
{
    m_elements.assign(checkedSize(m_elementType, m_bounds), zeroValue(m_elementType));
}

VariantArray::VariantArray(VarType elementType, std::vector<ArrayBound> bounds, std::vector<Variant> elements)
    : m_elementType(elementType), m_bounds(std::move(bounds)), m_elements(std::move(elements))
{
    if (m_elements.size() != checkedSize(m_elementType, m_bounds)) raise(errors::SubscriptOutOfRange);
    if (m_elementType == VarType::Variant) return;
    for (Variant& element : m_elements) {
        if (element.isArray() || element.type() != m_elementType) element = element.convertedTo(m_elementType);
    }
}

VariantArray::VariantArray(const VariantArray&) = default;
VariantArray::VariantArray(VariantArray&&) noexcept = default;
VariantArray& VariantArray::operator=(const VariantArray&) = default;
VariantArray& VariantArray::operator=(VariantArray&&) noexcept = default;
VariantArray::~VariantArray() = default;

// Out of line: the elements' type is still incomplete inside the class.
std::size_t VariantArray::size() const
{
    return m_elements.size();
}

std::int32_t VariantArray::lowerBound(std::int32_t dimension) const
{
    if (dimension < 1 || dimension > dimensions()) raise(errors::SubscriptOutOfRange);
    return m_bounds[static_cast<std::size_t>(dimension - 1)].lowerBound;
}

std::int32_t VariantArray::upperBound(std::int32_t dimension) const
{
    if (dimension < 1 || dimension > dimensions()) raise(errors::SubscriptOutOfRange);
    return m_bounds[static_cast<std::size_t>(dimension - 1)].upperBound();
}

std::size_t VariantArray::offsetOf(std::span<const std::int32_t> indexes) const
{
    if (indexes.size() != m_bounds.size()) raise(errors::SubscriptOutOfRange);
    std::size_t offset = 0;
    std::size_t stride = 1;
    for (std::size_t d = 0; d < m_bounds.size(); ++d) {
        const ArrayBound& bound = m_bounds[d];
        const std::int64_t position = static_cast<std::int64_t>(indexes[d]) - bound.lowerBound;
        if (position < 0 || position >= bound.count) raise(errors::SubscriptOutOfRange);
        offset += static_cast<std::size_t>(position) * stride;
        stride *= static_cast<std::size_t>(bound.count);
    }
    return offset;
}

const Variant& VariantArray::at(std::span<const std::int32_t> indexes) const { return m_elements[offsetOf(indexes)]; }

const Variant& VariantArray::at(std::initializer_list<std::int32_t> indexes) const
{
    return at(std::span<const std::int32_t>(indexes.begin(), indexes.size()));
}

void VariantArray::set(std::span<const std::int32_t> indexes, const Variant& value)
{
    m_elements[offsetOf(indexes)] = value.convertedTo(m_elementType);
}

void VariantArray::set(std::initializer_list<std::int32_t> indexes, const Variant& value)
{
    set(std::span<const std::int32_t>(indexes.begin(), indexes.size()), value);
}

bool operator==(const VariantArray& a, const VariantArray& b)
{
    return a.m_elementType == b.m_elementType && a.m_bounds == b.m_bounds && a.m_elements == b.m_elements;
}

// ---- Variant ----

Variant Variant::null()
{
    Variant result;
    result.m_value = NullTag{};
    return result;
}

Variant Variant::fromBytes(std::span<const std::uint8_t> bytes)
{
    VariantArray array(VarType::Byte, {ArrayBound{static_cast<std::int32_t>(bytes.size()), 0}});
    for (std::size_t i = 0; i < bytes.size(); ++i) array.set({static_cast<std::int32_t>(i)}, Variant(bytes[i]));
    return Variant(std::move(array));
}

VarType Variant::type() const
{
    // In the order of m_value's alternatives; an array answers its element type.
    static constexpr std::array kTypes{VarType::Empty,  VarType::Null,     VarType::Integer, VarType::Long,
                                       VarType::Single, VarType::Double,   VarType::Currency, VarType::Date,
                                       VarType::String, VarType::Object,   VarType::Error,  VarType::Boolean,
                                       VarType::Byte,   VarType::Variant};
    static_assert(kTypes.size() == std::variant_size_v<decltype(m_value)>);
    if (const VariantArray* elements = array()) return elements->elementType();
    return kTypes[m_value.index()];
}

std::uint16_t Variant::varType() const
{
    const auto code = static_cast<std::uint16_t>(type());
    return isArray() ? static_cast<std::uint16_t>(code | kArrayFlag) : code;
}

std::int16_t Variant::toInteger() const
{
    if (const auto* value = get<std::int16_t>()) return *value;
    return CInt(numericValue(*this));
}

std::int32_t Variant::toLong() const
{
    if (const auto* value = get<std::int32_t>()) return *value;
    return CLng(numericValue(*this));
}

float Variant::toSingle() const
{
    if (const auto* value = get<float>()) return *value;
    const double number = numericValue(*this);
    if (std::fabs(number) > FLT_MAX) overflow();
    return static_cast<float>(number);
}

double Variant::toDouble() const { return numericValue(*this); }

Currency Variant::toCurrency() const
{
    if (const auto* value = get<Currency>()) return *value;
    if (const auto* value = get<std::int32_t>()) return Currency{std::int64_t{*value} * Currency::scale};
    const double scaled = roundHalfEven(numericValue(*this) * Currency::scale);
    // 2^63 is the first value that does not fit; it is exact as a double.
    constexpr double limit = 9223372036854775808.0;
    if (!(scaled < limit && scaled >= -limit)) overflow();
    return Currency{static_cast<std::int64_t>(scaled)};
}

Date Variant::toDate() const
{
    if (const auto* value = get<Date>()) return *value;
    if (const auto* text = get<std::string>()) {
        if (const auto date = parseDate(*text)) return *date;
        typeMismatch();
    }
    const double days = numericValue(*this);
    const double day = std::trunc(days);
    if (!(day >= kMinDate && day <= kMaxDate)) overflow();
    return Date{days};
}

std::string Variant::toString() const
{
    if (isArray()) typeMismatch();
    switch (type()) {
    case VarType::Empty:
        return {};
    case VarType::Null:
        raise(errors::InvalidUseOfNull);
    case VarType::Integer:
        return std::to_string(*get<std::int16_t>());
    case VarType::Long:
        return std::to_string(*get<std::int32_t>());
    case VarType::Byte:
        return std::to_string(*get<std::uint8_t>());
    case VarType::Single:
        return numberText(*get<float>(), 7);
    case VarType::Double:
        return numberText(*get<double>(), 15);
    case VarType::Currency:
        return currencyText(*get<Currency>());
    case VarType::Date:
        return dateText(*get<Date>());
    case VarType::String:
        return *get<std::string>();
    case VarType::Error:
        return "Error " + std::to_string(get<ErrorValue>()->code);
    case VarType::Boolean:
        return *get<bool>() ? "True" : "False";
    case VarType::Object:
    case VarType::Variant:
        break;
    }
    typeMismatch();
}

bool Variant::toBoolean() const
{
    if (const auto* value = get<bool>()) return *value;
    if (const auto* text = get<std::string>()) {
        if (equalsIgnoreCase(*text, "True")) return true;
        if (equalsIgnoreCase(*text, "False")) return false;
    }
    return numericValue(*this) != 0;
}

std::uint8_t Variant::toByte() const
{
    if (const auto* value = get<std::uint8_t>()) return *value;
    const double rounded = roundHalfEven(numericValue(*this));
    if (!(rounded >= 0 && rounded <= 255)) overflow();
    return static_cast<std::uint8_t>(rounded);
}

Variant::Object Variant::toObject() const
{
    if (const auto* value = get<Object>()) return *value;
    raise(errors::ObjectRequired);
}

std::vector<std::uint8_t> Variant::toBytes() const
{
    const VariantArray* elements = array();
    if (!elements || elements->elementType() != VarType::Byte || elements->dimensions() != 1) typeMismatch();
    std::vector<std::uint8_t> bytes;
    bytes.reserve(elements->size());
    for (const Variant& element : elements->elements()) bytes.push_back(*element.get<std::uint8_t>());
    return bytes;
}

Variant Variant::convertedTo(VarType target) const
{
    switch (target) {
    case VarType::Variant:
        return *this;
    case VarType::Empty:
        if (isEmpty()) return *this;
        break;
    case VarType::Null:
        if (isNull()) return *this;
        break;
    case VarType::Integer:
        return toInteger();
    case VarType::Long:
        return toLong();
    case VarType::Single:
        return toSingle();
    case VarType::Double:
        return toDouble();
    case VarType::Currency:
        return toCurrency();
    case VarType::Date:
        return toDate();
    case VarType::String:
        return toString();
    case VarType::Object:
        return toObject();
    case VarType::Error:
        if (get<ErrorValue>()) return *this;
        break;
    case VarType::Boolean:
        return toBoolean();
    case VarType::Byte:
        return toByte();
    }
    typeMismatch();
}

}  // namespace platform::runtime
