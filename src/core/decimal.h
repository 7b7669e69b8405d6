#pragma once
// Decimal numbers as the program reads and writes them: digits with "." whatever the locale, held as whole
// counts of 10^-decimals, so that no floating point rounding touches a frequency or a tone.
#include <optional>
#include <string>
#include <string_view>

namespace lm {

// The most whole digits a number may have; longer numbers are not read.
constexpr int kMaxWholeDigits = 12;

// "[+-]digits[.digits]" (digits on at least one side of the point) in units of 10^-decimals, rounded half
// away from zero; nullopt for any other text and for more than kMaxWholeDigits whole digits.
std::optional<long long> ParseScaled(std::string_view text, int decimals);
// value / 10^decimals with that many decimals after "." (none and no point for 0 decimals).
std::string FormatScaled(long long value, int decimals);

}  // namespace lm
