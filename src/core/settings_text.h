#pragma once
// The settings of the function windows as text, one KEY=VALUE line each: what lm418t-cli settings prints,
// set --from reads and set takes on its command line.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lm {

struct SettingAssignment {
    int line = 0;      // the line of a settings text; 0 on the command line
    std::string text;  // as written: "vox-delay=1.5"
    std::string key;
    std::string value;
    // "line 4: " for a line of a text, "" on the command line.
    std::string Where() const;
};

// One KEY=VALUE word of a known setting; nullopt with the reason ("expected KEY=VALUE: …", "unknown setting:
// …", the word or key cut and escaped) otherwise. line is 0 for the command line.
std::optional<SettingAssignment> ParseSettingAssignment(std::string_view text, int line,
                                                        std::string& refusal);

struct SettingsTextRead {
    std::vector<SettingAssignment> assignments;
    std::string refusal;   // empty when every line was taken
    bool foreign = false;  // refused as no settings text at all
};

// The KEY=VALUE lines of a settings text; blank lines and lines starting with "#" are skipped, a line may end
// in CR LF. A text whose first such line is not an assignment of a known setting is no settings text at all
// and is refused without quoting it ("not a settings file: ..."), since it may be any file; a later line that
// is refused is named with a short escaped excerpt ("line 7: unknown setting: vox-levle").
SettingsTextRead ReadSettingsText(std::string_view text);

}  // namespace lm
