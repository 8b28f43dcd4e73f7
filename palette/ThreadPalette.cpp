#include "palette/ThreadPalette.h"

#include <algorithm>
#include <cstdio>

namespace pav::palette {

std::string paddedRight(const std::string& text, std::size_t width) {
    if (text.size() >= width) return text;
    return text + std::string(width - text.size(), ' ');
}

std::string hexColourText(std::int32_t rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", redOf(rgb), greenOf(rgb), blueOf(rgb));
    return text;
}

} // namespace pav::palette
