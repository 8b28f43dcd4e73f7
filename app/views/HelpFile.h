#pragma once
// F1 and 帮助 > "使用说明": the README, which the package installs among its
// documents and the build copies beside the program, opened in the desktop's viewer.

#include <string>

#include <QString>

#include "base/MessageSink.h"

namespace pav::app {

// The README beside an installed program's data (<prefix>/share/doc/pavlenta) or
// in the program's own folder; empty when there is none.
QString helpFilePath(const std::string& dataFolder, const std::string& programFolder);

// Opens it, or says that there is none.
void openHelp(pav::MessageSink& messages);

} // namespace pav::app
