// The file commands of the main window (New, Open, Save, Save As) and leaving the program.
#include <QCloseEvent>
#include <QFileInfo>
#include <cstdio>
#include <filesystem>

#include "core/datafile.h"
#include "core/edit_lock.h"
#include "core/printable.h"
#include "core/state.h"
#include "settings/language.h"
#include "settings/system_settings.h"
#include "shell/main_frm.h"
#include "widgets/file_dialogs.h"
#include "widgets/message_box.h"
#include "widgets/window_language.h"

namespace lm {

namespace {

bool FileExists(const std::string& path) { return QFileInfo::exists(QString::fromStdString(path)); }

// The text of a failed load or save: the message of the message table when there is one, else the step, the
// file and the system's reason.
std::string FailureText(const DataFileResult& result) {
    return WindowMessageText(result.messageKey, result.text);
}

}  // namespace

bool TfMainFrm::AskToSave() {
    if (!Radio().Modified) return true;
    if (!AskYesNo(parts_.messages.SaveProgram)) return true;
    // Yes: the command goes on only when the changes are in a file; a cancelled or failed save stops it.
    return FileSave();
}

bool TfMainFrm::FileNew(const std::function<void(TALL&)>& select) {
    if (!AskToSave()) return false;
    if (select) select(Radio());
    NewImage(Radio());
    Radio().Modified = false;
    Document().MarkReplaced();
    ForgetFile();
    UpdateStatusAndCaption();
    ReopenEditors();
    Radio().Modified = false;
    return true;
}

void TfMainFrm::ForgetFile() {
    currentFileName_.clear();
    fileLock_.Release();
}

bool TfMainFrm::FileOpen() {
    if (!AskToSave()) return false;
    const std::string path = ChooseOpenFile(this, HiddenText("lbOpenTitle"));
    if (path.empty()) return false;
    return LoadFile(path, false);
}

bool TfMainFrm::OpenFile(const std::string& path) {
    if (!AskToSave()) return false;
    // A name relative to the folder the program was started in; the caption shows the full path.
    std::error_code ec;
    const std::filesystem::path full = std::filesystem::absolute(path, ec).lexically_normal();
    return LoadFile(ec ? path : full.string(), true);
}

bool TfMainFrm::LoadFile(const std::string& path, bool nameFile) {
    // The file is locked before it is read; the lock of the file open until now is kept when it is this file.
    EditLock lock;
    const FileOutcome locked = fileLock_.Covers(path) ? FileOutcome{} : LockForEditing(path, lock);
    DataFileResult result;
    if (locked.ok) result = LoadDataFile(Radio(), path);
    if (!locked.ok || !result.ok) {
        // The image is untouched; a file that did not load is not the current file, so that a later Save
        // cannot overwrite it with an image that never came from it.
        ForgetFile();
        std::string text = locked.ok ? FailureText(result) : locked.reason;
        // Nobody chose this file in a dialog just now: the message says which file it was.
        if (nameFile && text.find(path) == std::string::npos) text = path + "\n\n" + text;
        ShowInformation(text);
        UpdateStatusAndCaption();
        return false;
    }
    if (!fileLock_.Covers(path)) fileLock_ = std::move(lock);
    currentFileName_ = path;
    Document().MarkReplaced();
    RebuildTree();
    UpdateStatusAndCaption();
    ReopenEditors();
    Radio().Modified = false;
    UpdateStatusAndCaption();
    return true;
}

bool TfMainFrm::WriteDataFile(const std::string& path) {
    const DataFileResult result = SaveDataFile(Radio(), path);
    if (!result.ok) ShowInformation(FailureText(result));
    if (result.ok) Document().MarkSaved();
    return result.ok;
}

bool TfMainFrm::FileSave() {
    bool written = false;
    if (!currentFileName_.empty()) {
        written = WriteDataFile(currentFileName_);
    } else {
        const std::string path = ChooseSaveFile(this, HiddenText("lbSaveTitle"));
        if (!path.empty() && (!FileExists(path) || AskYesNo(parts_.messages.FileExists)))
            written = SaveAsNewFile(path);
        if (currentFileName_.empty()) fileLock_.Release();
    }
    UpdateStatusAndCaption();
    return written;
}

bool TfMainFrm::SaveAsNewFile(const std::string& path) {
    EditLock lock;
    if (!fileLock_.Covers(path)) {
        if (const FileOutcome locked = LockForEditing(path, lock); !locked.ok) {
            ShowInformation(locked.busy ? locked.reason : "Cannot save " + path + ": " + locked.reason);
            return false;
        }
        fileLock_ = std::move(lock);
    }
    // Even a failed save leaves the name current, so that Save tries it again.
    currentFileName_ = path;
    return WriteDataFile(path);
}

bool TfMainFrm::FileSaveAs() {
    currentFileName_.clear();
    return FileSave();
}

void TfMainFrm::closeEvent(QCloseEvent* event) {
    if (!AskYesNo(parts_.messages.ExitProgram)) {
        event->ignore();
        return;
    }
    // Yes to saving and then a cancelled or failed save keeps the program open with its changes.
    if (!AskToSave()) {
        event->ignore();
        return;
    }
    CloseAllChildren();
    ForgetFile();
    // Leaving is not held up for the settings; a terminal at least learns that port and language were not
    // kept.
    if (std::string problem; !WriteSystemSettings(Prefs(), settingsPath_, &problem))
        std::fprintf(stderr, "lm418t: the settings were not kept: %s\n", PrintableMessage(problem).c_str());
    event->accept();
}

}  // namespace lm
