#include "image/PictureDecoder.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <span>
#include <vector>

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include <sys/stat.h>

#include "image/BmpHeader.h"
#include "image/BmpReader.h"
#include "image/QuietStderr.h"
#include "image/RowShrink.h"

namespace pav::image {
namespace {

PictureError fault(PictureFault kind, std::string reason) {
    return PictureError{kind, std::move(reason)};
}

DecodedPicture failed(PictureError error, QSize full = QSize()) {
    DecodedPicture d;
    d.fullSize = full;
    d.error = std::move(error);
    return d;
}

std::string sizeText(QSize size) {
    return std::to_string(size.width()) + " x " + std::to_string(size.height());
}

std::int64_t pixels(QSize size) {
    return std::int64_t{size.width()} * size.height();
}

// What Qt's image readers say while one picture is decoded. libjpeg reports
// entropy data that ran out ("premature end of data segment") only as a
// warning, after which the reader fills the rest of the picture with grey and
// reports success; the notes are how the decoder learns of it. They never
// reach stderr: every failure is this decoder's one reason. Other messages go
// on to the handler that was installed before.
class ReaderNotes {
public:
    ReaderNotes() : m_outer(s_current) {
        s_current = this;
        m_previous = qInstallMessageHandler(&ReaderNotes::handle);
    }
    ~ReaderNotes() {
        qInstallMessageHandler(m_previous);
        s_current = m_outer;
    }
    ReaderNotes(const ReaderNotes&) = delete;
    ReaderNotes& operator=(const ReaderNotes&) = delete;

    bool any(const char* words) const {
        for (const QString& note : m_notes)
            if (note.contains(QLatin1String(words), Qt::CaseInsensitive)) return true;
        return false;
    }

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message) {
        ReaderNotes* notes = s_current;
        if (context.category && qstrncmp(context.category, "qt.gui.imageio", 14) == 0) {
            if (notes) notes->m_notes.push_back(message);
            return;
        }
        if (notes && notes->m_previous) notes->m_previous(type, context, message);
        else std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    }

