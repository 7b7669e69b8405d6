#include "session.h"

#include "command.h"
#include "core/datafile.h"
#include "core/models.h"
#include "core/state.h"
#include "shell/config/language.h"
#include "shell/config/startup.h"

namespace lm::cli {

namespace {

// The message a load or save failure is reported with: the file and the message table's text when the failure
// has a message key ("radio.dat: Model Type Wrong."), otherwise the step, the file and the system's reason.
std::string FailureText(const std::string& path, const DataFileResult& result) {
    if (result.messageKey.empty()) return result.text;
    return path + ": " + MessageText(gLanguage, result.messageKey, result.text);
}

}  // namespace

void StartSession(const char* argv0) {
    RunStartup(argv0);
    const TMacType* first = gMacList.Get(0);
    if (first == nullptr) throw Failure("the model catalogue is empty");
    SelectModel(first->ModelCode, 0, false);
    const auto [low, high] = SplitBandText(gAll.BandName);
    gAll.BandMinMHz = low;
    gAll.BandMaxMHz = high;
    NewImage();
    gAll.Modified = false;
}

void LoadOrFail(const std::string& path) {
    const DataFileResult result = LoadDataFile(path);
    if (!result.ok) throw Failure(FailureText(path, result));
}

void SaveOrFail(const std::string& path) {
    const DataFileResult result = SaveDataFile(path);
    if (!result.ok) throw Failure(FailureText(path, result));
}

}  // namespace lm::cli
