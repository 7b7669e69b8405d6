// Runs every registered QtTest class; the exit status is the number of failed classes.
#include <QApplication>
#include <QDir>

#include "core/models.h"
#include "core/state.h"
#include "dialog_test.h"
#include "globals/globals.h"
#include "settings/language.h"

namespace dlgtest {

void ResetProgramState(const QString& appDir) {
    lm::gAll = lm::TALL{};
    lm::gAll.AppDir = QDir(appDir).absolutePath().toStdString() + "/";
    lm::gAll.CurrentChannel = 1;
    lm::gAll.PortName = "COM1";
    lm::gAll.LanguageName = "English";
    lm::FillBandTable();
    lm::FillCatalogue(lm::gAll);
    lm::FillSessionKeyText(lm::gAll);
    lm::gLanguage = lm::TLanguage{};
    lm::StartSession(lm::gAll);
}

}  // namespace dlgtest

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    return guitest::RunRegisteredTests(app.arguments());
}
