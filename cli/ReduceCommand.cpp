// Reduces the colours of a BMP file with one of the dithered modes and writes the
// result at the mode's own depth. Other tools call this: keep its words stable.
#include "ReduceCommand.h"

#include "ClsDIB.h"

#include <optional>

namespace pav::cli {

const char* const kReduceUsage = "reduce --mode 1|2|3|4|8|16|rgb565 [--no-rotate] IN.bmp OUT.bmp";

namespace {

using image::ClsDIB;

enum class Mode { OneBit, Greys4, Colours8, Greys16, Colours256, Colours216, Rgb565 };

struct ReduceArgs {
    Mode mode;
    bool rotate = true;
    std::string input, output;
};

std::optional<Mode> parseMode(const std::string& word) {
    if (word == "1") return Mode::OneBit;
    if (word == "2") return Mode::Greys4;
    if (word == "3") return Mode::Colours8;
    if (word == "4") return Mode::Greys16;
    if (word == "8") return Mode::Colours256;
    if (word == "16") return Mode::Colours216;
    if (word == "rgb565") return Mode::Rgb565;
    return std::nullopt;
}

[[noreturn]] void usageError(const std::string& why) {
    throw CliError(ExitCode::Usage, "reduce: " + why + " (usage: " + kReduceUsage + ")");
}

ReduceArgs parseArgs(const std::vector<std::string>& args) {
    std::optional<Mode> mode;
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

bool reduce(ClsDIB& result, const ClsDIB& source, Mode mode, bool rotate) {
    switch (mode) {
    case Mode::OneBit:
        return result.ddGet1Bit(source);
    case Mode::Greys4:
        return result.ddGet2Bit(source);
    case Mode::Colours8:
        return result.ddGet3Bit(source, rotate);
    case Mode::Greys16:
        return result.ddGet4Bit(source);
    case Mode::Colours256:
        return result.ddGet8Bit(source, rotate);
    case Mode::Colours216:
        return result.ddGet216C(source, rotate);
    case Mode::Rgb565:
        return result.ddGet16Bit(source, rotate);
    }
    return false;
}

} // namespace

void runReduce(const Invocation& invocation) {
    const ReduceArgs args = parseArgs(invocation.args);
    ClsDIB source, result;
    if (!source.LoadBitMap(args.input))
        throw CliError(ExitCode::Input, "reduce: cannot read '" + args.input + "': " + source.LastError());
    if (!reduce(result, source, args.mode, args.rotate))
        throw CliError(ExitCode::Failure, "reduce: cannot reduce '" + args.input + "'");
    // SaveBMP replaces OUT only once the new file is complete.
    if (!result.SaveBMP(args.output))
        throw CliError(ExitCode::Output, "reduce: cannot write '" + args.output + "': " + result.LastError());
}

} // namespace pav::cli
