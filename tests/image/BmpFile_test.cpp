#include "ClsDIB.h"
#include "TestPictures.h"

#include <QImage>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace pav::image;
using namespace pav::image::test;

namespace {

// A hand-made BMP: file header, 40-byte info header, optional colour table and pixel bytes.
std::vector<std::uint8_t> handMadeBmp(std::int32_t width, std::int32_t height, int bits,
                                      std::uint32_t compression, const std::vector<std::uint8_t>& table,
                                      const std::vector<std::uint8_t>& pixels) {
    std::vector<std::uint8_t> f(54 + table.size() + pixels.size(), 0);
    f[0] = 'B', f[1] = 'M';
    putLe32(f, 2, static_cast<std::uint32_t>(f.size()));
    putLe32(f, 10, static_cast<std::uint32_t>(54 + table.size()));
    putLe32(f, 14, 40);
    putLe32(f, 18, static_cast<std::uint32_t>(width));
    putLe32(f, 22, static_cast<std::uint32_t>(height));
    f[26] = 1;
    f[28] = static_cast<std::uint8_t>(bits);
    putLe32(f, 30, compression);
    putLe32(f, 34, static_cast<std::uint32_t>(pixels.size()));
    std::copy(table.begin(), table.end(), f.begin() + 54);
    std::copy(pixels.begin(), pixels.end(), f.begin() + 54 + static_cast<std::ptrdiff_t>(table.size()));
    return f;
}

// Colour table of 256 greys, blue-green-red-0.
std::vector<std::uint8_t> greyTable() {
    std::vector<std::uint8_t> t;
    for (int i = 0; i < 256; ++i)
        t.insert(t.end(), {std::uint8_t(i), std::uint8_t(i), std::uint8_t(i), 0});
    return t;
}

} // namespace

TEST(SaveBMP, FileSizesAndFieldsPerDepth) {
    ScratchDir dir("save-layout");
    struct Case {
        int width, height, bits, fileSize, offset, imageSize;
    };
    const Case cases[] = {
        {10, 10, 24, 374, 54, 320}, {10, 10, 4, 198, 118, 80}, {10, 10, 8, 1198, 1078, 120},
        {1, 1, 1, 66, 62, 4},       {3, 2, 16, 70, 54, 16},    {3, 2, 32, 78, 54, 24},
    };
    for (const Case& c : cases) {
        ClsDIB dib;
        makeSeeded(dib, c.width, c.height, 7); // a 24-bit picture, then the wanted depth with seeded bytes
        ASSERT_TRUE(dib.Create(c.width, c.height, c.bits, true));
        for (int i = 0; i < dib.DataSize(); ++i)
            dib.DataPtr()[i] = static_cast<std::uint8_t>(i * 37 + 11);
        for (int k = 0; k < (c.bits <= 8 ? 1 << c.bits : 0); ++k)
            dib.SetColorTable(k, k * 0x010203);

        const std::string file = dir.file("layout.bmp");
        ASSERT_TRUE(dib.SaveBMP(file)) << dib.LastError();
        const std::vector<std::uint8_t> bytes = readBytes(file);
        const std::string what =
            std::to_string(c.width) + "x" + std::to_string(c.height) + "@" + std::to_string(c.bits);
        ASSERT_EQ(bytes.size(), static_cast<std::size_t>(c.fileSize)) << what;
        EXPECT_EQ(bytes[0], 'B');
        EXPECT_EQ(bytes[1], 'M');
        EXPECT_EQ(le32(bytes, 2), static_cast<std::uint32_t>(c.fileSize)) << what;
        EXPECT_EQ(le32(bytes, 6), 0u) << "reserved";
        EXPECT_EQ(le32(bytes, 10), static_cast<std::uint32_t>(c.offset)) << what;
        const std::array<std::uint8_t, 40> header = dib.InfoHeader();
        EXPECT_TRUE(std::equal(header.begin(), header.end(), bytes.begin() + 14)) << what;
        EXPECT_EQ(le32(bytes, 14 + 20), static_cast<std::uint32_t>(c.imageSize)) << what;
        for (int k = 0; k < (c.bits <= 8 ? 1 << c.bits : 0); ++k) {
            const int rgb = dib.GetColorTable(k);
            const std::size_t at = 54 + 4 * k;
            ASSERT_EQ(bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | bytes[at + 3] << 24,
                      (rgb >> 16) | (rgb & 0xFF00) | (rgb & 0xFF) << 16)
                << what << " entry " << k;
        }
        EXPECT_TRUE(std::equal(bytes.begin() + c.offset, bytes.end(), dib.DataPtr())) << what;
    }
}

