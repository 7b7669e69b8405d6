#pragma once
// The channel sheet's texts from a language file.
#include <string>

#include "core/channel_sheet.h"

namespace lm {

// A lookup answering from the language file at path (read once, now); a missing file, section or key, or an
// empty text, gives the built-in text. Why a file that is there could not be read goes to problem.
SheetLookup LanguageFileLookup(const std::string& languageFilePath, std::string* problem = nullptr);

}  // namespace lm
