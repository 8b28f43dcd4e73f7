// Draws the sample gallery's pictures: clear shapes in a few strong colours,
// so that they reduce to a small set of threads and stitch well.
//   pav_make_gallery <gallery-folder>     (writes <gallery-folder>/<category>/<name>.jpg)
// The pictures are the project's own work; rerunning the tool gives the same files.

#include <cmath>
#include <functional>
#include <iostream>
#include <random>
#include <vector>

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace {

using Draw = std::function<void(QPainter&, QSizeF)>;

struct Sample {
    const char* category;
    const char* file;
    QSize size;
    Draw draw;
};

QColor rgb(unsigned hex) {
    return QColor::fromRgb(QRgb(0xff000000u | hex));
}

void fill(QPainter& p, const QColor& c) {
    p.fillRect(QRectF(QPointF(0, 0), QSizeF(p.device()->width(), p.device()->height())), c);
}

void disc(QPainter& p, QPointF centre, double rx, double ry, const QColor& c, const QPen& pen = Qt::NoPen) {
    p.setPen(pen);
    p.setBrush(c);
    p.drawEllipse(centre, rx, ry);
}

void poly(QPainter& p, std::initializer_list<QPointF> points, const QColor& c, const QPen& pen = Qt::NoPen) {
    p.setPen(pen);
    p.setBrush(c);
    p.drawPolygon(QPolygonF(QList<QPointF>(points)));
}

// A closed shape of two curves: out from `start` to `turn`, and back to `start` along another curve.
QPainterPath twoCurves(QPointF start, QPointF c1, QPointF c2, QPointF turn, QPointF c3, QPointF c4) {
    QPainterPath path;
    path.moveTo(start);
    path.cubicTo(c1, c2, turn);
    path.cubicTo(c3, c4, start);
    return path;
}

QPen outline(double width, const QColor& c = rgb(0x202020)) {
    QPen pen(c, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

void eye(QPainter& p, QPointF at, double r, const QColor& iris) {
    disc(p, at, r, r * 1.15, Qt::white, outline(3));
    disc(p, at + QPointF(0, r * 0.15), r * 0.6, r * 0.7, iris);
    disc(p, at + QPointF(0, r * 0.2), r * 0.3, r * 0.38, Qt::black);
    disc(p, at + QPointF(-r * 0.2, -r * 0.1), r * 0.15, r * 0.15, Qt::white);
}

// ---- 动漫: cartoon faces ----

void catFace(QPainter& p, QSizeF) {
    fill(p, rgb(0x9fd8f5));
    const QColor fur = rgb(0xf08a24);
    poly(p, {{60, 150}, {70, 40}, {140, 105}}, fur, outline(5));
    poly(p, {{240, 150}, {230, 40}, {160, 105}}, fur, outline(5));
    poly(p, {{78, 120}, {82, 70}, {118, 104}}, rgb(0xf7b2c4));
    poly(p, {{222, 120}, {218, 70}, {182, 104}}, rgb(0xf7b2c4));
    disc(p, {150, 170}, 105, 95, fur, outline(5));
    disc(p, {150, 210}, 55, 40, rgb(0xfff4e0));
    eye(p, {112, 150}, 22, rgb(0x2fa84f));
    eye(p, {188, 150}, 22, rgb(0x2fa84f));
    poly(p, {{138, 192}, {162, 192}, {150, 206}}, rgb(0xe8506e), outline(3));
    p.setPen(outline(3));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(128, 200, 22, 22), 180 * 16, 180 * 16);
    p.drawArc(QRectF(150, 200, 22, 22), 180 * 16, 180 * 16);
    for (int side : {-1, 1})
        for (int k = 0; k < 3; ++k)
            p.drawLine(QPointF(150 + side * 45, 205 + k * 10), QPointF(150 + side * 110, 190 + k * 18));
}

void robot(QPainter& p, QSizeF) {
    fill(p, rgb(0xffd23f));
    p.setPen(outline(5));
    p.drawLine(QPointF(150, 70), QPointF(150, 35));
    disc(p, {150, 30}, 14, 14, rgb(0xe63946), outline(4));
    p.setPen(outline(5));
    p.setBrush(rgb(0x8d99ae));
    p.drawRoundedRect(QRectF(60, 70, 180, 160), 24, 24);
    p.setBrush(rgb(0x5c677d));
    p.drawRoundedRect(QRectF(35, 120, 25, 60), 8, 8);
    p.drawRoundedRect(QRectF(240, 120, 25, 60), 8, 8);
    disc(p, {112, 130}, 28, 28, Qt::white, outline(4));
    disc(p, {188, 130}, 28, 28, Qt::white, outline(4));
    disc(p, {112, 130}, 15, 15, rgb(0x1d7fe0));
    disc(p, {188, 130}, 15, 15, rgb(0x1d7fe0));
    p.setPen(outline(4));
    p.setBrush(rgb(0x2b2d42));
    p.drawRoundedRect(QRectF(95, 180, 110, 30), 8, 8);
    p.setPen(outline(3, rgb(0xffd23f)));
    for (int k = 1; k < 5; ++k)
        p.drawLine(QPointF(95 + k * 22, 182), QPointF(95 + k * 22, 208));
    disc(p, {150, 265}, 70, 28, rgb(0x8d99ae), outline(5));
    disc(p, {150, 262}, 10, 10, rgb(0xe63946));
}

void frog(QPainter& p, QSizeF) {
    fill(p, rgb(0xffc2d4));
    const QColor green = rgb(0x3cb043);
    disc(p, {150, 190}, 120, 85, green, outline(5));
    disc(p, {95, 110}, 45, 45, green, outline(5));
    disc(p, {205, 110}, 45, 45, green, outline(5));
    // The head's outline runs under the eyes.
    disc(p, {150, 190}, 116, 81, green);
    eye(p, {95, 110}, 28, rgb(0x6b3e26));
    eye(p, {205, 110}, 28, rgb(0x6b3e26));
    p.setPen(outline(6));
    p.setBrush(rgb(0xd62828));
    p.drawChord(QRectF(75, 150, 150, 90), 200 * 16, 140 * 16);
    disc(p, {75, 205}, 20, 12, rgb(0xff8fab));
    disc(p, {225, 205}, 20, 12, rgb(0xff8fab));
}

void panda(QPainter& p, QSizeF) {
    fill(p, rgb(0x8fd694));
    disc(p, {70, 70}, 42, 42, rgb(0x111111));
    disc(p, {230, 70}, 42, 42, rgb(0x111111));
    disc(p, {150, 165}, 120, 110, Qt::white, outline(5, rgb(0x111111)));
    p.save();
    p.translate(100, 150);
    p.rotate(-30);
    disc(p, {0, 0}, 30, 40, rgb(0x111111));
    p.restore();
    p.save();
    p.translate(200, 150);
    p.rotate(30);
    disc(p, {0, 0}, 30, 40, rgb(0x111111));
    p.restore();
    disc(p, {104, 148}, 11, 11, Qt::white);
    disc(p, {196, 148}, 11, 11, Qt::white);
    disc(p, {150, 205}, 18, 12, rgb(0x111111));
    p.setPen(outline(5, rgb(0x111111)));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(120, 200, 30, 30), 200 * 16, 140 * 16);
    p.drawArc(QRectF(150, 200, 30, 30), 200 * 16, 140 * 16);
    disc(p, {85, 205}, 18, 10, rgb(0xffa5b8));
    disc(p, {215, 205}, 18, 10, rgb(0xffa5b8));
}

// ---- 美女: stylised portraits ----

void girlPortrait(QPainter& p, QSizeF) {
    fill(p, rgb(0xd7c4f0));
    const QColor hair = rgb(0x2b1d14);
    p.setPen(Qt::NoPen);
    p.setBrush(hair);
    p.drawRoundedRect(QRectF(60, 60, 180, 240), 80, 80);
    disc(p, {150, 160}, 72, 88, rgb(0xf8d5b8), outline(3, rgb(0x7a4a30)));
    p.setBrush(hair);
    p.drawPath(twoCurves({75, 150}, {80, 60}, {220, 60}, {225, 150}, {190, 110}, {140, 100}));
    disc(p, {122, 165}, 10, 12, rgb(0x3a2a20));
    disc(p, {178, 165}, 10, 12, rgb(0x3a2a20));
    disc(p, {119, 161}, 3, 3, Qt::white);
    disc(p, {175, 161}, 3, 3, Qt::white);
    disc(p, {108, 195}, 14, 8, rgb(0xf4a0a8));
    disc(p, {192, 195}, 14, 8, rgb(0xf4a0a8));
    p.setBrush(rgb(0xd7263d));
    p.setPen(Qt::NoPen);
    p.drawChord(QRectF(130, 200, 40, 26), 180 * 16, 180 * 16);
    for (int k = 0; k < 5; ++k) {
        const double a = k * 2 * M_PI / 5;
        disc(p, QPointF(215 + 16 * std::cos(a), 95 + 16 * std::sin(a)), 11, 11, rgb(0xff5d8f));
    }
    disc(p, {215, 95}, 8, 8, rgb(0xffd23f));
}

void ladySilhouette(QPainter& p, QSizeF) {
    fill(p, rgb(0x2e4a7d));
    disc(p, {150, 150}, 115, 135, rgb(0xd4a373));
    disc(p, {150, 150}, 102, 122, rgb(0xfaedcd));
    QPainterPath head;
    head.moveTo(110, 262);
    head.cubicTo(110, 230, 100, 215, 120, 200); // neck, back
    head.cubicTo(85, 190, 80, 150, 95, 115);    // back of the head
    head.cubicTo(105, 75, 150, 55, 180, 75);    // crown
    head.cubicTo(200, 88, 205, 110, 203, 125);  // forehead
    head.lineTo(218, 150);                      // nose
    head.lineTo(204, 156);
    head.lineTo(208, 166); // lips
    head.lineTo(202, 170);
    head.lineTo(205, 180);
    head.cubicTo(200, 192, 185, 196, 178, 195); // chin
    head.cubicTo(172, 215, 180, 240, 195, 262); // throat
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(rgb(0x1b1b2f));
    p.drawPath(head);
    disc(p, {105, 95}, 32, 30, rgb(0x1b1b2f)); // the bun
    p.setBrush(rgb(0x9b2335));
    p.drawRoundedRect(QRectF(80, 88, 30, 10), 4, 4);
}

void flowerPortrait(QPainter& p, QSizeF) {
    fill(p, rgb(0xfdf0d5));
    p.setPen(outline(8, rgb(0x2d6a4f)));
    p.drawLine(QPointF(150, 290), QPointF(150, 170));
    poly(p, {{150, 250}, {90, 215}, {70, 235}, {110, 255}}, rgb(0x40916c));
    poly(p, {{150, 230}, {215, 195}, {235, 215}, {190, 240}}, rgb(0x40916c));
    const QColor petals[] = {rgb(0xc9184a), rgb(0xff4d6d), rgb(0xff758f)};
    for (int ring = 0; ring < 3; ++ring) {
        const int count = 8 - ring * 2;
        const double r = 70 - ring * 20;
        for (int k = 0; k < count; ++k) {
            const double a = k * 2 * M_PI / count + ring * 0.4;
            disc(p, QPointF(150 + r * 0.6 * std::cos(a), 120 + r * 0.6 * std::sin(a)), r * 0.5, r * 0.5,
                 petals[ring], outline(2, rgb(0x800f2f)));
        }
    }
    disc(p, {150, 120}, 16, 16, rgb(0xffd60a), outline(2, rgb(0x800f2f)));
}

// ---- 汽车: vehicles side on ----

void wheel(QPainter& p, QPointF at, double r) {
    disc(p, at, r, r, rgb(0x1a1a1a));
    disc(p, at, r * 0.55, r * 0.55, rgb(0xbfc0c0));
    disc(p, at, r * 0.18, r * 0.18, rgb(0x555555));
}

void road(QPainter& p, QSizeF s, const QColor& sky) {
    fill(p, sky);
    p.fillRect(QRectF(0, s.height() * 0.78, s.width(), s.height()), rgb(0x5a5a5a));
    for (int x = 10; x < s.width(); x += 70)
        p.fillRect(QRectF(x, s.height() * 0.88, 40, 6), Qt::white);
}

void redCar(QPainter& p, QSizeF s) {
    road(p, s, rgb(0xbde0fe));
    QPainterPath body;
    body.moveTo(40, 195);
    body.lineTo(40, 160);
    body.cubicTo(45, 140, 80, 135, 110, 132);
    body.lineTo(150, 95);
    body.lineTo(270, 95);
    body.lineTo(315, 132);
    body.cubicTo(350, 135, 365, 145, 365, 165);
    body.lineTo(365, 195);
    body.closeSubpath();
    p.setPen(outline(4));
    p.setBrush(rgb(0xd62828));
    p.drawPath(body);
    poly(p, {{160, 104}, {205, 104}, {205, 132}, {128, 132}}, rgb(0x90e0ef), outline(3));
    poly(p, {{215, 104}, {265, 104}, {300, 132}, {215, 132}}, rgb(0x90e0ef), outline(3));
    p.fillRect(QRectF(340, 150, 20, 12), rgb(0xffd60a));
    p.fillRect(QRectF(42, 150, 14, 12), rgb(0xff8800));
    wheel(p, {110, 195}, 32);
    wheel(p, {295, 195}, 32);
}

void blueBus(QPainter& p, QSizeF s) {
    road(p, s, rgb(0xfff3b0));
    p.setPen(outline(4));
    p.setBrush(rgb(0x1d4ed8));
    p.drawRoundedRect(QRectF(30, 60, 340, 140), 18, 18);
    p.fillRect(QRectF(34, 160, 332, 12), Qt::white);
    for (int k = 0; k < 5; ++k) {
        p.setBrush(rgb(0xcaf0f8));
        p.setPen(outline(3));
        p.drawRoundedRect(QRectF(50 + k * 56, 78, 44, 50), 6, 6);
    }
    p.setBrush(rgb(0xcaf0f8));
    p.drawRoundedRect(QRectF(330, 78, 30, 72), 6, 6);
    p.fillRect(QRectF(352, 175, 16, 12), rgb(0xffd60a));
    wheel(p, {100, 200}, 30);
    wheel(p, {300, 200}, 30);
}

void yellowRacer(QPainter& p, QSizeF s) {
    road(p, s, rgb(0x80ffdb));
    QPainterPath body;
    body.moveTo(30, 190);
    body.lineTo(40, 150);
    body.lineTo(160, 130);
    body.lineTo(200, 105);
    body.lineTo(250, 105);
    body.lineTo(280, 135);
    body.lineTo(375, 160);
    body.lineTo(375, 190);
    body.closeSubpath();
    p.setPen(outline(4));
    p.setBrush(rgb(0xffc300));
    p.drawPath(body);
    poly(p, {{25, 120}, {70, 120}, {70, 150}, {40, 150}}, rgb(0x111111));
    poly(p, {{205, 112}, {245, 112}, {268, 135}, {190, 135}}, rgb(0x023e8a), outline(3));
    p.fillRect(QRectF(40, 168, 335, 8), rgb(0x111111));
    disc(p, {150, 158}, 20, 20, Qt::white, outline(3));
    // The racing number 7, drawn rather than typeset.
    p.setPen(outline(5, rgb(0xd00000)));
    p.drawPolyline(QPolygonF({QPointF(141, 148), QPointF(159, 148), QPointF(147, 170)}));
    wheel(p, {90, 192}, 30);
    wheel(p, {310, 192}, 30);
}

// ---- 星座: constellations on a night sky ----

void constellation(QPainter& p, QSizeF s, const std::vector<QPointF>& stars,
                   const std::vector<std::pair<int, int>>& lines, unsigned seed) {
    fill(p, rgb(0x0b1d51));
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> x(0, s.width()), y(0, s.height()), r(0.8, 2.0);
    for (int k = 0; k < 70; ++k)
        disc(p, QPointF(x(random), y(random)), r(random), r(random), rgb(0x8fa7e0));
    p.setPen(outline(2, rgb(0x7fd1ff)));
    for (const auto& [a, b] : lines)
        p.drawLine(stars[a], stars[b]);
    for (std::size_t k = 0; k < stars.size(); ++k) {
        const double size = 7 + (k * 5) % 6;
        disc(p, stars[k], size + 4, size + 4, rgb(0x2a4a9a));
        poly(p,
             {stars[k] + QPointF(0, -size * 1.8), stars[k] + QPointF(size * 0.4, 0),
              stars[k] + QPointF(0, size * 1.8), stars[k] + QPointF(-size * 0.4, 0)},
             rgb(0xfff3a0));
        disc(p, stars[k], size * 0.7, size * 0.7, rgb(0xffe066));
    }
}

void bigDipper(QPainter& p, QSizeF s) {
    constellation(p, s, {{40, 90}, {100, 70}, {155, 95}, {200, 135}, {215, 205}, {300, 220}, {300, 140}},
                  {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 3}}, 7);
    disc(p, {255, 45}, 26, 26, rgb(0xf1f1f1));
    disc(p, {266, 38}, 24, 24, rgb(0x0b1d51));
}

