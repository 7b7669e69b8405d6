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
    // Waits until standard output, or error with onErr, has said part the given number of times.
    bool Says(const std::string& part, std::size_t times = 1, bool onErr = false) {
        std::string& text = onErr ? err : out;
        return test::SpinUntil(
            [&] {
                text +=
                    (onErr ? process.readAllStandardError() : process.readAllStandardOutput()).toStdString();
                return Count(text, part) >= times;
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

// One port, one radio attached, written, taken off, attached again and written again with the next number.
// What the port sends between the jobs is the watch's rule, in production_run_test.
TEST(CliFleet, EachRadioWithARadioAttachedTwice) {
    test::TempDir dir;
    test::WriteDataFile(dir.File("in.dat"), test::ValidRadio(5));
    test::SimThread sim(test::ValidRadio(11), {});
    sim.SetAttached(false);
    const QString port = QString::fromStdString(sim.Start());
    CliProcess cli({"write", "--port", port, "--each-radio", "--id-code-from", "7", "--log",
                    QString::fromStdString(dir.File("log.csv")), QString::fromStdString(dir.File("in.dat"))});
    ASSERT_TRUE(cli.Says("waiting for a radio")) << cli.out;
    sim.SetAttached(true);
    ASSERT_TRUE(cli.Says("ID 007: Writing Completed.")) << cli.out;
    ASSERT_TRUE(cli.Says("take the radio off")) << cli.out;
    sim.SetAttached(false);
    ASSERT_TRUE(cli.Says("waiting for a radio", 2)) << cli.out;
    sim.SetAttached(true);
    ASSERT_TRUE(cli.Says("ID 008: Writing Completed.")) << cli.out;
    EXPECT_EQ(cli.StopWith(SIGTERM), 143) << cli.err;
    sim.Stop();

    const std::vector<std::string> log = Lines(dir.File("log.csv"));
    ASSERT_EQ(log.size(), 3u);
    EXPECT_TRUE(Contains(log[1], ",Writing Completed.,") && log[1].ends_with(",7")) << log[1];
    EXPECT_TRUE(Contains(log[2], ",Writing Completed.,") && log[2].ends_with(",8")) << log[2];
    // The numbers reached the radio as its ID code.
    const std::uint8_t id[] = {0x00, 0x8F, 0xFF, 0xFF, 0xFF};
    EXPECT_TRUE(std::equal(id, id + 5, sim.radio().memory().begin() + 0x143));
}

// Two radios written from the master, one of them then from a changed copy: verify names the one that differs
// with the diff's line, and a radio's own area code, password and write time are no differences.
TEST(CliFleet, VerifyMatchingAndDiffering) {
    test::TempDir dir;
    const QString master = QString::fromStdString(dir.File("master.dat")),
                  changed = QString::fromStdString(dir.File("changed.dat"));
    test::WriteDataFile(master.toStdString(), test::ValidRadio(5));
    test::SimThread a(test::ValidRadio(11, "123"), {}), b(test::ValidRadio(13, "123"), {});
    const QString pa = QString::fromStdString(a.Start()), pb = QString::fromStdString(b.Start());
    ASSERT_EQ(test::RunCli({"write", "--port", pa, "--port", pb, "--password", "123", master}).status, 0);
    std::filesystem::copy_file(master.toStdString(), changed.toStdString());
    ASSERT_EQ(test::RunCli({"set", changed, "squelch=2"}).status, 0);
    ASSERT_EQ(test::RunCli({"write", "--port", pb, "--password", "123", changed}).status, 0);

    struct Case {
        QStringList ports;
        int status;
        std::vector<std::string> says;
    };
    const Case cases[] = {
        {{"--port", pa}, 0, {": matches "}},
        {{"--port", pa, "--port", pb},
         1,
         {pa.toStdString() + ": matches ", pb.toStdString() + ": differs from ", "\n  Squelch level: "}},
    };
    for (const Case& c : cases) {
        const test::CliRun run = test::RunCli(QStringList{"verify"} << c.ports << "--password"
                                                                    << "123" << master);
        EXPECT_EQ(run.status, c.status) << run.out << run.err;
        for (const std::string& part : c.says)
            EXPECT_TRUE(Contains(run.out, part)) << part << "\n" << run.out;
        EXPECT_EQ(Count(run.out, "\n  "), c.status == 0 ? 0u : 1u) << run.out;
        EXPECT_EQ(Contains(run.err, "differ: " + pb.toStdString()), c.status != 0) << run.err;
    }
}

// A signal in the middle of a write to several radios: each radio gets the end frame between two frames, a
// row in the table and in the log, and the status tells which signal it was.
TEST(CliFleet, InterruptedWriteEndsEveryRadioCleanly) {
    struct Case {
        int signal;
        int status;
    };
    for (const Case c : {Case{SIGINT, 130}, Case{SIGTERM, 143}}) {
        SCOPED_TRACE(c.signal);
        test::TempDir dir;
        test::WriteDataFile(dir.File("in.dat"), test::ValidRadio(5));
        std::vector<std::unique_ptr<test::SimThread>> sims;
        QStringList args{"write"};
        for (int i = 0; i < 3; ++i) {
            sims.push_back(
                std::make_unique<test::SimThread>(test::ValidRadio(11), sim::Faults{}, sim::RunnerOptions{}));
            args << "--port" << QString::fromStdString(sims.back()->Start());
        }
        CliProcess cli(args << "--log" << QString::fromStdString(dir.File("log.csv"))
                            << QString::fromStdString(dir.File("in.dat")));
        ASSERT_TRUE(cli.Says("Writing 20/56", 1, true)) << cli.err;
        EXPECT_EQ(cli.StopWith(c.signal), c.status) << cli.err;
        EXPECT_EQ(Count(cli.out, ": write it again"), 3u) << cli.out;
        EXPECT_TRUE(Contains(cli.out, "interrupted at frame ")) << cli.out;
        const std::vector<std::string> log = Lines(dir.File("log.csv"));
        ASSERT_EQ(log.size(), 4u);
        for (std::size_t i = 1; i < log.size(); ++i)
            EXPECT_TRUE(Contains(log[i], ": write it again,no,")) << log[i];
        for (auto& sim : sims) {
            sim->Stop();
            EXPECT_EQ(sim->radio().log().back(), "end");
        }
    }
}

// Command lines that would do harm are refused with the usage status before any radio is touched.
TEST(CliFleet, RefusedBeforeAnyRadioIsTouched) {
    test::TempDir dir;
    test::WriteDataFile(dir.File("in.dat"), test::ValidRadio(5));
    test::SimThread a(test::ValidRadio(11), {}), b(test::ValidRadio(13), {});
    const QString pa = QString::fromStdString(a.Start()), pb = QString::fromStdString(b.Start());
    const QString alias = QString::fromStdString(dir.File("alias"));
    std::filesystem::create_symlink(pa.toStdString(), alias.toStdString());
    struct Case {
        const char* name;
        QStringList args;
        const char* says;
    };
    const Case cases[] = {
        {"one device under two names", {"--port", pa, "--port", alias}, "lead to the same device"},
        {"an ID number of 11 digits", {"--port", pa, "--id-code-from", "12345678901"}, "1 to 10 digits"},
        {"the last port's number past 10 digits",
         {"--port", pa, "--port", pb, "--id-code-from", "9999999999"},
         "more than 10 digits"},
        {"a step of nought", {"--port", pa, "--id-code-from", "1", "--id-code-step", "0"}, "1 or more"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const test::CliRun run =
            test::RunCli(QStringList{"write"} << c.args << QString::fromStdString(dir.File("in.dat")));
        EXPECT_EQ(run.status, 2) << run.err;
        EXPECT_TRUE(Contains(run.err, c.says)) << run.err;
    }
    a.Stop();
    b.Stop();
    EXPECT_TRUE(a.radio().log().empty());
    EXPECT_TRUE(b.radio().log().empty());
}

}  // namespace
}  // namespace lm
