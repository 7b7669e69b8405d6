// lm418t-cli sheet: the channel sheet of a data file as HTML and PDF files.
#include "cli_fixture.h"

namespace {

using namespace clitest;

TEST_F(CliTest, SheetWritesHtmlAndPdf) {
    const std::string radio = File("radio.dat").string();
    NewFile("radio.dat");
    ASSERT_EQ(Cli({"channel", radio, "1", "rx=446.00625"}).status, 0);

    const CliRun both = Cli({"sheet", radio, "--pdf", File("sheet.pdf"), "--html", File("sheet.html")});
    ASSERT_EQ(both.status, 0) << both.err;
    const std::string html = Slurp(File("sheet.html")), pdf = Slurp(File("sheet.pdf"));
    EXPECT_TRUE(Contains(html, "446.00625") && Contains(html, "radio.dat"));
    EXPECT_TRUE(pdf.starts_with("%PDF-"));
    EXPECT_GT(pdf.size(), 4000u);

    const CliRun chinese = Cli({"sheet", radio, "--html", "-", "--language", "Chinese"});
    ASSERT_EQ(chinese.status, 0) << chinese.err;
    EXPECT_TRUE(Contains(chinese.out, "信道表") && Contains(chinese.out, "446.00625"));
}

TEST_F(CliTest, SheetUsageErrorsWriteNothing) {
    const std::string radio = File("radio.dat").string(), pdf = File("out.pdf").string(),
                      html = File("out.html").string();
    NewFile("radio.dat");
    const struct {
        std::vector<std::string> args;
        int status;
    } cases[] = {
        {{"sheet", radio}, 2},
        {{"sheet", "--pdf", pdf}, 2},
        {{"sheet", radio, "--html", html, "--language", "Klingon"}, 2},
        {{"sheet", File("missing.dat").string(), "--html", html}, 1},
        {{"sheet", radio, "--pdf", File("nofolder/out.pdf").string()}, 1},
    };
    for (const auto& c : cases) {
        const CliRun run = Cli(c.args);
        EXPECT_EQ(run.status, c.status) << c.args.back() << "\n" << run.err;
        EXPECT_FALSE(run.err.empty()) << c.args.back();
        EXPECT_FALSE(fs::exists(pdf) || fs::exists(html)) << c.args.back();
    }
}

}  // namespace
