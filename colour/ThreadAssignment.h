#pragma once
// Gives every stitch of a picture one thread of a small set: the nearest by
// CIEDE2000, or with the error of each choice spread onto the stitches not yet
// chosen (error diffusion), carried in CIELAB or in linear light.

#include "colour/RgbGrid.h"
#include "colour/ThreadMatcher.h"

#include <vector>

namespace pav::colour {

enum class Dither { None, FloydSteinberg, Atkinson };

// Where the error is carried: CIELAB (perceptual) or linear-light RGB.
enum class DitherSpace { Perceptual, Linear };

// One index into the matcher's list per stitch (row-major). Stitches are taken row by
// row, left to right; an empty matcher gives an empty result.
std::vector<int> assignThreads(const RgbGrid& picture, const ThreadMatcher& threads, Dither dither = Dither::None,
                               DitherSpace space = DitherSpace::Perceptual);

} // namespace pav::colour
