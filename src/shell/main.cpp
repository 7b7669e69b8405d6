// lm418t: the windowed programming software for the LM-418T radios.
#include <QApplication>
#include <clocale>

#include "widgets/artwork.h"
#include "settings/startup.h"
#include "globals/globals.h"
#include "shell/main_frm.h"
#include "shell/windows_wiring.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Numbers are read and written with "." whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName("lm418t");
    QApplication::setDesktopFileName("lm418t");
    QApplication::setWindowIcon(lm::ApplicationIcon());
    const lm::StartupPaths paths = lm::RunStartup(lm::gAll, lm::gLanguage, argc > 0 ? argv[0] : nullptr);
    lm::RegisterWindows();
    lm::TfMainFrm window(paths.settingsPath);
    window.showMaximized();
    return app.exec();
}