TEST(SaveBMP, RoundTripsAtOddWidths) {
    ScratchDir dir("round-trip");
    for (const int width : {1, 2, 3, 5, 7, 9, 17, 31, 230})
        for (const int height : {1, 2, 5}) {
            ClsDIB original, loaded;
            makeSeeded(original, width, height, static_cast<unsigned>(width * 100 + height));
            const std::string file = dir.file("odd.bmp");
            ASSERT_TRUE(original.SaveBMP(file));
            ASSERT_TRUE(loaded.LoadBitMap(file)) << loaded.LastError();
            ASSERT_EQ(loaded.Width(), width);
            ASSERT_EQ(loaded.Height(), height);
            ASSERT_EQ(loaded.ColorBit(), 24);
            ASSERT_EQ(loaded.DataSize(), original.DataSize());
            EXPECT_TRUE(
                std::equal(original.DataPtr(), original.DataPtr() + original.DataSize(), loaded.DataPtr()))
                << width << "x" << height;
        }
}

// Any depth we write loads back as the same picture at 24 bits.
TEST(SaveBMP, OtherDepthsLoadBackAt24Bits) {
    ScratchDir dir("depths");
    for (const int bits : {1, 4, 8, 16, 32}) {
        ClsDIB dib, loaded;
        ASSERT_TRUE(dib.Create(13, 6, bits, true));
        for (int i = 0; i < dib.DataSize(); ++i)
            dib.DataPtr()[i] = static_cast<std::uint8_t>(i * 73 + 5);
        for (int k = 0; k < (bits <= 8 ? 1 << bits : 0); ++k)
            dib.SetColorTable(k, (k * 0x3F1D27) & 0xFFFFFF);
        ASSERT_TRUE(dib.SaveBMP(dir.file("depth.bmp")));
        ASSERT_TRUE(loaded.LoadBitMap(dir.file("depth.bmp"))) << bits << ": " << loaded.LastError();
        ASSERT_EQ(loaded.ColorBit(), 24);
        const QImage expected = dib.ToQImage();
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 13; ++x) {
                const QRgb e = expected.pixel(x, y);
                ASSERT_EQ(pixelAt(loaded, x, y), qRed(e) + 256 * qGreen(e) + 65536 * qBlue(e))
                    << bits << " bits at " << x << "," << y;
            }
    }
}

TEST(SaveBMP, ReplacesALongerFileWhole) {
    ScratchDir dir("overwrite");
    const std::string file = dir.file("long.bmp");
    writeBytes(file, std::vector<std::uint8_t>(5000, 0xEE));
    ClsDIB dib;
    makeSeeded(dib, 3, 3, 1);
    ASSERT_TRUE(dib.SaveBMP(file));
    EXPECT_EQ(readBytes(file), dib.BmpFileBytes());
}

TEST(SaveBMP, FailureNeverDestroysAnExistingFile) {
    ScratchDir dir("save-failures");
    const std::string existing = dir.file("keep.bmp");
    const std::vector<std::uint8_t> old(300, 0x5A);
    writeBytes(existing, old);

    ClsDIB empty;
    EXPECT_FALSE(empty.SaveBMP(existing));
    EXPECT_FALSE(empty.LastError().empty());
    EXPECT_EQ(readBytes(existing), old) << "an empty buffer leaves the file alone";

    ClsDIB dib;
    makeSeeded(dib, 4, 4, 2);
    EXPECT_FALSE(dib.SaveBMP(dir.file("missing-folder/x.bmp")));
    EXPECT_FALSE(dib.SaveBMP(existing + "/x.bmp")) << "a file is not a folder";
    EXPECT_FALSE(dib.SaveBMP(dir.path().string())) << "a folder is not a file";
    EXPECT_FALSE(dib.LastError().empty());
    if (geteuid() != 0) { // permissions do not bind the superuser
        std::filesystem::permissions(existing, std::filesystem::perms::owner_read);
        EXPECT_FALSE(dib.SaveBMP(existing));
        EXPECT_EQ(readBytes(existing), old);
    }
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        EXPECT_EQ(entry.path().filename(), "keep.bmp") << "no temporary file is left behind";
}