void orion(QPainter& p, QSizeF s) {
    constellation(p, s,
                  {{95, 55}, {215, 70}, {135, 150}, {155, 145}, {175, 140}, {90, 255}, {225, 245}, {150, 35}},
                  {{0, 7}, {7, 1}, {0, 2}, {1, 4}, {2, 3}, {3, 4}, {2, 5}, {4, 6}}, 11);
}

void cassiopeia(QPainter& p, QSizeF s) {
    constellation(p, s, {{35, 100}, {100, 190}, {160, 120}, {215, 200}, {275, 95}},
                  {{0, 1}, {1, 2}, {2, 3}, {3, 4}}, 23);
    disc(p, {60, 250}, 18, 18, rgb(0xffb703));
    disc(p, {250, 260}, 10, 10, rgb(0xe76f51));
}

// ---- 动物 ----

void parrot(QPainter& p, QSizeF) {
    fill(p, rgb(0xcdeac0));
    p.setPen(outline(10, rgb(0x7f5539)));
    p.drawLine(QPointF(20, 250), QPointF(290, 230));
    QPainterPath tail;
    tail.moveTo(140, 220);
    tail.lineTo(120, 300);
    tail.lineTo(175, 300);
    tail.lineTo(170, 220);
    p.setPen(outline(3));
    p.setBrush(rgb(0x0077b6));
    p.drawPath(tail);
    disc(p, {160, 160}, 60, 80, rgb(0xe63946), outline(4));
    p.setBrush(rgb(0xffb703));
    p.drawPath(twoCurves({175, 120}, {230, 140}, {225, 210}, {180, 235}, {170, 200}, {165, 160}));
    p.setBrush(rgb(0x0077b6));
    p.drawPath(twoCurves({205, 185}, {212, 205}, {200, 225}, {180, 235}, {180, 215}, {190, 195}));
    disc(p, {150, 85}, 45, 42, rgb(0xe63946), outline(4));
    disc(p, {135, 80}, 16, 14, Qt::white);
    disc(p, {135, 80}, 6, 6, Qt::black);
    QPainterPath beak;
    beak.moveTo(108, 78);
    beak.cubicTo(80, 75, 75, 105, 92, 120);
    beak.cubicTo(95, 105, 105, 100, 115, 100);
    beak.closeSubpath();
    p.setBrush(rgb(0x333333));
    p.drawPath(beak);
    p.setPen(outline(6, rgb(0x555555)));
    p.drawLine(QPointF(145, 238), QPointF(145, 248));
    p.drawLine(QPointF(175, 236), QPointF(175, 246));
}

