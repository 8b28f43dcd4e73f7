#pragma once
// The element and attribute names of an OXS file, written and read in one place.

#include "chart/Chart.h"
#include "palette/ThreadCatalogue.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace pav::chart::oxs::names {

inline constexpr const char* kChart = "chart";
inline constexpr const char* kFormat = "format";
inline constexpr const char* kProperties = "properties";
inline constexpr const char* kPalette = "palette";
inline constexpr const char* kPaletteItem = "palette_item";
inline constexpr const char* kFullStitches = "fullstitches";
inline constexpr const char* kStitch = "stitch";
inline constexpr const char* kPartStitches = "partstitches";
inline constexpr const char* kBackStitches = "backstitches";
inline constexpr const char* kBackStitch = "backstitch";
inline constexpr const char* kPartStitch = "partstitch";
inline constexpr const char* kOrnaments = "ornaments_inc_knots_and_beads";
inline constexpr const char* kObject = "object";
inline constexpr const char* kCommentBoxes = "commentboxes";

inline constexpr const char* kChartWidth = "chartwidth";
inline constexpr const char* kChartHeight = "chartheight";
inline constexpr const char* kChartTitle = "charttitle";
inline constexpr const char* kPaletteCount = "palettecount";
// This program's own addition: the thread range the sheet's subtitle names.
inline constexpr const char* kThreadRange = "threadrange";

inline constexpr const char* kIndex = "index";
inline constexpr const char* kNumber = "number";
inline constexpr const char* kName = "name";
inline constexpr const char* kColor = "color";
inline constexpr const char* kSymbol = "symbol";
// This program's own addition: "false" for a thread without a legend entry.
inline constexpr const char* kListed = "listed";

inline constexpr const char* kX = "x";
inline constexpr const char* kY = "y";
inline constexpr const char* kPalindex = "palindex";
// This program's own addition: a stitch's block colour where it is not its thread's.
inline constexpr const char* kBlockColour = "blockcolor";
inline constexpr const char* kX1 = "x1";
inline constexpr const char* kY1 = "y1";
inline constexpr const char* kX2 = "x2";
inline constexpr const char* kY2 = "y2";
inline constexpr const char* kPalindex1 = "palindex1";
inline constexpr const char* kPalindex2 = "palindex2";
inline constexpr const char* kDirection = "direction";
inline constexpr const char* kObjectType = "objecttype";

// A part stitch's direction: 1 splits the cell along '\' into the triangles at the
// bottom left (palindex1) and top right (palindex2), 2 along '/' into the top left
// and bottom right; 3 is a half stitch '/', 4 one '\'.
inline constexpr int kTrianglesBottomLeftTopRight = 1;
inline constexpr int kTrianglesTopLeftBottomRight = 2;
inline constexpr int kHalfForward = 3;
inline constexpr int kHalfBackward = 4;

// Object types of the ornaments: quarter stitches and beads as other programs
// write them ("bead2mm" and the like are beads too); "petite" is this program's own.
inline constexpr const char* kKnotType = "knot";
inline constexpr const char* kBeadType = "bead";
inline constexpr const char* kQuarterType = "quarter";
inline constexpr const char* kPetiteType = "petite";

inline bool isPartStitchKey(std::string_view name) {
    for (const char* key : {kX, kY, kPalindex1, kPalindex2, kDirection})
        if (name == key) return true;
    return false;
}

// Properties the writer sets from the chart itself; every other one is kept as read.
inline bool isPropertyKey(std::string_view name) {
    for (const char* key : {"oxsversion", "software", "software_version", kChartWidth, kChartHeight, kChartTitle,
                            kPaletteCount, kThreadRange})
        if (name == key) return true;
    return false;
}

// Palette item attributes the chart's threads hold.
inline bool isThreadKey(std::string_view name) {
    for (const char* key : {kIndex, kNumber, kColor, kSymbol, kListed})
        if (name == key) return true;
    return false;
}

inline bool isBackStitchKey(std::string_view name) {
    for (const char* key : {kX1, kY1, kX2, kY2, kPalindex})
        if (name == key) return true;
    return false;
}

// Half cells as cells, as the writer writes them: "3" or "3.5".
inline std::string cellsText(int halfCells) {
    if (halfCells % 2 == 0) return std::to_string(halfCells / 2);
    const int size = halfCells < 0 ? -halfCells : halfCells;
    std::string text = halfCells < 0 ? "-" : "";
    text += std::to_string(size / 2);
    text += ".5";
    return text;
}

// "RRGGBB".
inline std::string hexColour(std::int32_t rgb) {
    char text[7];
    std::snprintf(text, sizeof text, "%02X%02X%02X", palette::redOf(rgb), palette::greenOf(rgb), palette::blueOf(rgb));
    return text;
}

// What the writer puts in the attributes that a file may give other values:
// a value equal to it is not kept (the writer writes it anyway), so that what is
// kept from a file is only what differs, and saving it again changes nothing.
inline std::string propertyDefault(std::string_view name) {
    if (name == "author" || name == "copyright" || name == "instructions") return "";
    if (name == "stitchesperinch" || name == "stitchesperinch_y") return "14";
    return {};
}
inline bool isPropertyDefault(const XmlAttribute& attribute) {
    const std::string_view name = attribute.name;
    const bool hasDefault = name == "author" || name == "copyright" || name == "instructions" ||
                            name == "stitchesperinch" || name == "stitchesperinch_y";
    return hasDefault && attribute.value == propertyDefault(name);
}
inline std::string clothDefault(std::string_view name) {
    return name == kNumber || name == kName ? "cloth" : "";
}
inline bool isClothDefault(const XmlAttribute& attribute) {
    return (attribute.name == kNumber || attribute.name == kName) && attribute.value == "cloth";
}
inline std::string threadNameDefault(const ChartThread& thread) {
    const std::string& brand = palette::ThreadCatalogue::of(palette::ThreadBrand::Dmc).name();
    return thread.row > 0 ? brand + " " + thread.number : thread.number;
}
inline std::string threadDefault(std::string_view name, const ChartThread& thread) {
    if (name == kName) return threadNameDefault(thread);
    if (name == "printcolor") return hexColour(thread.rgb);
    if (name == "blendcolor") return "nil";
    if (name == "strands") return "2";
    return {};
}
inline bool isThreadDefault(const XmlAttribute& attribute, const ChartThread& thread) {
    const std::string_view name = attribute.name;
    if (name != kName && name != "printcolor" && name != "blendcolor" && name != "strands") return false;
    std::string value = attribute.value;
    if (name == "printcolor")
        for (char& c : value) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return value == threadDefault(name, thread);
}

} // namespace pav::chart::oxs::names
