#pragma once
#include "CliError.h"

namespace pav::cli {

// reduce --mode M [--no-rotate] IN.bmp OUT.bmp
extern const char* const kReduceUsage;
void runReduce(const Invocation& invocation);

} // namespace pav::cli
