// Draws the start picture "logo.dll": the product name over a small landscape
// with three flowers, saved as an ordinary 24-bit BMP under that name.
// Run by hand (target pav_make_logo); the result is committed in assets/.
//
// The picture is drawn as a stitch pattern of 117 x 100 flat-coloured cells,
// each shown as 2 x 2 pixels. At its natural size (where the program starts)
// and at half size (117 stitches wide, one whole cell a stitch) it holds only
// a dozen clean colours, so a first chart can be made from it straight away.

#include <cmath>

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kCellsWide = 117;
constexpr int kCellsHigh = 100;
constexpr int kPixelsPerCell = 2;

void drawSky(QPainter& p) {
    // Three bands of blue rather than a gradient: every colour is a thread.
    const QColor blues[] = {QColor(95, 160, 225), QColor(140, 195, 240), QColor(190, 225, 250)};
    p.fillRect(0, 0, kCellsWide, kCellsHigh, blues[2]);
    for (int band = 0; band < 2; ++band)
        p.fillRect(0, band * 20, kCellsWide, 20, blues[band]);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 205, 60));
    p.drawEllipse(QPointF(96, 18), 9, 9);
}

void drawHills(QPainter& p) {
    const QColor greens[] = {QColor(130, 190, 90), QColor(70, 150, 70), QColor(35, 105, 50)};
    for (int layer = 0; layer < 3; ++layer) {
        QPainterPath hill;
        const double base = kCellsHigh * (0.58 + 0.13 * layer);
        hill.moveTo(0, kCellsHigh);
        for (int x = 0; x <= kCellsWide; ++x)
            hill.lineTo(x, base - 6 * std::sin(x * (0.05 + 0.02 * layer) + layer * 1.7));
        hill.lineTo(kCellsWide, kCellsHigh);
        hill.closeSubpath();
        p.setBrush(greens[layer]);
        p.drawPath(hill);
    }
}

void drawFlower(QPainter& p, QPoint centre, int r, QColor petals) {
    p.fillRect(centre.x(), centre.y(), 1, r * 3, QColor(30, 90, 30));
    p.setBrush(petals);
    for (int i = 0; i < 4; ++i) {
        const double a = i * M_PI / 2;
        p.drawEllipse(QPointF(centre.x() + std::cos(a) * r, centre.y() + std::sin(a) * r), r * 0.75, r * 0.75);
    }
    p.setBrush(QColor(250, 215, 40));
    p.drawEllipse(QPointF(centre), r * 0.6, r * 0.6);
}

void drawTitle(QPainter& p) {
    QFont font("Liberation Sans");
    font.setPixelSize(18);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    p.setFont(font);
    p.setPen(QColor(130, 20, 60));
    p.drawText(QRect(0, 4, 88, 24), Qt::AlignCenter, "Pavlenta");
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("logo.dll");
    QImage cells(kCellsWide, kCellsHigh, QImage::Format_RGB32);
    QPainter p(&cells);
    p.setRenderHint(QPainter::Antialiasing, false);
    drawSky(p);
    drawHills(p);
    drawFlower(p, QPoint(24, 62), 5, QColor(230, 60, 90));
    drawFlower(p, QPoint(58, 72), 4, QColor(150, 80, 200));
    drawFlower(p, QPoint(92, 66), 5, QColor(250, 130, 40));
    drawTitle(p);
    p.end();
    const QImage picture = cells.scaled(kCellsWide * kPixelsPerCell, kCellsHigh * kPixelsPerCell,
                                        Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return picture.convertToFormat(QImage::Format_RGB888).save(out, "BMP") ? 0 : 1;
}
