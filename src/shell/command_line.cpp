#include "shell/command_line.h"

namespace lm {

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine line;
    bool options = true;
    for (const std::string& arg : args) {
        if (options && arg == "--") {
            options = false;
        } else if (options && (arg == "--help" || arg == "-h")) {
            return {CommandLine::Action::Help, {}, {}};
        } else if (options && arg == "--version") {
            return {CommandLine::Action::Version, {}, {}};
        } else if (options && arg == "--timing") {
            line.timing = true;
        } else if (options && arg.size() > 1 && arg.front() == '-') {
            if (line.error.empty()) line.error = "unknown option '" + arg + "'";
        } else if (arg.empty()) {
            continue;
        } else if (line.file.empty()) {
            line.file = arg;
        } else if (line.error.empty()) {
            line.error = "one data file at most: '" + arg + "' is one too many";
        }
    }
    if (!line.error.empty()) {
        line.action = CommandLine::Action::Error;
        line.file.clear();
    }
    return line;
}

std::string CommandLineHelp() {
    return "Usage: lm418t [OPTION]... [FILE.dat]\n"
           "Read, edit, save and write the memory of LM-418T hand-held radios, in windows.\n"
           "\n"
           "With FILE.dat the program starts with that data file open, as File > Open would open it; a file\n"
           "that cannot be opened is named in a message, and the program starts with a new image.\n"
           "\n"
           "Options:\n"
           "  -h, --help     print this help and exit\n"
           "      --version  print the version and exit\n"
           "      --timing   show in the Production window's status the longest time the event loop\n"
           "                 was kept from turning while radios ran\n"
           "\n"
           "Qt's own options (such as -platform or -style) are taken as well.\n"
           "\n"
           "The same work on the command line, for scripts: lm418t-cli --help.\n";
}

}  // namespace lm
