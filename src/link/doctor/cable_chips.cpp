#include "link/doctor/cable_chips.h"

#include <array>
#include <cstdio>

namespace lm::doctor {
namespace {

constexpr std::array kChips{
    CableChip{0x067b, 0x2303, "Prolific PL2303"}, CableChip{0x1a86, 0x7523, "WCH CH340/CH341"},
    CableChip{0x1a86, 0x5523, "WCH CH341"},       CableChip{0x10c4, 0xea60, "Silicon Labs CP210x"},
    CableChip{0x0403, 0x6001, "FTDI FT232"},
};

}  // namespace

std::span<const CableChip> CableChips() { return kChips; }

const CableChip* FindCableChip(std::uint16_t vendor, std::uint16_t product) {
    for (const CableChip& chip : kChips)
        if (chip.vendor == vendor && chip.product == product) return &chip;
    return nullptr;
}

std::string UsbIdText(std::uint16_t vendor, std::uint16_t product) {
    char text[16];
    std::snprintf(text, sizeof text, "%04x:%04x", vendor, product);
    return text;
}

std::string ChipText(const CableChip& chip) {
    return std::string(chip.name) + " (" + UsbIdText(chip.vendor, chip.product) + ")";
}

}  // namespace lm::doctor