void goldfish(QPainter& p, QSizeF s) {
    fill(p, rgb(0x48cae4));
    p.fillRect(QRectF(0, s.height() * 0.85, s.width(), s.height()), rgb(0xe9c46a));
    QPainterPath tail;
    tail.moveTo(90, 150);
    tail.lineTo(30, 90);
    tail.cubicTo(45, 150, 45, 150, 30, 210);
    tail.closeSubpath();
    p.setPen(outline(4, rgb(0x9d0208)));
    p.setBrush(rgb(0xf48c06));
    p.drawPath(tail);
    disc(p, {160, 150}, 85, 55, rgb(0xfb8500), outline(4, rgb(0x9d0208)));
    poly(p, {{140, 97}, {175, 60}, {195, 100}}, rgb(0xf48c06), outline(4, rgb(0x9d0208)));
    disc(p, {205, 135}, 14, 14, Qt::white, outline(3));
    disc(p, {208, 135}, 7, 7, Qt::black);
    p.setPen(outline(3, rgb(0x9d0208)));
    p.setBrush(Qt::NoBrush);
    for (int k = 0; k < 3; ++k)
        p.drawArc(QRectF(110 + k * 25, 125, 30, 40), 60 * 16, -120 * 16);
    for (int k = 0; k < 4; ++k)
        disc(p, QPointF(255 + k * 8, 110 - k * 28), 6 + k * 2, 6 + k * 2, rgb(0xcaf0f8),
             outline(2, Qt::white));
    p.setPen(outline(6, rgb(0x2d6a4f)));
    p.drawLine(QPointF(270, 300), QPointF(260, 200));
    p.drawLine(QPointF(285, 300), QPointF(295, 215));
}

