#pragma once
// What every command finds before it runs, and loading and saving data files with failures as exceptions.
#include <string>

#include "core/edit_lock.h"
#include "globals/globals.h"

namespace lm::cli {

// The program's start-up into gAll and gLanguage, then the session start of the main window (the default
// model and band, the band limits, a new image, not modified).
void StartProgram(const char* argv0);

// Loads a data file into state; throws Failure ("FILE: text") when it cannot, leaving state unchanged.
void LoadOrFail(TALL& state, const std::string& path);
// Saves state as a data file; throws Failure when it cannot, leaving any previous file as it was.
void SaveOrFail(TALL& state, const std::string& path);
// The lock for changing the data file at path, to be held from its load to its save; throws Failure
// ("radio.dat is being changed by another program") when another program holds it for longer than
// kEditLockWait.
EditLock LockOrFail(const std::string& path);

}  // namespace lm::cli
