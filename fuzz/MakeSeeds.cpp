// Writes the fuzz target's starting corpus into a folder: small BMP files of every
// depth and layout the loader meets (indexed, 16/32-bit, top-down, RLE, old header).
#include "ClsDIB.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using pav::image::ClsDIB;

namespace {

void write(const std::filesystem::path& folder, const std::string& name,
           const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint8_t> savedAt(int width, int height, int bits) {
    ClsDIB dib;
    dib.Create(width, height, bits, true);
    for (int i = 0; i < dib.DataSize(); ++i)
        dib.DataPtr()[i] = static_cast<std::uint8_t>(i * 61 + 7);
    for (int k = 0; k < (bits <= 8 ? 1 << bits : 0); ++k)
        dib.SetColorTable(k, k * 0x050301);
    return dib.BmpFileBytes();
}

void putLe32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// The same picture with its rows top-down (negative height), rows reversed in the file.
std::vector<std::uint8_t> topDown(std::vector<std::uint8_t> file, int height, int stride) {
    const std::size_t offset = file[10] | file[11] << 8;
    std::vector<std::uint8_t> rows(file.begin() + static_cast<std::ptrdiff_t>(offset), file.end());
    for (int r = 0; r < height; ++r)
        std::copy_n(rows.begin() + (height - 1 - r) * stride, stride,
                    file.begin() + static_cast<std::ptrdiff_t>(offset) + r * stride);
    putLe32(file, 22, static_cast<std::uint32_t>(-height));
    return file;
}

std::vector<std::uint8_t> rle8() {
    std::vector<std::uint8_t> file = savedAt(4, 2, 8);
    file.resize(54 + 1024);
    const std::vector<std::uint8_t> stream = {3, 7, 1, 200, 0, 0, 0,
                                              4, 1, 2, 3,   4, 0, 1}; // run, run, eol, literal, eob
    file.insert(file.end(), stream.begin(), stream.end());
    putLe32(file, 2, static_cast<std::uint32_t>(file.size()));
    putLe32(file, 30, 1);
    putLe32(file, 34, static_cast<std::uint32_t>(stream.size()));
    return file;
}

// A 2 x 2, 24-bit picture with the old 12-byte header.
std::vector<std::uint8_t> oldHeader() {
    std::vector<std::uint8_t> f = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 26, 0,  0,
                                   0,   12,  0, 0, 0, 2, 0, 2, 0, 1, 0,  24, 0};
    const std::vector<std::uint8_t> pixels = {0, 0, 255, 0, 255, 0, 0, 0, 255, 0, 0, 255, 255, 255, 255, 0};
    f.insert(f.end(), pixels.begin(), pixels.end());
    putLe32(f, 2, static_cast<std::uint32_t>(f.size()));
    return f;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    for (const int bits : {1, 4, 8, 16, 24, 32})
        write(folder, "depth" + std::to_string(bits) + ".bmp", savedAt(7, 5, bits));
    write(folder, "wide.bmp", savedAt(33, 2, 24));
    write(folder, "topdown.bmp", topDown(savedAt(3, 4, 24), 4, 12));
    write(folder, "rle8.bmp", rle8());
    write(folder, "oldheader.bmp", oldHeader());
    return 0;
}
