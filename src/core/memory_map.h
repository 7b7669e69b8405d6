#pragma once
// The memory map of the radio: where each field of the image lies, how it is coded, its valid range and its
// default. The readers and writers of the image take their addresses and masks from here.
#include <cstdint>
#include <span>
#include <string_view>

#include "core/state.h"

namespace lm {

// The regions of the image (Image indexes, not radio addresses); the fields below lie in them.
namespace img {
constexpr int kChannelsFirst = 17;  // channel n occupies Image[16*n + 1 .. 16*n + 16]
constexpr int kChannelsLast = 272;
constexpr int kVolume = 289;
constexpr int kFmVolume = 290;
constexpr int kOptionFlags = 293;  // bit 7 is the VOX switch
constexpr int kSquelch = 294;
constexpr int kTimeOut = 295;
constexpr int kRate = 296;
constexpr int kSosBits = 297;
constexpr int kVoxLevel = 298;
constexpr int kVoxDelay = 299;
constexpr int kScanFirst = 300;     // 300..303
constexpr int kKeyFirst = 305;      // 305..309
constexpr int kFmRangeFirst = 310;  // 310..313: two 16-bit values, low byte first
constexpr int kDtmfFirst = 314;     // 314..323
constexpr int kDtmfFlags = 317;
constexpr int kDtmfBotLength = 319;
constexpr int kDtmfEotLength = 320;
constexpr int kDtmfIdFirst = 324;     // 324..328
constexpr int kDtmfStunLength = 329;  // digits 330..334
constexpr int kAlwaysFfFirst = 335;   // 335..336
constexpr int kDtmfBotDigits = 337;   // 337..344
constexpr int kDtmfEotDigits = 345;   // 345..352
constexpr int kAutodialFirst = 353;   // eight memories of 8 bytes, 353..416
constexpr int kAutodialCount = 8;
constexpr int kAutodialStride = 8;
constexpr int kIdentFirst = 433;  // 433..440
constexpr int kBandCode = 438;
constexpr int kAreaCodeFirst = 441;  // 441..442
constexpr int kPasswordFirst = 443;  // 443..448
constexpr int kPasswordBytes = 6;
constexpr int kWriteStamp = 449;    // 449..464
constexpr int kSerialText = 465;    // 465..480
constexpr int kFactoryStamp = 481;  // 481..496
constexpr int kBlock32First = 513;  // 513..528, only in data files
constexpr int kLast = 528;
}  // namespace img

constexpr int kSlotBytes = 16;
constexpr int kMaxSlots = 16;  // the channel area of the image holds 16 slots

// Image index of the first byte of slot n (1..kMaxSlots), whatever the model's channel count.
constexpr int SlotFirst(int n) { return img::kChannelsFirst + kSlotBytes * (n - 1); }

// The fields of a channel slot; also the grid's and the forms' field selectors.
enum TChannelField : int {
    cfRxFreq = 0,
    cfTxFreq = 1,
    cfRxTone = 2,
    cfTxTone = 3,
    cfPower = 4,
    cfBandwidth = 5,
    cfScanAdd = 6,
    cfCompander = 7,
    cfScrambler = 8,
    cfOverTone = 9,
    cfBusyLock = 10,
    cfEpilogue = 11,
};

enum class FieldCodec {
    Bits,          // `width` bits from bit `shift` of one byte: an item index
    BcdFreq,       // four BCD bytes, least significant pair first, in 10 Hz; FF FF FF FF = none
    ToneCode,      // two bytes: BCD tenths of Hz, or a DCS code with its polarity in the high nibble; FF FF =
                   // none
    PackedDigits,  // DTMF digits, two a byte
    Bound16,       // a 16-bit number, low byte first
    TimeStamp,     // a packed date and time
    Text,          // ASCII characters
};

struct MemoryField {
    std::string_view name;
    int field = -1;  // the TChannelField of a slot's field
    int offset = 0;  // from the slot's first byte for a slot's field, else an Image index
    int bytes = 1;
    FieldCodec codec = FieldCodec::Bits;
    int shift = 0;  // Bits only
    int width = 8;  // Bits only
    int min = 0;
    int max = 0;       // a larger stored item index is read as max
    int fallback = 0;  // the value of a new channel or of a setting out of range
};

// The fields of a channel slot, in TChannelField order.
std::span<const MemoryField> SlotFields();
// The bits of a slot that no field holds.
std::span<const MemoryField> SlotUnused();
// The slot's field f (a TChannelField); f must be one.
const MemoryField& SlotField(int f);

// The names of the autodial memories' digits and digit counts.
constexpr std::string_view kAutodialFields[img::kAutodialCount] = {
    "Autodial1", "Autodial2", "Autodial3", "Autodial4", "Autodial5", "Autodial6", "Autodial7", "Autodial8"};
constexpr std::string_view kAutodialLengthFields[img::kAutodialCount] = {
    "Autodial1Length", "Autodial2Length", "Autodial3Length", "Autodial4Length",
    "Autodial5Length", "Autodial6Length", "Autodial7Length", "Autodial8Length"};

// The settings' fields (Image indexes); the image check keeps the whole-byte items in range.
std::span<const MemoryField> SettingFields();
// The settings' field of that name; throws std::out_of_range for an unknown name.
const MemoryField& SettingField(std::string_view name);

// The fields of the radio information (Image indexes).
std::span<const MemoryField> InfoFields();
// The information field of that name; throws std::out_of_range for an unknown name.
const MemoryField& InfoField(std::string_view name);
// The bytes and bits outside the channel slots that no field holds (Image indexes).
std::span<const MemoryField> ImageUnused();

// The bits of each of its bytes that field f holds.
std::uint8_t FieldMask(const MemoryField& f);
// The item index of a Bits field whose first byte is at base[f.offset], clamped to f.max.
int ReadBits(const std::uint8_t* base, const MemoryField& f);
// Stores value (cut to the field's width) in the Bits field; the other bits of the byte stay.
void WriteBits(std::uint8_t* base, const MemoryField& f, int value);
// The 16-bit number of a Bound16 field, low byte first.
int ReadBound16(const std::uint8_t* base, const MemoryField& f);
void WriteBound16(std::uint8_t* base, const MemoryField& f, int value);
// Copies f.bytes bytes from `from` to the field, or fills it with 0xFF when from is null.
void WriteBytes(std::uint8_t* base, const MemoryField& f, const std::uint8_t* from);

}  // namespace lm
