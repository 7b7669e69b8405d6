// Runs every registered QtTest class; the exit status is the number of failed classes.
#include <QApplication>
#include <QDir>
#include <QFile>

#include "core/models.h"
#include "core/state.h"
#include "globals/globals.h"
#include "gui_common/program_state.h"
#include "gui_test.h"
#include "settings/language.h"
#include "shell/windows_wiring.h"
#include "shell_fixture.h"
#include "widgets/window_language.h"

namespace lmtest {

std::string ReadFile(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
}

void ResetProgramState(const QString& appDir) { guitest::ResetProgramState(appDir); }

}  // namespace lmtest

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    lm::RegisterWindows();
    // "-only Name" runs one class; other arguments go to QtTest. The pollers of a class whose dialog never
    // came are dropped before the next class.
    return guitest::RunRegisteredTests(app.arguments(), lmtest::CancelPendingModals);
}
