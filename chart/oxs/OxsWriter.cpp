#include "chart/oxs/OxsFile.h"

#include "chart/oxs/OxsNames.h"
#include "palette/ProgramState.h"
#include "palette/ThreadCatalogue.h"

#include <QBuffer>
#include <QSaveFile>
#include <QXmlStreamWriter>

#include <cmath>
#include <vector>


#ifndef PAV_VERSION
#define PAV_VERSION "0"
#endif

namespace pav::chart::oxs {
namespace {

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

QString hex(std::int32_t rgb) {
    return QString::fromStdString(names::hexColour(rgb));
}

// Half cells as cells: "3" or "3.5".
QString cells(int halfCells) {
    if (halfCells % 2 == 0) return QString::number(halfCells / 2);
    return QString::number(halfCells / 2.0, 'f', 1);
}

void writeAttributes(QXmlStreamWriter& xml, const XmlAttributes& attributes) {
    for (const XmlAttribute& attribute : attributes) xml.writeAttribute(qs(attribute.name), qs(attribute.value));
}

// The kept value of a standard attribute, or the program's default.
QString keptOr(const XmlAttributes& kept, const char* name, const std::string& fallback) {
    const std::string* value = findAttribute(kept, name);
    return qs(value ? *value : fallback);
}

// The kept attributes that the standard ones written before them do not name.
void writeOthers(QXmlStreamWriter& xml, const XmlAttributes& kept, std::initializer_list<const char*> written) {
    for (const XmlAttribute& attribute : kept) {
        bool standard = false;
        for (const char* name : written) standard = standard || attribute.name == name;
        if (!standard) xml.writeAttribute(qs(attribute.name), qs(attribute.value));
    }
}

void writeElement(QXmlStreamWriter& xml, const XmlElement& element) {
    xml.writeStartElement(qs(element.name));
    writeAttributes(xml, element.attributes);
    if (!element.text.empty()) xml.writeCharacters(qs(element.text));
    for (const XmlElement& child : element.children) writeElement(xml, child);
    xml.writeEndElement();
}

void writeProperties(QXmlStreamWriter& xml, const Chart& chart) {
    const XmlAttributes& kept = chart.file.properties;
    xml.writeStartElement(names::kProperties);
    xml.writeAttribute("oxsversion", "1.0");
    xml.writeAttribute("software", "Pavlenta");
    xml.writeAttribute("software_version", PAV_VERSION);
    xml.writeAttribute(names::kChartWidth, QString::number(chart.width()));
    xml.writeAttribute(names::kChartHeight, QString::number(chart.height()));
    xml.writeAttribute(names::kChartTitle, qs(chart.title));
    for (const char* name : {"author", "copyright", "instructions", "stitchesperinch", "stitchesperinch_y"})
        xml.writeAttribute(name, keptOr(kept, name, names::propertyDefault(name)));
    xml.writeAttribute(names::kPaletteCount, QString::number(chart.threads().size()));
    xml.writeAttribute(names::kThreadRange, qs(chart.rangeName));
    writeOthers(xml, kept, {"author", "copyright", "instructions", "stitchesperinch", "stitchesperinch_y"});
    xml.writeEndElement();
}

void writePalette(QXmlStreamWriter& xml, const Chart& chart) {
    xml.writeStartElement(names::kPalette);
    xml.writeStartElement(names::kPaletteItem);
    xml.writeAttribute(names::kIndex, "0");
    xml.writeAttribute(names::kNumber, keptOr(chart.file.cloth, names::kNumber, names::clothDefault(names::kNumber)));
    xml.writeAttribute(names::kName, keptOr(chart.file.cloth, names::kName, names::clothDefault(names::kName)));
    xml.writeAttribute(names::kColor, hex(chart.cloth));
    writeOthers(xml, chart.file.cloth, {names::kNumber, names::kName});
    xml.writeEndElement();

    const auto& catalogue = palette::ThreadCatalogue::of(palette::ThreadBrand::Dmc);
    const auto& threads = chart.threads();
    // A file that says nothing lists the threads it stitches: a thread listed without
    // a stitch says so, or reopening the file would drop it from the legend.
    std::vector<bool> stitched(threads.size(), false);
    for (int y = 0; y < chart.height(); ++y)
        for (int x = 0; x < chart.width(); ++x)
            if (const int thread = chart.threadAt(x, y); thread >= 0 && static_cast<std::size_t>(thread) < threads.size())
                stitched[static_cast<std::size_t>(thread)] = true;
    for (const BackStitch& stitch : chart.backStitches)
        if (stitch.thread >= 0 && static_cast<std::size_t>(stitch.thread) < threads.size())
            stitched[static_cast<std::size_t>(stitch.thread)] = true;
    for (const PartStitch& stitch : chart.partStitches)
        if (stitch.thread >= 0 && static_cast<std::size_t>(stitch.thread) < threads.size())
            stitched[static_cast<std::size_t>(stitch.thread)] = true;
    for (const Ornament& ornament : chart.ornaments)
        if (ornament.thread >= 0 && static_cast<std::size_t>(ornament.thread) < threads.size())
            stitched[static_cast<std::size_t>(ornament.thread)] = true;
    for (std::size_t t = 0; t < threads.size(); ++t) {
        const ChartThread& thread = threads[t];
        static const XmlAttributes none;
        const XmlAttributes& kept = t < chart.file.threads.size() ? chart.file.threads[t] : none;
        const std::string number =
            thread.row > 0 ? paddedThreadNumber(catalogue.name(), thread.number) : thread.number;
        xml.writeStartElement(names::kPaletteItem);
        xml.writeAttribute(names::kIndex, QString::number(t + 1));
        xml.writeAttribute(names::kNumber, qs(number));
        xml.writeAttribute(names::kName, keptOr(kept, names::kName, names::threadDefault(names::kName, thread)));
        xml.writeAttribute(names::kColor, hex(thread.rgb));
        for (const char* name : {"printcolor", "blendcolor", "strands"})
            xml.writeAttribute(name, keptOr(kept, name, names::threadDefault(name, thread)));
        xml.writeAttribute(names::kSymbol, qs(thread.symbol));
        if (!thread.listed) xml.writeAttribute(names::kListed, "false");
        else if (!stitched[t]) xml.writeAttribute(names::kListed, "true");
        writeOthers(xml, kept, {names::kName, "printcolor", "blendcolor", "strands"});
        xml.writeEndElement();
    }
    xml.writeEndElement();
}

void writeFullStitches(QXmlStreamWriter& xml, const Chart& chart) {
    xml.writeStartElement(names::kFullStitches);
    for (int y = 0; y < chart.height(); ++y) {
        for (int x = 0; x < chart.width(); ++x) {
            const int thread = chart.threadAt(x, y);
            if (thread == kNoStitch) continue;
            xml.writeStartElement(names::kStitch);
            xml.writeAttribute(names::kX, QString::number(x));
            xml.writeAttribute(names::kY, QString::number(y));
            xml.writeAttribute(names::kPalindex, QString::number(thread + 1));
            const std::int32_t block = chart.blockColour(x, y);
            if (block != chart.threads()[static_cast<std::size_t>(thread)].rgb)
                xml.writeAttribute(names::kBlockColour, hex(block));
            xml.writeEndElement();
        }
    }
    xml.writeEndElement();
}

void writeBackStitches(QXmlStreamWriter& xml, const Chart& chart) {
    xml.writeStartElement(names::kBackStitches);
    for (const BackStitch& stitch : chart.backStitches) {
        xml.writeStartElement(names::kBackStitch);
        xml.writeAttribute(names::kX1, cells(stitch.x1));
        xml.writeAttribute(names::kY1, cells(stitch.y1));
        xml.writeAttribute(names::kX2, cells(stitch.x2));
        xml.writeAttribute(names::kY2, cells(stitch.y2));
        xml.writeAttribute(names::kPalindex, QString::number(stitch.thread + 1));
        writeAttributes(xml, stitch.attributes);
        xml.writeEndElement();
    }
    xml.writeEndElement();
}

// The kept container of this name, if any: what of it the chart does not hold.
const XmlElement* keptContainer(const Chart& chart, const char* name) {
    for (const XmlElement& element : chart.file.elements)
        if (element.name == name) return &element;
    return nullptr;
}

// A container's own attributes and text as kept; its kept children follow the chart's own.
void startContainer(QXmlStreamWriter& xml, const XmlElement* kept, const char* name) {
    xml.writeStartElement(name);
    if (!kept) return;
    writeAttributes(xml, kept->attributes);
    if (!kept->text.empty()) xml.writeCharacters(qs(kept->text));
}
void endContainer(QXmlStreamWriter& xml, const XmlElement* kept) {
    if (kept)
        for (const XmlElement& child : kept->children) writeElement(xml, child);
    xml.writeEndElement();
}

bool isTriangleOf(const PartStitch& stitch, CellCorner corner) {
    return stitch.kind == PartStitchKind::ThreeQuarter && stitch.corner == corner;
}

// Half stitches and the triangles of three-quarter stitches; two triangles that
// share a cell and its split, one after the other as the reader makes them, share an element.
void writePartStitches(QXmlStreamWriter& xml, const Chart& chart) {
    const XmlElement* kept = keptContainer(chart, names::kPartStitches);
    startContainer(xml, kept, names::kPartStitches);
    const std::vector<PartStitch>& stitches = chart.partStitches;
    for (std::size_t i = 0; i < stitches.size(); ++i) {
        const PartStitch& stitch = stitches[i];
        int palindex1 = 0, palindex2 = 0, direction = 0;
        if (stitch.kind == PartStitchKind::Half) {
            palindex1 = stitch.thread + 1;
            direction = stitch.diagonal == Diagonal::Forward ? names::kHalfForward : names::kHalfBackward;
        } else if (stitch.kind == PartStitchKind::ThreeQuarter) {
            const bool first = stitch.corner == CellCorner::BottomLeft || stitch.corner == CellCorner::TopLeft;
            const bool bottomLeftTopRight = stitch.corner == CellCorner::BottomLeft || stitch.corner == CellCorner::TopRight;
            direction = bottomLeftTopRight ? names::kTrianglesBottomLeftTopRight : names::kTrianglesTopLeftBottomRight;
            (first ? palindex1 : palindex2) = stitch.thread + 1;
            const CellCorner other = stitch.corner == CellCorner::BottomLeft ? CellCorner::TopRight
                                                                             : CellCorner::BottomRight;
            if (first && i + 1 < stitches.size()) {
                const PartStitch& next = stitches[i + 1];
                if (next.x == stitch.x && next.y == stitch.y && isTriangleOf(next, other) && next.attributes.empty()) {
                    palindex2 = next.thread + 1;
                    ++i;
                }
            }
        } else {
            continue; // quarters and petites are ornaments in the file
        }
        xml.writeStartElement(names::kPartStitch);
        xml.writeAttribute(names::kX, QString::number(stitch.x));
        xml.writeAttribute(names::kY, QString::number(stitch.y));
        xml.writeAttribute(names::kPalindex1, QString::number(palindex1));
        xml.writeAttribute(names::kPalindex2, keptOr(stitch.attributes, names::kPalindex2, std::to_string(palindex2)));
        xml.writeAttribute(names::kDirection, QString::number(direction));
        writeOthers(xml, stitch.attributes, {names::kPalindex2});
        xml.writeEndElement();
    }
    endContainer(xml, kept);
}

// An ornament's position as the file wrote it, when that is still where it is.
QString position(const XmlAttributes& kept, const char* name, int halfCells, bool floorToQuarter) {
    if (const std::string* written = findAttribute(kept, name)) {
        bool ok = false;
        const double cells = QString::fromStdString(*written).trimmed().toDouble(&ok);
        const long long half = floorToQuarter ? static_cast<long long>(std::floor(cells * 2)) : std::llround(cells * 2);
        if (ok && std::isfinite(cells) && half == halfCells) return qs(*written);
    }
    return qs(names::cellsText(halfCells));
}

void writeObject(QXmlStreamWriter& xml, int hx, int hy, int thread, const char* type, const XmlAttributes& kept,
                 bool floorToQuarter) {
    xml.writeStartElement(names::kObject);
    xml.writeAttribute(names::kX1, position(kept, names::kX1, hx, floorToQuarter));
    xml.writeAttribute(names::kY1, position(kept, names::kY1, hy, floorToQuarter));
    xml.writeAttribute(names::kPalindex, QString::number(thread + 1));
    xml.writeAttribute(names::kObjectType, keptOr(kept, names::kObjectType, type));
    writeOthers(xml, kept, {names::kX1, names::kY1, names::kObjectType});
    xml.writeEndElement();
}

// Quarter and petite stitches by the top-left corner of their quarter cell, then knots and beads.
void writeOrnaments(QXmlStreamWriter& xml, const Chart& chart) {
    const XmlElement* kept = keptContainer(chart, names::kOrnaments);
    startContainer(xml, kept, names::kOrnaments);
    for (const PartStitch& stitch : chart.partStitches) {
        if (stitch.kind != PartStitchKind::Quarter && stitch.kind != PartStitchKind::Petite) continue;
        const bool right = stitch.corner == CellCorner::TopRight || stitch.corner == CellCorner::BottomRight;
        const bool bottom = stitch.corner == CellCorner::BottomLeft || stitch.corner == CellCorner::BottomRight;
        writeObject(xml, 2 * stitch.x + (right ? 1 : 0), 2 * stitch.y + (bottom ? 1 : 0), stitch.thread,
                    stitch.kind == PartStitchKind::Quarter ? names::kQuarterType : names::kPetiteType,
                    stitch.attributes, true);
    }
    for (const Ornament& ornament : chart.ornaments)
        writeObject(xml, ornament.x, ornament.y, ornament.thread,
                    ornament.kind == OrnamentKind::Bead ? names::kBeadType : names::kKnotType, ornament.attributes,
                    false);
    endContainer(xml, kept);
}

// A kept element of this name, or the empty one every file carries.
void writeKeptOrEmpty(QXmlStreamWriter& xml, const Chart& chart, const char* name) {
    bool any = false;
    for (const XmlElement& element : chart.file.elements) {
        if (element.name != name) continue;
        writeElement(xml, element);
        any = true;
    }
    if (!any) xml.writeEmptyElement(name);
}

} // namespace

std::string paddedThreadNumber(const std::string& brand, const std::string& number) {
    constexpr std::size_t kField = 7;
    const std::string padding = number.size() < kField ? std::string(kField - number.size(), ' ') : " ";
    return brand + padding + number;
}

QByteArray writeOxs(const Chart& chart) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QXmlStreamWriter xml(&buffer);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(1);
    xml.writeStartDocument();
    xml.writeStartElement(names::kChart);
    xml.writeEmptyElement(names::kFormat);
    xml.writeAttribute("comments01", "Saved by Pavlenta");
    writeProperties(xml, chart);
    writePalette(xml, chart);
    writeFullStitches(xml, chart);
    writePartStitches(xml, chart);
    writeBackStitches(xml, chart);
    writeOrnaments(xml, chart);
    writeKeptOrEmpty(xml, chart, names::kCommentBoxes);
    for (const XmlElement& element : chart.file.elements) {
        const bool placed = element.name == names::kPartStitches || element.name == names::kOrnaments ||
                            element.name == names::kCommentBoxes;
        if (!placed) writeElement(xml, element);
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    return data;
}

OxsError writeOxsFile(const QString& path, const Chart& chart, QString* detail) {
    const QByteArray data = writeOxs(chart);
    QSaveFile file(path);
    const auto fail = [&] {
        if (detail) *detail = file.errorString();
        file.cancelWriting();
        return OxsError::CannotWrite;
    };
    if (!file.open(QIODevice::WriteOnly)) return fail();
    if (file.write(data) != data.size()) return fail();
    if (!file.commit()) {
        if (detail) *detail = file.errorString();
        return OxsError::CannotWrite;
    }
    return OxsError::None;
}

} // namespace pav::chart::oxs
