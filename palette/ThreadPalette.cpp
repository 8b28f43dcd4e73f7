#include "palette/ThreadPalette.h"

#include <algorithm>
#include <cstdio>

namespace pav::palette {

namespace {

// The table's channels side by side, so that the distance loop reads three
// contiguous int arrays.
struct ThreadChannels {
    std::array<int, kThreadRows> red{};
    std::array<int, kThreadRows> green{};
    std::array<int, kThreadRows> blue{};

    ThreadChannels() {
        const auto& rows = dmcThreads();
        for (int i = 0; i < kThreadRows; ++i) {
            red[i] = redOf(rows[i].color);
            green[i] = greenOf(rows[i].color);
            blue[i] = blueOf(rows[i].color);
        }
    }
};

const ThreadChannels& channels() {
    static const ThreadChannels table;
    return table;
}

} // namespace

std::string paddedRight(const std::string& text, std::size_t width) {
    if (text.size() >= width) return text;
    return text + std::string(width - text.size(), ' ');
}

std::string hexColourText(std::int32_t rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", redOf(rgb), greenOf(rgb), blueOf(rgb));
    return text;
}

void loadColor(std::array<DmcThread, kTableRows + 1>& dmc) {
    const auto& rows = dmcThreads();
    for (int row = 1; row <= kThreadRows; ++row) {
        dmc[row].color = rows[row - 1].color;
        dmc[row].cindex = paddedRight(rows[row - 1].number, 10);
    }
}

int nearestThreadRow(std::int32_t rgb) {
    const auto& table = channels();
    const int r = redOf(rgb), g = greenOf(rgb), b = blueOf(rgb);
    // Two plain passes (all distances with their minimum, then the first row at
    // that minimum) vectorise, and the first row found is the lowest of a tie.
    std::array<int, kThreadRows> distances;
    int least = 0x7fffffff;
    for (int i = 0; i < kThreadRows; ++i) {
        const int dr = table.red[i] - r, dg = table.green[i] - g, db = table.blue[i] - b;
        distances[i] = dr * dr + dg * dg + db * db;
        least = std::min(least, distances[i]);
    }
    int i = 0;
    while (distances[i] != least)
        ++i;
    return i + 1;
}

} // namespace pav::palette
