// Draws the start picture "logo.dll": a small colourful landscape with a
// flower and the product name, saved as an ordinary 24-bit BMP under that name.
// Run by hand (target pav_make_logo); the result is committed in assets/.

#include <cmath>

#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

void drawSky(QPainter& p, int w, int h) {
    QLinearGradient sky(0, 0, 0, h * 0.65);
    sky.setColorAt(0, QColor(70, 140, 220));
    sky.setColorAt(1, QColor(190, 225, 250));
    p.fillRect(0, 0, w, h, sky);
    QRadialGradient sun(QPointF(w * 0.8, h * 0.2), h * 0.16);
    sun.setColorAt(0, QColor(255, 245, 160));
    sun.setColorAt(0.7, QColor(255, 200, 60));
    sun.setColorAt(1, QColor(255, 200, 60, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(QPointF(w * 0.8, h * 0.2), h * 0.16, h * 0.16);
}

void drawHills(QPainter& p, int w, int h) {
    const QColor greens[] = {QColor(120, 180, 90), QColor(70, 150, 70), QColor(40, 110, 50)};
    for (int layer = 0; layer < 3; ++layer) {
        QPainterPath hill;
        const double base = h * (0.55 + 0.12 * layer);
        hill.moveTo(0, h);
        for (int x = 0; x <= w; x += 4)
            hill.lineTo(x, base - 14 * std::sin(x * (0.02 + 0.01 * layer) + layer * 1.7));
        hill.lineTo(w, h);
        hill.closeSubpath();
        p.setBrush(greens[layer]);
        p.drawPath(hill);
    }
}

void drawFlower(QPainter& p, QPointF centre, double r, QColor petals) {
    p.setPen(QPen(QColor(30, 90, 30), 3));
    p.drawLine(centre, centre + QPointF(0, r * 3.2));
    p.setPen(Qt::NoPen);
    p.setBrush(petals);
    for (int i = 0; i < 6; ++i) {
        const double a = i * M_PI / 3;
        p.drawEllipse(centre + QPointF(std::cos(a) * r, std::sin(a) * r), r * 0.7, r * 0.7);
    }
    p.setBrush(QColor(250, 210, 40));
    p.drawEllipse(centre, r * 0.6, r * 0.6);
}

void drawTitle(QPainter& p, int w) {
    QFont font("Liberation Sans");
    font.setPixelSize(30);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(120, 20, 60));
    p.drawText(QRect(0, 12, w * 0.7, 40), Qt::AlignCenter, "Pavlenta");
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("logo.dll");
    const int w = 240, h = 200;
    QImage image(w, h, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawSky(p, w, h);
    drawHills(p, w, h);
    drawFlower(p, QPointF(60, 120), 13, QColor(230, 60, 90));
    drawFlower(p, QPointF(120, 138), 10, QColor(150, 80, 200));
    drawFlower(p, QPointF(185, 125), 12, QColor(250, 130, 40));
    drawTitle(p, w);
    p.end();
    return image.convertToFormat(QImage::Format_RGB888).save(out, "BMP") ? 0 : 1;
}
