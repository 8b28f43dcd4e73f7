#pragma once
// "编辑" (Label9): the chart of the main window's stitches, made as the chart
// window makes it (its thread range, ignore threshold and matching rule), handed
// to the colour editor. The stitch picture the editor shows is also written to
// its working file ("tmpcolorv.bmp", or "tmppicv.bmp" for reduction mode 0).

#include "chart/ChartFromIndex.h"
#include "editor/ColorEditorOpener.h"

namespace pav::app {

class Form1Model;
using editor::ColorEditorOpener;

enum class EditingResult {
    Opened,         // the editor was asked to open
    CannotWrite,    // the working picture could not be written
    TooManyColours, // more than 500 distinct stitch colours
    TooManySymbols  // more threads on the chart than symbols
};

inline constexpr const char* kColorEditorPicture = "tmpcolorv.bmp";

// The working picture's name for a reduction mode.
std::string editorPictureName(int colorBit);

// The whole "编辑" sequence over the chart the chart window's recipe makes of the
// main window's stitches; messages go through the main window's MessageSink.
EditingResult runEditingEntry(Form1Model& main, const chart::ChartRequest& recipe, ColorEditorOpener& editor);

// The editor's "完成": the edited chart's stitch colours become the main window's
// stitches, so that the chart window's next "生成" charts what the editor made.
void takeEditedChart(Form1Model& main, const chart::Chart& edited);

} // namespace pav::app
