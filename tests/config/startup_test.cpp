#include "shell/config/startup.h"

#include <gtest/gtest.h>

#include "config_test_util.h"
#include "core/models.h"
#include "core/state.h"
#include "shell/config/language.h"

namespace lm {
namespace {

using test::TempDir;
using test::WriteBytes;

TEST(Startup, StepsFillCatalogueSettingsMessagesAndSessionKey) {
    TempDir dir;
    WriteBytes(dir.File("SysInfo.Ini"),
               "[SysInfo]\nCom=COM3\nLanguage_ID=1\nHelp=Guide\nPicID=4\nLanguage=English|Test\n");
    WriteBytes(dir.File("Test.Ini"), "[Language]\nPortError=No port here.\n");
    gAll = TALL{};
    gAll.Image[0] = 7;
    RunStartupSteps({dir.Dir(), dir.File("SysInfo.Ini"), dir.Dir()});

    EXPECT_EQ(gAll.AppDir, dir.Dir());
    EXPECT_EQ(gAll.CurrentChannel, 1);
    EXPECT_EQ(gAll.Image[0], 0);
    EXPECT_EQ(gFrqList.Count(), 14);
    EXPECT_EQ(gMacList.Count(), 2);
    EXPECT_EQ(gAll.ProductTitle, "LM-418T");
    EXPECT_EQ(gAll.BaudRate, 9600);
    EXPECT_EQ(gAll.FileTag, "LM41");
    EXPECT_EQ(gAll.PortName, "COM3");
    EXPECT_EQ(gAll.LanguageId, 1);
    EXPECT_EQ(gAll.LanguageName, "Test");
    EXPECT_EQ(gAll.HelpName, "Guide");
    EXPECT_EQ(gAll.PicId, 5);
    // Messages come from the configured language, missing keys keep their built-in texts.
    EXPECT_EQ(gLanguage.PortError, "No port here.");
    EXPECT_EQ(gLanguage.WriteOk, "Writing Completed.");
    ASSERT_EQ(gAll.SessionKeyText.size(), 15u);

    // Running start-up again (a second window, a test) keeps the session key of this run.
    const std::string key = gAll.SessionKeyText;
    RunStartupSteps({dir.Dir(), dir.File("SysInfo.Ini"), dir.Dir()});
    EXPECT_EQ(gAll.SessionKeyText, key);
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

TEST(Startup, SettingsBesideAnExistingOrWritableExecutableFolder) {
    TempDir app;
    EXPECT_EQ(ResolveSettingsPath(app.Dir()), app.File("SysInfo.Ini"));
    EXPECT_EQ(ExecutableDir("ignored").back(), '/');
}

}  // namespace
}  // namespace lm
