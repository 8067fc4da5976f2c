#include "platform/runtime/VariantRecord.h"

#include "platform/runtime/RuntimeError.h"

#include <algorithm>
#include <bit>
#include <limits>
#include <string>

namespace platform::runtime {

namespace {

constexpr std::size_t kMaxStringLength = 0xFFFF;
// Variant arrays may hold arrays; deeper nesting than this is taken as damage.
constexpr int kMaxNesting = 32;

// How a type stands in a record. Objects have no form; unknown codes neither.
struct TypeForm {
    VarType type;
    std::size_t elementSize;  // the fewest bytes one array element of the type takes
    bool scalar;              // may stand alone
    bool element;             // may be an array's element type
};

constexpr TypeForm kForms[] = {
    {VarType::Empty, 0, true, false},    {VarType::Null, 0, true, false},     {VarType::Integer, 2, true, true},
    {VarType::Long, 4, true, true},      {VarType::Single, 4, true, true},    {VarType::Double, 8, true, true},
    {VarType::Currency, 8, true, true},  {VarType::Date, 8, true, true},      {VarType::String, 2, true, true},
    {VarType::Error, 4, true, true},     {VarType::Boolean, 2, true, true},   {VarType::Byte, 1, true, true},
    {VarType::Variant, 2, false, true},
};

const TypeForm* formOf(std::uint16_t code)
{
    for (const TypeForm& form : kForms) {
        if (static_cast<std::uint16_t>(form.type) == code) return &form;
    }
    return nullptr;
}

[[noreturn]] void noRecordForObjects() { raise(errors::UnsupportedVariantType, "An object cannot be written to a file"); }

class RecordWriter {
public:
    explicit RecordWriter(std::vector<std::uint8_t>& out) : m_out(out) {}

    void record(const Variant& value)
    {
        put<std::uint16_t>(value.varType());
        if (const VariantArray* array = value.array()) {
            arrayBody(*array);
            return;
        }
        element(value, value.type());
    }

private:
    template <class Unsigned>
    void put(Unsigned value)
    {
        for (std::size_t i = 0; i < sizeof(Unsigned); ++i) m_out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }

    void arrayBody(const VariantArray& array)
    {
        if (array.elementType() == VarType::Object) noRecordForObjects();
        put<std::uint16_t>(static_cast<std::uint16_t>(array.dimensions()));
        for (const ArrayBound& bound : array.bounds()) {
            put(static_cast<std::uint32_t>(bound.count));
            put(static_cast<std::uint32_t>(bound.lowerBound));
        }
        for (const Variant& value : array.elements()) element(value, array.elementType());
    }

    // The value in the binary form of the type, without a type code (a whole
    // record for an element of a Variant array).
    void element(const Variant& value, VarType type)
    {
        switch (type) {
        case VarType::Empty:
        case VarType::Null:
            return;
        case VarType::Integer:
            return put(static_cast<std::uint16_t>(*value.get<std::int16_t>()));
        case VarType::Long:
            return put(static_cast<std::uint32_t>(*value.get<std::int32_t>()));
        case VarType::Single:
            return put(std::bit_cast<std::uint32_t>(*value.get<float>()));
        case VarType::Double:
            return put(std::bit_cast<std::uint64_t>(*value.get<double>()));
        case VarType::Currency:
            return put(static_cast<std::uint64_t>(value.get<Currency>()->scaled));
        case VarType::Date:
            return put(std::bit_cast<std::uint64_t>(value.get<Date>()->days));
        case VarType::String: {
            const std::string& text = *value.get<std::string>();
            if (text.size() > kMaxStringLength)
                raise(errors::Overflow, "A string longer than 65535 bytes cannot be written to a variant record");
            put(static_cast<std::uint16_t>(text.size()));
            m_out.insert(m_out.end(), text.begin(), text.end());
            return;
        }
        case VarType::Error:
            return put(static_cast<std::uint32_t>(value.get<ErrorValue>()->code));
        case VarType::Boolean:
            return put(std::uint16_t{*value.get<bool>() ? std::uint16_t{0xFFFF} : std::uint16_t{0}});
        case VarType::Byte:
            return put(*value.get<std::uint8_t>());
        case VarType::Variant:
            return record(value);
        case VarType::Object:
            break;
        }
        noRecordForObjects();
    }

    std::vector<std::uint8_t>& m_out;
};

class RecordReader {
public:
    RecordReader(std::span<const std::uint8_t> data, std::size_t offset) : m_data(data), m_position(offset) {}

    std::size_t position() const { return m_position; }

    Variant record(int nesting = 0)
    {
        const std::uint16_t code = take<std::uint16_t>();
        const bool isArray = (code & kArrayFlag) != 0;
        const TypeForm* form = formOf(static_cast<std::uint16_t>(code & ~kArrayFlag));
        if (!form || !(isArray ? form->element : form->scalar))
            raise(errors::UnsupportedVariantType, "The variant record has an unknown type code " + std::to_string(code));
        if (!isArray) return element(form->type, nesting);
        if (nesting >= kMaxNesting) badRecord("its arrays are nested too deeply");
        return array(*form, nesting + 1);
    }

private:
    [[noreturn]] static void badRecord(const std::string& why)
    {
        raise(errors::InvalidRecord, "The variant record is damaged: " + why);
    }

