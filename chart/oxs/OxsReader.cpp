#include "chart/oxs/OxsFile.h"

#include "chart/oxs/OxsNames.h"
#include "chart/oxs/OxsPrescan.h"
#include "chart/oxs/OxsPartStitches.h"
#include "palette/SymbolSet.h"
#include "palette/ThreadPalette.h"
#include "palette/ThreadCatalogue.h"

#include <QFile>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <set>

namespace pav::chart::oxs {
namespace {

// A stitch as the file gives it; checked once the chart's size and palette are known.
struct RawStitch {
    int x = 0;
    int y = 0;
    int palindex = 0;
    std::optional<std::int32_t> blockColour;
};

struct RawBackStitch {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0; // half cells
    int palindex = 0;
    XmlAttributes attributes;
};

struct RawItem {
    XmlAttributes attributes;
};

class Failure {
public:
    explicit Failure(OxsError error) : error(error) {}
    OxsError error;
};

std::string text(QStringView view) {
    return view.toString().toStdString();
}

// The element's attributes with its namespace declarations first, as "xmlns:p", so
// that a kept element or attribute of another namespace is written back declared.
XmlAttributes attributesOf(const QXmlStreamReader& reader) {
    XmlAttributes attributes;
    for (const QXmlStreamNamespaceDeclaration& declaration : reader.namespaceDeclarations()) {
        const std::string prefix = text(declaration.prefix());
        attributes.push_back({prefix.empty() ? "xmlns" : "xmlns:" + prefix, text(declaration.namespaceUri())});
    }
    for (const QXmlStreamAttribute& attribute : reader.attributes())
        attributes.push_back({text(attribute.qualifiedName()), text(attribute.value())});
    return attributes;
}

} // namespace

// The numbers of a file's attributes, read alike here and for its part stitches (OxsPartStitches.h).
std::optional<long long> wholeNumber(const std::string* value) {
    if (!value) return std::nullopt;
    bool ok = false;
    const long long number = QString::fromStdString(*value).trimmed().toLongLong(&ok);
    return ok ? std::optional<long long>(number) : std::nullopt;
}

// A grid position in cells ("3", "3.5"), within reach of the chart area.
std::optional<double> cellsValue(const std::string* value) {
    if (!value) return std::nullopt;
    bool ok = false;
    const double cells = QString::fromStdString(*value).trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(cells) || std::abs(cells) > 4 * kMaxChartSide) return std::nullopt;
    return cells;
}

namespace {

// A grid point in cells ("3", "3.5", "55.8") as half cells, exactly as written.
std::optional<double> halfCells(const std::string* value) {
    const std::optional<double> cells = cellsValue(value);
    if (!cells) return std::nullopt;
    return *cells * 2; // doubling is exact: the writer halves it back to the same number
}

// "RRGGBB", with or without "#": exactly six hexadecimal digits (no sign, no "0x"),
// as R + 256*G + 65536*B.
std::optional<std::int32_t> hexColour(const std::string* value) {
    if (!value) return std::nullopt;
    QString hex = QString::fromStdString(*value).trimmed();
    if (hex.startsWith(QLatin1Char('#'))) hex.remove(0, 1);
    if (hex.size() != 6) return std::nullopt;
    for (const QChar c : hex)
        if (!std::isxdigit(static_cast<unsigned char>(c.toLatin1())) || c.unicode() > 127) return std::nullopt;
    bool ok = false;
    const uint rrggbb = hex.toUInt(&ok, 16);
    if (!ok) return std::nullopt;
    return palette::makeRgb(static_cast<int>((rrggbb >> 16) & 255), static_cast<int>((rrggbb >> 8) & 255),
                            static_cast<int>(rrggbb & 255));
}

// A symbol the sheet can show: one visible character, given as itself or as a
// character code of two or more digits. Symbol fonts put their glyphs on codes
// of the private use area, which no other font shows: those get one of ours.
std::optional<std::string> shownSymbol(const std::string& given) {
    const QString trimmed = QString::fromStdString(given).trimmed();
    if (trimmed.isEmpty()) return std::nullopt;
    char32_t code = 0;
    const bool digits = trimmed.size() >= 2 && std::all_of(trimmed.begin(), trimmed.end(),
                                                            [](QChar c) { return c.isDigit() && c.unicode() < 128; });
    if (digits) {
        bool ok = false;
        const uint value = trimmed.toUInt(&ok);
        if (!ok || value > 0x10FFFF) return std::nullopt;
        code = value;
    } else {
        const QList<uint> codes = trimmed.toUcs4();
        if (codes.size() != 1) return std::nullopt;
        code = codes.front();
    }
    const bool privateUse = (code >= 0xE000 && code <= 0xF8FF) || code >= 0xF0000;
    if (code <= 0x20 || (code >= 0x7F && code <= 0xA0) || (code >= 0xD800 && code <= 0xDFFF) || privateUse ||
        QChar::isSpace(code) || !QChar::isPrint(code) || QChar::category(code) == QChar::Other_NotAssigned)
        return std::nullopt;
    return QString::fromUcs4(&code, 1).toStdString();
}

// A text the sheet or the pattern draws, refused when longer than any chart needs.
void boundText(const std::string* value, int limit) {
    if (value && static_cast<int>(value->size()) > limit) throw Failure(OxsError::TextTooLong);
}

class Reader {
public:
    explicit Reader(const QByteArray& data) : m_xml(data) {}

