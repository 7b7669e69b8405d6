// The settings' fields of the memory map.
#include <stdexcept>
#include <string>
#include <vector>

#include "core/memory_map.h"

namespace lm {

namespace {

using C = FieldCodec;

// A whole byte holding an item index 0..max; a value above max reads as fallback.
constexpr MemoryField Byte(std::string_view name, int index, int max, int fallback) {
    return {.name = name, .offset = index, .max = max, .fallback = fallback};
}

// `width` bits from bit `shift` of a flag byte: an item index.
constexpr MemoryField Flag(std::string_view name, int index, int shift, int width) {
    return {.name = name, .offset = index, .shift = shift, .width = width, .max = (1 << width) - 1};
}

// At most `digits` DTMF digits, two a byte.
constexpr MemoryField Digits(std::string_view name, int index, int digits) {
    return {
        .name = name, .offset = index, .bytes = (digits + 1) / 2, .codec = C::PackedDigits, .max = digits};
}

std::vector<MemoryField> BuildSettingFields() {
    std::vector<MemoryField> t = {
        Byte("Volume", img::kVolume, 15, 8),
        Byte("FmVolume", img::kFmVolume, 15, 8),
        Byte("Squelch", img::kSquelch, 9, 5),
        Byte("TimeOut", img::kTimeOut, 30, 12),
        Byte("BatterySave", img::kRate, 4, 4),
        Byte("VoxLevel", img::kVoxLevel, 17, 9),
        Byte("VoxDelay", img::kVoxDelay, 4, 1),
        Byte("ScanMode", img::kScanFirst, 2, 0),
        Byte("ScanSpeed", img::kScanFirst + 1, 9, 0),
        Byte("DropoutDelay", img::kScanFirst + 2, 27, 12),
        Byte("PriorityChannel", img::kScanFirst + 3, 16, 0),
        Byte("LongPressTime", img::kKeyFirst, 4, 3),
        Byte("Key1Short", img::kKeyFirst + 1, 10, 3),
        Byte("Key1Long", img::kKeyFirst + 2, 12, 2),
        Byte("Key2Short", img::kKeyFirst + 3, 10, 2),
        Byte("Key2Long", img::kKeyFirst + 4, 12, 8),
        {.name = "FmLowerBound",
         .offset = img::kFmRangeFirst,
         .bytes = 2,
         .codec = C::Bound16,
         .min = 2800,
         .max = 4560,
         .fallback = 3520},
        {.name = "FmUpperBound",
         .offset = img::kFmRangeFirst + 2,
         .bytes = 2,
         .codec = C::Bound16,
         .min = 2800,
         .max = 4560,
         .fallback = 4320},
        Byte("DtmfSpeed", img::kDtmfFirst, 11, 2),
        Byte("FirstDigitTime", img::kDtmfFirst + 1, 10, 0),
        Byte("FirstDigitDelay", img::kDtmfFirst + 2, 18, 0),
        Byte("PttId", img::kDtmfFirst + 4, 2, 0),
        Byte("BotLength", img::kDtmfBotLength, 16, 0),
        Byte("EotLength", img::kDtmfEotLength, 16, 0),
        Byte("GroupCode", img::kDtmfFirst + 7, 6, 0),
        Byte("AutoResetTime", img::kDtmfFirst + 8, 15, 10),
        Byte("Transpond", img::kDtmfFirst + 9, 2, 0),
        Digits("IdCode", img::kDtmfIdFirst, 10),
        Byte("StunLength", img::kDtmfStunLength, 10, 0),
        Digits("StunCode", img::kDtmfStunLength + 1, 10),
        Digits("BotCode", img::kDtmfBotDigits, 16),
        Digits("EotCode", img::kDtmfEotDigits, 16),
        Flag("Voice", img::kOptionFlags, 0, 2),
        Flag("ChsWavs", img::kOptionFlags, 2, 1),
        Flag("Tone", img::kOptionFlags, 3, 1),
        Flag("VolInhibitTx", img::kOptionFlags, 4, 2),
        Flag("InceptAlarm", img::kOptionFlags, 6, 1),
        Flag("VoxInhibit", img::kOptionFlags, 7, 1),
        Flag("Sos1750Time", img::kSosBits, 0, 4),
        Flag("Whisper", img::kSosBits, 4, 1),
        Flag("StarHashTone", img::kDtmfFlags, 0, 2),
        Flag("CodeSpaceTime", img::kDtmfFlags, 2, 4),
        Flag("SideTone", img::kDtmfFlags, 6, 1),
        Flag("StunType", img::kDtmfFlags, 7, 1),
        {.name = "AlwaysErased",
         .offset = img::kAlwaysFfFirst,
         .bytes = 2,
         .min = 0xFF,
         .max = 0xFF,
         .fallback = 0xFF},
    };
    for (int m = 0; m < img::kAutodialCount; ++m) {
        const int first = img::kAutodialFirst + m * img::kAutodialStride;
        t.push_back(Byte(kAutodialLengthFields[m], first, 10, 0));
        t.push_back(Digits(kAutodialFields[m], first + 1, 10));
    }
    return t;
}

}  // namespace

std::span<const MemoryField> SettingFields() {
    static const std::vector<MemoryField> table = BuildSettingFields();
    return table;
}

const MemoryField& SettingField(std::string_view name) {
    for (const MemoryField& f : SettingFields())
        if (f.name == name) return f;
    throw std::out_of_range("no setting field " + std::string(name));
}

}  // namespace lm
