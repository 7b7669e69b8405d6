#include "core/channel.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <stdexcept>
#include <utility>

#include "core/bits.h"
#include "core/decimal.h"
#include "core/state.h"

namespace lm {

namespace {

std::string_view CutAt(std::string_view text, std::string_view unit) {
    const auto pos = text.find(unit);
    if (pos != std::string_view::npos) text = text.substr(0, pos);
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::uint8_t Bcd(long long twoDigits) {
    return static_cast<std::uint8_t>(((twoDigits / 10) << 4) | (twoDigits % 10));
}

int HexDigit(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Four BCD bytes, least significant pair first; -1 when any nibble is A-F.
long long DecodeBcd4(const std::uint8_t* p) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text;
    for (int i = 3; i >= 0; --i) {
        text += kHex[p[i] >> 4];
        text += kHex[p[i] & 15];
    }
    if (ContainsAnyChar("ABCDEF", text)) return -1;
    return std::stoll(text);
}

long long UnitsOf(double mhz) { return std::llround(mhz * 100000.0); }

long long FloorMod(long long a, long long m) { return ((a % m) + m) % m; }

// The members of TChannel that hold the item index of a slot's Bits field.
constexpr std::pair<TChannelField, std::uint8_t TChannel::*> kItemMembers[] = {
    {cfPower, &TChannel::Power},         {cfBandwidth, &TChannel::Bandwidth},
    {cfScanAdd, &TChannel::ScanAdd},     {cfCompander, &TChannel::Compander},
    {cfScrambler, &TChannel::Scrambler}, {cfOverTone, &TChannel::OverTone},
    {cfBusyLock, &TChannel::BusyLock},   {cfEpilogue, &TChannel::Epilogue},
};

}  // namespace

int ChannelSlotFirst(int n, int channelCount) {
    const int count = channelCount < kMaxSlots ? channelCount : kMaxSlots;
    if (n < 1 || n > count) return -1;
    return SlotFirst(n);
}

bool DecodeChannel(const std::uint8_t* slot, TChannel& ch) {
    const long long rx = DecodeBcd4(slot + SlotField(cfRxFreq).offset);
    if (rx < 0) {
        ch.RxFreq = -1.0;
        return false;
    }
    ch.RxFreq = static_cast<double>(rx) / 100000.0;
    const long long tx = DecodeBcd4(slot + SlotField(cfTxFreq).offset);
    ch.TxFreq = tx < 0 ? -1.0 : static_cast<double>(tx) / 100000.0;
    const std::uint8_t* rxTone = slot + SlotField(cfRxTone).offset;
    const std::uint8_t* txTone = slot + SlotField(cfTxTone).offset;
    ch.RxTone = ToneCodeToText(rxTone[0], rxTone[1]);
    ch.TxTone = ToneCodeToText(txTone[0], txTone[1]);
    for (const auto& [field, member] : kItemMembers)
        ch.*member = static_cast<std::uint8_t>(ReadBits(slot, SlotField(field)));
    return true;
}

std::array<std::uint8_t, 4> FreqTextToBcd(std::string_view text) {
    text = CutAt(text, "MHz");
    if (text.empty()) return {0xFF, 0xFF, 0xFF, 0xFF};
    const auto units = ParseScaled(text, 5);
    if (!units) throw std::invalid_argument("not a frequency: " + std::string(text));
    if (*units < 0 || *units > SlotField(cfRxFreq).max)
        throw std::out_of_range("frequency not representable: " + std::string(text));
    const long long n = *units;
    return {Bcd(n % 100), Bcd(n / 100 % 100), Bcd(n / 10000 % 100), Bcd(n / 1000000 % 100)};
}

std::array<std::uint8_t, 2> ToneTextToCode(std::string_view text) {
    text = CutAt(text, "Hz");
    if (text.empty()) return {0xFF, 0xFF};
    if (text.front() == 'D') {
        if (text.size() != 5) throw std::invalid_argument("not a DCS code: " + std::string(text));
        int polarity = -1;
        if (text[4] == 'N' || text[4] == 'n') polarity = 8;
        if (text[4] == 'I' || text[4] == 'i') polarity = 0xC;
        const int d1 = HexDigit(text[1]), d2 = HexDigit(text[2]), d3 = HexDigit(text[3]);
        if (polarity < 0 || d1 < 0 || d2 < 0 || d3 < 0)
            throw std::invalid_argument("not a DCS code: " + std::string(text));
        return {static_cast<std::uint8_t>(d2 << 4 | d3), static_cast<std::uint8_t>(polarity << 4 | d1)};
    }
    const auto tenths = ParseScaled(text, 1);
    if (!tenths) throw std::invalid_argument("not a tone: " + std::string(text));
    if (*tenths < 0 || *tenths > 9999)
        throw std::out_of_range("tone not representable: " + std::string(text));
    return {Bcd(*tenths % 100), Bcd(*tenths / 100)};
}

std::string ToneCodeToText(std::uint8_t low, std::uint8_t high) {
    if (low == 0xFF && high == 0xFF) return {};
    static constexpr char kHex[] = "0123456789ABCDEF";
    const std::string h{kHex[high >> 4], kHex[high & 15], kHex[low >> 4], kHex[low & 15]};
    if (h[0] == '8') return "D" + h.substr(1) + "N";
    if (h[0] == 'C') return "D" + h.substr(1) + "I";
    if (ContainsAnyChar("ABCDEF", h)) return {};
    return FormatScaled(std::stoll(h), 1);
}

std::string NormalizeToneText(std::string_view text) {
    if (text.empty()) return {};
    if (IsDigit(text.front())) {
        const auto tenths = ParseScaled(text, 1);
        if (!tenths) return "290.0";
        long long v = *tenths;
        if (v < 300) v = 300;
        if (v > 2900) v = 2900;
        return FormatScaled(v, 1);
    }
    const bool ok = text.size() == 5 && text[0] == 'D' && text[1] >= '0' && text[1] <= '7' &&
                    text[2] >= '0' && text[2] <= '7' && text[3] >= '0' && text[3] <= '7' &&
                    std::string_view("NIni").find(text[4]) != std::string_view::npos;
    return ok ? std::string(text) : "D777N";
}

double SnapToChannelStep(double f) {
    const long long n = UnitsOf(f);
    const long long r5 = FloorMod(n, 500), r6 = FloorMod(n, 625);
    if (r5 == 0 || r6 == 0) return f;
    return static_cast<double>(n - (r5 < r6 ? r5 : r6)) / 100000.0;
}

std::optional<double> ParseMHz(std::string_view text) {
    text = CutAt(text, "MHz");
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value, std::chars_format::fixed);
    if (text.empty() || ec != std::errc{} || ptr != end) return std::nullopt;
    return value;
}

std::string FormatFreq(double mhz) { return FormatScaled(UnitsOf(mhz), 5); }

TFreqCheck CheckEnteredFrequency(const TALL& state, double x) {
    TFreqCheck result;
    if (x > state.ModelMaxMHz) {
        x = state.BandMaxMHz;
        result.Warning = TFreqWarning::ErrRange;
    } else if (x < state.ModelMinMHz || std::isnan(x)) {
        x = state.BandMinMHz;
        result.Warning = TFreqWarning::ErrRange;
    } else if (x > state.BandMaxMHz || x < state.BandMinMHz) {
        result.Warning = TFreqWarning::OutRange;
    }
    result.Text = FormatFreq(SnapToChannelStep(x));
    return result;
}

void EncodeChannelField(TALL& state, int n, int field, std::string_view text) {
    const int first = ChannelSlotFirst(n, state.ChannelCount);
    if (first < 0 || field < cfRxFreq || field > cfEpilogue) return;
    std::uint8_t* s = &state.Image[static_cast<size_t>(first)];
    const MemoryField& f = SlotField(field);
    switch (f.codec) {
        case FieldCodec::BcdFreq: {
            const auto bcd = FreqTextToBcd(text);
            const bool empty = CutAt(text, "MHz").empty();
            if (empty && field == cfRxFreq) {
                std::fill(s, s + kSlotBytes, std::uint8_t{0xFF});  // no receive frequency: an empty channel
                break;
            }
            WriteBytes(s, f, bcd.data());
            if (empty)
                WriteBytes(s, SlotField(cfTxTone), nullptr);  // no transmit frequency, no transmit tone
            break;
        }
        case FieldCodec::ToneCode:
            WriteBytes(s, f, ToneTextToCode(text).data());
            break;
        default:
            WriteBits(s, f, text == "1" ? 1 : text == "2" ? 2 : 0);
            break;
    }
}

}  // namespace lm
