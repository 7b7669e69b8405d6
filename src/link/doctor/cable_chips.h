#pragma once
// The USB serial chips that programming cables are built on: the ones the cable rule gives the user at the
// seat and hides from modem managers, and the ones a braille display service may wrongly claim.
#include <cstdint>
#include <span>
#include <string>

namespace lm::doctor {

struct CableChip {
    std::uint16_t vendor;
    std::uint16_t product;
    const char* name;
};

std::span<const CableChip> CableChips();
// The chip with these USB ids, or nullptr.
const CableChip* FindCableChip(std::uint16_t vendor, std::uint16_t product);
// "WCH CH340/CH341 (1a86:7523)".
std::string ChipText(const CableChip& chip);
// "1a86:7523".
std::string UsbIdText(std::uint16_t vendor, std::uint16_t product);

// The file name of the cable rule as installed (in a udev rules folder).
constexpr const char* kCableRuleName = "70-lm418t-cable.rules";

}  // namespace lm::doctor
