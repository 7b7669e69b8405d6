// lm418t-cli run as a process on real data files in a temporary folder.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "cli_fixture.h"

namespace {

using namespace clitest;

TEST_F(CliTest, HelpAndUsageErrors) {
    const CliRun help = Cli({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* part : {"\n  new ", "\n  info ", "\n  channels ", "Exit status", "  0 ", "  1 ", "  2 "})
        EXPECT_TRUE(Contains(help.out, part)) << part;
    for (const char* command : {"new", "info", "channels"}) {
        const CliRun sub = Cli({command, "--help"});
        EXPECT_EQ(sub.status, 0) << command;
        EXPECT_TRUE(Contains(sub.out, std::string("Usage: lm418t-cli ") + command + " ")) << sub.out;
    }
    EXPECT_TRUE(Contains(Cli({"new", "--help"}).out, "450-470MHz"));

    const std::vector<std::vector<std::string>> usage = {
        {},
        {"frobnicate"},
        {"--bogus"},
        {"info"},
        {"info", "a.dat", "b.dat"},
        {"channels", "--wide", "a.dat"},
        {"new"},
        {"new", "--band"},
        {"new", "--variant", "SHF", File("x.dat").string()},
        {"new", "--band", "470 - 650MHz", "--band", "470 - 650MHz", File("x.dat").string()},
        {"new", "--force=yes", File("x.dat").string()},
    };
    for (const auto& args : usage) {
        const CliRun run = Cli(args);
        EXPECT_EQ(run.status, 2) << (args.empty() ? "" : args[0]) << ": " << run.err;
        EXPECT_FALSE(run.err.empty());
        EXPECT_TRUE(run.out.empty());
    }
    EXPECT_TRUE(Listing().empty());
}

// Help texts are wrapped by the tool: no line is wider than 80 columns but the usage line, which the shell's
// completion reads whole, and a line of one word.
TEST_F(CliTest, HelpTextsFitEightyColumns) {
    const auto check = [](const std::string& text, const std::string& what) {
        std::size_t start = 0;
        for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
            const std::string line = text.substr(start, end - start);
            const auto columns =
                std::count_if(line.begin(), line.end(), [](char c) { return (c & 0xC0) != 0x80; });
            const bool oneWord = line.find(' ', line.find_first_not_of(' ')) == std::string::npos;
            if (!line.starts_with("Usage: ") && !oneWord) {
                EXPECT_LE(columns, 80) << what << ": " << line;
            }
        }
    };
    const std::string tool = Cli({"--help"}).out;
    check(tool, "--help");
    const std::regex command("\n  ([a-z]+)[ \n]");
    int commands = 0;
    for (std::sregex_iterator it(tool.begin(), tool.end(), command), end; it != end; ++it, ++commands)
        check(Cli({(*it)[1], "--help"}).out, (*it)[1]);
    EXPECT_EQ(commands, 16);
}

TEST_F(CliTest, NewChoosesVariantAndBand) {
    const std::vector<std::uint8_t> uhf = NewFile("uhf.dat");
    ASSERT_EQ(uhf.size(), 544u);
    EXPECT_EQ(std::string(uhf.begin(), uhf.begin() + 8), "LM41LM41");
    EXPECT_EQ(uhf[453], 244);  // "450 - 470MHz"
    for (int i = 456; i <= 463; ++i) EXPECT_EQ(uhf[i], 0xFF) << i;
    for (int i = 32; i < 288; ++i) EXPECT_EQ(uhf[i], 0xFF) << "channel byte " << i;

    const CliRun vhf = Cli({"new", "--variant", "vhf", File("vhf.dat").string()});
    EXPECT_EQ(vhf.status, 0) << vhf.err;
    EXPECT_EQ(Bytes(File("vhf.dat")).at(453), 240);  // "150 - 174MHz"
    const CliRun vhfInfo = Cli({"info", File("vhf.dat").string()});
    EXPECT_TRUE(Contains(vhfInfo.out, "Model Type:") && Contains(vhfInfo.out, "LM-418T(VHF)")) << vhfInfo.out;
    EXPECT_TRUE(Contains(vhfInfo.out, "150 - 174MHz"));

    // The name without its blanks is accepted; an exact name with blanks too.
    EXPECT_EQ(Cli({"new", "--band", "450-490MHz", File("a.dat").string()}).status, 0);
    EXPECT_EQ(Bytes(File("a.dat")).at(453), 245);
    EXPECT_EQ(Cli({"new", "--variant", "VHF", "--band=136 - 150MHz", File("b.dat").string()}).status, 0);
    EXPECT_EQ(Bytes(File("b.dat")).at(453), 241);

    // A band of the other variant, or of none, is refused with the variant's bands.
    const CliRun wrong = Cli({"new", "--band", "150 - 174MHz", File("c.dat").string()});
    EXPECT_EQ(wrong.status, 2);
    EXPECT_TRUE(Contains(wrong.err, "\"350 - 370MHz\"") && Contains(wrong.err, "\"470 - 650MHz\""))
        << wrong.err;
    EXPECT_TRUE(Contains(wrong.err, "--variant VHF")) << wrong.err;
    EXPECT_EQ(Cli({"new", "--variant", "VHF", "--band", " 27 -  72MHz", File("c.dat").string()}).status, 2);
    EXPECT_FALSE(fs::exists(File("c.dat")));

    // An existing file is kept unless --force is given.
    const CliRun exists = Cli({"new", "--variant", "VHF", File("uhf.dat").string()});
    EXPECT_EQ(exists.status, 1);
    EXPECT_EQ(Bytes(File("uhf.dat")), uhf);
    EXPECT_EQ(Cli({"new", "--force", "--variant", "VHF", File("uhf.dat").string()}).status, 0);
    EXPECT_EQ(Bytes(File("uhf.dat")).at(453), 240);

    // A folder that does not exist: the system's reason, and nothing is left behind.
    const CliRun nowhere = Cli({"new", File("missing/x.dat").string()});
    EXPECT_EQ(nowhere.status, 1);
    EXPECT_TRUE(Contains(nowhere.err, "No such file or directory")) << nowhere.err;
}

TEST_F(CliTest, BadInputFailsWithoutTouchingFiles) {
    const std::vector<std::uint8_t> good = NewFile("good.dat");
    ASSERT_EQ(good.size(), 544u);

    std::vector<std::uint8_t> tag = good;
    tag[0] = 'X';
    WriteBytes(File("tag.dat"), tag);
    std::vector<std::uint8_t> model = good;
    model[7] = '2';
    WriteBytes(File("model.dat"), model);
    WriteBytes(File("short.dat"), std::vector<std::uint8_t>(good.begin(), good.begin() + 100));

    for (const char* command : {"info", "channels"}) {
        const CliRun missing = Cli({command, File("none.dat").string()});
        EXPECT_EQ(missing.status, 1);
        EXPECT_TRUE(Contains(missing.err, "No such file or directory")) << missing.err;
        for (const char* name : {"tag.dat", "model.dat"}) {
            const CliRun run = Cli({command, File(name).string()});
            EXPECT_EQ(run.status, 1) << name;
            EXPECT_TRUE(Contains(run.err, "Model Type Wrong.")) << run.err;
            EXPECT_TRUE(run.out.empty());
        }
        const CliRun truncated = Cli({command, File("short.dat").string()});
        EXPECT_EQ(truncated.status, 1);
        EXPECT_TRUE(Contains(truncated.err, "100")) << truncated.err;
    }
    EXPECT_EQ(Bytes(File("tag.dat")), tag);
    EXPECT_EQ(Bytes(File("good.dat")), good);
    EXPECT_EQ(Listing().size(), 4u);
}

// Folders, FIFOs and devices are refused at once with the step, the file and the reason; nothing is replaced.
TEST_F(CliTest, SpecialFilesAreRefusedAndKept) {
    const std::vector<std::uint8_t> precious = NewFile("precious.dat");
    fs::create_directory(File("folder.dat"));
    ASSERT_EQ(mkfifo(File("fifo.dat").c_str(), 0600), 0);
    const struct {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {{"new", "--force", File("folder.dat").string()},
         "Cannot save " + File("folder.dat").string() + ": Is a directory"},
        {{"info", File("fifo.dat").string()},
         "Cannot open " + File("fifo.dat").string() + ": Not a regular file"},
        {{"channels", "/dev/zero"}, "Cannot open /dev/zero: Not a regular file"},
        {{"sim", "--image", "/dev/zero"}, "Cannot open /dev/zero: Not a regular file"},
        {{"sim", "--link", File("precious.dat").string()}, "is not a symbolic link"},
    };
    for (const auto& c : cases) {
        const CliRun run = Cli(c.args);
        EXPECT_EQ(run.status, 1) << c.args[0] << " " << c.args.back();
        EXPECT_TRUE(Contains(run.err, c.message)) << run.err;
    }
    EXPECT_EQ(Bytes(File("precious.dat")), precious);
    EXPECT_TRUE(fs::is_directory(File("folder.dat")));
    EXPECT_TRUE(fs::is_fifo(File("fifo.dat")));
    EXPECT_EQ(Listing().size(), 3u);
}

TEST_F(CliTest, InfoShowsTheRadioInformation) {
    std::vector<std::uint8_t> file = NewFile("r.dat");
    ASSERT_EQ(file.size(), 544u);
    const CliRun fresh = Cli({"info", File("r.dat").string()});
    EXPECT_EQ(fresh.status, 0) << fresh.err;
    EXPECT_TRUE(std::regex_search(fresh.out, std::regex("\nWrite Time: +20[0-9]{2}-[01][0-9]-[0-3][0-9] "
                                                        "[0-2][0-9]:[0-5][0-9]:[0-5][0-9]\n")))
        << fresh.out;
    EXPECT_TRUE(Contains(fresh.out, "\nSerial Number:\n")) << fresh.out;
    EXPECT_TRUE(Contains(fresh.out, "\nLeave Factory Time:\n"));
    EXPECT_TRUE(std::regex_search(fresh.out, std::regex("\nArea Code: +FFFF\nArea: +Unknown Area\n")))
        << fresh.out;

    // Image index k is at file offset 15 + k.
    const std::vector<std::uint8_t> serial = {0x41, 0x42, 0x20, 0x31, 0x32, 0x0A, 0xB0};
    std::copy(serial.begin(), serial.end(), file.begin() + 15 + 465);
    const std::vector<std::uint8_t> stamp = {0xE8, 0x07, 0x03, 0x05, 0x07, 0x08, 0x09};
    std::copy(stamp.begin(), stamp.end(), file.begin() + 15 + 481);
    file[15 + 441] = 0x03;
    file[15 + 442] = 0x10;
    WriteBytes(File("r.dat"), file);
    const CliRun run = Cli({"info", File("r.dat").string()});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(std::regex_search(run.out, std::regex("Model Type: +LM-418T\\(UHF\\)\n")));
    EXPECT_TRUE(std::regex_search(run.out, std::regex("\nFrequency\\[MHz\\]: +450 - 470MHz\n")));
    EXPECT_TRUE(std::regex_search(run.out, std::regex("\nSerial Number: +AB12\n"))) << run.out;
    EXPECT_TRUE(std::regex_search(run.out, std::regex("\nArea Code: +0310\nArea: +Hebei - HAN DAN\n")));
    EXPECT_TRUE(std::regex_search(run.out, std::regex("\nLeave Factory Time: +2024-03-05 07:08:09\n")));
    EXPECT_EQ(Bytes(File("r.dat")), file);  // info changes nothing
}

TEST_F(CliTest, ChannelsShowTheGridTexts) {
    std::vector<std::uint8_t> file = NewFile("c.dat");
    ASSERT_EQ(file.size(), 544u);
    auto slot = [&](int n) { return file.begin() + 15 + 16 * n + 1; };
    // 1: 446.00625 both ways, no receive tone, D023N, High, Yes/No mixed, epilogue 2 (shown ON with DCS).
    const std::vector<std::uint8_t> one = {0x25, 0x06, 0x60, 0x44, 0x25, 0x06, 0x60, 0x44,
                                           0xFF, 0xFF, 0x23, 0x80, 0x52, 0x02, 0x00, 0xFF};
    std::copy(one.begin(), one.end(), slot(1));
    // 2: 145.5 with no transmit frequency, receive 67.0, transmit tone 100.0, Mid, Narrow, epilogue 2.
    const std::vector<std::uint8_t> two = {0x00, 0x00, 0x55, 0x14, 0xFF, 0xFF, 0xFF, 0xFF,
                                           0x70, 0x06, 0x00, 0x10, 0x09, 0x02, 0x01, 0xFF};
    std::copy(two.begin(), two.end(), slot(2));
    // 3: D754I receive tone, epilogue 1 without a transmit tone.
    const std::vector<std::uint8_t> three = {0x00, 0x50, 0x00, 0x45, 0x00, 0x50, 0x00, 0x45,
                                             0x54, 0xC7, 0xFF, 0xFF, 0x3C, 0x01, 0x00, 0xFF};
    std::copy(three.begin(), three.end(), slot(3));
    WriteBytes(File("c.dat"), file);

    const CliRun csv = Cli({"channels", "--csv", File("c.dat").string()});
    ASSERT_EQ(csv.status, 0) << csv.err;
    const std::string expected =
        "Channel No.,RX Frequency,TX Frequency,QT/DQT Dec,QT/DQT Enc,TX Power,W/N,Scan Add,Compander,"
        "Scrambler,Busy Lock,Epilogue,Over Tone\r\n"
        "1,446.00625,446.00625,None,D023N,High,Wide,No,Yes,No,Yes,ON,OFF\r\n"
        "2,145.50000,,67.0,100.0,Mid,Narrow,Yes,Yes,Yes,Yes,Type-2,ON\r\n"
        "3,450.05000,450.05000,D754I,None,Low,Narrow,No,No,Yes,No,ON,OFF\r\n"
        "4,,,,,,,,,,,,\r\n";
    EXPECT_EQ(csv.out.substr(0, expected.size()), expected);
    EXPECT_TRUE(Contains(csv.out, "\r\n16,,,,,,,,,,,,\r\n"));
    EXPECT_EQ(std::count(csv.out.begin(), csv.out.end(), '\n'), 17);

    const CliRun table = Cli({"channels", File("c.dat").string()});
    ASSERT_EQ(table.status, 0) << table.err;
    std::vector<std::string> lines;
    for (std::size_t at = 0, nl; (nl = table.out.find('\n', at)) != std::string::npos; at = nl + 1)
        lines.push_back(table.out.substr(at, nl - at));
    ASSERT_EQ(lines.size(), 17u);
    // Aligned: every cell of a column starts or ends at the same place as its title.
    const std::size_t rxEnd = lines[0].find("RX Frequency") + std::string("RX Frequency").size();
    EXPECT_EQ(lines[1].find("446.00625") + 9, rxEnd) << table.out;
    EXPECT_EQ(lines[2].find("145.50000") + 9, rxEnd) << table.out;
    EXPECT_TRUE(Contains(lines[4], "(empty)"));
    EXPECT_TRUE(Contains(lines[16], "(empty)") && Contains(lines[16], "16"));
    EXPECT_FALSE(Contains(lines[1], "(empty)"));
    EXPECT_TRUE(Contains(lines[2], "Type-2"));
}

// lm418t-cli channel changes a channel through the rules of typing into the grid: warnings on standard error
// with the value stored, usage errors that write nothing, and without FIELD=VALUE the channel as channels
// shows it.
TEST_F(CliTest, ChannelChangesThroughTheGridRules) {
    NewFile("c.dat");
    const std::string file = File("c.dat").string();
    auto slot = [&](int n) {
        const std::vector<std::uint8_t> bytes = Bytes(File("c.dat"));
        return std::vector<std::uint8_t>(bytes.begin() + 15 + 16 * n + 1, bytes.begin() + 15 + 16 * n + 17);
    };
    const CliRun set = Cli({"channel", file, "3", "rx=446.007", "rx-tone=67", "tx-tone=d023n", "power=low",
                            "epilogue=ON", "tx-tone=5"});
    ASSERT_EQ(set.status, 0) << set.err;
    EXPECT_TRUE(Contains(set.err, "rx: Frequecy is Out of range. Stored: 446.00625")) << set.err;
    EXPECT_TRUE(Contains(set.err, "tx-tone: Tone repaired. Stored: 30.0")) << set.err;
    EXPECT_EQ(slot(3), (std::vector<std::uint8_t>{0x25, 0x06, 0x60, 0x44, 0x25, 0x06, 0x60, 0x44, 0x70, 0x06,
                                                  0x00, 0x03, 0xF4, 0xFD, 0xFF, 0xFF}));
    const CliRun show = Cli({"channel", "--csv", file, "3"});
    EXPECT_EQ(show.out.substr(show.out.find('\n') + 1),
              "3,446.00625,446.00625,67.0,30.0,Low,Wide,No,No,No,No,Type-1,ON\r\n");

    const std::vector<std::uint8_t> before = Bytes(File("c.dat"));
    const std::vector<std::vector<std::string>> usage = {
        {"channel", file},
        {"channel", file, "17"},
        {"channel", file, "3", "rx"},
        {"channel", file, "3", "frequency=446"},
        {"channel", file, "3", "power=Max"},
        {"channel", file, "3", "rx=446", "tx=abc"},
        {"channel", file, "4", "power=High"},
        {"channel", file, "3", "tx=", "tx-tone=67"},
        {"channel", file, "3", "tx-tone=D023N", "epilogue=Type-2"},
    };
    for (const auto& args : usage) {
        const CliRun run = Cli(args);
        EXPECT_EQ(run.status, 2) << args.back() << ": " << run.err;
        EXPECT_TRUE(Contains(run.err, "Usage: lm418t-cli channel ")) << run.err;
    }
    EXPECT_EQ(Bytes(File("c.dat")), before);

    EXPECT_EQ(Cli({"channel", file, "3", "rx="}).status, 0);
    EXPECT_EQ(slot(3), std::vector<std::uint8_t>(16, 0xFF));
}

TEST_F(CliTest, SettingsCopyFromOneFileToAnother) {
    NewFile("a.dat");
    NewFile("b.dat");
    const std::string a = File("a.dat").string(), b = File("b.dat").string();
    const CliRun set = Cli({"set", a, "vox-level=3", "tx-time-out=450", "voice=english", "id-code=7",
                            "autodial-2=abcd1234567", "begin-of-tx=", "key2-long=sos tx"});
    ASSERT_EQ(set.status, 0) << set.err;
    EXPECT_TRUE(Contains(set.err, "warning: autodial-2 cut to ABCD123456")) << set.err;
    const CliRun shown = Cli({"settings", a});
    ASSERT_EQ(shown.status, 0) << shown.err;
    for (const char* line :
         {"# Key Function\nlong-press-time=2.0\n", "\nkey2-long=SOS Tx\n", "\n\n# Vox Function\n",
          "\nvox-level=3\n", "\ntx-time-out=450\n", "\nvoice=English\n", "\nid-code=700\n",
          "\nautodial-2=ABCD123456\n", "\nbegin-of-tx=\n", "\n# DTMF\n"})
        EXPECT_TRUE(Contains(shown.out, line)) << line << shown.out;

    std::ofstream(File("fleet.txt")) << shown.out;
    const CliRun copy = Cli({"set", b, "--from", File("fleet.txt").string()});
    ASSERT_EQ(copy.status, 0) << copy.err;
    EXPECT_EQ(Cli({"settings", b}).out, shown.out);
    EXPECT_EQ(Bytes(File("b.dat"))[15 + 298], 0x04);  // VOX level 3
}

TEST_F(CliTest, SetChangesOnlyTheNamedBitsAndRefusesWithoutWriting) {
    const std::vector<std::uint8_t> before = NewFile("s.dat");
    const std::string file = File("s.dat").string();
    ASSERT_EQ(Cli({"set", file, "voice=English", "squelch=7"}).status, 0);
    std::vector<std::uint8_t> expected = before;
    expected[15 + 293] = 0xFD;  // bits 0-1 of 0xFF become 01
    expected[15 + 294] = 7;
    EXPECT_EQ(Bytes(File("s.dat")), expected);

    const std::vector<std::pair<std::string, std::string>> refused = {
        {"vox-delay=3.0", "\"2.5\""},    {"tx-time-out=600", "\"450\""},
        {"volume=1", "unknown setting"}, {"begin-of-tx=12E", "0-9 A-D # *"},
        {"id-code=1A", "0-9"},           {"stun-code=12345678901", "at most 10"},
        {"squelch", "KEY=VALUE"}};
    for (const auto& [assignment, part] : refused) {
        const CliRun run = Cli({"set", file, "squelch=1", assignment});
        EXPECT_EQ(run.status, 2) << assignment;
        EXPECT_TRUE(Contains(run.err, part)) << run.err;
        EXPECT_EQ(Bytes(File("s.dat")), expected) << assignment;
    }
}

// export writes the channels, import reads them into another file; a refused file names its line and leaves
// the data file as it was.
TEST_F(CliTest, ExportAndImportChannelsAsCsv) {
    NewFile("a.dat");
    const std::string a = File("a.dat").string(), b = File("b.dat").string();
    ASSERT_EQ(
        Cli({"channel", a, "2", "rx=460.0125", "tx=465.0125", "tx-tone=D023I", "bandwidth=narrow"}).status,
        0);
    ASSERT_EQ(Cli({"channel", a, "5", "rx=455.5", "tx=", "rx-tone=67.0", "scan-add=no"}).status, 0);
    const std::string csv = File("a.csv").string();
    for (const std::string format : {"grid", "common"}) {
        const CliRun exported = Cli({"export", "--force", "--format", format, a, csv});
        ASSERT_EQ(exported.status, 0) << exported.err;
        EXPECT_EQ(Cli({"export", "--format", format, a, "-"}).out, Slurp(csv));
        fs::remove(File("b.dat"));
        NewFile("b.dat");
        const CliRun imported = Cli({"import", b, csv});
        ASSERT_EQ(imported.status, 0) << imported.err;
        EXPECT_EQ(imported.err, "Imported 2 channels.\n");
        EXPECT_EQ(Cli({"channels", b}).out, Cli({"channels", a}).out) << format;
    }

    const std::vector<std::uint8_t> before = Bytes(File("b.dat"));
    std::ofstream(File("bad.csv"), std::ios::binary) << Slurp(csv) << "7,\"Name,460\r\n";
    const CliRun refused = Cli({"import", b, File("bad.csv").string()});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err,
              "lm418t-cli import: " + File("bad.csv").string() + ": line 4: unbalanced quotes\n");
    EXPECT_EQ(Bytes(File("b.dat")), before);
}

}  // namespace

