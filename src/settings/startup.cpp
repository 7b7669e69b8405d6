#include "settings/startup.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "core/models.h"
#include "core/state.h"
#include "settings/language.h"
#include "settings/system_settings.h"

#ifndef LM_DATA_DIR
#define LM_DATA_DIR ""
#endif
#ifndef LM_DATA_DIR_FROM_BIN
#define LM_DATA_DIR_FROM_BIN ""
#endif

namespace lm {

namespace fs = std::filesystem;

namespace {

std::string WithSeparator(const fs::path& dir) {
    std::string text = dir.string();
    if (text.empty() || text.back() != fs::path::preferred_separator) text += fs::path::preferred_separator;
    return text;
}

bool Exists(const fs::path& path) {
    std::error_code ec;
    return fs::exists(path, ec);
}

fs::path UserConfigDir() {
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg != '\0') {
        return fs::path(xdg) / "lm418t";
    }
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        return fs::path(home) / ".config" / "lm418t";
    }
    return fs::temp_directory_path() / "lm418t";
}

}  // namespace

std::string ExecutableDir(const char* argv0) {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec || exe.empty()) exe = fs::absolute(fs::path(argv0 != nullptr ? argv0 : "."), ec);
    return WithSeparator(exe.parent_path());
}

std::string InstalledDataDir(const std::string& appDir, const std::string& relativeToApp,
                             const std::string& configured) {
    if (!relativeToApp.empty()) {
        std::error_code ec;
        const fs::path beside = fs::weakly_canonical(fs::path(appDir) / relativeToApp, ec);
        if (!ec && fs::is_directory(beside, ec)) return WithSeparator(beside);
    }
    if (!configured.empty() && Exists(configured)) return WithSeparator(configured);
    return {};
}

std::string InstalledDataDir(const std::string& appDir) {
    return InstalledDataDir(appDir, LM_DATA_DIR_FROM_BIN, LM_DATA_DIR);
}

std::string ResolveSettingsPath(const std::string& appDir, const std::string& dataDir, bool installed) {
    const fs::path beside = fs::path(appDir) / "SysInfo.Ini";
    if (Exists(beside) || (!installed && ::access(appDir.c_str(), W_OK) == 0)) return beside.string();
    const fs::path dir = UserConfigDir();
    std::error_code ec;
    fs::create_directories(dir, ec);
    const fs::path user = dir / "SysInfo.Ini";
    // A first run in the user's folder starts from the shipped defaults when there are any.
    if (!dataDir.empty()) {
        const fs::path defaults = fs::path(dataDir) / "SysInfo.Ini";
        if (!Exists(user) && Exists(defaults)) fs::copy_file(defaults, user, ec);
    }
    return user.string();
}

std::string ResolveLanguageDir(const std::string& appDir, const std::string& dataDir,
                               const std::string& languageName) {
    if (Exists(LanguageFilePath(appDir, languageName))) return appDir;
    if (!dataDir.empty()) {
        const std::string data = WithSeparator(dataDir);
        if (Exists(LanguageFilePath(data, languageName))) return data;
    }
    return appDir;
}

void RunStartupSteps(TALL& state, TLanguage& language, const StartupPaths& paths) {
    state.AppDir = paths.appDir;
    state.CurrentChannel = 1;
    state.Image[0] = 0;
    FillBandTable();
    FillCatalogue(state);
    ReadSystemSettings(state, paths.settingsPath);
    LoadMessageTable(language, paths.languageDir, state.LanguageName);
    FillSessionKeyText(state);
}

StartupPaths RunStartup(TALL& state, TLanguage& language, const char* argv0) {
    StartupPaths paths;
    paths.appDir = ExecutableDir(argv0);
    const std::string dataDir = InstalledDataDir(paths.appDir);
    const bool installed = !InstalledDataDir(paths.appDir, LM_DATA_DIR_FROM_BIN, "").empty();
    paths.settingsPath = ResolveSettingsPath(paths.appDir, dataDir, installed);
    // The language name is known only from the settings; read them once to find the language folder.
    TALL probe;
    ReadSystemSettings(probe, paths.settingsPath);
    paths.languageDir = ResolveLanguageDir(paths.appDir, dataDir, probe.LanguageName);
    RunStartupSteps(state, language, paths);
    return paths;
}

}  // namespace lm
