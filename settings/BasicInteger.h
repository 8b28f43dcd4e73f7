#pragma once
// Text to 32-bit integer the way a BASIC-style conversion with rounding reads a
// typed number, kept strict enough that nothing odd slips through.

#include <cstdint>
#include <optional>
#include <string_view>

namespace pav::settings {

// Accepted: blanks (space, tab) around an optional sign, decimal digits with an
// optional fraction (".5", "3.", "3.5") and an optional exponent ("1e2", "25E-1").
// The exact decimal value is rounded to the nearest integer, halves to even.
// Refused (nullopt): an empty text, anything else in it (letters, inner blanks,
// thousands separators, "&H" prefixes, full-width digits), and a rounded value
// outside -2147483648..2147483647.
std::optional<std::int32_t> basicIntegerValue(std::string_view text);

} // namespace pav::settings
