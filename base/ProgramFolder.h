#pragma once
// The folder that holds the running program, and the folder of the data it
// ships (the start picture and the sample gallery), whatever the current folder is.

#include <string>

namespace pav {

std::string programFolder();

// Where the start picture "logo.dll" and the gallery's category folders are:
// <prefix>/share/pavlenta beside an installed program's <prefix>/bin, otherwise
// the program's own folder (the build folder, where the build copies them).
std::string dataFolder();
// The same for a program in programFolder.
std::string dataFolderOf(const std::string& programFolder);

} // namespace pav
