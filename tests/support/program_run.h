#pragma once
// A program run to its end as a separate process, with its standard input given and its outputs caught: the
// one way the tests run lm418t-cli and lm418t-sim.
#include <cstdint>
#include <string>
#include <vector>

namespace lm::test {

struct ProgramRun {
    int status = -1;  // exit status; -1 when it did not start, was killed by a signal or ran out of time
    std::string out;
    std::string err;
    std::int64_t ms = 0;  // from the start to the end
};

// Runs program with args; input is its standard input, closed after it. A program still running after
// timeoutMs is killed.
ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                      const std::string& input = {}, int timeoutMs = 60000);

// The whole content of a file ("" when it cannot be read).
std::string ReadText(const std::string& path);
std::vector<std::uint8_t> ReadBytes(const std::string& path);

inline bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

}  // namespace lm::test
