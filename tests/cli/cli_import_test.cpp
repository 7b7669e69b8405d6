// lm418t-cli import with the published lists under docs/: numbered from 0, longer than the radio, placed in
// order or chosen by row, tried without saving.
#include "cli_fixture.h"

namespace clitest {
namespace {

TEST_F(CliTest, ImportPlacesPublishedListsAsAsked) {
    const std::string from0 = std::string(LM_SOURCE_DIR) + "/docs/sample-channels-from0-18col.csv";
    const std::string long24 = std::string(LM_SOURCE_DIR) + "/docs/sample-channels-24-rows.csv";
    struct Case {
        std::vector<std::string> options;
        std::string csv;
        int status;
        bool changed;
        std::vector<std::string> says;  // on standard output and error
    } const cases[] = {
        {{}, from0, 0, true, {"Imported 11 channels.", "Locations 0\u201310 taken as channels 1\u201311."}},
        {{},
         long24,
         0,
         true,
         {"Imported 16 channels.", "line 18: no channel 17 on this model", "line 25: no channel 24"}},
        {{"--first-channel", "9", "--rows", "1-12"},
         long24,
         0,
         true,
         {"Imported 8 channels.", "Rows taken in order from channel 9.",
          "line 10, row 9: no channel left (the radio has 16)"}},
        {{"--dry-run", "--rows", "2,4"},
         long24,
         0,
         false,
         {"row 2 (line 3) -> channel 2: 451.02500 / 451.02500", "row 4 (line 5) -> channel 4",
          "Dry run: ", "was not changed."}},
        {{"--first-channel", "17"}, long24, 2, false, {"--first-channel takes a channel from 1 to 16"}},
        {{"--rows", "3-1"}, long24, 2, false, {"\"3-1\" is not a row or a range of rows"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.options.empty() ? c.csv : c.options[0]);
        const std::vector<std::uint8_t> before = NewFile("radio.dat");
        std::vector<std::string> args{"import"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        args.push_back(File("radio.dat").string());
        args.push_back(c.csv);
        const CliRun run = Cli(args);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_EQ(Bytes(File("radio.dat")) != before, c.changed);
        for (const std::string& part : c.says)
            EXPECT_TRUE(Contains(run.out + run.err, part)) << part << "\n" << run.out << run.err;
        fs::remove(File("radio.dat"));
    }
}

}  // namespace
}  // namespace clitest
