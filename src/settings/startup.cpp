#include "settings/startup.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <system_error>

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

// The user's own folder for the settings; empty without a home. A shared folder such as /tmp is never used:
// another user could create the folder first and so hand this user a settings file of theirs.
fs::path UserConfigDir() {
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && fs::path(xdg).is_absolute()) {
        return fs::path(xdg) / "lm418t";
    }
    if (const char* home = std::getenv("HOME"); home != nullptr && fs::path(home).is_absolute()) {
        return fs::path(home) / ".config" / "lm418t";
    }
    return {};
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
    if (dir.empty()) return {};
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

std::string InstalledLanguageFile(const std::string& appDir, const std::string& languageName) {
    return LanguageFilePath(ResolveLanguageDir(appDir, InstalledDataDir(appDir), languageName), languageName);
}

std::vector<std::string> RunStartupSteps(Preferences& preferences, TransferSession& session,
                                         TLanguage& language, const StartupPaths& paths) {
    std::vector<std::string> warnings;
    preferences.AppDir = paths.appDir;
    const auto warn = [&warnings](std::string problem, const char* instead) {
        if (!problem.empty()) warnings.push_back(std::move(problem) + instead);
    };
    warn(ReadSystemSettings(preferences, paths.settingsPath), "; the default settings are used");
    warn(LoadMessageTable(language, paths.languageDir, preferences.LanguageName),
         "; the built-in texts are used");
    FillSessionKeyText(session);
    session.LanguageId = preferences.LanguageId;
    return warnings;
}

StartupPaths RunStartup(Preferences& preferences, TransferSession& session, TLanguage& language,
                        const char* argv0) {
    StartupPaths paths;
    paths.appDir = ExecutableDir(argv0);
    const std::string dataDir = InstalledDataDir(paths.appDir);
    const bool installed = !InstalledDataDir(paths.appDir, LM_DATA_DIR_FROM_BIN, "").empty();
    paths.settingsPath = ResolveSettingsPath(paths.appDir, dataDir, installed);
    std::vector<std::string> warnings;
    if (paths.settingsPath.empty())
        warnings.push_back(
            "neither HOME nor XDG_CONFIG_HOME is set: no settings file is used, and the "
            "settings of this run are not kept");
    // The language name is known only from the settings; read them once to find the language folder.
    Preferences probe;
    ReadSystemSettings(probe, paths.settingsPath);
    paths.languageDir = ResolveLanguageDir(paths.appDir, dataDir, probe.LanguageName);
    for (std::string& warning : RunStartupSteps(preferences, session, language, paths))
        warnings.push_back(std::move(warning));
    for (const std::string& warning : warnings) std::cerr << "lm418t: " << warning << '\n';
    return paths;
}

}  // namespace lm
