#include "app/views/HelpFile.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "app/MainTexts.h"
#include "base/ProgramFolder.h"

namespace pav::app {

QString helpFilePath(const std::string& dataFolder, const std::string& programFolder) {
    const QString candidates[] = {
        QDir(QString::fromStdString(dataFolder)).filePath(QStringLiteral("../doc/pavlenta/README.md")),
        QDir(QString::fromStdString(programFolder)).filePath(QStringLiteral("README.md")),
    };
    for (const QString& path : candidates)
        if (QFileInfo(path).isFile()) return QFileInfo(path).canonicalFilePath();
    return {};
}

void openHelp(pav::MessageSink& messages) {
    const QString path = helpFilePath(pav::dataFolder(), pav::programFolder());
    if (path.isEmpty() || !QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        messages.showMessage(texts::kNoHelpText, texts::kTitleKorvane);
}

} // namespace pav::app