TEST_F(CliTest, DiffAnswersLikeDiff) {
    NewFile("a.dat");
    fs::copy_file(File("a.dat"), File("same.dat"));
    fs::copy_file(File("a.dat"), File("other.dat"));
    ASSERT_EQ(Cli({"set", File("other.dat").string(), "squelch=7"}).status, 0);
    std::vector<std::uint8_t> bytes = Bytes(File("a.dat"));
    bytes.resize(100);
    WriteBytes(File("short.dat"), bytes);
    const std::string a = File("a.dat").string();
    struct Row {
        std::vector<std::string> args;
        int status;
        std::string out;
    };
    const std::vector<Row> rows = {
        {{"diff", a, File("same.dat").string()}, 0, ""},
        {{"diff", a, File("other.dat").string()}, 1, "Squelch level: 5 \u2192 7\n"},
        {{"diff", a, File("missing.dat").string()}, 2, ""},
        {{"diff", File("short.dat").string(), a}, 2, ""},
        {{"diff", a}, 2, ""},
        {{"diff", "--brief", a, a}, 2, ""},
    };
    for (const Row& row : rows) {
        const CliRun run = Cli(row.args);
        EXPECT_EQ(run.status, row.status) << row.args.back() << ": " << run.err;
        EXPECT_EQ(run.out, row.out) << row.args.back();
        EXPECT_EQ(run.err.empty(), row.status != 2) << run.err;
    }
}
