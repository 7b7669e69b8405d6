#pragma once
// The command line of the windowed program: an optional data file to open, --help and --version.
#include <string>
#include <vector>

namespace lm {

struct CommandLine {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    std::string file;     // the data file to open at start, "" for a new image
    std::string error;    // what is wrong, for Action::Error
    bool timing = false;  // --timing: show what running radios cost (the longest event-loop stall)
};

// Reads the arguments after the program's name. --help (-h) and --version win over anything else on the line,
// so that they work before Qt has taken its own options; "--" ends the options.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

// The text of --help.
std::string CommandLineHelp();

}  // namespace lm
