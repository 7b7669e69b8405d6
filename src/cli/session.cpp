#include "session.h"

#include "command.h"
#include "core/datafile.h"
#include "core/models.h"
#include "core/state.h"
#include "settings/language.h"
#include "settings/startup.h"

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
    if (!result.ok) throw Failure(path + ": " + FailureText(result));
}

void SaveOrFail(const std::string& path) {
    const DataFileResult result = SaveDataFile(path);
    if (!result.ok) throw Failure(path + ": " + FailureText(result));
}

}  // namespace lm::cli
