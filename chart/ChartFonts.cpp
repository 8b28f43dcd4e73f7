#include "chart/ChartFonts.h"

#include <QFontMetricsF>
#include <QPaintDevice>

#include <mutex>

namespace pav::chart {
namespace {
const QString kSong = QStringLiteral("宋体");
constexpr double kSongAscent = 10.0 / 12.0; // of the pixel size
} // namespace

void installChartFontSubstitutes() {
    static std::once_flag once;
    std::call_once(once, [] {
        QFont::insertSubstitution(kSong, QStringLiteral("AR PL UMing CN"));
        QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    });
}

QFont songFont() {
    installChartFontSubstitutes();
    QFont font(kSong, 9);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

QFont symbolFont() {
    QFont font = songFont();
    font.setPointSizeF(8.25);
    return font;
}

QFont arialFont() {
    installChartFontSubstitutes();
    return QFont(QStringLiteral("Arial"), 8);
}

double textAscent(const QFont& font, const QPaintDevice* device) {
    const QFontMetricsF metrics(font, device);
    if (font.family() != kSong) return metrics.ascent();
    return metrics.height() * kSongAscent;
}

} // namespace pav::chart
