#pragma once
// The language runtime's Variant: one value of any of the runtime's types, with
// the runtime's conversions and errors. A variant may hold an array of one
// element type, of one or more dimensions, each with its own lower bound.
//
// Conversions raise RuntimeError as the runtime does: 13 (type mismatch) when
// the value cannot become the type, 6 (overflow) when it is out of the type's
// range, 94 (invalid use of Null) for Null.

#include "platform/com/ComPtr.h"
#include "platform/com/IUnknown.h"

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace platform::runtime {

// The runtime's type codes (VarType). An array's code is its element type with
// kArrayFlag added; Variant as an element type means "each element is a variant".
enum class VarType : std::uint16_t {
    Empty = 0,
    Null = 1,
    Integer = 2,   // 16-bit signed
    Long = 3,      // 32-bit signed
    Single = 4,
    Double = 5,
    Currency = 6,  // 64-bit fixed point, four decimals
    Date = 7,      // days since 1899-12-30, time as the fraction
    String = 8,
    Object = 9,    // a component reference, possibly Nothing
    Error = 10,    // an error value (CVErr)
    Boolean = 11,
    Variant = 12,  // element type of a variant array only
    Byte = 17,
};
inline constexpr std::uint16_t kArrayFlag = 0x2000;

// A Currency value: the amount times 10000.
struct Currency {
    static constexpr std::int64_t scale = 10000;
    std::int64_t scaled = 0;
    double toDouble() const { return static_cast<double>(scaled) / scale; }
    friend bool operator==(const Currency&, const Currency&) = default;
};

// A Date value: days since 1899-12-30 00:00, the time of day as the fraction
// (negative days count back, the fraction still adds forward in time).
struct Date {
    double days = 0;
    friend bool operator==(const Date&, const Date&) = default;
};

// An error value, as CVErr makes it.
struct ErrorValue {
    std::int32_t code = 0;
    friend bool operator==(const ErrorValue&, const ErrorValue&) = default;
};

class Variant;

// One dimension of an array: its number of elements and its lower bound.
struct ArrayBound {
    std::int32_t count = 0;
    std::int32_t lowerBound = 0;
    std::int32_t upperBound() const { return lowerBound + count - 1; }
    friend bool operator==(const ArrayBound&, const ArrayBound&) = default;
};

// The array inside a variant. Elements always hold values of the element type
// (any type for a Variant array); they are kept with the first index running
// fastest, the runtime's own order.
class VariantArray {
public:
    static constexpr std::size_t maxDimensions = 60;

    // Every element starts as the element type's zero value (Empty for a Variant
    // array, "" for strings). Raises 5 for an element type that cannot form an
    // array (Empty, Null), 9 for a negative count or too many dimensions, 7
    // when the element count is too large.
    VariantArray(VarType elementType, std::vector<ArrayBound> bounds);
    // With the given elements (first index fastest), converted to the element
    // type; raises 9 when their number is not the size of the bounds.
    VariantArray(VarType elementType, std::vector<ArrayBound> bounds, std::vector<Variant> elements);
    VariantArray(const VariantArray&);
    VariantArray(VariantArray&&) noexcept;
    VariantArray& operator=(const VariantArray&);
    VariantArray& operator=(VariantArray&&) noexcept;
    ~VariantArray();

    VarType elementType() const { return m_elementType; }
    const std::vector<ArrayBound>& bounds() const { return m_bounds; }
    std::int32_t dimensions() const { return static_cast<std::int32_t>(m_bounds.size()); }
    // LBound and UBound of a 1-based dimension; 9 when there is no such dimension.
    std::int32_t lowerBound(std::int32_t dimension = 1) const;
    std::int32_t upperBound(std::int32_t dimension = 1) const;
    std::size_t size() const;

    // The element at one index per dimension; 9 (subscript out of range) when
    // the number of indexes or an index does not fit.
    const Variant& at(std::span<const std::int32_t> indexes) const;
    const Variant& at(std::initializer_list<std::int32_t> indexes) const;
    // Stores value converted to the element type (13, 6 as the conversion raises).
    void set(std::span<const std::int32_t> indexes, const Variant& value);
    void set(std::initializer_list<std::int32_t> indexes, const Variant& value);

    const std::vector<Variant>& elements() const { return m_elements; }

    friend bool operator==(const VariantArray&, const VariantArray&);

private:
    // The number of elements of such an array, raising as the constructor says.
    static std::size_t checkedSize(VarType elementType, const std::vector<ArrayBound>& bounds);
    std::size_t offsetOf(std::span<const std::int32_t> indexes) const;

    VarType m_elementType;
    std::vector<ArrayBound> m_bounds;
    std::vector<Variant> m_elements;
};

class Variant {
public:
    using Object = com::ComPtr<com::IUnknown>;

    Variant() = default;  // Empty
    static Variant null();
    Variant(std::int16_t value) : m_value(value) {}
    Variant(std::int32_t value) : m_value(value) {}
    Variant(float value) : m_value(value) {}
    Variant(double value) : m_value(value) {}
    Variant(Currency value) : m_value(value) {}
    Variant(Date value) : m_value(value) {}
    Variant(std::string value) : m_value(std::move(value)) {}
    Variant(const char* value) : m_value(std::string(value)) {}
    Variant(Object value) : m_value(std::move(value)) {}
    template <class T>
    Variant(const com::ComPtr<T>& value) : m_value(Object(value))
    {
    }
    Variant(ErrorValue value) : m_value(value) {}
    Variant(bool value) : m_value(value) {}
    Variant(std::uint8_t value) : m_value(value) {}
    Variant(VariantArray value) : m_value(std::move(value)) {}
    // No pointer may become a Boolean by accident.
    template <class T>
    Variant(T*) = delete;
    // A one-dimensional Byte array with lower bound 0.
    static Variant fromBytes(std::span<const std::uint8_t> bytes);

    // The type of the value; for an array, the type of its elements.
    VarType type() const;
    bool isArray() const { return std::holds_alternative<VariantArray>(m_value); }
    // The runtime's VarType(): the type code with kArrayFlag for an array.
    std::uint16_t varType() const;
    bool isEmpty() const { return type() == VarType::Empty; }
    bool isNull() const { return type() == VarType::Null; }

    // The value exactly as held, or nullptr when the variant holds another type:
    // get<std::int16_t>() for Integer, get<std::string>() for String, ...
    template <class T>
    const T* get() const
    {
        return std::get_if<T>(&m_value);
    }
    VariantArray* array() { return std::get_if<VariantArray>(&m_value); }
    const VariantArray* array() const { return std::get_if<VariantArray>(&m_value); }

    // The runtime's conversions: CInt, CLng, CSng, CDbl, CCur, CDate, CStr,
    // CBool, CByte. Integers round half to even. Strings convert as numbers,
    // as "True"/"False" to Boolean and as date texts to Date.
    std::int16_t toInteger() const;
    std::int32_t toLong() const;
    float toSingle() const;
    double toDouble() const;
    Currency toCurrency() const;
    Date toDate() const;
    std::string toString() const;
    bool toBoolean() const;
    std::uint8_t toByte() const;
    // The object reference (possibly Nothing); 424 (object required) otherwise.
    Object toObject() const;
    // The bytes of a one-dimensional Byte array; 13 for anything else.
    std::vector<std::uint8_t> toBytes() const;

    // This value as a variant of the given (non-array) type: the conversion
    // above for that type; Variant keeps the value as it is.
    Variant convertedTo(VarType type) const;

    // Same type and same value (an exact comparison, not the runtime's
    // comparison operators: Integer 1 and Long 1 differ).
    friend bool operator==(const Variant&, const Variant&) = default;

private:
    struct NullTag {
        friend bool operator==(const NullTag&, const NullTag&) = default;
    };

    // Order follows nothing in particular; type() maps each to its VarType.
    std::variant<std::monostate, NullTag, std::int16_t, std::int32_t, float, double, Currency, Date, std::string,
                 Object, ErrorValue, bool, std::uint8_t, VariantArray>
        m_value;
};

}  // namespace platform::runtime
