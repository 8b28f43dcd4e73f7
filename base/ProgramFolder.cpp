#include "base/ProgramFolder.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace pav {

std::string programFolder() {
    if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath().toStdString();
    // Without an application object (tests, tools) the executable's own link tells.
    const QString exe = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    return QFileInfo(exe).absolutePath().toStdString();
}

} // namespace pav
