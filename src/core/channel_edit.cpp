#include "core/channel_edit.h"

#include <cctype>
#include <optional>
#include <stdexcept>

#include "core/channel_form.h"
#include "core/channel_table.h"
#include "core/item_text.h"
#include "core/tones.h"

namespace lm {

namespace {

std::string_view Trim(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
    return text;
}

bool IsOptionField(int field) { return field >= cfPower && field <= cfEpilogue && ColumnOfField(field) >= 0; }

// Decodes channel n; false for an empty channel or one the model does not have.
bool DecodeAt(const TALL& state, int n, TChannel& ch) {
    const int first = ChannelSlotFirst(state, n);
    return first >= 0 && DecodeChannel(&state.Image[static_cast<std::size_t>(first)], ch);
}

ChannelEdit Begin(const TALL& state, int n, int field) {
    ChannelEdit edit;
    edit.channel = n;
    edit.field = field;
    if (ChannelSlotFirst(state, n) < 0) edit.refusal = EditRefusal::NoSuchChannel;
    return edit;
}

// The accepted text of a typed frequency, or nullopt when it is refused.
std::optional<std::string> AcceptFrequency(const TALL& state, std::string_view text,
                                           UnreadableFrequency unreadable, ChannelEdit& edit) {
    const TypedFrequency typed = CheckTypedFrequency(state, text, unreadable);
    if (!typed.text) edit.refusal = EditRefusal::NotANumber;
    if (typed.warning != TFreqWarning::None) edit.warning = typed.warning;
    return typed.text;
}

// The epilogue follows a new transmit tone: only a CTCSS tone offers the types above 1.
void FollowTxTone(TALL& state, int n, std::string_view txTone, ChannelEdit& edit) {
    TChannel ch;
    if (!IsCtcssTone(txTone) && DecodeAt(state, n, ch) && ch.Epilogue > 1)
        EncodeChannelField(state, n, cfEpilogue, "1");
    edit.changed.set(cfEpilogue);
}

// Whether the normalised tone is the tone the text names.
bool SameTone(std::string_view text, const std::string& normalized) {
    try {
        return ToneTextToCode(text) == ToneTextToCode(normalized);
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace

TypedFrequency CheckTypedFrequency(const TALL& state, std::string_view text, UnreadableFrequency unreadable) {
    TypedFrequency typed;
    std::optional<double> value = ParseMHz(text);
    if (!value) {
        if (unreadable == UnreadableFrequency::Refuse) {
            typed.warning = TFreqWarning::ErrRange;
            return typed;
        }
        value = state.BandMaxMHz;
        typed.warning = TFreqWarning::OutRange;
    }
    const TFreqCheck check = CheckEnteredFrequency(state, *value);
    if (check.Warning != TFreqWarning::None) typed.warning = check.Warning;
    typed.text = check.Text;
    return typed;
}

MessageRef WarningMessage(TFreqWarning warning) {
    switch (warning) {
        case TFreqWarning::ErrRange:
            return kErrRangeMessage;
        case TFreqWarning::OutRange:
            return kOutRangeMessage;
        case TFreqWarning::None:
            break;
    }
    return {};
}

std::string_view RefusalText(EditRefusal refusal) {
    switch (refusal) {
        case EditRefusal::None:
            break;
        case EditRefusal::NoSuchChannel:
            return "no such channel";
        case EditRefusal::NotAField:
            return "no such field";
        case EditRefusal::EmptyChannel:
            return "the channel is empty";
        case EditRefusal::NoTxFrequency:
            return "the channel has no transmit frequency";
        case EditRefusal::NotANumber:
            return "not a number";
        case EditRefusal::NotAnItem:
            return "not an item of the list";
    }
    return {};
}

std::string EditNote(const ChannelEdit& edit, std::string_view fieldName, std::string_view warningText) {
    std::string note = "Channel " + std::to_string(edit.channel) + ", " + std::string(fieldName) + ": ";
    if (!edit.Ok()) return note + std::string(RefusalText(edit.refusal)) + ".";
    if (edit.warning != TFreqWarning::None) note += std::string(warningText) + " ";
    if (edit.toneRepaired) note += "Tone repaired. ";
    return note + "Stored: " + (edit.stored.empty() ? "(none)" : edit.stored);
}

const std::string& NoneText() { return ToneBoxItems().at(0); }

StoredTone ToneToStore(std::string_view text, std::string_view noneText) {
    text = Trim(text);
    if (text.empty() || text == noneText) return {};
    StoredTone stored{NormalizeToneText(text)};
    stored.repaired = !SameTone(text, stored.tone);
    return stored;
}

ChannelEdit SetRxFrequency(TALL& state, int n, std::string_view text, UnreadableFrequency unreadable) {
    if (Trim(text).empty()) {
        ChannelEdit edit = DeleteChannel(state, n);
        edit.field = cfRxFreq;
        return edit;
    }
    ChannelEdit edit = Begin(state, n, cfRxFreq);
    if (!edit.Ok()) return edit;
    const std::optional<std::string> accepted = AcceptFrequency(state, text, unreadable, edit);
    if (!accepted) return edit;
    TChannel ch;
    if (DecodeAt(state, n, ch)) {
        EncodeChannelField(state, n, cfRxFreq, *accepted);
        edit.changed.set(cfRxFreq);
    } else {
        WriteChannelTexts(state, n, NewChannelTexts(*accepted));
        edit.created = true;
        edit.changed.set();
    }
    edit.stored = *accepted;
    return edit;
}

ChannelEdit SetTxFrequency(TALL& state, int n, std::string_view text, UnreadableFrequency unreadable) {
    ChannelEdit edit = Begin(state, n, cfTxFreq);
    TChannel ch;
    if (edit.Ok() && !DecodeAt(state, n, ch)) edit.refusal = EditRefusal::EmptyChannel;
    if (!edit.Ok()) return edit;
    if (Trim(text).empty()) {
        EncodeChannelField(state, n, cfTxFreq, "");
        edit.changed.set(cfTxFreq).set(cfTxTone);
        FollowTxTone(state, n, "", edit);
        return edit;
    }
    const std::optional<std::string> accepted = AcceptFrequency(state, text, unreadable, edit);
    if (!accepted) return edit;
    EncodeChannelField(state, n, cfTxFreq, *accepted);
    // A transmit tone box appears with the first transmit frequency.
    edit.changed.set(cfTxFreq).set(cfTxTone);
    edit.stored = *accepted;
    return edit;
}

ChannelEdit SetTone(TALL& state, int n, int field, std::string_view text, std::string_view noneText) {
    ChannelEdit edit = Begin(state, n, field);
    TChannel ch;
    if (edit.Ok() && field != cfRxTone && field != cfTxTone) edit.refusal = EditRefusal::NotAField;
    if (edit.Ok() && !DecodeAt(state, n, ch)) edit.refusal = EditRefusal::EmptyChannel;
    const auto [tone, repaired] = ToneToStore(text, noneText);
    // Without a transmit frequency there is no transmit tone to choose; no tone is what it has.
    if (edit.Ok() && field == cfTxTone && ch.TxFreq == -1.0 && !tone.empty())
        edit.refusal = EditRefusal::NoTxFrequency;
    if (!edit.Ok()) return edit;
    edit.toneRepaired = repaired;
    EncodeChannelField(state, n, field, tone);
    edit.changed.set(static_cast<std::size_t>(field));
    if (field == cfTxTone) FollowTxTone(state, n, tone, edit);
    edit.stored = tone.empty() ? std::string(noneText) : tone;
    return edit;
}

ChannelEdit SetOption(TALL& state, int n, int field, int index) {
    ChannelEdit edit = Begin(state, n, field);
    if (edit.Ok() && !IsOptionField(field)) edit.refusal = EditRefusal::NotAField;
    if (!edit.Ok()) return edit;
    const FieldEditor editor = FieldEditorOf(state, n, field);
    if (!editor.items) {
        edit.refusal = EditRefusal::EmptyChannel;
        return edit;
    }
    if (index < 0 || index >= static_cast<int>(editor.items->size())) {
        edit.refusal = EditRefusal::NotAnItem;
        return edit;
    }
    EncodeChannelField(state, n, field, std::to_string(index));
    edit.changed.set(static_cast<std::size_t>(field));
    edit.stored = (*editor.items)[static_cast<std::size_t>(index)];
    return edit;
}

ChannelEdit DeleteChannel(TALL& state, int n) {
    ChannelEdit edit = Begin(state, n, cfRxFreq);
    TChannel ch;
    if (!edit.Ok() || !DecodeAt(state, n, ch)) return edit;
    EncodeChannelField(state, n, cfRxFreq, "");
    edit.deleted = true;
    edit.changed.set();
    return edit;
}

ChannelEdit SetFieldText(TALL& state, int n, int field, std::string_view text,
                         UnreadableFrequency unreadable) {
    text = Trim(text);
    switch (field) {
        case cfRxFreq:
            return SetRxFrequency(state, n, text, unreadable);
        case cfTxFreq:
            return SetTxFrequency(state, n, text, unreadable);
        case cfRxTone:
        case cfTxTone: {
            const int item = FindItem(ToneBoxItems(), text);
            return SetTone(state, n, field, item < 0 ? text : ToneBoxItems()[static_cast<std::size_t>(item)]);
        }
        default:
            break;
    }
    const FieldEditor editor = FieldEditorOf(state, n, field);
    const int index = editor.items ? FindItem(*editor.items, text) : 0;
    ChannelEdit edit = SetOption(state, n, field, index);
    if (edit.refusal == EditRefusal::NotAnItem) edit.stored = std::string(text);
    return edit;
}

FieldEditor FieldEditorOf(const TALL& state, int n, int field) {
    FieldEditor editor;
    const int column = ColumnOfField(field);
    TChannel ch;
    if (column < 0 || ChannelSlotFirst(state, n) < 0) return editor;
    const bool present = DecodeAt(state, n, ch);
    if (field == cfRxFreq || (field == cfTxFreq && present)) {
        editor.kind = EditorKind::Typed;
        return editor;
    }
    if (!present || (field == cfTxTone && ch.TxFreq == -1.0)) return editor;
    const ChannelColumn& info = ChannelColumns()[static_cast<std::size_t>(column)];
    const bool tone = field == cfRxTone || field == cfTxTone;
    editor.kind = tone ? EditorKind::ToneBox : EditorKind::ListBox;
    editor.box = info.box;
    editor.items = &info.items;
    if (field == cfEpilogue) {
        editor.items = &EpilogueItems(ch.TxTone);
        editor.box = IsCtcssTone(ch.TxTone) ? "cxCts" : "cxDcs";
    }
    return editor;
}

}  // namespace lm
