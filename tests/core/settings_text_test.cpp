#include "core/settings_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lm {
namespace {

// A settings text is taken line by line; a file that is no settings text at all is refused without a word of
// it, and a bad line of a settings text is quoted short and escaped.
TEST(SettingsText, LinesAreTakenOrRefusedWithoutEchoingTheFile) {
    const struct {
        std::string text;
        std::vector<int> lines;  // of the assignments taken
        std::string refusal;
        bool foreign;
    } cases[] = {
        {"# Optional Function\r\nsquelch=2\r\n\r\n  \nvox-level=3", {2, 5}, "", false},
        {"", {}, "", false},
        {"root:$y$j9T$PZ4bq8Hs0fQ2:19000:0:99999:7:::\nsquelch=2\n",
         {},
         "not a settings file: line 1 is no KEY=VALUE line of a setting",
         true},
        {"# a comment\nPATH=/usr/bin\n",
         {},
         "not a settings file: line 2 is no KEY=VALUE line of a setting",
         true},
        {"squelch=2\nvolume=1\n", {}, "line 2: unknown setting: volume", false},
        {"squelch=2\n\x1b]0;" + std::string(500, 'x') + "\n",
         {},
         "line 2: expected KEY=VALUE: \\x1B]0;" + std::string(53, 'x') + "\u2026",
         false},
    };
    for (const auto& c : cases) {
        const SettingsTextRead read = ReadSettingsText(c.text);
        std::vector<int> lines;
        for (const SettingAssignment& a : read.assignments) lines.push_back(a.line);
        EXPECT_EQ(lines, c.lines) << c.text;
        EXPECT_EQ(read.refusal, c.refusal) << c.text;
        EXPECT_EQ(read.foreign, c.foreign) << c.text;
    }
    const SettingsTextRead read = ReadSettingsText("vox-level=OFF\n");
    ASSERT_EQ(read.assignments.size(), 1u);
    EXPECT_EQ(read.assignments[0].key, "vox-level");
    EXPECT_EQ(read.assignments[0].value, "OFF");
}

}  // namespace
}  // namespace lm
