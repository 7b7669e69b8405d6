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
    test::WriteBytes(dir.File("Gbk.Ini"),
                     "[Language]\r\nConfirmation=\xC8\xB7\xC8\xCF\r\nAll=\xD6\xD0\xCE\xC4\r\n");
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

TEST(Language, MessageTextFallsBackToTheBuiltInText) {
    TLanguage table;
    table.ModError = "Falsches Modell.";
    table.ReadOk = "";
    const struct {
        const char* key;
        const char* builtIn;
        const char* shown;
    } cases[] = {
        {"ModError", "Model Type Wrong.", "Falsches Modell."},
        {"moderror", "Model Type Wrong.", "Falsches Modell."},
        {"ReadOk", "Reading Completed.", "Reading Completed."},  // an empty translation
        {"PwdDigits", "Digits only.", "Digits only."},           // a key the language file cannot hold
        {"", "Cannot save x: Permission denied", "Cannot save x: Permission denied"},
    };
    for (const auto& c : cases) EXPECT_EQ(MessageText(table, c.key, c.builtIn), c.shown) << c.key;
}

// A language name from the settings names a file beside the others, never a path.
TEST(Language, ANameThatIsNoFileNameGivesTheFallbackLanguage) {
    const struct {
        const char* name;
        const char* file;
    } cases[] = {
        {"Chinese", "/d/Chinese.Ini"},     {"My Lang", "/d/My Lang.Ini"},     {"", "/d/English.Ini"},
        {"../../tmp/x", "/d/English.Ini"}, {"sub/x", "/d/English.Ini"},       {"..", "/d/English.Ini"},
        {"a\\b", "/d/English.Ini"},        {"/etc/passwd", "/d/English.Ini"},
    };
    for (const auto& c : cases) EXPECT_EQ(LanguageFilePath("/d/", c.name), c.file) << c.name;
}

}  // namespace
}  // namespace lm
