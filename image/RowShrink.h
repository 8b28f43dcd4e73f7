#pragma once
// Shrinks a picture that arrives one row at a time onto a smaller one by box
// averaging: every source pixel counts once, for the target pixel it falls in.
// Only one row of sums is held, so a picture far larger than the target is
// never held whole. Rows may come top-down or bottom-up, each exactly once.
// Plain C++ over 0xAARRGGBB pixels.

#include <cstdint>
#include <functional>
#include <vector>

namespace pav::image {

class RowShrink {
public:
    // target(row) gives where the finished target row `row` (from the top) goes.
    RowShrink(int sourceWidth, int sourceHeight, int targetWidth, int targetHeight,
              std::function<std::uint32_t*(int row)> target);
    void add(int rowFromTop, const std::uint32_t* pixels);
    // Writes the last target row; every row must have been added.
    void finish();

private:
    void flush();

    int m_sourceHeight, m_targetWidth, m_targetHeight;
    std::function<std::uint32_t*(int)> m_target;
    std::vector<int> m_columnOf;        // source column -> target column
    std::vector<std::uint32_t> m_width; // source columns per target column
    std::vector<std::uint64_t> m_sums;  // four channels per target column
    int m_row = -1;                     // the target row being summed
    std::uint32_t m_rows = 0;           // source rows in it so far
};

} // namespace pav::image
