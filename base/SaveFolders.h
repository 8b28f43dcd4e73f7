#pragma once
// Where the program writes its files. Saved charts and effect pictures go to
// the program's folder as long as it is a writable folder of its own (the build
// folder), otherwise to the user's pictures; the working files go to the current
// folder when it can be written, otherwise to the user's cache. A program
// installed in a system folder and started from the menu can so always save.

#include <string>

namespace pav {

// True when a file can be created in folder: tried, not judged from the mode
// bits, so that it also holds for root and for read-only disks.
bool folderWritable(const std::string& folder);

// Saved charts ("myxiu...") and effect pictures ("xiaoguo..."): programFolder
// when it can be written and holds no installed program (whose data lies in
// ../share/pavlenta), otherwise <pictures>/Pavlenta, created when missing.
std::string saveFolder(const std::string& programFolder);
// The same for the running program.
std::string saveFolder();

// The full path of a working file ("tmppicv.bmp", "tmpcolorv.bmp"): in the
// current folder when it can be written, otherwise in <cache>/pavlenta.
std::string workingFile(const std::string& name);

} // namespace pav
