#include "settings/language.h"

#include "config_test_util.h"
#include "settings/text_codec.h"

namespace lm {
namespace {

const std::string kLangDir = std::string(LM_SOURCE_DIR) + "/src/resources/lang/";

TEST(Language, MissingFileGivesBuiltInTextsAndKeysAreFound) {
    test::TempDir dir;
    TLanguage t = LoadMessageTable(dir.File("Nope.Ini"));
    EXPECT_EQ(t.Info, " Information");
    EXPECT_EQ(t.PortError, "Cannot Open Communication Port.");
    EXPECT_EQ(t.Text("outrange"), "Frequecy is Out of range.");
    EXPECT_EQ(t.Text("NoSuchKey"), "");
    for (auto key : kMessageKeys) EXPECT_NE(t.Field(key), nullptr) << key;
    test::WriteBytes(dir.File("Part.Ini"), "[language]\r\nreadok=Done\r\n[fMainFrm]\r\nPortError=x\r\n");
    TLanguage language;
    LoadMessageTable(language, dir.Dir(), "Part");
    EXPECT_EQ(language.ReadOk, "Done");
    EXPECT_EQ(language.PortError, "Cannot Open Communication Port.");
}

TEST(Language, Utf8AndGbkFilesGiveTheSameText) {
    test::TempDir dir;
    // 确认 and 中文 in GBK.
    test::WriteBytes(dir.File("Gbk.Ini"), "[Language]\r\nConfirmation=\xC8\xB7\xC8\xCF\r\nAll=\xD6\xD0\xCE\xC4\r\n");
    test::WriteBytes(dir.File("Utf.Ini"), "\xEF\xBB\xBF[Language]\r\nConfirmation=确认\r\nAll=中文\r\n");
    TLanguage gbk = LoadMessageTable(dir.File("Gbk.Ini"));
    TLanguage utf = LoadMessageTable(dir.File("Utf.Ini"));
    EXPECT_EQ(gbk.Confirmation, "确认");
    EXPECT_EQ(gbk.All, "中文");
    EXPECT_EQ(utf.Confirmation, "确认");
    EXPECT_EQ(utf.All, "中文");
    EXPECT_FALSE(IsValidUtf8("\xC0\x80"));
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));
    EXPECT_TRUE(IsValidUtf8("plain"));
    EXPECT_EQ(DecodeFileText("a\xFF"), "a\xEF\xBF\xBD");
}

TEST(Language, ShippedFilesHoldTheWholeTable) {
    TLanguage english = LoadMessageTable(kLangDir + "English.Ini");
    TLanguage builtIn;
    for (auto key : kMessageKeys) EXPECT_EQ(english.Text(key), builtIn.Text(key)) << key;
    TLanguage chinese = LoadMessageTable(kLangDir + "Chinese.Ini");
    for (auto key : kMessageKeys) EXPECT_NE(chinese.Text(key), builtIn.Text(key)) << key;
    EXPECT_EQ(chinese.PortError, "无法打开通信端口。");
    EXPECT_EQ(chinese.Info, " 信息");
}

}  // namespace
}  // namespace lm
