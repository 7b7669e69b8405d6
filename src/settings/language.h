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

// The text a message is shown with: the table's text of key when the table has that key and its text is not
// empty, otherwise builtIn (the message's English text, for keys the language file cannot translate too).
std::string MessageText(const TLanguage& table, std::string_view key, std::string_view builtIn);

// The language used when a language name cannot name a file.
inline constexpr const char* kFallbackLanguage = "English";
// True for a name that can only name a file beside the others: not empty, no "/" or "\\", no "..".
bool IsLanguageName(std::string_view name);

// The language file of a language: appDir + languageName + ".Ini" (appDir ends with the separator); a name
// that is no language name (IsLanguageName) gives the file of kFallbackLanguage, so it never reaches another
// folder.
std::string LanguageFilePath(const std::string& appDir, const std::string& languageName);
// Reads the 23 keys of section "Language" from the file, each with its built-in text as default. Why a file
// that is there could not be read goes to problem.
TLanguage LoadMessageTable(const std::string& languageFilePath, std::string* problem = nullptr);
// Loads the table of a language (its file in appDir) into table; returns why its file could not be read,
// empty when it could (or is missing).
std::string LoadMessageTable(TLanguage& table, const std::string& appDir, const std::string& languageName);

}  // namespace lm