    std::size_t remaining() const { return m_data.size() - m_position; }

    [[noreturn]] static void truncated()
    {
        raise(errors::InputPastEndOfFile, "Input past end of file: the variant record is truncated");
    }

    void need(std::size_t count) const
    {
        if (count > remaining()) truncated();
    }

    template <class Unsigned>
    Unsigned take()
    {
        need(sizeof(Unsigned));
        Unsigned value = 0;
        for (std::size_t i = 0; i < sizeof(Unsigned); ++i)
            value = static_cast<Unsigned>(value | static_cast<Unsigned>(Unsigned{m_data[m_position + i]} << (8 * i)));
        m_position += sizeof(Unsigned);
        return value;
    }

    Variant array(const TypeForm& form, int nesting)
    {
        const std::uint16_t dimensions = take<std::uint16_t>();
        if (dimensions == 0 || dimensions > VariantArray::maxDimensions)
            badRecord(std::to_string(dimensions) + " array dimensions");
        std::vector<ArrayBound> bounds;
        for (std::uint16_t d = 0; d < dimensions; ++d) {
            ArrayBound bound;
            bound.count = static_cast<std::int32_t>(take<std::uint32_t>());
            bound.lowerBound = static_cast<std::int32_t>(take<std::uint32_t>());
            if (bound.count < 0) badRecord("a negative element count");
            if (static_cast<std::int64_t>(bound.lowerBound) + bound.count - 1 > std::numeric_limits<std::int32_t>::max())
                badRecord("array bounds beyond the index range");
            bounds.push_back(bound);
        }
        const std::size_t total = elementCount(bounds, form.elementSize);
        std::vector<Variant> elements;
        elements.reserve(total);
        for (std::size_t i = 0; i < total; ++i) elements.push_back(element(form.type, nesting));
        return Variant(VariantArray(form.type, std::move(bounds), std::move(elements)));
    }

    // The number of elements of an array with these bounds. Any empty
    // dimension makes the array empty, whatever the others say; otherwise the
    // elements must fit in what is left of the data, which caps the count
    // before anything is allocated.
    std::size_t elementCount(const std::vector<ArrayBound>& bounds, std::size_t elementSize) const
    {
        const auto empty = [](const ArrayBound& bound) { return bound.count == 0; };
        if (std::any_of(bounds.begin(), bounds.end(), empty)) return 0;
        std::size_t total = 1;
        for (const ArrayBound& bound : bounds) {
            const auto count = static_cast<std::size_t>(bound.count);
            if (total > remaining() / elementSize / count) truncated();
            total *= count;
        }
        return total;
    }

    Variant element(VarType type, int nesting)
    {
        switch (type) {
        case VarType::Empty:
            return Variant();
        case VarType::Null:
            return Variant::null();
        case VarType::Integer:
            return static_cast<std::int16_t>(take<std::uint16_t>());
        case VarType::Long:
            return static_cast<std::int32_t>(take<std::uint32_t>());
        case VarType::Single:
            return std::bit_cast<float>(take<std::uint32_t>());
        case VarType::Double:
            return std::bit_cast<double>(take<std::uint64_t>());
        case VarType::Currency:
            return Currency{static_cast<std::int64_t>(take<std::uint64_t>())};
        case VarType::Date:
            return Date{std::bit_cast<double>(take<std::uint64_t>())};
        case VarType::String: {
            const std::size_t length = take<std::uint16_t>();
            need(length);
            std::string text(reinterpret_cast<const char*>(m_data.data() + m_position), length);
            m_position += length;
            return text;
        }
        case VarType::Error:
            return ErrorValue{static_cast<std::int32_t>(take<std::uint32_t>())};
        case VarType::Boolean:
            return take<std::uint16_t>() != 0;
        case VarType::Byte:
            return take<std::uint8_t>();
        case VarType::Variant:
            return record(nesting);
        case VarType::Object:
            break;
        }
        raise(errors::UnsupportedVariantType);
    }

    std::span<const std::uint8_t> m_data;
    std::size_t m_position;
};

}  // namespace

void writeVariantRecord(std::vector<std::uint8_t>& out, const Variant& value)
{
    std::vector<std::uint8_t> record;
    RecordWriter(record).record(value);
    out.insert(out.end(), record.begin(), record.end());
}

Variant readVariantRecord(std::span<const std::uint8_t> data, std::size_t& offset)
{
    if (offset > data.size()) raise(errors::InputPastEndOfFile);
    RecordReader reader(data, offset);
    Variant value = reader.record();
    offset = reader.position();
    return value;
}

}  // namespace platform::runtime
