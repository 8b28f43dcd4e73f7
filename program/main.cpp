// Pavlenta: builds the dither table, opens the main window on the start
// picture "logo.dll" of the program's data folder, and runs until the main window closes.
// `--lang en` starts it in English. PAVLENTA_FIRST_PAINT traces the first paint
// (program/FirstPaintTrace.h).

#include <cstdio>
#include <optional>

#include <QApplication>
#include <QDir>
#include <QStringList>

#include "app/Form1Model.h"
#include "base/ProgramFolder.h"
#include "base/UiText.h"
#include "program/FirstPaintTrace.h"
#include "program/ProgramWindows.h"
#include "app/views/Form1View.h"
#include "app/views/LanguageMemory.h"
#include "app/views/MessageBoxSink.h"
#include "app/views/WindowPlacement.h"
#include "chart/ChartFonts.h"
#include "image/Dither.h"

namespace {

// The language of `pavlenta --lang en|zh` (or --lang=en); without the option the
// language the menu chose last, or Chinese.
std::optional<pav::UiLanguage> languageOfArguments(const QStringList& arguments) {
    for (int i = 1; i < arguments.size(); ++i) {
        QString name;
        if (arguments[i] == QLatin1String("--lang")) name = i + 1 < arguments.size() ? arguments[i + 1] : QString();
        else if (arguments[i].startsWith(QLatin1String("--lang="))) name = arguments[i].mid(7);
        else continue;
        return pav::uiLanguageNamed(name.toStdString());
    }
    return pav::app::rememberedLanguage().value_or(pav::UiLanguage::Chinese);
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // Qt's own dialogs speak the program's language too (Chinese by default, whatever the system's is).
    const std::optional<pav::UiLanguage> language = languageOfArguments(QCoreApplication::arguments());
    if (!language) {
        std::fprintf(stderr, "pavlenta: --lang takes en or zh\n");
        return 2;
    }
    if (!pav::setUiLanguage(*language)) std::fprintf(stderr, "pavlenta: the English texts could not be loaded\n");
    pav::image::initDither();
    pav::chart::installChartFontSubstitutes();

    pav::app::MessageBoxSink messages;
    pav::app::Form1Model model(messages);
    pav::app::Form1View view(model);
    messages.setParent(&view);
    pav::app::ProgramWindows windows(model, view, messages);
    model.setNavigation(&windows);

    pav::app::traceFirstPaint(view.findChild<QWidget*>(QStringLiteral("Picture1")),
                              [&model] { return model.previewDone() != 0; });
    pav::app::showOnScreen(&view);
    model.formLoad(QDir(QString::fromStdString(pav::dataFolder())).filePath(QStringLiteral("logo.dll")).toStdString());
    return application.exec();
}
