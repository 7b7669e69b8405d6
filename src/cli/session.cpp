#include "session.h"

#include "command.h"
#include "core/datafile.h"
#include "core/models.h"
#include "core/state.h"
#include "settings/language.h"
#include "settings/startup.h"
#include "globals/globals.h"

namespace lm::cli {

namespace {

// The message a load or save failure is reported with: the message table's text when the failure has a
// message key ("Model Type Wrong."), otherwise the text of the failed operation.
std::string FailureText(const DataFileResult& result) {
    if (!result.messageKey.empty()) {
        const std::string text = gLanguage.Text(result.messageKey);
        if (!text.empty()) return text;
    }
    return result.text;
}

}  // namespace

void StartProgram(const char* argv0) {
    RunStartup(gAll, gLanguage, argv0);
    if (gMacList.Count() == 0) throw Failure("the model catalogue is empty");
    StartSession(gAll);
}

void LoadOrFail(TALL& state, const std::string& path) {
    const DataFileResult result = LoadDataFile(state, path);
    if (!result.ok) throw Failure(path + ": " + FailureText(result));
}

void SaveOrFail(TALL& state, const std::string& path) {
    const DataFileResult result = SaveDataFile(state, path);
    if (!result.ok) throw Failure(path + ": " + FailureText(result));
}

}  // namespace lm::cli
