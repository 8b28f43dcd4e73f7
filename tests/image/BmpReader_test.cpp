// The program's BMP reader against files of every layout: ImageMagick's (in
// bmp-layouts/, each beside a PNG of the picture it holds), the same files with
// their rows stored top-down or behind a 108-byte header, and hand-made layouts
// that common writers do not put down. The pixel buffer and the picture decoder
// both read through it, so each file is checked through both.

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

#include "BmpFormat.h"
#include "BmpHeader.h"
#include "BmpReader.h"
#include "ClsDIB.h"
#include "PictureDecoder.h"
#include "TestPictures.h"

namespace {

using namespace pav::image;
using namespace pav::image::test;
using Bytes = std::vector<std::uint8_t>;

QString layoutsDir() {
    return QDir(qEnvironmentVariable("PAV_SOURCE_DIR")).filePath("tests/image/bmp-layouts");
}

// The picture as the reader delivers it, 0xAARRGGBB, or a null image with the reason.
QImage readerImage(const Bytes& file, std::string* why = nullptr) {
    const BmpHeaderCheck check = checkBmpHeader(file, 1 << 20);
    if (!check.ok()) {
        if (why) *why = check.error;
        return {};
    }
    QImage image(check.info.width, check.info.height, QImage::Format_ARGB32);
    image.fill(0x12345678u); // a row never written shows
    const BmpReadResult read = readBmpRows(file, check.info, [&](int row, const std::uint32_t* p) {
        std::memcpy(image.scanLine(row), p, 4 * static_cast<std::size_t>(check.info.width));
    });
    if (!read.ok()) {
        if (why) *why = read.reason;
        return {};
    }
    return image;
}

// Pixels equal where the expected one is visible; a clear pixel needs only be clear.
std::string differences(const QImage& actual, const QImage& expected, bool withAlpha = true) {
    if (actual.size() != expected.size())
        return "size " + std::to_string(actual.width()) + "x" + std::to_string(actual.height());
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x) {
            const QRgb want = expected.pixel(x, y), got = actual.pixel(x, y);
            const bool same = !withAlpha || qAlpha(want) == 255 ? (got & 0xFFFFFF) == (want & 0xFFFFFF) &&
                                                                      (!withAlpha || qAlpha(got) == 255)
                                                                : qAlpha(got) == qAlpha(want);
            if (!same) {
                char text[96];
                std::snprintf(text, sizeof text, "pixel %d,%d is %08X, not %08X", x, y, got, want);
                return text;
            }
        }
    return {};
}

// The same picture behind a 108-byte header: the 124-byte one without its last 16 bytes.
Bytes v4Header(Bytes f) {
    f.erase(f.begin() + 14 + 108, f.begin() + 14 + 124);
    putLe32(f, 14, 108);
    putLe32(f, 10, le32(f, 10) - 16);
    putLe32(f, 2, static_cast<std::uint32_t>(f.size()));
    return f;
}

struct Variant {
    const char* name;
    std::function<bool(const Bytes&)> applies;
    std::function<Bytes(Bytes)> make;
};

const std::vector<Variant>& variants() {
    static const std::vector<Variant> list = {
        {"as written", [](const Bytes&) { return true; }, [](Bytes f) { return f; }},
        {"top-down", [](const Bytes& f) { return le32(f, 14) != 12 && le32(f, 30) != BmpRle8; }, topDownBmp},
        {"108-byte header", [](const Bytes& f) { return le32(f, 14) == 124; }, v4Header},
        {"top-down, 108-byte header",
         [](const Bytes& f) { return le32(f, 14) == 124 && le32(f, 30) != BmpRle8; },
         [](Bytes f) { return topDownBmp(v4Header(std::move(f))); }},
    };
    return list;
}

