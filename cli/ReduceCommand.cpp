// Reduces the colours of a BMP file with one of the dithered modes and writes the
// result at the mode's own depth. Other tools call this: keep its words stable.
#include "ReduceCommand.h"

#include "ClsDIB.h"
#include "ColorReduction.h"

#include <optional>

namespace pav::cli {

const char* const kReduceUsage = "reduce --mode 1|2|3|4|8|16|rgb565 [--no-rotate] IN.bmp OUT.bmp";

namespace {

using image::ClsDIB;

using image::ReductionMode;

struct ReduceArgs {
    ReductionMode mode;
    bool rotate = true;
    std::string input, output;
};

std::optional<ReductionMode> parseMode(const std::string& word) {
    if (word == "1") return ReductionMode::BlackWhite;
    if (word == "2") return ReductionMode::FourGreys;
    if (word == "3") return ReductionMode::EightColours;
    if (word == "4") return ReductionMode::SixteenGreys;
    if (word == "8") return ReductionMode::Colours256;
    if (word == "16") return ReductionMode::Colours216;
    if (word == "rgb565") return ReductionMode::Rgb565;
    return std::nullopt;
}

[[noreturn]] void usageError(const std::string& why) {
    throw CliError(ExitCode::Usage, "reduce: " + why + " (usage: " + kReduceUsage + ")");
}

ReduceArgs parseArgs(const std::vector<std::string>& args) {
    std::optional<ReductionMode> mode;
    bool rotate = true;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (word == "--mode") {
            if (mode) usageError("--mode given twice");
            if (i + 1 >= args.size()) usageError("--mode needs a value");
            mode = parseMode(args[++i]);
            if (!mode) usageError("unknown mode '" + args[i] + "'");
        } else if (word == "--no-rotate") {
            rotate = false;
        } else if (word.size() > 1 && word[0] == '-') {
            usageError("unknown option '" + word + "'");
        } else {
            files.push_back(word);
        }
    }
    if (!mode) usageError("--mode is required");
    if (files.size() != 2) usageError("expected IN.bmp and OUT.bmp");
    return {*mode, rotate, files[0], files[1]};
}

} // namespace

void runReduce(const Invocation& invocation) {
    const ReduceArgs args = parseArgs(invocation.args);
    ClsDIB source, result;
    if (!source.LoadBitMap(args.input))
        throw CliError(ExitCode::Input, "reduce: cannot read '" + args.input + "': " + source.LastError());
    if (!result.Reduce(source, args.mode, args.rotate))
        throw CliError(ExitCode::Failure, "reduce: cannot reduce '" + args.input + "'");
    // SaveBMP replaces OUT only once the new file is complete.
    if (!result.SaveBMP(args.output))
        throw CliError(ExitCode::Output, "reduce: cannot write '" + args.output + "': " + result.LastError());
}

} // namespace pav::cli
