#pragma once
// The 16-byte channel slot of the image and the text forms of frequencies and tones.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/memory_map.h"
#include "core/state.h"

namespace lm {

struct TALL;

// One decoded channel; the byte fields are item indexes of the editors' option lists.
class TChannel {
public:
    double RxFreq = -1.0;  // MHz, -1.0 when the channel is empty
    double TxFreq = -1.0;  // MHz, -1.0 when there is none
    std::string RxTone;    // tone text, empty = none
    std::string TxTone;
    std::uint8_t BusyLock = 0;
    std::uint8_t Bandwidth = 0;
    std::uint8_t Power = 0;
    std::uint8_t Compander = 0;
    std::uint8_t Scrambler = 0;
    std::uint8_t ScanAdd = 0;
    std::uint8_t Epilogue = 0;
    std::uint8_t OverTone = 0;
};

// Image index of the first byte of channel n's slot, or -1 when n is not one of the model's channelCount
// channels.
int ChannelSlotFirst(int n, int channelCount);
inline int ChannelSlotFirst(const TALL& all, int n) { return ChannelSlotFirst(n, all.ChannelCount); }

// Decodes a slot; false (RxFreq = -1.0, nothing else touched) when the receive frequency is empty.
bool DecodeChannel(const std::uint8_t* slot, TChannel& ch);
// Writes one field of channel n into the state's image; unknown fields and channels do nothing.
// Throws std::invalid_argument / std::out_of_range for an unreadable or unrepresentable number.
void EncodeChannelField(TALL& state, int n, int field, std::string_view text);

// "446.00625" (a trailing "MHz..." is ignored) -> 25 06 60 44; empty -> FF FF FF FF.
std::array<std::uint8_t, 4> FreqTextToBcd(std::string_view text);
// "67.0" -> {0x70, 0x06}, "D023N" -> {0x23, 0x80}; a trailing "Hz..." is ignored; empty -> FF FF.
std::array<std::uint8_t, 2> ToneTextToCode(std::string_view text);
std::string ToneCodeToText(std::uint8_t low, std::uint8_t high);
// Repairs a typed tone: CTCSS clamped to 30.0..290.0, a malformed DCS code becomes "D777N".
std::string NormalizeToneText(std::string_view text);

// Moves f down onto the nearer of the 5 kHz and 6.25 kHz rasters.
double SnapToChannelStep(double f);
// A decimal number of MHz with "." and no exponent, blanks and a trailing "MHz..." allowed ("446.007");
// nullopt for anything else.
std::optional<double> ParseMHz(std::string_view text);
// f in MHz formatted "0.00000" with "." whatever the locale.
std::string FormatFreq(double mhz);

enum class TFreqWarning { None, ErrRange, OutRange };
struct TFreqCheck {
    std::string Text;                           // the accepted frequency, "0.00000"
    TFreqWarning Warning = TFreqWarning::None;  // message the caller shows (captioned Caution)
};
// Limits from the state: ModelMinMHz/ModelMaxMHz, BandMinMHz/BandMaxMHz (inclusive).
TFreqCheck CheckEnteredFrequency(const TALL& state, double x);

}  // namespace lm
