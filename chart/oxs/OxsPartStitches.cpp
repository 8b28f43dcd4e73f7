#include "chart/oxs/OxsPartStitches.h"

#include "chart/oxs/OxsNames.h"

#include <QString>

#include <cmath>
#include <vector>

namespace pav::chart::oxs {

// A part stitch element: a half stitch, or one or two triangles (three-quarter stitches).
bool addPartStitch(Chart& chart, const XmlElement& element) {
    if (element.name != names::kPartStitch || !element.children.empty()) return false;
    const XmlAttributes& a = element.attributes;
    const auto x = wholeNumber(findAttribute(a, names::kX));
    const auto y = wholeNumber(findAttribute(a, names::kY));
    const auto direction = wholeNumber(findAttribute(a, names::kDirection));
    const std::string* given1 = findAttribute(a, names::kPalindex1);
    const std::string* given2 = findAttribute(a, names::kPalindex2);
    const auto palindex1 = given1 ? wholeNumber(given1) : std::optional<long long>(0);
    const auto palindex2 = given2 ? wholeNumber(given2) : std::optional<long long>(0);
    const long long threads = static_cast<long long>(chart.threads().size());
    if (!x || !y || !direction || !palindex1 || !palindex2) return false;
    if (*x < 0 || *y < 0 || *x >= chart.width() || *y >= chart.height()) return false;
    if (*palindex1 < 0 || *palindex2 < 0 || *palindex1 > threads || *palindex2 > threads) return false;
    XmlAttributes rest = a;
    std::erase_if(rest, [](const XmlAttribute& attribute) { return names::isPartStitchKey(attribute.name); });
    std::vector<PartStitch> made;
    const auto part = [&](PartStitchKind kind, long long palindex, Diagonal diagonal, CellCorner corner) {
        if (palindex > 0)
            made.push_back({kind, static_cast<int>(*x), static_cast<int>(*y), diagonal, corner,
                            static_cast<int>(palindex - 1), {}});
    };
    switch (*direction) {
    case names::kHalfForward:
    case names::kHalfBackward: {
        // One thread: the first palette index, or the second where only it is given.
        if (*palindex1 > 0 && *palindex2 > 0 && *palindex1 != *palindex2) return false;
        const Diagonal diagonal = *direction == names::kHalfForward ? Diagonal::Forward : Diagonal::Backward;
        part(PartStitchKind::Half, *palindex1 > 0 ? *palindex1 : *palindex2, diagonal, CellCorner::TopLeft);
        if (*palindex1 > 0 && *palindex2 > 0) rest.push_back({names::kPalindex2, *given2});
        break;
    }
    case names::kTrianglesBottomLeftTopRight:
        part(PartStitchKind::ThreeQuarter, *palindex1, Diagonal::Forward, CellCorner::BottomLeft);
        part(PartStitchKind::ThreeQuarter, *palindex2, Diagonal::Forward, CellCorner::TopRight);
        break;
    case names::kTrianglesTopLeftBottomRight:
        part(PartStitchKind::ThreeQuarter, *palindex1, Diagonal::Forward, CellCorner::TopLeft);
        part(PartStitchKind::ThreeQuarter, *palindex2, Diagonal::Forward, CellCorner::BottomRight);
        break;
    default: return false;
    }
    if (made.empty()) return false;
    made.front().attributes = std::move(rest);
    for (PartStitch& stitch : made) chart.partStitches.push_back(std::move(stitch));
    return true;
}

// An ornament object: a French knot, a bead, or a quarter or petite stitch placed
// by the top-left corner of its quarter of the cell.
bool addOrnament(Chart& chart, const XmlElement& element) {
    if (element.name != names::kObject || !element.children.empty()) return false;
    const XmlAttributes& a = element.attributes;
    const std::string* type = findAttribute(a, names::kObjectType);
    const std::string* x1 = findAttribute(a, names::kX1);
    const std::string* y1 = findAttribute(a, names::kY1);
    const auto x = cellsValue(x1);
    const auto y = cellsValue(y1);
    const auto palindex = wholeNumber(findAttribute(a, names::kPalindex));
    if (!type || !x || !y || !palindex || *palindex < 1 || *palindex > static_cast<long long>(chart.threads().size()))
        return false;
    const QString kind = QString::fromStdString(*type).trimmed().toLower();
    const bool knot = kind == QLatin1String(names::kKnotType);
    const bool bead = kind.startsWith(QLatin1String(names::kBeadType));
    const bool quarter = kind == QLatin1String(names::kQuarterType);
    const bool petite = kind == QLatin1String(names::kPetiteType);
    if (!knot && !bead && !quarter && !petite) return false;
    // What the writer would not write itself stays: another form of the position, another bead size.
    const int hx = quarter || petite ? static_cast<int>(std::floor(*x * 2)) : static_cast<int>(std::lround(*x * 2));
    const int hy = quarter || petite ? static_cast<int>(std::floor(*y * 2)) : static_cast<int>(std::lround(*y * 2));
    XmlAttributes rest;
    for (const XmlAttribute& attribute : a) {
        if (attribute.name == names::kPalindex) continue;
        if (attribute.name == names::kObjectType && (knot || quarter || petite || *type == names::kBeadType)) continue;
        if (attribute.name == names::kX1 && *x1 == names::cellsText(hx)) continue;
        if (attribute.name == names::kY1 && *y1 == names::cellsText(hy)) continue;
        rest.push_back(attribute);
    }
    const int thread = static_cast<int>(*palindex - 1);
    if (knot || bead) {
        if (!chart.containsPoint(hx, hy)) return false;
        chart.ornaments.push_back({knot ? OrnamentKind::FrenchKnot : OrnamentKind::Bead, hx, hy, thread, std::move(rest)});
        return true;
    }
    if (hx < 0 || hy < 0 || hx >= 2 * chart.width() || hy >= 2 * chart.height()) return false;
    const bool right = hx % 2 == 1, bottom = hy % 2 == 1;
    const CellCorner corner = bottom ? (right ? CellCorner::BottomRight : CellCorner::BottomLeft)
                                     : (right ? CellCorner::TopRight : CellCorner::TopLeft);
    chart.partStitches.push_back({quarter ? PartStitchKind::Quarter : PartStitchKind::Petite, hx / 2, hy / 2,
                                  Diagonal::Forward, corner, thread, std::move(rest)});
    return true;
}

} // namespace pav::chart::oxs
