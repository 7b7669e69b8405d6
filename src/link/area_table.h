#pragma once
// The built-in area table: turns a radio's two area bytes into a region and city name.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/state.h"

namespace lm {

constexpr int kAreaRowCount = 317;       // rows 0..316
constexpr int kAreaUnknownRow = 0;       // fallback for codes not in the table
constexpr int kAreaUserDefinedRow = 36;  // "User-Defined"
constexpr int kAreaEndRow = 316;         // end marker, code "FFFF"

// One row split into its four fields, blanks and control characters trimmed.
struct TAreaRow {
    std::string Code;   // four hexadecimal characters
    std::string Range;  // "rrr-rrr": first three digits name the parent row, 000 for none
    std::string English;
    std::string Chinese;  // UTF-8
};

// The raw text of row `row` (0..316), "" for any other number.
std::string_view AreaRowText(int row);

// Splits "code|range|English|Chinese"; missing fields are empty.
TAreaRow SplitAreaRow(std::string_view row);

// Four uppercase hexadecimal digits: high and low half of b0, then of b1.
std::string AreaCodeText(std::uint8_t b0, std::uint8_t b1);
// The AreaCodeText of the area code bytes of an image.
std::string AreaCodeOf(const ImageBytes& image);

// The description of a four-character area code: "Region - City", a region's own name, "User-Defined - 1234",
// or the unknown-area name; "" when the code is not four characters long.
std::string LookupAreaName(const std::string& code, bool useChinese);

// Sets the state's AreaCode from the area bytes of its image and AreaText from it, in Chinese when languageId
// (of the windows' language) is greater than 0.
void DecodeAreaCode(TALL& state, int languageId);

}  // namespace lm