    static inline ReaderNotes* s_current = nullptr;
    ReaderNotes* m_outer;
    QtMessageHandler m_previous = nullptr;
    std::vector<QString> m_notes;
};

// What libjpeg's warnings say of the picture just read: missing entropy data
// makes it incomplete, codes no writer puts down make it damaged. Extraneous
// bytes before a marker, and the rest, leave the picture whole.
PictureError jpegNotesFault(const ReaderNotes& notes) {
    if (notes.any("premature end"))
        return fault(PictureFault::Incomplete, "JPEG file incomplete (its picture data ends early)");
    if (notes.any("bad Huffman code") || notes.any("instead of RST"))
        return fault(PictureFault::NotAPicture, "damaged JPEG file");
    return {};
}

int be16(const QByteArray& d, qsizetype at) {
    return (static_cast<unsigned char>(d[at]) << 8) | static_cast<unsigned char>(d[at + 1]);
}

bool isProgressiveSof(int marker) {
    return marker == 0xC2 || marker == 0xC6 || marker == 0xCA || marker == 0xCE;
}

bool isSof(int marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// The coefficient memory libjpeg keeps for a progressive picture: every
// component's 8 x 8 blocks of 16-bit coefficients, at its sampling.
std::int64_t coefficientBytes(const QByteArray& d, qsizetype sof) {
    const std::int64_t height = be16(d, sof + 3);
    const std::int64_t width = be16(d, sof + 5);
    const int components = static_cast<unsigned char>(d[sof + 7]);
    int hMax = 1, vMax = 1;
    for (int c = 0; c < components; ++c) {
        const int sampling = static_cast<unsigned char>(d[sof + 9 + 3 * c]);
        hMax = std::max(hMax, sampling >> 4);
        vMax = std::max(vMax, sampling & 15);
    }
    std::int64_t bytes = 0;
    for (int c = 0; c < components; ++c) {
        const int sampling = static_cast<unsigned char>(d[sof + 9 + 3 * c]);
        const std::int64_t w = (width * std::max(1, sampling >> 4) + hMax - 1) / hMax;
        const std::int64_t h = (height * std::max(1, sampling & 15) + vMax - 1) / vMax;
        bytes += ((w + 7) / 8) * ((h + 7) / 8) * 64 * 2;
    }
    return bytes;
}

// The numerator M of the M/8 scale Qt's JPEG reader asks libjpeg for, and the
// size it decodes at before its final smooth scaling.
int jpegScaleNumerator(QSize full, QSize target) {
    const double f = std::min(double(full.width()) / target.width(), double(full.height()) / target.height());
    return std::clamp(static_cast<int>(std::ceil(8.0 / f)), 1, 8);
}

QSize jpegDecodeSize(QSize full, int m) {
    return QSize((full.width() * m + 7) / 8, (full.height() * m + 7) / 8);
}

std::span<const std::uint8_t> bytesOf(const QByteArray& data) {
    return {reinterpret_cast<const std::uint8_t*>(data.constData()), static_cast<std::size_t>(data.size())};
}

PictureError bmpHeaderFault(const BmpHeaderCheck& check) {
    const PictureFault kind = check.truncated  ? PictureFault::Incomplete
                              : check.tooLarge ? PictureFault::TooLarge
                                               : PictureFault::NotAPicture;
    return fault(kind, check.error);
}

// BMP files go through the program's own reader, which reads every layout and
// hands the rows over one by one: a picture larger than the size asked for is
// shrunk as it comes and never held whole, so it may claim as much as a JPEG.
DecodedPicture decodeBmp(const QByteArray& data, const HeldSize& held) {
    const std::span<const std::uint8_t> bytes = bytesOf(data);
    const BmpHeaderCheck check = checkBmpHeader(bytes, kMaxScaledDecodePixels);
    if (!check.ok()) return failed(bmpHeaderFault(check));
    const BmpHeaderInfo& info = check.info;
    const QSize full(info.width, info.height);
    const QSize target = held ? held(full, false).boundedTo(full).expandedTo(QSize(1, 1)) : full;
    if (pixels(target) > kMaxFullDecodePixels)
        return failed(fault(PictureFault::TooLarge, "picture too large (" + sizeText(full) + ")"), full);

    QImage image(target, bmpHasAlpha(bytes, info) ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull()) return failed(fault(PictureFault::TooLarge, "picture too large (" + sizeText(full) + ")"), full);
    const auto line = [&image](int row) { return reinterpret_cast<std::uint32_t*>(image.scanLine(row)); };
    BmpReadResult read;
    if (target == full) {
        const std::size_t rowBytes = static_cast<std::size_t>(info.width) * 4;
        read = readBmpRows(bytes, info, [&](int row, const std::uint32_t* p) { std::memcpy(line(row), p, rowBytes); });
    } else {
        RowShrink shrink(full.width(), full.height(), target.width(), target.height(), line);
        read = readBmpRows(bytes, info, [&](int row, const std::uint32_t* p) { shrink.add(row, p); });
        if (read.ok()) shrink.finish();
    }
    if (!read.ok())
        return failed(fault(read.fault == BmpReadFault::Incomplete ? PictureFault::Incomplete : PictureFault::NotAPicture,
                            read.reason),
                      full);
    DecodedPicture d;
    d.image = std::move(image);
    d.fullSize = full;
    return d;
}

// Whether the PNG's pixels are 8-bit colour (with or without alpha), the kinds
// Qt's reader shrinks while reading.
bool pngShrinksRowByRow(const QByteArray& d) {
    if (d.size() < 26) return false;
    const int depth = static_cast<unsigned char>(d[24]), colourType = static_cast<unsigned char>(d[25]);
    return depth == 8 && (colourType == 2 || colourType == 6);
}

PictureError checkPngData(const QByteArray& data) {
    // The closing IEND chunk is the last thing a PNG writer puts down.
    if (data.lastIndexOf("IEND") < 0) return fault(PictureFault::Incomplete, "truncated PNG file");
    return {};
}

// An XBM picture is text: its size in two #define lines, then one hexadecimal
// number per byte of its rows. Fewer numbers than the size needs is a cut file.
PictureError checkXbmData(const QByteArray& d) {
    const auto defined = [&d](const char* suffix) -> std::int64_t {
        const qsizetype at = d.indexOf(suffix);
        if (at < 0) return -1;
        qsizetype i = at + qstrlen(suffix);
        while (i < d.size() && (d[i] == ' ' || d[i] == '\t')) ++i;
        std::int64_t v = 0;
        const qsizetype first = i;
        for (; i < d.size() && d[i] >= '0' && d[i] <= '9' && v < (1LL << 40); ++i) v = v * 10 + (d[i] - '0');
        return i > first ? v : -1;
    };
    const std::int64_t width = defined("_width"), height = defined("_height");
    if (width <= 0 || height <= 0) return {}; // not ours to judge: the reader refuses it
    const qsizetype open = d.indexOf('{');
    std::int64_t numbers = 0;
    for (qsizetype i = d.indexOf("0x", open < 0 ? 0 : open); i >= 0; i = d.indexOf("0x", i + 2)) ++numbers;
    for (qsizetype i = d.indexOf("0X", open < 0 ? 0 : open); i >= 0; i = d.indexOf("0X", i + 2)) ++numbers;
    if (numbers < (width + 7) / 8 * height) return fault(PictureFault::Incomplete, "truncated XBM file");
    return {};
}

PictureError checkFormat(const QByteArray& format, const QByteArray& data) {
    if (format == "jpeg" || format == "jpg") return checkJpegData(data);
    if (format == "gif") return checkGifData(data);
    if (format == "png") return checkPngData(data);
    if (format == "xbm") return checkXbmData(data);
    return {};
}

// The picture box-averaged down to `target`, converted a band of rows at a time:
// beside the decoded picture only the target and one band are ever held, not a
// full-size 32-bit copy as a scaling in one go would make.
QImage shrunk(QImage image, QSize target) {
    const bool alpha = image.hasAlphaChannel();
    QImage out(target, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (out.isNull()) return out;
    RowShrink shrink(image.width(), image.height(), target.width(), target.height(),
                     [&out](int row) { return reinterpret_cast<std::uint32_t*>(out.scanLine(row)); });
    constexpr int kBandRows = 64;
    for (int y = 0; y < image.height(); y += kBandRows) {
        const QImage band = image.copy(0, y, image.width(), std::min(kBandRows, image.height() - y))
                                .convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        if (band.isNull()) return QImage();
        for (int r = 0; r < band.height(); ++r)
            shrink.add(y + r, reinterpret_cast<const std::uint32_t*>(band.constScanLine(r)));
    }
    shrink.finish();
    return out;
}

} // namespace

std::int64_t pictureFileSize(const std::string& path, std::int64_t maxBytes, PictureError& error) {
    struct stat st {};
    if (::stat(QFile::encodeName(QString::fromStdString(path)).constData(), &st) != 0) {
        error = fault(PictureFault::NotFound, "cannot open file");
        return -1;
    }
    // A FIFO would block the reader forever, a folder is no picture.
    if (!S_ISREG(st.st_mode)) {
        error = fault(PictureFault::NotAFile, S_ISDIR(st.st_mode) ? "a folder, not a picture file"
                                                                   : "not a regular file");
        return -1;
    }
    if (st.st_size > maxBytes) {
        error = fault(PictureFault::TooLarge, "file too large for a picture");
        return -1;
    }
    return st.st_size;
}

PictureError checkJpegData(const QByteArray& d) {
    const qsizetype n = d.size();
    if (n < 4 || be16(d, 0) != 0xFFD8) return fault(PictureFault::NotAPicture, "not a JPEG file");
    const PictureError cut = fault(PictureFault::Incomplete, "truncated JPEG file");
    qsizetype at = 2;
    qsizetype sof = -1;
    int sofMarker = 0;
    while (true) {
        if (at + 1 >= n) return cut;
        if (static_cast<unsigned char>(d[at]) != 0xFF) return fault(PictureFault::NotAPicture, "damaged JPEG file");
        const int marker = static_cast<unsigned char>(d[at + 1]);
        if (marker == 0xFF) { // fill byte
            ++at;
            continue;
        }
        at += 2;
        if (marker == 0xD8 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) continue;
        if (marker == 0xD9) return fault(PictureFault::NotAPicture, "JPEG file without picture data");
        if (at + 2 > n) return cut;
        const int length = be16(d, at);
        if (length < 2) return fault(PictureFault::NotAPicture, "damaged JPEG file");
        if (at + length > n) return cut;
        if (isSof(marker)) {
            if (length < 8) return fault(PictureFault::NotAPicture, "damaged JPEG file");
            const int components = static_cast<unsigned char>(d[at + 7]);
            if (components < 1 || length < 8 + 3 * components)
                return fault(PictureFault::NotAPicture, "damaged JPEG file");
            sof = at - 2;
            sofMarker = marker;
        }
        if (marker == 0xDA) {
            at += length;
            break;
        }
        at += length;
    }
    if (sof < 0) return fault(PictureFault::NotAPicture, "JPEG file without a frame header");
    if (isProgressiveSof(sofMarker) && coefficientBytes(d, sof + 2) > kMaxJpegCoefficientBytes)
        return fault(PictureFault::TooLarge, "progressive JPEG too large (" +
                                                 std::to_string(be16(d, sof + 7)) + " x " +
                                                 std::to_string(be16(d, sof + 5)) + ")");
    // Entropy-coded data never holds FF D9 (an FF there is followed by 00 or a
    // restart marker), so the end-of-picture marker shows the file is whole.
    if (d.indexOf("\xFF\xD9", at) < 0) return cut;
    return {};
}

PictureError checkGifData(const QByteArray& d) {
    const qsizetype n = d.size();
    if (n < 13 || !(d.startsWith("GIF87a") || d.startsWith("GIF89a")))
        return fault(PictureFault::NotAPicture, "not a GIF file");
    const PictureError cut = fault(PictureFault::Incomplete, "truncated GIF file");
    const auto colourTable = [](int flags) { return (flags & 0x80) ? 3 * (2 << (flags & 7)) : 0; };
    qsizetype at = 13 + colourTable(static_cast<unsigned char>(d[10]));
    // Sub-blocks up to the empty one; false when the file ends first.
    const auto skipBlocks = [&]() {
        while (at < n) {
            const int size = static_cast<unsigned char>(d[at++]);
            if (size == 0) return true;
            at += size;
        }
        return false;
    };
    while (at < n) {
        const int introducer = static_cast<unsigned char>(d[at++]);
        if (introducer == 0x21) { // extension: label, then sub-blocks
            if (++at > n || !skipBlocks()) return cut;
        } else if (introducer == 0x2C) { // the first frame: descriptor, colours, LZW code size, data
            if (at + 9 > n) return cut;
            // A frame must lie on the logical screen it is drawn on.
            const auto le16 = [&d](qsizetype i) {
                return static_cast<unsigned char>(d[i]) | static_cast<unsigned char>(d[i + 1]) << 8;
            };
            if (le16(at) + le16(at + 4) > le16(6) || le16(at + 2) + le16(at + 6) > le16(8))
                return fault(PictureFault::NotAPicture, "damaged GIF file (frame outside its screen)");
            at += 9 + colourTable(static_cast<unsigned char>(d[at + 8]));
            if (++at > n || !skipBlocks()) return cut;
            return {};
        } else if (introducer == 0x3B) {
            return fault(PictureFault::NotAPicture, "GIF file without a picture");
        } else {
            return fault(PictureFault::NotAPicture, "damaged GIF file");
        }
    }
    return cut;
}

DecodedPicture decodePicture(const std::string& path, const HeldSize& held) {
    PictureError error;
    const std::int64_t size = pictureFileSize(path, kMaxPictureFileBytes, error);
    if (size < 0) return failed(error);
    QByteArray data;
    {
        QFile file(QString::fromStdString(path));
        if (!file.open(QIODevice::ReadOnly)) return failed(fault(PictureFault::NotFound, "cannot open file"));
        data = file.read(size);
        if (data.size() != size) return failed(fault(PictureFault::NotFound, "cannot read file"));
    }

    QImage image;
    QSize full;
    QSize wanted;
    {
        const ReaderNotes notes;
        const QuietStderr quiet;
        QBuffer device(&data);
        device.open(QIODevice::ReadOnly);
        QImageReader reader(&device);
        reader.setDecideFormatFromContent(true);
        reader.setAutoTransform(false);
        reader.setAllocationLimit(kDecoderAllocationMB);
        const QByteArray format = reader.format();
        if (format.isEmpty()) return failed(fault(PictureFault::NotAPicture, "not a picture file"));
        if (format == "bmp") {
            device.close();
            return decodeBmp(data, held);
        }
        // The format's own checks come first: a cut header gives no size either.
        if (PictureError e = checkFormat(format, data); e.fault != PictureFault::None) return failed(e);
        full = reader.size();
        if (!full.isValid() || full.isEmpty())
            return failed(fault(PictureFault::NotAPicture, "no picture size in the file"));

        const bool scalesOnRead = reader.supportsOption(QImageIOHandler::ScaledSize);
        const std::int64_t limit = scalesOnRead ? kMaxScaledDecodePixels : kMaxFullDecodePixels;
        if (pixels(full) > limit)
            return failed(fault(PictureFault::TooLarge, "picture too large (" + sizeText(full) + ")"), full);

        QSize target = held ? held(full, scalesOnRead).boundedTo(full).expandedTo(QSize(1, 1)) : full;
        // Qt's PNG reader shrinks colour pictures row by row, but grey and indexed
        // ones only after making a 32-bit copy of the whole: those, when large, are
        // read whole at their own depth and shrunk here.
        const bool readerShrinks = scalesOnRead && !(format == "png" && pixels(full) > kMaxFullDecodePixels / 4 &&
                                                     !pngShrinksRowByRow(data));
        if (readerShrinks && target != full) {
            // The reader decodes at M/8 of the full size before its last scaling;
            // that intermediate picture must fit the budget too.
            int m = jpegScaleNumerator(full, target);
            while (m > 1 && pixels(jpegDecodeSize(full, m)) > kMaxFullDecodePixels) {
                --m;
                target = QSize(std::max(1, full.width() * m / 8), std::max(1, full.height() * m / 8));
            }
            reader.setScaledSize(target);
        }
        if (!reader.read(&image) || image.isNull())
            return failed(fault(PictureFault::NotAPicture, "damaged picture file: " +
                                                               reader.errorString().toStdString()),
                          full);
        if (format == "jpeg" || format == "jpg")
            if (PictureError e = jpegNotesFault(notes); e.fault != PictureFault::None) return failed(e, full);
        wanted = target;
        if (!readerShrinks) target = full;
        if (image.size() != target)
            return failed(fault(PictureFault::Incomplete, "picture file incomplete"), full);
    }
    data = QByteArray(); // the file's bytes go before a shrinking copy is made
    if (image.width() > wanted.width() || image.height() > wanted.height()) image = shrunk(std::move(image), wanted);
    if (image.isNull()) return failed(fault(PictureFault::TooLarge, "picture too large (" + sizeText(full) + ")"), full);
    DecodedPicture d;
    d.image = std::move(image);
    d.fullSize = full;
    return d;
}

} // namespace pav::image
