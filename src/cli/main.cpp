// lm418t-cli: the data files of the LM-418T radios from the command line.
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "args.h"
#include "command.h"
#include "core/printable.h"
#include "help_text.h"
#include "session.h"
#include "version/version.h"

namespace lm::cli {
namespace {

constexpr const char* kTool = "lm418t-cli";

void PrintToolHelp(std::ostream& out) {
    out << kTool << " - the data files (*.dat) of the LM-418T radios from the command line\n"
        << "\n"
        << "Usage: " << kTool << " <command> [options] [arguments]\n"
        << "  or:  " << kTool << " <command> --help\n"
        << "  or:  " << kTool << " --help\n"
        << "  or:  " << kTool << " --version\n"
        << "\n"
        << "Commands:\n";
    for (const auto& command : Commands()) {
        const std::string name(command->Name());
        const std::string synopsis = Synopsis(*command);
        out << WrapHanging("  " + name + (synopsis.empty() ? "" : " " + synopsis), name.size() + 3)
            << WrapHanging("      " + std::string(command->Help().summary), 6);
    }
    out << "\n"
        << WrapText(
               "Data goes to standard output, messages to standard error.\n"
               "\n"
               "Exit status:\n"
               "  0  success\n"
               "  1  failure: a file that is missing or cannot be read or written (with the system's "
               "reason), a file of another model (\"Model Type Wrong.\"), a truncated file; no file is "
               "created or changed\n"
               "  2  usage error: unknown command or option, missing or extra arguments, a bad option "
               "value\n"
               "diff answers like diff(1): 0 the images are the same, 1 they differ, 2 bad input or "
               "usage.\n");
}

int Main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::cerr << kTool << ": no command given\n\n";
        PrintToolHelp(std::cerr);
        return kExitUsage;
    }
    const std::string& name = args[0];
    if (name == "--version") {
        std::cout << kTool << ' ' << kProgramVersion << "\n";
        return kExitOk;
    }
    if (name == "--help" || name == "-h" || name == "help") {
        if (args.size() > 1 && name == "help") {
            if (const Command* command = FindCommand(args[1])) {
                std::cout << CommandHelp(kTool, *command);
                return kExitOk;
            }
            std::cerr << kTool << ": unknown command '" << ShownValue(args[1]) << "'\n";
            return kExitUsage;
        }
        PrintToolHelp(std::cout);
        return kExitOk;
    }
    Command* command = FindCommand(name);
    if (command == nullptr) {
        std::cerr << kTool << ": unknown " << (name.starts_with('-') ? "option" : "command") << " '"
                  << ShownValue(name) << "'\nRun '" << kTool << " --help' for the list of commands.\n";
        return kExitUsage;
    }
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (AsksForHelp(rest)) {
        std::cout << CommandHelp(kTool, *command);
        return kExitOk;
    }
    try {
        Program program;
        StartProgram(program, argv[0]);
        command->Use(program);
        const ParsedArgs parsed = ParseArgs(rest, command->Options());
        const int status = command->Run(parsed, std::cout, std::cerr);
        std::cout.flush();
        if (!std::cout) throw Failure("cannot write to standard output");
        return status;
    } catch (const UsageError& e) {
        // Messages quote file names, values and lines of files: none of their control characters (an escape
        // sequence for the terminal) gets through, and no line is echoed whole.
        std::cerr << kTool << ' ' << command->Name() << ": " << PrintableMessage(e.what()) << "\n"
                  << "Usage: " << kTool << ' ' << command->Name() << ' ' << Synopsis(*command) << "\n";
        return kExitUsage;
    } catch (const Failure& e) {
        std::cerr << kTool << ' ' << command->Name() << ": " << PrintableMessage(e.what()) << "\n";
        return command->FailureStatus();
    } catch (const std::exception& e) {
        std::cerr << kTool << ' ' << command->Name() << ": " << PrintableMessage(e.what()) << "\n";
        return command->FailureStatus();
    }
}

}  // namespace
}  // namespace lm::cli

int main(int argc, char** argv) { return lm::cli::Main(argc, argv); }
