// pavlenta-cli: a thin command-line front end over the same code as the program.
// Each subcommand is one row of the table below and lives in its own file.
#include "ChartCommand.h"
#include "CliError.h"
#include "ReduceCommand.h"

#include <cstdio>
#include <string>

namespace {

using namespace pav::cli;

const Command kCommands[] = {
    {"reduce", kReduceUsage, runReduce},
    {"chart", kChartUsage, runChart},
};

void printUsage(std::FILE* to) {
    std::fprintf(to, "usage:\n");
    for (const Command& c : kCommands)
        std::fprintf(to, "  pavlenta-cli %s\n", c.usage);
}

int run(int& argc, char** argv) {
    if (argc < 2) throw CliError(ExitCode::Usage, "missing command (try --help)");
    const std::string name = argv[1];
    if (name == "--help" || name == "-h") {
        printUsage(stdout);
        return 0;
    }
    for (const Command& c : kCommands) {
        if (name != c.name) continue;
        Invocation invocation{argc, argv, {argv + 2, argv + argc}};
        for (const std::string& word : invocation.args)
            if (word == "--help" || word == "-h") {
                std::printf("usage: pavlenta-cli %s\n", c.usage);
                return 0;
            }
        c.run(invocation);
        return 0;
    }
    throw CliError(ExitCode::Usage, "unknown command '" + name + "' (try --help)");
}

} // namespace

int main(int argc, char** argv) {
    try {
        return run(argc, argv);
    } catch (const CliError& e) {
        std::fprintf(stderr, "pavlenta-cli: %s\n", e.what());
        return static_cast<int>(e.code());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "pavlenta-cli: %s\n", e.what());
        return static_cast<int>(ExitCode::Failure);
    }
}
