#include "core/settings_text.h"

#include "core/printable.h"
#include "core/settings_table.h"

namespace lm {

std::string SettingAssignment::Where() const { return line > 0 ? "line " + std::to_string(line) + ": " : ""; }

std::optional<SettingAssignment> ParseSettingAssignment(std::string_view text, int line,
                                                        std::string& refusal) {
    SettingAssignment a;
    a.line = line;
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) {
        refusal = a.Where() + "expected KEY=VALUE: " + ShownValue(text);
        return std::nullopt;
    }
    a.text = text;
    a.key = text.substr(0, equals);
    a.value = text.substr(equals + 1);
    if (FindSettingByKey(a.key) == nullptr) {
        refusal = a.Where() + "unknown setting: " + ShownValue(a.key);
        return std::nullopt;
    }
    return a;
}

SettingsTextRead ReadSettingsText(std::string_view text) {
    SettingsTextRead read;
    int line = 0;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t end = text.find('\n', at);
        if (end == std::string_view::npos) end = text.size();
        std::string_view content = text.substr(at, end - at);
        at = end + 1;
        ++line;
        if (!content.empty() && content.back() == '\r') content.remove_suffix(1);
        if (content.find_first_not_of(" \t") == std::string_view::npos || content.front() == '#') continue;
        std::string refusal;
        std::optional<SettingAssignment> a = ParseSettingAssignment(content, line, refusal);
        if (!a && read.assignments.empty()) {
            read.foreign = true;
            read.refusal =
                "not a settings file: line " + std::to_string(line) + " is no KEY=VALUE line of a setting";
            return read;
        }
        if (!a) {
            read.refusal = refusal;
            read.assignments.clear();
            return read;
        }
        read.assignments.push_back(std::move(*a));
    }
    return read;
}

}  // namespace lm
