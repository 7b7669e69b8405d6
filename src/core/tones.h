#pragma once
// The fixed tone lists shared by the channel windows and the tone picker.
#include <string>
#include <vector>

namespace lm {

// The 205 items of the tone boxes: "None", 39 CTCSS tones, 83 DCS-N codes, 82 DCS-I codes.
const std::vector<std::string>& ToneBoxItems();
// The picker's source entries (133): 42 CTCSS entries "01-67.0-XZ" and 3 empty ones (0..44),
// then 85 DCS entries "1-D023" and 3 empty ones (45..132).
const std::vector<std::string>& TonePickerEntries();
constexpr int kPickerCtcssFirst = 0;
constexpr int kPickerCtcssCount = 42;
constexpr int kPickerDcsFirst = 45;
constexpr int kPickerDcsCount = 85;

// The standard sets the lists are drawn from.
const std::vector<std::string>& StandardCtcssTones();  // 50 tones, "67.0" .. "254.1"
const std::vector<std::string>& StandardDcsCodes();    // 104 codes, "023" .. "754"

}  // namespace lm
