#include "settings/system_settings.h"

#include <charconv>
#include <climits>

#include "settings/ini_file.h"

namespace lm {
namespace {
constexpr std::string_view kSection = "SysInfo";
constexpr std::string_view kDefaultLanguages = "Chinese|English";
constexpr std::string_view kDefaultDisplayNames =
    "\xE4\xB8\xAD\xE6\x96\x87|\xE8\x8B\xB1\xE6\x96\x87";  // 中文|英文
}  // namespace

std::vector<std::string> SplitLanguageList(std::string_view text) {
    std::vector<std::string> items;
    while (!text.empty()) {
        size_t bar = text.find('|');
        if (bar == std::string_view::npos) {
            items.emplace_back(text);
            text = {};
        } else {
            items.emplace_back(text.substr(0, bar));
            text.remove_prefix(bar + 1);
        }
    }
    return items;
}

int DecimalOrZero(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return 0;
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, 10);
    if (ec != std::errc() || end != text.data() + text.size()) return 0;
    return value;
}

std::string ReadSystemSettings(Preferences& all, const std::string& settingsPath) {
    std::string problem;
    const IniFile ini = IniFile::Load(settingsPath, &problem);
    all.PortName = ini.Read(kSection, "Com", "Com1");
    const std::string id = ini.Read(kSection, "Language_ID", "0");
    all.HelpName = ini.Read(kSection, "Help", "QX");
    all.LanguageId = DecimalOrZero(id);
    const int pic = DecimalOrZero(ini.Read(kSection, "PicID", "0"));
    // PicId is the stored number plus one; INT_MAX stays as it is rather than overflowing.
    all.PicId = pic == INT_MAX ? pic : pic + 1;
    const auto names = SplitLanguageList(ini.Read(kSection, "Language", kDefaultLanguages));
    all.LanguageName.clear();
    if (all.LanguageId >= 0 && static_cast<size_t>(all.LanguageId) < names.size())
        all.LanguageName = names[static_cast<size_t>(all.LanguageId)];
    return problem;
}

bool WriteSystemSettings(const Preferences& all, const std::string& settingsPath, std::string* problem) {
    // An empty path: the program runs without a settings file.
    if (settingsPath.empty()) return true;
    std::string unread;
    IniFile ini = IniFile::Load(settingsPath, &unread);
    // A file that is there but could not be read is not replaced by the three keys alone.
    if (!unread.empty()) {
        if (problem != nullptr) *problem = unread;
        return false;
    }
    ini.Write(kSection, "Com", all.PortName);
    ini.Write(kSection, "Language_ID", std::to_string(all.LanguageId));
    // PicId - 1, computed without overflow for INT_MIN.
    ini.Write(kSection, "PicID", std::to_string(static_cast<long long>(all.PicId) - 1));
    return ini.Save(settingsPath, problem);
}

void ReadLanguageLists(const std::string& settingsPath, const std::string& languageName,
                       std::vector<std::string>& displayNames, std::vector<std::string>& internalNames) {
    const IniFile ini = IniFile::Load(settingsPath);
    internalNames = SplitLanguageList(ini.Read(kSection, "Language", kDefaultLanguages));
    displayNames = SplitLanguageList(ini.Read(kSection, languageName, kDefaultDisplayNames));
}

}  // namespace lm
