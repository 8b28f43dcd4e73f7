#pragma once
// The words of the chart command's colour options (--dither, --cleanup, --match),
// which its summary also names.

#include "colour/IsolatedCleanup.h"
#include "colour/ThreadAssignment.h"
#include "colour/ThreadMatcher.h"

#include <cstddef>

namespace pav::cli {

template <class Value>
struct Word {
    const char* word;
    Value value;
};

inline constexpr Word<colour::Dither> kDitherWords[] = {
    {"none", colour::Dither::None}, {"floyd-steinberg", colour::Dither::FloydSteinberg}, {"atkinson", colour::Dither::Atkinson}};
inline constexpr Word<colour::Cleanup> kCleanupWords[] = {
    {"off", colour::Cleanup::Off}, {"light", colour::Cleanup::Light}, {"strong", colour::Cleanup::Strong}};
inline constexpr Word<colour::FitCriterion> kMatchWords[] = {
    {"rgb", colour::FitCriterion::Rgb}, {"ciede2000", colour::FitCriterion::Ciede2000}};

template <class Value, std::size_t N>
const char* wordOf(Value value, const Word<Value> (&words)[N]) {
    for (const auto& w : words)
        if (w.value == value) return w.word;
    return "";
}

} // namespace pav::cli
