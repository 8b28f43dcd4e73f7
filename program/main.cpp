// Pavlenta: builds the dither table, opens the main window on the start
// picture "logo.dll" of the program's data folder, and runs until the main window closes.

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/Form1Model.h"
#include "base/ProgramFolder.h"
#include "program/ProgramWindows.h"
#include "app/views/Form1View.h"
#include "app/views/MessageBoxSink.h"
#include "app/views/WindowPlacement.h"
#include "chart/ChartFonts.h"
#include "image/Dither.h"

namespace {

// Qt's own dialogs and buttons (file dialog, print dialog, "OK", "Cancel") speak
// Chinese like the rest of the program, whatever the system's language is, and
// show dates the Chinese way.
void installQtChinese(QApplication& application) {
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    auto* translator = new QTranslator(&application);
    if (translator->load(QStringLiteral("qt_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        application.installTranslator(translator);
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    installQtChinese(application);
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
    model.formLoad(QDir(QString::fromStdString(pav::dataFolder())).filePath(QStringLiteral("logo.dll")).toStdString());
    return application.exec();
}
