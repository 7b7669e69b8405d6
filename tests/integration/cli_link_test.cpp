// lm418t-sim as a user runs it, and what read and write report besides their data.
#include <gtest/gtest.h>

#include <QProcess>
#include <filesystem>

#include "cli_helpers.h"
#include "sim_fixture.h"

#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace lm {
namespace {

using test::Contains;

TEST(CliLink, SimulateCommandServesAReadAndAWriteUntilInterrupted) {
    test::TempDir dir;
    const std::string link = dir.File("radio");
    std::filesystem::create_symlink("/nonexistent/left-over", link);  // a link of an earlier run is replaced
    QProcess sim;
    sim.start(QStringLiteral(LM_SIM_PATH), {"--unpaced", "--link", QString::fromStdString(link), "--save",
                                            QString::fromStdString(dir.File("saved.dat"))});
    ASSERT_TRUE(sim.waitForStarted(5000));
    ASSERT_TRUE(test::SpinUntil([&] { return sim.canReadLine(); }, 5000));
    EXPECT_EQ(sim.readLine().trimmed().toStdString(), link);

    const test::CliRun read = test::RunCli(
        {"read", "--port", QString::fromStdString(link), QString::fromStdString(dir.File("out.dat"))});
    EXPECT_EQ(read.status, 0) << read.err;
    // The default radio: a new UHF radio of band code 244 without area code.
    EXPECT_TRUE(Contains(read.out, "LM-418T(UHF), 450 - 470MHz, area 0000")) << read.out;

    test::WriteDataFile(dir.File("in.dat"), test::ValidRadio(9));
    const test::CliRun write = test::RunCli(
        {"write", "--port", QString::fromStdString(link), QString::fromStdString(dir.File("in.dat"))});
    EXPECT_EQ(write.status, 0) << write.err;
    ASSERT_TRUE(test::SpinUntil([&] { return std::filesystem::exists(dir.File("saved.dat")); }, 3000));
    const auto saved = test::ReadBytes(dir.File("saved.dat"));
    ASSERT_EQ(saved.size(), 544u);
    const sim::Memory written = test::ValidRadio(9);
    for (int a = 0; a < 432; ++a) ASSERT_EQ(saved[16 + a], written[a]) << a;

    sim.terminate();
    ASSERT_TRUE(sim.waitForFinished(5000));
    EXPECT_EQ(sim.exitCode(), 0);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(link)));
}

// At exit only the link the simulated radio made is removed: a file that took its place meanwhile stays.
TEST(CliLink, SimulateRemovesOnlyItsOwnLink) {
    test::TempDir dir;
    const std::string link = dir.File("radio");
    QProcess sim;
    sim.start(QStringLiteral(LM_SIM_PATH), {"--unpaced", "--link", QString::fromStdString(link)});
    ASSERT_TRUE(sim.waitForStarted(5000));
    ASSERT_TRUE(test::SpinUntil([&] { return sim.canReadLine(); }, 5000));
    ASSERT_TRUE(std::filesystem::is_symlink(link));
    std::filesystem::remove(link);
    test::WriteDataFile(link, test::ValidRadio(3));
    sim.terminate();
    ASSERT_TRUE(sim.waitForFinished(5000));
    EXPECT_EQ(test::ReadBytes(link).size(), 544u);
}

TEST(CliLink, TimingCountsEveryByteAndProgressIsPlainLinesOffATerminal) {
    test::SimThread sim(test::ValidRadio(7), {});
    const std::string device = sim.Start();
    test::TempDir dir;
    test::WriteDataFile(dir.File("in.dat"), test::ValidRadio(5));
    const QString port = QString::fromStdString(device);
    const test::CliRun read =
        test::RunCli({"read", "--port", port, "--timing", QString::fromStdString(dir.File("o.dat"))});
    const test::CliRun write =
        test::RunCli({"write", "--port", port, "--timing", QString::fromStdString(dir.File("in.dat"))});
    sim.Stop();
    ASSERT_EQ(read.status, 0) << read.err;
    ASSERT_EQ(write.status, 0) << write.err;
    // Read: wake-up 8, ident request 1, confirmation 16, 31 x (request 4 + ack 1), its first ack, end 1 out;
    // ack 1, ident 16, confirmation answer 1, ack 1, 31 x (block 20 + ack 1) in.
    EXPECT_TRUE(Contains(read.err, "182 bytes out, 670 bytes in, 67 frames")) << read.err;
    // Write: 8 + 1 + 16 + 1 + 58 x 12 + 1 out; 1 + 16 + 1 + 1 + 58 in.
    EXPECT_TRUE(Contains(write.err, "723 bytes out, 77 bytes in, 63 frames")) << write.err;
    EXPECT_TRUE(Contains(read.err, "\nReading 31/31\n")) << read.err;
    EXPECT_TRUE(Contains(write.err, "\nWriting 56/56\n")) << write.err;
    EXPECT_FALSE(Contains(read.err + write.err, "\r"));
    EXPECT_FALSE(Contains(write.err, "Writing 57/"));
}

TEST(CliLink, RepeatNumbersTheBackupsAndStopsAtAFailedRadio) {
    test::TempDir dir;
    test::WriteDataFile(dir.File("in.dat"), test::ValidRadio(5));
    const QString in = QString::fromStdString(dir.File("in.dat"));
    const QString backup = QString::fromStdString(dir.File("b.dat"));
    {
        test::SimThread sim(test::ValidRadio(11), {});
        const QString port = QString::fromStdString(sim.Start());
        const test::CliRun run =
            test::RunCli({"write", "--port", port, "--repeat", "--backup", backup, in}, "\n");
        sim.Stop();
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(test::ReadBytes(dir.File("b.dat")).size(), 544u);
        EXPECT_EQ(test::ReadBytes(dir.File("b-2.dat")).size(), 544u);
        EXPECT_FALSE(std::filesystem::exists(dir.File("b-3.dat")));
        EXPECT_EQ(sim.radio().BlocksWritten(), 2 * 58);
    }
    {
        test::SimThread sim(test::ValidRadio(11), {.nakBlock = 2});
        const QString port = QString::fromStdString(sim.Start());
        const test::CliRun run = test::RunCli({"write", "--port", port, "--repeat", in}, "\n\n");
        sim.Stop();
        EXPECT_EQ(run.status, 1);
        EXPECT_TRUE(Contains(run.err, "Please check all connections")) << run.err;
        EXPECT_FALSE(Contains(run.err, "Connect the next radio")) << run.err;
    }
}

TEST(CliLink, VerifyReportsTheFirstAddressTheRadioDidNotKeep) {
    test::TempDir dir;
    test::WriteDataFile(dir.File("in.dat"), test::ValidRadio(5));
    // The radio acknowledges frame 20 (radio bytes 160..167) but keeps its old bytes there.
    test::SimThread sim(test::ValidRadio(11), {.forgetFrame = 20});
    const QString port = QString::fromStdString(sim.Start());
    const test::CliRun run =
        test::RunCli({"write", "--port", port, "--verify", QString::fromStdString(dir.File("in.dat"))});
    sim.Stop();
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Contains(run.out, "Writing Completed.")) << run.out;
    // 160 * 11 + 3 = 0x6E3 was there, 160 * 5 + 3 = 0x323 was written.
    EXPECT_TRUE(Contains(run.err, "Verify failed: radio byte 0x0A0 reads 0xE3, 0x23 was written."))
        << run.err;
}

}  // namespace
}  // namespace lm
