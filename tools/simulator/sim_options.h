#pragma once
// Command-line options of the simulated radio, and running it until it is interrupted.
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "link/sim/radio.h"
#include "pty_runner.h"

namespace lm::sim {

struct SimConfig {
    Faults faults;
    RunnerOptions runner;
    std::vector<std::string> links;  // one radio per link (one radio without a link when empty)
    std::string imagePath;
    std::optional<std::string> model;
    std::optional<int> band;
    std::optional<int> area;
    std::optional<std::string> password;
    bool detached = false;  // the radios start off the cable (SIGUSR1 puts them on and takes them off)
};

// The memory of a blank UHF radio (band code 244, area code 0000, no password), everything else erased.
Memory DefaultRadioMemory();
// Parses the options after "simulate"; false with a message on a bad option.
bool ParseSimArgs(const std::vector<std::string>& args, SimConfig& config, std::string& error);
// The option summary for the help text.
const char* SimUsage();
// Builds the radios (one per link, all alike) from the configuration and the memory to use when no image file
// is given, prints each device path on a line of out, serves them side by side until SIGINT/SIGTERM or until
// every device has vanished. Returns the exit status.
int RunSimulator(const SimConfig& config, const Memory& defaultMemory, std::ostream& out, std::ostream& err);

}  // namespace lm::sim
