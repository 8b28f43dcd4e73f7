// Pavlenta: builds the dither table, opens the main window on the start
// picture "logo.dll" of the current folder, and runs until the main window closes.

#include <QApplication>

#include "app/Form1Model.h"
#include "program/ProgramWindows.h"
#include "app/views/Form1View.h"
#include "app/views/MessageBoxSink.h"
#include "app/views/WindowPlacement.h"
#include "chart/ChartFonts.h"
#include "image/Dither.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    pav::image::initDither();
    pav::chart::installChartFontSubstitutes();

    pav::app::MessageBoxSink messages;
    pav::app::Form1Model model(messages);
    pav::app::Form1View view(model);
    messages.setParent(&view);
    pav::app::ProgramWindows windows(model, view, messages);
    model.setNavigation(&windows);

    view.show();
    pav::app::keepOnScreen(&view);
    model.formLoad();
    return application.exec();
}
