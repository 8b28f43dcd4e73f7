#pragma once
// Fixtures shared by the chart's GoogleTest programs: a chart window over a
// stitch picture made of chosen threads, and pixel comparisons that report the
// first differing pixel.

#include "ChartFakes.h"

#include "chart/ChartFonts.h"
#include "chart/window/Form7Model.h"
#include "base/TaskDelegate.h"
#include "palette/ColourMatcher.h"
#include "palette/RgbValues.h"
#include "palette/ThreadPalette.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace pav::chart::test {

// The fonts need a GUI application; one lives for the whole test program.
inline void ensureGuiApp() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "chart_test";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);
}

// The colour of thread row r (1..423).
inline std::int32_t threadColor(int row) {
    return palette::dmcThreads()[static_cast<std::size_t>(row - 1)].color;
}
inline std::string threadNumber(int row) {
    return palette::dmcThreads()[static_cast<std::size_t>(row - 1)].number;
}

inline QRgb qrgbOf(std::int32_t rgb) {
    return qRgb(palette::redOf(rgb), palette::greenOf(rgb), palette::blueOf(rgb));
}

// A chart window over a fake main window, with a picture painted by paint(x, y).
struct ChartRun {
    FakeHost host;
    RecordingSink sink;
    Form7Model model{host, sink};
    std::int64_t clock = 1000; // milliseconds, moved by the test

    ChartRun(int w, int h, const std::function<std::int32_t(int, int)>& paint) {
        ensureGuiApp();
        model.setClock([this] { return clock; });
        host.width = w;
        host.height = h;
        for (int y = 0; y < h && y < host.stitches.height; ++y)
            for (int x = 0; x < w && x < host.stitches.width; ++x)
                host.stitches.at(x, y) = paint(x, y);
        model.load();
    }
    // The stitch colours the window charts.
    colour::RgbGrid& colours() { return host.stitches; }
    const colour::RgbGrid& colours() const { return host.stitches; }
    // The legend's length: what maxColor counts after a generation.
    int maxColor() const { return static_cast<int>(model.chart().legend().size()); }
    // The catalogue row of the thread at (x, y), 0 for none.
    int rowAt(int x, int y) const {
        const int t = model.chart().threadAt(x, y);
        return t == kNoStitch ? 0 : model.chart().threads()[static_cast<std::size_t>(t)].row;
    }
    void generate(const TaskDelegate& events = {}) { model.command1Clicked(events); }
    const QImage& canvas() const { return model.canvas(); }
    double L() const { return model.geometry().leftMargin; }
    double T() const { return model.geometry().gridTop; }
};

// Sixty threads spread over the range (light, mid and dark), each the nearest
// thread to its own colour, so a picture painted with them keeps them apart.
inline const std::vector<int>& sampleRows() {
    static const std::vector<int> rows = [] {
        std::vector<int> picked;
        for (int r = 1; r <= palette::kThreadRows && picked.size() < 60; r += 5)
            if (palette::nearestThreadRow(threadColor(r)) == r) picked.push_back(r);
        return picked;
    }();
    return rows;
}

// Every pixel of rect has colour; otherwise names the first one that does not.
inline ::testing::AssertionResult allPixels(const QImage& image, const QRect& rect, QRgb colour) {
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (image.pixel(x, y) != colour)
                return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << std::hex
                                                     << image.pixel(x, y) << ", not " << colour;
    return ::testing::AssertionSuccess();
}

// rect of actual equals rect of expected.
inline ::testing::AssertionResult sameRegion(const QImage& actual, const QImage& expected,
                                             const QRect& rect) {
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (actual.pixel(x, y) != expected.pixel(x, y))
                return ::testing::AssertionFailure()
                       << "pixel (" << x << ", " << y << ") is " << std::hex << actual.pixel(x, y)
                       << ", expected " << expected.pixel(x, y);
    return ::testing::AssertionSuccess();
}

// A canvas-sized image of one background with texts drawn at their top-left corners.
struct TextAt {
    QPointF topLeft;
    QString text;
    QFont font;
    QColor colour = Qt::black;
};
inline QImage referenceText(const QImage& like, const std::vector<TextAt>& texts,
                            QRgb background = 0xffffffff) {
    QImage image(like.size(), QImage::Format_RGB32);
    image.setDotsPerMeterX(like.dotsPerMeterX());
    image.setDotsPerMeterY(like.dotsPerMeterY());
    image.fill(background);
    QPainter painter(&image);
    for (const TextAt& t : texts) {
        painter.setFont(t.font);
        painter.setPen(t.colour);
        const double baseline = std::nearbyint(t.topLeft.y() + textAscent(t.font, &image));
        painter.drawText(QPointF(std::nearbyint(t.topLeft.x()), baseline), t.text);
    }
    return image;
}

} // namespace pav::chart::test
