// lm418t-cli sheet: the channel sheet of a data file as HTML and PDF files.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class CliSheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        char name[] = "/tmp/lm418t-sheetXXXXXX";
        ASSERT_NE(mkdtemp(name), nullptr);
        dir_ = name;
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path File(const std::string& name) const { return dir_ / name; }

    // Runs lm418t-cli with the arguments (single-quoted); standard output to out_. Returns the exit status.
    int Cli(const std::string& args) {
        const fs::path out = dir_ / ".out";
        const std::string command =
            std::string("cd '") + dir_.string() + "' && '" LM_CLI_PATH "' " + args + " >.out 2>.err </dev/null";
        const int raw = std::system(command.c_str());
        out_ = Slurp(out);
        err_ = Slurp(dir_ / ".err");
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }

    fs::path dir_;
    std::string out_, err_;
};

TEST_F(CliSheetTest, WritesHtmlAndPdf) {
    ASSERT_EQ(Cli("new --variant UHF radio.dat"), 0) << err_;
    ASSERT_EQ(Cli("channel radio.dat 1 rx=446.00625"), 0) << err_;

    ASSERT_EQ(Cli("sheet radio.dat --pdf sheet.pdf --html sheet.html"), 0) << err_;
    const std::string html = Slurp(File("sheet.html")), pdf = Slurp(File("sheet.pdf"));
    EXPECT_NE(html.find("446.00625"), std::string::npos);
    EXPECT_NE(html.find("radio.dat"), std::string::npos);
    EXPECT_TRUE(pdf.starts_with("%PDF-"));
    EXPECT_GT(pdf.size(), 4000u);

    ASSERT_EQ(Cli("sheet radio.dat --html - --language Chinese"), 0) << err_;
    EXPECT_NE(out_.find("信道表"), std::string::npos);
    EXPECT_NE(out_.find("446.00625"), std::string::npos);
}

TEST_F(CliSheetTest, UsageErrorsWriteNothing) {
    ASSERT_EQ(Cli("new radio.dat"), 0) << err_;
    const struct {
        const char* args;
        int status;
    } cases[] = {
        {"sheet radio.dat", 2},
        {"sheet --pdf out.pdf", 2},
        {"sheet radio.dat --html out.html --language Klingon", 2},
        {"sheet missing.dat --html out.html", 1},
        {"sheet radio.dat --pdf nofolder/out.pdf", 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Cli(c.args), c.status) << c.args << "\n" << err_;
        EXPECT_FALSE(err_.empty()) << c.args;
        EXPECT_FALSE(fs::exists(File("out.pdf")) || fs::exists(File("out.html"))) << c.args;
    }
}

}  // namespace
