#include "image/PictureDecoder.h"

#include <algorithm>
#include <cmath>
#include <mutex>
#include <span>

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QLoggingCategory>

#include <sys/stat.h>

#include "image/BmpHeader.h"

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

// Qt's reading warnings ("allocation limit", libjpeg's "premature end") would
// be a second line beside the decoder's own reason; the decoder reports every
// failure itself. Other categories keep whatever filter was installed before.
QLoggingCategory::CategoryFilter g_previousFilter = nullptr;

void quietImageIo(QLoggingCategory* category) {
    if (qstrncmp(category->categoryName(), "qt.gui.imageio", 14) == 0) {
        category->setEnabled(QtDebugMsg, false);
        category->setEnabled(QtInfoMsg, false);
        category->setEnabled(QtWarningMsg, false);
        category->setEnabled(QtCriticalMsg, false);
    } else if (g_previousFilter) {
        g_previousFilter(category);
    }
}

void silenceImageIoWarnings() {
    static std::once_flag once;
    std::call_once(once, [] { g_previousFilter = QLoggingCategory::installFilter(quietImageIo); });
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

PictureError checkBmpData(const QByteArray& data) {
    const auto bytes = std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(data.constData()),
                                                     static_cast<std::size_t>(data.size()));
    const BmpHeaderCheck check = checkBmpHeader(bytes, kMaxFullDecodePixels);
    if (check.ok()) return {};
    const PictureFault kind = check.truncated  ? PictureFault::Incomplete
                              : check.tooLarge ? PictureFault::TooLarge
                                               : PictureFault::NotAPicture;
    return fault(kind, check.error);
}

PictureError checkPngData(const QByteArray& data) {
    // The closing IEND chunk is the last thing a PNG writer puts down.
    if (data.lastIndexOf("IEND") < 0) return fault(PictureFault::Incomplete, "truncated PNG file");
    return {};
}

PictureError checkFormat(const QByteArray& format, const QByteArray& data) {
    if (format == "bmp") return checkBmpData(data);
    if (format == "jpeg" || format == "jpg") return checkJpegData(data);
    if (format == "gif") return checkGifData(data);
    if (format == "png") return checkPngData(data);
    return {};
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
    silenceImageIoWarnings();
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
        QBuffer device(&data);
        device.open(QIODevice::ReadOnly);
        QImageReader reader(&device);
        reader.setDecideFormatFromContent(true);
        reader.setAutoTransform(false);
        reader.setAllocationLimit(kDecoderAllocationMB);
        const QByteArray format = reader.format();
        if (format.isEmpty()) return failed(fault(PictureFault::NotAPicture, "not a picture file"));
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
        if (scalesOnRead && target != full) {
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
        wanted = target;
        if (!scalesOnRead) target = full;
        if (image.size() != target)
            return failed(fault(PictureFault::Incomplete, "picture file incomplete"), full);
    }
    data = QByteArray(); // the file's bytes go before a shrinking copy is made
    if (image.width() > wanted.width() || image.height() > wanted.height())
        image = image.scaled(wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    DecodedPicture d;
    d.image = std::move(image);
    d.fullSize = full;
    return d;
}

} // namespace pav::image
