#include "channel_rows.h"

#include <array>

#include "core/channel.h"
#include "core/state.h"
#include "core/tones.h"
#include "globals/globals.h"

namespace lm::cli {
namespace {

// The items of the grid's option boxes.
constexpr std::array<const char*, 3> kPower = {"Low", "Mid", "High"};
constexpr std::array<const char*, 2> kWn = {"Wide", "Narrow"};
constexpr std::array<const char*, 2> kHave = {"Yes", "No"};
constexpr std::array<const char*, 3> kCts = {"OFF", "Type-1", "Type-2"};
constexpr std::array<const char*, 2> kDcs = {"OFF", "ON"};

template <std::size_t N>
std::string Item(const std::array<const char*, N>& items, unsigned index) {
    return index < N ? items[index] : items[N - 1];
}

std::string ToneCell(const std::string& tone) { return tone.empty() ? ToneBoxItems().at(0) : tone; }

}  // namespace

const std::vector<GridColumn>& GridColumns() {
    static const std::vector<GridColumn> columns = {
        {"Channel No.", Align::Centre}, {"RX Frequency", Align::Right}, {"TX Frequency", Align::Right},
        {"QT/DQT Dec", Align::Right},   {"QT/DQT Enc", Align::Centre},  {"TX Power", Align::Centre},
        {"W/N", Align::Centre},         {"Scan Add", Align::Centre},    {"Compander", Align::Centre},
        {"Scrambler", Align::Centre},   {"Busy Lock", Align::Centre},   {"Epilogue", Align::Centre},
        {"Over Tone", Align::Centre},
    };
    return columns;
}

GridRow ChannelGridRow(int n) {
    GridRow row;
    row.Cells.assign(kGridColumns, "");
    row.Cells[0] = std::to_string(n);
    const int first = ChannelSlotFirst(n, gAll.ChannelCount);
    if (first < 0) return row;
    TChannel ch;
    if (!DecodeChannel(&gAll.Image[first], ch)) return row;

    row.Present = true;
    row.Cells[1] = FormatFreq(ch.RxFreq);
    row.Cells[2] = ch.TxFreq == -1.0 ? "" : FormatFreq(ch.TxFreq);
    row.Cells[3] = ToneCell(ch.RxTone);
    row.Cells[4] = ToneCell(ch.TxTone);
    row.Cells[5] = Item(kPower, ch.Power);
    row.Cells[6] = Item(kWn, ch.Bandwidth);
    row.Cells[7] = Item(kHave, ch.ScanAdd);
    row.Cells[8] = Item(kHave, ch.Compander);
    row.Cells[9] = Item(kHave, ch.Scrambler);
    row.Cells[10] = Item(kHave, ch.BusyLock);
    // A CTCSS transmit tone offers three epilogue types; a DCS tone or none only off and on, so the value is
    // shown limited to 1 (the slot keeps it).
    const bool ctcss = !ch.TxTone.empty() && ch.TxTone[0] != 'D';
    row.Cells[11] = ctcss ? Item(kCts, ch.Epilogue) : Item(kDcs, ch.Epilogue > 1 ? 1u : ch.Epilogue);
    row.Cells[12] = Item(kDcs, ch.OverTone);
    return row;
}

}  // namespace lm::cli