void butterfly(QPainter& p, QSizeF) {
    fill(p, rgb(0xfefae0));
    for (int side : {-1, 1}) {
        p.save();
        p.translate(150, 150);
        p.scale(side, 1);
        disc(p, {60, -45}, 60, 55, rgb(0x7209b7), outline(4));
        disc(p, {50, 50}, 45, 40, rgb(0xf72585), outline(4));
        disc(p, {70, -50}, 20, 20, rgb(0xffd60a));
        disc(p, {55, 55}, 14, 14, rgb(0x4cc9f0));
        p.restore();
    }
    p.setPen(outline(3));
    p.setBrush(rgb(0x2b2d42));
    p.drawRoundedRect(QRectF(142, 80, 16, 150), 8, 8);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(110, 40, 40, 80), 30 * 16, 120 * 16);
    p.drawArc(QRectF(150, 40, 40, 80), 30 * 16, 120 * 16);
}

// ---- 风景 ----

void sunsetMountains(QPainter& p, QSizeF s) {
    const QColor bands[] = {rgb(0x3d0066), rgb(0x7b2cbf), rgb(0xe5383b), rgb(0xf77f00), rgb(0xfcbf49)};
    // The last band runs to the bottom, behind the mountains.
    for (int k = 0; k < 5; ++k)
        p.fillRect(QRectF(0, k * 40, s.width(), k == 4 ? s.height() : 40), bands[k]);
    disc(p, {200, 190}, 55, 55, rgb(0xffe66d));
    poly(p, {{0, 300}, {0, 200}, {90, 110}, {170, 210}, {240, 140}, {330, 230}, {400, 170}, {400, 300}},
         rgb(0x5a189a));
    poly(p, {{90, 110}, {120, 146}, {102, 138}, {90, 150}, {78, 136}, {62, 138}}, Qt::white);
    poly(p, {{0, 300}, {0, 250}, {120, 200}, {230, 260}, {320, 215}, {400, 255}, {400, 300}}, rgb(0x240046));
}

