// The files the tool is handed and the files it makes: no output over an input, no existing file replaced
// without --force, no input that is not what it should be, no change lost to another editor, nothing raw
// from a file or the command line on the terminal.
#include <sys/stat.h>

#include <chrono>

#include "cli_fixture.h"
#include "core/edit_lock.h"

namespace clitest {
namespace {

TEST_F(CliTest, OutputsNeverReplaceInputsNorExistingFilesWithoutForce) {
    const std::string radio = File("radio.dat").string(), kept = File("kept.dat").string(),
                      csv = File("kept.csv").string(), html = File("kept.html").string(),
                      soft = File("soft.dat").string(), hard = File("hard.dat").string();
    const std::vector<std::uint8_t> data = NewFile("radio.dat");
    fs::create_symlink("radio.dat", soft);
    fs::create_hard_link(radio, hard);
    const struct {
        std::vector<std::string> args;
        int status;
        std::string says;
        std::string output;  // the file the command makes, kept unless the status is 0
    } cases[] = {
        {{"sheet", radio, "--html", radio},
         2,
         "the HTML file " + radio + " would replace the data file",
         radio},
        {{"sheet", radio, "--pdf", soft, "--force"},
         2,
         "the PDF file " + soft + " would replace the data",
         radio},
        {{"sheet", radio, "--pdf", html, "--html", html, "--force"}, 2, "would replace the PDF file", html},
        {{"export", radio, soft}, 2, "the CSV file " + soft + " would replace the data file", radio},
        {{"write", "--port", "simulated", "--log", hard, radio},
         2,
         "the log " + hard + " would replace the data file " + radio,
         radio},
        {{"write", "--port", "simulated", "--backup", soft, radio},
         2,
         "the backup " + soft + " would",
         radio},
        {{"new", kept}, 1, kept + ": the file exists; use --force to replace it", kept},
        {{"read", "--port", "simulated", kept}, 1, "the file exists; use --force", kept},
        {{"export", radio, csv}, 1, "the file exists; use --force", csv},
        {{"sheet", radio, "--html", html}, 1, "the file exists; use --force", html},
        {{"new", "--force", kept}, 0, "", kept},
        {{"read", "--port", "simulated", "--force", kept}, 0, "Reading Completed.", kept},
        {{"export", "--force", radio, csv}, 0, "", csv},
        {{"sheet", radio, "--html", html, "--force"}, 0, "", html},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args[0] + " " + c.args[c.args.size() - 2] + " " + c.args.back());
        WriteBytes(kept, {'k', 'e', 'p', 't'});
        fs::copy_file(kept, csv, fs::copy_options::overwrite_existing);
        fs::copy_file(kept, html, fs::copy_options::overwrite_existing);
        const CliRun run = Cli(c.args);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_TRUE(Contains(run.out + run.err, c.says)) << run.out << run.err;
        EXPECT_EQ(Slurp(c.output) == (c.output == radio ? std::string(data.begin(), data.end()) : "kept"),
                  c.status != 0);
        EXPECT_EQ(Bytes(radio), data);
        EXPECT_TRUE(fs::is_symlink(soft));
        EXPECT_EQ(fs::hard_link_count(radio), 2u);
    }
    for (const auto& command : {"new", "read", "export", "sheet", "write"})
        EXPECT_TRUE(Contains(Cli({command, "--help"}).out, "  --force ")) << command;
}

// Files that are no settings text, or that never end, are refused at once without a word of their contents;
// write --log on a FIFO is refused before the radio is touched, instead of waiting for a reader. Which files
// are refused for what is file_io_test's; these rows check that the commands use that check.
TEST_F(CliTest, InputsAndTheLogAreRefusedUnreadUnlessRegularFiles) {
    const std::string radio = File("radio.dat").string();
    const std::vector<std::uint8_t> data = NewFile("radio.dat");
    ASSERT_EQ(mkfifo(File("fifo.txt").c_str(), 0600), 0);
    std::ofstream(File("secret")) << "root:$y$j9T$PZ4bq8Hs0fQ2:19000:0:99999:7:::\n";
    fs::create_symlink(File("secret"), File("link.txt"));
    std::ofstream(File("huge.txt")) << std::string(50 << 20, 'x');
    const auto from = [this, &radio](const std::string& name) {
        return std::vector<std::string>{"set", radio, "--from", File(name).string()};
    };
    const struct {
        std::vector<std::string> args;
        std::string says;
    } cases[] = {
        {from("fifo.txt"), "fifo.txt: Not a regular file"},
        {from("huge.txt"), "huge.txt: File too large (52428800 bytes, at most 262144)"},
        {from("link.txt"), "link.txt: not a settings file: line 1 is no KEY=VALUE line of a setting"},
        {from("radio.dat"), "radio.dat: line 1: not a text file"},
        {{"write", "--port", "simulated", "--log", File("fifo.txt").string(), radio},
         "fifo.txt: cannot open the log: Not a regular file"},
    };
    for (const auto& c : cases) {
        const CliRun run = Cli(c.args);
        EXPECT_EQ(run.status, 1) << c.args[3];
        EXPECT_TRUE(Contains(run.err, c.says)) << run.err;
        EXPECT_FALSE(Contains(run.err, "root:") || Contains(run.err, "xxxx")) << run.err;
        EXPECT_FALSE(Contains(run.out + run.err, "Writing")) << run.out << run.err;
        EXPECT_LT(run.err.size(), 400u);
    }
    EXPECT_EQ(Bytes(File("radio.dat")), data);
    EXPECT_TRUE(fs::is_fifo(File("fifo.txt")));
}

// Control characters of values, names and lines reach the terminal escaped, and a long value is cut.
TEST_F(CliTest, MessagesShowControlCharactersEscaped) {
    const std::string radio = File("radio.dat").string();
    NewFile("radio.dat");
    std::ofstream(File("s.txt")) << "squelch=2\nsquelch=\x1b]0;owned\x07" << std::string(100000, 'x') << "\n";
    const struct {
        std::vector<std::string> args;
        std::string says;
    } cases[] = {
        {{"set", radio, "squelch=\x1b]0;owned\x07"}, "squelch=\\x1B]0;owned\\x07: not an item"},
        {{"set", radio, "--from", File("s.txt").string()}, "line 2: squelch=\\x1B]0;owned\\x07xxx"},
        {{"channel", radio, "1", "rx=\x1b[2J" + std::string(100000, '4')}, "rx=\\x1B[2J444"},
        {{"info", File("\x1b]0;x\x07.dat").string()}, "\\x1B]0;x\\x07.dat: No such file or directory"},
        {{"frob\x1b[31m"}, "unknown command 'frob\\x1B[31m'"},
    };
    for (const auto& c : cases) {
        const CliRun run = Cli(c.args);
        EXPECT_NE(run.status, 0);
        EXPECT_TRUE(Contains(run.err, c.says)) << run.err;
        EXPECT_FALSE(Contains(run.err, "\x1b") || Contains(run.err, "\x07")) << run.err;
        EXPECT_LT(run.err.size(), 2000u);
    }
}

// A word for the shell.
std::string Quote(const std::string& arg) {
    std::string q = "'";
    for (char c : arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// Two editing commands on one data file at the same time take turns: neither change is lost. One held by
// another program for longer than the wait fails with the reason and changes nothing.
TEST_F(CliTest, ConcurrentEditsNeverLoseAChange) {
    const std::string radio = File("radio.dat").string(), cli = Quote(LM_CLI_PATH), f = Quote(radio);
    const std::string both = cli + " channel " + f + " 1 rx=460.5 2>&1 & a=$!; " + cli + " set " + f +
                             " squelch=2 2>&1; s=$?; wait $a; echo \"status $? $s\"";
    for (int round = 0; round < 30; ++round) {
        SCOPED_TRACE(round);
        ASSERT_EQ(Cli({"new", "--force", radio}).status, 0);
        const CliRun run = lm::test::RunProgram("/bin/sh", {"-c", both});
        ASSERT_EQ(run.status, 0);
        EXPECT_TRUE(Contains(run.out, "status 0 0")) << run.out;
        EXPECT_TRUE(Contains(Cli({"channel", radio, "1"}).out, "460.50000"));
        EXPECT_TRUE(Contains(Cli({"settings", radio}).out, "\nsquelch=2\n"));
    }
    lm::EditLock held;
    ASSERT_TRUE(lm::LockForEditing(radio, held, std::chrono::milliseconds(0)).ok);
    const std::vector<std::uint8_t> before = Bytes(radio);
    const CliRun busy = Cli({"set", radio, "squelch=3"});
    EXPECT_EQ(busy.status, 1);
    EXPECT_TRUE(Contains(busy.err, radio + " is being changed by another program")) << busy.err;
    EXPECT_EQ(Bytes(radio), before);
}

}  // namespace
}  // namespace clitest
