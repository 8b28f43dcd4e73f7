// Draws the program's icon: a heart of red cross stitches on a square of
// cream fabric with its woven grid. One list of shapes is written both as the
// scalable SVG and, through QPainter, as PNG files at 48 and 256 pixels.
// Run by hand (target pav_make_icon); the results are committed in assets/icons/.
//
//   pav_make_icon <folder>   (writes pavlenta.svg, pavlenta-48.png, pavlenta-256.png)

#include <cstdio>
#include <vector>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>

namespace {

constexpr double kSide = 256; // the drawing's own units

struct Shape {
    enum Kind { RoundedSquare, Line } kind;
    double x1, y1, x2, y2; // square: left, top, right, bottom; line: its ends
    QColor fill;           // square only
    QColor stroke;
    double width;
};

// The heart, one row of cells a line: '#' is a stitch.
constexpr const char* kHeart[] = {
    ".##...##.",
    "####.####",
    "#########",
    "#########",
    ".#######.",
    "..#####..",
    "...###...",
    "....#....",
};
constexpr int kCells = 11; // the fabric's grid, one cell of margin round the heart

std::vector<Shape> iconShapes() {
    std::vector<Shape> shapes;
    const double margin = 12, cell = (kSide - 2 * margin) / kCells;
    shapes.push_back({Shape::RoundedSquare, margin, margin, kSide - margin, kSide - margin,
                      QColor(246, 238, 218), QColor(140, 104, 70), 6});
    for (int i = 1; i < kCells; ++i) {
        const double at = margin + i * cell;
        shapes.push_back({Shape::Line, at, margin + 4, at, kSide - margin - 4, {}, QColor(222, 208, 178), 2});
        shapes.push_back({Shape::Line, margin + 4, at, kSide - margin - 4, at, {}, QColor(222, 208, 178), 2});
    }
    const QColor red(200, 36, 64), shade(150, 20, 44);
    const int rows = sizeof kHeart / sizeof kHeart[0];
    const int top = (kCells - rows) / 2 + 1, left = 1;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; kHeart[r][c]; ++c) {
            if (kHeart[r][c] != '#') continue;
            const double x = margin + (left + c) * cell, y = margin + (top + r) * cell, inset = cell * 0.18;
            // The under stitch darker, the top stitch crossing it from top left to bottom right.
            shapes.push_back({Shape::Line, x + cell - inset, y + inset, x + inset, y + cell - inset, {}, shade, cell * 0.26});
            shapes.push_back({Shape::Line, x + inset, y + inset, x + cell - inset, y + cell - inset, {}, red, cell * 0.26});
        }
    }
    return shapes;
}

QString svgColor(const QColor& c) { return c.name(QColor::HexRgb); }

bool writeSvg(const std::vector<Shape>& shapes, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    QTextStream out(&file);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 256 256\">\n";
    for (const Shape& s : shapes) {
        if (s.kind == Shape::RoundedSquare)
            out << QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"28\" fill=\"%5\" "
                                  "stroke=\"%6\" stroke-width=\"%7\"/>\n")
                       .arg(s.x1).arg(s.y1).arg(s.x2 - s.x1).arg(s.y2 - s.y1)
                       .arg(svgColor(s.fill), svgColor(s.stroke)).arg(s.width);
        else
            out << QStringLiteral("  <line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\" stroke=\"%5\" "
                                  "stroke-width=\"%6\" stroke-linecap=\"round\"/>\n")
                       .arg(s.x1, 0, 'f', 2).arg(s.y1, 0, 'f', 2).arg(s.x2, 0, 'f', 2).arg(s.y2, 0, 'f', 2)
                       .arg(svgColor(s.stroke)).arg(s.width, 0, 'f', 2);
    }
    out << "</svg>\n";
    return file.flush();
}

bool writePng(const std::vector<Shape>& shapes, int size, const QString& path) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / kSide, size / kSide);
    for (const Shape& s : shapes) {
        QPen pen(s.stroke, s.width, Qt::SolidLine, Qt::RoundCap);
        p.setPen(pen);
        if (s.kind == Shape::RoundedSquare) {
            p.setBrush(s.fill);
            p.drawRoundedRect(QRectF(QPointF(s.x1, s.y1), QPointF(s.x2, s.y2)), 28, 28);
        } else {
            p.drawLine(QPointF(s.x1, s.y1), QPointF(s.x2, s.y2));
        }
    }
    p.end();
    return image.save(path, "PNG");
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: pav_make_icon <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const std::vector<Shape> shapes = iconShapes();
    const bool ok = writeSvg(shapes, folder.filePath("pavlenta.svg")) &&
                    writePng(shapes, 48, folder.filePath("pavlenta-48.png")) &&
                    writePng(shapes, 256, folder.filePath("pavlenta-256.png"));
    return ok ? 0 : 1;
}
