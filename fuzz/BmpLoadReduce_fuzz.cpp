// libFuzzer target: any bytes as a BMP file, then every reduction of what loads.
// Crashes, sanitizer reports and broken invariants (a trap) are findings.
#include "ClsDIB.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
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
