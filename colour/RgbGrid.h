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
    std::int32_t& at(int x, int y) { return cells[static_cast<std::size_t>(y) * width + x]; }
    const std::int32_t* row(int y) const { return cells.data() + static_cast<std::size_t>(y) * width; }
    std::int32_t* row(int y) { return cells.data() + static_cast<std::size_t>(y) * width; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    std::size_t size() const { return cells.size(); }
    friend bool operator==(const RgbGrid&, const RgbGrid&) = default;
};

// A width x height grid with every cell `fill` (negative sizes give an empty grid).
inline RgbGrid filledGrid(int width, int height, std::int32_t fill) {
    RgbGrid grid;
    grid.width = width > 0 && height > 0 ? width : 0;
    grid.height = width > 0 && height > 0 ? height : 0;
    grid.cells.assign(static_cast<std::size_t>(grid.width) * grid.height, fill);
    return grid;
}

} // namespace pav::colour
