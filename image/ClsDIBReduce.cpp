// The reduction modes as operations of the destination buffer. Plain C++.
#include "ClsDIB.h"
#include "ColorReduction.h"

namespace pav::image {

bool ClsDIB::Reduce(const ClsDIB& source, ReductionMode mode, bool rotate) {
    ClsDIB& destination = *this;
    if (source.ColorBit() != 24 || source.hDC() == 0) return false; // the destination stays as it was
    // Reducing a buffer into itself: re-creating the destination would discard the
    // source's pixels, so they are read from a copy.
    std::vector<std::uint8_t> ownCopy;
    const std::uint8_t* pixels = source.DataPtr();
    if (&destination == &source) {
        ownCopy.assign(pixels, pixels + source.DataSize());
        pixels = ownCopy.data();
    }
    const std::int32_t width = source.Width(), height = source.Height(), stride = source.Stride();
    if (!destination.Create(width, height, reductionDepth(mode), false)) return false;
    const std::vector<std::int32_t> palette = reductionPalette(mode);
    for (std::size_t k = 0; k < palette.size(); ++k)
        destination.SetColorTable(static_cast<std::int32_t>(k), palette[k]);
    ByteView out = destination.MapArray();
    reducePixels(mode, rotate, {pixels, stride}, {out.data, out.stride}, width, height);
    destination.UnMapArray(out);
    return true;
}

bool ClsDIB::ddGet1Bit(const ClsDIB& source) {
    return Reduce(source, ReductionMode::BlackWhite, false);
}
bool ClsDIB::ddGet2Bit(const ClsDIB& source) {
    return Reduce(source, ReductionMode::FourGreys, false);
}
bool ClsDIB::ddGet3Bit(const ClsDIB& source, bool rotate) {
    return Reduce(source, ReductionMode::EightColours, rotate);
}
bool ClsDIB::ddGet4Bit(const ClsDIB& source) {
    return Reduce(source, ReductionMode::SixteenGreys, false);
}
bool ClsDIB::ddGet216C(const ClsDIB& source, bool rotate) {
    return Reduce(source, ReductionMode::Colours216, rotate);
}
bool ClsDIB::ddGet8Bit(const ClsDIB& source, bool rotate) {
    return Reduce(source, ReductionMode::Colours256, rotate);
}
bool ClsDIB::ddGet16Bit(const ClsDIB& source, bool rotate) {
    return Reduce(source, ReductionMode::Rgb565, rotate);
}

} // namespace pav::image
