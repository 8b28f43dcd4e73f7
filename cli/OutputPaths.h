#pragma once
// Outputs that would destroy an input or each other: an output that is the input
// file itself (through a link or another spelling of its path), or two outputs
// on one file. Character devices (/dev/null) replace nothing and may be shared.

#include <string>
#include <utility>
#include <vector>

namespace pav::cli {

struct NamedOutput {
    std::string option; // "-o", "--pdf", ...
    std::string path;   // empty: not asked for
};

// What is wrong, in one sentence, or empty when every output has a file of its own.
std::string outputClash(const std::string& input, const std::vector<NamedOutput>& outputs);

} // namespace pav::cli