void lakeHouse(QPainter& p, QSizeF s) {
    fill(p, rgb(0x8ecae6));
    disc(p, {330, 60}, 30, 30, rgb(0xffd60a));
    for (QPointF c : {QPointF(80, 60), QPointF(190, 45)}) {
        disc(p, c, 35, 18, Qt::white);
        disc(p, c + QPointF(25, -8), 25, 18, Qt::white);
    }
    poly(p, {{0, 190}, {120, 120}, {260, 170}, {400, 130}, {400, 210}, {0, 210}}, rgb(0x52b788));
    p.fillRect(QRectF(0, 210, s.width(), 90), rgb(0x0077b6));
    for (int k = 0; k < 4; ++k)
        p.fillRect(QRectF(40 + k * 90, 240 + (k % 2) * 25, 50, 4), rgb(0x90e0ef));
    p.setPen(outline(3));
    p.setBrush(rgb(0xfefae0));
    p.drawRect(QRectF(150, 140, 90, 65));
    poly(p, {{140, 142}, {195, 100}, {250, 142}}, rgb(0xc1121f), outline(3));
    p.setBrush(rgb(0x6f4518));
    p.drawRect(QRectF(185, 170, 22, 35));
    p.setBrush(rgb(0x90e0ef));
    p.drawRect(QRectF(160, 152, 18, 16));
    p.drawRect(QRectF(214, 152, 18, 16));
    disc(p, {95, 170}, 25, 35, rgb(0x1b4332));
    p.fillRect(QRectF(91, 195, 8, 15), rgb(0x6f4518));
}

