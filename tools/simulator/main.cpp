// lm418t-sim: the simulated radio on a pseudo-terminal, for trying the program without a radio.
#include <iostream>
#include <string>
#include <vector>

#include "sim_options.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
        std::cout << "usage: lm418t-sim [options]\n" << lm::sim::SimUsage();
        return 0;
    }
    lm::sim::SimConfig config;
    std::string error;
    if (!lm::sim::ParseSimArgs(args, config, error)) {
        std::cerr << error << "\nusage: lm418t-sim [options]\n" << lm::sim::SimUsage();
        return 2;
    }
    return lm::sim::RunSimulator(config, lm::sim::DefaultRadioMemory(), std::cout, std::cerr);
}