    Chart read();
    qint64 line() const { return m_xml.lineNumber(); }

private:
    void readDocument();
    void readChildren();
    void readPalette();
    void readFullStitches();
    void readBackStitches();
    XmlElement readTree(int depth, bool kept = false);
    void buildPartStitches(Chart& chart);
    int countKept(const XmlElement& element);
    // Next token, refusing a DTD and any entity the reader could not resolve.
    QXmlStreamReader::TokenType next();
    void countElement();

    Chart build();
    void buildThreads(Chart& chart);
    void giveUniqueSymbols(Chart& chart);
    void countKeptElement();

    QXmlStreamReader m_xml;
    int m_elements = 0;
    std::optional<XmlAttributes> m_properties;
    std::vector<RawItem> m_items;
    bool m_sawPalette = false;
    std::vector<RawStitch> m_stitches;
    std::vector<RawBackStitch> m_backStitches;
    std::vector<XmlElement> m_kept;
    std::vector<XmlElement> m_partContainers; // partstitches and ornaments, read once the palette is known
    int m_keptElements = 0;
    int m_notShown = 0;
    XmlAttributes m_root, m_format, m_palette;
};

QXmlStreamReader::TokenType Reader::next() {
    const QXmlStreamReader::TokenType token = m_xml.readNext();
    if (token == QXmlStreamReader::DTD) throw Failure(OxsError::DtdRefused);
    if (token == QXmlStreamReader::EntityReference) throw Failure(OxsError::NotXml);
    if (token == QXmlStreamReader::Invalid) {
        throw Failure(m_xml.error() == QXmlStreamReader::PrematureEndOfDocumentError ? OxsError::Truncated
                                                                                       : OxsError::NotXml);
    }
    return token;
}

void Reader::countElement() {
    if (++m_elements > kMaxAllElements) throw Failure(OxsError::TooManyElements);
}

// Kept elements take memory for every attribute: a few per cell of the chart, once its size is known.
void Reader::countKeptElement() {
    int limit = kMaxKeptElements;
    if (m_properties) {
        const auto width = wholeNumber(findAttribute(*m_properties, names::kChartWidth));
        const auto height = wholeNumber(findAttribute(*m_properties, names::kChartHeight));
        if (width && height && *width >= 1 && *height >= 1 && *width <= kMaxChartSide && *height <= kMaxChartSide)
            limit = keptElementsFor(static_cast<int>(*width), static_cast<int>(*height));
    }
    if (++m_keptElements > limit) throw Failure(OxsError::TooManyElements);
}

Chart Reader::read() {
    readDocument();
    return build();
}

void Reader::readDocument() {
    while (!m_xml.atEnd()) {
        const QXmlStreamReader::TokenType token = next();
        if (token == QXmlStreamReader::StartElement) {
            if (m_xml.name() != QLatin1String(names::kChart)) throw Failure(OxsError::WrongRoot);
            m_root = attributesOf(m_xml);
            readChildren();
            // Anything after the root is the reader's to judge (it refuses a second root).
            while (!m_xml.atEnd()) next();
            return;
        }
        if (token == QXmlStreamReader::EndDocument) break;
    }
    throw Failure(m_xml.hasError() ? OxsError::NotXml : OxsError::Truncated);
}

void Reader::readChildren() {
    while (true) {
        const QXmlStreamReader::TokenType token = next();
        if (token == QXmlStreamReader::EndElement) return;
        if (token == QXmlStreamReader::EndDocument) throw Failure(OxsError::Truncated);
        if (token != QXmlStreamReader::StartElement) continue;
        countElement();
        const QStringView name = m_xml.name();
        if (name == QLatin1String(names::kProperties)) {
            m_properties = attributesOf(m_xml);
            readTree(1); // its content, if any, means nothing to a chart
        } else if (name == QLatin1String(names::kPalette)) {
            m_sawPalette = true;
            m_palette = attributesOf(m_xml);
            readPalette();
        } else if (name == QLatin1String(names::kFullStitches)) {
            readFullStitches();
        } else if (name == QLatin1String(names::kBackStitches)) {
            readBackStitches();
        } else if (name == QLatin1String(names::kPartStitches) || name == QLatin1String(names::kOrnaments)) {
            countKeptElement();
            m_partContainers.push_back(readTree(1, true));
        } else if (name == QLatin1String(names::kFormat)) {
            // Its comments describe the format, whoever wrote the file: kept as they are.
            // This program's own comment says nothing to keep.
            m_format = attributesOf(m_xml);
            if (m_format == XmlAttributes{names::ownFormatComment()}) m_format.clear();
            readTree(1);
        } else {
            countKeptElement();
            XmlElement kept = readTree(1, true);
            // The standard containers are written in any case; an empty one says nothing.
            const bool standard = kept.name == names::kCommentBoxes;
            if (standard && kept.attributes.empty() && kept.text.empty() && kept.children.empty()) continue;
            m_notShown += countKept(kept);
            m_kept.push_back(std::move(kept));
        }
    }
}

// Stitches and objects in a kept element: its children, or the element itself
// when it has no children but says something.
int Reader::countKept(const XmlElement& element) {
    if (!element.children.empty()) return static_cast<int>(element.children.size());
    return element.attributes.empty() && element.text.empty() ? 0 : 1;
}

// The element the reader is at, with its content; what is not kept is only walked through.
XmlElement Reader::readTree(int depth, bool kept) {
    if (depth > kMaxDepth) throw Failure(OxsError::TooManyElements);
    XmlElement element;
    if (kept) {
        element.name = text(m_xml.qualifiedName());
        element.attributes = attributesOf(m_xml);
        element.attributes.shrink_to_fit(); // kept for the whole run: no spare room
    }
    while (true) {
        const QXmlStreamReader::TokenType token = next();
        if (token == QXmlStreamReader::EndElement) {
            element.children.shrink_to_fit();
            return element;
        }
        if (token == QXmlStreamReader::EndDocument) throw Failure(OxsError::Truncated);
        if (token == QXmlStreamReader::StartElement) {
            countElement();
            if (!kept) {
                readTree(depth + 1, false);
                continue;
            }
            countKeptElement();
            element.children.push_back(readTree(depth + 1, true));
        } else if (kept && token == QXmlStreamReader::Characters && !m_xml.isWhitespace()) {
            element.text += text(m_xml.text());
            if (static_cast<int>(element.text.size()) > kMaxTextBytes) throw Failure(OxsError::TextTooLong);
        }
    }
}

void Reader::readPalette() {
    while (true) {
        const QXmlStreamReader::TokenType token = next();
        if (token == QXmlStreamReader::EndElement) return;
        if (token != QXmlStreamReader::StartElement) continue;
        countElement();
        if (m_xml.name() == QLatin1String(names::kPaletteItem)) {
            if (static_cast<int>(m_items.size()) > kMaxThreads) throw Failure(OxsError::TooManyThreads);
            m_items.push_back(RawItem{attributesOf(m_xml)});
        }
        readTree(2);
    }
}

void Reader::readFullStitches() {
    while (true) {
        const QXmlStreamReader::TokenType token = next();
        if (token == QXmlStreamReader::EndElement) return;
        if (token != QXmlStreamReader::StartElement) continue;
        countElement();
        if (m_xml.name() == QLatin1String(names::kStitch)) {
            const XmlAttributes a = attributesOf(m_xml);
            const auto x = wholeNumber(findAttribute(a, names::kX));
            const auto y = wholeNumber(findAttribute(a, names::kY));
            const auto palindex = wholeNumber(findAttribute(a, names::kPalindex));
            if (!x || !y || !palindex) throw Failure(OxsError::BadStitch);
            if (*x < 0 || *y < 0 || *x >= kMaxChartSide || *y >= kMaxChartSide) throw Failure(OxsError::StitchOutside);
            if (*palindex < 0 || *palindex > kMaxThreads) throw Failure(OxsError::NoSuchThread);
            RawStitch stitch{static_cast<int>(*x), static_cast<int>(*y), static_cast<int>(*palindex), {}};
            if (const std::string* block = findAttribute(a, names::kBlockColour)) {
                stitch.blockColour = hexColour(block);
                if (!stitch.blockColour) throw Failure(OxsError::BadStitch);
            }
            m_stitches.push_back(stitch);
        }
        readTree(2);
    }
}

void Reader::readBackStitches() {
    while (true) {
        const QXmlStreamReader::TokenType token = next();
        if (token == QXmlStreamReader::EndElement) return;
        if (token != QXmlStreamReader::StartElement) continue;
        countElement();
        if (m_xml.name() == QLatin1String(names::kBackStitch)) {
            if (static_cast<int>(m_backStitches.size()) >= kMaxBackStitches) throw Failure(OxsError::TooManyElements);
            XmlAttributes a = attributesOf(m_xml);
            const auto x1 = halfCells(findAttribute(a, names::kX1));
            const auto y1 = halfCells(findAttribute(a, names::kY1));
            const auto x2 = halfCells(findAttribute(a, names::kX2));
            const auto y2 = halfCells(findAttribute(a, names::kY2));
            const auto palindex = wholeNumber(findAttribute(a, names::kPalindex));
            if (!x1 || !y1 || !x2 || !y2 || !palindex) throw Failure(OxsError::BadStitch);
            if (*x1 < 0 || *y1 < 0 || *x2 < 0 || *y2 < 0) throw Failure(OxsError::StitchOutside);
            if (*palindex < 1 || *palindex > kMaxThreads) throw Failure(OxsError::NoSuchThread);
            // Only what the chart does not hold is kept, in a vector of its own size: a
            // stitch's ends alone would otherwise keep the room of five attributes each.
            XmlAttributes rest;
            for (XmlAttribute& attribute : a)
                if (!names::isBackStitchKey(attribute.name)) rest.push_back(std::move(attribute));
            rest.shrink_to_fit();
            m_backStitches.push_back({*x1, *y1, *x2, *y2, static_cast<int>(*palindex), std::move(rest)});
        }
        readTree(2);
    }
}

Chart Reader::build() {
    if (!m_properties) throw Failure(OxsError::BadSize);
    const auto width = wholeNumber(findAttribute(*m_properties, names::kChartWidth));
    const auto height = wholeNumber(findAttribute(*m_properties, names::kChartHeight));
    if (!width || !height || *width < 1 || *height < 1) throw Failure(OxsError::BadSize);
    if (*width > kMaxChartSide || *height > kMaxChartSide) throw Failure(OxsError::ChartTooLarge);
    for (const char* drawn : {names::kChartTitle, names::kThreadRange, "author", "copyright"})
        boundText(findAttribute(*m_properties, drawn), kMaxNameBytes);

    Chart chart(static_cast<int>(*width), static_cast<int>(*height));
    chart.file.root = std::move(m_root);
    chart.file.format = std::move(m_format);
    chart.file.palette = std::move(m_palette);
    if (const std::string* title = findAttribute(*m_properties, names::kChartTitle)) chart.title = *title;
    if (const std::string* range = findAttribute(*m_properties, names::kThreadRange); range && !range->empty())
        chart.rangeName = *range;
    chart.range = threadRangeOf(chart.rangeName);
    for (const XmlAttribute& attribute : *m_properties)
        if (!names::isPropertyKey(attribute.name) && !names::isPropertyDefault(attribute))
            chart.file.properties.push_back(attribute);

    buildThreads(chart);
    const int threads = static_cast<int>(chart.threads().size());
    // A cell takes one full stitch: the first the file gives it; the others are counted for a note.
    std::vector<bool> given(static_cast<std::size_t>(chart.width()) * chart.height(), false);
    for (const RawStitch& stitch : m_stitches) {
        if (!chart.contains(stitch.x, stitch.y)) throw Failure(OxsError::StitchOutside);
        if (stitch.palindex > threads) throw Failure(OxsError::NoSuchThread);
        const std::size_t cell = static_cast<std::size_t>(stitch.y) * chart.width() + stitch.x;
        if (given[cell]) {
            ++chart.file.repeatedStitches;
            continue;
        }
        given[cell] = true;
        // The cloth's own index leaves the cell unstitched.
        if (stitch.palindex == 0) {
            chart.setThreadAt(stitch.x, stitch.y, kNoStitch);
            chart.setBlockColour(stitch.x, stitch.y, palette::kWhite);
            continue;
        }
        const int thread = stitch.palindex - 1;
        chart.setThreadAt(stitch.x, stitch.y, thread);
        chart.setBlockColour(stitch.x, stitch.y,
                             stitch.blockColour.value_or(chart.threads()[static_cast<std::size_t>(thread)].rgb));
    }
    std::vector<bool> used(static_cast<std::size_t>(threads), false);
    double length = 0; // half cells
    chart.backStitches.reserve(m_backStitches.size());
    for (RawBackStitch& raw : m_backStitches) {
        if (!chart.containsPoint(raw.x1, raw.y1) || !chart.containsPoint(raw.x2, raw.y2))
            throw Failure(OxsError::StitchOutside);
        length += std::hypot(raw.x2 - raw.x1, raw.y2 - raw.y1);
        if (length / 2 > backStitchLengthFor(chart.width(), chart.height())) throw Failure(OxsError::BackStitchesTooLong);
        if (raw.palindex > threads) throw Failure(OxsError::NoSuchThread);
        used[static_cast<std::size_t>(raw.palindex - 1)] = true;
        chart.backStitches.push_back({raw.x1, raw.y1, raw.x2, raw.y2, raw.palindex - 1, std::move(raw.attributes)});
    }
    buildPartStitches(chart);
    for (const PartStitch& stitch : chart.partStitches) used[static_cast<std::size_t>(stitch.thread)] = true;
    for (const Ornament& ornament : chart.ornaments) used[static_cast<std::size_t>(ornament.thread)] = true;
    chart.recount();

    // Without a word from the file, the legend lists every thread the chart uses.
    for (int t = 0; t < threads; ++t) {
        ChartThread& thread = chart.threads()[static_cast<std::size_t>(t)];
        const XmlAttributes& item = m_items[static_cast<std::size_t>(t) + 1].attributes;
        const std::string* listed = findAttribute(item, names::kListed);
        thread.listed = listed ? *listed != "false" : thread.count > 0 || used[static_cast<std::size_t>(t)];
    }
    chart.file.elements = std::move(m_kept);
    chart.file.notShown = m_notShown;
    return chart;
}

// The part stitches, knots and beads of the containers read; what is not one of
// them (another program's objects, a stitch outside the chart or of a thread the
// palette lacks) is kept as it was and written back, and counted as not shown.
void Reader::buildPartStitches(Chart& chart) {
    for (XmlElement& container : m_partContainers) {
        XmlElement rest{container.name, container.attributes, container.text, {}};
        const bool parts = container.name == names::kPartStitches;
        for (XmlElement& child : container.children) {
            const bool added = parts ? addPartStitch(chart, child) : addOrnament(chart, child);
            if (!added) rest.children.push_back(std::move(child));
        }
        if (rest.attributes.empty() && rest.text.empty() && rest.children.empty()) continue;
        m_notShown += countKept(rest);
        m_kept.push_back(std::move(rest));
    }
}

// Palette items by their index (their place when they give none): 0 is the
// cloth, 1.. the threads, every index once.
void Reader::buildThreads(Chart& chart) {
    const std::vector<RawItem> items = std::move(m_items);
    if (items.empty()) throw Failure(OxsError::BadPalette);
    std::vector<RawItem> byIndex(items.size());
    std::vector<bool> seen(items.size(), false);
    for (std::size_t place = 0; place < items.size(); ++place) {
        const std::string* given = findAttribute(items[place].attributes, names::kIndex);
        const auto index = given ? wholeNumber(given) : std::optional<long long>(static_cast<long long>(place));
        if (!index || *index < 0 || *index >= static_cast<long long>(items.size())) throw Failure(OxsError::BadPalette);
        const auto at = static_cast<std::size_t>(*index);
        if (seen[at]) throw Failure(OxsError::BadPalette);
        seen[at] = true;
        byIndex[at] = items[place];
    }

    m_items = std::move(byIndex);
    const std::vector<RawItem>& ordered = m_items;
    const XmlAttributes& cloth = ordered.front().attributes;
    if (const std::string* colour = findAttribute(cloth, names::kColor)) {
        const auto rgb = hexColour(colour);
        if (!rgb) throw Failure(OxsError::BadPalette);
        chart.cloth = *rgb;
    }
    for (const XmlAttribute& attribute : cloth)
        if (attribute.name != names::kIndex && attribute.name != names::kColor && !names::isClothDefault(attribute))
            chart.file.cloth.push_back(attribute);

    // Thread numbers are read against the catalogue of the chart's range.
    const palette::ThreadBrand brand = palette::brandOfRange(chart.rangeName).value_or(palette::ThreadBrand::Dmc);
    const auto& dmc = palette::ThreadCatalogue::of(brand);
    for (std::size_t i = 1; i < ordered.size(); ++i) {
        const XmlAttributes& item = ordered[i].attributes;
        ChartThread thread;
        const std::string* number = findAttribute(item, names::kNumber);
        boundText(number, kMaxNumberBytes);
        boundText(findAttribute(item, names::kName), kMaxNameBytes);
        boundText(findAttribute(item, names::kSymbol), kMaxNumberBytes);
        const int row = number ? dmc.rowOfNumber(*number).value_or(0) : 0; // 0: not in the catalogue
        const std::string* colour = findAttribute(item, names::kColor);
        if (colour) {
            const auto rgb = hexColour(colour);
            if (!rgb) throw Failure(OxsError::BadPalette);
            thread.rgb = *rgb;
        } else if (row) {
            thread.rgb = dmc.thread(row).rgb;
        } else {
            throw Failure(OxsError::BadPalette);
        }
        if (row) {
            thread.brand = brand;
            thread.row = row;
            thread.number = dmc.thread(row).number;
            thread.name = dmc.thread(row).name;
        } else {
            const QString kept = number ? QString::fromStdString(*number).trimmed() : QString();
            thread.number = kept.isEmpty() ? palette::hexColourText(thread.rgb) : kept.toStdString();
        }
        XmlAttributes rest;
        for (const XmlAttribute& attribute : item)
            if (!names::isThreadKey(attribute.name) && !names::isThreadDefault(attribute, thread)) rest.push_back(attribute);
        chart.file.threads.push_back(std::move(rest));
        chart.threads().push_back(std::move(thread));
    }
    giveUniqueSymbols(chart);
    auto& kept = chart.file.threads;
    if (std::all_of(kept.begin(), kept.end(), [](const XmlAttributes& a) { return a.empty(); })) kept.clear();
}

// Every thread gets a symbol no other thread has. The first thread to give a symbol
// keeps it; a thread repeating an earlier one's gets another (counted for a note),
// and so does one that gives none. A symbol the sheet cannot show (a code of a
// symbol font) is drawn with one of ours but saved as the file wrote it.
void Reader::giveUniqueSymbols(Chart& chart) {
    auto& threads = chart.threads();
    std::vector<KeptSymbol> symbols(threads.size());
    std::vector<bool> needsOne(threads.size(), true);
    std::set<std::string> written, taken;
    for (std::size_t t = 0; t < threads.size(); ++t) {
        const std::string* given = findAttribute(m_items[t + 1].attributes, names::kSymbol);
        const std::string text = given ? QString::fromStdString(*given).trimmed().toStdString() : std::string();
        if (text.empty()) continue;
        if (!written.insert(text).second) {
            ++chart.file.replacedSymbols;
            continue;
        }
        symbols[t].written = *given;
        const std::optional<std::string> shown = shownSymbol(text);
        if (!shown) continue; // drawn with one of ours, saved as written
        if (!taken.insert(*shown).second) {
            symbols[t] = {};
            ++chart.file.replacedSymbols;
            continue;
        }
        threads[t].symbol = *shown;
        needsOne[t] = false;
    }
    const palette::SymbolSet ours = palette::loadxiuChr();
    std::vector<std::string> spare;
    for (int i = 1; i <= ours.size(); ++i) spare.push_back(ours.at(i));
    // Past our string, the designed symbols of patterns, which no thread of ours has.
    for (std::string& designed : palette::designedSymbols()) spare.push_back(std::move(designed));
    std::size_t next = 0;
    for (std::size_t t = 0; t < threads.size(); ++t) {
        if (!needsOne[t]) continue;
        while (next < spare.size() && taken.count(spare[next])) ++next;
        if (next == spare.size()) break; // more threads than a file may have
        threads[t].symbol = spare[next];
        taken.insert(spare[next]);
    }
    bool anyKept = false;
    for (std::size_t t = 0; t < threads.size(); ++t) {
        symbols[t].shown = threads[t].symbol;
        if (symbols[t].written.empty() || symbols[t].written == symbols[t].shown) symbols[t] = {};
        anyKept = anyKept || !symbols[t].written.empty();
    }
    if (anyKept) chart.file.symbols = std::move(symbols);
}

} // namespace

