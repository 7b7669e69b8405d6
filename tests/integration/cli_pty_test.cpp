// lm418t-cli read and write over a real pseudo-terminal against the simulated radio, checking the bytes that
// arrive on both sides and every fault the radio can show.
#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>

#include "cli_helpers.h"
#include "sim_fixture.h"

// The cases below name only the fields that differ from the defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace lm {
namespace {

using test::Contains;

const std::string kComError = "Please check all connections and communication port settings.";

// Addresses of the program's frames as the radio logged them.
std::vector<std::string> Frames(const sim::Radio& radio, const std::string& kind) {
    std::vector<std::string> out;
    for (const auto& line : radio.log())
        if (line.rfind(kind, 0) == 0) out.push_back(line);
    return out;
}

std::string Hex3(int a) {
    char t[8];
    std::snprintf(t, sizeof t, "0x%03x", a);
    return t;
}

struct ReadCase {
    sim::Faults faults;
    std::string model = "LM41";
    std::string radioPassword;
    QStringList extra;
};

// Reads from a radio with the given faults into OUT.dat (which may hold old bytes, replaced with --force),
// returns the run; the radio is stopped before the return so that its log can be looked at.
test::CliRun ReadWith(const ReadCase& c, test::SimThread& sim, const test::TempDir& dir) {
    sim.radio().SetModelCode(c.model);
    const std::string device = sim.Start();
    EXPECT_FALSE(device.empty());
    QStringList args{"read", "--force", "--port", QString::fromStdString(device)};
    args << c.extra << QString::fromStdString(dir.File("out.dat"));
    const test::CliRun run = test::RunCli(args);
    sim.Stop();
    return run;
}

TEST(CliPty, FullReadDeliversRadioBytes0To495) {
    const sim::Memory radio = test::ValidRadio(7);
    test::SimThread sim(radio, {});
    test::TempDir dir;
    const test::CliRun run = ReadWith({}, sim, dir);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Contains(run.out, "Reading Completed.")) << run.out;
    const auto file = test::ReadBytes(dir.File("out.dat"));
    ASSERT_EQ(file.size(), 544u);
    EXPECT_EQ(std::string(file.begin(), file.begin() + 8), "LM41LM41");
    for (int a = 0; a < 512; ++a) {
        const int expected = a >= 496 ? 0 : (a >= 440 && a < 448) ? 0xFF : radio[a];
        ASSERT_EQ(file[16 + a], expected) << "radio byte " << a;
    }
    // Radio side: 31 block requests in address order, one end frame, nothing written.
    const auto reads = Frames(sim.radio(), "read");
    ASSERT_EQ(reads.size(), 31u);
    for (int b = 0; b < 31; ++b) EXPECT_EQ(reads[b], "read " + Hex3(16 * b));
    EXPECT_EQ(sim.radio().log().back(), "end");
    EXPECT_TRUE(Frames(sim.radio(), "write").empty());
}

TEST(CliPty, FullWriteDeliversRadioBytes0To463) {
    test::TempDir dir;
    const sim::Memory file = test::ValidRadio(5);
    test::WriteDataFile(dir.File("in.dat"), file);
    const sim::Memory before = test::ValidRadio(11, "2580");
    test::SimThread sim(before, {});
    const std::string device = sim.Start();
    const test::CliRun run = test::RunCli(
        {"write", "--port", QString::fromStdString(device), QString::fromStdString(dir.File("in.dat"))});
    sim.Stop();
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Contains(run.out, "Writing Completed.")) << run.out;
    const sim::Memory& after = sim.radio().memory();
    for (int a = 0; a < sim::kMemoryBytes; ++a) EXPECT_EQ(sim.radio().written()[a], a < 464) << a;
    for (int a = 0; a < 432; ++a) ASSERT_EQ(after[a], file[a]) << a;
    const std::uint8_t ident[] = {'P', 'L', 'M', '4', '1', 244, 0, 0, 0x07, 0x55};
    for (int i = 0; i < 10; ++i) EXPECT_EQ(after[432 + i], ident[i]) << i;
    EXPECT_EQ(sim::DecodeRadioPassword(after.data() + 442), "2580");
    const std::time_t now = std::time(nullptr);
    const int year = std::localtime(&now)->tm_year + 1900;
    EXPECT_EQ(after[448] | after[449] << 8, year);
    EXPECT_GE(after[450], 1);
    EXPECT_LE(after[450], 12);
    for (int a = 455; a < 464; ++a) EXPECT_EQ(after[a], file[a]) << a;
    for (int a = 464; a < sim::kMemoryBytes; ++a) ASSERT_EQ(after[a], before[a]) << a;
    const auto writes = Frames(sim.radio(), "write");
    ASSERT_EQ(writes.size(), 58u);
    for (int f = 0; f < 58; ++f) EXPECT_EQ(writes[f], "write " + Hex3(8 * f));
    EXPECT_EQ(sim.radio().log().back(), "end");
}

