#include "core/bits.h"

namespace lm {

bool TestBit(std::uint8_t b, int k) {
    if (k < 0 || k > 7) return b != 0;
    return ((b >> k) & 1u) != 0;
}

void SetBit(std::uint8_t& b, int k, bool on) {
    if (k < 0 || k > 7) return;
    const auto mask = static_cast<std::uint8_t>(1u << k);
    b = on ? static_cast<std::uint8_t>(b | mask) : static_cast<std::uint8_t>(b & ~mask);
}

int GetField(std::uint8_t b, int shift, int width) {
    const unsigned mask = (1u << width) - 1u;
    return static_cast<int>((b >> shift) & mask);
}

void SetField(std::uint8_t& b, int shift, int width, int value) {
    const unsigned mask = ((1u << width) - 1u) << shift;
    const unsigned bits = (static_cast<unsigned>(value) << shift) & mask;
    b = static_cast<std::uint8_t>((b & ~mask) | bits);
}

bool ContainsAnyChar(std::string_view set, std::string_view text) {
    return text.find_first_of(set) != std::string_view::npos;
}

}  // namespace lm
