#pragma once
// lm418t-cli run as a process on real data files in a temporary folder: the fixture of the command-line
// tests.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace clitest {

namespace fs = std::filesystem;

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string Quote(const std::string& arg) {
    std::string q = "'";
    for (char c : arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

inline std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::vector<std::uint8_t> Bytes(const fs::path& path) {
    const std::string s = Slurp(path);
    return {s.begin(), s.end()};
}

inline void WriteBytes(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
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
        std::string command = Quote(LM_CLI_PATH);
        if (!args.empty() && args[0] == "sim") {
            command = Quote(LM_SIM_PATH);
            args.erase(args.begin());
        }
        for (const std::string& arg : args) command += " " + Quote(arg);
        const fs::path out = dir_ / ".out", err = dir_ / ".err";
        command += " >" + Quote(out.string()) + " 2>" + Quote(err.string()) + " </dev/null";
        const int raw = std::system(command.c_str());
        CliRun run;
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.out = Slurp(out);
        run.err = Slurp(err);
        fs::remove(out);
        fs::remove(err);
        return run;
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
