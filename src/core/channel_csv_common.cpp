// The common CSV layout of other programming tools, mapped onto this radio's channels.
#include <cctype>
#include <cmath>

#include "core/channel_csv_row.h"
#include "core/channel_form.h"
#include "core/channel_table.h"
#include "core/item_text.h"
#include "core/memory_map.h"
#include "core/printable.h"
#include "core/tones.h"

namespace lm::csv {

namespace {

enum Column : std::size_t {
    kLocation,
    kName,
    kFrequency,
    kDuplex,
    kOffset,
    kTone,
    kRToneFreq,
    kCToneFreq,
    kDtcsCode,
    kDtcsPolarity,
    kRxDtcsCode,
    kCrossMode,
    kMode,
    kTStep,
    kSkip,
    kPower,
    kComment,
    kUrCall,
    kRpt1Call,
    kRpt2Call,
    kDvCode,
    kColumnCount
};

// The output in watts of each power item (Low, Mid, High), for files that give the power in watts.
constexpr double kPowerWatts[] = {1.0, 2.5, 5.0};

const std::vector<std::string>& PowerItems() {
    return ChannelColumns()[static_cast<std::size_t>(ColumnOfField(cfPower))].items;
}

// The values written in tone columns that a channel does not use.
constexpr const char* kNeutralCtcss = "88.5";
constexpr const char* kNeutralDcs = "023";
constexpr const char* kNeutralCross = "Tone->Tone";

// Frequencies: the grid's texts count 10 Hz units (5 decimals of MHz), the files write 6 decimals.
constexpr int kGridDecimals = 5;
constexpr int kFileDecimals = 6;

bool Same(std::string_view a, std::string_view b) { return SameLetters(a, b); }

// One side of a channel's tones, from a grid text: none, a CTCSS tone or a DCS code with its polarity.
struct ToneSide {
    enum class Kind { None, Ctcss, Dcs } kind = Kind::None;
    std::string value;  // "67.0", or the code "023"
    char polarity = 'N';
};

ToneSide SideOf(const std::string& cell) {
    ToneSide side;
    if (cell.empty() || cell == NoneText()) return side;
    if (!IsCtcssTone(cell)) {
        side.kind = ToneSide::Kind::Dcs;
        side.value = cell.substr(1, 3);
        side.polarity = cell.size() > 4 && (cell[4] == 'I' || cell[4] == 'i') ? 'R' : 'N';
        return side;
    }
    side.kind = ToneSide::Kind::Ctcss;
    side.value = cell;
    return side;
}

const char* KindName(ToneSide::Kind kind) {
    return kind == ToneSide::Kind::Ctcss ? "Tone" : kind == ToneSide::Kind::Dcs ? "DTCS" : "";
}

// Writes the tone columns of a channel: the simplest mode that says what it does.
void WriteTones(const ToneSide& tx, const ToneSide& rx, std::vector<std::string>& row) {
    using K = ToneSide::Kind;
    if (tx.kind == K::None && rx.kind == K::None) return;  // Tone stays empty
    std::string mode;
    const auto sameDcs =
        tx.kind == K::Dcs && rx.kind == K::Dcs && tx.value == rx.value && tx.polarity == rx.polarity;
    if (tx.kind == K::Ctcss && rx.kind == K::None) {
        mode = "Tone";
        row[kRToneFreq] = tx.value;
    } else if (tx.kind == K::Ctcss && rx.kind == K::Ctcss && tx.value == rx.value) {
        mode = "TSQL";
        row[kCToneFreq] = tx.value;
    } else if (sameDcs) {
        mode = "DTCS";
        row[kDtcsCode] = tx.value;
        row[kDtcsPolarity] = {tx.polarity, rx.polarity};
    } else {
        mode = "Cross";
        row[kCrossMode] = std::string(KindName(tx.kind)) + "->" + KindName(rx.kind);
        if (tx.kind == K::Ctcss) row[kRToneFreq] = tx.value;
        if (tx.kind == K::Dcs) row[kDtcsCode] = tx.value;
        if (rx.kind == K::Ctcss) row[kCToneFreq] = rx.value;
        if (rx.kind == K::Dcs) row[kRxDtcsCode] = rx.value;
        row[kDtcsPolarity] = {tx.kind == K::Dcs ? tx.polarity : 'N', rx.kind == K::Dcs ? rx.polarity : 'N'};
    }
    row[kTone] = mode;
}

// A DCS code of a file as the grid's tone text: "23" and "R" give "D023I". A code of more than three digits
// is passed on as it is, for the tone repair of the grid's rules.
std::string DcsText(std::string_view code, char polarity) {
    std::string digits(code);
    if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
    return "D" + digits + (polarity == 'R' ? "I" : "N");
}

// The power item of a text: an item of the list, or watts ("4W", "0.5 W") taken as the nearest level, which
// a note tells. Empty for a text that is neither.
std::string PowerItem(std::string_view text, std::vector<std::string>& notes) {
    const std::vector<std::string>& items = PowerItems();
    if (text.empty()) return items[static_cast<std::size_t>(SlotField(cfPower).fallback)];  // a new channel's
    for (const std::string& item : items)
        if (Same(text, item)) return item;
    if (!(text.back() == 'W' || text.back() == 'w')) return {};
    const std::string_view number = Trimmed(text.substr(0, text.size() - 1));
    if (!IsDecimal(number) || number.front() == '-') return {};
    const double watts = static_cast<double>(ScaledOf(number, 3)) / 1000.0;
    std::size_t nearest = 0;
    for (std::size_t i = 0; i < std::size(kPowerWatts) && i < items.size(); ++i)
        if (std::fabs(kPowerWatts[i] - watts) < std::fabs(kPowerWatts[nearest] - watts)) nearest = i;
    notes.push_back("power " + std::string(text) + " taken as " + items[nearest] + " (" +
                    FormatScaled(std::llround(kPowerWatts[nearest] * 10), 1) + " W)");
    return items[nearest];
}

// The receive and transmit tones of a row as the grid's texts ("" for none); false with the reason when the
// row cannot say them on this radio.
bool ReadTones(const std::vector<std::string>& f, std::string& tx, std::string& rx, std::string& reason) {
    std::string polarity = f[kDtcsPolarity].empty() ? "NN" : f[kDtcsPolarity];
    for (char& c : polarity) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (polarity.size() != 2 || polarity.find_first_not_of("NR") != std::string::npos) {
        reason = "unknown DtcsPolarity \"" + ShownValue(f[kDtcsPolarity]) + "\"";
        return false;
    }
    const std::string& mode = f[kTone];
    std::string cross;  // the sides' kinds, transmit "->" receive
    if (mode.empty()) return true;
    if (Same(mode, "Tone")) {
        cross = "Tone->";
    } else if (Same(mode, "TSQL")) {
        cross = "TSQL";
    } else if (Same(mode, "DTCS")) {
        cross = "DTCS";
    } else if (Same(mode, "Cross")) {
        static const char* const kCross[] = {"Tone->Tone", "Tone->DTCS", "DTCS->Tone", "->Tone",
                                             "->DTCS",     "DTCS->",     "DTCS->DTCS"};
        for (const char* item : kCross)
            if (Same(f[kCrossMode], item)) cross = item;
        if (cross.empty()) {
            reason = "unknown CrossMode \"" + ShownValue(f[kCrossMode]) + "\"";
            return false;
        }
    } else if (Same(mode, "TSQL-R") || Same(mode, "DTCS-R")) {
        reason = "reverse squelch (Tone " + mode + ") is not available on this radio";
        return false;
    } else {
        reason = "unknown Tone \"" + ShownValue(mode) + "\"";
        return false;
    }
    // Takes the tone of a column; false with the reason when the column is empty.
    const auto take = [&](Column column, std::string& side, char dcsPolarity) {
        if (f[column].empty()) {
            reason = "Tone " + mode + " without " + CommonHeader()[column];
            return false;
        }
        side = dcsPolarity == 0 ? f[column] : DcsText(f[column], dcsPolarity);
        return true;
    };
    if (cross == "TSQL") return take(kCToneFreq, tx, 0) && take(kCToneFreq, rx, 0);
    if (cross == "DTCS") return take(kDtcsCode, tx, polarity[0]) && take(kDtcsCode, rx, polarity[1]);
    const std::size_t arrow = cross.find("->");
    const std::string left = cross.substr(0, arrow), right = cross.substr(arrow + 2);
    bool ok = true;
    if (left == "Tone") ok = ok && take(kRToneFreq, tx, 0);
    if (left == "DTCS") ok = ok && take(kDtcsCode, tx, polarity[0]);
    if (right == "Tone") ok = ok && take(kCToneFreq, rx, 0);
    if (right == "DTCS") ok = ok && take(kRxDtcsCode, rx, polarity[1]);
    return ok;
}

// The transmit frequency of a row in the grid's text: "" for none; false with the reason when the row does
// not say it.
bool ReadTransmit(const std::vector<std::string>& f, long long rx, std::string& tx, std::string& reason) {
    const std::string& duplex = f[kDuplex];
    const std::string& offset = f[kOffset];
    if (duplex.empty()) {
        tx = FormatScaled(rx, kGridDecimals);
        return true;
    }
    if (Same(duplex, "off")) return true;
    if (duplex != "+" && duplex != "-" && !Same(duplex, "split")) {
        reason = "unknown Duplex \"" + ShownValue(duplex) + "\"";
        return false;
    }
    if (offset.empty()) {
        reason = "Duplex " + duplex + " without an Offset";
        return false;
    }
    const long long value = ScaledOf(offset, kGridDecimals);
    tx = FormatScaled(duplex == "+" ? rx + value : duplex == "-" ? rx - value : value, kGridDecimals);
    return true;
}

}  // namespace

std::vector<std::string> CommonHeader() {
    return {"Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
            "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
            "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE"};
}

std::vector<std::string> CommonRow(const TALL& state, int n) {
    const ChannelRow cells = ChannelTableRow(state, n);
    std::vector<std::string> row(kColumnCount);
    row[kLocation] = std::to_string(n);
    const long long rx = ScaledOf(cells.cells[1], kGridDecimals);
    row[kFrequency] = FormatScaled(rx * 10, kFileDecimals);
    long long offset = 0;
    if (cells.cells[2].empty()) {
        row[kDuplex] = "off";
    } else {
        const long long tx = ScaledOf(cells.cells[2], kGridDecimals);
        offset = tx > rx ? tx - rx : rx - tx;
        row[kDuplex] = tx > rx ? "+" : tx < rx ? "-" : "";
    }
    row[kOffset] = FormatScaled(offset * 10, kFileDecimals);
    row[kRToneFreq] = row[kCToneFreq] = kNeutralCtcss;
    row[kDtcsCode] = row[kRxDtcsCode] = kNeutralDcs;
    row[kDtcsPolarity] = "NN";
    row[kCrossMode] = kNeutralCross;
    WriteTones(SideOf(cells.cells[4]), SideOf(cells.cells[3]), row);
    row[kMode] = cells.cells[6] == "Narrow" ? "NFM" : "FM";
    // The raster the frequency lies on, in kHz.
    row[kTStep] = rx % 500 == 0 ? "5.00" : "6.25";
    row[kSkip] = cells.cells[7] == "No" ? "S" : "";
    row[kPower] = cells.cells[5];
    return row;
}

bool CommonColumns::Has(std::string_view name) const {
    const auto header = CommonHeader();
    for (std::size_t c = 0; c < header.size(); ++c)
        if (Same(header[c], name)) return at[c] >= 0;
    return false;
}

std::optional<CommonColumns> MapCommonHeader(const CsvRecord& header) {
    const std::vector<std::string> names = CommonHeader();
    CommonColumns columns;
    columns.at.assign(names.size(), -1);
    columns.width = header.fields.size();
    for (std::size_t i = 0; i < header.fields.size(); ++i) {
        const std::string_view name = Trimmed(header.fields[i]);
        if (name.empty()) continue;
        columns.needed = i + 1;
        bool known = false;
        for (std::size_t c = 0; c < names.size() && !known; ++c) {
            if (!Same(name, names[c])) continue;
            known = true;
            if (columns.at[c] < 0)
                columns.at[c] = static_cast<int>(i);
            else
                columns.ignored.push_back(ShownValue(name) + " (again)");
        }
        if (!known) columns.ignored.push_back(ShownValue(name));
    }
    if (columns.at[kLocation] < 0 && columns.at[kFrequency] < 0) return std::nullopt;
    return columns;
}

RowReading ReadCommonRow(const CsvRecord& record, const CommonColumns& columns) {
    std::vector<std::string> f(kColumnCount);
    for (std::size_t c = 0; c < kColumnCount; ++c)
        if (columns.at[c] >= 0)
            f[c] = std::string(Trimmed(record.fields[static_cast<std::size_t>(columns.at[c])]));
    // What the older layouts meant by a column they lack.
    if (columns.at[kRxDtcsCode] < 0) f[kRxDtcsCode] = f[kDtcsCode];
    if (f[kCrossMode].empty()) f[kCrossMode] = kNeutralCross;
    if (f[kMode].empty()) f[kMode] = "FM";
    for (const Column c : {kLocation, kFrequency, kOffset, kRToneFreq, kCToneFreq, kDtcsCode, kRxDtcsCode}) {
        const std::string problem = NumberProblem(CommonHeader()[c], f[c]);
        if (!problem.empty()) return Refuse(problem);
    }
    if (!f[kLocation].empty() && !IsDigits(f[kLocation]))
        return Refuse("Location \"" + ShownValue(f[kLocation]) + "\" is not a channel number");

    RowReading reading;
    ChannelPlan& plan = reading.plan;
    plan.line = record.line;
    plan.channel = f[kLocation].empty() ? -1 : ChannelNumberOf(f[kLocation]);
    if (f[kFrequency].empty()) return Skip("no Frequency");
    const long long rx = ScaledOf(f[kFrequency], kGridDecimals);
    std::string tx, rxTone, txTone, reason;
    if (!ReadTransmit(f, rx, tx, reason) || !ReadTones(f, txTone, rxTone, reason)) return Skip(reason);
    if (!txTone.empty() && tx.empty()) {
        plan.notes.push_back("no transmit frequency (Duplex off): transmit tone " + txTone + " left out");
        txTone.clear();
    }
    std::string bandwidth;
    if (Same(f[kMode], "FM")) bandwidth = "Wide";
    if (Same(f[kMode], "NFM")) bandwidth = "Narrow";
    if (bandwidth.empty())
        return Skip("Mode \"" + ShownValue(f[kMode]) + "\" is not available on this radio (FM or NFM)");
    if (!f[kSkip].empty() && !Same(f[kSkip], "S"))
        return Skip("unknown Skip \"" + ShownValue(f[kSkip]) + "\"");
    const std::string power = PowerItem(f[kPower], plan.notes);
    if (power.empty()) return Skip("unknown Power \"" + ShownValue(f[kPower]) + "\"");

    auto& t = plan.texts;
    t[cfRxFreq] = FormatScaled(rx, kGridDecimals);
    t[cfTxFreq] = tx;
    t[cfRxTone] = rxTone.empty() ? NoneText() : rxTone;
    t[cfTxTone] = txTone.empty() ? NoneText() : txTone;
    t[cfPower] = power;
    t[cfBandwidth] = bandwidth;
    t[cfScanAdd] = f[kSkip].empty() ? "Yes" : "No";
    // The layout has no column for these: they get what the grid gives a new channel.
    const ChannelTexts defaults = NewChannelTexts("");
    for (const int field : {cfCompander, cfScrambler, cfBusyLock, cfOverTone}) {
        const auto index = static_cast<std::size_t>(std::stoi(defaults[static_cast<std::size_t>(field)]));
        t[static_cast<std::size_t>(field)] =
            ChannelColumns()[static_cast<std::size_t>(ColumnOfField(field))].items[index];
    }
    t[cfEpilogue] = EpilogueItems(txTone)[static_cast<std::size_t>(std::stoi(defaults[cfEpilogue]))];
    return reading;
}

}  // namespace lm::csv
