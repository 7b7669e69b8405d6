#pragma once
// What every command finds before it runs, and loading and saving data files with failures as exceptions.
#include <string>

#include "core/edit_lock.h"
#include "core/state.h"
#include "settings/language.h"

namespace lm::cli {

// The state of one run of the tool: made by main() at start-up and handed to the command it runs.
struct Program {
    Preferences preferences;
    TransferSession session;
    TLanguage messages;
    TALL document;  // a new radio of the default model and band, until a command loads a file into it
};

// The program's start-up into program, then the session start of the main window (the default model and band,
// the band limits, a new image, not modified).
void StartProgram(Program& program, const char* argv0);

// Loads a data file into state; throws Failure ("FILE: text", in the language of messages) when it cannot,
// leaving state unchanged.
void LoadOrFail(const TLanguage& messages, TALL& state, const std::string& path);
// Saves state as a data file; throws Failure when it cannot, leaving any previous file as it was.
void SaveOrFail(const TLanguage& messages, TALL& state, const std::string& path);
// The lock for changing the data file at path, to be held from its load to its save; throws Failure
// ("radio.dat is being changed by another program") when another program holds it for longer than
// kEditLockWait.
EditLock LockOrFail(const std::string& path);

}  // namespace lm::cli
