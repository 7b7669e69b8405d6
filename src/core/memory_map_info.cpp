// The radio information's fields of the memory map, and the bytes no field holds.
#include <stdexcept>
#include <string>

#include "core/memory_map.h"

namespace lm {

namespace {

using C = FieldCodec;

constexpr MemoryField kInfoFields[] = {
    {.name = "IdentTag", .offset = img::kIdentFirst, .codec = C::Text},  // "P"
    {.name = "ModelCode", .offset = img::kIdentFirst + 1, .bytes = 4, .codec = C::Text},
    {.name = "BandCode", .offset = img::kBandCode, .max = 255},
    {.name = "IdentEnd", .offset = img::kBandCode + 1, .bytes = 2},  // always 0
    {.name = "AreaCode", .offset = img::kAreaCodeFirst, .bytes = 2, .codec = C::PackedDigits, .max = 4},
    {.name = "Password", .offset = img::kPasswordFirst, .bytes = img::kPasswordBytes, .codec = C::Text},
    {.name = "WriteStamp", .offset = img::kWriteStamp, .bytes = 7, .codec = C::TimeStamp},
    {.name = "SerialNumber", .offset = img::kSerialText, .bytes = 16, .codec = C::Text},
    {.name = "FactoryStamp", .offset = img::kFactoryStamp, .bytes = 7, .codec = C::TimeStamp},
};

// Whole bytes outside the channel slots that no field holds (Image indexes), and the unused bits of the
// settings' flag bytes.
constexpr MemoryField kImageUnused[] = {
    {.name = "Unused", .offset = 1, .bytes = 16},
    {.name = "Unused", .offset = img::kChannelsLast + 1, .bytes = 16},
    {.name = "Unused", .offset = img::kFmVolume + 1, .bytes = 2},
    {.name = "Unused", .offset = img::kSosBits, .shift = 5, .width = 3},
    {.name = "Unused", .offset = img::kScanFirst + 4},
    {.name = "Unused", .offset = img::kAutodialFirst + 6, .bytes = 2},
    {.name = "Unused", .offset = img::kAutodialFirst + 14, .bytes = 2},
    {.name = "Unused", .offset = img::kAutodialFirst + 22, .bytes = 2},
    {.name = "Unused", .offset = img::kAutodialFirst + 30, .bytes = 2},
    {.name = "Unused", .offset = img::kAutodialFirst + 38, .bytes = 2},
    {.name = "Unused", .offset = img::kAutodialFirst + 46, .bytes = 2},
    {.name = "Unused", .offset = img::kAutodialFirst + 54, .bytes = 2},
    {.name = "Unused", .offset = img::kAutodialFirst + 62, .bytes = 2},
    {.name = "Unused",
     .offset = img::kAutodialFirst + img::kAutodialCount * img::kAutodialStride,
     .bytes = 16},
    {.name = "Unused", .offset = img::kWriteStamp + 7, .bytes = 9},
    {.name = "Unused", .offset = img::kFactoryStamp + 7, .bytes = 25},
    {.name = "Block32", .offset = img::kBlock32First, .bytes = 16},
};

}  // namespace

std::span<const MemoryField> InfoFields() { return kInfoFields; }

const MemoryField& InfoField(std::string_view name) {
    for (const MemoryField& f : kInfoFields)
        if (f.name == name) return f;
    throw std::out_of_range("no information field " + std::string(name));
}

std::span<const MemoryField> ImageUnused() { return kImageUnused; }

}  // namespace lm
