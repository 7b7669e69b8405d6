#include "core/channel_table.h"

#include "core/channel.h"
#include "core/tones.h"

namespace lm {

namespace {

const std::vector<std::string> kPower = {"Low", "Mid", "High"};
const std::vector<std::string> kWn = {"Wide", "Narrow"};
const std::vector<std::string> kHave = {"Yes", "No"};
const std::vector<std::string> kCts = {"OFF", "Type-1", "Type-2"};
const std::vector<std::string> kDcs = {"OFF", "ON"};

constexpr int kEpilogueColumn = 11;  // index in the table

// The item of index in items; an index past the end shows the last item.
std::string ItemOf(const std::vector<std::string>& items, int index) {
    return index >= 0 && index < static_cast<int>(items.size()) ? items[static_cast<std::size_t>(index)]
                                                                : items.back();
}

}  // namespace

const std::vector<ChannelColumn>& ChannelColumns() {
    using A = ColumnAlign;
    static const std::vector<ChannelColumn> columns = {
        {"Channel|No.", 60, A::Centre, -1, "", {}},
        {"RX Frequency", 80, A::Right, cfRxFreq, "", {}},
        {"TX Frequency", 80, A::Right, cfTxFreq, "", {}},
        {"QT/DQT Dec", 60, A::Right, cfRxTone, "cxRxDcts", ToneBoxItems()},
        {"QT/DQT Enc", 60, A::Centre, cfTxTone, "cxTxDcts", ToneBoxItems()},
        {"TX Power", 60, A::Centre, cfPower, "cxPower", kPower},
        {"W/N", 60, A::Centre, cfBandwidth, "cxWn", kWn},
        {"Scan Add", 60, A::Centre, cfScanAdd, "cxHave", kHave},
        {"Compander", 60, A::Centre, cfCompander, "cxHave", kHave},
        {"Scrambler", 60, A::Centre, cfScrambler, "cxHave", kHave},
        {"Busy Lock", 60, A::Centre, cfBusyLock, "cxHave", kHave},
        {"Epilogue", 60, A::Centre, cfEpilogue, "cxCts", kCts},
        {"Over Tone", 60, A::Centre, cfOverTone, "cxDcs", kDcs},
    };
    return columns;
}

int ColumnOfField(int field) {
    const std::vector<ChannelColumn>& columns = ChannelColumns();
    for (std::size_t c = 1; c < columns.size(); ++c)
        if (columns[c].field == field) return static_cast<int>(c);
    return -1;
}

std::string TitleLine(std::string_view title) {
    std::string line(title);
    for (char& c : line) c = c == '|' ? ' ' : c;
    return line;
}

bool IsCtcssTone(std::string_view tone) { return !tone.empty() && tone.front() != 'D'; }

const std::vector<std::string>& EpilogueItems(std::string_view txTone) {
    return IsCtcssTone(txTone) ? kCts : kDcs;
}

int EpilogueShown(int stored, std::string_view txTone) {
    return stored >= 0 && stored < static_cast<int>(EpilogueItems(txTone).size()) ? stored : 1;
}

ChannelRow ChannelTableRow(const TALL& all, int n) {
    ChannelRow row;
    row.cells.assign(kChannelColumns, "");
    row.values.assign(kChannelColumns, -1);
    row.cells[0] = std::to_string(n);
    const int first = ChannelSlotFirst(all, n);
    TChannel ch;
    if (first < 0 || !DecodeChannel(&all.Image[static_cast<std::size_t>(first)], ch)) return row;

    const std::string& none = ToneBoxItems().at(0);
    row.present = true;
    row.cells[1] = FormatFreq(ch.RxFreq);
    row.cells[2] = ch.TxFreq == -1.0 ? "" : FormatFreq(ch.TxFreq);
    row.cells[3] = ch.RxTone.empty() ? none : ch.RxTone;
    row.cells[4] = ch.TxTone.empty() ? none : ch.TxTone;
    const int epilogue = EpilogueShown(ch.Epilogue, ch.TxTone);
    const int options[] = {ch.Power,     ch.Bandwidth, ch.ScanAdd, ch.Compander,
                           ch.Scrambler, ch.BusyLock,  epilogue,   ch.OverTone};
    const std::vector<ChannelColumn>& columns = ChannelColumns();
    for (int c = 5; c < kChannelColumns; ++c) {
        const int value = options[c - 5];
        const std::vector<std::string>& items =
            c == kEpilogueColumn ? EpilogueItems(ch.TxTone) : columns[c].items;
        row.values[static_cast<std::size_t>(c)] = value;
        row.cells[static_cast<std::size_t>(c)] = ItemOf(items, value);
    }
    return row;
}

}  // namespace lm
