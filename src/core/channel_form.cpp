#include "core/channel_form.h"

#include <exception>
#include <string>

#include "core/channel_table.h"
#include "core/memory_map.h"

namespace lm {

namespace {

using FieldOrder = std::array<int, kChannelFields>;

// The grid writes a new channel column by column.
constexpr FieldOrder kGridOrder = {cfRxFreq,  cfTxFreq,    cfRxTone,    cfTxTone,   cfPower,    cfBandwidth,
                                   cfScanAdd, cfCompander, cfScrambler, cfBusyLock, cfEpilogue, cfOverTone};
// The edit window writes the whole channel in this order.
constexpr FieldOrder kWindowOrder = {cfRxFreq, cfTxFreq,  cfRxTone,    cfTxTone,    cfBusyLock, cfBandwidth,
                                     cfPower,  cfScanAdd, cfCompander, cfScrambler, cfEpilogue, cfOverTone};

void WriteInOrder(TALL& state, int n, const ChannelTexts& texts, const FieldOrder& order) {
    for (const int field : order) EncodeChannelField(state, n, field, texts[static_cast<std::size_t>(field)]);
}

int IndexOf(const std::string& text) {
    return text.size() == 1 && text[0] >= '0' && text[0] <= '9' ? text[0] - '0' : -1;
}

}  // namespace

ChannelTexts NewChannelTexts(const std::string& rx) {
    ChannelTexts texts;
    texts[cfRxFreq] = texts[cfTxFreq] = rx;
    for (const MemoryField& f : SlotFields())  // the items of a new channel are the map's defaults
        if (f.codec == FieldCodec::Bits)
            texts[static_cast<std::size_t>(f.field)] = std::to_string(f.fallback);
    return texts;
}

ChannelTexts LoadChannelTexts(const TALL& state, int n) {
    const ChannelRow row = ChannelTableRow(state, n);
    if (!row.present) return NewChannelTexts("");
    ChannelTexts texts;
    for (int field = 0; field < kChannelFields; ++field) {
        const auto column = static_cast<std::size_t>(ColumnOfField(field));
        const int value = row.values[column];
        std::string text = value >= 0 ? std::to_string(value) : row.cells[column];
        if ((field == cfRxTone || field == cfTxTone) && text == NoneText()) text.clear();
        texts[static_cast<std::size_t>(field)] = text;
    }
    return texts;
}

void WriteChannelTexts(TALL& state, int n, const ChannelTexts& texts) {
    WriteInOrder(state, n, texts, kGridOrder);
}

ChannelEdit SaveChannel(TALL& state, int n, ChannelTexts texts) {
    if (texts[cfRxFreq].empty()) return DeleteChannel(state, n);
    ChannelEdit edit;
    edit.channel = n;
    edit.field = cfRxFreq;
    if (ChannelSlotFirst(state, n) < 0) {
        edit.refusal = EditRefusal::NoSuchChannel;
        return edit;
    }

    for (const int field : {cfRxTone, cfTxTone}) {
        StoredTone stored = ToneToStore(texts[static_cast<std::size_t>(field)]);
        edit.toneRepaired = edit.toneRepaired || stored.repaired;
        texts[static_cast<std::size_t>(field)] = std::move(stored.tone);
    }
    if (texts[cfTxFreq].empty()) texts[cfTxTone].clear();
    texts[cfEpilogue] = std::to_string(EpilogueShown(IndexOf(texts[cfEpilogue]), texts[cfTxTone]));

    edit.created = !ChannelTableRow(state, n).present;
    const ImageBytes before = state.Image;
    try {
        WriteInOrder(state, n, texts, kWindowOrder);
    } catch (const std::exception&) {
        state.Image = before;  // an unreadable frequency, or one the slot cannot hold
        edit.refusal = EditRefusal::NotANumber;
        return edit;
    }
    edit.changed.set();
    edit.stored = texts[cfRxFreq];
    return edit;
}

}  // namespace lm
