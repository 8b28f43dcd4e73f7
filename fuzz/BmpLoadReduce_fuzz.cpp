// libFuzzer target: any bytes as a BMP file, then every reduction of what loads,
// and the same rows shrunk to half size as the picture decoder shrinks them.
// Crashes, sanitizer reports and broken invariants (a trap) are findings.
#include "BmpHeader.h"
#include "BmpReader.h"
#include "ClsDIB.h"
#include "RowShrink.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

using pav::image::ClsDIB;

namespace {

// Small enough that each input runs in milliseconds; the header check refuses the rest.
constexpr std::int64_t kFuzzMaxPixels = 256 * 256;

void check(bool condition) {
    if (!condition) __builtin_trap();
}

void reduceEveryWay(const ClsDIB& source, bool rotate) {
    ClsDIB result;
    const auto sameShape = [&](int bits) {
        check(result.Width() == source.Width() && result.Height() == source.Height() &&
              result.ColorBit() == bits);
        check(result.BmpFileBytes().size() ==
              static_cast<std::size_t>(result.DataSize()) + 54 + (bits <= 8 ? 4u << bits : 0u));
    };
    check(result.ddGet1Bit(source)), sameShape(1);
    check(result.ddGet2Bit(source)), sameShape(4);
    check(result.ddGet3Bit(source, rotate)), sameShape(4);
    check(result.ddGet4Bit(source)), sameShape(4);
    check(result.ddGet8Bit(source, rotate)), sameShape(8);
    check(result.ddGet216C(source, rotate)), sameShape(8);
    check(result.ddGet16Bit(source, rotate)), sameShape(24);
}

// Every row reaches the sink once, and a shrunk picture's every row is written.
void shrinkToHalf(std::span<const std::uint8_t> file) {
    const pav::image::BmpHeaderCheck header = pav::image::checkBmpHeader(file, kFuzzMaxPixels);
    if (!header.ok()) return;
    const int w = header.info.width, h = header.info.height, tw = (w + 1) / 2, th = (h + 1) / 2;
    std::vector<std::uint32_t> target(static_cast<std::size_t>(tw) * th, 0);
    std::vector<int> seen(static_cast<std::size_t>(h), 0), written(static_cast<std::size_t>(th), 0);
    pav::image::RowShrink shrink(w, h, tw, th, [&](int row) {
        check(row >= 0 && row < th);
        ++written[static_cast<std::size_t>(row)];
        return target.data() + static_cast<std::size_t>(row) * tw;
    });
    const pav::image::BmpReadResult read =
        pav::image::readBmpRows(file, header.info, [&](int row, const std::uint32_t*) {
            check(row >= 0 && row < h);
            ++seen[static_cast<std::size_t>(row)];
        });
    if (!read.ok()) return;
    for (const int n : seen) check(n == 1);
    pav::image::readBmpRows(file, header.info, [&](int row, const std::uint32_t* p) { shrink.add(row, p); });
    shrink.finish();
    for (const int n : written) check(n == 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    shrinkToHalf(std::span<const std::uint8_t>(data, size));
    ClsDIB picture;
    if (!picture.LoadBitMapData(std::span<const std::uint8_t>(data, size), kFuzzMaxPixels)) {
        check(!picture.LastError().empty());
        return 0;
    }
    check(picture.ColorBit() == 24 &&
          picture.Width() * static_cast<std::int64_t>(picture.Height()) <= kFuzzMaxPixels);
    reduceEveryWay(picture, size % 2 == 0);

    // What we write, we read back unchanged.
    const std::vector<std::uint8_t> file = picture.BmpFileBytes();
    ClsDIB again;
    check(again.LoadBitMapData(file, kFuzzMaxPixels));
    check(again.DataSize() == picture.DataSize() &&
          std::memcmp(again.DataPtr(), picture.DataPtr(), static_cast<std::size_t>(picture.DataSize())) == 0);
    return 0;
}