void beachPalm(QPainter& p, QSizeF s) {
    fill(p, rgb(0x4cc9f0));
    p.fillRect(QRectF(0, 150, s.width(), 80), rgb(0x0096c7));
    for (int k = 0; k < 5; ++k)
        p.fillRect(QRectF(20 + k * 80, 170 + (k % 2) * 20, 40, 4), Qt::white);
    QPainterPath sand;
    sand.moveTo(0, 300);
    sand.lineTo(0, 220);
    sand.cubicTo(120, 200, 260, 240, 400, 215);
    sand.lineTo(400, 300);
    p.setPen(Qt::NoPen);
    p.setBrush(rgb(0xf4d58d));
    p.drawPath(sand);
    disc(p, {80, 70}, 38, 38, rgb(0xffd60a));
    QPainterPath trunk;
    trunk.moveTo(290, 260);
    trunk.cubicTo(285, 200, 270, 140, 250, 95);
    trunk.lineTo(262, 92);
    trunk.cubicTo(285, 140, 300, 200, 306, 258);
    trunk.closeSubpath();
    p.setPen(outline(2, rgb(0x5e3023)));
    p.setBrush(rgb(0x9c6644));
    p.drawPath(trunk);
    for (int k = 0; k < 5; ++k) {
        p.save();
        p.translate(256, 92);
        p.rotate(-160 + k * 45);
        p.setPen(outline(2, rgb(0x1b4332)));
        p.setBrush(rgb(0x2d6a4f));
        p.drawPath(twoCurves({0, 0}, {30, -25}, {70, -20}, {95, 10}, {65, -5}, {30, -5}));
        p.restore();
    }
    disc(p, {256, 98}, 8, 8, rgb(0x6f4518));
    disc(p, {266, 100}, 8, 8, rgb(0x6f4518));
}

