// Runs every registered QtTest class; the exit status is the number of failed classes.
#include <QApplication>
#include <QDir>

#include "core/models.h"
#include "core/state.h"
#include "dialog_test.h"
#include "globals/globals.h"
#include "gui_common/program_state.h"
#include "settings/language.h"
#include "widgets/window_language.h"

namespace dlgtest {

void ResetProgramState(const QString& appDir) { guitest::ResetProgramState(appDir); }

}  // namespace dlgtest

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    return guitest::RunRegisteredTests(app.arguments());
}
