#pragma once
// The commands of lm418t-cli: one class per command, each in its own cmd_*.cpp file, listed in registry.cpp.
#include <iosfwd>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "args.h"

namespace lm::cli {

struct Program;

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

// What "<command> --help" says besides the usage line and the options. Each text is logical lines that the
// help wraps (see WrapText).
struct HelpText {
    std::string_view summary = {};  // one sentence, also in the tool's command list
    std::string_view intro = {};    // before the options
    std::string_view details = {};  // after the options
    std::string_view optionsHeading = "Options:";
};

class Command {
public:
    virtual ~Command() = default;
    // The word on the command line, e.g. "info".
    virtual std::string_view Name() const = 0;
    // The options, in the order of the usage line and the help.
    virtual std::span<const Option> Options() const { return {}; }
    // The usage line's arguments after the options, e.g. "FILE.dat N [FIELD=VALUE ...]".
    virtual std::string_view Operands() const = 0;
    virtual HelpText Help() const = 0;
    // Runs with the arguments after the name, parsed against Options() ("--help" already handled). Data goes
    // to out, diagnostics to err. Returns an exit status or throws UsageError / Failure.
    virtual int Run(const ParsedArgs& args, std::ostream& out, std::ostream& err) = 0;
    // The status of a Failure: kExitFailure, unless the command's own answers use that status (diff: 1 means
    // "the files differ", so its failures exit with 2).
    virtual int FailureStatus() const { return kExitFailure; }

    // The state of the run the command works in; main() hands it over before Run.
    void Use(Program& program) { program_ = &program; }

protected:
    Program& program() const { return *program_; }

private:
    Program* program_ = nullptr;
};

// Every command, in the order of the help text.
const std::vector<std::unique_ptr<Command>>& Commands();
// nullptr when there is no such command.
Command* FindCommand(std::string_view name);

}  // namespace lm::cli
