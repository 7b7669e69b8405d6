// lm418t: the windowed programming software for the LM-418T radios.
#include <QApplication>
#include <clocale>
#include <iostream>
#include <string>
#include <vector>

#include "globals/globals.h"
#include "settings/startup.h"
#include "shell/command_line.h"
#include "shell/main_frm.h"
#include "shell/windows_wiring.h"
#include "version/version.h"
#include "widgets/artwork.h"
#include "widgets/qt_translation.h"

namespace {

// --help and --version answer before a QApplication exists, so that they need no display.
int AnswerAndExit(const lm::CommandLine& line) {
    if (line.action == lm::CommandLine::Action::Version)
        std::cout << "lm418t " << lm::kProgramVersion << "\n";
    else
        std::cout << lm::CommandLineHelp();
    std::cout.flush();
    return std::cout ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    const lm::CommandLine early = lm::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (early.action == lm::CommandLine::Action::Help || early.action == lm::CommandLine::Action::Version)
        return AnswerAndExit(early);
    QApplication app(argc, argv);
    // QApplication has taken its own options out of argv; the rest is ours.
    const lm::CommandLine line = lm::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (line.action == lm::CommandLine::Action::Error) {
        std::cerr << "lm418t: " << line.error << "\nRun 'lm418t --help' for the usage.\n";
        return 2;
    }
    // Numbers are read and written with "." whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName("lm418t");
    QApplication::setApplicationVersion(lm::kProgramVersion);
    QApplication::setDesktopFileName("lm418t");
    QApplication::setWindowIcon(lm::ApplicationIcon());
    const lm::StartupPaths paths =
        lm::RunStartup(lm::gPreferences, lm::gSession, lm::gLanguage, argc > 0 ? argv[0] : nullptr);
    lm::InstallQtTranslation(lm::gPreferences.LanguageName);
    lm::RegisterWindows();
    lm::TfMainFrm window({lm::gPreferences, lm::gSession, lm::gLanguage, lm::gDocument}, paths.settingsPath);
    window.SetTiming(line.timing);
    window.showMaximized();
    if (!line.file.empty()) window.OpenFile(line.file);
    return app.exec();
}
