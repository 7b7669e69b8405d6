#pragma once
// lm418t-cli run as a process on real data files in a temporary folder: the fixture of the command-line
// tests.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/program_run.h"

namespace clitest {

namespace fs = std::filesystem;

using CliRun = lm::test::ProgramRun;
using lm::test::Contains;

inline std::string Slurp(const fs::path& path) { return lm::test::ReadText(path.string()); }
inline std::vector<std::uint8_t> Bytes(const fs::path& path) { return lm::test::ReadBytes(path.string()); }

inline void WriteBytes(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

class CliTest : public ::testing::Test {
protected:
    void SetUp() override {
        char name[] = "/tmp/lm418t-cliXXXXXX";
        ASSERT_NE(mkdtemp(name), nullptr);
        dir_ = name;
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path File(const std::string& name) const { return dir_ / name; }

    // Runs lm418t-cli, or with a first argument "sim", the simulated radio lm418t-sim.
    CliRun Cli(std::vector<std::string> args) const {
        if (!args.empty() && args[0] == "sim")
            return lm::test::RunProgram(LM_SIM_PATH, {args.begin() + 1, args.end()});
        return lm::test::RunProgram(LM_CLI_PATH, args);
    }

    // A new UHF data file, as the tool writes it.
    std::vector<std::uint8_t> NewFile(const std::string& name) const {
        const CliRun run = Cli({"new", File(name).string()});
        EXPECT_EQ(run.status, 0) << run.err;
        return Bytes(File(name));
    }

    std::vector<fs::path> Listing() const {
        std::vector<fs::path> names;
        for (const auto& entry : fs::directory_iterator(dir_)) names.push_back(entry.path().filename());
        return names;
    }

    fs::path dir_;
};

}  // namespace clitest
