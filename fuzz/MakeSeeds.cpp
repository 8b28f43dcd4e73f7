// Writes the fuzz target's starting corpus into a folder: small BMP files of every
// depth and layout the loader meets (indexed, 16/32-bit, channel masks, top-down,
// run-length, old and newest headers).
#include "BmpFormat.h"
#include "ClsDIB.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using pav::image::ClsDIB;
using pav::image::putLE32;

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

// The same picture with its rows top-down (negative height), rows reversed in the file.
std::vector<std::uint8_t> topDown(std::vector<std::uint8_t> file, int height, int stride) {
    const std::size_t offset = file[10] | file[11] << 8;
    std::vector<std::uint8_t> rows(file.begin() + static_cast<std::ptrdiff_t>(offset), file.end());
    for (int r = 0; r < height; ++r)
        std::copy_n(rows.begin() + (height - 1 - r) * stride, stride,
                    file.begin() + static_cast<std::ptrdiff_t>(offset) + r * stride);
    putLE32(&file[22], static_cast<std::uint32_t>(-height));
    return file;
}

// A 4 x 2 run-length picture at 8 bits (compression 1) or 4 bits (compression 2).
std::vector<std::uint8_t> runLength(int bits, const std::vector<std::uint8_t>& stream) {
    std::vector<std::uint8_t> file = savedAt(4, 2, bits);
    file.resize(54 + (4u << bits));
    file.insert(file.end(), stream.begin(), stream.end());
    putLE32(&file[2], static_cast<std::uint32_t>(file.size()));
    putLE32(&file[30], bits == 8 ? 1 : 2);
    putLE32(&file[34], static_cast<std::uint32_t>(stream.size()));
    return file;
}

// A picture whose channels are given by masks after the information header: 16 bits
// with 5-6-5 masks behind the 40-byte header, or 32 bits with an alpha mask inside the
// 124-byte header.
std::vector<std::uint8_t> bitFields(int bits) {
    const int width = 3, height = 2, stride = bits == 16 ? 8 : 12;
    const std::size_t header = bits == 16 ? 40 : 124, masks = bits == 16 ? 12 : 0;
    std::vector<std::uint8_t> f(14 + header + masks, 0);
    f[0] = 'B', f[1] = 'M';
    putLE32(&f[10], static_cast<std::uint32_t>(f.size()));
    putLE32(&f[14], static_cast<std::uint32_t>(header));
    putLE32(&f[18], width);
    putLE32(&f[22], height);
    f[26] = 1;
    f[28] = static_cast<std::uint8_t>(bits);
    putLE32(&f[30], 3);
    putLE32(&f[34], stride * height);
    const std::vector<std::uint32_t> channelMasks = bits == 16
        ? std::vector<std::uint32_t>{0xF800, 0x07E0, 0x001F}
        : std::vector<std::uint32_t>{0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
    for (std::size_t i = 0; i < channelMasks.size(); ++i)
        putLE32(&f[54 + 4 * i], channelMasks[i]);
    if (bits == 32) putLE32(&f[70], 0x73524742); // "sRGB" colour space
    for (int i = 0; i < stride * height; ++i)
        f.push_back(static_cast<std::uint8_t>(i * 29 + 3));
    putLE32(&f[2], static_cast<std::uint32_t>(f.size()));
    return f;
}

// A 2 x 2, 24-bit picture with the old 12-byte header.
std::vector<std::uint8_t> oldHeader() {
    std::vector<std::uint8_t> f = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 26, 0,  0,
                                   0,   12,  0, 0, 0, 2, 0, 2, 0, 1, 0,  24, 0};
    const std::vector<std::uint8_t> pixels = {0, 0, 255, 0, 255, 0, 0, 0, 255, 0, 0, 255, 255, 255, 255, 0};
    f.insert(f.end(), pixels.begin(), pixels.end());
    putLE32(&f[2], static_cast<std::uint32_t>(f.size()));
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
    // run, run, end of line, literal, end of bitmap
    write(folder, "rle8.bmp", runLength(8, {3, 7, 1, 200, 0, 0, 0, 4, 1, 2, 3, 4, 0, 1}));
    write(folder, "rle4.bmp", runLength(4, {3, 0x12, 1, 0x70, 0, 0, 0, 4, 0x34, 0x56, 0, 1}));
    write(folder, "bitfields16.bmp", bitFields(16));
    write(folder, "v5alpha32.bmp", bitFields(32));
    write(folder, "oldheader.bmp", oldHeader());
    return 0;
}
