#pragma once
// The two fonts of the chart sheet. The sheet names "宋体" (9 points) for the
// title, symbols and legend, and "Arial" (8 points) for the numbering; they
// are mapped once to the installed Ming face and to Liberation Sans.

#include <QFont>

class QPaintDevice;

namespace pav::chart {

// Maps "宋体" and "Arial" to the installed faces. Safe to call any number of times.
void installChartFontSubstitutes();

// "宋体" 9 pt without antialiasing: crisp one-colour glyphs that stay legible
// at 12 pixels and that a cached stamp reproduces exactly.
QFont songFont();

// The grid's symbols: the "宋体" face a size smaller. "宋体" 9 pt writes a capital
// 9 pixels tall, standing on a baseline 10 pixels below the text's top, so a
// symbol written at its cell's top-left corner fills the 9 x 9 interior and
// leaves the grid lines alone. The Ming face's capitals are 10 pixels tall at
// 9 pt and would cover a grid line; at 11 pixels (8.25 pt) they are 9.
QFont symbolFont();

// "Arial" 8 pt for row labels, column digits and letters.
QFont arialFont();

// How far below a text's top edge its baseline lies, in the device's pixels.
// The Ming face that stands in for "宋体" has a taller ascent (11 of 12 pixels)
// than "宋体" itself (10 of 12); keeping the "宋体" baseline keeps a symbol's
// capitals inside the 9-pixel interior of its cell, clear of the grid line below.
double textAscent(const QFont& font, const QPaintDevice* device);

} // namespace pav::chart
