#pragma once
// The picture path and the browser's remembered place. One instance lives for
// the whole run (it starts empty and is never saved), shared by the browser,
// the gallery and the main window's start-up.

#include <string>

namespace pav::sources {

struct PicturePaths {
    std::string picPath;   // full path of the picture being loaded
    std::string lastDrive; // drive shown by the browser at its last accepted OK
    std::string lastDir;   // folder shown by the browser at its last accepted OK
};

} // namespace pav::sources
