#pragma once
// Running lm418t-cli as a separate process, and data files for the tests.
#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "link/sim/radio.h"

namespace lm::test {

struct CliRun {
    int status = -1;  // exit status; -1 when it had to be killed
    std::string out;
    std::string err;
    qint64 ms = 0;
};

inline CliRun RunCli(const QStringList& args, const QByteArray& input = {}, int timeoutMs = 20000) {
    QProcess p;
    QElapsedTimer clock;
    clock.start();
    p.start(QStringLiteral(LM_CLI_PATH), args);
    CliRun r;
    if (!p.waitForStarted(5000)) return r;
    if (!input.isEmpty()) p.write(input);
    p.closeWriteChannel();
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished(2000);
    } else if (p.exitStatus() == QProcess::NormalExit) {
        r.status = p.exitCode();
    }
    r.ms = clock.elapsed();
    r.out = p.readAllStandardOutput().toStdString();
    r.err = p.readAllStandardError().toStdString();
    return r;
}

inline bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
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

inline std::vector<std::uint8_t> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

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
