#include "settings/ini_file.h"

#include "core/file_io.h"
#include "settings/text_codec.h"

namespace lm {
namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

std::string_view StripBom(std::string_view s) {
    if (s.size() >= 3 && s.substr(0, 3) == "\xEF\xBB\xBF") s.remove_prefix(3);
    return s;
}

// The section name of a header line "[name]", or false when the line is no header.
bool HeaderName(std::string_view line, std::string_view& name) {
    std::string_view t = Trim(StripBom(line));
    if (t.size() < 2 || t.front() != '[') return false;
    size_t close = t.find(']');
    if (close == std::string_view::npos) return false;
    name = Trim(t.substr(1, close - 1));
    return true;
}

bool KeyOf(std::string_view line, std::string_view& key, std::string_view& value) {
    std::string_view t = Trim(StripBom(line));
    if (t.empty() || t.front() == ';' || t.front() == '#') return false;
    size_t eq = t.find('=');
    if (eq == std::string_view::npos) return false;
    key = Trim(t.substr(0, eq));
    value = Trim(t.substr(eq + 1));
    return true;
}

}  // namespace

IniFile IniFile::Parse(std::string_view bytes) {
    IniFile f;
    if (bytes.find("\r\n") == std::string_view::npos && bytes.find('\n') != std::string_view::npos)
        f.eol_ = "\n";
    size_t pos = 0;
    while (pos < bytes.size()) {
        size_t end = bytes.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) {
            f.lines_.emplace_back(bytes.substr(pos));
            break;
        }
        f.lines_.emplace_back(bytes.substr(pos, end - pos));
        if (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') ++end;
        pos = end + 1;
    }
    return f;
}

IniFile IniFile::Load(const std::string& path, std::string* problem) {
    std::string bytes;
    const FileOutcome read = ReadInputFile(path, InputKind::IniFile, bytes);
    if (!read.ok) {
        if (problem != nullptr && !read.missing) *problem = "Cannot read " + path + ": " + read.reason;
        return {};
    }
    return Parse(DecodeFileText(bytes));
}

int IniFile::FindSection(std::string_view section) const {
    std::string_view name;
    for (size_t i = 0; i < lines_.size(); ++i)
        if (HeaderName(lines_[i], name) && SameName(name, Trim(section))) return static_cast<int>(i);
    return -1;
}

int IniFile::SectionEnd(int header) const {
    std::string_view name;
    size_t i = static_cast<size_t>(header) + 1;
    while (i < lines_.size() && !HeaderName(lines_[i], name)) ++i;
    return static_cast<int>(i);
}

int IniFile::FindKey(int header, std::string_view key) const {
    std::string_view k, v;
    int end = SectionEnd(header);
    for (int i = header + 1; i < end; ++i)
        if (KeyOf(lines_[static_cast<size_t>(i)], k, v) && SameName(k, Trim(key))) return i;
    return -1;
}

bool IniFile::Has(std::string_view section, std::string_view key) const {
    int h = FindSection(section);
    return h >= 0 && FindKey(h, key) >= 0;
}

std::string IniFile::Read(std::string_view section, std::string_view key, std::string_view fallback) const {
    if (Trim(key).empty()) return std::string(fallback);
    int h = FindSection(section);
    if (h < 0) return std::string(fallback);
    int k = FindKey(h, key);
    if (k < 0) return std::string(fallback);
    std::string_view name, value;
    KeyOf(lines_[static_cast<size_t>(k)], name, value);
    // A value in double or single quotes has them removed, as profile strings do; so a value can keep blanks
    // at its ends.
    if (value.size() >= 2 && value.front() == value.back() &&
        (value.front() == '"' || value.front() == '\'')) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value);
}

void IniFile::Write(std::string_view section, std::string_view key, std::string_view value) {
    std::string line = std::string(Trim(key)) + "=" + std::string(value);
    int h = FindSection(section);
    if (h < 0) {
        if (!lines_.empty() && !Trim(lines_.back()).empty()) lines_.emplace_back();
        lines_.push_back("[" + std::string(Trim(section)) + "]");
        lines_.push_back(line);
        return;
    }
    int k = FindKey(h, key);
    if (k >= 0) {
        lines_[static_cast<size_t>(k)] = line;
        return;
    }
    // After the last non-blank line of the section.
    int end = SectionEnd(h);
    int at = end;
    while (at > h + 1 && Trim(lines_[static_cast<size_t>(at - 1)]).empty()) --at;
    lines_.insert(lines_.begin() + at, line);
}

std::string IniFile::Text() const {
    std::string out;
    for (const auto& l : lines_) out += l + eol_;
    return out;
}

bool IniFile::Save(const std::string& path, std::string* problem) const {
    const FileOutcome saved = ReplaceFile(path, Text());
    if (!saved.ok && problem != nullptr) *problem = "Cannot save " + path + ": " + saved.reason;
    return saved.ok;
}

std::string IniRead(const std::string& path, std::string_view section, std::string_view key,
                    std::string_view fallback) {
    return IniFile::Load(path).Read(section, key, fallback);
}

bool IniWrite(const std::string& path, std::string_view section, std::string_view key,
              std::string_view value) {
    IniFile f = IniFile::Load(path);
    f.Write(section, key, value);
    return f.Save(path);
}

}  // namespace lm