TEST(BmpReader, ReadsEveryLayoutOfTheReferenceWriter) {
    const QStringList names = QDir(layoutsDir()).entryList({"*.bmp"}, QDir::Files);
    ASSERT_GE(names.size(), 14) << layoutsDir().toStdString();
    QTemporaryDir dir;
    int checked = 0;
    for (const QString& name : names) {
        const QImage expected = QImage(layoutsDir() + "/" + QString(name).replace(".bmp", ".png"))
                                    .convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(expected.isNull()) << name.toStdString();
        const Bytes original = readBytes((layoutsDir() + "/" + name).toStdString());
        for (const Variant& v : variants()) {
            if (!v.applies(original)) continue;
            const Bytes file = v.make(original);
            const std::string what = name.toStdString() + ", " + v.name;
            std::string why;
            const QImage read = readerImage(file, &why);
            ASSERT_FALSE(read.isNull()) << what << ": " << why;
            EXPECT_EQ(differences(read, expected), "") << what;

            const std::string path = QDir(dir.path()).filePath("layout.bmp").toStdString();
            writeBytes(path, file);
            const DecodedPicture decoded = decodePicture(path);
            ASSERT_TRUE(decoded.ok()) << what << ": " << decoded.error.reason;
            EXPECT_EQ(differences(decoded.image.convertToFormat(QImage::Format_ARGB32), expected), "")
                << what;

            ClsDIB dib;
            ASSERT_TRUE(dib.LoadBitMapData(file)) << what << ": " << dib.LastError();
            EXPECT_EQ(differences(dib.ToQImage(), expected, false), "") << what << " (pixel buffer)";
            ++checked;
        }
    }
    EXPECT_GT(checked, names.size()); // the variants ran, not only the files as written
}

// A hand-made BMP: a header of 40 bytes (masks, if any, behind it) or 124 bytes (masks in it).
struct HandMade {
    int width, height, bits;
    std::uint32_t compression = BmpRgb;
    std::vector<std::uint32_t> masks;
    std::vector<std::uint32_t> table; // 0xRRGGBB
    Bytes pixels;
    std::uint32_t headerSize = 40;
};

Bytes build(const HandMade& m) {
    const std::size_t maskBytes = m.headerSize == 40 ? 4 * m.masks.size() : 0;
    const std::size_t offset = 14 + m.headerSize + maskBytes + 4 * m.table.size();
    Bytes f(offset, 0);
    f[0] = 'B', f[1] = 'M';
    putLe32(f, 10, static_cast<std::uint32_t>(offset));
    putLe32(f, 14, m.headerSize);
    putLe32(f, 18, static_cast<std::uint32_t>(m.width));
    putLe32(f, 22, static_cast<std::uint32_t>(m.height));
    f[26] = 1;
    f[28] = static_cast<std::uint8_t>(m.bits);
    putLe32(f, 30, m.compression);
    putLe32(f, 34, static_cast<std::uint32_t>(m.pixels.size()));
    for (std::size_t i = 0; i < m.masks.size(); ++i)
        putLe32(f, 54 + 4 * i, m.masks[i]);
    for (std::size_t i = 0; i < m.table.size(); ++i)
        putLe32(f, 14 + m.headerSize + maskBytes + 4 * i, m.table[i]);
    f.insert(f.end(), m.pixels.begin(), m.pixels.end());
    putLe32(f, 2, static_cast<std::uint32_t>(f.size()));
    return f;
}

Bytes le16s(std::initializer_list<std::uint16_t> values) {
    Bytes b;
    for (const std::uint16_t v : values)
        for (int i = 0; i < 2; ++i)
            b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    return b;
}

Bytes le32s(std::initializer_list<std::uint32_t> values) {
    Bytes b;
    for (const std::uint32_t v : values)
        for (int i = 0; i < 4; ++i)
            b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    return b;
}

