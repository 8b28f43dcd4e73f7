#pragma once
// The one error type of the command line: a message for stderr and the exit code it becomes.

#include <stdexcept>
#include <string>
#include <vector>

namespace pav::cli {

enum class ExitCode : int {
    Ok = 0,
    Failure = 1, // the operation itself failed
    Usage = 2,   // bad arguments
    Input = 3,   // an input file cannot be read or is not what it should be
    Output = 4,  // an output file cannot be written
};

class CliError : public std::runtime_error {
public:
    CliError(ExitCode code, const std::string& message) : std::runtime_error(message), m_code(code) {}
    ExitCode code() const { return m_code; }

private:
    ExitCode m_code;
};

// What a subcommand receives: the process's own arguments (for a Qt application
// object, if it needs one) and the words after the subcommand's name.
struct Invocation {
    int& argc;
    char** argv;
    std::vector<std::string> args;
};

// One row of the subcommand table: a command returns normally on success, throws CliError otherwise.
struct Command {
    const char* name;
    const char* usage; // one line, without the program name
    void (*run)(const Invocation& invocation);
};

} // namespace pav::cli
