// The picture decoder against hostile and damaged files: each is refused with
// its fault before any large allocation; sound pictures of every format decode.

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "HostilePictures.h"
#include "image/PictureDecoder.h"

namespace {

using namespace pav::image;
using namespace pav::image::test;

TEST(PictureDecoder, RefusesEveryHostileFileWithItsFault) {
    QTemporaryDir dir;
    for (const HostilePicture& file : makeHostilePictures(QDir(dir.path()))) {
        const DecodedPicture d = decodePicture(QDir(dir.path()).filePath(file.name).toStdString());
        EXPECT_FALSE(d.ok()) << file.name.toStdString();
        EXPECT_EQ(d.error.fault, file.fault) << file.name.toStdString() << ": " << d.error.reason;
        EXPECT_FALSE(d.error.reason.empty()) << file.name.toStdString();
    }
}

TEST(PictureDecoder, DecodesSoundPicturesAtTheSizeAsked) {
    QTemporaryDir dir;
    const QImage picture = gradient(120, 90);
    struct Case {
        const char* name;
        QByteArray bytes;
    };
    const std::vector<Case> cases = {
        {"a.bmp", encoded(picture, "BMP")},
        {"a.jpg", encoded(picture, "JPEG")},
        {"p.jpg", encoded(picture, "JPEG", true)},
        {"a.gif", gifPicture(120, 90)},
        {"a.png", encoded(picture, "PNG")},
        // A JPEG named .bmp: the content decides.
        {"jpeg.bmp", encoded(picture, "JPEG")},
        // Stray bytes before the end marker: libjpeg warns, but the picture is whole.
        {"stray-bytes.jpg", encoded(picture, "JPEG").chopped(2) + QByteArray("\x12\x34\xFF\xD9", 4)},
    };
    for (const Case& c : cases) {
        const std::string path = QDir(dir.path()).filePath(c.name).toStdString();
        write(QDir(dir.path()), c.name, c.bytes);
        const DecodedPicture full = decodePicture(path);
        ASSERT_TRUE(full.ok()) << c.name << ": " << full.error.reason;
        EXPECT_EQ(full.image.size(), QSize(120, 90)) << c.name;
        EXPECT_EQ(full.fullSize, QSize(120, 90)) << c.name;
        const DecodedPicture half = decodePicture(path, [](QSize s, bool) { return s / 2; });
        ASSERT_TRUE(half.ok()) << c.name;
        EXPECT_EQ(half.image.size(), QSize(60, 45)) << c.name;
        EXPECT_EQ(half.fullSize, QSize(120, 90)) << c.name;
    }
}

QString fixture(const char* name) {
    return QDir(qEnvironmentVariable("PAV_SOURCE_DIR")).filePath(QStringLiteral("tests/image/picture-fixtures/") + name);
}

// Files that once passed as pictures (with grey, black or missing parts, or far
// more memory than their bytes justify): the decoder sees it did not get all the
// data it needed, or that the file contradicts itself.
TEST(PictureDecoder, RefusesDamagedFilesThatOncePassed) {
    const std::pair<const char*, PictureFault> cases[] = {
        {"jpeg-scan-cut-end-kept.jpg", PictureFault::Incomplete},
        {"jpeg-frame-claims-more.jpg", PictureFault::Incomplete},
        {"rle8-without-end-of-bitmap.bmp", PictureFault::Incomplete},
        {"bmp-pixels-inside-header.bmp", PictureFault::NotAPicture},
        {"gif-frame-outside-screen.gif", PictureFault::NotAPicture},
        {"gif-frame-larger-than-screen.gif", PictureFault::NotAPicture},
        {"xbm-74-bytes-claims-5600x5600.xbm", PictureFault::Incomplete},
        {"png-damaged-data.png", PictureFault::NotAPicture},
    };
    for (const auto& [name, kind] : cases) {
        const DecodedPicture d = decodePicture(fixture(name).toStdString(), [](QSize s, bool) { return s / 4; });
        EXPECT_FALSE(d.ok()) << name;
        EXPECT_EQ(d.error.fault, kind) << name << ": " << d.error.reason;
        EXPECT_FALSE(d.error.reason.empty()) << name;
    }
    // A frame header that claims far more, read at a third of its claimed size.
    QTemporaryDir dir;
    write(QDir(dir.path()), "big.jpg", jpegClaiming(false, 12000, 9000));
    const DecodedPicture d = decodePicture(QDir(dir.path()).filePath("big.jpg").toStdString(),
                                           [](QSize s, bool) { return s / 3; });
    EXPECT_EQ(d.error.fault, PictureFault::Incomplete) << d.error.reason;
}

// A sound run-length BMP of 1,080 bytes claiming 5792 x 5792 pixels, all of them
// colour 0: read at the size asked for, never whole.
TEST(PictureDecoder, AHugeBmpIsShrunkWhileItIsRead) {
    const QSize asked(1000, 1000);
    const DecodedPicture d =
        decodePicture(fixture("rle8-5792x5792-end-only.bmp").toStdString(), [&](QSize, bool) { return asked; });
    ASSERT_TRUE(d.ok()) << d.error.reason;
    EXPECT_EQ(d.fullSize, QSize(5792, 5792));
    EXPECT_EQ(d.image.size(), asked);
    EXPECT_EQ(d.image.pixel(999, 999), 0xFF000000u);
}

// Shrinking while reading averages the pixels each target pixel covers.
TEST(PictureDecoder, ABmpShrunkWhileReadIsTheMeanOfItsPixels) {
    QTemporaryDir dir;
    QImage picture(6, 4, QImage::Format_RGB32);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) picture.setPixel(x, y, qRgb(40 * x, 60 * y, (x + y) % 2 ? 255 : 0));
    write(QDir(dir.path()), "six.bmp", encoded(picture, "BMP"));
    const DecodedPicture d =
        decodePicture(QDir(dir.path()).filePath("six.bmp").toStdString(), [](QSize, bool) { return QSize(3, 2); });
    ASSERT_TRUE(d.ok()) << d.error.reason;
    ASSERT_EQ(d.image.size(), QSize(3, 2));
    // The bottom right block: x 4..5, y 2..3.
    EXPECT_EQ(d.image.pixel(2, 1), qRgb(180, 150, 128));
}

} // namespace
