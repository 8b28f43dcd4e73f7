#pragma once
// A picture as a plain value: width x height RGB values (R + 256*G + 65536*B), row by row.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace pav::colour {

struct RgbGrid {
    int width = 0;
    int height = 0;
    std::vector<std::int32_t> cells; // cells[y * width + x]

    std::int32_t at(int x, int y) const { return cells[static_cast<std::size_t>(y) * width + x]; }
    std::size_t size() const { return cells.size(); }
};

} // namespace pav::colour
