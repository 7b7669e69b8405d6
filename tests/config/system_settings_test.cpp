#include "settings/system_settings.h"

#include "config_test_util.h"
#include "settings/ini_file.h"

namespace lm {
namespace {

using Items = std::vector<std::string>;

TEST(SystemSettings, ListSplittingAndNumbers) {
    EXPECT_EQ(SplitLanguageList("A|B|"), (Items{"A", "B"}));
    EXPECT_EQ(SplitLanguageList("A||B"), (Items{"A", "", "B"}));
    EXPECT_EQ(SplitLanguageList("|A"), (Items{"", "A"}));
    EXPECT_EQ(SplitLanguageList(" A | B"), (Items{" A ", " B"}));
    EXPECT_EQ(SplitLanguageList(""), Items{});
    EXPECT_EQ(DecimalOrZero("12"), 12);
    EXPECT_EQ(DecimalOrZero(" -3 "), -3);
    EXPECT_EQ(DecimalOrZero("1x"), 0);
    EXPECT_EQ(DecimalOrZero("x"), 0);
    EXPECT_EQ(DecimalOrZero(""), 0);
    EXPECT_EQ(DecimalOrZero("99999999999"), 0);
}

TEST(SystemSettings, MissingFileGivesDefaultsAndClosingWritesThreeKeys) {
    test::TempDir dir;
    const std::string path = dir.File("SysInfo.Ini");
    Preferences all;
    ReadSystemSettings(all, path);
    EXPECT_EQ(all.PortName, "Com1");
    EXPECT_EQ(all.LanguageId, 0);
    EXPECT_EQ(all.LanguageName, "Chinese");
    EXPECT_EQ(all.HelpName, "QX");
    EXPECT_EQ(all.PicId, 1);
    all.PortName = "COM1";
    ASSERT_TRUE(WriteSystemSettings(all, path));
    EXPECT_EQ(test::ReadBytes(path), "[SysInfo]\r\nCom=COM1\r\nLanguage_ID=0\r\nPicID=0\r\n");
}

TEST(SystemSettings, LanguageIndexPicIdAndRoundTrip) {
    test::TempDir dir;
    const std::string path = dir.File("SysInfo.Ini");
    auto read = [&](const std::string& text) {
        test::WriteBytes(path, text);
        Preferences all;
        ReadSystemSettings(all, path);
        return all;
    };
    EXPECT_EQ(read("[SysInfo]\nLanguage_ID=1\n").LanguageName, "English");
    EXPECT_EQ(read("[SysInfo]\nLanguage_ID=2\n").LanguageName, "");
    EXPECT_EQ(read("[SysInfo]\nLanguage_ID=-1\n").LanguageName, "");
    Preferences bad = read("[SysInfo]\nLanguage_ID=abc\nPicID=zz\n");
    EXPECT_EQ(bad.LanguageId, 0);
    EXPECT_EQ(bad.LanguageName, "Chinese");
    EXPECT_EQ(bad.PicId, 1);
    EXPECT_EQ(read("[SysInfo]\nLanguage=A||B\nLanguage_ID=1\n").LanguageName, "");

    Preferences all =
        read("; keep\n[SysInfo]\nHelp=Manual\nPicID=41\nLanguage=X|Y\nLanguage_ID=1\nCom=COM4\n");
    EXPECT_EQ(all.PicId, 42);
    EXPECT_EQ(all.LanguageName, "Y");
    EXPECT_EQ(all.HelpName, "Manual");
    all.PortName = "COM9";
    all.LanguageId = 0;
    ASSERT_TRUE(WriteSystemSettings(all, path));
    Preferences again;
    ReadSystemSettings(again, path);
    EXPECT_EQ(again.PortName, "COM9");
    EXPECT_EQ(again.LanguageId, 0);
    EXPECT_EQ(again.LanguageName, "X");
    EXPECT_EQ(again.PicId, 42);
    EXPECT_EQ(again.HelpName, "Manual");
    EXPECT_EQ(test::ReadBytes(path).substr(0, 7), "; keep\n");
}

TEST(SystemSettings, LanguageListsAndShippedFile) {
    test::TempDir dir;
    Items display, internal;
    ReadLanguageLists(dir.File("none.ini"), "English", display, internal);
    EXPECT_EQ(internal, (Items{"Chinese", "English"}));
    EXPECT_EQ(display, (Items{"\xE4\xB8\xAD\xE6\x96\x87", "\xE8\x8B\xB1\xE6\x96\x87"}));

    const std::string shipped = std::string(LM_SOURCE_DIR) + "/src/resources/lang/SysInfo.Ini";
    Preferences all;
    ReadSystemSettings(all, shipped);
    EXPECT_EQ(all.LanguageName, "English");
    ReadLanguageLists(shipped, "English", display, internal);
    EXPECT_EQ(internal, (Items{"English", "Chinese"}));
    EXPECT_EQ(display, (Items{"English", "Chinese"}));
    ReadLanguageLists(shipped, "Chinese", display, internal);
    EXPECT_EQ(display, (Items{"\xE8\x8B\xB1\xE6\x96\x87", "\xE4\xB8\xAD\xE6\x96\x87"}));
}

}  // namespace
}  // namespace lm