// ---- 艺术 ----

void mosaic(QPainter& p, QSizeF s) {
    const QColor palette[] = {rgb(0xe63946), rgb(0xf1faee), rgb(0xa8dadc),
                              rgb(0x457b9d), rgb(0x1d3557), rgb(0xffb703)};
    std::mt19937 random(42);
    std::uniform_int_distribution<int> pick(0, 5);
    fill(p, rgb(0x222222));
    const double tile = 25;
    for (double y = 0; y < s.height(); y += tile)
        for (double x = 0; x < s.width(); x += tile) {
            const double dx = x + tile / 2 - s.width() / 2, dy = y + tile / 2 - s.height() / 2;
            const int ring = static_cast<int>(std::sqrt(dx * dx + dy * dy) / 40);
            const int colour = (ring + (pick(random) == 0 ? 1 : 0)) % 6;
            p.fillRect(QRectF(x + 2, y + 2, tile - 4, tile - 4), palette[colour]);
        }
}

void colourCircles(QPainter& p, QSizeF) {
    const QColor grounds[] = {rgb(0xffb703), rgb(0x219ebc), rgb(0xe63946), rgb(0x2a9d8f), rgb(0x8338ec),
                              rgb(0xfb5607), rgb(0x023047), rgb(0xffbe0b), rgb(0x3a86ff)};
    for (int k = 0; k < 9; ++k) {
        const QPointF corner((k % 3) * 100.0, (k / 3) * 100.0);
        p.fillRect(QRectF(corner, QSizeF(100, 100)), grounds[k]);
        for (int r = 0; r < 3; ++r)
            disc(p, corner + QPointF(50, 50), 40 - r * 13, 40 - r * 13, grounds[(k + 3 * r + 4) % 9]);
    }
}

