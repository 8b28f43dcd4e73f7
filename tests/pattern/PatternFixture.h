#pragma once
// Charts made for the pattern tests, and reading a written pattern back with
// poppler: page count, fonts, images, and every word with its box in millimetres.

#include "chart/Chart.h"
#include "chart/ChartFonts.h"
#include "palette/SymbolSet.h"
#include "palette/ThreadCatalogue.h"

#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>

#include <vector>

namespace pav::pattern::test {

inline void ensureApp() {
    static int argc = 1;
    static char name[] = "pattern_test";
    static char* argv[] = {name, nullptr};
    if (!QGuiApplication::instance()) new QGuiApplication(argc, argv);
    chart::installChartFontSubstitutes();
}

// A w x h chart in `threads` DMC threads spread over the catalogue, in 3 x 3
// patches; with holes, every cell on a diagonal 11 apart has no stitch.
inline chart::Chart patchChart(int w, int h, int threads, bool holes = true) {
    chart::Chart c(w, h);
    const palette::SymbolSet symbols = palette::loadxiuChr();
    const auto& dmc = palette::ThreadCatalogue::of(palette::ThreadBrand::Dmc);
    for (int i = 0; i < threads; ++i) {
        chart::ChartThread t;
        t.row = 1 + i * (dmc.size() - 1) / std::max(1, threads - 1);
        t.rgb = dmc.thread(t.row).rgb;
        t.number = dmc.thread(t.row).number;
        t.symbol = symbols.at(i + 1);
        c.threads().push_back(t);
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool hole = holes && (x + y) % 11 == 0;
            c.setThreadAt(x, y, hole ? chart::kNoStitch : (x / 3 + (y / 3) * 7) % threads);
            if (!hole) c.setBlockColour(x, y, c.threads()[static_cast<std::size_t>(c.threadAt(x, y))].rgb);
        }
    c.recount();
    c.title = "测试图样";
    return c;
}

inline QString run(const char* tool, const QStringList& args) {
    QProcess process;
    process.start(QStandardPaths::findExecutable(QString::fromLatin1(tool)), args);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline int pdfPages(const QString& pdf) {
    const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(run("pdfinfo", {pdf}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// The page's text as pdftotext reads it, with every blank taken out.
inline QString pageText(const QString& pdf, int page) {
    QString text = run("pdftotext", {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                     QString::number(page), pdf, QStringLiteral("-")});
    return text.remove(QRegularExpression(QStringLiteral("\\s")));
}

struct Word {
    QString text;
    double x1, y1, x2, y2; // millimetres from the paper's top-left corner
    double cx() const { return (x1 + x2) / 2; }
    double cy() const { return (y1 + y2) / 2; }
};

// Every word of every page, as pdftotext -bbox finds them; pages[0] is page 1.
inline std::vector<std::vector<Word>> pdfWords(const QString& pdf) {
    const QString html = run("pdftotext", {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    std::vector<std::vector<Word>> pages;
    static const QRegularExpression tag(
        QStringLiteral("<page [^>]*>|<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    constexpr double mm = 25.4 / 72;
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0).startsWith(QStringLiteral("<page"))) {
            pages.emplace_back();
            continue;
        }
        QString text = m.captured(5);
        text.replace(QStringLiteral("&lt;"), QStringLiteral("<")).replace(QStringLiteral("&gt;"), QStringLiteral(">"))
            .replace(QStringLiteral("&quot;"), QStringLiteral("\"")).replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        pages.back().push_back(Word{text, m.captured(1).toDouble() * mm, m.captured(2).toDouble() * mm,
                                    m.captured(3).toDouble() * mm, m.captured(4).toDouble() * mm});
    }
    return pages;
}

// Lines of pdffonts' table, the two header lines left out.
inline QStringList pdfFonts(const QString& pdf) {
    QStringList lines = run("pdffonts", {pdf}).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return lines.mid(2);
}

// Number of images on page `page`.
inline int pdfImages(const QString& pdf, int page) {
    const QStringList lines = run("pdfimages", {QStringLiteral("-list"), QStringLiteral("-f"), QString::number(page),
                                                QStringLiteral("-l"), QString::number(page), pdf})
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return static_cast<int>(lines.size()) - 2;
}

} // namespace pav::pattern::test
