// Reading and writing BMP files. Decoding goes through the program's own BMP
// reader; writing builds the file in memory and replaces the target atomically.
#include "BmpFormat.h"
#include "BmpHeader.h"
#include "BmpReader.h"
#include "ClsDIB.h"
#include "PictureDecoder.h"
#include "base/SafeFile.h"

#include <QString>

#include <algorithm>
#include <cstring>
#include <fstream>

namespace pav::image {

namespace {

// Whole file into memory, refusing files far larger than any picture we accept.
bool readWholeFile(const std::string& fileName, std::int64_t maxPixels, std::vector<std::uint8_t>& bytes,
                   std::string& error) {
    const std::int64_t limit = 4 * maxPixels + (1 << 20); // 32-bit pixels plus generous headers
    PictureError refusal;
    if (pictureFileSize(fileName, limit, refusal) < 0) {
        error = refusal.reason;
        return false;
    }
    std::ifstream in(fileName, std::ios::binary | std::ios::ate);
    if (!in) {
        error = "cannot open file";
        return false;
    }
    const std::streamoff size = in.tellg();
    if (size < 0 || size > limit) {
        error = size < 0 ? "cannot read file" : "file too large for a picture";
        return false;
    }
    bytes.resize(static_cast<std::size_t>(size));
    in.seekg(0);
    if (size > 0 && !in.read(reinterpret_cast<char*>(bytes.data()), size)) {
        error = "cannot read file";
        return false;
    }
    return true;
}

} // namespace

bool ClsDIB::LoadBitMap(const std::string& fileName) {
    std::vector<std::uint8_t> bytes;
    std::string error;
    if (!readWholeFile(fileName, kMaxLoadPixels, bytes, error)) return fail(error);
    return LoadBitMapData(bytes);
}

bool ClsDIB::LoadBitMapData(std::span<const std::uint8_t> bytes, std::int64_t maxPixels) {
    const BmpHeaderCheck check = checkBmpHeader(bytes, maxPixels);
    if (!check.ok()) return fail(check.error);
    // Decoded aside, so that a damaged file leaves this buffer as it was.
    ClsDIB loaded;
    if (!loaded.Create(check.info.width, check.info.height, 24, false)) {
        Free();
        return fail("cannot create a buffer of the picture's size");
    }
    const BmpReadResult read = readBmpRows(bytes, check.info, [&](int rowFromTop, const std::uint32_t* pixels) {
        std::uint8_t* dst = loaded.m_pixels.data() +
                            static_cast<std::size_t>(loaded.m_height - 1 - rowFromTop) * loaded.m_stride;
        for (int x = 0; x < loaded.m_width; ++x, dst += 3) {
            dst[0] = static_cast<std::uint8_t>(pixels[x]);
            dst[1] = static_cast<std::uint8_t>(pixels[x] >> 8);
            dst[2] = static_cast<std::uint8_t>(pixels[x] >> 16);
        }
    });
    if (!read.ok()) return fail(read.reason);
    std::swap(m_pixels, loaded.m_pixels);
    std::swap(m_header, loaded.m_header);
    std::swap(m_colorTable, loaded.m_colorTable);
    std::swap(m_width, loaded.m_width);
    std::swap(m_height, loaded.m_height);
    std::swap(m_bits, loaded.m_bits);
    std::swap(m_stride, loaded.m_stride);
    std::swap(m_dataSize, loaded.m_dataSize);
    std::swap(m_hasBitmap, loaded.m_hasBitmap);
    m_lastError.clear();
    return true;
}

std::vector<std::uint8_t> ClsDIB::BmpFileBytes() const {
    if (!m_hasBitmap) return {};
    const std::size_t tableBytes = 4 * static_cast<std::size_t>(paletteSize());
    const std::size_t offset = kFileHeaderSize + kInfoHeaderSize + tableBytes;
    std::vector<std::uint8_t> file(offset + m_pixels.size(), 0);
    const auto fileHeader = bmpFileHeader(static_cast<std::uint32_t>(file.size()), static_cast<std::uint32_t>(offset));
    std::copy(fileHeader.begin(), fileHeader.end(), file.begin());
    std::memcpy(&file[kFileHeaderSize], m_header.data(), kInfoHeaderSize);
    std::uint8_t* entry = &file[kFileHeaderSize + kInfoHeaderSize];
    for (int i = 0; i < paletteSize(); ++i, entry += 4) {
        const std::uint32_t e = m_colorTable[static_cast<std::size_t>(i)];
        entry[0] = static_cast<std::uint8_t>(e);       // blue
        entry[1] = static_cast<std::uint8_t>(e >> 8);  // green
        entry[2] = static_cast<std::uint8_t>(e >> 16); // red
        entry[3] = 0;
    }
    std::memcpy(&file[offset], m_pixels.data(), m_pixels.size());
    return file;
}

bool ClsDIB::SaveBMP(const std::string& fileName) const {
    // Nothing is opened before there is something to write: an existing file survives
    // an empty buffer or a failed write, because the new file only replaces it once complete.
    if (!m_hasBitmap) return fail("the picture is empty");
    const std::vector<std::uint8_t> bytes = BmpFileBytes();
    QString error;
    if (!writeFileSafely(QString::fromStdString(fileName), reinterpret_cast<const char*>(bytes.data()),
                         static_cast<qint64>(bytes.size()), &error))
        return fail(error.toStdString());
    m_lastError.clear();
    return true;
}

} // namespace pav::image
