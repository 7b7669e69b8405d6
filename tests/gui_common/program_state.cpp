#include "gui_common/program_state.h"

#include <QDir>

#include "core/models.h"
#include "globals/globals.h"
#include "widgets/window_language.h"

namespace guitest {

void ResetProgramState(const QString& appDir) {
    lm::gPreferences = lm::Preferences{};
    lm::gPreferences.AppDir = QDir(appDir).absolutePath().toStdString() + "/";
    lm::gPreferences.PortName = "COM1";
    lm::gPreferences.HelpName = "QX";
    lm::gPreferences.LanguageName = "English";
    lm::gSession = lm::TransferSession{};
    lm::FillSessionKeyText(lm::gSession);
    lm::gLanguage = lm::TLanguage{};
    lm::UseWindowLanguage(lm::gPreferences, lm::gLanguage);
    lm::gAll = lm::TALL{};
    lm::StartSession(lm::gAll);
    lm::gDocument.MarkReplaced();
}

}  // namespace guitest
