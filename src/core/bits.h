#pragma once
// Single-bit helpers for the flag bytes of the image.
#include <cstdint>
#include <string_view>

namespace lm {

// Bit k (0..7) of b; for any other k whether b is non-zero.
bool TestBit(std::uint8_t b, int k);
// Sets or clears bit k (0..7) of b; any other k leaves b unchanged.
void SetBit(std::uint8_t& b, int k, bool on);
// The field of `width` bits starting at bit `shift` of b (shift + width <= 8).
int GetField(std::uint8_t b, int shift, int width);
// Sets that field of b to value (cut to the field's width); the other bits stay.
void SetField(std::uint8_t& b, int shift, int width, int value);
// True when at least one character of set occurs in text.
bool ContainsAnyChar(std::string_view set, std::string_view text);

}  // namespace lm
