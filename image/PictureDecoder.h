#pragma once
// The one way a picture file becomes pixels. Before any decoder runs, the file
// must be a regular file of sane size and its header must claim a size within
// the program's budget; the decoder's own allocations are capped; and a picture
// the decoder could not read whole (a cut BMP, JPEG, GIF or XBM, a JPEG whose
// picture data ends early, a frame off its GIF screen) is refused rather than
// shown with a grey or missing part. BMP files are read by the program's own
// reader (BmpReader.h), which shrinks a large picture while reading it. Nothing
// the image libraries print reaches stderr: every failure is this decoder's one
// reason.

#include <cstdint>
#include <functional>
#include <string>

#include <QByteArray>
#include <QImage>
#include <QSize>

namespace pav::image {

// What went wrong, for the window's message; the reason is a short English line.
enum class PictureFault {
    None,
    NotFound,    // missing or unreadable
    NotAFile,    // a folder, a FIFO, a device...
    TooLarge,    // the file or its claimed size is beyond the budget
    Incomplete,  // the decoder could not read it whole
    NotAPicture, // no format the decoder knows, or damaged beyond reading
};

struct PictureError {
    PictureFault fault = PictureFault::None;
    std::string reason;
};

// The budget: a picture file is at most this large, no decoder allocation
// exceeds kDecoderAllocationMB, and a picture whose decoder cannot shrink
// while reading holds at most kMaxFullDecodePixels pixels. A JPEG (which
// decodes at 1/2, 1/4 or 1/8) may claim more, up to kMaxScaledDecodePixels.
inline constexpr std::int64_t kMaxPictureFileBytes = 128LL << 20;
inline constexpr int kDecoderAllocationMB = 128;
inline constexpr std::int64_t kMaxFullDecodePixels = (std::int64_t{kDecoderAllocationMB} << 20) / 4;
inline constexpr std::int64_t kMaxScaledDecodePixels = 256'000'000;
// A progressive JPEG keeps every DCT coefficient of the picture while decoding.
inline constexpr std::int64_t kMaxJpegCoefficientBytes = 128LL << 20;

struct DecodedPicture {
    QImage image;   // null on failure
    QSize fullSize; // the picture's own size, from its header
    PictureError error;
    bool ok() const { return !image.isNull(); }
};

// Given the picture's own size and whether its decoder shrinks while reading,
// the size to deliver it at (at most that).
using HeldSize = std::function<QSize(QSize full, bool scalesOnRead)>;

// Decodes a BMP, JPEG, GIF (first frame) or any other format Qt knows, found
// from the content. With `held`, the picture comes at that size, shrunk while
// decoding where the format allows it (JPEG by eighths, BMP to any size) so that
// the full size is never held. held hears scalesOnRead only for the formats that
// shrink by eighths: a BMP is asked for the size it would be asked for whole.
DecodedPicture decodePicture(const std::string& path, const HeldSize& held = {});

// The file's size when it is a regular file no larger than maxBytes; -1 with the fault otherwise.
std::int64_t pictureFileSize(const std::string& path, std::int64_t maxBytes, PictureError& error);

// The progressive-JPEG and truncation checks on a JPEG held in memory: the
// reason it must not be decoded, or empty. Exposed for the tests.
PictureError checkJpegData(const QByteArray& data);
PictureError checkGifData(const QByteArray& data);

} // namespace pav::image