void blockGrid(QPainter& p, QSizeF) {
    fill(p, rgb(0xf5f3ee));
    p.fillRect(QRectF(0, 0, 180, 170), rgb(0xd62828));
    p.fillRect(QRectF(230, 200, 70, 100), rgb(0x1d3dbf));
    p.fillRect(QRectF(0, 240, 100, 60), rgb(0xffd100));
    p.fillRect(QRectF(230, 0, 70, 80), rgb(0x111111));
    p.setPen(Qt::NoPen);
    p.setBrush(rgb(0x111111));
    for (double x : {180.0, 230.0})
        p.drawRect(QRectF(x, 0, 10, 300));
    for (double y : {170.0, 240.0})
        p.drawRect(QRectF(0, y, 300, 10));
    p.drawRect(QRectF(100, 170, 8, 130));
    p.drawRect(QRectF(230, 80, 70, 8));
    p.drawRect(QRectF(230, 200, 70, 8));
}

const std::vector<Sample>& samples() {
    static const std::vector<Sample> all = {
        {"动漫", "cat_face.jpg", {300, 300}, catFace},
        {"动漫", "robot.jpg", {300, 300}, robot},
        {"动漫", "frog.jpg", {300, 300}, frog},
        {"动漫", "PANDA.JPG", {300, 300}, panda},
        {"美女", "girl_portrait.jpg", {300, 320}, girlPortrait},
        {"美女", "cameo.jpg", {300, 300}, ladySilhouette},
        {"美女", "flower_portrait.jpg", {300, 300}, flowerPortrait},
        {"汽车", "red_car.jpg", {400, 260}, redCar},
        {"汽车", "blue_bus.jpg", {400, 260}, blueBus},
        {"汽车", "yellow_racer.jpg", {400, 260}, yellowRacer},
        {"星座", "big_dipper.jpg", {340, 280}, bigDipper},
        {"星座", "orion.jpg", {300, 300}, orion},
        {"星座", "cassiopeia.jpg", {320, 290}, cassiopeia},
        {"动物", "parrot.jpg", {300, 300}, parrot},
        {"动物", "goldfish.jpg", {320, 300}, goldfish},
        {"动物", "butterfly.jpg", {300, 300}, butterfly},
        {"风景", "sunset_mountains.jpg", {400, 300}, sunsetMountains},
        {"风景", "lake_house.jpg", {400, 300}, lakeHouse},
        {"风景", "beach_palm.jpg", {400, 300}, beachPalm},
        {"艺术", "mosaic.jpg", {300, 300}, mosaic},
        {"艺术", "colour_circles.jpg", {300, 300}, colourCircles},
        {"艺术", "blocks.jpg", {300, 300}, blockGrid},
    };
    return all;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::cerr << "usage: pav_make_gallery <gallery-folder>\n";
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    int failures = 0;
    for (const Sample& sample : samples()) {
        const QString folder = root.filePath(QString::fromUtf8(sample.category));
        QDir().mkpath(folder);
        QImage picture(sample.size, QImage::Format_RGB32);
        picture.fill(Qt::white);
        {
            QPainter painter(&picture);
            painter.setRenderHint(QPainter::Antialiasing);
            sample.draw(painter, QSizeF(sample.size));
        }
        const QString path = QDir(folder).filePath(QString::fromUtf8(sample.file));
        if (!picture.save(path, "JPG", 90)) {
            std::cerr << "cannot write " << path.toStdString() << '\n';
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
