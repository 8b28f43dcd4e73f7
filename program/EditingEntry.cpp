#include "program/EditingEntry.h"

#include "app/Form1Model.h"
#include "app/MainTexts.h"
#include "base/SaveFolders.h"
#include "base/UiText.h"
#include "editor/Form9Model.h"
#include "palette/ColorIndex.h"
#include "palette/ThreadPalette.h"

#include <QFile>
#include <QImage>

#include <cmath>
#include <string>

namespace pav::app {

namespace {

std::string cannotWriteEditorPicture(int colorBit) {
    return pav::uiText(texts::kCannotWriteEditorPicture)
        .arg(QString::fromStdString(editor::Form9Model::stitchPictureName(colorBit)))
        .toStdString();
}

// Shows and clears the busy pointer around the reduction and matching.
class BusyPointer {
public:
    explicit BusyPointer(Form1Model& main) : m_main(main) { m_main.setBusy(true); }
    ~BusyPointer() { m_main.setBusy(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    Form1Model& m_main;
};

// The fabric as the matrix loops count it: columns 0..picW - 1 of a width that may hold a fraction.
int fabricWidth(const Form1Model& main) {
    return static_cast<int>(std::floor(main.picW));
}

// The stitch colour matrix as a 24-bit picture of the fabric's size.
bool matrixPicture(const Form1Model& main, image::ClsDIB& picture) {
    const int w = std::clamp(fabricWidth(main), 1, palette::kMatrixSide);
    const int h = std::clamp(static_cast<int>(main.picH), 1, palette::kMatrixSide);
    QImage stitches(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const std::int32_t rgb = main.state().colors.at(x, y);
            stitches.setPixel(x, y, qRgb(palette::redOf(rgb), palette::greenOf(rgb), palette::blueOf(rgb)));
        }
    }
    return picture.GetMap(stitches, true);
}

// Replaces "tmpcolorv.bmp" by the reduced stitch picture. With ColorBit 0 the
// editor shows "tmppicv.bmp", which may still be an earlier run's picture (it
// stays on disk between runs): it is written again from the stitches the
// threads are matched on, so the editor always shows what it edits.
bool writeEditorPicture(Form1Model& main) {
    const std::string path = workingFile(kColorEditorPicture);
    QFile::remove(QString::fromStdString(path));
    if (main.ColorBit <= 0) {
        image::ClsDIB picture;
        return matrixPicture(main, picture) && picture.SaveBMP(workingFile(editor::Form9Model::stitchPictureName(0)));
    }
    if (main.reducedDIB().hDC() != 0) return main.reducedDIB().SaveBMP(path);
    // The N-colour mode reduces the matrix itself and leaves no reduced buffer:
    // the editor is shown the matrix's own colours.
    image::ClsDIB picture;
    return matrixPicture(main, picture) && picture.SaveBMP(path);
}

// Stitch index matrix, colour list and maxColor in thread rows over the fabric.
EditingResult matchThreads(Form1Model& main) {
    std::string range = "DMC";
    bool running = true;
    TaskDelegate task;
    task.yield = main.task().yield; // the chart window's status line and progress stay as they are
    const palette::ColorIndexJob job{fabricWidth(main), static_cast<int>(main.picH), &range, &running, &task};
    palette::loadColor(main.state().dmc);
    if (palette::makeColorIndex(main.state(), job) == palette::IndexResult::Done) return EditingResult::Opened;
    main.messages().showMessage(texts::kTooManyColours, texts::kTitleKorvaneInc);
    return EditingResult::TooManyColours;
}

} // namespace

EditingResult runEditingEntry(Form1Model& main, ColorEditorOpener& editor) {
    main.setLabel4(texts::kProcessingStarted);
    if (main.loadStitchPicture() == Form1Model::StitchLoad::Stop) return EditingResult::NoStitchPicture;
    main.reducedDIB().Free();
    {
        BusyPointer busy(main);
        main.task().letEventsRun();
        main.reduceByColorBit();
        if (!writeEditorPicture(main)) {
            main.messages().showMessage(cannotWriteEditorPicture(main.ColorBit), texts::kErrorTitle,
                                        MessageIcon::Error);
            return EditingResult::CannotWrite;
        }
        const EditingResult matched = matchThreads(main);
        if (matched != EditingResult::Opened) return matched;
    }
    main.setLabel4(texts::kProcessingDone);
    editor.openColorEditor(main.ColorBit);
    return EditingResult::Opened;
}

} // namespace pav::app
