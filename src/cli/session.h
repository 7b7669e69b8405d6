#pragma once
// What every command finds before it runs, and loading and saving data files with failures as exceptions.
#include <string>

namespace lm::cli {

// The program's start-up, then what the main window does when first shown: the default model and band
// (the first catalogue entry, band code 0, no override), the band limits, a new image, Modified := false.
void StartSession(const char* argv0);

// Loads a data file into gAll; throws Failure ("FILE: text") when it cannot, leaving gAll unchanged.
void LoadOrFail(const std::string& path);
// Saves gAll as a data file; throws Failure when it cannot, leaving any previous file as it was.
void SaveOrFail(const std::string& path);

}  // namespace lm::cli
