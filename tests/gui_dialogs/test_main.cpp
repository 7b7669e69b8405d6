// Runs every registered QtTest class; the exit status is the number of failed classes.
#include <QApplication>
#include <QDir>

#include "core/models.h"
#include "core/state.h"
#include "dialog_test.h"
#include "globals/globals.h"
#include "settings/language.h"
#include "widgets/window_language.h"

namespace dlgtest {

void ResetProgramState(const QString& appDir) {
    lm::gPreferences = lm::Preferences{};
    lm::gPreferences.AppDir = QDir(appDir).absolutePath().toStdString() + "/";
    lm::gPreferences.PortName = "COM1";
    lm::gPreferences.LanguageName = "English";
    lm::gSession = lm::TransferSession{};
    lm::FillSessionKeyText(lm::gSession);
    lm::gLanguage = lm::TLanguage{};
    lm::UseWindowLanguage(lm::gPreferences, lm::gLanguage);
    lm::gAll = lm::TALL{};
    lm::StartSession(lm::gAll);
    lm::gDocument.MarkReplaced();
}

}  // namespace dlgtest

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    return guitest::RunRegisteredTests(app.arguments());
}
