#include "RowShrink.h"

#include <algorithm>

namespace pav::image {

RowShrink::RowShrink(int sourceWidth, int sourceHeight, int targetWidth, int targetHeight,
                     std::function<std::uint32_t*(int row)> target)
    : m_sourceHeight(sourceHeight), m_targetWidth(targetWidth), m_targetHeight(targetHeight),
      m_target(std::move(target)), m_columnOf(static_cast<std::size_t>(sourceWidth)),
      m_width(static_cast<std::size_t>(targetWidth), 0),
      m_sums(4 * static_cast<std::size_t>(targetWidth), 0) {
    for (int x = 0; x < sourceWidth; ++x) {
        const int column = static_cast<int>(std::int64_t{x} * targetWidth / sourceWidth);
        m_columnOf[static_cast<std::size_t>(x)] = column;
        ++m_width[static_cast<std::size_t>(column)];
    }
}

void RowShrink::add(int rowFromTop, const std::uint32_t* pixels) {
    const int row = static_cast<int>(std::int64_t{rowFromTop} * m_targetHeight / m_sourceHeight);
    if (row != m_row) {
        flush();
        m_row = row;
    }
    for (std::size_t x = 0; x < m_columnOf.size(); ++x) {
        const std::uint32_t p = pixels[x];
        std::uint64_t* sum = &m_sums[4 * static_cast<std::size_t>(m_columnOf[x])];
        sum[0] += p >> 24;
        sum[1] += (p >> 16) & 255;
        sum[2] += (p >> 8) & 255;
        sum[3] += p & 255;
    }
    ++m_rows;
}

void RowShrink::finish() {
    flush();
}

void RowShrink::flush() {
    if (m_row < 0 || m_rows == 0) return;
    std::uint32_t* out = m_target(m_row);
    for (int x = 0; x < m_targetWidth; ++x) {
        const std::uint64_t n = std::uint64_t{m_width[static_cast<std::size_t>(x)]} * m_rows;
        std::uint64_t* sum = &m_sums[4 * static_cast<std::size_t>(x)];
        std::uint32_t p = 0;
        for (int c = 0; c < 4; ++c)
            p = p << 8 | static_cast<std::uint32_t>((sum[c] + n / 2) / n);
        out[x] = p;
        std::fill(sum, sum + 4, 0);
    }
    m_rows = 0;
}

} // namespace pav::image
