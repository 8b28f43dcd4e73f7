#pragma once
// The pixels of a BMP file whose headers checkBmpHeader accepted, in every layout
// a BMP writer puts down: colour tables at 1, 4 and 8 bits, run-length coding at
// 4 and 8 bits, 16 and 32 bits with or without channel masks, 24 bits, rows
// stored either way up. Each masked channel is scaled to the full 0..255 range,
// so that 5-bit or 10-bit white is 255. Rows go to a sink one at a time in the
// order the file holds them: the caller decides whether to keep the picture
// whole or shrink it as it comes. Plain C++.

#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "BmpHeader.h"

namespace pav::image {

enum class BmpReadFault {
    None,
    Incomplete, // the data ends before the picture does (a run-length picture without its end)
    Damaged,    // codes that no writer puts down
};

struct BmpReadResult {
    BmpReadFault fault = BmpReadFault::None;
    std::string reason; // one line, empty when the picture was read whole
    bool ok() const { return fault == BmpReadFault::None; }
};

// One row of width pixels as 0xAARRGGBB (alpha 255 unless the file carries it),
// with its index counted from the top of the picture.
using BmpRowSink = std::function<void(int rowFromTop, const std::uint32_t* pixels)>;

// Whether the picture's alpha channel means anything: a mask for it, and some
// pixel where it is not zero (a writer that ignores alpha leaves it all zero).
bool bmpHasAlpha(std::span<const std::uint8_t> file, const BmpHeaderInfo& info);

// Every row of the picture to sink, each exactly once. Pixels a run-length
// picture skips over take colour 0 of its table.
BmpReadResult readBmpRows(std::span<const std::uint8_t> file, const BmpHeaderInfo& info,
                          const BmpRowSink& sink);

} // namespace pav::image
