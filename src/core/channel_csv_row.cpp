#include "core/channel_csv_row.h"

#include <cctype>

#include "core/printable.h"

namespace lm::csv {

RowReading Refuse(std::string reason) {
    RowReading reading;
    reading.kind = RowReading::Kind::Refuse;
    reading.reason = std::move(reason);
    return reading;
}

RowReading Skip(std::string reason) {
    RowReading reading;
    reading.kind = RowReading::Kind::Skip;
    reading.reason = std::move(reason);
    return reading;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
    return text;
}

bool IsDigits(std::string_view text) {
    if (text.empty()) return false;
    for (const char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

bool IsDecimal(std::string_view text) {
    if (!text.empty() && text.front() == '-') text.remove_prefix(1);
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos) return IsDigits(text);
    const std::string_view whole = text.substr(0, point), part = text.substr(point + 1);
    return (whole.empty() || IsDigits(whole)) && (part.empty() || IsDigits(part)) &&
           !(whole.empty() && part.empty());
}

long long ScaledOf(std::string_view text, int decimals) {
    // Past the longest number the parser reads, every frequency and tone is out of range already.
    constexpr long long kTooLarge = 1'000'000'000'000'000LL;
    const std::optional<long long> value = ParseScaled(text, decimals);
    if (value) return *value;
    return !text.empty() && text.front() == '-' ? -kTooLarge : kTooLarge;
}

int ChannelNumberOf(std::string_view digits) {
    int n = 0;
    for (const char c : digits) {
        n = n * 10 + (c - '0');
        if (n > 9999) return 9999;
    }
    return n;
}

std::string NumberProblem(std::string_view column, std::string_view text) {
    if (text.empty() || IsDecimal(text)) return {};
    return std::string(column) + " \"" + ShownValue(text) + "\" is not a number";
}

}  // namespace lm::csv
