#pragma once
// Reading and writing the settings of the function windows (settings_table.h) on a state record. Every write
// changes only the bytes and bits of its own setting, so a window's store of all its values, or one
// command-line assignment, is a plain operation on the record that TDocument::Apply can take as one step.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings_table.h"
#include "core/state.h"

namespace lm {

// The items a list control offers for the state: the table's items, except that the key lists lose "Light"
// when the state's key layout is 3.
std::vector<std::string> OfferedItems(const TALL& state, const Setting& setting);
// The index of the offered item that shows the image's value. A key function that is not offered ("Light")
// shows the first item; a byte outside the items (never after SanitizeImage) gives -1.
int ReadItem(const TALL& state, const Setting& setting);
// Stores offered item `item`. Throws std::out_of_range for an index outside OfferedItems, std::logic_error
// for a setting that is no list.
void WriteItem(TALL& state, const Setting& setting, int item);

// The text a code field shows (the digits), or an FM bound in MHz ("88.000").
std::string ReadText(const TALL& state, const Setting& setting);

enum class SettingRefusal {
    None,
    UnknownKey,    // no setting has that key
    NotAnItem,     // the text is none of the offered items
    BadCharacter,  // a code character the field does not take
    TooLong,       // more characters than the code field takes
    ReadOnly,      // the setting cannot be written
};

struct SettingWrite {
    SettingRefusal refusal = SettingRefusal::None;
    // What the control shows after the write: the item text, or the code as the field keeps it (in capitals,
    // the ID code completed to three digits, an autodial memory cut to its length).
    std::string shown;
    bool cut = false;  // an autodial memory was longer than its field and was cut
    bool Ok() const { return refusal == SettingRefusal::None; }
};

// Stores a code field's text as its window stores it; a refused text changes nothing.
SettingWrite WriteCode(TALL& state, const Setting& setting, std::string_view text);

// The characters a code field takes, in capitals: the decimal digits for the ID code, the DTMF characters
// (0-9, A-D, # and *) for the others.
std::string_view CodeCharacters(const Setting& setting);
// The ID code as its field keeps it: completed with "0" to three digits.
std::string CompletedIdCode(std::string_view digits);
// An ID code whose first three digits are not all decimal becomes "000" (the image check).
void RepairIdCode(TALL& state);

// By key: the value as the window shows it, the item text (empty when no item shows) or the code's digits;
// nullopt for an unknown key.
std::optional<std::string> ReadSetting(const TALL& state, std::string_view key);
// By key: an item text (without regard to case) or a code; a refused value changes nothing.
SettingWrite WriteSetting(TALL& state, std::string_view key, std::string_view value);

}  // namespace lm
