#pragma once
// The folder that holds the running program: saved charts and effect pictures
// and the sample gallery live there, whatever the current folder is.

#include <string>

namespace pav {

std::string programFolder();

} // namespace pav
