#include "settings/sheet_language.h"

#include <memory>

#include "settings/ini_file.h"

namespace lm {

SheetLookup LanguageFileLookup(const std::string& languageFilePath, std::string* problem) {
    auto file = std::make_shared<const IniFile>(IniFile::Load(languageFilePath, problem));
    return [file](std::string_view section, std::string_view key, std::string_view builtIn) {
        std::string text = file->Read(section, key, "");
        return text.empty() ? std::string(builtIn) : text;
    };
}

}  // namespace lm
