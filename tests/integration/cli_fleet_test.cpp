// lm418t-cli with a fleet: radios started as they are attached, reading a fleet back against the master,
// interrupting a run, and the command lines refused before any radio is touched.
#include <gtest/gtest.h>
#include <signal.h>

#include <QProcess>
#include <algorithm>
#include <filesystem>
#include <sstream>

#include "cli_helpers.h"
#include "sim_fixture.h"

namespace lm {
namespace {

using test::Contains;

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (std::size_t at = 0; (at = text.find(part, at)) != std::string::npos; at += part.size()) ++n;
    return n;
}

// Runs lm418t-cli as a process of its own, so that the test can attach radios and send signals meanwhile.
struct CliProcess {
    explicit CliProcess(const QStringList& args) {
        process.start(QStringLiteral(LM_CLI_PATH), args);
        process.waitForStarted();
    }
    ~CliProcess() {
        process.kill();
        process.waitForFinished(5000);
    }
    bool OutSays(const std::string& part, std::size_t times = 1) {
        return test::SpinUntil(
            [&] {
                out += process.readAllStandardOutput().toStdString();
                return Count(out, part) >= times;
            },
            20000);
    }
    int StopWith(int signal) {
        ::kill(static_cast<pid_t>(process.processId()), signal);
        process.waitForFinished(20000);
        out += process.readAllStandardOutput().toStdString();
        err += process.readAllStandardError().toStdString();
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }
    QProcess process;
    std::string out, err;
};

std::vector<std::string> Lines(const std::string& path) {
    std::vector<std::string> lines;
    std::istringstream rows(test::ReadText(path));
    for (std::string line; std::getline(rows, line);) lines.push_back(line);
    return lines;
}

// One port, one radio attached, written, taken off, attached again and written again with the next number;
// between the jobs the port sends nothing but wake-up frames.
TEST(CliFleet, EachRadioWithARadioAttachedTwice) {
    test::TempDir dir;
    test::WriteDataFile(dir.File("in.dat"), test::ValidRadio(5));
    test::SimThread sim(test::ValidRadio(11), {});
    sim.SetAttached(false);
    const QString port = QString::fromStdString(sim.Start());
    CliProcess cli({"write", "--port", port, "--each-radio", "--id-code-from", "7", "--log",
                    QString::fromStdString(dir.File("log.csv")), QString::fromStdString(dir.File("in.dat"))});
    ASSERT_TRUE(cli.OutSays("waiting for a radio")) << cli.out;
    sim.SetAttached(true);
    ASSERT_TRUE(cli.OutSays("ID 007: Writing Completed.")) << cli.out;
    ASSERT_TRUE(cli.OutSays("take the radio off")) << cli.out;
    sim.SetAttached(false);
    ASSERT_TRUE(cli.OutSays("waiting for a radio", 2)) << cli.out;
    sim.SetAttached(true);
    ASSERT_TRUE(cli.OutSays("ID 008: Writing Completed.")) << cli.out;
    EXPECT_EQ(cli.StopWith(SIGTERM), 143) << cli.err;
    sim.Stop();

    const std::vector<std::string> log = Lines(dir.File("log.csv"));
    ASSERT_EQ(log.size(), 3u);
    EXPECT_TRUE(Contains(log[1], ",Writing Completed.,") && log[1].ends_with(",7")) << log[1];
    EXPECT_TRUE(Contains(log[2], ",Writing Completed.,") && log[2].ends_with(",8")) << log[2];
    // The radio saw two sessions, each ended; every other frame was a wake-up frame.
    const auto& frames = sim.radio().log();
    const auto count = [&](const char* word) {
        return std::count_if(frames.begin(), frames.end(),
                             [&](const std::string& l) { return l.starts_with(word); });
    };
    EXPECT_EQ(count("ident"), 2);
    EXPECT_EQ(count("end"), 2);
    EXPECT_EQ(count("write 0x"), 2 * 58);
    EXPECT_EQ(count("wake") + count("ident") + count("confirm") + count("write 0x") + count("end"),
              static_cast<long>(frames.size()));
    const std::uint8_t id[] = {0x00, 0x8F, 0xFF, 0xFF, 0xFF};
    EXPECT_TRUE(std::equal(id, id + 5, sim.radio().memory().begin() + 0x143));
}

}  // namespace
}  // namespace lm