OxsReadResult readOxs(const QByteArray& data) {
    OxsReadResult result;
    if (data.size() > kMaxFileBytes) {
        result.error = OxsError::FileTooBig;
        return result;
    }
    // Shapes on which the XML reader itself is slow are refused before it starts.
    if (const PrescanResult scan = prescanOxs(data); scan.error != OxsError::None) {
        result.error = scan.error;
        result.line = scan.line;
        return result;
    }
    Reader reader(data);
    try {
        result.chart = reader.read();
    } catch (const Failure& failure) {
        result.error = failure.error;
        result.line = reader.line();
        result.chart = Chart();
    }
    return result;
}

OxsReadResult readOxsFile(const QString& path) {
    QFile file(path);
    OxsReadResult result;
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = OxsError::CannotOpen;
        return result;
    }
    if (file.size() > kMaxFileBytes) {
        result.error = OxsError::FileTooBig;
        return result;
    }
    // Read at most one byte past the limit, whatever size the file claims.
    const QByteArray data = file.read(kMaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        result.error = OxsError::CannotOpen;
        return result;
    }
    return readOxs(data);
}

std::string errorReason(OxsError error) {
    switch (error) {
    case OxsError::None: return "no error";
    case OxsError::CannotOpen: return "the file cannot be read";
    case OxsError::FileTooBig: return "the file is too large to be a chart";
    case OxsError::NotXml: return "the file is not well-formed XML";
    case OxsError::Truncated: return "the file ends early (truncated)";
    case OxsError::DtdRefused: return "the file has a document type declaration, which is not accepted";
    case OxsError::WrongRoot: return "the file is not an OXS chart (its root element is not <chart>)";
    case OxsError::BadSize: return "the chart's width or height is missing or not a positive number";
    case OxsError::ChartTooLarge: return "the chart is larger than 2000 x 2000 stitches";
    case OxsError::BadPalette: return "the palette is missing its cloth, repeats an index or has a bad colour";
    case OxsError::TooManyThreads: return "the palette has more than 500 threads";
    case OxsError::BadStitch: return "a stitch has missing or malformed coordinates";
    case OxsError::StitchOutside: return "a stitch lies outside the chart";
    case OxsError::NoSuchThread: return "a stitch uses a palette index the file does not have";
    case OxsError::TooManyElements: return "the file has more elements or deeper nesting than a chart can";
    case OxsError::TooManyAttributes: return "an element has more attributes than any chart needs";
    case OxsError::TextTooLong: return "a title, name, number or other text is longer than any chart needs";
    case OxsError::BackStitchesTooLong: return "the back stitches together are longer than any chart of its size needs";
    case OxsError::CannotWrite: return "the file could not be written";
    }
    return "unknown error";
}

} // namespace pav::chart::oxs
