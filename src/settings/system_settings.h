#pragma once
// The settings that outlive a run, kept in section "SysInfo" of the settings file.
#include <string>
#include <string_view>
#include <vector>

#include "core/state.h"

namespace lm {

// Splits a "|"-separated list: "A|B|" gives A and B, "A||B" gives A, an empty item and B.
std::vector<std::string> SplitLanguageList(std::string_view text);
// A decimal number with optional sign and surrounding blanks; anything else (or out of range) counts as 0.
int DecimalOrZero(std::string_view text);

// Reads PortName, LanguageId, HelpName, PicId and LanguageName from the file; a missing file (or an empty
// path, no settings file at all) gives the defaults. Returns why a file that is there could not be read, else
// "".
std::string ReadSystemSettings(Preferences& all, const std::string& settingsPath);
// Writes Com, Language_ID and PicID (in this order), keeping every other line; creates the file when missing.
// An empty path writes nothing. False, with the step, file and reason in problem, when the file could not be
// read (it is then left as it is) or written.
bool WriteSystemSettings(const Preferences& all, const std::string& settingsPath,
                         std::string* problem = nullptr);
// The display names (key named after languageName) and the internal names (key "Language") of the languages.
void ReadLanguageLists(const std::string& settingsPath, const std::string& languageName,
                       std::vector<std::string>& displayNames, std::vector<std::string>& internalNames);

}  // namespace lm
