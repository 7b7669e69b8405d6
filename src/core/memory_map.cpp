#include "core/memory_map.h"

#include <algorithm>
#include <iterator>

#include "core/bits.h"

namespace lm {

namespace {

using C = FieldCodec;

constexpr MemoryField kSlotFields[] = {
    {.name = "RxFreq", .field = cfRxFreq, .offset = 0, .bytes = 4, .codec = C::BcdFreq, .max = 99999999},
    {.name = "TxFreq", .field = cfTxFreq, .offset = 4, .bytes = 4, .codec = C::BcdFreq, .max = 99999999},
    {.name = "RxTone", .field = cfRxTone, .offset = 8, .bytes = 2, .codec = C::ToneCode, .max = 0xFFFF},
    {.name = "TxTone", .field = cfTxTone, .offset = 10, .bytes = 2, .codec = C::ToneCode, .max = 0xFFFF},
    {.name = "Power", .field = cfPower, .offset = 12, .shift = 0, .width = 2, .max = 2, .fallback = 2},
    {.name = "Bandwidth",
     .field = cfBandwidth,
     .offset = 12,
     .shift = 3,
     .width = 1,
     .max = 1,
     .fallback = 0},
    {.name = "ScanAdd", .field = cfScanAdd, .offset = 12, .shift = 4, .width = 1, .max = 1, .fallback = 1},
    {.name = "Compander",
     .field = cfCompander,
     .offset = 12,
     .shift = 5,
     .width = 1,
     .max = 1,
     .fallback = 1},
    {.name = "Scrambler",
     .field = cfScrambler,
     .offset = 12,
     .shift = 6,
     .width = 1,
     .max = 1,
     .fallback = 1},
    {.name = "OverTone", .field = cfOverTone, .offset = 14, .shift = 0, .width = 1, .max = 1, .fallback = 1},
    {.name = "BusyLock", .field = cfBusyLock, .offset = 12, .shift = 2, .width = 1, .max = 1, .fallback = 1},
    {.name = "Epilogue", .field = cfEpilogue, .offset = 13, .shift = 0, .width = 2, .max = 2, .fallback = 1},
};

// The bits of a slot that no field holds.
constexpr MemoryField kSlotUnused[] = {
    {.name = "Unused", .offset = 12, .shift = 7, .width = 1},
    {.name = "Unused", .offset = 13, .shift = 2, .width = 6},
    {.name = "Unused", .offset = 14, .shift = 1, .width = 7},
    {.name = "Unused", .offset = 15},
};

constexpr bool InFieldOrder() {
    for (std::size_t i = 0; i < std::size(kSlotFields); ++i)
        if (kSlotFields[i].field != static_cast<int>(i)) return false;
    return std::size(kSlotFields) == cfEpilogue + 1;
}
static_assert(InFieldOrder(), "the slot's fields are listed in TChannelField order");

}  // namespace

std::span<const MemoryField> SlotFields() { return kSlotFields; }

std::span<const MemoryField> SlotUnused() { return kSlotUnused; }

const MemoryField& SlotField(int f) { return kSlotFields[static_cast<std::size_t>(f)]; }

std::uint8_t FieldMask(const MemoryField& f) {
    if (f.codec != FieldCodec::Bits) return 0xFF;
    return static_cast<std::uint8_t>(((1u << f.width) - 1u) << f.shift);
}

int ReadBits(const std::uint8_t* base, const MemoryField& f) {
    return std::min(GetField(base[f.offset], f.shift, f.width), f.max);
}

void WriteBits(std::uint8_t* base, const MemoryField& f, int value) {
    SetField(base[f.offset], f.shift, f.width, value);
}

int ReadBound16(const std::uint8_t* base, const MemoryField& f) {
    return base[f.offset] + 256 * base[f.offset + 1];
}

void WriteBound16(std::uint8_t* base, const MemoryField& f, int value) {
    base[f.offset] = static_cast<std::uint8_t>(value & 0xFF);
    base[f.offset + 1] = static_cast<std::uint8_t>(value >> 8 & 0xFF);
}

void WriteBytes(std::uint8_t* base, const MemoryField& f, const std::uint8_t* from) {
    if (from)
        std::copy(from, from + f.bytes, base + f.offset);
    else
        std::fill(base + f.offset, base + f.offset + f.bytes, std::uint8_t{0xFF});
}

}  // namespace lm
