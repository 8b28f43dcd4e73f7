#pragma once
// The program's colours are RGB values R + 256*G + 65536*B; Qt's are QRgb
// 0xAARRGGBB. The two conversions between them, for every level that meets Qt.

#include <QColor>
#include <QRgb>

#include <cstdint>

namespace pav::image {

inline QRgb toQRgb(std::int32_t rgb) {
    return qRgb(rgb & 255, (rgb >> 8) & 255, (rgb >> 16) & 255);
}

inline std::int32_t fromQRgb(QRgb pixel) {
    return qRed(pixel) + 256 * qGreen(pixel) + 65536 * qBlue(pixel);
}

inline QColor toQColor(std::int32_t rgb) {
    return QColor(rgb & 255, (rgb >> 8) & 255, (rgb >> 16) & 255);
}

} // namespace pav::image
