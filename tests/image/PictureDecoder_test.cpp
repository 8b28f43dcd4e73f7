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

// A progressive JPEG within the coefficient budget, but claiming more than its
// data holds, still decodes at a bounded scale (its data ends in EOI).
TEST(PictureDecoder, ALargeJpegDecodesShrunkWithinTheBudget) {
    QTemporaryDir dir;
    write(QDir(dir.path()), "big.jpg", jpegClaiming(false, 12000, 9000));
    const DecodedPicture d = decodePicture(QDir(dir.path()).filePath("big.jpg").toStdString(),
                                           [](QSize s, bool) { return s / 3; });
    ASSERT_TRUE(d.ok()) << d.error.reason;
    EXPECT_EQ(d.fullSize, QSize(12000, 9000));
    EXPECT_LE(qint64(d.image.width()) * d.image.height(), kMaxFullDecodePixels);
}

} // namespace
