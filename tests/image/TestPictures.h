#pragma once
// Small fixtures shared by the image tests: seeded pictures, uniform pictures,
// pixel access by picture coordinates and a private scratch folder.

#include "BmpFormat.h"
#include "ClsDIB.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace pav::image::test {

// A 24-bit buffer filled with one colour.
inline void makeUniform(ClsDIB& dib, int width, int height, int r, int g, int b) {
    dib.Create(width, height, 24, true);
    for (int m = 0; m < height; ++m)
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = dib.DataPtr() + m * dib.Stride() + 3 * x;
            p[0] = static_cast<std::uint8_t>(b), p[1] = static_cast<std::uint8_t>(g),
            p[2] = static_cast<std::uint8_t>(r);
        }
}

// A 24-bit buffer of reproducible noise; padding bytes stay 0.
inline void makeSeeded(ClsDIB& dib, int width, int height, unsigned seed) {
    dib.Create(width, height, 24, true);
    std::mt19937 random(seed);
    for (int m = 0; m < height; ++m)
        for (int i = 0; i < 3 * width; ++i)
            dib.DataPtr()[m * dib.Stride() + i] = static_cast<std::uint8_t>(random());
}

// The value of pixel (x, y), y from the top, in a buffer of 1, 4, 8 bits (index) or 24 bits (R + 256G +
// 65536B).
inline int pixelAt(const ClsDIB& dib, int x, int y) {
    const std::uint8_t* row = dib.DataPtr() + (dib.Height() - 1 - y) * dib.Stride();
    switch (dib.ColorBit()) {
    case 1:
        return (row[x / 8] >> (7 - x % 8)) & 1;
    case 4:
        return (row[x / 2] >> (x % 2 ? 0 : 4)) & 15;
    case 8:
        return row[x];
    default:
        return row[3 * x + 2] + 256 * row[3 * x + 1] + 65536 * row[3 * x];
    }
}

// A folder of its own under the test's working folder, emptied on creation.
class ScratchDir {
public:
    explicit ScratchDir(const std::string& name)
        : m_path(std::filesystem::current_path() / ("scratch-" + name)) {
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~ScratchDir() {
        std::error_code ignored;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(m_path, ignored);
    }
    std::string file(const std::string& name) const { return (m_path / name).string(); }
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

inline std::vector<std::uint8_t> readBytes(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::string& file, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// Reading fields goes through image::le32; writing one into a vector, by its offset:
inline void putLe32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) { image::putLE32(&b[at], v); }

// The same uncompressed BMP file with its rows stored top-down (a negative height).
inline std::vector<std::uint8_t> topDownBmp(std::vector<std::uint8_t> f) {
    const auto height = static_cast<std::int32_t>(image::le32(f, 22));
    const std::uint32_t offset = image::le32(f, 10);
    const std::uint32_t rowBytes = ((image::le32(f, 18) * image::le16(f, 28) + 31) / 32) * 4;
    for (std::int32_t r = 0; r < height / 2; ++r)
        std::swap_ranges(f.begin() + offset + r * rowBytes, f.begin() + offset + (r + 1) * rowBytes,
                         f.begin() + offset + (height - 1 - r) * rowBytes);
    putLe32(f, 22, static_cast<std::uint32_t>(-height));
    return f;
}

} // namespace pav::image::test
