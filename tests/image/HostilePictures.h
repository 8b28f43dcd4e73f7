#pragma once
// Damaged and hostile picture files, made in a scratch folder: decoder memory
// bombs (headers that claim huge sizes), pictures cut short, a FIFO and a
// folder. Each comes with the fault the decoder must give it.

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QString>

#include <string>
#include <vector>

#include <sys/stat.h>

#include "image/PictureDecoder.h"

namespace pav::image::test {

struct HostilePicture {
    QString name;
    PictureFault fault;
};

inline QImage gradient(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) image.setPixel(x, y, qRgb(x * 255 / w, y * 255 / h, (x ^ y) & 255));
    return image;
}

inline QByteArray encoded(const QImage& image, const char* format, bool progressive = false) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return bytes;
}

inline void putBe16(QByteArray& d, qsizetype at, int v) {
    d[at] = static_cast<char>(v >> 8);
    d[at + 1] = static_cast<char>(v);
}

inline void putLe32(QByteArray& d, qsizetype at, quint32 v) {
    for (int i = 0; i < 4; ++i) d[at + i] = static_cast<char>(v >> (8 * i));
}

// A GIF (Qt writes none) of w x h pixels in a 128-grey palette. With a
// 7-bit code size and a clear code every 100 pixels, each LZW code is one byte.
inline QByteArray gifPicture(int w, int h) {
    QByteArray d("GIF89a");
    const auto le16 = [&d](int v) {
        d.append(static_cast<char>(v & 255));
        d.append(static_cast<char>(v >> 8));
    };
    le16(w);
    le16(h);
    d.append(static_cast<char>(0x80 | 0x60 | 6)); // global table of 128 colours
    d.append('\0').append('\0');
    for (int i = 0; i < 128; ++i) d.append(3, static_cast<char>(i * 2));
    d.append(',');
    le16(0);
    le16(0);
    le16(w);
    le16(h);
    d.append('\0').append(static_cast<char>(7));
    QByteArray codes;
    for (int i = 0; i < w * h; ++i) {
        if (i % 100 == 0) codes.append(static_cast<char>(128));
        codes.append(static_cast<char>((i % w + i / w) & 127));
    }
    codes.append(static_cast<char>(129));
    for (qsizetype at = 0; at < codes.size(); at += 255) {
        const QByteArray block = codes.mid(at, 255);
        d.append(static_cast<char>(block.size())).append(block);
    }
    d.append('\0').append(';');
    return d;
}

// A JPEG whose frame header claims width x height.
inline QByteArray jpegClaiming(bool progressive, int width, int height) {
    QByteArray d = encoded(gradient(64, 48), "JPEG", progressive);
    const qsizetype sof = d.indexOf(progressive ? "\xFF\xC2" : "\xFF\xC0");
    putBe16(d, sof + 5, height);
    putBe16(d, sof + 7, width);
    return d;
}

// A 24-bit BMP of 118 bytes whose header claims width x height.
inline QByteArray bmpClaiming(qint32 width, qint32 height) {
    QByteArray d = encoded(gradient(8, 8), "BMP").left(118);
    putLe32(d, 18, static_cast<quint32>(width));
    putLe32(d, 22, static_cast<quint32>(height));
    return d;
}

inline void write(const QDir& dir, const QString& name, const QByteArray& bytes) {
    QFile f(dir.filePath(name));
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
}

inline std::vector<HostilePicture> makeHostilePictures(const QDir& dir) {
    const QImage picture = gradient(400, 300);
    const QByteArray bmp = encoded(picture, "BMP");
    const QByteArray jpeg = encoded(picture, "JPEG");
    const QByteArray gif = gifPicture(120, 90);
    const QByteArray png = encoded(picture, "PNG");
    QByteArray farPixels = bmp;
    putLe32(farPixels, 10, static_cast<quint32>(bmp.size() + 100));

    std::vector<std::pair<HostilePicture, QByteArray>> files = {
        {{"progressive-20000x20000.jpg", PictureFault::TooLarge}, jpegClaiming(true, 20000, 20000)},
        {{"baseline-60000x60000.jpg", PictureFault::TooLarge}, jpegClaiming(false, 60000, 60000)},
        {{"claims-20000x20000.bmp", PictureFault::TooLarge}, bmpClaiming(20000, 20000)},
        // Within the size budget, but with no pixel data behind the header.
        {{"claims-5000x6000.bmp", PictureFault::Incomplete}, bmpClaiming(5000, 6000)},
        {{"claims-2x16000000.bmp", PictureFault::Incomplete}, bmpClaiming(2, 16000000)},
        {{"cut-at-60.bmp", PictureFault::Incomplete}, bmp.left(60)},
        {{"cut-in-pixels.bmp", PictureFault::Incomplete}, bmp.left(bmp.size() / 2)},
        {{"pixels-past-the-end.bmp", PictureFault::Incomplete}, farPixels},
        {{"cut-to-a-third.jpg", PictureFault::Incomplete}, jpeg.left(jpeg.size() / 3)},
        {{"cut-in-header.jpg", PictureFault::Incomplete}, jpeg.left(100)},
        {{"cut-in-frame.gif", PictureFault::Incomplete}, gif.left(gif.size() * 2 / 3)},
        {{"cut.png", PictureFault::Incomplete}, png.left(png.size() / 2)},
        {{"words.jpg", PictureFault::NotAPicture}, QByteArray("not a picture at all")},
        {{"empty.bmp", PictureFault::NotAPicture}, QByteArray()},
    };
    std::vector<HostilePicture> list;
    for (const auto& [entry, bytes] : files) {
        write(dir, entry.name, bytes);
        list.push_back(entry);
    }
    dir.mkdir("folder.jpg");
    list.push_back({"folder.jpg", PictureFault::NotAFile});
    if (::mkfifo(QFile::encodeName(dir.filePath("fifo.bmp")).constData(), 0600) == 0)
        list.push_back({"fifo.bmp", PictureFault::NotAFile});
    list.push_back({"missing.gif", PictureFault::NotFound});
    return list;
}

} // namespace pav::image::test
