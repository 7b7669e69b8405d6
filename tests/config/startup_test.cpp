#include "settings/startup.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "config_test_util.h"
#include "core/models.h"
#include "core/state.h"
#include "settings/language.h"
#include "settings/system_settings.h"

namespace lm {
namespace {

using test::TempDir;
using test::WriteBytes;

TEST(Startup, StepsFillSettingsMessagesAndSessionKey) {
    TempDir dir;
    WriteBytes(dir.File("SysInfo.Ini"),
               "[SysInfo]\nCom=COM3\nLanguage_ID=1\nHelp=Guide\nPicID=4\nLanguage=English|Test\n");
    WriteBytes(dir.File("Test.Ini"), "[Language]\nPortError=No port here.\n");
    Preferences preferences;
    TransferSession session;
    TLanguage language;
    RunStartupSteps(preferences, session, language, {dir.Dir(), dir.File("SysInfo.Ini"), dir.Dir()});

    EXPECT_EQ(preferences.AppDir, dir.Dir());
    EXPECT_EQ(preferences.PortName, "COM3");
    EXPECT_EQ(preferences.LanguageId, 1);
    EXPECT_EQ(preferences.LanguageName, "Test");
    EXPECT_EQ(preferences.HelpName, "Guide");
    EXPECT_EQ(preferences.PicId, 5);
    // Messages come from the configured language, missing keys keep their built-in texts; the session names
    // areas in that language.
    EXPECT_EQ(language.PortError, "No port here.");
    EXPECT_EQ(language.WriteOk, "Writing Completed.");
    EXPECT_EQ(session.LanguageId, 1);
    ASSERT_EQ(session.SessionKeyText.size(), 15u);

    // Running start-up again (a second window, a test) keeps the session key of this run.
    const std::string key = session.SessionKeyText;
    RunStartupSteps(preferences, session, language, {dir.Dir(), dir.File("SysInfo.Ini"), dir.Dir()});
    EXPECT_EQ(session.SessionKeyText, key);
}

TEST(Startup, LanguageFolderFallsBackToTheDataFolder) {
    TempDir dir;
    std::filesystem::create_directories(dir.File("bin"));
    std::filesystem::create_directories(dir.File("share"));
    const std::string appDir = dir.File("bin") + "/";
    const std::string dataDir = dir.File("share");
    WriteBytes(dir.File("share/English.Ini"), "[Language]\n");
    EXPECT_EQ(ResolveLanguageDir(appDir, dataDir, "English"), dataDir + "/");
    WriteBytes(dir.File("bin/English.Ini"), "[Language]\n");
    EXPECT_EQ(ResolveLanguageDir(appDir, dataDir, "English"), appDir);
    // No file anywhere: beside the executable, where the built-in texts then apply.
    EXPECT_EQ(ResolveLanguageDir(appDir, dataDir, "Klingon"), appDir);
}

TEST(Startup, DataFolderBesideTheInstalledProgramsBeforeTheConfiguredOne) {
    TempDir moved;  // an install made with another prefix, or moved after installing
    TempDir configured;
    std::filesystem::create_directories(moved.File("bin"));
    const std::string appDir = moved.File("bin") + "/";
    EXPECT_EQ(InstalledDataDir(appDir, "../share/lm418t", configured.Dir()), configured.Dir());
    std::filesystem::create_directories(moved.File("share/lm418t"));
    EXPECT_EQ(InstalledDataDir(appDir, "../share/lm418t", configured.Dir()),
              moved.File("share/lm418t") + "/");
    // Neither folder there: none, and the files beside the executable are all there is.
    EXPECT_EQ(InstalledDataDir(appDir, "../nowhere", configured.File("gone")), "");
    EXPECT_EQ(InstalledDataDir(appDir, "", ""), "");
}

TEST(Startup, SettingsBesideAWritableExecutableFolderElseInTheUsersFolder) {
    TempDir dir;
    EXPECT_EQ(ResolveSettingsPath(dir.Dir(), dir.File("share")), dir.File("SysInfo.Ini"));
    EXPECT_EQ(ExecutableDir("ignored").back(), '/');

    // An executable folder that cannot be written: the user's configuration folder, created and on the first
    // run filled with the shipped defaults; later runs keep what the user's file holds.
    std::filesystem::create_directories(dir.File("share"));
    WriteBytes(dir.File("share/SysInfo.Ini"), "[SysInfo]\nCom=COM5\n");
    const char* saved = std::getenv("XDG_CONFIG_HOME");
    const std::string savedValue = saved != nullptr ? saved : "";
    setenv("XDG_CONFIG_HOME", dir.File("config").c_str(), 1);
    const std::string readOnly = dir.File("no/such/bin") + "/";
    const std::string user = ResolveSettingsPath(readOnly, dir.File("share"));
    EXPECT_EQ(user, dir.File("config/lm418t/SysInfo.Ini"));
    EXPECT_EQ(test::ReadBytes(user), "[SysInfo]\nCom=COM5\n");
    WriteBytes(user, "[SysInfo]\nCom=COM7\n");
    EXPECT_EQ(ResolveSettingsPath(readOnly, dir.File("share")), user);
    EXPECT_EQ(test::ReadBytes(user), "[SysInfo]\nCom=COM7\n");
    // An installed program that may write its folder (run as root) still keeps its settings with the user; a
    // file already beside it wins.
    EXPECT_EQ(ResolveSettingsPath(dir.Dir(), dir.File("share"), true), user);
    WriteBytes(dir.File("SysInfo.Ini"), "[SysInfo]\n");
    EXPECT_EQ(ResolveSettingsPath(dir.Dir(), dir.File("share"), true), dir.File("SysInfo.Ini"));
    // Without shipped defaults the user's folder is still made, so that closing can write the file.
    std::filesystem::remove_all(dir.File("config"));
    EXPECT_EQ(ResolveSettingsPath(readOnly, ""), user);
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("config/lm418t")));
    if (saved != nullptr) {
        setenv("XDG_CONFIG_HOME", savedValue.c_str(), 1);
    } else {
        unsetenv("XDG_CONFIG_HOME");
    }
}

