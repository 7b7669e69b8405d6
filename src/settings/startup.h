#pragma once
// The start-up order of the program, shared by the windowed program and the command-line tool.
#include <string>
#include <vector>

#include "core/state.h"
#include "settings/language.h"

namespace lm {

// Where start-up found its files.
struct StartupPaths {
    std::string appDir;        // folder of the executable, ending with the separator
    std::string settingsPath;  // SysInfo.Ini that is read now and written at close; "" for none
    std::string languageDir;   // folder of the language and help files, ending with the separator
};

// The folder of the running executable, ending with the separator (argv0 is the fallback).
std::string ExecutableDir(const char* argv0);

// The installed data folder (language, help and default settings files), ending with the separator: the one
// beside the installed programs (share/lm418t next to bin/) when it exists, otherwise the folder the program
// was configured for; empty when there is neither.
std::string InstalledDataDir(const std::string& appDir);
std::string InstalledDataDir(const std::string& appDir, const std::string& relativeToApp,
                             const std::string& configured);

// SysInfo.Ini beside the executable when it exists there or the folder is writable (a portable install),
// otherwise the same file in the user's configuration folder ($XDG_CONFIG_HOME/lm418t, else
// ~/.config/lm418t), which is created then and, on the first run, starts as a copy of the defaults in the
// installed data folder. An installed program (installed: its data folder stands beside bin/) is never a
// portable install, even in a folder it may write (run as root): only a SysInfo.Ini already beside it is used
// there.
// "" when the user's folder is needed but there is no home (neither an absolute XDG_CONFIG_HOME nor HOME):
// the program then runs without a settings file.
std::string ResolveSettingsPath(const std::string& appDir, const std::string& dataDir,
                                bool installed = false);

// The folder holding the language files: beside the executable when the language file is there, otherwise
// the installed data folder (dataDir), otherwise beside the executable.
std::string ResolveLanguageDir(const std::string& appDir, const std::string& dataDir,
                               const std::string& languageName);
// The language file of a language, in the folder ResolveLanguageDir finds for the program at appDir.
std::string InstalledLanguageFile(const std::string& appDir, const std::string& languageName);

// The steps of start-up, in their fixed order: the system settings, the message table of the configured
// language and the session key (with the session's language). Returns a warning for each file that is there
// but could not be read.
std::vector<std::string> RunStartupSteps(Preferences& preferences, TransferSession& session,
                                         TLanguage& language, const StartupPaths& paths);

// Resolves the paths for the running executable, runs the steps, writes the warnings to standard error and
// returns the paths used.
StartupPaths RunStartup(Preferences& preferences, TransferSession& session, TLanguage& language,
                        const char* argv0);

}  // namespace lm
