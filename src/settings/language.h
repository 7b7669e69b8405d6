#pragma once
// The message table of the current language.
#include <string>
#include <string_view>

namespace lm {

struct TLanguage {
    std::string Confirmation = "Confirmation";
    std::string ExitProgram = "Do you wish to exit program?";
    std::string SaveProgram = "Do you wish to save the changes?";
    std::string Channel = "Channel";
    std::string Info = " Information";
    std::string OutRange = "Frequecy is Out of range.";
    std::string Caution = "Caution";
    std::string FChBigT = "Start Channel must less than End Channel!";
    std::string Close = "Closed";
    std::string Open = "Opened";
    std::string ComError = "Please check all connections and communication port settings.";
    std::string ModError = "Model Type Wrong.";
    std::string PwdError = "Pass Word Wrong.";
    std::string ClearData = "Do you wish to Clear Data?";
    std::string Modforce = "Do you wish to Force write data?";
    std::string FileExists = "The File is Exists,Replace it?";
    std::string All = "All";
    std::string ErrRange = "The frequecy number come amiss!";
    std::string ModelType = "Model Type";
    std::string Frequency = "Frequency";
    std::string ReadOk = "Reading Completed.";
    std::string WriteOk = "Writing Completed.";
    std::string PortError = "Cannot Open Communication Port.";

    // The field of a key (case-insensitive), or nullptr for an unknown key.
    std::string* Field(std::string_view key);
    const std::string* Field(std::string_view key) const;
    // The text of a key; empty for an unknown key.
    std::string Text(std::string_view key) const;
};

// The 23 keys of section "Language", in table order.
constexpr int kMessageKeyCount = 23;
extern const std::string_view kMessageKeys[kMessageKeyCount];

// The language file of a language: appDir + languageName + ".Ini" (appDir ends with the separator).
std::string LanguageFilePath(const std::string& appDir, const std::string& languageName);
// Reads the 23 keys of section "Language" from the file, each with its built-in text as default.
TLanguage LoadMessageTable(const std::string& languageFilePath);
// Loads the table of a language (its file in appDir) into table.
void LoadMessageTable(TLanguage& table, const std::string& appDir, const std::string& languageName);

}  // namespace lm
