#pragma once
// Charts as OXS files (Open Cross Stitch XML): the format other cross-stitch
// programs exchange patterns in. Reading accepts what those programs write
// (padded thread numbers, sparse stitches, back stitches, elements this program
// does not draw, which are kept and written back); a file that is not a sound
// chart is refused as a whole with a reason, and no DTD is ever processed.

#include "chart/Chart.h"

#include <QByteArray>
#include <QString>

#include <string>

namespace pav::chart::oxs {

enum class OxsError {
    None,
    CannotOpen,      // the file cannot be read
    FileTooBig,      // larger than any chart file can be
    NotXml,          // not well-formed XML
    Truncated,       // the document ends before its root element does
    DtdRefused,      // a document type declaration (and with it any entity definitions)
    WrongRoot,       // the root element is not <chart>
    BadSize,         // chart width or height missing, not a number, or below 1
    ChartTooLarge,   // wider or higher than the chart area
    BadPalette,      // palette items without the cloth, with repeated or unknown indexes, or bad colours
    TooManyThreads,  // more threads than a legend holds
    BadStitch,       // a stitch without proper coordinates
    StitchOutside,   // a stitch outside the chart
    NoSuchThread,    // a stitch of a palette index the file does not have
    TooManyElements, // more elements, or deeper nesting, than a chart file can need
    TooManyAttributes, // an element with more attributes than any chart needs
    TextTooLong,     // a title, name, number or other text longer than any chart needs
    BackStitchesTooLong, // back stitches longer together than any chart of the size needs
    CannotWrite      // the file could not be written; an earlier file of that name is unchanged
};

// Limits that keep a hostile file from taking unbounded memory or time.
inline constexpr qint64 kMaxFileBytes = 32 * 1024 * 1024;
inline constexpr int kMaxThreads = 500;
inline constexpr int kMaxDepth = 16;
inline constexpr int kMaxStitchElements = 4 * kMaxChartSide * kMaxChartSide;
inline constexpr int kMaxBackStitches = 200000;
// Elements kept as they were read (part stitches, knots, beads, others): a few per
// cell of the chart, so that the limit grows with the charts the program takes.
inline constexpr int keptElementsFor(int width, int height) { return 3 * width * height / 2 + 10000; }
inline constexpr int kMaxKeptElements = keptElementsFor(kMaxChartSide, kMaxChartSide);
inline constexpr int kMaxAllElements = kMaxStitchElements + kMaxBackStitches + kMaxKeptElements;
// Back stitches end to end, in cells: every side and both diagonals of every cell
// come to less than this.
inline constexpr double backStitchLengthFor(int width, int height) {
    return 5.0 * width * height + 4.0 * (width + height);
}
// Attributes on one element: a palette item has about ten.
inline constexpr int kMaxAttributes = 256;
// Bytes of one attribute value or one run of character data (instructions, notes).
inline constexpr int kMaxTextBytes = 64 * 1024;
// Bytes of what the sheet and the pattern draw: the title, author, copyright and thread
// range, and each thread's number and name.
inline constexpr int kMaxNameBytes = 1024;
inline constexpr int kMaxNumberBytes = 64;

struct OxsReadResult {
    Chart chart;                      // the chart read; empty on an error
    OxsError error = OxsError::None;
    qint64 line = 0;                  // where the reader stopped, for the reason
    bool ok() const { return error == OxsError::None; }
};

// Reads the chart of an OXS file, or says why it is refused.
OxsReadResult readOxsFile(const QString& path);
OxsReadResult readOxs(const QByteArray& data);

// The chart as an OXS document.
QByteArray writeOxs(const Chart& chart);
// Writes the document under a temporary name beside path and renames it over
// path only when complete; detail, when given, receives the system's reason.
OxsError writeOxsFile(const QString& path, const Chart& chart, QString* detail = nullptr);

// Why, in English, for the command line.
std::string errorReason(OxsError error);

// The OXS way of writing a catalogue thread's number: "DMC    310".
std::string paddedThreadNumber(const std::string& brand, const std::string& number);

} // namespace pav::chart::oxs
