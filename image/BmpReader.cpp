#include "BmpReader.h"
#include "BmpFormat.h"

#include <algorithm>
#include <array>
#include <bit>
#include <vector>

namespace pav::image {

namespace {

constexpr std::uint32_t kOpaque = 0xFF000000u;

// One channel of a masked pixel, scaled from its own range to 0..255 with rounding.
class Channel {
public:
    explicit Channel(std::uint32_t mask = 0) : m_mask(mask) {
        if (mask == 0) return;
        m_shift = std::countr_zero(mask);
        m_max = mask >> m_shift;
        if (m_max <= 0xFFFF) {
            m_table.resize(m_max + 1);
            for (std::uint32_t v = 0; v <= m_max; ++v)
                m_table[v] = scale(v);
        }
    }
    bool present() const { return m_mask != 0; }
    std::uint32_t mask() const { return m_mask; }
    std::uint8_t operator()(std::uint32_t pixel) const {
        if (m_mask == 0) return 0;
        const std::uint32_t v = (pixel & m_mask) >> m_shift;
        return m_table.empty() ? scale(v) : m_table[v];
    }

private:
    std::uint8_t scale(std::uint32_t v) const {
        return static_cast<std::uint8_t>((std::uint64_t{v} * 255 + m_max / 2) / m_max);
    }
    std::uint32_t m_mask = 0;
    int m_shift = 0;
    std::uint32_t m_max = 0;
    std::vector<std::uint8_t> m_table;
};

struct Masks {
    std::uint32_t red = 0, green = 0, blue = 0, alpha = 0;
    bool sound = true;
};

// The channel masks of a 16- or 32-bit picture: from the file for bit fields, the
// fixed 5-5-5 or 8-8-8 layout otherwise (whose fourth byte is not alpha).
Masks masksOf(std::span<const std::uint8_t> file, const BmpHeaderInfo& info) {
    Masks m;
    const bool fields = info.compression == BmpBitFields || info.compression == BmpAlphaBitFields;
    if (!fields) {
        if (info.bitsPerPixel == 16)
            m = {0x7C00, 0x03E0, 0x001F, 0};
        else
            m = {0x00FF0000, 0x0000FF00, 0x000000FF, 0};
        return m;
    }
    const std::size_t at = kFileHeaderSize + 40;
    // The 64-byte header of the other family keeps other fields where the masks would be.
    if (info.headerSize == 64 || (info.headerSize == 12)) {
        m.sound = false;
        return m;
    }
    m.red = le32(file, at);
    m.green = le32(file, at + 4);
    m.blue = le32(file, at + 8);
    const bool alphaFollows =
        info.headerSize == 40 ? info.compression == BmpAlphaBitFields : info.headerSize >= 56;
    if (alphaFollows) m.alpha = le32(file, at + 12);
    return m;
}

std::size_t strideOf(const BmpHeaderInfo& info) {
    return ((static_cast<std::size_t>(info.width) * info.bitsPerPixel + 31) / 32) * 4;
}

// The colour table of a picture of up to 8 bits: as many entries as the header
// declares and the bytes before the pixels hold; the rest black.
std::vector<std::uint32_t> colourTable(std::span<const std::uint8_t> file, const BmpHeaderInfo& info) {
    const std::size_t size = std::size_t{1} << info.bitsPerPixel;
    std::vector<std::uint32_t> table(size, kOpaque);
    const std::size_t start = kFileHeaderSize + info.headerSize;
    const std::size_t entryBytes = info.headerSize == 12 ? 3 : 4;
    std::size_t declared = size;
    if (info.headerSize >= 36) {
        const std::uint32_t used = le32(file, kFileHeaderSize + 32);
        if (used != 0 && used < size) declared = used;
    }
    const std::size_t available = info.pixelOffset > start ? (info.pixelOffset - start) / entryBytes : 0;
    const std::size_t count = std::min(declared, available);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = start + i * entryBytes;
        table[i] = kOpaque | std::uint32_t{file[at + 2]} << 16 | std::uint32_t{file[at + 1]} << 8 | file[at];
    }
    return table;
}

BmpReadResult incomplete(std::string why) {
    return {BmpReadFault::Incomplete, std::move(why)};
}

BmpReadResult damaged(std::string why) {
    return {BmpReadFault::Damaged, std::move(why)};
}

class RowDecoder {
public:
    RowDecoder(std::span<const std::uint8_t> file, const BmpHeaderInfo& info)
        : m_file(file), m_info(info), m_row(static_cast<std::size_t>(info.width)) {}

    BmpReadResult run(const BmpRowSink& sink) {
        if (m_info.bitsPerPixel <= 8) m_table = colourTable(m_file, m_info);
        if (m_info.compression == BmpRle8 || m_info.compression == BmpRle4) return runLength(sink);
        if (m_info.bitsPerPixel == 16 || m_info.bitsPerPixel == 32) {
            const Masks masks = masksOf(m_file, m_info);
            if (!masks.sound) return damaged("damaged BMP file (no channel masks)");
            m_red = Channel(masks.red), m_green = Channel(masks.green), m_blue = Channel(masks.blue);
            if (bmpHasAlpha(m_file, m_info)) m_alpha = Channel(masks.alpha);
        }
        const std::size_t stride = strideOf(m_info);
        for (int i = 0; i < m_info.height; ++i) {
            unpack(m_file.data() + m_info.pixelOffset + static_cast<std::size_t>(i) * stride);
            sink(m_info.topDown ? i : m_info.height - 1 - i, m_row.data());
        }
        return {};
    }

private:
    std::uint32_t masked(std::uint32_t p) const {
        const std::uint32_t a = m_alpha.present() ? m_alpha(p) : 255;
        return a << 24 | std::uint32_t{m_red(p)} << 16 | std::uint32_t{m_green(p)} << 8 | m_blue(p);
    }

