#pragma once
// The settings of the five function windows (keys, VOX, optional functions, scan, DTMF): one table saying,
// for every control, where its value lives in the image, which items it offers and how an item is encoded.
// The windows lay out their controls and bind them to these entries by component name; the command line
// reaches the same entries by key. Reading and writing go through settings_access.h.
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lm {

enum class SettingWindow { KeyFunction, VoxFunction, OptionalFunction, ScanInformation, Dtmf };

// How the value of a control is kept in the image.
enum class SettingEncoding {
    ItemIndex,      // the byte holds the item index
    BitField,       // the bits (shift, width) of the byte hold the item index; other bits stay
    KeyList,        // the byte holds the entry's index in the full key list (`items`); "Light" is not offered
                    // with key layout 3
    VoxLevel,       // bit 0 set is "OFF" (setting it keeps the other bits); else level (value / 2) + 1
    Voice,          // bits 0-1: 01 "English", 11 "China", else "Off"; "Off" clears bit 0 only
    StarHashTone,   // bits 0-1: 3 is item 0 ("0"), v < 3 is item v + 1
    CodeSpaceTime,  // bits 2-5: item (v + 1) mod 16, so item 0 ("0s") is 15
    StunType,       // bit 7: 1 is item 0 ("Tx Inhibit")
    DigitCode,      // packed DTMF digits at `byte` with their count in `lengthByte`
    IdCode,         // ten packed decimal digits at `byte`, completed to three digits, "*" after them
    Autodial,       // like DigitCode; a longer text is cut to `maxDigits` characters
    FmBound,        // a 16-bit value in 25 kHz units, low byte first; shown in MHz, never written
    Unbound,        // a control that keeps no value
};

struct Setting {
    SettingWindow window;
    std::string_view component;  // the control's name, which the language files translate: "cxVox"
    std::string_view label;      // the English label: "VOX Gain Level"
    std::string_view key;        // the command line's name: "vox-level"; empty for the hidden controls
    SettingEncoding encoding;
    int byte = 0;                    // Image index of the value (of the digits for codes); 0 for Unbound
    int shift = 0;                   // first bit of the value's bits
    int width = 8;                   // bits of the value
    std::vector<std::string> items;  // the items the control holds; empty for codes and FM bounds
    int lengthByte = 0;              // Image index of a code's digit count; 0 for the ID code
    int maxDigits = 0;               // characters a code field takes
    bool hidden = false;             // the window holds the control but never shows it
    // The label that names the control in its window, as the language file knows it ("L1": "<label>.Caption";
    // a check box is its own label, the autodial memories share the caption of their page "cxAuto"), and the
    // frame around it where the label alone does not tell two settings apart ("Lkey1", "Key - 1").
    std::string_view labelComponent{};
    std::string_view groupComponent{};
    std::string_view groupLabel{};
    std::string_view field{};  // the memory map's field of the value; empty for Unbound
};

// Every setting, window by window in the windows' storing order.
std::span<const Setting> SettingsTable();
// The settings of one window, in storing order.
std::vector<const Setting*> WindowSettings(SettingWindow window);
// The caption of a window: "Key Function".
std::string_view WindowCaption(SettingWindow window);
// nullptr when there is no such key / no such control in that window.
const Setting* FindSettingByKey(std::string_view key);
const Setting* FindSettingByComponent(SettingWindow window, std::string_view component);

bool IsCode(const Setting& setting);

}  // namespace lm
