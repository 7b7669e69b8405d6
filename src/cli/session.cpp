#include "session.h"

#include "command.h"
#include "core/datafile.h"
#include "core/models.h"
#include "core/state.h"
#include "settings/language.h"
#include "settings/startup.h"

namespace lm::cli {

namespace {

// The message a load or save failure is reported with: the file and the message table's text when the failure
// has a message key ("radio.dat: Model Type Wrong."), otherwise the step, the file and the system's reason.
std::string FailureText(const TLanguage& messages, const std::string& path, const DataFileResult& result) {
    if (result.messageKey.empty()) return result.text;
    return path + ": " + MessageText(messages, result.messageKey, result.text);
}

}  // namespace

void StartProgram(Program& program, const char* argv0) {
    RunStartup(program.preferences, program.session, program.messages, argv0);
    StartSession(program.document);
}

void LoadOrFail(const TLanguage& messages, TALL& state, const std::string& path) {
    const DataFileResult result = LoadDataFile(state, path);
    if (!result.ok) throw Failure(FailureText(messages, path, result));
}

void SaveOrFail(const TLanguage& messages, TALL& state, const std::string& path) {
    const DataFileResult result = SaveDataFile(state, path);
    if (!result.ok) throw Failure(FailureText(messages, path, result));
}

EditLock LockOrFail(const std::string& path) {
    EditLock lock;
    const FileOutcome outcome = LockForEditing(path, lock);
    if (outcome.busy) throw Failure(outcome.reason);
    if (!outcome.ok) throw Failure(path + ": cannot lock the file: " + outcome.reason);
    return lock;
}

}  // namespace lm::cli
