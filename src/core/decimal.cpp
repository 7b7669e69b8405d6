#include "core/decimal.h"

namespace lm {

std::optional<long long> ParseScaled(std::string_view t, int decimals) {
    bool negative = false;
    if (!t.empty() && (t.front() == '+' || t.front() == '-')) {
        negative = t.front() == '-';
        t.remove_prefix(1);
    }
    long long value = 0;
    int whole = 0, fraction = 0;
    bool point = false, roundUp = false, any = false;
    for (const char c : t) {
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (c < '0' || c > '9') return std::nullopt;
        any = true;
        if (!point) {
            if (++whole > kMaxWholeDigits) return std::nullopt;
            value = value * 10 + (c - '0');
        } else if (fraction < decimals) {
            value = value * 10 + (c - '0');
            ++fraction;
        } else if (fraction++ == decimals) {
            roundUp = c >= '5';
        }
    }
    if (!any) return std::nullopt;
    for (; fraction < decimals; ++fraction) value *= 10;
    if (roundUp) ++value;
    return negative ? -value : value;
}

std::string FormatScaled(long long value, int decimals) {
    const bool negative = value < 0;
    if (negative) value = -value;
    long long divisor = 1;
    for (int i = 0; i < decimals; ++i) divisor *= 10;
    std::string text = (negative ? "-" : "") + std::to_string(value / divisor);
    if (decimals <= 0) return text;
    std::string fraction = std::to_string(value % divisor);
    fraction.insert(0, static_cast<std::size_t>(decimals) - fraction.size(), '0');
    return text + "." + fraction;
}

}  // namespace lm
