#pragma once
// ClsDIB: the program's only raster container. A device-independent bitmap of
// 1, 4, 8, 16, 24 or 32 bits per pixel whose bytes lie in ordinary memory:
// rows bottom-up, each padded to a multiple of 4 bytes, 24-bit pixels stored
// blue, green, red. Code that reads and writes pixels works on byte views;
// the transfer operations exchange pixels with Qt images, which stand in for
// drawing contexts.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

class QImage;

namespace pav::image {
enum class ReductionMode; // ColorReduction.h
}

namespace pav::image {

// A non-owning view of a buffer's pixel bytes, valid until the next Create or Free.
struct ByteView {
    std::uint8_t* data = nullptr;
    std::size_t size = 0; // DataSize
    std::int32_t stride = 0;
    bool empty() const { return data == nullptr; }
};

// Raster operations passed to the transfer operations (the codes of the platform's copy call).
// Codes other than these make a transfer return false.
enum RasterOp : std::uint32_t {
    SrcCopy = 0x00CC0020,
    SrcPaint = 0x00EE0086,   // source OR destination
    SrcAnd = 0x008800C6,     // source AND destination
    SrcInvert = 0x00660046,  // source XOR destination
    NotSrcCopy = 0x00330008, // NOT source
    Blackness = 0x00000042,
    Whiteness = 0x00FF0062,
};

// Largest picture LoadBitMap accepts, in pixels; larger headers are refused
// before anything is decoded or allocated.
inline constexpr std::int64_t kMaxLoadPixels = 40'000'000;

class ClsDIB {
public:
    ClsDIB() = default;
    ~ClsDIB() { Free(); }
    ClsDIB(const ClsDIB&) = delete;
    ClsDIB& operator=(const ClsDIB&) = delete;

    // --- core ---
    bool Create(std::int32_t width, std::int32_t height, std::int32_t bitsPerPixel, bool clear = true);
    void Free();
    void Cls();

    std::intptr_t hDC() const; // non-zero while the buffer holds a bitmap
    std::int32_t DataSize() const;
    std::int32_t Width() const;
    std::int32_t Height() const;
    std::int32_t ColorBit() const;
    std::uint8_t* DataPtr();
    const std::uint8_t* DataPtr() const;
    std::int32_t Stride() const;

    // The 40-byte information header exactly as it is written to BMP files.
    std::array<std::uint8_t, 40> InfoHeader() const;

    ByteView MapArray();
    void UnMapArray(ByteView& view) const;

    // Colour table of 1-, 4- and 8-bit buffers; values are R + 256*G + 65536*B.
    std::int32_t GetColorTable(std::int32_t index) const;
    bool SetColorTable(std::int32_t index, std::int32_t rgb);

    // --- files ---
    // Any BMP layout (see BmpReader.h), ending at 24 bits per pixel; alpha is dropped.
    // On failure the buffer keeps what it held (or is empty if Create failed).
    bool LoadBitMap(const std::string& fileName);
    // The same from the bytes of a BMP file held in memory.
    bool LoadBitMapData(std::span<const std::uint8_t> bytes, std::int64_t maxPixels = kMaxLoadPixels);
    // Uncompressed BMP at the buffer's own depth; never leaves a half-written file.
    bool SaveBMP(const std::string& fileName) const;
    // The complete BMP file SaveBMP writes (empty for an empty buffer).
    std::vector<std::uint8_t> BmpFileBytes() const;

    // Why the last LoadBitMap or SaveBMP failed, in one line (empty after success).
    const std::string& LastError() const { return m_lastError; }

    // --- colour reduction (the destination is this buffer; the source must be 24-bit) ---
    bool ddGet1Bit(const ClsDIB& source);
    bool ddGet2Bit(const ClsDIB& source);
    bool ddGet3Bit(const ClsDIB& source, bool rotate);
    bool ddGet4Bit(const ClsDIB& source);
    bool ddGet216C(const ClsDIB& source, bool rotate);
    bool ddGet8Bit(const ClsDIB& source, bool rotate);
    bool ddGet16Bit(const ClsDIB& source, bool rotate);
    // Any of the modes above by value; the grey modes ignore `rotate`.
    bool Reduce(const ClsDIB& source, ReductionMode mode, bool rotate);

    // --- transfers over Qt images (coordinates in pixels, y from the top) ---
    bool GetMap(const QImage& picture, bool autoSize, RasterOp op = SrcCopy);
    bool GetMapEx(const QImage& picture, int x, int y, int w, int h, int sx, int sy, int sw, int sh,
                  RasterOp op = SrcCopy);
    bool GethDC(const QImage& source, int x, int y, int w, int h, int sx, int sy, RasterOp op = SrcCopy);
    bool GethDCEx(const QImage& source, int x, int y, int w, int h, int sx, int sy, int sw, int sh,
                  RasterOp op = SrcCopy);
    bool PuthDC(QImage& target, int x, int y, int w, int h, int bx, int by, RasterOp op = SrcCopy) const;
    bool PuthDCEx(QImage& target, int x, int y, int w, int h, int bx, int by, int bw, int bh,
                  RasterOp op = SrcCopy) const;

    // The picture as a 32-bit Qt image (colour tables applied), for showing and drawing.
    QImage ToQImage() const;

private:
    std::vector<std::uint8_t> m_pixels;
    std::array<std::uint8_t, 40> m_header{};
    std::array<std::uint32_t, 256> m_colorTable{}; // 0x00RRGGBB
    std::int32_t m_width = 0;
    std::int32_t m_height = 0;
    std::int32_t m_bits = 0;
    std::int32_t m_stride = 0;
    std::int32_t m_dataSize = 0;
    bool m_hasBitmap = false;
    mutable std::string m_lastError;

    bool fail(std::string message) const;
    void writeHeader();
    int paletteSize() const;
    bool storeRect(const QImage& picture, int x, int y, int w, int h);
    bool blit(const QImage& source, int x, int y, int w, int h, int sx, int sy, int sw, int sh, RasterOp op);
};

} // namespace pav::image
