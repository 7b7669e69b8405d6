// lm418t-cli doctor and identify as a user runs them: the radio step against the simulated radio, the
// system's checks on a made-up machine, and the exit status that scripts rely on.
#include "cli_fixture.h"

namespace clitest {
namespace {

TEST_F(CliTest, DoctorAndIdentifyAnswerWithTheirVerdictAndStatus) {
    fs::create_directories(File("machine/sys/class/tty"));
    fs::create_directories(File("machine/etc"));
    std::ofstream(File("machine/etc/group")) << "dialout:x:20:\n";
    const std::string root = File("machine").string();
    struct Case {
        std::vector<std::string> args;
        int status;
        std::vector<std::string> says;
    } const cases[] = {
        {{"identify", "--port", "simulated"},
         0,
         {"simulated: model code \"LM41\" (LM-418T), area code 0100", "no password",
          "verdict: ready: LM-418T radio answered"}},
        {{"doctor", "--port", "Simulated"}, 0, {"Radio: model code \"LM41\"", "Verdict\n  Simulated: ready"}},
        {{"doctor", "--root", root},
         1,
         {"No USB serial port is present", "Cable rule: not installed", "no port to check"}},
        {{"doctor", "--root", root, "--port", "/dev/ttyUSB3"}, 1, {"/dev/ttyUSB3: not found"}},
        {{"identify"}, 2, {}},
        {{"doctor", "--port"}, 2, {}},
        {{"doctor", "stray"}, 2, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[0] + " " + (c.args.size() > 1 ? c.args[1] : ""));
        const CliRun run = Cli(c.args);
        EXPECT_EQ(run.status, c.status) << run.out << run.err;
        for (const std::string& part : c.says)
            EXPECT_TRUE(Contains(run.out, part)) << part << "\n" << run.out;
    }
}

}  // namespace
}  // namespace clitest