    void unpack(const std::uint8_t* src) {
        const int w = m_info.width;
        switch (m_info.bitsPerPixel) {
        case 1:
            for (int x = 0; x < w; ++x)
                m_row[x] = m_table[(src[x >> 3] >> (7 - (x & 7))) & 1];
            break;
        case 4:
            for (int x = 0; x < w; ++x)
                m_row[x] = m_table[(src[x >> 1] >> ((x & 1) ? 0 : 4)) & 15];
            break;
        case 8:
            for (int x = 0; x < w; ++x)
                m_row[x] = m_table[src[x]];
            break;
        case 16:
            for (int x = 0; x < w; ++x)
                m_row[x] = masked(src[2 * x] | src[2 * x + 1] << 8);
            break;
        case 24:
            for (int x = 0; x < w; ++x, src += 3)
                m_row[x] = kOpaque | std::uint32_t{src[2]} << 16 | std::uint32_t{src[1]} << 8 | src[0];
            break;
        default: // 32
            for (int x = 0; x < w; ++x, src += 4)
                m_row[x] = masked(std::uint32_t{src[0]} | std::uint32_t{src[1]} << 8 |
                                  std::uint32_t{src[2]} << 16 | std::uint32_t{src[3]} << 24);
            break;
        }
    }

    // Run-length rows, bottom-up: runs of one index (two alternating ones at 4 bits),
    // literal stretches, and escapes for end of line, end of picture and a jump.
    BmpReadResult runLength(const BmpRowSink& sink) {
        const bool four = m_info.compression == BmpRle4;
        const int w = m_info.width, h = m_info.height;
        const std::uint32_t background = m_table[0];
        std::fill(m_row.begin(), m_row.end(), background);
        int x = 0, y = 0; // y counts rows from the bottom
        const auto nextRow = [&] {
            if (y < h) sink(h - 1 - y, m_row.data());
            ++y;
            std::fill(m_row.begin(), m_row.end(), background);
        };
        const auto put = [&](int index) {
            if (x < w && y < h) m_row[static_cast<std::size_t>(x)] = m_table[static_cast<std::size_t>(index)];
            ++x;
        };
        std::size_t at = m_info.pixelOffset;
        const std::size_t end = m_file.size();
        while (y < h) {
            if (at + 2 > end)
                return incomplete("truncated BMP file (run-length data ends before the picture)");
            const int count = m_file[at], code = m_file[at + 1];
            at += 2;
            if (count > 0) {
                // Pixels past the row's end are dropped: stop counting there.
                const int n = std::min(count, std::max(0, w - x));
                for (int i = 0; i < n; ++i)
                    put(four ? (i & 1 ? code & 15 : code >> 4) : code);
                x = std::min(w, x + (count - n)); // past the end stays at the end, however long the row
                continue;
            }
            if (code == 0) { // end of line
                nextRow();
                x = 0;
            } else if (code == 1) { // end of picture: the rows left take the background
                while (y < h)
                    nextRow();
                return {};
            } else if (code == 2) { // jump right and up
                if (at + 2 > end)
                    return incomplete("truncated BMP file (run-length data ends before the picture)");
                x = std::min(w, x + m_file[at]);
                for (int dy = m_file[at + 1]; dy > 0 && y < h; --dy)
                    nextRow();
                at += 2;
            } else { // a literal stretch of `code` indices, padded to a whole 16-bit word
                const std::size_t bytes = four ? (static_cast<std::size_t>(code) + 1) / 2 : code;
                if (at + bytes > end)
                    return incomplete("truncated BMP file (run-length data ends before the picture)");
                const int n = std::min(code, std::max(0, w - x));
                for (int i = 0; i < n; ++i)
                    put(four ? (m_file[at + i / 2] >> (i & 1 ? 0 : 4)) & 15 : m_file[at + i]);
                x = std::min(w, x + (code - n));
                at += bytes + (bytes & 1);
            }
        }
        // Every row ended with its end of line: the picture is whole though its end mark is missing.
        return {};
    }

    std::span<const std::uint8_t> m_file;
    const BmpHeaderInfo& m_info;
    std::vector<std::uint32_t> m_row;
    std::vector<std::uint32_t> m_table;
    Channel m_red, m_green, m_blue, m_alpha;
};

} // namespace

bool bmpHasAlpha(std::span<const std::uint8_t> file, const BmpHeaderInfo& info) {
    if (info.bitsPerPixel != 16 && info.bitsPerPixel != 32) return false;
    const Masks masks = masksOf(file, info);
    if (!masks.sound || masks.alpha == 0) return false;
    const std::size_t stride = strideOf(info);
    const std::size_t bytesPerPixel = static_cast<std::size_t>(info.bitsPerPixel) / 8;
    for (int i = 0; i < info.height; ++i) {
        const std::uint8_t* p = file.data() + info.pixelOffset + static_cast<std::size_t>(i) * stride;
        for (int x = 0; x < info.width; ++x, p += bytesPerPixel) {
            std::uint32_t v = p[0] | p[1] << 8;
            if (bytesPerPixel == 4) v |= std::uint32_t{p[2]} << 16 | std::uint32_t{p[3]} << 24;
            if (v & masks.alpha) return true;
        }
    }
    return false;
}

BmpReadResult readBmpRows(std::span<const std::uint8_t> file, const BmpHeaderInfo& info,
                          const BmpRowSink& sink) {
    RowDecoder decoder(file, info);
    return decoder.run(sink);
}

} // namespace pav::image
