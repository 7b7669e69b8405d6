// The commands of the main window that run a dialog: read, write, port, model, embedded message, language,
// help and About.
#include "core/state.h"
#include "link/area_table.h"
#include "settings/language.h"
#include "settings/startup.h"
#include "shell/about_box.h"
#include "shell/command_table.h"
#include "shell/dialog_commands.h"
#include "shell/help.h"
#include "shell/main_frm.h"
#include "shell/set_language.h"
#include "widgets/qt_translation.h"
#include "widgets/translate.h"

namespace lm {

void TfMainFrm::ReadCommand() {
    if (!RunDialogCommand(cmd::kRead, *this)) return;
    // A completed read replaced the image.
    Document().MarkReplaced();
    ForgetFile();
    UpdateStatusAndCaption();
    ReopenEditors();
}

void TfMainFrm::WriteCommand() { RunDialogCommand(cmd::kWrite, *this); }

void TfMainFrm::PortCommand() {
    RunDialogCommand(cmd::kPort, *this);
    UpdateStatusAndCaption();
}

void TfMainFrm::ModelCommand() { RunDialogCommand(cmd::kModel, *this); }

void TfMainFrm::EmbeddedMessageCommand() { RunDialogCommand(cmd::kEmbeddedMessage, *this); }

void TfMainFrm::HelpCommand() { OpenHelp(Prefs()); }

void TfMainFrm::AboutCommand() { RunAboutBox(this); }

void TfMainFrm::LanguageChange() {
    if (!RunLanguageDialog(settingsPath_, Prefs(), this)) return;
    const Preferences& prefs = Prefs();
    LoadMessageTable(parts_.messages,
                     ResolveLanguageDir(prefs.AppDir, InstalledDataDir(prefs.AppDir), prefs.LanguageName),
                     prefs.LanguageName);
    Session().LanguageId = prefs.LanguageId;  // the radio's area is named in the new language
    InstallQtTranslation(prefs.LanguageName);
    ResetUndoCaptions();
    TranslateForm(this, prefs.LanguageName, true);
    KeepUndoCaptions();
    if (!Radio().AreaText.empty()) DecodeAreaCode(Radio(), prefs.LanguageId);
    UpdateStatusAndCaption();
    CloseAllChildren();
    RebuildTree();
    ShowChildWindow(cmd::kChannelInfo);
    // The image keeps its modified flag: a language change saves nothing, so leaving must still ask.
}

}  // namespace lm
