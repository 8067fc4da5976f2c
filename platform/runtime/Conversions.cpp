#include "platform/runtime/Conversions.h"

#include "platform/runtime/RuntimeError.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace platform::runtime {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int digitValue(char c, int base)
{
    int value = base;
    if (isDigit(c)) value = c - '0';
    else if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
    return value < base ? value : -1;
}

// Reads a number from the front of a text. Val skips blanks anywhere inside
// it; the conversions take the text as it stands.
class NumberScanner {
public:
    NumberScanner(std::string_view text, bool skipBlanks) : m_text(text), m_skipBlanks(skipBlanks) {}

    // The number, or nullopt when the text does not start with one.
    std::optional<double> scan()
    {
        if (peek() == '&') return scanRadix();
        return scanDecimal();
    }

    bool atEnd() { return peek() == '\0'; }

private:
    char peek()
    {
        while (m_skipBlanks && m_position < m_text.size() &&
               (m_text[m_position] == ' ' || m_text[m_position] == '\t' || m_text[m_position] == '\n'))
            ++m_position;
        return m_position < m_text.size() ? m_text[m_position] : '\0';
    }
    void next() { ++m_position; }

    // "&H1F" and "&O17" (or "&17"): up to 16 bits give an Integer, as the
    // runtime reads such a literal, so "&HFFFF" is -1; up to 32 bits a Long.
    std::optional<double> scanRadix()
    {
        next();
        int base = 8;
        if (peek() == 'H' || peek() == 'h') {
            base = 16;
            next();
        } else if (peek() == 'O' || peek() == 'o') {
            next();
        }
        std::uint64_t value = 0;
        bool any = false;
        for (int digit = digitValue(peek(), base); digit >= 0; digit = digitValue(peek(), base)) {
            value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
            if (value > 0xFFFFFFFFu) raise(errors::Overflow);
            any = true;
            next();
        }
        if (!any) return std::nullopt;
        if (value <= 0xFFFF) return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    }

    std::optional<double> scanDecimal()
    {
        std::string clean;
        if (peek() == '+' || peek() == '-') {
            if (peek() == '-') clean += '-';
            next();
        }
        // The size of the number, to tell an overflow from an underflow:
        // integer digits without leading zeros, or zeros after the point.
        int integerDigits = 0;
        int fractionZeros = 0;
        bool significant = false;
        bool anyDigit = false;
        for (; isDigit(peek()); next()) {
            if (integerDigits > 0 || peek() != '0') ++integerDigits;
            clean += peek();
            anyDigit = true;
        }
        if (peek() == '.') {
            clean += '.';
            next();
            for (; isDigit(peek()); next()) {
                if (integerDigits == 0 && !significant) {
                    if (peek() == '0') ++fractionZeros;
                    else significant = true;
                }
                clean += peek();
                anyDigit = true;
            }
        }
        if (!anyDigit) return std::nullopt;
        long exponent = 0;
        if (const char e = peek(); e == 'E' || e == 'e' || e == 'D' || e == 'd') {
            const std::size_t mark = m_position;
            next();
            bool negative = false;
            if (peek() == '+' || peek() == '-') {
                negative = peek() == '-';
                next();
            }
            bool anyExponentDigit = false;
            for (; isDigit(peek()); next()) {
                exponent = std::min(exponent * 10 + (peek() - '0'), 100000L);
                anyExponentDigit = true;
            }
            if (anyExponentDigit) {
                if (negative) exponent = -exponent;
                clean += 'e' + std::to_string(exponent);
            } else {
                m_position = mark;  // "1E" is the number 1 followed by a letter
            }
        }
        double value = 0;
        const auto [end, error] = std::from_chars(clean.data(), clean.data() + clean.size(), value);
        if (error == std::errc::result_out_of_range) {
            // Too small is zero; too large is the runtime's overflow.
            const long magnitude = exponent + (integerDigits > 0 ? integerDigits : -fractionZeros);
            if (magnitude > 0) raise(errors::Overflow);
            return 0.0;
        }
        return value;
    }

    std::string_view m_text;
    bool m_skipBlanks;
    std::size_t m_position = 0;
};

template <class Integer>
Integer roundedInteger(double value)
{
    const double rounded = roundHalfEven(value);
    if (!(rounded >= std::numeric_limits<Integer>::min() && rounded <= std::numeric_limits<Integer>::max()))
        raise(errors::Overflow);
    return static_cast<Integer>(rounded);
}

}  // namespace

double Val(std::string_view text)
{
    return leadingNumber(text).value_or(0.0);
}

std::optional<double> leadingNumber(std::string_view text)
{
    return NumberScanner(text, true).scan();
}

std::optional<double> parseNumber(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return std::nullopt;
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    NumberScanner scanner(text, false);
    const auto number = scanner.scan();
    if (!number || !scanner.atEnd()) return std::nullopt;
    return number;
}

std::string joinedText(const Variant& value) { return value.isNull() ? std::string() : value.toString(); }

double roundHalfEven(double value)
{
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5) return below + 1;
    if (fraction < 0.5) return below;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

std::int16_t CInt(double value) { return roundedInteger<std::int16_t>(value); }

std::int32_t CLng(double value) { return roundedInteger<std::int32_t>(value); }

std::string numberText(double value, int significantDigits)
{
    if (value == 0) return "0";  // also for -0
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general,
                                            significantDigits);
    std::string text(buffer, error == std::errc() ? end : buffer);
    std::replace(text.begin(), text.end(), 'e', 'E');
    return text;
}

std::string Str(const Variant& number)
{
    std::string text;
    switch (number.isArray() ? VarType::Variant : number.type()) {
    case VarType::Integer:
    case VarType::Long:
    case VarType::Single:
    case VarType::Double:
    case VarType::Currency:
    case VarType::Byte:
        text = number.toString();
        break;
    default:
        text = numberText(number.toDouble());
        break;
    }
    if (text.starts_with("0.")) text.erase(0, 1);
    else if (text.starts_with("-0.")) text.erase(1, 1);
    return text.starts_with('-') ? text : " " + text;
}

}  // namespace platform::runtime
