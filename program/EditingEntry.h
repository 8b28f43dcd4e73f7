#pragma once
// "编辑" (Label9): prepares the stitch picture for the colour editor and opens
// it. Reloads "tmppicv.bmp" and reduces it by ColorBit with the main window's
// own steps, writes the reduced picture to "tmpcolorv.bmp", turns the stitch
// colour matrix into thread rows (stitch index matrix, colour list, maxColor),
// then hands over to the editor.

#include "editor/ColorEditorOpener.h"

namespace pav::app {

class Form1Model;
using editor::ColorEditorOpener;

enum class EditingResult {
    Opened,          // the editor was asked to open
    NoStitchPicture, // "tmppicv.bmp" unreadable and no earlier stitch picture
    CannotWrite,     // "tmpcolorv.bmp" could not be written
    TooManyColours   // more than 500 distinct stitch colours
};

inline constexpr const char* kColorEditorPicture = "tmpcolorv.bmp";

// The whole "编辑" sequence; messages go through the main window's MessageSink.
EditingResult runEditingEntry(Form1Model& main, ColorEditorOpener& editor);

} // namespace pav::app
