#pragma once
// INI files with the rules of profile strings: section and key names match without regard to case, a missing
// file, section or key gives the default, and writing one key leaves every other line of the file untouched.
#include <string>
#include <string_view>
#include <vector>

namespace lm {

class IniFile {
public:
    IniFile() = default;
    // Parses the text of a file (any line ends; a leading UTF-8 byte order mark is kept with the first line).
    static IniFile Parse(std::string_view bytes);
    // Loads a file, decoding its text to UTF-8 (see DecodeFileText); a missing or unreadable file gives an
    // empty one. Only a regular file of at most kIniFileLimit bytes is read; why another file was not read (a
    // folder, a FIFO, a huge file, no permission) goes to problem, a missing file is no problem. Saving
    // writes UTF-8.
    static IniFile Load(const std::string& path, std::string* problem = nullptr);

    std::string Read(std::string_view section, std::string_view key, std::string_view fallback) const;
    bool Has(std::string_view section, std::string_view key) const;
    // Sets one key, adding the key (and the section) when missing.
    void Write(std::string_view section, std::string_view key, std::string_view value);
    std::string Text() const;
    // Replaces the file with the text (ReplaceFile); false on failure, with the step, file and reason in
    // problem.
    bool Save(const std::string& path, std::string* problem = nullptr) const;

private:
    // Index of the line of the section header, or -1.
    int FindSection(std::string_view section) const;
    // Index of the key line within the section starting after header line `header`, or -1.
    int FindKey(int header, std::string_view key) const;
    int SectionEnd(int header) const;

    std::vector<std::string> lines_;
    std::string eol_ = "\r\n";
};

// Reads one value from a file (the file is read each call).
std::string IniRead(const std::string& path, std::string_view section, std::string_view key,
                    std::string_view fallback);
// Writes one value into a file, creating the file when missing; false when the file cannot be written.
bool IniWrite(const std::string& path, std::string_view section, std::string_view key,
              std::string_view value);

}  // namespace lm
