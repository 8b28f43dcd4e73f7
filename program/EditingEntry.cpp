#include "program/EditingEntry.h"

#include "app/Form1Model.h"
#include "app/MainTexts.h"
#include "base/SaveFolders.h"
#include "base/UiText.h"
#include "chart/Fabric.h"
#include "chart/StitchGrid.h"
#include "chart/window/ChartWindowTexts.h"

#include <QFile>

#include <string>

namespace pav::app {

namespace {

std::string cannotWriteEditorPicture(int colorBit) {
    return pav::uiText(texts::kCannotWriteEditorPicture)
        .arg(QString::fromStdString(editorPictureName(colorBit)))
        .toStdString();
}

// Shows and clears the busy pointer around the matching.
class BusyPointer {
public:
    explicit BusyPointer(Form1Model& main) : m_main(main) { m_main.setBusy(true); }
    ~BusyPointer() { m_main.setBusy(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    Form1Model& m_main;
};

// The stitches the editor edits as a 24-bit picture of their size, written to
// the working file of the reduction mode; "tmpcolorv.bmp" goes first, so that
// no earlier run's picture stays beside this one.
bool writeEditorPicture(const colour::RgbGrid& stitches, int colorBit) {
    QFile::remove(QString::fromStdString(workingFile(kColorEditorPicture)));
    image::ClsDIB picture;
    const chart::FabricSize size{static_cast<double>(stitches.width), static_cast<double>(stitches.height)};
    return chart::makeStitchPicture(stitches, size, picture) && picture.SaveBMP(workingFile(editorPictureName(colorBit)));
}

} // namespace

std::string editorPictureName(int colorBit) {
    return colorBit < 1 ? "tmppicv.bmp" : kColorEditorPicture;
}

EditingResult runEditingEntry(Form1Model& main, const chart::ChartRequest& recipe, ColorEditorOpener& editor) {
    main.setLabel4(texts::kProcessingStarted);
    chart::ChartResult made;
    {
        BusyPointer busy(main);
        // The chart window's size of the stitch picture.
        const colour::RgbGrid stitches = chart::stitchGrid(
            main.stitchColours(), chart::chartSide(main.stitchPictureWidth()), chart::chartSide(main.stitchPictureHeight()));
        if (!writeEditorPicture(stitches, main.ColorBit)) {
            main.messages().showMessage(cannotWriteEditorPicture(main.ColorBit), texts::kErrorTitle,
                                        MessageIcon::Error);
            return EditingResult::CannotWrite;
        }
        made = chart::makeChart(stitches, recipe, TaskDelegate{});
    }
    if (made.error == chart::ChartError::TooManyColours) {
        main.messages().showMessage(texts::kTooManyColours, texts::kTitleKorvaneInc);
        return EditingResult::TooManyColours;
    }
    if (made.error != chart::ChartError::None) {
        main.messages().showMessage(chart::texts::kTooManySymbols, chart::texts::kTooManyTitle);
        return EditingResult::TooManySymbols;
    }
    main.setLabel4(texts::kProcessingDone);
    editor.openColorEditor(made.chart);
    return EditingResult::Opened;
}

void takeEditedChart(Form1Model& main, const chart::Chart& edited) {
    main.takeEditedStitches(chart::blockColours(edited));
}

} // namespace pav::app
