#pragma once
// What identifies a radio: the fields of the radio information window, shown alike by lm418t-cli info.
#include <string>
#include <vector>

#include "core/state.h"

namespace lm {

// The serial number text of Image[465..480]: the bytes from 33 to 126 as characters, every other byte (blank,
// control codes, 0xFF, the upper half) skipped.
std::string SerialNumberText(const ImageBytes& image);

// One field of the radio information window, top to bottom.
struct RadioInfoField {
    const char* label;      // design caption: "Model Type"
    const char* labelName;  // the label's component name for the language file: "Label1"
    const char* fieldName;  // the text field's component name: "cxModel"
    int maxLength;          // characters the field holds
    std::string (*value)(const TALL& all);
    const char* memoryField;           // the memory map's information field the text is shown from,
    const char* memoryLast = nullptr;  // or the fields from memoryField to this one
};

// Model Type, Frequency[MHz], Serial Number, Area, Write Time, Leave Factory Time.
const std::vector<RadioInfoField>& RadioInfoFields();

}  // namespace lm