// Without a home there is no settings file, rather than one in a folder that anybody can create first; the
// settings are then the defaults and closing writes nothing.
TEST(Startup, NoHomeMeansNoSettingsFile) {
    TempDir dir;
    const std::string home = dir.File("home");
    const struct {
        const char* xdg;
        const char* home;
        std::string expected;
    } cases[] = {{nullptr, nullptr, ""},
                 {"relative", nullptr, ""},
                 {nullptr, home.c_str(), home + "/.config/lm418t/SysInfo.Ini"}};
    const std::string savedXdg = std::getenv("XDG_CONFIG_HOME") ? std::getenv("XDG_CONFIG_HOME") : "";
    const std::string savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    for (const auto& c : cases) {
        c.xdg ? setenv("XDG_CONFIG_HOME", c.xdg, 1) : unsetenv("XDG_CONFIG_HOME");
        c.home ? setenv("HOME", c.home, 1) : unsetenv("HOME");
        EXPECT_EQ(ResolveSettingsPath(dir.File("no/bin") + "/", ""), c.expected) << (c.xdg ? c.xdg : "");
    }
    savedXdg.empty() ? unsetenv("XDG_CONFIG_HOME") : setenv("XDG_CONFIG_HOME", savedXdg.c_str(), 1);
    setenv("HOME", savedHome.c_str(), 1);
    Preferences all;
    EXPECT_EQ(ReadSystemSettings(all, ""), "");
    EXPECT_EQ(all.PortName, "Com1");
    EXPECT_TRUE(WriteSystemSettings(all, ""));
}

}  // namespace
}  // namespace lm
