#include "link/area_table.h"

#include <iterator>

#include "core/memory_map.h"
#include "core/state.h"

namespace lm {
namespace {

constexpr std::string_view kRows[] = {
#include "resources/area_table.inc"
};
static_assert(std::size(kRows) == kAreaRowCount, "the area table has rows 0 to 316");

bool IsTrimmed(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u <= 0x20 || u == 0x7F;  // blanks and control characters; UTF-8 bytes are >= 0x80
}

std::string Trim(std::string_view s) {
    std::size_t first = 0;
    std::size_t last = s.size();
    while (first < last && IsTrimmed(s[first])) ++first;
    while (last > first && IsTrimmed(s[last - 1])) --last;
    return std::string(s.substr(first, last - first));
}

// Cuts the text up to the next '|' off the front of `rest`; the whole rest when there is none.
std::string_view TakeField(std::string_view& rest) {
    const std::size_t bar = rest.find('|');
    if (bar == std::string_view::npos) {
        std::string_view all = rest;
        rest = {};
        return all;
    }
    std::string_view field = rest.substr(0, bar);
    rest.remove_prefix(bar + 1);
    return field;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string RowName(int row, bool useChinese) {
    TAreaRow r = SplitAreaRow(AreaRowText(row));
    return useChinese ? r.Chinese : r.English;
}

// The parent row named by the first three digits of a range; 0 for none or for anything that is not a row.
int ParentRow(const std::string& range) {
    if (range.size() < 3 || !IsDigit(range[0]) || !IsDigit(range[1]) || !IsDigit(range[2])) return 0;
    const int p = (range[0] - '0') * 100 + (range[1] - '0') * 10 + (range[2] - '0');
    return p < kAreaRowCount ? p : 0;
}

}  // namespace

std::string_view AreaRowText(int row) {
    if (row < 0 || row >= kAreaRowCount) return {};
    return kRows[static_cast<std::size_t>(row)];
}

TAreaRow SplitAreaRow(std::string_view row) {
    TAreaRow r;
    std::string_view rest = row;
    r.Code = Trim(TakeField(rest));
    r.Range = Trim(TakeField(rest));
    r.English = Trim(TakeField(rest));
    r.Chinese = Trim(rest);  // the rest, '|' included
    return r;
}

std::string AreaCodeText(std::uint8_t b0, std::uint8_t b1) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    return {kHex[b0 >> 4], kHex[b0 & 0x0F], kHex[b1 >> 4], kHex[b1 & 0x0F]};
}

std::string AreaCodeOf(const ImageBytes& image) {
    const auto first = static_cast<std::size_t>(InfoField("AreaCode").offset);
    return AreaCodeText(image[first], image[first + 1]);
}

std::string LookupAreaName(const std::string& code, bool useChinese) {
    if (code.size() != 4) return {};

    if (code[0] >= '1' && code[0] <= '9') {
        if (IsDigit(code[1]) && IsDigit(code[2]) && IsDigit(code[3]))
            return RowName(kAreaUserDefinedRow, useChinese) + " - " + code;
        return RowName(kAreaUnknownRow, useChinese);
    }

    for (int r = 1; r < kAreaRowCount; ++r) {
        const TAreaRow row = SplitAreaRow(AreaRowText(r));
        if (row.Code == "FFFF" || row.Code.empty()) break;
        if (row.Code != code) continue;
        const int p = ParentRow(row.Range);
        const std::string name = useChinese ? row.Chinese : row.English;
        if (p == 0) return name;
        return RowName(p, useChinese) + " - " + name;
    }
    return RowName(kAreaUnknownRow, useChinese);
}

void DecodeAreaCode(TALL& state, int languageId) {
    state.AreaCode = AreaCodeOf(state.Image);
    state.AreaText = LookupAreaName(state.AreaCode, languageId > 0);
}

}  // namespace lm
