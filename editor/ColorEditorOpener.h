#pragma once
// The colour editor as the main window's "编辑" command sees it.

namespace pav::editor {

class ColorEditorOpener {
public:
    virtual ~ColorEditorOpener() = default;
    // Opens the editor on the stitch picture of reduction mode colorBit,
    // read from the current folder.
    virtual bool openColorEditor(int colorBit) = 0;
};

} // namespace pav::editor