TEST(LoadBitMap, ReadsFilesQtWritesAndHandMadeVariants) {
    ScratchDir dir("variants");
    // An 8-bit indexed picture written by Qt.
    QImage indexed(5, 3, QImage::Format_Indexed8);
    indexed.setColorCount(2);
    indexed.setColor(0, qRgb(10, 20, 30));
    indexed.setColor(1, qRgb(200, 100, 50));
    indexed.fill(0);
    indexed.setPixel(4, 0, 1);
    ASSERT_TRUE(indexed.save(QString::fromStdString(dir.file("indexed.bmp")), "BMP"));
    ClsDIB dib;
    ASSERT_TRUE(dib.LoadBitMap(dir.file("indexed.bmp"))) << dib.LastError();
    EXPECT_EQ(dib.ColorBit(), 24);
    EXPECT_EQ(pixelAt(dib, 4, 0), 200 + 256 * 100 + 65536 * 50);
    EXPECT_EQ(pixelAt(dib, 0, 0), 10 + 256 * 20 + 65536 * 30);

    // Top-down rows (negative height): row 0 in the file is the top row.
    const std::vector<std::uint8_t> twoRows = {0,   0, 255, 0,
                                               255, 0, 0,   0}; // 1 x 2 at 24 bits: red, then blue
    writeBytes(dir.file("topdown.bmp"), handMadeBmp(1, -2, 24, 0, {}, twoRows));
    ASSERT_TRUE(dib.LoadBitMap(dir.file("topdown.bmp"))) << dib.LastError();
    EXPECT_EQ(dib.Height(), 2);
    EXPECT_EQ(pixelAt(dib, 0, 0), 255) << "red on top";
    EXPECT_EQ(pixelAt(dib, 0, 1), 65536 * 255);

    // Run-length encoded 8-bit: 3 pixels of grey 7 and one of grey 200 in one row.
    const std::vector<std::uint8_t> rle = {3, 7, 1, 200, 0, 0, 0, 1};
    writeBytes(dir.file("rle.bmp"), handMadeBmp(4, 1, 8, 1, greyTable(), rle));
    ASSERT_TRUE(dib.LoadBitMap(dir.file("rle.bmp"))) << dib.LastError();
    EXPECT_EQ(pixelAt(dib, 2, 0), 7 * 0x010101);
    EXPECT_EQ(pixelAt(dib, 3, 0), 200 * 0x010101);
}

TEST(LoadBitMap, RefusesDamagedAndHostileFiles) {
    ScratchDir dir("bad-input");
    ClsDIB good;
    makeSeeded(good, 6, 4, 3);
    const std::vector<std::uint8_t> valid = good.BmpFileBytes();
    const auto truncated = [&](std::size_t n) {
        return std::vector<std::uint8_t>(valid.begin(), valid.begin() + n);
    };
    const auto patched = [&](std::size_t at, std::uint32_t value) {
        std::vector<std::uint8_t> b = valid;
        putLe32(b, at, value);
        return b;
    };
    std::vector<std::uint8_t> notBmp = valid;
    notBmp[0] = 'X';

    QImage png(4, 4, QImage::Format_RGB32);
    png.fill(Qt::red);
    ASSERT_TRUE(png.save(QString::fromStdString(dir.file("picture.png")), "PNG"));

    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
    };
    const Case cases[] = {
        {"zero-size", {}},
        {"signature only", truncated(2)},
        {"file header only", truncated(14)},
        {"half an info header", truncated(30)},
        {"truncated pixel data", truncated(valid.size() - 1)},
        {"no pixel data", truncated(54)},
        {"wrong signature", notBmp},
        {"100000 x 100000", handMadeBmp(100000, 100000, 24, 0, {}, std::vector<std::uint8_t>(64, 0))},
        {"negative width", patched(18, static_cast<std::uint32_t>(-6))},
        {"zero height", patched(22, 0)},
        {"most negative height", patched(22, 0x80000000u)},
        {"absurd header size", patched(14, 0x7FFFFFF0)},
        {"bits per pixel 7", handMadeBmp(2, 2, 7, 0, {}, std::vector<std::uint8_t>(16, 0))},
        {"unknown compression", patched(30, 9)},
        {"pixel offset past the end", patched(10, 100000)},
        {"PNG with a .bmp name", readBytes(dir.file("picture.png"))},
    };
    for (const Case& c : cases) {
        writeBytes(dir.file("bad.bmp"), c.bytes);
        ClsDIB dib;
        makeSeeded(dib, 2, 2, 9);
        const std::vector<std::uint8_t> before(dib.DataPtr(), dib.DataPtr() + dib.DataSize());
        EXPECT_FALSE(dib.LoadBitMap(dir.file("bad.bmp"))) << c.name;
        EXPECT_FALSE(dib.LastError().empty()) << c.name;
        ASSERT_EQ(dib.Width(), 2) << c.name << ": the buffer keeps what it held";
        EXPECT_TRUE(std::equal(before.begin(), before.end(), dib.DataPtr())) << c.name;
    }
    ClsDIB dib;
    EXPECT_FALSE(dib.LoadBitMap(dir.file("does-not-exist.bmp")));
    EXPECT_FALSE(dib.LoadBitMap(dir.file("picture.png")));
    EXPECT_NE(dib.LastError().find("not a BMP"), std::string::npos) << dib.LastError();
    EXPECT_FALSE(dib.LoadBitMap(dir.path().string())) << "a folder";
}
