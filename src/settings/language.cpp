#include "settings/language.h"

#include "settings/ini_file.h"

namespace lm {

const std::string_view kMessageKeys[kMessageKeyCount] = {
    "Confirmation", "ExitProgram", "SaveProgram", "Channel",    "Info",     "OutRange",
    "Caution",      "FChBigT",     "Close",       "Open",       "ComError", "ModError",
    "PwdError",     "ClearData",   "Modforce",    "FileExists", "All",      "ErrRange",
    "ModelType",    "Frequency",   "ReadOk",      "WriteOk",    "PortError"};

namespace {

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

template <typename L>
auto FieldOf(L& t, std::string_view key) -> decltype(&t.Confirmation) {
    decltype(&t.Confirmation) fields[kMessageKeyCount] = {
        &t.Confirmation, &t.ExitProgram, &t.SaveProgram, &t.Channel,    &t.Info,     &t.OutRange,
        &t.Caution,      &t.FChBigT,     &t.Close,       &t.Open,       &t.ComError, &t.ModError,
        &t.PwdError,     &t.ClearData,   &t.Modforce,    &t.FileExists, &t.All,      &t.ErrRange,
        &t.ModelType,    &t.Frequency,   &t.ReadOk,      &t.WriteOk,    &t.PortError};
    for (int i = 0; i < kMessageKeyCount; ++i)
        if (SameName(kMessageKeys[i], key)) return fields[i];
    return nullptr;
}

}  // namespace

std::string* TLanguage::Field(std::string_view key) { return FieldOf(*this, key); }
const std::string* TLanguage::Field(std::string_view key) const { return FieldOf(*this, key); }

std::string TLanguage::Text(std::string_view key) const {
    const std::string* f = Field(key);
    return f ? *f : std::string();
}

std::string MessageText(const TLanguage& table, std::string_view key, std::string_view builtIn) {
    const std::string* text = table.Field(key);
    return text != nullptr && !text->empty() ? *text : std::string(builtIn);
}

bool IsLanguageName(std::string_view name) {
    return !name.empty() && name.find_first_of("/\\") == std::string_view::npos &&
           name.find("..") == std::string_view::npos;
}

std::string LanguageFilePath(const std::string& appDir, const std::string& languageName) {
    return appDir + (IsLanguageName(languageName) ? languageName : std::string(kFallbackLanguage)) + ".Ini";
}

TLanguage LoadMessageTable(const std::string& languageFilePath, std::string* problem) {
    const IniFile ini = IniFile::Load(languageFilePath, problem);
    TLanguage table;
    for (std::string_view key : kMessageKeys) {
        std::string* f = table.Field(key);
        *f = ini.Read("Language", key, *f);
    }
    return table;
}

std::string LoadMessageTable(TLanguage& table, const std::string& appDir, const std::string& languageName) {
    std::string problem;
    table = LoadMessageTable(LanguageFilePath(appDir, languageName), &problem);
    return problem;
}

}  // namespace lm
