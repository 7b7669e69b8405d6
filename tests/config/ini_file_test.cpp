#include "settings/ini_file.h"

#include <filesystem>

#include "config_test_util.h"
#include "core/file_io.h"
#include "settings/system_settings.h"

namespace lm {
namespace {

TEST(IniFile, NamesMatchWithoutCaseAndMissingPartsGiveTheDefault) {
    IniFile f = IniFile::Parse("; note\r\n[SysInfo]\r\n Com = COM3 \r\nEmpty=\r\n[Other]\r\nCom=X\r\n");
    EXPECT_EQ(f.Read("sysinfo", "COM", "d"), "COM3");
    EXPECT_EQ(f.Read("OTHER", "com", "d"), "X");
    EXPECT_EQ(f.Read("SysInfo", "Empty", "d"), "");
    EXPECT_EQ(f.Read("SysInfo", "Missing", "d"), "d");
    EXPECT_EQ(f.Read("Nope", "Com", "d"), "d");
    EXPECT_EQ(IniFile::Parse("[A]\nk=\" padded \"\n").Read("a", "K", ""), " padded ");
    EXPECT_EQ(IniFile::Parse("[A]\nk=' Port: '\n").Read("A", "k", ""), " Port: ");
    EXPECT_EQ(IniFile::Parse("[A]\nk=\"mixed'\n").Read("A", "k", ""), "\"mixed'");
    EXPECT_EQ(IniFile::Parse("[A]\nk=\"\n").Read("A", "k", ""), "\"");
    EXPECT_EQ(IniFile::Parse("[A]\n;k=1\n").Read("A", "k", "no"), "no");
    test::TempDir dir;
    EXPECT_EQ(IniRead(dir.File("missing.ini"), "A", "k", "def"), "def");
}

TEST(IniFile, WritingOneKeyKeepsEveryOtherLine) {
    test::TempDir dir;
    const std::string path = dir.File("a.ini");
    test::WriteBytes(path,
                     "; top comment\r\n[SysInfo]\r\ncom=COM1\r\n; inner\r\nHelp=QX\r\n\r\n[Next]\r\nx=1\r\n");
    ASSERT_TRUE(IniWrite(path, "SYSINFO", "Com", "COM7"));
    ASSERT_TRUE(IniWrite(path, "SysInfo", "PicID", "4"));
    ASSERT_TRUE(IniWrite(path, "New", "k", "v"));
    EXPECT_EQ(
        test::ReadBytes(path),
        "; top comment\r\n[SysInfo]\r\nCom=COM7\r\n; inner\r\nHelp=QX\r\nPicID=4\r\n\r\n[Next]\r\nx=1\r\n"
        "\r\n[New]\r\nk=v\r\n");
    // No temporary file is left behind.
    int files = 0;
    for (auto& e : std::filesystem::directory_iterator(dir.Dir())) (void)e, ++files;
    EXPECT_EQ(files, 1);
}

TEST(IniFile, WritingCreatesAMissingFileAndFailsInAMissingFolder) {
    test::TempDir dir;
    const std::string path = dir.File("new.ini");
    ASSERT_TRUE(IniWrite(path, "SysInfo", "Com", "COM2"));
    EXPECT_EQ(IniRead(path, "sysinfo", "com", ""), "COM2");
    EXPECT_FALSE(IniWrite(dir.File("no/such/folder.ini"), "A", "k", "v"));
}

// A settings file that is a folder or huge gives the defaults at once, with the reason; the settings writer
// then leaves it as it is.
TEST(IniFile, SpecialFilesGiveTheDefaultsAndAreKept) {
    test::TempDir dir;
    std::filesystem::create_directory(dir.File("SysInfo.Ini"));
    test::WriteBytes(dir.File("Huge.Ini"), "[SysInfo]\nCom=COM9\n" + std::string(kIniFileLimit, ';'));
    for (const std::string& path : {dir.File("SysInfo.Ini"), dir.File("Huge.Ini")}) {
        Preferences all;
        const std::string problem = ReadSystemSettings(all, path);
        EXPECT_EQ(problem.rfind("Cannot read " + path + ": ", 0), 0u) << problem;
        EXPECT_EQ(all.PortName, "Com1");
        EXPECT_FALSE(WriteSystemSettings(all, path)) << path;
    }
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("SysInfo.Ini")));
    EXPECT_EQ(std::filesystem::file_size(dir.File("Huge.Ini")), kIniFileLimit + 19);
}

}  // namespace
}  // namespace lm
