#pragma once
// The commands of lm418t-cli: one class per command, each in its own cmd_*.cpp file, listed in registry.cpp.
#include <iosfwd>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace lm::cli {

// Exit statuses of the tool.
constexpr int kExitOk = 0;       // the command did what was asked
constexpr int kExitFailure = 1;  // bad input or a failed file operation; no file was created or changed
constexpr int kExitUsage = 2;    // the command line itself is wrong

// A wrong command line; main() prints the message and the command's synopsis and exits with kExitUsage.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A command that failed on its input; main() prints the message and exits with kExitFailure.
class Failure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Command {
public:
    virtual ~Command() = default;
    // The word on the command line, e.g. "info".
    virtual std::string_view Name() const = 0;
    // Arguments after the name, e.g. "[--csv] FILE.dat".
    virtual std::string_view Synopsis() const = 0;
    // One line for the tool's command list.
    virtual std::string_view Summary() const = 0;
    // The body of "<command> --help": options and what is printed.
    virtual std::string_view Details() const = 0;
    // Runs with the arguments after the name ("--help" already handled). Data goes to out, diagnostics to
    // err. Returns an exit status or throws UsageError / Failure.
    virtual int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) = 0;
    // The status of a Failure: kExitFailure, unless the command's own answers use that status (diff: 1 means
    // "the files differ", so its failures exit with 2).
    virtual int FailureStatus() const { return kExitFailure; }
};

// Every command, in the order of the help text.
const std::vector<std::unique_ptr<Command>>& Commands();
// nullptr when there is no such command.
Command* FindCommand(std::string_view name);

}  // namespace lm::cli
