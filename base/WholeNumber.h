#pragma once
// A typed whole number: an optional sign and decimal digits, nothing else. The
// one reading of integers that the threshold box and the command line share;
// each caller decides about blanks around it and the range it allows.

#include <optional>
#include <string_view>

namespace pav {

// The value of text, or none for anything but [+-]digits, or a magnitude beyond
// limit (the parse stops there, so any length of digits is safe).
inline std::optional<long> wholeNumber(std::string_view text, long limit) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i == text.size()) return std::nullopt;
    long magnitude = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > limit) return std::nullopt;
    }
    return negative ? -magnitude : magnitude;
}

} // namespace pav
