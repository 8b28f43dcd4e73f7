#pragma once
// The colour editor as the main window's "编辑" command sees it.

namespace pav::chart {
class Chart;
}

namespace pav::editor {

class ColorEditorOpener {
public:
    virtual ~ColorEditorOpener() = default;
    // Opens the editor on a chart and shows it; false for a chart without cells.
    virtual bool openColorEditor(const chart::Chart& chart) = 0;
};

} // namespace pav::editor
