#pragma once
// The channel sheet: what a printed page about one data file shows (title, the channel table, the settings of
// the function windows, the radio information), and the sheet as a self-contained HTML document. Every label
// comes through a lookup, so the sheet follows the language of the windows; the caller supplies one backed by
// a language file (settings/sheet_language.h), or NoTranslation for the built-in English texts.
#include <string>
#include <string_view>
#include <vector>

#include "core/shown_texts.h"
#include "core/state.h"

namespace lm {

// The sheet's texts come through the lookup of the windows' texts (core/shown_texts.h).
using SheetLookup = TextLookup;

// The section of the language files holding the sheet's own texts.
inline constexpr std::string_view kSheetSection = "fSheet";

struct SheetField {
    std::string label;
    std::string value;
};

struct SheetChannel {
    bool present = false;
    std::vector<std::string> cells;  // the 13 columns; for an empty channel its number and the empty text
};

struct SheetGroup {
    std::string caption;  // the window's caption: "Key Function"
    std::vector<SheetField> fields;
};

struct Sheet {
    std::string title;               // "Channel Sheet"
    std::vector<SheetField> header;  // model, band, data file, date
    std::string channelsCaption;
    std::vector<std::string> columns;    // the grid's 13 titles; a "|" breaks a title into two lines
    std::vector<SheetChannel> channels;  // every channel of the model
    std::string settingsCaption;
    std::vector<SheetGroup> settings;  // the five settings windows
    std::string infoCaption;
    std::vector<SheetField> info;  // the radio information window's fields
    std::string footer;            // "Printed by lm418t"
};

struct SheetSource {
    std::string dataFile;  // the data file's path; "" for an image never saved
    std::string date;      // yyyy-mm-dd
};

// The sheet of the state's image.
Sheet BuildSheet(const TALL& state, const SheetSource& source, const SheetLookup& lookup);

// The text with &, <, >, " and ' replaced by their HTML entities.
std::string HtmlEscape(std::string_view text);

// The sheet as a complete UTF-8 HTML document for printing.
std::string SheetHtml(const Sheet& sheet);

}  // namespace lm
