#pragma once
// lm418t-cli run as a separate process, and data files for the tests.
#include <QStringList>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "link/sim/radio.h"
#include "support/program_run.h"

namespace lm::test {

using CliRun = ProgramRun;

// lm418t-cli with arguments as the tests build them for QProcess too.
inline CliRun RunCli(const QStringList& args, const std::string& input = {}, int timeoutMs = 20000) {
    std::vector<std::string> list;
    for (const QString& arg : args) list.push_back(arg.toStdString());
    return RunProgram(LM_CLI_PATH, list, input, timeoutMs);
}

// A fresh temporary folder per test, removed at the end.
class TempDir {
public:
    TempDir() {
        char name[] = "/tmp/lm418t-itXXXXXX";
        path_ = mkdtemp(name);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

inline void WriteDataFile(const std::string& path, const sim::Memory& memory) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write("LM41LM41\0\0\0\0\0\0\0\0", 16);
    out.write(reinterpret_cast<const char*>(memory.data()), static_cast<std::streamsize>(memory.size()));
}

// Radio memory whose settings are all in range, so that loading and reading leave them as they are: a byte
// pattern in the channels and free regions, zeros and the defaults in the settings, the identification of a
// UHF radio with band code 244, area code 0755 and the given password.
inline sim::Memory ValidRadio(int multiplier, const std::string& password = "") {
    sim::Memory m{};
    for (int a = 0; a < sim::kMemoryBytes; ++a) m[a] = static_cast<std::uint8_t>(a * multiplier + 3);
    for (int a = 288; a < 416; ++a) m[a] = 0;
    const std::uint8_t fm[] = {0xC0, 0x0D, 0xE0, 0x10};
    std::copy(fm, fm + 4, m.begin() + 309);
    m[334] = m[335] = 0xFF;
    const std::uint8_t ident[] = {'P', 'L', 'M', '4', '1', 244, 0, 0, 0x07, 0x55};
    std::copy(ident, ident + 10, m.begin() + 432);
    const auto pw = sim::EncodeRadioPassword(password, 0x4D);
    std::copy(pw.begin(), pw.end(), m.begin() + 442);
    return m;
}

}  // namespace lm::test
