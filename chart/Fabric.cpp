#include "chart/Fabric.h"

#include "base/NearestColour.h"
#include "base/Rounding.h"
#include "image/RgbValue.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <vector>

namespace pav::chart {
namespace {

constexpr double kMaxFabricWidth = 230;
constexpr int kMaxFabricHeight = 250;
constexpr int kTwips = 15;
constexpr int kBarMinimum = 16;
constexpr int kZoomMinimum = 32;
constexpr int kSampleCapacity = 6000;
constexpr std::int32_t kWhite = palette::kWhite;
// The side a fabric frame is measured within: far past the 230 x 250 fabric.
constexpr int kMaxFrameSide = 321;

// The picture's proportion as the main window keeps it: in single precision.
float proportion(QSize picture) {
    return static_cast<float>(static_cast<double>(picture.height()) * kTwips /
                              (static_cast<double>(picture.width()) * kTwips));
}

// Height for a width, worked out in single precision like the proportion itself:
// 45 x 0.7f is 31.5 there and rounds to 32, where a double product would give 31.
double heightForWidth(double width, float rate) {
    return roundHalfEven(static_cast<float>(width) * rate);
}

} // namespace

int FabricSize::roundedWidth() const {
    return std::clamp(roundedInt(width), 1, kMaxFrameSide);
}

int FabricSize::roundedHeight() const {
    return std::clamp(roundedInt(height), 1, kMaxFrameSide);
}

int FabricSize::passesBelow(double limit) {
    if (!(limit > 0)) return 0;
    return std::min(static_cast<int>(std::floor(limit - 1)) + 1, kMaxFrameSide);
}

int chartSide(double pixels) {
    constexpr double kMaxSide = 320;
    return static_cast<int>(std::clamp(roundHalfEven(pixels), 0.0, kMaxSide));
}

std::optional<WholeZoom> wholeZoomFor(QSize picture) {
    const double widthTwips = static_cast<double>(picture.width()) * kTwips;
    const double heightTwips = static_cast<double>(picture.height()) * kTwips;
    // The height bar takes the picture's height in twips, at most 250, and no
    // less than its minimum of 16; the zoom bar's steps need a range of 6 or more.
    if (heightTwips <= kMaxFabricHeight && heightTwips < kBarMinimum) return std::nullopt;
    if (widthTwips == 0) return std::nullopt;
    const float rate = proportion(picture);
    const double r = kMaxFabricHeight / static_cast<double>(rate);
    const double widthValue = roundHalfEven(r < kMaxFabricWidth ? r : kMaxFabricWidth);
    if (widthValue < kBarMinimum) return std::nullopt;
    const double zoomMax = std::min(widthTwips, 32767.0);
    if (roundHalfEven((roundHalfEven(zoomMax) - kZoomMinimum) / 6.0) < 1) return std::nullopt;
    WholeZoom zoom;
    zoom.lowest = std::min(kZoomMinimum, static_cast<int>(roundHalfEven(zoomMax)));
    zoom.highest = std::max(kZoomMinimum, static_cast<int>(roundHalfEven(zoomMax)));
    zoom.initial = std::clamp(static_cast<int>(widthValue), zoom.lowest, zoom.highest);
    return zoom;
}

FabricFit fabricFitFor(QSize picture) {
    if (wholeZoomFor(picture)) return FabricFit::Fits;
    // Big enough both ways and still refused: the proportion is what fails.
    const bool tall = picture.height() * kTwips >= kBarMinimum && picture.width() >= 3 &&
                      picture.height() > picture.width();
    return tall ? FabricFit::TooThin : FabricFit::TooSmall;
}

FabricSize wholeFabric(QSize picture, int zoom) {
    const float rate = proportion(picture);
    double picW = zoom;
    double picH = heightForWidth(picW, rate);
    if (picH > kMaxFabricHeight) {
        picH = kMaxFabricHeight;
        picW = kMaxFabricHeight / static_cast<double>(rate);
    }
    if (picW > kMaxFabricWidth) {
        picW = kMaxFabricWidth;
        picH = heightForWidth(picW, rate);
    }
    // The frame is placed in twips and read back in pixels.
    return FabricSize{picW * kTwips / kTwips, picH * kTwips / kTwips};
}

colour::RgbGrid fabricStitches(const image::SourcePicture& picture, FabricSize fabric) {
    const int w = fabric.paintedWidth(), h = fabric.paintedHeight();
    colour::RgbGrid colours =
        colour::filledGrid(std::max(w, fabric.roundedWidth()), std::max(h, fabric.roundedHeight()), kWhite);
    if (w == 0 || h == 0) return colours;
    const QImage stitches =
        picture.stretched(QSize(roundedInt(fabric.width), roundedInt(fabric.height)), QRect(0, 0, w, h));
    for (int y = 0; y < std::min(h, stitches.height()); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(stitches.constScanLine(y));
        std::int32_t* row = colours.row(y);
        for (int x = 0; x < std::min(w, stitches.width()); ++x) row[x] = image::fromQRgb(line[x]);
    }
    return colours;
}

bool makeStitchPicture(const colour::RgbGrid& colours, FabricSize fabric, image::ClsDIB& picture) {
    const int w = fabric.roundedWidth(), h = fabric.roundedHeight();
    const int paintedW = fabric.paintedWidth(), paintedH = fabric.paintedHeight();
    if (!picture.Create(w, h, 24, true)) return false;
    std::uint8_t* data = picture.DataPtr();
    const int stride = picture.Stride();
    for (int y = 0; y < h; ++y) {
        std::uint8_t* p = data + static_cast<std::size_t>(h - 1 - y) * stride;
        for (int x = 0; x < w; ++x, p += 3) {
            const bool painted = x < paintedW && y < paintedH && colours.contains(x, y);
            const std::int32_t c = painted ? colours.at(x, y) : kWhite;
            p[0] = static_cast<std::uint8_t>((c >> 16) & 255);
            p[1] = static_cast<std::uint8_t>((c >> 8) & 255);
            p[2] = static_cast<std::uint8_t>(c & 255);
        }
    }
    return true;
}

Reduction reductionOfColorBit(int colorBit, int mostFrequentColours) {
    using image::ReductionMode;
    const auto dithered = [](ReductionMode mode, bool rotate) {
        return Reduction{ReductionKind::Dithered, mode, rotate, 0};
    };
    switch (colorBit) {
    case 1: return dithered(ReductionMode::BlackWhite, false);
    case 2: return dithered(ReductionMode::FourGreys, false);
    case 3: return dithered(ReductionMode::EightColours, true);
    case 4: return dithered(ReductionMode::SixteenGreys, false);
    case 8: return dithered(ReductionMode::Colours256, true);
    case 16: return dithered(ReductionMode::Colours216, true);
    case image::kColorBitMostFrequent: return Reduction{ReductionKind::MostFrequent, ReductionMode::BlackWhite, false, mostFrequentColours};
    default: return Reduction{};
    }
}

bool reduceStitchPicture(const image::ClsDIB& stitches, const Reduction& reduction, image::ClsDIB& reduced) {
    if (reduction.kind != ReductionKind::Dithered) return false;
    return reduced.Reduce(stitches, reduction.mode, reduction.rotate);
}

void readReducedStitches(colour::RgbGrid& colours, const image::ClsDIB& reduced, FabricSize fabric) {
    const QImage picture = reduced.ToQImage();
    const int w = std::min({fabric.paintedWidth(), picture.width(), colours.width});
    const int h = std::min({fabric.paintedHeight(), picture.height(), colours.height});
    for (int y = 0; y < h; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        std::int32_t* row = colours.row(y);
        for (int x = 0; x < w; ++x) row[x] = image::fromQRgb(line[x]);
    }
}

std::optional<QImage> reduceToMostFrequent(colour::RgbGrid& matrix, double picW, int picH, int n,
                                           const TaskDelegate& task) {
    std::vector<std::int32_t> palette(kSampleCapacity + 1, 0);
    std::vector<std::int32_t> counts(kSampleCapacity + 1, 0);

    double rowStep = picH / 20.0;
    int columnStep = roundedInt(picW / 20.0);
    if (rowStep < 1) rowStep = 1;
    if (columnStep < 1) columnStep = 1;
    const int lastColumn = std::min(FabricSize::passesBelow(picW), matrix.width) - 1;
    const double lastRow = std::min(static_cast<double>(picH), static_cast<double>(matrix.height)) - 1;
    const auto forEachSample = [&](auto&& visit) {
        for (double y = 0; y <= lastRow; y += rowStep) {
            const int row = roundedInt(y);
            for (int x = 0; x <= lastColumn; x += columnStep) visit(matrix.at(x, row));
        }
    };

    palette[1] = matrix.at(0, 0);
    int count = 1;
    forEachSample([&](std::int32_t colour) {
        task.letEventsRun();
        for (int e = 1; e <= count; ++e)
            if (palette[static_cast<std::size_t>(e)] == colour) return;
        if (count < kSampleCapacity - 1) ++count; // at the cap the last entry is overwritten
        palette[static_cast<std::size_t>(count)] = colour;
    });
    // A count below 1 keeps nothing; such a reduction would blank the fabric.
    if (n >= count || n < 1) return std::nullopt;

    forEachSample([&](std::int32_t colour) {
        for (int e = 1; e <= count; ++e)
            if (palette[static_cast<std::size_t>(e)] == colour) ++counts[static_cast<std::size_t>(e)];
    });

    // Selection by count, descending: entry i swaps with the first entry after
    // it that holds the largest count above its own.
    for (int i = 1; i <= count - 1; ++i) {
        int largest = counts[static_cast<std::size_t>(i)];
        int chosen = 0;
        for (int j = i + 1; j <= count; ++j) {
            task.letEventsRun();
            if (counts[static_cast<std::size_t>(j)] > largest) {
                largest = counts[static_cast<std::size_t>(j)];
                chosen = j;
            }
        }
        if (chosen != 0) {
            std::swap(palette[static_cast<std::size_t>(i)], palette[static_cast<std::size_t>(chosen)]);
            std::swap(counts[static_cast<std::size_t>(i)], counts[static_cast<std::size_t>(chosen)]);
        }
    }

    const int width = lastColumn + 1;
    const int height = std::min(FabricSize::passesBelow(picH), matrix.height);
    const std::span<const std::int32_t> kept(palette.data() + 1, static_cast<std::size_t>(n));
    QImage painted(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::int32_t c = kept[static_cast<std::size_t>(nearestRgbIndex(kept, matrix.at(x, y)))];
            matrix.at(x, y) = c;
            painted.setPixel(x, y, image::toQRgb(c));
        }
    }
    if (width <= 0 || height <= 0) return QImage();
    return painted;
}

} // namespace pav::chart
