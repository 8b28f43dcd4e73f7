// The buffer itself: creation, release, header, byte views and colour table.
// Plain C++; the Qt-facing operations live in ClsDIBFiles.cpp and ClsDIBTransfer.cpp.
#include "ClsDIB.h"
#include "BmpFormat.h"

#include <algorithm>
#include <limits>
#include <new>

namespace pav::image {

namespace {

// Bytes per row, rounded up to a multiple of 4; 0 when it does not fit 32 bits.
std::int64_t strideFor(std::int64_t width, std::int32_t bits) {
    switch (bits) {
    case 1:
        return ((width + 7) / 8 + 3) & ~std::int64_t{3};
    case 4:
        return ((width + 1) / 2 + 3) & ~std::int64_t{3};
    case 8:
        return (width + 3) & ~std::int64_t{3};
    case 16:
        return (2 * width + 3) & ~std::int64_t{3};
    case 24:
        return (3 * width + 3) & ~std::int64_t{3};
    case 32:
        return 4 * width;
    default:
        return 0;
    }
}

} // namespace

// Pixels start at zero whether or not clearing is asked for: padding bytes never carry
// stale data, and saved files do not depend on what memory held before.
bool ClsDIB::Create(std::int32_t width, std::int32_t height, std::int32_t bitsPerPixel,
                    [[maybe_unused]] bool clear) {
    Free();
    m_width = width;
    m_height = height;
    m_bits = bitsPerPixel;
    writeHeader();
    if (!isBmpDepth(bitsPerPixel) || width <= 0 || height <= 0) return false;

    const std::int64_t stride = strideFor(width, bitsPerPixel);
    const std::int64_t size = stride * height;
    if (size > std::numeric_limits<std::int32_t>::max()) return false; // the header's size field overflows
    try {
        m_pixels.assign(static_cast<std::size_t>(size), 0);
    } catch (const std::bad_alloc&) {
        m_pixels = {};
        return false;
    }
    m_stride = static_cast<std::int32_t>(stride);
    m_dataSize = static_cast<std::int32_t>(size);
    m_colorTable.fill(0);
    m_hasBitmap = true;
    writeHeader();
    return true;
}

void ClsDIB::Free() {
    if (!m_hasBitmap && m_width == 0 && m_height == 0 && m_bits == 0) return;
    m_pixels = {};
    m_width = m_height = m_bits = m_stride = m_dataSize = 0;
    m_hasBitmap = false;
    writeHeader();
}

void ClsDIB::Cls() {
    std::fill(m_pixels.begin(), m_pixels.end(), std::uint8_t{0});
}

std::intptr_t ClsDIB::hDC() const {
    return m_hasBitmap ? reinterpret_cast<std::intptr_t>(m_pixels.data()) : 0;
}
std::int32_t ClsDIB::DataSize() const {
    return m_dataSize;
}
std::int32_t ClsDIB::Width() const {
    return m_width;
}
std::int32_t ClsDIB::Height() const {
    return m_height;
}
std::int32_t ClsDIB::ColorBit() const {
    return m_bits;
}
std::uint8_t* ClsDIB::DataPtr() {
    return m_hasBitmap ? m_pixels.data() : nullptr;
}
const std::uint8_t* ClsDIB::DataPtr() const {
    return m_hasBitmap ? m_pixels.data() : nullptr;
}
std::int32_t ClsDIB::Stride() const {
    return m_stride;
}

std::array<std::uint8_t, 40> ClsDIB::InfoHeader() const {
    return m_header;
}

void ClsDIB::writeHeader() {
    m_header = bmpInfoHeader(m_width, m_height, m_bits, static_cast<std::uint32_t>(m_dataSize));
}

ByteView ClsDIB::MapArray() {
    if (!m_hasBitmap) return {};
    return ByteView{m_pixels.data(), m_pixels.size(), m_dataSize / m_height};
}

void ClsDIB::UnMapArray(ByteView& view) const {
    view = ByteView{};
}

int ClsDIB::paletteSize() const {
    if (!m_hasBitmap) return 0;
    return (m_bits == 1 || m_bits == 4 || m_bits == 8) ? 1 << m_bits : 0;
}

std::int32_t ClsDIB::GetColorTable(std::int32_t index) const {
    if (index < 0 || index >= paletteSize()) return 0;
    const std::uint32_t e = m_colorTable[static_cast<std::size_t>(index)];
    const std::int32_t r = (e >> 16) & 255, g = (e >> 8) & 255, b = e & 255;
    return r + 256 * g + 65536 * b;
}

bool ClsDIB::SetColorTable(std::int32_t index, std::int32_t rgb) {
    if (index < 0 || index >= paletteSize()) return false;
    const std::uint32_t r = rgb & 255;
    const std::uint32_t g = (rgb & 65280) / 256;
    const std::uint32_t b = (rgb & 16711680) / 65536;
    m_colorTable[static_cast<std::size_t>(index)] = (r << 16) | (g << 8) | b;
    return true;
}

bool ClsDIB::fail(std::string message) const {
    m_lastError = std::move(message);
    return false;
}

} // namespace pav::image