TEST(CliPty, ReadFaultsFailWithTheirMessageAndLeaveTheFile) {
    struct Row {
        const char* name;
        ReadCase c;
        std::string message;
        bool endFrame;
    };
    const std::vector<Row> rows = {
        {"wrong key echo", {.faults = {.wrongKeyEcho = true}}, kComError, true},
        {"wrong model", {.model = "XX99"}, "Model Type Wrong.", true},
        {"wrong password",
         {.radioPassword = "1234", .extra = {"--password", "9999"}},
         "Pass Word Wrong.",
         true},
        {"wrong confirmation", {.faults = {.wrongConfirm = true}}, kComError, true},
        {"short block", {.faults = {.shortBlock = 3}}, kComError, false},
        {"nak", {.faults = {.nakBlock = 5}}, kComError, false},
        {"silent block", {.faults = {.silentAt = sim::Step::Block, .silentBlock = 30}}, kComError, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        test::TempDir dir;
        const std::vector<std::uint8_t> old(544, 0x42);
        std::ofstream(dir.File("out.dat"), std::ios::binary)
            .write(reinterpret_cast<const char*>(old.data()), 544);
        test::SimThread sim(test::ValidRadio(7, row.c.radioPassword), row.c.faults);
        const test::CliRun run = ReadWith(row.c, sim, dir);
        EXPECT_EQ(run.status, 1) << run.out;
        EXPECT_TRUE(Contains(run.err, row.message)) << run.err;
        EXPECT_EQ(test::ReadBytes(dir.File("out.dat")), old);
        EXPECT_EQ(sim.radio().log().back() == "end", row.endFrame) << sim.radio().log().back();
        EXPECT_LT(run.ms, 4000);
    }
}

TEST(CliPty, ReadToleratesStrayByteFragmentsAndAPassword) {
    const std::vector<ReadCase> cases = {
        {.faults = {.strayByte = true}},
        {.faults = {.fragmentBytes = 3}},
        {.radioPassword = "1234"},  // an empty entry is accepted
        {.radioPassword = "1234", .extra = {"--password", "1234"}},
    };
    for (const ReadCase& c : cases) {
        test::TempDir dir;
        test::SimThread sim(test::ValidRadio(7, c.radioPassword), c.faults);
        const test::CliRun run = ReadWith(c, sim, dir);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(test::ReadBytes(dir.File("out.dat")).size(), 544u);
    }
}

TEST(CliPty, HandshakeTimeoutsAndAVanishingDevice) {
    const std::vector<sim::Faults> faults = {
        {.silentAt = sim::Step::Wake}, {.silentAt = sim::Step::Confirm}, {.vanishAfter = 4}};
    for (const sim::Faults& f : faults) {
        test::TempDir dir;
        test::SimThread sim(test::ValidRadio(7), f);
        const test::CliRun run = ReadWith({.faults = f}, sim, dir);
        EXPECT_EQ(run.status, 1) << run.out;
        EXPECT_TRUE(Contains(run.err, kComError) || Contains(run.err, "Cannot Open Communication Port."))
            << run.err;
        EXPECT_FALSE(std::filesystem::exists(dir.File("out.dat")));
        EXPECT_LT(run.ms, 6000);
    }
    const test::CliRun missing = test::RunCli({"read", "--port", "/dev/lm418t-none", "/tmp/lm418t-none.dat"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(Contains(missing.err, "Cannot Open Communication Port.")) << missing.err;
    EXPECT_FALSE(std::filesystem::exists("/tmp/lm418t-none.dat"));
}

TEST(CliPty, WriteFaults) {
    test::TempDir dir;
    test::WriteDataFile(dir.File("in.dat"), test::ValidRadio(5));
    struct Row {
        sim::Faults faults;
        std::string model;
        QStringList extra;
        std::string message;
        bool endFrame;
    };
    const std::vector<Row> rows = {
        {{}, "XX99", {}, "Model Type Wrong.", true},
        {{.wrongKeyEcho = true}, "LM41", {}, kComError, false},
        {{}, "LM41", {"--password", "1111"}, "Pass Word Wrong.", true},
        {{.nakBlock = 10}, "LM41", {}, kComError, false},
        {{.wrongConfirm = true}, "LM41", {}, kComError, true},
        {{}, "LM41", {"--new-password", "12a"}, "", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.message + " " + row.model);
        test::SimThread sim(test::ValidRadio(11, "2580"), row.faults);
        sim.radio().SetModelCode(row.model);
        const std::string device = sim.Start();
        QStringList args{"write", "--port", QString::fromStdString(device)};
        args << row.extra << QString::fromStdString(dir.File("in.dat"));
        const test::CliRun run = test::RunCli(args);
        sim.Stop();
        EXPECT_EQ(run.status, 1) << run.out;
        EXPECT_TRUE(Contains(run.err, row.message)) << run.err;
        const bool ended = !sim.radio().log().empty() && sim.radio().log().back() == "end";
        EXPECT_EQ(ended, row.endFrame);
        if (row.faults.nakBlock == 10) {
            EXPECT_EQ(sim.radio().BlocksWritten(), 10);
        }
        if (row.extra.contains("--new-password")) {
            EXPECT_TRUE(sim.radio().log().empty());  // refused before anything is sent
        }
    }
}

TEST(CliPty, WriteVerifyBackupAndRepeat) {
    test::TempDir dir;
    const sim::Memory file = test::ValidRadio(5);
    test::WriteDataFile(dir.File("in.dat"), file);
    const sim::Memory before = test::ValidRadio(11);
    test::SimThread sim(before, {});
    const std::string device = sim.Start();
    const QString port = QString::fromStdString(device);
    const test::CliRun run = test::RunCli({"write", "--port", port, "--new-password", "777", "--verify",
                                           "--backup", QString::fromStdString(dir.File("backup.dat")),
                                           QString::fromStdString(dir.File("in.dat"))});
    EXPECT_EQ(run.status, 0) << run.err;
    const auto backup = test::ReadBytes(dir.File("backup.dat"));
    ASSERT_EQ(backup.size(), 544u);
    for (int a = 0; a < 432; ++a) ASSERT_EQ(backup[16 + a], before[a]) << a;

    // Two radios in one session (the same simulated one twice): two stamps, both written completely.
    const test::CliRun twice =
        test::RunCli({"write", "--port", port, "--repeat", QString::fromStdString(dir.File("in.dat"))}, "\n");
    sim.Stop();
    EXPECT_EQ(twice.status, 0) << twice.err;
    std::size_t completed = 0;
    for (std::size_t at = twice.out.find("Writing Completed."); at != std::string::npos;
         at = twice.out.find("Writing Completed.", at + 1))
        ++completed;
    EXPECT_EQ(completed, 2u) << twice.out;
    EXPECT_EQ(sim::DecodeRadioPassword(sim.radio().memory().data() + 442), "777");
    EXPECT_EQ(Frames(sim.radio(), "write").size(), 3u * 58u);  // one write with backup and verify, then two
}

}  // namespace
}  // namespace lm
