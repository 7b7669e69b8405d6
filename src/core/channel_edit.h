#pragma once
// The editing rules of one channel of a state record: what typing a frequency, choosing a tone or an option,
// or deleting does to the channel's slot, what the caller must show afterwards, and which fields of a channel
// can be edited at all. The channel grid, the channel edit window, paste and lm418t-cli channel all edit
// through these.
#include <bitset>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/channel.h"
#include "core/state.h"

namespace lm {

constexpr int kChannelFields = 12;  // the selectors cfRxFreq .. cfEpilogue

// A message of the message table: its key and its built-in text.
struct MessageRef {
    std::string_view key;
    std::string_view text;
};
inline constexpr MessageRef kErrRangeMessage{"ErrRange", "The frequecy number come amiss!"};
inline constexpr MessageRef kOutRangeMessage{"OutRange", "Frequecy is Out of range."};
// The caption of both frequency warnings.
inline constexpr MessageRef kCautionMessage{"Caution", "Caution"};
// The message of a frequency warning; empty key and text for none.
MessageRef WarningMessage(TFreqWarning warning);

// Why an edit was refused. A refused edit changes nothing.
enum class EditRefusal {
    None,
    NoSuchChannel,  // n is not one of the model's channels
    NotAField,      // no such field selector, or not one the operation sets
    EmptyChannel,   // an empty channel only takes a receive frequency
    NoTxFrequency,  // a transmit tone needs a transmit frequency
    NotANumber,     // an unreadable frequency, with UnreadableFrequency::Refuse
    NotAnItem,      // a value that is no item of the field's list
};
// "not a number", "the channel is empty" ...
std::string_view RefusalText(EditRefusal refusal);

// Fields by selector: bit cfRxFreq .. bit cfEpilogue.
using FieldSet = std::bitset<kChannelFields>;

// What an edit did and what its caller must show.
struct ChannelEdit {
    int channel = 0;
    int field = -1;
    EditRefusal refusal = EditRefusal::None;
    TFreqWarning warning = TFreqWarning::None;  // shown in a box captioned Caution (WarningMessage)
    bool toneRepaired = false;                  // the stored tone is another tone than the text given
    std::string stored;  // the field as the grid now shows it: "446.00625", "" (no transmit frequency),
                         // "None", "High"
    FieldSet changed;    // fields whose shown text may have changed; all of them when created or deleted
    bool created = false;
    bool deleted = false;

    bool Ok() const { return refusal == EditRefusal::None; }
    // Whether the user is to be told: a refusal, a frequency warning or a repaired tone.
    bool Notable() const { return !Ok() || warning != TFreqWarning::None || toneRepaired; }
};

// "Channel 3, RX Frequency: Frequecy is Out of range. Stored: 480.00000". fieldName names the field as the
// caller calls it; warningText is the (translated) text of WarningMessage(edit.warning).
std::string EditNote(const ChannelEdit& edit, std::string_view fieldName, std::string_view warningText);

// What an unreadable frequency text does.
enum class UnreadableFrequency {
    HighEdge,  // as typed into the grid: the band's high edge is taken, with OutRange
    Refuse,    // as in the edit window: ErrRange, and nothing is stored (refusal NotANumber)
};

// A typed frequency as it would be stored (snapped to the band and raster by CheckEnteredFrequency), with the
// warning to show; no text when an unreadable number is refused (warning ErrRange).
struct TypedFrequency {
    std::optional<std::string> text;
    TFreqWarning warning = TFreqWarning::None;
};
TypedFrequency CheckTypedFrequency(const TALL& state, std::string_view text, UnreadableFrequency unreadable);

// The characters typing may enter into a frequency, and into a tone box; a "," typed counts as ".".
inline constexpr std::string_view kFrequencyKeys = "0123456789.";
inline constexpr std::string_view kToneKeys = "0123456789.DINdin";

// The none text of the tone lists: "None".
const std::string& NoneText();

// A typed tone as it is stored: "" for an empty text and for noneText, otherwise NormalizeToneText of the
// trimmed text; repaired when that is another tone than the text names ("5" gives "30.0", "D999N" "D777N").
struct StoredTone {
    std::string tone;
    bool repaired = false;
};
StoredTone ToneToStore(std::string_view text, std::string_view noneText = NoneText());

// The receive frequency of channel n. An empty text deletes the channel. Otherwise the number passes
// CheckEnteredFrequency; an empty channel is created: receive and transmit on that frequency, with every
// default of NewChannelTexts written.
ChannelEdit SetRxFrequency(TALL& state, int n, std::string_view text,
                           UnreadableFrequency unreadable = UnreadableFrequency::HighEdge);
// The transmit frequency of an existing channel, checked as above. An empty text removes it and the transmit
// tone; the epilogue then follows the (absent) transmit tone as in SetTone.
ChannelEdit SetTxFrequency(TALL& state, int n, std::string_view text,
                           UnreadableFrequency unreadable = UnreadableFrequency::HighEdge);
// A typed tone of an existing channel, field cfRxTone or cfTxTone (a transmit tone other than none only with
// a transmit frequency). An empty text or noneText means no tone; any other text is stored as
// NormalizeToneText repairs it. When the transmit tone becomes anything but a CTCSS tone, an epilogue above 1
// is stored as 1.
ChannelEdit SetTone(TALL& state, int n, int field, std::string_view text,
                    std::string_view noneText = NoneText());
// An option of an existing channel (cfPower, cfBandwidth, cfScanAdd, cfCompander, cfScrambler, cfOverTone,
// cfBusyLock, cfEpilogue) by the index of an item of its list (FieldEditorOf(...).items).
ChannelEdit SetOption(TALL& state, int n, int field, int index);
// Erases the slot of channel n.
ChannelEdit DeleteChannel(TALL& state, int n);
// Any field by the text the grid shows for it: frequencies as SetRxFrequency / SetTxFrequency, tones and
// option items matched without regard to case ("none", "d023n", "high", "type-1"), other tone texts as typed.
ChannelEdit SetFieldText(TALL& state, int n, int field, std::string_view text,
                         UnreadableFrequency unreadable = UnreadableFrequency::HighEdge);

// How a field of a channel is edited.
enum class EditorKind { None, Typed, ToneBox, ListBox };
struct FieldEditor {
    EditorKind kind = EditorKind::None;
    std::string box;                                  // "cxRxDcts", "cxPower", "cxCts" ...; empty when typed
    const std::vector<std::string>* items = nullptr;  // the box's items; nullptr when typed or not editable
};
// The receive frequency is always typed; every other field is editable only while the channel exists, the
// transmit tone only while there is a transmit frequency; the epilogue's box and items follow the transmit
// tone
// ("cxCts" after a CTCSS tone, otherwise "cxDcs").
FieldEditor FieldEditorOf(const TALL& state, int n, int field);

}  // namespace lm