TEST(BmpReader, ScalesEveryChannelToTheFullRange) {
    const std::vector<std::uint32_t> table = {0x000000, 0x102030, 0xFF0000, 0x00FF00, 0x0000FF, 0x404040,
                                              0x808080, 0xFFFFFF, 0x010203, 0x111111, 0x222222, 0x333333,
                                              0x444444, 0x555555, 0x666666, 0x777777};
    struct Case {
        const char* name;
        HandMade file;
        std::vector<QRgb> rows; // top row first
    };
    const std::vector<Case> cases = {
        // 5-5-5 white is 255, not 248; 16 of 31 is 132.
        {"16-bit 5-5-5",
         {3, 1, 16, BmpRgb, {}, {}, le16s({0x7FFF, 0x4210, 0x001F, 0})},
         {0xFFFFFFFF, 0xFF848484, 0xFF0000FF}},
        // 4-4-4 white is 255, not 240; 8 of 15 is 136.
        {"16-bit 4-4-4 bit fields",
         {2, 1, 16, BmpBitFields, {0x0F00, 0x00F0, 0x000F}, {}, le16s({0x0FFF, 0x0888})},
         {0xFFFFFFFF, 0xFF888888}},
        {"16-bit 5-6-5",
         {2, 1, 16, BmpBitFields, {0xF800, 0x07E0, 0x001F}, {}, le16s({0xFFFF, 0x0400})},
         {0xFFFFFFFF, 0xFF008200}},
        // 10-bit channels: 1023 is 255 and 512 rounds to 128, not black.
        {"32-bit 10-bit masks",
         {2,
          1,
          32,
          BmpBitFields,
          {0x3FF00000, 0x000FFC00, 0x000003FF},
          {},
          le32s({0x3FFFFFFF, 0x20000000 | 0x3FF})},
         {0xFFFFFFFF, 0xFF8000FF}},
        {"32-bit alpha bit fields",
         {2,
          1,
          32,
          BmpAlphaBitFields,
          {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000},
          {},
          le32s({0x80FF0000, 0xFF00FF00})},
         {0x80FF0000, 0xFF00FF00}},
        {"16-bit alpha bit fields",
         {2, 1, 16, BmpAlphaBitFields, {0x0F00, 0x00F0, 0x000F, 0xF000}, {}, le16s({0x8F00, 0xF00F})},
         {0x88FF0000, 0xFF0000FF}},
        // A 124-byte header's alpha mask over alpha that is zero everywhere: opaque.
        {"32-bit alpha mask, no alpha",
         {2,
          1,
          32,
          BmpBitFields,
          {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000},
          {},
          le32s({0x00FF0000, 0x000000FF}),
          124},
         {0xFFFF0000, 0xFF0000FF}},
        // The fourth byte of a plain 32-bit picture is not alpha.
        {"32-bit plain",
         {2, 1, 32, BmpRgb, {}, {}, le32s({0x00102030, 0x7FFFFFFF})},
         {0xFF102030, 0xFFFFFFFF}},
        {"1-bit",
         {9, 1, 1, BmpRgb, {}, {0x000000, 0xFFFFFF}, {0xA5, 0x80, 0, 0}},
         {0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF, 0xFF000000, 0xFF000000, 0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF,
          0xFFFFFFFF}},
        // Bottom row: a run of 1, 2, 1, a run of 7; then a literal 3, 4, 5, 6 on the top row.
        {"RLE4",
         {4, 2, 4, BmpRle4, {}, table, {3, 0x12, 1, 0x70, 0, 0, 0, 4, 0x34, 0x56, 0, 1}},
         {0xFF00FF00, 0xFF0000FF, 0xFF404040, 0xFF808080, 0xFF102030, 0xFFFF0000, 0xFF102030, 0xFFFFFFFF}},
        // A jump over (0, 0) to (1, 1): the skipped pixels take colour 0; runs past the row end are cut.
        {"RLE8 jump",
         {3, 2, 8, BmpRle8, {}, table, {0, 2, 1, 1, 9, 7, 0, 1}},
         {0xFF000000, 0xFFFFFFFF, 0xFFFFFFFF, 0xFF000000, 0xFF000000, 0xFF000000}},
        // Every row closed by its end of line, the end mark missing: whole all the same.
        {"RLE8 without end mark after the last row",
         {2, 2, 8, BmpRle8, {}, table, {2, 2, 0, 0, 2, 3, 0, 0}},
         {0xFF00FF00, 0xFF00FF00, 0xFFFF0000, 0xFFFF0000}},
    };
    for (const Case& c : cases) {
        HandMade m = c.file;
        // Uncompressed cases are one row long: padded to a whole 32-bit word, as a file holds it.
        if (m.compression != BmpRle4 && m.compression != BmpRle8)
            m.pixels.resize((m.pixels.size() + 3) / 4 * 4, 0);
        const Bytes file = build(m);
        std::string why;
        const QImage read = readerImage(file, &why);
        ASSERT_FALSE(read.isNull()) << c.name << ": " << why;
        for (int i = 0; i < c.file.width * c.file.height; ++i) {
            const int x = i % c.file.width, y = i / c.file.width;
            EXPECT_EQ(read.pixel(x, y), c.rows[static_cast<std::size_t>(i)])
                << c.name << " pixel " << x << "," << y;
        }
    }
}

} // namespace
