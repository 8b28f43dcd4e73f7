#pragma once
// Reading a chart file's part stitches and ornaments into the chart: each element
// that is one of them (a half stitch, one or two three-quarter triangles, a
// quarter, a petite, a French knot, a bead) is added; any other is left to be kept.

#include "chart/Chart.h"

#include <optional>
#include <string>

namespace pav::chart::oxs {

// An attribute's whole number, and a grid position in cells, as the reader reads them.
std::optional<long long> wholeNumber(const std::string* value);
std::optional<double> cellsValue(const std::string* value);

// A partstitches child: false when it is not one this chart can hold.
bool addPartStitch(Chart& chart, const XmlElement& element);
// An ornaments child (an "object").
bool addOrnament(Chart& chart, const XmlElement& element);

} // namespace pav::chart::oxs
