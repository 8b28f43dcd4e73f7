#include "Dither.h"

namespace pav::image {

namespace {
DitherTables buildTables() {
    DitherTables t;
    t.threshold = kDitherThresholds;
    for (int i = 0; i < 8; ++i)
        t.bitMask[i] = static_cast<std::uint8_t>(1u << (7 - i));
    return t;
}
} // namespace

const DitherTables& initDither() {
    static const DitherTables tables = buildTables();
    return tables;
}

} // namespace pav::image
