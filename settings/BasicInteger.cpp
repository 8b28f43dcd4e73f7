#include "settings/BasicInteger.h"

#include <algorithm>
#include <string>

namespace pav::settings {
namespace {

// Any exponent beyond this already puts a non-zero value out of range or rounds it to 0.
constexpr long kExponentCap = 1'000'000;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string_view takeDigits(std::string_view text, std::size_t& pos) {
    const std::size_t start = pos;
    while (pos < text.size() && isDigit(text[pos]))
        ++pos;
    return text.substr(start, pos - start);
}

// A decimal number held exactly: value = digits * 10^exponent, digits without leading zeros.
struct Decimal {
    bool negative = false;
    std::string digits;
    long exponent = 0;
};

std::optional<long> takeExponent(std::string_view text, std::size_t& pos) {
    if (pos >= text.size() || (text[pos] != 'e' && text[pos] != 'E')) return 0L;
    ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
    const std::string_view digits = takeDigits(text, pos);
    if (digits.empty()) return std::nullopt;
    long exponent = 0;
    for (char c : digits)
        exponent = std::min(exponent * 10 + (c - '0'), kExponentCap);
    return negative ? -exponent : exponent;
}

std::optional<Decimal> parseDecimal(std::string_view text) {
    Decimal number;
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) number.negative = text[pos++] == '-';
    const std::string_view whole = takeDigits(text, pos);
    std::string_view fraction;
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        fraction = takeDigits(text, pos);
    }
    if (whole.empty() && fraction.empty()) return std::nullopt;
    const std::optional<long> exponent = takeExponent(text, pos);
    if (!exponent || pos != text.size()) return std::nullopt;

    number.digits = std::string(whole) + std::string(fraction);
    number.digits.erase(0, std::min(number.digits.find_first_not_of('0'), number.digits.size()));
    number.exponent = *exponent - static_cast<long>(fraction.size());
    return number;
}

// Rounds half to even, deciding on the exact digits rather than on a binary fraction.
std::optional<std::int32_t> roundToInt32(const Decimal& number) {
    if (number.digits.empty()) return 0; // zero, whatever its exponent
    const long size = static_cast<long>(number.digits.size());
    const long wholeCount = size + number.exponent; // digits left of the decimal point
    if (wholeCount > 10) return std::nullopt;       // at least 10^10
    std::int64_t whole = 0;
    for (long i = 0; i < wholeCount; ++i)
        whole = whole * 10 + (i < size ? number.digits[i] - '0' : 0);

    int firstDropped = 0;
    bool restNonZero = false;
    if (wholeCount < 0) {
        restNonZero = size > 0; // 0.0ddd: below one half
    } else if (wholeCount < size) {
        firstDropped = number.digits[wholeCount] - '0';
        restNonZero = number.digits.find_first_not_of('0', wholeCount + 1) != std::string::npos;
    }
    if (firstDropped > 5 || (firstDropped == 5 && (restNonZero || whole % 2 == 1))) ++whole;
    if (number.negative) whole = -whole;
    if (whole < INT32_MIN || whole > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(whole);
}

} // namespace

std::optional<std::int32_t> basicIntegerValue(std::string_view text) {
    const std::optional<Decimal> number = parseDecimal(trimBlanks(text));
    if (!number) return std::nullopt;
    return roundToInt32(*number);
}

} // namespace pav::settings
