// lm418t-cli write with several radios at once, and the rules that keep a backup from destroying what it
// should protect.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QProcess>
#include <filesystem>
#include <sstream>

#include "cli_helpers.h"
#include "sim_fixture.h"

namespace lm {
namespace {

using test::Contains;

TEST(CliMulti, ThreeRadiosAtOnceOneVanishing) {
    test::TempDir dir;
    const QString in = QString::fromStdString(dir.File("in.dat"));
    test::WriteDataFile(in.toStdString(), test::ValidRadio(5));
    const QString a = QString::fromStdString(dir.File("a"));
    const QString b = QString::fromStdString(dir.File("b"));
    const QString c = QString::fromStdString(dir.File("c"));
    const QString log = QString::fromStdString(dir.File("log.csv"));
    QProcess healthy, vanishing;
    healthy.start(QStringLiteral(LM_SIM_PATH), {"--unpaced", "--link", a, "--link", b});
    vanishing.start(QStringLiteral(LM_SIM_PATH), {"--unpaced", "--link", c, "--vanish-after", "5"});
    ASSERT_TRUE(test::SpinUntil([&] {
        return std::filesystem::exists(a.toStdString()) && std::filesystem::exists(b.toStdString()) &&
               std::filesystem::exists(c.toStdString());
    }));

    const test::CliRun run = test::RunCli({"write", "--port", a, "--port", c, "--port", b, "--log", log, in});
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_TRUE(Contains(run.err, "failed: " + c.toStdString() + "\n")) << run.err;
    const auto logBytes = test::ReadBytes(log.toStdString());
    std::istringstream rows(std::string(logBytes.begin(), logBytes.end()));
    std::vector<std::string> lines;
    for (std::string line; std::getline(rows, line);) lines.push_back(line);
    ASSERT_EQ(lines.size(), 4u);  // the heading and one row per radio
    EXPECT_TRUE(Contains(lines[1], a.toStdString() + ",LM-418T(UHF),") &&
                Contains(lines[1], ",Writing Completed.,"));
    EXPECT_TRUE(Contains(lines[2], c.toStdString() + ",") && !Contains(lines[2], "Writing Completed."));
    EXPECT_TRUE(Contains(lines[3], b.toStdString() + ",") && Contains(lines[3], ",Writing Completed.,"));

    // The two that were written hold the file: read back independently.
    const auto written = test::ReadBytes(in.toStdString());
    for (const QString& port : {a, b}) {
        const QString out = port + ".dat";
        const test::CliRun read = test::RunCli({"read", "--port", port, out});
        ASSERT_EQ(read.status, 0) << read.err;
        const auto held = test::ReadBytes(out.toStdString());
        ASSERT_EQ(held.size(), 544u);
        for (int i = 0; i < 432; ++i)
            ASSERT_EQ(held[16 + i], written[16 + i]) << port.toStdString() << " byte " << i;
    }
    healthy.terminate();
    vanishing.terminate();
    healthy.waitForFinished(5000);
    vanishing.waitForFinished(5000);
}

// Backups are checked before the radio is touched: the data file itself is never a backup, an existing backup
// is kept unless --force, and the folder must be writable.
TEST(CliMulti, BackupsNeverDestroyWhatTheyProtect) {
    struct Case {
        const char* name;
        std::string backup;  // relative to the test folder
        bool exists;
        bool force;
        int status;
        const char* says;
    };
    const Case cases[] = {
        {"the data file itself", "in.dat", true, true, 2, "would replace the data file"},
        {"an existing backup", "old.dat", true, false, 1, "the file exists; use --force"},
        {"an existing backup with --force", "old.dat", true, true, 0, "Backup saved as"},
        {"a folder that may not be written", "locked/b.dat", false, false, 1, "cannot write in the folder"},
    };
    for (const Case& c : cases) {
        if (geteuid() == 0 && std::string(c.backup).rfind("locked/", 0) == 0)
            continue;  // root writes anywhere
        SCOPED_TRACE(c.name);
        test::TempDir dir;
        test::WriteDataFile(dir.File("in.dat"), test::ValidRadio(5));
        std::filesystem::create_directory(dir.File("locked"));
        chmod(dir.File("locked").c_str(), 0555);
        if (c.exists && c.backup != "in.dat") test::WriteDataFile(dir.File(c.backup), test::ValidRadio(3));
        const auto before = test::ReadBytes(dir.File(c.backup));
        test::SimThread sim(test::ValidRadio(11), {});
        const QString port = QString::fromStdString(sim.Start());
        QStringList args{"write", "--port", port, "--backup", QString::fromStdString(dir.File(c.backup))};
        if (c.force) args << "--force";
        const test::CliRun run = test::RunCli(args << QString::fromStdString(dir.File("in.dat")));
        sim.Stop();
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_TRUE(Contains(run.out + run.err, c.says)) << run.out << run.err;
        if (c.status != 0) {
            EXPECT_TRUE(sim.radio().log().empty());
            EXPECT_EQ(test::ReadBytes(dir.File(c.backup)), before);
        }
        chmod(dir.File("locked").c_str(), 0755);
    }
}

}  // namespace
}  // namespace lm
