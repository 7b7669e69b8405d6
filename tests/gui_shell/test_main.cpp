// Runs every registered QtTest class; the exit status is the number of failed classes.
#include <QApplication>
#include <QDir>
#include <QFile>

#include "core/models.h"
#include "core/state.h"
#include "globals/globals.h"
#include "gui_test.h"
#include "settings/language.h"
#include "shell/windows_wiring.h"
#include "shell_fixture.h"

namespace lmtest {

std::string ReadFile(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
}

void ResetProgramState(const QString& appDir) {
    lm::gAll = lm::TALL{};
    lm::gAll.AppDir = QDir(appDir).absolutePath().toStdString() + "/";
    lm::gAll.CurrentChannel = 1;
    lm::gAll.PortName = "COM1";
    lm::gAll.HelpName = "QX";
    lm::gAll.LanguageName = "English";
    lm::FillBandTable();
    lm::FillCatalogue(lm::gAll);
    lm::gLanguage = lm::TLanguage{};
    lm::StartSession(lm::gAll);
}

}  // namespace lmtest

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    lm::RegisterWindows();
    // "-only Name" runs one class; other arguments go to QtTest. The pollers of a class whose dialog never
    // came are dropped before the next class.
    return guitest::RunRegisteredTests(app.arguments(), lmtest::CancelPendingModals);
}
